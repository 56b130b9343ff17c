// The data routines on control records built in memory: the index arithmetic
// of insertion and deletion, the pointer array's steps, the delete callback's
// reports while the callback itself changes the store, searching, copying,
// the tree walks against their definitions, the column set and the cell and
// row formats, whose refusals must change nothing, and lent virtual rows.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/item_copy.h"
#include "core/item_fields.h"
#include "core/item_search.h"
#include "core/item_texts.h"
#include "core/row_format.h"
#include "core/sorting.h"
#include "layout/column_geometry.h"
#include "plain_record.h"

namespace {

using std::make_pair;
using std::make_tuple;
using std::string;

class DataTest : public ::testing::Test {
protected:
    void SetUp() override { InitPlainRecord(&rec_, 3); }
    void TearDown() override { FreePlainRecord(&rec_); }
    // Replaces the rows (telling no callback) by "a", "b", ... with the same letters as item data.
    void Fill(int rows)
    {
        rec_.deleteCallback = nullptr, (void)ResetItems(&rec_);
        for (char c = 'a'; c < 'a' + rows; ++c)
            ASSERT_GE(InsertItem(&rec_, nullptr, -1, string(1, c).c_str(), c), 0);
    }
    string Order() const   // the first letter of each row
    {
        string s;
        for (int i = 0; i < rec_.count; ++i)
            s += rec_.items[i]->texts[0][0];
        return s;
    }
    ControlRecord rec_;
};

// An insertion at or before a row moves it down; a deletion moves later rows
// up and clears a deleted one; the top row moves up only from the last row.
TEST_F(DataTest, SelectionCurrentAndTopRowFollowTheirRows)
{
    const struct { bool insert; int at, sel, cur, top; const char* order; int wantSel, wantCur, wantTop; } cases[] = {
        {true, 4, 2, 3, 5, "abcdxef", 2, 3, 5}, {true, 3, 2, 3, 0, "abcxdef", 2, 4, 0},
        {true, 2, 2, 3, 0, "abxcdef", 3, 4, 0}, {true, 99, 5, 5, 0, "abcdefx", 5, 5, 0},
        {false, 0, 3, 4, 5, "bcdef", 2, 3, 4},  {false, 2, 2, 4, 4, "abdef", -1, 3, 4},
        {false, 4, 0, 4, 1, "abcdf", 0, -1, 1}, {false, 5, 5, -1, 5, "abcde", -1, -1, 4}};
    for (const auto& c : cases) {
        Fill(6);
        rec_.curSel = c.sel, rec_.currentItem = c.cur, rec_.topIndex = c.top;
        if (c.insert)
            EXPECT_EQ(InsertItem(&rec_, nullptr, c.at, "x", 0), static_cast<int>(string(c.order).find('x')));
        else
            EXPECT_EQ(DeleteItem(&rec_, c.at).currentCleared, c.cur == c.at) << c.order;
        char current[8] = "-";   // what row -1 reads: the current row
        int length = 0;
        (void)ReadCellText(&rec_, -1, 0, current, &length);
        EXPECT_EQ(make_tuple(Order(), rec_.curSel, rec_.currentItem, rec_.topIndex, current[0]),
                  make_tuple(string(c.order), c.wantSel, c.wantCur, c.wantTop, c.wantCur < 0 ? '-' : c.order[c.wantCur]));
    }
}

// Rows come and go at the front, so every pointer shifts each time while the
// array grows and shrinks; the first row's record ends up last and never
// moves. Rows come and go around every count on the way, and still the array
// moves a few times only in a long fill or emptying. No rows, no array.
TEST_F(DataTest, RowsKeepTheirRecordsWhileThePointerArrayGrowsAndShrinks)
{
    Fill(1);
    TarnItem* const first = rec_.items[0];
    for (int rows : {1500, 1, 12000, 700, 0}) {
        int moves = 0, entries = rec_.count + rec_.freeSlots;
        for (int i = 0; rec_.count != rows; ++i) {   // two steps towards rows, one back
            ASSERT_TRUE((rec_.count < rows) == (i % 3 != 2) ? InsertItem(&rec_, nullptr, 0, "new", 0) == 0 : DeleteItem(&rec_, 0).removed);
            moves += entries != rec_.count + rec_.freeSlots, entries = rec_.count + rec_.freeSlots;
        }
        EXPECT_TRUE(moves <= 20 && (rows ? rec_.items[rows - 1] == first : rec_.items == nullptr)) << moves << " moves to " << rows << " rows";
    }
}

// Texts of many lengths replace each other in random order, some taken from
// another cell of the same row, and rows move (a copy, then the original
// deleted): every cell reads back what it was given last.
TEST_F(DataTest, ReplacedTextsReadBackIntactAlsoInMovedRows)
{
    Fill(4);
    std::vector<std::vector<string>> want = {{"a", "", ""}, {"b", "", ""}, {"c", "", ""}, {"d", "", ""}};   // "": no text
    for (unsigned step = 0, h; step < 4000; ++step) {
        const int r = (h = step * 2654435761u) >> 9 & 3, c = (h >> 12) % 3, length = (h >> 16) % 14;
        const char* text = length < 2 ? nullptr : length < 5 ? rec_.items[r]->texts[(h >> 24) % 3] : "ABCDEFGHIJKLM" + 13 - length;
        ASSERT_TRUE((want[r][c] = text ? text : "", StoreCellText(&rec_, r, c, text)));
        if (LevelChange level; step % 100 == 0 && CopyItemData(&rec_, r, 4, &level) == 4 && DeleteItem(&rec_, r).removed)
            want.push_back(want[r]), want.erase(want.begin() + r);
        for (int i = 0; i < 12; ++i)
            ASSERT_EQ(rec_.items[i / 3]->texts[i % 3] ? rec_.items[i / 3]->texts[i % 3] : "", want[i / 3][i % 3]) << step;
    }
}

// The delete callback logs index and text of each report; what its first
// report does to the store is g_action's.
ControlRecord* g_rec;
int g_action;
string g_log;

void CALLBACK Report(HWND, int index, LPARAM data, LPARAM)
{
    const string text = IsValidRow(g_rec, index) ? g_rec->items[index]->texts[0] : "?";   // still where reported
    EXPECT_EQ(text[0], data);
    g_log += std::to_string(index) + text + " ";
    switch (std::exchange(g_action, 0)) {
    case 1: (void)ResetItems(g_rec); break;
    case 2: (void)DeleteItem(g_rec, index); break;
    case 3: EXPECT_EQ(InsertItem(g_rec, nullptr, 0, "x", 'x'), 0); break;
    case 4: (void)DeleteItem(g_rec, index - 1); break;
    }
}

TEST_F(DataTest, EveryRowIsReportedAndFreedOnceWhateverTheCallbackDoes)
{
    // Row 2 deleted, the dependents of row 1 deleted, or a reset; the rows' levels are 0 1 2 2 2 0.
    const struct { int op, action; const char* log; const char* left; } cases[] = {
        {0, 1, "2c 0a 1b 3d 4e 5f ", ""},   // the reset frees the row being deleted too
        {0, 2, "2c ", "abdef"},             // the same row deleted again from its own report
        {0, 3, "2c ", "xabdef"},            // the row moved on while it was reported
        {1, 4, "2c 1b ", "adef"},           // the parent goes while its dependents are deleted
        {2, 0, "0a 1b 2c 3d 4e 5f ", ""}};
    for (const auto& c : cases) {
        Fill(6);
        for (int i = 1; i < 5; ++i)
            (void)StoreItemLevel(&rec_, i, i == 1 ? 1 : 2);
        g_rec = &rec_, g_action = c.action, g_log.clear(), rec_.deleteCallback = Report;
        int from = 0;
        EXPECT_TRUE(c.op == 0 ? DeleteItem(&rec_, 2).survived : c.op == 1 ? DeleteDependentItems(&rec_, 1, &from) : ResetItems(&rec_));
        EXPECT_EQ(make_tuple(g_log, Order(), rec_.curSel), make_tuple(string(c.log), string(c.left), -1));
    }
}

// A row without a text is never found, not even by an empty or missing
// search text, which finds the first empty text.
TEST_F(DataTest, AnEmptySearchTextFindsAnEmptyTextNotAMissingOne)
{
    for (const char* text : {"apple", static_cast<const char*>(nullptr), ""})
        ASSERT_GE(InsertItem(&rec_, nullptr, -1, text, 7), 0);
    EXPECT_EQ(FindItemText(&rec_, 0, 0, "", FALSE, false), 2);
    EXPECT_EQ(FindItemText(&rec_, -1, 0, nullptr, FALSE, true), 2);
}

TEST_F(DataTest, ACopyOwnsEverythingTheSourceHas)
{
    Fill(3);
    TarnItem* const src = rec_.items[1];
    ASSERT_TRUE(StoreCellText(&rec_, 1, 2, "b2") && StoreRowText(&rec_, 1, "row b"));
    src->cellInfo = CreateCellFormats(3), src->rowInfo = CreateRowFormat();
    src->cellInfo[2].bitmapStyle = 7, src->rowInfo->bitmapStyle = 5;   // the last fields: a short copy loses them
    src->flags = 3u << TARNIF_LEVELSHIFT;                             // disabled, level 3, maxLevel still 0
    src->hbmLabel = reinterpret_cast<HBITMAP>(0x1234), src->hbmBitmap = reinterpret_cast<HBITMAP>(0x5678);
    // Copied before the source, which moves down to row 2.
    LevelChange level;
    const int at = CopyItemData(&rec_, 1, 0, &level);
    ASSERT_EQ(make_tuple(at, Order(), rec_.items[2] == src), make_tuple(0, string("babc"), true));
    const TarnItem* copy = rec_.items[0];
    ASSERT_TRUE(copy->texts[0] != src->texts[0] && copy->texts[2] && copy->texts[2] != src->texts[2] && copy->rowText &&
                copy->rowText != src->rowText && copy->cellInfo && copy->cellInfo != src->cellInfo && copy->rowInfo &&
                copy->rowInfo != src->rowInfo);   // its own copies of everything
    EXPECT_EQ(make_tuple(string(copy->texts[2]), string(copy->rowText), copy->itemData, copy->flags, copy->hbmLabel, copy->hbmBitmap),
              make_tuple(string("b2"), string("row b"), src->itemData, src->flags, src->hbmLabel, src->hbmBitmap));
    EXPECT_TRUE(rec_.maxLevel == 3 && level.maxLevelRaised);
    EXPECT_EQ(memcmp(copy->cellInfo, src->cellInfo, 3 * sizeof(CellFormat)), 0);
    EXPECT_EQ(memcmp(copy->rowInfo, src->rowInfo, offsetof(RowFormat, bitmapStyle) + sizeof(SHORT)), 0);
}

// The relations of row i from their definitions: parent, top parent, first,
// last, previous and next sibling, first and last dependent, dependents at
// all levels and one level down.
std::vector<int> Defined(const std::vector<int>& lv, int i)
{
    const int n = static_cast<int>(lv.size());
    auto parentOf = [&](int j) { int k = j; while (--k >= 0 && lv[k] >= lv[j]) {} return k; };
    int top = -1, end = i, direct = 0;
    for (int p = parentOf(i); p >= 0; p = parentOf(p))
        top = p;   // the root the chain ends at, else the earliest shallower row
    if (top >= 0 && lv[top] > 0)
        top = static_cast<int>(std::find_if(lv.begin(), lv.end(), [&](int l) { return l < lv[i]; }) - lv.begin());
    std::vector<int> sib;   // the rows of its level with nothing shallower between
    for (int k = 0; k < n; ++k)
        if (lv[k] == lv[i] && std::all_of(&lv[std::min(i, k)], &lv[std::max(i, k)], [&](int l) { return l >= lv[i]; }))
            sib.push_back(k);
    const int at = static_cast<int>(std::find(sib.begin(), sib.end(), i) - sib.begin()), last = static_cast<int>(sib.size()) - 1;
    while (end + 1 < n && lv[end + 1] > lv[i])
        direct += lv[++end] == lv[i] + 1;
    return {parentOf(i), top, sib[0], sib[last], at ? sib[at - 1] : -1, at < last ? sib[at + 1] : -1,
            end > i ? i + 1 : -1, end > i ? end : -1, end - i, direct};
}

TEST_F(DataTest, TreeWalksOnRandomTreesMatchTheDefinitions)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 80; ++round) {
        // Mostly steps of one, now and then a jump or a level the flags cannot hold.
        std::vector<int> levels;
        Fill(0);
        for (int i = 0, level = rng() % 2, n = 1 + rng() % 14; i < n; ++i) {
            level = std::clamp(level + (rng() % 4 ? static_cast<int>(rng() % 3) - 1 : static_cast<int>(rng() % 7) - 3), 0, 5);
            const int asked = rng() % 12 ? level : rng() % 2 ? -4 : 70;
            levels.push_back(std::clamp(asked, 0, 63));
            bool changed;   // the enabled bit beside the level bits must leave them alone
            ASSERT_TRUE(InsertItem(&rec_, nullptr, -1, "", 0) == i && StoreItemLevel(&rec_, i, asked).accepted &&
                        StoreItemStatus(&rec_, i, i % 2, &changed));
        }
        SCOPED_TRACE(::testing::PrintToString(levels));
        EXPECT_EQ(rec_.maxLevel, *std::max_element(levels.begin(), levels.end()));
        for (int i = -1; i <= rec_.count; ++i)
            EXPECT_EQ(std::vector<int>({FindParent(&rec_, i), TopParent(&rec_, i), SiblingOf(&rec_, i, TARN_SIBLING_FIRST),
                                        SiblingOf(&rec_, i, TARN_SIBLING_LAST), SiblingOf(&rec_, i, TARN_SIBLING_PREVIOUS),
                                        SiblingOf(&rec_, i, TARN_SIBLING_NEXT), DependentOf(&rec_, i, TARN_DEPENDENT_FIRST),
                                        DependentOf(&rec_, i, TARN_DEPENDENT_LAST), DependentCount(&rec_, i, TRUE), DependentCount(&rec_, i, FALSE)}),
                      i < 0 || i == rec_.count ? std::vector<int>(10, -1) : Defined(levels, i)) << "row " << i;
    }
}

