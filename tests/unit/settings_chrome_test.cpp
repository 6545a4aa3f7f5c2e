#include "platform/units.h"
#include "settings_test_fixture.h"
#include "settings_window/shop_links.h"

namespace lumo::testing {
namespace {

constexpr int kBothButtons = forms::kLeftButton | forms::kRightButton;

class ChromeTest : public SettingsWindowTest {
protected:
    void openMenu() {
        tap(*form2.Image4, forms::kRightButton);
        ASSERT_TRUE(form2.Frame3->visible());
    }
    void startMoveMode() {
        openMenu();
        tap(*form2.Label19, forms::kRightButton);
        ASSERT_TRUE(form2.Timer2->running());
    }
    void emptyChatBox() {
        backend.click(*form2.Text10);
        ASSERT_EQ(form2.Text10->text(), "");
    }
    bool moveModeOn() const { return form2.Timer2->running() && form2.Label20->visible(); }
    bool moveModeOff() const { return !form2.Timer2->running() && !form2.Label20->visible(); }
};

TEST_F(ChromeTest, BodyPressClosesMenusEndsMoveModeAndDragsOnlyWithTheLeftButtonAlone) {
    form3.show();
    startMoveMode();
    openMenu();
    emptyChatBox();
    backend.pressForm(form2, forms::kRightButton, 2000, 4300);
    EXPECT_FALSE(form3.visible());
    EXPECT_FALSE(form2.Frame3->visible());
    EXPECT_TRUE(moveModeOff());
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder());
    EXPECT_FALSE(dragged());
    backend.releaseForm(form2, forms::kRightButton, 2000, 4300);

    backend.pressForm(form2, kBothButtons, 2000, 4300);
    EXPECT_FALSE(dragged());
    backend.releaseForm(form2, kBothButtons, 2000, 4300);

    pressBody(forms::kLeftButton, 2000, 100);  // the free part of the title bar is body too
    EXPECT_EQ(platform.drags, std::vector<WindowHandle>{form2.handle()});
}

TEST_F(ChromeTest, KeyPickerFrameAndBannerEndMoveModeAndDrag) {
    backend.click(*form2.Text1);  // the key picker is open
    for (forms::Control* surface : std::initializer_list<forms::Control*>{form2.Frame4, form2.Image5}) {
        const auto press = [&](int button) { tap(*surface, button); };
        startMoveMode();
        openMenu();
        press(kBothButtons);
        EXPECT_FALSE(form2.Frame3->visible());
        EXPECT_TRUE(moveModeOff());
        EXPECT_FALSE(dragged());
        press(forms::kLeftButton);
        EXPECT_TRUE(dragged());
        platform.drags.clear();
    }
}

TEST_F(ChromeTest, OnlyTheBodyFrameAndBannerStopMoveMode) {
    startMoveMode();
    tap(*form2.Image1, forms::kLeftButton);
    EXPECT_TRUE(dragged());
    tap(*form2.Label1, forms::kLeftButton);
    tap(*form2.Image4, forms::kLeftButton);
    EXPECT_TRUE(moveModeOn());
}

TEST_F(ChromeTest, SchematicPressRestoresTheChatHintAndFocusesEnterField) {
    emptyChatBox();
    openMenu();
    tap(*form2.Image1, forms::kRightButton);
    EXPECT_FALSE(form2.Frame3->visible());
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder());
    EXPECT_EQ(form2.Text10->foreColor(), 0x808080u);
    EXPECT_EQ(form2.activeControl(), form2.Text8);
    EXPECT_FALSE(dragged());
}

TEST_F(ChromeTest, TitleTextDragsOnTheFirstMoveWithTheLeftButtonHeld) {
    openMenu();
    backend.press(*form2.Label1, forms::kLeftButton);
    EXPECT_FALSE(form2.Frame3->visible());
    EXPECT_FALSE(dragged());
    backend.move(*form2.Label1, kBothButtons);
    EXPECT_FALSE(dragged());
    backend.move(*form2.Label1, forms::kLeftButton);
    EXPECT_TRUE(dragged());
}

TEST_F(ChromeTest, IconTogglesTheWindowMenu) {
    tap(*form2.Image4, forms::kLeftButton);
    EXPECT_TRUE(form2.Frame3->visible());
    tap(*form2.Image4, forms::kMiddleButton);
    EXPECT_FALSE(form2.Frame3->visible());
}

TEST_F(ChromeTest, MenuItemsStayHighlightedUntilTheMenuBackgroundOrTheWatchClearsThem) {
    openMenu();
    backend.move(*form2.Label19, 0);
    backend.move(*form2.Label16, 0);
    EXPECT_EQ(form2.Label19->backColor(), 0xFF8080u);
    EXPECT_EQ(form2.Label16->backColor(), 0xFF8080u);
    EXPECT_EQ(form2.Label17->backColor(), 0xFFC0C0u);

    backend.move(*form2.Frame3, 0, 500, 540);  // the gap between Move and Minimize
    for (auto* item : {form2.Label16, form2.Label17, form2.Label19}) EXPECT_EQ(item->backColor(), 0xFFC0C0u);

    backend.move(*form2.Label17, 0);
    platform.setForeground(0x4242);
    backend.advance(50);
    EXPECT_EQ(state.foregroundWindow, 0x4242);
    EXPECT_EQ(form2.Label17->backColor(), 0xFFC0C0u);
    EXPECT_FALSE(form2.Frame3->visible());
}

