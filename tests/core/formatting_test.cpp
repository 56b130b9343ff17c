// Cell and row formatting and the colour table on control records built in
// memory: storage, refusals, shared bitmap sizes, copies and virtual rows.
#include <windows.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "columns/cell_format.h"
#include "columns/ctl_colors.h"
#include "columns/row_format.h"
#include "plain_record.h"
#include "core/item_copy_move.h"
#include "core/item_store.h"
#include "core/items_api.h"

namespace {

constexpr int kColumns = 3;

CellInfo Poisoned()
{
    CellInfo ci;
    memset(&ci, 0xCD, sizeof ci);
    return ci;
}

CellInfo CellQuery(int row, int column)
{
    CellInfo ci = Poisoned();
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = column;
    return ci;
}

// Every field distinct and derived from the cell, so a value landing in the
// wrong field or the wrong cell shows.
CellInfo Sample(int row, int column)
{
    CellInfo ci;
    memset(&ci, 0, sizeof ci);
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = column;
    const DWORD k = static_cast<DWORD>(row * 16 + column) << 8;
    ci.backColor = RGB(1, 2, 3) + k;
    ci.textColor = TARN_SYSCOLOR(COLOR_HIGHLIGHT);
    ci.selBackColor = RGB(7, 8, 9) + k;
    ci.selTextColor = TARN_COLOR_NONE;
    ci.data0 = static_cast<LPARAM>(0x11110000 + k);
    ci.data1 = -5 - static_cast<LPARAM>(k);
    ci.data2 = static_cast<LPARAM>(0x33330000 + k);
    ci.hfont = reinterpret_cast<HFONT>(static_cast<UINT_PTR>(0x4440 + k));   // never used as a font here
    ci.hbm = nullptr;
    ci.reserved = static_cast<WORD>(0xBEEF);
    ci.bitmapStyle = TARNBS_RIGHT;
    return ci;
}

void ExpectSameFormat(const CellInfo& a, const CellInfo& b)
{
    EXPECT_EQ(a.backColor, b.backColor);
    EXPECT_EQ(a.textColor, b.textColor);
    EXPECT_EQ(a.selBackColor, b.selBackColor);
    EXPECT_EQ(a.selTextColor, b.selTextColor);
    EXPECT_EQ(a.data0, b.data0);
    EXPECT_EQ(a.data1, b.data1);
    EXPECT_EQ(a.data2, b.data2);
    EXPECT_EQ(a.hfont, b.hfont);
    EXPECT_EQ(a.hbm, b.hbm);
    EXPECT_EQ(a.reserved, b.reserved);
    EXPECT_EQ(a.bitmapStyle, b.bitmapStyle);
}

void ExpectUnformatted(const CellInfo& ci)
{
    EXPECT_EQ(ci.backColor, TARN_COLOR_NONE);
    EXPECT_EQ(ci.textColor, TARN_COLOR_NONE);
    EXPECT_EQ(ci.selBackColor, TARN_COLOR_NONE);
    EXPECT_EQ(ci.selTextColor, TARN_COLOR_NONE);
    EXPECT_EQ(ci.data0, 0);
    EXPECT_EQ(ci.data1, 0);
    EXPECT_EQ(ci.data2, 0);
    EXPECT_EQ(ci.hfont, nullptr);
    EXPECT_EQ(ci.hbm, nullptr);
    EXPECT_EQ(ci.reserved, 0);
    EXPECT_EQ(ci.bitmapStyle, 0);
}

RowInfo RowSample(int row)
{
    RowInfo ri;
    memset(&ri, 0, sizeof ri);
    ri.version = TARN_ROWINFO_VERSION;
    ri.row = row;
    ri.backColor = RGB(10, 20, row);
    ri.textColor = TARN_SYSCOLOR(COLOR_BTNTEXT);
    ri.selBackColor = TARN_COLOR_NONE;
    ri.selTextColor = RGB(row, 1, 1);
    ri.bitmapStyle = TARNBS_ALONE;
    return ri;
}

RowInfo RowQuery(int row)
{
    RowInfo ri;
    memset(&ri, 0xCD, sizeof ri);
    ri.version = TARN_ROWINFO_VERSION;
    ri.row = row;
    return ri;
}

class FormattingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitPlainRecord(&rec_, kColumns);
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(InsertString(&rec_, -1, "row"), i);
        small_ = CreateBitmap(13, 7, 1, 1, nullptr);
        tall_ = CreateBitmap(5, 21, 1, 1, nullptr);
        ASSERT_NE(small_, nullptr);
        ASSERT_NE(tall_, nullptr);
    }
    void TearDown() override
    {
        FreePlainRecord(&rec_);
        DeleteObject(small_);
        DeleteObject(tall_);
    }
    ControlRecord rec_;
    HBITMAP small_ = nullptr;
    HBITMAP tall_ = nullptr;
};

