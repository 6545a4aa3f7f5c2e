#include "tray/tray_icon.h"

namespace lumo {

std::string trayTip(const std::string& title, AppVersion version) {
    return title + "(版本 " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision) + ")";
}

TrayIconData makeTrayIconData(WindowHandle owner, IconHandle icon) {
    TrayIconData data;
    data.owner = owner;
    data.id = icon;
    data.icon = icon;
    showKeyboardMouseState(data, icon, false);
    return data;
}

bool addTrayIcon(Platform& platform, const TrayIconData& data) {
    platform.notifyIcon(TrayAction::Add, data);
    return platform.notifyIcon(TrayAction::UseCurrentVersion, data);
}

void showKeyboardMouseState(TrayIconData& data, IconHandle icon, bool on) {
    data.icon = icon;
    data.tip = trayTip(kAppTitle, kAppVersion) + (on ? "\n键盘鼠标：开" : "\n键盘鼠标：关");
}

bool restoreTrayIcon(Platform& platform, const TrayIconData& data) {
    if (!platform.notifyIcon(TrayAction::Add, data)) platform.notifyIcon(TrayAction::Modify, data);
    return platform.notifyIcon(TrayAction::UseCurrentVersion, data);
}

}  // namespace lumo
