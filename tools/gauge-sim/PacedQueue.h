#pragma once
// Bytes on their way over one direction of the line. Paced, each byte is due
// 10 bits after the previous one (or after it was queued, on an idle line),
// like a UART at 2400 baud; due times are absolute, so a late wake-up does
// not slow the line down. Unpaced, every byte is due at once.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace quorvel::sim {

class PacedQueue {
public:
    static constexpr int64_t kByteNs2400 = 10'000'000'000LL / 2400;   // 10 bits at 2400 baud

    explicit PacedQueue(int64_t byteNs = 0) : byteNs_(byteNs) {}

    void push(std::string_view bytes, int64_t nowNs);
    // The bytes whose time has come, oldest first (not removed).
    std::string due(int64_t nowNs) const;
    void pop(size_t count);
    // When the next byte is due; -1 when empty.
    int64_t nextDueNs() const { return dueNs_.empty() ? -1 : dueNs_.front(); }
    bool empty() const { return bytes_.empty(); }
    void clear();

private:
    int64_t byteNs_;
    int64_t lastDueNs_ = 0;
    std::deque<char> bytes_;
    std::deque<int64_t> dueNs_;
};

} // namespace quorvel::sim