TEST_F(ChromeTest, ForegroundWatchLeavesTheMenuWhileThisWindowIsInFront) {
    openMenu();
    backend.move(*form2.Label17, 0);
    backend.advance(500);
    EXPECT_TRUE(form2.Frame3->visible());
    EXPECT_EQ(form2.Label17->backColor(), 0xFF8080u);
    EXPECT_EQ(state.foregroundWindow, static_cast<std::intptr_t>(form2.handle()));
}

TEST_F(ChromeTest, ForegroundWatchRunsOnlyWhileShownAndHidingClosesTheMenu) {
    openMenu();
    backend.move(*form2.Label17, 0);
    form2.hide();
    EXPECT_FALSE(form2.Timer1->running());
    EXPECT_FALSE(form2.Frame3->visible());
    EXPECT_EQ(form2.Label17->backColor(), 0xFFC0C0u);
    platform.setForeground(0x4242);
    backend.advance(500);
    EXPECT_EQ(state.foregroundWindow, 0);
    form2.show();
    backend.advance(50);
    EXPECT_EQ(state.foregroundWindow, 0x4242);
}

TEST_F(ChromeTest, CloseItemActsOnThePressCloseBoxOnTheClick) {
    openMenu();
    backend.press(*form2.Label16, forms::kRightButton);
    EXPECT_EQ(exits, 1);
    backend.release(*form2.Label16, forms::kRightButton);

    backend.press(*form2.Image2, forms::kLeftButton);
    EXPECT_EQ(exits, 1);
    backend.release(*form2.Image2, forms::kLeftButton);
    EXPECT_EQ(exits, 2);
}

TEST_F(ChromeTest, MinimizeItemAndBoxActOnTheClick) {
    openMenu();
    backend.press(*form2.Label17, forms::kLeftButton);
    EXPECT_EQ(form2.windowState(), forms::WindowState::Normal);
    backend.release(*form2.Label17, forms::kLeftButton);
    EXPECT_EQ(form2.windowState(), forms::WindowState::Minimized);
    EXPECT_FALSE(form2.Frame3->visible());

    form2.show();
    backend.press(*form2.Image3, forms::kLeftButton);
    EXPECT_EQ(form2.windowState(), forms::WindowState::Normal);
    backend.release(*form2.Image3, forms::kLeftButton);
    EXPECT_EQ(form2.windowState(), forms::WindowState::Minimized);
    EXPECT_TRUE(form2.visible());
}

TEST_F(ChromeTest, MoveModeKeepsThePointerOverTheTitleBarBodyUntilPressed) {
    startMoveMode();
    EXPECT_FALSE(form2.Frame3->visible());
    EXPECT_TRUE(form2.Label20->visible());

    for (Point p : {Point{512, 384}, Point{0, 0}, Point{1919, 1079}, Point{-300, 5000}}) {
        platform.movePointer(p);
        backend.advance(10);
        EXPECT_EQ(form2.Label20->text(), coordinateText(p.x, p.y));
        EXPECT_EQ(form2.top(), p.y * 15 - 30);
        // The pointer is over the window body, so a press there ends move mode.
        const double x = p.x * 15.0 - form2.left(), y = p.y * 15.0 - form2.top();
        EXPECT_GT(x, 0);
        EXPECT_LT(x, form2.width());
        EXPECT_EQ(form2.hitTest(nullptr, x, y), nullptr) << x << "," << y;
    }
    EXPECT_EQ(form2.left(), roundHalfEven(-300 * 15.0 - 5535 / 2.0));

    form2.hide();  // hiding does not end move mode
    backend.advance(10);
    EXPECT_TRUE(form2.Timer2->running());
    form2.show();
    pressBody(forms::kLeftButton, -300 * 15.0 - form2.left(), 30);
    EXPECT_TRUE(moveModeOff());
    const std::int32_t left = form2.left();
    platform.movePointer({100, 100});
    backend.advance(100);
    EXPECT_EQ(form2.left(), left);
}

TEST_F(ChromeTest, ResolutionLabelAndAboutLink) {
    platform.setScreenPixels(800, 600);
    backend.click(*form2.Label3);
    EXPECT_EQ(form2.Label3->text(), "屏幕分辨率:800 * 600");

    backend.click(*form2.Label4);
    EXPECT_TRUE(about.visible());
    EXPECT_EQ(about.owner(), &form2);
    backend.click(*form2.Label4);
    EXPECT_EQ(about.loads, 1);
    EXPECT_TRUE(about.visible());
}

TEST_F(ChromeTest, UnloadStopsBothTimers) {
    startMoveMode();
    backend.click(*form2.LumoAnniu20101->host());
    platform.setForeground(0);
    backend.advance(1000);
    EXPECT_EQ(state.foregroundWindow, static_cast<std::intptr_t>(form2.handle()));
    form2.show();
    EXPECT_TRUE(moveModeOff());
    EXPECT_TRUE(form2.Timer1->running());
}

}  // namespace
}  // namespace lumo::testing
