// The key picker: a frame that covers the schematic and the options while the
// user chooses a key for one hotkey slot.
#include "pointer_core/key_name_table.h"
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/key_picker.h"

namespace lumo {

using namespace settings_looks;

void KeyPicker::design() {
    // Designed below the window's bottom edge; Load moves it into place.
    window_.add(LUMO_CONTROL(keyPicker), nullptr);
    keyPicker->move(120, 6240, 5295, 3615);
    keyPicker->setBackColor(kBackground);
    keyPicker->setVisible(false);

    design::label(window_, LUMO_CONTROL(keyPickerHeading), keyPicker, {360, 120, 990, 180}, "选择快捷键:");

    window_.add(LUMO_CONTROL(keyList), keyPicker);
    keyList->move(360, 360, 3615, 2550);
    keyList->setBackColor(kBackground);
    std::vector<std::string> names;
    names.reserve(kKeyRowCount);
    for (const KeyRow& row : keyNameTable()) names.push_back(row.name);
    keyList->setItems(std::move(names));

    design::captionButton(window_, LUMO_CONTROL(confirmKeyButton), keyPicker, " 确定");
    confirmKeyButton->move(4200, 480, 855, 315);
    design::captionButton(window_, LUMO_CONTROL(cancelKeyButton), keyPicker, " 取消");
    cancelKeyButton->move(4200, 2040, 855, 315);

    design::label(window_, LUMO_CONTROL(currentKeyHeading), keyPicker, {360, 3000, 2610, 180},
                  "当前信息(按取消保持原有信息):");
    design::textBox(window_, LUMO_CONTROL(currentKeyBox), keyPicker, {360, 3240, 4335, 270}, "信息");
    currentKeyBox->setBackColor(kBackground);
}

}  // namespace lumo
