#include "platform/win32/win32_sight_watch.h"

#include <wtsapi32.h>

#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

namespace {

// The watch the desktop event hook reports to (it has no context argument).
SightWatch* activeWatch = nullptr;

// The input desktop is not the user's own: the lock screen, a UAC prompt,
// Ctrl+Alt+Del. Hooks of this desktop see nothing of it.
bool secureDesktopInFront() {
    const HDESK desktop = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
    if (!desktop) return true;
    wchar_t name[32] = L"";
    GetUserObjectInformationW(desktop, UOI_NAME, name, sizeof name, nullptr);
    CloseDesktop(desktop);
    return lstrcmpiW(name, L"Default") != 0;
}

// The integrity level of a process (its mandatory label's last part); 0 when
// it cannot be read.
DWORD integrityLevel(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return 0;
    const UniqueHandle ownedToken(token);
    alignas(TOKEN_MANDATORY_LABEL) unsigned char buffer[64];
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer, sizeof buffer, &size)) return 0;
    const PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
}

// The window runs at a higher integrity level than this program: the system
// keeps its keys from this program's hooks and its window from injected input.
bool runsAboveUs(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0 || processId == GetCurrentProcessId()) return false;
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return false;
    static const DWORD ours = integrityLevel(GetCurrentProcess());
    return integrityLevel(process.get()) > ours;
}

// The keyboard as a raw-input device, reported to `window` even while it is
// not in front (or, with null, no longer).
void sinkKeyboard(HWND window) {
    RAWINPUTDEVICE keyboard{0x01, 0x06, window ? DWORD{RIDEV_INPUTSINK} : DWORD{RIDEV_REMOVE}, window};
    if (!RegisterRawInputDevices(&keyboard, 1, sizeof keyboard) && window) {
        traceFailure(Failure::RawInput, L"RegisterRawInputDevices");
    }
}

}  // namespace

void SightWatch::start(HWND receiver, InputHealth& health) {
    stop();
    receiver_ = receiver;
    health_ = &health;
    activeWatch = this;
    if (!WTSRegisterSessionNotification(receiver, NOTIFY_FOR_THIS_SESSION)) {
        traceFailure(Failure::SessionNotification, L"WTSRegisterSessionNotification");
    }
    desktopSwitchHook_.reset(SetWinEventHook(EVENT_SYSTEM_DESKTOPSWITCH, EVENT_SYSTEM_DESKTOPSWITCH, nullptr,
                                             desktopEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    foregroundHook_.reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, desktopEvent, 0, 0,
                                          WINEVENT_OUTOFCONTEXT));
    sinkKeyboard(receiver);
}

void SightWatch::stop() {
    if (!receiver_) return;
    sinkKeyboard(nullptr);
    WTSUnRegisterSessionNotification(receiver_);
    desktopSwitchHook_.reset();
    foregroundHook_.reset();
    if (activeWatch == this) activeWatch = nullptr;
    receiver_ = nullptr;
    health_ = nullptr;
}

bool SightWatch::handle(UINT message, WPARAM wParam, LPARAM) {
    if (!health_) return false;
    switch (message) {
        case WM_INPUT:
            // The time the system took the key, not the time this thread got to it.
            health_->keyboardWitnessed(static_cast<std::uint32_t>(GetMessageTime()));
            return false;  // the system's own handling frees the input
        case WM_WTSSESSION_CHANGE: sessionChanged(wParam); return true;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMSUSPEND) health_->setBlind(Blindness::Asleep, true);
            if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
                health_->setBlind(Blindness::Asleep, false);
            }
            return true;
        default: return false;
    }
}

void SightWatch::sessionChanged(WPARAM change) {
    switch (change) {
        case WTS_SESSION_LOCK: health_->setBlind(Blindness::Locked, true); break;
        case WTS_SESSION_UNLOCK: health_->setBlind(Blindness::Locked, false); break;
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT: health_->setBlind(Blindness::Disconnected, true); break;
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT: health_->setBlind(Blindness::Disconnected, false); break;
        default: break;
    }
}

void CALLBACK SightWatch::desktopEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
    if (!activeWatch || !activeWatch->health_) return;
    InputHealth& health = *activeWatch->health_;
    if (event == EVENT_SYSTEM_DESKTOPSWITCH) health.setBlind(Blindness::SecureDesktop, secureDesktopInFront());
    if (event == EVENT_SYSTEM_FOREGROUND) health.setBlind(Blindness::ElevatedInFront, runsAboveUs(window));
}

}  // namespace lumo::win32
