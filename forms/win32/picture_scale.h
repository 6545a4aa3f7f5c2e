// Which of the bundled renderings of a picture (assets/renderings.h) the
// program draws at a given screen DPI: the rendering made for the screen's
// scale or else the nearest larger one, shrunk: shrinking a finer drawing
// stays sharp where enlarging a coarser one turns blocky. Only above 200 % is
// the largest enlarged. Portable, so that the unit tests reach it.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "assets/renderings.h"
#include "platform/units.h"

namespace lumo::win32 {

using assets::kAppIconSizes;
using assets::kRenderingPercents;
using assets::renderedPixels;

inline constexpr int kDpiAt100Percent = 96;

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

// The inverse of renderedPixels: exact, since that is off by at most half a pixel.
inline int pixelsAt100(int renderedPixels, int percent) { return roundHalfEven(renderedPixels * 100.0 / percent); }

}  // namespace lumo::win32
