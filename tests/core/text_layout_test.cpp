// The text layout routine with the real metrics of the default GUI font: the
// exact output calls a layout makes (through a recording output table), the
// measured rectangle, and real pixels painted into a DIB section. Expected
// calls are worked out here from measured extents, line by line.
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "layout/text_layout.h"
#include "support/dib.h"
#include "layout/gdi_guards.h"

namespace {

struct DrawCall {
    std::string text;
    RECT rect;
    UINT format;
};
using Calls = std::vector<DrawCall>;

bool operator==(const DrawCall& a, const DrawCall& b)
{
    return a.text == b.text && EqualRect(&a.rect, &b.rect) && a.format == b.format;
}

std::string Str(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}

void PrintTo(const DrawCall& c, std::ostream* os)
{
    *os << "\"" << c.text << "\" " << Str(c.rect) << " fmt 0x" << std::hex << c.format << std::dec;
}

RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

// Everything the layout put out, in order: draws, moves and alignment changes.
Calls g_draws;
std::vector<std::string> g_events;

int WINAPI RecordDrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format)
{
    g_draws.push_back({std::string(text, length), *rect, format});
    g_events.push_back("draw " + std::string(text, length));
    return DrawTextA(dc, text, length, rect, format);
}

UINT WINAPI RecordSetTextAlign(HDC dc, UINT align)
{
    g_events.push_back("align " + std::to_string(align));
    return SetTextAlign(dc, align);
}

BOOL WINAPI RecordMoveTo(HDC dc, int x, int y, LPPOINT previous)
{
    g_events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    return MoveToEx(dc, x, y, previous);
}

TextOutput Recorder()
{
    TextOutput out = GdiTextOutput();
    out.drawText = &RecordDrawText;
    out.setTextAlign = &RecordSetTextAlign;
    out.moveTo = &RecordMoveTo;
    return out;
}

class TextLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dib_.valid());
        SetTextColor(dc(), RGB(0, 0, 0));
        SetBkMode(dc(), TRANSPARENT);
        ASSERT_TRUE(GetTextMetricsA(dc(), &tm_));
        lh_ = Ext("T").cy;
        ASSERT_GT(lh_, 0);
        g_draws.clear();
        g_events.clear();
    }

    HDC dc() const { return dib_.dc(); }
    SIZE Ext(const std::string& s) const
    {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc(), s.data(), static_cast<int>(s.size()), &size);
        return size;
    }
    int Width(const std::string& s) const { return Ext(s).cx; }

    // The calls a drawing layout makes; it must leave the caller's rectangle alone.
    Calls Layout(const std::string& text, RECT rc, UINT format, int maxLines)
    {
        g_draws.clear();
        g_events.clear();
        const RECT before = rc;
        DrawTextWrapped(Recorder(), dc(), text.data(), static_cast<int>(text.size()), &rc, format, maxLines);
        EXPECT_TRUE(EqualRect(&before, &rc)) << "the caller's rectangle was written";
        return g_draws;
    }
    RECT Measured(const std::string& text, RECT rc, UINT format, int maxLines)
    {
        DrawTextWrapped(Recorder(), dc(), text.data(), static_cast<int>(text.size()), &rc, format | DT_CALCRECT,
                        maxLines);
        return rc;
    }

    // The call that puts out one line of a multi-line block: band `index`
    // below `top`, bottom cut to the block and to the line's own height.
    DrawCall LineCall(const std::string& line, RECT rc, int top, int index, int blockBottom, UINT align) const
    {
        const int lineTop = top + index * lh_;
        return {line, Rect(rc.left, lineTop, rc.right, std::min<int>(blockBottom, lineTop + Ext(line).cy)),
                align | DT_SINGLELINE};
    }
    DrawCall MarkCall(RECT rc, int top, int index, int blockBottom) const
    {
        return LineCall("...", rc, top, index, blockBottom, DT_RIGHT);
    }
    // The longest prefix that fits together with "...", shortening from the end.
    int KeptBytes(const std::string& s, int avail) const
    {
        int kept = static_cast<int>(s.size()) - 1;
        while (kept > 0 && Width(s.substr(0, kept)) + Width("...") > avail)
            --kept;
        return kept;
    }

    // Whether any pixel of [left, right) x [top, bottom) is not white.
    bool Ink(int left, int top, int right, int bottom) const { return !InkRows(left, top, right, bottom).empty(); }
    std::vector<int> InkRows(int left, int top, int right, int bottom) const
    {
        std::vector<int> rows;
        for (int y = std::max(top, 0); y < std::min(bottom, dib_.height()); ++y)
            for (int x = std::max(left, 0); x < std::min(right, dib_.width()); ++x)
                if (dib_.At(x, y) != RGB(255, 255, 255)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    // "..." inks only the lower part of the cell: dots sit on the baseline,
    // where letters would also reach the top.
    void ExpectDotsOnly(int left, int right, int lineTop) const
    {
        std::vector<int> rows = InkRows(left, lineTop, right, lineTop + lh_);
        ASSERT_FALSE(rows.empty()) << "no mark in columns " << left << ".." << right;
        EXPECT_GE(rows.front(), lineTop + tm_.tmAscent / 2);
        EXPECT_LE(rows.back(), lineTop + tm_.tmAscent + 1);
    }

    Dib dib_{400, 200, RGB(255, 255, 255)};
    SelectGuard font_{dib_.dc(), GetStockObject(DEFAULT_GUI_FONT)};
    TEXTMETRICA tm_;
    int lh_ = 0;
};

TEST(TextHasCharTest, FindsBytesOnlyWithinTheLength)
{
    const char text[] = "ab\0c\rd";
    EXPECT_TRUE(TextHasChar(text, 6, 'c'));   // past an embedded zero byte
    EXPECT_FALSE(TextHasChar(text, 4, '\r'));
    EXPECT_FALSE(TextHasChar(text, -3, 'a'));
    EXPECT_FALSE(TextHasChar(nullptr, 5, 'a'));
}

TEST_F(TextLayoutTest, NothingHappensWithoutTextOrRectangle)
{
    const RECT poison = Rect(-7, -7, -7, -7);
    for (UINT format : {0u, UINT(DT_CALCRECT | DT_SINGLELINE), UINT(DT_CALCRECT | DT_WORDBREAK)}) {
        RECT rc = poison;
        DrawTextWrapped(Recorder(), dc(), "abc", 0, &rc, format, 1);
        DrawTextWrapped(Recorder(), dc(), "abc", -1, &rc, format, 1);
        DrawTextWrapped(Recorder(), dc(), nullptr, 3, &rc, format, 1);
        EXPECT_TRUE(EqualRect(&rc, &poison));
        DrawTextWrapped(Recorder(), dc(), "abc", 3, nullptr, format, 1);
    }
    EXPECT_TRUE(g_events.empty());
}

TEST_F(TextLayoutTest, FittingTextIsOneDrawCallWithTheCallersBits)
{
    const std::string text = "Hello & co";
    const SIZE ext = Ext(text);
    const RECT rc = Rect(10, 20, 10 + ext.cx + 30, 20 + 3 * lh_);
    const int top = 20 + (3 * lh_ - ext.cy) / 2;
    for (UINT align : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT)}) {
        SCOPED_TRACE(align);
        // Top unchanged, bottom cut to the text.
        EXPECT_EQ(Layout(text, rc, align | DT_NOPREFIX, 3),
                  (Calls{{text, Rect(10, 20, rc.right, 20 + ext.cy), align | DT_NOPREFIX}}));
        // Word break and no-clip are dropped on one line, and the routine centres by itself.
        EXPECT_EQ(Layout(text, rc, align | DT_NOPREFIX | DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP, 2),
                  (Calls{{text, Rect(10, top, rc.right, top + ext.cy), align | DT_NOPREFIX | DT_SINGLELINE}}));
    }
    // Exactly as wide as the box still fits.
    EXPECT_EQ(Layout(text, Rect(0, 0, ext.cx, 100), DT_SINGLELINE, 1),
              (Calls{{text, Rect(0, 0, ext.cx, ext.cy), DT_SINGLELINE}}));
}

