// Cell, row and colour formatting through the DLL on real control windows:
// what is stored, what gets repainted, and that the formats go with the items.
#include <windows.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "support/control_fixture.h"

namespace {

constexpr int kColumns = 3;

void UseColumns(HWND hwnd)
{
    std::vector<ColumnDef> defs(kColumns);
    for (int i = 0; i < kColumns; ++i) {
        memset(&defs[i], 0, sizeof defs[i]);
        defs[i].width = 60;
        defs[i].backColor = defs[i].textColor = defs[i].selBackColor = defs[i].selTextColor = TARN_COLOR_NONE;
        defs[i].position = i;
    }
    ASSERT_TRUE(Tarn_SetColumns(hwnd, kColumns, defs.data()));
}

CellInfo Cell(int row, int column, COLORREF back, HBITMAP hbm = nullptr)
{
    return CellInfo{TARN_CELLINFO_VERSION, row, column, back, RGB(1, 2, 3), TARN_SYSCOLOR(COLOR_HIGHLIGHT),
                    TARN_COLOR_NONE, 100 + row, 200 + column, -1, nullptr, hbm, 7, TARNBS_LEFT};
}

RowInfo Row(int row, COLORREF back, HBITMAP hbm = nullptr)
{
    return RowInfo{TARN_ROWINFO_VERSION, row, back, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, hbm, TARNBS_RIGHT};
}

// The exchanged fields (64-bit builds pad CellInfo, and the padding is not
// part of the exchange).
auto Fields(const CellInfo& c)
{
    return std::make_tuple(c.version, c.row, c.column, c.backColor, c.textColor, c.selBackColor, c.selTextColor,
                           c.data0, c.data1, c.data2, c.hfont, c.hbm, c.reserved, c.bitmapStyle);
}

bool IsEmpty(const RECT& rc) { return IsRectEmpty(&rc) != FALSE; }

class FormattingTest : public ControlTest {
protected:
    // A type-0 control with three columns and n rows, all windows validated.
    HWND ListWithRows(int n)
    {
        HWND h = Create(TARNS_LISTBOX, 1, 240, 300);
        UseColumns(h);
        AddItems(h, n);
        Pump();
        ValidateAll(h);
        return h;
    }
    static void ValidateAll(HWND h)
    {
        Validate(h);
        if (HWND list = Tarn_GetHWNDDropDown(h))
            Validate(list);
        if (HWND edit = Tarn_GetHWNDEdit(h))
            Validate(edit);
    }
    // Asserts that exactly the given row of the list, whole width, is invalid.
    static void ExpectOnlyRowInvalid(HWND h, int row)
    {
        HWND list = Tarn_GetHWNDDropDown(h);
        RECT item, client, seen = UpdateRect(list);
        ASSERT_EQ(Tarn_GetItemRect(h, row, &item), 0);
        GetClientRect(list, &client);
        EXPECT_EQ(std::make_tuple(seen.left, seen.top, seen.right, seen.bottom),
                  std::make_tuple(0L, item.top, client.right, item.bottom)) << "row " << row;
    }
};

TEST_F(FormattingTest, FormatsRoundTripThroughTheExportsOnEveryType)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        UseColumns(h);
        AddItems(h, 3);

        const CellInfo in = Cell(1, 2, RGB(9, 8, 7));
        ASSERT_TRUE(Tarn_SetCellInfo(h, &in));
        CellInfo out;
        memset(&out, 0xCD, sizeof out);
        out.version = TARN_CELLINFO_VERSION;
        out.row = 1;
        out.column = 2;
        ASSERT_TRUE(Tarn_GetCellInfo(h, &out));
        EXPECT_EQ(Fields(out), Fields(in));

        const RowInfo rin = Row(2, RGB(4, 5, 6));
        ASSERT_TRUE(Tarn_SetRowInfo(h, &rin));
        RowInfo rout;
        memset(&rout, 0xCD, sizeof rout);
        rout.version = TARN_ROWINFO_VERSION;
        rout.row = 2;
        ASSERT_TRUE(Tarn_GetRowInfo(h, &rout));
        EXPECT_EQ(memcmp(&rout, &rin, offsetof(RowInfo, bitmapStyle) + sizeof rin.bitmapStyle), 0);
        DestroyWindow(h);
    }
}

TEST_F(FormattingTest, ACellOrRowRepaintsOnlyThatRowAndTheFieldForTheCurrentItem)
{
    HWND h = ListWithRows(8);
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);

    CellInfo ci = Cell(2, 1, RGB(1, 1, 1));
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    ExpectOnlyRowInvalid(h, 2);
    EXPECT_TRUE(IsEmpty(UpdateRect(h))) << "row 2 is not the current item";
    ValidateAll(h);
    RowInfo ri = Row(5, RGB(2, 2, 2));
    ASSERT_TRUE(Tarn_SetRowInfo(h, &ri));
    ExpectOnlyRowInvalid(h, 5);
    EXPECT_TRUE(IsEmpty(UpdateRect(h)));

    // The current item shows in the field above the list as well.
    ASSERT_EQ(Tarn_SetCurSel(h, 3), 0);
    Pump();
    ValidateAll(h);
    ci.row = 3;
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    ExpectOnlyRowInvalid(h, 3);
    EXPECT_FALSE(IsEmpty(UpdateRect(h)));
    ValidateAll(h);

    // A refused change repaints nothing.
    ci.version = 2;
    EXPECT_FALSE(Tarn_SetCellInfo(h, &ci));
    EXPECT_TRUE(IsEmpty(UpdateRect(list)));
    EXPECT_TRUE(IsEmpty(UpdateRect(h)));
    DestroyWindow(h);
}

