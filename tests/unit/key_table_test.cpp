#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "pointer_core/key_name_table.h"

namespace {

using lumo::keyCodeOfRow;
using lumo::keyNameTable;
using lumo::kKeyRowCount;
using lumo::KeyCode;

void expectRow(int row, const std::string& name, std::int32_t code) {
    SCOPED_TRACE("row " + std::to_string(row));
    const auto& entry = keyNameTable()[static_cast<std::size_t>(row)];
    EXPECT_EQ(entry.name, name);
    EXPECT_EQ(entry.code.code(), code);
    EXPECT_EQ(keyCodeOfRow(row), entry.code);
    EXPECT_EQ(lumo::rowOfKeyCode(entry.code), row);
}

TEST(KeyNameTable, NamedKeysBeforeTheDigits) {
    const char* names[] = {"鼠标左键",
                           "鼠标右键",
                           "Cancel键",
                           "鼠标中键",
                           "Back Space键",
                           "Tab键",
                           "Clear键",
                           "Enter键",
                           "Shift键",
                           "Ctrl键",
                           "菜单键",
                           "Pause键",
                           "Caps Lock键",
                           "Esc键",
                           "Space Bar键",
                           "Page Up键",
                           "Page Down键",
                           "End键",
                           "Home键",
                           "(←左箭头键)Left Arrow键",
                           "(↑上箭头键)Up Arrow键",
                           "(→右箭头键)Right Arrow键",
                           "(↓下箭头键)Down Arrow键",
                           "Select键",
                           "Print Screen键",
                           "Execute键",
                           "Snap Shot键",
                           "Ins键",
                           "Del键",
                           "Help键"};
    const std::int32_t codes[] = {1,  2,  3,  4,  8,  9,  12, 13, 16, 17, 18, 19, 20, 27, 32,
                                  33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47};
    for (int row = 0; row < 30; ++row) expectRow(row, names[row], codes[row]);
}

TEST(KeyNameTable, DigitLetterKeypadAndFunctionBlocks) {
    for (int d = 0; d <= 9; ++d) expectRow(30 + d, std::to_string(d) + "键", 48 + d);
    for (int i = 0; i < 26; ++i) expectRow(40 + i, std::string(1, static_cast<char>('A' + i)) + "键", 65 + i);
    for (int d = 0; d <= 9; ++d) expectRow(66 + d, std::to_string(d) + "键(小键盘)", 96 + d);
    expectRow(76, "乘号(*)键", 106);
    expectRow(77, "加号(+)键", 107);
    expectRow(78, "Enter键(小键盘)", 108);
    expectRow(79, "减号(-)键", 109);
    expectRow(80, "小数(.)键", 110);
    expectRow(81, "除号(/)键", 111);
    for (int f = 1; f <= 16; ++f) expectRow(81 + f, "F" + std::to_string(f) + "键", 111 + f);
    expectRow(98, "Num lock键", 144);
}

TEST(KeyNameTable, KeysThatAreEasilyConfused) {
    EXPECT_EQ(keyCodeOfRow(7), KeyCode(13));    // Enter
    EXPECT_EQ(keyCodeOfRow(78), KeyCode(108));  // keypad Enter is not 13
    EXPECT_EQ(keyCodeOfRow(24), KeyCode(42));   // Print Screen
    EXPECT_EQ(keyCodeOfRow(26), KeyCode(44));   // Snap Shot
    EXPECT_EQ(keyCodeOfRow(98), KeyCode(144));  // the last row
}

TEST(KeyNameTable, EveryNameNamesAKeyAndNoCodeRepeats) {
    std::set<std::int32_t> codes;
    for (const auto& row : keyNameTable()) {
        EXPECT_NE(row.name.find("键"), std::string::npos) << row.name;  // keypad names end in (小键盘)
        EXPECT_TRUE(codes.insert(row.code.code()).second) << "code " << int{row.code.code()} << " repeats";
    }
    EXPECT_EQ(codes.size(), static_cast<std::size_t>(kKeyRowCount));
}

TEST(KeyNameTable, RowsOutsideTheTableHaveNoCode) {
    for (int row : {-1, kKeyRowCount, kKeyRowCount + 1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(keyCodeOfRow(row), std::nullopt) << row;
    }
    // Codes no row offers: the empty code, Scroll Lock, the Windows keys.
    for (int code : {0, 145, 91, 255}) EXPECT_EQ(lumo::rowOfKeyCode(KeyCode(code)), std::nullopt) << code;
}

}  // namespace
