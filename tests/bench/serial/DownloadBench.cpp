// The stored-file download against a gauge paced like the real 2400 baud
// line, both ways: how close the link comes to the line's own minimum.

#include "GaugeSimProcess.h"
#include "LinkRig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_serial_download";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

void BM_DownloadSixFullFilesAt2400Baud(benchmark::State& state)
{
    ensureApplication();
    GaugeSimProcess sim;
    LinkRig rig;
    if (!sim.start({"--pace", "--files", "100,100,100,100,100,100"}) || !rig.connect(sim.device())) {
        state.SkipWithError("gauge-sim did not answer");
        return;
    }
    double measuredS = 0.0;
    double lineMinS = 0.0;
    double bytes = 0.0;
    for (auto _ : state) {
        const quint64 before = rig.port.bytesSent() + rig.port.bytesReceived();
        QElapsedTimer clock;
        clock.start();
        rig.machine.btnReadFileClick();
        const bool done = rig.waitIdle(120000);
        measuredS += double(clock.nsecsElapsed()) / 1e9;
        if (!done || rig.files[6].Count != 100) {
            state.SkipWithError("the download did not complete");
            return;
        }
        const double moved = double(rig.port.bytesSent() + rig.port.bytesReceived() - before);
        bytes += moved;
        lineMinS += moved * 10.0 / 2400.0;   // 10 bits a byte: start, 8 data, stop
    }
    const double n = double(state.iterations());
    state.counters["bytes"] = bytes / n;
    state.counters["line_min_s"] = lineMinS / n;
    state.counters["measured_s"] = measuredS / n;
    state.counters["ratio"] = measuredS / lineMinS;
}

BENCHMARK(BM_DownloadSixFullFilesAt2400Baud)->UseRealTime()->Iterations(2)->Unit(benchmark::kSecond);

} // namespace
