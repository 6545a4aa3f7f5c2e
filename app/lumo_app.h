// The whole program on one runtime: the shared state and the four windows,
// wired to each other. No window knows another; what one asks of the rest of
// the program (show the settings, open About, end) is connected here.
// start() puts the kept settings into effect and loads the tray window, which
// brings the program up.
#pragma once

#include "about_window/about_window.h"
#include "app/start_options.h"
#include "platform/forms/forms.h"
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

    void start(const StartOptions& options = {});

    SharedState state;
    VirtualMouseWindow virtualMouse;
    SettingsWindow settings;
    TrayMenuWindow trayMenu;
    AboutWindow about;

private:
    Platform& platform_;
};

}  // namespace lumo
