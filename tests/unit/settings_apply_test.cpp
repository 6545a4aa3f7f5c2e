#include "settings_test_fixture.h"
#include "settings_window/step_text.h"

namespace lumo::testing {
namespace {

class ApplyTest : public SettingsWindowTest {
protected:
    void apply() { backend.click(*settings.options.applyButton->host()); }
};

TEST_F(ApplyTest, VirtualMouseLoadsBeforeAnyFieldIsWritten) {
    SharedState seenAtLoad;
    virtualMouse.onLoad = [&] { seenAtLoad = state; };
    state.settings.stepPixels = 11;
    state.settings.stayOnTop = false;
    state.settings.followMode = FollowMode::Fast;
    const Settings before = state.settings;
    apply();
    EXPECT_EQ(virtualMouse.loads, 1);
    EXPECT_TRUE(virtualMouse.visible());
    EXPECT_EQ(seenAtLoad.settings, before);
    EXPECT_FALSE(settings.loaded());
}

TEST_F(ApplyTest, DesignStateAppliesTheDefaultsAndClosesTheWindow) {
    apply();
    EXPECT_FALSE(state.settings.hotkeysEnabled);
    EXPECT_EQ(state.settings.stepPixels, 3);
    EXPECT_TRUE(state.settings.showCoordinates);
    EXPECT_TRUE(state.settings.colorPointer);
    EXPECT_TRUE(state.settings.stayOnTop);
    EXPECT_EQ(state.settings.followMode, FollowMode::Slow);
    EXPECT_FALSE(settings.loaded());

    // The reloaded window shows what was applied, and the virtual mouse only shows.
    settings.show();
    backend.click(*settings.options.hotkeysCheck);
    backend.click(*settings.options.showCoordinatesCheck);
    backend.click(*settings.options.colorPointerCheck);
    backend.click(*settings.options.stayOnTopCheck);
    backend.click(*settings.options.followFast);
    virtualMouse.hide();
    apply();
    EXPECT_EQ(virtualMouse.loads, 1);
    EXPECT_TRUE(virtualMouse.visible());
    EXPECT_TRUE(state.settings.hotkeysEnabled);
    EXPECT_FALSE(state.settings.showCoordinates);
    EXPECT_FALSE(state.settings.colorPointer);
    EXPECT_FALSE(state.settings.stayOnTop);
    EXPECT_EQ(state.settings.followMode, FollowMode::Fast);

    settings.show();
    settings.options.stayOnTopCheck->setValue(2);  // only 1 ticks a box
    apply();
    EXPECT_TRUE(state.settings.hotkeysEnabled);  // as the reloaded window showed it
    EXPECT_FALSE(state.settings.stayOnTop);
}

TEST_F(ApplyTest, EnterInTheEnterBoxAppliesOtherKeysDoNot) {
    backend.type(*settings.options.enterBox, "ab");
    EXPECT_TRUE(settings.loaded());
    EXPECT_EQ(virtualMouse.loads, 0);
    backend.type(*settings.options.enterBox, "\rmore");
    EXPECT_FALSE(settings.loaded());
    EXPECT_EQ(virtualMouse.loads, 1);
    EXPECT_EQ(state.settings.followMode, FollowMode::Slow);
}

TEST_F(ApplyTest, HotkeySwitchAndHideMouseActAtOnce) {
    backend.click(*settings.options.hotkeysCheck);
    EXPECT_TRUE(state.settings.hotkeysEnabled);
    EXPECT_TRUE(settings.options.hideMouseCheck->enabled());
    backend.click(*settings.options.hideMouseCheck);
    EXPECT_TRUE(state.settings.hideVirtualMouse);

    backend.click(*settings.options.hotkeysCheck);
    EXPECT_FALSE(state.settings.hotkeysEnabled);
    EXPECT_FALSE(state.settings.hideVirtualMouse);
    EXPECT_FALSE(settings.options.hideMouseCheck->enabled());
    EXPECT_EQ(settings.options.hideMouseCheck->value(), 1);

    backend.click(*settings.options.hotkeysCheck);
    EXPECT_TRUE(settings.options.hideMouseCheck->enabled());
    EXPECT_EQ(settings.options.hideMouseCheck->value(), 1);
    EXPECT_FALSE(state.settings.hideVirtualMouse);
    apply();
    EXPECT_FALSE(state.settings.hideVirtualMouse);  // apply never reads hideMouseCheck

    settings.show();
    EXPECT_TRUE(settings.options.hideMouseCheck->enabled());  // hotkeys are on
    backend.click(*settings.options.hideMouseCheck);
    EXPECT_TRUE(state.settings.hideVirtualMouse);
    backend.click(*settings.options.hideMouseCheck);
    EXPECT_FALSE(state.settings.hideVirtualMouse);
}

TEST_F(ApplyTest, StepBoxTakesOnlyDigitsFromTypingAndPasting) {
    backend.type(*settings.options.stepBox, "\b");
    EXPECT_EQ(settings.options.stepBox->text(), "");
    backend.type(*settings.options.stepBox, "1a-.2 ");
    EXPECT_EQ(settings.options.stepBox->text(), "12");
    backend.paste(*settings.options.stepBox, "x5,6\u00e9");
    EXPECT_EQ(settings.options.stepBox->text(), "1256");
    apply();
    EXPECT_EQ(state.settings.stepPixels, 1256);
}

TEST_F(ApplyTest, PastesNeverApplyAndOnlyTheStepBoxFiltersThem) {
    const std::string enterHint = settings.options.enterBox->text();
    backend.paste(*settings.options.enterBox, "ab\r\ncd");
    EXPECT_TRUE(settings.visible());
    EXPECT_FALSE(virtualMouse.loaded());
    // A one-line box takes the text up to the line break, as the edit control does.
    EXPECT_EQ(settings.options.enterBox->text(), enterHint + "ab");
    backend.paste(*settings.panel.searchBox, "鼠标 x-1.\nnext");
    EXPECT_EQ(settings.panel.searchBox->text(), "鼠标 x-1.");
    backend.paste(*settings.options.stepBox, "x5\r\n6");
    EXPECT_EQ(settings.options.stepBox->text(), "356");
    EXPECT_TRUE(settings.loaded());

    backend.type(*settings.options.enterBox, "\r");  // a typed Enter still applies
    EXPECT_FALSE(settings.loaded());
    EXPECT_EQ(state.settings.stepPixels, 356);
}

TEST_F(ApplyTest, StepTextsThatAreNoStepKeepThePreviousStep) {
    for (const std::string bad : {"", "99999999999999999999", "2147483648", "-5", "abc", " 5", "+5"}) {
        settings.show();
        backend.edit(*settings.options.stepBox, "42");
        apply();
        settings.show();
        backend.edit(*settings.options.stepBox, bad);
        apply();
        EXPECT_EQ(state.settings.stepPixels, 42) << '"' << bad << '"';
        EXPECT_EQ(state.settings.followMode, FollowMode::Slow);  // the rest of apply still happens
        EXPECT_FALSE(settings.loaded());
    }
    settings.show();
    backend.edit(*settings.options.stepBox, "0");
    apply();
    EXPECT_EQ(state.settings.stepPixels, 0);
}

TEST(StepText, AcceptsExactlyTheDecimalInt32Range) {
    EXPECT_EQ(parseStepText("2147483647"), 2147483647);
    EXPECT_EQ(parseStepText("0003"), 3);
    EXPECT_EQ(parseStepText("2147483648"), std::nullopt);
    EXPECT_EQ(parseStepText(std::string(50, '9')), std::nullopt);
    EXPECT_EQ(parseStepText("3\n"), std::nullopt);
    for (int k : {8, 13, 27, 48, 57}) EXPECT_TRUE(isStepKey(k)) << k;
    for (int k : {0, 22, 45, 46, 47, 58, 97, 0x4E2D}) EXPECT_FALSE(isStepKey(k)) << k;
}

}  // namespace
}  // namespace lumo::testing
