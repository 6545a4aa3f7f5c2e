// The fonts, pictures, icons and pointers the forms draw with. The cache lives
// as long as the backend: fonts are few (one per distinct face, size and
// style) and pictures are the bundled ones, so nothing grows with load and
// unload cycles of the forms.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "forms/forms.h"
#include "platform/win32/win32_handles.h"
#include "forms/win32/win32_scale.h"

namespace lumo::win32 {

// 0xBBGGRR, or a system colour when the top bit is set.
COLORREF resolveColor(forms::Color color);

class Resources {
public:
    Resources(HINSTANCE instance, PixelScale scale) : instance_(instance), scale_(scale) {}
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

    HINSTANCE instance() const { return instance_; }
    const PixelScale& scale() const { return scale_; }

    HFONT font(const forms::Font& font);
    // A bundled bitmap at the size it is shown at the screen's DPI, or null
    // for assets that are not bitmaps (or missing).
    HBITMAP bitmap(Asset asset);
    // The program icon at a size in pixels, or the next larger size it holds.
    HICON appIcon(int size);
    // A bundled pointer; the system's arrow for anything else.
    HCURSOR cursor(std::optional<Asset> asset);

private:
    UniqueBitmap loadBitmap(int resource, bool keyed) const;

    HINSTANCE instance_;
    PixelScale scale_;
    std::vector<std::pair<forms::Font, UniqueFont>> fonts_;
    std::map<int, UniqueBitmap> bitmaps_;
    std::map<int, UniqueIcon> icons_;
    UniqueCursor handCursor_;
};

}  // namespace lumo::win32
