#include "platform/win32/win32_input_watch.h"

#include <atomic>

namespace lumo::win32 {

namespace {

constexpr UINT kKeyMessage = WM_APP + 40;   // wParam virtual key, lParam 1 down / 0 up
constexpr UINT kMoveMessage = WM_APP + 41;  // the pointer moved
constexpr wchar_t kReceiverClass[] = L"LumoInputReceiver";

// Shared between the hook thread and the user-interface thread. The hook
// procedures have no context argument, so the one watch lives here.
std::atomic<HWND> receiver{nullptr};
std::atomic<bool> reportMoves{false};
// A move report is on its way: further moves are merged into it.
std::atomic<bool> movePending{false};

bool ownInjection(DWORD flags, DWORD injectedFlag, ULONG_PTR extraInfo) {
    return (flags & injectedFlag) != 0 && extraInfo == kInjectedMark;
}

void postKey(DWORD virtualKey, bool down) {
    PostMessageW(receiver.load(), kKeyMessage, virtualKey, down ? 1 : 0);
}

// The hooks name the side of Shift, Ctrl and Alt; a binding names the key
// itself, which is down while either side is.
struct SidedKey {
    DWORD left, right, plain;
    bool down[2];  // hook thread only
};
SidedKey sidedKeys[] = {{VK_LSHIFT, VK_RSHIFT, VK_SHIFT, {}},
                        {VK_LCONTROL, VK_RCONTROL, VK_CONTROL, {}},
                        {VK_LMENU, VK_RMENU, VK_MENU, {}}};

void postSidedKey(DWORD virtualKey, bool down) {
    for (SidedKey& key : sidedKeys) {
        if (virtualKey != key.left && virtualKey != key.right) continue;
        const bool wasDown = key.down[0] || key.down[1];
        key.down[virtualKey == key.right ? 1 : 0] = down;
        const bool isDown = key.down[0] || key.down[1];
        if (isDown != wasDown) postKey(key.plain, isDown);
    }
}

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        if (!ownInjection(key->flags, LLKHF_INJECTED, key->dwExtraInfo)) {
            const bool down = (key->flags & LLKHF_UP) == 0;
            postKey(key->vkCode, down);
            postSidedKey(key->vkCode, down);
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK mouseHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        if (!ownInjection(mouse->flags, LLMHF_INJECTED, mouse->dwExtraInfo)) {
            switch (message) {
                case WM_MOUSEMOVE:
                    if (reportMoves.load() && !movePending.exchange(true)) {
                        PostMessageW(receiver.load(), kMoveMessage, 0, 0);
                    }
                    break;
                case WM_LBUTTONDOWN: postKey(VK_LBUTTON, true); break;
                case WM_LBUTTONUP: postKey(VK_LBUTTON, false); break;
                case WM_RBUTTONDOWN: postKey(VK_RBUTTON, true); break;
                case WM_RBUTTONUP: postKey(VK_RBUTTON, false); break;
                case WM_MBUTTONDOWN: postKey(VK_MBUTTON, true); break;
                case WM_MBUTTONUP: postKey(VK_MBUTTON, false); break;
                case WM_XBUTTONDOWN:
                case WM_XBUTTONUP:
                    postKey(HIWORD(mouse->mouseData) == XBUTTON1 ? VK_XBUTTON1 : VK_XBUTTON2,
                            message == WM_XBUTTONDOWN);
                    break;
                default: break;
            }
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

struct HookThreadStart {
    HANDLE ready;
    bool hooked = false;
};

// Installs both hooks, tells the starter whether that worked, then pumps
// messages (the hooks run inside this thread's message retrieval) until
// WM_QUIT.
DWORD WINAPI hookThread(void* parameter) {
    auto* start = static_cast<HookThreadStart*>(parameter);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, instance, 0);
    const HHOOK mouse = SetWindowsHookExW(WH_MOUSE_LL, mouseHook, instance, 0);
    // The thread's message queue, so that stop()'s WM_QUIT cannot be lost.
    MSG message;
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    start->hooked = keyboard && mouse;
    const bool hooked = start->hooked;
    SetEvent(start->ready);  // `start` is gone after this
    if (hooked) {
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    }
    if (keyboard) UnhookWindowsHookEx(keyboard);
    if (mouse) UnhookWindowsHookEx(mouse);
    return 0;
}

}  // namespace

bool InputWatch::start(InputListener& listener) {
    stop();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!receiver_) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = receive;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kReceiverClass;
        RegisterClassW(&windowClass);
        receiver_ = CreateWindowExW(0, kReceiverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
        if (!receiver_) return false;
        SetWindowLongPtrW(receiver_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    receiver.store(receiver_);
    movePending.store(false);

    HookThreadStart startInfo{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    if (!startInfo.ready) return false;
    thread_ = CreateThread(nullptr, 0, hookThread, &startInfo, 0, &threadId_);
    if (thread_) WaitForSingleObject(startInfo.ready, INFINITE);
    CloseHandle(startInfo.ready);
    if (!thread_ || !startInfo.hooked) {
        stop();
        return false;
    }
    listener_ = &listener;
    return true;
}

void InputWatch::stop() {
    listener_ = nullptr;
    reportMoves.store(false);
    if (!thread_) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 1000);
    CloseHandle(thread_);
    thread_ = nullptr;
    threadId_ = 0;
}

void InputWatch::reportPointerMoves(bool on) { reportMoves.store(on && listener_); }

LRESULT CALLBACK InputWatch::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<InputWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kMoveMessage) {
        movePending.store(false);
        if (watch && watch->listener_) watch->listener_->pointerMoved();
        return 0;
    }
    if (message == kKeyMessage) {
        if (watch && watch->listener_) {
            watch->listener_->keyChanged(KeyCode(static_cast<std::uint8_t>(wParam)), lParam != 0);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace lumo::win32
