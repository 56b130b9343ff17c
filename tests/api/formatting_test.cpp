// Part fonts, the edit field's column, and cell and row formats on real
// control windows: what is stored and exactly what gets repainted.
#include "support/control_fixture.h"
#include "support/dib.h"

#include <tuple>

namespace {

CellInfo Cell(int row, int column, HBITMAP hbm = nullptr, DWORD version = TARN_CELLINFO_VERSION)
{
    return CellInfo{version, row, column, RGB(9, 8, 7), RGB(1, 2, 3), TARN_SYSCOLOR(COLOR_HIGHLIGHT),
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

// A cell or row repaints that row of the list, and the field when it is the
// current row; a refused change repaints nothing. The shared bitmap sizes
// (row -1) repaint every row and the field, only for a new height. Each
// field of a stored format comes back.
TEST_F(FormattingTest, EachFormatChangeRepaintsItsRowsAndTheFieldForTheCurrentItem)
{
    HWND h = Create(TARNS_LISTBOX, 8, {240, 300}, {Column(60), Column(60), Column(60)}), list = Tarn_GetHWNDDropDown(h);
    HBITMAP small = CreateBitmap(13, 7, 1, 1, nullptr), wide = CreateBitmap(30, 7, 1, 1, nullptr);
    HBITMAP tall = CreateBitmap(13, 19, 1, 1, nullptr);
    Tarn_SetCurSel(h, 3);
    auto row = [&](int r) { RECT rc = {}; return Tarn_GetItemRect(h, r, &rc), RECT{0, rc.top, Client(list).right, rc.bottom}; };
    auto cell = [&](CellInfo c) { return Tarn_SetCellInfo(h, &c); };
    auto rowInfo = [&](RowInfo r) { return Tarn_SetRowInfo(h, &r); };
    const struct { const char* name; std::function<BOOL()> set; int row; bool field; } steps[] = {
        {"cell", [&] { return cell(Cell(2, 1)); }, 2, false},
        {"row", [&] { return rowInfo(Row(5)); }, 5, false},
        {"current cell", [&] { return cell(Cell(3, 0)); }, 3, true},
        {"current row", [&] { return rowInfo(Row(3)); }, 3, true},
        {"refused", [&] { return !cell(Cell(3, 0, nullptr, 2)); }, -1, false},   // an unknown version
        {"cell bitmaps", [&] { return cell(Cell(-1, 0, small)); }, 99, true},
        {"same height", [&] { return cell(Cell(-1, 0, wide)); }, -1, false},
        {"row-header bitmaps", [&] { return rowInfo(Row(-1, tall)); }, 99, true},
    };
    for (const auto& s : steps) {
        ValidateAll(h);
        EXPECT_TRUE(s.set()) << s.name;
        EXPECT_EQ(UpdateRect(list), s.row == 99 ? Client(list) : s.row < 0 ? RECT{} : row(s.row)) << s.name;
        EXPECT_EQ(UpdateRect(h) != RECT{}, s.field) << s.name;
    }
    CellInfo cout = {TARN_CELLINFO_VERSION, 2, 1, 0xCD, 0xCD, 0xCD, 0xCD, 0xCD, 0xCD, 0xCD, HFONT(1), HBITMAP(1), 0xCD, 0xCD};
    RowInfo rout = {TARN_ROWINFO_VERSION, 5, 0xCD, 0xCD, 0xCD, 0xCD, HBITMAP(1), 0xCD};
    ASSERT_TRUE(Tarn_GetCellInfo(h, &cout) && Tarn_GetRowInfo(h, &rout));
    EXPECT_TRUE(Fields(cout) == Fields(Cell(2, 1)) && Fields(rout) == Fields(Row(5)));
}

// A part font is the control font until set and is only borrowed; a new
// control font replaces the edit field's. The edit field follows the first
// column in display order that is not hidden: multi-line when it wraps; a
// new set makes a new field, one only.
TEST_F(FormattingTest, PartFontsAndTheEditFieldFollowTheControlFontAndTheFirstVisibleColumn)
{
    HFONT big = UnsmoothedGuiFont(2), other = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    auto edit = [](HWND h) { return FindWindowExA(h, nullptr, TARN32_EDIT_CLASS, nullptr); };
    auto multiLine = [&](HWND h) { return (GetWindowLongA(edit(h), GWL_STYLE) & ES_MULTILINE) != 0; };
    const struct { std::vector<ColumnDef> columns; bool multiLine; } sets[] = {
        {{Column(0), Column(80, TARNCF_WORDWRAP)}, true},                  // the hidden first column is passed over
        {{Column(40, TARNCF_WORDWRAP, 1), Column(80, 0, 0)}, false}};   // display order, not index order
    for (DWORD type : kAllTypes) {
        HWND h = Create(type), field = Tarn_GetHWNDEdit(h);
        EXPECT_TRUE(Tarn_GetEditCtlFont(h) == ControlFont(h) && Tarn_GetColHeaderFont(h) == ControlFont(h));
        Tarn_SetEditCtlFont(h, big, TRUE), Tarn_SetColHeaderFont(h, big, TRUE), Tarn_SetRowHeaderFont(h, big, TRUE);
        EXPECT_TRUE(Tarn_GetEditCtlFont(h) == big && Tarn_GetColHeaderFont(h) == big && Tarn_GetRowHeaderFont(h) == big);
        EXPECT_TRUE(ControlFont(h) != big && (!field || ControlFont(field) == big)) << "type " << type;
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(other), FALSE);
        EXPECT_TRUE(Tarn_GetEditCtlFont(h) == other && (!field || ControlFont(field) == other)) << "type " << type;
        for (const auto& set : sets) {
            HWND before = edit(h);
            ASSERT_TRUE(SetColumns(h, set.columns));
            EXPECT_TRUE(type > TARNS_DROPDOWN ? !edit(h)
                                              : edit(h) && !IsWindow(before) && multiLine(h) == set.multiLine &&
                                                    !FindWindowExA(h, edit(h), TARN32_EDIT_CLASS, nullptr)) << "type " << type;
        }
        DestroyWindow(h);
    }
    EXPECT_EQ(GetObjectType(big), DWORD(OBJ_FONT)) << "the control deleted the font";
    DeleteObject(big);
}

} // namespace
