// The engine runs on every platform timer period for the whole session, so it
// must not allocate. This file replaces the global allocation functions of the
// test program with counting ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "platform/sim/sim_platform.h"
#include "pointer_core/pointer_engine.h"

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

// Allocations made while running `kTicks` engine ticks; the simulated
// platform's logs are reserved beforehand so that only the engine can count.
std::size_t allocationsDuringTicks(SimPlatform& platform, const SharedState& state) {
    platform.keyProbes.reserve(6 * kTicks);
    platform.cursorMoves.reserve(4 * kTicks);
    platform.clicks.reserve(2 * kTicks);
    const std::size_t before = allocationCount;
    for (int i = 0; i < kTicks; ++i) lumo::runPointerEngineTick(platform, state);
    return allocationCount - before;
}

TEST(EngineAllocation, TheCounterSeesAllocations) {
    const std::size_t before = allocationCount;
    void* volatile block = ::operator new(16);
    ::operator delete(block);
    EXPECT_EQ(allocationCount - before, 1u);
}

TEST(EngineAllocation, NoTickAllocates) {
    SharedState state;
    state.hotkeysEnabled = 1;
    state.stepPixels = 2;
    bindDefaultKeys(state);

    SimPlatform keysUp;
    EXPECT_EQ(allocationsDuringTicks(keysUp, state), 0u);

    SimPlatform allDown;
    for (int key : {38, 40, 37, 39, 96, 110}) allDown.setKeyDown(key, true);
    EXPECT_EQ(allocationsDuringTicks(allDown, state), 0u);
    EXPECT_EQ(allDown.clicks.size(), 2u * kTicks);  // the ticks really acted
}

}  // namespace
