// Scrolling on real controls: the top index, bringing rows and columns into
// view, the horizontal offset, both scroll bars read back from the list
// window, and the scroll commands it receives with what they send.
#include "support/control_fixture.h"

#include <functional>
#include <tuple>

namespace {

SCROLLINFO Bar(HWND list, int bar)
{
    SCROLLINFO si = {sizeof si, SIF_ALL, -99, -99, 0, -99, 0};
    GetScrollInfo(list, bar, &si);
    return si;
}

// Hidden (0), shown (1) or shown disabled (2).
int BarState(HWND list, LONG object = OBJID_VSCROLL)
{
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    GetScrollBarInfo(list, object, &info);
    return info.rgstate[0] & STATE_SYSTEM_INVISIBLE ? 0 : info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE ? 2 : 1;
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
};

// The top keeps the last page full, repaints only on a change and notifies
// nothing; with redrawing off nothing is repainted until it is turned on. A
// row made visible moves the top as little as possible and notifies. The
// vertical bar follows.
TEST_F(ScrollingTest, TopIndexScrollBarAndMakeRowVisible)
{
    HWND h = ListOf(10, 4), list = Tarn_GetHWNDDropDown(h);
    EXPECT_TRUE(Tarn_SetTopIndex(h, 8) == 0 && Tarn_GetTopIndex(h) == 6);
    ValidateAll(h);
    EXPECT_TRUE(Tarn_SetTopIndex(h, 6) == 0 && UpdateRect(list) == RECT{});
    SendMessageA(h, WM_SETREDRAW, FALSE, 0);
    EXPECT_TRUE(Tarn_SetTopIndex(h, 1) == 0 && UpdateRect(list) == RECT{} && Codes().empty()) << "redrawing off";
    SendMessageA(h, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(UpdateRect(list), Client(list));
    Tarn_SetTopIndex(h, 0);
    for (auto [row, top] : {std::make_pair(2, 0), std::make_pair(7, 4), std::make_pair(1, 1), std::make_pair(10, 1)})
        EXPECT_EQ((Tarn_MakeRowVisible(h, row), Tarn_GetTopIndex(h)), top) << "row " << row;
    EXPECT_EQ(Codes(), Ints(2, TARNN_TOPINDEXCHANGE));
    // The bar shows the rows; with too few rows it goes away, or with
    // disable-no-scroll stays disabled; without WS_VSCROLL it is never shown.
    Tarn_SetTopIndex(h, 3);
    const SCROLLINFO si = Bar(list, SB_VERT);
    EXPECT_EQ(std::make_tuple(si.nMin, si.nMax, si.nPage, si.nPos), std::make_tuple(0, 9, 4u, 3));
    Tarn_ResetContent(h), Tarn_AddString_A(h, "only");
    EXPECT_EQ(BarState(list), 0);
    Tarn_SetDisableNoScroll(h, 5);
    EXPECT_EQ(BarState(list) * 10 + Tarn_GetDisableNoScroll(h), 21);
    EXPECT_EQ((AddItems(h, 9), BarState(list)), 1);
    HWND plain = ListOf(10, 4, 0);
    EXPECT_EQ((Tarn_SetTopIndex(plain, 5), BarState(Tarn_GetHWNDDropDown(plain))), 0);
}

// Only the bars asked for at creation ever exist: with few rows they are
// hidden, or with disable-no-scroll (at creation or later) shown disabled.
TEST_F(ScrollingTest, DisableNoScrollShowsOnlyTheBarsAskedFor)
{
    for (LONG bars : {0L, WS_VSCROLL, WS_HSCROLL, WS_VSCROLL | WS_HSCROLL})
        for (int keep : {0, 1, 2}) {   // none, at creation, set afterwards
            HWND h = Create(TARNS_LISTBOX | bars | (keep == 1 ? TARNS_DISABLENOSCROLL : 0), 2), list = Tarn_GetHWNDDropDown(h);
            Tarn_SetDisableNoScroll(h, keep != 0);
            EXPECT_EQ(Ints({BarState(list), BarState(list, OBJID_HSCROLL)}),
                      Ints({bars & WS_VSCROLL && keep ? 2 : 0, bars & WS_HSCROLL && keep ? 2 : 0})) << bars << " " << keep;
        }
}

// A row change repaints only the rows it moves (none below the page), the
// bar takes the new range at once, and the edit field, whose text and place
// stay, is left alone.
TEST_F(ScrollingTest, RowChangesRepaintOnlyTheRowsTheyMove)
{
    HWND h = ListOf(10, 4), list = Tarn_GetHWNDDropDown(h), edit = Tarn_GetHWNDEdit(h);
    RECT row2;
    Tarn_GetItemRect(h, 2, &row2);
    const RECT fromRow2 = {row2.left, row2.top, Client(list).right, Client(list).bottom};
    const std::pair<std::function<void()>, RECT> steps[] = {
        {[&] { Tarn_AddString_A(h, "below"); }, RECT{}},
        {[&] { Tarn_DeleteString(h, 9); }, RECT{}},
        {[&] { Tarn_InsertString_A(h, 2, "inside"); }, fromRow2},
        {[&] { Tarn_SetTopIndex(h, 1); }, RECT{}}};
    for (const auto& [step, repainted] : steps) {
        step();
        EXPECT_EQ(UpdateRect(list), repainted);
        EXPECT_EQ(UpdateRect(edit), RECT{});
        EXPECT_EQ(Bar(list, SB_VERT).nMax, Tarn_GetCount(h) - 1);
        ValidateAll(h);
    }
}

// Each command to the list window moves the top or the offset and notifies
// once for a change. A vertical line is a row, a page the rows shown.
TEST_F(ScrollingTest, ScrollCommandsMoveTheTopAndTheOffsetAndNotifyOnce)
{
    HWND h = ListOf(10, 4, WS_VSCROLL | WS_HSCROLL), list = Tarn_GetHWNDDropDown(h);
    const int w = Client(list).right;
    auto command = [&](UINT msg, int code, int expected) {
        auto get = msg == WM_VSCROLL ? Tarn_GetTopIndex : Tarn_GetHorizontalOffset;
        const int before = get(h), notification = msg == WM_VSCROLL ? TARNN_TOPINDEXCHANGE : TARNN_HOFFSETCHANGE;
        ClearLog(), SendMessageA(list, msg, code, 0);
        EXPECT_TRUE(get(h) == expected && Codes() == (expected != before ? Ints{notification} : Ints{})) << "code " << code;
    };
    for (auto [code, top] : {std::make_pair(SB_LINEDOWN, 1), {SB_PAGEDOWN, 5}, {SB_PAGEDOWN, 6}, {SB_LINEDOWN, 6}, {SB_LINEUP, 5},
                             {SB_TOP, 0}, {SB_LINEUP, 0}, {SB_BOTTOM, 6}, {SB_PAGEUP, 2}, {SB_ENDSCROLL, 2}}) {
        command(WM_VSCROLL, code, top);
        EXPECT_EQ(Bar(list, SB_VERT).nPos, top);
    }

    // The offset: -2 is refused, too far is clamped, -1 is as far as
    // possible; the bar follows.
    EXPECT_TRUE(!Tarn_SetHorizontalExtent(h, -1) && Tarn_SetHorizontalOffset(h, -1) && !Tarn_GetHorizontalOffset(h));
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, w + 300) && Tarn_GetHorizontalExtent(h) == w + 300);
    EXPECT_TRUE(!Tarn_SetHorizontalOffset(h, -2) && Tarn_SetHorizontalOffset(h, 5000) && Tarn_GetHorizontalOffset(h) == 300);
    EXPECT_TRUE(Tarn_SetHorizontalOffset(h, 0) && Tarn_SetHorizontalOffset(h, -1) && Tarn_GetHorizontalOffset(h) == 300);
    EXPECT_EQ(Bar(list, SB_HORZ).nPos, 300);
    for (auto [code, offset] : {std::make_pair(SB_LEFT, 0), {SB_LINELEFT, 0}, {SB_RIGHT, 300}, {SB_LINERIGHT, 300}})
        command(WM_HSCROLL, code, offset);
    SendMessageA(list, WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_TRUE(Tarn_GetHorizontalOffset(h) > 0 && Tarn_GetHorizontalOffset(h) < 300) << "a page is part of the way";
    // A narrower extent pulls the offset back within it.
    Tarn_SetHorizontalOffset(h, -1);
    EXPECT_TRUE(Tarn_SetHorizontalExtent(h, w + 100) && Tarn_GetHorizontalOffset(h) == 100);
    EXPECT_TRUE(Tarn_SetHorizontalExtent(h, 0) && Tarn_GetHorizontalOffset(h) == 0);
    command(WM_HSCROLL, SB_RIGHT, 0);
}

} // namespace
