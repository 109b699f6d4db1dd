#pragma once
// gauge-sim's main loop: reads the program's bytes from the pty master,
// collects and decodes frames, lets the gauge model answer, and writes the
// answers back, paced like the real line when asked.

#include "GaugeModel.h"
#include "PacedQueue.h"
#include "ReplyFaults.h"
#include "SimOptions.h"
#include "platform/PacketCollector.h"

#include <csignal>
#include <string>

namespace quorvel::sim {

class SimLoop {
public:
    SimLoop(int masterFd, const SimOptions& options);
    // Runs until stop is set (by a signal handler).
    int run(const volatile std::sig_atomic_t& stop);

private:
    void sendFrame(const TFrameRec& frame);
    void readMaster(int64_t nowNs);
    void handleInput(int64_t nowNs, bool all);
    void writeOutput(int64_t nowNs);
    void peerLost(int64_t nowNs);
    bool peerPresent();
    int64_t wakeNs(int64_t nowNs) const;
    void log(const char* prefix, std::string_view bytes) const;

    int master_;
    SimOptions options_;
    ReplyFaults faults_;
    GaugeModel model_;
    PacedQueue in_;
    PacedQueue out_;
    PacketCollector collector_;
    bool present_ = false;
    bool lost_ = false;
    int64_t nowNs_ = 0;
};

int64_t monotonicNs();

} // namespace quorvel::sim