TEST_F(FormattingTest, SharedBitmapSizesRepaintWhenTheirHeightChanges)
{
    HWND h = ListWithRows(5);
    HWND list = Tarn_GetHWNDDropDown(h);
    HBITMAP small = CreateBitmap(13, 7, 1, 1, nullptr);
    HBITMAP wide = CreateBitmap(30, 7, 1, 1, nullptr);
    HBITMAP tall = CreateBitmap(13, 19, 1, 1, nullptr);

    // Cells: the whole control is redrawn for a new height only.
    const struct {
        HBITMAP hbm;
        bool repaints;
    } cellSteps[] = {{small, true}, {wide, false}, {nullptr, true}};
    for (const auto& step : cellSteps) {
        CellInfo ci = Cell(-1, 0, TARN_COLOR_NONE, step.hbm);
        ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
        EXPECT_EQ(!IsEmpty(UpdateRect(h)), step.repaints);
        EXPECT_EQ(!IsEmpty(UpdateRect(list)), step.repaints);
        ValidateAll(h);
    }

    // Row headers: every row of the list is repainted for a new height.
    RowInfo ri = Row(-1, TARN_COLOR_NONE, tall);
    ASSERT_TRUE(Tarn_SetRowInfo(h, &ri));
    RECT rc = UpdateRect(list), client;
    GetClientRect(list, &client);
    EXPECT_TRUE(EqualRect(&rc, &client));
    ValidateAll(h);
    ri.hbm = CreateBitmap(40, 19, 1, 1, nullptr);   // the same height: nothing moves
    ASSERT_TRUE(Tarn_SetRowInfo(h, &ri));
    EXPECT_TRUE(IsEmpty(UpdateRect(list)));
    DeleteObject(ri.hbm);

    DestroyWindow(h);
    DeleteObject(small);
    DeleteObject(wide);
    DeleteObject(tall);
}

TEST_F(FormattingTest, ColourTableRoundTripsAndRedrawsEveryWindow)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        CtlColors colors, in;
        memset(&colors, 0xCD, sizeof colors);
        Tarn_GetCtlColors(h, &colors);
        EXPECT_EQ(colors.backColor, TARN_SYSCOLOR(COLOR_WINDOW));

        for (int i = 0; i < TARNCLR_COUNT; ++i)
            reinterpret_cast<COLORREF*>(&in)[i] = RGB(i, 255 - i, 7 * i);
        in.altBackColor = TARN_COLOR_NONE;
        Pump();
        ValidateAll(h);
        Tarn_SetCtlColors(h, &in);
        EXPECT_FALSE(IsEmpty(UpdateRect(h)));
        if (HWND list = Tarn_GetHWNDDropDown(h)) {
            EXPECT_FALSE(IsEmpty(UpdateRect(list)));
        }
        memset(&colors, 0xCD, sizeof colors);
        Tarn_GetCtlColors(h, &colors);
        EXPECT_EQ(memcmp(&colors, &in, sizeof in), 0);
        DestroyWindow(h);
    }
}

TEST_F(FormattingTest, TheEditFieldFontIsTheControlFontUntilSet)
{
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfHeight = lf.lfHeight < 0 ? lf.lfHeight * 2 : -24;
    HFONT big = CreateFontIndirectA(&lf);
    ASSERT_NE(big, nullptr);
    const HFONT other = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    auto fontOf = [](HWND w) { return reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)); };
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        HWND edit = Tarn_GetHWNDEdit(h);
        const HFONT controlFont = fontOf(h);
        EXPECT_EQ(Tarn_GetEditCtlFont(h), controlFont);
        Tarn_SetEditCtlFont(h, big, TRUE);
        EXPECT_EQ(Tarn_GetEditCtlFont(h), big);
        EXPECT_EQ(fontOf(h), controlFont);
        if (edit) {
            EXPECT_EQ(fontOf(edit), big);
        }
        // A new control font takes the edit field with it.
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(other), FALSE);
        EXPECT_EQ(Tarn_GetEditCtlFont(h), other);
        if (edit) {
            EXPECT_EQ(fontOf(edit), other);
        }
        DestroyWindow(h);
    }
    // The control only used the font; it is still the application's to delete.
    EXPECT_EQ(GetObjectType(big), static_cast<DWORD>(OBJ_FONT));
    DeleteObject(big);
}

TEST_F(FormattingTest, FormatsAreFreedWithTheirItems)
{
    // Every path an item leaves by: deletion, a move (the original goes),
    // reset, and the destruction of the control.
    auto cycle = [&](int rounds) {
        for (int r = 0; r < rounds; ++r) {
            HWND h = Create(TARNS_LISTBOX);
            UseColumns(h);
            AddItems(h, 60);
            for (int row = 0; row < 60; ++row) {
                RowInfo ri = Row(row, RGB(row, 0, 0));
                Tarn_SetRowInfo(h, &ri);
                for (int c = 0; c < kColumns; ++c) {
                    CellInfo ci = Cell(row, c, RGB(0, row, c));
                    Tarn_SetCellInfo(h, &ci);
                }
            }
            for (int i = 0; i < 10; ++i) {
                Tarn_CopyItem(h, i, -1);
                Tarn_MoveItem(h, i + 20, 0);
                Tarn_DeleteString(h, 30);
            }
            if (r % 2)
                Tarn_ResetContent(h);
            DestroyWindow(h);
        }
        Pump();
    };
    cycle(5);   // warm up the window class caches and the heap's own lists
    const SIZE_T before = HeapBytesInUse();
    cycle(40);
    const SIZE_T after = HeapBytesInUse();
    // 40 controls of 60 formatted rows would leave over 300 KB if formats were kept.
    EXPECT_LT(after, before + 64 * 1024) << "before " << before << " after " << after;
}

} // namespace
