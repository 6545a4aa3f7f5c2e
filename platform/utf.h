// UTF-8 <-> UTF-16 conversion. The forms keep text as UTF-8; the Windows API
// and the chat-link encoder work on UTF-16 code units.
#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Malformed input never fails: bad UTF-8 sequences and lone surrogates become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace lumo
