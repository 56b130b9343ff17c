// The item store on control records built in memory (no window): index
// bookkeeping, the pointer array, the delete callback, searching, copying and
// moving, and the virtual-mode access protocol.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "plain_record.h"
#include "core/hierarchy.h"
#include "record_ops.h"
#include "core/item_search.h"
#include "core/item_store.h"
#include "record_ops.h"

namespace {

using Strings = std::vector<std::string>;
using Calls = std::vector<std::pair<int, LPARAM>>;

// What the delete callback saw: index and data, and the row's text then.
struct DeleteLog {
    ControlRecord* rec;
    Calls calls;
    Strings texts;
    int nestedAction = 0;   // 1: reset from the next call; 2: delete the same row again
};

void CALLBACK RecordDeletion(HWND, int index, LPARAM data, LPARAM user)
{
    auto* log = reinterpret_cast<DeleteLog*>(user);
    char buffer[64];
    GetCellText(log->rec, index, 0, buffer);
    log->calls.emplace_back(index, data);
    log->texts.push_back(buffer);
    int action = std::exchange(log->nestedAction, 0);
    if (action == 1)
        ResetContent(log->rec);
    else if (action == 2)
        DeleteString(log->rec, index);
}

class ItemStoreTest : public ::testing::Test {
protected:
    void SetUp() override { InitPlainRecord(&rec_, 1); }
    void TearDown() override { FreePlainRecord(&rec_); }
    void Reinit(int columns)
    {
        FreePlainRecord(&rec_);
        InitPlainRecord(&rec_, columns);
    }
    void Add(std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            ASSERT_GE(InsertString(&rec_, -1, t), 0);
    }
    // The cell text, read with the length function and the getter, which must agree.
    std::string Text(int row, int column = 0)
    {
        char buffer[64];
        int n = GetCellText(&rec_, row, column, buffer);
        EXPECT_EQ(GetCellTextLength(&rec_, row, column), n);
        return n < 0 ? "<bad>" : buffer;
    }
    Strings Texts()
    {
        Strings v;
        for (int i = 0; i < rec_.count; ++i)
            v.push_back(Text(i));
        return v;
    }
    int Capacity() const { return rec_.count + rec_.freeSlots; }
    // Rows a..e with data 10..14 and the delete callback recording into log_.
    void WithDeleteLog()
    {
        log_.rec = &rec_;
        Add({"a", "b", "c", "d", "e"});
        for (int i = 0; i < 5; ++i)
            SetItemData(&rec_, i, 10 + i);
        TarnDeleteCallbackInfo info = {RecordDeletion, reinterpret_cast<LPARAM>(&log_)};
        ASSERT_TRUE(SetDeleteCallback(&rec_, &info));
    }

