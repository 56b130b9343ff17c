// Cell, row and colour formatting through the DLL on real control windows:
// what is stored, what gets repainted, and that the formats go with the items.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

CellInfo Cell(int row, int column, COLORREF back)
{
    CellInfo ci;
    memset(&ci, 0, sizeof ci);
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = column;
    ci.backColor = back;
    ci.textColor = RGB(1, 2, 3);
    ci.selBackColor = TARN_SYSCOLOR(COLOR_HIGHLIGHT);
    ci.selTextColor = TARN_COLOR_NONE;
    ci.data0 = 100 + row;
    ci.data1 = 200 + column;
    ci.data2 = -1;
    ci.reserved = 7;
    ci.bitmapStyle = TARNBS_LEFT;
    return ci;
}

CellInfo CellQuery(int row, int column)
{
    CellInfo ci;
    memset(&ci, 0xCD, sizeof ci);
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = column;
    return ci;
}

RowInfo Row(int row, COLORREF back, HBITMAP hbm = nullptr)
{
    RowInfo ri;
    memset(&ri, 0, sizeof ri);
    ri.version = TARN_ROWINFO_VERSION;
    ri.row = row;
    ri.backColor = back;
    ri.textColor = ri.selBackColor = ri.selTextColor = TARN_COLOR_NONE;
    ri.hbm = hbm;
    ri.bitmapStyle = TARNBS_RIGHT;
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
    // Height of a row, from the area invalidated for row 0.
    static int RowHeight(HWND h)
    {
        HWND list = Tarn_GetHWNDDropDown(h);
        CellInfo ci = Cell(0, 0, TARN_COLOR_NONE);
        Tarn_SetCellInfo(h, &ci);
        RECT rc = UpdateRect(list);
        ValidateAll(h);
        return rc.bottom - rc.top;
    }
};

TEST_F(FormattingTest, CellAndRowFormatsRoundTripOnEveryType)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        UseColumns(h);
        AddItems(h, 3);

        CellInfo in = Cell(1, 2, RGB(9, 8, 7));
        ASSERT_TRUE(Tarn_SetCellInfo(h, &in));
        CellInfo out = CellQuery(1, 2);
        ASSERT_TRUE(Tarn_GetCellInfo(h, &out));
        // Field by field: 64-bit builds pad the record between the colours
        // and data0, and the padding is not part of the exchange.
        EXPECT_EQ(out.version, in.version);
        EXPECT_EQ(out.row, 1);
        EXPECT_EQ(out.column, 2);
        EXPECT_EQ(out.backColor, in.backColor);
        EXPECT_EQ(out.textColor, in.textColor);
        EXPECT_EQ(out.selBackColor, in.selBackColor);
        EXPECT_EQ(out.selTextColor, in.selTextColor);
        EXPECT_EQ(out.data0, in.data0);
        EXPECT_EQ(out.data1, in.data1);
        EXPECT_EQ(out.data2, in.data2);
        EXPECT_EQ(out.hfont, in.hfont);
        EXPECT_EQ(out.hbm, in.hbm);
        EXPECT_EQ(out.reserved, in.reserved);
        EXPECT_EQ(out.bitmapStyle, in.bitmapStyle);
        out = CellQuery(1, 0);
        ASSERT_TRUE(Tarn_GetCellInfo(h, &out));
        EXPECT_EQ(out.backColor, TARN_COLOR_NONE);
        EXPECT_EQ(out.selTextColor, TARN_COLOR_NONE);
        EXPECT_EQ(out.data0, 0);
        EXPECT_EQ(out.bitmapStyle, 0);

        RowInfo rin = Row(2, RGB(4, 5, 6));
        ASSERT_TRUE(Tarn_SetRowInfo(h, &rin));
        RowInfo rout = RowQuery(2);
        ASSERT_TRUE(Tarn_GetRowInfo(h, &rout));
        EXPECT_EQ(memcmp(&rout, &rin, offsetof(RowInfo, bitmapStyle) + sizeof rin.bitmapStyle), 0);

        // Refusals through the exports.
        in.version = 0;
        EXPECT_FALSE(Tarn_SetCellInfo(h, &in));
        in.version = TARN_CELLINFO_VERSION;
        in.row = 3;
        EXPECT_FALSE(Tarn_SetCellInfo(h, &in));
        in.row = 0;
        in.column = kColumns;
        EXPECT_FALSE(Tarn_SetCellInfo(h, &in));
        RowInfo minus = RowQuery(-1);
        EXPECT_FALSE(Tarn_GetRowInfo(h, &minus));
        DestroyWindow(h);
    }
}

