// The tray menu window, which is also the start-up window: it owns the
// notification-area icon and doubles as the icon's hand-drawn popup menu (show
// settings, hide settings, about, exit). It is hidden except while the menu is
// up and lives for the whole run.
#pragma once

#include <cstdint>
#include <functional>

#include "forms/forms.h"
#include "forms/hand_drag.h"
#include "pointer_core/shared_state.h"

namespace lumo {

// The watchdog's rule: the left button down while another window is in front
// is a press elsewhere, which closes the menu. Presses inside the menu make it
// the foreground window and leave it open.
inline bool pressedElsewhere(bool leftButtonDown, bool menuInFront) { return leftButtonDown && !menuInFront; }

// What a report of the icon asks for. A shell that speaks the current version
// sends the mouse releases as well, before its selection or context menu:
// then only those act, or a click would act twice.
enum class TrayRequest { None, ShowSettings, OpenMenu };
inline TrayRequest trayRequestOf(TrayEvent event, bool currentVersion) {
    if (event == (currentVersion ? TrayEvent::Select : TrayEvent::LeftUp)) return TrayRequest::ShowSettings;
    if (event == (currentVersion ? TrayEvent::ContextMenu : TrayEvent::RightUp)) return TrayRequest::OpenMenu;
    return TrayRequest::None;
}

class TrayMenuWindow : public forms::Form, public forms::TrayIconSink {
public:
    TrayMenuWindow(forms::Runtime& runtime, SharedState& shared);

    // What the menu asks of the rest of the program; unset ones do nothing.
    // Start-up shows the settings window through ShowSettingsRequested too,
    // unless the program starts in the tray.
    std::function<void()> ShowSettingsRequested;
    std::function<void()> HideSettingsRequested;
    std::function<void()> AboutRequested;
    // The program is about to end: nothing may be left held.
    std::function<void()> Ending;

    // Start-up leaves the settings window closed: the icon is all there is.
    bool startsInTray = false;

    // Removes the notification-area icon and ends the process at once.
    void exitProgram();
    // Opens the menu beside `anchor` (screen pixels), towards the middle of
    // the screen. Away from the pointer, the keyboard opened it: the first
    // item is highlighted then.
    void popupAt(Point anchor);

    forms::TrayIconSink* trayIconSink() override { return this; }
    // Choosing the icon shows the settings; its context menu is this menu.
    void trayIconMessage(TrayEvent event, Point anchor) override;
    // Puts the icon back into the new shell's notification area.
    void shellRestarted() override;
    // The icon's picture and tip follow the keyboard mouse's switch.
    void showKeyboardMouseState();

    // The icon record, filled once at start-up and reused unchanged.
    const TrayIconData& trayIconData() const { return trayIconData_; }

    // The window is dragged by its background and its top strip.
    forms::HandDrag drag;

    forms::Shape* leftBand = nullptr;
    forms::Shape* menuFrame = nullptr;  // gives the window its size
    forms::Shape* topBand = nullptr;
    forms::Label* seriesHeader = nullptr;      // "Lumo 系列软件", a column
    forms::Label* showSettingsItem = nullptr;  // "显示设置"
    forms::Label* hideSettingsItem = nullptr;  // "隐藏设置"
    forms::Label* aboutItem = nullptr;         // "关于软件"
    forms::Label* exitItem = nullptr;          // "退出程序"
    forms::Line* ruleBelowShowSettings = nullptr;
    forms::Line* ruleBelowHideSettings = nullptr;
    forms::Line* ruleBelowAbout = nullptr;
    forms::Image* rowMarker = nullptr;  // the pencil beside the row under the pointer
    forms::Image* leftEdgeStrip = nullptr;
    forms::Image* bottomEdgeStrip = nullptr;
    forms::Image* rightEdgeStrip = nullptr;
    forms::Image* topEdgeStrip = nullptr;  // also a drag handle
    forms::Timer* watchdogTimer = nullptr;

    // The foreground window the watchdog last saw (0 before it first ran).
    WindowHandle lastForegroundWindow() const { return lastForegroundWindow_; }

protected:
    void design() override;

private:
    // Wiring, one job each (tray_menu_*.cpp).
    void wireStartup();
    void wireMenu();

    void startUp();
    void showSettings();
    void hideSettings();
    void showAbout();
    void markRow(const forms::Label& item);
    std::int32_t markerTopFor(const forms::Label& item) const;
    void hideMarker();
    // The item the pencil marks, or null; Up and Down move the mark round.
    forms::Label* markedItem() const;
    void moveMark(int step);
    // Esc, Alt+F4: the menu goes, the keyboard goes back to the notification area.
    void dismiss();
    void watchdogTick();
    // Icon and tip for the keyboard mouse's state; true when they changed.
    bool takeKeyboardMouseState();

    SharedState& shared_;
    WindowHandle lastForegroundWindow_ = 0;
    TrayIconData trayIconData_;
    bool iconSpeaksCurrentVersion_ = false;
};

}  // namespace lumo
