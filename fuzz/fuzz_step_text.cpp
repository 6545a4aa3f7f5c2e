// The step box's text on anything a user could paste: a step comes back only
// for plain decimal digits that fit a signed 32-bit value, and then it is
// exactly the number written.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "settings_window/step_text.h"

namespace {

bool allAsciiDigits(std::string_view text) {
    for (const char ch : text) {
        if (ch < '0' || ch > '9') return false;
    }
    return true;
}

// The digits after any leading zeros; "0" for a text of zeros only.
std::string_view significantDigits(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{"0"} : digits.substr(first);
}

bool fitsInt32(std::string_view digits) {
    const std::string limit = std::to_string(std::numeric_limits<std::int32_t>::max());
    return digits.size() < limit.size() || (digits.size() == limit.size() && digits <= limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesAsText(data, size);
    const auto step = lumo::parseStepText(text);

    const bool acceptable = !text.empty() && allAsciiDigits(text) && fitsInt32(significantDigits(text));
    FUZZ_CHECK(step.has_value() == acceptable);
    if (!step) return 0;
    FUZZ_CHECK(std::to_string(*step) == significantDigits(text));
    // Whatever the box accepts as a step can also be typed into it.
    for (const char ch : text) FUZZ_CHECK(lumo::isStepKey(static_cast<unsigned char>(ch)));
    return 0;
}
