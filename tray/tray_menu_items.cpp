// The popup menu: placement beside the icon, the four items, the hover marker
// (which the Up and Down keys move as the pointer does), dragging by hand, and
// what closes it from outside: losing the activation to another window, and
// the watchdog that sees a left button held elsewhere.
#include <array>
#include <cstdlib>

#include "platform/units.h"
#include "tray/menu_placement.h"
#include "tray/tray_menu_window.h"

namespace lumo {

namespace {

// A context menu asked for with the mouse comes with the pointer on the
// icon's anchor; a few pixels of slack cover a hand that moved meanwhile.
constexpr std::int32_t kPointerSlack = 4;

}  // namespace

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

    KeyDown = [this](KeyCode& key, int) {
        if (key != Key::Up && key != Key::Down) return;
        moveMark(key == Key::Down ? 1 : -1);
        key = KeyCode{};
    };
    Accept = [this] {
        if (forms::Label* item = markedItem(); item && item->Click) item->Click();
    };
    Cancel = [this] { dismiss(); };

    // Like any menu, it closes when another window takes the activation (a
    // click elsewhere, Alt+Tab, a focus change); presses inside keep it active.
    Deactivate = [this] { hide(); };
    Shown = [this] { watchdogTimer->setEnabled(true); };
    Hidden = [this] { watchdogTimer->setEnabled(false); };
    watchdogTimer->Tick = [this] { watchdogTick(); };
}

void TrayMenuWindow::popupAt(Point anchor) {
    const auto position = menuPositionAt(anchor, platform().screen());
    if (!position) return;
    const Point pointer = platform().cursorPos();
    if (std::abs(pointer.x - anchor.x) > kPointerSlack || std::abs(pointer.y - anchor.y) > kPointerSlack) {
        markRow(*showSettingsItem);
    }
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
    rowMarker->setVisible(true);
    rowMarker->setTop(markerTopFor(item));
}

void TrayMenuWindow::hideMarker() { rowMarker->setVisible(false); }

// The pencil's point, halfway down its picture, is level with the item's top edge.
std::int32_t TrayMenuWindow::markerTopFor(const forms::Label& item) const {
    return item.top() - rowMarker->height() / 2;
}

forms::Label* TrayMenuWindow::markedItem() const {
    if (!rowMarker->visible()) return nullptr;
    for (forms::Label* item : {showSettingsItem, hideSettingsItem, aboutItem, exitItem}) {
        if (markerTopFor(*item) == rowMarker->top()) return item;
    }
    return nullptr;
}

void TrayMenuWindow::moveMark(int step) {
    const std::array<forms::Label*, 4> items{showSettingsItem, hideSettingsItem, aboutItem, exitItem};
    const int count = static_cast<int>(items.size());
    // Unmarked, Down starts at the first item and Up at the last.
    int index = step > 0 ? -1 : count;
    for (int i = 0; i < count; ++i) {
        if (items[i] == markedItem()) index = i;
    }
    markRow(*items[(index + step + count) % count]);
}

void TrayMenuWindow::dismiss() {
    hide();
    platform().notifyIcon(TrayAction::Focus, trayIconData_);
}

void TrayMenuWindow::watchdogTick() {
    lastForegroundWindow_ = platform().foregroundWindow();
    const bool menuInFront = handle() == lastForegroundWindow_;
    if (pressedElsewhere(platform().isKeyDown(Key::LeftButton), menuInFront)) hide();
}

}  // namespace lumo
