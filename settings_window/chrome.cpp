// Dragging the window by its body and large pictures, the window shown and
// hidden, and the body the links panel folds.
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

void SettingsWindow::wireChrome() {
    MouseDown = [this](const forms::MouseEvent& e) {
        forms::notify(BodyPressed);
        titleBar.hideWindowMenu();
        titleBar.endMoveMode();
        restoreChatHint();
        titleBar.startDrag(e.button);
    };
    picker.keyPicker->MouseDown = [this](const forms::MouseEvent& e) {
        titleBar.hideWindowMenu();
        titleBar.endMoveMode();
        titleBar.startDrag(e.button);
    };
    panel.searchBanner->MouseDown = [this](const forms::MouseEvent& e) {
        titleBar.hideWindowMenu();
        titleBar.endMoveMode();
        restoreChatHint();
        titleBar.startDrag(e.button);
    };
    options.schematic->MouseDown = [this](const forms::MouseEvent& e) {
        titleBar.hideWindowMenu();
        restoreChatHint();
        titleBar.startDrag(e.button);
    };

    // The foreground watch has nothing to watch while the window is hidden, and
    // a hidden window is never in front: its menu closes as the watch would.
    Shown = [this] {
        titleBar.watchForeground(true);
        // Space then switches the keyboard mouse on, and Enter applies.
        options.hotkeysCheck->setFocus();
    };
    Hidden = [this] {
        titleBar.watchForeground(false);
        titleBar.closeWindowMenu();
    };
}

void SettingsWindow::restoreChatHint() {
    // Enter then applies.
    if (panel.restoreChatHint()) options.enterBox->setFocus();
}

void SettingsWindow::foldBody(bool folded) {
    const std::int32_t height = settings_looks::bodyHeightAfterFoldClick(titleBar.bodyOutline->height(), folded);
    if (height != titleBar.bodyOutline->height()) setBodyHeight(height);
}

void SettingsWindow::setBodyHeight(std::int32_t height) {
    // One resize in place of the pass-by-pass loop: the end state is the same
    // and nothing else runs in between either way.
    titleBar.bodyOutline->setHeight(height);
    setHeight(titleBar.bodyOutline->height() + titleBar.titleStrip->height());
}

}  // namespace lumo
