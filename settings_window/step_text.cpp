#include "settings_window/step_text.h"

#include <charconv>

namespace lumo {

std::optional<std::int32_t> parseStepText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

bool isStepKey(int keyAscii) {
    return keyAscii == 8 || keyAscii == 13 || keyAscii == 27 || (keyAscii >= '0' && keyAscii <= '9');
}

}  // namespace lumo
