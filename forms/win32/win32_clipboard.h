// Reading the clipboard's Unicode text for a paste.
#pragma once

#include <windows.h>

#include <string>

namespace lumo::win32 {

// The clipboard's text, or empty when there is none or the clipboard is busy.
std::wstring clipboardText(HWND owner);

}  // namespace lumo::win32
