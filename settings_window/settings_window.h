// The settings window: its parts (its own title bar and window menu, the
// settings area with the options, hotkeys and apply, the key picker and the
// shopping links panel) each own their controls and handlers; the window
// places them, holds the keyboard's ring and answers their events. Controls
// are public so that tests can drive them as a user would.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "caption_button/caption_button.h"
#include "forms/forms.h"
#include "pointer_core/shared_state.h"
#include "settings_window/key_picker.h"
#include "settings_window/options_area.h"
#include "settings_window/promo_panel.h"
#include "settings_window/title_bar.h"

namespace lumo {

class SettingsWindow : public forms::Form {
public:
    SettingsWindow(forms::Runtime& runtime, SharedState& state);

    // What the window asks of the rest of the program; unset ones do nothing.
    std::function<void()> VirtualMouseRequested;  // apply opens the virtual mouse first
    std::function<void()> HotkeysChanged;         // the switch or a key binding changed
    std::function<void()> AboutRequested;         // the About link
    std::function<void()> ExitRequested;          // the close box and the window menu's close
    std::function<void()> BodyPressed;            // a press on the body closes the tray menu

    // The hotkeys box shows whether the keyboard mouse is on (switched elsewhere).
    void showHotkeysState() { options.showHotkeysState(); }

    // The keyboard's ring: the key picker's list and buttons while it is
    // open, else the settings in the order of the task, apply, the About
    // link and the links panel.
    std::vector<forms::Control*> tabStops() const override;

    // ---- Title bar and window menu ----
    TitleBar titleBar;

    // ---- The settings area: schematic, options, hotkeys and apply ----
    OptionsArea options;

    // ---- Key picker ----
    KeyPicker picker;

    // ---- Shopping links panel ----
    PromoPanel panel;

protected:
    void design() override;

private:
    // Behaviour: the window's own events and the parts' events it answers.
    void wireParts();
    void wireChrome();
    void wireKeys();

    void onLoad();

    // The panel folded or unfolded: the body shortens or grows.
    void foldBody(bool folded);
    void setBodyHeight(std::int32_t height);
    // An empty chat box gets its hint back, and the keyboard goes to the Enter box.
    void restoreChatHint();
};

}  // namespace lumo