TEST_F(FormattingTest, CellsRoundTripAndTheArrayIsMadeAtFirstUse)
{
    EXPECT_EQ(rec_.items[1]->cellInfo, nullptr);
    // A cell never set reads as unformatted, with or without an array.
    CellInfo out = CellQuery(1, 2);
    ASSERT_TRUE(GetCellInfo(&rec_, &out));
    ExpectUnformatted(out);
    EXPECT_EQ(out.row, 1);      // the addressing fields are left alone
    EXPECT_EQ(out.column, 2);

    CellInfo in = Sample(1, 1);
    in.hbm = small_;
    ASSERT_TRUE(SetCellInfo(&rec_, &in));
    ASSERT_NE(rec_.items[1]->cellInfo, nullptr);
    EXPECT_EQ(rec_.items[0]->cellInfo, nullptr);
    EXPECT_EQ(rec_.items[2]->cellInfo, nullptr);
    for (int column : {0, 2}) {
        out = CellQuery(1, column);
        ASSERT_TRUE(GetCellInfo(&rec_, &out));
        ExpectUnformatted(out);
    }
    out = CellQuery(1, 1);
    ASSERT_TRUE(GetCellInfo(&rec_, &out));
    ExpectSameFormat(out, in);

    // Fill every cell, then read all back: each cell keeps its own values.
    for (int r = 0; r < rec_.count; ++r)
        for (int c = 0; c < kColumns; ++c) {
            CellInfo ci = Sample(r, c);
            ASSERT_TRUE(SetCellInfo(&rec_, &ci)) << r << "," << c;
        }
    const CellFormat* stored = rec_.items[1]->cellInfo;
    for (int r = 0; r < rec_.count; ++r)
        for (int c = 0; c < kColumns; ++c) {
            out = CellQuery(r, c);
            ASSERT_TRUE(GetCellInfo(&rec_, &out));
            SCOPED_TRACE(testing::Message() << "cell " << r << "," << c);
            ExpectSameFormat(out, Sample(r, c));
        }
    EXPECT_EQ(rec_.items[1]->cellInfo, stored) << "an existing array is reused";
    EXPECT_EQ(ItemCellFormat(rec_.items[2], 1)->data0, Sample(2, 1).data0);
}

