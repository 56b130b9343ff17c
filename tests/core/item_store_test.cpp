// The item store on control records built in memory: no window, so only the
// array, the index bookkeeping, the delete callback, searching, copying and
// moving, and the virtual-mode access protocol are exercised.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "plain_record.h"
#include "core/hierarchy.h"
#include "core/item_copy_move.h"
#include "core/item_search.h"
#include "core/item_store.h"
#include "core/items_api.h"

namespace {

class ItemStoreTest : public ::testing::Test {
protected:
    void SetUp() override { Init(1); }
    void TearDown() override { Destroy(); }

    void Init(int columns) { InitPlainRecord(&rec_, columns); }
    void Destroy() { FreePlainRecord(&rec_); }
    void Reinit(int columns)
    {
        Destroy();
        Init(columns);
    }

    void Add(std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            ASSERT_GE(InsertString(&rec_, -1, t), 0);
    }
    std::string Text(int row, int column = 0)
    {
        int n = GetCellTextLength(&rec_, row, column);
        if (n < 0)
            return "<bad>";
        std::string s(n + 1, '#');
        EXPECT_EQ(GetCellText(&rec_, row, column, &s[0]), n);
        s.resize(n);
        return s;
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> v;
        for (int i = 0; i < rec_.count; ++i)
            v.push_back(Text(i));
        return v;
    }
    int Capacity() const { return rec_.count + rec_.freeSlots; }

