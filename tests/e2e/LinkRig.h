#pragma once
// The real link machine over the real serial adapter, with the window and
// the message boxes played by fakes. The event log goes to a temporary dir.

#include "FakeLinkView.h"
#include "FakeMessages.h"
#include "Wait.h"
#include "link/LinkMachine.h"
#include "platform/serial/SerialComPort.h"

#include <QTemporaryDir>

namespace quorvel::test {

struct LinkRig {
    explicit LinkRig(int tickMs = ComPort::kTickMs)
    {
        port.setEventLogPath(logDir.filePath(QStringLiteral("APRO.LOG")));
        port.setTickMs(tickMs);
    }

    // CONN on the device, then waits for the handshake to end either way.
    bool connect(const QString& device, int timeoutMs = 8000)
    {
        machine.StartConnect(QStringLiteral("sim"), device);
        return waitUntil([&] { return link.Connected; }, timeoutMs);
    }
    bool waitIdle(int timeoutMs) { return waitUntil([&] { return link.Task == tkIdle; }, timeoutMs); }
    const ButtonState& button(Button b) { return view.buttons[b]; }

    QTemporaryDir logDir;
    TLinkRec link;
    TFileSlots files;
    FakeLinkView view;
    FakeMessages messages;
    SerialComPort port;
    LinkMachine machine{link, files, port, view, messages};
};

} // namespace quorvel::test