ColumnDef Column(int width, int position, const char* header = nullptr, HBITMAP hbm = nullptr)
{
    ColumnDef def = {};
    def.width = width, def.position = position, def.headerText = header, def.hbmHeader = hbm;
    def.headerTextBuffer = const_cast<char*>("unread"), def.columnAtPosition = 7;   // the control's own fields
    return def;
}

TEST_F(DataTest, ColumnSetsAreReplacedWholeOrNotAtAllAndGiveTheWidths)
{
    char name[] = "Name";
    const HBITMAP tall = CreateBitmap(5, 21, 1, 1, nullptr), small = CreateBitmap(13, 7, 1, 1, nullptr);
    const ColumnDef set[] = {Column(40, 2, name, tall), Column(60, 0, nullptr, small), Column(0, 1, "Total")};
    const ColumnDef hidden[] = {Column(0, 0), Column(0, 1), Column(0, 2)}, negative[] = {Column(5, 0), Column(-1, 1), Column(5, 2)};
    ASSERT_TRUE(ReplaceColumns(&rec_, 3, set));
    name[0] = 'X';
    Fill(1);   // a stored row holds one text per column: the count stays, also for the default single column
    const ColumnDef* const before = rec_.columns;
    for (auto [count, defs] : {make_pair(-1, set), {3, nullptr}, {3, hidden}, {3, negative}, {2, set}, {0, nullptr}})
        EXPECT_FALSE(ReplaceColumns(&rec_, count, defs)) << count;
    // Its header texts are the control's own copies; its header bitmaps are drawn at the size of the
    // last column's that has one, not the tallest.
    ASSERT_TRUE(rec_.columns == before && rec_.columns[0].headerText == rec_.columns[0].headerTextBuffer && !rec_.columns[1].headerTextBuffer);
    EXPECT_TRUE(rec_.bmColumn.bmWidth == 13 && rec_.bmColumn.bmHeight == 7);
    DeleteObject(tall), DeleteObject(small);
    EXPECT_EQ(string(rec_.columns[0].headerText) + "|" + rec_.columns[2].headerText, "Name|Total");
    // Each column's position, and the column at each position.
    const int position[] = {2, 0, 1}, atPosition[] = {1, 2, 0};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(rec_.columns[i].position == position[i] && rec_.columns[i].columnAtPosition == atPosition[i]) << i;
    // A single visible column carries the overhead before the first column;
    // a negative dropped width is a percentage of the control's.
    const ColumnDef one[] = {Column(0, 0), Column(40, 1)};
    Fill(0);
    ASSERT_TRUE(ReplaceColumns(&rec_, 2, one));
    rec_.overheadWidth = 18, rec_.clientWidth = 200, rec_.rowHeaderWidth = 20;
    EXPECT_EQ(CellWidth(&rec_, 300, 1, 0), 58);
    for (auto [dropped, width] : {make_pair(0, 180), {150, 130}, {-50, 80}, {-200, 380}})
        EXPECT_EQ((rec_.droppedWidth = dropped, ListWidth(&rec_)), width) << dropped;
    // Widths near INT_MAX: each column still starts at or after the end of the one before.
    const ColumnDef huge[] = {Column(INT_MAX - 10, 0), Column(INT_MAX - 10, 1), Column(50, 2)};
    ASSERT_TRUE(ReplaceColumns(&rec_, 3, huge));
    for (int pos = 1, width; pos < 3; ++pos)
        EXPECT_TRUE((width = CellWidth(&rec_, 300, pos - 1)) >= 0 && ColumnLeft(&rec_, pos - 1) + 0ll + width <= ColumnLeft(&rec_, pos)) << pos;
}

