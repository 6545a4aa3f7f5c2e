// The hook thread: low-level keyboard and mouse hooks, the key gate that
// decides on every keyboard event, and the message pump the hooks run in.
// Everything in win32_hook_thread.cpp below "hook thread only" runs on that
// thread; the HookThread members run on the user-interface thread.
//
// The hooks decide with the last key table published, post what the gate
// reports to the receiver window and return at once: the desktop's input
// never waits for the user-interface thread (Windows drops a hook that keeps
// it waiting). Input this program injects carries kInjectedMark and is not
// reported.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/key_gate.h"
#include "platform/win32/win32_handles.h"

namespace lumo::win32 {

// dwExtraInfo of every event this program injects ("LUMO").
inline constexpr ULONG_PTR kInjectedMark = 0x4C554D4F;

// What the hook thread posts to the receiver window.
// wParam virtual key, lParam bit 0 down, bits 1-7 the sight epoch it was decided with
inline constexpr UINT kKeyMessage = WM_APP + 40;
inline constexpr UINT kMoveMessage = WM_APP + 41;    // the pointer moved
inline constexpr UINT kSwitchMessage = WM_APP + 42;  // the switch key was pressed

class HookThread {
public:
    HookThread() = default;
    ~HookThread() { stop(); }
    HookThread(const HookThread&) = delete;
    HookThread& operator=(const HookThread&) = delete;

    // Input reports start afresh for `receiver`: no press remembered.
    void reset(HWND receiver);
    // Starts the thread and its hooks; false when they could not be installed,
    // or while an earlier thread that did not stop in time still runs (never
    // two hooks on the one gate).
    bool start(bool hookMouse);
    // Asks the thread to end and waits for it a while.
    void stop();
    void hookMouse(bool on);
    bool running() const { return threadId_ != 0; }

    void publishKeyTable(const KeyTable& table);
    KeyTable keyTable() const;
    void reportMoves(bool on);
    // The receiver took the move report posted: the next move posts another.
    void moveReportTaken();
    // The switch came as a registered hot key.
    void countHotKeySwitch();
    // The system's tick count at the hooks' last event.
    std::uint32_t lastEvent() const;
    // Only where the environment variable LUMO_HOOK_TIMES names a file (the
    // bench sets it): the hook procedure's own times and the delay events
    // reach it with, written there as they stand now.
    void writeTimes() const;

private:
    UniqueHandle thread_;
    DWORD threadId_ = 0;
    bool mouseHooked_ = false;
};

}  // namespace lumo::win32
