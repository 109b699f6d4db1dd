#include "measure/ui/WorkspaceDisplay.h"

#include "measure/ui/BarChart.h"
#include "platform/displays/ArrowButton.h"
#include "platform/displays/BevelFrame.h"
#include "platform/displays/NumericDisplay.h"
#include "platform/displays/SevenSegmentDisplay.h"
#include <QLabel>
#include <QVBoxLayout>

namespace quorvel {

namespace {

const QString kMicrometres = QStringLiteral(u" \u03BCm");
constexpr double kFirstWindowMin = 0.5;
constexpr double kFirstWindowMax = 10.5;
constexpr int kChartBorder = 7;

QLabel* makeIndexLabel(QWidget* parent, const char* name, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, y, 38, 21);
    label->setAlignment(Qt::AlignCenter);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, WorkspaceDisplay::kLime);
    label->setPalette(pal);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

NumericDisplay* makeStatDisplay(QWidget* parent, const char* name, int x, int width,
                                int decimals, const QString& units)
{
    auto* display = new NumericDisplay(parent);
    display->setObjectName(QLatin1String(name));
    display->setGeometry(x, 462, width, 24);
    display->setDecimals(decimals);
    display->setUnits(units);
    return display;
}

} // namespace

WorkspaceDisplay::WorkspaceDisplay(TDataRec& curData, const TLimits& limits, QWidget* chartPanel,
                                   QWidget* dataPanel, QWidget* statsParent, QObject* parent)
    : QObject(parent), m_data(curData), m_limits(limits)
{
    m_chart = new BarChart(chartPanel);
    m_chart->setObjectName(QStringLiteral("Chart1"));
    m_chart->setTitle(QStringLiteral("Quorvel"));
    m_chart->setWindow(kFirstWindowMin, kFirstWindowMax);
    QLayout* layout = chartPanel->layout();
    if (!layout) {
        layout = new QVBoxLayout(chartPanel);
        layout->setContentsMargins(kChartBorder, kChartBorder, kChartBorder, kChartBorder);
    }
    layout->addWidget(m_chart);

    buildColumn(dataPanel);
    buildStatistics(statsParent);
}

void WorkspaceDisplay::buildColumn(QWidget* dataPanel)
{
    // The frame first, so the slots lie above it.
    m_border = new BevelFrame(dataPanel);
    m_border->setObjectName(QStringLiteral("VrBorder2"));
    m_border->setGeometry(20, 20, 141, 405);
    for (int i = 1; i <= 10; ++i) {
        auto* seg = new SevenSegmentDisplay(dataPanel);
        seg->setObjectName(QStringLiteral("seg%1").arg(i));
        const int y = i == 1 ? 384 : 23 + (10 - i) * 40;
        seg->setGeometry(23, y, 130, 40);
        m_slots[size_t(i)] = seg;
    }
    m_lblMax = makeIndexLabel(dataPanel, "lblMax", 167, 23);
    m_lblMin = makeIndexLabel(dataPanel, "lblMin", 167, 398);

    m_arrowUp = new ArrowButton(ArrowButton::Direction::Up, dataPanel);
    m_arrowUp->setObjectName(QStringLiteral("ArrowUp"));
    m_arrowUp->setGeometry(170, 44, 30, 30);
    m_arrowDown = new ArrowButton(ArrowButton::Direction::Down, dataPanel);
    m_arrowDown->setObjectName(QStringLiteral("ArrowDown"));
    m_arrowDown->setGeometry(170, 368, 30, 30);
    connect(m_arrowUp, &ArrowButton::clicked, this, &WorkspaceDisplay::ArrowUpClick);
    connect(m_arrowUp, &ArrowButton::mousePressed, this, &WorkspaceDisplay::ArrowUpMouseDown);
    connect(m_arrowUp, &ArrowButton::mouseReleased, this, &WorkspaceDisplay::ArrowUpMouseUp);
    connect(m_arrowDown, &ArrowButton::clicked, this, &WorkspaceDisplay::ArrowDownClick);
    connect(m_arrowDown, &ArrowButton::mousePressed, this, &WorkspaceDisplay::ArrowDownMouseDown);
    connect(m_arrowDown, &ArrowButton::mouseReleased, this, &WorkspaceDisplay::ArrowDownMouseUp);
}

void WorkspaceDisplay::buildStatistics(QWidget* statsParent)
{
    m_average = makeStatDisplay(statsParent, "ledAverage", 65, 110, 1, kMicrometres);
    m_sdev = makeStatDisplay(statsParent, "ledSDEV", 244, 84, 1, kMicrometres);
    m_max = makeStatDisplay(statsParent, "ledMax", 392, 92, 1, kMicrometres);
    m_min = makeStatDisplay(statsParent, "ledMin", 540, 120, 1, kMicrometres);
    m_counter = makeStatDisplay(statsParent, "ledCounter", 730, 46, 0, QString());
}

