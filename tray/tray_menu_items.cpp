// The popup menu: placement at the pointer, the four items, the hover marker,
// dragging by hand, and what closes it from outside: losing the activation to
// another window, and the watchdog that sees a left button held elsewhere.
#include "platform/units.h"
#include "tray/menu_placement.h"
#include "tray/tray_menu_window.h"

namespace lumo {

void TrayMenuWindow::wireMenu() {
    showSettingsItem->Click = [this] {
        showSettings();
        hide();
    };
    hideSettingsItem->Click = [this] {
        hideSettings();
        hide();
    };
    aboutItem->Click = [this] {
        showAbout();
        hide();
    };
    exitItem->Click = [this] { exitProgram(); };

    for (forms::Label* item : {showSettingsItem, hideSettingsItem, aboutItem, exitItem}) {
        item->MouseMove = [this, item](const forms::MouseEvent&) { markRow(*item); };
    }
    // The pencil itself and the edge strips: the pointer is leaving the items.
    for (forms::Image* edge : {rowMarker, leftEdgeStrip, bottomEdgeStrip, rightEdgeStrip}) {
        edge->MouseMove = [this](const forms::MouseEvent&) { hideMarker(); };
    }

    MouseDown = [this](const forms::MouseEvent& e) { drag.press(e); };
    MouseMove = [this](const forms::MouseEvent& e) { drag.moveWindow(*this, e); };
    topEdgeStrip->MouseDown = [this](const forms::MouseEvent& e) { drag.press(e); };
    topEdgeStrip->MouseMove = [this](const forms::MouseEvent& e) {
        hideMarker();
        drag.moveWindow(*this, e);
    };

    // Like any menu, it closes when another window takes the activation (a
    // click elsewhere, Alt+Tab, a focus change); presses inside keep it active.
    Deactivate = [this] { hide(); };
    Shown = [this] { watchdogTimer->setEnabled(true); };
    Hidden = [this] { watchdogTimer->setEnabled(false); };
    watchdogTimer->Tick = [this] { watchdogTick(); };
}

void TrayMenuWindow::popupAtPointer() {
    const auto position = menuPositionAt(platform().cursorPos(), platform().screen());
    if (!position) return;
    show();
    // Activating brings the menu to the front, so the watchdog sees it as the
    // foreground window and presses inside it keep it open.
    platform().setTopmost(handle(), true, /*activate=*/true);
    setLeft(position->left);
    setTop(position->top);
}

void TrayMenuWindow::showSettings() { forms::notify(ShowSettingsRequested); }

void TrayMenuWindow::hideSettings() { forms::notify(HideSettingsRequested); }

void TrayMenuWindow::showAbout() { forms::notify(AboutRequested); }

void TrayMenuWindow::markRow(const forms::Label& item) {
    // The pencil's point, halfway down its picture, is level with the item's top edge.
    const std::int32_t markerTop = item.top() - rowMarker->height() / 2;
    rowMarker->setVisible(true);
    rowMarker->setTop(markerTop);
}

void TrayMenuWindow::hideMarker() { rowMarker->setVisible(false); }

void TrayMenuWindow::watchdogTick() {
    shared_.foregroundWindow = static_cast<std::intptr_t>(platform().foregroundWindow());
    const bool menuInFront = static_cast<std::intptr_t>(handle()) == shared_.foregroundWindow;
    if (pressedElsewhere(platform().isKeyDown(Key::LeftButton), menuInFront)) hide();
}

}  // namespace lumo
