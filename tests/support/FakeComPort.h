#pragma once
// A port for tests: records what is written, lets the test fire the reply
// timer and deliver packets as the gauge would.

#include "platform/ComPort.h"
#include <map>
#include <string>
#include <vector>

namespace quorvel::test {

class FakeComPort : public ComPort {
public:
    void setListener(ComPortListener* l) override { listener = l; }
    bool open(const QString& device, QString* error) override
    {
        if (failOpen) {
            if (error)
                *error = failReason;
            return false;
        }
        openedDevice = device;
        opened = true;
        ++openCount;
        return true;
    }
    void close() override { opened = false; ++closeCount; }
    bool isOpen() const override { return opened; }
    int outBuffFree() const override { return freeBytes; }
    void write(const uint8_t* data, int len) override
    {
        writes.emplace_back(reinterpret_cast<const char*>(data), size_t(len));
    }
    void flush(int maxMs) override { flushedMs = maxMs; }
    uint16_t addTimerTrigger() override { return ++lastHandle; }
    void removeTimerTrigger(uint16_t h) override { timers.erase(h); }
    void setTimerTrigger(uint16_t h, int ticks, bool activate) override
    {
        timers[h] = activate ? ticks : 0;
    }

    // Test side.
    bool timerArmed() const
    {
        for (auto& [h, t] : timers)
            if (t > 0)
                return true;
        return false;
    }
    void fireTimer()
    {
        for (auto& [h, t] : timers)
            if (t > 0) {
                t = 0;
                listener->onTimerTrigger(h);
                return;
            }
    }
    void deliver(const std::string& text) { listener->onPacket(text); }
    // The command letters written so far, "HHH" for three H frames.
    std::string letters() const
    {
        std::string s;
        for (auto& w : writes)
            if (w.size() >= 6)
                s += w[5];
        return s;
    }

    ComPortListener* listener = nullptr;
    bool opened = false;
    bool failOpen = false;
    QString failReason = QStringLiteral("Permission denied");
    QString openedDevice;
    int openCount = 0;
    int closeCount = 0;
    int freeBytes = 4096;
    int flushedMs = -1;
    uint16_t lastHandle = 0;
    std::map<uint16_t, int> timers;
    std::vector<std::string> writes;
};

} // namespace quorvel::test