    ControlRecord rec_;
    DeleteLog log_;
};

// InsertItem is driven directly: the exported insertion first cancels the
// list, which puts curSel back on currentItem and would hide the difference.
TEST_F(ItemStoreTest, InsertionAtOrBeforeTheSelectionMovesItDown)
{
    Add({"a", "b", "c", "d", "e"});
    rec_.curSel = 2;
    rec_.currentItem = 3;
    TarnItem blank = {};
    // After both, at currentItem (after curSel), at curSel.
    const struct { int at, sel, current; } steps[] = {{4, 2, 3}, {3, 2, 4}, {2, 3, 5}};
    for (const auto& s : steps) {
        EXPECT_EQ(InsertItem(&rec_, &blank, s.at, "x", 0), s.at);
        EXPECT_EQ(rec_.curSel, s.sel) << s.at;
        EXPECT_EQ(rec_.currentItem, s.current) << s.at;
    }
    EXPECT_EQ(Text(rec_.curSel), "c");
    EXPECT_EQ(Text(rec_.currentItem), "d");

    // The exported insertion cancels a pending highlight and appends out-of-range indices.
    EXPECT_EQ(InsertString(&rec_, -5, "end1"), 8);
    EXPECT_EQ(rec_.curSel, 5);
    EXPECT_EQ(InsertString(&rec_, 99, "end2"), 9);
    EXPECT_EQ(Texts(), (Strings{"a", "b", "x", "c", "x", "d", "x", "e", "end1", "end2"}));
    EXPECT_EQ(rec_.items[9]->flags, TARNIF_ENABLED);   // enabled, level 0
    EXPECT_EQ(rec_.items[9]->itemData, 0);
}

TEST_F(ItemStoreTest, DeletionKeepsTheSameRowsSelectedOrClearsThem)
{
    Add({"a", "b", "c", "d", "e", "f"});
    rec_.curSel = 3;
    rec_.currentItem = 4;
    rec_.topIndex = 5;
    (void)DeleteItem(&rec_, 0);
    EXPECT_EQ(Text(rec_.curSel), "d");
    EXPECT_EQ(Text(rec_.currentItem), "e");
    EXPECT_EQ(rec_.topIndex, 4);   // was at the last row: moves up with it

    rec_.topIndex = 1;
    (void)DeleteItem(&rec_, 2);          // the selected "d"
    EXPECT_EQ(rec_.curSel, -1);
    EXPECT_EQ(Text(rec_.currentItem), "e");
    EXPECT_EQ(rec_.topIndex, 1);   // not at the end: stays

    rec_.curSel = 0;
    (void)DeleteItem(&rec_, rec_.currentItem);
    EXPECT_EQ(rec_.currentItem, -1);
    EXPECT_EQ(rec_.curSel, 0);     // above the deleted row: untouched
    EXPECT_EQ(Texts(), (Strings{"b", "c", "f"}));

    EXPECT_EQ(DeleteString(&rec_, 3), -1);
    EXPECT_EQ(DeleteString(&rec_, -1), -1);
    rec_.topIndex = 0;
    for (int i = 2; i >= 0; --i)
        EXPECT_EQ(DeleteString(&rec_, i), i);
    EXPECT_EQ(rec_.topIndex, 0);   // never below 0
}

TEST_F(ItemStoreTest, PointerArrayGrowsAndShrinksInSteps)
{
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(InsertString(&rec_, -1, nullptr), i);
    EXPECT_EQ(Capacity(), 500);
    TarnItem* first = rec_.items[0];
    ASSERT_EQ(InsertString(&rec_, 0, "new first"), 0);
    EXPECT_EQ(Capacity(), 1000);
    EXPECT_EQ(rec_.items[1], first);   // records never move, only pointers
    while (rec_.count < 1501)
        ASSERT_GE(InsertString(&rec_, -1, nullptr), 0);
    while (rec_.count > 1000)
        ASSERT_GE(DeleteString(&rec_, rec_.count - 1), 0);
    EXPECT_EQ(Capacity(), 2000);   // shrinks only above 1000 free entries
    ASSERT_EQ(DeleteString(&rec_, 0), 999);
    EXPECT_EQ(Capacity(), 1499);
    EXPECT_EQ(rec_.items[0], first);
    while (rec_.count > 0)
        ASSERT_GE(DeleteString(&rec_, 0), 0);
    EXPECT_EQ(rec_.items, nullptr);
    EXPECT_EQ(rec_.freeSlots, 0);
}

TEST_F(ItemStoreTest, EachDeletedItemIsReportedOnceWhileStillReadable)
{
    WithDeleteLog();
    EXPECT_EQ(DeleteString(&rec_, 1), 4);
    EXPECT_EQ(log_.calls, (Calls{{1, 11}}));
    EXPECT_EQ(log_.texts, (Strings{"b"}));
    // The source of a move is not reported: the item lives on.
    EXPECT_EQ(MoveItem(&rec_, 0, 3), 2);
    EXPECT_EQ(log_.calls.size(), 1u);
    EXPECT_EQ(rec_.deleteCallback, &RecordDeletion);
    // A reset reports every row before freeing any.
    log_ = DeleteLog{&rec_, {}, {}, 0};
    ResetContent(&rec_);
    EXPECT_EQ(log_.calls, (Calls{{0, 12}, {1, 13}, {2, 10}, {3, 14}}));
    EXPECT_EQ(log_.texts, (Strings{"c", "d", "a", "e"}));

    Add({"x"});
    ASSERT_TRUE(SetDeleteCallback(&rec_, nullptr));
    EXPECT_EQ(DeleteString(&rec_, 0), 0);
    EXPECT_EQ(log_.calls.size(), 4u);
}

TEST_F(ItemStoreTest, ChangesMadeFromInsideTheDeleteCallbackReportNothingTwice)
{
    // A reset from the callback of a deletion frees everything, the row being
    // deleted included, and reports each other row once.
    WithDeleteLog();
    log_.nestedAction = 1;
    DeleteString(&rec_, 2);
    EXPECT_EQ(rec_.count, 0);
    EXPECT_EQ(log_.calls, (Calls{{2, 12}, {0, 10}, {1, 11}, {3, 13}, {4, 14}}));

    // Deleting the same row again from its own callback frees it once.
    Add({"p", "q", "r"});
    log_ = DeleteLog{&rec_, {}, {}, 2};
    EXPECT_EQ(DeleteString(&rec_, 1), 2);
    EXPECT_EQ(Texts(), (Strings{"p", "r"}));
    EXPECT_EQ(log_.calls, (Calls{{1, 0}}));

    // A reset whose first report deletes that row still reports every row once.
    Add({"s"});
    log_ = DeleteLog{&rec_, {}, {}, 2};
    ResetContent(&rec_);
    EXPECT_EQ(log_.texts, (Strings{"p", "r", "s"}));
    EXPECT_EQ(rec_.count, 0);
}

TEST_F(ItemStoreTest, SearchesWrapOnlyWhenAskedAndIgnoreCase)
{
    Reinit(2);
    Add({"apple", nullptr, "", "cherry", "elder"});
    ASSERT_TRUE(SetCellText(&rec_, 3, 1, "side"));
    const struct { int start, column; const char* text; BOOL wrap; bool exact; int found; } cases[] = {
        {2, 0, "A", TRUE, false, 0},        // wraps: tests 3, 4, 0, 1, 2
        {2, 0, "a", FALSE, false, -1},      // no wrap: tests 3, 4 only
        {4, 0, "APPLE", FALSE, true, 0},    // from the last row, 0 on is covered anyway
        {-1, 0, "CHER", FALSE, false, 3},   // prefix versus whole text
        {-1, 0, "CHER", FALSE, true, -1},
        {0, 0, "", FALSE, false, 2},        // "" matches any text, "" included, but not none
        {2, 0, nullptr, FALSE, false, 3},
        {-1, 0, nullptr, FALSE, true, 2},   // exact: a missing search text is ""
        {-1, 1, "", TRUE, false, 3},        // a column only one row has text in
        {3, 1, "SI", TRUE, false, 3},       // wraps round to the start row itself
        {-2, 0, "a", TRUE, false, -1},
        {5, 0, "a", TRUE, false, -1},
        {-1, 2, "a", TRUE, false, -1},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(FindItemText(&rec_, c.start, c.column, c.text, c.wrap, c.exact), c.found) << "case " << i;
    }

    // By item data: from start itself, never wrapping.
    const LPARAM data[] = {7, 9, 7, 9, 1};
    for (int i = 0; i < 5; ++i)
        SetItemData(&rec_, i, data[i]);
    EXPECT_EQ(FindItemData(&rec_, 1, 9), 1);
    EXPECT_EQ(FindItemData(&rec_, 2, 9), 3);
    EXPECT_EQ(FindItemData(&rec_, 3, 7), -1);
    EXPECT_EQ(FindItemData(&rec_, -1, 7), -1);
    EXPECT_EQ(FindItemData(&rec_, 5, 1), -1);

    Reinit(1);
    EXPECT_EQ(FindItemText(&rec_, -1, 0, "", TRUE, false), -1);   // no items
}

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
    src->rowInfo->bitmapStyle = 5;   // the last fields: a short copy loses them
    src->cellInfo = static_cast<CellFormat*>(calloc(3, sizeof(CellFormat)));
    src->cellInfo[2].bitmapStyle = 7;
    rec_.maxLevel = 0;   // as after deep rows came in some other way

