// What every load of the settings window does: default hotkeys, layout from
// the two backdrop shapes, the shared hand pointer, and the resolution line.
#include "settings_window/resolution_line.h"
#include "settings_window/settings_window.h"

namespace lumo {

void SettingsWindow::wireStartup() {
    Load = [this] { onLoad(); };
    Label3->Click = [this] { Main(); };
}

void SettingsWindow::onLoad() {
    // The hotkey boxes' design texts name these keys.
    bindDefaultKeys(state_);
    if (windows_.hotkeysChanged) windows_.hotkeysChanged();

    Shape4->setLeft(0);
    Shape4->setTop(Shape1->height());
    Frame4->move(120, 600, Frame4->width(), Frame4->height());
    setHeight(Shape4->height() + Shape1->height());
    setWidth(Shape1->width());
    Shape4->setWidth(Shape1->width());

    for (forms::Control* c : std::initializer_list<forms::Control*>{
             Image3, Label4, Text1, Text2, Text3, Text4, Text5, Text6, Image6, Image8, Image9, Label23, Label24,
             Label25, Label26}) {
        c->setCursor(Image2->cursor());
    }

    Main();
}

void SettingsWindow::Main() { Label3->setText(resolutionLine(platform().screen())); }

}  // namespace lumo
