// Scrolling on real controls: the top index, bringing rows and columns into
// view, the horizontal offset, both scroll bars read back from the list
// window, and the scroll commands it receives with what they send.
#include "support/control_fixture.h"

#include <cstring>
#include <tuple>

namespace {

SCROLLINFO Bar(HWND list, int bar)
{
    SCROLLINFO si;
    std::memset(&si, 0x55, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(list, bar, &si))
        si.nMin = si.nMax = si.nPage = si.nPos = -99;
    return si;
}

// Shown (1), shown disabled (2) or hidden (0).
int VerticalBar(HWND list)
{
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    if (!(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL))
        return 0;
    return GetScrollBarInfo(list, OBJID_VSCROLL, &info) && (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) ? 2 : 1;
}

class ScrollingTest : public ControlTest {
protected:
    // A type-0 control showing exactly `shown` rows of `count`.
    HWND ListOf(int count, int shown, DWORD style = WS_VSCROLL, std::vector<ColumnDef> cols = {})
    {
        HWND h = Create(TARNS_LISTBOX | style, count, {200, 60}, cols);
        const int fixed = ChildRect(h).bottom - ChildRect(h).top - Client(h).bottom + Tarn_GetItemHeight(h, -1) + 4;
        SetWindowPos(h, nullptr, 0, 0, 200, fixed + shown * Tarn_GetItemHeight(h, 0), SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(Tarn_GetItemsShown(h), shown);
        ValidateAll(h);
        return h;
    }
    // Sends the command to the list window; the top or offset after it, and
    // whether exactly the one notification came for a change.
    void Command(HWND h, UINT msg, int code, int expected, std::function<int(HWND)> get)
    {
        const int before = get(h);
        ClearLog();
        SendMessageA(Tarn_GetHWNDDropDown(h), msg, code, 0);
        EXPECT_EQ(get(h), expected) << "code " << code;
        const int notification = msg == WM_VSCROLL ? TARNN_TOPINDEXCHANGE : TARNN_HOFFSETCHANGE;
        EXPECT_EQ(Codes(), expected != before ? Ints{notification} : Ints{}) << "code " << code;
    }
};

// The top index keeps the last page full and repaints only on a change, the
// whole list going up; it notifies nothing. A row made visible moves the top
// as little as possible and notifies; a closed drop-down has nothing to scroll.
TEST_F(ScrollingTest, TopIndexAndMakeRowVisible)
{
    HWND h = ListOf(10, 4);
    HWND list = Tarn_GetHWNDDropDown(h);
    EXPECT_TRUE(Tarn_SetTopIndex(h, 8) == 0 && Tarn_GetTopIndex(h) == 6);
    ValidateAll(h);
    EXPECT_EQ(Tarn_SetTopIndex(h, 6), 0);
    EXPECT_EQ(UpdateRect(list), RECT{});
    EXPECT_EQ(Tarn_SetTopIndex(h, 1), 0);
    EXPECT_EQ(UpdateRect(list), Client(list));
    EXPECT_TRUE(Codes().empty());
    Tarn_SetTopIndex(h, 0);
    for (auto [row, top] : {std::make_pair(2, 0), std::make_pair(7, 4), std::make_pair(1, 1), std::make_pair(10, 1)})
        EXPECT_EQ((Tarn_MakeRowVisible(h, row), Tarn_GetTopIndex(h)), top) << "row " << row;
    EXPECT_EQ(Codes(), Ints(2, TARNN_TOPINDEXCHANGE));
    HWND d = Create(TARNS_DROPDOWNLIST, 20);
    Tarn_MakeRowVisible(d, 15);
    EXPECT_EQ(Tarn_GetTopIndex(d), 0);
}

TEST_F(ScrollingTest, MakeRowVisibleWithVariableHeightsStepsUntilTheRowFits)
{
    HWND h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT | WS_VSCROLL, 0, {200, 200}, {Column(150, TARNCF_WORDWRAP)});
    Tarn_SetItemLines(h, 6);
    // Short rows first, then tall ones: the count that fits shrinks as the top moves down.
    for (int i = 0; i < 30; ++i)
        Tarn_AddString_A(h, i < 15 ? "short" : "a\nb\nc\nd\ne\nf");
    for (int target : {29, 20, 16}) {
        Tarn_SetTopIndex(h, 0);
        Tarn_MakeRowVisible(h, target);
        const int top = Tarn_GetTopIndex(h);
        RECT rc;
        EXPECT_TRUE(top <= target && target - top < Tarn_GetItemsShown(h) && !Tarn_GetItemRect(h, target, &rc)) << target;
    }
}

TEST_F(ScrollingTest, VerticalBarFollowsRowsAndDisableNoScroll)
{
    HWND h = ListOf(10, 4);
    HWND list = Tarn_GetHWNDDropDown(h);
    Tarn_SetTopIndex(h, 3);
    SCROLLINFO si = Bar(list, SB_VERT);
    EXPECT_EQ(std::make_tuple(si.nMin, si.nMax, si.nPage, si.nPos), std::make_tuple(0, 9, 4u, 3));
    // Too few rows: the bar goes away, or with disable-no-scroll stays disabled.
    Tarn_ResetContent(h);
    Tarn_AddString_A(h, "only");
    EXPECT_EQ(VerticalBar(list) * 10 + Tarn_GetDisableNoScroll(h), 0);
    Tarn_SetDisableNoScroll(h, 5);
    EXPECT_EQ(VerticalBar(list) * 10 + Tarn_GetDisableNoScroll(h), 21);
    AddItems(h, 9);
    EXPECT_EQ(VerticalBar(list), 1);
    Tarn_SetDisableNoScroll(h, FALSE);
    Tarn_ResetContent(h);
    EXPECT_EQ(VerticalBar(list), 0);
    // Created with the style, a list with nothing to scroll shows its bar disabled.
    EXPECT_EQ(VerticalBar(Tarn_GetHWNDDropDown(Create(TARNS_LISTBOX | WS_VSCROLL | TARNS_DISABLENOSCROLL, 1))), 2);
    // Without WS_VSCROLL the vertical bar is never touched.
    HWND plain = ListOf(10, 4, 0);
    Tarn_SetTopIndex(plain, 5);
    EXPECT_EQ(VerticalBar(Tarn_GetHWNDDropDown(plain)), 0);
}

TEST_F(ScrollingTest, VerticalScrollCommandsMoveTheTopAndNotifyOnce)
{
    HWND h = ListOf(10, 4);
    const std::pair<int, int> steps[] = {{SB_LINEDOWN, 1}, {SB_PAGEDOWN, 5}, {SB_PAGEDOWN, 6}, {SB_LINEDOWN, 6},
                                         {SB_LINEUP, 5},   {SB_TOP, 0},      {SB_LINEUP, 0},   {SB_BOTTOM, 6},
                                         {SB_PAGEUP, 2},   {SB_ENDSCROLL, 2}};
    for (auto [code, top] : steps) {
        Command(h, WM_VSCROLL, code, top, Tarn_GetTopIndex);
        EXPECT_EQ(Bar(Tarn_GetHWNDDropDown(h), SB_VERT).nPos, top);
    }
    // A scroll-bar control's message (lParam set) is not the list's own.
    SendMessageA(Tarn_GetHWNDDropDown(h), WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(h));
    EXPECT_EQ(Tarn_GetTopIndex(h), 2);
}

TEST_F(ScrollingTest, HorizontalOffsetLimitsBarAndCommands)
{
    HWND h = ListOf(5, 4, WS_HSCROLL);
    const int w = Client(Tarn_GetHWNDDropDown(h)).right;
    EXPECT_TRUE(!Tarn_SetHorizontalExtent(h, -1) && Tarn_SetHorizontalOffset(h, -1) && !Tarn_GetHorizontalOffset(h));
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, w + 300));
    EXPECT_EQ(Tarn_GetHorizontalExtent(h), w + 300);
    // -2 is refused, too far is clamped, -1 is as far as possible.
    EXPECT_TRUE(!Tarn_SetHorizontalOffset(h, -2) && Tarn_SetHorizontalOffset(h, 5000) && Tarn_GetHorizontalOffset(h) == 300);
    EXPECT_TRUE(Tarn_SetHorizontalOffset(h, 0) && Tarn_SetHorizontalOffset(h, -1) && Tarn_GetHorizontalOffset(h) == 300);
    // The page is a third of the visible width; the positions run to extent - width.
    SCROLLINFO si = Bar(Tarn_GetHWNDDropDown(h), SB_HORZ);
    EXPECT_EQ(std::make_tuple(si.nPage, si.nMax, si.nPos), std::make_tuple(UINT(w / 3), 300 + w / 3 - 1, 300));

    // A line is the widest character, a page half the width.
    const int line = Metrics(h, ControlFont(h)).tmMaxCharWidth;
    const std::pair<int, int> steps[] = {{SB_LEFT, 0}, {SB_LINERIGHT, line}, {SB_PAGERIGHT, line + w / 2}, {SB_RIGHT, 300},
                                         {SB_LINERIGHT, 300}, {SB_PAGELEFT, 300 - w / 2}, {SB_LINELEFT, 300 - w / 2 - line}};
    for (auto [code, offset] : steps)
        Command(h, WM_HSCROLL, code, offset < 0 ? 0 : offset, Tarn_GetHorizontalOffset);
    // A narrower extent pulls the offset back within it.
    Tarn_SetHorizontalOffset(h, -1);
    EXPECT_TRUE(Tarn_SetHorizontalExtent(h, w + 100) && Tarn_GetHorizontalOffset(h) == 100);
    EXPECT_TRUE(Tarn_SetHorizontalExtent(h, 0) && Tarn_GetHorizontalOffset(h) == 0);
    Command(h, WM_HSCROLL, SB_RIGHT, 0, Tarn_GetHorizontalOffset);
}

TEST_F(ScrollingTest, MakeColumnVisibleScrollsJustEnough)
{
    HWND h = ListOf(6, 3, WS_HSCROLL, {Column(150), Column(150), Column(150), Column(150)});
    const int w = Client(Tarn_GetHWNDDropDown(h)).right;
    ASSERT_LT(w, 300);
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, 600));
    ClearLog();
    // Right edge to the list's right edge; the last column all the way right;
    // a column starting left of the area comes to 0; out of range: nothing.
    for (auto [column, offset] : {std::make_pair(1, 300 - w), std::make_pair(3, 600 - w), std::make_pair(2, 300),
                                  std::make_pair(0, 0), std::make_pair(4, 0)}) {
        Tarn_MakeColumnVisible(h, column);
        EXPECT_EQ(Tarn_GetHorizontalOffset(h), offset) << "column " << column;
    }
    EXPECT_EQ(Codes(), Ints(4, TARNN_HOFFSETCHANGE));
    // With row 0 scrolled out of view there is no cell to measure.
    Tarn_SetTopIndex(h, 2);
    Tarn_MakeColumnVisible(h, 3);
    EXPECT_EQ(Tarn_GetHorizontalOffset(h), 0);
}

} // namespace
