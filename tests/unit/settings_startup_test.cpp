#include "pointer_core/key_name_table.h"
#include "settings_window/resolution_line.h"
#include "settings_test_fixture.h"

namespace lumo::testing {
namespace {

TEST(SettingsStartup, HidingTheUnloadedWindowLoadsItHidden) {
    sim::SimPlatform platform;
    sim::SimBackend backend(platform);
    forms::Runtime runtime(platform, backend);
    SharedState state;
    SettingsWindow settings(runtime, state);
    settings.hide();
    EXPECT_TRUE(settings.loaded());
    EXPECT_FALSE(settings.visible());
}

TEST_F(SettingsWindowTest, TheFirstLoadShowsTheSettingsOfAFirstStart) {
    EXPECT_EQ(state.settings, Settings{});
    EXPECT_EQ(settings.options.keyBoxes[Action::Up]->text(), "方向键↑");
    EXPECT_EQ(settings.options.keyBoxes[Action::RightClick]->text(), "小数(.)键");
    EXPECT_EQ(settings.options.stepBox->text(), "3");
    EXPECT_EQ(settings.options.hotkeysCheck->value(), 0);
    EXPECT_EQ(settings.options.hideMouseCheck->value(), 0);
    EXPECT_FALSE(settings.options.hideMouseCheck->enabled());
    EXPECT_EQ(settings.options.showCoordinatesCheck->value() + settings.options.colorPointerCheck->value() +
                  settings.options.stayOnTopCheck->value(),
              3);
    EXPECT_TRUE(settings.options.followSlow->value());
    EXPECT_FALSE(settings.picker.keyPicker->visible());
}

TEST_F(SettingsWindowTest, LoadLaysOutTheWindowFromItsTitleStripAndBody) {
    EXPECT_EQ(settings.width(), 5535);
    EXPECT_EQ(settings.height(), 6015);
    EXPECT_EQ(settings.titleBar.bodyOutline->left(), 0);
    EXPECT_EQ(settings.titleBar.bodyOutline->top(), 495);
    EXPECT_EQ(settings.titleBar.bodyOutline->width(), 5535);
    EXPECT_EQ(settings.picker.keyPicker->left(), 120);
    EXPECT_EQ(settings.picker.keyPicker->top(), 600);
    EXPECT_FALSE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.caption(), "Lumo桌面小鼠标");
    EXPECT_TRUE(settings.showInTaskbar());
    EXPECT_EQ(settings.icon(), Asset::AppIcon);
}

TEST_F(SettingsWindowTest, LoadGivesTheClosePointerToTheLinksImagesAndHotkeyBoxes) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             settings.titleBar.closeBox, settings.titleBar.minimizeBox, settings.options.aboutLink,
             settings.options.keyBoxes[Action::Up], settings.options.keyBoxes[Action::Down],
             settings.options.keyBoxes[Action::Left], settings.options.keyBoxes[Action::Right],
             settings.options.keyBoxes[Action::LeftClick], settings.options.keyBoxes[Action::RightClick],
             settings.panel.searchButton, settings.panel.foldButton, settings.panel.unfoldButton,
             settings.panel.shopLink, settings.panel.crownShopsLink, settings.panel.mallLink,
             settings.panel.generalChannelLink}) {
        EXPECT_EQ(c->cursor(), Asset::HandCursor) << c->name();
    }
}

TEST_F(SettingsWindowTest, PickerListHoldsTheKeyNamesWithNothingSelected) {
    ASSERT_EQ(settings.picker.keyList->listCount(), kKeyRowCount);
    for (int row = 0; row < kKeyRowCount; ++row)
        EXPECT_EQ(settings.picker.keyList->items()[row], keyNameTable()[row].name);
    EXPECT_EQ(settings.picker.keyList->listIndex(), -1);
}

TEST_F(SettingsWindowTest, ResolutionLineIsWrittenAtLoadAndRewrittenByAClick) {
    EXPECT_EQ(settings.options.resolutionLabel->text(), "屏幕分辨率:1920 * 1080");
    EXPECT_GT(settings.options.resolutionLabel->width(), 540);  // sizes itself to its text

    platform.setScreenPixels(1366, 768);
    EXPECT_EQ(settings.options.resolutionLabel->text(), "屏幕分辨率:1920 * 1080");  // no update by itself
    backend.click(*settings.options.resolutionLabel);
    EXPECT_EQ(settings.options.resolutionLabel->text(), "屏幕分辨率:1366 * 768");
    platform.setScreen(screenMetricsAt(1280, 800, 168, 168));
    backend.click(*settings.options.resolutionLabel);
    EXPECT_EQ(settings.options.resolutionLabel->text(), "屏幕分辨率:1280 * 800");
}

TEST(ResolutionLine, ReadsWholePixelsAtEveryUsualScale) {
    // 1440 twips per inch divide evenly only at some of these dpi (168 gives 8.571... twips a pixel).
    const Point screens[] = {{1280, 800}, {1366, 768}, {1920, 1080}, {2560, 1600}, {2880, 1800}, {3840, 2160}};
    for (const int dpi : {96, 120, 144, 168, 192, 216}) {
        for (const Point size : screens) {
            EXPECT_EQ(resolutionLine(screenMetricsAt(size.x, size.y, dpi, dpi)),
                      "屏幕分辨率:" + std::to_string(size.x) + " * " + std::to_string(size.y))
                << dpi << " dpi";
        }
    }
}

TEST_F(SettingsWindowTest, ReloadShowsTheSettingsInEffectAndApplyingThemUnchangedChangesNothing) {
    backend.click(*settings.options.hotkeysCheck);
    backend.edit(*settings.options.stepBox, "7");
    backend.click(*settings.options.dragByHand);
    backend.click(*settings.options.colorPointerCheck);
    backend.click(*settings.options.keyBoxes[Action::Left]);
    backend.selectRow(*settings.picker.keyList, 65);  // Z键
    backend.click(*settings.picker.confirmKeyButton->host());
    backend.click(*settings.options.applyButton->host());
    ASSERT_FALSE(settings.loaded());
    const Settings applied = state.settings;

    settings.show();
    EXPECT_EQ(settings.options.keyBoxes[Action::Left]->text(), "Z键");
    EXPECT_EQ(settings.options.keyBoxes[Action::Up]->text(), "方向键↑");
    EXPECT_EQ(settings.options.hotkeysCheck->value(), 1);
    EXPECT_TRUE(settings.options.hideMouseCheck->enabled());
    EXPECT_TRUE(settings.options.dragByHand->value());
    EXPECT_EQ(settings.options.colorPointerCheck->value(), 0);
    EXPECT_EQ(settings.options.stepBox->text(), "7");
    EXPECT_FALSE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.picker.keyList->listIndex(), -1);
    EXPECT_EQ(settings.picker.pendingKeySlot(), 3);
    backend.click(*settings.options.applyButton->host());
    EXPECT_EQ(state.settings, applied);

    // The switch key turns hotkeys off at run time; the window shows that.
    state.settings.hotkeysEnabled = false;
    settings.show();
    EXPECT_EQ(settings.options.hotkeysCheck->value(), 0);
    EXPECT_FALSE(settings.options.hideMouseCheck->enabled());
}

}  // namespace
}  // namespace lumo::testing
