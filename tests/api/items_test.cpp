// The item functions on real control windows: every bad index, column and
// buffer each function refuses, a header text cut to its buffer, and the item
// tree: exactly which rows a level change repaints, and subtree deletion with
// the delete callback.
#include "support/control_fixture.h"

#include <functional>
#include <cstring>
#include <tuple>

namespace {

class ItemsTest : public ControlTest {};
char g_buf[32];
// A read's result, or 999 when it left the poisoned buffer as it was.
long long Emptied(long long result) { return g_buf[0] == '\0' ? result : 999; }

// Each function with the value it returns for a refused argument, over the
// bad arguments given: rows -2, -1 (no current item), count, count + 1;
// columns -2, -1, count, count + 1; a selector out of range; a NULL record
// or buffer (argument 0 stands for "NULL" there). A buffer is emptied
// even when the call fails. (The fuzzer gives the item operations, text,
// level, data, selection and format setters bad rows and columns; the data
// tests walk the tree from bad rows and store formats in bad columns.)
TEST_F(ItemsTest, EveryFunctionRefusesBadRowsColumnsSelectorsAndNullBuffers)
{
    HWND h = Create(TARNS_LISTBOX, 3, {200, 150}, {Column(60), Column(60)});
    Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS), Tarn_SetRowHeaderWidth(h, 20), ClearLog();
    auto cell = [](int row) { return CellInfo{TARN_CELLINFO_VERSION, row, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, 0}; };
    auto rowInfo = [](int row) { return RowInfo{TARN_ROWINFO_VERSION, row, 0, 0, 0, 0, nullptr, 0}; };
    auto empty = [](RECT rc) { return rc.left | rc.top | rc.right | rc.bottom; };
    const std::vector<int> rows = {-2, -1, 3, 4}, realRows = {-2, 3, 4}, cols = {-2, -1, 2, 3}, null = {0};
    const struct { const char* name; std::function<long long(HWND, int)> call; long long failure; std::vector<int> args; } cases[] = {
        {"GetText row", [](HWND w, int i) { return Emptied(Tarn_GetText_A(w, i, 0, g_buf)); }, -1, rows},
        {"GetText column", [](HWND w, int i) { return Emptied(Tarn_GetText_A(w, 0, i, g_buf)); }, -1, cols},
        {"GetText NULL", [](HWND w, int) { return Tarn_GetText_A(w, 0, 0, nullptr); }, -1, null},
        {"GetTextLength row", [](HWND w, int i) { return Tarn_GetTextLength(w, i, 0); }, -1, rows},
        {"GetRowText", [](HWND w, int i) { return Emptied(Tarn_GetRowText_A(w, i, g_buf)); }, -1, rows},
        {"GetRowText NULL", [](HWND w, int) { return Tarn_GetRowText_A(w, 0, nullptr); }, -1, null},
        {"SetRowText", [](HWND w, int i) { return Tarn_SetRowText_A(w, i, "x"); }, 0, rows},
        {"GetItemData", [](HWND w, int i) { return Tarn_GetItemData(w, i); }, -1, rows},
        {"GetItemBitmap", [](HWND w, int i) { return Tarn_GetItemBitmap(w, i) != nullptr; }, 0, rows},
        {"GetItemLevel", [](HWND w, int i) { return Tarn_GetItemLevel(w, i); }, -1, rows},
        {"GetSibling which", [](HWND w, int i) { return Tarn_GetSibling(w, 0, i); }, -1, {-1, 0, 5}},
        {"SetCellInfo row", [&](HWND w, int i) { auto c = cell(i); return Tarn_SetCellInfo(w, &c); }, 0, {-2, 3, 4}},
        {"SetCellInfo NULL", [](HWND w, int) { return Tarn_SetCellInfo(w, nullptr); }, 0, null},
        {"GetCellInfo row", [&](HWND w, int i) { auto c = cell(i); return Tarn_GetCellInfo(w, &c); }, 0, rows},
        {"GetCellInfo NULL", [](HWND w, int) { return Tarn_GetCellInfo(w, nullptr); }, 0, null},
        {"SetRowInfo NULL", [](HWND w, int) { return Tarn_SetRowInfo(w, nullptr); }, 0, null},
        {"GetRowInfo", [&](HWND w, int i) { auto r = rowInfo(i); return Tarn_GetRowInfo(w, &r); }, 0, rows},
        {"SetTopIndex", [](HWND w, int i) { return Tarn_SetTopIndex(w, i); }, -1, rows},
        {"GetItemHeight", [](HWND w, int i) { return Tarn_GetItemHeight(w, i); }, -1, realRows},
        {"GetItemRect", [&](HWND w, int i) { RECT rc = {1, 1, 1, 1}; return Tarn_GetItemRect(w, i, &rc) + empty(rc); }, -1, realRows},
        {"GetItemRect NULL", [](HWND w, int) { return Tarn_GetItemRect(w, 0, nullptr); }, -1, null},
        {"GetCellRect row", [](HWND w, int i) { return Tarn_GetCellRect(w, i, 0) != nullptr; }, 0, rows},
        {"GetRowHeaderRect", [&](HWND w, int i) { RECT rc = {1, 1, 1, 1}; return Tarn_GetRowHeaderRect(w, i, &rc), empty(rc); },
         0, realRows},
        {"GetRowHeaderRect NULL", [](HWND w, int) { Tarn_GetRowHeaderRect(w, 0, nullptr); return 0; }, 0, null},
        {"CalcIndexFromPoint NULL", [](HWND w, int) { int in; return Tarn_CalcIndexFromPoint(w, nullptr, &in); }, -1, null},
        {"GetHeader", [](HWND w, int i) { return Emptied(Tarn_GetHeader_A(w, i, g_buf, sizeof g_buf)); }, -1, cols},
        {"GetHeader NULL", [](HWND w, int) { return Tarn_GetHeader_A(w, 0, nullptr, 10); }, 0, null},
        {"SetHeaderButton", [](HWND w, int i) { return Tarn_SetHeaderButton(w, i); }, 0, {-2, 2, 3}},
        {"GetHeaderRect", [&](HWND w, int i) { RECT rc = {1, 1, 1, 1}; Tarn_GetHeaderRect(w, i, &rc); return empty(rc); }, 0, {-2, 2, 3}},
        {"GetRowColText NULL", [](HWND w, int) { return Tarn_GetRowColText_A(w, nullptr, 10); }, 0, null},
        {"GetDroppedControlRect NULL", [](HWND w, int) { return Tarn_GetDroppedControlRect(w, nullptr); }, -1, null},
    };
    for (const auto& c : cases)
        for (int arg : c.args)
            EXPECT_EQ((std::memset(g_buf, '#', sizeof g_buf), c.call(h, arg)), c.failure) << c.name << "(" << arg << ")";
    // Nobody was told, and no row or header button got chosen. (That the rows
    // stay as they were: the fuzzer.)
    EXPECT_TRUE(Codes().empty() && Tarn_GetCurSel(h) == -1 && Tarn_GetHeaderButton(h) == -1);
    // A header text is cut to the buffer; the pressed header goes with its column.
    EXPECT_TRUE(Tarn_SetHeader_A(h, 0, "Name") && Tarn_GetHeader_A(h, 0, g_buf, 3) == 2 && !std::strcmp(g_buf, "Na"));
    EXPECT_TRUE(Tarn_SetHeaderButton(h, 1) && (Tarn_ResetContent(h), SetColumns(h, {Column(30)})) && Tarn_GetHeaderButton(h) == -1);
}

