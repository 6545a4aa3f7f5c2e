// The engine runs on every platform timer period while a direction key is held
// (and for the whole session where it polls), and on every key change, so it
// must not allocate. The test program counts its allocations
// (bench/allocation_counter.cpp).
#include <gtest/gtest.h>

#include <new>

#include "bench/allocation_counter.h"
#include "platform/sim/sim_platform.h"
#include "pointer_core/pointer_engine.h"

// The engine host of the benchmarks: reports on or polling.
#include "bench/bound_state.h"

namespace {

using lumo::SharedState;
using lumo::bench::allocationCount;
using lumo::sim::SimPlatform;

constexpr int kTicks = 200;

constexpr lumo::KeyCode kKeys[] = {lumo::Key::Up,    lumo::Key::Down,       lumo::Key::Left,
                                   lumo::Key::Right, lumo::Key::NumpadZero, lumo::Key::NumpadDecimal};

// Allocations made while `kTicks` times all six keys go down, the engine
// ticks and the keys go up again; the simulated platform's logs are reserved
// beforehand so that only the engine can count.
std::size_t allocationsDuringTicks(SimPlatform& platform, lumo::PointerEngine& engine) {
    platform.keyProbes.reserve(12 * kTicks);
    platform.cursorMoves.reserve(8 * kTicks);
    platform.buttonCalls.reserve(4 * kTicks);
    const std::size_t before = allocationCount();
    for (int i = 0; i < kTicks; ++i) {
        for (lumo::KeyCode key : kKeys) platform.setKeyDown(key, true);
        engine.tick();
        for (lumo::KeyCode key : kKeys) platform.setKeyDown(key, false);
        engine.tick();
    }
    return allocationCount() - before;
}

TEST(EngineAllocation, TheCounterSeesAllocations) {
    const std::size_t before = allocationCount();
    void* volatile block = ::operator new(16);
    ::operator delete(block);
    EXPECT_EQ(allocationCount() - before, 1u);
}

TEST(EngineAllocation, NoKeyChangeOrTickAllocates) {
    const SharedState state = lumo::bench::boundState();
    for (bool polled : {false, true}) {
        SimPlatform platform;
        lumo::bench::BenchEngine host(platform, state, polled);
        EXPECT_EQ(allocationsDuringTicks(platform, host.engine), 0u) << (polled ? "polled" : "reported");
        EXPECT_EQ(platform.buttonCalls.size(), 4u * kTicks);  // the engine really acted
    }
}

}  // namespace
