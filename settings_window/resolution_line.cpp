#include "settings_window/resolution_line.h"

#include <charconv>

namespace lumo {

namespace {

std::string shortestDecimal(float value) {
    // Fixed notation of a float is at most 39 integer digits, a point and 45 decimals.
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string resolutionLine(const ScreenMetrics& screen) {
    const float width = static_cast<float>(screen.widthTwips) / static_cast<float>(screen.twipsPerPixelX);
    const float height = static_cast<float>(screen.heightTwips) / static_cast<float>(screen.twipsPerPixelY);
    return "屏幕分辨率:" + shortestDecimal(width) + " * " + shortestDecimal(height);
}

}  // namespace lumo
