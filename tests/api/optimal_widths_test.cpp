// Optimal column and row-header widths and the horizontal extent, against
// text widths measured here in the control's font.
#include "support/control_fixture.h"

static int TextWidth(HWND h, const std::string& text)
{
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, ControlFont(h));
    RECT rc = {};
    DrawTextA(dc, text.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return SelectObject(dc, old), ReleaseDC(h, dc), rc.right - rc.left;
}
static int Avg(HWND h) { return Metrics(h, ControlFont(h)).tmAveCharWidth; }
using OptimalWidthsTest = ControlTest;

// One control through the cases: cells, the header, a cell bitmap wider
// than the shared size, maxRows and bad columns; the widths applied to every
// column at once; measuring only the shallow first rows narrowing the
// indentation (and telling the parent); the extent ending at the last column,
// or open-ended at its optimal width; numbered row headers, none without a
// row header (the first 100 reach three digits only when counted from 1),
// and a corner text wider than them.
TEST_F(OptimalWidthsTest, ColumnAndRowHeaderWidthsAndExtent)
{
    std::vector<ColumnDef> cols = {Column(5), Column(5), Column(5)};
    HWND h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT, 0, {300, 150}, cols), list = Tarn_GetHWNDDropDown(h);
    EXPECT_EQ(Tarn_CalcOptimalColumnWidth(h, 0, 0), Avg(h)) << "empty";
    cols[1].headerText = "A header wider than its cells", SetColumns(h, cols), Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
    for (const char* text : {"ab", "wide wide wide", "cd"}) Tarn_SetText_A(h, Tarn_AddString_A(h, text), 2, text);
    HBITMAP shared = CreateBitmap(16, 8, 1, 1, nullptr), own = CreateBitmap(24, 8, 1, 1, nullptr);
    CellInfo info = {TARN_CELLINFO_VERSION, -1, 0, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, 0, 0, 0, nullptr, shared, 0, 0};
    Tarn_SetCellInfo(h, &info), info.row = 1, info.hbm = own, Tarn_SetCellInfo(h, &info);
    const int e[3] = {Avg(h) + TextWidth(h, "wide wide wide") + Avg(h) / 2 + 24, Avg(h) + 6 + TextWidth(h, cols[1].headerText), Avg(h) + TextWidth(h, "wide wide wide")};
    for (int col : {-2, -1, 3, 0, 1, 2})
        EXPECT_EQ(Tarn_CalcOptimalColumnWidth(h, col, 0), col < 0 || col > 2 ? -1 : e[col]) << col;
    EXPECT_EQ(Tarn_CalcOptimalColumnWidth(h, 2, 1), Avg(h) + TextWidth(h, "ab")) << "maxRows";
    Tarn_MakeColumnOptimal(h, -2, 0), Tarn_MakeColumnOptimal(h, 3, 0), Tarn_MakeColumnOptimal(h, -1, 0);
    ColumnDef* defs = nullptr;
    EXPECT_TRUE(Tarn_GetColumns(h, &defs) == 3 && defs[0].width == e[0] && defs[1].width == e[1] && defs[2].width == e[2]);
    Tarn_SetItemLevel(h, 1, 1), Tarn_SetItemLevel(h, 2, 3), ValidateAll(h);
    const int deep = Tarn_GetOverheadWidth(h), width = Tarn_CalcOptimalColumnWidth(h, 2, 2), shallow = Tarn_GetOverheadWidth(h);
    EXPECT_TRUE(shallow < deep && Codes() == Ints{TARNN_OVERHEADCHANGE} && UpdateRect(list) != RECT{});
    EXPECT_TRUE(Tarn_RecalcHorizontalExtent(h, 2) && Tarn_GetHorizontalExtent(h) == shallow + e[0] + e[1] + width);
    EXPECT_TRUE(Tarn_RecalcHorizontalExtent(h, 0) && Tarn_GetHorizontalExtent(h) == deep + e[0] + e[1] + e[2]);
    EXPECT_TRUE((Tarn_SetOpenEnded(h, FALSE), Tarn_RecalcHorizontalExtent(h, 2)) && Tarn_GetHorizontalExtent(h) == shallow + e[0] + e[1] + e[2]);
    AddItems(h, 117);
    EXPECT_EQ((Tarn_SetShowRowHeader(h, TARN_ROWHEADER_NONE), Tarn_CalcOptimalRowHeaderWidth(h, 0)), 0);
    int widest[2] = {0, 0};   // the numbers 1 .. 100, and 1 .. 120
    for (int i = 1; i <= 120; ++i)
        widest[i > 100] = std::max({widest[0], widest[1], TextWidth(h, std::to_string(i))});
    EXPECT_EQ((Tarn_SetShowRowHeader(h, TARN_ROWHEADER_NUMBER), Tarn_CalcOptimalRowHeaderWidth(h, 0)), widest[1] + Avg(h) + 3);
    EXPECT_EQ(Tarn_CalcOptimalRowHeaderWidth(h, 100), widest[0] + Avg(h) + 3) << "maxRows";
    EXPECT_EQ((Tarn_SetRowColText_A(h, "A corner caption wider than the numbers"), Tarn_CalcOptimalRowHeaderWidth(h, 0)), Avg(h) + 6 + TextWidth(h, "A corner caption wider than the numbers"));
    DestroyWindow(h), DeleteObject(shared), DeleteObject(own);
}
