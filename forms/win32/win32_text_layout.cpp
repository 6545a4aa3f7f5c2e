#include "forms/win32/win32_text_layout.h"

#include <algorithm>
#include <limits>
#include <string>

#include "forms/win32/text_wrap.h"

namespace lumo::win32 {

namespace {

std::u16string_view units(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

const wchar_t* wideData(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

int clampedLength(std::size_t length) {
    return static_cast<int>(std::min<std::size_t>(length, std::numeric_limits<int>::max()));
}

int lineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return std::max(1, static_cast<int>(metrics.tmHeight));
}

}  // namespace

void drawWrappedText(HDC dc, std::wstring_view text, const RECT& box) {
    const int width = box.right - box.left;
    const int height = lineHeight(dc);
    if (width <= 0 || box.bottom <= box.top) return;
    // A line never holds more characters than it has pixels (plus slack for
    // marks of no width), so a huge caption is never measured in full.
    const std::size_t longestLine = static_cast<std::size_t>(width) * 2 + 64;
    const auto fitCount = [&](std::u16string_view rest) -> std::size_t {
        rest = rest.substr(0, longestLine);
        int fit = 0;
        SIZE extent{};
        GetTextExtentExPointW(dc, wideData(rest), clampedLength(rest.size()), width, &fit, nullptr, &extent);
        return static_cast<std::size_t>(std::max(fit, 0));
    };
    const std::size_t visibleLines = static_cast<std::size_t>((box.bottom - box.top + height - 1) / height);
    const std::u16string_view all = units(text);

    SetBkMode(dc, TRANSPARENT);
    int y = box.top;
    for (const LineSpan& line : wrapLines(all, fitCount, visibleLines)) {
        const std::u16string_view shown = all.substr(line.begin, line.end - line.begin);
        ExtTextOutW(dc, box.left, y, ETO_CLIPPED, &box, wideData(shown), static_cast<UINT>(clampedLength(shown.size())),
                    nullptr);
        y += height;
    }
}

SIZE measureTextBlock(HDC dc, std::wstring_view text) {
    const std::u16string_view all = units(text);
    const auto everything = [](std::u16string_view rest) { return rest.size(); };
    const auto lines = wrapLines(all, everything, std::numeric_limits<std::size_t>::max());
    LONG widest = 0;
    for (const LineSpan& line : lines) {
        const std::u16string_view shown = all.substr(line.begin, line.end - line.begin);
        SIZE extent{};
        GetTextExtentPoint32W(dc, wideData(shown), clampedLength(shown.size()), &extent);
        widest = std::max(widest, extent.cx);
    }
    return {widest, lineHeight(dc) * static_cast<LONG>(lines.size())};
}

}  // namespace lumo::win32
