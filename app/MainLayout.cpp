#include "app/MainLayout.h"

#include "app/FilesButtonPicture.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/ClockDisplay.h"
#include "platform/widgets/DotMatrixBanner.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/StatusLight.h"
#include "platform/widgets/SwitchLedButton.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace quorvel {

namespace {

struct ButtonPlace {
    Button id;
    const char* name;
    int x;
    int width;
    const char* caption;
    const char* hint;
    bool enabled;
};

// The command row at y 408, 28 high, left to right.
constexpr ButtonPlace kButtons[] = {
    {Button::Save, "btnSave", 18, 55, "SAVE", "Save Current Data", true},
    {Button::Db, "btnDb", 79, 55, "LOAD", "Loat Data From the Database", true},
    {Button::Print, "btnPrint", 139, 55, "PRINT", "Print Data", false},
    {Button::Limit, "btnLimit", 200, 55, "LIMIT", "Limit Setting", true},
    {Button::Clear, "btnClear", 261, 55, "CLEAR", "Clear Current Data Cache", true},
    {Button::Comm, "btnComm", 322, 57, "CONN", "Connect to the Instrument", true},
    {Button::WaitData, "btnWaitData", 382, 55, "START", "START MEASUREMENT", false},
    {Button::ReadFile, "btnReadFile", 443, 55, "FILE", "Download Measurement Data File Stored In The Instrument",
     false},
};

struct StatLabelPlace {
    const char* name;
    const char* caption;
    int x;
};

// The statistics captions at y 467; their displays (y 462) belong to the workspace display.
constexpr StatLabelPlace kStatLabels[] = {
    {"LMDLabel2", "Average:", 15},
    {"LMDLabel1", "StdDev:", 192},
    {"LMDLabel4", "Maximum:", 334},
    {"LMDLabel5", "Mininum:", 490},
    {"LMDLabel3", "Number:", 678},
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

void buildTopStrip(QWidget* window, MainWidgets& w)
{
    w.AbClock2 = new ClockDisplay(window);
    w.AbClock2->setObjectName(QStringLiteral("AbClock2"));
    w.AbClock2->setGeometry(24, 17, 241, 32);

    w.VrMatrix1 = new DotMatrixBanner(window);
    w.VrMatrix1->setObjectName(QStringLiteral("VrMatrix1"));
    w.VrMatrix1->setGeometry(265, 17, 282, 32);

    // Hidden carriers of the texts that follow the program name.
    w.LMDLabel_gongsi = makeLabel(window, "LMDLabel_gongsi", QStringLiteral(" "), 30, 51);
    w.LMDLabel_gongsi->hide();
    w.LMDLabel_mingcheng =
        makeLabel(window, "LMDLabel_mingcheng", QStringLiteral("For Coating Thickness Gauge "), 142, 51);
    w.LMDLabel_mingcheng->hide();
}

void buildDisplayArea(QWidget* window, MainWidgets& w)
{
    w.LMDSimplePanel1 = new BevelPanel(window);
    w.LMDSimplePanel1->setObjectName(QStringLiteral("LMDSimplePanel1"));
    w.LMDSimplePanel1->setGeometry(10, 64, 543, 329);

    w.panData = new BevelPanel(window);
    w.panData->setObjectName(QStringLiteral("panData"));
    w.panData->setGeometry(568, 10, 225, 447);
}

void buildButtonRow(QWidget* window, MainWidgets& w)
{
    for (const ButtonPlace& place : kButtons) {
        auto* button = new SwitchLedButton(QLatin1String(place.caption), window);
        button->setObjectName(QLatin1String(place.name));
        button->setGeometry(place.x, 408, place.width, 28);
        button->setHint(QLatin1String(place.hint));
        button->setEnabled(place.enabled);
        w.buttons[size_t(place.id)] = button;
    }

    w.btnFiles = new QToolButton(window);
    w.btnFiles->setObjectName(QStringLiteral("btnFiles"));
    w.btnFiles->setGeometry(505, 409, 50, 26);
    w.btnFiles->setAutoRaise(true);   // flat until the mouse is over it
    w.btnFiles->setIcon(QIcon(filesButtonPicture()));
    w.btnFiles->setIconSize(QSize(20, 20));
    w.btnFiles->setToolTip(QStringLiteral("Display the file downloaded"));
    w.btnFiles->setFocusPolicy(Qt::NoFocus);
    w.btnFiles->hide();
}

void buildStatisticsRow(QWidget* window)
{
    for (const StatLabelPlace& place : kStatLabels) {
        QLabel* label = makeLabel(window, place.name, QLatin1String(place.caption), place.x, 467);
        label->setFont(fonts::smallSans());
        label->adjustSize();
    }
}

QLabel* makeStatusPanel(QWidget* bar, int x, int width)
{
    auto* panel = new QLabel(bar);
    panel->setGeometry(x, 0, width, layout::kStatusBarHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setFont(fonts::smallSans());
    return panel;
}

void buildStatusBar(QWidget* window, MainWidgets& w)
{
    w.StatusBar = new QWidget(window);
    w.StatusBar->setObjectName(QStringLiteral("StatusBar"));
    w.StatusBar->setGeometry(0, layout::kClientHeight - layout::kStatusBarHeight, layout::kClientWidth,
                             layout::kStatusBarHeight);
    w.statusPanels[0] = makeStatusPanel(w.StatusBar, 0, 150);
    w.statusPanels[0]->setObjectName(QStringLiteral("StatusPanel0"));
    w.statusPanels[1] = makeStatusPanel(w.StatusBar, 150, 500);
    w.statusPanels[1]->setObjectName(QStringLiteral("StatusPanel1"));
    QLabel* lampPanel = makeStatusPanel(w.StatusBar, 650, layout::kClientWidth - 650);
    lampPanel->setObjectName(QStringLiteral("StatusPanel2"));

    auto* lamps = new QWidget(w.StatusBar);
    lamps->setObjectName(QStringLiteral("StatusLamps"));
    lamps->setGeometry(657, 0, 54, layout::kStatusBarHeight);
    w.ApdStatusLight1 = new StatusLight(lamps);
    w.ApdStatusLight1->setObjectName(QStringLiteral("ApdStatusLight1"));
    w.ApdStatusLight1->move(12, 6);
    w.ApdStatusLight1->setToolTip(QStringLiteral("Receive"));
    w.ApdStatusLight2 = new StatusLight(lamps);
    w.ApdStatusLight2->setObjectName(QStringLiteral("ApdStatusLight2"));
    w.ApdStatusLight2->move(32, 6);
    w.ApdStatusLight2->setToolTip(QStringLiteral("Transmit"));
}

} // namespace

MainWidgets buildMainWidgets(QWidget* window)
{
    MainWidgets w;
    buildTopStrip(window, w);
    buildDisplayArea(window, w);
    buildButtonRow(window, w);
    buildStatisticsRow(window);
    buildStatusBar(window, w);
    return w;
}

} // namespace quorvel
