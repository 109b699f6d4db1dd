#include "app/TfrmMain.h"

#include "app/AppTexts.h"
#include "link/LinkTexts.h"
#include "link/ui/TfrmComTest.h"
#include "link/ui/TfrmFiles.h"
#include "measure/ui/ClearCommand.h"
#include "measure/ui/LimitCommand.h"
#include "measure/ui/WorkspaceDisplay.h"
#include "records/ui/RecordsCommands.h"
#include "report/ui/PrintCurrentGroup.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/DotMatrixBanner.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/StatusLight.h"
#include "platform/widgets/SwitchLedButton.h"

#include <QCloseEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace quorvel {

TfrmMain::TfrmMain(RunState& state, ComPort& port, Messages& messages, PortProvider ports, QWidget* parent)
    : QWidget(parent), m_state(state), m_messages(messages), m_ports(std::move(ports))
{
    setUpWindow();
    m_w = buildMainWidgets(this);
    // The statistics displays sit in window coordinates, under the buttons.
    m_display = new WorkspaceDisplay(m_state.CurData, m_state.Limits, m_w.LMDSimplePanel1, m_w.panData, this, this);
    m_link = std::make_unique<LinkMachine>(m_state.Link, m_state.FileSlots, port, *this, messages);
    connectButtons();
    FormCreate();
    // The connecting notice lives for the run and is only ever hidden.
    m_frmComTest = new TfrmComTest(this);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::setUpWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    setFont(fonts::windowDefault());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TfrmMain::connectButtons()
{
    connect(button(Button::Comm), &QAbstractButton::clicked, this, &TfrmMain::btnCommClick);
    connect(button(Button::WaitData), &QAbstractButton::clicked, this, &TfrmMain::btnWaitDataClick);
    connect(button(Button::WaitData), &SwitchLedButton::doubleClicked, this, &TfrmMain::btnWaitDataClick);
    connect(button(Button::ReadFile), &QAbstractButton::clicked, this, &TfrmMain::btnReadFileClick);
    connect(m_w.btnFiles, &QToolButton::clicked, this, &TfrmMain::btnFilesClick);
    connect(button(Button::Clear), &QAbstractButton::clicked, this, &TfrmMain::btnClearClick);
    connect(button(Button::Clear), &SwitchLedButton::doubleClicked, this, &TfrmMain::btnClearClick);
    connect(button(Button::Limit), &QAbstractButton::clicked, this, &TfrmMain::btnLimitClick);
    connect(button(Button::Save), &QAbstractButton::clicked, this, &TfrmMain::btnSaveClick);
    connect(button(Button::Db), &QAbstractButton::clicked, this, &TfrmMain::btnDbClick);
    connect(button(Button::Print), &QAbstractButton::clicked, this, &TfrmMain::btnPrintClick);
}

// ---- start and end ---------------------------------------------------------

void TfrmMain::FormCreate()
{
    InitState();
    const QString gongsi = m_w.LMDLabel_gongsi->text();
    setWindowTitle(texts::kApplicationTitle + gongsi + m_w.LMDLabel_mingcheng->text());
    m_w.VrMatrix1->setText(texts::kWelcome + texts::kApplicationTitle + gongsi);
}

void TfrmMain::InitState()
{
    ResetData(m_state.CurData);
    m_state.Limits = TLimits{};
    // Slots at 0, index labels empty, statistics at 0, the chart bare.
    m_display->ClearDisplay();
    setStatusText(0, texts::kNoConnect);
}

void TfrmMain::FormClose()
{
    m_link->CloseLink();
    m_frmComTest->hide();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen();
    }
}

