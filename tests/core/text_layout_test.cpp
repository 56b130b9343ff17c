// The text layout routine with the real metrics of the default GUI font: the
// exact DrawTextA calls a layout makes (through a recording output table),
// the measured rectangle, and a few real pixels painted into a DIB section.
// Expected calls are worked out here from measured extents, line by line.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/text_layout.h"
#include "window/gdi_guards.h"

namespace {

struct DrawCall {
    std::string text;
    RECT rect;
    UINT format;
};

bool operator==(const DrawCall& a, const DrawCall& b)
{
    return a.text == b.text && EqualRect(&a.rect, &b.rect) && a.format == b.format;
}

void PrintTo(const DrawCall& c, std::ostream* os)
{
    *os << "\"" << c.text << "\" (" << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
        << c.rect.bottom << ") fmt 0x" << std::hex << c.format << std::dec;
}

// Everything the layout put out, in order: draws, moves and alignment changes.
std::vector<DrawCall> g_draws;
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

RECT Rect(int l, int t, int r, int b)
{
    RECT rc = {l, t, r, b};
    return rc;
}

std::string Str(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}

class TextLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dc_);
        BITMAPINFO bi;
        memset(&bi, 0, sizeof bi);
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = kWidth;
        bi.bmiHeader.biHeight = -kHeight;  // top-down rows
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dib_ = BitmapGuard(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_TRUE(dib_);
        pixels_ = static_cast<DWORD*>(bits);
        selectBitmap_.emplace(dc_.get(), dib_.get());
        selectFont_.emplace(dc_.get(), GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc_.get(), RGB(0, 0, 0));
        SetBkMode(dc_.get(), TRANSPARENT);
        Clear();
        ASSERT_TRUE(GetTextMetricsA(dc_.get(), &tm_));
        lh_ = Ext("T").cy;
        ASSERT_GT(lh_, 0);
        g_draws.clear();
        g_events.clear();
    }

    struct Size {
        int cx;
        int cy;
    };
    Size Ext(const std::string& s) const
    {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc_.get(), s.data(), static_cast<int>(s.size()), &size);
        return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
    }
    int Width(const std::string& s) const { return Ext(s).cx; }

    std::vector<DrawCall> Layout(const std::string& text, RECT rc, UINT format, int maxLines)
    {
        g_draws.clear();
        g_events.clear();
        const RECT before = rc;
        DrawTextWrapped(Recorder(), dc_.get(), text.data(), static_cast<int>(text.size()), &rc, format,
                        maxLines);
        if (!(format & DT_CALCRECT)) {
            EXPECT_TRUE(EqualRect(&before, &rc)) << "the caller's rectangle was written";
        }
        return g_draws;
    }

    // The call that puts out one line of a multi-line block: band `index`
    // below `top`, bottom cut to the block and to the line's own height.
    DrawCall LineCall(const std::string& line, RECT rc, int top, int index, int blockBottom, UINT align) const
    {
        const int lineTop = top + index * lh_;
        return {line, Rect(rc.left, lineTop, rc.right, std::min(blockBottom, lineTop + Ext(line).cy)),
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

    void Clear() { std::fill(pixels_, pixels_ + kWidth * kHeight, 0x00FFFFFFu); }
    bool Ink(int x, int y) const { return (pixels_[y * kWidth + x] & 0xFFFFFF) != 0xFFFFFF; }
    // Rows of [top, bottom) holding ink in columns [left, right).
    std::vector<int> InkRows(int left, int top, int right, int bottom) const
    {
        std::vector<int> rows;
        for (int y = std::max(top, 0); y < std::min(bottom, kHeight); ++y)
            for (int x = std::max(left, 0); x < std::min(right, kWidth); ++x)
                if (Ink(x, y)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    // "..." shows as ink only in the lower part of the character cell: the dots
    // sit on the baseline, where letters would also reach the top.
    void ExpectDotsOnly(int left, int right, int lineTop) const
    {
        std::vector<int> rows = InkRows(left, lineTop, right, lineTop + lh_);
        ASSERT_FALSE(rows.empty()) << "no mark in columns " << left << ".." << right;
        EXPECT_GE(rows.front(), lineTop + tm_.tmAscent / 2);
        EXPECT_LE(rows.back(), lineTop + tm_.tmAscent + 1);
    }

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 200;
    MemoryDC dc_{nullptr};
    BitmapGuard dib_;
    std::optional<SelectGuard> selectBitmap_;
    std::optional<SelectGuard> selectFont_;
    DWORD* pixels_ = nullptr;
    TEXTMETRICA tm_;
    int lh_ = 0;
};

TEST(TextHasCharTest, FindsBytesOnlyWithinTheLength)
{
    const char text[] = "ab\0c\rd";
    EXPECT_TRUE(TextHasChar(text, 6, '\r'));
    EXPECT_TRUE(TextHasChar(text, 6, 'c'));  // past an embedded zero byte
    EXPECT_FALSE(TextHasChar(text, 4, '\r'));
    EXPECT_TRUE(TextHasChar(text, 1, 'a'));
    EXPECT_FALSE(TextHasChar(text, 0, 'a'));
    EXPECT_FALSE(TextHasChar(text, -3, 'a'));
    EXPECT_FALSE(TextHasChar(nullptr, 5, 'a'));
    EXPECT_TRUE(TextHasChar("x\xE9", 2, '\xE9'));
}

TEST_F(TextLayoutTest, NothingHappensWithoutTextOrRectangle)
{
    const RECT poison = Rect(-7, -7, -7, -7);
    for (UINT format : {0u, UINT(DT_CALCRECT | DT_SINGLELINE), UINT(DT_CALCRECT | DT_WORDBREAK)}) {
        RECT rc = poison;
        DrawTextWrapped(Recorder(), dc_.get(), "abc", 0, &rc, format, 1);
        DrawTextWrapped(Recorder(), dc_.get(), "abc", -1, &rc, format, 1);
        DrawTextWrapped(Recorder(), dc_.get(), nullptr, 3, &rc, format, 1);
        EXPECT_TRUE(EqualRect(&rc, &poison));
        DrawTextWrapped(Recorder(), dc_.get(), "abc", 3, nullptr, format, 1);
    }
    EXPECT_TRUE(g_events.empty());
}

TEST_F(TextLayoutTest, FittingTextIsOneDrawCallWithTheCallersBits)
{
    const std::string text = "Hello & co";
    const Size ext = Ext(text);
    const RECT rc = Rect(10, 20, 10 + ext.cx + 30, 20 + 3 * lh_);
    for (UINT align : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT)}) {
        SCOPED_TRACE(align);
        // Single line, not wrapping: top unchanged, bottom cut to the text.
        EXPECT_EQ(Layout(text, rc, align | DT_NOPREFIX, 3),
                  (std::vector<DrawCall>{{text, Rect(10, 20, rc.right, 20 + ext.cy), align | DT_NOPREFIX}}));
        // Word break and no-clip are dropped on the single-line path, and the
        // routine centres by itself.
        const int top = 20 + (3 * lh_ - ext.cy) / 2;
        EXPECT_EQ(Layout(text, rc, align | DT_NOPREFIX | DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP, 2),
                  (std::vector<DrawCall>{
                      {text, Rect(10, top, rc.right, top + ext.cy), align | DT_NOPREFIX | DT_SINGLELINE}}));
    }
    // Exactly as wide as the box still fits.
    const RECT exact = Rect(0, 0, ext.cx, 100);
    EXPECT_EQ(Layout(text, exact, DT_SINGLELINE, 1),
              (std::vector<DrawCall>{{text, Rect(0, 0, ext.cx, ext.cy), DT_SINGLELINE}}));
}

TEST_F(TextLayoutTest, CarriageReturnsAndLineFeedsBreakLines)
{
    const RECT rc = Rect(5, 10, 205, 10 + 10 * lh_);
    // The lines of a block lose every bit but the alignment, so an ampersand
    // there is a prefix; the routine keeps no DT_NOPREFIX for them.
    const UINT format = DT_CENTER | DT_NOPREFIX;
    struct Case {
        std::string text;
        int blockLines;
        std::vector<std::pair<std::string, int>> lines;  // text and band
    };
    const Case cases[] = {
        {"A&\r\nB", 2, {{"A&", 0}, {"B", 1}}},
        {"A&\n\rB", 3, {{"A&", 0}, {"B", 2}}},  // LF CR: an empty line between
        {"A\rB", 2, {{"A", 0}, {"B", 1}}},
        {"A\nB", 2, {{"A", 0}, {"B", 1}}},
        {"\n\nA B", 3, {{"A B", 2}}},
        {"A\r\n\r\nB", 3, {{"A", 0}, {"B", 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int bottom = rc.top + c.blockLines * lh_;
        std::vector<DrawCall> expected;
        for (const auto& line : c.lines)
            expected.push_back(LineCall(line.first, rc, rc.top, line.second, bottom, DT_CENTER));
        EXPECT_EQ(Layout(c.text, rc, format, 5), expected);
        // DT_SINGLELINE does not stop CR and LF from breaking.
        EXPECT_EQ(Layout(c.text, rc, format | DT_SINGLELINE, 5), expected);
    }
}

TEST_F(TextLayoutTest, TrailingBreakMarksTheLastLine)
{
    const RECT rc = Rect(0, 0, 150, 10 * lh_);
    for (const std::string text : {"Ab\r", "Ab\n", "Ab\r\n", "x\nAb\r\n"}) {
        SCOPED_TRACE(text);
        const bool two = text[0] == 'x';
        const int bottom = rc.top + (two ? 2 : 1) * lh_;
        std::vector<DrawCall> expected;
        if (two)
            expected.push_back(LineCall("x", rc, 0, 0, bottom, DT_LEFT));
        expected.push_back(LineCall("Ab", rc, 0, two ? 1 : 0, bottom, DT_LEFT));
        expected.push_back(MarkCall(rc, 0, two ? 1 : 0, bottom));
        EXPECT_EQ(Layout(text, rc, 0, 4), expected);
    }
}

TEST_F(TextLayoutTest, WordBreakWrapsAtSpacesAndDropsSpacesAtBreaks)
{
    const int avail = Width("abc abc");
    const RECT rc = Rect(3, 4, 3 + avail, 4 + 10 * lh_);
    const UINT format = DT_WORDBREAK | DT_NOPREFIX;
    struct Case {
        std::string text;
        int blockLines;
        std::vector<std::string> lines;  // "" = an empty band, nothing drawn
    };
    const Case cases[] = {
        // "abc abc" is exactly the width, so it stays on one line.
        {"abc abc abc", 2, {"abc abc", "abc"}},
        // The space a break falls on and the spaces after it are dropped.
        {"abc abc    abc", 2, {"abc abc", "abc"}},
        // Leading spaces stay on the first line only.
        {"  abc\n   abc  abc", 3, {"  abc", "abc ", "abc"}},
        {"abc\r\n abc", 2, {"abc", "abc"}},
        // An empty line after a break: spaces skipped, the band still counts.
        {"abc\n\nabc", 3, {"abc", "", "abc"}},
        // Trailing spaces that fit stay with their line.
        {"abc ", 1, {"abc "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int bottom = rc.top + c.blockLines * lh_;
        std::vector<DrawCall> expected;
        for (size_t i = 0; i < c.lines.size(); ++i)
            if (!c.lines[i].empty())
                expected.push_back(LineCall(c.lines[i], rc, rc.top, static_cast<int>(i), bottom, DT_LEFT));
        EXPECT_EQ(Layout(c.text, rc, format, 6), expected);
    }

    // Without word break spaces are ordinary characters: after a break they
    // stay, and a long line is never wrapped but cut on its own.
    const int bottom = rc.top + 2 * lh_;
    const std::string wide = "abc abc abc";
    const int kept = KeptBytes(wide, avail);
    EXPECT_EQ(Layout("  abc\n  abc", rc, DT_NOPREFIX, 6),
              (std::vector<DrawCall>{LineCall("  abc", rc, rc.top, 0, bottom, DT_LEFT),
                                     LineCall("  abc", rc, rc.top, 1, bottom, DT_LEFT)}));
    std::vector<DrawCall> calls = Layout(wide + "\nabc", rc, DT_NOPREFIX, 6);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, wide.substr(0, kept));
    EXPECT_EQ(calls[1].text, "...");
    EXPECT_EQ(calls[2], LineCall("abc", rc, rc.top, 1, bottom, DT_LEFT));
}

TEST_F(TextLayoutTest, OverLongWordKeepsItsOwnLineAndIsCutByAlignment)
{
    const std::string word = "abcdefghijklmnop";
    const int avail = Width("abcdefg");
    const RECT rc = Rect(20, 30, 20 + avail, 30 + 10 * lh_);
    const int kept = KeptBytes(word, avail);
    ASSERT_GT(kept, 0);
    const std::string prefix = word.substr(0, kept);
    const int dots = Width("...");
    ASSERT_LE(Width(prefix) + dots, avail);
    ASSERT_GT(Width(word.substr(0, kept + 1)) + dots, avail);

    for (UINT align : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT)}) {
        SCOPED_TRACE(align);
        const int bottom = rc.top + 2 * lh_;
        // The cut line keeps the rectangle of the whole word's line.
        const DrawCall line = LineCall(word, rc, rc.top, 0, bottom, align);
        const DrawCall second = LineCall("ab", rc, rc.top, 1, bottom, align);
        EXPECT_EQ(Layout(word + " ab", rc, align | DT_WORDBREAK, 3),
                  (std::vector<DrawCall>{{prefix, line.rect, line.format}, {"...", line.rect, line.format}, second}));
        int x = rc.left;
        if (align == DT_RIGHT)
            x = rc.right - Width(prefix) - dots;
        else if (align == DT_CENTER)
            x = rc.left + (avail - Width(prefix) - dots) / 2;
        const UINT saved = GetTextAlign(dc_.get());
        EXPECT_EQ(g_events, (std::vector<std::string>{"align 1", "move " + std::to_string(x) + "," + std::to_string(rc.top),
                                                      "draw " + prefix, "draw ...", "align " + std::to_string(saved), "draw ab"}));
        EXPECT_EQ(GetTextAlign(dc_.get()), saved);
    }
}

TEST_F(TextLayoutTest, SingleLineTruncationPlacesTheMarkByAlignment)
{
    const std::string text = "Truncate me, please";
    const Size ext = Ext(text);
    const int avail = Width("Truncate m");
    const RECT rc = Rect(40, 50, 40 + avail, 50 + 2 * lh_);
    const int kept = KeptBytes(text, avail);
    ASSERT_GT(kept, 0);
    const std::string prefix = text.substr(0, kept);
    const int w = Width(prefix);
    const int dots = Width("...");
    const int top = rc.top + (2 * lh_ - ext.cy) / 2;
    const RECT work = Rect(rc.left, top, rc.right, top + ext.cy);

    SetTextAlign(dc_.get(), TA_BASELINE | TA_RIGHT);  // restored after the cut line
    for (UINT align : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT), UINT(DT_RIGHT | DT_CENTER)}) {
        SCOPED_TRACE(align);
        const UINT format = align | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK | DT_NOCLIP;
        const UINT passed = align | DT_NOPREFIX | DT_SINGLELINE;
        EXPECT_EQ(Layout(text, rc, format, 2), (std::vector<DrawCall>{{prefix, work, passed}, {"...", work, passed}}));
        // DT_RIGHT wins over DT_CENTER.
        const int x = (align & DT_RIGHT) ? rc.right - w - dots
                      : (align & DT_CENTER) ? rc.left + (avail - w - dots) / 2
                                            : rc.left;
        EXPECT_EQ(g_events, (std::vector<std::string>{"align 1", "move " + std::to_string(x) + "," + std::to_string(top),
                                                      "draw " + prefix, "draw ...",
                                                      "align " + std::to_string(TA_BASELINE | TA_RIGHT)}));
        EXPECT_EQ(GetTextAlign(dc_.get()), UINT(TA_BASELINE | TA_RIGHT));
    }
    SetTextAlign(dc_.get(), TA_TOP | TA_LEFT);

    // Too narrow for one byte plus the mark: the mark alone, no placement.
    const RECT narrow = Rect(0, 0, dots - 1, lh_);
    EXPECT_EQ(Layout(text, narrow, DT_SINGLELINE | DT_RIGHT, 1),
              (std::vector<DrawCall>{{"...", Rect(0, 0, dots - 1, std::min<int>(lh_, ext.cy)), DT_SINGLELINE | DT_RIGHT}}));
    EXPECT_EQ(g_events, (std::vector<std::string>{"draw ..."}));
    const RECT inverted = Rect(10, 0, 5, lh_);
    EXPECT_EQ(Layout("a", inverted, 0, 1), (std::vector<DrawCall>{{"...", Rect(10, 0, 5, std::min<int>(lh_, Ext("a").cy)), 0}}));
}

TEST_F(TextLayoutTest, MaxLinesLimitsTheBlockAndMarksTheLastLineShown)
{
    const std::string text = "abc abc abc";  // three lines of "abc"
    const int avail = Width("abc abc") - 1;
    const RECT rc = Rect(0, 7, avail, 7 + 10 * lh_);
    struct Case {
        int maxLines;
        int shown;
        bool mark;
    };
    for (const Case& c : {Case{-2, 1, true}, Case{0, 1, true}, Case{1, 1, true}, Case{2, 2, true},
                          Case{3, 3, false}, Case{4, 3, false}}) {
        SCOPED_TRACE(c.maxLines);
        for (UINT vcenter : {0u, UINT(DT_VCENTER)}) {
            const int top = rc.top + (vcenter ? (rc.bottom - rc.top - c.shown * lh_) / 2 : 0);
            const int bottom = top + c.shown * lh_;
            std::vector<DrawCall> expected;
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
    // Three lines in a box of one line and a bit: the second line is clipped
    // by the box and marked.
    const RECT rc = Rect(0, 40, 120, 40 + lh_ + 2);
    EXPECT_EQ(Layout("A\nB\nC", rc, DT_VCENTER | DT_WORDBREAK, 3),
              (std::vector<DrawCall>{LineCall("A", rc, rc.top, 0, rc.bottom, DT_LEFT),
                                     LineCall("B", rc, rc.top, 1, rc.bottom, DT_LEFT),
                                     MarkCall(rc, rc.top, 1, rc.bottom)}));

    // One line taller than the box keeps a negative offset.
    const Size ext = Ext("Tall");
    const RECT low = Rect(0, 40, 120, 44);
    const int top = 40 + (4 - ext.cy) / 2;
    ASSERT_LT(top, 40);
    EXPECT_EQ(Layout("Tall", low, DT_VCENTER | DT_SINGLELINE, 1),
              (std::vector<DrawCall>{{"Tall", Rect(0, top, 120, std::min<int>(44, top + ext.cy)), DT_SINGLELINE}}));
}

TEST_F(TextLayoutTest, MeasureModeSetsBottomAndForSingleLinesRight)
{
    const int avail = Width("abc abc");
    const RECT box = Rect(0, 0, avail, 0);
    const UINT measure = DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK;
    struct Case {
        std::string text;
        int maxLines;
        int lines;
    };
    const Case cases[] = {
        {"abc abc abc abc abc", 1, 1}, {"abc abc abc abc abc", 2, 2}, {"abc abc abc abc abc", 3, 3},
        {"abc abc abc abc abc", 9, 3}, {"abc abc abc abc abc", 0, 1}, {"abc abc abc abc abc", -5, 1},
        {"   ", 4, 1},                 {"abc\r\n", 4, 1},             {"abc\n\r", 4, 2},
        {"abc\n\n\n", 9, 3},           {"abcdefghijklmnopqrstuvw", 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.maxLines));
        RECT rc = box;
        rc.top = 5;
        rc.bottom = -99;
        DrawTextWrapped(Recorder(), dc_.get(), c.text.data(), static_cast<int>(c.text.size()), &rc, measure, c.maxLines);
        EXPECT_EQ(Str(rc), Str(Rect(0, 5, avail, 5 + c.lines * lh_)));
    }

    // Measured as one piece: the text's own extent; right only for DT_SINGLELINE.
    const std::string text = "Hello, world";
    const Size ext = Ext(text);
    RECT rc = Rect(3, 4, 1000, 0);
    DrawTextWrapped(Recorder(), dc_.get(), text.data(), static_cast<int>(text.size()), &rc, DT_CALCRECT, 1);
    EXPECT_EQ(Str(rc), Str(Rect(3, 4, 1000, 4 + ext.cy)));
    rc = Rect(3, 4, 10, 0);
    DrawTextWrapped(Recorder(), dc_.get(), text.data(), static_cast<int>(text.size()), &rc,
                    DT_CALCRECT | DT_SINGLELINE | DT_WORDBREAK, 1);
    EXPECT_EQ(Str(rc), Str(Rect(3, 4, 3 + ext.cx, 4 + ext.cy)));
    // A single-line text with a break goes through the scan: width = the box.
    rc = Rect(3, 4, 10, 0);
    DrawTextWrapped(Recorder(), dc_.get(), "ab\r\ncd", 6, &rc, DT_CALCRECT | DT_SINGLELINE, 5);
    EXPECT_EQ(Str(rc), Str(Rect(3, 4, 10, 4 + 2 * lh_)));
    EXPECT_TRUE(g_events.empty());
}

// ---------------------------------------------------------------- real pixels

TEST_F(TextLayoutTest, PixelsStayInsideTheBox)
{
    const RECT rc = Rect(20, 20, 20 + Width("Hello") + 10, 20 + lh_);
    DrawTextWrapped(dc_.get(), "Hello", 5, const_cast<RECT*>(&rc), DT_SINGLELINE | DT_VCENTER, 1);
    EXPECT_FALSE(InkRows(rc.left, rc.top, rc.right, rc.bottom).empty());
    Clear();

    // A long text cut at the right edge: nothing beyond either edge, and the
    // last columns hold the mark.
    const std::string text = "MMMMMMMMMMMMMMMMMMMMMMMM";
    const RECT box = Rect(30, 60, 30 + Width("MMMMM"), 60 + lh_);
    const UINT before = GetTextAlign(dc_.get());
    DrawTextWrapped(dc_.get(), text.data(), static_cast<int>(text.size()), const_cast<RECT*>(&box),
                    DT_SINGLELINE | DT_RIGHT, 1);
    EXPECT_EQ(GetTextAlign(dc_.get()), before);
    EXPECT_TRUE(InkRows(box.right, 0, kWidth, kHeight).empty());
    EXPECT_TRUE(InkRows(0, 0, box.left, kHeight).empty());
    EXPECT_TRUE(InkRows(0, 0, kWidth, box.top).empty());
    EXPECT_TRUE(InkRows(0, box.bottom, kWidth, kHeight).empty());
    const int dots = Width("...");
    ExpectDotsOnly(box.right - dots + 1, box.right, box.top);
    EXPECT_FALSE(InkRows(box.left, box.top, box.right - dots - 1, box.bottom).empty());
}

TEST_F(TextLayoutTest, PixelsOfALeftCutLineShowTheMarkRightAfterTheText)
{
    const std::string text = "MMMMMMMMMMMMMMMMMMMMMMMM";
    const int dots = Width("...");
    const RECT box = Rect(10, 10, 10 + Width("MMMMMM") + dots / 2, 10 + lh_);
    const int kept = KeptBytes(text, box.right - box.left);
    const int end = box.left + Width(text.substr(0, kept));
    DrawTextWrapped(dc_.get(), text.data(), static_cast<int>(text.size()), const_cast<RECT*>(&box), DT_SINGLELINE, 1);
    ExpectDotsOnly(end + 1, end + dots, box.top);
    EXPECT_TRUE(InkRows(end + dots + 1, 0, kWidth, kHeight).empty());
    EXPECT_FALSE(InkRows(box.left, box.top, end - 1, box.bottom).empty());
}

TEST_F(TextLayoutTest, PixelsOfAWrappedBlockEndWithTheMarkAtTheRightEdge)
{
    const std::string text = "abc abc abc";
    const RECT box = Rect(10, 10, 10 + Width("abc abc") - 1, 10 + 5 * lh_);
    const int dots = Width("...");
    ASSERT_LT(box.left + Width("abc") + 2, box.right - dots);
    DrawTextWrapped(dc_.get(), text.data(), static_cast<int>(text.size()), const_cast<RECT*>(&box),
                    DT_WORDBREAK | DT_NOPREFIX, 2);
    EXPECT_FALSE(InkRows(box.left, box.top, box.right, box.top + lh_).empty());
    EXPECT_FALSE(InkRows(box.left, box.top + lh_, box.left + Width("abc"), box.top + 2 * lh_).empty());
    ExpectDotsOnly(box.right - dots + 1, box.right, box.top + lh_);
    // The third line is not drawn, and the first line carries no mark.
    EXPECT_TRUE(InkRows(0, box.top + 2 * lh_, kWidth, kHeight).empty());
    EXPECT_TRUE(InkRows(box.left + Width("abc") + 1, box.top, kWidth, box.top + lh_).empty());
}

}  // namespace