TEST_F(FormattingTest, RowsRoundTripAndDefaultUntilSet)
{
    RowInfo out = RowQuery(2);
    ASSERT_TRUE(GetRowInfo(&rec_, &out));
    EXPECT_EQ(out.backColor, TARN_COLOR_NONE);
    EXPECT_EQ(out.textColor, TARN_COLOR_NONE);
    EXPECT_EQ(out.selBackColor, TARN_COLOR_NONE);
    EXPECT_EQ(out.selTextColor, TARN_COLOR_NONE);
    EXPECT_EQ(out.hbm, nullptr);
    EXPECT_EQ(out.bitmapStyle, 0);
    EXPECT_EQ(rec_.items[2]->rowInfo, nullptr);

    for (int r = 0; r < rec_.count; ++r) {
        RowInfo in = RowSample(r);
        in.hbm = r % 2 ? tall_ : nullptr;
        ASSERT_TRUE(SetRowInfo(&rec_, &in));
    }
    for (int r = 0; r < rec_.count; ++r) {
        out = RowQuery(r);
        ASSERT_TRUE(GetRowInfo(&rec_, &out));
        RowInfo want = RowSample(r);
        EXPECT_EQ(out.backColor, want.backColor) << r;
        EXPECT_EQ(out.textColor, want.textColor) << r;
        EXPECT_EQ(out.selBackColor, want.selBackColor) << r;
        EXPECT_EQ(out.selTextColor, want.selTextColor) << r;
        EXPECT_EQ(out.hbm, r % 2 ? tall_ : nullptr) << r;
        EXPECT_EQ(out.bitmapStyle, want.bitmapStyle) << r;
        EXPECT_EQ(out.row, r);
    }
    // A second set changes the record in place.
    const RowFormat* stored = rec_.items[3]->rowInfo;
    RowInfo again = RowSample(3);
    again.backColor = TARN_COLOR_NONE;
    ASSERT_TRUE(SetRowInfo(&rec_, &again));
    EXPECT_EQ(rec_.items[3]->rowInfo, stored);
    EXPECT_EQ(ItemRowFormat(rec_.items[3])->backColor, TARN_COLOR_NONE);
    EXPECT_EQ(ItemRowFormat(rec_.items[3])->hbm, nullptr);
}

TEST_F(FormattingTest, BadVersionsRowsColumnsAndBitmapsAreRefusedWithoutAChange)
{
    CellInfo good = Sample(1, 1);
    ASSERT_TRUE(SetCellInfo(&rec_, &good));

    auto refusedSet = [&](CellInfo ci) {
        EXPECT_FALSE(SetCellInfo(&rec_, &ci)) << "version " << ci.version << " row " << ci.row << " col " << ci.column;
    };
    CellInfo ci = Sample(1, 1);
    ci.backColor = RGB(99, 99, 99);
    for (DWORD version : {0u, 2u, 0xFFFFFFFFu}) {
        ci.version = version;
        refusedSet(ci);
    }
    ci.version = TARN_CELLINFO_VERSION;
    for (int row : {-2, 4, 1000}) {
        ci.row = row;
        refusedSet(ci);
    }
    ci.row = 1;
    for (int column : {-1, kColumns, kColumns + 5}) {
        ci.column = column;
        refusedSet(ci);
    }
    // A handle GDI cannot describe as a bitmap: a brush, and a deleted bitmap.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HBITMAP gone = CreateBitmap(2, 2, 1, 1, nullptr);
    DeleteObject(gone);
    ci.column = 1;
    ci.hbm = reinterpret_cast<HBITMAP>(brush);
    refusedSet(ci);
    ci.hbm = gone;
    refusedSet(ci);
    // ... also on an item that has no array yet: nothing gets created.
    ci.row = 2;
    refusedSet(ci);
    EXPECT_EQ(rec_.items[2]->cellInfo, nullptr);

    CellInfo out = CellQuery(1, 1);
    ASSERT_TRUE(GetCellInfo(&rec_, &out));
    ExpectSameFormat(out, good);

    // The getter: same checks, and row -1 is no cell. A refused read leaves
    // the caller's record as it was.
    const std::vector<std::array<int, 3>> badReads = {{0, 1, 1}, {1, -1, 0}, {1, 4, 0}, {1, 1, -1}, {1, 1, kColumns}};
    for (auto [version, row, column] : badReads) {
        out = CellQuery(row, column);
        out.version = static_cast<DWORD>(version);
        CellInfo before = out;
        EXPECT_FALSE(GetCellInfo(&rec_, &out)) << version << " " << row << " " << column;
        EXPECT_EQ(memcmp(&out, &before, sizeof out), 0);
    }

    RowInfo ri = RowSample(1);
    ri.version = 0;
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    ri.version = TARN_ROWINFO_VERSION;
    ri.row = 4;
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    ri.row = -2;
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    ri.row = 1;
    ri.hbm = reinterpret_cast<HBITMAP>(brush);
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.items[1]->rowInfo, nullptr);
    for (int row : {-1, 4}) {
        RowInfo q = RowQuery(row);
        RowInfo before = q;
        EXPECT_FALSE(GetRowInfo(&rec_, &q)) << row;
        EXPECT_EQ(memcmp(&q, &before, sizeof q), 0);
    }
    RowInfo q = RowQuery(1);
    q.version = 2;
    EXPECT_FALSE(GetRowInfo(&rec_, &q));
    EXPECT_FALSE(SetCellInfo(&rec_, nullptr));
    EXPECT_FALSE(GetRowInfo(&rec_, nullptr));
    DeleteObject(brush);
}

