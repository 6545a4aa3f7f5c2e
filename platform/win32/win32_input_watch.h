// Input reports for the whole desktop, on the user-interface thread: the
// hidden receiver window the hook thread posts to, the hooks' health watch
// that installs them, restarts them when they have gone quiet and falls back
// to registered hot keys for the switch while none works, and the sight watch
// that tells it when the keyboard is hidden. The keyboard hook runs from the
// start; the mouse hook only while pointer moves or a bound mouse button are
// asked for.
#pragma once

#include <windows.h>

#include "platform/input_health.h"
#include "platform/platform.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_hook_thread.h"
#include "platform/win32/win32_second_copy.h"
#include "platform/win32/win32_sight_watch.h"

namespace lumo::win32 {

class InputWatch : private HookDriver {
public:
    InputWatch() = default;
    ~InputWatch() override { stop(); }
    InputWatch(const InputWatch&) = delete;
    InputWatch& operator=(const InputWatch&) = delete;

    // Starts reporting to `listener`; false when the system refuses the
    // hooks (keys are then polled and the switch comes as a hot key).
    bool start(InputListener& listener);
    void stop();
    void publishKeyTable(const KeyTable& table);
    void reportPointerMoves(bool on);
    // The periodic look at the hooks' health.
    void checkHooks();

private:
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool createReceiver();
    bool mouseWanted() const;
    // ---- HookDriver ----
    bool installHooks() override;
    void removeHooks() override;
    void takeSwitchAsHotKeys(bool on) override;

    UniqueWindow receiver_;
    HookThread hooks_;
    InputHealth health_{*this};
    SightWatch sight_;
    InputListener* listener_ = nullptr;
    bool movesWanted_ = false;
};

}  // namespace lumo::win32
