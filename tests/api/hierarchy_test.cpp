// The item tree through the DLL on real controls: the exported relations,
// exactly which rows a level change repaints, maxLevel with the overhead-width
// notification, and subtree deletion with the delete callback.
#include <windows.h>

#include <string>
#include <vector>

#include "support/control_fixture.h"

namespace {

using Ints = std::vector<int>;

class HierarchyApiTest : public ControlTest {
protected:
    // A type-0 control whose list shows every row, holding one row per level.
    HWND TreeControl(const Ints& levels, DWORD style = TARNS_LISTBOX)
    {
        HWND c = Create(style, 5, 220, 360);
        for (size_t i = 0; i < levels.size(); ++i) {
            Tarn_AddString_A(c, ("Row " + std::to_string(i)).c_str());
            Tarn_SetItemData(c, static_cast<int>(i), static_cast<LPARAM>(100 + i));
            Tarn_SetItemLevel(c, static_cast<int>(i), levels[i]);
        }
        Pump();
        return c;
    }
    Ints Levels(HWND c)
    {
        Ints v;
        for (int i = 0; i < Tarn_GetCount(c); ++i)
            v.push_back(Tarn_GetItemLevel(c, i));
        return v;
    }

    // Row rectangles of the list window. Rows are one line of the control
    // font high; the layout fits the list to whole rows, which the measured
    // client height must confirm.
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
    }
    RECT RowRect(int row) const
    {
        return RECT{0, row * rowHeight_, client_.right, (row + 1) * rowHeight_};
    }
    void ValidateList()
    {
        Pump();
        ValidateRect(list_, nullptr);
    }

    // Rows wholly inside the list's update region; and whether the region is
    // exactly the union of the given rows' rectangles (or of the area from
    // the first of them to the bottom, with toEnd).
    Ints RepaintedRows(int rows)
    {
        Ints v;
        HRGN update = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(list_, update, FALSE);
        for (int r = 0; r < rows; ++r) {
            RECT rc = RowRect(r);
            HRGN row = CreateRectRgnIndirect(&rc);
            if (CombineRgn(row, row, update, RGN_DIFF) == NULLREGION)
                v.push_back(r);
            DeleteObject(row);
        }
        DeleteObject(update);
        return v;
    }
    bool UpdateRegionIs(const Ints& rows, bool toEnd = false)
    {
        HRGN expected = CreateRectRgn(0, 0, 0, 0);
        for (int r : rows) {
            RECT rc = RowRect(r);
            if (toEnd)
                rc.bottom = client_.bottom;
            HRGN one = CreateRectRgnIndirect(&rc);
            CombineRgn(expected, expected, one, RGN_OR);
            DeleteObject(one);
        }
        HRGN update = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(list_, update, FALSE);
        const bool same = EqualRgn(expected, update) != 0;
        DeleteObject(expected);
        DeleteObject(update);
        return same;
    }

    HWND list_ = nullptr;
    RECT client_ = {};
    int rowHeight_ = 0;
};

// ---------------------------------------------------------------- relations

