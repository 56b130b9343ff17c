// The text layout routine with the real metrics of the default GUI font: the
// exact output a layout makes, through a recording output table. Expected
// calls are worked out here from measured extents, line by line; every text
// of one font is one line height high.
// (Real pixels of a cut line: the cell content test.)
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/text_layout.h"
#include "support/dib.h"

namespace {

using Log = std::vector<std::string>;
Log g_log;   // draws, moves and alignment changes, in order

std::string Draw(const std::string& text, const RECT& rc, UINT format)
{
    return "draw " + text + " (" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
           std::to_string(rc.right) + "," + std::to_string(rc.bottom) + ") " + std::to_string(format);
}
std::string Move(int x, int y) { return "move " + std::to_string(x) + "," + std::to_string(y); }

// The output table's recorders, which only log.
int WINAPI LogDraw(HDC, LPCSTR s, int n, LPRECT rc, UINT f) { return g_log.push_back(Draw({s, size_t(n)}, *rc, f)), 1; }
UINT WINAPI LogAlign(HDC, UINT align) { return g_log.push_back("align " + std::to_string(align)), 0; }
BOOL WINAPI LogMove(HDC, int x, int y, LPPOINT) { return g_log.push_back(Move(x, y)), TRUE; }

class TextLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SelectObject(dc(), GetStockObject(DEFAULT_GUI_FONT));
        out_.drawText = &LogDraw, out_.setTextAlign = &LogAlign, out_.moveTo = &LogMove;
        lh_ = Extent("T").cy;
        ASSERT_GT(lh_, 0);
    }

    HDC dc() const { return dib_.dc(); }
    SIZE Extent(const std::string& s) const
    {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc(), s.data(), static_cast<int>(s.size()), &size);
        return size;
    }
    int Width(const std::string& s) const { return Extent(s).cx; }
    // What a layout put out; drawing must leave the caller's rectangle alone.
    Log Run(const std::string& text, const RECT& rc, UINT format, int maxLines)
    {
        RECT io = rc;
        g_log.clear();
        DrawTextWrapped(out_, dc(), text.data(), static_cast<int>(text.size()), &io, format, maxLines);
        EXPECT_TRUE(EqualRect(&io, &rc)) << "drawing wrote the caller's rectangle";
        return g_log;
    }
    // Line `index` of a block starting at top, cut to the block's bottom.
    std::string Line(const std::string& line, const RECT& rc, int top, int index, int bottom, UINT align) const
    {
        return Draw(line, {rc.left, top + index * lh_, rc.right, std::min(bottom, top + (index + 1) * lh_)}, align | DT_SINGLELINE);
    }

    Dib dib_{1, 1};
    TextOutput out_ = GdiTextOutput();
    int lh_ = 0;
};

// Lines of a block keep only the alignment (an ampersand is a prefix again).
// CR, LF, CR LF and LF CR break lines; with
// DT_WORDBREAK lines also wrap at spaces, the spaces a wrap falls on are
// dropped, and so are those after a break, except on the first line. A block
// ending in a break, longer than maxLines or taller than the box marks its
// last line shown. (Measured heights: the window-level geometry test.)
TEST_F(TextLayoutTest, BlocksBreakWrapLimitAndMarkTheirLines)
{
    const UINT wrap = DT_WORDBREAK | DT_NOPREFIX;
    const std::string four = "abc abc abc abc";
    // In bands, "" is an empty band where nothing is drawn.
    const struct { std::string text; UINT format; int height, maxLines; std::vector<std::string> bands; bool marked; }
        cases[] = {
            {"A&\r\nB", DT_CENTER | DT_NOPREFIX, 10 * lh_, 6, {"A&", "B"}, false},
            {"A&\n\rB", DT_RIGHT | DT_NOPREFIX, 10 * lh_, 6, {"A&", "", "B"}, false},
            {"  abc\n  abc", DT_NOPREFIX, 10 * lh_, 6, {"  abc", "  abc"}, false},
            {"  abc\n   abc  abc", wrap, 10 * lh_, 6, {"  abc", "abc ", "abc"}, false},
            {"abc abc    abc", wrap, 10 * lh_, 6, {"abc abc", "abc"}, false},   // exactly the width fits
            {"Ab\n", DT_CENTER, 10 * lh_, 6, {"Ab"}, true},
            {four, wrap | DT_RIGHT, 10 * lh_, 0, {"abc abc"}, true},
            {four, wrap | DT_VCENTER, 10 * lh_, 3, {"abc abc", "abc abc"}, false},
            {"A\nB\nC", DT_VCENTER | DT_WORDBREAK, lh_ + 2, 2, {"A", "B"}, true},
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.maxLines));
        const RECT rc = {3, 4, 3 + Width("abc abc"), 4 + c.height};
        const int block = static_cast<int>(c.bands.size()) * lh_;
        const int top = rc.top + ((c.format & DT_VCENTER) ? std::max(0, (c.height - block) / 2) : 0);
        const int bottom = std::min<int>(rc.bottom, top + block);
        Log expected;
        for (size_t i = 0; i < c.bands.size(); ++i)
            if (!c.bands[i].empty())
                expected.push_back(Line(c.bands[i], rc, top, int(i), bottom, c.format & (DT_CENTER | DT_RIGHT)));
        if (c.marked)
            expected.push_back(Line("...", rc, top, int(c.bands.size()) - 1, bottom, DT_RIGHT));
        EXPECT_EQ(Run(c.text, rc, c.format, c.maxLines), expected);
    }
}

// A line too wide is cut byte by byte until it fits with "..."; the cut text
// is placed by the current position (DT_RIGHT wins over DT_CENTER), which is
// switched off again afterwards. Bits that make no sense on one line go.
TEST_F(TextLayoutTest, OneLineFitsInOneCallOrIsCutWithTheMarkPlacedByAlignment)
{
    const std::string text = "Truncate me & you";
    std::string prefix = text;   // the longest that fits together with "...", shortened from the end
    do
        prefix.pop_back();
    while (!prefix.empty() && Width(prefix) + Width("...") > Width("Truncate m"));
    const RECT rc = {40, 50, 40 + Width("Truncate m"), 50 + 3 * lh_}, work = {40, 50 + lh_, rc.right, 50 + 2 * lh_};
    const int rest = rc.right - rc.left - Width(prefix) - Width("...");   // the room the cut text and mark leave
    ASSERT_FALSE(prefix.empty());
    SetTextAlign(dc(), TA_BASELINE | TA_RIGHT);   // 26
    for (UINT align : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT), UINT(DT_RIGHT | DT_CENTER)}) {
        SCOPED_TRACE(align);
        const UINT format = align | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK | DT_NOCLIP;
        const UINT out = align | DT_NOPREFIX | DT_SINGLELINE;   // what is passed on
        const RECT exact = {rc.left, work.top, rc.left + Width(text), work.bottom};   // just wide enough
        EXPECT_EQ(Run(text, {rc.left, rc.top, exact.right, rc.bottom}, format, 2), Log{Draw(text, exact, out)});
        const int x = rc.left + ((align & DT_RIGHT) ? rest : (align & DT_CENTER) ? rest / 2 : 0);
        EXPECT_EQ(Run(text, rc, format, 2),
                  (Log{"align 1", Move(x, work.top), Draw(prefix, work, out), Draw("...", work, out), "align 26"}));
    }
}

}  // namespace
