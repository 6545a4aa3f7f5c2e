// The 99 keys a user can bind to the six pointer actions, in the picker's order:
// each a display name and the platform virtual-key code the engine polls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace lumo {

struct KeyRow {
    std::string name;      // UTF-8 display name, ends in 键
    std::int32_t code;     // virtual-key code
    std::string codeText;  // the code as decimal text, as the hidden code list holds it
};

inline constexpr int kKeyRowCount = 99;

const std::array<KeyRow, kKeyRowCount>& keyNameTable();

// The code of row `row` (its decimal text converted to an integer); nothing for
// a row outside the table.
std::optional<std::int32_t> keyCodeOfRow(int row);

}  // namespace lumo
