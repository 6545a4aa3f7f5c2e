// The settings window's screen-resolution line.
#pragma once

#include <string>

#include "platform/platform.h"

namespace lumo {

// "屏幕分辨率:W * H": the screen size in pixels, each worked out in single
// precision and written in its shortest decimal form (no exponent).
std::string resolutionLine(const ScreenMetrics& screen);

}  // namespace lumo
