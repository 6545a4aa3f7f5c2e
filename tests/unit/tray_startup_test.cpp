#include "platform/system_codes.h"
#include "tray/tray_icon.h"
#include "tray_test_fixture.h"

namespace lumo::tray_test {
namespace {

TEST_F(TrayTest, StartUpShowsSettingsFirstThenHidesTheMenuAndAddsTheIcon) {
    std::size_t trayCallsWhenSettingsLoaded = 99;
    settings.onLoad = [&] { trayCallsWhenSettingsLoaded = platform.trayCalls.size(); };
    tray.load();

    EXPECT_EQ(trayCallsWhenSettingsLoaded, 0u);
    EXPECT_TRUE(settings.visible());
    EXPECT_FALSE(tray.visible());
    EXPECT_FALSE(tray.rowMarker->visible());
    EXPECT_EQ(tray.width(), 1575);
    EXPECT_EQ(tray.height(), 1575);
    EXPECT_EQ(tray.icon(), settings.icon());
    EXPECT_FALSE(virtualMouse.loaded());
    EXPECT_FALSE(about.loaded());
    ASSERT_EQ(platform.trayCalls.size(), 2u);
    EXPECT_EQ(platform.trayCalls[0].action, TrayAction::Add);
    EXPECT_EQ(platform.trayCalls[1].action, TrayAction::UseCurrentVersion);
}

TEST_F(TrayTest, IconRecordNamesTheWindowAndItsIconAndCarriesTheTip) {
    tray.load();
    const TrayIconData& data = platform.trayCalls.at(0).data;
    const IconHandle icon = platform.iconHandle(Asset::AppIcon);
    EXPECT_EQ(data.owner, tray.handle());
    EXPECT_NE(data.owner, 0u);
    EXPECT_EQ(data.id, icon);
    EXPECT_EQ(data.icon, icon);
    EXPECT_EQ(data.tip, "Lumo桌面小鼠标(版本 " LUMO_VERSION_TEXT ")\n键盘鼠标：关");
    EXPECT_EQ(trayTip("T", {2, 10, 0}), "T(版本 2.10.0)");
}

TEST_F(TrayTest, RefusedIconLeavesTheSettingsWindowUsable) {
    platform.setTrayRefusesAdd(true);
    tray.load();
    EXPECT_TRUE(settings.visible());
    EXPECT_FALSE(platform.exited);
}

TEST_F(TrayTest, LeftReleaseShowsSettingsAndOnlyTheTwoReleasesAct) {
    tray.load();
    settings.hide();
    platform.movePointer({1800, 1000});
    // Moves, presses, double clicks, middle button, wheel and nonsense codes.
    for (std::uint32_t ignored : {0u, 1u, 512u, 513u, 515u, 516u, 518u, 519u, 520u, 521u, 522u, 0x8001u, 0xFFFFFFFFu}) {
        EXPECT_EQ(win32::trayEventOf(ignored), TrayEvent::Other) << ignored;
    }
    EXPECT_EQ(win32::trayEventOf(514), TrayEvent::LeftUp);
    EXPECT_EQ(win32::trayEventOf(517), TrayEvent::RightUp);
    backend.trayMessage(tray, TrayEvent::Other);
    EXPECT_FALSE(settings.visible());
    EXPECT_FALSE(tray.visible());
    EXPECT_TRUE(platform.topmostCalls.empty());

    // A double click delivers down, up, double click, up.
    for (TrayEvent e : {TrayEvent::Other, TrayEvent::LeftUp, TrayEvent::Other, TrayEvent::LeftUp}) {
        backend.trayMessage(tray, e);
    }
    EXPECT_TRUE(settings.visible());
    EXPECT_EQ(settings.loads, 1);
    EXPECT_FALSE(tray.visible());

    backend.trayMessage(tray, TrayEvent::RightUp);
    EXPECT_TRUE(tray.visible());
}

TEST_F(TrayTest, LeftReleaseReloadsAnUnloadedSettingsWindow) {
    tray.load();
    settings.unload();
    backend.trayMessage(tray, TrayEvent::LeftUp);
    EXPECT_TRUE(settings.visible());
    EXPECT_EQ(settings.loads, 2);
}

TEST_F(TrayTest, ExitDeletesTheSameIconBeforeTheProcessEnds) {
    startWithMenuUp();
    std::vector<sim::SimPlatform::TrayCall> callsAtExit;
    platform.onExit = [&] { callsAtExit = platform.trayCalls; };
    backend.click(*tray.exitItem);

    EXPECT_TRUE(platform.exited);
    ASSERT_EQ(callsAtExit.size(), 3u);
    const TrayIconData& added = callsAtExit[0].data;
    const TrayIconData& deleted = callsAtExit[2].data;
    EXPECT_EQ(callsAtExit[2].action, TrayAction::Delete);
    EXPECT_EQ(deleted.owner, added.owner);
    EXPECT_EQ(deleted.id, added.id);
    EXPECT_EQ(deleted.tip, added.tip);
    EXPECT_EQ(platform.trayCalls.size(), 3u);
}

TEST_F(TrayTest, SystemCloseDeletesTheIconAndEndsTheProgram) {
    tray.load();
    std::size_t trayCallsAtExit = 0;
    platform.onExit = [&] { trayCallsAtExit = platform.trayCalls.size(); };
    backend.closeWindow(tray);

    EXPECT_EQ(trayCallsAtExit, 3u);
    EXPECT_EQ(platform.trayCalls.back().action, TrayAction::Delete);
    EXPECT_EQ(platform.trayCalls.back().data.owner, platform.trayCalls.front().data.owner);
    EXPECT_TRUE(platform.exited);
    EXPECT_FALSE(tray.loaded());
}

TEST_F(TrayTest, RestartedShellGetsTheIconBackByAddOrElseModify) {
    tray.load();
    platform.clearLogs();
    tray.shellRestarted();
    ASSERT_EQ(platform.trayCalls.size(), 2u);
    EXPECT_EQ(platform.trayCalls[0].action, TrayAction::Add);
    EXPECT_EQ(platform.trayCalls[1].action, TrayAction::UseCurrentVersion);

    platform.clearLogs();
    platform.setTrayRefusesAdd(true);
    tray.shellRestarted();
    ASSERT_EQ(platform.trayCalls.size(), 3u);
    EXPECT_EQ(platform.trayCalls[0].action, TrayAction::Add);
    EXPECT_EQ(platform.trayCalls[1].action, TrayAction::Modify);
    EXPECT_EQ(platform.trayCalls[2].action, TrayAction::UseCurrentVersion);
    EXPECT_EQ(platform.trayCalls[1].data.tip, "Lumo桌面小鼠标(版本 " LUMO_VERSION_TEXT ")\n键盘鼠标：关");
    EXPECT_EQ(platform.trayCalls[1].data.owner, tray.handle());
}

}  // namespace
}  // namespace lumo::tray_test
