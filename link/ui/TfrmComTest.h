#pragma once
// The "Connecting" notice shown while the handshake runs. It does not block
// the main window, which keeps receiving the link's events; closing it only
// hides it, so the one made at start-up serves the whole run.

#include <QDialog>

namespace quorvel {

class TfrmComTest : public QDialog {
    Q_OBJECT
public:
    explicit TfrmComTest(QWidget* parent = nullptr);

    // Shows it centred on its owner, without taking the keyboard away.
    void showNotice();
};

} // namespace quorvel
