// What every load of the settings window does: the layout comes from the two
// backdrop shapes, the hand pointer is shared, and the resolution line is
// written.
#include "settings_window/settings_window.h"

namespace lumo {

void SettingsWindow::onLoad() {
    titleBar.bodyOutline->setLeft(0);
    titleBar.bodyOutline->setTop(titleBar.titleStrip->height());
    picker.keyPicker->move(120, 600, picker.keyPicker->width(), picker.keyPicker->height());
    setHeight(titleBar.bodyOutline->height() + titleBar.titleStrip->height());
    setWidth(titleBar.titleStrip->width());
    titleBar.bodyOutline->setWidth(titleBar.titleStrip->width());

    for (forms::Control* c : std::initializer_list<forms::Control*>{
             titleBar.minimizeBox, options.aboutLink, panel.searchButton, panel.foldButton, panel.unfoldButton,
             panel.shopLink, panel.crownShopsLink, panel.mallLink, panel.generalChannelLink}) {
        c->setCursor(titleBar.closeBox->cursor());
    }
    for (Action action : kActions) options.keyBoxes[action]->setCursor(titleBar.closeBox->cursor());

    options.showResolution();
}

}  // namespace lumo
