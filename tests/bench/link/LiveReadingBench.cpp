// One live reading end to end in the core, with the group already full:
// bytes -> packet collector -> DecodeFrame -> dispatch -> AddLiveReading -> CalcStats.

#include "FakeComPort.h"
#include "FakeLinkView.h"
#include "FakeMessages.h"
#include "link/LinkMachine.h"
#include "platform/PacketCollector.h"
#include <benchmark/benchmark.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

class StatsView : public FakeLinkView {
public:
    void liveReading(const TFrameRec& frame) override
    {
        AddLiveReading(*group, frame);
        benchmark::DoNotOptimize(CalcStats(*group));
    }
};

void BM_LiveReadingAtFullGroup(benchmark::State& state)
{
    TLinkRec link;
    TFileSlots files;
    FakeComPort port;
    StatsView view;
    FakeMessages messages;
    LinkMachine machine(link, files, port, view, messages);
    PacketCollector collector;

    view.group->Count = TDataRec::kMaxCount;
    for (int i = 1; i <= TDataRec::kMaxCount; ++i)
        view.group->Data[i] = float(i % 1000) / 10.0f;
    port.opened = true;
    link.PortOpen = true;
    link.Connected = true;
    link.Task = tkMeasure;

    const std::string wire = ":0b00Dd20425\r\n";
    int64_t now = 0;
    for (auto _ : state) {
        for (const std::string& text : collector.feed(wire.data(), wire.size(), ++now))
            port.deliver(text);
    }
    state.SetLabel("group of 65530");
}
BENCHMARK(BM_LiveReadingAtFullGroup)->Unit(benchmark::kMicrosecond);

} // namespace
