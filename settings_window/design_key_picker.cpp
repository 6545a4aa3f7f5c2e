// The key picker: a frame that covers the schematic and the options while the
// user chooses a key for one hotkey slot.
#include "pointer_core/key_name_table.h"
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designKeyPicker() {
    // Designed below the window's bottom edge; Load moves it into place.
    Frame4 = add<forms::Frame>("Frame4", nullptr);
    Frame4->move(120, 6240, 5295, 3615);
    Frame4->setBackColor(kBackground);
    Frame4->setVisible(false);

    Label18 = design::label(*this, "Label18", Frame4, {360, 120, 990, 180}, "选择快捷键:");

    List1 = add<forms::ListBox>("List1", Frame4);
    List1->move(360, 360, 3615, 2550);
    List1->setBackColor(kBackground);
    std::vector<std::string> names;
    names.reserve(kKeyRowCount);
    for (const KeyRow& row : keyNameTable()) names.push_back(row.name);
    List1->setItems(std::move(names));

    LumoAnniu20102 = addCaptionButton("LumoAnniu20102", Frame4, " 确定");
    LumoAnniu20102->move(4200, 480, 855, 315);
    LumoAnniu20103 = addCaptionButton("LumoAnniu20103", Frame4, " 取消");
    LumoAnniu20103->move(4200, 2040, 855, 315);

    Label5 = design::label(*this, "Label5", Frame4, {360, 3000, 2610, 180}, "当前信息(按取消保持原有信息):");
    Text7 = design::textBox(*this, "Text7", Frame4, {360, 3240, 4335, 270}, "信息");
    Text7->setBackColor(kBackground);
}

}  // namespace lumo
