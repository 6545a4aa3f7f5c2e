// The portable text rules of the Windows forms backend: how label captions
// break into lines and what a paste inserts into a text box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/win32/pasted_text.h"
#include "forms/win32/text_wrap.h"

namespace {

using lumo::win32::filterPasted;
using lumo::win32::LineSpan;
using lumo::win32::wrapLines;

// Every code unit is one column wide; `width` columns fit on a line.
std::vector<std::u16string> wrap(std::u16string_view text, std::size_t width, std::size_t maxLines = 100) {
    const auto fit = [width](std::u16string_view rest) { return std::min(rest.size(), width); };
    std::vector<std::u16string> lines;
    for (const LineSpan& line : wrapLines(text, fit, maxLines)) {
        lines.emplace_back(text.substr(line.begin, line.end - line.begin));
    }
    return lines;
}

using Lines = std::vector<std::u16string>;

TEST(LabelWrap, BreaksAtTheLastFittingSpaceAndDropsTheSpacesThere) {
    EXPECT_EQ(wrap(u"short", 10), Lines{u"short"});
    EXPECT_EQ(wrap(u"one two three", 8), (Lines{u"one two", u"three"}));
    EXPECT_EQ(wrap(u"one   two", 5), (Lines{u"one", u"two"}));
    // A space just past the edge is a break too: "one two" fits exactly.
    EXPECT_EQ(wrap(u"one two three", 7), (Lines{u"one two", u"three"}));
}

TEST(LabelWrap, KeepsTheLeadingBlanksOfACaption) {
    EXPECT_EQ(wrap(u" 确定", 10), Lines{u" 确定"});
    EXPECT_EQ(wrap(u"   使用键盘快捷键", 20), Lines{u"   使用键盘快捷键"});
}

TEST(LabelWrap, CutsAWordWiderThanTheLabel) {
    EXPECT_EQ(wrap(u"abcdefghij", 4), (Lines{u"abcd", u"efgh", u"ij"}));
    EXPECT_EQ(wrap(u"ab cdefghij", 4), (Lines{u"ab", u"cdef", u"ghij"}));
}

TEST(LabelWrap, BreaksBetweenChineseCharactersWithoutSpaces) {
    // The tray menu's narrow header turns into a column.
    EXPECT_EQ(wrap(u"Lumo 系列软件", 2), (Lines{u"Lu", u"mo", u"系列", u"软件"}));
    EXPECT_EQ(wrap(u"淘宝皇冠店铺精选", 3), (Lines{u"淘宝皇", u"冠店铺", u"精选"}));
    // Latin text right before a Chinese character may break there.
    EXPECT_EQ(wrap(u"abc中文", 3), (Lines{u"abc", u"中文"}));
}

TEST(LabelWrap, AlwaysAdvancesEvenWhenNothingFits) {
    EXPECT_EQ(wrap(u"abc", 0), (Lines{u"a", u"b", u"c"}));
    EXPECT_EQ(wrap(u"a b", 0), (Lines{u"a", u"b"}));
}

TEST(LabelWrap, NeverSplitsASurrogatePair) {
    const std::u16string face = u"\U0001F600";
    EXPECT_EQ(wrap(u"a" + face + u"b", 2), (Lines{u"a", face, u"b"}));
    EXPECT_EQ(wrap(face + face, 0), (Lines{face, face}));
    EXPECT_EQ(wrap(face + face, 3), (Lines{face, face}));
}

TEST(LabelWrap, ExplicitLineBreaksOfEveryKindStartNewLines) {
    EXPECT_EQ(wrap(u"a\r\nb\nc\rd", 10), (Lines{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(wrap(u"a\n\nb", 10), (Lines{u"a", u"", u"b"}));
    EXPECT_EQ(wrap(u"a\r\n", 10), (Lines{u"a", u""}));
    EXPECT_EQ(wrap(u"", 10), Lines{u""});
    EXPECT_EQ(wrap(u"功能简介：\r\n适合触屏", 3), (Lines{u"功能简", u"介：", u"适合触", u"屏"}));
}

TEST(LabelWrap, StopsAtTheLinesThatCanBeSeen) {
    const std::u16string huge(100000, u'x');
    EXPECT_EQ(wrap(huge, 10, 3), (Lines{u"xxxxxxxxxx", u"xxxxxxxxxx", u"xxxxxxxxxx"}));
    EXPECT_EQ(wrap(u"a\nb\nc\nd", 10, 2), (Lines{u"a", u"b"}));
}

// ---------------------------------------------------------------- paste

// The step box's key filter: digits, Backspace, Enter and Escape pass.
int digitsOnly(int key) { return key == 8 || key == 13 || key == 27 || (key >= '0' && key <= '9') ? key : 0; }
int passAll(int key) { return key; }
bool open() { return true; }

TEST(PastedText, EveryCharacterPassesTheKeyFilter) {
    EXPECT_EQ(filterPasted(u"12ab-3.4 ５", false, 100, digitsOnly, open), u"1234");
    EXPECT_EQ(filterPasted(
                  u"abc", false, 100, [](int k) { return k - 'a' + 'A'; }, open),
              u"ABC");
}

TEST(PastedText, OneLineBoxesTakeNoControlCharacters) {
    EXPECT_EQ(filterPasted(u"9\r\n8\t7\x1b\b6", false, 100, digitsOnly, open), u"9876");
    EXPECT_EQ(filterPasted(u"a\r\nb\tc\x7f", false, 100, passAll, open), u"abc");
}

TEST(PastedText, MultiLineBoxesGetCrLfLineBreaksAndKeepTabs) {
    EXPECT_EQ(filterPasted(u"a\r\nb\nc\rd\te", true, 100, passAll, open), u"a\r\nb\r\nc\r\nd\te");
    EXPECT_EQ(filterPasted(u"a\n\nb", true, 100, passAll, open), u"a\r\n\r\nb");
    // A filter that drops LF but keeps CR still yields one break per line.
    EXPECT_EQ(filterPasted(
                  u"a\r\nb", true, 100, [](int k) { return k == '\n' ? 0 : k; }, open),
              u"a\r\nb");
}

TEST(PastedText, OddCodesFromAFilterInsertNothing) {
    EXPECT_EQ(filterPasted(
                  u"abc", false, 100, [](int k) { return k == 'b' ? -5 : k; }, open),
              u"ac");
    EXPECT_EQ(filterPasted(
                  u"abc", false, 100, [](int k) { return k == 'b' ? 0x1F600 : k; }, open),
              u"ac");
}

TEST(PastedText, StopsWhenAFilterClosesTheWindow) {
    bool windowOpen = true;
    int calls = 0;
    const auto enterCloses = [&](int k) {
        ++calls;
        if (k == '\r') windowOpen = false;
        return k;
    };
    filterPasted(u"12\r\n34", false, 100, enterCloses, [&] { return windowOpen; });
    EXPECT_EQ(calls, 3);
}

TEST(PastedText, FillsNoMoreThanTheRoomLeft) {
    EXPECT_EQ(filterPasted(u"123456", false, 4, passAll, open), u"1234");
    EXPECT_EQ(filterPasted(u"abc", false, 0, passAll, open), u"");
    // A line break that does not fit whole is left out.
    EXPECT_EQ(filterPasted(u"ab\r\ncd", true, 3, passAll, open), u"ab");
}

TEST(PastedText, DropsHalvesOfSurrogatePairs) {
    const std::u16string face = u"\U0001F600";
    EXPECT_EQ(filterPasted(u"a" + face + u"b", false, 100, passAll, open), u"a" + face + u"b");
    const auto dropLow = [](int k) { return k >= 0xDC00 && k <= 0xDFFF ? 0 : k; };
    EXPECT_EQ(filterPasted(u"a" + face + u"b", false, 100, dropLow, open), u"ab");
    // Cut by the room between the halves.
    EXPECT_EQ(filterPasted(u"a" + face, false, 2, passAll, open), u"a");
}

}  // namespace
