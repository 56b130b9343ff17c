// The item tree through the DLL on real controls: the exported relations,
// exactly which rows a level change repaints, the overhead-width notification
// of a new deepest level, and subtree deletion with the delete callback.
#include <windows.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/control_fixture.h"

namespace {

using Ints = std::vector<int>;

class HierarchyApiTest : public ControlTest {
protected:
    // A type-0 control whose list shows every row: one row per level (data
    // 100 + index), in `columns` columns 80 pixels wide.
    HWND TreeControl(const Ints& levels, int columns = 1)
    {
        HWND c = Create(TARNS_LISTBOX, 5, 220, 360);
        if (columns > 1) {
            std::vector<ColumnDef> defs(columns);
            for (int i = 0; i < columns; ++i) {
                defs[i].width = 80;
                defs[i].position = i;
                defs[i].backColor = defs[i].textColor = defs[i].selBackColor = defs[i].selTextColor = TARN_COLOR_NONE;
            }
            EXPECT_TRUE(Tarn_SetColumns(c, columns, defs.data()));
        }
        for (size_t i = 0; i < levels.size(); ++i) {
            Tarn_AddString_A(c, ("Row " + std::to_string(i)).c_str());
            Tarn_SetItemData(c, static_cast<int>(i), static_cast<LPARAM>(100 + i));
            Tarn_SetItemLevel(c, static_cast<int>(i), levels[i]);
        }
        Pump();
        return c;
    }
    template <class F>
    Ints Each(HWND c, F f)
    {
        Ints v;
        for (int i = 0; i < Tarn_GetCount(c); ++i)
            v.push_back(static_cast<int>(f(c, i)));
        return v;
    }

