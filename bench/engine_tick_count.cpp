// Runs the keyboard pointer engine tick on the simulated platform, for one
// scenario, a given number of times, so that callgrind can count the
// instructions of the ticks alone:
//
//   engine_tick_count <up|one|all|reported|gate> <ticks>
//
// up, one and all poll the six keys on every tick (the engine's way where the
// platform reports no input: the dearest tick) with no key, the Up key or all
// six keys down; reported has all six down as reported keys. gate counts the
// input thread's decision on one keyboard event instead of a tick: keypad 0
// going down and up in turn, taken by the keyboard mouse, the key table read
// from its published word as the hook reads it.
//
// Only the ticks are collected (callgrind's instrumentation is switched on
// around the loop); the process's set-up and the simulated platform's log
// reservations are not. It prints "allocations <n>" (counted by the replaced
// global allocation functions of allocation_counter.cpp) and
// "platform_calls <n>", both for all the ticks.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/allocation_counter.h"
#include "bench/bound_state.h"
#include "platform/sim/sim_platform.h"
#include "pointer_core/pointer_engine.h"

namespace {

using lumo::SharedState;
using lumo::bench::allocationCount;
namespace Key = lumo::Key;
using lumo::sim::SimPlatform;

using lumo::bench::boundState;

int usage() {
    std::fprintf(stderr, "usage: engine_tick_count <up|one|all|reported|gate> <ticks 0..1000000>\n");
    return 2;
}

bool noOwnWindow() { return false; }

int countGateDecisions(long events) {
    lumo::KeyTable table;
    const lumo::KeyBindings keys = lumo::defaultKeyBindings();
    for (std::size_t i = 0; i < lumo::kActionCount; ++i) table.keys[i] = keys[lumo::kActions[i]];
    table.on = true;
    const std::uint64_t word = table.pack();
    lumo::KeyGate gate;
    std::size_t withheld = 0;
    const std::size_t allocationsBefore = allocationCount();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    for (long i = 0; i < events; ++i) {
        const lumo::KeyStroke stroke{Key::NumpadZero, 0x52, false, i % 2 == 0};
        withheld += gate.keyboard(stroke, lumo::KeyTable::unpack(word), noOwnWindow).withhold;
    }
    CALLGRIND_TOGGLE_COLLECT;
    std::printf("allocations %zu\n", allocationCount() - allocationsBefore);
    std::printf("platform_calls 0\n");
    return withheld == static_cast<std::size_t>(events) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    char* end = nullptr;
    const long ticks = std::strtol(argv[2], &end, 10);
    if (*argv[2] == '\0' || *end != '\0' || ticks < 0 || ticks > 1000000) return usage();

    if (std::strcmp(argv[1], "gate") == 0) return countGateDecisions(ticks);
    const bool reported = std::strcmp(argv[1], "reported") == 0;
    if (!reported && std::strcmp(argv[1], "one") != 0 && std::strcmp(argv[1], "all") != 0 &&
        std::strcmp(argv[1], "up") != 0) {
        return usage();
    }
    SimPlatform platform;
    const SharedState state = boundState();
    lumo::bench::BenchEngine bench(platform, state, !reported);
    if (std::strcmp(argv[1], "one") == 0) {
        platform.setKeyDown(Key::Up, true);
    } else if (std::strcmp(argv[1], "all") == 0 || reported) {
        for (lumo::KeyCode key : {Key::Up, Key::Down, Key::Left, Key::Right, Key::NumpadZero, Key::NumpadDecimal}) {
            platform.setKeyDown(key, true);
        }
    }
    // The simulated platform logs every call; room for all of them up front
    // keeps the logging of the ticks from reallocating (reported keys have
    // made their first step already).
    platform.clearLogs();
    const auto n = static_cast<std::size_t>(ticks);
    platform.keyProbes.reserve(6 * n);
    platform.cursorMoves.reserve(4 * n);
    platform.buttonCalls.reserve(2 * n);

    const int callsBefore = platform.callCount;
    const std::size_t allocationsBefore = allocationCount();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    // Ticks 10 ms apart on the virtual clock: past the repeat delay every
    // tick of a held key moves the pointer.
    for (long i = 0; i < ticks; ++i) {
        platform.setNow((i + 1) * 10);
        bench.engine.tick();
    }
    CALLGRIND_TOGGLE_COLLECT;
    const std::size_t allocations = allocationCount() - allocationsBefore;

    std::printf("allocations %zu\n", allocations);
    std::printf("platform_calls %d\n", platform.callCount - callsBefore);
    return 0;
}
