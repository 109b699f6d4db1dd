#pragma once
// State of the serial link for the whole run.

#include <QString>
#include <array>
#include <cstdint>

namespace quorvel {

enum TaskCode : uint8_t {
    tkIdle = 0,
    tkDownload = 3,
    tkMeasure = 4,
    tkConnect = 5,
    tkDisconnect = 6,
    tkStop = 8,
};

struct TLinkRec {
    uint16_t ComNumber = 0;     // port number where ports are numbered (COMn)
    QString PortName;           // the device as shown to the user: "COM3", "ttyUSB0"
    QString PortDevice;         // what is opened: "COM3", "/dev/ttyUSB0", a pty path
    bool PortOpen = false;
    uint16_t TimerHandle = 0;
    std::array<uint8_t, 260> LastFrame{};
    uint16_t LastFrameLen = 0;
    uint8_t Retries = 0;
    uint8_t Task = tkIdle;
    bool Connected = false;
};

// Clears the per-connection fields; keeps the port choice and timer handle.
inline bool ResetLink(TLinkRec& link)
{
    link.PortOpen = false;
    link.Task = tkIdle;
    link.Connected = false;
    link.LastFrameLen = 0;
    link.Retries = 0;
    return true;
}

} // namespace quorvel
