#include "app/lumo_app.h"

#include "pointer_core/kept_settings.h"

namespace lumo {

LumoApp::LumoApp(forms::Runtime& runtime)
    : keyboardMouse(runtime, state),
      virtualMouse(runtime, state),
      settings(runtime, state),
      trayMenu(runtime, state),
      about(runtime),
      platform_(runtime.platform()) {
    // A button the engine holds is let go whenever the keys change meaning,
    // before a zone of the virtual mouse clicks and before the program ends.
    settings.HotkeysChanged = [this] {
        keyboardMouse.settingsChanged();
        trayMenu.showKeyboardMouseState();
    };
    trayMenu.Ending = [this] { keyboardMouse.releaseButtons(); };
    virtualMouse.ZoneClicking = [this] { keyboardMouse.releaseButtons(); };
    keyboardMouse.PointerMoved = [this] { virtualMouse.pointerMoved(); };
    // A second start shows the settings window in front and active: the
    // second copy handed its right to the foreground on.
    keyboardMouse.SecondCopyStarted = [this] {
        settings.show();
        platform_.setTopmost(settings.handle(), /*topmost=*/false, /*activate=*/true);
    };
    keyboardMouse.Switched = [this] {
        settings.showHotkeysState();
        trayMenu.showKeyboardMouseState();
    };

    settings.VirtualMouseRequested = [this] { virtualMouse.show(); };
    settings.AboutRequested = [this] { about.show(&settings); };
    settings.ExitRequested = [this] { trayMenu.exitProgram(); };
    settings.BodyPressed = [this] { trayMenu.hide(); };

    trayMenu.ShowSettingsRequested = [this] { settings.show(); };
    trayMenu.HideSettingsRequested = [this] { settings.hide(); };
    trayMenu.AboutRequested = [this] { about.show(nullptr); };
}

// One copy per user and session; a name taken by something that does not
// answer as a copy would keeps no start from running. The kept settings take effect as after an apply: the
// keyboard mouse listens from the start, and the virtual mouse shows once an
// apply has ever happened, unless it is to stay hidden. The tray window is the
// start-up object: its load shows the settings window, which shows the
// settings in effect, and installs the notification-area icon.
void LumoApp::start(const StartOptions& options) {
    if (!platform_.claimSingleCopy() && platform_.wakeFirstCopy(/*show=*/!options.inTray)) {
        platform_.exitProcess();
        return;
    }
    state.settings = readKeptSettings(platform_);
    state.hotkeysKept = state.settings.hotkeysEnabled;
    keyboardMouse.load();
    const Settings& kept = state.settings;
    if (kept.applied && !kept.hideVirtualMouse) {
        virtualMouse.show();
    } else if (kept.applied) {
        virtualMouse.load();
    }
    trayMenu.startsInTray = options.inTray;
    trayMenu.load();
}

}  // namespace lumo
