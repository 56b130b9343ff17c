// Cell and row formatting and the colour table on control records built in
// memory: storage, refusals, shared bitmap sizes, copies and virtual rows.
#include <windows.h>

#include <array>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/cell_format.h"
#include "core/ctl_colors.h"
#include "core/row_format.h"
#include "plain_record.h"
#include "record_ops.h"
#include "core/item_store.h"
#include "record_ops.h"

namespace {

constexpr int kColumns = 3;

// The formatting fields of the exchange records, compared in one assertion
// (64-bit builds pad the records, so they are never compared bytewise).
auto Fmt(const CellInfo& c)
{
    return std::make_tuple(c.backColor, c.textColor, c.selBackColor, c.selTextColor, c.data0, c.data1, c.data2,
                           c.hfont, c.hbm, c.reserved, c.bitmapStyle);
}
auto Fmt(const RowInfo& r) { return std::make_tuple(r.backColor, r.textColor, r.selBackColor, r.selTextColor, r.hbm, r.bitmapStyle); }

const COLORREF N = TARN_COLOR_NONE;
const CellInfo kBlankCell = {0, 0, 0, N, N, N, N, 0, 0, 0, nullptr, nullptr, 0, 0};
const RowInfo kBlankRow = {0, 0, N, N, N, N, nullptr, 0};

// Every field distinct and derived from the cell, so a value landing in the
// wrong field or the wrong cell shows.
CellInfo Sample(int row, int column)
{
    const DWORD k = static_cast<DWORD>(row * 16 + column) << 8;
    return CellInfo{TARN_CELLINFO_VERSION, row, column, RGB(1, 2, 3) + k, TARN_SYSCOLOR(COLOR_HIGHLIGHT),
                    RGB(7, 8, 9) + k, N, static_cast<LPARAM>(0x11110000 + k), -5 - static_cast<LPARAM>(k),
                    static_cast<LPARAM>(0x33330000 + k), reinterpret_cast<HFONT>(static_cast<UINT_PTR>(0x4440 + k)),
                    nullptr, 0xBEEF, TARNBS_RIGHT};
}

RowInfo RowSample(int row, HBITMAP hbm = nullptr)
{
    return RowInfo{TARN_ROWINFO_VERSION, row, RGB(10, 20, row), TARN_SYSCOLOR(COLOR_BTNTEXT), N, RGB(row, 1, 1), hbm,
                   TARNBS_ALONE};
}

// A read request with every other byte poisoned.
template <class Info>
Info Query(DWORD version, int row)
{
    Info info;
    memset(&info, 0xCD, sizeof info);
    info.version = version;
    info.row = row;
    return info;
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
        ASSERT_TRUE(small_ && tall_);
    }
    void TearDown() override
    {
        FreePlainRecord(&rec_);
        DeleteObject(small_);
        DeleteObject(tall_);
    }
    CellInfo Cell(int row, int column)
    {
        CellInfo ci = Query<CellInfo>(TARN_CELLINFO_VERSION, row);
        ci.column = column;
        EXPECT_TRUE(GetCellInfo(&rec_, &ci)) << "cell " << row << "," << column;
        EXPECT_EQ(ci.row * 100 + ci.column, row * 100 + column) << "the address is left alone";
        return ci;
    }
    RowInfo Row(int row)
    {
        RowInfo ri = Query<RowInfo>(TARN_ROWINFO_VERSION, row);
        EXPECT_TRUE(GetRowInfo(&rec_, &ri)) << "row " << row;
        return ri;
    }
    ControlRecord rec_;
    HBITMAP small_ = nullptr;
    HBITMAP tall_ = nullptr;
};

