// Which of the bundled renderings of a picture the program draws at a given
// screen DPI. assets/generate_assets.cpp draws every picture at 100, 150 and
// 200 % (and the program icon at each size Windows asks for); the program
// takes the rendering made for the screen's scale or else the nearest larger
// one and shrinks it: shrinking a finer drawing stays sharp where enlarging a
// coarser one turns blocky. Only above 200 % is the largest enlarged.
// Portable, so that the unit tests and the generator share it.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "platform/units.h"

namespace lumo::win32 {

inline constexpr int kDpiAt100Percent = 96;
inline constexpr std::array<int, 3> kRenderingPercents{100, 150, 200};
inline constexpr std::array<int, 8> kAppIconSizes{16, 20, 24, 32, 40, 48, 64, 256};

// The first of `ascending` that is at least `wanted`, or the last one.
constexpr std::size_t nearestLargerOrLargest(std::span<const int> ascending, int wanted) {
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        if (ascending[i] >= wanted) return i;
    }
    return ascending.size() - 1;
}

// Index into kRenderingPercents of the rendering for a screen of `dpi`.
constexpr std::size_t renderingForDpi(int dpi) {
    // percent * 96 / 100 >= dpi, in integers.
    std::array<int, kRenderingPercents.size()> dpis{};
    for (std::size_t i = 0; i < dpis.size(); ++i) dpis[i] = kRenderingPercents[i] * kDpiAt100Percent / 100;
    return nearestLargerOrLargest(dpis, dpi);
}

// Pixels of a rendering at `percent` of something `pixelsAt100` long at
// 100 %, rounded as twips are rounded to pixels: the 150 % rendering is then
// exactly the size the program shows at 144 dpi, and no scaling happens.
inline int renderedPixels(int pixelsAt100, int percent) { return roundHalfEven(pixelsAt100 * percent / 100.0); }

// The inverse: exact, since renderedPixels is off by at most half a pixel.
inline int pixelsAt100(int renderedPixels, int percent) { return roundHalfEven(renderedPixels * 100.0 / percent); }

}  // namespace lumo::win32
