#include "platform/win32/win32_input_watch.h"

#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

namespace {

constexpr int kSwitchHotKey = 1, kSwitchComboHotKey = 2;

}  // namespace

bool InputWatch::start(InputListener& listener) {
    stop();
    if (!createReceiver()) return false;
    listener_ = &listener;
    hooks_.reset(receiver_.get());
    sight_.start(receiver_.get(), health_);
    return health_.start(listener);
}

void InputWatch::stop() {
    health_.stop();
    sight_.stop();
    hooks_.writeTimes();
    listener_ = nullptr;
    movesWanted_ = false;
    hooks_.reportMoves(false);
}

bool InputWatch::createReceiver() {
    if (receiver_) return true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = receive;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kInputReceiverClass;
    if (!RegisterClassW(&windowClass)) traceFailure(Failure::WindowClass, L"RegisterClassW", kInputReceiverClass);
    // A hidden top-level window rather than a message-only one: only those
    // hear the power broadcasts.
    receiver_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kInputReceiverClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, nullptr));
    if (!receiver_) {
        traceFailure(Failure::Window, L"CreateWindowExW", kInputReceiverClass);
        return false;
    }
    SetWindowLongPtrW(receiver_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

bool InputWatch::mouseWanted() const { return movesWanted_ || hooks_.keyTable().bindsMouseButton(); }

bool InputWatch::installHooks() { return hooks_.start(mouseWanted()); }

void InputWatch::removeHooks() { hooks_.stop(); }

void InputWatch::takeSwitchAsHotKeys(bool on) {
    if (!receiver_) return;
    if (on) {
        // Another program may own one of them already: the other still works.
        const bool key = RegisterHotKey(receiver_.get(), kSwitchHotKey, MOD_NOREPEAT, kSwitchKey.code());
        const bool combo = RegisterHotKey(receiver_.get(), kSwitchComboHotKey,
                                          MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_NOREPEAT, kSwitchComboKey.code());
        if (!key || !combo) traceFailure(Failure::HotKey, L"RegisterHotKey");
    } else {
        UnregisterHotKey(receiver_.get(), kSwitchHotKey);
        UnregisterHotKey(receiver_.get(), kSwitchComboHotKey);
    }
}

void InputWatch::publishKeyTable(const KeyTable& table) {
    hooks_.publishKeyTable(table);
    hooks_.hookMouse(mouseWanted());
}

void InputWatch::reportPointerMoves(bool on) {
    movesWanted_ = on && listener_;
    hooks_.reportMoves(movesWanted_);
    hooks_.hookMouse(mouseWanted());
}

void InputWatch::checkHooks() {
    health_.upkeep(hooks_.lastEvent());
    hooks_.writeTimes();
}

LRESULT CALLBACK InputWatch::receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<InputWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    InputListener* listener = watch ? watch->listener_ : nullptr;
    if (watch && watch->sight_.handle(message, wParam, lParam)) return message == WM_POWERBROADCAST ? TRUE : 0;
    switch (message) {
        case kMoveMessage:
            if (watch) watch->hooks_.moveReportTaken();
            if (listener) listener->pointerMoved();
            return 0;
        case kKeyMessage:
            if (listener && watch &&
                !staleKeyReport(static_cast<std::uint8_t>(lParam >> 1), watch->hooks_.keyTable().sightEpoch)) {
                listener->keyChanged(KeyCode(static_cast<std::uint8_t>(wParam)), (lParam & 1) != 0);
            }
            return 0;
        case WM_HOTKEY:
            if (watch) watch->hooks_.countHotKeySwitch();
            [[fallthrough]];
        case kSwitchMessage:
            if (listener) listener->switchPressed();
            return 0;
        default:
            if (message == secondCopyMessage()) {
                if (listener && wParam) listener->secondCopyStarted();
                return kFirstCopyAnswer;  // a copy runs here
            }
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace lumo::win32
