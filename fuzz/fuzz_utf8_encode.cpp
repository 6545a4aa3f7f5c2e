// The chat key encoder on any UTF-16 text: its output is a plain query value,
// and percent-decoding it gives back exactly the trimmed text as UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "settings_window/utf8_encode.h"

namespace {

bool isAsciiAlphanumeric(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Only uppercase digits: the escapes must look the same whoever produced them.
std::optional<int> upperHexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return std::nullopt;
}

// Undoes the escapes, checking the output's form on the way.
std::string percentDecode(std::string_view encoded) {
    std::string bytes;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char ch = encoded[i];
        if (isAsciiAlphanumeric(ch)) {
            bytes += ch;
            continue;
        }
        FUZZ_CHECK(ch == '%');
        FUZZ_CHECK(i + 2 < encoded.size());
        const auto high = upperHexValue(encoded[i + 1]);
        const auto low = upperHexValue(encoded[i + 2]);
        FUZZ_CHECK(high && low);
        const char byte = static_cast<char>(*high * 16 + *low);
        // A letter or digit is never escaped.
        FUZZ_CHECK(!isAsciiAlphanumeric(byte));
        bytes += byte;
        i += 2;
    }
    return bytes;
}

std::u16string_view trimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Utf16Input input(data, size);
    const std::u16string_view text = input.view();
    const std::string encoded = lumo::UTF8Encode(text);

    const auto points = fuzz::decodeStrictUtf8(percentDecode(encoded));
    FUZZ_CHECK(points.has_value());
    FUZZ_CHECK(*points == fuzz::codePointsOfUtf16(trimSpaces(text)));
    return 0;
}
