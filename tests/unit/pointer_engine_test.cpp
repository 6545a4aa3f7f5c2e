#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "platform/input_health.h"
#include "platform/sim/sim_platform.h"
#include "platform/system_codes.h"
#include "pointer_core/pointer_engine.h"

namespace {

using lumo::Point;
using lumo::Action;
using lumo::SharedState;
using lumo::sim::SimPlatform;

using lumo::MouseButton;
using lumo::KeyCode;
namespace Key = lumo::Key;
using ButtonCall = SimPlatform::ButtonCall;

constexpr KeyCode kUp = Key::Up, kDown = Key::Down, kLeft = Key::Left, kRight = Key::Right,
                  kLeftClick = Key::NumpadZero, kRightClick = Key::NumpadDecimal;

// The engine with its input reports wired as the virtual mouse window wires
// them; `polled` makes the platform refuse reports, so the engine polls.
class EngineHost : public lumo::InputListener {
public:
    EngineHost(SimPlatform& platform, const SharedState& state, bool polled) : engine(platform, state.settings) {
        platform.setInputReportsAvailable(!polled);
        engine.start(*this);
    }
    void keyChanged(KeyCode key, bool down) override { engine.keyChanged(key, down); }
    void pointerMoved() override {}
    void switchPressed() override {}
    void secondCopyStarted() override {}
    void sightChanged(bool seeing) override { seeing ? engine.regainedSight() : engine.lostSight(); }
    void keyReportsChanged(bool reported) override { engine.keysReported(reported); }
    lumo::PointerEngine engine;
};

class PointerEngine : public ::testing::Test {
protected:
    PointerEngine() {
        state.settings.hotkeysEnabled = true;
        state.settings.stepPixels = 7;
        state.settings.keys[Action::Up] = kUp;
        state.settings.keys[Action::Down] = kDown;
        state.settings.keys[Action::Left] = kLeft;
        state.settings.keys[Action::Right] = kRight;
        state.settings.keys[Action::LeftClick] = kLeftClick;
        state.settings.keys[Action::RightClick] = kRightClick;
        platform.movePointer(start);
    }
    // Starts the engine; the polling one learns of keys only by ticking.
    void startEngine(bool polled) {
        host = std::make_unique<EngineHost>(platform, state, polled);
        platform.clearLogs();
    }
    void hold(std::initializer_list<KeyCode> keys) {
        for (auto k : keys) platform.setKeyDown(k, true);
    }
    void lift(KeyCode key) { platform.setKeyDown(key, false); }
    void tick() { host->engine.tick(); }
    lumo::PointerEngine& engine() { return host->engine; }

    SimPlatform platform;
    SharedState state;
    std::unique_ptr<EngineHost> host;
    const Point start{500, 300};
};

// The tick itself, on the polling path (the one that probes the keys).
class PolledTick : public PointerEngine {
protected:
    void SetUp() override { startEngine(/*polled=*/true); }
};

TEST_F(PolledTick, HotkeysOffProbesNothingAndDoesNothing) {
    hold({kUp, kLeftClick});
    state.settings.hotkeysEnabled = false;
    EXPECT_FALSE(engine().wantsTicks());
    tick();
    EXPECT_EQ(platform.callCount, 0);
    EXPECT_TRUE(platform.buttonCalls.empty());
    EXPECT_EQ(platform.cursorPos(), start);
}

TEST_F(PolledTick, ProbesAllSixKeysInOrderAndReadsThePointerOnlyForAMove) {
    tick();
    EXPECT_EQ(platform.keyProbes, (std::vector<KeyCode>{kUp, kDown, kLeft, kRight, kLeftClick, kRightClick}));
    EXPECT_EQ(platform.callCount, 6);
    EXPECT_TRUE(platform.cursorMoves.empty());
    EXPECT_TRUE(engine().wantsTicks());  // polling never rests
}

TEST_F(PolledTick, TwoPerpendicularKeysMakeOneDiagonalMove) {
    hold({kUp, kLeft});
    tick();
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{493, 293}}));
}

TEST_F(PolledTick, AllSixHeldMakeFourteenCallsAndPressWhereTheMoveEnded) {
    hold({kUp, kDown, kLeft, kRight, kLeftClick, kRightClick});
    tick();
    // Probes, clock, pointer, monitor, one move, and the swap read at each press.
    EXPECT_EQ(platform.callCount, 14);
    // Seen down in one probe, in the order up, down, left, right: the later wins.
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{507, 307}}));
    EXPECT_EQ(platform.buttonCalls,
              (std::vector<ButtonCall>{{MouseButton::Left, true, {507, 307}}, {MouseButton::Right, true, {507, 307}}}));
}

