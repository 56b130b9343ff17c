// Scrolling on real controls: the top index with its clamping and repaint,
// bringing rows and columns into view, the horizontal offset, both scroll
// bars read back from the list window, and the scroll commands the list
// window receives with the notifications they send.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/column_def.h"
#include "support/control_fixture.h"

namespace {

using Codes_ = std::vector<int>;

SCROLLINFO Bar(HWND list, int bar)
{
    SCROLLINFO si;
    memset(&si, 0x55, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(list, bar, &si))
        si.nMin = si.nMax = si.nPage = si.nPos = -99;
    return si;
}

bool BarDisabled(HWND list)
{
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    return GetScrollBarInfo(list, OBJID_VSCROLL, &info) && (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

bool Empty(RECT rc) { return IsRectEmpty(&rc) != 0; }

bool HasStyle(HWND hwnd, LONG bit) { return (GetWindowLongA(hwnd, GWL_STYLE) & bit) != 0; }

class ScrollingTest : public ControlTest {
protected:
    // A type-0 control showing exactly `shown` rows of `count`.
    HWND ListOf(int count, int shown, DWORD style = WS_VSCROLL, const std::vector<ColumnDef>& cols = {})
    {
        HWND h = Create(TARNS_LISTBOX | style, 1, 200, 60);
        if (!cols.empty())
            Tarn_SetColumns(h, static_cast<int>(cols.size()), cols.data());
        for (int i = 0; i < count; ++i)
            Tarn_AddString_A(h, ("Row " + std::to_string(i)).c_str());
        const int row = Tarn_GetItemHeight(h, 0);
        RECT window, client;
        GetWindowRect(h, &window);
        GetClientRect(h, &client);
        const int fixedPart = (window.bottom - window.top) - client.bottom + Tarn_GetItemHeight(h, -1) + 4;
        SetWindowPos(h, nullptr, 0, 0, 200, fixedPart + shown * row, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        return h;
    }
    void Scroll(HWND h, UINT msg, int code, int pos = 0)
    {
        SendMessageA(Tarn_GetHWNDDropDown(h), msg, MAKEWPARAM(code, pos), 0);
    }
};

TEST_F(ScrollingTest, TopIndexKeepsTheLastPageFullAndRepaintsOnlyOnChange)
{
    HWND h = ListOf(10, 4);
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_EQ(Tarn_GetItemsShown(h), 4);
    EXPECT_EQ(Tarn_SetTopIndex(h, 10), -1);
    EXPECT_EQ(Tarn_SetTopIndex(h, -1), -1);
    EXPECT_EQ(Tarn_SetTopIndex(h, 8), 0);
    EXPECT_EQ(Tarn_GetTopIndex(h), 6);

    Pump();
    Validate(list);
    Validate(h);
    ClearLog();
    EXPECT_EQ(Tarn_SetTopIndex(h, 6), 0);
    EXPECT_TRUE(Empty(UpdateRect(list)));
    EXPECT_TRUE(Codes().empty());

    // Going up repaints the whole list; no notification either way.
    EXPECT_EQ(Tarn_SetTopIndex(h, 1), 0);
    RECT rc = UpdateRect(list), client;
    GetClientRect(list, &client);
    EXPECT_TRUE(EqualRect(&rc, &client)) << rc.top << " " << rc.bottom;
    EXPECT_TRUE(Codes().empty());

}

TEST_F(ScrollingTest, MakeRowVisibleMovesTheTopAndNotifies)
{
    HWND h = ListOf(10, 4);
    ClearLog();
    Tarn_MakeRowVisible(h, 2);
    EXPECT_EQ(Tarn_GetTopIndex(h), 0);
    EXPECT_TRUE(Codes().empty());
    Tarn_MakeRowVisible(h, 7);
    EXPECT_EQ(Tarn_GetTopIndex(h), 4);
    Tarn_MakeRowVisible(h, 1);
    EXPECT_EQ(Tarn_GetTopIndex(h), 1);
    Tarn_MakeRowVisible(h, 10);
    EXPECT_EQ(Tarn_GetTopIndex(h), 1);
    EXPECT_EQ(Codes(), (Codes_{TARNN_TOPINDEXCHANGE, TARNN_TOPINDEXCHANGE}));

    // A closed drop-down has no list to scroll.
    HWND d = Create(TARNS_DROPDOWNLIST);
    for (int i = 0; i < 20; ++i)
        Tarn_AddString_A(d, "x");
    Tarn_MakeRowVisible(d, 15);
    EXPECT_EQ(Tarn_GetTopIndex(d), 0);
}

TEST_F(ScrollingTest, MakeRowVisibleWithVariableHeightsStepsUntilTheRowFits)
{
    HWND h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT | WS_VSCROLL, 1, 200, 200);
    ColumnDef wrap = Column(150, 0, TARNCF_WORDWRAP);
    ASSERT_TRUE(Tarn_SetColumns(h, 1, &wrap));
    Tarn_SetItemLines(h, 6);
    // Short rows first, then tall ones: the count that fits shrinks as the
    // top moves down.
    for (int i = 0; i < 30; ++i)
        Tarn_AddString_A(h, i < 15 ? "short" : "a\nb\nc\nd\ne\nf");
    Pump();
    for (int target : {29, 20, 16}) {
        Tarn_SetTopIndex(h, 0);
        Tarn_MakeRowVisible(h, target);
        const int top = Tarn_GetTopIndex(h);
        EXPECT_LE(top, target);
        EXPECT_LT(target - top, Tarn_GetItemsShown(h)) << "row " << target << " top " << top;
        RECT rc;
        EXPECT_EQ(Tarn_GetItemRect(h, target, &rc), 0);
    }
}

TEST_F(ScrollingTest, VerticalBarFollowsRowsAndDisableNoScroll)
{
    HWND h = ListOf(10, 4);
    HWND list = Tarn_GetHWNDDropDown(h);
    Tarn_SetTopIndex(h, 3);
    SCROLLINFO si = Bar(list, SB_VERT);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 9);
    EXPECT_EQ(si.nPage, 4u);
    EXPECT_EQ(si.nPos, 3);

    // Too few rows: the bar goes away, or with disable-no-scroll stays
    // visible and disabled.
    Tarn_ResetContent(h);
    Tarn_AddString_A(h, "only");
    Pump();
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL));
    EXPECT_EQ(Tarn_GetDisableNoScroll(h), 0);
    Tarn_SetDisableNoScroll(h, TRUE);
    EXPECT_EQ(Tarn_GetDisableNoScroll(h), 1);
    Pump();
    EXPECT_TRUE(HasStyle(list, WS_VSCROLL));
    EXPECT_TRUE(BarDisabled(list));
    for (int i = 0; i < 9; ++i)
        Tarn_AddString_A(h, "more");
    Pump();
    EXPECT_TRUE(HasStyle(list, WS_VSCROLL));
    EXPECT_FALSE(BarDisabled(list));