// Lines of a block keep only the alignment (so an ampersand there is a prefix
// again). CR, LF, CR LF and LF CR break lines even with DT_SINGLELINE; a break
// that ends the text marks the last line; with DT_WORDBREAK lines also wrap at
// spaces, and the spaces a break falls on are dropped.
TEST_F(TextLayoutTest, LinesBreakAtCarriageReturnsAndLineFeedsAndWrapAtSpaces)
{
    const int avail = Width("abc abc");
    const RECT rc = Rect(3, 4, 3 + avail, 4 + 10 * lh_);
    const UINT wrap = DT_WORDBREAK | DT_NOPREFIX;
    const struct {
        std::string text;
        UINT format;
        int blockLines;
        std::vector<std::string> bands;   // "" = an empty band, nothing drawn
        bool marked;
    } cases[] = {
        {"A&\r\nB", DT_CENTER | DT_NOPREFIX, 2, {"A&", "B"}, false},
        {"A&\n\rB", DT_CENTER | DT_NOPREFIX, 3, {"A&", "", "B"}, false},
        {"A\rB", DT_RIGHT, 2, {"A", "B"}, false},
        {"\n\nA B", 0, 3, {"", "", "A B"}, false},
        {"Ab\n", DT_CENTER, 1, {"Ab"}, true},
        {"x\nAb\r\n", 0, 2, {"x", "Ab"}, true},
        {"  abc\n  abc", DT_NOPREFIX, 2, {"  abc", "  abc"}, false},   // no word break: spaces stay
        {"abc abc abc", wrap, 2, {"abc abc", "abc"}, false},            // exactly the width fits
        {"abc abc    abc", wrap, 2, {"abc abc", "abc"}, false},
        {"  abc\n   abc  abc", wrap, 3, {"  abc", "abc ", "abc"}, false},   // leading spaces: first line only
        {"abc\n\nabc", wrap, 3, {"abc", "", "abc"}, false},
        {"abc ", wrap, 1, {"abc "}, false},                              // trailing spaces that fit stay
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int bottom = rc.top + c.blockLines * lh_;
        const UINT align = c.format & (DT_CENTER | DT_RIGHT);
        Calls expected;
        for (size_t i = 0; i < c.bands.size(); ++i)
            if (!c.bands[i].empty())
                expected.push_back(LineCall(c.bands[i], rc, rc.top, static_cast<int>(i), bottom, align));
        if (c.marked)
            expected.push_back(MarkCall(rc, rc.top, static_cast<int>(c.bands.size()) - 1, bottom));
        EXPECT_EQ(Layout(c.text, rc, c.format, 6), expected);
        if (c.text.find_first_of("\r\n") != std::string::npos) {
            EXPECT_EQ(Layout(c.text, rc, c.format | DT_SINGLELINE, 6), expected) << "with DT_SINGLELINE";
        }
    }

    // Without word break a long line is never wrapped but cut on its own.
    const int bottom = rc.top + 2 * lh_;
    const std::string wide = "abc abc abc";
    const Calls calls = Layout(wide + "\nabc", rc, DT_NOPREFIX, 6);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, wide.substr(0, KeptBytes(wide, avail)));
    EXPECT_EQ(calls[1].text, "...");
    EXPECT_EQ(calls[2], LineCall("abc", rc, rc.top, 1, bottom, DT_LEFT));

    // A word wider than the box keeps its own line and is cut in place: the
    // cut line keeps its rectangle and alignment, and the current position
    // that places it is switched off again before the next line.
    const std::string word = "abcabcabcabcabc";
    const std::string prefix = word.substr(0, KeptBytes(word, avail));
    const DrawCall line = LineCall(word, rc, rc.top, 0, bottom, DT_RIGHT);
    EXPECT_EQ(Layout(word + " ab", rc, DT_RIGHT | DT_WORDBREAK, 3),
              (Calls{{prefix, line.rect, line.format}, {"...", line.rect, line.format},
                     LineCall("ab", rc, rc.top, 1, bottom, DT_RIGHT)}));
    const int x = rc.right - Width(prefix) - Width("...");
    EXPECT_EQ(g_events, (std::vector<std::string>{"align 1", "move " + std::to_string(x) + "," + std::to_string(rc.top),
                                                  "draw " + prefix, "draw ...", "align 0", "draw ab"}));
}

