// The text layout routine through a fake output table in which every byte is
// kW pixels wide and kH high, so where each piece of text goes and where a
// line is cut follow from its length. Every piece put out is recorded and
// every measurement counted. (Real fonts and pixels: the cell content tests.)
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/text_layout.h"

namespace {

constexpr int kW = 7, kH = 13;
using Log = std::vector<std::string>;
Log g_log;           // pieces put out and alignment changes, in order
int g_measures = 0;  // extents and fit queries asked for

std::string Out(const std::string& text, int x, int y, const RECT& clip)
{
    return text + " @" + std::to_string(x) + "," + std::to_string(y) + " in " + std::to_string(clip.left) + "," +
           std::to_string(clip.top) + "," + std::to_string(clip.right) + "," + std::to_string(clip.bottom);
}
BOOL WINAPI Extent(HDC, LPCSTR, int n, LPSIZE size) { return ++g_measures, *size = {n * kW, kH}, TRUE; }
BOOL WINAPI Fit(HDC, LPCSTR, int n, int max, LPINT fit, LPINT, LPSIZE size)
{
    return ++g_measures, *fit = std::min(n, max / kW), *size = {n * kW, kH}, TRUE;
}
BOOL WINAPI Put(HDC, int x, int y, UINT, const RECT* clip, LPCSTR s, UINT n, const INT*)
{
    return g_log.push_back(Out({s, n}, x, y, *clip)), TRUE;
}
UINT WINAPI Align(HDC) { return TA_BASELINE | TA_RIGHT; }
UINT WINAPI SetAlign(HDC, UINT align) { return g_log.push_back("align " + std::to_string(align)), 0; }
const TextOutput kOut = {&Extent, &Fit, &Put, &Align, &SetAlign};

// The pieces a layout put out, between setting the DC's alignment to top
// left and putting the caller's back; drawing leaves the rectangle alone.
Log Layout(const std::string& text, const RECT& rc, UINT format, int maxLines)
{
    RECT io = rc;
    g_log.clear();
    DrawTextWrapped(kOut, nullptr, text.data(), int(text.size()), &io, format | DT_END_ELLIPSIS, maxLines);
    EXPECT_TRUE(EqualRect(&io, &rc)) << "drawing wrote the caller's rectangle";
    EXPECT_TRUE(g_log.size() > 1 && g_log.front() == "align 0" && g_log.back() == "align 26");
    return g_log.size() > 1 ? Log(g_log.begin() + 1, g_log.end() - 1) : g_log;
}

// CR, LF, CR LF and LF CR break lines (an ampersand is drawn as itself); with
// DT_WORDBREAK lines also wrap at the last space that lets them fit, the
// spaces a wrap falls on are dropped, and so are those after a break, except
// on the first line. A word wider than the box keeps a line of its own. A
// line too wide, or the last line with room when visible text follows it,
// keeps the whole characters that fit together with "...", which follows them
// directly; the two are aligned as one (DT_RIGHT wins over DT_CENTER).
TEST(TextLayoutTest, BlocksBreakWrapLimitAndCutTheirLinesBeforeTheMark)
{
    const UINT wrap = DT_WORDBREAK;
    const std::string four = "abc abc abc abc";
    // In bands, "" is an empty band where nothing is drawn; a band ending in
    // "..." shows the mark after the characters kept.
    const struct { std::string text; UINT format; int height, maxLines; std::vector<std::string> bands; } cases[] = {
        {"A&\r\nB", DT_CENTER, 10 * kH, 6, {"A&", "B"}},
        {"A&\n\rB", DT_RIGHT, 10 * kH, 6, {"A&", "", "B"}},
        {"  abc\n  abc", 0, 10 * kH, 6, {"  abc", "  abc"}},
        {"  abc\n   abc  abc", wrap, 10 * kH, 6, {"  abc", "abc ", "abc"}},
        {"abc abc    abc", wrap, 10 * kH, 6, {"abc abc", "abc"}},   // exactly the width fits
        {"abc abc abc\nd", wrap, 10 * kH, 6, {"abc abc", "abc", "d"}},
        {"abcdefghij k", wrap, 10 * kH, 6, {"abcd...", "k"}},
        {"line1\r\n", DT_CENTER, kH, 6, {"line1"}},   // a trailing break hides nothing
        {"ab\r\ncd", DT_CENTER, kH, 6, {"ab..."}},
        {"ab\n \ncd", DT_RIGHT | DT_CENTER, 10 * kH, 2, {"ab", " ..."}},
        {four, wrap | DT_RIGHT, 10 * kH, 0, {"abc ..."}},
        {four, wrap | DT_VCENTER, 10 * kH, 3, {"abc abc", "abc abc"}},
        {"A\nB\nC", DT_VCENTER | wrap, kH + 2, 2, {"A", "B..."}},
        {"abcdefgh", DT_SINGLELINE | DT_CENTER | DT_VCENTER, 3 * kH, 1, {"abcd..."}},
        {"abcdefg", DT_SINGLELINE | DT_RIGHT, kH, 1, {"abcdefg"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.maxLines));
        const RECT rc = {3, 4, 3 + 7 * kW, 4 + c.height};
        const int block = int(c.bands.size()) * kH;
        const int top = rc.top + ((c.format & DT_VCENTER) ? std::max(0, (c.height - block) / 2) : 0);
        const int bottom = std::min<int>(rc.bottom, top + block);
        Log expected;
        for (size_t i = 0; i < c.bands.size(); ++i) {
            const std::string& shown = c.bands[i];
            const size_t kept = shown.size() > 2 && shown.substr(shown.size() - 3) == "..." ? shown.size() - 3 : shown.size();
            const int y = top + int(i) * kH, w = int(shown.size()) * kW;
            const int x = (c.format & DT_RIGHT) ? rc.right - w : (c.format & DT_CENTER) ? (rc.left + rc.right - w) / 2 : rc.left;
            const RECT clip = {rc.left, y, rc.right, std::min(bottom, y + kH)};
            if (kept > 0)
                expected.push_back(Out(shown.substr(0, kept), x, y, clip));
            if (kept < shown.size())
                expected.push_back(Out("...", x + int(kept) * kW, y, clip));
        }
        EXPECT_EQ(Layout(c.text, rc, c.format, c.maxLines), expected);
    }
}

// A text of any length costs a few measurements per line shown: 10,000
// characters as one word or as words, on one line or wrapped, with or
// without the mark, in every alignment.
TEST(TextLayoutTest, LongTextsTakeAFewMeasurementsPerLine)
{
    std::string words;
    while (words.size() < 10000)
        words += "word ";
    for (const std::string& text : {std::string(10000, 'w'), words})
        for (UINT format : {DT_SINGLELINE, DT_SINGLELINE | DT_END_ELLIPSIS, DT_WORDBREAK, DT_WORDBREAK | DT_END_ELLIPSIS})
            for (UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
                RECT rc = {0, 0, 40 * kW, 3 * kH};
                g_measures = 0;
                DrawTextWrapped(kOut, nullptr, text.data(), int(text.size()), &rc, format | align | DT_VCENTER, 3);
                EXPECT_LE(g_measures, 32) << text.substr(0, 10) << " / " << format << " / " << align;
            }
}

}  // namespace
