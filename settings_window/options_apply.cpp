// The options reach SharedState in two ways: Check2 and Check5 act at once,
// everything else is read by apply, which also opens the virtual mouse and
// then closes this window.
#include "settings_window/settings_window.h"
#include "settings_window/step_text.h"

namespace lumo {

namespace {

constexpr int kEnterKey = 13;

std::int32_t yesNo(const forms::CheckBox& box) { return box.value() == 1 ? 1 : 0; }

}  // namespace

void SettingsWindow::wireOptions() {
    LumoAnniu20101->Click = [this] { apply(); };
    // Only a typed Enter: a paste into Text8 never reaches this handler.
    Text8->KeyPress = [this](int& keyAscii) {
        if (keyAscii == kEnterKey) apply();
    };
    Check2->Click = [this] { applyHotkeySwitch(); };
    Check5->Click = [this] { state_.hideVirtualMouse = yesNo(*Check5); };
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
    state_.showCoordinates = yesNo(*Check1);
    state_.colorPointer = yesNo(*Check3);
    state_.stayOnTop = yesNo(*Check4);
    if (Option1->value()) {
        state_.followMode = 1;
    } else if (Option2->value()) {
        state_.followMode = 2;
    } else if (Option3->value()) {
        state_.followMode = 3;
    }
    applyHotkeySwitch();

    unload();
}

void SettingsWindow::applyHotkeySwitch() {
    if (Check2->value() == 1) {
        state_.hotkeysEnabled = 1;
        Check5->setEnabled(true);
    } else {
        // Check5 keeps whatever tick it shows; it only becomes unusable.
        Check5->setEnabled(false);
        state_.hideVirtualMouse = 0;
        state_.hotkeysEnabled = 0;
    }
    if (windows_.hotkeysChanged) windows_.hotkeysChanged();
}

}  // namespace lumo
