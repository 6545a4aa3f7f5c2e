// Percent-encodes a text for a web-address query value.
#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Trims leading and trailing U+0020, keeps ASCII letters and digits, and writes
// every other character as the %XX escapes (uppercase hex) of its UTF-8 bytes;
// a lone surrogate counts as U+FFFD. Takes UTF-16 code units.
std::string UTF8Encode(std::u16string_view text);

// Appends "%" and the byte as two uppercase hexadecimal digits.
void appendPercentEscape(std::string& out, unsigned char byte);

}  // namespace lumo
