// The title bar's and window menu's handlers.
#include "settings_window/title_bar.h"

#include "platform/units.h"
#include "settings_window/settings_looks.h"

namespace lumo {

using namespace settings_looks;

namespace {

// Move mode keeps the pointer this far below the window's top edge, over the
// free strip of the title bar (which belongs to the window body).
constexpr std::int32_t kMoveModePointerDepth = 30;

}  // namespace

void TitleBar::wire() {
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
        window_.setWindowState(forms::WindowState::Minimized);
        hideWindowMenu();
    };
    menuCloseItem->MouseDown = [this](const forms::MouseEvent&) { forms::notify(CloseRequested); };
    minimizeBox->Click = [this] { window_.setWindowState(forms::WindowState::Minimized); };
    closeBox->Click = [this] { forms::notify(CloseRequested); };
    foregroundWatchTimer->Tick = [this] { checkForeground(); };
    moveModeTimer->Tick = [this] { moveModeStep(); };
}

void TitleBar::startDrag(int button) {
    // Only the left button alone: a press with two buttons down drags nothing.
    if (button == forms::kLeftButton) window_.platform().startWindowDrag(window_.handle());
}

void TitleBar::hideWindowMenu() { windowMenu->setVisible(false); }

void TitleBar::endMoveMode() {
    moveModeTimer->setEnabled(false);
    moveModeCoordinates->setVisible(false);
}

void TitleBar::clearMenuHighlights() {
    for (forms::Label* item : {menuCloseItem, menuMinimizeItem, menuMoveItem}) item->setBackColor(kBackground);
}

void TitleBar::closeWindowMenu() {
    clearMenuHighlights();
    hideWindowMenu();
}

void TitleBar::watchForeground(bool on) { foregroundWatchTimer->setEnabled(on); }

void TitleBar::checkForeground() {
    lastForegroundWindow_ = window_.platform().foregroundWindow();
    if (lastForegroundWindow_ != window_.handle()) closeWindowMenu();
}

void TitleBar::moveModeStep() {
    Platform& platform = window_.platform();
    const Point pointer = platform.cursorPos();
    const ScreenMetrics screen = platform.screen();
    moveModeCoordinates->setText(coordinateText(pointer.x, pointer.y));
    // The pointer stays at the middle of the title bar's top strip, so that a
    // press there lands on the window body and ends move mode.
    window_.setLeft(roundHalfEven(pointer.x * screen.twipsPerPixelX - window_.width() / 2.0));
    window_.setTop(roundHalfEven(pointer.y * screen.twipsPerPixelY - kMoveModePointerDepth));
}

}  // namespace lumo
