#pragma once
// What the gauge answers: H and B echoed, live readings after W until Z, and
// the stored files after F, one data frame per Y, the last one again on N,
// a closing Z after the last file.

#include "link/CommInc.h"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace quorvel::sim {

struct GaugeSettings {
    std::vector<uint16_t> readings;                  // tenths of a µm, cycled; empty: random walk
    int intervalMs = 700;                            // between live readings
    std::vector<int> fileCounts{25, 12, 0, 7, 0, 3}; // readings per stored file 0, 1, ...
    int gaugeStopAfter = 0;                          // Z after this many live readings (0: never)
    uint32_t seed = 1;                               // of the random walk
};

class GaugeModel {
public:
    static constexpr int kReadingsPerFrame = 62;   // 124 payload bytes, the most a frame holds

    using SendFn = std::function<void(const TFrameRec&)>;
    GaugeModel(GaugeSettings settings, SendFn send);

    void receive(const TFrameRec& frame, int64_t nowMs);
    // Sends the live readings that are due.
    void tick(int64_t nowMs);
    // When the next live reading is due; -1 when none is.
    int64_t nextReadingMs() const { return state_ == State::Measuring ? nextReadingMs_ : -1; }
    // The program closed the port: forget the exchange in progress.
    void reset();

    // Reading i of stored file f in tenths of a µm: (f + 1) × 1000 + i,
    // i.e. file 0 holds 100.0, 100.1, 100.2 ... µm, file 1 holds 200.0, 200.1 ...
    static uint16_t storedReading(int file, int index);

private:
    enum class State { Idle, Measuring, SendingFiles };

    void send(const TFrameRec& frame);
    void startMeasuring(int64_t nowMs);
    void startFiles();
    void sendNextFileFrame();
    uint16_t nextLiveReading();
    static TFrameRec command(char letter);
    static TFrameRec dataFrame(uint8_t addr, const std::vector<uint16_t>& tenths);

    GaugeSettings settings_;
    SendFn send_;
    State state_ = State::Idle;
    TFrameRec last_;
    bool haveLast_ = false;
    int64_t nextReadingMs_ = 0;
    int liveSent_ = 0;
    size_t liveIndex_ = 0;
    int walk_ = 500;
    std::mt19937 random_;
    std::vector<TFrameRec> fileFrames_;
    size_t nextFileFrame_ = 0;
};

} // namespace quorvel::sim