    ControlRecord rec_;
};

using Strings = std::vector<std::string>;

// ---------------------------------------------------------------- indices

// The index bookkeeping lives in InsertItem and DeleteItem; the exported
// operations first close the list with cancel, which puts curSel back on
// currentItem, so the two are driven directly here to keep them apart.
TEST_F(ItemStoreTest, InsertionAtOrBeforeTheSelectionMovesItDown)
{
    Add({"a", "b", "c", "d", "e"});
    rec_.curSel = 2;
    rec_.currentItem = 3;
    TarnItem blank = {};
    blank.flags = TARNIF_ENABLED;

    EXPECT_EQ(InsertItem(&rec_, &blank, 4, "x", 0), 4);   // after both: unchanged
    EXPECT_EQ(rec_.curSel, 2);
    EXPECT_EQ(rec_.currentItem, 3);

    EXPECT_EQ(InsertItem(&rec_, &blank, 3, "y", 0), 3);   // at currentItem, after curSel
    EXPECT_EQ(rec_.curSel, 2);
    EXPECT_EQ(rec_.currentItem, 4);

    EXPECT_EQ(InsertItem(&rec_, &blank, 2, "z", 0), 2);   // at curSel
    EXPECT_EQ(rec_.curSel, 3);
    EXPECT_EQ(rec_.currentItem, 5);
    EXPECT_EQ(Text(rec_.curSel), "c");
    EXPECT_EQ(Text(rec_.currentItem), "d");

    // The exported insertion cancels a pending highlight first, and appends
    // for out-of-range indices.
    EXPECT_EQ(InsertString(&rec_, -5, "end1"), 8);
    EXPECT_EQ(rec_.curSel, 5);
    EXPECT_EQ(InsertString(&rec_, 99, "end2"), 9);
    EXPECT_EQ(InsertString(&rec_, rec_.count, "end3"), 10);
    EXPECT_EQ(Texts(), (Strings{"a", "b", "z", "c", "y", "d", "x", "e", "end1", "end2", "end3"}));
    EXPECT_EQ(rec_.items[0]->flags, TARNIF_ENABLED);   // new items: enabled, level 0
    EXPECT_EQ(rec_.items[0]->itemData, 0);
}

TEST_F(ItemStoreTest, DeletionKeepsTheSameRowsSelectedOrClearsThem)
{
    Add({"a", "b", "c", "d", "e", "f"});
    rec_.curSel = 3;
    rec_.currentItem = 4;
    rec_.topIndex = 5;

    DeleteItem(&rec_, 0);
    EXPECT_EQ(rec_.count, 5);
    EXPECT_EQ(Text(rec_.curSel), "d");
    EXPECT_EQ(Text(rec_.currentItem), "e");
    EXPECT_EQ(rec_.topIndex, 4);   // was at the last row: moves up with it

    rec_.topIndex = 1;
    DeleteItem(&rec_, 2);          // the selected "d"
    EXPECT_EQ(rec_.curSel, -1);
    EXPECT_EQ(Text(rec_.currentItem), "e");
    EXPECT_EQ(rec_.topIndex, 1);   // not at the end: stays

    rec_.curSel = 0;
    DeleteItem(&rec_, rec_.currentItem);
    EXPECT_EQ(rec_.currentItem, -1);
    EXPECT_EQ(rec_.curSel, 0);     // above the deleted row: untouched
    EXPECT_EQ(Texts(), (Strings{"b", "c", "f"}));

    EXPECT_EQ(DeleteString(&rec_, 3), -1);
    EXPECT_EQ(DeleteString(&rec_, -1), -1);
    EXPECT_EQ(rec_.count, 3);
    rec_.topIndex = 0;
    EXPECT_EQ(DeleteString(&rec_, 2), 2);
    EXPECT_EQ(DeleteString(&rec_, 1), 1);
    EXPECT_EQ(DeleteString(&rec_, 0), 0);
    EXPECT_EQ(rec_.topIndex, 0);   // never below 0
}

TEST_F(ItemStoreTest, PointerArrayGrowsAndShrinksInSteps)
{
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(InsertString(&rec_, -1, nullptr), i);
    EXPECT_EQ(Capacity(), 500);
    EXPECT_EQ(rec_.freeSlots, 0);
    TarnItem* first = rec_.items[0];

    ASSERT_EQ(InsertString(&rec_, 0, "new first"), 0);   // the 501st
    EXPECT_EQ(Capacity(), 1000);
    EXPECT_EQ(rec_.freeSlots, 499);
    EXPECT_EQ(rec_.items[1], first);   // records never move, only pointers

    while (rec_.count < 1501)
        ASSERT_GE(InsertString(&rec_, -1, nullptr), 0);
    EXPECT_EQ(Capacity(), 2000);

    // Shrinking waits until more than 1000 entries are free.
    while (rec_.count > 1000)
        ASSERT_GE(DeleteString(&rec_, rec_.count - 1), 0);
    EXPECT_EQ(Capacity(), 2000);
    EXPECT_EQ(rec_.freeSlots, 1000);
    ASSERT_EQ(DeleteString(&rec_, 0), 999);
    EXPECT_EQ(Capacity(), 1499);
    EXPECT_EQ(rec_.freeSlots, 500);
    EXPECT_EQ(rec_.items[0], first);

    while (rec_.count > 0)
        ASSERT_GE(DeleteString(&rec_, 0), 0);
    EXPECT_EQ(rec_.items, nullptr);
    EXPECT_EQ(rec_.freeSlots, 0);
}

// ---------------------------------------------------------------- delete callback

struct Deletion {
    int index;
    LPARAM data;
    std::string text;   // the row's text as the callback could still read it
};

struct DeleteLog {
    ControlRecord* rec;
    std::vector<Deletion> calls;
    int nestedAction = 0;   // 1: reset from the first call; 2: delete the same row again
};

void CALLBACK RecordDeletion(HWND, int index, LPARAM data, LPARAM user)
{
    auto* log = reinterpret_cast<DeleteLog*>(user);
    char buffer[64];
    GetCellText(log->rec, index, 0, buffer);
    log->calls.push_back({index, data, buffer});
    int action = std::exchange(log->nestedAction, 0);
    if (action == 1)
        ResetContent(log->rec);
    else if (action == 2)
        DeleteString(log->rec, index);
}

class DeleteCallbackTest : public ItemStoreTest {
protected:
    void SetUp() override
    {
        ItemStoreTest::SetUp();
        log_.rec = &rec_;
        Add({"a", "b", "c", "d", "e"});
        for (int i = 0; i < 5; ++i)
            SetItemData(&rec_, i, 10 + i);
        TarnDeleteCallbackInfo info = {RecordDeletion, reinterpret_cast<LPARAM>(&log_)};
        ASSERT_TRUE(SetDeleteCallback(&rec_, &info));
    }
    std::vector<std::pair<int, LPARAM>> Calls() const
    {
        std::vector<std::pair<int, LPARAM>> v;
        for (const auto& d : log_.calls)
            v.emplace_back(d.index, d.data);
        return v;
    }
    using Calls_t = std::vector<std::pair<int, LPARAM>>;
    DeleteLog log_;
};

TEST_F(DeleteCallbackTest, EachDeletedItemIsReportedOnceWhileStillReadable)
{
    EXPECT_EQ(DeleteString(&rec_, 1), 4);
    ASSERT_EQ(log_.calls.size(), 1u);
    EXPECT_EQ(log_.calls[0].text, "b");
    EXPECT_EQ(Calls(), (Calls_t{{1, 11}}));

    // The source of a move is not reported: the item lives on.
    EXPECT_EQ(MoveItem(&rec_, 0, 3), 2);
    EXPECT_EQ(Calls(), (Calls_t{{1, 11}}));
    EXPECT_EQ(rec_.deleteCallback, &RecordDeletion);

    log_.calls.clear();
    ResetContent(&rec_);
    EXPECT_EQ(Calls(), (Calls_t{{0, 12}, {1, 13}, {2, 10}, {3, 14}}));
    EXPECT_EQ(log_.calls[2].text, "a");
    EXPECT_EQ(rec_.count, 0);

    // Clearing the callback stops the reports.
    Add({"x"});
    ASSERT_TRUE(SetDeleteCallback(&rec_, nullptr));
    EXPECT_EQ(DeleteString(&rec_, 0), 0);
    EXPECT_EQ(log_.calls.size(), 4u);
}

TEST_F(DeleteCallbackTest, ChangesMadeFromInsideTheCallbackReportNothingTwice)
{
    // A reset started from the callback of a deletion frees everything,
    // the row being deleted included, and reports each other row once.
    log_.nestedAction = 1;
    DeleteString(&rec_, 2);
    EXPECT_EQ(rec_.count, 0);
    EXPECT_EQ(Calls(), (Calls_t{{2, 12}, {0, 10}, {1, 11}, {3, 13}, {4, 14}}));

    // Deleting the same row again from its own callback frees it once.
    log_.calls.clear();
    Add({"p", "q", "r"});
    log_.nestedAction = 2;
    EXPECT_EQ(DeleteString(&rec_, 1), 2);
    EXPECT_EQ(Texts(), (Strings{"p", "r"}));
    EXPECT_EQ(Calls(), (Calls_t{{1, 0}}));

    // A reset whose first report deletes another row reports every row once.
    log_.calls.clear();
    Add({"s"});
    log_.nestedAction = 2;   // deletes row 0 again: already reported, not twice
    ResetContent(&rec_);
    EXPECT_EQ(log_.calls.size(), 3u);
    EXPECT_EQ(log_.calls[0].text, "p");
    EXPECT_EQ(rec_.count, 0);
}

// ---------------------------------------------------------------- search

TEST_F(ItemStoreTest, SearchWrapsOnlyWhenAsked)
{
    Add({"apple", "banana", "cherry", "date", "elder"});
    // With wrap the search tests 3, 4, 0, 1, 2; without it 3, 4.
    EXPECT_EQ(FindItemText(&rec_, 2, 0, "b", TRUE, false), 1);
    EXPECT_EQ(FindItemText(&rec_, 2, 0, "c", TRUE, false), 2);
    EXPECT_EQ(FindItemText(&rec_, 2, 0, "b", FALSE, false), -1);
    EXPECT_EQ(FindItemText(&rec_, 2, 0, "c", FALSE, false), -1);
    EXPECT_EQ(FindItemText(&rec_, 2, 0, "E", FALSE, false), 4);
    // From the last item (or -1), everything from 0 is covered even without wrap.
    EXPECT_EQ(FindItemText(&rec_, 4, 0, "apple", FALSE, true), 0);
    EXPECT_EQ(FindItemText(&rec_, 4, 0, "elder", FALSE, true), 4);
    EXPECT_EQ(FindItemText(&rec_, -1, 0, "ELDER", FALSE, true), 4);
    // Whole text versus prefix, both ignoring case.
    EXPECT_EQ(FindItemText(&rec_, -1, 0, "CHER", FALSE, false), 2);
    EXPECT_EQ(FindItemText(&rec_, -1, 0, "CHER", FALSE, true), -1);
    // Bad arguments.
    EXPECT_EQ(FindItemText(&rec_, -2, 0, "a", TRUE, false), -1);
    EXPECT_EQ(FindItemText(&rec_, 5, 0, "a", TRUE, false), -1);
    EXPECT_EQ(FindItemText(&rec_, -1, 1, "a", TRUE, false), -1);
}

TEST_F(ItemStoreTest, EmptySearchTextMatchesTheNextRowWithAnyText)
{
    Reinit(2);
    Add({"one", nullptr, "", nullptr, "five"});
    ASSERT_TRUE(SetCellText(&rec_, 3, 1, "side"));

    EXPECT_EQ(FindItemText(&rec_, 0, 0, "", FALSE, false), 2);   // "" is a text
    EXPECT_EQ(FindItemText(&rec_, 2, 0, nullptr, FALSE, false), 4);
    EXPECT_EQ(FindItemText(&rec_, 4, 0, "", TRUE, false), 0);
    // A column only one row has text in.
    EXPECT_EQ(FindItemText(&rec_, -1, 1, "", TRUE, false), 3);
    EXPECT_EQ(FindItemText(&rec_, 3, 1, "", FALSE, false), -1);
    EXPECT_EQ(FindItemText(&rec_, 3, 1, "SI", TRUE, false), 3);
    // The exact search treats a missing text as the empty text.
    EXPECT_EQ(FindItemText(&rec_, -1, 0, nullptr, FALSE, true), 2);

    Reinit(1);
    EXPECT_EQ(FindItemText(&rec_, -1, 0, "", TRUE, false), -1);   // no items
}

TEST_F(ItemStoreTest, FindItemStartsAtStartAndDoesNotWrap)
{
    Add({"a", "b", "c", "d"});
    const LPARAM data[] = {7, 9, 7, 9};
    for (int i = 0; i < 4; ++i)
        SetItemData(&rec_, i, data[i]);
    EXPECT_EQ(FindItemData(&rec_, 0, 9), 1);
    EXPECT_EQ(FindItemData(&rec_, 1, 9), 1);
    EXPECT_EQ(FindItemData(&rec_, 2, 9), 3);
    EXPECT_EQ(FindItemData(&rec_, 3, 7), -1);
    EXPECT_EQ(FindItemData(&rec_, -1, 7), -1);
    EXPECT_EQ(FindItemData(&rec_, 4, 7), -1);
}

// ---------------------------------------------------------------- copy and move

TEST_F(ItemStoreTest, CopyToBeforeItselfDuplicatesEverythingTheItemOwns)
{
    Reinit(3);
    Add({"a", "b", "c"});
    ASSERT_TRUE(SetCellText(&rec_, 2, 2, "c2"));
    ASSERT_TRUE(SetRowText(&rec_, 2, "row c"));
    SetItemData(&rec_, 2, 42);
    SetItemStatus(&rec_, 2, 0);
    SetItemLevel(&rec_, 2, 3);
    TarnItem* src = rec_.items[2];
    src->hbmLabel = reinterpret_cast<HBITMAP>(0x1234);
    src->hbmBitmap = reinterpret_cast<HBITMAP>(0x5678);
    src->rowInfo = static_cast<RowFormat*>(calloc(1, sizeof(RowFormat)));
    src->rowInfo->textColor = RGB(1, 2, 3);
    src->rowInfo->bitmapStyle = 5;
    src->cellInfo = static_cast<CellFormat*>(calloc(3, sizeof(CellFormat)));
    src->cellInfo[1].data0 = 99;
    rec_.maxLevel = 0;

    ASSERT_EQ(CopyItem(&rec_, 2, 0), 0);
    ASSERT_EQ(rec_.count, 4);
    EXPECT_EQ(rec_.items[3], src);   // the source kept its record
    TarnItem* copy = rec_.items[0];
    EXPECT_EQ(Text(0, 0), "c");
    EXPECT_EQ(Text(0, 1), "");
    EXPECT_EQ(Text(0, 2), "c2");
    EXPECT_EQ(copy->texts[1], nullptr);
    EXPECT_NE(copy->texts[0], src->texts[0]);
    char buffer[16];
    EXPECT_EQ(GetRowText(&rec_, 0, buffer), 5);
    EXPECT_STREQ(buffer, "row c");
    EXPECT_NE(copy->rowText, src->rowText);
    EXPECT_EQ(copy->itemData, 42);
    EXPECT_EQ(copy->flags, src->flags);   // disabled, level 3
    EXPECT_EQ(ItemLevel(copy), 3);
    EXPECT_EQ(rec_.maxLevel, 3);
    EXPECT_EQ(copy->hbmLabel, src->hbmLabel);
    EXPECT_EQ(copy->hbmBitmap, src->hbmBitmap);
    ASSERT_NE(copy->rowInfo, nullptr);
    EXPECT_NE(copy->rowInfo, src->rowInfo);
    EXPECT_EQ(copy->rowInfo->textColor, RGB(1, 2, 3));
    EXPECT_EQ(copy->rowInfo->bitmapStyle, 5);
    ASSERT_NE(copy->cellInfo, nullptr);
    EXPECT_NE(copy->cellInfo, src->cellInfo);
    EXPECT_EQ(copy->cellInfo[1].data0, 99);

    // Out-of-range destinations append; bad sources fail.
    EXPECT_EQ(CopyItem(&rec_, 1, -1), 4);
    EXPECT_EQ(Text(4), "a");
    EXPECT_EQ(CopyItem(&rec_, 5, 0), -1);
    EXPECT_EQ(CopyItem(&rec_, -1, 0), -1);
    EXPECT_EQ(rec_.count, 5);
}

TEST_F(ItemStoreTest, MoveReturnsTheFinalIndexOfTheItem)
{
    struct Case {
        int source, destination, result;
        Strings order;
    };
    const Case cases[] = {
        {0, 3, 2, {"b", "c", "a", "d", "e"}},
        {3, 0, 0, {"d", "a", "b", "c", "e"}},
        {1, 1, 1, {"a", "b", "c", "d", "e"}},
        {1, -1, 4, {"a", "c", "d", "e", "b"}},
        {4, 2, 2, {"a", "b", "e", "c", "d"}},
    };
    for (const Case& c : cases) {
        Reinit(1);
        Add({"a", "b", "c", "d", "e"});
        for (int i = 0; i < 5; ++i)
            SetItemData(&rec_, i, 100 + i);
        SCOPED_TRACE(testing::Message() << "move " << c.source << " -> " << c.destination);
        EXPECT_EQ(MoveItem(&rec_, c.source, c.destination), c.result);
        EXPECT_EQ(Texts(), c.order);
        EXPECT_EQ(rec_.items[c.result]->itemData, 100 + c.source);
    }
    EXPECT_EQ(MoveItem(&rec_, 5, 0), -1);
    EXPECT_EQ(rec_.count, 5);
}

// ---------------------------------------------------------------- texts and fields

TEST_F(ItemStoreTest, TextGettersEmptyTheBufferAndReportBadRowsAndColumns)
{
    Reinit(2);
    Add({"alpha", nullptr});
    char buffer[32];

    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetCellText(&rec_, -1, 0, buffer), -1);   // no current item
    EXPECT_STREQ(buffer, "");
    rec_.currentItem = 0;
    EXPECT_EQ(GetCellText(&rec_, -1, 0, buffer), 5);
    EXPECT_STREQ(buffer, "alpha");

    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetCellText(&rec_, 1, 0, buffer), 0);     // no text
    EXPECT_STREQ(buffer, "");
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetCellText(&rec_, 0, 2, buffer), -1);    // no such column
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetCellText(&rec_, 2, 0, buffer), -1);
    EXPECT_EQ(GetCellTextLength(&rec_, 0, 2), -1);
    EXPECT_EQ(GetCellTextLength(&rec_, 1, 1), 0);

    ASSERT_TRUE(SetCellText(&rec_, 0, 0, nullptr));
    EXPECT_EQ(rec_.items[0]->texts[0], nullptr);
    EXPECT_FALSE(SetCellText(&rec_, 0, 2, "x"));
    EXPECT_FALSE(SetCellText(&rec_, 2, 0, "x"));

    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetRowText(&rec_, 1, buffer), 0);
    EXPECT_STREQ(buffer, "");
    ASSERT_TRUE(SetRowText(&rec_, 1, "Row"));
    EXPECT_EQ(GetRowTextLength(&rec_, 1), 3);
    EXPECT_EQ(GetRowText(&rec_, 1, buffer), 3);
    EXPECT_STREQ(buffer, "Row");
    ASSERT_TRUE(SetRowText(&rec_, 1, nullptr));
    EXPECT_EQ(GetRowTextLength(&rec_, 1), 0);
    EXPECT_EQ(GetRowTextLength(&rec_, 2), -1);
    EXPECT_FALSE(SetRowText(&rec_, -1, "x"));
}

