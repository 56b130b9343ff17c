// Virtual mode against a fake application store: rows lent one at a time and
// each given back, the refusals, callbacks that pull the control from under a
// paint, and a hundred million rows.
#include "support/control_fixture.h"

// One record for any row, made in the fetch (where `during` runs) and handed
// over as it returns, scribbled over when it comes back. Its second text
// points nowhere unless there are two columns, so a read past the columns the
// record was made for crashes. A fault is a row lent beside another, to a
// dead control, or given back out of turn.
static struct Store { int lent = -1, fetches = 0, releases = 0, faults = 0; Ints fetched;
               std::function<void(HWND, int)> during; char text[32], *texts[2]; TarnItem item; } g;

static void CALLBACK Fetch(HWND h, LPARAM, int index, TarnItem** out)
{
    g.faults += g.lent >= 0 || !IsWindow(h), g.lent = index, ++g.fetches, g.texts[1] = Tarn_GetColumns(h, nullptr) > 1 ? nullptr : (char*)1;
    snprintf(g.text, 32, "Row %d", index), g.fetched.push_back(index), g.during ? g.during(h, index) : void(), *out = &g.item;
}

static void CALLBACK Release(HWND, LPARAM, int i, TarnItem* p) { g.faults += i != g.lent || p != &g.item, g.lent = -1, ++g.releases, *g.text = '#'; }

struct VirtualTest : ControlTest {
    HWND Virtual(int rows) { HWND h = (g = Store{}, g.item.texts = g.texts, *g.texts = g.text, Create(TARNS_LISTBOX | WS_VSCROLL));
        return Tarn_VirtualInitialize(h, Fetch, Release, 0), Tarn_VirtualCount(h, rows), ValidateAll(h), h; }
    // Once the control is gone, every record fetched has come back.
    static bool Paired(HWND h) { return DestroyWindow(h), g.lent == -1 && g.fetches == g.releases && !g.faults; }
};

// Every change of rows is refused without effect, and so is virtual mode for
// a control with rows or without a fetch: each result here must be 0.
TEST_F(VirtualTest, RefusalsChangeNothing)
{
    HWND plain = Create(TARNS_LISTBOX, 1), h = Virtual(40);
    CellInfo cell = {}; RowInfo row = {}; cell.version = row.version = cell.row = row.row = 1;
    const std::vector<LONG_PTR> failed = {Tarn_AddString_A(h, "x") + 1, Tarn_InsertString_A(h, 1, "x") + 1, Tarn_DeleteString(h, 1) + 1,
        Tarn_DeleteDependents(h, 1) + 1, Tarn_CopyItem(h, 1, 2) + 1, Tarn_MoveItem(h, 1, 2) + 1, Tarn_SetText_A(h, 1, 0, "x"),
        Tarn_SetRowText_A(h, 1, "x"), Tarn_SetItemData(h, 1, 5) + 1, Tarn_SetItemStatus(h, 1, 0), Tarn_SetItemLevel(h, 1, 1),
        Tarn_SetItemLabel(h, 1, nullptr), Tarn_SetItemBitmap(h, 1, nullptr), Tarn_SetCellInfo(h, &cell), Tarn_SetRowInfo(h, &row),
        Tarn_SetDeleteCallback(h, nullptr), Tarn_SortItems(h, -1, 0, nullptr), Tarn_SortItemsEx(h, -1, 0, nullptr), (Tarn_ResetContent(h), 0), Tarn_VirtualInitialize(h, nullptr, Release, 0),
        Tarn_VirtualCount(h, -1), Tarn_VirtualItemChanged(h, 40), Tarn_VirtualInitialize(plain, Fetch, Release, 0),
        Tarn_VirtualCount(plain, 5), Tarn_VirtualItemChanged(plain, 0), Tarn_GetCount(h) - 40, Tarn_GetCount(plain) - 1,
        g.fetches - g.releases - (g.lent >= 0), LONG_PTR(Codes().size()), !Paired(h)};
    EXPECT_EQ(failed, std::vector<LONG_PTR>(failed.size()));
}

// The application destroys the control, counts rows away or changes the
// columns inside a fetch of a paint: the paint stops, or goes on past the row
// fetched across the change, and every record comes back.
TEST_F(VirtualTest, AFetchThatPullsTheControlAwayEndsThePaintCleanly)
{
    const struct { std::function<void(HWND)> act; int count; } cases[] = {{[](HWND h) { DestroyWindow(h); }, -1},
        {[](HWND h) { Tarn_VirtualCount(h, 2); }, 2}, {[](HWND h) { SetColumns(h, {Column(80), Column(80)}); }, 40}};
    for (const auto& c : cases) {
        HWND h = Virtual(40), list = Tarn_GetHWNDDropDown(h);
        g.during = [&](HWND w, int row) { row == 3 ? c.act(w) : void(); };
        g.fetched.clear(), InvalidateRect(list, nullptr, FALSE), UpdateWindow(list), g.during = nullptr;
        EXPECT_TRUE((g.fetched.size() > 4) == (c.count > 3) && (Pump(), Tarn_GetCount(h) == c.count) && Paired(h)) << c.count;
    }
}

// Jumps and scroll commands to the end, a paint of the last page fetching
// just its rows, the getters there, change notices (each gives the lent row
// back and marks its row, row header included, or all), and a new count that
// clears the selection with notification 5 and starts at the top.
TEST_F(VirtualTest, AHundredMillionRowsScrolledToTheirEnd)
{
    const int rows = 100000000, last = rows - 1;
    HWND h = Virtual(rows), list = Tarn_GetHWNDDropDown(h);
    const int top = rows - Tarn_GetItemsShown(h);
    EXPECT_TRUE(Tarn_SetTopIndex(h, last) == 0 && Tarn_GetTopIndex(h) == top && !Tarn_SetTopIndex(h, 0) &&
                (SendMessageA(list, WM_VSCROLL, SB_BOTTOM, 0), Tarn_GetTopIndex(h)) == top);
    g.fetched.clear(), InvalidateRect(list, nullptr, FALSE), UpdateWindow(list);
    EXPECT_TRUE(g.fetched.front() == top && g.fetched.back() == last && g.fetched.size() == size_t(rows - top) &&
                Tarn_GetTextLength(h, last, 0) == 12 && Tarn_GetTextLength(h, rows, 0) == -1);
    for (auto [index, marked] : {std::make_pair(top, RECT{0, 0, Client(list).right, Tarn_GetItemHeight(h, top)}),
                                 std::make_pair(-1, Client(list))})
        EXPECT_TRUE((ValidateAll(h), Tarn_GetTextLength(h, 7, 0)) == 5 && Tarn_VirtualItemChanged(h, index) && g.lent == -1 &&
                    UpdateRect(list) == marked) << index;
    EXPECT_TRUE(!Tarn_SetCurSel(h, last) && Tarn_VirtualCount(h, 3) && Codes() == Ints(2, TARNN_SELCHANGE) &&
                Tarn_GetCurSel(h) == -1 && !Tarn_GetTopIndex(h) && WindowText(Tarn_GetHWNDEdit(h)).empty() && Paired(h));
}
