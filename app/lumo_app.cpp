#include "app/lumo_app.h"

namespace lumo {

LumoApp::LumoApp(forms::Runtime& runtime)
    : virtualMouse(runtime, state), settings(runtime, state), trayMenu(runtime, state), about(runtime) {
    // A button the engine holds is let go whenever the keys change meaning
    // and before the program ends.
    settings.HotkeysChanged = [this] { virtualMouse.hotkeysChanged(); };
    trayMenu.Ending = [this] { virtualMouse.hotkeysChanged(); };

    settings.VirtualMouseRequested = [this] { virtualMouse.show(); };
    settings.AboutRequested = [this] { about.show(&settings); };
    settings.ExitRequested = [this] { trayMenu.exitProgram(); };
    settings.BodyPressed = [this] { trayMenu.hide(); };

    trayMenu.ShowSettingsRequested = [this] { settings.show(); };
    trayMenu.HideSettingsRequested = [this] { settings.hide(); };
    trayMenu.AboutRequested = [this] { about.show(nullptr); };
}

// The tray window is the start-up object: its load shows the settings window
// and installs the notification-area icon.
void LumoApp::start() { trayMenu.load(); }

}  // namespace lumo
