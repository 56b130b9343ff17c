// The item tree on real controls: the exported relations, exactly which rows
// a level change repaints, and subtree deletion with the delete callback.
#include "support/control_fixture.h"

#include <string>
#include <tuple>

namespace {

class HierarchyApiTest : public ControlTest {
protected:
    // A type-0 control whose list shows every row: one row per level (data
    // 100 + index), in `columns` columns 80 pixels wide, the list validated.
    HWND Tree(const Ints& levels, int columns = 1)
    {
        HWND c = Create(TARNS_LISTBOX, static_cast<int>(levels.size()), {220, 360},
                        std::vector<ColumnDef>(columns, Column(80)));
        for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
            Tarn_SetItemData(c, i, 100 + i);
            Tarn_SetItemLevel(c, i, levels[i]);
        }
        list_ = Tarn_GetHWNDDropDown(c);
        rowHeight_ = Metrics(c, ControlFont(c)).tmHeight;
        EXPECT_GE(Client(list_).bottom / rowHeight_, Tarn_GetCount(c)) << "every row must be visible";
        ValidateAll(c);
        return c;
    }
    template <class F>
    Ints Each(HWND c, F f)
    {
        Ints v(Tarn_GetCount(c));
        for (int i = 0; i < Tarn_GetCount(c); ++i)
            v[i] = static_cast<int>(f(c, i));
        return v;
    }
    // The rows' rectangles; with toEnd, from the first row to the bottom.
    ::testing::AssertionResult Repainted(const Ints& rows, bool toEnd = false)
    {
        std::vector<RECT> rects;
        for (int r : rows)
            rects.push_back({0, r * rowHeight_, Client(list_).right, toEnd ? Client(list_).bottom : (r + 1) * rowHeight_});
        return UpdateRegionIs(list_, rects);
    }
    HWND list_ = nullptr;
    int rowHeight_ = 0;
};

// Each change starts again from the 0,1,2,2,1,0 tree (deepest level 2).
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
        HWND c = Tree({0, 1, 2, 2, 1, 0});
        EXPECT_TRUE(Tarn_SetItemLevel(c, change.row, change.level));
        EXPECT_EQ(Tarn_GetItemLevel(c, change.row), change.level);
        EXPECT_TRUE(Repainted(change.repainted));
        EXPECT_EQ(Codes(), Ints{});   // not deeper than 2: no overhead change
        DestroyWindow(c);
    }
}

TEST_F(HierarchyApiTest, ANewDeepestLevelRepaintsAllRowsOnlyWhenColumnsFollow)
{
    // One column: the indentation widens, but only the changed row repaints.
    HWND c = Tree({0, 1, 2, 2, 1, 0});
    EXPECT_TRUE(Tarn_SetItemLevel(c, 2, 3));
    EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
    EXPECT_TRUE(Repainted({2}));
    DestroyWindow(c);
    // Two columns: deeper moves the second column right, so every row repaints.
    c = Tree({0, 1, 2, 2, 1, 0}, 2);
    EXPECT_TRUE(Tarn_SetItemLevel(c, 4, 0));
    EXPECT_TRUE(Repainted({0, 1, 2, 3, 4}));
    ValidateAll(c);
    EXPECT_TRUE(Tarn_SetItemLevel(c, 2, 3));
    EXPECT_TRUE(Repainted({0}, true));
}

using Reports = std::vector<std::tuple<HWND, int, LPARAM, LPARAM>>;
Reports g_reports;
void CALLBACK RecordReport(HWND hwnd, int index, LPARAM data, LPARAM user) { g_reports.emplace_back(hwnd, index, data, user); }

// Each relation once, with a value no other relation gives; then deletions.
TEST_F(HierarchyApiTest, RelationsAndDeletingDependentsWhichReportsEachRowAndRepaintsFromTheItemDown)
{
    HWND c = Tree({0, 1, 2, 2, 1, 0, 1, 2});
    EXPECT_EQ(Ints({Tarn_GetParent(c, 3), Tarn_GetTopParent(c, 3), Tarn_GetDependent(c, 0, TARN_DEPENDENT_LAST),
                    Tarn_GetDependentCount(c, 0, FALSE), Tarn_GetDependentCount(c, 0, TRUE),
                    Tarn_GetSibling(c, 0, TARN_SIBLING_LAST), Tarn_GetSibling(c, 1, TARN_SIBLING_NEXT)}),
              Ints({1, 0, 4, 2, 4, 5, 4}));
    TarnDeleteCallbackInfo info = {RecordReport, 31};
    ASSERT_TRUE(Tarn_SetDeleteCallback(c, &info));
    g_reports.clear();
    ASSERT_EQ(Tarn_SetCurSel(c, 2), 0);
    ValidateAll(c);
    EXPECT_EQ(Tarn_DeleteDependents(c, 1), 6);
    EXPECT_EQ(Each(c, Tarn_GetItemLevel), (Ints{0, 1, 1, 0, 1, 2}));
    EXPECT_EQ(g_reports, (Reports{{c, 2, 102, 31}, {c, 2, 103, 31}}));
    EXPECT_TRUE(Repainted({1}, true));
    // The committed row went with the subtree: cleared without a notification.
    char text[32] = "#";
    GetWindowTextA(Tarn_GetHWNDEdit(c), text, sizeof text);
    EXPECT_TRUE(Tarn_GetCurSel(c) == -1 && !text[0] && Codes().empty());

    // The last root's subtree; then a leaf, which changes nothing.
    EXPECT_EQ(Tarn_DeleteDependents(c, 3), 4);
    EXPECT_EQ(Tarn_DeleteDependents(c, 2), 4);
    EXPECT_EQ(g_reports.size(), 4u);
    EXPECT_EQ(Each(c, Tarn_GetItemData), (Ints{100, 101, 104, 105}));
    DestroyWindow(c);
    EXPECT_EQ(g_reports.size(), 8u);   // the four left are reported at destruction
}

} // namespace
