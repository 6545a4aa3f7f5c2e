#include "forms/win32/win32_paint.h"

#include <cstdlib>
#include <string>

#include "platform/win32/win32_handles.h"
#include "forms/win32/win32_text.h"
#include "forms/win32/win32_text_layout.h"

namespace lumo::win32 {

namespace {

constexpr COLORREF kPictureKeyColor = RGB(255, 0, 255);
constexpr int kIconSize = 32;
constexpr int kFrameCaptionIndent = 8;  // pixels at 96 dpi
constexpr int kFrameCaptionGap = 2;
constexpr int kFocusInset = 2;  // pixels inside a painted button's own edge

void fill(HDC dc, const RECT& area, forms::Color color) {
    const UniqueBrush brush(CreateSolidBrush(resolveColor(color)));
    if (brush) FillRect(dc, &area, brush.get());
}

COLORREF textColor(const forms::Control& control) {
    return control.enabled() ? resolveColor(control.foreColor()) : GetSysColor(COLOR_GRAYTEXT);
}

void drawFrameBorder(HDC dc, const RECT& client, const forms::Control& frame, Resources& resources) {
    const SelectedObject font(dc, resources.font(frame.font()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = wide(frame.text());
    if (caption.empty()) return;
    const int x = client.left + resources.scale().pictureX(kFrameCaptionIndent);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const RECT gap{x - kFrameCaptionGap, client.top, x + extent.cx + kFrameCaptionGap, client.top + metrics.tmHeight};
    fill(dc, gap, frame.backColor());
    SetTextColor(dc, textColor(frame));
    SetBkMode(dc, TRANSPARENT);
    ExtTextOutW(dc, x, client.top, ETO_CLIPPED, &client, caption.c_str(), static_cast<UINT>(caption.size()), nullptr);
}

void drawLabel(HDC dc, const RECT& box, const forms::Control& label, Resources& resources) {
    if (label.opaque()) fill(dc, box, label.backColor());
    const SelectedObject font(dc, resources.font(label.font()));
    SetTextColor(dc, textColor(label));
    drawWrappedText(dc, wide(label.text()), box);
}

// The bitmap comes at the size it is shown (Resources scales it once).
void drawBitmap(HDC dc, int x, int y, HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return;
    const int width = info.bmWidth, height = std::abs(info.bmHeight);
    const UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    const SelectedObject selected(source.get(), bitmap);
    GdiTransparentBlt(dc, x, y, width, height, source.get(), 0, 0, width, height, kPictureKeyColor);
}

void drawImage(HDC dc, const RECT& box, const forms::Image& image, Resources& resources) {
    const auto picture = image.picture();
    if (!picture) return;
    const SavedDcState state(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    const PixelScale& scale = resources.scale();
    if (*picture == Asset::AppIcon) {
        const int width = scale.pictureX(kIconSize), height = scale.pictureY(kIconSize);
        if (const HICON icon = resources.appIcon(width)) {
            DrawIconEx(dc, box.left, box.top, icon, width, height, 0, nullptr, DI_NORMAL);
        }
    } else if (const HBITMAP bitmap = resources.bitmap(*picture)) {
        drawBitmap(dc, box.left, box.top, bitmap);
    }
}

void drawShape(HDC dc, const RECT& box, const forms::Shape& shape) {
    if (shape.filled()) fill(dc, box, shape.fillColor());
    if (shape.bordered()) {
        const UniqueBrush brush(CreateSolidBrush(resolveColor(shape.borderColor())));
        if (brush) FrameRect(dc, &box, brush.get());
    }
}

void drawLine(HDC dc, const forms::Line& line, const PixelScale& scale) {
    const COLORREF color = resolveColor(line.color());
    const int x1 = scale.x(line.x1()), y1 = scale.y(line.y1());
    const int x2 = scale.x(line.x2()), y2 = scale.y(line.y2());
    if (x1 == x2 && y1 == y2) {
        SetPixelV(dc, x1, y1, color);
        return;
    }
    const UniquePen pen(CreatePen(PS_SOLID, 1, color));
    const SelectedObject selected(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void drawGraphical(HDC dc, const forms::Control& c, Resources& resources) {
    const RECT box = resources.scale().box(c.left(), c.top(), c.width(), c.height());
    switch (c.kind()) {
        case forms::ControlKind::Label: drawLabel(dc, box, c, resources); break;
        case forms::ControlKind::Image: drawImage(dc, box, static_cast<const forms::Image&>(c), resources); break;
        case forms::ControlKind::Shape: drawShape(dc, box, static_cast<const forms::Shape&>(c)); break;
        case forms::ControlKind::Line: drawLine(dc, static_cast<const forms::Line&>(c), resources.scale()); break;
        default: break;
    }
}

}  // namespace

void paintSurface(HDC dc, const RECT& client, const forms::Form& form, const forms::Control* surface,
                  const forms::Control* focused, Resources& resources) {
    fill(dc, client, surface ? surface->backColor() : form.backColor());
    if (surface && surface->kind() == forms::ControlKind::Frame &&
        static_cast<const forms::Frame*>(surface)->hasBorder()) {
        drawFrameBorder(dc, client, *surface, resources);
    }
    for (const auto& c : form.controls()) {
        if (c->container() == surface && c->isGraphical() && c->visible()) drawGraphical(dc, *c, resources);
    }
    if (!focused) return;
    if (focused == surface) {
        RECT cue = client;
        InflateRect(&cue, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &cue);
    } else if (focused->container() == surface && focused->isGraphical()) {
        const RECT cue = resources.scale().box(focused->left(), focused->top(), focused->width(), focused->height());
        DrawFocusRect(dc, &cue);
    }
}

}  // namespace lumo::win32