TEST_F(ItemStoreTest, StatusIsOneBitAndLevelsStayOutOfIt)
{
    Add({"a"});
    SetItemLevel(&rec_, 0, 5);
    EXPECT_TRUE(SetItemStatus(&rec_, 0, 0));
    EXPECT_EQ(rec_.items[0]->flags & TARNIF_ENABLED, 0u);
    EXPECT_TRUE(SetItemStatus(&rec_, 0, 2));
    EXPECT_EQ(rec_.items[0]->flags & TARNIF_ENABLED, TARNIF_ENABLED);
    EXPECT_EQ(ItemLevel(rec_.items[0]), 5);
    EXPECT_FALSE(SetItemStatus(&rec_, 1, 1));
    EXPECT_EQ(SetItemData(&rec_, 1, 3), -1);
    EXPECT_EQ(SetItemData(&rec_, 0, -7), 0);
    EXPECT_EQ(rec_.items[0]->itemData, -7);
}

// ---------------------------------------------------------------- hierarchy primitives

TEST_F(ItemStoreTest, ParentsAndPreviousSiblingsFollowTheLevels)
{
    Add({"0", "1", "2", "3", "4", "5"});
    const int levels[] = {0, 1, 2, 2, 1, 0};
    for (int i = 0; i < 6; ++i)
        SetItemLevel(&rec_, i, levels[i]);

    const int parents[] = {-1, 0, 1, 1, 0, -1};
    const int previous[] = {-1, -1, -1, 2, 1, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(FindParent(&rec_, i), parents[i]) << i;
        EXPECT_EQ(PreviousSibling(&rec_, i), previous[i]) << i;
    }
    EXPECT_EQ(FindParent(&rec_, 6), -1);
    EXPECT_EQ(PreviousSibling(&rec_, -1), -1);

    // Levels are clamped to what the six bits hold; maxLevel only rises.
    SetItemLevel(&rec_, 5, 100);
    EXPECT_EQ(ItemLevel(rec_.items[5]), 63);
    EXPECT_EQ(rec_.maxLevel, 63);
    SetItemLevel(&rec_, 5, -5);
    EXPECT_EQ(ItemLevel(rec_.items[5]), 0);
    EXPECT_EQ(rec_.maxLevel, 63);

    // Deleting a parent leaves its dependents where they are.
    EXPECT_EQ(DeleteString(&rec_, 1), 5);
    EXPECT_EQ(Texts(), (Strings{"0", "2", "3", "4", "5"}));
    EXPECT_EQ(FindParent(&rec_, 1), 0);

    ResetContent(&rec_);
    EXPECT_EQ(rec_.maxLevel, 0);
}

