#include "settings_test_fixture.h"

namespace lumo::testing {
namespace {

constexpr int kRowA = 40, kRowZ = 65, kRowUpArrow = 20, kRowKeypadEnter = 78;

class KeyPickerTest : public SettingsWindowTest {
protected:
    void confirm() { backend.click(*form2.LumoAnniu20102->host()); }
    void cancel() { backend.click(*form2.LumoAnniu20103->host()); }
};

TEST_F(KeyPickerTest, OpeningShowsTheSlotHeadingAndTheBoxText) {
    backend.click(*form2.Text1);
    EXPECT_TRUE(form2.Frame4->visible());
    EXPECT_EQ(state.pendingKeySlot, 1);
    EXPECT_EQ(form2.Text7->text(), "↑向上移动鼠标当前的快捷键:方向键↑");
    EXPECT_EQ(form2.activeControl(), form2.List1);

    // Clicking another box while open re-targets the picker.
    backend.click(*form2.Text6);
    EXPECT_TRUE(form2.Frame4->visible());
    EXPECT_EQ(state.pendingKeySlot, 6);
    EXPECT_EQ(form2.Text7->text(), "鼠标右击当前的快捷键:小数(.)键");
}

TEST_F(KeyPickerTest, ConfirmBindsTheSelectedRowAtOnce) {
    backend.click(*form2.Text3);
    backend.selectRow(*form2.List1, kRowZ);
    confirm();
    EXPECT_EQ(form2.Text3->text(), "Z键");
    EXPECT_EQ(state.keyLeft, 90);
    EXPECT_FALSE(form2.Frame4->visible());
    EXPECT_EQ(state.pendingKeySlot, 3);
    EXPECT_EQ(form2.Text7->text(), "←向左移动鼠标当前的快捷键:Z键");

    backend.click(*form2.Text5);
    backend.selectRow(*form2.List1, kRowKeypadEnter);
    confirm();
    EXPECT_EQ(state.keyLeftClick, 108);
    EXPECT_EQ(state.keyLeft, 90);
}

TEST_F(KeyPickerTest, ConfirmWithNothingSelectedOnlyClosesThePicker) {
    backend.click(*form2.Text2);
    confirm();
    EXPECT_FALSE(form2.Frame4->visible());
    EXPECT_EQ(form2.Text2->text(), "方向键↓");
    EXPECT_EQ(state.keyDown, Key::Down);
}

TEST_F(KeyPickerTest, SelectionOutlivesCancelAndGoesToTheNextSlot) {
    backend.click(*form2.Text1);
    backend.selectRow(*form2.List1, kRowA);
    cancel();
    EXPECT_FALSE(form2.Frame4->visible());
    EXPECT_EQ(form2.Text1->text(), "方向键↑");
    EXPECT_EQ(state.keyUp, Key::Up);
    EXPECT_EQ(state.pendingKeySlot, 1);

    backend.click(*form2.Text2);
    EXPECT_EQ(form2.List1->listIndex(), kRowA);
    confirm();
    EXPECT_EQ(form2.Text2->text(), "A键");
    EXPECT_EQ(state.keyDown, 65);
    EXPECT_EQ(state.keyUp, Key::Up);
}

TEST_F(KeyPickerTest, DoubleClickOnARowConfirmsIt) {
    backend.click(*form2.Text4);
    backend.doubleClickRow(*form2.List1, kRowUpArrow);
    EXPECT_EQ(form2.Text4->text(), "(↑上箭头键)Up Arrow键");
    EXPECT_EQ(state.keyRight, Key::Up);
    EXPECT_FALSE(form2.Frame4->visible());
}

TEST_F(KeyPickerTest, ReconfirmingTheShownRowRewritesTheCodeWithoutReopening) {
    backend.click(*form2.Text1);
    backend.selectRow(*form2.List1, kRowA);
    confirm();
    state.keyUp = 0;
    backend.click(*form2.Text1);
    form2.Text7->setText("untouched");
    confirm();
    EXPECT_EQ(state.keyUp, 65);
    EXPECT_EQ(form2.Text7->text(), "untouched");  // no change event, so no re-open
}

TEST_F(KeyPickerTest, TypedOrPastedTextOpensThePickerAndKeepsTheCode) {
    backend.type(*form2.Text2, "q");
    EXPECT_TRUE(form2.Frame4->visible());
    EXPECT_EQ(state.pendingKeySlot, 2);
    EXPECT_EQ(form2.Text2->text(), "方向键↓q");
    EXPECT_EQ(form2.Text7->text(), "↓向下移动鼠标当前的快捷键:方向键↓q");
    EXPECT_EQ(state.keyDown, Key::Down);

    backend.paste(*form2.Text5, std::string(1000, 'x'));
    EXPECT_EQ(state.pendingKeySlot, 5);
    EXPECT_EQ(state.keyLeftClick, Key::NumpadZero);
}

}  // namespace
}  // namespace lumo::testing
