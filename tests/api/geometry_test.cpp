// Row geometry on real controls: row and field heights, the overhead before
// the first column, cell and row rectangles, hit tests, and the control's
// own layout for every type.
#include "support/control_fixture.h"
#include "support/dib.h"

namespace {

HBITMAP Bitmap(int w, int h) { return CreateBitmap(w, h, 1, 1, nullptr); }

class GeometryTest : public ControlTest {};

// A row is a line of the font times the line count; the 3D frame adds two
// pixels, grid lines one; the shared item-bitmap size counts while the zone
// is on. The field is four pixels taller than a line.
TEST_F(GeometryTest, RowHeightsFollowLinesBitmapsFrameGridAndWrappedTexts)
{
    HWND h = Create(TARNS_LISTBOX, 3, {200, 300});
    const int line = Metrics(h, ControlFont(h)).tmHeight;
    EXPECT_EQ(Ints({Tarn_GetItemHeight(h, 0), Tarn_GetItemHeight(h, -1)}), Ints({line, line + 4}));
    const struct { const char* step; std::function<void()> act; int height; } steps[] = {
        {"3 lines", [&] { Tarn_SetItemLines(h, 3); }, 3 * line},
        {"3D", [&] { Tarn_SetShow3D(h, 1); }, 3 * line + 2},
        {"grid", [&] { Tarn_SetShow3D(h, 0), Tarn_SetShowGrid(h, 1); }, 3 * line + 1},
        {"bitmap zone", [&] { Tarn_SetShowGrid(h, 0), Tarn_SetItemBitmap(h, -1, Bitmap(12, 5 * line)); }, 5 * line},
    };
    for (const auto& s : steps)
        EXPECT_EQ((s.act(), Tarn_GetItemHeight(h, 2)), s.height) << s.step;

    // Variable heights: a wrapping column measures up to the line count, any
    // other one line; a cell font counts in any column; a row's own bitmap
    // while the zone is on.
    h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT, 3, {300, 300}, {Column(120, TARNCF_WORDWRAP), Column(120)});
    Tarn_SetText_A(h, 1, 0, "one\ntwo\nthree\nfour\nfive");
    Tarn_SetText_A(h, 2, 1, "one\ntwo\nthree\nfour\nfive");
    Tarn_SetItemLines(h, 3);
    EXPECT_EQ(Ints({Tarn_GetItemHeight(h, 0), Tarn_GetItemHeight(h, 1), Tarn_GetItemHeight(h, 2)}), Ints({line, 3 * line, line}));
    EXPECT_EQ((Tarn_SetItemLines(h, 9), Tarn_GetItemHeight(h, 1)), 5 * line);
    HFONT big = UnsmoothedGuiFont(3);
    const CellInfo ci = {TARN_CELLINFO_VERSION, 0, 1, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE,
                         0, 0, 0, big, nullptr, 0, 0};
    EXPECT_EQ((Tarn_SetCellInfo(h, &ci), Tarn_GetItemHeight(h, 0)), Metrics(h, big).tmHeight);
    Tarn_SetItemBitmap(h, -1, Bitmap(16, 2));
    EXPECT_EQ((Tarn_SetItemBitmap(h, 2, Bitmap(16, 4 * line)), Tarn_GetItemHeight(h, 2)), 4 * line);
    EXPECT_EQ((Tarn_SetItemBitmap(h, -1, nullptr), Tarn_GetItemHeight(h, 2)), line);
    DeleteObject(big);
}

