// Preparing the data report of a full group: 65530 readings, about 820
// pages, two passes.

#include "report/DataReport.h"
#include "report/ReportPainter.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

using namespace quorvel;

namespace {

QGuiApplication& app()
{
    static int argc = 1;
    static char name[] = "report_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication instance(argc, argv);
    return instance;
}

struct FullGroup {
    FullGroup()
    {
        data->Source = 2;
        data->Count = TDataRec::kMaxCount;
        for (int i = 1; i <= TDataRec::kMaxCount; ++i)
            data->Data[size_t(i)] = float((i * 37) % 65536) / 10.0f;
        report.setUp(*data, QStringLiteral("Quorvel  For Coating Thickness Gauge "),
                     QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    }
    std::unique_ptr<TDataRec> data = std::make_unique<TDataRec>();
    ReportVariables variables;
    DataReport report{variables};
};

void BM_PrepareFullGroup(benchmark::State& state)
{
    app();
    FullGroup group;
    int pages = 0;
    for (auto _ : state) {
        auto prepared = group.report.prepare();
        pages = prepared ? prepared->pageCount() : 0;
        benchmark::DoNotOptimize(prepared);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrepareFullGroup)->Unit(benchmark::kMillisecond);

// One page at preview size: what a scroll step costs.
void BM_PaintOnePage(benchmark::State& state)
{
    app();
    FullGroup group;
    const auto prepared = group.report.prepare();
    QImage image(800, 1130, QImage::Format_ARGB32_Premultiplied);
    ReportPainter painter;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        painter.paintPage(p, prepared->pages[400], 800 / 758.0);
    }
}
BENCHMARK(BM_PaintOnePage)->Unit(benchmark::kMillisecond);

} // namespace
