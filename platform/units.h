// Twips, pixels and the small text formats shared by several windows.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace lumo {

// Twips are 1/1440 inch: window and control geometry. Pixels are the screen's.
inline constexpr double kTwipsPerInch = 1440.0;

// Rounds to the nearest whole number, halves to even, saturating to int32.
inline std::int32_t roundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);  // default rounding mode: ties to even
    if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

inline std::int32_t twipsToPixels(double twips, double twipsPerPixel) { return roundHalfEven(twips / twipsPerPixel); }

inline double pixelsToTwips(std::int32_t pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

// "x,y": decimal, no spaces, no leading zeros, minus sign when negative.
inline std::string coordinateText(std::int32_t x, std::int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

}  // namespace lumo
