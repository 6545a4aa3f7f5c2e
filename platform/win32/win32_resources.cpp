#include "platform/win32/win32_resources.h"

#include <algorithm>

#include "assets/resource_ids.h"
#include "platform/win32/win32_text.h"

namespace lumo::win32 {

namespace {

constexpr forms::Color kSystemColorBit = 0x80000000u;

int bitmapResource(Asset asset) {
    switch (asset) {
        case Asset::MousePicture: return IDB_MOUSE_PICTURE;
        case Asset::Schematic: return IDB_SCHEMATIC;
        case Asset::PencilMarker: return IDB_PENCIL;
        case Asset::ChatIcon: return IDB_CHAT_ICON;
        case Asset::SearchBanner: return IDB_SEARCH_BANNER;
        case Asset::AppIcon:
        case Asset::HandCursor: break;
    }
    return 0;
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
    description.lfCharSet = static_cast<BYTE>(font.charset);
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
    const int id = bitmapResource(asset);
    if (id == 0) return nullptr;
    auto& slot = bitmaps_[id];
    if (!slot) {
        slot.reset(static_cast<HBITMAP>(
            LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
    return slot.get();
}

HICON Resources::appIcon(int size) {
    auto& slot = icons_[size];
    if (!slot) {
        slot.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0)));
    }
    return slot.get();
}

HCURSOR Resources::cursor(std::optional<Asset> asset) {
    if (asset == Asset::HandCursor) {
        // Shared pointers loaded by LoadCursor belong to the system: nothing to free.
        if (const HCURSOR hand = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_HAND_POINTER))) return hand;
        return LoadCursorW(nullptr, IDC_HAND);
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace lumo::win32
