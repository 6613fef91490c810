// The listing of a scripted neighbourhood of 1,000 computers in 10
// workgroups through the recording fake: the whole listing, both passes and
// every ping worker, and the cost per added entry.
#include <benchmark/benchmark.h>

#include "app/app_context.h"
#include "lan/list_passes.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_system.h"
#include "resources/main_window_layout.h"

namespace volmere {
namespace {

constexpr int kWorkgroups = 10;
constexpr int kComputersPerWorkgroup = 100;

void ScriptNeighbourhood(FakeNetwork& network) {
  for (int g = 0; g < kWorkgroups; ++g) {
    std::vector<Text> names;
    for (int c = 0; c < kComputersPerWorkgroup; ++c) {
      const Text name = "WG" + ToDecimalText(g) + "-PC" + ToDecimalText(c);
      names.push_back(name);
      network.SetAddress(name, "127.0." + ToDecimalText(g) + "." + ToDecimalText(c + 1));
      // Every other computer answers, so half the pings mark their entry.
      if (c % 2 == 0) network.SetPingAnswer(name, 1);
    }
    network.AddWorkgroup("WG" + ToDecimalText(g), std::move(names));
  }
}

void ListNeighbourhood(benchmark::State& state, bool addressView) {
  FakeNetwork network;
  ScriptNeighbourhood(network);
  int entries = 0;
  for (auto _ : state) {
    state.PauseTiming();
    FakeSystem fake;
    if (addressView) fake.SetRegNumber(RegRoot::CurrentUser, "SOFTWARE\\Volmere\\ckfs", 1);
    WindowEvents bare;
    AppContext ctx(fake, network);
    ctx.mainWindow = fake.LoadWindow(kMainWindowLayout, bare, false);
    ctx.session.computerName.Set("WG0-PC0");
    ctx.session.workgroup.Set("WG0");
    state.ResumeTiming();

    OwnWorkgroupPass(ctx);
    fake.WaitForWorkers();

    state.PauseTiming();
    entries = fake.ListCount(ctx.mainWindow, "computerList");
    if (entries != kWorkgroups * kComputersPerWorkgroup) state.SkipWithError("entries missing");
    state.ResumeTiming();
  }
  state.counters["entries"] = entries;
  state.counters["per_entry"] = benchmark::Counter(
      static_cast<double>(entries),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ListingByName(benchmark::State& state) { ListNeighbourhood(state, false); }
void BM_ListingByAddress(benchmark::State& state) { ListNeighbourhood(state, true); }

BENCHMARK(BM_ListingByName)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListingByAddress)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace volmere

BENCHMARK_MAIN();