void WorkspaceDisplay::ClearDisplay()
{
    m_chart->clear();
    m_chart->setWindow(kFirstWindowMin, kFirstWindowMax);
    for (int i = 1; i <= 10; ++i)
        m_slots[size_t(i)]->setValue(0.0);   // the segment colour stays as it is
    m_lblMax->clear();
    m_lblMin->clear();
    for (NumericDisplay* d : {m_average, m_sdev, m_max, m_min, m_counter})
        d->setValue(0.0);
}

void WorkspaceDisplay::ShowAll()
{
    const int count = m_data.Count;
    if (count == 0)
        return;
    m_chart->clear();
    m_chart->setWindow(kFirstWindowMin, kFirstWindowMax);
    for (int i = 1; i <= count; ++i) {
        m_chart->addBar(i, m_data.Data[size_t(i)]);
        ColourBar(i);
    }
    m_data.Top = uint16_t(std::min(count, 10));
    ShowColumn(m_data.Top);
    showStatistics();
}

void WorkspaceDisplay::ShowLatest()
{
    const int count = m_data.Count;
    if (count == 0)
        return;
    // A live reading that starts a new group (after a save the old group's
    // bars are still up) must not stand beside them: start the chart afresh.
    if (count == 1) {
        m_chart->clear();
        m_chart->setWindow(kFirstWindowMin, kFirstWindowMax);
    }
    colourNewBar(m_chart->addBar(count, m_data.Data[size_t(count)]));

    // The window ends at the newest bar. With a full group the bar goes on
    // being added at 65530, so the window is put there rather than shifted
    // past the last reading.
    const double b = count + 0.5;
    if (m_chart->windowMax() < b || count > 10)
        m_chart->setWindow(b - 10.0, b);
    ShowColumn(uint16_t(count));
    showStatistics();
}

void WorkspaceDisplay::ShowColumn(uint16_t n)
{
    for (int j = 1; j <= 10; ++j) {
        SevenSegmentDisplay* seg = m_slots[size_t(j)];
        const int k = int(n) + j - 10;
        if (k <= 0 || k >= TDataRec::kPlaces) {
            seg->setValue(0.0);
            continue;
        }
        const float v = float(double(m_data.Data[size_t(k)]) + 0.005);
        seg->setValue(v);
        seg->setSegmentColor(m_limits.isMarked(v) ? kRed : kLime);
    }
    m_lblMax->setText(QString::number(n));
    if (n >= 10)
        m_lblMin->setText(QString::number(n - 9));
    else
        m_lblMin->clear();
}

void WorkspaceDisplay::ColourBar(int i)
{
    if (i < 1 || i >= TDataRec::kPlaces)
        return;
    m_chart->setBarColour(i - 1, barColour(m_data.Data[size_t(i)]));
}

QColor WorkspaceDisplay::barColour(float reading) const
{
    return m_limits.isMarked(reading) ? kRed : BarChart::kGreen;
}

// The bar just added shows the newest reading. Usually it is point Count - 1
// (ColourBar(Count)); with a full group it is the last of the bars at 65530.
void WorkspaceDisplay::colourNewBar(int pointIndex)
{
    m_chart->setBarColour(pointIndex, barColour(m_data.Data[m_data.Count]));
}

void WorkspaceDisplay::ScrollDown()
{
    if (m_data.Top <= 10)
        return;
    m_chart->shiftWindow(-1.0);
    --m_data.Top;
    ShowColumn(m_data.Top);
}

void WorkspaceDisplay::ScrollUp()
{
    if (m_data.Top >= m_data.Count)
        return;
    m_chart->shiftWindow(1.0);
    ++m_data.Top;
    ShowColumn(m_data.Top);
}

void WorkspaceDisplay::recolourAfterLimit()
{
    if (!m_limits.LimitOn || m_data.Count < 1)
        return;
    ShowColumn(m_data.Top);
    for (int i = 1; i <= m_data.Count; ++i)
        ColourBar(i);
    // Bars added at 65530 once the group was full: the one on top shows the
    // newest reading.
    if (m_chart->barCount() > m_data.Count)
        colourNewBar(m_chart->barCount() - 1);
}

void WorkspaceDisplay::showStatistics()
{
    const TStats s = CalcStats(m_data);
    m_average->setValue(s.Average);
    m_sdev->setValue(s.StdDev);
    m_max->setValue(s.Maximum);
    m_min->setValue(s.Minimum);
    m_counter->setValue(m_data.Count);
}

void WorkspaceDisplay::ArrowUpMouseDown() { m_arrowUp->setLit(true); }
void WorkspaceDisplay::ArrowUpMouseUp() { m_arrowUp->setLit(false); }
void WorkspaceDisplay::ArrowDownMouseDown() { m_arrowDown->setLit(true); }
void WorkspaceDisplay::ArrowDownMouseUp() { m_arrowDown->setLit(false); }

} // namespace quorvel