TEST_F(FormattingTest, ACellOrRowRepaintsOnlyThatRowAndTheFieldForTheCurrentItem)
{
    HWND h = ListWithRows(8);
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    RECT client;
    GetClientRect(list, &client);
    const int height = RowHeight(h);
    ASSERT_GT(height, 0);

    CellInfo ci = Cell(2, 1, RGB(1, 1, 1));
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    RECT rc = UpdateRect(list);
    EXPECT_EQ(rc.top, 2 * height);
    EXPECT_EQ(rc.bottom, 3 * height);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.right, client.right);
    EXPECT_TRUE(IsEmpty(UpdateRect(h))) << "row 2 is not the current item";
    ValidateAll(h);

    RowInfo ri = Row(5, RGB(2, 2, 2));
    ASSERT_TRUE(Tarn_SetRowInfo(h, &ri));
    rc = UpdateRect(list);
    EXPECT_EQ(rc.top, 5 * height);
    EXPECT_EQ(rc.bottom, 6 * height);
    EXPECT_TRUE(IsEmpty(UpdateRect(h)));
    ValidateAll(h);

    // The current item shows in the field above the list as well.
    ASSERT_EQ(Tarn_SetCurSel(h, 3), 0);
    Pump();
    ValidateAll(h);
    ci.row = 3;
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    rc = UpdateRect(list);
    EXPECT_EQ(rc.top, 3 * height);
    EXPECT_EQ(rc.bottom, 4 * height);
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
    RECT client;
    GetClientRect(list, &client);
    HBITMAP small = CreateBitmap(13, 7, 1, 1, nullptr);
    HBITMAP wide = CreateBitmap(30, 7, 1, 1, nullptr);
    HBITMAP tall = CreateBitmap(13, 19, 1, 1, nullptr);

    // Cells: the whole control is redrawn for a new height only.
    CellInfo ci = Cell(-1, 0, TARN_COLOR_NONE);
    ci.hbm = small;
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    EXPECT_FALSE(IsEmpty(UpdateRect(h)));
    EXPECT_FALSE(IsEmpty(UpdateRect(list)));
    ValidateAll(h);
    ci.hbm = wide;
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    EXPECT_TRUE(IsEmpty(UpdateRect(h)));
    EXPECT_TRUE(IsEmpty(UpdateRect(list)));
    ci.hbm = nullptr;
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    EXPECT_FALSE(IsEmpty(UpdateRect(h)));
    ValidateAll(h);
    // No row took a cell array from the shared size.
    CellInfo out = CellQuery(0, 0);
    ASSERT_TRUE(Tarn_GetCellInfo(h, &out));
    EXPECT_EQ(out.backColor, TARN_COLOR_NONE);

    // Row headers: every row of the list is repainted for a new height.
    RowInfo ri = Row(-1, TARN_COLOR_NONE, tall);
    ASSERT_TRUE(Tarn_SetRowInfo(h, &ri));
    RECT rc = UpdateRect(list);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.bottom, client.bottom);
    EXPECT_EQ(rc.left, 0);
    ValidateAll(h);
    ri.hbm = CreateBitmap(40, 19, 1, 1, nullptr);
    ASSERT_TRUE(Tarn_SetRowInfo(h, &ri));
    EXPECT_TRUE(IsEmpty(UpdateRect(list)));
    DeleteObject(ri.hbm);

    DestroyWindow(h);
    DeleteObject(small);
    DeleteObject(wide);
    DeleteObject(tall);
}

TEST_F(FormattingTest, ColourTableStartsWithSystemColoursAndRoundTrips)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        CtlColors colors;
        memset(&colors, 0xCD, sizeof colors);
        Tarn_GetCtlColors(h, &colors);
        EXPECT_EQ(colors.backColor, TARN_SYSCOLOR(COLOR_WINDOW));
        EXPECT_EQ(colors.textColor, TARN_SYSCOLOR(COLOR_WINDOWTEXT));
        EXPECT_EQ(colors.altBackColor, TARN_COLOR_NONE);
        EXPECT_EQ(colors.altTextColor, TARN_COLOR_NONE);
        EXPECT_EQ(colors.selBackColor, TARN_SYSCOLOR(COLOR_HIGHLIGHT));
        EXPECT_EQ(colors.rowHeaderSelBackColor, TARN_SYSCOLOR(COLOR_BTNFACE));
        EXPECT_EQ(colors.dropButtonFrameDarkShadowColor, TARN_SYSCOLOR(COLOR_3DDKSHADOW));
        EXPECT_EQ(colors.dropButtonFrameHighlightColor, TARN_SYSCOLOR(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(colors.disabledTreeLineColor, TARN_SYSCOLOR(COLOR_BTNSHADOW));

        CtlColors in;
        for (int i = 0; i < TARNCLR_COUNT; ++i)
            reinterpret_cast<COLORREF*>(&in)[i] = RGB(i, 255 - i, 7 * i);
        in.altBackColor = TARN_COLOR_NONE;
        Pump();
        ValidateAll(h);
        Tarn_SetCtlColors(h, &in);
        // Every window of the control is redrawn with the new colours.
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
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        HWND edit = Tarn_GetHWNDEdit(h);
        const HFONT controlFont = reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
        EXPECT_EQ(Tarn_GetEditCtlFont(h), controlFont);
        Tarn_SetEditCtlFont(h, big, TRUE);
        EXPECT_EQ(Tarn_GetEditCtlFont(h), big);
        if (edit) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), big);
        }
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)), controlFont);
        // A new control font takes the edit field with it.
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), FALSE);
        EXPECT_EQ(Tarn_GetEditCtlFont(h), GetStockObject(ANSI_VAR_FONT));
        if (edit) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), GetStockObject(ANSI_VAR_FONT));
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
    // 40 controls of 60 formatted rows each would leave over 300 KB behind if
    // the cell arrays or row records were kept.
    EXPECT_LT(after, before + 64 * 1024) << "before " << before << " after " << after;
}

} // namespace