TEST_F(PolledTick, UnboundKeysAndAZeroStep) {
    // Keys 0, step 0. Code 0 is no key: probed, never down.
    state.settings.keys = {};
    state.settings.stepPixels = 0;
    hold({kUp, kLeftClick});
    tick();
    EXPECT_EQ(platform.keyProbes, std::vector<KeyCode>(6, KeyCode()));
    EXPECT_TRUE(platform.cursorMoves.empty());
    EXPECT_TRUE(platform.buttonCalls.empty());

    state.settings.keys[Action::Up] = kUp;
    state.settings.keys[Action::LeftClick] = kLeftClick;
    tick();
    EXPECT_EQ(platform.cursorPos(), start);      // step 0 moves nothing...
    EXPECT_EQ(platform.buttonCalls.size(), 1u);  // ...but the click key still presses
}

TEST_F(PolledTick, SumsSaturateAtBothEndsOfTheRange) {
    constexpr std::int32_t kMax = INT_MAX, kMin = INT_MIN;
    const struct {
        Point pointer;
        std::int32_t step;
        std::vector<Point> moves;  // up and left, then down and right
    } cases[] = {
        {{10, 10}, kMax, {{10 - kMax, 10 - kMax}, {kMax, kMax}}},
        {{-10, -10}, kMax, {{kMin, kMin}, {kMax - 10, kMax - 10}}},
        {{kMin, kMax}, 1, {{kMin, kMax - 1}, {kMin + 1, kMax}}},
        {{0, -1}, kMin, {}},  // a step below 0 moves nothing
        {{5, 5}, -3, {}},
    };
    for (const auto& c : cases) {
        std::vector<Point> moves;
        for (auto keys : {std::pair{kUp, kLeft}, std::pair{kDown, kRight}}) {
            SimPlatform fresh;
            EngineHost polled(fresh, state, true);
            fresh.movePointer(c.pointer);
            fresh.setKeyDown(keys.first, true);
            fresh.setKeyDown(keys.second, true);
            state.settings.stepPixels = c.step;
            polled.engine.tick();
            moves.insert(moves.end(), fresh.cursorMoves.begin(), fresh.cursorMoves.end());
        }
        EXPECT_EQ(moves, c.moves) << "step " << c.step;
    }
}

// Key changes on both paths: reported (acted on at once) and polled (acted
// on by the next tick). `act` is what a test does between key changes.
class KeyEdges : public PointerEngine, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override { startEngine(polled()); }
    bool polled() const { return GetParam(); }
    // One timer period: a tick on the polled path and while the engine asks
    // for one; reported key changes have been acted on already.
    void period() {
        now += 10;
        platform.setNow(now);
        if (engine().wantsTicks()) tick();
    }
    std::int64_t now = 0;
    void key(KeyCode k, bool down) {
        platform.setKeyDown(k, down);
        period();
    }
};

TEST_P(KeyEdges, AClickKeyIsItsButtonDownWhileHeldAndUpOnRelease) {
    for (auto [k, button] : {std::pair{kLeftClick, MouseButton::Left}, std::pair{kRightClick, MouseButton::Right}}) {
        platform.clearLogs();
        key(k, true);
        for (int i = 0; i < 10; ++i) period();  // held: no repeated presses
        EXPECT_EQ(platform.buttonCalls, (std::vector<ButtonCall>{{button, true, start}}));
        key(k, false);
        period();
        EXPECT_EQ(platform.buttonCalls, (std::vector<ButtonCall>{{button, true, start}, {button, false, start}}));
    }
}

TEST_P(KeyEdges, HoldingAClickKeyWhileMovingDrags) {
    key(kLeftClick, true);
    key(kRight, true);
    for (int i = 0; i < 30; ++i) period();
    key(kRight, false);
    key(kLeftClick, false);
    ASSERT_EQ(platform.buttonCalls.size(), 2u);
    EXPECT_EQ(platform.buttonCalls[0], (ButtonCall{MouseButton::Left, true, start}));
    EXPECT_EQ(platform.buttonCalls[1], (ButtonCall{MouseButton::Left, false, platform.cursorPos()}));
    EXPECT_GT(platform.cursorPos().x, start.x + 7);  // moved on after the first step
    EXPECT_EQ(platform.cursorPos().y, start.y);
    EXPECT_GE(platform.cursorMoves.size(), 3u);
}

