// The key picker: a frame that covers the schematic and the options while the
// user chooses a key for one hotkey slot. It owns the frame's controls and
// the key boxes' handlers that open it.
#pragma once

#include <functional>

#include "caption_button/caption_button.h"
#include "forms/forms.h"
#include "pointer_core/shared_state.h"
#include "settings_window/per_action.h"

namespace lumo {

class KeyPicker {
public:
    // `boxes` are the window's key boxes; a confirmed key goes into `keys`.
    KeyPicker(forms::Form& window, const PerAction<forms::TextBox*>& boxes, KeyBindings& keys)
        : window_(window), boxes_(boxes), keys_(keys) {}

    // Adds the controls to the window; runs on every load.
    void design();
    // The frame's buttons and list, and the key boxes that open the picker.
    void wire();

    bool isOpen() const { return keyPicker->visible(); }
    // Hides the picker; the keyboard goes back to the box of the slot.
    void close();
    // A key that is not a default shows the name of its row in its box.
    void showBoundKeys();
    // The picker's target: 1 up .. 6 right click, 0 before it first opened.
    int pendingKeySlot() const { return pendingKeySlot_; }

    // A key was bound (the settings in effect changed).
    std::function<void()> KeyBound;

    forms::Frame* keyPicker = nullptr;
    forms::Label* keyPickerHeading = nullptr;
    forms::ListBox* keyList = nullptr;
    CaptionButton* confirmKeyButton = nullptr;
    CaptionButton* cancelKeyButton = nullptr;
    forms::Label* currentKeyHeading = nullptr;
    forms::TextBox* currentKeyBox = nullptr;

private:
    void open(int slot);
    void confirm();

    forms::Form& window_;
    const PerAction<forms::TextBox*>& boxes_;
    KeyBindings& keys_;
    int pendingKeySlot_ = 0;
};

}  // namespace lumo
