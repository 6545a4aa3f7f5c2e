// What the forms runtime draws with: colours and fonts, and the size a text
// takes.
#pragma once

#include <cstdint>
#include <string>

namespace lumo::forms {

// Colours are 0xBBGGRR; values with the top bit set name a system colour
// (0x80000000 | COLOR_xxx index), resolved by the backend.
using Color = std::uint32_t;
inline constexpr Color systemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
inline constexpr Color kWindowColor = systemColor(5);       // COLOR_WINDOW
inline constexpr Color kWindowTextColor = systemColor(8);   // COLOR_WINDOWTEXT
inline constexpr Color kButtonFaceColor = systemColor(15);  // COLOR_BTNFACE
inline constexpr Color kButtonTextColor = systemColor(18);  // COLOR_BTNTEXT

struct Font {
    std::string face = "宋体";
    double points = 9.0;
    bool bold = false;
    bool underline = false;
    int charset = 134;  // GB2312
    friend bool operator==(const Font&, const Font&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

}  // namespace lumo::forms
