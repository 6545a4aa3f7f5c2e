#include "forms/win32/win32_resources.h"

#include <algorithm>
#include <cstdlib>

#include "assets/resource_ids.h"
#include "forms/win32/picture_scale.h"
#include "forms/win32/win32_text.h"

namespace lumo::win32 {

namespace {

constexpr forms::Color kSystemColorBit = 0x80000000u;

struct BundledBitmap {
    int resource;  // of the 100 % rendering; the others follow it
    // Has transparent (key-coloured) pixels: it must be scaled without
    // blending, or edge pixels would mix with the key into a visible fringe.
    bool keyed;
};

std::optional<BundledBitmap> bundledBitmap(Asset asset) {
    switch (asset) {
        case Asset::MousePicture: return BundledBitmap{IDB_MOUSE_PICTURE, true};
        case Asset::Schematic: return BundledBitmap{IDB_SCHEMATIC, false};
        case Asset::PencilMarker: return BundledBitmap{IDB_PENCIL, true};
        case Asset::ChatIcon: return BundledBitmap{IDB_CHAT_ICON, true};
        case Asset::SearchBanner: return BundledBitmap{IDB_SEARCH_BANNER, false};
        case Asset::AppIcon:
        case Asset::AppIconOn:
        case Asset::HandCursor: break;
    }
    return std::nullopt;
}

BYTE toCharSet(forms::Charset charset) {
    switch (charset) {
        case forms::Charset::ChineseGB2312: return GB2312_CHARSET;
    }
    return DEFAULT_CHARSET;
}

// A copy of `source` at `width` x `height`: nearest pixels for keyed
// pictures, averaged ones (HALFTONE) for the opaque.
UniqueBitmap scaledCopy(HBITMAP source, const BITMAP& info, int width, int height, bool keyed) {
    const ScreenDc screen;
    UniqueBitmap scaled(CreateCompatibleBitmap(screen.get(), width, height));
    const UniqueMemoryDc from(CreateCompatibleDC(screen.get())), to(CreateCompatibleDC(screen.get()));
    if (!scaled || !from || !to) return nullptr;
    const SelectedObject selectedFrom(from.get(), source), selectedTo(to.get(), scaled.get());
    SetStretchBltMode(to.get(), keyed ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);  // HALFTONE needs it set after the mode
    if (!StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, info.bmWidth, std::abs(info.bmHeight), SRCCOPY)) {
        return nullptr;
    }
    return scaled;
}

}  // namespace

COLORREF resolveColor(forms::Color color) {
    if (color & kSystemColorBit) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

HFONT Resources::font(const forms::Font& font) {
    const auto cached = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f.first == font; });
    if (cached != fonts_.end()) return cached->second.get();

    LOGFONTW description{};
    description.lfHeight = -scale_.fontHeight(font.points);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfCharSet = toCharSet(font.charset);
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = wide(font.face).substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), description.lfFaceName);

    UniqueFont created(CreateFontIndirectW(&description));
    // Without the font the system's own stays selected: text still shows.
    const HFONT handle = created ? created.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (created) fonts_.emplace_back(font, std::move(created));
    return handle;
}

HBITMAP Resources::bitmap(Asset asset) {
    const auto bundled = bundledBitmap(asset);
    if (!bundled) return nullptr;
    auto& slot = bitmaps_[bundled->resource];
    if (!slot) slot = loadBitmap(bundled->resource, bundled->keyed);
    return slot.get();
}

UniqueBitmap Resources::loadBitmap(int resource, bool keyed) const {
    const std::size_t rendering = renderingForDpi(scale_.dpi());
    const int percent = kRenderingPercents[rendering];
    // A device-dependent bitmap: GDI expands the RLE8 pixels into it, which
    // a DIB section (LR_CREATEDIBSECTION) is not made to take.
    UniqueBitmap loaded(static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(resource + static_cast<int>(rendering)), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP info{};
    if (!loaded || !GetObjectW(loaded.get(), sizeof info, &info)) return loaded;
    const int width = scale_.pictureX(pixelsAt100(info.bmWidth, percent));
    const int height = scale_.pictureY(pixelsAt100(std::abs(info.bmHeight), percent));
    if (width == info.bmWidth && height == std::abs(info.bmHeight)) return loaded;
    if (UniqueBitmap scaled = scaledCopy(loaded.get(), info, width, height, keyed)) return scaled;
    return loaded;
}

HICON Resources::appIcon(int size) {
    // The icon holds the usual sizes; another size shrinks the next larger one when drawn.
    const int stored = kAppIconSizes[nearestLargerOrLargest(kAppIconSizes, size)];
    auto& slot = icons_[stored];
    if (!slot) {
        slot.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, stored, stored, 0)));
    }
    return slot.get();
}

HCURSOR Resources::cursor(std::optional<Asset> asset) {
    if (asset == Asset::HandCursor) {
        // The pointer file holds the hand drawn for each rendering; the one
        // for the screen's DPI is taken whole, as a scaled pointer would lose
        // outline pixels.
        if (!handCursor_) {
            const int percent = kRenderingPercents[renderingForDpi(scale_.dpi())];
            const int size = renderedPixels(assets::kHandCursorPixels, percent);
            handCursor_.reset(static_cast<HCURSOR>(
                LoadImageW(instance_, MAKEINTRESOURCEW(IDC_HAND_POINTER), IMAGE_CURSOR, size, size, 0)));
        }
        if (handCursor_) return handCursor_.get();
        return LoadCursorW(nullptr, IDC_HAND);  // the system's: shared, nothing to free
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace lumo::win32
