// The settings window from the keyboard: one ring of stops, Enter applies
// wherever the focused control has no Enter of its own, Esc closes the key
// picker or else hides the window as the tray's "隐藏设置" does.
#include "settings_window/settings_window.h"

namespace lumo {

std::vector<forms::Control*> SettingsWindow::tabStops() const {
    if (picker.isOpen()) return {picker.keyList, picker.confirmKeyButton->host(), picker.cancelKeyButton->host()};
    // The fold tab is one stop: whichever of its two hot areas is shown.
    std::vector<forms::Control*> stops{options.hotkeysCheck, options.stepBox};
    for (Action action : kActions) stops.push_back(options.keyBoxes[action]);
    stops.insert(stops.end(),
                 {options.hideMouseCheck, options.showCoordinatesCheck, options.colorPointerCheck,
                  options.stayOnTopCheck, options.followModeFrame, options.applyButton->host(), options.aboutLink,
                  panel.foldButton, panel.unfoldButton, panel.chatBox, panel.chatButton->host(), panel.searchBox,
                  panel.searchButton, panel.crownShopsLink, panel.mallLink, panel.generalChannelLink, panel.shopLink});
    return stops;
}

void SettingsWindow::wireKeys() {
    Accept = [this] { options.apply(); };
    // Unapplied edits stay in the hidden window; it never closes from here.
    Cancel = [this] {
        if (picker.isOpen()) {
            picker.close();
        } else {
            hide();
        }
    };
}

}  // namespace lumo
