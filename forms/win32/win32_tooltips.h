// The tooltips of one form: one tooltip control, with a rectangle tool per
// graphical control that has a tip (on the surface that paints it) and a
// window tool per windowed control that has one.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "forms/win32/win32_scale.h"

namespace lumo::win32 {

struct TipArea {
    UINT_PTR id = 0;
    RECT rect{};
    std::wstring text;
};

class ToolTips {
public:
    ToolTips(HWND form, HINSTANCE instance, const PixelScale& scale);
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // The tips of the graphical controls a surface paints, topmost first: where
    // two overlap, the tooltip control picks the first that contains the pointer.
    void setAreas(HWND surface, std::vector<TipArea> areas);
    // The tip of a windowed control; empty text removes it.
    void setWindowTip(HWND parent, HWND control, const std::wstring& text);

private:
    void addArea(HWND surface, const TipArea& area);
    void removeArea(HWND surface, const TipArea& area);

    UniqueWindow window_;
    std::map<HWND, std::vector<TipArea>> areas_;
    std::map<HWND, std::wstring> windowTips_;
};

}  // namespace lumo::win32
