#include "platform/win32/win32_hook_thread.h"

#include <atomic>
#include <cstdlib>
#include <string>

#include "platform/latency_histogram.h"
#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

namespace {

constexpr UINT kMouseHookMessage = WM_APP + 43;  // to the hook thread: wParam 1 hook the mouse, 0 unhook
constexpr DWORD kStopWaitMs = 1000;

// Shared between the hook thread and the user-interface thread. The hook
// procedures have no context argument, so the one set lives here.
std::atomic<HWND> receiver{nullptr};
std::atomic<std::uint64_t> publishedTable{0};
std::atomic<bool> movesWanted{false};
// A move report is on its way: further moves are merged into it.
std::atomic<bool> movePending{false};
std::atomic<DWORD> lastHookEvent{0};
std::atomic<std::uint8_t> hotKeySwitches{0};

// ---- hook thread only (or the user-interface thread while no hook thread runs; the
// histograms are read by the user-interface thread) ----
KeyGate gate;
LatencyHistogram ownTimeUs;
LatencyHistogram dispatchDelayMs;
LARGE_INTEGER ticksPerSecond{};

bool ownInjection(DWORD flags, DWORD injectedFlag, ULONG_PTR extraInfo) {
    return (flags & injectedFlag) != 0 && extraInfo == kInjectedMark;
}

void post(const GateVerdict& verdict, const KeyTable& table) {
    const HWND to = receiver.load();
    if (verdict.switchPressed) PostMessageW(to, kSwitchMessage, 0, 0);
    const LPARAM change = (verdict.down ? 1 : 0) | (table.sightEpoch & 0x7F) << 1;
    for (const KeyCode key : verdict.reports) {
        if (!key.empty()) PostMessageW(to, kKeyMessage, key.code(), change);
    }
}

KeyTable currentTable() { return KeyTable::unpack(publishedTable.load(std::memory_order_relaxed)); }

// The window in front is one of this program's that takes the keyboard: not
// the virtual mouse, which never activates (the system may still put it in
// front when the user gives it the focus).
bool ownWindowActive() {
    const HWND front = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    return process == GetCurrentProcessId() && !(GetWindowLongPtrW(front, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
}

// A press and release of a key code nobody uses, marked as the program's own
// so the hook lets it pass: the focused window then sees Alt as part of a
// combination, not as a tap that opens its menu bar.
void sendMaskKey() {
    INPUT strokes[2]{};
    for (INPUT& stroke : strokes) {
        stroke.type = INPUT_KEYBOARD;
        stroke.ki.wVk = kMaskKey.code();
        stroke.ki.dwExtraInfo = kInjectedMark;
    }
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

// The event's own time is whatever an injecting program put there: the
// system's clock stamps what the hooks saw.
DWORD stampEvent() {
    const DWORD now = GetTickCount();
    lastHookEvent.store(now, std::memory_order_relaxed);
    return now;
}

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        LARGE_INTEGER entered;
        QueryPerformanceCounter(&entered);
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        const DWORD now = stampEvent();
        bool withhold = false;
        if (!ownInjection(key->flags, LLKHF_INJECTED, key->dwExtraInfo)) {
            // A typed character's scan code is its UTF-16 code unit: kept whole.
            const KeyStroke stroke{KeyCode(static_cast<std::uint8_t>(key->vkCode)),
                                   static_cast<std::uint16_t>(key->scanCode), (key->flags & LLKHF_EXTENDED) != 0,
                                   (key->flags & LLKHF_UP) == 0};
            gate.countHotKeySwitches(hotKeySwitches.load(std::memory_order_relaxed));
            const KeyTable table = currentTable();
            const GateVerdict verdict = gate.keyboard(stroke, table, ownWindowActive);
            post(verdict, table);
            if (verdict.sendMask) sendMaskKey();
            withhold = verdict.withhold;
        }
        LARGE_INTEGER left;
        QueryPerformanceCounter(&left);
        ownTimeUs.record(static_cast<std::uint32_t>((left.QuadPart - entered.QuadPart) * 1000000 /
                                                    (ticksPerSecond.QuadPart ? ticksPerSecond.QuadPart : 1)));
        dispatchDelayMs.record(now - key->time);
        if (withhold) return 1;
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
        stampEvent();
        if (!ownInjection(mouse->flags, LLMHF_INJECTED, mouse->dwExtraInfo)) {
            bool down = false;
            if (const KeyCode button = buttonOf(message, *mouse, down); !button.empty()) {
                const KeyTable table = currentTable();
                post(gate.button(button, down, table, ownWindowActive), table);
            } else if (message == WM_MOUSEMOVE && movesWanted.load() && !movePending.exchange(true)) {
                PostMessageW(receiver.load(), kMoveMessage, 0, 0);
            }
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

HHOOK hookMouse(HINSTANCE instance) {
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, mouseHook, instance, 0);
    if (!hook) traceFailure(Failure::MouseHook, L"SetWindowsHookExW", L"WH_MOUSE_LL");
    return hook;
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
    // Every key press waits for this thread: it goes before ordinary work.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const UniqueHook keyboard(SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, instance, 0));
    if (!keyboard) traceFailure(Failure::KeyboardHook, L"SetWindowsHookExW", L"WH_KEYBOARD_LL");
    UniqueHook mouse(start->hookMouse ? hookMouse(instance) : nullptr);
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
                mouse.reset(hookMouse(instance));
            }
            continue;
        }
        DispatchMessageW(&message);
    }
    return 0;
}

// One line of figures; built by hand, as the printf family would add tens of
// kilobytes to the exe.
std::string figures(const char* name, const LatencyHistogram& histogram) {
    return std::string(name) + " events=" + std::to_string(histogram.total()) +
           " p50=" + std::to_string(histogram.percentile(50)) + " p99=" + std::to_string(histogram.percentile(99)) +
           " max=" + std::to_string(histogram.max()) + "\n";
}

}  // namespace

