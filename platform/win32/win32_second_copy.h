// The message a second copy of the program sends the first copy's input
// receiver to wake it (wParam 1: show the settings window), and the class of
// that receiver, by which the second copy finds it. Registered once, on the
// user-interface thread, by whichever side needs it first.
#pragma once

#include <windows.h>

namespace lumo::win32 {

UINT secondCopyMessage();
inline constexpr wchar_t kInputReceiverClass[] = L"LumoInputReceiver";

// The answer the first copy's receiver gives to secondCopyMessage(), so that
// a window that merely shares its class is not taken for a copy ("LUMO").
inline constexpr LRESULT kFirstCopyAnswer = 0x4C554D4F;

}  // namespace lumo::win32
