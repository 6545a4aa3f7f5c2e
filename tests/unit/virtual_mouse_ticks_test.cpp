#include <gtest/gtest.h>

#include <cmath>

#include "virtual_mouse_fixture.h"

namespace {

using namespace lumo;
using lumo::testing::VirtualMouseTest;

using UpkeepTick = VirtualMouseTest;
using FollowTick = VirtualMouseTest;

TEST_F(UpkeepTick, ReappliesTheZOrderEveryOneAndAHalfSecondsWithoutActivating) {
    showWindow();
    state.settings.stayOnTop = false;
    backend.advance(1500);
    state.settings.stayOnTop = true;
    backend.advance(3000);
    ASSERT_EQ(platform.topmostCalls.size(), 3u);
    EXPECT_FALSE(platform.topmostCalls[0].topmost);
    EXPECT_TRUE(platform.topmostCalls[1].topmost);
    for (const auto& call : platform.topmostCalls) {
        EXPECT_EQ(call.window, window.handle());
        EXPECT_FALSE(call.activate);
    }
}

TEST_F(UpkeepTick, ShowsAndFillsBothLabelsThenHidesThemKeepingTheirText) {
    platform.setScreenPixels(1600, 900, 12.0);
    state.settings.showCoordinates = true;
    state.settings.followMode = FollowMode::DragByHand;
    showWindow();
    backend.advance(1000);                                     // the first follow tick comes anyway
    window.move(1206, 1218, window.width(), window.height());  // 100.5, 101.5 px
    platform.movePointer({-5, 3});
    backend.advance(500);
    EXPECT_TRUE(window.pointerCoordinates->visible());
    EXPECT_TRUE(window.tipCoordinates->visible());
    EXPECT_EQ(window.tipCoordinates->text(), "100,102");
    EXPECT_EQ(window.pointerCoordinates->text(), "-5,3");
    EXPECT_EQ(window.pointerCoordinates->width(), 4 * 90);  // sized to its text

    state.settings.showCoordinates = false;
    backend.advance(1500);
    EXPECT_FALSE(window.pointerCoordinates->visible());
    EXPECT_FALSE(window.tipCoordinates->visible());
    EXPECT_EQ(window.tipCoordinates->text(), "100,102");
}

TEST_F(UpkeepTick, LabelsShowTheTipAndThePointerApartByTheFollowOffset) {
    state.settings.showCoordinates = true;
    showWindow();
    platform.movePointer({-5, 3});
    backend.advance(1500);  // follow at 1000, upkeep at 1500
    EXPECT_EQ(window.pointerCoordinates->text(), "-5,3");
    EXPECT_EQ(window.tipCoordinates->text(), "-4,4");  // -65 and 55 twips, rounded
}

TEST_F(UpkeepTick, RandomColourChannelsRoundHalfToEven) {
    state.settings.colorPointer = true;
    showWindow();
    platform.queueRandom({0.5 / 255, std::nextafter(0.5 / 255, 1.0), std::nextafter(0.5 / 255, 0.0)});
    backend.advance(1500);
    EXPECT_EQ(window.arrowheadTop->color(), 0x000100u);  // red 0, green 1, blue 0

    platform.queueRandom({254.5 / 255, std::nextafter(254.5 / 255, 1.0), std::nextafter(1.0, 0.0)});
    backend.advance(1500);
    for (auto* line : {window.arrowheadTop, window.arrowheadLeft, window.arrowheadDiagonal})
        EXPECT_EQ(line->color(), 0xFFFFFEu);

    state.settings.colorPointer = false;  // the last colour stays
    backend.advance(1500);
    EXPECT_EQ(window.arrowheadDiagonal->color(), 0xFFFFFEu);
}

TEST_F(UpkeepTick, HidesTheWindowWhichKeepsFollowing) {
    state.settings.hideVirtualMouse = true;
    state.settings.followMode = FollowMode::Fast;
    showWindow();
    backend.advance(1500);
    EXPECT_FALSE(window.visible());
    EXPECT_TRUE(window.loaded());
    platform.movePointer({200, 100});
    backend.advance(50);
    EXPECT_EQ(window.left(), 200 * 15 + 10);
    EXPECT_FALSE(window.visible());
}

TEST_F(UpkeepTick, FastFollowTicksEveryFiftyMillisecondsWhereNoPointerMovesAreReported) {
    platform.setInputReportsAvailable(false);
    state.settings.followMode = FollowMode::Fast;
    showWindow();
    recordFollowTicks();
    backend.advance(160);  // the pace in effect from the load on
    EXPECT_EQ(followTimes, (std::vector<std::int64_t>{50, 100, 150}));
    EXPECT_EQ(window.followTimer->interval(), 50);
}

// With pointer moves reported, fast (and slow) follow cost nothing while the
// pointer stands still and still put the tip where the clock-driven one does.
TEST_F(UpkeepTick, FastFollowSleepsWhileTheTipIsAtThePointerAndMovesWakeIt) {
    state.settings.followMode = FollowMode::Fast;
    showWindow();
    recordFollowTicks();
    backend.advance(1700);  // the tip reached the pointer at 50; asleep from 100
    EXPECT_EQ(followTimes, (std::vector<std::int64_t>{50, 100}));
    EXPECT_TRUE(platform.reportingPointerMoves());
    backend.advance(10000);
    EXPECT_EQ(followTimes.size(), 2u);

    platform.movePointer({300, 200});  // reported: the follow tick runs again
    backend.advance(150);
    EXPECT_EQ(followTimes.size(), 4u);  // one move, one tick that finds the tip there
    EXPECT_EQ(window.left(), 300 * 15 + 10);
    EXPECT_EQ(window.top(), 200 * 15 + 10);

    window.move(0, 0, window.width(), window.height());  // moved by hand, pointer still
    platform.reportPointerMoves(false);                  // a move the reports miss
    platform.movePointer({700, 500});
    backend.advance(1500);  // the next upkeep notices it
    EXPECT_EQ(window.left(), 700 * 15 + 10);

    state.settings.followMode = FollowMode::Slow;  // sleeps the same way
    const std::size_t ticks = followTimes.size();
    backend.advance(6000);
    EXPECT_LE(followTimes.size(), ticks + 1);
}

TEST_F(UpkeepTick, SlowFollowKeepsItsSecondAcrossUpkeepTicks) {
    platform.setInputReportsAvailable(false);
    state.settings.followMode = FollowMode::Slow;
    showWindow();
    recordFollowTicks();
    backend.advance(6000);
    EXPECT_EQ(followTimes, (std::vector<std::int64_t>{1000, 2000, 3000, 4000, 5000, 6000}));
}

TEST_F(UpkeepTick, ManualDragNeverFollowsNotEvenOnceAfterTheLoad) {
    platform.setInputReportsAvailable(false);
    state.settings.followMode = FollowMode::DragByHand;
    showWindow();
    recordFollowTicks();
    backend.advance(5000);
    EXPECT_TRUE(followTimes.empty());
    EXPECT_FALSE(window.followTimer->running());

    state.settings.followMode = FollowMode::Slow;  // back to slow follow at the next upkeep (6000)
    backend.advance(2000);
    EXPECT_EQ(followTimes, (std::vector<std::int64_t>{7000}));
}

TEST_F(FollowTick, PutsTheTipTenTwipsPastThePointerAndUpdatesTheHiddenLabel) {
    showWindow();
    platform.movePointer({100, 200});
    backend.advance(1000);
    EXPECT_EQ(window.left(), 1510);
    EXPECT_EQ(window.top(), 3010);
    EXPECT_EQ(window.pointerCoordinates->text(), "100,200");
    EXPECT_FALSE(window.pointerCoordinates->visible());
    EXPECT_EQ(window.tipCoordinates->text(), "00000");  // only the upkeep tick writes it
}

TEST_F(FollowTick, NegativePositionsLeftOfThePrimaryScreen) {
    showWindow();
    platform.movePointer({-1920, -5});
    backend.advance(1000);
    EXPECT_EQ(window.pointerCoordinates->text(), "-1920,-5");
    EXPECT_EQ(window.left(), -1920 * 15 + 10);
    EXPECT_EQ(window.top(), -5 * 15 + 10);
}

}  // namespace
