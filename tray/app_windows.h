// How the four windows reach each other: generic form references (show, hide,
// handle, icon) and the one exit operation. No window reads another window's
// controls; settings travel only through SharedState.
#pragma once

#include <functional>

#include "platform/forms/forms.h"

namespace lumo {

struct AppWindows {
    forms::Form* virtualMouse = nullptr;
    forms::Form* settings = nullptr;
    forms::Form* trayMenu = nullptr;
    forms::Form* about = nullptr;
    // Deletes the notification-area icon and ends the process at once.
    std::function<void()> exitProgram;
    // The hotkey switch or a key binding changed, or the program is ending:
    // the keyboard pointer engine lets go of any mouse button it holds, so
    // that no button is left down, and takes up the change at once.
    std::function<void()> hotkeysChanged;
};

}  // namespace lumo
