#include "platform/units.h"
#include "settings_test_fixture.h"
#include "settings_window/shop_links.h"

namespace lumo::testing {
namespace {

constexpr int kBothButtons = forms::kLeftButton | forms::kRightButton;

class ChromeTest : public SettingsWindowTest {
protected:
    void openMenu() {
        tap(*settings.titleBar.windowMenuIcon, forms::kRightButton);
        ASSERT_TRUE(settings.titleBar.windowMenu->visible());
    }
    void startMoveMode() {
        openMenu();
        tap(*settings.titleBar.menuMoveItem, forms::kRightButton);
        ASSERT_TRUE(settings.titleBar.moveModeTimer->running());
    }
    void emptyChatBox() {
        backend.click(*settings.panel.chatBox);
        ASSERT_EQ(settings.panel.chatBox->text(), "");
    }
    // A highlighted item stands out from the menu's background.
    bool highlighted(const forms::Label* item) const {
        return item->backColor() != settings.titleBar.windowMenu->backColor();
    }
    bool moveModeOn() const {
        return settings.titleBar.moveModeTimer->running() && settings.titleBar.moveModeCoordinates->visible();
    }
    bool moveModeOff() const {
        return !settings.titleBar.moveModeTimer->running() && !settings.titleBar.moveModeCoordinates->visible();
    }
};

TEST_F(ChromeTest, BodyPressClosesMenusEndsMoveModeAndDragsOnlyWithTheLeftButtonAlone) {
    trayMenu.show();
    startMoveMode();
    openMenu();
    emptyChatBox();
    backend.pressForm(settings, forms::kRightButton, 2000, 4300);
    EXPECT_FALSE(trayMenu.visible());
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
    EXPECT_TRUE(moveModeOff());
    EXPECT_EQ(settings.panel.chatBox->text(), chatPlaceholder());
    EXPECT_FALSE(dragged());
    backend.releaseForm(settings, forms::kRightButton, 2000, 4300);

    backend.pressForm(settings, kBothButtons, 2000, 4300);
    EXPECT_FALSE(dragged());
    backend.releaseForm(settings, kBothButtons, 2000, 4300);

    pressBody(forms::kLeftButton, 2000, 100);  // the free part of the title bar is body too
    EXPECT_EQ(platform.drags, std::vector<WindowHandle>{settings.handle()});
}

TEST_F(ChromeTest, KeyPickerFrameAndBannerEndMoveModeAndDrag) {
    backend.click(*settings.options.keyBoxes[Action::Up]);  // the key picker is open
    for (forms::Control* surface :
         std::initializer_list<forms::Control*>{settings.picker.keyPicker, settings.panel.searchBanner}) {
        const auto press = [&](int button) { tap(*surface, button); };
        startMoveMode();
        openMenu();
        press(kBothButtons);
        EXPECT_FALSE(settings.titleBar.windowMenu->visible());
        EXPECT_TRUE(moveModeOff());
        EXPECT_FALSE(dragged());
        press(forms::kLeftButton);
        EXPECT_TRUE(dragged());
        platform.drags.clear();
    }
}

TEST_F(ChromeTest, OnlyTheBodyFrameAndBannerStopMoveMode) {
    startMoveMode();
    tap(*settings.options.schematic, forms::kLeftButton);
    EXPECT_TRUE(dragged());
    tap(*settings.titleBar.titleText, forms::kLeftButton);
    tap(*settings.titleBar.windowMenuIcon, forms::kLeftButton);
    EXPECT_TRUE(moveModeOn());
}

TEST_F(ChromeTest, SchematicPressRestoresTheChatHintAndFocusesEnterField) {
    emptyChatBox();
    openMenu();
    tap(*settings.options.schematic, forms::kRightButton);
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
    EXPECT_TRUE(chatHintShown());
    EXPECT_EQ(settings.activeControl(), settings.options.enterBox);
    EXPECT_FALSE(dragged());
}

TEST_F(ChromeTest, TitleTextDragsOnTheFirstMoveWithTheLeftButtonHeld) {
    openMenu();
    backend.press(*settings.titleBar.titleText, forms::kLeftButton);
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
    EXPECT_FALSE(dragged());
    backend.move(*settings.titleBar.titleText, kBothButtons);
    EXPECT_FALSE(dragged());
    backend.move(*settings.titleBar.titleText, forms::kLeftButton);
    EXPECT_TRUE(dragged());
}

TEST_F(ChromeTest, IconTogglesTheWindowMenu) {
    tap(*settings.titleBar.windowMenuIcon, forms::kLeftButton);
    EXPECT_TRUE(settings.titleBar.windowMenu->visible());
    tap(*settings.titleBar.windowMenuIcon, forms::kMiddleButton);
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
}

TEST_F(ChromeTest, MenuItemsStayHighlightedUntilTheMenuBackgroundOrTheWatchClearsThem) {
    openMenu();
    backend.move(*settings.titleBar.menuMoveItem, 0);
    backend.move(*settings.titleBar.menuCloseItem, 0);
    EXPECT_TRUE(highlighted(settings.titleBar.menuMoveItem));
    EXPECT_TRUE(highlighted(settings.titleBar.menuCloseItem));
    EXPECT_FALSE(highlighted(settings.titleBar.menuMinimizeItem));

    backend.move(*settings.titleBar.windowMenu, 0, 500, 540);  // the gap between Move and Minimize
    const TitleBar& bar = settings.titleBar;
    for (auto* item : {bar.menuCloseItem, bar.menuMinimizeItem, bar.menuMoveItem}) {
        EXPECT_FALSE(highlighted(item));
    }

    backend.move(*settings.titleBar.menuMinimizeItem, 0);
    platform.setForeground(0x4242);
    backend.advance(50);
    EXPECT_EQ(static_cast<std::intptr_t>(settings.titleBar.lastForegroundWindow()), 0x4242);
    EXPECT_FALSE(highlighted(settings.titleBar.menuMinimizeItem));
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
}

TEST_F(ChromeTest, ForegroundWatchLeavesTheMenuWhileThisWindowIsInFront) {
    openMenu();
    backend.move(*settings.titleBar.menuMinimizeItem, 0);
    backend.advance(500);
    EXPECT_TRUE(settings.titleBar.windowMenu->visible());
    EXPECT_TRUE(highlighted(settings.titleBar.menuMinimizeItem));
    EXPECT_EQ(settings.titleBar.lastForegroundWindow(), settings.handle());
}

TEST_F(ChromeTest, ForegroundWatchRunsOnlyWhileShownAndHidingClosesTheMenu) {
    openMenu();
    backend.move(*settings.titleBar.menuMinimizeItem, 0);
    settings.hide();
    EXPECT_FALSE(settings.titleBar.foregroundWatchTimer->running());
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
    EXPECT_FALSE(highlighted(settings.titleBar.menuMinimizeItem));
    platform.setForeground(0x4242);
    backend.advance(500);
    EXPECT_EQ(static_cast<std::intptr_t>(settings.titleBar.lastForegroundWindow()), 0);
    settings.show();
    backend.advance(50);
    EXPECT_EQ(static_cast<std::intptr_t>(settings.titleBar.lastForegroundWindow()), 0x4242);
}

TEST_F(ChromeTest, CloseItemActsOnThePressCloseBoxOnTheClick) {
    openMenu();
    backend.press(*settings.titleBar.menuCloseItem, forms::kRightButton);
    EXPECT_EQ(exits, 1);
    backend.release(*settings.titleBar.menuCloseItem, forms::kRightButton);

    backend.press(*settings.titleBar.closeBox, forms::kLeftButton);
    EXPECT_EQ(exits, 1);
    backend.release(*settings.titleBar.closeBox, forms::kLeftButton);
    EXPECT_EQ(exits, 2);
}

TEST_F(ChromeTest, MinimizeItemAndBoxActOnTheClick) {
    openMenu();
    backend.press(*settings.titleBar.menuMinimizeItem, forms::kLeftButton);
    EXPECT_EQ(settings.windowState(), forms::WindowState::Normal);
    backend.release(*settings.titleBar.menuMinimizeItem, forms::kLeftButton);
    EXPECT_EQ(settings.windowState(), forms::WindowState::Minimized);
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());

