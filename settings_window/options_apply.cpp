// The options reach SharedState in two ways: Check2 and Check5 act at once,
// everything else is read by apply, which also opens the virtual mouse and
// then closes this window.
#include "settings_window/settings_window.h"
#include "settings_window/step_text.h"

namespace lumo {

namespace {

constexpr int kEnterKey = 13;

}  // namespace

void SettingsWindow::wireOptions() {
    LumoAnniu20101->Click = [this] { apply(); };
    // Only a typed Enter: a paste into Text8 never reaches this handler.
    Text8->KeyPress = [this](int& keyAscii) {
        if (keyAscii == kEnterKey) apply();
    };
    Check2->Click = [this] { applyHotkeySwitch(); };
    Check5->Click = [this] { state_.hideVirtualMouse = Check5->ticked(); };
    // The step box alone filters what is pasted as well as what is typed.
    Text11->KeyPress = [](int& keyAscii) {
        if (!isStepKey(keyAscii)) keyAscii = 0;
    };
    Text11->setFiltersPastes(true);
}

void SettingsWindow::apply() {
    // The virtual mouse loads before any field is written: its first load
    // must still see the previous values.
    if (windows_.virtualMouse) windows_.virtualMouse->show();

    // A step box left empty or holding a pasted or too large value keeps the
    // step that was applied before.
    if (const auto step = parseStepText(Text11->text())) state_.stepPixels = *step;
    state_.showCoordinates = Check1->ticked();
    state_.colorPointer = Check3->ticked();
    state_.stayOnTop = Check4->ticked();
    if (Option1->value()) {
        state_.followMode = FollowMode::Slow;
    } else if (Option2->value()) {
        state_.followMode = FollowMode::Fast;
    } else if (Option3->value()) {
        state_.followMode = FollowMode::DragByHand;
    }
    applyHotkeySwitch();

    unload();
}

void SettingsWindow::applyHotkeySwitch() {
    if (Check2->ticked()) {
        state_.hotkeysEnabled = true;
        Check5->setEnabled(true);
    } else {
        // Check5 keeps whatever tick it shows; it only becomes unusable.
        Check5->setEnabled(false);
        state_.hideVirtualMouse = false;
        state_.hotkeysEnabled = false;
    }
    if (windows_.hotkeysChanged) windows_.hotkeysChanged();
}

}  // namespace lumo
