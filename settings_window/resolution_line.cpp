#include "settings_window/resolution_line.h"

#include <cstdio>
#include <cstdlib>

namespace lumo {

namespace {

// Fixed notation with the fewest decimals that read back as the same float.
// (std::to_chars for floating point would pull a large table into the exe.)
std::string shortestDecimal(float value) {
    // A float has at most 39 integer digits; 50 decimals reach every value.
    char buffer[160];
    for (int decimals = 0; decimals <= 50; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
        if (std::strtof(buffer, nullptr) == value) break;
    }
    return buffer;
}

}  // namespace

std::string resolutionLine(const ScreenMetrics& screen) {
    const float width = static_cast<float>(screen.widthTwips) / static_cast<float>(screen.twipsPerPixelX);
    const float height = static_cast<float>(screen.heightTwips) / static_cast<float>(screen.twipsPerPixelY);
    return "屏幕分辨率:" + shortestDecimal(width) + " * " + shortestDecimal(height);
}

}  // namespace lumo
