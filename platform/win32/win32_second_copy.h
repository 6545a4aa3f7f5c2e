// The message a second copy of the program broadcasts to wake the first.
// Registered once, on the user-interface thread, by whichever side needs it first.
#pragma once

#include <windows.h>

namespace lumo::win32 {

UINT secondCopyMessage();

}  // namespace lumo::win32
