#include "SimLoop.h"

#include "GaugeFrame.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace quorvel::sim {

namespace {
constexpr int64_t kMs = 1'000'000;
constexpr int64_t kMaxWaitNs = 200 * kMs;   // so a stop request is seen soon
constexpr int64_t kPeerRetryNs = 20 * kMs;  // while no one has the device open
} // namespace

int64_t monotonicNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

SimLoop::SimLoop(int masterFd, const SimOptions& options)
    : master_(masterFd),
      options_(options),
      faults_(options.faults),
      model_(options.gauge, [this](const TFrameRec& f) { sendFrame(f); }),
      in_(options.pace ? PacedQueue::kByteNs2400 : 0),
      out_(options.pace ? PacedQueue::kByteNs2400 : 0)
{
}

void SimLoop::log(const char* prefix, std::string_view bytes) const
{
    if (!options_.log)
        return;
    std::string line(prefix);
    for (unsigned char c : bytes) {
        if (c == '\r' || c == '\n')
            continue;
        line.push_back(c >= 0x20 && c < 0x7f ? char(c) : '?');
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

void SimLoop::sendFrame(const TFrameRec& frame)
{
    std::string bytes = encodeGaugeFrame(frame);
    switch (faults_.next()) {
    case ReplyFate::Drop:
        log("-> (dropped) ", bytes);
        return;
    case ReplyFate::Corrupt:
        bytes = withWrongChecksum(std::move(bytes));
        log("-> (corrupted) ", bytes);
        break;
    case ReplyFate::Send:
        log("-> ", bytes);
        break;
    }
    out_.push(bytes, nowNs_);
}

void SimLoop::handleInput(int64_t nowNs, bool all)
{
    const std::string bytes = in_.due(all ? INT64_MAX : nowNs);
    in_.pop(bytes.size());
    for (const std::string& text : collector_.feed(bytes.data(), bytes.size(), nowNs / kMs)) {
        TFrameRec frame;
        if (!DecodeFrame(text, frame)) {
            log("<- (bad frame) :", text);
            continue;   // a gauge ignores what it cannot read
        }
        log("<- :", text);
        model_.receive(frame, nowNs / kMs);
    }
}

void SimLoop::readMaster(int64_t nowNs)
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n > 0) {
            in_.push(std::string_view(buf, size_t(n)), nowNs);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno == EIO)
            lost_ = true;   // the program closed the device
        return;
    }
}

void SimLoop::writeOutput(int64_t nowNs)
{
    const std::string bytes = out_.due(nowNs);
    if (bytes.empty())
        return;
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n > 0)
        out_.pop(size_t(n));
}

// What the program sent before it closed the device still counts; what the
// gauge had not yet sent is lost with the connection.
void SimLoop::peerLost(int64_t nowNs)
{
    handleInput(nowNs, true);
    model_.reset();
    in_.clear();
    out_.clear();
    collector_.reset();
    ::tcflush(master_, TCIOFLUSH);
    present_ = false;
    lost_ = false;
    if (options_.log)
        std::fprintf(stderr, "# the device was closed\n");
}

bool SimLoop::peerPresent()
{
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0)
        return false;
    return (p.revents & POLLHUP) == 0;
}

int64_t SimLoop::wakeNs(int64_t nowNs) const
{
    int64_t wake = nowNs + kMaxWaitNs;
    if (in_.nextDueNs() >= 0)
        wake = std::min(wake, in_.nextDueNs());
    if (out_.nextDueNs() >= 0)
        wake = std::min(wake, std::max(out_.nextDueNs(), nowNs + kMs));   // a full pty: retry soon
    if (model_.nextReadingMs() >= 0)
        wake = std::min(wake, model_.nextReadingMs() * kMs);
    return std::max(wake, nowNs);
}

int SimLoop::run(const volatile std::sig_atomic_t& stop)
{
    while (!stop) {
        nowNs_ = monotonicNs();
        if (!present_) {
            present_ = peerPresent();
            if (!present_) {
                const timespec pause{0, long(kPeerRetryNs)};
                ::nanosleep(&pause, nullptr);
                continue;
            }
        }
        handleInput(nowNs_, false);
        model_.tick(nowNs_ / kMs);
        writeOutput(nowNs_);

        const int64_t waitNs = wakeNs(nowNs_) - nowNs_;
        const timespec timeout{time_t(waitNs / 1'000'000'000LL), long(waitNs % 1'000'000'000LL)};
        pollfd p{master_, POLLIN, 0};
        const int r = ::ppoll(&p, 1, &timeout, nullptr);
        nowNs_ = monotonicNs();
        if (r > 0 && (p.revents & POLLIN))
            readMaster(nowNs_);
        if (r > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN))
            lost_ = true;
        if (lost_)
            peerLost(nowNs_);
    }
    return 0;
}

} // namespace quorvel::sim