// ---------------------------------------------------------------- virtual mode

struct Lender {
    std::vector<std::string> events;
    TarnItem items[3];
    char* texts[3][1];
    char storage[3][8];
};
void CALLBACK Fetch(HWND, LPARAM user, int index, TarnItem** out)
{
    auto* lender = reinterpret_cast<Lender*>(user);
    lender->events.push_back("fetch " + std::to_string(index));
    *out = index < 3 ? &lender->items[index] : nullptr;
}

void CALLBACK Release(HWND, LPARAM user, int index, TarnItem* item)
{
    auto* lender = reinterpret_cast<Lender*>(user);
    EXPECT_EQ(item, &lender->items[index]);
    lender->events.push_back("release " + std::to_string(index));
}

class VirtualItemsTest : public ItemStoreTest {
protected:
    void SetUp() override
    {
        ItemStoreTest::SetUp();
        Add({"stored"});   // a stored item must survive every refused call
        stored_ = rec_.items[0];
        for (int i = 0; i < 3; ++i) {
            snprintf(lender_.storage[i], sizeof lender_.storage[i], "v%d", i);
            lender_.texts[i][0] = lender_.storage[i];
            lender_.items[i] = TarnItem{};
            lender_.items[i].texts = lender_.texts[i];
            lender_.items[i].itemData = 50 + i;
            lender_.items[i].flags = TARNIF_ENABLED;
        }
        rec_.virtualFetchCallback = Fetch;
        rec_.virtualReleaseCallback = Release;
        rec_.virtualUserData = reinterpret_cast<LPARAM>(&lender_);
    }
    void TearDown() override
    {
        GetItem(&rec_, -1);
        rec_.virtualFetchCallback = nullptr;
        rec_.count = 1;   // back to the one stored item
        ItemStoreTest::TearDown();
    }
    Lender lender_;
    TarnItem* stored_ = nullptr;
};

