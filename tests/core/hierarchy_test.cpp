// The item tree on control records built in memory: the relations on random
// shapes checked against their definitions, the level setter's clamping and
// maxLevel, and subtree deletion with the delete callback.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plain_record.h"
#include "core/hierarchy.h"
#include "core/item_store.h"
#include "record_ops.h"

namespace {

using Ints = std::vector<int>;

class HierarchyTest : public ::testing::Test {
protected:
    void SetUp() override { InitPlainRecord(&rec_, 1); }
    void TearDown() override { FreePlainRecord(&rec_); }

    // Replaces the items by one per level, item data = its original index.
    void Build(const Ints& levels)
    {
        (void)ResetItems(&rec_);
        for (size_t i = 0; i < levels.size(); ++i) {
            const int row = static_cast<int>(i);
            ASSERT_EQ(InsertString(&rec_, -1, "row"), row);
            SetItemData(&rec_, row, row);
            ASSERT_TRUE(SetItemLevel(&rec_, row, levels[i]));
        }
    }
    Ints Levels()
    {
        Ints v;
        for (int i = 0; i < rec_.count; ++i)
            v.push_back(ItemLevel(rec_.items[i]));
        return v;
    }
    Ints Data()
    {
        Ints v;
        for (int i = 0; i < rec_.count; ++i)
            v.push_back(static_cast<int>(rec_.items[i]->itemData));
        return v;
    }

    ControlRecord rec_;
};

// The relations straight from their definitions, by brute force.
struct Reference {
    const Ints& lv;
    int n() const { return static_cast<int>(lv.size()); }
    int Parent(int i) const
    {
        for (int k = i - 1; k >= 0; --k)
            if (lv[k] < lv[i])
                return k;
        return -1;
    }
    // The level-0 row the parent chain ends at; without one, the earliest shallower row.
    int Top(int i) const
    {
        int top = -1;
        for (int p = Parent(i); p >= 0; p = Parent(p))
            top = p;
        if (top >= 0 && lv[top] == 0)
            return top;
        for (int k = 0; k < i; ++k)
            if (lv[k] < lv[i])
                return k;
        return -1;
    }
    // The rows of i's level with nothing shallower between them and i.
    Ints Siblings(int i) const
    {
        Ints s;
        for (int k = 0; k < n(); ++k) {
            bool blocked = lv[k] != lv[i];
            for (int m = std::min(i, k) + 1; m < std::max(i, k); ++m)
                blocked |= lv[m] < lv[i];
            if (!blocked)
                s.push_back(k);
        }
        return s;
    }
    Ints Dependents(int i) const
    {
        Ints d;
        for (int k = i + 1; k < n() && lv[k] > lv[i]; ++k)
            d.push_back(k);
        return d;
    }
};

TEST_F(HierarchyTest, RandomTreesAgreeWithTheDefinitions)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 60; ++round) {
        // Starting at level 0 or 1 (no root), mostly steps of one, sometimes jumps of three.
        const int n = 1 + static_cast<int>(rng() % 14);
        Ints levels;
        int level = static_cast<int>(rng() % 2);
        for (int i = 0; i < n; ++i) {
            int step = static_cast<int>(rng() % 7) - 3;
            if (std::abs(step) < 3)
                step = static_cast<int>(rng() % 3) - 1;
            level = std::max(0, std::min(5, level + step));
            levels.push_back(level);
        }
        Build(levels);
        ASSERT_EQ(Levels(), levels);
        Reference ref{levels};
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(::testing::PrintToString(levels) + " row " + std::to_string(i));
            const Ints sib = ref.Siblings(i);
            const Ints dep = ref.Dependents(i);
            const long at = std::find(sib.begin(), sib.end(), i) - sib.begin();
            const long direct = std::count_if(dep.begin(), dep.end(), [&](int k) { return levels[k] == levels[i] + 1; });
            EXPECT_EQ(FindParent(&rec_, i), ref.Parent(i));
            EXPECT_EQ(TopParent(&rec_, i), ref.Top(i));
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_FIRST), sib.front());
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_LAST), sib.back());
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_PREVIOUS), at > 0 ? sib[at - 1] : -1);
            EXPECT_EQ(PreviousSibling(&rec_, i), at > 0 ? sib[at - 1] : -1);
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_NEXT), at + 1 < static_cast<long>(sib.size()) ? sib[at + 1] : -1);
            EXPECT_EQ(DependentOf(&rec_, i, TARN_DEPENDENT_FIRST), dep.empty() ? -1 : dep.front());
            EXPECT_EQ(DependentOf(&rec_, i, TARN_DEPENDENT_LAST), dep.empty() ? -1 : dep.back());
            EXPECT_EQ(DependentCount(&rec_, i, TRUE), static_cast<int>(dep.size()));
            EXPECT_EQ(DependentCount(&rec_, i, FALSE), direct);
        }
    }
}