CellInfo Cell(int row, int column, HBITMAP hbm = nullptr, DWORD version = TARN_CELLINFO_VERSION)
{
    return {version, row, column, 1, 2, 3, 4, 5, 6, 7, reinterpret_cast<HFONT>(8), hbm, 9, 10};
}

RowInfo Row(int row, HBITMAP hbm = nullptr, DWORD version = TARN_ROWINFO_VERSION) { return {version, row, 1, 2, 3, 4, hbm, 10}; }

TEST_F(DataTest, FormatsAreMadeOnFirstUseAndRowMinusOneSetsTheSharedBitmapSizes)
{
    Fill(3);
    const HBITMAP h[] = {CreateBitmap(13, 7, 1, 1, nullptr), CreateBitmap(20, 7, 1, 1, nullptr),
                         CreateBitmap(5, 21, 1, 1, nullptr), reinterpret_cast<HBITMAP>(CreateSolidBrush(0)), nullptr};
    // Only the last of each is good, on row 1; the others aim at row 2 or at no row.
    const CellInfo cells[] = {Cell(2, 1, nullptr, 0), Cell(2, 1, nullptr, 2), Cell(2, 3), Cell(2, -1), Cell(3, 1),
                              Cell(2, 1, h[3]), Cell(1, 1)};
    const RowInfo rows[] = {Row(2, nullptr, 0), Row(2, nullptr, 2), Row(3), Row(-2), Row(2, h[3]), Row(1)};
    for (const CellInfo& c : cells)
        EXPECT_EQ(StoreCellInfo(&rec_, &c).stored, &c == std::end(cells) - 1) << "cell case " << &c - cells;
    for (const RowInfo& r : rows)
        EXPECT_EQ(StoreRowInfo(&rec_, &r).stored, &r == std::end(rows) - 1) << "row case " << &r - rows;
    for (int r = 0; r < 3; ++r)
        ASSERT_EQ(make_tuple(!!rec_.items[r]->cellInfo, !!rec_.items[r]->rowInfo), make_tuple(r == 1, r == 1)) << r;
    EXPECT_EQ(rec_.items[1]->cellInfo[1].data1, 6);

    // Row -1: a handle that is no bitmap is refused and keeps the size, none clears it.
    const struct { int hbm; bool stored, heightChanged; LONG width, height; } steps[] = {{0, true, true, 13, 7},
        {1, true, false, 20, 7}, {2, true, true, 5, 21}, {3, false, false, 5, 21}, {4, true, true, 0, 0}, {4, true, false, 0, 0}};
    for (bool cellSize : {true, false})
        for (const auto& s : steps) {
            const CellInfo ci = Cell(-1, 99, h[s.hbm]);   // no column is looked at
            const RowInfo ri = Row(-1, h[s.hbm]);
            const FormatChange f = cellSize ? StoreCellInfo(&rec_, &ci) : StoreRowInfo(&rec_, &ri);
            const BITMAP& size = cellSize ? rec_.bmCellInfo : rec_.bmRowInfo;
            EXPECT_EQ(make_tuple(f.stored, f.sharedSize, f.heightChanged, size.bmWidth, size.bmHeight),
                      make_tuple(s.stored, s.stored, s.heightChanged, s.width, s.height)) << cellSize << " " << s.hbm;
        }
    for (HBITMAP hbm : h)
        DeleteObject(hbm);
}