class HierarchyApiTest : public ControlTest {
protected:
    // A type-0 control whose list shows every row: one row per level (data
    // 100 + index), in `columns` columns 80 pixels wide, the list validated.
    HWND Tree(const Ints& levels, int columns = 1)
    {
        HWND c = Create(TARNS_LISTBOX, static_cast<int>(levels.size()), {220, 360}, std::vector<ColumnDef>(columns, Column(80)));
        for (int i = 0; i < static_cast<int>(levels.size()); ++i)
            Tarn_SetItemData(c, i, 100 + i), Tarn_SetItemLevel(c, i, levels[i]);
        list_ = Tarn_GetHWNDDropDown(c), row_ = Metrics(c, ControlFont(c)).tmHeight;
        EXPECT_GE(Client(list_).bottom / row_, Tarn_GetCount(c)) << "every row must be visible";
        ValidateAll(c);
        return c;
    }
    // What the list repaints: rows first..last, or from first to the bottom.
    RECT Rows(int first, int last, bool toEnd = false) const
    {
        const RECT c = Client(list_);
        return first > last ? RECT{} : RECT{0, first * row_, c.right, toEnd ? c.bottom : (last + 1) * row_};
    }
    HWND list_ = nullptr;
    int row_ = 0;
};

// Each change starts again from its tree (0,1,2,2,1,0: deepest level 2). A
// new deepest level widens the indentation (told once); with one column only
// the row repaints, with two the second column moves, so every row does.
TEST_F(HierarchyApiTest, ALevelChangeRepaintsExactlyTheRowsWhoseTreeLinesChange)
{
    const struct { int row, level, columns, first, last; bool toEnd = false; Ints tree = {0, 1, 2, 2, 1, 0}; } changes[] = {
        {3, 1, 1, 1, 3},   // lowered: back to the sibling it joins
        {1, 0, 1, 0, 4},   // lowered: back to the root, forward over its new run
        {1, 2, 1, 1, 3},   // raised: forward over its old run, not above
        {5, 1, 1, 0, 5},   // raised: back to the root it now hangs under
        {2, 1, 1, 1, 3},   // lowered: the row after now hangs under it
        {0, 0, 1, 1, 0},   // unchanged: nothing at all
        {4, 0, 2, 0, 4},   // not deeper: the same rows with two columns
        {2, 3, 1, 2, 2},
        {2, 3, 2, 0, 0, true},
        {3, 1, 1, 2, 3, false, {0, 1, 1, 2}},   // lowered: back to its new sibling only
    };
    for (const auto& c : changes) {
        HWND h = Tree(c.tree, c.columns);
        EXPECT_TRUE(Tarn_SetItemLevel(h, c.row, c.level) && Tarn_GetItemLevel(h, c.row) == c.level);
        EXPECT_EQ(UpdateRect(list_), Rows(c.first, c.last, c.toEnd)) << "row " << c.row << " to " << c.level << ", " << c.columns;
        EXPECT_EQ(Codes(), c.level > 2 ? Ints{TARNN_OVERHEADCHANGE} : Ints{});
        DestroyWindow(h);
    }
}

