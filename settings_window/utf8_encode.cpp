#include "settings_window/utf8_encode.h"

#include "platform/utf.h"

namespace lumo {

namespace {

bool isAsciiLetterOrDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::u16string_view trimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string UTF8Encode(std::u16string_view text) {
    // The shared converter pairs surrogates and turns lone ones into U+FFFD, so
    // every byte escaped here belongs to well-formed UTF-8.
    const std::string utf8 = utf16ToUtf8(trimSpaces(text));
    std::string out;
    out.reserve(utf8.size() * 3);
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if (isAsciiLetterOrDigit(byte)) {
            out += ch;
        } else {
            appendPercentEscape(out, byte);
        }
    }
    return out;
}

void appendPercentEscape(std::string& out, unsigned char byte) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    out += '%';
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

}  // namespace lumo
