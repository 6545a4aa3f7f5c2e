// The whole program on one runtime: the shared state and the four windows,
// wired to each other. No window knows another; what one asks of the rest of
// the program (show the settings, open About, end) is connected here.
// start() loads the keyboard mouse and the tray window, which brings the
// program up.
#pragma once

#include <string_view>

#include "about_window/about_window.h"
#include "platform/forms/forms.h"
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

    // Ends at once where a copy runs already: it shows its settings
    // window unless this start carries the tray switch.
    void start(bool traySwitch = false);

    SharedState state;
    KeyboardMouse keyboardMouse;
    VirtualMouseWindow virtualMouse;
    SettingsWindow settings;
    TrayMenuWindow trayMenu;
    AboutWindow about;
};

// The command line asks to start in the notification area ("/tray").
bool hasTraySwitch(std::string_view commandLine);

}  // namespace lumo
