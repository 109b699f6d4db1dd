#pragma once
// The program's side of the conversation with the gauge: one task at a time,
// a reply timer of 91 ticks, two retries, then a give-up by task.

#include "CommInc.h"
#include "FileSlots.h"
#include "LinkRec.h"
#include "LinkView.h"
#include "platform/ComPort.h"
#include "platform/Messages.h"

namespace quorvel {

class LinkMachine : public ComPortListener {
public:
    static constexpr int kReplyTicks = 91;   // 5005 ms

    LinkMachine(TLinkRec& link, TFileSlots& files, ComPort& port, LinkView& view, Messages& messages);
    ~LinkMachine() override;

    const TLinkRec& link() const { return link_; }

    // Sending.
    void SendCommand(char letter);
    bool SendFrame(const TFrameRec& frame);
    void ResendLast();
    bool LinkIdle();

    // Receiving and failing.
    void HandleLinkError();
    void HandlePacket(std::string_view text);
    void DataPacketStringPacket(std::string_view data);
    void ComPort1TriggerTimer(uint16_t triggerHandle);

    // Live measurement.
    void btnWaitDataClick();
    void MeasureStarted();
    void MeasureStopped();

    // Connecting and disconnecting; the port dialog itself is the window's.
    bool OpenPort(QString* error);
    void ClosePort();
    void OnConnected();
    void OnDisconnected();
    // After the port dialog returned a port: the handshake.
    void StartConnect(const QString& portName, const QString& device);
    // DISCON: ends the link with B, whatever task runs.
    void StartDisconnect();
    // The main window closes: B if connected (given a moment to leave), then close.
    void CloseLink();

    // Stored-file download.
    void btnReadFileClick();
    void FileDownloadDone();

    // ComPortListener
    void onPacket(std::string_view text) override { DataPacketStringPacket(text); }
    void onTimerTrigger(uint16_t handle) override { ComPort1TriggerTimer(handle); }
    void onPortLost(const QString& reason) override;

private:
    void armReplyTimer();
    void giveUp();
    void setButtons(std::initializer_list<Button> buttons, bool enabled);
    void dispatch(const TFrameRec& frame);

    TLinkRec& link_;
    TFileSlots& files_;
    ComPort& port_;
    LinkView& view_;
    Messages& messages_;
};

} // namespace quorvel
