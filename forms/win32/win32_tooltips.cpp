#include "forms/win32/win32_tooltips.h"

#include <commctrl.h>

#include <algorithm>

namespace lumo::win32 {

namespace {

constexpr int kMaxTipWidth = 400;  // pixels at 96 dpi; longer tips wrap

// The smaller record that every version of the tooltip control accepts.
TTTOOLINFOW toolInfo(HWND window, UINT_PTR id, UINT flags) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = flags;
    info.hwnd = window;
    info.uId = id;
    return info;
}

bool sameIds(const std::vector<TipArea>& a, const std::vector<TipArea>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TipArea& x, const TipArea& y) { return x.id == y.id; });
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

ToolTips::ToolTips(HWND form, HINSTANCE instance, const PixelScale& scale) {
    window_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance,
                                  nullptr));
    if (window_) SendMessageW(window_.get(), TTM_SETMAXTIPWIDTH, 0, scale.pictureX(kMaxTipWidth));
}

void ToolTips::addArea(HWND surface, const TipArea& area) {
    TTTOOLINFOW info = toolInfo(surface, area.id, TTF_SUBCLASS);
    info.rect = area.rect;
    info.lpszText = const_cast<wchar_t*>(area.text.c_str());
    SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::removeArea(HWND surface, const TipArea& area) {
    TTTOOLINFOW info = toolInfo(surface, area.id, 0);
    SendMessageW(window_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::setAreas(HWND surface, std::vector<TipArea> areas) {
    if (!window_) return;
    std::vector<TipArea>& current = areas_[surface];
    if (!sameIds(current, areas)) {
        // The order decides which of two overlapping tips shows: rebuild.
        for (const TipArea& area : current) removeArea(surface, area);
        for (const TipArea& area : areas) addArea(surface, area);
        current = std::move(areas);
        return;
    }
    for (std::size_t i = 0; i < areas.size(); ++i) {
        TTTOOLINFOW info = toolInfo(surface, areas[i].id, 0);
        if (!sameRect(current[i].rect, areas[i].rect)) {
            info.rect = areas[i].rect;
            SendMessageW(window_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
        }
        if (current[i].text != areas[i].text) {
            info.lpszText = const_cast<wchar_t*>(areas[i].text.c_str());
            SendMessageW(window_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    current = std::move(areas);
}

void ToolTips::setWindowTip(HWND parent, HWND control, const std::wstring& text) {
    if (!window_ || !control) return;
    TTTOOLINFOW info = toolInfo(parent, reinterpret_cast<UINT_PTR>(control), TTF_IDISHWND | TTF_SUBCLASS);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    const auto known = windowTips_.find(control);
    if (text.empty()) {
        if (known == windowTips_.end()) return;
        SendMessageW(window_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        windowTips_.erase(known);
    } else if (known == windowTips_.end()) {
        SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        windowTips_.emplace(control, text);
    } else if (known->second != text) {
        SendMessageW(window_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        known->second = text;
    }
}

}  // namespace lumo::win32
