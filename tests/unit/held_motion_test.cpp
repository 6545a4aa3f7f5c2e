// A held direction key on the virtual clock: one step per keystroke, then the
// hold curve by the time held whatever the timer's pace, across every monitor.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "pointer_core/hold_curve.h"
#include "pointer_core/pointer_engine.h"

namespace {

using lumo::Action;
using lumo::KeyCode;
using lumo::Point;
using lumo::ScreenRect;
using lumo::sim::SimPlatform;
namespace Key = lumo::Key;

class HeldMotion : public ::testing::Test, private lumo::InputListener {
protected:
    HeldMotion() : engine(platform, settings) {
        settings.hotkeysEnabled = true;
        settings.keys = lumo::defaultKeyBindings();
        engine.start(*this);
    }
    void setNow(double ms) { platform.setNow(std::llround(ms)); }
    // Ticks every `periodMs` until `untilMs` on the clock, the period at
    // `stallAtMs` coming `stallMs` late.
    void tickUntil(double untilMs, double periodMs, double stallAtMs = -1, double stallMs = 0) {
        for (double t = clock + periodMs; t <= untilMs; t += periodMs) {
            if (stallAtMs >= 0 && clock < stallAtMs && t >= stallAtMs) t += stallMs;
            if (t > untilMs) break;
            clock = t;
            setNow(t);
            engine.tick();
        }
        clock = untilMs;
        setNow(untilMs);
    }
    // The distance along x that Right held `heldMs` moves the pointer.
    int pressRight(double heldMs, double periodMs, double stallAtMs = -1, double stallMs = 0) {
        const Point from = platform.cursorPos();
        platform.setKeyDown(Key::Right, true);
        tickUntil(clock + heldMs, periodMs, stallAtMs < 0 ? -1 : clock + stallAtMs, stallMs);
        platform.setKeyDown(Key::Right, false);
        return platform.cursorPos().x - from.x;
    }