    Tarn_SetDisableNoScroll(h, FALSE);
    Tarn_ResetContent(h);
    Pump();
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL));

    // Created with the style, a list with nothing to scroll shows its bar disabled.
    HWND fromStart = ListOf(1, 4, WS_VSCROLL | TARNS_DISABLENOSCROLL);
    EXPECT_TRUE(HasStyle(Tarn_GetHWNDDropDown(fromStart), WS_VSCROLL));
    EXPECT_TRUE(BarDisabled(Tarn_GetHWNDDropDown(fromStart)));

    // Without WS_VSCROLL the vertical bar is never touched.
    HWND plain = ListOf(10, 4, 0);
    EXPECT_FALSE(HasStyle(Tarn_GetHWNDDropDown(plain), WS_VSCROLL));
    Tarn_SetTopIndex(plain, 5);
    EXPECT_FALSE(HasStyle(Tarn_GetHWNDDropDown(plain), WS_VSCROLL));
    EXPECT_FALSE(HasStyle(plain, WS_VSCROLL)) << "the control gives its bars to the list";
}

TEST_F(ScrollingTest, ScrollCommandsMoveTheTopAndNotifyOnce)
{
    HWND h = ListOf(10, 4);
    struct Step { int code; int top; };
    const Step steps[] = {{SB_LINEDOWN, 1}, {SB_PAGEDOWN, 5}, {SB_PAGEDOWN, 6}, {SB_LINEDOWN, 6},
                          {SB_LINEUP, 5},   {SB_TOP, 0},      {SB_LINEUP, 0},   {SB_BOTTOM, 6},
                          {SB_PAGEUP, 2},   {SB_ENDSCROLL, 2}};
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "code " << s.code);
        const int before = Tarn_GetTopIndex(h);
        ClearLog();
        Scroll(h, WM_VSCROLL, s.code);
        EXPECT_EQ(Tarn_GetTopIndex(h), s.top);
        EXPECT_EQ(Codes(), s.top != before ? Codes_{TARNN_TOPINDEXCHANGE} : Codes_{});
        EXPECT_EQ(Bar(Tarn_GetHWNDDropDown(h), SB_VERT).nPos, s.top);
    }
    // A scroll-bar control's message (lParam set) is not the list's own.
    SendMessageA(Tarn_GetHWNDDropDown(h), WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(h));
    EXPECT_EQ(Tarn_GetTopIndex(h), 2);
}

