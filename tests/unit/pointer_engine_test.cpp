#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "pointer_core/key_state.h"
#include "pointer_core/pointer_engine.h"

namespace {

using lumo::Point;
using lumo::SharedState;
using lumo::sim::SimPlatform;

constexpr std::int32_t kUp = 38, kDown = 40, kLeft = 37, kRight = 39, kLeftClick = 96, kRightClick = 110;

class PointerEngine : public ::testing::Test {
protected:
    PointerEngine() {
        state.hotkeysEnabled = 1;
        state.stepPixels = 7;
        state.keyUp = kUp;
        state.keyDown = kDown;
        state.keyLeft = kLeft;
        state.keyRight = kRight;
        state.keyLeftClick = kLeftClick;
        state.keyRightClick = kRightClick;
        platform.movePointer(start);
    }
    void hold(std::initializer_list<std::int32_t> keys) {
        for (auto k : keys) platform.setKeyDown(k, true);
    }
    void tick() { lumo::runPointerEngineTick(platform, state); }

    SimPlatform platform;
    SharedState state;
    const Point start{500, 300};
};

TEST_F(PointerEngine, HotkeysOffProbesNothingAndDoesNothing) {
    hold({kUp, kLeftClick});
    for (std::int32_t off : {0, 2, -1}) {
        state.hotkeysEnabled = off;
        tick();
    }
    EXPECT_EQ(platform.callCount, 0);
    EXPECT_TRUE(platform.keyProbes.empty());
    EXPECT_TRUE(platform.clicks.empty());
    EXPECT_EQ(platform.cursorPos(), start);
}

TEST_F(PointerEngine, ProbesAllSixKeysInOrderEvenWhenNoneIsDown) {
    tick();
    EXPECT_EQ(platform.keyProbes, (std::vector<std::int32_t>{kUp, kDown, kLeft, kRight, kLeftClick, kRightClick}));
    EXPECT_EQ(platform.callCount, 7);  // one position read and six probes
    EXPECT_TRUE(platform.cursorMoves.empty());
}

TEST_F(PointerEngine, MovesStartFromThePositionReadAtTheStartOfTheTick) {
    hold({kUp, kLeft});
    tick();
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{500, 293}, {493, 300}}));
    EXPECT_EQ(platform.cursorPos(), (Point{493, 300}));  // no diagonal

    platform.setKeyDown(kLeft, false);
    platform.setKeyDown(kDown, true);
    platform.movePointer(start);
    platform.clearLogs();
    tick();
    EXPECT_EQ(platform.cursorPos(), (Point{500, 307}));  // up then down: the last one wins
}

TEST_F(PointerEngine, AllSixHeldMakeThirteenCallsAndClickWhereTheMovesEnded) {
    hold({kUp, kDown, kLeft, kRight, kLeftClick, kRightClick});
    tick();
    EXPECT_EQ(platform.callCount, 13);
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{500, 293}, {500, 307}, {493, 300}, {507, 300}}));
    ASSERT_EQ(platform.clicks.size(), 2u);
    EXPECT_EQ(platform.clicks[0].flags, 6u);
    EXPECT_EQ(platform.clicks[1].flags, 24u);
    EXPECT_EQ(platform.clicks[0].at, (Point{507, 300}));
    EXPECT_EQ(platform.clicks[1].at, (Point{507, 300}));
}

TEST_F(PointerEngine, AHeldClickKeyClicksOnEveryTick) {
    hold({kLeftClick});
    for (int i = 0; i < 10; ++i) tick();
    ASSERT_EQ(platform.clicks.size(), 10u);
    for (const auto& c : platform.clicks) EXPECT_EQ(c.flags, 6u);
}

TEST_F(PointerEngine, OneKeyBoundToTwoSlotsDoesBothInStepOrder) {
    state.keyRightClick = kLeftClick;
    hold({kLeftClick});
    tick();
    ASSERT_EQ(platform.clicks.size(), 2u);
    EXPECT_EQ(platform.clicks[0].flags, 6u);
    EXPECT_EQ(platform.clicks[1].flags, 24u);
}

