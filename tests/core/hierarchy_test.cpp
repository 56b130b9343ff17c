// The item tree on control records built in memory: the relations on fixed and
// random shapes (checked against the definitions of parent, dependents and
// siblings), the level setter's clamping and maxLevel, subtree deletion with
// the delete callback, and virtual mode.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "plain_record.h"
#include "core/hierarchy.h"
#include "core/item_copy_move.h"
#include "core/item_store.h"
#include "core/items_api.h"

namespace {

using Ints = std::vector<int>;

class HierarchyTest : public ::testing::Test {
protected:
    void SetUp() override { InitPlainRecord(&rec_, 1); }
    void TearDown() override { FreePlainRecord(&rec_); }

    // Replaces the items by one per level, item data = its original index.
    void Build(const Ints& levels)
    {
        ResetItems(&rec_);
        for (size_t i = 0; i < levels.size(); ++i) {
            ASSERT_EQ(InsertString(&rec_, -1, std::to_string(i).c_str()), static_cast<int>(i));
            SetItemData(&rec_, static_cast<int>(i), static_cast<LPARAM>(i));
            ASSERT_TRUE(SetItemLevel(&rec_, static_cast<int>(i), levels[i]));
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
    // One relation evaluated for every row.
    template <class F>
    Ints Each(F f)
    {
        Ints v;
        for (int i = 0; i < rec_.count; ++i)
            v.push_back(f(i));
        return v;
    }

    ControlRecord rec_;
};

// ---------------------------------------------------------------- relations

TEST_F(HierarchyTest, EveryRelationOfTheTwoLevelTree)
{
    Build({0, 1, 2, 2, 1, 0});
    ControlRecord* r = &rec_;
    EXPECT_EQ(Each([r](int i) { return FindParent(r, i); }), (Ints{-1, 0, 1, 1, 0, -1}));
    EXPECT_EQ(Each([r](int i) { return TopParent(r, i); }), (Ints{-1, 0, 0, 0, 0, -1}));
    EXPECT_EQ(Each([r](int i) { return DependentOf(r, i, TARN_DEPENDENT_FIRST); }), (Ints{1, 2, -1, -1, -1, -1}));
    EXPECT_EQ(Each([r](int i) { return DependentOf(r, i, TARN_DEPENDENT_LAST); }), (Ints{4, 3, -1, -1, -1, -1}));
    EXPECT_EQ(Each([r](int i) { return DependentCount(r, i, FALSE); }), (Ints{2, 2, 0, 0, 0, 0}));
    EXPECT_EQ(Each([r](int i) { return DependentCount(r, i, TRUE); }), (Ints{4, 2, 0, 0, 0, 0}));
    EXPECT_EQ(Each([r](int i) { return SiblingOf(r, i, TARN_SIBLING_FIRST); }), (Ints{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(Each([r](int i) { return SiblingOf(r, i, TARN_SIBLING_LAST); }), (Ints{5, 4, 3, 3, 4, 5}));
    EXPECT_EQ(Each([r](int i) { return SiblingOf(r, i, TARN_SIBLING_PREVIOUS); }), (Ints{-1, -1, -1, 2, 1, 0}));
    EXPECT_EQ(Each([r](int i) { return SiblingOf(r, i, TARN_SIBLING_NEXT); }), (Ints{5, 4, 3, -1, -1, -1}));
    EXPECT_EQ(Each([r](int i) { return PreviousSibling(r, i); }), (Ints{-1, -1, -1, 2, 1, 0}));

    // Bad rows and bad selectors answer -1 everywhere.
    for (int bad : {-1, 6, 1000}) {
        EXPECT_EQ(FindParent(r, bad), -1) << bad;
        EXPECT_EQ(TopParent(r, bad), -1) << bad;
        EXPECT_EQ(DependentOf(r, bad, TARN_DEPENDENT_FIRST), -1) << bad;
        EXPECT_EQ(DependentCount(r, bad, TRUE), -1) << bad;
        EXPECT_EQ(PreviousSibling(r, bad), -1) << bad;
        for (int which = 1; which <= 4; ++which)
            EXPECT_EQ(SiblingOf(r, bad, which), -1) << bad;
    }
    for (int which : {0, 3, -1})
        EXPECT_EQ(DependentOf(r, 0, which), -1) << which;
    for (int which : {0, 5, -1})
        EXPECT_EQ(SiblingOf(r, 0, which), -1) << which;
}

// Trees whose first row is not at level 0, or which skip levels. Without a
// level-0 row before it, a row's top parent is the earliest shallower row.
TEST_F(HierarchyTest, TreesWithoutARootOrWithSkippedLevels)
{
    Build({2, 1, 3, 0, 3, 1});
    ControlRecord* r = &rec_;
    EXPECT_EQ(Each([r](int i) { return FindParent(r, i); }), (Ints{-1, -1, 1, -1, 3, 3}));
    EXPECT_EQ(Each([r](int i) { return TopParent(r, i); }), (Ints{-1, -1, 0, -1, 3, 3}));
    EXPECT_EQ(Each([r](int i) { return DependentOf(r, i, TARN_DEPENDENT_LAST); }), (Ints{-1, 2, -1, 5, -1, -1}));
    // Direct dependents are exactly one level down: the level-3 row under
    // the root is no direct dependent.
    EXPECT_EQ(Each([r](int i) { return DependentCount(r, i, FALSE); }), (Ints{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(Each([r](int i) { return DependentCount(r, i, TRUE); }), (Ints{0, 1, 0, 2, 0, 0}));
    EXPECT_EQ(Each([r](int i) { return SiblingOf(r, i, TARN_SIBLING_FIRST); }), (Ints{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Each([r](int i) { return SiblingOf(r, i, TARN_SIBLING_NEXT); }), (Ints{-1, -1, -1, -1, -1, -1}));

    Build({0});
    EXPECT_EQ(SiblingOf(r, 0, TARN_SIBLING_FIRST), 0);
    EXPECT_EQ(SiblingOf(r, 0, TARN_SIBLING_LAST), 0);
    EXPECT_EQ(DependentCount(r, 0, TRUE), 0);
    EXPECT_EQ(TopParent(r, 0), -1);

    ResetItems(r);   // no rows at all
    EXPECT_EQ(FindParent(r, 0), -1);
    EXPECT_EQ(DependentCount(r, 0, FALSE), -1);
    EXPECT_EQ(SiblingOf(r, 0, TARN_SIBLING_FIRST), -1);
}

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
    // The rows of i's level with nothing shallower between them and i.
    Ints Siblings(int i) const
    {
        Ints s;
        for (int k = 0; k < n(); ++k) {
            if (lv[k] != lv[i])
                continue;
            bool blocked = false;
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
    int Top(int i) const
    {
        int top = -1;
        for (int p = Parent(i); p >= 0; p = Parent(p))
            top = p;
        if (top < 0 || lv[top] == 0)
            return top;
        for (int k = 0; k < i; ++k)   // no root above: the earliest shallower row
            if (lv[k] < lv[i])
                return k;
        return -1;
    }
};

TEST_F(HierarchyTest, RandomTreesAgreeWithTheDefinitions)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 60; ++round) {
        const int n = 1 + static_cast<int>(rng() % 14);
        Ints levels;
        int level = static_cast<int>(rng() % 2);
        for (int i = 0; i < n; ++i) {
            // Mostly one step up or down or none, sometimes a jump of three.
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
            auto at = std::find(sib.begin(), sib.end(), i) - sib.begin();
            int direct = 0;
            for (int k : dep)
                direct += levels[k] == levels[i] + 1;
            EXPECT_EQ(FindParent(&rec_, i), ref.Parent(i));
            EXPECT_EQ(TopParent(&rec_, i), ref.Top(i));
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_FIRST), sib.front());
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_LAST), sib.back());
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_PREVIOUS), at > 0 ? sib[at - 1] : -1);
            EXPECT_EQ(SiblingOf(&rec_, i, TARN_SIBLING_NEXT), at + 1 < static_cast<long>(sib.size()) ? sib[at + 1] : -1);
            EXPECT_EQ(DependentOf(&rec_, i, TARN_DEPENDENT_FIRST), dep.empty() ? -1 : dep.front());
            EXPECT_EQ(DependentOf(&rec_, i, TARN_DEPENDENT_LAST), dep.empty() ? -1 : dep.back());
            EXPECT_EQ(DependentCount(&rec_, i, TRUE), static_cast<int>(dep.size()));
            EXPECT_EQ(DependentCount(&rec_, i, FALSE), direct);
        }
    }
}

// ---------------------------------------------------------------- levels

TEST_F(HierarchyTest, LevelsAreClampedToWhatTheFlagsHoldAndMaxLevelOnlyRises)
{
    Build({0, 0, 0});
    const DWORD enabled = rec_.items[1]->flags & TARNIF_ENABLED;
    const std::pair<int, int> requests[] = {{-5, 0}, {1, 1}, {63, 63}, {64, 63}, {256, 63}, {1000, 63}, {7, 7}};
    for (auto [asked, stored] : requests) {
        EXPECT_TRUE(SetItemLevel(&rec_, 1, asked)) << asked;
        EXPECT_EQ(ItemLevel(rec_.items[1]), stored) << asked;
        // The level bits are the only ones touched.
        EXPECT_EQ(rec_.items[1]->flags & ~TARNIF_LEVELMASK, enabled) << asked;
    }
    EXPECT_EQ(rec_.maxLevel, 63);
    EXPECT_EQ(Levels(), (Ints{0, 7, 0}));

    EXPECT_FALSE(SetItemLevel(&rec_, -1, 1));
    EXPECT_FALSE(SetItemLevel(&rec_, 3, 1));
    EXPECT_EQ(Levels(), (Ints{0, 7, 0}));

    // maxLevel survives the deletion of the deep rows, until the reset.
    Build({0, 1, 2, 3});
    EXPECT_EQ(rec_.maxLevel, 3);
    EXPECT_EQ(DeleteDependents(&rec_, 0), 1);
    EXPECT_EQ(rec_.maxLevel, 3);
    ResetItems(&rec_);
    EXPECT_EQ(rec_.maxLevel, 0);
    Build({0, 2});
    EXPECT_EQ(rec_.maxLevel, 2);
}

TEST_F(HierarchyTest, ACopyKeepsTheLevelAndRaisesMaxLevel)
{
    Build({0, 4});
    rec_.maxLevel = 0;   // as after deep rows came in some other way
    const int copy = CopyItem(&rec_, 1, 0);
    ASSERT_EQ(copy, 0);
    EXPECT_EQ(Levels(), (Ints{4, 0, 4}));
    EXPECT_EQ(rec_.maxLevel, 4);
    EXPECT_EQ(Data(), (Ints{1, 0, 1}));
}

// ---------------------------------------------------------------- subtrees

struct Report {
    int index;
    LPARAM data;
};
std::vector<Report> g_reports;
ControlRecord* g_victim = nullptr;

void CALLBACK RecordReport(HWND, int index, LPARAM data, LPARAM user)
{
    EXPECT_EQ(user, 77);
    g_reports.push_back({index, data});
}

// While the first dependent is reported, deletes the parent of the subtree.
void CALLBACK DeleteParentOnFirstReport(HWND, int index, LPARAM data, LPARAM)
{
    g_reports.push_back({index, data});
    if (g_reports.size() == 1)
        DeleteString(g_victim, index - 1);
}

Ints Indices()
{
    Ints v;
    for (auto& r : g_reports)
        v.push_back(r.index);
    return v;
}
Ints ReportedData()
{
    Ints v;
    for (auto& r : g_reports)
        v.push_back(static_cast<int>(r.data));
    return v;
}

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
    EXPECT_EQ(Indices(), (Ints{2, 2}));          // each reported where it was at the time
    EXPECT_EQ(ReportedData(), (Ints{2, 3}));
    EXPECT_EQ(rec_.curSel, 2);
    EXPECT_EQ(rec_.currentItem, 2);

    // A leaf, the last row, and bad indices change nothing.
    g_reports.clear();
    EXPECT_EQ(DeleteDependents(&rec_, 2), 4);
    EXPECT_EQ(DeleteDependents(&rec_, 3), 4);
    EXPECT_EQ(DeleteDependents(&rec_, -1), -1);
    EXPECT_EQ(DeleteDependents(&rec_, 4), -1);
    EXPECT_TRUE(g_reports.empty());

    // The whole tree under a root: everything up to the next root goes, and
    // a current row inside it is cleared.
    rec_.curSel = rec_.currentItem = 1;
    EXPECT_EQ(DeleteDependents(&rec_, 0), 2);
    EXPECT_EQ(rec_.curSel, -1);
    EXPECT_EQ(rec_.currentItem, -1);
    EXPECT_EQ(Data(), (Ints{0, 5}));
    EXPECT_EQ(ReportedData(), (Ints{1, 4}));
}

TEST_F(HierarchyTest, ACallbackThatDeletesTheParentEndsTheWalkCleanly)
{
    Build({0, 1, 2, 2, 0});
    g_victim = &rec_;
    TarnDeleteCallbackInfo info = {DeleteParentOnFirstReport, 0};
    ASSERT_TRUE(SetDeleteCallback(&rec_, &info));
    g_reports.clear();

    const int count = DeleteDependents(&rec_, 1);
    // The parent went first (from inside the callback), then the reported
    // dependent; the walk stopped when its parent was gone.
    EXPECT_EQ(count, rec_.count);
    EXPECT_EQ(Data(), (Ints{0, 3, 4}));
    EXPECT_EQ(ReportedData(), (Ints{2, 1}));   // each row reported once
    g_victim = nullptr;
}

// ---------------------------------------------------------------- virtual mode

struct Lender {
    TarnItem items[3];
    std::vector<std::string> events;
};

void CALLBACK Fetch(HWND, LPARAM user, int index, TarnItem** out)
{
    auto* lender = reinterpret_cast<Lender*>(user);
    lender->events.push_back("fetch " + std::to_string(index));
    *out = index >= 0 && index < 3 ? &lender->items[index] : nullptr;
}

void CALLBACK Release(HWND, LPARAM user, int index, TarnItem*)
{
    reinterpret_cast<Lender*>(user)->events.push_back("release " + std::to_string(index));
}

TEST_F(HierarchyTest, VirtualRowsAreNavigatedButNeverChanged)
{
    Build({0});   // one stored row that must come through untouched
    TarnItem* stored = rec_.items[0];
    Lender lender = {};
    const int levels[] = {0, 1, 1};
    for (int i = 0; i < 3; ++i)
        lender.items[i].flags = TARNIF_ENABLED | (static_cast<DWORD>(levels[i]) << TARNIF_LEVELSHIFT);
    rec_.virtualFetchCallback = Fetch;
    rec_.virtualReleaseCallback = Release;
    rec_.virtualUserData = reinterpret_cast<LPARAM>(&lender);
    rec_.count = 3;

    EXPECT_EQ(FindParent(&rec_, 2), 0);
    EXPECT_EQ(DependentCount(&rec_, 0, FALSE), 2);
    EXPECT_EQ(SiblingOf(&rec_, 1, TARN_SIBLING_NEXT), 2);
    // Each row is given back before the next is fetched.
    for (size_t i = 1; i < lender.events.size(); i += 2)
        EXPECT_EQ(lender.events[i].rfind("release", 0), 0u) << i;

    lender.events.clear();
    EXPECT_FALSE(SetItemLevel(&rec_, 1, 3));
    EXPECT_EQ(DeleteDependents(&rec_, 0), -1);
    EXPECT_TRUE(lender.events.empty());   // refused before touching a row
    EXPECT_EQ(lender.items[1].flags, TARNIF_ENABLED | (1u << TARNIF_LEVELSHIFT));
    EXPECT_EQ(rec_.maxLevel, 0);
    EXPECT_EQ(rec_.count, 3);

    GetItem(&rec_, -1);   // give the last row back
    rec_.virtualFetchCallback = nullptr;
    rec_.count = 1;
    EXPECT_EQ(rec_.items[0], stored);
}

} // namespace
