// The 99 keys a user can bind to the six pointer actions, in the picker's order:
// each a display name and the platform virtual-key code the engine polls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/key_codes.h"

namespace lumo {

struct KeyRow {
    std::string name;  // UTF-8 display name, ends in 键
    KeyCode code;
};

inline constexpr int kKeyRowCount = 99;

const std::array<KeyRow, kKeyRowCount>& keyNameTable();

// The code of row `row`; nothing for a row outside the table.
std::optional<KeyCode> keyCodeOfRow(int row);
// The first row that binds `key`; nothing for a key the table does not offer.
std::optional<int> rowOfKeyCode(KeyCode key);

}  // namespace lumo
