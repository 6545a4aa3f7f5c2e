// Form3: the start-up window. It owns the notification-area icon and doubles
// as the icon's hand-drawn popup menu (show settings, hide settings, about,
// exit). It is hidden except while the menu is up and lives for the whole run.
#pragma once

#include <cstdint>

#include "platform/forms/forms.h"
#include "platform/forms/hand_drag.h"
#include "pointer_core/shared_state.h"
#include "tray/app_windows.h"

namespace lumo {

class TrayWindow : public forms::Form, public forms::TrayIconSink {
public:
    TrayWindow(forms::Runtime& runtime, SharedState& shared, AppWindows& windows);

    // Removes the notification-area icon and ends the process at once.
    void exitProgram();
    // Opens the menu beside the pointer, towards the middle of the screen.
    void popupAtPointer();

    // A left click on the icon shows the settings; a right click opens the menu.
    void trayIconMessage(TrayEvent event) override;
    // Puts the icon back into the new shell's notification area.
    void shellRestarted() override;

    // The icon record, filled once at start-up and reused unchanged.
    const TrayIconData& trayIconData() const { return trayIconData_; }

    // The window is dragged by its background and its top strip.
    forms::HandDrag drag;

    forms::Shape* Shape1 = nullptr;  // left band
    forms::Shape* Shape2 = nullptr;  // frame; gives the window its size
    forms::Shape* Shape3 = nullptr;  // top band
    forms::Label* Label1 = nullptr;  // header
    forms::Label* Label5 = nullptr;  // "显示设置"
    forms::Label* Label4 = nullptr;  // "隐藏设置"
    forms::Label* Label3 = nullptr;  // "关于软件"
    forms::Label* Label2 = nullptr;  // "退出程序"
    forms::Line* Line3 = nullptr;
    forms::Line* Line2 = nullptr;
    forms::Line* Line1 = nullptr;
    forms::Image* Image1 = nullptr;  // hover marker
    forms::Image* Image2 = nullptr;  // left edge strip
    forms::Image* Image3 = nullptr;  // bottom edge strip
    forms::Image* Image4 = nullptr;  // right edge strip
    forms::Image* Image5 = nullptr;  // top edge strip and drag handle
    forms::Timer* Timer1 = nullptr;  // watchdog

protected:
    void design() override;

private:
    // Wiring, one job each (tray_window_*.cpp).
    void wireStartup();
    void wireMenu();

    void startUp();
    void showSettings();
    void hideSettings();
    void showAbout();
    void markRow(std::int32_t markerTop);
    void hideMarker();
    void watchdogTick();

    SharedState& shared_;
    AppWindows& windows_;
    TrayIconData trayIconData_;
};

}  // namespace lumo