TEST_F(PointerEngine, AMouseButtonCanDriveADirection) {
    state.keyRight = 1;  // left mouse button
    hold({1});
    tick();
    EXPECT_EQ(platform.cursorPos(), (Point{507, 300}));
}

TEST_F(PointerEngine, UnboundKeysAndAZeroStep) {
    // Fresh state: keys 0, step 0. Code 0 is no key: probed, never down.
    state = SharedState{};
    state.hotkeysEnabled = 1;
    hold({kUp, kLeftClick});
    tick();
    EXPECT_EQ(platform.keyProbes, std::vector<std::int32_t>(6, 0));
    EXPECT_TRUE(platform.cursorMoves.empty());
    EXPECT_TRUE(platform.clicks.empty());

    state.keyUp = kUp;
    state.keyLeftClick = kLeftClick;
    tick();
    EXPECT_EQ(platform.cursorPos(), start);  // step 0 moves nothing...
    EXPECT_EQ(platform.clicks.size(), 1u);   // ...but clicks still click
}

TEST_F(PointerEngine, SumsSaturateAtBothEndsOfTheRange) {
    constexpr std::int32_t kMax = INT_MAX, kMin = INT_MIN;
    const struct {
        Point pointer;
        std::int32_t step;
        std::vector<Point> moves;  // up, down, left, right
    } cases[] = {
        {{10, 10}, kMax, {{10, 10 - kMax}, {10, kMax}, {10 - kMax, 10}, {kMax, 10}}},
        {{-10, -10}, kMax, {{-10, kMin}, {-10, kMax - 10}, {kMin, -10}, {kMax - 10, -10}}},
        {{0, -1}, kMin, {{0, kMax}, {0, kMin}, {kMax, -1}, {kMin, -1}}},
        {{kMin, kMax}, 1, {{kMin, kMax - 1}, {kMin, kMax}, {kMin, kMax}, {kMin + 1, kMax}}},
        {{5, 5}, -3, {{5, 8}, {5, 2}, {8, 5}, {2, 5}}},
    };
    for (const auto& c : cases) {
        SimPlatform fresh;
        fresh.movePointer(c.pointer);
        fresh.setKeyDown(kUp, true);
        fresh.setKeyDown(kDown, true);
        fresh.setKeyDown(kLeft, true);
        fresh.setKeyDown(kRight, true);
        state.stepPixels = c.step;
        lumo::runPointerEngineTick(fresh, state);
        EXPECT_EQ(fresh.cursorMoves, c.moves) << "step " << c.step;
    }
}

// A platform whose key state word is set by the test.
class KeyStateWord : public SimPlatform {
public:
    std::int16_t asyncKeyState(std::int32_t virtualKey) override {
        SimPlatform::asyncKeyState(virtualKey);
        return word;
    }
    std::int16_t word = 0;
};

TEST(IsKeyDown, OnlyTheHighBitMeansDown) {
    KeyStateWord platform;
    const struct {
        std::uint16_t word;
        bool down;
    } cases[] = {{0x8000, true}, {0x8001, true}, {0xFFFF, true}, {0x0001, false}, {0x7FFF, false}, {0, false}};
    for (const auto& c : cases) {
        platform.word = static_cast<std::int16_t>(c.word);
        EXPECT_EQ(lumo::isKeyDown(platform, 65), c.down) << std::hex << c.word;
    }
}

TEST(IsKeyDown, OddCodesArePassedToThePlatformAsTheyAre) {
    SimPlatform platform;
    for (std::int32_t code : {-1, 0, 256, 4096, INT_MIN, INT_MAX}) EXPECT_FALSE(lumo::isKeyDown(platform, code));
    EXPECT_EQ(platform.keyProbes, (std::vector<std::int32_t>{-1, 0, 256, 4096, INT_MIN, INT_MAX}));
}

}  // namespace
