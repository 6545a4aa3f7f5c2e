// Cost of one keyboard pointer engine tick where the engine polls the keys (it
// then ticks at the shortest timer period the platform grants, so a tick must
// stay cheap).
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "bench/bound_state.h"
#include "platform/sim/sim_platform.h"
#include "pointer_core/pointer_engine.h"

namespace {

using lumo::SharedState;
namespace Key = lumo::Key;
using lumo::sim::SimPlatform;

using lumo::bench::boundState;

// The simulated platform logs every call; clearing the logs now and then (with
// the clock stopped) keeps their memory bounded without reallocating.
void runTicks(benchmark::State& bench, std::initializer_list<lumo::KeyCode> heldKeys) {
    SimPlatform platform;
    const SharedState state = boundState();
    lumo::bench::BenchEngine engine(platform, state, /*polled=*/true);
    for (lumo::KeyCode key : heldKeys) platform.setKeyDown(key, true);
    std::size_t sinceClear = 0;
    for (auto _ : bench) {
        engine.engine.tick();
        if (++sinceClear == 4096) {
            bench.PauseTiming();
            platform.clearLogs();
            platform.movePointer({640, 400});
            sinceClear = 0;
            bench.ResumeTiming();
        }
    }
}

void allKeysUp(benchmark::State& bench) { runTicks(bench, {}); }
void oneDirectionKeyDown(benchmark::State& bench) { runTicks(bench, {Key::Up}); }
void allSixKeysDown(benchmark::State& bench) {
    runTicks(bench, {Key::Up, Key::Down, Key::Left, Key::Right, Key::NumpadZero, Key::NumpadDecimal});
}

BENCHMARK(allKeysUp);
BENCHMARK(oneDirectionKeyDown);
BENCHMARK(allSixKeysDown);

}  // namespace

BENCHMARK_MAIN();
