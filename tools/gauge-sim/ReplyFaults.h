#pragma once
// Numbers the frames the gauge sends (from 1) and decides which of them the
// line loses or garbles, to provoke the program's retries.

namespace quorvel::sim {

struct FaultSettings {
    bool silent = false;   // never answers anything
    int silentAfter = 0;   // frames after this many are never sent (0: off)
    int dropReply = 0;     // this frame is not sent, once (0: off)
    int corruptReply = 0;  // this frame goes out with a wrong checksum, once (0: off)
};

enum class ReplyFate { Send, Drop, Corrupt };

class ReplyFaults {
public:
    explicit ReplyFaults(FaultSettings settings) : settings_(settings) {}
    // The fate of the next frame; counts it.
    ReplyFate next();
    int count() const { return count_; }

private:
    FaultSettings settings_;
    int count_ = 0;
};

} // namespace quorvel::sim
