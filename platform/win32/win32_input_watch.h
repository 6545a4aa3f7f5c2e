// Input reports for the whole desktop: low-level keyboard and mouse hooks on a
// thread of their own, handed to the user-interface thread as posted messages.
//
// The hooks only post and pass every event on at once, so the desktop's input
// never waits for the user-interface thread, however busy it is (a busy hook
// thread would delay every key press, and the system drops hooks that time
// out). Input this program injects carries kInjectedMark and is not reported.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace lumo::win32 {

// dwExtraInfo of every mouse event this program injects ("LUMO").
inline constexpr ULONG_PTR kInjectedMark = 0x4C554D4F;

class InputWatch {
public:
    InputWatch() = default;
    ~InputWatch() { stop(); }
    InputWatch(const InputWatch&) = delete;
    InputWatch& operator=(const InputWatch&) = delete;

    // Installs the hooks and reports to `listener`; false when the system
    // refuses them. Called on the user-interface thread.
    bool start(InputListener& listener);
    void stop();
    void reportPointerMoves(bool on);

private:
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND receiver_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    InputListener* listener_ = nullptr;
};

}  // namespace lumo::win32