// Lends the stored rows back to their control; each must come back before
// the next is asked for.
int g_lent = -1, g_fetches;

void CALLBACK Lend(HWND, LPARAM, int index, TarnItem** out)
{
    EXPECT_EQ(g_lent, -1) << "row " << index << " asked for before row " << g_lent << " came back";
    *out = g_rec->items[g_lent = index], ++g_fetches;
}

void CALLBACK GiveBack(HWND, LPARAM, int index, TarnItem*) { EXPECT_EQ(std::exchange(g_lent, -1), index); }

TEST_F(DataTest, VirtualRowsAreLentOneAtATimeAndNeverChanged)
{
    Fill(3);
    (void)StoreItemLevel(&rec_, 1, 1);
    g_rec = &rec_, g_fetches = 0, rec_.virtualFetchCallback = Lend, rec_.virtualReleaseCallback = GiveBack;
    const CellInfo cell = Cell(0, 0);
    const RowInfo row = Row(0);
    LevelChange level;
    // Every change is refused before any row is fetched; every read fetches,
    // the same row again too, and a walk takes one row at a time.
    EXPECT_FALSE(StoreItemData(&rec_, 0, 1) || StoreCellText(&rec_, 0, 0, "x") || StoreRowText(&rec_, 0, "x") ||
                 StoreItemLevel(&rec_, 0, 1).accepted || StoreCellInfo(&rec_, &cell).stored || StoreRowInfo(&rec_, &row).stored ||
                 DeleteItem(&rec_, 0).removed || CopyItemData(&rec_, 0, 0, &level) >= 0);
    EXPECT_TRUE(g_fetches == 0 && LevelOf(&rec_, 1) == 1 && LevelOf(&rec_, 1) == 1 && g_fetches == 2);
    EXPECT_TRUE(FindParent(&rec_, 1) == 0 && DependentCount(&rec_, 0, TRUE) == 1 && rec_.count == 3);
    GetItem(&rec_, -1);   // gives the last row back
    EXPECT_EQ(g_lent, -1);
}