    // Rows are one line of the control font high and the list fits whole
    // rows, which the measured client height must confirm.
    void MeasureRows(HWND c)
    {
        list_ = Tarn_GetHWNDDropDown(c);
        ASSERT_NE(list_, nullptr);
        GetClientRect(list_, &client_);
        HDC dc = GetDC(list_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(list_, dc);
        rowHeight_ = tm.tmHeight;
        ASSERT_GT(rowHeight_, 0);
        ASSERT_EQ(client_.bottom % rowHeight_, 0) << "list height " << client_.bottom;
        ASSERT_GE(client_.bottom / rowHeight_, Tarn_GetCount(c)) << "every row must be visible";
        ASSERT_EQ(Tarn_GetTopIndex(c), 0);
        ValidateList();
    }
    RECT RowRect(int row) const { return RECT{0, row * rowHeight_, client_.right, (row + 1) * rowHeight_}; }
    void ValidateList()
    {
        Pump();
        ValidateRect(list_, nullptr);
    }
    // Whether the list's update region is exactly the union of the rows'
    // rectangles (with toEnd: from the first of them to the bottom).
    ::testing::AssertionResult UpdateRegionIs(const Ints& rows, bool toEnd = false)
    {
        HRGN expected = CreateRectRgn(0, 0, 0, 0);
        HRGN update = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(list_, update, FALSE);
        for (int r : rows) {
            RECT rc = RowRect(r);
            rc.bottom = toEnd ? client_.bottom : rc.bottom;
            HRGN one = CreateRectRgnIndirect(&rc);
            CombineRgn(expected, expected, one, RGN_OR);
            DeleteObject(one);
        }
        const bool same = EqualRgn(expected, update) != 0;
        RECT box;
        const int kind = GetRgnBox(update, &box);
        DeleteObject(expected);
        DeleteObject(update);
        if (same)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "update region " << (kind == COMPLEXREGION ? "in parts " : "")
                                             << "from y " << box.top << " to " << box.bottom << ", rows of " << rowHeight_;
    }

    HWND list_ = nullptr;
    RECT client_ = {};
    int rowHeight_ = 0;
};

// Each export once on the 0,1,2,2,1,0 tree, with a value no other relation gives.
TEST_F(HierarchyApiTest, ExportedRelationsAndBadRows)
{
    HWND c = TreeControl({0, 1, 2, 2, 1, 0});
    ASSERT_EQ(Each(c, Tarn_GetItemLevel), (Ints{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(Tarn_GetParent(c, 3), 1);
    EXPECT_EQ(Tarn_GetTopParent(c, 3), 0);
    EXPECT_EQ(Tarn_GetDependent(c, 0, TARN_DEPENDENT_LAST), 4);
    EXPECT_EQ(Tarn_GetDependentCount(c, 0, FALSE), 2);
    EXPECT_EQ(Tarn_GetDependentCount(c, 0, TRUE), 4);
    EXPECT_EQ(Tarn_GetSibling(c, 0, TARN_SIBLING_LAST), 5);
    EXPECT_EQ(Tarn_GetSibling(c, 1, TARN_SIBLING_NEXT), 4);
    for (int bad : {-1, 6}) {
        EXPECT_EQ(Tarn_GetItemLevel(c, bad), -1);
        EXPECT_FALSE(Tarn_SetItemLevel(c, bad, 1));
        EXPECT_EQ(Tarn_GetParent(c, bad), -1);
        EXPECT_EQ(Tarn_GetTopParent(c, bad), -1);
        EXPECT_EQ(Tarn_GetDependent(c, bad, TARN_DEPENDENT_FIRST), -1);
        EXPECT_EQ(Tarn_GetDependentCount(c, bad, FALSE), -1);
        EXPECT_EQ(Tarn_GetSibling(c, bad, TARN_SIBLING_FIRST), -1);
        EXPECT_EQ(Tarn_DeleteDependents(c, bad), -1);
    }
    EXPECT_EQ(Tarn_GetDependent(c, 0, 3), -1);
    EXPECT_EQ(Tarn_GetSibling(c, 0, 0), -1);
    EXPECT_EQ(Tarn_GetSibling(c, 0, 5), -1);
    EXPECT_EQ(Tarn_GetCount(c), 6);
}

// Each change starts again from the 0,1,2,2,1,0 tree (maxLevel already 2).
TEST_F(HierarchyApiTest, ALevelChangeRepaintsExactlyTheRowsWhoseTreeLinesChange)
{
    const struct { int row, level; Ints repainted; } changes[] = {
        {3, 1, {1, 2, 3}},            // lowered: back to the sibling it joins
        {4, 0, {0, 1, 2, 3, 4}},      // lowered to the root's level: back to the root
        {1, 0, {0, 1, 2, 3, 4}},      // lowered: back to the root, forward over its new run
        {1, 2, {1, 2, 3}},            // raised: forward over its old run, not above
        {5, 1, {0, 1, 2, 3, 4, 5}},   // raised: back to the root it now hangs under
        {2, 1, {1, 2, 3}},            // lowered: the row after now hangs under it
        {0, 0, {}},                   // unchanged: nothing at all
    };
    for (const auto& change : changes) {
        SCOPED_TRACE("row " + std::to_string(change.row) + " to level " + std::to_string(change.level));
        HWND c = TreeControl({0, 1, 2, 2, 1, 0});
        MeasureRows(c);
        ClearLog();
        EXPECT_TRUE(Tarn_SetItemLevel(c, change.row, change.level));
        EXPECT_EQ(Tarn_GetItemLevel(c, change.row), change.level);
        EXPECT_TRUE(UpdateRegionIs(change.repainted));
        EXPECT_EQ(Codes(), Ints{});   // not deeper than 2: no overhead change
        DestroyWindow(c);
    }
}

TEST_F(HierarchyApiTest, ANewDeepestLevelRepaintsAllRowsOnlyWhenColumnsFollow)
{
    // One column: the indentation widens (notification 12), but only the
    // rows of the level change are repainted.
    HWND c = TreeControl({0, 1, 2, 2, 1, 0});
    MeasureRows(c);
    ClearLog();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 2, 3));
    EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
    EXPECT_TRUE(UpdateRegionIs({2}));
    DestroyWindow(c);

    // Two columns: not deeper repaints the exact rows; deeper moves the
    // second column right, so every row is repainted.
    c = TreeControl({0, 1, 2, 2, 1, 0}, 2);
    MeasureRows(c);
    EXPECT_TRUE(Tarn_SetItemLevel(c, 4, 0));
    EXPECT_TRUE(UpdateRegionIs({0, 1, 2, 3, 4}));
    ValidateList();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 2, 3));
    EXPECT_TRUE(UpdateRegionIs({0}, true));

