// The one copy of the program per user and session: a mutex named after the
// user, and the wake-up a second start sends the copy already running.
#pragma once

#include <windows.h>

#include "platform/win32/win32_handles.h"

namespace lumo::win32 {

// Creates this user's single-copy mutex, which only this user may open.
// `taken` tells whether a copy holds it already (a copy running elevated
// denies the opening: that counts too). Null without `taken` when there is
// no name to claim (the user's token cannot be read).
UniqueHandle claimUserMutex(bool& taken);

// Lets the first copy alone take the foreground and asks it to answer (with
// `show`, to show itself too); false, with a trace for a debugger, when no
// copy answers within a second.
bool wakeFirstCopy(bool show);

}  // namespace lumo::win32
