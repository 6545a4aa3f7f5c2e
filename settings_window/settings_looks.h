// Colours and sizes the settings window's design and behaviour share.
#pragma once

#include <algorithm>
#include <cstdint>

#include "forms/forms.h"

namespace lumo::settings_looks {

inline constexpr forms::Color kBackground = 0xFFC0C0;  // window, frames, check boxes, menu items
inline constexpr forms::Color kTitleColor = 0xFF8080;  // title strip, highlighted menu item
inline constexpr forms::Color kHotkeyText = 0x800080;
inline constexpr forms::Color kWhite = 0xFFFFFF;
inline constexpr forms::Color kBlack = 0x000000;
inline constexpr forms::Color kHintGrey = 0x808080;  // chat box hint
inline constexpr forms::Color kLinkColor = 0x0040C0;
inline constexpr forms::Color kPromoOrange = 0x0080FF;

// Body outline heights: the promotion panel unfolded and folded.
inline constexpr std::int32_t kUnfoldedBodyHeight = 5520;
inline constexpr std::int32_t kFoldedBodyHeight = 4080;

// The body outline's height after a fold or unfold click: towards the folded
// or the unfolded height, by at most 2001 twips.
inline std::int32_t bodyHeightAfterFoldClick(std::int32_t height, bool fold) {
    constexpr std::int32_t kMostPerClick = 2001;
    if (fold) return height > kFoldedBodyHeight ? std::max(kFoldedBodyHeight, height - kMostPerClick) : height;
    return height < kUnfoldedBodyHeight ? std::min(kUnfoldedBodyHeight, height + kMostPerClick) : height;
}

inline forms::Font songti(double points, bool bold = false, bool underline = false) {
    forms::Font font;
    font.face = "宋体";
    font.points = points;
    font.bold = bold;
    font.underline = underline;
    font.charset = forms::Charset::ChineseGB2312;
    return font;
}

}  // namespace lumo::settings_looks
