// What the command line asks of a start.
#pragma once

#include <string_view>

namespace lumo {

struct StartOptions {
    // "/tray": start in the notification area, without the settings window
    // (the start with Windows).
    bool inTray = false;
};

// The options of a command line's arguments (UTF-8, the program's own name
// left out). Words are separated by blanks and compared without regard to
// case; words the program does not know are ignored.
StartOptions parseStartOptions(std::string_view arguments);

}  // namespace lumo
