#pragma once
// The reading column, the bar chart and the statistics row of the main
// window, filled from the current group and coloured by the limits.

#include "measure/DataRec.h"
#include "measure/Limits.h"
#include <QColor>
#include <QObject>
#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace quorvel {

class ArrowButton;
class BarChart;
class BevelFrame;
class NumericDisplay;
class SevenSegmentDisplay;

class WorkspaceDisplay : public QObject {
    Q_OBJECT
public:
    static inline const QColor kLime{0x00, 0xFF, 0x00};
    static inline const QColor kRed{0xFF, 0x00, 0x00};

    // Builds Chart1 inside chartPanel, the column inside dataPanel and the
    // five statistics displays inside statsParent, in their places.
    WorkspaceDisplay(TDataRec& curData, const TLimits& limits, QWidget* chartPanel,
                     QWidget* dataPanel, QWidget* statsParent, QObject* parent = nullptr);

    void ClearDisplay();
    void ShowAll();
    void ShowLatest();
    void ShowColumn(uint16_t n);
    void ColourBar(int i);
    void ScrollDown();
    void ScrollUp();
    // The LIMIT command's redraw once its dialog has closed.
    void recolourAfterLimit();

    void ArrowUpClick() { ScrollUp(); }
    void ArrowDownClick() { ScrollDown(); }
    void ArrowUpMouseDown();
    void ArrowUpMouseUp();
    void ArrowDownMouseDown();
    void ArrowDownMouseUp();

    BarChart* chart() const { return m_chart; }
    // Slot 1 is seg1 at the bottom, slot 10 is seg10 at the top.
    SevenSegmentDisplay* slot(int index) const { return m_slots[size_t(index)]; }

private:
    void buildColumn(QWidget* dataPanel);
    void buildStatistics(QWidget* statsParent);
    void showStatistics();
    void colourNewBar(int pointIndex);
    QColor barColour(float reading) const;

    TDataRec& m_data;
    const TLimits& m_limits;
    BarChart* m_chart = nullptr;
    std::array<SevenSegmentDisplay*, 11> m_slots{};   // SegSlots, indexed from 1
    BevelFrame* m_border = nullptr;
    QLabel* m_lblMax = nullptr;
    QLabel* m_lblMin = nullptr;
    ArrowButton* m_arrowUp = nullptr;
    ArrowButton* m_arrowDown = nullptr;
    NumericDisplay* m_average = nullptr;
    NumericDisplay* m_sdev = nullptr;
    NumericDisplay* m_max = nullptr;
    NumericDisplay* m_min = nullptr;
    NumericDisplay* m_counter = nullptr;
};

} // namespace quorvel
