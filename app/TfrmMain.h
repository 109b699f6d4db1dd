#pragma once
// The main window: every control of the workspace, the target of every
// click, and the link's view. The link's logic lives in LinkMachine; the
// window sets its widgets when the machine asks.

#include "app/MainLayout.h"
#include "app/RunState.h"
#include "link/LinkMachine.h"
#include "link/LinkView.h"
#include "link/ui/TfrmComset.h"
#include "records/DatabaseConfig.h"

#include <QWidget>
#include <memory>

class QLabel;
class QToolButton;

namespace quorvel {

class ComPort;
class Messages;
class SwitchLedButton;
class TfrmComTest;
class WorkspaceDisplay;

class TfrmMain : public QWidget, public LinkView {
    Q_OBJECT
public:
    TfrmMain(RunState& state, ComPort& port, Messages& messages, PortProvider ports, QWidget* parent = nullptr);
    ~TfrmMain() override;

    RunState& state() { return m_state; }
    LinkMachine& linkMachine() { return *m_link; }
    const MainWidgets& widgets() const { return m_w; }
    SwitchLedButton* button(Button b) const { return m_w.button(b); }
    QString statusText(int panel) const;
    TfrmComTest* connectingNotice() const { return m_frmComTest; }

    // Where SAVE and LOAD keep their groups (the default file until set).
    void setDatabase(const DatabaseConfig& db) { m_db = db; }

    // A later start of the program asked for this window: restore it when
    // minimised, then raise and activate it.
    void activateFromSecondStart();

    // Handlers of the window's buttons.
    void btnCommClick();
    void btnWaitDataClick();
    void btnReadFileClick();
    void btnFilesClick();

    // The transmit and receive lamps, driven by the port while it is open.
    void setReceiveLamp(bool lit);
    void setTransmitLamp(bool lit);

    // LinkView
    void setButtonEnabled(Button b, bool enabled) override;
    void setButtonLamp(Button b, bool lit) override;
    void setButtonText(Button b, const QString& caption, const QString& hint) override;
    void setStatusText(int panel, const QString& text) override;
    void showFilesButton() override;
    void showConnectingNotice() override;
    void closeConnectingNotice() override;
    void setGroupSource(uint8_t source) override;
    int groupCount() const override;
    void liveReading(const TFrameRec& frame) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setUpWindow();
    void connectButtons();
    void FormCreate();
    void InitState();
    void FormClose();
    void centreOnScreen();
    void rememberPortNumber(const QString& portName);
    void settleLamp(Button b, bool lit);

    // The workspace display and the commands of the other layers.
    void showLatest();
    void showAll();
    void btnClearClick();
    void btnLimitClick();
    void btnSaveClick();
    void btnDbClick();
    void btnPrintClick();

    RunState& m_state;
    Messages& m_messages;
    PortProvider m_ports;
    MainWidgets m_w;
    std::unique_ptr<LinkMachine> m_link;
    TfrmComTest* m_frmComTest = nullptr;
    WorkspaceDisplay* m_display = nullptr;   // column, chart and statistics
    bool m_centred = false;
    DatabaseConfig m_db;
};

} // namespace quorvel
