#include "settings_test_fixture.h"

namespace lumo::testing {
namespace {

constexpr int kRowA = 40, kRowZ = 65, kRowUpArrow = 20, kRowKeypadEnter = 78;

class KeyPickerTest : public SettingsWindowTest {
protected:
    void confirm() { backend.click(*settings.confirmKeyButton->host()); }
    void cancel() { backend.click(*settings.cancelKeyButton->host()); }
};

TEST_F(KeyPickerTest, OpeningShowsTheSlotHeadingAndTheBoxText) {
    backend.click(*settings.upKeyBox);
    EXPECT_TRUE(settings.keyPicker->visible());
    EXPECT_EQ(state.pendingKeySlot, 1);
    EXPECT_EQ(settings.currentKeyBox->text(), "↑向上移动鼠标当前的快捷键:方向键↑");
    EXPECT_EQ(settings.activeControl(), settings.keyList);

    // Clicking another box while open re-targets the picker.
    backend.click(*settings.rightClickKeyBox);
    EXPECT_TRUE(settings.keyPicker->visible());
    EXPECT_EQ(state.pendingKeySlot, 6);
    EXPECT_EQ(settings.currentKeyBox->text(), "鼠标右击当前的快捷键:小数(.)键");
}

TEST_F(KeyPickerTest, ConfirmBindsTheSelectedRowAtOnce) {
    backend.click(*settings.leftKeyBox);
    backend.selectRow(*settings.keyList, kRowZ);
    confirm();
    EXPECT_EQ(settings.leftKeyBox->text(), "Z键");
    EXPECT_EQ(state.settings.keys[Action::Left], KeyCode(90));
    EXPECT_FALSE(settings.keyPicker->visible());
    EXPECT_EQ(state.pendingKeySlot, 3);
    EXPECT_EQ(settings.currentKeyBox->text(), "←向左移动鼠标当前的快捷键:Z键");

    backend.click(*settings.leftClickKeyBox);
    backend.selectRow(*settings.keyList, kRowKeypadEnter);
    confirm();
    EXPECT_EQ(state.settings.keys[Action::LeftClick], KeyCode(108));
    EXPECT_EQ(state.settings.keys[Action::Left], KeyCode(90));
}

TEST_F(KeyPickerTest, ConfirmWithNothingSelectedOnlyClosesThePicker) {
    backend.click(*settings.downKeyBox);
    confirm();
    EXPECT_FALSE(settings.keyPicker->visible());
    EXPECT_EQ(settings.downKeyBox->text(), "方向键↓");
    EXPECT_EQ(state.settings.keys[Action::Down], Key::Down);
}

TEST_F(KeyPickerTest, SelectionOutlivesCancelAndGoesToTheNextSlot) {
    backend.click(*settings.upKeyBox);
    backend.selectRow(*settings.keyList, kRowA);
    cancel();
    EXPECT_FALSE(settings.keyPicker->visible());
    EXPECT_EQ(settings.upKeyBox->text(), "方向键↑");
    EXPECT_EQ(state.settings.keys[Action::Up], Key::Up);
    EXPECT_EQ(state.pendingKeySlot, 1);

    backend.click(*settings.downKeyBox);
    EXPECT_EQ(settings.keyList->listIndex(), kRowA);
    confirm();
    EXPECT_EQ(settings.downKeyBox->text(), "A键");
    EXPECT_EQ(state.settings.keys[Action::Down], KeyCode(65));
    EXPECT_EQ(state.settings.keys[Action::Up], Key::Up);
}

TEST_F(KeyPickerTest, DoubleClickOnARowConfirmsIt) {
    backend.click(*settings.rightKeyBox);
    backend.doubleClickRow(*settings.keyList, kRowUpArrow);
    EXPECT_EQ(settings.rightKeyBox->text(), "(↑上箭头键)Up Arrow键");
    EXPECT_EQ(state.settings.keys[Action::Right], Key::Up);
    EXPECT_FALSE(settings.keyPicker->visible());
}

TEST_F(KeyPickerTest, ReconfirmingTheShownRowRewritesTheCodeWithoutReopening) {
    backend.click(*settings.upKeyBox);
    backend.selectRow(*settings.keyList, kRowA);
    confirm();
    state.settings.keys[Action::Up] = KeyCode(0);
    backend.click(*settings.upKeyBox);
    settings.currentKeyBox->setText("untouched");
    confirm();
    EXPECT_EQ(state.settings.keys[Action::Up], KeyCode(65));
    EXPECT_EQ(settings.currentKeyBox->text(), "untouched");  // no change event, so no re-open
}

TEST_F(KeyPickerTest, TypedOrPastedTextOpensThePickerAndKeepsTheCode) {
    backend.type(*settings.downKeyBox, "q");
    EXPECT_TRUE(settings.keyPicker->visible());
    EXPECT_EQ(state.pendingKeySlot, 2);
    EXPECT_EQ(settings.downKeyBox->text(), "方向键↓q");
    EXPECT_EQ(settings.currentKeyBox->text(), "↓向下移动鼠标当前的快捷键:方向键↓q");
    EXPECT_EQ(state.settings.keys[Action::Down], Key::Down);

    backend.paste(*settings.leftClickKeyBox, std::string(1000, 'x'));
    EXPECT_EQ(state.pendingKeySlot, 5);
    EXPECT_EQ(state.settings.keys[Action::LeftClick], Key::NumpadZero);
}

}  // namespace
}  // namespace lumo::testing
