// Where the tray menu opens for a pointer position: always towards the middle
// of the screen, so that it never hangs off an edge next to the taskbar.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace lumo {

struct MenuPosition {
    std::int32_t left = 0;  // twips
    std::int32_t top = 0;   // twips
    friend bool operator==(const MenuPosition&, const MenuPosition&) = default;
};

// The menu's top-left corner for a pointer at `pointer` (screen pixels), or
// nothing when the pointer is in the upper-left quarter or on a middle line
// (the notification area is never there).
std::optional<MenuPosition> menuPositionAt(Point pointer, const ScreenMetrics& screen);

}  // namespace lumo
