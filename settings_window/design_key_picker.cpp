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
    keyPicker = add<forms::Frame>("Frame4", nullptr);
    keyPicker->move(120, 6240, 5295, 3615);
    keyPicker->setBackColor(kBackground);
    keyPicker->setVisible(false);

    keyPickerHeading = design::label(*this, "Label18", keyPicker, {360, 120, 990, 180}, "选择快捷键:");

    keyList = add<forms::ListBox>("List1", keyPicker);
    keyList->move(360, 360, 3615, 2550);
    keyList->setBackColor(kBackground);
    std::vector<std::string> names;
    names.reserve(kKeyRowCount);
    for (const KeyRow& row : keyNameTable()) names.push_back(row.name);
    keyList->setItems(std::move(names));

    confirmKeyButton = addCaptionButton("LumoAnniu20102", keyPicker, " 确定");
    confirmKeyButton->move(4200, 480, 855, 315);
    cancelKeyButton = addCaptionButton("LumoAnniu20103", keyPicker, " 取消");
    cancelKeyButton->move(4200, 2040, 855, 315);

    currentKeyHeading =
        design::label(*this, "Label5", keyPicker, {360, 3000, 2610, 180}, "当前信息(按取消保持原有信息):");
    currentKeyBox = design::textBox(*this, "Text7", keyPicker, {360, 3240, 4335, 270}, "信息");
    currentKeyBox->setBackColor(kBackground);
}

}  // namespace lumo
