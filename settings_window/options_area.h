// The settings area of the settings window's body: the schematic with its
// colour legend, the display options, the follow modes, the hotkey group with
// the step box and one key box per action, and apply with the lines beside
// it. It owns these controls and their handlers: hotkeysCheck and
// hideMouseCheck act at once, apply reads the rest.
#pragma once

#include <functional>
#include <optional>

#include "caption_button/caption_button.h"
#include "forms/forms.h"
#include "pointer_core/shared_state.h"
#include "settings_window/per_action.h"

namespace lumo {

// The follow mode apply writes: the first option that is on; with none on,
// the applied mode stays.
std::optional<FollowMode> chosenFollowMode(bool slow, bool fast, bool dragByHand);

class OptionsArea {
public:
    OptionsArea(forms::Form& window, SharedState& state) : window_(window), state_(state) {}

    // Adds the controls to the window, in drawing order; runs on every load.
    void design();
    void wire();

    // The controls show the settings in effect (the key boxes are the key
    // picker's to fill).
    void showSettingsInEffect();
    // Writes the screen resolution into resolutionLabel.
    void showResolution();
    // The hotkeys box shows whether the keyboard mouse is on (switched elsewhere).
    void showHotkeysState();
    // Writes what the options show into the settings in effect, keeps them
    // and raises Applied.
    void apply();
    // Writes the settings in effect to the kept store.
    void keepSettingsInEffect();

    std::function<void()> VirtualMouseRequested;  // apply opens the virtual mouse first
    std::function<void()> HotkeysChanged;         // the switch changed
    std::function<void()> AboutRequested;         // the About link
    std::function<void()> Applied;                // the window then closes

    // ---- Schematic and its colour legend ----
    forms::Label* schematicHeading = nullptr;
    forms::Label* settingsHeading = nullptr;
    forms::Image* schematic = nullptr;  // a drag surface
    forms::Label* leftButtonLegend = nullptr;
    forms::Label* rightButtonLegend = nullptr;
    forms::Label* dragAreaLegend = nullptr;

    // ---- Options, read by apply (hideMouseCheck acts at once) ----
    forms::CheckBox* showCoordinatesCheck = nullptr;
    forms::CheckBox* colorPointerCheck = nullptr;
    forms::CheckBox* stayOnTopCheck = nullptr;
    forms::Frame* followModeFrame = nullptr;
    forms::OptionButton* followSlow = nullptr;
    forms::OptionButton* followFast = nullptr;
    forms::OptionButton* dragByHand = nullptr;
    forms::CheckBox* hideMouseCheck = nullptr;

    // ---- Hotkeys: the switch, the step and one key box per action ----
    forms::Frame* hotkeysFrame = nullptr;
    forms::CheckBox* hotkeysCheck = nullptr;
    forms::Label* stepLabel = nullptr;
    forms::TextBox* stepBox = nullptr;  // pixels per move
    PerAction<forms::Label*> keyLabels;
    PerAction<forms::TextBox*> keyBoxes;  // a click or Enter opens the key picker for its action

    // ---- Apply and the lines beside it ----
    forms::Label* resolutionLabel = nullptr;
    CaptionButton* applyButton = nullptr;
    forms::TextBox* enterBox = nullptr;  // Enter here applies
    forms::Label* aboutLink = nullptr;

private:
    void designOptions();
    void designHotkeys();
    void designApply();

    void applyHotkeySwitch();
    void followHotkeySwitch();

    forms::Form& window_;
    SharedState& state_;
};

}  // namespace lumo