TEST_F(ScrollingTest, ParentMayDestroyTheControlWhileItScrolls)
{
    HWND h = ListOf(10, 4);
    OnNotify([h](const Notification& n) {
        if (n.code == TARNN_TOPINDEXCHANGE)
            DestroyWindow(h);
    });
    HWND list = Tarn_GetHWNDDropDown(h);
    SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(IsWindow(list));
}

TEST_F(ScrollingTest, HorizontalOffsetLimitsBarAndCommands)
{
    HWND h = ListOf(5, 4, WS_HSCROLL);
    HWND list = Tarn_GetHWNDDropDown(h);
    RECT client;
    GetClientRect(list, &client);
    const int w = client.right;

    EXPECT_FALSE(Tarn_SetHorizontalExtent(h, -1));
    EXPECT_TRUE(Tarn_SetHorizontalOffset(h, -1));
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0) << "nothing to scroll";
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, w + 300));
    EXPECT_EQ(Tarn_GetHorizontalExtent(h), w + 300);
    EXPECT_FALSE(Tarn_SetHorizontalOffset(h, -2));
    EXPECT_TRUE(Tarn_SetHorizontalOffset(h, 5000));
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 300);
    EXPECT_TRUE(Tarn_SetHorizontalOffset(h, 0));
    EXPECT_TRUE(Tarn_SetHorizontalOffset(h, -1));
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 300);

    // The page is a third of the visible width; the positions run to extent - width.
    SCROLLINFO si = Bar(list, SB_HORZ);
    EXPECT_EQ(si.nPage, static_cast<UINT>(w / 3));
    EXPECT_EQ(si.nMax, 300 + w / 3 - 1);
    EXPECT_EQ(si.nPos, 300);

    TEXTMETRICA tm = {};
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    struct Step { int code; int offset; };
    const Step steps[] = {{SB_LEFT, 0}, {SB_LINERIGHT, tm.tmMaxCharWidth}, {SB_PAGERIGHT, tm.tmMaxCharWidth + w / 2},
                          {SB_RIGHT, 300}, {SB_LINERIGHT, 300}, {SB_PAGELEFT, 300 - w / 2}, {SB_LINELEFT, 300 - w / 2 - tm.tmMaxCharWidth}};
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "code " << s.code);
        const int before = Tarn_GetHorizontalOffset(h);
        const int expected = s.offset < 0 ? 0 : s.offset;
        ClearLog();
        Scroll(h, WM_HSCROLL, s.code);
        EXPECT_EQ(Tarn_GetHorizontalOffset(h), expected);
        EXPECT_EQ(Codes(), expected != before ? Codes_{TARNN_HOFFSETCHANGE} : Codes_{});
    }

    // A narrower extent pulls the offset back within it.
    Tarn_SetHorizontalOffset(h, -1);
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, w + 100));
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 100);
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, 0));
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0);
    ClearLog();
    Scroll(h, WM_HSCROLL, SB_RIGHT);
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0);
    EXPECT_TRUE(Codes().empty());
}

TEST_F(ScrollingTest, MakeColumnVisibleScrollsJustEnough)
{
    HWND h = ListOf(6, 3, WS_HSCROLL, {Column(150, 0), Column(150, 1), Column(150, 2), Column(150, 3)});
    ASSERT_EQ(Tarn_GetColumns(h, nullptr), 4);
    HWND list = Tarn_GetHWNDDropDown(h);
    RECT client;
    GetClientRect(list, &client);
    const int w = client.right;
    ASSERT_LT(w, 300);
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, 600));

    ClearLog();
    Tarn_MakeColumnVisible(h, 1);   // right edge 300 comes to the list's right edge
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 300 - w);
    EXPECT_EQ(Codes(), Codes_{TARNN_HOFFSETCHANGE});
    Tarn_MakeColumnVisible(h, 3);   // the last column: all the way right
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 600 - w);
    Tarn_MakeColumnVisible(h, 2);   // starts left of the area: its left edge comes to 0
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 300);
    Tarn_MakeColumnVisible(h, 0);
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0);
    Tarn_MakeColumnVisible(h, 4);   // out of range
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0);

    // With row 0 scrolled out of view there is no cell to measure.
    Tarn_SetTopIndex(h, 2);
    Tarn_MakeColumnVisible(h, 3);
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0);
}

} // namespace
