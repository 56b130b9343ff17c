// Cell, row and colour formatting on real control windows: what is stored
// and exactly what gets repainted.
#include "support/control_fixture.h"

#include <cstring>
#include <tuple>

namespace {

CellInfo Cell(int row, int column, HBITMAP hbm = nullptr)
{
    return CellInfo{TARN_CELLINFO_VERSION, row, column, RGB(9, 8, 7), RGB(1, 2, 3), TARN_SYSCOLOR(COLOR_HIGHLIGHT),
                    TARN_COLOR_NONE, 100 + row, 200 + column, -1, nullptr, hbm, 7, TARNBS_LEFT};
}

RowInfo Row(int row, HBITMAP hbm = nullptr)
{
    return RowInfo{TARN_ROWINFO_VERSION, row, RGB(4, 5, 6), TARN_COLOR_NONE, 0, TARN_COLOR_NONE, hbm, TARNBS_RIGHT};
}

// The exchanged fields (64-bit builds pad the records; padding is not exchanged).
auto Fields(const CellInfo& c)
{
    return std::make_tuple(c.version, c.row, c.column, c.backColor, c.textColor, c.selBackColor, c.selTextColor,
                           c.data0, c.data1, c.data2, c.hfont, c.hbm, c.reserved, c.bitmapStyle);
}
auto Fields(const RowInfo& r)
{
    return std::make_tuple(r.version, r.row, r.backColor, r.textColor, r.selBackColor, r.selTextColor, r.hbm, r.bitmapStyle);
}

class FormattingTest : public ControlTest {};

// Formats and colours come back as stored; new colours redraw every window.
TEST_F(FormattingTest, FormatsAndColoursRoundTripOnEveryType)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type, 3, {200, 150}, {Column(60), Column(60), Column(60)});
        const CellInfo cin = Cell(1, 2);
        const RowInfo rin = Row(2);
        CellInfo cout = {TARN_CELLINFO_VERSION, 1, 2, 0xCD, 0xCD, 0xCD, 0xCD, 0xCD, 0xCD, 0xCD, HFONT(1), HBITMAP(1), 0xCD, 0xCD};
        RowInfo rout = {TARN_ROWINFO_VERSION, 2, 0xCD, 0xCD, 0xCD, 0xCD, HBITMAP(1), 0xCD};
        ASSERT_TRUE(Tarn_SetCellInfo(h, &cin) && Tarn_GetCellInfo(h, &cout) && Tarn_SetRowInfo(h, &rin) &&
                    Tarn_GetRowInfo(h, &rout));
        EXPECT_EQ(Fields(cout), Fields(cin));
        EXPECT_EQ(Fields(rout), Fields(rin));
        EXPECT_TRUE(Codes().empty());

        CtlColors in, out;
        for (int i = 0; i < TARNCLR_COUNT; ++i)
            reinterpret_cast<COLORREF*>(&in)[i] = RGB(i, 255 - i, 7 * i);
        in.altBackColor = TARN_COLOR_NONE;
        ValidateAll(h);
        Tarn_SetCtlColors(h, &in);
        for (HWND w : {h, Tarn_GetHWNDDropDown(h)})
            EXPECT_TRUE(!w || UpdateRect(w) == Client(w));
        std::memset(&out, 0xCD, sizeof out);
        Tarn_GetCtlColors(h, &out);
        EXPECT_EQ(std::memcmp(&out, &in, sizeof in), 0);
    }
}

// A cell or row repaints that row of the list, and the field when it is the
// current row; a refused change repaints nothing.
TEST_F(FormattingTest, ACellOrRowRepaintsOnlyThatRowAndTheFieldForTheCurrentItem)
{
    HWND h = Create(TARNS_LISTBOX, 8, {240, 300}, {Column(60), Column(60), Column(60)});
    HWND list = Tarn_GetHWNDDropDown(h);
    Tarn_SetCurSel(h, 3);
    auto row = [&](int r) { RECT rc = {}; return Tarn_GetItemRect(h, r, &rc), RECT{0, rc.top, Client(list).right, rc.bottom}; };
    const struct { const char* name; std::function<BOOL()> set; int row; } steps[] = {
        {"cell", [&] { const CellInfo c = Cell(2, 1); return Tarn_SetCellInfo(h, &c); }, 2},
        {"row", [&] { const RowInfo r = Row(5); return Tarn_SetRowInfo(h, &r); }, 5},
        {"current cell", [&] { const CellInfo c = Cell(3, 0); return Tarn_SetCellInfo(h, &c); }, 3},
        {"current row", [&] { const RowInfo r = Row(3); return Tarn_SetRowInfo(h, &r); }, 3},
        {"bad version", [&] { CellInfo c = Cell(3, 0); c.version = 2; return !Tarn_SetCellInfo(h, &c); }, -1},
    };
    for (const auto& s : steps) {
        ValidateAll(h);
        EXPECT_TRUE(s.set()) << s.name;
        EXPECT_TRUE(UpdateRegionIs(list, s.row < 0 ? std::vector<RECT>{} : std::vector<RECT>{row(s.row)})) << s.name;
        EXPECT_EQ(UpdateRect(h) != RECT{}, s.row == 3) << s.name;
    }
}

// Shared bitmap sizes (row -1): cells redraw both windows, row headers every
// row of the list, and only for a new height.
TEST_F(FormattingTest, SharedBitmapSizesRepaintWhenTheirHeightChanges)
{
    HWND h = Create(TARNS_LISTBOX, 5, {240, 300}, {Column(60), Column(60), Column(60)});
    HWND list = Tarn_GetHWNDDropDown(h);
    HBITMAP small = CreateBitmap(13, 7, 1, 1, nullptr), wide = CreateBitmap(30, 7, 1, 1, nullptr);
    HBITMAP tall = CreateBitmap(13, 19, 1, 1, nullptr), tallWide = CreateBitmap(40, 19, 1, 1, nullptr);
    const struct { bool cell; HBITMAP hbm; bool repaints; } steps[] = {
        {true, small, true}, {true, wide, false}, {true, nullptr, true}, {false, tall, true}, {false, tallWide, false}};
    for (const auto& s : steps) {
        ValidateAll(h);
        const CellInfo ci = Cell(-1, 0, s.hbm);
        const RowInfo ri = Row(-1, s.hbm);
        ASSERT_TRUE(s.cell ? Tarn_SetCellInfo(h, &ci) : Tarn_SetRowInfo(h, &ri));
        EXPECT_EQ(UpdateRect(list), s.repaints ? Client(list) : RECT{});
        EXPECT_EQ(UpdateRect(h) != RECT{}, s.repaints && s.cell);
    }
    DestroyWindow(h);
    for (HBITMAP b : {small, wide, tall, tallWide})
        DeleteObject(b);
}

} // namespace