    ASSERT_EQ(CopyItem(&rec_, 2, 0), 0);
    EXPECT_EQ(rec_.items[3], src);   // the source kept its record
    TarnItem* copy = rec_.items[0];
    EXPECT_EQ(Text(0, 0), "c");
    EXPECT_EQ(copy->texts[1], nullptr);
    EXPECT_EQ(Text(0, 2), "c2");
    EXPECT_NE(copy->texts[2], src->texts[2]);
    ASSERT_TRUE(copy->rowText && copy->rowText != src->rowText);
    EXPECT_STREQ(copy->rowText, "row c");
    EXPECT_EQ(copy->itemData, 42);
    EXPECT_EQ(copy->flags, src->flags);   // disabled, level 3
    EXPECT_EQ(rec_.maxLevel, 3);
    EXPECT_TRUE(copy->hbmLabel == src->hbmLabel && copy->hbmBitmap == src->hbmBitmap);
    ASSERT_TRUE(copy->rowInfo && copy->rowInfo != src->rowInfo);
    EXPECT_EQ(memcmp(copy->rowInfo, src->rowInfo, sizeof(RowFormat)), 0);
    ASSERT_TRUE(copy->cellInfo && copy->cellInfo != src->cellInfo);
    EXPECT_EQ(memcmp(copy->cellInfo, src->cellInfo, 3 * sizeof(CellFormat)), 0);