// The sort against the exchange passes it stands for, done literally, on
// random trees with repeated keys, rows without text and cell values, by
// each comparison route; an answer at random still keeps every row once.
std::mt19937 g_random(14);
int CALLBACK ByText(HWND, const char* a, const char* b, LPARAM, LPARAM) { return strcmp(a, b); }
int CALLBACK ByCell(HWND, const char*, const char*, LPARAM, LPARAM, LPARAM x, LPARAM y) { return int(x - y); }
int CALLBACK AtRandom(HWND, const char*, const char*, LPARAM, LPARAM, LPARAM, LPARAM) { return int(g_random() % 3) - 1; }

TEST_F(DataTest, SortingGivesTheOrderOfTheExchangePasses)
{
    const SortComparison routes[] = {{nullptr, nullptr}, {ByText, nullptr}, {nullptr, ByCell}, {nullptr, AtRandom}};
    const char* keys[] = {nullptr, "a", "B", "b", "a-c", "ab", "\xe9", "'b"};
    for (int round = 0; round < 10000; ++round) {
        const SortComparison how = routes[round % 4];
        const int rows = 1 + g_random() % 16, parent = g_random() % 3 ? -1 : int(g_random() % rows);
        Fill(rows);
        for (int i = 0; i < rows; ++i)
            if (StoreItemLevel(&rec_, i, g_random() % 3 ? 0 : 1 + g_random() % 2).accepted &&
                StoreItemText(rec_.items[i], 3, 1, keys[g_random() % 8]) && g_random() % 2 && (rec_.items[i]->cellInfo = CreateCellFormats(3)))
                rec_.items[i]->cellInfo[1].data0 = g_random() % 3;
        std::vector<TarnItem*> want(rec_.items, rec_.items + rows);
        auto level = [&](int i) { return i < rows ? ItemLevel(want[i]) : -1; };
        auto past = [&](int i) { int j = i + 1; while (level(j) > level(i)) ++j; return j; };   // past i's dependents
        auto cell = [](const TarnItem* t) { return t->cellInfo ? t->cellInfo[1].data0 : 0; };
        auto after = [&](const TarnItem* x, const TarnItem* y) {   // step b of a pass
            const char *a = x->texts[1], *b = y->texts[1];
            return how.extended ? how.extended != AtRandom && how.extended(nullptr, a, b, 0, 0, cell(x), cell(y)) > 0
                                : a && b && (how.plain ? strcmp(a, b) : CompareStringA(LOCALE_USER_DEFAULT, 0, a, -1, b, -1) - 2) > 0;
        };
        SortGroup group;
        const bool found = FindSortGroup(&rec_, parent, &group);
        for (int limit = found ? group.last : -1, swapped = 1; swapped && limit > group.first; --limit) {
            swapped = 0;
            for (int i = group.first, j, end; i < limit && level(j = past(i)) == level(i) && j <= limit;)   // i, then its next sibling
                i = !after(want[i], want[j]) ? j : (end = past(j), std::rotate(&want[i], &want[j], &want[0] + end), swapped = 1, i + end - j);
        }
        int row = int(g_random() % rows);
        const TarnItem* const selected = rec_.items[row];
        EXPECT_TRUE((!found || SortSiblings(&rec_, group, 1, how, &row) == SortOutcome::Sorted) && rec_.items[row] == selected &&
                    (how.extended == AtRandom ? std::is_permutation(want.begin(), want.end(), rec_.items) : std::equal(want.begin(), want.end(), rec_.items))) << round;
    }
}

} // namespace