TEST_F(FormattingTest, RowMinusOneSetsTheSharedBitmapSizesOnly)
{
    CellInfo ci = Sample(-1, 99);   // the column is not looked at for row -1
    ci.hbm = small_;
    ASSERT_TRUE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmWidth, 13);
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 7);
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 0);
    for (int r = 0; r < rec_.count; ++r)
        EXPECT_EQ(rec_.items[r]->cellInfo, nullptr);

    RowInfo ri = RowSample(-1);
    ri.hbm = tall_;
    ASSERT_TRUE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 5);
    EXPECT_EQ(rec_.bmRowInfo.bmHeight, 21);
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 7);
    for (int r = 0; r < rec_.count; ++r)
        EXPECT_EQ(rec_.items[r]->rowInfo, nullptr);

    // A handle that is no bitmap keeps the size; a NULL one clears it.
    HBRUSH brush = CreateSolidBrush(0);
    ci.hbm = reinterpret_cast<HBITMAP>(brush);
    EXPECT_FALSE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmWidth, 13);
    ri.hbm = reinterpret_cast<HBITMAP>(brush);
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmRowInfo.bmHeight, 21);
    DeleteObject(brush);

    ci.hbm = nullptr;
    ASSERT_TRUE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmWidth, 0);
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 0);
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 5);
    ri.hbm = nullptr;
    ASSERT_TRUE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 0);

    // The shared sizes can be set on an empty control.
    ResetItems(&rec_);
    ci.hbm = tall_;
    EXPECT_TRUE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 21);
}

TEST_F(FormattingTest, ACopiedItemOwnsSeparateFormats)
{
    CellInfo ci = Sample(2, 2);
    ASSERT_TRUE(SetCellInfo(&rec_, &ci));
    RowInfo ri = RowSample(2);
    ASSERT_TRUE(SetRowInfo(&rec_, &ri));

    // Copied in front of itself: the source moves down to row 3.
    ASSERT_EQ(CopyItem(&rec_, 2, 0), 0);
    const TarnItem* copy = rec_.items[0];
    const TarnItem* source = rec_.items[3];
    ASSERT_NE(copy->cellInfo, nullptr);
    ASSERT_NE(copy->rowInfo, nullptr);
    EXPECT_NE(copy->cellInfo, source->cellInfo);
    EXPECT_NE(copy->rowInfo, source->rowInfo);
    for (int c = 0; c < kColumns; ++c) {
        CellInfo a = CellQuery(0, c), b = CellQuery(3, c);
        ASSERT_TRUE(GetCellInfo(&rec_, &a));
        ASSERT_TRUE(GetCellInfo(&rec_, &b));
        SCOPED_TRACE(c);
        ExpectSameFormat(a, b);
    }

    CellInfo change = Sample(0, 2);
    change.textColor = RGB(200, 0, 0);
    ASSERT_TRUE(SetCellInfo(&rec_, &change));
    RowInfo rowChange = RowSample(0);
    rowChange.backColor = RGB(0, 200, 0);
    ASSERT_TRUE(SetRowInfo(&rec_, &rowChange));

    CellInfo src = CellQuery(3, 2);
    ASSERT_TRUE(GetCellInfo(&rec_, &src));
    ExpectSameFormat(src, Sample(2, 2));
    RowInfo srcRow = RowQuery(3);
    ASSERT_TRUE(GetRowInfo(&rec_, &srcRow));
    EXPECT_EQ(srcRow.backColor, RowSample(2).backColor);

    // An item without formats is copied without them.
    const int plainCopy = CopyItem(&rec_, 1, -1);
    ASSERT_EQ(plainCopy, rec_.count - 1);
    EXPECT_EQ(rec_.items[rec_.count - 1]->cellInfo, nullptr);
    EXPECT_EQ(rec_.items[rec_.count - 1]->rowInfo, nullptr);
}

