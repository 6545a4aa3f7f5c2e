// Line breaking of label captions, kept free of the Windows API so that it can
// be tested anywhere. Lines break at spaces and between Chinese characters; a
// word wider than the label is broken where it stops fitting, so text never
// runs past the label's right edge.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace lumo::win32 {

struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;  // one past the last code unit shown on the line
    friend bool operator==(const LineSpan&, const LineSpan&) = default;
};

namespace text_wrap_detail {

inline bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Ideographs, kana, hangul, fullwidth forms and CJK punctuation: a line may
// break before or after any of them.
inline bool isIdeographic(char16_t c) {
    return (c >= 0x2E80 && c < 0xD800) || (c >= 0xF900 && c < 0xFB00) || (c >= 0xFE30 && c < 0xFE50) ||
           (c >= 0xFF00 && c < 0xFFF0);
}

inline bool splitsPair(std::u16string_view text, std::size_t at) {
    return at > 0 && at < text.size() && isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]);
}

// The end of the line that starts at `begin` when `fit` code units fit, or
// `begin` when the text offers no break within them.
inline std::size_t lastBreak(std::u16string_view text, std::size_t begin, std::size_t fit) {
    for (std::size_t at = begin + fit; at > begin; --at) {
        if (text[at] == u' ') {
            std::size_t end = at;
            while (end > begin && text[end - 1] == u' ') --end;
            if (end > begin) return end;
            continue;
        }
        if ((isIdeographic(text[at - 1]) || isIdeographic(text[at])) && !splitsPair(text, at)) return at;
    }
    return begin;
}

}  // namespace text_wrap_detail

// Splits `text` into lines no wider than the label. `fitCount(rest)` answers
// how many leading code units of `rest` fit on one line (0 when not even the
// first). Explicit line breaks (CR LF, LF or CR) always start a new line.
// Stops after `maxLines` lines, so a huge caption in a small label costs no
// more than the lines that can be seen.
template <class FitCount>
std::vector<LineSpan> wrapLines(std::u16string_view text, FitCount fitCount, std::size_t maxLines) {
    using namespace text_wrap_detail;
    std::vector<LineSpan> lines;
    std::size_t paragraph = 0;
    while (lines.size() < maxLines) {
        std::size_t paragraphEnd = text.find_first_of(u"\r\n", paragraph);
        if (paragraphEnd == std::u16string_view::npos) paragraphEnd = text.size();
        const std::u16string_view body = text.substr(0, paragraphEnd);

        std::size_t begin = paragraph;
        if (begin == paragraphEnd) lines.push_back({begin, begin});
        while (begin < paragraphEnd && lines.size() < maxLines) {
            const std::size_t rest = paragraphEnd - begin;
            const std::size_t fit = std::min(fitCount(body.substr(begin)), rest);
            if (fit == rest) {
                lines.push_back({begin, paragraphEnd});
                break;
            }
            std::size_t end = lastBreak(body, begin, fit);
            if (end == begin) {
                // No break opportunity: cut the word, keeping surrogate pairs whole
                // and showing at least one character so that the text advances.
                end = begin + std::max<std::size_t>(fit, 1);
                if (splitsPair(body, end)) {
                    if (fit > 1)
                        --end;
                    else
                        ++end;
                }
            }
            lines.push_back({begin, end});
            begin = end;
            while (begin < paragraphEnd && body[begin] == u' ') ++begin;
        }

        if (paragraphEnd == text.size()) break;
        paragraph = paragraphEnd + 1;
        if (text[paragraphEnd] == u'\r' && paragraph < text.size() && text[paragraph] == u'\n') ++paragraph;
    }
    return lines;
}

}  // namespace lumo::win32
