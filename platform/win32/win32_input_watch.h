// Input reports for the whole desktop: low-level keyboard and mouse hooks on a
// thread of their own, handed to the user-interface thread as posted messages,
// and the events after which the keyboard can no longer be seen.
//
// The hooks decide on each key with the portable key gate and the last key
// table published, post what it reports and return at once, so the desktop's
// input never waits for the user-interface thread, however busy it is (a busy
// hook thread would delay every key press, and the system drops hooks that
// time out). The keyboard hook runs from start; the mouse hook only while
// pointer moves or a bound mouse button are asked for. Input this program
// injects carries kInjectedMark and is not reported.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_handles.h"

namespace lumo::win32 {

// dwExtraInfo of every mouse and key event this program injects ("LUMO").
inline constexpr ULONG_PTR kInjectedMark = 0x4C554D4F;

// The program is about to inject input: the system's last-input time that
// follows is not a sign of silent hooks.
void noteInjectedInput();

// The message a second copy of the program sends the first's receiver to wake
// it (wParam 1: show the settings window); the class that receiver has.
UINT secondCopyMessage();
inline constexpr wchar_t kInputReceiverClass[] = L"LumoInputReceiver";

class InputWatch {
public:
    InputWatch() = default;
    ~InputWatch() { stop(); }
    InputWatch(const InputWatch&) = delete;
    InputWatch& operator=(const InputWatch&) = delete;

    // Installs the hooks and reports to `listener`; false when the system
    // refuses them (the switch key then comes as a registered hot key).
    // Called on the user-interface thread.
    bool start(InputListener& listener);
    void stop();
    void publishKeyTable(const KeyTable& table);
    void reportPointerMoves(bool on);
    // Installs the hooks again when they have gone quiet.
    void checkHooks();

private:
    // Why the keyboard cannot be seen now; any one of them is enough.
    enum Blindness : unsigned { Locked = 1, Disconnected = 2, SecureDesktop = 4, ElevatedInFront = 8, Asleep = 16 };

    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK desktopEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD);
    bool createReceiver();
    bool startHooks();
    void stopHooks();
    void updateMouseHook();
    void setBlind(Blindness reason, bool on);
    void sessionChanged(WPARAM change);

    UniqueWindow receiver_;
    UniqueHandle thread_;
    DWORD threadId_ = 0;
    UniqueWinEventHook desktopSwitchHook_;
    UniqueWinEventHook foregroundHook_;
    InputListener* listener_ = nullptr;
    bool hotKeys_ = false;
    bool mouseHooked_ = false;  // asked of the hook thread
    bool movesWanted_ = false;
    unsigned blindness_ = 0;
    POINT lastCheckedPointer_{};
};

}  // namespace lumo::win32
