#include "pointer_core/key_name_table.h"
#include "settings_window/resolution_line.h"
#include "settings_test_fixture.h"

namespace lumo::testing {
namespace {

TEST(SettingsStartup, KeyFieldsStayZeroUntilTheFirstLoad) {
    sim::SimPlatform platform;
    sim::SimBackend backend(platform);
    forms::Runtime runtime(platform, backend);
    SharedState state;
    AppWindows windows;
    SettingsWindow form2(runtime, state, windows);
    EXPECT_EQ(state.keyUp, 0);
    form2.hide();  // hiding an unloaded window loads it, and leaves it hidden
    EXPECT_TRUE(form2.loaded());
    EXPECT_FALSE(form2.visible());
    EXPECT_EQ(state.keyUp, Key::Up);
    EXPECT_EQ(state.keyDown, Key::Down);
    EXPECT_EQ(state.keyLeft, Key::Left);
    EXPECT_EQ(state.keyRight, Key::Right);
    EXPECT_EQ(state.keyLeftClick, Key::NumpadZero);
    EXPECT_EQ(state.keyRightClick, Key::NumpadDecimal);
}

TEST_F(SettingsWindowTest, LoadLaysOutTheWindowFromItsTitleStripAndBody) {
    EXPECT_EQ(form2.width(), 5535);
    EXPECT_EQ(form2.height(), 6015);
    EXPECT_EQ(form2.Shape4->left(), 0);
    EXPECT_EQ(form2.Shape4->top(), 495);
    EXPECT_EQ(form2.Shape4->width(), 5535);
    EXPECT_EQ(form2.Frame4->left(), 120);
    EXPECT_EQ(form2.Frame4->top(), 600);
    EXPECT_FALSE(form2.Frame4->visible());
    EXPECT_EQ(form2.caption(), "Lumo桌面小鼠标");
    EXPECT_TRUE(form2.showInTaskbar());
    EXPECT_EQ(form2.icon(), Asset::AppIcon);
}

TEST_F(SettingsWindowTest, LoadGivesTheClosePointerToTheLinksImagesAndHotkeyBoxes) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             form2.Image2, form2.Image3, form2.Label4, form2.Text1, form2.Text2, form2.Text3, form2.Text4,
             form2.Text5, form2.Text6, form2.Image6, form2.Image8, form2.Image9, form2.Label23, form2.Label24,
             form2.Label25, form2.Label26}) {
        EXPECT_EQ(c->cursor(), Asset::HandCursor) << c->name();
    }
}

TEST_F(SettingsWindowTest, PickerListHoldsTheKeyNamesWithNothingSelected) {
    ASSERT_EQ(form2.List1->listCount(), kKeyRowCount);
    for (int row = 0; row < kKeyRowCount; ++row) EXPECT_EQ(form2.List1->items()[row], keyNameTable()[row].name);
    EXPECT_EQ(form2.List1->listIndex(), -1);
    EXPECT_EQ(form2.LumoAnniu20102->Caption(), " 确定");
    EXPECT_EQ(form2.LumoAnniu20103->Caption(), " 取消");
}

TEST_F(SettingsWindowTest, ResolutionLineIsWrittenAtLoadAndRewrittenByAClick) {
    EXPECT_EQ(form2.Label3->text(), "屏幕分辨率:1920 * 1080");
    EXPECT_GT(form2.Label3->width(), 540);  // sizes itself to its text

    platform.setScreenPixels(1366, 768);
    EXPECT_EQ(form2.Label3->text(), "屏幕分辨率:1920 * 1080");  // no update by itself
    backend.click(*form2.Label3);
    EXPECT_EQ(form2.Label3->text(), "屏幕分辨率:1366 * 768");
    platform.setScreen(screenMetricsAt(1280, 800, 168, 168));
    backend.click(*form2.Label3);
    EXPECT_EQ(form2.Label3->text(), "屏幕分辨率:1280 * 800");
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

TEST_F(SettingsWindowTest, ReloadAfterApplyResetsTheKeysAndControlsButNoOtherField) {
    backend.click(*form2.Check2);
    backend.edit(*form2.Text11, "7");
    backend.click(*form2.Option3);
    backend.click(*form2.Text3);
    backend.selectRow(*form2.List1, 65);  // Z键
    backend.click(*form2.LumoAnniu20102->host());
    ASSERT_EQ(state.keyLeft, 90);
    backend.click(*form2.LumoAnniu20101->host());
    ASSERT_FALSE(form2.loaded());

    form2.show();
    EXPECT_EQ(state.keyLeft, Key::Left);
    EXPECT_EQ(form2.Text3->text(), "方向键←");
    EXPECT_EQ(form2.Check2->value(), 0);
    EXPECT_FALSE(form2.Check5->enabled());
    EXPECT_TRUE(form2.Option1->value());
    EXPECT_EQ(form2.Text11->text(), "3");
    EXPECT_EQ(form2.List1->listIndex(), -1);
    EXPECT_EQ(state.stepPixels, 7);
    EXPECT_EQ(state.followMode, FollowMode::DragByHand);
    EXPECT_TRUE(state.hotkeysEnabled);
    EXPECT_EQ(state.pendingKeySlot, 3);
}

}  // namespace
}  // namespace lumo::testing
