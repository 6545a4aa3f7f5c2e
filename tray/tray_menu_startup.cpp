// Start-up, the notification-area icon and the ways the program ends.
#include "tray/tray_icon.h"
#include "tray/tray_menu_window.h"

namespace lumo {

void TrayMenuWindow::wireStartup() {
    Load = [this] { startUp(); };
    // The tray window lives for the whole run, so the system closing it (log-off,
    // shut-down, a close command) is the end of the program: going on without
    // an icon would leave a process that nothing can reach or end.
    QueryUnload = [this](bool&) { exitProgram(); };
}

void TrayMenuWindow::startUp() {
    rowMarker->setVisible(false);
    setHeight(menuFrame->height());
    setWidth(menuFrame->width());
    // The settings window is on screen before the icon exists: if the shell
    // refuses the icon, the program is still usable.
    if (!startsInTray) showSettings();
    setIcon(Asset::AppIcon);
    hide();
    // The icon handle is the icon's id as well.
    const IconHandle iconHandle = platform().iconHandle(Asset::AppIcon);
    trayIconData_ = makeTrayIconData(handle(), iconHandle);
    takeKeyboardMouseState();
    iconSpeaksCurrentVersion_ = addTrayIcon(platform(), trayIconData_);
}

void TrayMenuWindow::showKeyboardMouseState() {
    // Before start-up there is no icon yet; start-up adds it as it is then.
    if (trayIconData_.owner != 0 && takeKeyboardMouseState()) {
        platform().notifyIcon(TrayAction::Modify, trayIconData_);
    }
}

bool TrayMenuWindow::takeKeyboardMouseState() {
    const bool on = shared_.settings.hotkeysEnabled;
    const TrayIconData before = trayIconData_;
    lumo::showKeyboardMouseState(trayIconData_, platform().iconHandle(on ? Asset::AppIconOn : Asset::AppIcon), on);
    return trayIconData_.icon != before.icon || trayIconData_.tip != before.tip;
}

void TrayMenuWindow::trayIconMessage(TrayEvent event, Point anchor) {
    raise([&] {
        switch (trayRequestOf(event, iconSpeaksCurrentVersion_)) {
            case TrayRequest::ShowSettings: showSettings(); break;
            // The mouse-only reports carry no anchor: the menu opens at the pointer.
            case TrayRequest::OpenMenu: popupAt(iconSpeaksCurrentVersion_ ? anchor : platform().cursorPos()); break;
            case TrayRequest::None: break;
        }
    });
}

void TrayMenuWindow::shellRestarted() {
    raise([this] { iconSpeaksCurrentVersion_ = restoreTrayIcon(platform(), trayIconData_); });
}

void TrayMenuWindow::exitProgram() {
    // Also the way out at log-off and shut-down: a button the engine holds
    // must not outlive the program.
    forms::notify(Ending);
    platform().notifyIcon(TrayAction::Delete, trayIconData_);
    platform().exitProcess();
}

}  // namespace lumo
