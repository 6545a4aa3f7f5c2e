// The whole program on the simulated desktop: start-up, apply, the road of one
// key press, and the settings window coming back from the tray.
#include <gtest/gtest.h>

#include "platform/sim/sim_backend.h"
#include "tray/lumo_app.h"
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
    void apply() { backend.click(*app.settings.LumoAnniu20101->host()); }
};

TEST_F(AppFixture, StartUpShowsTheSettingsWindowThenAddsTheIcon) {
    EXPECT_TRUE(app.settings.visible());
    EXPECT_FALSE(app.trayMenu.visible());
    EXPECT_FALSE(app.virtualMouse.loaded());
    ASSERT_EQ(platform.trayCalls.size(), 1u);
    EXPECT_EQ(platform.trayCalls[0].action, TrayAction::Add);
    EXPECT_EQ(platform.trayCalls[0].data.owner, app.trayMenu.handle());
    EXPECT_EQ(platform.trayCalls[0].data.tip, "Lumo桌面小鼠标(版本 " LUMO_VERSION_TEXT ")");
    EXPECT_EQ(app.state.keyUp, 38);
    // Nothing polls the keyboard before the first apply.
    platform.setKeyDown(38, true);
    backend.advance(1000);
    EXPECT_TRUE(platform.cursorMoves.empty());
}

TEST_F(AppFixture, HoldingUpAfterApplyMovesThePointerEveryTickAndTheMouseFollows) {
    backend.click(*app.settings.Check2);
    backend.click(*app.settings.Option2);  // fast follow
    apply();
    EXPECT_FALSE(app.settings.loaded());
    EXPECT_TRUE(app.virtualMouse.visible());
    EXPECT_EQ(app.state.stepPixels, 3);
    EXPECT_EQ(app.state.hotkeysEnabled, 1);

    platform.movePointer({600, 500});
    platform.setKeyDown(38, true);
    backend.advance(100);  // ten engine ticks at the platform's 10 ms pace
    EXPECT_EQ(platform.cursorPos(), (Point{600, 470}));
    platform.setKeyDown(38, false);
    backend.advance(2000);  // upkeep switches to fast follow; the follow tick jumps to the pointer
    EXPECT_EQ(platform.cursorPos(), (Point{600, 470}));
    EXPECT_EQ(app.virtualMouse.left(), 600 * 15 + 10);
    EXPECT_EQ(app.virtualMouse.top(), 470 * 15 + 10);

    platform.setKeyDown(96, true);  // keypad 0: one left click per tick
    backend.advance(30);
    EXPECT_EQ(platform.clicks.size(), 3u);
    EXPECT_EQ(platform.clicks[0].flags, kMouseLeftClick);
    EXPECT_EQ(platform.clicks[0].at, (Point{600, 470}));
}

TEST_F(AppFixture, TheTrayBringsBackTheDesignStateWhileAppliedValuesStayInForce) {
    backend.click(*app.settings.Check2);
    app.settings.Text11->setText("7");
    apply();
    app.state.keyUp = 90;  // as if rebound by the key picker
    backend.trayMessage(app.trayMenu, kTrayLeftButtonUp);
    ASSERT_TRUE(app.settings.visible());
    EXPECT_EQ(app.settings.Check2->value(), 0);
    EXPECT_EQ(app.settings.Text11->text(), "3");
    EXPECT_EQ(app.state.keyUp, 38);
    EXPECT_EQ(app.state.stepPixels, 7);
    EXPECT_EQ(app.state.hotkeysEnabled, 1);
}

TEST_F(AppFixture, ExitFromTheMenuRemovesTheIconAndEndsTheProcess) {
    platform.movePointer({1200, 700});
    backend.trayMessage(app.trayMenu, kTrayRightButtonUp);
    ASSERT_TRUE(app.trayMenu.visible());
    backend.click(*app.trayMenu.Label2);
    ASSERT_EQ(platform.trayCalls.size(), 2u);
    EXPECT_EQ(platform.trayCalls[1].action, TrayAction::Delete);
    EXPECT_EQ(platform.trayCalls[1].data.id, platform.trayCalls[0].data.id);
    EXPECT_TRUE(platform.exited);
}

TEST_F(AppFixture, AboutOpensOnceFromBothPlacesAndOwnerGoesAwayWithApply) {
    backend.click(*app.settings.Label4);
    EXPECT_TRUE(app.about.visible());
    EXPECT_EQ(app.about.owner(), &app.settings);
    apply();  // unloading the owner leaves the About window open, unowned
    EXPECT_TRUE(app.about.visible());
    EXPECT_EQ(app.about.owner(), nullptr);
    platform.movePointer({1200, 700});
    backend.trayMessage(app.trayMenu, kTrayRightButtonUp);
    backend.click(*app.trayMenu.Label3);
    EXPECT_TRUE(app.about.visible());
    EXPECT_EQ(app.about.owner(), nullptr);
}

}  // namespace
