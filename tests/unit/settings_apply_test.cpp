#include "settings_test_fixture.h"
#include "settings_window/step_text.h"

namespace lumo::testing {
namespace {

class ApplyTest : public SettingsWindowTest {
protected:
    void apply() { backend.click(*form2.LumoAnniu20101->host()); }
};

TEST_F(ApplyTest, VirtualMouseLoadsBeforeAnyFieldIsWritten) {
    SharedState seenAtLoad;
    form1.onLoad = [&] { seenAtLoad = state; };
    state.stepPixels = 11;
    apply();
    EXPECT_EQ(form1.loads, 1);
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(seenAtLoad.stayOnTop);
    EXPECT_EQ(seenAtLoad.stepPixels, 11);
    EXPECT_EQ(seenAtLoad.followMode, FollowMode::Unset);
    EXPECT_FALSE(seenAtLoad.showCoordinates);
    EXPECT_FALSE(form2.loaded());
}

TEST_F(ApplyTest, DesignStateAppliesTheDefaultsAndClosesTheWindow) {
    apply();
    EXPECT_FALSE(state.hotkeysEnabled);
    EXPECT_EQ(state.stepPixels, 3);
    EXPECT_TRUE(state.showCoordinates);
    EXPECT_TRUE(state.colorPointer);
    EXPECT_TRUE(state.stayOnTop);
    EXPECT_EQ(state.followMode, FollowMode::Slow);
    EXPECT_FALSE(form2.loaded());

    // The reloaded window applies its design values again, and Form1 only shows.
    form2.show();
    backend.click(*form2.Check2);
    backend.click(*form2.Check1);
    backend.click(*form2.Check3);
    backend.click(*form2.Check4);
    backend.click(*form2.Option2);
    form1.hide();
    apply();
    EXPECT_EQ(form1.loads, 1);
    EXPECT_TRUE(form1.visible());
    EXPECT_TRUE(state.hotkeysEnabled);
    EXPECT_FALSE(state.showCoordinates);
    EXPECT_FALSE(state.colorPointer);
    EXPECT_FALSE(state.stayOnTop);
    EXPECT_EQ(state.followMode, FollowMode::Fast);

    form2.show();
    form2.Check4->setValue(2);  // only 1 ticks a box
    apply();
    EXPECT_FALSE(state.hotkeysEnabled);  // unchanged design state switches hotkeys off
    EXPECT_FALSE(state.stayOnTop);
}

TEST_F(ApplyTest, EnterInText8AppliesOtherKeysDoNot) {
    backend.type(*form2.Text8, "ab");
    EXPECT_TRUE(form2.loaded());
    EXPECT_EQ(form1.loads, 0);
    backend.type(*form2.Text8, "\rmore");
    EXPECT_FALSE(form2.loaded());
    EXPECT_EQ(form1.loads, 1);
    EXPECT_EQ(state.followMode, FollowMode::Slow);
}

TEST_F(ApplyTest, Check2AndCheck5ActAtOnce) {
    backend.click(*form2.Check2);
    EXPECT_TRUE(state.hotkeysEnabled);
    EXPECT_TRUE(form2.Check5->enabled());
    backend.click(*form2.Check5);
    EXPECT_TRUE(state.hideVirtualMouse);

    backend.click(*form2.Check2);
    EXPECT_FALSE(state.hotkeysEnabled);
    EXPECT_FALSE(state.hideVirtualMouse);
    EXPECT_FALSE(form2.Check5->enabled());
    EXPECT_EQ(form2.Check5->value(), 1);

    backend.click(*form2.Check2);
    EXPECT_TRUE(form2.Check5->enabled());
    EXPECT_EQ(form2.Check5->value(), 1);
    EXPECT_FALSE(state.hideVirtualMouse);
    apply();
    EXPECT_FALSE(state.hideVirtualMouse);  // apply never reads Check5

    form2.show();
    backend.click(*form2.Check2);
    backend.click(*form2.Check5);
    EXPECT_TRUE(state.hideVirtualMouse);
    backend.click(*form2.Check5);
    EXPECT_FALSE(state.hideVirtualMouse);
}

TEST_F(ApplyTest, StepBoxTakesOnlyDigitsFromTypingAndPasting) {
    backend.type(*form2.Text11, "\b");
    EXPECT_EQ(form2.Text11->text(), "");
    backend.type(*form2.Text11, "1a-.2 ");
    EXPECT_EQ(form2.Text11->text(), "12");
    backend.paste(*form2.Text11, "x5,6\u00e9");
    EXPECT_EQ(form2.Text11->text(), "1256");
    apply();
    EXPECT_EQ(state.stepPixels, 1256);
}

TEST_F(ApplyTest, PastesNeverApplyAndOnlyTheStepBoxFiltersThem) {
    const std::string enterHint = form2.Text8->text();
    backend.paste(*form2.Text8, "ab\r\ncd");
    EXPECT_TRUE(form2.visible());
    EXPECT_FALSE(form1.loaded());
    // A one-line box takes the text up to the line break, as the edit control does.
    EXPECT_EQ(form2.Text8->text(), enterHint + "ab");
    backend.paste(*form2.Text9, "鼠标 x-1.\nnext");
    EXPECT_EQ(form2.Text9->text(), "鼠标 x-1.");
    backend.paste(*form2.Text11, "x5\r\n6");
    EXPECT_EQ(form2.Text11->text(), "356");
    EXPECT_TRUE(form2.loaded());

    backend.type(*form2.Text8, "\r");  // a typed Enter still applies
    EXPECT_FALSE(form2.loaded());
    EXPECT_EQ(state.stepPixels, 356);
}

TEST_F(ApplyTest, StepTextsThatAreNoStepKeepThePreviousStep) {
    for (const std::string bad : {"", "99999999999999999999", "2147483648", "-5", "abc", " 5", "+5"}) {
        form2.show();
        backend.edit(*form2.Text11, "42");
        apply();
        form2.show();
        backend.edit(*form2.Text11, bad);
        apply();
        EXPECT_EQ(state.stepPixels, 42) << '"' << bad << '"';
        EXPECT_EQ(state.followMode, FollowMode::Slow);  // the rest of apply still happens
        EXPECT_FALSE(form2.loaded());
    }
    form2.show();
    backend.edit(*form2.Text11, "0");
    apply();
    EXPECT_EQ(state.stepPixels, 0);
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