TEST_F(HierarchyTest, RootlessRowsSkippedLevelsAndAnEmptyStore)
{
    // Pinned: no root above rows 0..2, and a skipped level under root 3
    // (row 4, two levels down, is no direct dependent).
    Build({2, 1, 3, 0, 3, 1});
    EXPECT_EQ(TopParent(&rec_, 2), 0);
    EXPECT_EQ(FindParent(&rec_, 2), 1);
    EXPECT_EQ(DependentCount(&rec_, 3, FALSE), 1);
    EXPECT_EQ(DependentCount(&rec_, 3, TRUE), 2);
    (void)ResetItems(&rec_);
    EXPECT_EQ(FindParent(&rec_, 0), -1);
    EXPECT_EQ(DependentCount(&rec_, 0, FALSE), -1);
    EXPECT_EQ(SiblingOf(&rec_, 0, TARN_SIBLING_FIRST), -1);
}

TEST_F(HierarchyTest, LevelsAreClampedToWhatTheFlagsHoldAndMaxLevelOnlyRises)
{
    Build({0, 0, 0});
    const DWORD enabled = rec_.items[1]->flags & TARNIF_ENABLED;
    const std::pair<int, int> requests[] = {{-5, 0}, {63, 63}, {64, 63}, {1000, 63}, {7, 7}};
    for (auto [asked, stored] : requests) {
        EXPECT_TRUE(SetItemLevel(&rec_, 1, asked)) << asked;
        EXPECT_EQ(ItemLevel(rec_.items[1]), stored) << asked;
        EXPECT_EQ(rec_.items[1]->flags & ~TARNIF_LEVELMASK, enabled) << asked;   // only level bits change
    }
    EXPECT_EQ(rec_.maxLevel, 63);
    EXPECT_FALSE(SetItemLevel(&rec_, -1, 1));
    EXPECT_FALSE(SetItemLevel(&rec_, 3, 1));
    EXPECT_EQ(Levels(), (Ints{0, 7, 0}));
    (void)ResetItems(&rec_);
    EXPECT_EQ(rec_.maxLevel, 0);
}

// ---------------------------------------------------------------- subtrees

std::vector<std::pair<int, LPARAM>> g_reports;   // index and data of each report
ControlRecord* g_victim = nullptr;

void CALLBACK RecordReport(HWND, int index, LPARAM data, LPARAM user)
{
    EXPECT_EQ(user, 77);
    g_reports.emplace_back(index, data);
}

// While the first dependent is reported, deletes the parent of the subtree.
void CALLBACK DeleteParentOnFirstReport(HWND, int index, LPARAM data, LPARAM)
{
    g_reports.emplace_back(index, data);
    if (g_reports.size() == 1)
        DeleteString(g_victim, index - 1);
}

using Reports = std::vector<std::pair<int, LPARAM>>;

TEST_F(HierarchyTest, DeletingDependentsReportsEachRowAndKeepsTheItem)
{
    Build({0, 1, 2, 2, 1, 0});
    TarnDeleteCallbackInfo info = {RecordReport, 77};
    ASSERT_TRUE(SetDeleteCallback(&rec_, &info));
    g_reports.clear();
    rec_.curSel = rec_.currentItem = 4;   // after the subtree: follows its row up

    EXPECT_EQ(DeleteDependents(&rec_, 1), 4);
    EXPECT_EQ(Levels(), (Ints{0, 1, 1, 0}));
    EXPECT_EQ(Data(), (Ints{0, 1, 4, 5}));
    EXPECT_EQ(g_reports, (Reports{{2, 2}, {2, 3}}));   // each reported where it was then
    EXPECT_EQ(rec_.curSel, 2);
    EXPECT_EQ(rec_.currentItem, 2);

    // A leaf, the last row and bad indices change nothing.
    g_reports.clear();
    EXPECT_EQ(DeleteDependents(&rec_, 2), 4);
    EXPECT_EQ(DeleteDependents(&rec_, 3), 4);
    EXPECT_EQ(DeleteDependents(&rec_, -1), -1);
    EXPECT_EQ(DeleteDependents(&rec_, 4), -1);
    EXPECT_TRUE(g_reports.empty());

    // Everything up to the next root goes, and a current row inside it is cleared.
    rec_.curSel = rec_.currentItem = 1;
    EXPECT_EQ(DeleteDependents(&rec_, 0), 2);
    EXPECT_EQ(rec_.curSel, -1);
    EXPECT_EQ(rec_.currentItem, -1);
    EXPECT_EQ(Data(), (Ints{0, 5}));
    EXPECT_EQ(g_reports, (Reports{{1, 1}, {1, 4}}));
}

TEST_F(HierarchyTest, ACallbackThatDeletesTheParentEndsTheWalkCleanly)
{
    Build({0, 1, 2, 2, 0});
    g_victim = &rec_;
    TarnDeleteCallbackInfo info = {DeleteParentOnFirstReport, 0};
    ASSERT_TRUE(SetDeleteCallback(&rec_, &info));
    g_reports.clear();
    // The parent goes (from inside the callback) without taking its other
    // dependent along, then the reported row; the walk stops with its parent gone.
    EXPECT_EQ(DeleteDependents(&rec_, 1), 3);
    EXPECT_EQ(Data(), (Ints{0, 3, 4}));
    EXPECT_EQ(g_reports, (Reports{{2, 2}, {1, 1}}));   // each row reported once
    g_victim = nullptr;
}

} // namespace