TEST_F(FormattingTest, CellsAndRowsRoundTripAndRecordsAreMadeAtFirstUse)
{
    // A set makes the records of that item only; unset cells and rows read as unformatted.
    const CellInfo in = {TARN_CELLINFO_VERSION, 1, 1, 1, 2, 3, 4, 5, 6, 7, nullptr, small_, 8, TARNBS_ALONE};
    ASSERT_TRUE(SetCellInfo(&rec_, &in));
    const RowInfo rowIn = RowSample(1, tall_);
    ASSERT_TRUE(SetRowInfo(&rec_, &rowIn));
    for (int r : {0, 2})
        EXPECT_TRUE(!rec_.items[r]->cellInfo && !rec_.items[r]->rowInfo) << "row " << r;
    const std::pair<int, int> unset[] = {{1, 0}, {1, 2}, {2, 1}};
    for (auto [r, c] : unset)
        EXPECT_EQ(Fmt(Cell(r, c)), Fmt(kBlankCell)) << "cell " << r << "," << c;
    EXPECT_EQ(Fmt(Row(2)), Fmt(kBlankRow));
    EXPECT_EQ(Fmt(Cell(1, 1)), Fmt(in));
    EXPECT_EQ(Fmt(Row(1)), Fmt(rowIn));

    // Fill everything, then read it back: each cell and row keeps its own
    // values, and existing records are changed in place.
    const CellFormat* cells = rec_.items[1]->cellInfo;
    const RowFormat* row = rec_.items[1]->rowInfo;
    for (int r = 0; r < rec_.count; ++r) {
        const RowInfo ri = RowSample(r);
        ASSERT_TRUE(SetRowInfo(&rec_, &ri));
        for (int c = 0; c < kColumns; ++c) {
            const CellInfo ci = Sample(r, c);
            ASSERT_TRUE(SetCellInfo(&rec_, &ci)) << r << "," << c;
        }
    }
    for (int r = 0; r < rec_.count; ++r) {
        EXPECT_EQ(Fmt(Row(r)), Fmt(RowSample(r))) << "row " << r;
        for (int c = 0; c < kColumns; ++c)
            EXPECT_EQ(Fmt(Cell(r, c)), Fmt(Sample(r, c))) << "cell " << r << "," << c;
    }
    EXPECT_EQ(rec_.items[1]->cellInfo, cells);
    EXPECT_EQ(rec_.items[1]->rowInfo, row);
    EXPECT_EQ(ItemCellFormat(rec_.items[2], 1)->data0, Sample(2, 1).data0);
}

TEST_F(FormattingTest, BadRecordsAreRefusedWithoutAChange)
{
    const CellInfo good = Sample(1, 1);
    ASSERT_TRUE(SetCellInfo(&rec_, &good));
    // Handles GDI cannot describe as a bitmap: a brush, and a deleted bitmap.
    const HBITMAP brush = reinterpret_cast<HBITMAP>(CreateSolidBrush(RGB(1, 2, 3)));
    const HBITMAP gone = CreateBitmap(2, 2, 1, 1, nullptr);
    DeleteObject(gone);

    struct Bad {
        DWORD version;
        int row, column;
        HBITMAP hbm;
    };
    const DWORD V = TARN_CELLINFO_VERSION;
    // Row 2 has no array yet: a refused set must not create one.
    const Bad badCells[] = {{0, 1, 1, nullptr},  {2, 1, 1, nullptr}, {V, -2, 1, nullptr},       {V, 4, 1, nullptr},
                            {V, 1, -1, nullptr}, {V, 1, 3, nullptr}, {V, 1, 1, brush}, {V, 1, 1, gone}, {V, 2, 1, brush}};
    for (const Bad& b : badCells) {
        CellInfo ci = Sample(b.row, b.column);
        ci.version = b.version;
        ci.hbm = b.hbm;
        EXPECT_FALSE(SetCellInfo(&rec_, &ci)) << "version " << b.version << " cell " << b.row << "," << b.column;
    }
    EXPECT_EQ(Fmt(Cell(1, 1)), Fmt(good));
    EXPECT_EQ(rec_.items[2]->cellInfo, nullptr);

    const DWORD R = TARN_ROWINFO_VERSION;
    const Bad badRows[] = {{0, 1, 0, nullptr}, {R, 4, 0, nullptr}, {R, -2, 0, nullptr}, {R, 1, 0, brush}};
    for (const Bad& b : badRows) {
        RowInfo ri = RowSample(b.row, b.hbm);
        ri.version = b.version;
        EXPECT_FALSE(SetRowInfo(&rec_, &ri)) << "version " << b.version << " row " << b.row;
    }
    EXPECT_EQ(rec_.items[1]->rowInfo, nullptr);

    // The getters: the same checks, row -1 is no row, and a refused read
    // leaves the caller's record as it was.
    const std::vector<std::array<int, 3>> badReads = {{0, 1, 1}, {1, -1, 0}, {1, 4, 0}, {1, 1, -1}, {1, 1, kColumns}};
    for (auto [version, row, column] : badReads) {
        CellInfo out = Query<CellInfo>(version, row), before;
        out.column = column;
        before = out;
        EXPECT_FALSE(GetCellInfo(&rec_, &out)) << version << " " << row << " " << column;
        EXPECT_EQ(memcmp(&out, &before, sizeof out), 0);
        RowInfo rowOut = Query<RowInfo>(version, row), rowBefore = rowOut;
        if (column == 0 || version == 0) {
            EXPECT_FALSE(GetRowInfo(&rec_, &rowOut)) << version << " " << row;
            EXPECT_EQ(memcmp(&rowOut, &rowBefore, sizeof rowOut), 0);
        }
    }
    EXPECT_FALSE(SetCellInfo(&rec_, nullptr));
    EXPECT_FALSE(GetRowInfo(&rec_, nullptr));
    DeleteObject(brush);
}

