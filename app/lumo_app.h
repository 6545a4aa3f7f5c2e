// The whole program on one runtime: the shared state and the four windows,
// wired to each other. No window knows another; what one asks of the rest of
// the program (show the settings, open About, end) is connected here.
// start() puts the kept settings into effect, loads the keyboard mouse and the
// tray window, which brings the program up.
#pragma once

#include "about_window/about_window.h"
#include "app/start_options.h"
#include "forms/forms.h"
#include "pointer_core/keyboard_mouse.h"
#include "pointer_core/shared_state.h"
#include "settings_window/settings_window.h"
#include "tray/tray_menu_window.h"
#include "virtual_mouse/virtual_mouse_window.h"

namespace lumo {

class LumoApp {
public:
    explicit LumoApp(forms::Runtime& runtime);
    LumoApp(const LumoApp&) = delete;
    LumoApp& operator=(const LumoApp&) = delete;

    // Ends at once where a copy runs already, which shows its settings window
    // unless this start is in the tray.
    void start(const StartOptions& options = {});

    SharedState state;
    KeyboardMouse keyboardMouse;
    VirtualMouseWindow virtualMouse;
    SettingsWindow settings;
    TrayMenuWindow trayMenu;
    AboutWindow about;

private:
    Platform& platform_;
};

}  // namespace lumo