    // Without redraw levels are stored and the indentation follows, but nothing repaints.
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    ValidateList();
    ClearLog();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 3, 0));
    EXPECT_TRUE(Tarn_SetItemLevel(c, 1, 4));
    EXPECT_EQ(Each(c, Tarn_GetItemLevel), (Ints{0, 4, 3, 0, 0, 0}));
    EXPECT_TRUE(UpdateRegionIs({}));
    EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
}

TEST_F(HierarchyApiTest, OnlyANewDeepestLevelChangesTheOverheadWidth)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE("type " + std::to_string(type));
        HWND c = Create(type, 9);
        AddItems(c, 4);
        Pump();
        ClearLog();
        Tarn_SetItemLevel(c, 1, 1);    // 0 -> 1: deeper
        Tarn_SetItemLevel(c, 2, 3);    // deeper again
        Tarn_SetItemLevel(c, 3, 2);    // below the deepest
        Tarn_DeleteString(c, 2);       // the deepest row goes, the deepest level stays
        Tarn_SetItemLevel(c, 2, 3);
        EXPECT_EQ(Codes(), (Ints{TARNN_OVERHEADCHANGE, TARNN_OVERHEADCHANGE}));
        for (const Notification& n : Log())
            EXPECT_TRUE(n.id == 9 && n.sender == c);
        EXPECT_EQ(Each(c, Tarn_GetItemLevel), (Ints{0, 1, 3}));
        DestroyWindow(c);
        Pump();
    }
}

using Reports = std::vector<std::tuple<HWND, int, LPARAM, LPARAM>>;
Reports g_reports;

void CALLBACK RecordReport(HWND hwnd, int index, LPARAM data, LPARAM user)
{
    g_reports.emplace_back(hwnd, index, data, user);
}

TEST_F(HierarchyApiTest, DeletingDependentsReportsEachRowAndRepaintsFromTheItemDown)
{
    HWND c = TreeControl({0, 1, 2, 2, 1, 0, 1, 2});
    TarnDeleteCallbackInfo info = {RecordReport, 31};
    ASSERT_TRUE(Tarn_SetDeleteCallback(c, &info));
    g_reports.clear();
    MeasureRows(c);
    ClearLog();

    EXPECT_EQ(Tarn_DeleteDependents(c, 1), 6);
    EXPECT_EQ(Each(c, Tarn_GetItemLevel), (Ints{0, 1, 1, 0, 1, 2}));
    EXPECT_EQ(g_reports, (Reports{{c, 2, 102, 31}, {c, 2, 103, 31}}));
    EXPECT_TRUE(UpdateRegionIs({1}, true));
    EXPECT_EQ(Codes(), Ints{});

    // The last root's subtree; then a leaf, which changes nothing.
    EXPECT_EQ(Tarn_DeleteDependents(c, 3), 4);
    EXPECT_EQ(Tarn_DeleteDependents(c, 2), 4);
    EXPECT_EQ(g_reports.size(), 4u);
    EXPECT_EQ(Each(c, Tarn_GetItemData), (Ints{100, 101, 104, 105}));
    DestroyWindow(c);
    EXPECT_EQ(g_reports.size(), 8u);   // the four left are reported at destruction
}

TEST_F(HierarchyApiTest, DeletingTheCommittedRowWithItsSubtreeEmptiesTheEditField)
{
    HWND c = TreeControl({0, 1, 0});
    ASSERT_EQ(Tarn_SetCurSel(c, 1), 0);
    char text[32] = "#";
    GetWindowTextA(Tarn_GetHWNDEdit(c), text, sizeof text);
    EXPECT_STREQ(text, "Row 1");
    ClearLog();
    EXPECT_EQ(Tarn_DeleteDependents(c, 0), 2);
    EXPECT_EQ(Tarn_GetCurSel(c), -1);
    GetWindowTextA(Tarn_GetHWNDEdit(c), text, sizeof text);
    EXPECT_STREQ(text, "");
    for (int code : Codes())
        EXPECT_NE(code, TARNN_SELCHANGE);   // cleared without notification
}

} // namespace
