#pragma once
// What the link needs of a serial port. The real one wraps QSerialPort and
// QTimer (SerialComPort); tests use a fake that records writes and fires the
// reply timer on demand.

#include <QString>
#include <cstdint>
#include <string_view>

namespace quorvel {

// Receives what the port delivers, always on the GUI thread.
class ComPortListener {
public:
    virtual ~ComPortListener() = default;
    // The text between ":" and CR LF, both excluded.
    virtual void onPacket(std::string_view text) = 0;
    // A timer trigger armed with setTimerTrigger has run out.
    virtual void onTimerTrigger(uint16_t handle) = 0;
    // The device went away while open (a USB adapter pulled, say).
    virtual void onPortLost(const QString& reason) = 0;
};

class ComPort {
public:
    static constexpr int kTickMs = 55;

    virtual ~ComPort() = default;
    virtual void setListener(ComPortListener* listener) = 0;

    // Opens the device at the gauge's line settings and starts collecting
    // packets. On failure returns false with a reason the user can act on.
    virtual bool open(const QString& device, QString* error) = 0;
    // Stops collecting, drops both buffers and closes. Safe when closed.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual int outBuffFree() const = 0;
    virtual void write(const uint8_t* data, int len) = 0;
    // Gives what was written up to maxMs to leave the PC.
    virtual void flush(int maxMs) = 0;

    // One-shot timer triggers counted in ticks of 55 ms.
    virtual uint16_t addTimerTrigger() = 0;
    virtual void removeTimerTrigger(uint16_t handle) = 0;
    virtual void setTimerTrigger(uint16_t handle, int ticks, bool activate) = 0;
};

} // namespace quorvel