TEST_F(TextLayoutTest, SingleLineTruncationPlacesTheMarkByAlignment)
{
    const std::string text = "Truncate me, please";
    const SIZE ext = Ext(text);
    const int avail = Width("Truncate m");
    const RECT rc = Rect(40, 50, 40 + avail, 50 + 2 * lh_);
    const int kept = KeptBytes(text, avail);
    ASSERT_GT(kept, 0);
    const std::string prefix = text.substr(0, kept);
    const int w = Width(prefix);
    const int dots = Width("...");
    const int top = rc.top + (2 * lh_ - ext.cy) / 2;
    const RECT work = Rect(rc.left, top, rc.right, top + ext.cy);

    SetTextAlign(dc(), TA_BASELINE | TA_RIGHT);   // restored after the cut line
    for (UINT align : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT), UINT(DT_RIGHT | DT_CENTER)}) {
        SCOPED_TRACE(align);
        const UINT format = align | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK | DT_NOCLIP;
        const UINT passed = align | DT_NOPREFIX | DT_SINGLELINE;
        EXPECT_EQ(Layout(text, rc, format, 2), (Calls{{prefix, work, passed}, {"...", work, passed}}));
        // DT_RIGHT wins over DT_CENTER.
        const int x = (align & DT_RIGHT) ? rc.right - w - dots : (align & DT_CENTER) ? rc.left + (avail - w - dots) / 2 : rc.left;
        EXPECT_EQ(g_events, (std::vector<std::string>{"align 1", "move " + std::to_string(x) + "," + std::to_string(top),
                                                      "draw " + prefix, "draw ...",
                                                      "align " + std::to_string(TA_BASELINE | TA_RIGHT)}));
        EXPECT_EQ(GetTextAlign(dc()), UINT(TA_BASELINE | TA_RIGHT));
    }
    SetTextAlign(dc(), TA_TOP | TA_LEFT);

    // Too narrow for one byte plus the mark (or inverted): the mark alone, no placement.
    EXPECT_EQ(Layout(text, Rect(0, 0, dots - 1, lh_), DT_SINGLELINE | DT_RIGHT, 1),
              (Calls{{"...", Rect(0, 0, dots - 1, std::min<int>(lh_, ext.cy)), DT_SINGLELINE | DT_RIGHT}}));
    EXPECT_EQ(g_events, (std::vector<std::string>{"draw ..."}));
    EXPECT_EQ(Layout("a", Rect(10, 0, 5, lh_), 0, 1), (Calls{{"...", Rect(10, 0, 5, std::min<int>(lh_, Ext("a").cy)), 0}}));
}

TEST_F(TextLayoutTest, MaxLinesLimitsTheBlockAndMarksTheLastLineShown)
{
    const std::string text = "abc abc abc";   // three lines of "abc"
    const RECT rc = Rect(0, 7, Width("abc abc") - 1, 7 + 10 * lh_);
    const struct { int maxLines, shown; bool mark; } cases[] = {{0, 1, true}, {2, 2, true}, {4, 3, false}};
    for (const auto& c : cases) {
        for (UINT vcenter : {0u, UINT(DT_VCENTER)}) {
            SCOPED_TRACE(testing::Message() << c.maxLines << (vcenter ? " centred" : ""));
            const int top = rc.top + (vcenter ? (rc.bottom - rc.top - c.shown * lh_) / 2 : 0);
            const int bottom = top + c.shown * lh_;
            Calls expected;
            for (int i = 0; i < c.shown; ++i)
                expected.push_back(LineCall("abc", rc, top, i, bottom, DT_RIGHT));
            if (c.mark)
                expected.push_back(MarkCall(rc, top, c.shown - 1, bottom));
            EXPECT_EQ(Layout(text, rc, DT_WORDBREAK | DT_RIGHT | DT_NOPREFIX | vcenter, c.maxLines), expected);
        }
    }
}

TEST_F(TextLayoutTest, BlocksTallerThanTheBoxStartAtTheTopAndSingleLinesStayCentred)
{
    // Three lines in a box of one line and a bit: the second is clipped and marked.
    const RECT rc = Rect(0, 40, 120, 40 + lh_ + 2);
    EXPECT_EQ(Layout("A\nB\nC", rc, DT_VCENTER | DT_WORDBREAK, 3),
              (Calls{LineCall("A", rc, rc.top, 0, rc.bottom, DT_LEFT), LineCall("B", rc, rc.top, 1, rc.bottom, DT_LEFT),
                     MarkCall(rc, rc.top, 1, rc.bottom)}));
    // One line taller than the box keeps a negative offset.
    const SIZE ext = Ext("Tall");
    const int top = 40 + (4 - ext.cy) / 2;
    ASSERT_LT(top, 40);
    EXPECT_EQ(Layout("Tall", Rect(0, 40, 120, 44), DT_VCENTER | DT_SINGLELINE, 1),
              (Calls{{"Tall", Rect(0, top, 120, std::min<int>(44, top + ext.cy)), DT_SINGLELINE}}));
}

