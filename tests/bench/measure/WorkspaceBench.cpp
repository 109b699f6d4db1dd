// The workspace display with a full group of 65530 readings, on shown
// (offscreen) widgets: ShowAll, one ShowLatest, one arrow step, one paint.

#include "measure/ui/BarChart.h"
#include "measure/ui/WorkspaceDisplay.h"
#include <QApplication>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

using namespace quorvel;

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "workspace_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication instance(argc, argv);
    return instance;
}

struct Workspace {
    Workspace()
    {
        window.resize(800, 514);
        auto* chartPanel = new QWidget(&window);
        chartPanel->setGeometry(10, 64, 543, 329);
        auto* dataPanel = new QWidget(&window);
        dataPanel->setGeometry(568, 10, 225, 447);
        limits = {true, 60.0f, 20.0f};
        display = std::make_unique<WorkspaceDisplay>(*data, limits, chartPanel, dataPanel, &window);
        for (int i = 1; i <= TDataRec::kMaxCount; ++i)
            data->Data[size_t(i)] = float((i * 37) % 800) / 10.0f;
        data->Count = TDataRec::kMaxCount;
        window.show();
        QApplication::processEvents();
    }
    QApplication& application = app();   // before any widget
    std::unique_ptr<TDataRec> data = std::make_unique<TDataRec>();
    TLimits limits;
    QWidget window;
    std::unique_ptr<WorkspaceDisplay> display;
};

void BM_ShowAllFullGroup(benchmark::State& state)
{
    Workspace w;
    for (auto _ : state)
        w.display->ShowAll();
    QApplication::processEvents();   // the one repaint it asked for
    state.SetLabel("65530 readings");
}
BENCHMARK(BM_ShowAllFullGroup)->Unit(benchmark::kMillisecond);

void BM_ShowLatestAtFullGroup(benchmark::State& state)
{
    Workspace w;
    w.display->ShowAll();
    TFrameRec frame;
    frame.Cmd = 'D';
    frame.Payload = {0xd2, 0x04};
    frame.PayloadLen = 2;
    for (auto _ : state) {
        AddLiveReading(*w.data, frame);
        w.display->ShowLatest();
    }
    state.SetLabel("chart, column and statistics");
}
BENCHMARK(BM_ShowLatestAtFullGroup)->Unit(benchmark::kMicrosecond);

void BM_ArrowStepFullGroup(benchmark::State& state)
{
    Workspace w;
    w.display->ShowAll();
    bool up = true;
    for (auto _ : state) {
        if (up)
            w.display->ArrowUpClick();
        else
            w.display->ArrowDownClick();
        up = !up;
    }
}
BENCHMARK(BM_ArrowStepFullGroup)->Unit(benchmark::kMicrosecond);

void BM_PaintChartFullGroup(benchmark::State& state)
{
    Workspace w;
    w.display->ShowAll();
    BarChart& chart = *w.display->chart();
    chart.setWindow(32000.5, 32010.5);
    QImage image(chart.size(), QImage::Format_RGB32);
    for (auto _ : state)
        chart.render(&image);
    state.SetLabel("one frame of the chart");
}
BENCHMARK(BM_PaintChartFullGroup)->Unit(benchmark::kMicrosecond);

} // namespace
