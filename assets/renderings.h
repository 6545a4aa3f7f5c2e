// The renderings the bundled pictures come in: generate_assets.cpp draws every
// picture once per rendering and the program icon once per size, and the
// program picks among them for the screen's scale. Sizes are given at 100 %
// (96 dpi), where a picture's pixels are its own units.
#pragma once

#include <array>
#include <cmath>

namespace lumo::assets {

inline constexpr std::array<int, 3> kRenderingPercents{100, 150, 200};
inline constexpr std::array<int, 8> kAppIconSizes{16, 20, 24, 32, 40, 48, 64, 256};
// The hand pointer: a square this size at 100 %, its hot spot at the fingertip.
inline constexpr int kHandCursorPixels = 32;
inline constexpr int kHandCursorHotSpotX = 5;

// Pixels of a rendering at `percent` of something `pixelsAt100` long at
// 100 %, rounded as twips are rounded to pixels (halves to even): the 150 %
// rendering is then exactly the size the program shows at 144 dpi, and no
// scaling happens.
inline int renderedPixels(int pixelsAt100, int percent) {
    return static_cast<int>(std::nearbyint(pixelsAt100 * percent / 100.0));
}

}  // namespace lumo::assets
