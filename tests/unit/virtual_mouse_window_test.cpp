#include <gtest/gtest.h>

#include "virtual_mouse_fixture.h"

namespace {

using namespace lumo;
using lumo::testing::VirtualMouseTest;
using forms::kLeftButton;
using forms::kRightButton;

using VirtualMouseWindowTest = VirtualMouseTest;

TEST_F(VirtualMouseWindowTest, DesignIsAKeyedFramelessWindowThatNeverTakesTheFocus) {
    window.show();
    EXPECT_EQ(window.caption(), "Lumo虚拟鼠标");
    EXPECT_FALSE(window.showInTaskbar());
    EXPECT_TRUE(window.noActivate());
    EXPECT_EQ(window.backColor(), kVirtualMouseColorKey);
    EXPECT_EQ(window.width(), 2655);
    EXPECT_EQ(window.height(), 2700);
    EXPECT_EQ(window.mousePicture->picture(), Asset::MousePicture);
    for (auto* zone : {window.leftClickZone, window.rightClickZone}) {
        EXPECT_EQ(zone->cursor(), Asset::HandCursor);
        EXPECT_FALSE(zone->picture().has_value());
    }
    for (auto* label : {window.pointerCoordinates, window.tipCoordinates}) {
        EXPECT_FALSE(label->visible());
        EXPECT_EQ(label->text(), "00000");
        EXPECT_TRUE(label->autoSize());
        EXPECT_TRUE(label->opaque());
    }
    EXPECT_EQ(window.upkeepTimer->interval(), 1500);
    EXPECT_EQ(window.followTimer->interval(), 1000);
    for (auto* timer : {window.followTimer, window.upkeepTimer}) EXPECT_TRUE(timer->running());
}

TEST_F(VirtualMouseWindowTest, LoadKeysTheColourAndSetsTheZOrderWithoutActivating) {
    window.show();
    EXPECT_EQ(platform.colorKeyed, std::vector<WindowHandle>{window.handle()});
    EXPECT_EQ(platform.colorKeys, std::vector<std::uint32_t>{0xDC00D5});
    ASSERT_EQ(platform.topmostCalls.size(), 1u);
    EXPECT_EQ(platform.topmostCalls[0].window, window.handle());
    EXPECT_TRUE(platform.topmostCalls[0].topmost);  // on top unless the user chose otherwise
    EXPECT_FALSE(platform.topmostCalls[0].activate);
}

TEST_F(VirtualMouseWindowTest, LoadUsesTheStayOnTopValueInForceThenAndUpkeepTheNewOne) {
    state.settings.stayOnTop = true;
    window.show();
    ASSERT_EQ(platform.topmostCalls.size(), 1u);
    EXPECT_TRUE(platform.topmostCalls[0].topmost);

    state.settings.stayOnTop = false;
    backend.advance(1499);
    EXPECT_EQ(platform.topmostCalls.size(), 1u);
    backend.advance(1);
    ASSERT_EQ(platform.topmostCalls.size(), 2u);
    EXPECT_FALSE(platform.topmostCalls[1].topmost);
    EXPECT_FALSE(platform.topmostCalls[1].activate);
}

// At 120 dpi (12 twips per pixel) a left edge of 1206 twips is 100.5 pixels.
class ClickZones : public VirtualMouseTest {
protected:
    void SetUp() override {
        platform.setScreenPixels(1600, 900, 12.0);
        showWindow();
    }
    void placeWindow(std::int32_t left, std::int32_t top) { window.move(left, top, window.width(), window.height()); }
};

TEST_F(ClickZones, LeftZoneClicksFivePixelsLeftOfTheTip) {
    placeWindow(1206, 1218);  // 100.5 and 101.5 pixels: halves go to even
    platform.clearLogs();
    backend.click(*window.leftClickZone);
    // The window lets go of the mouse before the pointer moves and the click
    // goes in, so that the click cannot be routed back to the window itself.
    EXPECT_EQ(platform.captureReleases, (std::vector<sim::SimPlatform::CaptureRelease>{{0, 0}}));
    EXPECT_EQ(window.tipAtLastClick().x, 100);
    EXPECT_EQ(window.tipAtLastClick().y, 102);
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{95, 102}}));
    ASSERT_EQ(platform.clicks.size(), 1u);
    EXPECT_EQ(platform.clicks[0].button, MouseButton::Left);
    EXPECT_EQ(platform.clicks[0].at, (Point{95, 102}));
    EXPECT_EQ(platform.cursorPos(), (Point{95, 102}));  // the pointer stays there
    EXPECT_EQ(window.left(), 1206);
}