    lumo::Settings settings;
    SimPlatform platform;
    lumo::PointerEngine engine;
    double clock = 0;

private:
    void keyChanged(KeyCode key, bool down) override { engine.keyChanged(key, down); }
    void pointerMoved() override {}
    void switchPressed() override {}
    void secondCopyStarted() override {}
    void sightChanged(bool) override {}
};

TEST(HoldCurve, AnchorValues) {
    EXPECT_EQ(lumo::heldDistance(3, 150, 1280), 3);                // a keystroke: one step
    EXPECT_NEAR(lumo::heldDistance(3, 1000, 1280), 688.3, 0.1);    // top speed reached
    EXPECT_NEAR(lumo::heldDistance(20, 1000, 1280), 1069.6, 0.1);  // a large step: its start speed throughout
    EXPECT_EQ(lumo::heldDistance(0, 5000, 1280), 0);
}

TEST_F(HeldMotion, AKeystrokeOfUpTo150MsIsExactlyOneStep) {
    settings.stepPixels = 7;
    platform.movePointer({100, 300});
    for (double held : {30.0, 80.0, 150.0}) {
        for (double period : {1.0, 10.0, 15.6}) EXPECT_EQ(pressRight(held, period), 7) << held << " ms, " << period;
    }
}

TEST_F(HeldMotion, TheKeyUpStandsOnTheCurveWhateverThePeriodAndAStallCountsFiftyMs) {
    settings.stepPixels = 3;
    for (double held : {250.0, 600.0, 1100.0}) {
        const double expected = lumo::heldDistance(3, static_cast<std::int64_t>(held), 1280);
        for (double period : {1.0, 10.0, 15.6}) {
            platform.movePointer({0, 300});
            EXPECT_NEAR(pressRight(held, period), expected, 2) << held << " ms, " << period;
        }
    }
    // Halfway, a period comes 200 ms late: of its 210 ms, 50 count.
    for (double held : {600.0, 1100.0}) {
        platform.movePointer({0, 300});
        const double stalled = lumo::heldDistance(3, static_cast<std::int64_t>(held) - 160, 1280);
        EXPECT_NEAR(pressRight(held, 10, held / 2, 200), stalled, 2) << held << " ms with a stall";
    }
}

TEST_F(HeldMotion, EveryMonitorIsCrossedWithinOneAndAHalfSeconds) {
    const ScreenRect monitors[] = {{0, 0, 1366, 768}, {0, 0, 1920, 1080}, {0, 0, 3840, 2160}, {0, 0, 1080, 1920}};
    for (const ScreenRect& monitor : monitors) {
        platform.setMonitors({monitor});
        for (int step : {1, 3, 20}) {
            settings.stepPixels = step;
            for (bool down : {false, true}) {
                const KeyCode key = down ? Key::Down : Key::Right;
                platform.movePointer({0, 0});
                const double start = clock;
                platform.setKeyDown(key, true);
                while ((down ? platform.cursorPos().y : platform.cursorPos().x) <
                           (down ? monitor.bottom : monitor.right) - 1 &&
                       clock - start < 3000) {
                    tickUntil(clock + 15.6, 15.6);
                }
                platform.setKeyDown(key, false);
                EXPECT_LE(clock - start, 1500)
                    << monitor.width() << "x" << monitor.height() << " step " << step << (down ? " down" : " right");
            }
        }
    }
}

TEST_F(HeldMotion, TheSpeedChosenAtTheKeyDownStaysOnTheNextMonitor) {
    platform.setMonitors({{0, 0, 1366, 768}, {1366, 0, 1366 + 3840, 2160}});
    settings.stepPixels = 3;
    platform.movePointer({0, 300});
    EXPECT_NEAR(pressRight(1450, 10), lumo::heldDistance(3, 1450, 1366), 2);
    EXPECT_GT(platform.cursorPos().x, 1366);
}

TEST_F(HeldMotion, UpAndRightMoveDiagonallyOnceATickEachAxisOnItsCurve) {
    settings.stepPixels = 3;
    platform.movePointer({100, 700});
    platform.setKeyDown(Key::Up, true);
    platform.setKeyDown(Key::Right, true);
    EXPECT_EQ(platform.cursorPos(), (Point{103, 697}));  // both first steps, one right after the other
    platform.clearLogs();
    tickUntil(500, 10);
    EXPECT_LE(platform.cursorMoves.size(), 50u - 17u);  // none before the delay, then at most one a tick
    for (const Point& p : platform.cursorMoves) {
        EXPECT_TRUE(p.x != 103 && p.y != 697) << p.x << "," << p.y;  // never one axis alone
    }
    EXPECT_NEAR(platform.cursorPos().x - 100, lumo::heldDistance(3, 500, 1280), 2);
    EXPECT_NEAR(700 - platform.cursorPos().y, lumo::heldDistance(3, 500, 800), 2);
}

TEST_F(HeldMotion, OfTwoOppositeKeysTheLaterWinsOnOneHoldClock) {
    settings.stepPixels = 3;
    platform.movePointer({600, 300});
    platform.setKeyDown(Key::Right, true);
    tickUntil(400, 10);
    const int rightmost = platform.cursorPos().x;
    platform.setKeyDown(Key::Left, true);  // a step back at once, then left at the hold's speed
    EXPECT_EQ(platform.cursorPos().x, rightmost - 3);
    tickUntil(600, 10);
    const int leftmost = platform.cursorPos().x;
    EXPECT_NEAR(leftmost, rightmost - 3 - (lumo::heldDistance(3, 600, 1280) - lumo::heldDistance(3, 400, 1280)), 2);
    platform.setKeyDown(Key::Left, false);  // Right again, without a step of its own
    tickUntil(700, 10);
    EXPECT_NEAR(platform.cursorPos().x - leftmost, lumo::heldDistance(3, 700, 1280) - lumo::heldDistance(3, 600, 1280),
                2);
    platform.setKeyDown(Key::Right, false);
    // Let go of all: the next press starts the curve over.
    platform.movePointer({600, 300});
    EXPECT_EQ(pressRight(100, 10), 3);
}

}  // namespace
