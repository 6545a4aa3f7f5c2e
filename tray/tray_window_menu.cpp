// The popup menu: placement at the pointer, the four items, the hover marker,
// dragging by hand, and what closes it from outside: losing the activation to
// another window, and the watchdog that sees a left button held elsewhere.
#include "platform/units.h"
#include "tray/menu_placement.h"
#include "tray/tray_window.h"

namespace lumo {

namespace {

// Marker tops for the four item rows.
constexpr std::int32_t kShowSettingsRow = 0;
constexpr std::int32_t kHideSettingsRow = 360;
constexpr std::int32_t kAboutRow = 720;
constexpr std::int32_t kExitRow = 1080;

}  // namespace

void TrayWindow::wireMenu() {
    Label5->Click = [this] {
        showSettings();
        hide();
    };
    Label4->Click = [this] {
        hideSettings();
        hide();
    };
    Label3->Click = [this] {
        showAbout();
        hide();
    };
    Label2->Click = [this] { exitProgram(); };

    Label5->MouseMove = [this](const forms::MouseEvent&) { markRow(kShowSettingsRow); };
    Label4->MouseMove = [this](const forms::MouseEvent&) { markRow(kHideSettingsRow); };
    Label3->MouseMove = [this](const forms::MouseEvent&) { markRow(kAboutRow); };
    Label2->MouseMove = [this](const forms::MouseEvent&) { markRow(kExitRow); };
    // The pencil itself and the edge strips: the pointer is leaving the items.
    for (forms::Image* edge : {Image1, Image2, Image3, Image4}) {
        edge->MouseMove = [this](const forms::MouseEvent&) { hideMarker(); };
    }

    MouseDown = [this](const forms::MouseEvent& e) { drag.press(e); };
    MouseMove = [this](const forms::MouseEvent& e) { drag.moveWindow(*this, e); };
    Image5->MouseDown = [this](const forms::MouseEvent& e) { drag.press(e); };
    Image5->MouseMove = [this](const forms::MouseEvent& e) {
        hideMarker();
        drag.moveWindow(*this, e);
    };

    // Like any menu, it closes when another window takes the activation (a
    // click elsewhere, Alt+Tab, a focus change); presses inside keep it active.
    Deactivate = [this] { hide(); };
    Shown = [this] { Timer1->setEnabled(true); };
    Hidden = [this] { Timer1->setEnabled(false); };
    Timer1->Tick = [this] { watchdogTick(); };
}

void TrayWindow::popupAtPointer() {
    const auto position = menuPositionAt(platform().cursorPos(), platform().screen());
    if (!position) return;
    show();
    // Activating brings the menu to the front, so the watchdog sees it as the
    // foreground window and presses inside it keep it open.
    platform().setTopmost(handle(), true, /*activate=*/true);
    setLeft(position->left);
    setTop(position->top);
}

void TrayWindow::showSettings() {
    if (windows_.settings) windows_.settings->show();
}

void TrayWindow::hideSettings() {
    if (windows_.settings) windows_.settings->hide();
}

void TrayWindow::showAbout() {
    if (windows_.about) windows_.about->show(nullptr);
}

void TrayWindow::markRow(std::int32_t markerTop) {
    Image1->setVisible(true);
    Image1->setTop(markerTop);
}

void TrayWindow::hideMarker() { Image1->setVisible(false); }

void TrayWindow::watchdogTick() {
    shared_.foregroundWindow = static_cast<std::intptr_t>(platform().foregroundWindow());
    // A press elsewhere closes the menu; presses inside it make it the
    // foreground window and leave it open.
    const bool menuInFront = static_cast<std::intptr_t>(handle()) == shared_.foregroundWindow;
    if (platform().isKeyDown(Key::LeftButton) && !menuInFront) hide();
}

}  // namespace lumo
