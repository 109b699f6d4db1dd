#include "LinkMachine.h"

#include "LinkTexts.h"

namespace quorvel {

LinkMachine::LinkMachine(TLinkRec& link, TFileSlots& files, ComPort& port, LinkView& view,
                         Messages& messages)
    : link_(link), files_(files), port_(port), view_(view), messages_(messages)
{
    port_.setListener(this);
}

LinkMachine::~LinkMachine()
{
    port_.setListener(nullptr);
}

void LinkMachine::setButtons(std::initializer_list<Button> buttons, bool enabled)
{
    for (Button b : buttons)
        view_.setButtonEnabled(b, enabled);
}

void LinkMachine::armReplyTimer()
{
    port_.setTimerTrigger(link_.TimerHandle, kReplyTicks, true);
}

// ---- sending ---------------------------------------------------------------

void LinkMachine::SendCommand(char letter)
{
    TFrameRec frame;
    frame.Addr = 0;
    frame.Cmd = letter;
    switch (letter) {
    case 'B': link_.Task = tkDisconnect; break;
    case 'F': link_.Task = tkDownload; break;
    case 'H': link_.Task = tkConnect; break;
    case 'W': link_.Task = tkMeasure; break;
    case 'Z': link_.Task = tkStop; break;
    case 'N':
    case 'Y': break;
    default: link_.Task = tkIdle; break;
    }
    if (link_.Task == tkIdle)
        return;
    if (!SendFrame(frame))
        link_.Task = tkIdle;
}

bool LinkMachine::SendFrame(const TFrameRec& frame)
{
    if (!port_.isOpen()) {
        messages_.show(texts::kCommErrorCaption, texts::kPortError, MsgIcon::Error);
        return false;
    }
    uint8_t buffer[kFrameBufferSize];
    const uint8_t len = EncodeFrame(frame, buffer);
    std::copy(buffer, buffer + len, link_.LastFrame.begin());
    link_.LastFrameLen = len;
    // Without room the frame stays remembered; the reply timer brings a retry.
    if (port_.outBuffFree() >= len)
        port_.write(buffer, len);
    if (link_.Task != tkMeasure && link_.Task != tkStop)
        armReplyTimer();
    return true;
}

void LinkMachine::ResendLast()
{
    if (port_.isOpen() && port_.outBuffFree() >= link_.LastFrameLen)
        port_.write(link_.LastFrame.data(), link_.LastFrameLen);
    armReplyTimer();
}

bool LinkMachine::LinkIdle()
{
    if (link_.Task == tkIdle)
        return true;
    messages_.show(texts::kCommErrorCaption, texts::kBusy, MsgIcon::Error);
    return false;
}

// ---- receiving and failing -------------------------------------------------

void LinkMachine::DataPacketStringPacket(std::string_view data)
{
    port_.setTimerTrigger(link_.TimerHandle, 0, false);
    HandlePacket(data);
}

void LinkMachine::ComPort1TriggerTimer(uint16_t triggerHandle)
{
    if (triggerHandle == link_.TimerHandle)
        HandleLinkError();
}

void LinkMachine::HandlePacket(std::string_view text)
{
    TFrameRec frame;   // owns its payload: nothing to release by hand
    if (!DecodeFrame(text, frame)) {
        HandleLinkError();
        return;
    }
    dispatch(frame);
}

void LinkMachine::dispatch(const TFrameRec& frame)
{
    const uint8_t task = link_.Task;
    switch (frame.Cmd) {
    case 'H':
        if (task == tkConnect) {
            view_.closeConnectingNotice();
            OnConnected();
            return;
        }
        break;
    case 'B':
        if (task == tkIdle || task == tkDisconnect) {
            link_.Task = tkIdle;
            ClosePort();
            OnDisconnected();
            return;
        }
        break;
    case 'D':
        if (task == tkDownload) {
            StoreFileData(files_, frame);
            link_.Retries = 0;
            SendCommand('Y');
            return;
        }
        if (task == tkMeasure) {
            // A reading needs two bytes; a shorter frame is dropped unread.
            if (frame.PayloadLen >= 2 && frame.Payload.size() >= 2)
                view_.liveReading(frame);
            return;
        }
        break;
    case 'Z':
        if (task == tkDownload) {
            FileDownloadDone();
            return;
        }
        if (task == tkMeasure) {
            MeasureStopped();
            return;
        }
        break;
    default:
        break;
    }
    HandleLinkError();
}

void LinkMachine::HandleLinkError()
{
    if (link_.Task == tkIdle || link_.Task == tkMeasure)
        return;   // a live measurement expects no replies
    if (link_.Retries < 2) {
        if (link_.Task == tkDownload)
            SendCommand('N');
        else
            ResendLast();
        ++link_.Retries;
        view_.setStatusText(1, texts::kRetrying);
        return;
    }
    giveUp();
    link_.Task = tkIdle;
    link_.Retries = 0;
}

void LinkMachine::giveUp()
{
    view_.setStatusText(1, QString());
    switch (link_.Task) {
    case tkDownload:
        view_.setButtonLamp(Button::ReadFile, false);
        setButtons({Button::ReadFile, Button::Save, Button::Db, Button::Limit, Button::WaitData}, true);
        break;
    case tkConnect:
        view_.closeConnectingNotice();
        messages_.show(texts::kConnectFailedCaption, texts::kNoInstrument, MsgIcon::Warning);
        ClosePort();
        view_.setButtonEnabled(Button::Comm, true);
        break;
    case tkDisconnect:
        ClosePort();
        OnDisconnected();
        break;
    case tkStop:
        messages_.show(texts::kCommErrorCaption, texts::kRemoteError, MsgIcon::Error);
        break;
    default:
        break;
    }
}

// ---- live measurement ------------------------------------------------------

void LinkMachine::btnWaitDataClick()
{
    if (link_.Task == tkIdle) {
        SendCommand('W');
        MeasureStarted();
    } else if (link_.Task == tkMeasure) {
        SendCommand('Z');
        MeasureStopped();
    }
}

void LinkMachine::MeasureStarted()
{
    view_.setGroupSource(1);
    setButtons({Button::Save, Button::Db, Button::Limit, Button::ReadFile}, false);
    view_.setButtonText(Button::WaitData, texts::kStop, texts::kStopHint);
    view_.setStatusText(1, texts::kReceiving);
}

void LinkMachine::MeasureStopped()
{
    link_.Task = tkIdle;
    setButtons({Button::Save, Button::Db, Button::Limit, Button::ReadFile}, true);
    if (view_.groupCount() > 0)
        view_.setButtonEnabled(Button::Print, true);
    view_.setButtonText(Button::WaitData, texts::kStart, texts::kStartHint);
    view_.setStatusText(1, QString());
}

// ---- connecting ------------------------------------------------------------

bool LinkMachine::OpenPort(QString* error)
{
    ResetLink(link_);
    if (!port_.open(link_.PortDevice, error))
        return false;
    link_.TimerHandle = port_.addTimerTrigger();
    link_.PortOpen = true;
    return true;
}

void LinkMachine::ClosePort()
{
    if (!link_.PortOpen)
        return;
    link_.PortOpen = false;
    port_.removeTimerTrigger(link_.TimerHandle);
    port_.close();
}

void LinkMachine::OnConnected()
{
    link_.Task = tkIdle;
    link_.Connected = true;
    link_.Retries = 0;
    view_.setButtonLamp(Button::Comm, true);
    view_.setButtonText(Button::Comm, texts::kDiscon, texts::kDisconHint);
    setButtons({Button::Comm, Button::ReadFile, Button::WaitData}, true);
    view_.setStatusText(0, texts::connectedText(link_.PortName));
    view_.setStatusText(1, QString());
}

void LinkMachine::OnDisconnected()
{
    MeasureStopped();
    view_.setButtonLamp(Button::WaitData, false);
    link_.Connected = false;
    view_.setButtonLamp(Button::Comm, false);
    view_.setButtonText(Button::Comm, texts::kConn, texts::kConnHint);
    view_.setButtonEnabled(Button::Comm, true);
    setButtons({Button::ReadFile, Button::WaitData}, false);
    view_.setStatusText(0, texts::kNotConnected);
    view_.setStatusText(1, QString());
}

void LinkMachine::StartConnect(const QString& portName, const QString& device)
{
    if (!LinkIdle())
        return;
    link_.PortName = portName;
    link_.PortDevice = device;
    view_.showConnectingNotice();
    QString error;
    if (!OpenPort(&error)) {
        view_.closeConnectingNotice();
        view_.setButtonEnabled(Button::Comm, true);
        messages_.show(texts::kCommErrorCaption, texts::portOpenFailed(portName, error), MsgIcon::Error);
        return;
    }
    SendCommand('H');
    if (link_.Task == tkIdle) {   // the frame could not be sent: nothing will answer
        view_.closeConnectingNotice();
        ClosePort();
        view_.setButtonEnabled(Button::Comm, true);
    }
}

void LinkMachine::StartDisconnect()
{
    view_.setStatusText(1, texts::kDisconnecting);
    setButtons({Button::ReadFile, Button::WaitData}, false);
    SendCommand('B');
}

void LinkMachine::CloseLink()
{
    if (link_.Connected) {
        SendCommand('B');
        if (port_.isOpen())
            port_.flush(250);
    }
    ClosePort();
}

void LinkMachine::onPortLost(const QString& reason)
{
    if (!link_.PortOpen)
        return;
    const bool wasConnected = link_.Connected;
    ClosePort();
    if (wasConnected) {
        OnDisconnected();
    } else {
        view_.closeConnectingNotice();
        view_.setButtonEnabled(Button::Comm, true);
    }
    link_.Task = tkIdle;
    link_.Retries = 0;
    messages_.show(texts::kCommErrorCaption, texts::portLost(link_.PortName, reason), MsgIcon::Error);
}

// ---- stored-file download --------------------------------------------------

void LinkMachine::btnReadFileClick()
{
    if (!LinkIdle())
        return;
    view_.setStatusText(1, texts::kDownloading);
    view_.setButtonLamp(Button::ReadFile, true);
    setButtons({Button::ReadFile, Button::Save, Button::Db, Button::Limit, Button::WaitData}, false);
    ClearFiles(files_);
    SendCommand('F');
}

void LinkMachine::FileDownloadDone()
{
    view_.showFilesButton();
    view_.setButtonLamp(Button::ReadFile, false);
    setButtons({Button::ReadFile, Button::Save, Button::Db, Button::Limit, Button::WaitData}, true);
    view_.setStatusText(1, QString());
    link_.Task = tkIdle;
    link_.Retries = 0;
    messages_.show(texts::kDownloadDoneCaption, texts::kDownloadDone, MsgIcon::Information);
}

} // namespace quorvel
