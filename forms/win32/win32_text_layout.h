// Caption text on a device context: wrapped into a label's box, and measured
// as a block for labels that size themselves. Both use the font selected in
// the device context and split lines the same way.
#pragma once

#include <windows.h>

#include <string_view>

namespace lumo::win32 {

// Draws `text` from the top-left of `box`, wrapping at its width and clipping
// to it, in the current text colour with a transparent background.
void drawWrappedText(HDC dc, std::wstring_view text, const RECT& box);

// The width of the widest line and the height of all lines, in pixels; only
// explicit line breaks start new lines.
SIZE measureTextBlock(HDC dc, std::wstring_view text);

}  // namespace lumo::win32
