#include "platform/win32/win32_input_watch.h"

#include <wtsapi32.h>

#include <atomic>

#include "platform/win32/input_codes.h"

namespace lumo::win32 {

namespace {

constexpr UINT kKeyMessage = WM_APP + 40;     // wParam virtual key, lParam 1 down / 0 up
constexpr UINT kMoveMessage = WM_APP + 41;    // the pointer moved
constexpr UINT kSwitchMessage = WM_APP + 42;  // the switch key was pressed
constexpr UINT kMouseHookMessage = WM_APP + 43;  // to the hook thread: wParam 1 hook the mouse, 0 unhook
constexpr int kSwitchHotKey = 1, kSwitchComboHotKey = 2;
constexpr wchar_t kReceiverClass[] = L"LumoInputReceiver";

// Shared between the hook thread and the user-interface thread. The hook
// procedures have no context argument, so the one watch lives here.
std::atomic<HWND> receiver{nullptr};
std::atomic<std::uint64_t> keyTable{0};
std::atomic<bool> reportMoves{false};
// A move report is on its way: further moves are merged into it.
std::atomic<bool> movePending{false};
// Tick counts of the hooks' last event and of the program's last injection.
std::atomic<DWORD> lastHookEvent{0};
std::atomic<DWORD> lastInjection{0};
// Hook thread only.
KeyGate gate;
// The user-interface thread's watch, for the desktop event hook.
InputWatch* activeWatch = nullptr;

bool ownInjection(DWORD flags, DWORD injectedFlag, ULONG_PTR extraInfo) {
    return (flags & injectedFlag) != 0 && extraInfo == kInjectedMark;
}

void post(const GateVerdict& verdict) {
    const HWND to = receiver.load();
    if (verdict.switchPressed) PostMessageW(to, kSwitchMessage, 0, 0);
    for (const KeyCode key : verdict.reports) {
        if (!key.empty()) PostMessageW(to, kKeyMessage, key.code(), verdict.down ? 1 : 0);
    }
}

KeyTable currentTable() { return KeyTable::unpack(keyTable.load(std::memory_order_relaxed)); }

// The window in front is one of this program's that takes the keyboard: not
// the virtual mouse, which never activates (the system may still put it in
// front when the user gives it the focus).
bool ownWindowActive() {
    const HWND front = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    return process == GetCurrentProcessId() && !(GetWindowLongPtrW(front, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
}

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        lastHookEvent.store(key->time, std::memory_order_relaxed);
        if (!ownInjection(key->flags, LLKHF_INJECTED, key->dwExtraInfo)) {
            const KeyStroke stroke{KeyCode(static_cast<std::uint8_t>(key->vkCode)),
                                   static_cast<std::uint8_t>(key->scanCode), (key->flags & LLKHF_EXTENDED) != 0,
                                   (key->flags & LLKHF_UP) == 0};
            const GateVerdict verdict = gate.keyboard(stroke, currentTable(), ownWindowActive);
            post(verdict);
            if (verdict.withhold) return 1;
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

// The button a mouse message changes, and whether it went down.
KeyCode buttonOf(WPARAM message, const MSLLHOOKSTRUCT& mouse, bool& down) {
    down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return KeyCode(VK_LBUTTON);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: return KeyCode(VK_RBUTTON);
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: return KeyCode(VK_MBUTTON);
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP: return KeyCode(HIWORD(mouse.mouseData) == XBUTTON1 ? VK_XBUTTON1 : VK_XBUTTON2);
        default: return {};
    }
}

LRESULT CALLBACK mouseHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        lastHookEvent.store(mouse->time, std::memory_order_relaxed);
        if (!ownInjection(mouse->flags, LLMHF_INJECTED, mouse->dwExtraInfo)) {
            bool down = false;
            if (const KeyCode button = buttonOf(message, *mouse, down); !button.empty()) {
                post(gate.button(button, down, currentTable()));
            } else if (message == WM_MOUSEMOVE && reportMoves.load() && !movePending.exchange(true)) {
                PostMessageW(receiver.load(), kMoveMessage, 0, 0);
            }
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

struct HookThreadStart {
    HANDLE ready;
    bool hookMouse = false;
    bool hooked = false;
};

// Installs the hooks, tells the starter whether that worked, then pumps
// messages (the hooks run inside this thread's message retrieval) until
// WM_QUIT, hooking and unhooking the mouse as asked.
DWORD WINAPI hookThread(void* parameter) {
    auto* start = static_cast<HookThreadStart*>(parameter);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    gate.reset(currentTable());
    lastHookEvent.store(GetTickCount());
    const UniqueHook keyboard(SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, instance, 0));
    UniqueHook mouse(start->hookMouse ? SetWindowsHookExW(WH_MOUSE_LL, mouseHook, instance, 0) : nullptr);
    // The thread's message queue, so that stop()'s WM_QUIT cannot be lost.
    MSG message;
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    start->hooked = keyboard != nullptr;
    const bool hooked = start->hooked;
    SetEvent(start->ready);  // `start` is gone after this
    if (!hooked) return 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kMouseHookMessage) {
            if (!message.wParam) {
                mouse.reset();
            } else if (!mouse) {
                mouse.reset(SetWindowsHookExW(WH_MOUSE_LL, mouseHook, instance, 0));
            }
            continue;
        }
        DispatchMessageW(&message);
    }
    return 0;
}

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

}  // namespace

UINT secondCopyMessage() {
    static const UINT message = RegisterWindowMessageW(L"LumoMouse.SecondCopyStarted");
    return message;
}

void noteInjectedInput() { lastInjection.store(GetTickCount(), std::memory_order_relaxed); }

bool InputWatch::start(InputListener& listener) {
    stop();
    if (!createReceiver()) return false;
    listener_ = &listener;
    activeWatch = this;
    receiver.store(receiver_.get());
    WTSRegisterSessionNotification(receiver_.get(), NOTIFY_FOR_THIS_SESSION);
    desktopSwitchHook_.reset(SetWinEventHook(EVENT_SYSTEM_DESKTOPSWITCH, EVENT_SYSTEM_DESKTOPSWITCH, nullptr,
                                             desktopEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    foregroundHook_.reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, desktopEvent, 0,
                                          0, WINEVENT_OUTOFCONTEXT));
    if (startHooks()) return true;
    // Without hooks the switch key still works, as a hot key.
    hotKeys_ = RegisterHotKey(receiver_.get(), kSwitchHotKey, MOD_NOREPEAT, kSwitchKey.code());
    RegisterHotKey(receiver_.get(), kSwitchComboHotKey, MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_NOREPEAT,
                   kSwitchComboKey.code());
    return false;
}

void InputWatch::stop() {
    stopHooks();
    if (receiver_) {
        if (hotKeys_) {
            UnregisterHotKey(receiver_.get(), kSwitchHotKey);
            UnregisterHotKey(receiver_.get(), kSwitchComboHotKey);
        }
        WTSUnRegisterSessionNotification(receiver_.get());
    }
    hotKeys_ = false;
    desktopSwitchHook_.reset();
    foregroundHook_.reset();
    listener_ = nullptr;
    if (activeWatch == this) activeWatch = nullptr;
    blindness_ = 0;
    movesWanted_ = false;
    reportMoves.store(false);
}

bool InputWatch::createReceiver() {
    if (receiver_) return true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = receive;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kReceiverClass;
    RegisterClassW(&windowClass);
    // A hidden top-level window rather than a message-only one: only those
    // hear the power broadcasts.
    receiver_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kReceiverClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, nullptr));
    if (!receiver_) return false;
    SetWindowLongPtrW(receiver_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

bool InputWatch::startHooks() {
    movePending.store(false);
    HookThreadStart startInfo{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    const UniqueHandle ready(startInfo.ready);
    if (!ready) return false;
    startInfo.hookMouse = mouseHooked_ = movesWanted_ || currentTable().bindsMouseButton();
    thread_.reset(CreateThread(nullptr, 0, hookThread, &startInfo, 0, &threadId_));
    if (thread_) WaitForSingleObject(startInfo.ready, INFINITE);
    if (!thread_ || !startInfo.hooked) {
        stopHooks();
        return false;
    }
    return true;
}

void InputWatch::stopHooks() {
    if (!thread_) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_.get(), 1000);
    thread_.reset();
    threadId_ = 0;
    mouseHooked_ = false;
}

void InputWatch::publishKeyTable(const KeyTable& table) {
    keyTable.store(table.pack(), std::memory_order_relaxed);
    updateMouseHook();
}

void InputWatch::reportPointerMoves(bool on) {
    movesWanted_ = on && listener_;
    reportMoves.store(movesWanted_);
    updateMouseHook();
}

void InputWatch::updateMouseHook() {
    const bool wanted = movesWanted_ || currentTable().bindsMouseButton();
    if (!thread_ || wanted == mouseHooked_) return;
    mouseHooked_ = wanted;
    PostThreadMessageW(threadId_, kMouseHookMessage, wanted ? 1 : 0, 0);
}

void InputWatch::checkHooks() {
    if (!thread_ || !listener_) return;
    LASTINPUTINFO input{sizeof input, 0};
    POINT pointer{};
    GetCursorPos(&pointer);
    const bool pointerMoved = pointer.x != lastCheckedPointer_.x || pointer.y != lastCheckedPointer_.y;
    lastCheckedPointer_ = pointer;
    if (!GetLastInputInfo(&input) ||
        !hooksSilent(input.dwTime, lastHookEvent.load(), lastInjection.load(), mouseHooked_, pointerMoved)) {
        return;
    }
    listener_->sightChanged(false);
    stopHooks();
    startHooks();
    listener_->sightChanged(true);
}

void InputWatch::setBlind(Blindness reason, bool on) {
    const bool wasBlind = blindness_ != 0;
    blindness_ = on ? blindness_ | reason : blindness_ & ~reason;
    if (listener_ && wasBlind != (blindness_ != 0)) listener_->sightChanged(blindness_ == 0);
}

void InputWatch::sessionChanged(WPARAM change) {
    switch (change) {
        case WTS_SESSION_LOCK: setBlind(Locked, true); break;
        case WTS_SESSION_UNLOCK: setBlind(Locked, false); break;
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT: setBlind(Disconnected, true); break;
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT: setBlind(Disconnected, false); break;
        default: break;
    }
}

void CALLBACK InputWatch::desktopEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
    if (!activeWatch) return;
    if (event == EVENT_SYSTEM_DESKTOPSWITCH) activeWatch->setBlind(SecureDesktop, secureDesktopInFront());
    if (event == EVENT_SYSTEM_FOREGROUND) activeWatch->setBlind(ElevatedInFront, runsAboveUs(window));
}

LRESULT CALLBACK InputWatch::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<InputWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    InputListener* listener = watch ? watch->listener_ : nullptr;
    switch (message) {
        case kMoveMessage:
            movePending.store(false);
            if (listener) listener->pointerMoved();
            return 0;
        case kKeyMessage:
            if (listener) listener->keyChanged(KeyCode(static_cast<std::uint8_t>(wParam)), lParam != 0);
            return 0;
        case kSwitchMessage:
        case WM_HOTKEY:
            if (listener) listener->switchPressed();
            return 0;
        case WM_WTSSESSION_CHANGE:
            if (watch) watch->sessionChanged(wParam);
            return 0;
        case WM_POWERBROADCAST:
            if (watch && wParam == PBT_APMSUSPEND) watch->setBlind(Asleep, true);
            if (watch && (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) {
                watch->setBlind(Asleep, false);
            }
            return TRUE;
        default:
            if (message == secondCopyMessage() && listener) {
                listener->secondCopyStarted();
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace lumo::win32
