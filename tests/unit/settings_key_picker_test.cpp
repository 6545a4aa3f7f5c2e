#include <vector>

#include "settings_test_fixture.h"

namespace lumo::testing {
namespace {

constexpr int kRowA = 40, kRowZ = 65, kRowUpArrow = 20, kRowKeypadEnter = 78;

class KeyPickerTest : public SettingsWindowTest {
protected:
    void confirm() { backend.click(*settings.picker.confirmKeyButton->host()); }
    void cancel() { backend.click(*settings.picker.cancelKeyButton->host()); }
};

TEST_F(KeyPickerTest, OpeningShowsTheSlotHeadingAndTheBoxText) {
    backend.click(*settings.options.keyBoxes[Action::Up]);
    EXPECT_TRUE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.picker.pendingKeySlot(), 1);
    EXPECT_EQ(settings.picker.currentKeyBox->text(), "↑向上移动鼠标当前的快捷键:方向键↑");
    EXPECT_EQ(settings.activeControl(), settings.picker.keyList);

    // Clicking another box while open re-targets the picker.
    backend.click(*settings.options.keyBoxes[Action::RightClick]);
    EXPECT_TRUE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.picker.pendingKeySlot(), 6);
    EXPECT_EQ(settings.picker.currentKeyBox->text(), "鼠标右击当前的快捷键:小数(.)键");
}

TEST_F(KeyPickerTest, ConfirmBindsTheSelectedRowAtOnce) {
    backend.click(*settings.options.keyBoxes[Action::Left]);
    backend.selectRow(*settings.picker.keyList, kRowZ);
    confirm();
    EXPECT_EQ(settings.options.keyBoxes[Action::Left]->text(), "Z键");
    EXPECT_EQ(state.settings.keys[Action::Left], KeyCode(90));
    EXPECT_FALSE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.picker.pendingKeySlot(), 3);
    EXPECT_EQ(settings.picker.currentKeyBox->text(), "←向左移动鼠标当前的快捷键:Z键");

    backend.click(*settings.options.keyBoxes[Action::LeftClick]);
    backend.selectRow(*settings.picker.keyList, kRowKeypadEnter);
    confirm();
    EXPECT_EQ(state.settings.keys[Action::LeftClick], KeyCode(108));
    EXPECT_EQ(state.settings.keys[Action::Left], KeyCode(90));
}

TEST_F(KeyPickerTest, ConfirmWithNothingSelectedOnlyClosesThePicker) {
    backend.click(*settings.options.keyBoxes[Action::Down]);
    confirm();
    EXPECT_FALSE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.options.keyBoxes[Action::Down]->text(), "方向键↓");
    EXPECT_EQ(state.settings.keys[Action::Down], Key::Down);
}

TEST_F(KeyPickerTest, SelectionOutlivesCancelAndGoesToTheNextSlot) {
    backend.click(*settings.options.keyBoxes[Action::Up]);
    backend.selectRow(*settings.picker.keyList, kRowA);
    cancel();
    EXPECT_FALSE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.options.keyBoxes[Action::Up]->text(), "方向键↑");
    EXPECT_EQ(state.settings.keys[Action::Up], Key::Up);
    EXPECT_EQ(settings.picker.pendingKeySlot(), 1);

    backend.click(*settings.options.keyBoxes[Action::Down]);
    EXPECT_EQ(settings.picker.keyList->listIndex(), kRowA);
    confirm();
    EXPECT_EQ(settings.options.keyBoxes[Action::Down]->text(), "A键");
    EXPECT_EQ(state.settings.keys[Action::Down], KeyCode(65));
    EXPECT_EQ(state.settings.keys[Action::Up], Key::Up);
}

TEST_F(KeyPickerTest, DoubleClickOnARowConfirmsIt) {
    backend.click(*settings.options.keyBoxes[Action::Right]);
    backend.doubleClickRow(*settings.picker.keyList, kRowUpArrow);
    EXPECT_EQ(settings.options.keyBoxes[Action::Right]->text(), "(↑上箭头键)Up Arrow键");
    EXPECT_EQ(state.settings.keys[Action::Right], Key::Up);
    EXPECT_FALSE(settings.picker.keyPicker->visible());
}