    // Out-of-range destinations append; bad sources fail.
    EXPECT_EQ(CopyItem(&rec_, 1, -1), 4);
    EXPECT_EQ(Text(4), "a");
    EXPECT_EQ(CopyItem(&rec_, 5, 0), -1);
    EXPECT_EQ(CopyItem(&rec_, -1, 0), -1);
    EXPECT_EQ(rec_.count, 5);
}

TEST_F(ItemStoreTest, MoveReturnsTheFinalIndexOfTheItem)
{
    const struct { int source, destination, result; Strings order; } cases[] = {
        {0, 3, 2, {"b", "c", "a", "d", "e"}},
        {3, 0, 0, {"d", "a", "b", "c", "e"}},
        {1, 1, 1, {"a", "b", "c", "d", "e"}},
        {1, -1, 4, {"a", "c", "d", "e", "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "move " << c.source << " -> " << c.destination);
        Reinit(1);
        Add({"a", "b", "c", "d", "e"});
        SetItemData(&rec_, c.source, 77);
        EXPECT_EQ(MoveItem(&rec_, c.source, c.destination), c.result);
        EXPECT_EQ(Texts(), c.order);
        EXPECT_EQ(rec_.items[c.result]->itemData, 77);
    }
    EXPECT_EQ(MoveItem(&rec_, 5, 0), -1);
    EXPECT_EQ(rec_.count, 5);
}

TEST_F(ItemStoreTest, GettersEmptyTheBufferAndSettersRefuseBadRowsAndColumns)
{
    Reinit(2);
    Add({"alpha", nullptr});
    char buffer[32];
    // Row -1 without a current item, no text, no such column, no such row.
    const struct { int row, column, result; } reads[] = {{-1, 0, -1}, {1, 0, 0}, {0, 2, -1}, {2, 0, -1}};
    for (const auto& r : reads) {
        memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(GetCellText(&rec_, r.row, r.column, buffer), r.result) << r.row << "/" << r.column;
        EXPECT_STREQ(buffer, "");
        EXPECT_EQ(GetCellTextLength(&rec_, r.row, r.column), r.result) << r.row << "/" << r.column;
    }
    rec_.currentItem = 0;
    EXPECT_EQ(GetCellText(&rec_, -1, 0, buffer), 5);
    EXPECT_STREQ(buffer, "alpha");
    ASSERT_TRUE(SetCellText(&rec_, 0, 0, nullptr));
    EXPECT_EQ(rec_.items[0]->texts[0], nullptr);
    EXPECT_FALSE(SetCellText(&rec_, 0, 2, "x"));
    EXPECT_FALSE(SetCellText(&rec_, 2, 0, "x"));

    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetRowText(&rec_, 1, buffer), 0);
    EXPECT_STREQ(buffer, "");
    ASSERT_TRUE(SetRowText(&rec_, 1, "Row"));
    EXPECT_EQ(GetRowTextLength(&rec_, 1), 3);
    ASSERT_TRUE(SetRowText(&rec_, 1, nullptr));
    EXPECT_EQ(GetRowTextLength(&rec_, 1), 0);
    EXPECT_EQ(GetRowTextLength(&rec_, 2), -1);
    EXPECT_FALSE(SetRowText(&rec_, -1, "x"));

    // The status is one bit beside the level; data takes any value.
    SetItemLevel(&rec_, 0, 5);
    EXPECT_TRUE(SetItemStatus(&rec_, 0, 0));
    EXPECT_EQ(rec_.items[0]->flags, 5u << TARNIF_LEVELSHIFT);
    EXPECT_TRUE(SetItemStatus(&rec_, 0, 2));
    EXPECT_EQ(rec_.items[0]->flags, TARNIF_ENABLED | (5u << TARNIF_LEVELSHIFT));
    EXPECT_FALSE(SetItemStatus(&rec_, 2, 1));
    EXPECT_EQ(SetItemData(&rec_, 2, 3), -1);
    EXPECT_EQ(SetItemData(&rec_, 0, -7), 0);
    EXPECT_EQ(rec_.items[0]->itemData, -7);
}

// ---------------------------------------------------------------- virtual mode

// Lends three items "v0".."v2" (data 50..52, levels 0, 1, 1) and logs every fetch and release.
struct Lender {
    Lender()
    {
        for (int i = 0; i < 3; ++i) {
            items[i].texts = &texts[i];
            items[i].itemData = 50 + i;
            items[i].flags = TARNIF_ENABLED | (i ? 1u << TARNIF_LEVELSHIFT : 0u);
        }
    }
    Strings events;
    TarnItem items[3] = {};
    char text[3][3] = {"v0", "v1", "v2"};
    char* texts[3] = {text[0], text[1], text[2]};
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

TEST_F(ItemStoreTest, VirtualItemsAreLentOneAtATimeAndNeverChanged)
{
    Add({"stored"});   // a stored item must survive every refused call
    TarnItem* stored = rec_.items[0];
    Lender lender;
    rec_.virtualFetchCallback = Fetch;
    rec_.virtualReleaseCallback = Release;
    rec_.virtualUserData = reinterpret_cast<LPARAM>(&lender);
    char buffer[8];
    EXPECT_EQ(GetCellText(&rec_, 0, 0, buffer), 2);
    EXPECT_STREQ(buffer, "v0");
    EXPECT_EQ(GetCellText(&rec_, 0, 0, buffer), 2);
    rec_.count = 3;
    EXPECT_EQ(FindItemText(&rec_, 0, 0, "v2", FALSE, true), 2);
    GetItem(&rec_, -1);
    // Given back before the next fetch, even when it is the same row again.
    EXPECT_EQ(lender.events, (Strings{"fetch 0", "release 0", "fetch 0", "release 0", "fetch 1",
                                      "release 1", "fetch 2", "release 2"}));
    EXPECT_EQ(rec_.virtualItemIndex, -1);
    EXPECT_EQ(rec_.virtualItem, nullptr);
    // Tree walks read lent rows as well.
    EXPECT_EQ(FindParent(&rec_, 2), 0);
    EXPECT_EQ(DependentCount(&rec_, 0, FALSE), 2);

    // Every change is refused before any row is fetched, so no lent row can change.
    GetItem(&rec_, -1);
    lender.events.clear();
    TarnDeleteCallbackInfo info = {RecordDeletion, 0};
    EXPECT_EQ(InsertString(&rec_, -1, "x"), -1);
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
    EXPECT_FALSE(SetItemLevel(&rec_, 0, 4));
    EXPECT_EQ(DeleteDependents(&rec_, 0), -1);
    ResetContent(&rec_);   // silently nothing
    EXPECT_TRUE(lender.events.empty());
    EXPECT_EQ(rec_.count, 3);
    EXPECT_EQ(rec_.deleteCallback, nullptr);
    EXPECT_EQ(rec_.maxLevel, 0);
    // The shared label size is no stored item: index -1 is still accepted.
    EXPECT_TRUE(SetItemLabel(&rec_, -1, nullptr));

    GetItem(&rec_, -1);
    rec_.virtualFetchCallback = nullptr;
    rec_.count = 1;
    EXPECT_EQ(rec_.items[0], stored);
}

} // namespace
