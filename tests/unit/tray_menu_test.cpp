#include "platform/system_codes.h"
#include "tray_test_fixture.h"

namespace lumo::tray_test {
namespace {

using forms::kLeftButton;
using forms::kRightButton;

TEST_F(TrayTest, WatchdogClosesTheMenuOnlyForAHeldLeftButtonElsewhere) {
    startWithMenuUp();
    const WindowHandle other = settings.handle();
    platform.setForeground(other);
    platform.setKeyDown(Key::RightButton, true);  // a press elsewhere
    backend.advance(300);
    EXPECT_TRUE(tray.visible());
    EXPECT_EQ(tray.lastForegroundWindow(), other);

    platform.setKeyDown(Key::LeftButton, true);
    platform.setForeground(tray.handle());  // a press inside the menu
    backend.advance(300);
    EXPECT_TRUE(tray.visible());

    platform.setForeground(other);
    backend.advance(99);
    EXPECT_TRUE(tray.visible());
    backend.advance(1);
    EXPECT_FALSE(tray.visible());
}

TEST_F(TrayTest, WatchdogRunsOnlyWhileTheMenuIsUp) {
    tray.load();
    platform.setForeground(0x4242);
    backend.advance(1000);
    EXPECT_EQ(static_cast<std::intptr_t>(tray.lastForegroundWindow()), 0);
    startWithMenuUp();
    backend.advance(100);
    EXPECT_EQ(static_cast<std::intptr_t>(tray.lastForegroundWindow()), 0x4242);
    backend.click(*tray.hideSettingsItem);
    EXPECT_FALSE(tray.watchdogTimer->running());
}

TEST_F(TrayTest, LosingTheActivationClosesTheMenuAtOnce) {
    startWithMenuUp();
    backend.deactivate(tray);
    EXPECT_FALSE(tray.visible());
    EXPECT_FALSE(tray.watchdogTimer->running());
    backend.deactivate(tray);  // hidden already: nothing more
    backend.trayMessage(tray, TrayEvent::RightUp);
    EXPECT_TRUE(tray.visible());
    EXPECT_TRUE(tray.watchdogTimer->running());
}

TEST_F(TrayTest, MarkerFollowsTheItemRowsAndHidesAtTheEdges) {
    startWithMenuUp();
    // The pencil's point, halfway down its picture, is level with the item's top edge, right of the text.
    for (forms::Label* item : {tray.showSettingsItem, tray.hideSettingsItem, tray.aboutItem, tray.exitItem}) {
        tray.rowMarker->setVisible(false);
        backend.move(*item, 0, 100, 90);
        EXPECT_TRUE(tray.rowMarker->visible());
        EXPECT_EQ(tray.rowMarker->top() + tray.rowMarker->height() / 2, item->top());
        EXPECT_EQ(tray.rowMarker->left(), item->left() + item->width());
    }

    // The background between the items leaves it alone.
    backend.moveForm(tray, 0, 1200, 540);
    EXPECT_TRUE(tray.rowMarker->visible());
    EXPECT_EQ(tray.rowMarker->top() + tray.rowMarker->height() / 2, tray.exitItem->top());

    // From an item to the right onto the pencil itself.
    backend.move(*tray.rowMarker, 0, 100, 300);
    EXPECT_FALSE(tray.rowMarker->visible());

    const std::pair<forms::Image*, Point> strips[] = {
        {tray.leftEdgeStrip, {100, 800}},
        {tray.bottomEdgeStrip, {600, 30}},
        {tray.rightEdgeStrip, {100, 800}},
        {tray.topEdgeStrip, {600, 100}},
    };
    for (const auto& [strip, at] : strips) {
        backend.move(*tray.aboutItem, 0, 100, 90);
        ASSERT_TRUE(tray.rowMarker->visible());
        backend.move(*strip, 0, at.x, at.y);
        EXPECT_FALSE(tray.rowMarker->visible()) << strip->name();
    }
}

TEST_F(TrayTest, MarkerKeepsItsRowAcrossAnItemAndReopening) {
    startWithMenuUp();
    backend.move(*tray.hideSettingsItem, 0, 100, 90);
    backend.click(*tray.hideSettingsItem);
    ASSERT_FALSE(tray.visible());
    backend.trayMessage(tray, TrayEvent::RightUp);
    EXPECT_TRUE(tray.rowMarker->visible());
    EXPECT_EQ(tray.rowMarker->top() + tray.rowMarker->height() / 2, tray.hideSettingsItem->top());
}

TEST_F(TrayTest, LeftDragOnBackgroundOrTopStripMovesTheMenu) {
    startWithMenuUp();
    const std::int32_t left0 = tray.left(), top0 = tray.top();

    backend.pressForm(tray, kLeftButton, 1200.5, 401.5);  // halves go to even
    EXPECT_EQ(tray.drag.dragStartX, 1200);
    EXPECT_EQ(tray.drag.dragStartY, 402);
    backend.moveForm(tray, kLeftButton, 1300, 452);
    EXPECT_EQ(tray.left(), left0 + 100);
    EXPECT_EQ(tray.top(), top0 + 50);
    EXPECT_EQ(tray.width(), 1575);
    backend.releaseForm(tray, kLeftButton, 1300, 452);

    backend.press(*tray.topEdgeStrip, kLeftButton, 600, 100);
    EXPECT_EQ(tray.drag.dragStartX, 600);
    backend.move(*tray.topEdgeStrip, kLeftButton | kRightButton, 700, 130);
    EXPECT_EQ(tray.left(), left0 + 200);
    EXPECT_EQ(tray.top(), top0 + 80);
    backend.release(*tray.topEdgeStrip, kLeftButton, 700, 130);
}

TEST_F(TrayTest, RightDragAndPlainMovesLeaveTheMenuInPlace) {
    startWithMenuUp();
    const std::int32_t left0 = tray.left(), top0 = tray.top();
    backend.pressForm(tray, kRightButton, 1200, 400);
    EXPECT_EQ(tray.drag.dragStartX, 0);
    backend.moveForm(tray, kRightButton, 1400, 600);
    backend.releaseForm(tray, kRightButton, 1400, 600);
    backend.move(*tray.topEdgeStrip, 0, 900, 200);
    EXPECT_EQ(tray.left(), left0);
    EXPECT_EQ(tray.top(), top0);

    // A pointer move over the window at the x of a left release (514 px) is
    // not a tray message.
    settings.hide();
    backend.moveForm(tray, 0, 514 * 15, 100);
    EXPECT_FALSE(settings.visible());
}

TEST_F(TrayTest, SettingsItemsShowOrHideAndCloseTheMenu) {
    startWithMenuUp();
    settings.hide();
    backend.click(*tray.showSettingsItem);
    EXPECT_TRUE(settings.visible());
    EXPECT_FALSE(tray.visible());

    backend.trayMessage(tray, TrayEvent::RightUp);
    backend.click(*tray.hideSettingsItem);
    EXPECT_FALSE(settings.visible());
    EXPECT_TRUE(settings.loaded());
    EXPECT_FALSE(tray.visible());

    // Already hidden: only the menu goes.
    backend.trayMessage(tray, TrayEvent::RightUp);
    backend.click(*tray.hideSettingsItem);
    EXPECT_FALSE(settings.visible());
    EXPECT_EQ(settings.loads, 1);
    EXPECT_FALSE(tray.visible());
}

TEST_F(TrayTest, SettingsItemsLoadAnUnloadedSettingsWindow) {
    startWithMenuUp();
    settings.unload();
    backend.click(*tray.hideSettingsItem);
    EXPECT_EQ(settings.loads, 2);
    EXPECT_TRUE(settings.loaded());
    EXPECT_FALSE(settings.visible());

    settings.unload();
    backend.trayMessage(tray, TrayEvent::RightUp);
    backend.click(*tray.showSettingsItem);
    EXPECT_EQ(settings.loads, 3);
    EXPECT_TRUE(settings.visible());
}

TEST_F(TrayTest, AboutItemShowsTheAboutWindowWithoutOwner) {
    startWithMenuUp();
    about.show(&settings);
    backend.click(*tray.aboutItem);
    EXPECT_TRUE(about.visible());
    EXPECT_EQ(about.owner(), nullptr);
    EXPECT_EQ(about.loads, 1);
    EXPECT_FALSE(tray.visible());
    EXPECT_FALSE(platform.exited);
}

// The current icon version: selections and context menus act, the mouse
// releases sent before them do not; the keyboard's menu marks its first item.
TEST_F(TrayTest, CurrentVersionMenuFromTheKeyboardAndItsKeys) {
    EXPECT_EQ(trayRequestOf(TrayEvent::LeftUp, false), TrayRequest::ShowSettings);
    EXPECT_EQ(trayRequestOf(TrayEvent::LeftUp, true), TrayRequest::None);
    EXPECT_EQ(trayRequestOf(TrayEvent::Select, false), TrayRequest::None);
    EXPECT_EQ(trayRequestOf(TrayEvent::ContextMenu, true), TrayRequest::OpenMenu);
    platform.setTraySpeaksCurrentVersion(true);
    tray.load();
    platform.movePointer({10, 10});
    backend.trayMessage(tray, TrayEvent::ContextMenu, {1800, 1000});
    ASSERT_TRUE(tray.visible());
    EXPECT_EQ(tray.rowMarker->top(), tray.showSettingsItem->top() - tray.rowMarker->height() / 2);
    for (const KeyCode key : {Key::Up, Key::Down, Key::Down, Key::Enter}) backend.key(tray, key);
    EXPECT_FALSE(settings.visible());  // "隐藏设置"
    EXPECT_FALSE(tray.visible());
    backend.trayMessage(tray, TrayEvent::Select, {1800, 1000});
    EXPECT_TRUE(settings.visible());
    backend.trayMessage(tray, TrayEvent::ContextMenu, {1800, 1000});
    backend.key(tray, Key::Escape);
    EXPECT_FALSE(tray.visible());
    EXPECT_EQ(platform.trayCalls.back().action, TrayAction::Focus);
    EXPECT_EQ(win32::trayEventOf(0x401), TrayEvent::Select);
    EXPECT_EQ(win32::trayAnchorOf(0xFFFF0005), (Point{5, -1}));
}

}  // namespace
}  // namespace lumo::tray_test
