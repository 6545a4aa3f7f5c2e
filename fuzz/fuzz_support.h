// Shared pieces of the fuzz targets: a check that stops the run, the reading of
// fuzz bytes as UTF-16 units, and reference decoders written straight from the
// Unicode tables so that the converters under test are not checked against
// themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// libFuzzer treats an abort as a crash and keeps the input that caused it.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace fuzz {

inline constexpr char32_t kReplacement = 0xFFFD;

inline std::string_view bytesAsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Little-endian pairs; an odd last byte is dropped. The units sit in a buffer
// of exactly their size, with no terminator after them, so that reading one
// unit too far is an AddressSanitizer error rather than a harmless zero.
class Utf16Input {
public:
    Utf16Input(const std::uint8_t* data, std::size_t size) : units_(size / 2) {
        for (std::size_t i = 0; i < units_.size(); ++i) {
            units_[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
        }
    }
    std::u16string_view view() const { return {units_.data(), units_.size()}; }

private:
    std::vector<char16_t> units_;
};

inline bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Code points of UTF-16 text; a surrogate that is not half of a high-low pair
// counts as U+FFFD.
inline std::u32string codePointsOfUtf16(std::u16string_view units) {
    std::u32string points;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            points += 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            points += kReplacement;
        } else {
            points += unit;
        }
    }
    return points;
}

inline bool isWellFormedUtf16(std::u16string_view units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (isHighSurrogate(units[i]) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            ++i;
        } else if (isHighSurrogate(units[i]) || isLowSurrogate(units[i])) {
            return false;
        }
    }
    return true;
}

// Code points of well-formed UTF-8 (the Unicode table of well-formed byte
// sequences); nothing for any other byte string.
inline std::optional<std::u32string> decodeStrictUtf8(std::string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        std::size_t length = 0;
        std::uint8_t secondLow = 0x80;
        std::uint8_t secondHigh = 0xBF;
        if (lead <= 0x7F) {
            points += lead;
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) secondLow = 0xA0;
            if (lead == 0xED) secondHigh = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) secondLow = 0x90;
            if (lead == 0xF4) secondHigh = 0x8F;
        } else {
            return std::nullopt;
        }
        if (text.size() - i < length) return std::nullopt;
        char32_t point = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<std::uint8_t>(text[i + k]);
            const std::uint8_t low = k == 1 ? secondLow : 0x80;
            const std::uint8_t high = k == 1 ? secondHigh : 0xBF;
            if (byte < low || byte > high) return std::nullopt;
            point = (point << 6) | (byte & 0x3F);
        }
        points += point;
        i += length;
    }
    return points;
}

// The ASCII characters of a text in order: converters may replace broken
// sequences but must never drop or invent a plain ASCII character.
template <typename Text>
std::string asciiOf(const Text& text) {
    std::string ascii;
    using Unit = std::make_unsigned_t<typename Text::value_type>;
    for (const auto ch : text) {
        if (static_cast<Unit>(ch) < 0x80) ascii += static_cast<char>(ch);
    }
    return ascii;
}

}  // namespace fuzz
