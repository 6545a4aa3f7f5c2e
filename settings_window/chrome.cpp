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
        forms::notify(BodyPressed);
        hideWindowMenu();
        endMoveMode();
        restoreChatHint();
        startDrag(e.button);
    };
    picker.keyPicker->MouseDown = [this](const forms::MouseEvent& e) {
        hideWindowMenu();
        endMoveMode();
        startDrag(e.button);
    };
    panel.searchBanner->MouseDown = [this](const forms::MouseEvent& e) {
        hideWindowMenu();
        endMoveMode();
        restoreChatHint();
        startDrag(e.button);
    };
    schematic->MouseDown = [this](const forms::MouseEvent& e) {
        hideWindowMenu();
        restoreChatHint();
        startDrag(e.button);
    };
    titleText->MouseDown = [this](const forms::MouseEvent&) { hideWindowMenu(); };
    titleText->MouseMove = [this](const forms::MouseEvent& e) { startDrag(e.button); };
    windowMenuIcon->MouseDown = [this](const forms::MouseEvent&) { windowMenu->setVisible(!windowMenu->visible()); };

    windowMenu->MouseMove = [this](const forms::MouseEvent&) { clearMenuHighlights(); };
    for (forms::Label* item : {menuMoveItem, menuMinimizeItem, menuCloseItem}) {
        item->MouseMove = [item](const forms::MouseEvent&) { item->setBackColor(kTitleColor); };
    }
    menuMoveItem->MouseDown = [this](const forms::MouseEvent&) {
        hideWindowMenu();
        moveModeTimer->setEnabled(true);
        moveModeCoordinates->setVisible(true);
    };
    menuMinimizeItem->Click = [this] {
        setWindowState(forms::WindowState::Minimized);
        hideWindowMenu();
    };
    menuCloseItem->MouseDown = [this](const forms::MouseEvent&) {
        forms::notify(ExitRequested);
    };
    minimizeBox->Click = [this] { setWindowState(forms::WindowState::Minimized); };
    closeBox->Click = [this] {
        forms::notify(ExitRequested);
    };
    aboutLink->Click = [this] {
        forms::notify(AboutRequested);
    };

    // The foreground watch has nothing to watch while the window is hidden, and
    // a hidden window is never in front: its menu closes as the watch would.
    Shown = [this] {
        foregroundWatchTimer->setEnabled(true);
        // Space then switches the keyboard mouse on, and Enter applies.
        hotkeysCheck->setFocus();
    };
    Hidden = [this] {
        foregroundWatchTimer->setEnabled(false);
        closeWindowMenu();
    };
    foregroundWatchTimer->Tick = [this] { checkForeground(); };
    moveModeTimer->Tick = [this] { moveModeStep(); };
}

void SettingsWindow::startDrag(int button) {
    // Only the left button alone: a press with two buttons down drags nothing.
    if (button == forms::kLeftButton) platform().startWindowDrag(handle());
}

void SettingsWindow::hideWindowMenu() { windowMenu->setVisible(false); }

void SettingsWindow::endMoveMode() {
    moveModeTimer->setEnabled(false);
    moveModeCoordinates->setVisible(false);
}

void SettingsWindow::clearMenuHighlights() {
    for (forms::Label* item : {menuCloseItem, menuMinimizeItem, menuMoveItem}) item->setBackColor(kBackground);
}

void SettingsWindow::closeWindowMenu() {
    clearMenuHighlights();
    hideWindowMenu();
}

void SettingsWindow::checkForeground() {
    lastForegroundWindow_ = platform().foregroundWindow();
    if (lastForegroundWindow_ != handle()) closeWindowMenu();
}

void SettingsWindow::moveModeStep() {
    const Point pointer = platform().cursorPos();
    const ScreenMetrics screen = platform().screen();
    moveModeCoordinates->setText(coordinateText(pointer.x, pointer.y));
    // The pointer stays at the middle of the title bar's top strip, so that a
    // press there lands on the window body and ends move mode.
    setLeft(roundHalfEven(pointer.x * screen.twipsPerPixelX - width() / 2.0));
    setTop(roundHalfEven(pointer.y * screen.twipsPerPixelY - kMoveModePointerDepth));
}

void SettingsWindow::restoreChatHint() {
    // Enter then applies.
    if (panel.restoreChatHint()) enterBox->setFocus();
}

void SettingsWindow::foldBody(bool folded) {
    const std::int32_t height = bodyHeightAfterFoldClick(bodyOutline->height(), folded);
    if (height != bodyOutline->height()) setBodyHeight(height);
}

void SettingsWindow::setBodyHeight(std::int32_t height) {
    // One resize in place of the pass-by-pass loop: the end state is the same
    // and nothing else runs in between either way.
    bodyOutline->setHeight(height);
    setHeight(bodyOutline->height() + titleStrip->height());
}

}  // namespace lumo