TEST_F(HierarchyApiTest, ExportedRelationsOfTheTwoLevelTree)
{
    HWND c = TreeControl({0, 1, 2, 2, 1, 0});
    ASSERT_EQ(Levels(c), (Ints{0, 1, 2, 2, 1, 0}));

    EXPECT_EQ(Tarn_GetParent(c, 3), 1);
    EXPECT_EQ(Tarn_GetParent(c, 4), 0);
    EXPECT_EQ(Tarn_GetParent(c, 0), -1);
    EXPECT_EQ(Tarn_GetTopParent(c, 3), 0);
    EXPECT_EQ(Tarn_GetTopParent(c, 5), -1);
    EXPECT_EQ(Tarn_GetDependent(c, 1, TARN_DEPENDENT_FIRST), 2);
    EXPECT_EQ(Tarn_GetDependent(c, 1, TARN_DEPENDENT_LAST), 3);
    EXPECT_EQ(Tarn_GetDependent(c, 2, TARN_DEPENDENT_FIRST), -1);
    EXPECT_EQ(Tarn_GetDependent(c, 0, TARN_DEPENDENT_LAST), 4);
    EXPECT_EQ(Tarn_GetDependentCount(c, 0, FALSE), 2);
    EXPECT_EQ(Tarn_GetDependentCount(c, 0, TRUE), 4);
    EXPECT_EQ(Tarn_GetDependentCount(c, 5, TRUE), 0);
    EXPECT_EQ(Tarn_GetSibling(c, 3, TARN_SIBLING_FIRST), 2);
    EXPECT_EQ(Tarn_GetSibling(c, 2, TARN_SIBLING_LAST), 3);
    EXPECT_EQ(Tarn_GetSibling(c, 2, TARN_SIBLING_PREVIOUS), -1);
    EXPECT_EQ(Tarn_GetSibling(c, 1, TARN_SIBLING_NEXT), 4);
    EXPECT_EQ(Tarn_GetSibling(c, 4, TARN_SIBLING_NEXT), -1);
    EXPECT_EQ(Tarn_GetSibling(c, 0, TARN_SIBLING_LAST), 5);

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

// ---------------------------------------------------------------- repainting

struct LevelChange {
    int row;
    int level;
    Ints repainted;   // the rows whose tree lines change, and the row itself
};

// Each change starts again from the 0,1,2,2,1,0 tree (maxLevel already 2).
TEST_F(HierarchyApiTest, ALevelChangeRepaintsExactlyTheRowsWhoseTreeLinesChange)
{
    const LevelChange changes[] = {
        {3, 1, {1, 2, 3}},            // lowered: back to the sibling it joins
        {4, 0, {0, 1, 2, 3, 4}},      // lowered to the root's level: back to the root
        {1, 0, {0, 1, 2, 3, 4}},      // lowered: back to the root, forward over its new run
        {1, 2, {1, 2, 3}},            // raised: forward over its old run, not above
        {5, 1, {0, 1, 2, 3, 4, 5}},   // raised: back to the root it now hangs under
        {2, 1, {1, 2, 3}},            // lowered: the row after now hangs under it
        {0, 0, {}},                   // unchanged: nothing at all
        {3, 2, {}},
    };
    for (const LevelChange& change : changes) {
        SCOPED_TRACE("row " + std::to_string(change.row) + " to level " + std::to_string(change.level));
        HWND c = TreeControl({0, 1, 2, 2, 1, 0});
        MeasureRows(c);
        ValidateList();
        ClearLog();
        EXPECT_TRUE(Tarn_SetItemLevel(c, change.row, change.level));
        EXPECT_EQ(Tarn_GetItemLevel(c, change.row), change.level);
        EXPECT_EQ(RepaintedRows(6), change.repainted);
        EXPECT_TRUE(UpdateRegionIs(change.repainted));
        EXPECT_EQ(Codes(), Ints{});   // no level above 2: no overhead change
        DestroyWindow(c);
    }
}

TEST_F(HierarchyApiTest, ANewDeepestLevelRepaintsAllRowsOnlyWhenColumnsFollow)
{
    // One column: the deeper level widens the indentation (notification 12)
    // and repaints only the rows of the level change.
    HWND c = TreeControl({0, 1, 2, 2, 1, 0});
    MeasureRows(c);
    ValidateList();
    ClearLog();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 2, 3));
    EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
    EXPECT_EQ(RepaintedRows(6), Ints{2});
    EXPECT_TRUE(UpdateRegionIs({2}));
    DestroyWindow(c);

    // Two columns: the second moves right, so every row is repainted.
    c = Create(TARNS_LISTBOX, 5, 220, 360);
    ColumnDef columns[2] = {};
    for (int i = 0; i < 2; ++i) {
        columns[i].width = 80;
        columns[i].position = i;
        columns[i].backColor = columns[i].textColor = TARN_COLOR_NONE;
        columns[i].selBackColor = columns[i].selTextColor = TARN_COLOR_NONE;
    }
    ASSERT_TRUE(Tarn_SetColumns(c, 2, columns));
    for (int i = 0; i < 6; ++i)
        Tarn_AddString_A(c, "row");
    const int levels[] = {0, 1, 2, 2, 1, 0};
    for (int i = 0; i < 6; ++i)
        Tarn_SetItemLevel(c, i, levels[i]);
    MeasureRows(c);
    ValidateList();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 4, 0));   // not deeper: exact rows only
    EXPECT_TRUE(UpdateRegionIs({0, 1, 2, 3, 4}));
    ValidateList();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 2, 3));
    EXPECT_TRUE(UpdateRegionIs({0}, true));
}

TEST_F(HierarchyApiTest, WithoutRedrawALevelIsStoredButNothingRepaints)
{
    HWND c = TreeControl({0, 1, 2, 2, 1, 0});
    MeasureRows(c);
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    ValidateList();
    ClearLog();
    EXPECT_TRUE(Tarn_SetItemLevel(c, 4, 0));
    EXPECT_TRUE(Tarn_SetItemLevel(c, 1, 3));
    EXPECT_EQ(Levels(c), (Ints{0, 3, 2, 2, 0, 0}));
    EXPECT_EQ(RepaintedRows(6), Ints{});
    EXPECT_TRUE(UpdateRegionIs({}));
    // The deeper level still counts for the indentation.
    EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
}