void HookThread::reset(HWND to) {
    receiver.store(to);
    if (running() || thread_) return;  // the gate is the old thread's until it ends
    gate.reset(currentTable());
}

bool HookThread::start(bool hookMouse) {
    if (thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT) return false;
    thread_.reset();
    QueryPerformanceFrequency(&ticksPerSecond);
    movePending.store(false);
    gate.restart();
    HookThreadStart startInfo{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    const UniqueHandle ready(startInfo.ready);
    if (!ready) return false;
    startInfo.hookMouse = hookMouse;
    DWORD id = 0;
    thread_.reset(CreateThread(nullptr, 0, hookThread, &startInfo, 0, &id));
    if (!thread_) {
        traceFailure(Failure::HookThread, L"CreateThread");
        return false;
    }
    WaitForSingleObject(startInfo.ready, INFINITE);
    if (!startInfo.hooked) {
        WaitForSingleObject(thread_.get(), INFINITE);  // it returns at once
        thread_.reset();
        return false;
    }
    threadId_ = id;
    mouseHooked_ = hookMouse;
    lastHookEvent.store(GetTickCount());
    return true;
}

void HookThread::stop() {
    if (!threadId_) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    // A thread that does not end in time keeps its handle: no new one starts
    // beside it.
    if (WaitForSingleObject(thread_.get(), kStopWaitMs) == WAIT_OBJECT_0) thread_.reset();
    threadId_ = 0;
    mouseHooked_ = false;
}

void HookThread::hookMouse(bool on) {
    if (!threadId_ || on == mouseHooked_) return;
    mouseHooked_ = on;
    PostThreadMessageW(threadId_, kMouseHookMessage, on ? 1 : 0, 0);
}

void HookThread::publishKeyTable(const KeyTable& table) {
    publishedTable.store(table.pack(), std::memory_order_relaxed);
}

KeyTable HookThread::keyTable() const { return currentTable(); }

void HookThread::reportMoves(bool on) { movesWanted.store(on); }

void HookThread::moveReportTaken() { movePending.store(false); }

void HookThread::countHotKeySwitch() { hotKeySwitches.fetch_add(1, std::memory_order_relaxed); }

std::uint32_t HookThread::lastEvent() const { return lastHookEvent.load(std::memory_order_relaxed); }

void HookThread::writeTimes() const {
    static const wchar_t* const path = _wgetenv(L"LUMO_HOOK_TIMES");
    if (!path || !*path) return;
    const HANDLE created =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return;
    const UniqueHandle file(created);
    const std::string text = figures("hook_us", ownTimeUs) + figures("dispatch_ms", dispatchDelayMs);
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace lumo::win32
