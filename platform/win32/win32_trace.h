// Failed system calls the program relies on leave a line in the debugger's
// output (OutputDebugStringW: a debugger, or Sysinternals DebugView, shows
// it), never a message box. Each kind of failure is written once per run:
// the upkeep retries some of these calls every few seconds, and one line says
// as much as a hundred. Safe on any thread.
#pragma once

namespace lumo::win32 {

enum class Failure {
    WindowClass,
    Window,
    Timer,
    KeyboardHook,
    MouseHook,
    HookThread,
    RawInput,
    HotKey,
    SessionNotification,
    TrayIcon,
    KeptSettingsRead,
    KeptSettingsWrite,
    SingleCopy,
    WakeFirstCopy,
    Count
};

// Writes "LumoMouse: <call> failed (error N)" with the calling thread's last
// error, the first time `kind` fails in this run; later calls only keep the
// last error as it was. `detail` (optional) says what was being done.
void traceFailure(Failure kind, const wchar_t* call, const wchar_t* detail = nullptr);

}  // namespace lumo::win32