// ---------------------------------------------------------------- maxLevel

TEST_F(HierarchyApiTest, OnlyANewDeepestLevelChangesTheOverheadWidth)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE("type " + std::to_string(type));
        HWND c = Create(type, 9);
        AddItems(c, 4);
        Pump();
        ClearLog();
        Ints expected;

        Tarn_SetItemLevel(c, 1, 1);               // 0 -> 1: deeper
        expected.push_back(TARNN_OVERHEADCHANGE);
        Tarn_SetItemLevel(c, 2, 1);               // not deeper
        Tarn_SetItemLevel(c, 2, 3);               // deeper again
        expected.push_back(TARNN_OVERHEADCHANGE);
        Tarn_SetItemLevel(c, 3, 2);               // below the deepest
        Tarn_SetItemLevel(c, 3, -4);              // stored as 0
        Tarn_DeleteString(c, 2);                  // the deepest row goes, maxLevel stays
        Tarn_SetItemLevel(c, 2, 3);
        EXPECT_EQ(Codes(), expected);
        for (const Notification& n : Log()) {
            EXPECT_EQ(n.id, 9);
            EXPECT_EQ(n.sender, c);
        }
        EXPECT_EQ(Levels(c), (Ints{0, 1, 3}));

        // Levels beyond the six bits read back as the deepest level, once.
        ClearLog();
        EXPECT_TRUE(Tarn_SetItemLevel(c, 0, 200));
        EXPECT_EQ(Tarn_GetItemLevel(c, 0), 63);
        EXPECT_TRUE(Tarn_SetItemLevel(c, 1, 64));
        EXPECT_EQ(Tarn_GetItemLevel(c, 1), 63);
        EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});

        // A reset forgets the deepest level.
        Tarn_ResetContent(c);
        AddItems(c, 2);
        Pump();
        ClearLog();
        Tarn_SetItemLevel(c, 1, 1);
        EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
        DestroyWindow(c);
        Pump();
    }
}

// ---------------------------------------------------------------- subtrees

struct Report {
    HWND control;
    int index;
    LPARAM data;
    LPARAM user;
};
std::vector<Report> g_reports;

void CALLBACK RecordReport(HWND hwnd, int index, LPARAM data, LPARAM user)
{
    g_reports.push_back({hwnd, index, data, user});
}

TEST_F(HierarchyApiTest, DeletingDependentsReportsEachRowAndRepaintsFromTheItemDown)
{
    HWND c = TreeControl({0, 1, 2, 2, 1, 0, 1, 2});
    MeasureRows(c);
    TarnDeleteCallbackInfo info = {RecordReport, 31};
    ASSERT_TRUE(Tarn_SetDeleteCallback(c, &info));
    g_reports.clear();
    ValidateList();
    ClearLog();

    EXPECT_EQ(Tarn_DeleteDependents(c, 1), 6);
    EXPECT_EQ(Levels(c), (Ints{0, 1, 1, 0, 1, 2}));
    ASSERT_EQ(g_reports.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(g_reports[i].control, c);
        EXPECT_EQ(g_reports[i].index, 2);
        EXPECT_EQ(g_reports[i].data, static_cast<LPARAM>(102 + i));
        EXPECT_EQ(g_reports[i].user, 31);
    }
    EXPECT_TRUE(UpdateRegionIs({1}, true));
    EXPECT_EQ(Codes(), Ints{});

    // The last root's subtree; then a leaf, which changes nothing.
    g_reports.clear();
    EXPECT_EQ(Tarn_DeleteDependents(c, 3), 4);
    ASSERT_EQ(g_reports.size(), 2u);
    EXPECT_EQ(g_reports[0].data, 106);
    EXPECT_EQ(g_reports[1].data, 107);
    EXPECT_EQ(Tarn_DeleteDependents(c, 2), 4);
    EXPECT_EQ(g_reports.size(), 2u);
    EXPECT_EQ(Tarn_GetItemData(c, 0), 100);
    EXPECT_EQ(Tarn_GetItemData(c, 1), 101);
    EXPECT_EQ(Tarn_GetItemData(c, 2), 104);
    EXPECT_EQ(Tarn_GetItemData(c, 3), 105);
    DestroyWindow(c);
    EXPECT_EQ(g_reports.size(), 6u);   // the four left are reported at destruction
}

// A subtree deleted under the committed row: the edit field empties.
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
