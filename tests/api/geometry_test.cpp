// Row geometry on real controls: row and field heights, the overhead before
// the first column, cell and row rectangles, hit tests, the rows that fit,
// and the control's own layout for every type.
#include "support/control_fixture.h"

#include <cstring>

namespace {

HBITMAP Bitmap(int w, int h) { return CreateBitmap(w, h, 1, 1, nullptr); }

class GeometryTest : public ControlTest {};

// A row is a line of the font times the line count; the 3D frame adds two
// pixels and takes the place of horizontal grid lines, which add one; the
// shared item-bitmap size counts while the zone is on. The field is four
// pixels taller than a line.
TEST_F(GeometryTest, FixedRowHeightsFollowLinesBitmapsFrameAndGrid)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type, 3);
        const int line = Metrics(h, ControlFont(h)).tmHeight;
        EXPECT_EQ(Ints({Tarn_GetItemHeight(h, 0), Tarn_GetItemHeight(h, -1)}), Ints({line, line + 4})) << type;
    }
    HWND h = Create(TARNS_LISTBOX, 3, {200, 300});
    const int line = Metrics(h, ControlFont(h)).tmHeight;
    HBITMAP tall = Bitmap(12, 5 * line);
    const struct { const char* step; std::function<void()> act; int height; } steps[] = {
        {"3 lines", [&] { Tarn_SetItemLines(h, 3); }, 3 * line},
        {"3D", [&] { Tarn_SetShow3D(h, 1); }, 3 * line + 2},
        {"3D and grid", [&] { Tarn_SetShowGrid(h, 1); }, 3 * line + 2},
        {"grid, both", [&] { Tarn_SetShow3D(h, 0); }, 3 * line + 1},
        {"grid, vertical", [&] { Tarn_SetGridStyle(h, TARN_GRID_VERTICAL); }, 3 * line},
        {"grid, horizontal", [&] { Tarn_SetGridStyle(h, TARN_GRID_HORIZONTAL); }, 3 * line + 1},
        {"bitmap zone", [&] { Tarn_SetShowGrid(h, 0), Tarn_SetItemBitmap(h, -1, tall); }, 5 * line},
        {"no bitmap zone", [&] { Tarn_SetItemBitmap(h, -1, nullptr); }, 3 * line},
    };
    for (const auto& s : steps)
        EXPECT_EQ((s.act(), Tarn_GetItemHeight(h, 2)), s.height) << s.step;
    DeleteObject(tall);
}

// A wrapping column measures up to the line count; a cell font counts in
// any column; a row's own bitmap counts while the bitmap zone is on.
TEST_F(GeometryTest, VariableHeightsMeasureOnlyWrappingColumns)
{
    HWND h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT, 3, {300, 300}, {Column(120, TARNCF_WORDWRAP), Column(120)});
    const int line = Metrics(h, ControlFont(h)).tmHeight;
    Tarn_SetText_A(h, 1, 0, "one\ntwo\nthree\nfour\nfive");
    Tarn_SetText_A(h, 2, 1, "one\ntwo\nthree\nfour\nfive");
    Tarn_SetItemLines(h, 3);
    EXPECT_EQ(Ints({Tarn_GetItemHeight(h, 0), Tarn_GetItemHeight(h, 1), Tarn_GetItemHeight(h, 2)}), Ints({line, 3 * line, line}));
    Tarn_SetItemLines(h, 9);
    EXPECT_EQ(Tarn_GetItemHeight(h, 1), 5 * line);
    LOGFONTA lf = {};
    lf.lfHeight = -3 * line;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    HFONT big = CreateFontIndirectA(&lf);
    ASSERT_GT(Metrics(h, big).tmHeight, line);
    const CellInfo ci = {TARN_CELLINFO_VERSION, 0, 1, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE,
                         0, 0, 0, big, nullptr, 0, 0};
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), Metrics(h, big).tmHeight);
    HBITMAP zone = Bitmap(16, 2), own = Bitmap(16, 4 * line);
    Tarn_SetItemBitmap(h, -1, zone);
    Tarn_SetItemBitmap(h, 2, own);
    EXPECT_EQ(Tarn_GetItemHeight(h, 2), 4 * line);
    Tarn_SetItemBitmap(h, -1, nullptr);
    EXPECT_EQ(Tarn_GetItemHeight(h, 2), line);
    DestroyWindow(h);
    for (HGDIOBJ o : {HGDIOBJ(big), HGDIOBJ(zone), HGDIOBJ(own)})
        DeleteObject(o);
}

