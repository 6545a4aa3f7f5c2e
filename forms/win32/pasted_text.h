// What a paste inserts into a text box that filters pastes, kept free of the
// Windows API so that it can be tested anywhere. Every pasted character passes
// the box's key filter exactly as if it had been typed, so a paste cannot
// smuggle in what typing would refuse (letters in a digits-only box, line
// breaks in a one-line box). Other boxes paste as the edit control itself does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo::win32 {

namespace pasted_text_detail {

inline bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A filter may pass one half of a surrogate pair and drop the other: the
// orphan would be invalid text, so it goes too.
inline std::u16string withoutLoneSurrogates(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c)) {
            if (i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
                out += c;
                out += text[++i];
            }
        } else if (!isLowSurrogate(c)) {
            out += c;
        }
    }
    return out;
}

}  // namespace pasted_text_detail

// `keyPress(code)` runs the box's key filter and returns the character to
// insert (0 for none); `stillOpen()` turns false when a filter closed the
// window, and the paste stops there. A one-line box takes no control
// characters; a multi-line box keeps tabs and turns every line break into
// CR LF. At most `room` code units come out (the box's free space).
template <class KeyPress, class StillOpen>
std::u16string filterPasted(std::u16string_view clip, bool multiLine, std::size_t room, KeyPress keyPress,
                            StillOpen stillOpen) {
    std::u16string out;
    bool afterCr = false;
    for (const char16_t typed : clip) {
        if (out.size() >= room) break;
        const int code = keyPress(static_cast<int>(typed));
        if (!stillOpen()) break;
        if (code <= 0 || code > 0xFFFF) {
            afterCr = false;
            continue;
        }
        const auto c = static_cast<char16_t>(code);
        const bool lf = c == u'\n';
        if (c == u'\r' || lf) {
            if (multiLine && !(lf && afterCr)) {
                if (out.size() + 2 > room) break;  // no room for the break: nothing after it either
                out += u"\r\n";
            }
            afterCr = c == u'\r';
            continue;
        }
        afterCr = false;
        if (c == u'\t' ? !multiLine : (c < 0x20 || c == 0x7F)) continue;
        out += c;
    }
    return pasted_text_detail::withoutLoneSurrogates(out);
}

}  // namespace lumo::win32
