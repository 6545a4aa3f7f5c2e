// The engine runs on every platform timer period while a direction key is held
// (and for the whole session where it polls), and on every key change, so it
// must not allocate. This file replaces the global allocation functions of the
// test program with counting ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "platform/sim/sim_platform.h"
#include "pointer_core/pointer_engine.h"

// The engine host of the benchmarks: reports on or polling.
#include "bench/bound_state.h"

namespace {
std::size_t allocationCount = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using lumo::SharedState;
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
    const std::size_t before = allocationCount;
    for (int i = 0; i < kTicks; ++i) {
        for (lumo::KeyCode key : kKeys) platform.setKeyDown(key, true);
        engine.tick();
        for (lumo::KeyCode key : kKeys) platform.setKeyDown(key, false);
        engine.tick();
    }
    return allocationCount - before;
}

TEST(EngineAllocation, TheCounterSeesAllocations) {
    const std::size_t before = allocationCount;
    void* volatile block = ::operator new(16);
    ::operator delete(block);
    EXPECT_EQ(allocationCount - before, 1u);
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
