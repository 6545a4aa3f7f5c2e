// The options reach SharedState in two ways: hotkeysCheck and hideMouseCheck
// act at once, everything else is read by apply, which also opens the virtual
// mouse and then has the window closed. Each of these keeps the settings in
// effect for the next run.
#include "settings_window/options_area.h"

#include <string>

#include "pointer_core/kept_settings.h"
#include "settings_window/resolution_line.h"
#include "settings_window/step_text.h"

namespace lumo {

std::optional<FollowMode> chosenFollowMode(bool slow, bool fast, bool dragByHand) {
    if (slow) return FollowMode::Slow;
    if (fast) return FollowMode::Fast;
    if (dragByHand) return FollowMode::DragByHand;
    return std::nullopt;
}

void OptionsArea::wire() {
    applyButton->Click = [this] { apply(); };
    hotkeysCheck->Click = [this] {
        applyHotkeySwitch();
        keepSettingsInEffect();
    };
    hideMouseCheck->Click = [this] {
        state_.settings.hideVirtualMouse = hideMouseCheck->ticked();
        keepSettingsInEffect();
    };
    // The step box alone filters what is pasted as well as what is typed.
    stepBox->KeyPress = [](int& keyAscii) {
        if (!isStepKey(keyAscii)) keyAscii = 0;
    };
    stepBox->setFiltersPastes(true);
    resolutionLabel->Click = [this] { showResolution(); };
    aboutLink->Click = [this] { forms::notify(AboutRequested); };
}

void OptionsArea::showSettingsInEffect() {
    const Settings& settings = state_.settings;
    stepBox->setText(std::to_string(settings.stepPixels));
    hotkeysCheck->setValue(settings.hotkeysEnabled ? 1 : 0);
    hideMouseCheck->setValue(settings.hideVirtualMouse ? 1 : 0);
    hideMouseCheck->setEnabled(settings.hotkeysEnabled);
    showCoordinatesCheck->setValue(settings.showCoordinates ? 1 : 0);
    colorPointerCheck->setValue(settings.colorPointer ? 1 : 0);
    stayOnTopCheck->setValue(settings.stayOnTop ? 1 : 0);
    followSlow->setValue(settings.followMode == FollowMode::Slow);
    followFast->setValue(settings.followMode == FollowMode::Fast);
    dragByHand->setValue(settings.followMode == FollowMode::DragByHand);
}

void OptionsArea::showResolution() { resolutionLabel->setText(resolutionLine(window_.platform().screen())); }

// The switch key flipped hotkeysEnabled: the window follows as after a click
// of hotkeysCheck, but the flip is for this run only and is not kept.
void OptionsArea::showHotkeysState() {
    if (window_.loaded()) hotkeysCheck->setValue(state_.settings.hotkeysEnabled ? 1 : 0);
    followHotkeySwitch();
}

void OptionsArea::apply() {
    // The virtual mouse loads before any field is written: its first load
    // must still see the previous values.
    forms::notify(VirtualMouseRequested);

    // A step box left empty or holding a pasted or too large value keeps the
    // step that was applied before.
    if (const auto step = parseStepText(stepBox->text())) state_.settings.stepPixels = *step;
    state_.settings.showCoordinates = showCoordinatesCheck->ticked();
    state_.settings.colorPointer = colorPointerCheck->ticked();
    state_.settings.stayOnTop = stayOnTopCheck->ticked();
    if (const auto mode = chosenFollowMode(followSlow->value(), followFast->value(), dragByHand->value())) {
        state_.settings.followMode = *mode;
    }
    applyHotkeySwitch();
    state_.settings.applied = true;
    keepSettingsInEffect();

    forms::notify(Applied);
}

void OptionsArea::keepSettingsInEffect() {
    Settings kept = state_.settings;
    kept.hotkeysEnabled = state_.hotkeysKept;
    keepSettings(window_.platform(), kept);
}

void OptionsArea::applyHotkeySwitch() {
    state_.settings.hotkeysEnabled = hotkeysCheck->ticked();
    followHotkeySwitch();
    state_.hotkeysKept = state_.settings.hotkeysEnabled;
    forms::notify(HotkeysChanged);
}

// hideMouseCheck is usable only while hotkeys are on; it keeps whatever tick
// it shows, but switching hotkeys off lets the virtual mouse show again.
void OptionsArea::followHotkeySwitch() {
    const bool on = state_.settings.hotkeysEnabled;
    if (window_.loaded()) hideMouseCheck->setEnabled(on);
    if (!on) state_.settings.hideVirtualMouse = false;
}

}  // namespace lumo
