// The key-state probe shared by the keyboard pointer engine and the tray
// menu's watchdog.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace lumo {

// True while the key or mouse button `virtualKey` is physically down: the high
// bit of the asynchronous key state. The "pressed since last query" bit is
// ignored. Any code is handed to the platform as it is; the platform answers
// "up" for codes it does not know.
bool isKeyDown(Platform& platform, std::int32_t virtualKey);

}  // namespace lumo