// ---------------------------------------------------------------- virtual rows

struct LentRows {
    TarnItem items[2];
    char* texts[2][kColumns];
    CellFormat cells[kColumns];
    RowFormat row;
    int fetches = 0;
};

void CALLBACK LendRow(HWND, LPARAM user, int index, TarnItem** out)
{
    auto* lent = reinterpret_cast<LentRows*>(user);
    ++lent->fetches;
    *out = index < 2 ? &lent->items[index] : nullptr;
}

TEST_F(FormattingTest, VirtualRowsAreReadButNeverFormatted)
{
    LentRows lent = {};
    for (int i = 0; i < 2; ++i) {
        lent.items[i].texts = lent.texts[i];
        lent.items[i].flags = TARNIF_ENABLED;
    }
    for (CellFormat& f : lent.cells)
        DefaultCellFormat(&f);
    lent.cells[1].data0 = 4242;
    lent.cells[1].backColor = RGB(3, 3, 3);
    lent.items[1].cellInfo = lent.cells;
    DefaultRowFormat(&lent.row);
    lent.row.textColor = RGB(4, 4, 4);
    lent.items[1].rowInfo = &lent.row;

    TarnItem* stored = rec_.items[0];
    rec_.virtualFetchCallback = LendRow;
    rec_.virtualUserData = reinterpret_cast<LPARAM>(&lent);

    CellInfo ci = Sample(1, 1);
    EXPECT_FALSE(SetCellInfo(&rec_, &ci));
    RowInfo ri = RowSample(1);
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(lent.cells[1].data0, 4242);
    EXPECT_EQ(lent.row.textColor, RGB(4, 4, 4));
    EXPECT_EQ(stored->cellInfo, nullptr);
    EXPECT_EQ(lent.fetches, 0) << "a refused change does not even fetch the row";

    CellInfo out = CellQuery(1, 1);
    ASSERT_TRUE(GetCellInfo(&rec_, &out));
    EXPECT_EQ(out.data0, 4242);
    EXPECT_EQ(out.backColor, RGB(3, 3, 3));
    EXPECT_EQ(out.textColor, TARN_COLOR_NONE);
    out = CellQuery(0, 1);
    ASSERT_TRUE(GetCellInfo(&rec_, &out));
    ExpectUnformatted(out);
    RowInfo rowOut = RowQuery(1);
    ASSERT_TRUE(GetRowInfo(&rec_, &rowOut));
    EXPECT_EQ(rowOut.textColor, RGB(4, 4, 4));
    EXPECT_EQ(rowOut.backColor, TARN_COLOR_NONE);
    EXPECT_EQ(lent.fetches, 3);

    // The shared sizes are the control's own, so virtual mode allows them.
    ci = Sample(-1, 0);
    ci.hbm = small_;
    EXPECT_TRUE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmWidth, 13);
    ri = RowSample(-1);
    ri.hbm = small_;
    EXPECT_TRUE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmRowInfo.bmHeight, 7);

    GetItem(&rec_, -1);
    rec_.virtualFetchCallback = nullptr;
}

// ---------------------------------------------------------------- colours

