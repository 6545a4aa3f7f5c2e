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
    // The halves are compared in single precision: a pointer on a middle line
    // belongs to no quarter, and an odd screen size has no middle pixel.
    const float width = static_cast<float>(screen.widthTwips) / static_cast<float>(screen.twipsPerPixelX);
    const float height = static_cast<float>(screen.heightTwips) / static_cast<float>(screen.twipsPerPixelY);
    const float x = static_cast<float>(pointer.x);
    const float y = static_cast<float>(pointer.y);
    const bool right = x > width / 2;
    const bool left = x < width / 2;
    const bool below = y > height / 2;
    const bool above = y < height / 2;

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