TEST_F(TextLayoutTest, MeasureModeSetsBottomAndForSingleLinesRight)
{
    const int avail = Width("abc abc");
    const struct { std::string text; int maxLines, lines; } cases[] = {
        {"abc abc abc abc abc", 1, 1}, {"abc abc abc abc abc", 2, 2}, {"abc abc abc abc abc", 9, 3},
        {"abc abc abc abc abc", 0, 1}, {"   ", 4, 1}, {"abc\r\n", 4, 1}, {"abc\n\r", 4, 2},
        {"abcdefghijklmnopqrstuvw", 3, 1},   // a word wider than the box is one line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.maxLines));
        EXPECT_EQ(Str(Measured(c.text, Rect(0, 5, avail, -99), DT_NOPREFIX | DT_WORDBREAK, c.maxLines)),
                  Str(Rect(0, 5, avail, 5 + c.lines * lh_)));
    }
    // Measured as one piece: the text's own extent; right only for DT_SINGLELINE.
    const std::string text = "Hello, world";
    const SIZE ext = Ext(text);
    EXPECT_EQ(Str(Measured(text, Rect(3, 4, 1000, 0), 0, 1)), Str(Rect(3, 4, 1000, 4 + ext.cy)));
    EXPECT_EQ(Str(Measured(text, Rect(3, 4, 10, 0), DT_SINGLELINE | DT_WORDBREAK, 1)),
              Str(Rect(3, 4, 3 + ext.cx, 4 + ext.cy)));
    // A single-line text with a break goes through the scan: width = the box.
    EXPECT_EQ(Str(Measured("ab\r\ncd", Rect(3, 4, 10, 0), DT_SINGLELINE, 5)), Str(Rect(3, 4, 10, 4 + 2 * lh_)));
    EXPECT_TRUE(g_events.empty());
}

// Real pixels: a cut line keeps inside its box and ends with dots at the right
// edge (right-aligned) or right after the kept text (left-aligned).
TEST_F(TextLayoutTest, PixelsOfCutLinesStayInTheBoxAndEndWithTheMark)
{
    const std::string text = "MMMMMMMMMMMMMMMMMMMMMMMM";
    const int dots = Width("...");
    RECT box = Rect(30, 60, 30 + Width("MMMMM"), 60 + lh_);
    const UINT before = GetTextAlign(dc());
    DrawTextWrapped(dc(), text.data(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_RIGHT, 1);
    EXPECT_EQ(GetTextAlign(dc()), before);
    EXPECT_FALSE(Ink(box.right, 0, dib_.width(), dib_.height()));
    EXPECT_FALSE(Ink(0, 0, box.left, dib_.height()));
    EXPECT_FALSE(Ink(0, 0, dib_.width(), box.top));
    EXPECT_FALSE(Ink(0, box.bottom, dib_.width(), dib_.height()));
    ExpectDotsOnly(box.right - dots + 1, box.right, box.top);
    EXPECT_TRUE(Ink(box.left, box.top, box.right - dots - 1, box.bottom));

    dib_.Fill(RGB(255, 255, 255));
    box = Rect(10, 10, 10 + Width("MMMMMM") + dots / 2, 10 + lh_);
    const int end = box.left + Width(text.substr(0, KeptBytes(text, box.right - box.left)));
    DrawTextWrapped(dc(), text.data(), static_cast<int>(text.size()), &box, DT_SINGLELINE, 1);
    ExpectDotsOnly(end + 1, end + dots, box.top);
    EXPECT_FALSE(Ink(end + dots + 1, 0, dib_.width(), dib_.height()));
    EXPECT_TRUE(Ink(box.left, box.top, end - 1, box.bottom));
}

}  // namespace
