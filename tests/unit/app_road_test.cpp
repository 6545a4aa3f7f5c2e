// The whole program on the simulated desktop: start-up, apply, the road of one
// key press, and a start with the settings an earlier run kept.
#include <gtest/gtest.h>

#include <functional>

#include "forms/sim/sim_backend.h"
#include "app/lumo_app.h"
#include "app/start_options.h"
#include "pointer_core/hold_curve.h"
#include "pointer_core/kept_settings.h"
#include "tray/tray_icon.h"

namespace {

using namespace lumo;

struct AppFixture : ::testing::Test {
    sim::SimPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    LumoApp app{runtime};

    void SetUp() override {
        platform.setScreenPixels(1280, 800);
        app.start();
    }
    void apply() { backend.click(*app.settings.options.applyButton->host()); }
};

TEST_F(AppFixture, StartUpShowsTheSettingsWindowThenAddsTheIcon) {
    EXPECT_TRUE(app.settings.visible());
    EXPECT_FALSE(app.trayMenu.visible());
    EXPECT_FALSE(app.virtualMouse.loaded());
    ASSERT_EQ(platform.trayCalls.size(), 2u);
    EXPECT_EQ(platform.trayCalls[0].action, TrayAction::Add);
    EXPECT_EQ(platform.trayCalls[0].data.owner, app.trayMenu.handle());
    EXPECT_EQ(platform.trayCalls[0].data.tip, "Lumo桌面小鼠标(版本 " LUMO_VERSION_TEXT ")\n键盘鼠标：关");
    EXPECT_EQ(app.state.settings.keys[Action::Up], Key::Up);
    // Nothing polls the keyboard, and the keys pass, while the keyboard mouse is off.
    EXPECT_FALSE(platform.press(Key::Up, 0x48).withhold);
    backend.advance(1000);
    EXPECT_TRUE(platform.cursorMoves.empty());
}

TEST_F(AppFixture, TheSwitchKeyWorksBeforeAnyApplyWithTheStepBoxsStep) {
    platform.clearLogs();
    EXPECT_TRUE(platform.press(kSwitchKey).withhold);
    EXPECT_TRUE(app.settings.options.hotkeysCheck->ticked());
    EXPECT_TRUE(app.settings.options.hideMouseCheck->enabled());  // as after a click of the box
    EXPECT_FALSE(app.virtualMouse.loaded());
    EXPECT_FALSE(app.state.settings.hideVirtualMouse);
    ASSERT_EQ(platform.trayCalls.size(), 1u);  // the same icon, a new picture and tip
    EXPECT_EQ(platform.trayCalls[0].action, TrayAction::Modify);
    EXPECT_EQ(platform.trayCalls[0].data.id, 0x7000u);
    EXPECT_EQ(platform.trayCalls[0].data.icon, platform.iconHandle(Asset::AppIconOn));
    EXPECT_EQ(platform.trayCalls[0].data.tip, "Lumo桌面小鼠标(版本 " LUMO_VERSION_TEXT ")\n键盘鼠标：开");
    platform.release(kSwitchKey);
    app.trayMenu.shellRestarted();  // the new taskbar gets the icon as it is now
    EXPECT_EQ(platform.trayCalls.back().data.icon, platform.iconHandle(Asset::AppIconOn));

    platform.movePointer({600, 500});
    EXPECT_TRUE(platform.press(Key::Up, 0x48).withhold);
    EXPECT_EQ(platform.cursorPos(), (Point{600, 497}));
    platform.release(Key::Up, 0x48);

    // The switch is not kept, not even by a later write of the settings.
    backend.click(*app.settings.options.keyBoxes[Action::Left]);
    backend.click(*app.settings.picker.confirmKeyButton->host());
    EXPECT_FALSE(readKeptSettings(platform).hotkeysEnabled);
    EXPECT_TRUE(app.state.settings.hotkeysEnabled);

    backend.click(*app.settings.options.hideMouseCheck);
    platform.press(kSwitchKey);
    EXPECT_FALSE(app.state.settings.hotkeysEnabled);
    EXPECT_FALSE(app.state.settings.hideVirtualMouse);
    EXPECT_FALSE(app.settings.options.hideMouseCheck->enabled());
    EXPECT_FALSE(platform.press(Key::Down, 0x50).withhold);
    EXPECT_EQ(platform.cursorPos(), (Point{600, 497}));
}

TEST_F(AppFixture, HoldingUpAfterApplyMovesThePointerByTheTimeHeldAndTheMouseFollows) {
    backend.click(*app.settings.options.hotkeysCheck);
    backend.click(*app.settings.options.followFast);  // fast follow
    apply();
    EXPECT_FALSE(app.settings.loaded());
    EXPECT_TRUE(app.virtualMouse.visible());
    EXPECT_EQ(app.state.settings.stepPixels, 3);
    EXPECT_TRUE(app.state.settings.hotkeysEnabled);
    EXPECT_FALSE(app.keyboardMouse.engineTimer->running());  // nothing held: no engine ticks

    platform.movePointer({600, 500});
    platform.setKeyDown(Key::Up, true);  // one step at once...
    EXPECT_EQ(platform.cursorPos(), (Point{600, 497}));
    backend.advance(100);  // ...then nothing until the repeat delay...
    EXPECT_EQ(platform.cursorPos(), (Point{600, 497}));
    backend.advance(200);  // ...and on by the time held, on the engine's ticks
    const int top = 500 - static_cast<int>(lumo::heldDistance(3, 300, 800));
    EXPECT_EQ(platform.cursorPos().y, top);
    platform.setKeyDown(Key::Up, false);
    EXPECT_FALSE(app.keyboardMouse.engineTimer->running());
    backend.advance(2000);  // upkeep switches to fast follow; the follow tick jumps to the pointer
    EXPECT_EQ(app.virtualMouse.left(), 600 * 15 + 10);
    EXPECT_EQ(app.virtualMouse.top(), platform.cursorPos().y * 15 + 10);

    platform.clearLogs();
    platform.setKeyDown(Key::NumpadZero, true);  // keypad 0: the left button, down while the key is
    backend.advance(30);
    platform.setKeyDown(Key::NumpadZero, false);
    EXPECT_EQ(platform.buttonCalls,
              (std::vector<sim::SimPlatform::ButtonCall>{{MouseButton::Left, true, {600, top}},
                                                         {MouseButton::Left, false, {600, top}}}));
    EXPECT_EQ(platform.callCount, 3);  // the button swap read, press, release: nothing polled or woken
}

// Every way the engine's settings change or the program ends lets go of a
// button held by a click key.
TEST_F(AppFixture, AHeldButtonIsReleasedWhenHotkeysOrBindingsChangeOrTheProgramEnds) {
    backend.click(*app.settings.options.hotkeysCheck);
    apply();
    const struct {
        const char* what;
        std::function<void()> act;
    } ways[] = {
        {"hotkeys off", [&] { backend.click(*app.settings.options.hotkeysCheck); }},
        {"rebind",
         [&] {
             backend.click(*app.settings.options.keyBoxes[Action::RightClick]);
             backend.selectRow(*app.settings.picker.keyList, 40);  // "A键"
             backend.click(*app.settings.picker.confirmKeyButton->host());
         }},
        {"apply", [&] { apply(); }},
        {"log-off", [&] { backend.closeWindow(app.trayMenu); }},
    };
    for (const auto& way : ways) {
        // From a fresh load: the default keys, hotkeys on.
        if (app.settings.loaded()) apply();
        app.state.settings.keys = defaultKeyBindings();
        backend.trayMessage(app.trayMenu, TrayEvent::LeftUp);
        if (app.settings.options.hotkeysCheck->value() == 0) backend.click(*app.settings.options.hotkeysCheck);
        platform.clearLogs();
        platform.setKeyDown(Key::NumpadDecimal, true);
        way.act();
        const Point at = platform.cursorPos();
        EXPECT_EQ(platform.buttonCalls, (std::vector<sim::SimPlatform::ButtonCall>{{MouseButton::Right, true, at},
                                                                                   {MouseButton::Right, false, at}}))
            << way.what;
        platform.setKeyDown(Key::NumpadDecimal, false);
    }
    EXPECT_TRUE(platform.exited);
}

TEST_F(AppFixture, AZoneClickFirstReleasesTheButtonAClickKeyHolds) {
    backend.click(*app.settings.options.hotkeysCheck);
    apply();
    platform.setKeyDown(Key::NumpadZero, true);
    platform.clearLogs();
    backend.click(*app.virtualMouse.leftClickZone);
    ASSERT_EQ(platform.buttonCalls.size(), 1u);
    EXPECT_FALSE(platform.buttonCalls[0].down);
    ASSERT_EQ(platform.clicks.size(), 1u);
    platform.setKeyDown(Key::NumpadZero, false);  // no stray release later
    EXPECT_EQ(platform.buttonCalls.size(), 1u);
}

TEST_F(AppFixture, QuietHooksAreInstalledAgainAndTheHeldButtonGoesUp) {
    platform.press(kSwitchKey);
    platform.press(Key::NumpadZero, 0x52);
    const int installs = platform.hookInstalls;
    platform.silenceHooks();
    platform.press(KeyCode(0x41), 0x1E);  // typed while the hooks saw nothing
    backend.advance(3000);
    EXPECT_EQ(platform.hookInstalls, installs + 1);
    EXPECT_FALSE(platform.buttonCalls.back().down);
    EXPECT_TRUE(platform.press(Key::NumpadZero, 0x52).withhold);  // a fresh press, not a repeat
    EXPECT_TRUE(platform.buttonCalls.back().down);
}

TEST_F(AppFixture, ASecondStartWakesTheFirstCopyAndEndsUnlessNoCopyAnswers) {
    for (const bool traySwitch : {false, true}) {
        for (const bool answers : {true, false}) {
            sim::SimPlatform second;
            sim::SimBackend secondBackend{second};
            forms::Runtime secondRuntime{second, secondBackend};
            LumoApp secondCopy{secondRuntime};
            second.setOtherCopyRunning(true, answers);
            secondCopy.start(StartOptions{traySwitch});
            EXPECT_EQ(second.exited, answers);
            EXPECT_EQ(second.trayCalls.empty(), answers);  // a squatter on the name stops no start
            EXPECT_EQ(second.firstCopyWakeUps, answers && !traySwitch ? 1 : 0);
        }
    }
    apply();
    platform.inputListener()->secondCopyStarted();  // as the first copy hears it
    EXPECT_TRUE(app.settings.visible());
    EXPECT_EQ(platform.topmostCalls.back().window, app.settings.handle());
    EXPECT_TRUE(platform.topmostCalls.back().activate);
}

// The program before its start, so that a test can put kept settings in place.
struct AppStart : AppFixture {
    void SetUp() override { platform.setScreenPixels(1280, 800); }
};

TEST_F(AppStart, KeptSettingsTakeEffectAtOnceAndTheWindowShowsThem) {
    Settings kept;
    kept.keys[Action::Left] = KeyCode(90);  // Z
    kept.stepPixels = 7;
    kept.hotkeysEnabled = true;
    kept.followMode = FollowMode::DragByHand;
    kept.applied = true;
    keepSettings(platform, kept);
    app.start();
    EXPECT_EQ(app.state.settings, kept);
    EXPECT_TRUE(app.virtualMouse.visible());
    EXPECT_TRUE(app.settings.visible());
    EXPECT_EQ(app.settings.options.keyBoxes[Action::Left]->text(), "Z键");
    EXPECT_EQ(app.settings.options.stepBox->text(), "7");
    platform.movePointer({600, 500});
    platform.setKeyDown(KeyCode(90), true);
    EXPECT_EQ(platform.cursorPos(), (Point{593, 500}));
}

TEST(KeptStart, TheVirtualMouseShowsOnceAnApplyHasEverHappened) {
    const struct {
        bool applied, hotkeys, hide;
        bool loaded, shown;
    } starts[] = {
        {false, false, false, false, false},
        {false, true, false, false, false},  // the keys work without it
        {true, false, false, true, true},
        {true, true, true, true, false},
    };
    for (const auto& start : starts) {
        sim::SimPlatform platform;
        sim::SimBackend backend{platform};
        forms::Runtime runtime{platform, backend};
        LumoApp app{runtime};
        Settings kept;
        kept.applied = start.applied;
        kept.hotkeysEnabled = start.hotkeys;
        kept.hideVirtualMouse = start.hide;
        keepSettings(platform, kept);
        app.start();
        EXPECT_EQ(app.virtualMouse.loaded(), start.loaded) << start.applied << start.hotkeys << start.hide;
        EXPECT_EQ(app.virtualMouse.visible(), start.shown) << start.applied << start.hotkeys << start.hide;
    }
}

TEST_F(AppStart, TrayStartShowsNoSettingsWindowUntilTheIconIsClicked) {
    app.start(parseStartOptions("/TRAY"));
    EXPECT_FALSE(app.settings.loaded());
    ASSERT_EQ(platform.trayCalls.size(), 2u);  // the icon and its version
    backend.trayMessage(app.trayMenu, TrayEvent::LeftUp);
    EXPECT_TRUE(app.settings.visible());
}

TEST(StartOptions, OnlyTheWordTrayInAnyCaseStartsInTheTray) {
    const struct {
        const char* arguments;
        bool inTray;
    } lines[] = {{"", false},       {"/tray", true}, {"  /Tray\t", true},    {"x /tray y", true},
                 {"/tray2", false}, {"tray", false}, {"\"/tray x\"", false}, {"/trayx /tra", false}};
    for (const auto& line : lines) EXPECT_EQ(parseStartOptions(line.arguments).inTray, line.inTray) << line.arguments;
}

TEST_F(AppFixture, ExitFromTheMenuRemovesTheIconAndEndsTheProcess) {
    platform.movePointer({1200, 700});
    backend.trayMessage(app.trayMenu, TrayEvent::RightUp);
    ASSERT_TRUE(app.trayMenu.visible());
    backend.click(*app.trayMenu.exitItem);
    ASSERT_EQ(platform.trayCalls.size(), 3u);
    EXPECT_EQ(platform.trayCalls[2].action, TrayAction::Delete);
    EXPECT_EQ(platform.trayCalls[2].data.id, platform.trayCalls[0].data.id);
    EXPECT_TRUE(platform.exited);
}

TEST_F(AppFixture, AboutOpensOnceFromBothPlacesAndOwnerGoesAwayWithApply) {
    backend.click(*app.settings.options.aboutLink);
    EXPECT_TRUE(app.about.visible());
    EXPECT_EQ(app.about.owner(), &app.settings);
    apply();  // unloading the owner leaves the About window open, unowned
    EXPECT_TRUE(app.about.visible());
    EXPECT_EQ(app.about.owner(), nullptr);
    platform.movePointer({1200, 700});
    backend.trayMessage(app.trayMenu, TrayEvent::RightUp);
    backend.click(*app.trayMenu.aboutItem);
    EXPECT_TRUE(app.about.visible());
    EXPECT_EQ(app.about.owner(), nullptr);
}

}  // namespace
