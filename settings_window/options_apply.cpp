// The options reach SharedState in two ways: hotkeysCheck and hideMouseCheck act at once,
// everything else is read by apply, which also opens the virtual mouse and
// then closes this window.
#include "settings_window/settings_window.h"
#include "settings_window/step_text.h"

namespace lumo {

namespace {

constexpr int kEnterKey = 13;

std::int32_t yesNo(const forms::CheckBox& box) { return box.value() == 1 ? 1 : 0; }

}  // namespace

std::optional<std::int32_t> chosenFollowMode(bool slow, bool fast, bool dragByHand) {
    if (slow) return 1;
    if (fast) return 2;
    if (dragByHand) return 3;
    return std::nullopt;
}

void SettingsWindow::wireOptions() {
    applyButton->Click = [this] { apply(); };
    // Only a typed Enter: a paste into enterBox never reaches this handler.
    enterBox->KeyPress = [this](int& keyAscii) {
        if (keyAscii == kEnterKey) apply();
    };
    hotkeysCheck->Click = [this] { applyHotkeySwitch(); };
    hideMouseCheck->Click = [this] { state_.hideVirtualMouse = yesNo(*hideMouseCheck); };
    // The step box alone filters what is pasted as well as what is typed.
    stepBox->KeyPress = [](int& keyAscii) {
        if (!isStepKey(keyAscii)) keyAscii = 0;
    };
    stepBox->setFiltersPastes(true);
}

void SettingsWindow::apply() {
    // The virtual mouse loads before any field is written: its first load
    // must still see the previous values.
    if (windows_.virtualMouse) windows_.virtualMouse->show();

    // A step box left empty or holding a pasted or too large value keeps the
    // step that was applied before.
    if (const auto step = parseStepText(stepBox->text())) state_.stepPixels = *step;
    state_.showCoordinates = yesNo(*showCoordinatesCheck);
    state_.colorPointer = yesNo(*colorPointerCheck);
    state_.stayOnTop = yesNo(*stayOnTopCheck);
    if (const auto mode = chosenFollowMode(followSlow->value(), followFast->value(), dragByHand->value())) {
        state_.followMode = *mode;
    }
    applyHotkeySwitch();

    unload();
}

void SettingsWindow::applyHotkeySwitch() {
    if (hotkeysCheck->value() == 1) {
        state_.hotkeysEnabled = 1;
        hideMouseCheck->setEnabled(true);
    } else {
        // hideMouseCheck keeps whatever tick it shows; it only becomes unusable.
        hideMouseCheck->setEnabled(false);
        state_.hideVirtualMouse = 0;
        state_.hotkeysEnabled = 0;
    }
    if (windows_.hotkeysChanged) windows_.hotkeysChanged();
}

}  // namespace lumo