TEST_F(VirtualItemsTest, OneItemIsLentAtATime)
{
    char buffer[8];
    EXPECT_EQ(GetCellText(&rec_, 0, 0, buffer), 2);
    EXPECT_STREQ(buffer, "v0");
    EXPECT_EQ(GetCellText(&rec_, 0, 0, buffer), 2);
    rec_.count = 3;
    EXPECT_EQ(FindItemText(&rec_, 0, 0, "v2", FALSE, true), 2);
    GetItem(&rec_, -1);
    EXPECT_EQ(lender_.events, (Strings{"fetch 0", "release 0", "fetch 0", "release 0", "fetch 1",
                                       "release 1", "fetch 2", "release 2"}));
    EXPECT_EQ(rec_.virtualItemIndex, -1);
    EXPECT_EQ(rec_.virtualItem, nullptr);
}

TEST_F(VirtualItemsTest, EveryChangeToItemsIsRefused)
{
    TarnDeleteCallbackInfo info = {RecordDeletion, 0};
    EXPECT_EQ(InsertString(&rec_, -1, "x"), -1);
    EXPECT_EQ(InsertString(&rec_, 0, "x"), -1);
    EXPECT_EQ(DeleteString(&rec_, 0), -1);
    EXPECT_EQ(CopyItem(&rec_, 0, 0), -1);
    EXPECT_EQ(MoveItem(&rec_, 0, 0), -1);
    EXPECT_FALSE(SetCellText(&rec_, 0, 0, "x"));
    EXPECT_FALSE(SetRowText(&rec_, 0, "x"));
    EXPECT_EQ(SetItemData(&rec_, 0, 1), -1);
    EXPECT_FALSE(SetItemStatus(&rec_, 0, 0));
    EXPECT_FALSE(SetItemLabel(&rec_, 0, nullptr));
    EXPECT_FALSE(SetItemBitmap(&rec_, 0, nullptr));
    EXPECT_FALSE(SetDeleteCallback(&rec_, &info));
    SetItemLevel(&rec_, 0, 4);
    ResetContent(&rec_);   // silently nothing

    EXPECT_EQ(rec_.count, 1);
    EXPECT_EQ(rec_.items[0], stored_);
    EXPECT_EQ(rec_.deleteCallback, nullptr);
    EXPECT_STREQ(lender_.items[0].texts[0], "v0");
    EXPECT_EQ(lender_.items[0].itemData, 50);
    EXPECT_EQ(lender_.items[0].flags, TARNIF_ENABLED);
    EXPECT_EQ(lender_.items[0].rowText, nullptr);
    EXPECT_EQ(rec_.maxLevel, 0);

    // The shared label size is no stored item: index -1 is still accepted.
    EXPECT_TRUE(SetItemLabel(&rec_, -1, nullptr));
    EXPECT_FALSE(rec_.showLabels);
}

} // namespace