TEST_P(KeyEdges, OneKeyBoundToTwoSlotsPressesBothInSlotOrder) {
    state.settings.keys[Action::RightClick] = kLeftClick;
    key(kLeftClick, true);
    EXPECT_EQ(platform.buttonCalls,
              (std::vector<ButtonCall>{{MouseButton::Left, true, start}, {MouseButton::Right, true, start}}));
}

TEST_P(KeyEdges, ASlotBoundToItsOwnButtonDoesNothingAndCrossedButtonsDoNotFeedBack) {
    state.settings.keys[Action::LeftClick] = Key::LeftButton;  // presses the left button: nothing
    key(Key::LeftButton, true);
    key(Key::LeftButton, false);
    EXPECT_TRUE(platform.buttonCalls.empty());

    state.settings.keys[Action::LeftClick] = Key::RightButton;  // and the other way round
    state.settings.keys[Action::RightClick] = Key::LeftButton;
    key(Key::RightButton, true);
    for (int i = 0; i < 5; ++i) period();
    key(Key::RightButton, false);
    period();
    EXPECT_EQ(platform.buttonCalls,
              (std::vector<ButtonCall>{{MouseButton::Left, true, start}, {MouseButton::Left, false, start}}));
}

TEST_P(KeyEdges, AMouseButtonCanDriveADirection) {
    state.settings.keys[Action::Right] = Key::LeftButton;
    key(Key::LeftButton, true);
    ASSERT_FALSE(platform.cursorMoves.empty());
    EXPECT_EQ(platform.cursorMoves.front(), (Point{507, 300}));
}

TEST_P(KeyEdges, HotkeysOffReleasesAHeldButtonAndPressesNothing) {
    key(kLeftClick, true);
    state.settings.hotkeysEnabled = false;
    period();
    engine().releaseButtons();  // what the switch's handler adds
    EXPECT_EQ(platform.buttonCalls,
              (std::vector<ButtonCall>{{MouseButton::Left, true, start}, {MouseButton::Left, false, start}}));
    key(kLeftClick, false);
    key(kRightClick, true);
    EXPECT_EQ(platform.buttonCalls.size(), 2u);
    EXPECT_FALSE(engine().wantsTicks());
}

TEST_P(KeyEdges, ARebindReleasesTheButtonEvenWithItsKeyStillDown) {
    key(kLeftClick, true);
    state.settings.keys[Action::LeftClick] = KeyCode(65);
    key(kUp, true);  // any change: the engine sees the rebind
    EXPECT_EQ(platform.buttonCalls.back().down, false);
    key(KeyCode(65), true);
    EXPECT_EQ(platform.buttonCalls.back().down, true);
    EXPECT_EQ(platform.buttonCalls.size(), 3u);
}

TEST_P(KeyEdges, StopLetsGoOfTheButtonsAndTheReports) {
    key(kLeftClick, true);
    key(kRightClick, true);
    engine().stop();
    EXPECT_EQ(platform.buttonCalls.size(), 4u);
    EXPECT_EQ(platform.inputListener(), nullptr);
    EXPECT_FALSE(engine().wantsTicks());
    engine().releaseButtons();
    EXPECT_EQ(platform.buttonCalls.size(), 4u);
}

TEST_P(KeyEdges, ButtonsFollowTheSwapSettingAtEachPressAndReleaseWhatTheyPressed) {
    platform.setButtonsSwapped(true);
    key(kLeftClick, true);
    platform.setButtonsSwapped(false);
    key(kLeftClick, false);
    key(kRightClick, true);
    key(kRightClick, false);
    EXPECT_EQ(platform.buttonCalls, (std::vector<ButtonCall>{{MouseButton::Right, true, start},
                                                             {MouseButton::Right, false, start},
                                                             {MouseButton::Right, true, start},
                                                             {MouseButton::Right, false, start}}));
}

TEST_P(KeyEdges, LosingSightReleasesAndStopsAndSightAgainReleasesWhatTheSystemStillHolds) {
    for (const bool stillDown : {false, true}) {
        platform.clearLogs();
        key(kLeftClick, true);
        key(kUp, true);
        host->sightChanged(false);
        EXPECT_FALSE(engine().wantsTicks() && !polled());
        if (stillDown) platform.setKeyDown(Key::LeftButton, true);  // the release went nowhere
        host->sightChanged(true);
        platform.setKeyDown(Key::LeftButton, false);
        const std::size_t ups = stillDown ? 2 : 1;
        EXPECT_EQ(platform.buttonCalls.size(), 1 + ups) << stillDown;
        lift(kLeftClick);
        lift(kUp);
    }
}

