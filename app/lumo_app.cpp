#include "app/lumo_app.h"

namespace lumo {

LumoApp::LumoApp(forms::Runtime& runtime)
    : keyboardMouse(runtime, state),
      virtualMouse(runtime, state),
      settings(runtime, state),
      trayMenu(runtime, state),
      about(runtime) {
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
        settings.platform().setTopmost(settings.handle(), /*topmost=*/false, /*activate=*/true);
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

// The keyboard mouse listens from the start. The tray window is the start-up
// object: its load shows the settings window and installs the
// notification-area icon.
void LumoApp::start(bool traySwitch) {
    Platform& platform = keyboardMouse.platform();
    if (!platform.claimSingleCopy()) {
        if (!traySwitch) platform.wakeFirstCopy();
        platform.exitProcess();
        return;
    }
    keyboardMouse.load();
    trayMenu.load();
}

bool hasTraySwitch(std::string_view commandLine) {
    constexpr std::string_view kSwitch = "/tray";
    for (std::size_t at = commandLine.find('/'); at != std::string_view::npos; at = commandLine.find('/', at + 1)) {
        const std::string_view word = commandLine.substr(at, commandLine.find(' ', at) - at);
        if (word.size() != kSwitch.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < word.size(); ++i) same = same && (word[i] | 0x20) == kSwitch[i];
        if (same) return true;
    }
    return false;
}

}  // namespace lumo
