#include "tray/menu_placement.h"

#include "platform/units.h"

namespace lumo {

namespace {

// Offsets from the pointer that keep the 1575-twip menu beside it.
constexpr double kAboveLeftX = 1500, kAboveLeftY = 1800;  // lower-right quarter
constexpr double kBelowLeftX = 1700;                      // upper-right quarter
constexpr double kAboveRightY = 1700;                     // lower-left quarter

}  // namespace

std::optional<MenuPosition> menuPositionAt(Point pointer, const ScreenMetrics& screen) {
    if (screen.widthPixels <= 0 || screen.heightPixels <= 0) return std::nullopt;
    // Doubled pixels against the whole size: a pointer on a middle line
    // belongs to no quarter, and an odd screen size has no middle pixel.
    const std::int64_t x = 2 * static_cast<std::int64_t>(pointer.x);
    const std::int64_t y = 2 * static_cast<std::int64_t>(pointer.y);
    const bool right = x > screen.widthPixels;
    const bool left = x < screen.widthPixels;
    const bool below = y > screen.heightPixels;
    const bool above = y < screen.heightPixels;

    const double xTwips = pointer.x * screen.twipsPerPixelX;
    const double yTwips = pointer.y * screen.twipsPerPixelY;
    const auto at = [](double leftTwips, double topTwips) {
        return MenuPosition{roundHalfEven(leftTwips), roundHalfEven(topTwips)};
    };
    if (right && below) return at(xTwips - kAboveLeftX, yTwips - kAboveLeftY);
    if (right && above) return at(xTwips - kBelowLeftX, yTwips);
    if (left && below) return at(xTwips, yTwips - kAboveRightY);
    return std::nullopt;
}

}  // namespace lumo