// Levels indent by the widest character, or with item bitmaps by half their
// width (a whole width with tree lines); the zones and a 2-pixel gap follow.
// Deleting the deepest row leaves the deepest level and the overhead.
TEST_F(GeometryTest, OverheadGrowsWithTheDeepestLevelZonesAndTreeLines)
{
    HBITMAP bmp = Bitmap(20, 10), label = Bitmap(7, 10);
    HWND h = Create(TARNS_LISTBOX, 4);
    const int indent = 3 * Metrics(h, ControlFont(h)).tmMaxCharWidth;
    Tarn_SetItemLevel(h, 1, 1), Tarn_SetItemLevel(h, 2, 3), Tarn_SetItemLevel(h, 3, 2);
    Tarn_DeleteString(h, 2), Tarn_SetItemLevel(h, 2, 3);   // the deepest row goes, the deepest level stays
    EXPECT_TRUE(Codes() == Ints(2, TARNN_OVERHEADCHANGE) && Tarn_GetOverheadWidth(h) == indent);
    EXPECT_EQ((Tarn_SetItemBitmap(h, -1, bmp), Tarn_GetOverheadWidth(h)), 3 * 10 + 20 + 2);
    EXPECT_EQ((Tarn_SetItemLabel(h, -1, label), Tarn_GetOverheadWidth(h)), 3 * 10 + 20 + 7 + 2);
    EXPECT_EQ((Tarn_SetShowTreeLines(h, TRUE), Tarn_GetOverheadWidth(h)), 3 * 20 + 20 + 7 + 2);
    Tarn_SetShowTreeLines(h, FALSE), Tarn_SetItemBitmap(h, -1, nullptr), Tarn_SetItemLabel(h, -1, nullptr);
    EXPECT_TRUE(!Tarn_GetShowBitmaps(h) && !Tarn_GetShowLabels(h) && Tarn_GetOverheadWidth(h) == indent);
    // A reset takes the deepest level with it, and the parent is told.
    ClearLog(), Tarn_ResetContent(h);
    EXPECT_TRUE(Codes() == Ints{TARNN_OVERHEADCHANGE} && Tarn_GetOverheadWidth(h) == 0);
}

// Display order: column 2, column 0, column 1 (hidden), column 3. The first
// visible column holds the indentation (row 0 has none) and ends at the same
// place on every level; the last runs to the end of the list or the extent.
TEST_F(GeometryTest, CellAndRowRectanglesAndHitTests)
{
    HWND h = Create(TARNS_LISTBOX, 2, {400, 200}, {Column(50, 0, 1), Column(0, 0, 2), Column(70, 0, 0), Column(40, 0, 3)});
    Tarn_SetItemLevel(h, 1, 1);
    const int o = Tarn_GetOverheadWidth(h), end = Client(Tarn_GetHWNDDropDown(h)).right;
    const struct { int row, col, left, right; } cases[] = {
        {0, 2, 0, 70 + o}, {1, 2, o, 70 + o}, {0, 0, 70 + o, 120 + o}, {0, 1, 120 + o, 120 + o}, {0, 3, 120 + o, end}};
    for (const auto& e : cases) {
        RECT row = {}, *rc = Tarn_GetCellRect(h, e.row, e.col);
        ASSERT_TRUE(o > 0 && rc && Tarn_GetItemRect(h, e.row, &row) == 0);
        EXPECT_EQ(*rc, (RECT{e.left, row.top, e.right, row.bottom})) << "row " << e.row << " column " << e.col;
    }
    EXPECT_EQ((Tarn_SetOpenEnded(h, 0), Tarn_GetCellRect(h, 0, 3)->right), 120 + o + 40);
    Tarn_SetOpenEnded(h, 1), Tarn_SetHorizontalExtent(h, end + 300);
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 3)->right, end + 300);
    Tarn_SetHorizontalOffset(h, 25), Tarn_SetCurSel(h, 1);
    EXPECT_EQ(Tarn_GetCellRect(h, -1, -1)->left, 70 + o - 25) << "the current row, the caret column (0)";

    // A row's rectangle counts from the top row; points are in the control's
    // coordinates, the list under the field, which stands for the current row.
    h = Create(TARNS_LISTBOX, 20, {200, 200});
    HWND list = Tarn_GetHWNDDropDown(h);
    const int row = Tarn_GetItemHeight(h, 0), shown = Client(list).bottom / row;
    EXPECT_TRUE(Tarn_GetItemsShown(h) == shown && Tarn_SetTopIndex(h, 3) == 0);
    RECT rc = {}, field = {};
    EXPECT_TRUE(Tarn_GetItemRect(h, 4, &rc) == 0 && rc == (RECT{0, row, Client(list).right, 2 * row}));
    Tarn_GetItemRect(h, -1, &field);
    auto hit = [&](LONG x, LONG y) {   // the row, and whether the point is in the field
        POINT pt = {x, y};
        int in = -5, index = Tarn_CalcIndexFromPoint(h, &pt, &in);
        return index * 10 + in;
    };
    const RECT l = ChildRect(list);
    EXPECT_EQ(Ints({hit(l.left + 5, l.top + row + row / 2), hit(field.left + 3, field.top + 3)}), Ints({40, -9}));
    EXPECT_EQ((Tarn_SetCurSel(h, 7), hit(field.left + 3, field.top + 3)), 71);
    Tarn_ResetContent(h);
    EXPECT_EQ((AddItems(h, 2), hit(l.left + 5, l.top + 2 * row + 1)), -10) << "below the last row";
}

} // namespace