// Levels indent by the widest character, or with item bitmaps by half their
// width (a whole width with tree lines); the zones and a 2-pixel gap follow.
// Only a new deepest level or a new zone changes the overhead, told once.
TEST_F(GeometryTest, OverheadGrowsWithTheDeepestLevelZonesAndTreeLines)
{
    HBITMAP bmp = Bitmap(20, 10), label = Bitmap(7, 10), gone = Bitmap(4, 4);
    DeleteObject(gone);
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type, 4);
        const int indent = 3 * Metrics(h, ControlFont(h)).tmMaxCharWidth;
        EXPECT_EQ(Tarn_GetOverheadWidth(h), 0);
        Tarn_SetItemLevel(h, 1, 1), Tarn_SetItemLevel(h, 2, 3), Tarn_SetItemLevel(h, 3, 2);
        Tarn_DeleteString(h, 2);   // the deepest row goes, the deepest level stays
        Tarn_SetItemLevel(h, 2, 3);
        EXPECT_EQ(Codes(), Ints(2, TARNN_OVERHEADCHANGE));
        EXPECT_EQ(Tarn_GetOverheadWidth(h), indent);
        ASSERT_TRUE(Tarn_SetItemBitmap(h, -1, bmp));
        EXPECT_EQ(Tarn_GetOverheadWidth(h), 3 * 10 + 20 + 2);
        ASSERT_TRUE(Tarn_SetItemLabel(h, -1, label));
        EXPECT_EQ(Tarn_GetOverheadWidth(h), 3 * 10 + 20 + 7 + 2);
        EXPECT_FALSE(Tarn_SetItemBitmap(h, -1, gone)) << "a handle GDI cannot describe";
        EXPECT_TRUE(Tarn_GetShowBitmaps(h) && Tarn_GetShowLabels(h));
        ClearLog();
        Tarn_SetShowTreeLines(h, TRUE);
        EXPECT_EQ(Tarn_GetOverheadWidth(h), 3 * 20 + 20 + 7 + 2);
        Tarn_SetShowTreeLines(h, TRUE), Tarn_SetItemLevel(h, 1, 2);
        EXPECT_EQ(Codes(), Ints{TARNN_OVERHEADCHANGE});
        Tarn_SetShowTreeLines(h, FALSE), Tarn_SetItemBitmap(h, -1, nullptr), Tarn_SetItemLabel(h, -1, nullptr);
        EXPECT_FALSE(Tarn_GetShowBitmaps(h) || Tarn_GetShowLabels(h));
        EXPECT_EQ(Tarn_GetOverheadWidth(h), indent);
    }
    DeleteObject(bmp);
    DeleteObject(label);
}

TEST_F(GeometryTest, CellRectanglesWithReorderedHiddenAndOpenEndedColumns)
{
    // Display order: column 2, column 0, column 1 (hidden), column 3.
    HWND h = Create(TARNS_LISTBOX, 2, {400, 200}, {Column(50, 0, 1), Column(0, 0, 2), Column(70, 0, 0), Column(40, 0, 3)});
    Tarn_SetItemLevel(h, 1, 1);
    const int o = Tarn_GetOverheadWidth(h), end = Client(Tarn_GetHWNDDropDown(h)).right;
    ASSERT_GT(o, 0);
    // The first visible column holds the indentation (row 0 has none) and
    // ends at the same place on every level; the last runs to the end.
    const struct { int row, col, left, right; } cases[] = {
        {0, 2, 0, 70 + o}, {1, 2, o, 70 + o}, {0, 0, 70 + o, 120 + o}, {0, 1, 120 + o, 120 + o}, {0, 3, 120 + o, end}};
    for (const auto& e : cases) {
        RECT row = {}, *rc = Tarn_GetCellRect(h, e.row, e.col);
        ASSERT_TRUE(rc && Tarn_GetItemRect(h, e.row, &row) == 0);
        EXPECT_EQ(*rc, (RECT{e.left, row.top, e.right, row.bottom})) << "row " << e.row << " column " << e.col;
    }
    Tarn_SetOpenEnded(h, 0);
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 3)->right, 120 + o + 40);
    Tarn_SetOpenEnded(h, 1);
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, end + 300));
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 3)->right, end + 300) << "runs to the end of the extent";
    Tarn_SetHorizontalOffset(h, 25);
    Tarn_SetCurSel(h, 1);
    EXPECT_EQ(Tarn_GetCellRect(h, -1, -1)->left, 70 + o - 25) << "the current row, the caret column (0)";
}

