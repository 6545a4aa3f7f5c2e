// The notification-area icon: its record and its tip text.
#pragma once

#include <cstdint>
#include <string>

#include "lumo_version.h"
#include "platform/platform.h"

namespace lumo {

inline constexpr const char* kAppTitle = "Lumo桌面小鼠标";
struct AppVersion {
    int major;
    int minor;
    int revision;
};
inline constexpr AppVersion kAppVersion{LUMO_VERSION_MAJOR, LUMO_VERSION_MINOR, LUMO_VERSION_PATCH};

// "Lumo桌面小鼠标(版本 1.1.0)".
std::string trayTip(const std::string& title, AppVersion version);

// The record for an icon owned by `owner`, the keyboard mouse off. The icon
// handle doubles as the icon's id, so owner and id together name this icon
// for the shell; the id keeps that value for the whole run.
TrayIconData makeTrayIconData(WindowHandle owner, IconHandle icon);

// Adds the icon, then asks for the current callback version (keyboard
// selection, anchor point): true when the shell speaks it.
bool addTrayIcon(Platform& platform, const TrayIconData& data);

// The picture and the tip's second line say whether the keyboard mouse is on.
void showKeyboardMouseState(TrayIconData& data, IconHandle icon, bool on);

// Puts the icon back after the shell lost it (a restarted taskbar), with the
// version asked for again. If the shell still knows the icon it refuses the
// add; updating it then is enough.
bool restoreTrayIcon(Platform& platform, const TrayIconData& data);

}  // namespace lumo
