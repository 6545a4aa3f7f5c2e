// Reading the step box.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo {

// The step a text stands for: one or more ASCII digits whose value fits a
// signed 32-bit integer. Anything else (empty, a sign, letters, spaces, a
// number above 2147483647) is no step.
std::optional<std::int32_t> parseStepText(std::string_view text);

// The key filter of the step box: Backspace, Enter, Escape and the digits pass.
bool isStepKey(int keyAscii);

}  // namespace lumo
