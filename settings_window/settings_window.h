// The settings window: hotkeys, step, options and apply, with its parts (its
// own title bar and window menu, the key picker and the shopping links panel),
// each owning its controls and handlers. Controls are public so that tests can
// drive them as a user would.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "caption_button/caption_button.h"
#include "forms/forms.h"
#include "pointer_core/shared_state.h"
#include "settings_window/key_picker.h"
#include "settings_window/per_action.h"
#include "settings_window/promo_panel.h"
#include "settings_window/title_bar.h"

namespace lumo {

// The follow mode apply writes: the first option that is on; with none on,
// the applied mode stays.
std::optional<FollowMode> chosenFollowMode(bool slow, bool fast, bool dragByHand);

class SettingsWindow : public forms::Form {
public:
    SettingsWindow(forms::Runtime& runtime, SharedState& state);

    // What the window asks of the rest of the program; unset ones do nothing.
    std::function<void()> VirtualMouseRequested;  // apply opens the virtual mouse first
    std::function<void()> HotkeysChanged;         // the switch or a key binding changed
    std::function<void()> AboutRequested;         // the About link
    std::function<void()> ExitRequested;          // the close box and the window menu's close
    std::function<void()> BodyPressed;            // a press on the body closes the tray menu

    // Writes the screen resolution into resolutionLabel.
    void showResolution();
    // The hotkeys box shows whether the keyboard mouse is on (switched elsewhere).
    void showHotkeysState();

    // The keyboard's ring: the key picker's list and buttons while it is
    // open, else the settings in the order of the task, apply, the About
    // link and the links panel.
    std::vector<forms::Control*> tabStops() const override;


    // ---- Title bar and window menu ----
    TitleBar titleBar;

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

    // ---- Key picker ----
    KeyPicker picker;

    // ---- Shopping links panel ----
    PromoPanel panel;

protected:
    void design() override;

private:
    // Design: controls, geometry and looks, in drawing order.
    void designOptions();
    void designHotkeys();
    void designApply();

    // Behaviour: each area wires its own events.
    void wireStartup();
    void wireOptions();
    void wireChrome();
    void wireKeys();

    // Start-up.
    void showSettingsInEffect();
    void onLoad();

    // Options and apply.
    void apply();
    void applyHotkeySwitch();
    void followHotkeySwitch();
    // Writes the settings in effect to the kept store.
    void keepSettingsInEffect();

    // The panel folded or unfolded: the body shortens or grows.
    void foldBody(bool folded);
    void setBodyHeight(std::int32_t height);
    // An empty chat box gets its hint back, and the keyboard goes to the Enter box.
    void restoreChatHint();

    SharedState& state_;
};

}  // namespace lumo
