// The window's own chrome: dragging by the body and the large pictures, the
// title text, the icon's window menu with its hover highlights, minimize and
// close, move mode (the window follows the pointer until pressed), the
// foreground watch that closes the menu, and the About link.
#include "platform/units.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

using namespace settings_looks;

namespace {

// Move mode keeps the pointer this far below the window's top edge, over the
// free strip of the title bar (which belongs to the window body).
constexpr std::int32_t kMoveModePointerDepth = 30;

}  // namespace

void SettingsWindow::wireChrome() {
    MouseDown = [this](const forms::MouseEvent& e) {
        if (windows_.trayMenu) windows_.trayMenu->hide();
        hideWindowMenu();
        endMoveMode();
        restoreChatHint();
        startDrag(e.button);
    };
    Frame4->MouseDown = [this](const forms::MouseEvent& e) {
        hideWindowMenu();
        endMoveMode();
        startDrag(e.button);
    };
    Image5->MouseDown = [this](const forms::MouseEvent& e) {
        hideWindowMenu();
        endMoveMode();
        restoreChatHint();
        startDrag(e.button);
    };
    Image1->MouseDown = [this](const forms::MouseEvent& e) {
        hideWindowMenu();
        restoreChatHint();
        startDrag(e.button);
    };
    Label1->MouseDown = [this](const forms::MouseEvent&) { hideWindowMenu(); };
    Label1->MouseMove = [this](const forms::MouseEvent& e) { startDrag(e.button); };
    Image4->MouseDown = [this](const forms::MouseEvent&) { Frame3->setVisible(!Frame3->visible()); };

    Frame3->MouseMove = [this](const forms::MouseEvent&) { clearMenuHighlights(); };
    for (forms::Label* item : {Label19, Label17, Label16}) {
        item->MouseMove = [item](const forms::MouseEvent&) { item->setBackColor(kTitleColor); };
    }
    Label19->MouseDown = [this](const forms::MouseEvent&) {
        hideWindowMenu();
        Timer2->setEnabled(true);
        Label20->setVisible(true);
    };
    Label17->Click = [this] {
        setWindowState(forms::WindowState::Minimized);
        hideWindowMenu();
    };
    Label16->MouseDown = [this](const forms::MouseEvent&) {
        if (windows_.exitProgram) windows_.exitProgram();
    };
    Image3->Click = [this] { setWindowState(forms::WindowState::Minimized); };
    Image2->Click = [this] {
        if (windows_.exitProgram) windows_.exitProgram();
    };
    Label4->Click = [this] {
        if (windows_.about) windows_.about->show(this);
    };

    // The foreground watch has nothing to watch while the window is hidden, and
    // a hidden window is never in front: its menu closes as the watch would.
    Shown = [this] { Timer1->setEnabled(true); };
    Hidden = [this] {
        Timer1->setEnabled(false);
        closeWindowMenu();
    };
    Timer1->Tick = [this] { foregroundWatch(); };
    Timer2->Tick = [this] { moveModeStep(); };
}

void SettingsWindow::startDrag(int button) {
    // Only the left button alone: a press with two buttons down drags nothing.
    if (button == forms::kLeftButton) platform().startWindowDrag(handle());
}

void SettingsWindow::hideWindowMenu() { Frame3->setVisible(false); }

void SettingsWindow::endMoveMode() {
    Timer2->setEnabled(false);
    Label20->setVisible(false);
}

void SettingsWindow::clearMenuHighlights() {
    for (forms::Label* item : {Label16, Label17, Label19}) item->setBackColor(kBackground);
}

void SettingsWindow::closeWindowMenu() {
    clearMenuHighlights();
    hideWindowMenu();
}

void SettingsWindow::foregroundWatch() {
    state_.foregroundWindow = static_cast<std::intptr_t>(platform().foregroundWindow());
    if (state_.foregroundWindow != static_cast<std::intptr_t>(handle())) closeWindowMenu();
}

void SettingsWindow::moveModeStep() {
    const Point pointer = platform().cursorPos();
    const ScreenMetrics screen = platform().screen();
    Label20->setText(coordinateText(pointer.x, pointer.y));
    // The pointer stays at the middle of the title bar's top strip, so that a
    // press there lands on the window body and ends move mode.
    setLeft(roundHalfEven(pointer.x * screen.twipsPerPixelX - width() / 2.0));
    setTop(roundHalfEven(pointer.y * screen.twipsPerPixelY - kMoveModePointerDepth));
}

}  // namespace lumo