INSTANTIATE_TEST_SUITE_P(ReportedAndPolled, KeyEdges, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Polled" : "Reported"; });

// Reported keys only: acting between ticks and resting while nothing moves.
class ReportedKeys : public PointerEngine {
protected:
    void SetUp() override { startEngine(/*polled=*/false); }
};

TEST_F(ReportedKeys, TheFallbackIsPollingWhenTheSystemReportsNothing) {
    EXPECT_TRUE(engine().reported());
    startEngine(/*polled=*/true);
    EXPECT_FALSE(engine().reported());
    EXPECT_TRUE(engine().wantsTicks());
}

TEST_F(ReportedKeys, TapsShorterThanATickStillStepAndClick) {
    hold({kUp});
    lift(kUp);
    hold({kLeftClick});
    lift(kLeftClick);
    hold({kLeftClick});  // a second tap: the system makes it a double click
    lift(kLeftClick);
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{500, 293}}));
    EXPECT_EQ(platform.buttonCalls.size(), 4u);
    EXPECT_FALSE(engine().wantsTicks());
    EXPECT_EQ(platform.keyProbes.size(), 0u);
}

TEST_F(ReportedKeys, TheTimerRunsOnlyWhileADirectionKeyIsDown) {
    hold({kLeftClick, KeyCode(65)});
    EXPECT_FALSE(engine().wantsTicks());
    hold({kUp});
    EXPECT_EQ(platform.cursorMoves.size(), 1u);  // the first step at once
    EXPECT_TRUE(engine().wantsTicks());
    tick();
    EXPECT_EQ(platform.cursorMoves.size(), 1u);  // no more before the repeat delay
    host->keyChanged(kUp, true);                 // the keyboard's repeat is no new press
    EXPECT_EQ(platform.cursorMoves.size(), 1u);
    lift(kUp);
    EXPECT_FALSE(engine().wantsTicks());
    // One press and its swap read; clock and pointer at the key-down (with the
    // monitor and the move), the tick and the key-up.
    EXPECT_EQ(platform.callCount, 2 + 4 + 2 + 2);
}

TEST_F(ReportedKeys, ASecondDirectionKeyStepsAtOnce) {
    hold({kUp});
    hold({kLeft});
    lift(kLeft);
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{500, 293}, {493, 293}}));
}

