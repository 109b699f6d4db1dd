#pragma once
// The controls of the main window at their fixed client positions. The
// window wires them; this only puts them in place with their start looks.

#include "link/LinkView.h"

#include <QString>
#include <array>

class QLabel;
class QToolButton;
class QWidget;

namespace quorvel {

class BevelPanel;
class ClockDisplay;
class DotMatrixBanner;
class StatusLight;
class SwitchLedButton;

struct MainWidgets {
    ClockDisplay* AbClock2 = nullptr;
    DotMatrixBanner* VrMatrix1 = nullptr;
    QLabel* LMDLabel_gongsi = nullptr;
    QLabel* LMDLabel_mingcheng = nullptr;
    BevelPanel* LMDSimplePanel1 = nullptr;   // the chart goes in here
    BevelPanel* panData = nullptr;           // the reading column goes in here
    // By Button: btnSave, btnDb, btnPrint, btnLimit, btnClear, btnComm, btnWaitData, btnReadFile.
    std::array<SwitchLedButton*, 8> buttons{};
    QToolButton* btnFiles = nullptr;
    QWidget* StatusBar = nullptr;
    std::array<QLabel*, 2> statusPanels{};   // panel 0 and panel 1
    StatusLight* ApdStatusLight1 = nullptr;  // receive
    StatusLight* ApdStatusLight2 = nullptr;  // transmit

    SwitchLedButton* button(Button b) const { return buttons[size_t(b)]; }
};

namespace layout {
constexpr int kClientWidth = 800;
constexpr int kClientHeight = 514;
constexpr int kStatusBarHeight = 21;
} // namespace layout

// Builds every control as a child of window.
MainWidgets buildMainWidgets(QWidget* window);

} // namespace quorvel
