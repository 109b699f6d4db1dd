#pragma once
// Collects packet texts from a byte stream: the characters from ":" to the
// next CR LF, delimiters excluded. A ":" inside a half-collected packet starts
// a new packet, and a packet whose end never comes is dropped after a
// time-out, so the link never goes deaf.

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

class PacketCollector {
public:
    static constexpr int64_t kDefaultTimeoutMs = 2184 * 55;   // about two minutes
    static constexpr size_t kMaxPacket = 1024;                 // far above any valid frame

    explicit PacketCollector(int64_t timeoutMs = kDefaultTimeoutMs) : timeoutMs_(timeoutMs) {}

    // Feeds received bytes; nowMs is any monotonic clock in milliseconds.
    // Returns the packets completed by these bytes, in order.
    std::vector<std::string> feed(const char* data, size_t len, int64_t nowMs);
    // Drops a half-collected packet whose time-out has passed.
    void expire(int64_t nowMs);
    void reset();
    bool collecting() const { return collecting_; }

private:
    int64_t timeoutMs_;
    bool collecting_ = false;
    int64_t startedMs_ = 0;
    std::string text_;
};

} // namespace quorvel
