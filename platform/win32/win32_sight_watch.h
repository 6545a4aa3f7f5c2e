// The Win32 side of the hooks' health watch, on the user-interface thread:
// the events after which the keyboard is hidden from the program (the session
// locked or disconnected, a secure desktop, an elevated window in front,
// sleep) and the witness of the system's keyboard input (a raw-input sink on
// the receiver window, which sees the keyboard only, whatever has the focus).
#pragma once

#include <windows.h>

#include "platform/input_health.h"
#include "platform/win32/win32_handles.h"

namespace lumo::win32 {

class SightWatch {
public:
    SightWatch() = default;
    ~SightWatch() { stop(); }
    SightWatch(const SightWatch&) = delete;
    SightWatch& operator=(const SightWatch&) = delete;

    void start(HWND receiver, InputHealth& health);
    void stop();
    // Takes the receiver's messages it is for; false for any other.
    bool handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static void CALLBACK desktopEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD);
    void sessionChanged(WPARAM change);

    HWND receiver_ = nullptr;
    InputHealth* health_ = nullptr;
    UniqueWinEventHook desktopSwitchHook_;
    UniqueWinEventHook foregroundHook_;
};

}  // namespace lumo::win32
