// What every load of the settings window does: default hotkeys, layout from
// the two backdrop shapes, the shared hand pointer, and the resolution line.
#include "settings_window/resolution_line.h"
#include "settings_window/settings_window.h"

namespace lumo {

void SettingsWindow::wireStartup() {
    Load = [this] { onLoad(); };
    resolutionLabel->Click = [this] { showResolution(); };
}

void SettingsWindow::onLoad() {
    // The hotkey boxes' design texts name these keys.
    state_.settings.keys = defaultKeyBindings();
    takeStepBeforeFirstApply();
    forms::notify(HotkeysChanged);

    bodyOutline->setLeft(0);
    bodyOutline->setTop(titleStrip->height());
    keyPicker->move(120, 600, keyPicker->width(), keyPicker->height());
    setHeight(bodyOutline->height() + titleStrip->height());
    setWidth(titleStrip->width());
    bodyOutline->setWidth(titleStrip->width());

    for (forms::Control* c : std::initializer_list<forms::Control*>{
             minimizeBox, aboutLink, upKeyBox, downKeyBox, leftKeyBox, rightKeyBox, leftClickKeyBox, rightClickKeyBox,
             searchButton, foldButton, unfoldButton, shopLink, crownShopsLink, mallLink, generalChannelLink}) {
        c->setCursor(closeBox->cursor());
    }

    showResolution();
}

void SettingsWindow::showResolution() { resolutionLabel->setText(resolutionLine(platform().screen())); }

}  // namespace lumo
