// Binding a key to a hotkey slot by choosing it from the key list. A click on
// a hotkey box (or any change of its text) opens the picker for that slot;
// confirming writes the chosen name into the box and its code into the slot's
// key field at once, without apply, and keeps the settings.
#include <array>

#include "pointer_core/key_name_table.h"
#include "settings_window/settings_window.h"

namespace lumo {

namespace {

struct SlotInfo {
    Action action;
    const char* heading;
};

// Slot N (1..6) is row N - 1.
const std::array<SlotInfo, 6> kSlots{{
    {Action::Up, "↑向上移动鼠标当前的快捷键:"},
    {Action::Down, "↓向下移动鼠标当前的快捷键:"},
    {Action::Left, "←向左移动鼠标当前的快捷键:"},
    {Action::Right, "→向右移动鼠标当前的快捷键:"},
    {Action::LeftClick, "鼠标左击当前的快捷键:"},
    {Action::RightClick, "鼠标右击当前的快捷键:"},
}};

const SlotInfo* slotInfo(std::int32_t slot) {
    return slot >= 1 && slot <= static_cast<std::int32_t>(kSlots.size()) ? &kSlots[slot - 1] : nullptr;
}

}  // namespace

void SettingsWindow::wireKeyPicker() {
    for (int slot = 1; slot <= static_cast<int>(kSlots.size()); ++slot) {
        forms::TextBox* box = keyBoxes[kSlots[slot - 1].action];
        box->Click = [this, slot] { openKeyPicker(slot); };
        box->Change = [this, slot] { openKeyPicker(slot); };
        box->KeyDown = forms::onEnterKey([this, slot] { openKeyPicker(slot); });
    }
    confirmKeyButton->Click = [this] { confirmKey(); };
    keyList->DblClick = [this] { confirmKey(); };
    cancelKeyButton->Click = [this] { closeKeyPicker(); };
}

// A default key keeps its box's design text, which names it in words of its
// own; any other key shows the name of its row.
void SettingsWindow::showBoundKeys() {
    const KeyBindings defaults = defaultKeyBindings();
    for (const SlotInfo& info : kSlots) {
        const KeyCode key = state_.settings.keys[info.action];
        if (key == defaults[info.action]) continue;
        if (const auto row = rowOfKeyCode(key)) keyBoxes[info.action]->setText(keyNameTable()[*row].name);
    }
}

void SettingsWindow::openKeyPicker(int slot) {
    const SlotInfo* info = slotInfo(slot);
    keyPicker->setVisible(true);
    pendingKeySlot_ = slot;
    keyList->setFocus();
    currentKeyBox->setText(info->heading + keyBoxes[info->action]->text());
}

void SettingsWindow::confirmKey() {
    // The list keeps its selection across openings, so a row chosen for one
    // slot and cancelled is still the one confirmed for the next.
    const int row = keyList->listIndex();
    const SlotInfo* info = slotInfo(pendingKeySlot_);
    if (info && row >= 0) {
        // Changing the box's text re-opens the picker for the same slot; the
        // picker is hidden below all the same.
        keyBoxes[info->action]->setText(keyList->items()[row]);
        if (const auto code = keyCodeOfRow(row)) state_.settings.keys[info->action] = *code;
        forms::notify(HotkeysChanged);
        keepSettingsInEffect();
    }
    closeKeyPicker();
}

void SettingsWindow::closeKeyPicker() {
    keyPicker->setVisible(false);
    if (const SlotInfo* info = slotInfo(pendingKeySlot_)) keyBoxes[info->action]->setFocus();
}

}  // namespace lumo