using Reports = std::vector<std::tuple<HWND, int, LPARAM, LPARAM>>;
Reports g_reports;
void CALLBACK RecordReport(HWND hwnd, int index, LPARAM data, LPARAM user) { g_reports.emplace_back(hwnd, index, data, user); }

// Deleting the dependents reports each row to the callback with the control
// and the callback's value, repaints from the item down, and takes a
// committed row with it without a notification. (The tree walks: the data
// tests; the rows left, the count returned and the reports at destruction:
// the fuzzer.)
TEST_F(HierarchyApiTest, DeletingDependentsReportsRepaintsAndTakesTheCommittedRow)
{
    HWND c = Tree({0, 1, 2, 2, 1, 0, 1, 2});
    TarnDeleteCallbackInfo info = {RecordReport, 31};
    ASSERT_TRUE(Tarn_SetDeleteCallback(c, &info) && Tarn_SetCurSel(c, 2) == 0);
    g_reports.clear();
    ValidateAll(c);
    EXPECT_EQ(Tarn_DeleteDependents(c, 1), 6);
    EXPECT_EQ(g_reports, (Reports{{c, 2, 102, 31}, {c, 2, 103, 31}}));
    EXPECT_EQ(UpdateRect(list_), Rows(1, 1, true));
    EXPECT_TRUE(Tarn_GetCurSel(c) == -1 && WindowText(Tarn_GetHWNDEdit(c)).empty() && Codes().empty());
}

// A deleted row repaints from its place down, the last row and the only one
// included; nobody is told.
TEST_F(HierarchyApiTest, DeletingARowRepaintsFromItsPlaceDown)
{
    const struct { Ints tree; int row; } deletions[] = {{{0, 0, 0}, 1}, {{0, 0, 0}, 2}, {{0}, 0}, {{0, 0}, 0}};
    for (const auto& d : deletions) {
        HWND h = Tree(d.tree);
        EXPECT_EQ(Tarn_DeleteString(h, d.row), static_cast<int>(d.tree.size()) - 1);
        EXPECT_EQ(UpdateRect(list_), Rows(d.row, d.row, true)) << "row " << d.row << " of " << d.tree.size();
        EXPECT_TRUE(Codes().empty());
        DestroyWindow(h);
    }
}

// With rows of their own heights, a text that wraps to more lines or a larger
// cell font moves the rows below, so they repaint too; a change that keeps
// the height repaints its row.
TEST_F(HierarchyApiTest, AChangeOfARowsHeightRepaintsTheRowsBelow)
{
    HWND h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT, 3, {220, 360}, {Column(60, TARNCF_WORDWRAP), Column(60)});
    list_ = Tarn_GetHWNDDropDown(h);
    ASSERT_TRUE(Tarn_SetItemLines(h, 3));
    RECT row = {}, client = Client(list_);
    ASSERT_EQ(Tarn_GetItemRect(h, 1, &row), 0);
    HFONT big = CreateFontA(3 * (row.bottom - row.top), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    CellInfo cell = {TARN_CELLINFO_VERSION, 1, 1, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, 0, 0, 0, big, nullptr, 0, 0};
    const struct { const char* name; std::function<BOOL(HWND)> change; bool taller; } changes[] = {
        {"short text", [](HWND w) { return Tarn_SetText_A(w, 1, 0, "x"); }, false},
        {"wrapped text", [](HWND w) { return Tarn_SetText_A(w, 1, 0, "a text that wraps over several lines"); }, true},
        {"cell font", [&](HWND w) { return Tarn_SetCellInfo(w, &cell); }, true},
    };
    for (const auto& c : changes) {
        Tarn_SetText_A(h, 1, 0, "x"), ValidateAll(h);
        ASSERT_TRUE(c.change(h)) << c.name;
        EXPECT_EQ(Tarn_GetItemHeight(h, 1) > row.bottom - row.top, c.taller) << c.name;
        EXPECT_EQ(UpdateRect(list_), (RECT{0, row.top, client.right, c.taller ? client.bottom : row.bottom})) << c.name;
    }
    DestroyWindow(h), DeleteObject(big);
}

} // namespace