TEST(ControlColors, DefaultsFollowTheTableAndTheSystemVersion)
{
    ControlRecord rec;
    memset(&rec, 0, sizeof rec);
    SetDefaultColors(&rec);
    const bool old = IsOldSystem();
    const COLORREF S = TARN_SYSCOLOR_FLAG;
    const COLORREF want[TARNCLR_COUNT] = {
        S | 5,  S | 8,  S | 17, TARN_COLOR_NONE, TARN_COLOR_NONE, S | 13, S | 14, S | 16, S | 20, // 0-8
        S | 15, S | 18, S | 17, S | 16, S | 20,                                                 // 9-13 column headers
        S | 15, S | 18, S | 15, S | 18, S | 17, S | 16, S | 20,                                 // 14-20 row headers
        S | 15, S | 18, S | 17, S | 16, S | 20,                                                 // 21-25 corner
        S | 15, S | 18, S | 17, S | 15, S | 16,                                                 // 26-30 drop button
        old ? RGB(0, 0, 0) : S | 21, old ? RGB(255, 255, 255) : S | 20,                         // 31-32
        S | 16, S | 16, S | 16, S | 16};                                                        // 33-36
    for (int i = 0; i < TARNCLR_COUNT; ++i)
        EXPECT_EQ(rec.colors[i], want[i]) << "entry " << i;
    // GetVersion carries the major version in its lowest byte.
    EXPECT_EQ(old, LOBYTE(GetVersion()) < 4);

    CtlColors out;
    memset(&out, 0xCD, sizeof out);
    GetCtlColors(&rec, &out);
    EXPECT_EQ(memcmp(&out, rec.colors, sizeof out), 0);
    EXPECT_EQ(out.dropButtonFrameDarkShadowColor, want[31]);
    EXPECT_EQ(out.disabledTreeLineColor, want[36]);

    // Values are stored as given, system colours unresolved.
    CtlColors in;
    for (int i = 0; i < TARNCLR_COUNT; ++i)
        reinterpret_cast<COLORREF*>(&in)[i] = i % 3 ? RGB(i, 2 * i, 3 * i) : TARN_SYSCOLOR(i);
    SetCtlColors(&rec, &in);
    memset(&out, 0xCD, sizeof out);
    GetCtlColors(&rec, &out);
    EXPECT_EQ(memcmp(&out, &in, sizeof out), 0);
    EXPECT_EQ(rec.colors[TARNCLR_ALTBACKCOLOR], in.altBackColor);
    SetCtlColors(&rec, nullptr);   // nothing to copy: the table stays
    EXPECT_EQ(memcmp(rec.colors, &in, sizeof in), 0);
}

TEST(ControlColors, SystemColoursResolveWhenUsed)
{
    EXPECT_EQ(ResolveColor(RGB(12, 34, 56)), RGB(12, 34, 56));
    EXPECT_EQ(ResolveColor(0x00FFFFFF), 0x00FFFFFFu);
    EXPECT_EQ(ResolveColor(TARN_COLOR_NONE), TARN_COLOR_NONE) << "not set stays not set";
    for (int n = 0; n <= COLOR_MENUBAR; ++n)
        EXPECT_EQ(ResolveColor(TARN_SYSCOLOR(n)), GetSysColor(n)) << n;
    // Only the low 16 bits name the system colour.
    EXPECT_EQ(ResolveColor(TARN_SYSCOLOR(0x00120000 | COLOR_HIGHLIGHT)), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(ControlColors, InheritanceTakesTheFirstLevelThatIsSet)
{
    EXPECT_EQ(InheritColor(RGB(1, 1, 1), RGB(2, 2, 2)), RGB(1, 1, 1));
    EXPECT_EQ(InheritColor(TARN_COLOR_NONE, RGB(2, 2, 2)), RGB(2, 2, 2));
    EXPECT_EQ(InheritColor(TARN_SYSCOLOR(COLOR_WINDOW), RGB(2, 2, 2)), TARN_SYSCOLOR(COLOR_WINDOW));
    EXPECT_EQ(InheritColor(TARN_COLOR_NONE, InheritColor(TARN_COLOR_NONE, TARN_SYSCOLOR(5))), TARN_SYSCOLOR(5));
}

} // namespace