TEST(IsKeyDown, OnlyTheHighBitOfTheSystemsKeyStateMeansDown) {
    const struct {
        std::uint16_t word;
        bool down;
    } cases[] = {{0x8000, true}, {0x8001, true}, {0xFFFF, true}, {0x0001, false}, {0x7FFF, false}, {0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(lumo::win32::isDownInKeyState(static_cast<std::int16_t>(c.word)), c.down) << std::hex << c.word;
    }
}

// The input thread's decisions, one rule a row: strokes on a fresh gate with
// the default keys bound, then the verdict on the last one.
TEST(KeyGate, WhatTheInputThreadWithholdsAndReports) {
    using lumo::KeyStroke, lumo::GateVerdict;
    auto down = [](std::uint8_t vk, std::uint16_t scan, bool ext = false) {
        return KeyStroke{KeyCode(vk), scan, ext, true};
    };
    auto up = [](std::uint8_t vk, std::uint16_t scan, bool ext = false) {
        return KeyStroke{KeyCode(vk), scan, ext, false};
    };
    const KeyStroke arrow = down(0x26, 0x48, true), arrowUp = up(0x26, 0x48, true);
    const KeyStroke keypad0 = down(0x60, 0x52), keypad0Up = up(0x60, 0x52), insert = down(0x2D, 0x52);
    const KeyStroke scroll = down(0x91, 0x46), scrollUp = up(0x91, 0x46);
    const KeyStroke shift = down(0xA0, 0x2A), ctrl = down(0xA2, 0x1D), alt = down(0xA4, 0x38), k = down(0x4B, 0x25);
    const KeyStroke win = down(0x5B, 0x5B, true), character = down(0xE7, 0x52), enter = down(0x0D, 0x1C);
    const GateVerdict pass{}, withheld{true}, switched{true, true}, switchedMasked{true, true, false, {}, true};
    const GateVerdict upTaken{true, false, true, {kUp}}, clickDown{true, false, true, {kLeftClick}};
    const GateVerdict clickUp{true, false, false, {kLeftClick}}, upMasked{true, false, true, {kUp}, true};
    const GateVerdict upTakenUp{true, false, false, {kUp}}, keypadEnterDown{true, false, true, {Key::KeypadEnter}};
    enum { Off = 0, On = 1, OwnWindow = 2, LoseSight = 4, Restart = 8, KeypadEnterBound = 16 };
    const struct {
        const char* rule;
        int state;
        std::vector<KeyStroke> before;
        KeyStroke last;
        GateVerdict verdict;
    } rows[] = {
        {"bound key taken", On, {}, arrow, upTaken},
        {"unbound key passes", On, {}, down(0x41, 0x1E), pass},
        {"nothing taken while off", Off, {}, arrow, pass},
        {"Shift passes", On, {}, shift, pass},
        {"repeat of a taken key withheld, not reported", On, {keypad0}, keypad0, withheld},
        {"down before the switch: release passes", Off, {arrow, scroll, scrollUp}, arrowUp, pass},
        {"switched off while held: release withheld", On, {keypad0, scroll, scrollUp}, keypad0Up, clickUp},
        {"switched on: the very next key taken", Off, {scroll}, arrow, upTaken},
        {"own window active: bound keys pass", On | OwnWindow, {}, arrow, pass},
        {"own window active: the switch still switches", On | OwnWindow, {}, scroll, switched},
        {"keypad 0 pressed under Shift reads Insert", On, {shift}, insert, clickDown},
        {"keypad 0 released under Shift as Insert", On, {keypad0, shift}, up(0x2D, 0x52), clickUp},
        {"the Insert key itself passes", On, {}, down(0x2D, 0x52, true), pass},
        {"Ctrl+Alt+Shift+K switches, masking Alt", On, {ctrl, alt, shift}, k, switchedMasked},
        {"Ctrl+Shift+K does not", On, {ctrl, shift}, k, pass},
        {"lost sight keeps a taken press: its release withheld", On | LoseSight, {arrow}, arrowUp, upTakenUp},
        {"lost sight: a kept taken press pressed again is new", On | LoseSight, {arrow}, arrow, upTaken},
        {"lost sight, switched off: a kept taken press pressed again reports its release",
         Off | LoseSight,
         {scroll, scrollUp, arrow, scroll, scrollUp},
         arrow,
         GateVerdict{false, false, false, {kUp}}},
        {"lost sight: a kept passed press stays passed", Off | LoseSight, {arrow, scroll, scrollUp}, arrow, pass},
        {"a restart keeps a switch press not yet taken up", Off | Restart, {scroll}, arrow, upTaken},
        {"a restart keeps a taken press: pressed again it is new", On | Restart, {arrow}, arrow, upTaken},
        {"character R on keypad 0's scan code passes", On, {}, character, pass},
        {"character S on keypad .'s scan code passes", On, {}, down(0xE7, 0x53), pass},
        {"character U+4E53 passes", On, {}, down(0xE7, 0x4E53), pass},
        {"a character's release leaves keypad 0 held", On, {keypad0, up(0xE7, 0x52)}, keypad0Up, clickUp},
        {"a letter with keypad 0's scan code passes", On, {}, down(0x52, 0x52), pass},
        {"Win+Left passes", On, {win}, down(0x25, 0x4B, true), pass},
        {"Alt+bound key acts and masks Alt", On, {alt}, arrow, upMasked},
        {"keypad Enter is Enter with the extended flag",
         On | KeypadEnterBound,
         {},
         down(0x0D, 0x1C, true),
         keypadEnterDown},
        {"the main Enter is not keypad Enter", On | KeypadEnterBound, {}, enter, pass},
    };
    for (const auto& row : rows) {
        lumo::KeyTable table{{kUp, kDown, kLeft, kRight, kLeftClick, kRightClick}, (row.state & On) != 0};
        if (row.state & KeypadEnterBound) table.keys[5] = Key::KeypadEnter;
        lumo::KeyGate gate;
        static bool ownWindow;
        ownWindow = (row.state & OwnWindow) != 0;
        auto own = [] { return ownWindow; };
        for (const KeyStroke& stroke : row.before) gate.keyboard(stroke, table, own);
        if (row.state & LoseSight) ++table.sightEpoch;
        if (row.state & Restart) gate.restart();
        EXPECT_EQ(gate.keyboard(row.last, table, own), row.verdict) << row.rule;
        EXPECT_EQ(lumo::KeyTable::unpack(table.pack()), table) << row.rule;
    }
}

TEST(KeyGate, MouseButtonsAreNeverWithheldAndReportedOnlyWhileBound) {
    lumo::KeyTable table{{Key::LeftButton}, true};
    lumo::KeyGate gate;
    static bool ownWindow = false;
    auto own = [] { return ownWindow; };
    EXPECT_EQ(gate.button(Key::LeftButton, true, table, own),
              (lumo::GateVerdict{false, false, true, {Key::LeftButton}}));
    EXPECT_EQ(gate.button(Key::RightButton, true, table, own), lumo::GateVerdict{});
    gate.button(Key::LeftButton, false, table, own);
    ownWindow = true;  // the settings window in front: its clicks are its own
    EXPECT_EQ(gate.button(Key::LeftButton, true, table, own), lumo::GateVerdict{});
    EXPECT_TRUE(table.bindsMouseButton());
}

// The hooks' health watch, one rule a row: the listener's log of sight and
// report changes, and the driver's installs, after a few steps.
TEST(InputHealth, SilenceRestartBlindnessAndRetries) {
    using lumo::Blindness;
    struct Log : lumo::HookDriver, lumo::InputListener {
        int failures = 0, installs = 0;
        bool hotKeys = false;
        std::string events;
        bool installHooks() override {
            if (failures > 0) return --failures, false;
            return ++installs, true;
        }
        void removeHooks() override { events += "x"; }
        void takeSwitchAsHotKeys(bool on) override { hotKeys = on; }
        void keyChanged(KeyCode, bool) override {}
        void pointerMoved() override {}
        void switchPressed() override {}
        void secondCopyStarted() override {}
        void sightChanged(bool seeing) override { events += seeing ? "+" : "-"; }
        void keyReportsChanged(bool reported) override { events += reported ? "R" : "P"; }
    };
    // Steps: w witnessed key at 5000, u upkeep (hooks last seen at 1000),
    // b blind, s sight back, f the next install fails.
    const struct {
        const char* rule;
        const char* steps;
        const char* events;
        int installs;
        bool hotKeys;
    } rows[] = {
        {"a witnessed key the hooks missed restarts them", "wu", "-x+", 2, false},
        {"nothing witnessed: no restart", "u", "", 1, false},
        {"silence while blind is not silence", "bwu", "-", 1, false},
        {"what the witness saw while blind does not count later", "bwsu", "-+", 1, false},
        {"sight back while blind elsewhere is not reported", "bbs", "-", 1, false},
        {"a failed restart polls with hot keys, retried at the next upkeep", "fwuu", "-xP+R", 2, false},
        {"a failed restart keeps the hot keys until a retry works", "ffwuu", "-xP+", 1, true},
    };
    for (const auto& row : rows) {
        Log log;
        lumo::InputHealth health(log);
        ASSERT_TRUE(health.start(log));
        unsigned blindness = 1;
        for (const char* step = row.steps; *step; ++step) {
            switch (*step) {
                case 'w': health.keyboardWitnessed(5000); break;
                case 'u': health.upkeep(1000); break;
                case 'b': health.setBlind(static_cast<Blindness>(blindness), true), blindness <<= 1; break;
                case 's': health.setBlind(Blindness::Locked, false); break;
                case 'f': ++log.failures; break;
            }
        }
        EXPECT_EQ(log.events, row.events) << row.rule;
        EXPECT_EQ(log.installs, row.installs) << row.rule;
        EXPECT_EQ(log.hotKeys, row.hotKeys) << row.rule;
    }
}

TEST_F(ReportedKeys, ReleasedUnseenStaysMarkedUntilTheButtonShowsUp) {
    platform.setKeyDown(kLeftClick, true);
    host->sightChanged(false);
    platform.setKeyDown(Key::LeftButton, true);  // the release went nowhere
    host->sightChanged(true);
    host->engine.regainedSight();  // still shown down: let go once more
    platform.setKeyDown(Key::LeftButton, false);
    host->engine.regainedSight();  // up at last: the mark goes
    host->engine.regainedSight();
    EXPECT_EQ(platform.buttonCalls.size(), 1u + 3u);
}

TEST(IsKeyDown, CodesNoKeyHasArePassedToThePlatformAsTheyAre) {
    SimPlatform platform;
    for (int code : {0, 7, 255}) EXPECT_FALSE(platform.isKeyDown(KeyCode(code)));
    EXPECT_EQ(platform.keyProbes, (std::vector<KeyCode>{KeyCode(0), KeyCode(7), KeyCode(255)}));
}

}  // namespace
