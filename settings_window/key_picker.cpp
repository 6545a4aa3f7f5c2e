// Binding a key to a hotkey slot by choosing it from the key list. A click on
// a hotkey box (or any change of its text) opens the picker for that slot;
// confirming writes the chosen name into the box and its code into the slot's
// key field at once, without apply, and keeps the settings.
#include <array>

#include "pointer_core/key_name_table.h"
#include "settings_window/key_picker.h"

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

void KeyPicker::wire() {
    for (int slot = 1; slot <= static_cast<int>(kSlots.size()); ++slot) {
        forms::TextBox* box = boxes_[kSlots[slot - 1].action];
        box->Click = [this, slot] { open(slot); };
        box->Change = [this, slot] { open(slot); };
        box->KeyDown = forms::onEnterKey([this, slot] { open(slot); });
    }
    confirmKeyButton->Click = [this] { confirm(); };
    keyList->DblClick = [this] { confirm(); };
    cancelKeyButton->Click = [this] { close(); };
}

// A default key keeps its box's design text, which names it in words of its
// own; any other key shows the name of its row.
void KeyPicker::showBoundKeys() {
    const KeyBindings defaults = defaultKeyBindings();
    for (const SlotInfo& info : kSlots) {
        const KeyCode key = keys_[info.action];
        if (key == defaults[info.action]) continue;
        if (const auto row = rowOfKeyCode(key)) boxes_[info.action]->setText(keyNameTable()[*row].name);
    }
}

void KeyPicker::open(int slot) {
    const SlotInfo* info = slotInfo(slot);
    keyPicker->setVisible(true);
    pendingKeySlot_ = slot;
    keyList->setFocus();
    currentKeyBox->setText(info->heading + boxes_[info->action]->text());
}

void KeyPicker::confirm() {
    // The list keeps its selection across openings, so a row chosen for one
    // slot and cancelled is still the one confirmed for the next.
    const int row = keyList->listIndex();
    const SlotInfo* info = slotInfo(pendingKeySlot_);
    if (info && row >= 0) {
        // Changing the box's text re-opens the picker for the same slot; the
        // picker is hidden below all the same.
        boxes_[info->action]->setText(keyList->items()[row]);
        if (const auto code = keyCodeOfRow(row)) keys_[info->action] = *code;
        forms::notify(KeyBound);
    }
    close();
}

void KeyPicker::close() {
    keyPicker->setVisible(false);
    if (const SlotInfo* info = slotInfo(pendingKeySlot_)) boxes_[info->action]->setFocus();
}

}  // namespace lumo
