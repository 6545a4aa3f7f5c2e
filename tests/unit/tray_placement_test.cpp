#include "tray/menu_placement.h"
#include "tray_test_fixture.h"

namespace lumo::tray_test {
namespace {

ScreenMetrics pixels(int width, int height, double twipsPerPixel) {
    return {width * twipsPerPixel, height * twipsPerPixel, twipsPerPixel, twipsPerPixel, width, height};
}

TEST(MenuPlacement, OpensTowardsTheMiddleFromThreeQuarters) {
    const ScreenMetrics hd = pixels(1920, 1080, 15);
    // Lower right: above and to the left.
    EXPECT_EQ(menuPositionAt({1900, 1060}, hd), (MenuPosition{1900 * 15 - 1500, 1060 * 15 - 1800}));
    // Upper right: below and to the left.
    EXPECT_EQ(menuPositionAt({1900, 10}, hd), (MenuPosition{1900 * 15 - 1700, 10 * 15}));
    // Lower left: above and to the right.
    EXPECT_EQ(menuPositionAt({10, 1060}, hd), (MenuPosition{10 * 15, 1060 * 15 - 1700}));
    // Just past both middle lines.
    EXPECT_EQ(menuPositionAt({961, 541}, hd), (MenuPosition{961 * 15 - 1500, 541 * 15 - 1800}));
}

TEST(MenuPlacement, UpperLeftQuarterAndMiddleLinesOpenNothing) {
    const ScreenMetrics hd = pixels(1920, 1080, 15);
    for (Point p : {Point{10, 10}, Point{959, 539}, Point{960, 1000}, Point{960, 10}, Point{1500, 540}, Point{10, 540},
                    Point{960, 540}, Point{-5, -5}}) {
        EXPECT_FALSE(menuPositionAt(p, hd).has_value()) << p.x << "," << p.y;
    }
}

TEST(MenuPlacement, OddScreenAtAnotherFactorHasNoMiddlePixel) {
    // 1365 x 767 at 12 twips per pixel: the halves are 682.5 and 383.5.
    const ScreenMetrics odd = pixels(1365, 767, 12);
    EXPECT_EQ(menuPositionAt({683, 384}, odd), (MenuPosition{683 * 12 - 1500, 384 * 12 - 1800}));
    EXPECT_EQ(menuPositionAt({683, 383}, odd), (MenuPosition{683 * 12 - 1700, 383 * 12}));
    EXPECT_EQ(menuPositionAt({682, 384}, odd), (MenuPosition{682 * 12, 384 * 12 - 1700}));
    EXPECT_FALSE(menuPositionAt({682, 383}, odd).has_value());
    // At 9.6 twips per pixel the twips are rounded to whole numbers.
    const ScreenMetrics dense = pixels(2000, 1200, 9.6);
    EXPECT_EQ(menuPositionAt({1001, 601}, dense), (MenuPosition{9610 - 1500, 5770 - 1800}));
    // At 168 dpi twips do not divide back into whole pixels: the middle lines stay exact.
    const ScreenMetrics scaled = screenMetricsAt(1280, 800, 168, 168);
    EXPECT_FALSE(menuPositionAt({1000, 400}, scaled).has_value());
    EXPECT_FALSE(menuPositionAt({640, 600}, scaled).has_value());
    EXPECT_TRUE(menuPositionAt({641, 401}, scaled).has_value());
}

TEST(MenuPlacement, BrokenMetricsOpenNothing) {
    EXPECT_FALSE(menuPositionAt({5, 5}, ScreenMetrics{0, 0, 0, 0, 0, 0}).has_value());
}

TEST_F(TrayTest, PopupShowsRaisesActivatingThenMoves) {
    tray.load();
    tray.move(300, 450, tray.width(), tray.height());
    bool visibleAtRaise = false;
    std::int32_t leftAtRaise = 0;
    platform.onTopmost = [&] {
        visibleAtRaise = tray.visible();
        leftAtRaise = tray.left();
    };
    platform.movePointer({1800, 1000});
    backend.trayMessage(tray, TrayEvent::RightUp);

    EXPECT_TRUE(visibleAtRaise);
    EXPECT_EQ(leftAtRaise, 300);
    ASSERT_EQ(platform.topmostCalls.size(), 1u);
    EXPECT_EQ(platform.topmostCalls[0].window, tray.handle());
    EXPECT_TRUE(platform.topmostCalls[0].topmost);
    EXPECT_TRUE(platform.topmostCalls[0].activate);
    // Bottom-right corner 75 twips right of and 225 twips above the pointer.
    EXPECT_EQ(tray.left() + tray.width(), 1800 * 15 + 75);
    EXPECT_EQ(tray.top() + tray.height(), 1000 * 15 - 225);
    EXPECT_EQ(tray.width(), 1575);

    // Another release while it is up only moves it.
    platform.movePointer({100, 1000});
    backend.trayMessage(tray, TrayEvent::RightUp);
    EXPECT_TRUE(tray.visible());
    EXPECT_EQ(tray.left(), 1500);
    EXPECT_EQ(tray.top(), 1000 * 15 - 1700);
}

TEST_F(TrayTest, PopupInTheUpperLeftOrOnAMiddleLineDoesNothing) {
    tray.load();
    for (Point p : {Point{100, 100}, Point{960, 900}, Point{1800, 540}}) {
        platform.movePointer(p);
        backend.trayMessage(tray, TrayEvent::RightUp);
    }
    EXPECT_FALSE(tray.visible());
    EXPECT_TRUE(platform.topmostCalls.empty());
}

TEST_F(TrayTest, PopupUsesTheCurrentScreenFactor) {
    platform.setScreenPixels(1600, 900, 12);
    tray.load();
    platform.movePointer({1590, 890});
    backend.trayMessage(tray, TrayEvent::RightUp);
    EXPECT_EQ(tray.left(), 1590 * 12 - 1500);
    EXPECT_EQ(tray.top(), 890 * 12 - 1800);
}

}  // namespace
}  // namespace lumo::tray_test