TEST_F(FormattingTest, RowMinusOneSetsTheSharedBitmapSizesOnly)
{
    CellInfo ci = Sample(-1, 99);   // the column is not looked at for row -1
    ci.hbm = small_;
    ASSERT_TRUE(SetCellInfo(&rec_, &ci));
    RowInfo ri = RowSample(-1, tall_);
    ASSERT_TRUE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmCellInfo.bmWidth, 13);
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 7);
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 5);
    EXPECT_EQ(rec_.bmRowInfo.bmHeight, 21);
    for (int r = 0; r < rec_.count; ++r)
        EXPECT_TRUE(!rec_.items[r]->cellInfo && !rec_.items[r]->rowInfo) << "row " << r;

    // A handle that is no bitmap keeps the size; a NULL one clears it.
    HBRUSH brush = CreateSolidBrush(0);
    ci.hbm = ri.hbm = reinterpret_cast<HBITMAP>(brush);
    EXPECT_FALSE(SetCellInfo(&rec_, &ci));
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmCellInfo.bmWidth, 13);
    EXPECT_EQ(rec_.bmRowInfo.bmHeight, 21);
    DeleteObject(brush);
    ci.hbm = ri.hbm = nullptr;
    ASSERT_TRUE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 0);
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 5);
    ASSERT_TRUE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(rec_.bmRowInfo.bmWidth, 0);

    // The shared sizes can be set on an empty control.
    (void)ResetItems(&rec_);
    ci.hbm = tall_;
    EXPECT_TRUE(SetCellInfo(&rec_, &ci));
    EXPECT_EQ(rec_.bmCellInfo.bmHeight, 21);
}

TEST_F(FormattingTest, ACopiedItemOwnsSeparateFormats)
{
    const CellInfo ci = Sample(2, 2);
    ASSERT_TRUE(SetCellInfo(&rec_, &ci));
    const RowInfo ri = RowSample(2);
    ASSERT_TRUE(SetRowInfo(&rec_, &ri));

    // Copied in front of itself: the source moves down to row 3.
    ASSERT_EQ(CopyItem(&rec_, 2, 0), 0);
    for (int c = 0; c < kColumns; ++c)
        EXPECT_EQ(Fmt(Cell(0, c)), Fmt(Cell(3, c))) << "column " << c;
    EXPECT_EQ(Fmt(Row(0)), Fmt(ri));

    // Changing the copy leaves the source alone.
    const CellInfo change = Sample(0, 2);
    ASSERT_TRUE(SetCellInfo(&rec_, &change));
    const RowInfo rowChange = RowSample(0);
    ASSERT_TRUE(SetRowInfo(&rec_, &rowChange));
    EXPECT_EQ(Fmt(Cell(3, 2)), Fmt(ci));
    EXPECT_EQ(Fmt(Row(3)), Fmt(ri));

    // An item without formats is copied without them.
    const int plain = CopyItem(&rec_, 1, -1);
    ASSERT_EQ(plain, 5);   // appended after the first copy
    EXPECT_EQ(rec_.items[plain]->cellInfo, nullptr);
    EXPECT_EQ(rec_.items[plain]->rowInfo, nullptr);
}

struct LentRows {
    TarnItem items[2];
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
    // Row 1 is lent with a formatted cell 1 and row header; row 0 without formats.
    LentRows lent = {};
    for (CellFormat& f : lent.cells)
        DefaultCellFormat(&f);
    lent.cells[1].data0 = 4242;
    lent.cells[1].backColor = RGB(3, 3, 3);
    lent.items[1].cellInfo = lent.cells;
    DefaultRowFormat(&lent.row);
    lent.row.textColor = RGB(4, 4, 4);
    lent.items[1].rowInfo = &lent.row;
    rec_.virtualFetchCallback = LendRow;
    rec_.virtualUserData = reinterpret_cast<LPARAM>(&lent);

