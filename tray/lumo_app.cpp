#include "tray/lumo_app.h"

namespace lumo {

LumoApp::LumoApp(forms::Runtime& runtime)
    : virtualMouse(runtime, state),
      settings(runtime, state, windows),
      trayMenu(runtime, state, windows),
      about(runtime) {
    windows.virtualMouse = &virtualMouse;
    windows.settings = &settings;
    windows.trayMenu = &trayMenu;
    windows.about = &about;
    windows.exitProgram = [this] { trayMenu.exitProgram(); };
    windows.hotkeysChanged = [this] { virtualMouse.hotkeysChanged(); };
}

// The tray window is the start-up object: its load shows the settings window
// and installs the notification-area icon.
void LumoApp::start() { trayMenu.load(); }

}  // namespace lumo