void TfrmMain::centreOnScreen()
{
    const QScreen* s = screen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void TfrmMain::activateFromSecondStart()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

QString TfrmMain::statusText(int panel) const
{
    return panel >= 0 && panel < int(m_w.statusPanels.size()) ? m_w.statusPanels[size_t(panel)]->text() : QString();
}

// ---- the link's buttons ----------------------------------------------------

void TfrmMain::btnCommClick()
{
    SwitchLedButton* comm = button(Button::Comm);
    comm->setEnabled(false);
    if (m_state.Link.Connected) {
        m_link->StartDisconnect();
        return;
    }
    TfrmComset dialog(m_ports, m_messages, this);
    if (dialog.exec() != TfrmComset::kResultOk) {
        comm->setEnabled(true);
        return;
    }
    // A busy link would leave CONN dead; say so and let the user try again.
    if (!m_link->LinkIdle()) {
        comm->setEnabled(true);
        return;
    }
    rememberPortNumber(dialog.chosen().name);
    m_link->StartConnect(dialog.chosen().name, dialog.chosen().device);
}

void TfrmMain::rememberPortNumber(const QString& portName)
{
    static const QRegularExpression comN(QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comN.match(portName);
    m_state.Link.ComNumber = m.hasMatch() ? uint16_t(m.captured(1).toUInt()) : 0;
}

void TfrmMain::btnWaitDataClick()
{
    m_link->btnWaitDataClick();
}

void TfrmMain::btnReadFileClick()
{
    m_link->btnReadFileClick();
}

void TfrmMain::btnFilesClick()
{
    TfrmFiles picker(m_state.FileSlots, m_state.CurData, this);
    if (picker.exec() != TfrmFiles::kResultOk)
        return;
    m_state.CurData.Source = 1;
    setButtonEnabled(Button::Print, true);
    showAll();
}

void TfrmMain::setReceiveLamp(bool lit)
{
    m_w.ApdStatusLight1->setLit(lit);
}

void TfrmMain::setTransmitLamp(bool lit)
{
    m_w.ApdStatusLight2->setLit(lit);
}

// ---- LinkView --------------------------------------------------------------

void TfrmMain::setButtonEnabled(Button b, bool enabled)
{
    button(b)->setEnabled(enabled);
}

void TfrmMain::setButtonLamp(Button b, bool lit)
{
    button(b)->setActive(lit);
}

void TfrmMain::setButtonText(Button b, const QString& caption, const QString& hint)
{
    button(b)->setText(caption);
    button(b)->setHint(hint);
}

void TfrmMain::setStatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel < int(m_w.statusPanels.size()))
        m_w.statusPanels[size_t(panel)]->setText(text);
}

void TfrmMain::showFilesButton()
{
    m_w.btnFiles->show();
}

void TfrmMain::showConnectingNotice()
{
    m_frmComTest->showNotice();
}

void TfrmMain::closeConnectingNotice()
{
    m_frmComTest->hide();
}

void TfrmMain::setGroupSource(uint8_t source)
{
    m_state.CurData.Source = source;
}

int TfrmMain::groupCount() const
{
    return m_state.CurData.Count;
}

void TfrmMain::liveReading(const TFrameRec& frame)
{
    AddLiveReading(m_state.CurData, frame);
    showLatest();
}

// ---- the workspace display and the other commands ------------------------

void TfrmMain::showLatest()
{
    m_display->ShowLatest();
}

void TfrmMain::showAll()
{
    m_display->ShowAll();
}

// A lit button turns its lamp over once its click handlers have returned.
// For the buttons whose lamp tells something after their dialog (marking on,
// no dialog open), the lamp is set again after that turn-over so it tells the truth.
void TfrmMain::settleLamp(Button b, bool lit)
{
    button(b)->setActive(lit);
    QTimer::singleShot(0, this, [this, b, lit] { button(b)->setActive(lit); });
}

void TfrmMain::btnClearClick()
{
    clearCommand(m_state.CurData, *m_display, m_messages,
                 [this](bool on) { button(Button::Clear)->setActive(on); });
    settleLamp(Button::Clear, false);
}

void TfrmMain::btnLimitClick()
{
    limitCommand(this, m_state.Limits, *m_display, m_messages,
                 [this](bool on) { button(Button::Limit)->setActive(on); });
    settleLamp(Button::Limit, m_state.Limits.LimitOn);
}

// SAVE: the lamp is lit while the save dialog is open; nothing is redrawn.
void TfrmMain::btnSaveClick()
{
    button(Button::Save)->setActive(true);
    runSaveDialog(this, m_state.CurData, m_db, m_messages);
    settleLamp(Button::Save, false);
}

// LOAD: the lamp is lit while the dialog is open; a loaded group enables PRINT.
void TfrmMain::btnDbClick()
{
    button(Button::Db)->setActive(true);
    const bool loaded = runDbDialog(this, m_state.CurData, m_db, m_messages);
    settleLamp(Button::Db, false);
    if (!loaded)
        return;
    m_state.CurData.Source = 2;
    setButtonEnabled(Button::Print, true);
    showAll();
}

void TfrmMain::btnPrintClick()
{
    printCurrentGroup(this, m_state.CurData, windowTitle());
}

} // namespace quorvel