TEST_F(ClickZones, RightZoneMakesARightClick) {
    placeWindow(2400, 1200);
    backend.click(*window.rightClickZone);
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{195, 100}}));
    ASSERT_EQ(platform.clicks.size(), 1u);
    EXPECT_EQ(platform.clicks[0].button, MouseButton::Right);
}

TEST_F(ClickZones, NearTheLeftScreenEdgeThePointerIsAskedForANegativeX) {
    placeWindow(24, 0);
    backend.click(*window.leftClickZone);
    EXPECT_EQ(platform.cursorMoves, (std::vector<Point>{{-3, 0}}));
    ASSERT_EQ(platform.clicks.size(), 1u);
    EXPECT_EQ(platform.clicks[0].at, (Point{0, 0}));  // the platform kept it on screen
}

TEST_F(ClickZones, APressOnAZoneNeverDragsAndReleasingThereClicks) {
    placeWindow(1200, 1200);
    backend.press(*window.leftClickZone, kLeftButton, 100, 100);
    backend.move(*window.leftClickZone, kLeftButton, 400, 300);
    EXPECT_EQ(window.left(), 1200);
    EXPECT_EQ(window.top(), 1200);
    EXPECT_TRUE(platform.clicks.empty());
    backend.release(*window.leftClickZone, kLeftButton, 120, 110);
    EXPECT_EQ(platform.clicks.size(), 1u);
}

TEST_F(ClickZones, ThePictureAndTheLabelsOutsideTheZonesDoNothing) {
    placeWindow(1200, 1200);
    backend.press(*window.mousePicture, kLeftButton, 700, 100);  // right of both zones
    backend.release(*window.mousePicture, kLeftButton, 700, 100);
    EXPECT_TRUE(platform.clicks.empty());
    EXPECT_EQ(window.left(), 1200);
    state.settings.showCoordinates = true;
    backend.advance(1500);
    platform.clearLogs();
    backend.click(*window.pointerCoordinates);
    backend.click(*window.tipCoordinates);
    EXPECT_TRUE(platform.clicks.empty());
    EXPECT_TRUE(platform.cursorMoves.empty());
}

class Dragging : public VirtualMouseTest {
protected:
    void SetUp() override {
        showWindow();
        window.move(3000, 2000, window.width(), window.height());
    }
};

TEST_F(Dragging, TheGrabbedPointStaysUnderThePointer) {
    backend.press(*window.dragArea, kLeftButton, 100.5, 201.5);  // stored as 100 and 202
    backend.move(*window.dragArea, kLeftButton, 150, 262);
    EXPECT_EQ(window.left(), 3050);
    EXPECT_EQ(window.top(), 2060);
    EXPECT_EQ(window.width(), 2655);
    EXPECT_EQ(window.height(), 2700);
    backend.release(*window.dragArea, kLeftButton, 150, 262);
    EXPECT_TRUE(platform.clicks.empty());
}

TEST_F(Dragging, TheBackgroundAndThePictureDragToo) {
    backend.pressForm(window, kLeftButton, 1000, 1500);
    backend.moveForm(window, kLeftButton, 1100, 1450);
    EXPECT_EQ(window.left(), 3100);
    EXPECT_EQ(window.top(), 1950);
    backend.releaseForm(window, kLeftButton, 1100, 1450);

    backend.press(*window.mousePicture, kLeftButton, 700, 50);
    backend.move(*window.mousePicture, kLeftButton, 680, 80);
    EXPECT_EQ(window.left(), 3080);
    EXPECT_EQ(window.top(), 1980);
}

TEST_F(Dragging, OnlyTheLeftButtonDrags) {
    backend.press(*window.dragArea, kRightButton, 100, 100);
    backend.move(*window.dragArea, kRightButton, 400, 400);
    backend.release(*window.dragArea, kRightButton, 400, 400);
    backend.pressForm(window, kRightButton, 1000, 1000);
    backend.moveForm(window, kRightButton, 1300, 1300);
    backend.releaseForm(window, kRightButton, 1300, 1300);
    // A move with no button held after a left press does nothing either.
    backend.press(*window.dragArea, kLeftButton, 100, 100);
    backend.release(*window.dragArea, kLeftButton, 100, 100);
    backend.move(*window.dragArea, 0, 300, 300);
    EXPECT_EQ(window.left(), 3000);
    EXPECT_EQ(window.top(), 2000);
}

TEST_F(Dragging, AllSurfacesShareOneDragStart) {
    // Pressed on the picture, then a move reported by the drag area (after
    // the capture was lost) uses the same start point.
    backend.press(*window.mousePicture, kLeftButton, 700, 100);
    window.captureLost();
    backend.move(*window.dragArea, kLeftButton, 600, 130);
    EXPECT_EQ(window.left(), 2900);
    EXPECT_EQ(window.top(), 2030);
}

}  // namespace