    settings.show();
    backend.press(*settings.titleBar.minimizeBox, forms::kLeftButton);
    EXPECT_EQ(settings.windowState(), forms::WindowState::Normal);
    backend.release(*settings.titleBar.minimizeBox, forms::kLeftButton);
    EXPECT_EQ(settings.windowState(), forms::WindowState::Minimized);
    EXPECT_TRUE(settings.visible());
}

TEST_F(ChromeTest, MoveModeKeepsThePointerOverTheTitleBarBodyUntilPressed) {
    startMoveMode();
    EXPECT_FALSE(settings.titleBar.windowMenu->visible());
    EXPECT_TRUE(settings.titleBar.moveModeCoordinates->visible());

    for (Point p : {Point{512, 384}, Point{0, 0}, Point{1919, 1079}, Point{-300, 5000}}) {
        platform.movePointer(p);
        backend.advance(10);
        EXPECT_EQ(settings.titleBar.moveModeCoordinates->text(), coordinateText(p.x, p.y));
        EXPECT_EQ(settings.top(), p.y * 15 - 30);
        // The pointer is over the window body, so a press there ends move mode.
        const double x = p.x * 15.0 - settings.left(), y = p.y * 15.0 - settings.top();
        EXPECT_GT(x, 0);
        EXPECT_LT(x, settings.width());
        EXPECT_EQ(settings.hitTest(nullptr, x, y), nullptr) << x << "," << y;
    }
    EXPECT_EQ(settings.left(), roundHalfEven(-300 * 15.0 - 5535 / 2.0));

    settings.hide();  // hiding does not end move mode
    backend.advance(10);
    EXPECT_TRUE(settings.titleBar.moveModeTimer->running());
    settings.show();
    pressBody(forms::kLeftButton, -300 * 15.0 - settings.left(), 30);
    EXPECT_TRUE(moveModeOff());
    const std::int32_t left = settings.left();
    platform.movePointer({100, 100});
    backend.advance(100);
    EXPECT_EQ(settings.left(), left);
}

TEST_F(ChromeTest, ResolutionLabelAndAboutLink) {
    platform.setScreenPixels(800, 600);
    backend.click(*settings.options.resolutionLabel);
    EXPECT_EQ(settings.options.resolutionLabel->text(), "屏幕分辨率:800 * 600");

    backend.click(*settings.options.aboutLink);
    EXPECT_TRUE(about.visible());
    EXPECT_EQ(about.owner(), &settings);
    backend.click(*settings.options.aboutLink);
    EXPECT_EQ(about.loads, 1);
    EXPECT_TRUE(about.visible());
}

TEST_F(ChromeTest, UnloadStopsBothTimers) {
    startMoveMode();
    backend.click(*settings.options.applyButton->host());
    platform.setForeground(0);
    backend.advance(1000);
    EXPECT_EQ(settings.titleBar.lastForegroundWindow(), settings.handle());
    settings.show();
    EXPECT_TRUE(moveModeOff());
    EXPECT_TRUE(settings.titleBar.foregroundWatchTimer->running());
}

}  // namespace
}  // namespace lumo::testing
