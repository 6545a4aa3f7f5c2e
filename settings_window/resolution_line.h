// The settings window's screen-resolution line.
#pragma once

#include <string>

#include "platform/platform.h"

namespace lumo {

// "屏幕分辨率:W * H": the screen's size in whole pixels at any dpi.
std::string resolutionLine(const ScreenMetrics& screen);

}  // namespace lumo