TEST_F(GeometryTest, RowRectanglesHitTestsAndRowsShown)
{
    HWND h = Create(TARNS_LISTBOX, 20, {200, 200});
    HWND list = Tarn_GetHWNDDropDown(h);
    const int row = Tarn_GetItemHeight(h, 0), shown = Client(list).bottom / row;
    EXPECT_EQ(Tarn_GetItemsShown(h), shown);
    ASSERT_EQ(Tarn_SetTopIndex(h, 3), 0);
    for (int hidden : {2, 3 + shown}) {
        RECT rc = {1, 1, 1, 1};
        EXPECT_EQ(Tarn_GetItemRect(h, hidden, &rc), -1) << "row " << hidden << " is out of view";
        EXPECT_EQ(rc, RECT{});
    }
    RECT rc = {}, field = {};
    EXPECT_EQ(Tarn_GetItemRect(h, 4, &rc), 0);
    EXPECT_EQ(rc, (RECT{0, row, Client(list).right, 2 * row}));
    // Points are in the control's coordinates; the list lies under the field,
    // which stands for the current row.
    auto hit = [&](POINT pt) {   // the row, and whether the point is in the field
        int in = -5, row = Tarn_CalcIndexFromPoint(h, &pt, &in);
        return row * 10 + in;
    };
    EXPECT_EQ(hit({ChildRect(list).left + 5, ChildRect(list).top + row + row / 2}), 40);
    Tarn_GetItemRect(h, -1, &field);
    EXPECT_EQ(hit({field.left + 3, (field.top + field.bottom) / 2}), -9);
    Tarn_SetCurSel(h, 7);
    EXPECT_EQ(hit({field.left + 3, (field.top + field.bottom) / 2}), 71);
    Tarn_ResetContent(h);
    AddItems(h, 2);
    EXPECT_EQ(hit({ChildRect(list).left + 5, ChildRect(list).top + 2 * row + 1}), -10) << "below the last row";
    // A closed drop-down counts rows from the dropped height; never fewer than one.
    HWND d = Create(TARNS_DROPDOWNLIST, 20);
    EXPECT_EQ(Tarn_GetItemsShown(d), 6);
    ASSERT_EQ(Tarn_SetDroppedHeight(d, -100), 0);
    EXPECT_EQ(Tarn_GetItemsShown(d), 100 / Tarn_GetItemHeight(d, -1));
    ASSERT_EQ(Tarn_SetDroppedHeight(d, -1), 0);
    EXPECT_EQ(Tarn_GetItemsShown(d), 1);
}

// The list fills the control under the field with whole rows; the edit
// field is centred in the field, 2 pixels in.
TEST_F(GeometryTest, ListBoxTypeShowsWholeRowsAtEveryHeight)
{
    HWND h = Create(TARNS_LISTBOX, 30, {180, 100});
    HWND list = Tarn_GetHWNDDropDown(h);
    const int row = Tarn_GetItemHeight(h, 0), frame = ChildRect(h).bottom - ChildRect(h).top - Client(h).bottom;
    for (int height = 20; height <= 260; height += 7) {
        SetWindowPos(h, nullptr, 0, 0, 180, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT f;
        Tarn_GetItemRect(h, -1, &f);
        const int wanted = height - frame - (f.bottom + 4);
        EXPECT_EQ(ChildRect(list), (RECT{0, f.bottom + 4, Client(h).right, Client(h).bottom})) << height;
        EXPECT_EQ(Client(list).bottom, wanted >= row ? wanted / row * row : 0) << height;
        const RECT e = ChildRect(Tarn_GetHWNDEdit(h));
        EXPECT_EQ(std::vector<LONG>({e.left, e.top, e.right}),
                  std::vector<LONG>({f.left + 2, f.top + 2 + (f.bottom - f.top - 4 - (e.bottom - e.top)) / 2, f.right - 2}));
    }
}

// The slack of the 120 pixels asked for goes below, split, or above; the
// centre wins over the bottom; the width never changes.
TEST_F(GeometryTest, DropDownTypesFitTheirHeightKeepingTheAnchor)
{
    const std::pair<DWORD, int> anchors[] = {{0, 0}, {TARNS_KEEPCENTER, 1}, {TARNS_KEEPBOTTOM, 2}, {TARNS_KEEPCENTER | TARNS_KEEPBOTTOM, 1}};
    for (DWORD type : {TARNS_DROPDOWN, TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED})
        for (auto [anchor, slack] : anchors) {
            HWND h = Create(WS_BORDER | type | anchor, 0, {160, 120});
            const RECT r = ChildRect(h);
            EXPECT_EQ(Client(h).bottom, Tarn_GetItemHeight(h, -1));
            EXPECT_EQ(r, (RECT{10, 10 + (120 - (r.bottom - r.top)) * slack / 2, 170, r.bottom})) << type << " " << anchor;
        }
}

} // namespace
