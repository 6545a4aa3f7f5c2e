// Reading the codes the system reports input with, kept free of the Windows
// API so that the rules can be tested anywhere.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace lumo::win32 {

// GetAsyncKeyState: the high bit says the key is down now. The low bit
// ("pressed since the last query") is left alone: a tap that is over must not
// read as held.
inline bool isDownInKeyState(std::int16_t state) { return (static_cast<std::uint16_t>(state) & 0x8000u) != 0; }

// The message the notification-area icon sends to the window that owns it:
// WM_APP + 1, the program's first private message.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8001;

// The icon's message (the callback's low word of lParam) in the program's
// terms: WM_LBUTTONUP and WM_RBUTTONUP; NIN_SELECT and NIN_KEYSELECT, and
// WM_CONTEXTMENU; presses, moves, double clicks and anything else are Other.
inline TrayEvent trayEventOf(std::uint32_t message) {
    switch (message) {
        case 0x0202: return TrayEvent::LeftUp;
        case 0x0205: return TrayEvent::RightUp;
        case 0x0400:
        case 0x0401: return TrayEvent::Select;
        case 0x007B: return TrayEvent::ContextMenu;
        default: return TrayEvent::Other;
    }
}

// The anchor point of a current-version callback: wParam holds the signed
// screen x in its low word and y in the next.
inline Point trayAnchorOf(std::uint64_t wParam) {
    return {static_cast<std::int16_t>(wParam & 0xFFFF), static_cast<std::int16_t>((wParam >> 16) & 0xFFFF)};
}

}  // namespace lumo::win32
