// What every load of the settings window does: the controls show the
// settings in effect, the layout comes from the two backdrop shapes, the hand
// pointer is shared, and the resolution line is written.
#include <string>

#include "settings_window/resolution_line.h"
#include "settings_window/settings_window.h"

namespace lumo {

void SettingsWindow::showSettingsInEffect() {
    const Settings& settings = state_.settings;
    picker.showBoundKeys();
    stepBox->setText(std::to_string(settings.stepPixels));
    hotkeysCheck->setValue(settings.hotkeysEnabled ? 1 : 0);
    hideMouseCheck->setValue(settings.hideVirtualMouse ? 1 : 0);
    hideMouseCheck->setEnabled(settings.hotkeysEnabled);
    showCoordinatesCheck->setValue(settings.showCoordinates ? 1 : 0);
    colorPointerCheck->setValue(settings.colorPointer ? 1 : 0);
    stayOnTopCheck->setValue(settings.stayOnTop ? 1 : 0);
    followSlow->setValue(settings.followMode == FollowMode::Slow);
    followFast->setValue(settings.followMode == FollowMode::Fast);
    dragByHand->setValue(settings.followMode == FollowMode::DragByHand);
}

void SettingsWindow::wireStartup() {
    Load = [this] { onLoad(); };
    resolutionLabel->Click = [this] { showResolution(); };
}

void SettingsWindow::onLoad() {
    titleBar.bodyOutline->setLeft(0);
    titleBar.bodyOutline->setTop(titleBar.titleStrip->height());
    picker.keyPicker->move(120, 600, picker.keyPicker->width(), picker.keyPicker->height());
    setHeight(titleBar.bodyOutline->height() + titleBar.titleStrip->height());
    setWidth(titleBar.titleStrip->width());
    titleBar.bodyOutline->setWidth(titleBar.titleStrip->width());

    for (forms::Control* c : std::initializer_list<forms::Control*>{
             titleBar.minimizeBox, aboutLink, panel.searchButton, panel.foldButton, panel.unfoldButton, panel.shopLink,
             panel.crownShopsLink, panel.mallLink, panel.generalChannelLink}) {
        c->setCursor(titleBar.closeBox->cursor());
    }
    for (Action action : kActions) keyBoxes[action]->setCursor(titleBar.closeBox->cursor());

    showResolution();
}

void SettingsWindow::showResolution() { resolutionLabel->setText(resolutionLine(platform().screen())); }

}  // namespace lumo
