// The UTF-8 <-> UTF-16 converters on any bytes: well-formed text survives a
// round trip unchanged, anything else comes out well-formed, and nothing
// crashes or swallows plain ASCII.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/utf.h"

namespace {

void checkFromUtf8(std::string_view bytes) {
    const std::u16string units = lumo::utf8ToUtf16(bytes);
    FUZZ_CHECK(units.size() <= bytes.size());
    FUZZ_CHECK(fuzz::isWellFormedUtf16(units));
    FUZZ_CHECK(fuzz::asciiOf(units) == fuzz::asciiOf(bytes));

    const std::string back = lumo::utf16ToUtf8(units);
    FUZZ_CHECK(fuzz::decodeStrictUtf8(back).has_value());
    if (const auto points = fuzz::decodeStrictUtf8(bytes)) {
        FUZZ_CHECK(fuzz::codePointsOfUtf16(units) == *points);
        FUZZ_CHECK(back == bytes);
    }
}

void checkFromUtf16(std::u16string_view units) {
    const std::string bytes = lumo::utf16ToUtf8(units);
    FUZZ_CHECK(bytes.size() <= units.size() * 3);
    const auto points = fuzz::decodeStrictUtf8(bytes);
    FUZZ_CHECK(points.has_value());
    FUZZ_CHECK(*points == fuzz::codePointsOfUtf16(units));

    const std::u16string back = lumo::utf8ToUtf16(bytes);
    if (fuzz::isWellFormedUtf16(units)) FUZZ_CHECK(back == units);
    // Lone surrogates became U+FFFD; from then on the text is stable.
    FUZZ_CHECK(lumo::utf16ToUtf8(back) == bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkFromUtf8(fuzz::bytesAsText(data, size));
    checkFromUtf16(fuzz::Utf16Input(data, size).view());
    return 0;
}
