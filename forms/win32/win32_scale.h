// Twips of the forms to pixels of the screen and back, at the screen's DPI
// (1440 / dpi twips per pixel), with the runtime's rounding (halves to even).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "platform/units.h"

namespace lumo::win32 {

struct PixelScale {
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;

    static PixelScale ofDpi(int dpiX, int dpiY) {
        return {kTwipsPerInch / (dpiX > 0 ? dpiX : 96), kTwipsPerInch / (dpiY > 0 ? dpiY : 96)};
    }

    int x(double twips) const { return twipsToPixels(twips, twipsPerPixelX); }
    int y(double twips) const { return twipsToPixels(twips, twipsPerPixelY); }
    double twipsX(int pixels) const { return pixelsToTwips(pixels, twipsPerPixelX); }
    double twipsY(int pixels) const { return pixelsToTwips(pixels, twipsPerPixelY); }

    // A control's box in pixels: position and size are each rounded, so the
    // size in pixels does not depend on where the control sits.
    RECT box(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) const {
        const int l = x(left), t = y(top);
        return {l, t, l + std::max(0, x(width)), t + std::max(0, y(height))};
    }

    // Pictures are drawn at their own size on a 96-dpi screen and grow with the DPI.
    int pictureX(int pixelsAt96) const { return roundHalfEven(pixelsAt96 * 15.0 / twipsPerPixelX); }
    int pictureY(int pixelsAt96) const { return roundHalfEven(pixelsAt96 * 15.0 / twipsPerPixelY); }

    // The screen's DPI, the finer of the two axes where they differ.
    int dpi() const { return roundHalfEven(kTwipsPerInch / std::min(twipsPerPixelX, twipsPerPixelY)); }

    // Character height in pixels of a font of `points` points (a point is 20 twips).
    int fontHeight(double points) const { return roundHalfEven(points * 20.0 / twipsPerPixelY); }
};

}  // namespace lumo::win32
