#include "app/lumo_app.h"

#include "pointer_core/kept_settings.h"

namespace lumo {

LumoApp::LumoApp(forms::Runtime& runtime)
    : virtualMouse(runtime, state),
      settings(runtime, state),
      trayMenu(runtime, state),
      about(runtime),
      platform_(runtime.platform()) {
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

// The kept settings take effect as after an apply: the keys work at once
// (the engine runs on the virtual mouse's timers), and the virtual mouse shows
// once an apply has ever happened, unless it is to stay hidden. The tray
// window is the start-up object: its load shows the settings window, which
// shows the settings in effect, and installs the notification-area icon.
void LumoApp::start(const StartOptions& options) {
    state.settings = readKeptSettings(platform_);
    const Settings& kept = state.settings;
    if (kept.applied && !kept.hideVirtualMouse) {
        virtualMouse.show();
    } else if (kept.applied || kept.hotkeysEnabled) {
        virtualMouse.load();
    }
    trayMenu.startsInTray = options.inTray;
    trayMenu.load();
}

}  // namespace lumo
