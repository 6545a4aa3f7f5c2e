#include "settings_window/utf8_encode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using lumo::UTF8Encode;

TEST(UTF8Encode, KnownInputs) {
    struct Row {
        std::u16string input;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {u"", ""},
        {u"   ", ""},
        {u"abcXYZ019", "abcXYZ019"},
        {u" a b ", "a%20b"},
        {u"-_.~", "%2D%5F%2E%7E"},
        {u"%+", "%25%2B"},
        {u"中文", "%E4%B8%AD%E6%96%87"},
        {u"\u00E9", "%C3%A9"},
        {u"\u00B7", "%C2%B7"},
        {u"\u0100", "%C4%80"},
        {u"\u07FF", "%DF%BF"},
        {u"\u0800", "%E0%A0%80"},
        {u"\uFFE5", "%EF%BF%A5"},
        {u"\t", "%09"},
        {std::u16string(1, u'\0'), "%00"},
        {u"A\u3000B", "A%E3%80%80B"},
        {u"\U0001F600", "%F0%9F%98%80"},
        // Only U+0020 is trimmed: tabs and ideographic spaces at the ends stay.
        {u"\t x \u3000", "%09%20x%20%E3%80%80"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UTF8Encode(row.input), row.expected) << "input of " << row.input.size() << " units";
    }
}

TEST(UTF8Encode, LoneSurrogatesBecomeReplacementCharacter) {
    const std::string replacement = "%EF%BF%BD";
    EXPECT_EQ(UTF8Encode(std::u16string{0xD83D}), replacement);
    EXPECT_EQ(UTF8Encode(std::u16string{0xDE00}), replacement);
    // Low before high is two lone halves, not a pair.
    EXPECT_EQ(UTF8Encode(std::u16string{0xDE00, 0xD83D}), replacement + replacement);
    EXPECT_EQ(UTF8Encode(std::u16string{u'a', 0xD83D, u'b'}), "a" + replacement + "b");
}

// ---- Decoding the output again: percent escapes, then UTF-8. ----

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;  // lowercase digits are not allowed in the output
}

// Returns false when the text is not plain letters/digits and %XX escapes.
bool percentDecode(const std::string& text, std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%') {
            const bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            if (!alnum) return false;
            bytes.push_back(static_cast<std::uint8_t>(c));
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
        if (hi < 0 || lo < 0) return false;
        const auto byte = static_cast<std::uint8_t>(hi * 16 + lo);
        // A letter or digit must never be escaped.
        const bool alnum = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
        if (alnum) return false;
        bytes.push_back(byte);
        i += 2;
    }
    return true;
}

// Strict UTF-8 decoding (shortest form, no surrogates); false on any fault.
bool utf8Decode(const std::vector<std::uint8_t>& bytes, std::vector<char32_t>& out) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t lead = bytes[i];
        int length = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            cp = lead & 0x07;
        } else
            return false;
        if (i + length > bytes.size()) return false;
        for (int k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (bytes[i + k] & 0x3F);
        }
        static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        out.push_back(cp);
        i += length;
    }
    return true;
}

// What the input means: code points, lone surrogates as U+FFFD, U+0020 trimmed.
std::vector<char32_t> expectedCodePoints(const std::u16string& text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out.push_back(0x10000 + ((char32_t{u} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00));
            ++i;
        } else {
            out.push_back(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : char32_t{u});
        }
    }
    while (!out.empty() && out.front() == U' ') out.erase(out.begin());
    while (!out.empty() && out.back() == U' ') out.pop_back();
    return out;
}

std::u16string randomText(std::mt19937& rng) {
    // Weighted towards the boundaries where encoders go wrong.
    static constexpr char16_t kInteresting[] = {
        0x0000, 0x0020, 0x0025, 0x002F, 0x0030, 0x0039, 0x003A, 0x0040, 0x0041, 0x005A, 0x005B, 0x0060, 0x0061, 0x007A,
        0x007B, 0x007F, 0x0080, 0x00FF, 0x0100, 0x07FF, 0x0800, 0xD7FF, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xE000, 0xFFFF};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> anyUnit(0, 0xFFFF);
    std::uniform_int_distribution<int> pick(0, std::size(kInteresting) - 1);
    std::uniform_int_distribution<int> astral(0x10000, 0x10FFFF);
    std::u16string text;
    for (int n = length(rng); n > 0; --n) {
        switch (kind(rng)) {
            case 0: text += static_cast<char16_t>(anyUnit(rng)); break;
            case 1: text += kInteresting[pick(rng)]; break;
            case 2: {
                const char32_t cp = static_cast<char32_t>(astral(rng)) - 0x10000;
                text += static_cast<char16_t>(0xD800 + (cp >> 10));
                text += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
                break;
            }
            default: text += u' '; break;
        }
    }
    return text;
}

TEST(UTF8Encode, OutputDecodesBackToTheInputsCodePoints) {
    std::mt19937 rng(20101);
    for (int round = 0; round < 5000; ++round) {
        const std::u16string input = randomText(rng);
        const std::string encoded = UTF8Encode(input);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(percentDecode(encoded, bytes)) << encoded;
        std::vector<char32_t> decoded;
        ASSERT_TRUE(utf8Decode(bytes, decoded)) << encoded;
        ASSERT_EQ(decoded, expectedCodePoints(input)) << encoded;
    }
}

TEST(UTF8Encode, TakesInputsOfAnyLength) {
    // Far beyond what a 16-bit counter can index.
    std::u16string input(100000, u'中');
    input.front() = u'a';
    input.back() = u'\uFFE5';
    const std::string encoded = UTF8Encode(input);
    ASSERT_EQ(encoded.size(), 1 + 99998 * 9 + 9);
    EXPECT_EQ(encoded.substr(0, 10), "a%E4%B8%AD");
    EXPECT_EQ(encoded.substr(encoded.size() - 9), "%EF%BF%A5");
}

}  // namespace