    CellInfo ci = Sample(1, 1);
    EXPECT_FALSE(SetCellInfo(&rec_, &ci));
    RowInfo ri = RowSample(1);
    EXPECT_FALSE(SetRowInfo(&rec_, &ri));
    EXPECT_EQ(lent.fetches, 0) << "a refused change does not even fetch the row";

    const CellInfo want = {0, 0, 0, RGB(3, 3, 3), N, N, N, 4242, 0, 0, nullptr, nullptr, 0, 0};
    EXPECT_EQ(Fmt(Cell(1, 1)), Fmt(want));
    EXPECT_EQ(Fmt(Cell(0, 1)), Fmt(kBlankCell));
    const RowInfo wantRow = {0, 0, N, RGB(4, 4, 4), N, N, nullptr, 0};
    EXPECT_EQ(Fmt(Row(1)), Fmt(wantRow));
    EXPECT_EQ(lent.fetches, 3);

    // The shared sizes are the control's own, so virtual mode allows them.
    ci = Sample(-1, 0);
    ci.hbm = small_;
    EXPECT_TRUE(SetCellInfo(&rec_, &ci));
    ri = RowSample(-1, small_);
    EXPECT_TRUE(SetRowInfo(&rec_, &ri));

    GetItem(&rec_, -1);   // give the lent row back before the record goes
    rec_.virtualFetchCallback = nullptr;
}

TEST(ControlColors, DefaultsStoredValuesAndSystemColourResolution)
{
    ControlRecord rec;
    memset(&rec, 0, sizeof rec);
    SetDefaultColors(&rec);
    const bool old = IsOldSystem();
    EXPECT_EQ(old, LOBYTE(GetVersion()) < 4);   // the major version is the lowest byte
    const COLORREF S = TARN_SYSCOLOR_FLAG;
    const COLORREF want[TARNCLR_COUNT] = {
        S | 5,  S | 8,  S | 17, TARN_COLOR_NONE, TARN_COLOR_NONE, S | 13, S | 14, S | 16, S | 20, // 0-8
        S | 15, S | 18, S | 17, S | 16, S | 20,                                                 // 9-13 column headers
        S | 15, S | 18, S | 15, S | 18, S | 17, S | 16, S | 20,                                 // 14-20 row headers
        S | 15, S | 18, S | 17, S | 16, S | 20,                                                 // 21-25 corner
        S | 15, S | 18, S | 17, S | 15, S | 16,                                                 // 26-30 drop button
        old ? RGB(0, 0, 0) : S | 21, old ? RGB(255, 255, 255) : S | 20,                         // 31-32
        S | 16, S | 16, S | 16, S | 16};                                                        // 33-36
    CtlColors out;
    memset(&out, 0xCD, sizeof out);
    GetCtlColors(&rec, &out);
    for (int i = 0; i < TARNCLR_COUNT; ++i)
        EXPECT_EQ(reinterpret_cast<const COLORREF*>(&out)[i], want[i]) << "entry " << i;
    EXPECT_EQ(out.disabledTreeLineColor, want[36]);   // the record's last field is the table's last entry

    // Values are stored as given, system colours unresolved.
    CtlColors in;
    for (int i = 0; i < TARNCLR_COUNT; ++i)
        reinterpret_cast<COLORREF*>(&in)[i] = i % 3 ? RGB(i, 2 * i, 3 * i) : TARN_SYSCOLOR(i);
    SetCtlColors(&rec, &in);
    memset(&out, 0xCD, sizeof out);
    GetCtlColors(&rec, &out);
    EXPECT_EQ(memcmp(&out, &in, sizeof out), 0);
    EXPECT_EQ(rec.colors[TARNCLR_ALTBACKCOLOR], in.altBackColor);

    // System colours resolve when used, by the low 16 bits; "not set" (which
    // carries the system flag too) stays not set.
    EXPECT_EQ(ResolveColor(RGB(12, 34, 56)), RGB(12, 34, 56));
    EXPECT_EQ(ResolveColor(TARN_COLOR_NONE), TARN_COLOR_NONE);
    for (int n = 0; n <= COLOR_MENUBAR; ++n)
        EXPECT_EQ(ResolveColor(TARN_SYSCOLOR(n)), GetSysColor(n)) << n;
    EXPECT_EQ(ResolveColor(TARN_SYSCOLOR(0x00120000 | COLOR_HIGHLIGHT)), GetSysColor(COLOR_HIGHLIGHT));
}

} // namespace
