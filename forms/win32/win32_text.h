// The forms keep text as UTF-8; the wide Windows API takes UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/utf.h"

namespace lumo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide Windows API works on UTF-16 code units");

inline std::wstring wide(std::string_view utf8) {
    const std::u16string text = utf8ToUtf16(utf8);
    return std::wstring(text.begin(), text.end());
}

inline std::string narrow(std::wstring_view text) {
    return utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

inline std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace lumo::win32