TEST_F(KeyPickerTest, ReconfirmingTheShownRowRewritesTheCodeWithoutReopening) {
    backend.click(*settings.options.keyBoxes[Action::Up]);
    backend.selectRow(*settings.picker.keyList, kRowA);
    confirm();
    state.settings.keys[Action::Up] = KeyCode(0);
    backend.click(*settings.options.keyBoxes[Action::Up]);
    settings.picker.currentKeyBox->setText("untouched");
    confirm();
    EXPECT_EQ(state.settings.keys[Action::Up], KeyCode(65));
    EXPECT_EQ(settings.picker.currentKeyBox->text(), "untouched");  // no change event, so no re-open
}

TEST_F(KeyPickerTest, TypedOrPastedTextOpensThePickerAndKeepsTheCode) {
    backend.type(*settings.options.keyBoxes[Action::Down], "q");
    EXPECT_TRUE(settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.picker.pendingKeySlot(), 2);
    EXPECT_EQ(settings.options.keyBoxes[Action::Down]->text(), "方向键↓q");
    EXPECT_EQ(settings.picker.currentKeyBox->text(), "↓向下移动鼠标当前的快捷键:方向键↓q");
    EXPECT_EQ(state.settings.keys[Action::Down], Key::Down);

    backend.paste(*settings.options.keyBoxes[Action::LeftClick], std::string(1000, 'x'));
    EXPECT_EQ(settings.picker.pendingKeySlot(), 5);
    EXPECT_EQ(state.settings.keys[Action::LeftClick], Key::NumpadZero);
}

// The keyboard alone: the switch has the focus at show, Tab goes round the
// usable stops (the disabled hide-mouse box and the hidden unfold area are
// passed over), the picker has a ring of its own, Esc closes only the picker.
TEST_F(KeyPickerTest, KeyboardRingPickerAndDialogKeys) {
    EXPECT_EQ(settings.activeControl(), settings.options.hotkeysCheck);
    std::vector<forms::Control*> ring;
    for (int i = 0; i < 23; ++i) {
        backend.key(settings, Key::Tab);
        ring.push_back(settings.activeControl());
    }
    EXPECT_EQ(ring[7], settings.options.showCoordinatesCheck);
    EXPECT_EQ(ring[11], settings.options.applyButton->host());
    EXPECT_EQ(ring[13], settings.panel.foldButton);
    EXPECT_EQ(ring[22], settings.options.hotkeysCheck);
    backend.key(settings, Key::Tab, forms::kShiftKey);
    EXPECT_EQ(settings.activeControl(), settings.panel.shopLink);

    backend.key(settings, Key::Space);  // a link is pressed by Space
    EXPECT_EQ(platform.shellOpens.size(), 1u);
    settings.options.followSlow->setFocus();
    backend.key(settings, Key::Down);  // the arrows choose within the group
    EXPECT_TRUE(settings.options.followFast->value());
    EXPECT_EQ(settings.activeControl(), settings.options.followFast);

    settings.options.keyBoxes[Action::Left]->setFocus();
    backend.key(settings, Key::Enter);  // a key box's Enter opens the picker
    EXPECT_EQ(settings.activeControl(), settings.picker.keyList);
    backend.key(settings, Key::Tab);
    EXPECT_EQ(settings.activeControl(), settings.picker.confirmKeyButton->host());
    backend.key(settings, Key::Escape);
    EXPECT_TRUE(settings.visible() && !settings.picker.keyPicker->visible());
    EXPECT_EQ(settings.activeControl(), settings.options.keyBoxes[Action::Left]);
    backend.key(settings, Key::Enter);
    backend.selectRow(*settings.picker.keyList, kRowZ);
    backend.key(settings, Key::Enter);  // the list's Enter confirms
    EXPECT_EQ(settings.options.keyBoxes[Action::Left]->text(), "Z键");

    settings.options.hotkeysCheck->setFocus();
    backend.key(settings, Key::Space);
    EXPECT_TRUE(state.settings.hotkeysEnabled);
    backend.key(settings, Key::Escape);  // hides, edits kept
    EXPECT_FALSE(settings.visible());
    settings.show();
    EXPECT_EQ(settings.activeControl(), settings.options.hotkeysCheck);
    backend.closeCommand(settings);  // Alt+F4 hides as well
    EXPECT_TRUE(settings.loaded() && !settings.visible());
    settings.show();
    backend.key(settings, Key::Enter);  // no Enter of its own: apply
    EXPECT_FALSE(settings.loaded());
}

}  // namespace
}  // namespace lumo::testing
