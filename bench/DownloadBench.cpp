// A 255-byte download to the simulated brick answering after 1 ms, on the real clock. The
// protocol's floor is 64 blocks x (7 ms + 1 ms) + 200 ms + 1 ms = 713 ms.
#include "link/BrickLink.h"
#include "link/SimulatedBrick.h"

#include <benchmark/benchmark.h>

namespace {

void DownloadFullImage(benchmark::State& state)
{
    tarvel::SteadyClock clock;
    tarvel::SimulatedBrick brick(clock, {.replyLatencyMs = 1});
    tarvel::BrickLink link(brick, clock);
    std::vector<std::uint8_t> image(255, 0xA5);
    if (!link.IdentifyBrick())
        state.SkipWithError("no brick");
    for (auto _ : state) {
        int size = 255;
        link.SendProgramImage(size, image);
        link.FinishDownload();
    }
    state.counters["floor_ms"] = 713;
}
BENCHMARK(DownloadFullImage)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
