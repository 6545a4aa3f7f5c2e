#include "pointer_core/key_name_table.h"

#include <string_view>

namespace lumo {

namespace {

// The visible names and their virtual-key codes, in the order the user sees them.
struct KeyRowData {
    std::string_view name;
    std::uint8_t code;
};

constexpr KeyRowData kRows[kKeyRowCount] = {
    {"鼠标左键", 1},
    {"鼠标右键", 2},
    {"Cancel键", 3},
    {"鼠标中键", 4},
    {"Back Space键", 8},
    {"Tab键", 9},
    {"Clear键", 12},
    {"Enter键", 13},
    {"Shift键", 16},
    {"Ctrl键", 17},
    {"菜单键", 18},
    {"Pause键", 19},
    {"Caps Lock键", 20},
    {"Esc键", 27},
    {"Space Bar键", 32},
    {"Page Up键", 33},
    {"Page Down键", 34},
    {"End键", 35},
    {"Home键", 36},
    {"(←左箭头键)Left Arrow键", 37},
    {"(↑上箭头键)Up Arrow键", 38},
    {"(→右箭头键)Right Arrow键", 39},
    {"(↓下箭头键)Down Arrow键", 40},
    {"Select键", 41},
    {"Print Screen键", 42},
    {"Execute键", 43},
    {"Snap Shot键", 44},
    {"Ins键", 45},
    {"Del键", 46},
    {"Help键", 47},
    {"0键", 48},
    {"1键", 49},
    {"2键", 50},
    {"3键", 51},
    {"4键", 52},
    {"5键", 53},
    {"6键", 54},
    {"7键", 55},
    {"8键", 56},
    {"9键", 57},
    {"A键", 65},
    {"B键", 66},
    {"C键", 67},
    {"D键", 68},
    {"E键", 69},
    {"F键", 70},
    {"G键", 71},
    {"H键", 72},
    {"I键", 73},
    {"J键", 74},
    {"K键", 75},
    {"L键", 76},
    {"M键", 77},
    {"N键", 78},
    {"O键", 79},
    {"P键", 80},
    {"Q键", 81},
    {"R键", 82},
    {"S键", 83},
    {"T键", 84},
    {"U键", 85},
    {"V键", 86},
    {"W键", 87},
    {"X键", 88},
    {"Y键", 89},
    {"Z键", 90},
    {"0键(小键盘)", 96},
    {"1键(小键盘)", 97},
    {"2键(小键盘)", 98},
    {"3键(小键盘)", 99},
    {"4键(小键盘)", 100},
    {"5键(小键盘)", 101},
    {"6键(小键盘)", 102},
    {"7键(小键盘)", 103},
    {"8键(小键盘)", 104},
    {"9键(小键盘)", 105},
    {"乘号(*)键", 106},
    {"加号(+)键", 107},
    {"Enter键(小键盘)", 108},
    {"减号(-)键", 109},
    {"小数(.)键", 110},
    {"除号(/)键", 111},
    {"F1键", 112},
    {"F2键", 113},
    {"F3键", 114},
    {"F4键", 115},
    {"F5键", 116},
    {"F6键", 117},
    {"F7键", 118},
    {"F8键", 119},
    {"F9键", 120},
    {"F10键", 121},
    {"F11键", 122},
    {"F12键", 123},
    {"F13键", 124},
    {"F14键", 125},
    {"F15键", 126},
    {"F16键", 127},
    {"Num lock键", 144},
};

std::array<KeyRow, kKeyRowCount> buildTable() {
    std::array<KeyRow, kKeyRowCount> table;
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = {std::string(kRows[i].name), KeyCode(kRows[i].code)};
    return table;
}

}  // namespace

const std::array<KeyRow, kKeyRowCount>& keyNameTable() {
    static const std::array<KeyRow, kKeyRowCount> table = buildTable();
    return table;
}

std::optional<KeyCode> keyCodeOfRow(int row) {
    if (row < 0 || row >= kKeyRowCount) return std::nullopt;
    return keyNameTable()[static_cast<std::size_t>(row)].code;
}

std::optional<int> rowOfKeyCode(KeyCode key) {
    const auto& table = keyNameTable();
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].code == key) return static_cast<int>(row);
    }
    return std::nullopt;
}

}  // namespace lumo
