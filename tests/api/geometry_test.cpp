// Row geometry on real controls: row and field heights with the options that
// change them, the overhead before the first column, cell rectangles with
// hidden, reordered and open-ended columns, row rectangles, hit tests, the
// rows that fit, and the control's own layout for every type.
#include <windows.h>

#include <cstring>
#include <vector>

#include "support/column_def.h"
#include "support/control_fixture.h"

namespace {

TEXTMETRICA Metrics(HWND hwnd, HFONT font)
{
    TEXTMETRICA tm = {};
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return tm;
}

bool Empty(RECT rc) { return IsRectEmpty(&rc) != 0; }

HFONT ControlFont(HWND h) { return reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)); }

// A monochrome bitmap of the given size (what the height rules read is only
// its description).
HBITMAP Bitmap(int w, int h) { return CreateBitmap(w, h, 1, 1, nullptr); }

RECT ClientOf(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    return rc;
}

// Where child lies in its parent's client coordinates.
RECT ChildRect(HWND child)
{
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class GeometryTest : public ControlTest {
protected:
    void Fill(HWND h, int n, const char* text = "Row")
    {
        for (int i = 0; i < n; ++i)
            Tarn_AddString_A(h, text);
        Pump();
    }
};

TEST_F(GeometryTest, FixedRowHeightsFollowLinesBitmapsFrameAndGrid)
{
    HWND h = Create(TARNS_LISTBOX, 1, 200, 300);
    Fill(h, 3);
    const int line = Metrics(h, ControlFont(h)).tmHeight;
    ASSERT_GT(line, 0);
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), line);

    EXPECT_FALSE(Tarn_SetItemLines(h, 0));
    EXPECT_EQ(Tarn_GetItemLines(h), 1);
    EXPECT_TRUE(Tarn_SetItemLines(h, 3));
    EXPECT_EQ(Tarn_GetItemLines(h), 3);
    EXPECT_EQ(Tarn_GetItemHeight(h, 2), 3 * line);

    // The 3D frame adds two pixels and takes the place of horizontal grid
    // lines; without it a horizontal grid line adds one.
    Tarn_SetShow3D(h, 1);
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), 3 * line + 2);
    Tarn_SetShowGrid(h, 1);
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), 3 * line + 2);
    Tarn_SetShow3D(h, 0);
    for (int style : {0, 1, 2})
    {
        Tarn_SetGridStyle(h, style);
        EXPECT_EQ(Tarn_GetItemHeight(h, 0), 3 * line + (style == 0 ? 0 : 1)) << "grid style " << style;
    }
    Tarn_SetShowGrid(h, 0);

    // The shared item-bitmap size counts once the zone is switched on.
    HBITMAP tall = Bitmap(12, 5 * line);
    ASSERT_TRUE(Tarn_SetItemBitmap(h, -1, tall));
    EXPECT_EQ(Tarn_GetItemHeight(h, 1), 5 * line);
    ASSERT_TRUE(Tarn_SetItemBitmap(h, -1, nullptr));
    EXPECT_EQ(Tarn_GetItemHeight(h, 1), 3 * line);

    EXPECT_EQ(Tarn_GetItemHeight(h, 3), -1);
    EXPECT_EQ(Tarn_GetItemHeight(h, -2), -1);
    DeleteObject(tall);
}

TEST_F(GeometryTest, FieldHeightByTypeAndSettingTheSameLinesRepaintsNothing)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        Fill(h, 2);
        const int line = Metrics(h, ControlFont(h)).tmHeight;
        if (Tarn_GetHWNDEdit(h))
            EXPECT_EQ(Tarn_GetItemHeight(h, -1), line + 4);   // the edit font's height
        else
            EXPECT_EQ(Tarn_GetItemHeight(h, -1), Tarn_GetItemHeight(h, 0) + 4);

        Pump();
        Validate(h);
        if (HWND list = Tarn_GetHWNDDropDown(h))
            Validate(list);
        EXPECT_TRUE(Tarn_SetItemLines(h, 1));
        EXPECT_TRUE(Empty(UpdateRect(h)));
        if (HWND list = Tarn_GetHWNDDropDown(h)) {
            EXPECT_TRUE(Empty(UpdateRect(list)));
            // A real change repaints every row with its row header.
            EXPECT_TRUE(Tarn_SetItemLines(h, 2));
            RECT rc = UpdateRect(list);
            EXPECT_EQ(rc.left, 0);
            EXPECT_EQ(rc.right, ClientOf(list).right);
        }
        DestroyWindow(h);
    }
}

TEST_F(GeometryTest, VariableHeightsMeasureOnlyWrappingColumns)
{
    HWND h = Create(TARNS_LISTBOX | TARNS_VARIABLEHEIGHT, 1, 300, 300);
    std::vector<ColumnDef> cols = {Column(120, 0, TARNCF_WORDWRAP), Column(120, 1)};
    ASSERT_TRUE(Tarn_SetColumns(h, 2, cols.data()));
    const int line = Metrics(h, ControlFont(h)).tmHeight;
    const char* fiveLines = "one\ntwo\nthree\nfour\nfive";
    Tarn_AddString_A(h, "short");
    Tarn_AddString_A(h, "");
    Tarn_AddString_A(h, "");
    Tarn_SetText_A(h, 1, 0, fiveLines);   // wrapping column
    Tarn_SetText_A(h, 2, 1, fiveLines);   // non-wrapping column
    Tarn_SetItemLines(h, 3);

    EXPECT_EQ(Tarn_GetItemHeight(h, 0), line);       // one line whatever itemLines says
    EXPECT_EQ(Tarn_GetItemHeight(h, 1), 3 * line);   // limited by itemLines
    EXPECT_EQ(Tarn_GetItemHeight(h, 2), line);       // never more than one line
    Tarn_SetItemLines(h, 9);
    EXPECT_EQ(Tarn_GetItemHeight(h, 1), 5 * line);

    // A cell font of its own counts in a non-wrapping column.
    LOGFONTA lf = {};
    lf.lfHeight = -3 * line;
    strcpy(lf.lfFaceName, "DejaVu Sans");
    HFONT big = CreateFontIndirectA(&lf);
    const int bigHeight = Metrics(h, big).tmHeight;
    ASSERT_GT(bigHeight, line);
    CellInfo ci = {};
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = 0;
    ci.column = 1;
    ci.backColor = ci.textColor = ci.selBackColor = ci.selTextColor = TARN_COLOR_NONE;
    ci.hfont = big;
    ASSERT_TRUE(Tarn_SetCellInfo(h, &ci));
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), bigHeight);

    // A row's own item bitmap counts while the bitmap zone is on; the shared
    // size set for row -1 does not.
    HBITMAP zone = Bitmap(16, 2), own = Bitmap(16, 4 * line);
    Tarn_SetItemBitmap(h, -1, zone);
    Tarn_SetItemBitmap(h, 2, own);
    EXPECT_EQ(Tarn_GetItemHeight(h, 2), 4 * line);
    Tarn_SetItemBitmap(h, -1, nullptr);
    EXPECT_EQ(Tarn_GetItemHeight(h, 2), line);
    DestroyWindow(h);
    DeleteObject(big);
    DeleteObject(zone);
    DeleteObject(own);
}

TEST_F(GeometryTest, OverheadGrowsWithLevelsLabelsAndBitmaps)
{
    HWND h = Create(TARNS_LISTBOX);
    Fill(h, 3);
    const TEXTMETRICA tm = Metrics(h, ControlFont(h));
    EXPECT_EQ(Tarn_GetOverheadWidth(h), 0);
    ClearLog();
    Tarn_SetItemLevel(h, 1, 1);
    Tarn_SetItemLevel(h, 2, 2);
    EXPECT_EQ(Tarn_GetOverheadWidth(h), 2 * tm.tmMaxCharWidth);
    EXPECT_EQ(Codes(), (std::vector<int>{TARNN_OVERHEADCHANGE, TARNN_OVERHEADCHANGE}));

    // Bitmaps: each level indents by half the bitmap width; the zone itself
    // and a 2-pixel gap follow. Labels add their width.
    HBITMAP bmp = Bitmap(20, 10), label = Bitmap(7, 10);
    Tarn_SetItemBitmap(h, -1, bmp);
    EXPECT_EQ(Tarn_GetOverheadWidth(h), 2 * 10 + 20 + 2);
    Tarn_SetItemLabel(h, -1, label);
    EXPECT_EQ(Tarn_GetOverheadWidth(h), 2 * 10 + 20 + 7 + 2);
    Tarn_SetShowTreeLines(h, 1);   // a full bitmap width per level
    EXPECT_EQ(Tarn_GetOverheadWidth(h), 2 * 20 + 20 + 7 + 2);

    ClearLog();
    Tarn_SetShowTreeLines(h, 1);
    Tarn_SetItemLevel(h, 2, 2);
    EXPECT_TRUE(Codes().empty()) << "an unchanged overhead is not reported";
    DestroyWindow(h);
    DeleteObject(bmp);
    DeleteObject(label);
}

TEST_F(GeometryTest, CellRectanglesWithReorderedHiddenAndOpenEndedColumns)
{
    HWND h = Create(TARNS_LISTBOX, 1, 400, 200);
    // Display order: column 2, column 0, column 1 (hidden), column 3.
    std::vector<ColumnDef> cols = {Column(50, 1), Column(0, 2), Column(70, 0), Column(40, 3)};
    ASSERT_TRUE(Tarn_SetColumns(h, 4, cols.data()));
    Fill(h, 2);
    Tarn_SetItemLevel(h, 1, 1);
    const int overhead = Tarn_GetOverheadWidth(h);
    ASSERT_GT(overhead, 0);
    const int listRight = ClientOf(Tarn_GetHWNDDropDown(h)).right;

    struct Expect { int row, col, left, right; };
    const int indent = overhead;   // row 1 is at the deepest level
    const Expect cases[] = {
        {0, 2, 0, 70 + overhead},                       // first visible column: row 0 has no indentation
        {1, 2, indent, 70 + overhead},                  // ... and ends at the same place for every level
        {0, 0, 70 + overhead, 120 + overhead},
        {0, 1, 120 + overhead, 120 + overhead},         // hidden: no width
        {0, 3, 120 + overhead, listRight},              // open-ended last column
    };
    for (const Expect& e : cases) {
        SCOPED_TRACE(testing::Message() << "row " << e.row << " column " << e.col);
        const RECT* rc = Tarn_GetCellRect(h, e.row, e.col);
        ASSERT_NE(rc, nullptr);
        EXPECT_EQ(rc->left, e.left);
        EXPECT_EQ(rc->right, e.right);
        RECT row;
        ASSERT_EQ(Tarn_GetItemRect(h, e.row, &row), 0);
        EXPECT_EQ(rc->top, row.top);
        EXPECT_EQ(rc->bottom, row.bottom);
    }

    Tarn_SetOpenEnded(h, 0);
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 3)->right, 120 + overhead + 40);
    Tarn_SetOpenEnded(h, 1);
    ASSERT_TRUE(Tarn_SetHorizontalExtent(h, listRight + 300));
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 3)->right, listRight + 300) << "runs to the end of the extent";
    Tarn_SetHorizontalOffset(h, 25);
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 0)->left, 70 + overhead - 25);

    // Row -1 is the current row; without one the call fails, as for bad indexes.
    EXPECT_EQ(Tarn_GetCellRect(h, -1, 0), nullptr);
    Tarn_SetCurSel(h, 1);
    ASSERT_NE(Tarn_GetCellRect(h, -1, -1), nullptr);   // column -1: the caret column (0)
    EXPECT_EQ(Tarn_GetCellRect(h, 2, 0), nullptr);
    EXPECT_EQ(Tarn_GetCellRect(h, 0, 4), nullptr);
    DestroyWindow(h);
}

TEST_F(GeometryTest, RowRectanglesHitTestsAndRowsShown)
{
    HWND h = Create(TARNS_LISTBOX, 1, 200, 200);
    Fill(h, 20);
    HWND list = Tarn_GetHWNDDropDown(h);
    const int rowHeight = Tarn_GetItemHeight(h, 0);
    const RECT client = ClientOf(list);
    const int shown = client.bottom / rowHeight;
    ASSERT_GE(shown, 2);
    EXPECT_EQ(Tarn_GetItemsShown(h), shown);

    ASSERT_EQ(Tarn_SetTopIndex(h, 3), 0);
    RECT rc;
    memset(&rc, 0x55, sizeof rc);
    EXPECT_EQ(Tarn_GetItemRect(h, 2, &rc), -1) << "above the top";
    EXPECT_TRUE(IsRectEmpty(&rc));
    EXPECT_EQ(Tarn_GetItemRect(h, 3 + shown, &rc), -1) << "below the visible area";
    EXPECT_TRUE(IsRectEmpty(&rc));
    ASSERT_EQ(Tarn_GetItemRect(h, 4, &rc), 0);
    EXPECT_EQ(rc.top, rowHeight);
    EXPECT_EQ(rc.bottom, 2 * rowHeight);
    EXPECT_EQ(rc.right, client.right);

    // Points are in the control's coordinates; the list lies under the field.
    const RECT listInControl = ChildRect(list);
    int inField = -5;
    POINT pt = {listInControl.left + 5, listInControl.top + rowHeight + rowHeight / 2};
    EXPECT_EQ(Tarn_CalcIndexFromPoint(h, &pt, &inField), 4);
    EXPECT_EQ(inField, 0);
    RECT field;
    ASSERT_EQ(Tarn_GetItemRect(h, -1, &field), 0);
    pt = {field.left + 3, (field.top + field.bottom) / 2};
    EXPECT_EQ(Tarn_CalcIndexFromPoint(h, &pt, &inField), -1);   // no current row
    EXPECT_EQ(inField, 1);
    Tarn_SetCurSel(h, 7);
    EXPECT_EQ(Tarn_CalcIndexFromPoint(h, &pt, &inField), 7);
    EXPECT_EQ(Tarn_CalcIndexFromPoint(h, nullptr, &inField), -1);

    // Below the last row of a short list.
    Tarn_ResetContent(h);
    Fill(h, 2);
    pt = {listInControl.left + 5, listInControl.top + 2 * rowHeight + 1};
    EXPECT_EQ(Tarn_CalcIndexFromPoint(h, &pt, &inField), -1);
    EXPECT_EQ(inField, 0);

    // The rows that fit never come out as 0.
    Tarn_ResetContent(h);
    EXPECT_GE(Tarn_GetItemsShown(h), 1);
    DestroyWindow(h);

    // A closed drop-down counts rows from the dropped height.
    HWND d = Create(TARNS_DROPDOWNLIST);
    Fill(d, 20);
    EXPECT_EQ(Tarn_GetItemsShown(d), 6);
    ASSERT_EQ(Tarn_SetDroppedHeight(d, -100), 0);
    EXPECT_EQ(Tarn_GetItemsShown(d), 100 / Tarn_GetItemHeight(d, -1));
    ASSERT_EQ(Tarn_SetDroppedHeight(d, -1), 0);
    EXPECT_EQ(Tarn_GetItemsShown(d), 1);
}

TEST_F(GeometryTest, ListBoxTypeShowsWholeRowsAtEveryHeight)
{
    HWND h = Create(TARNS_LISTBOX, 1, 180, 100);
    Fill(h, 30);
    HWND list = Tarn_GetHWNDDropDown(h);
    HWND edit = Tarn_GetHWNDEdit(h);
    const int rowHeight = Tarn_GetItemHeight(h, 0);
    RECT window;
    GetWindowRect(h, &window);
    const int frame = (window.bottom - window.top) - ClientOf(h).bottom;
    for (int height = 20; height <= 260; height += 7) {
        SCOPED_TRACE(testing::Message() << "window height " << height);
        SetWindowPos(h, nullptr, 0, 0, 180, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT field;
        ASSERT_EQ(Tarn_GetItemRect(h, -1, &field), 0);
        const RECT client = ClientOf(h);
        const RECT listRect = ChildRect(list);
        EXPECT_EQ(listRect.top, field.bottom + 4);
        EXPECT_EQ(listRect.bottom, client.bottom);
        EXPECT_EQ(listRect.right - listRect.left, client.right);
        const int listHeight = ClientOf(list).bottom;
        EXPECT_EQ(listHeight % rowHeight, 0) << "list height " << listHeight;
        const int wanted = height - frame - (field.bottom + 4);
        EXPECT_EQ(listHeight, wanted >= rowHeight ? wanted / rowHeight * rowHeight : 0);

        // The single-line edit field is centred in the field, 2 pixels in.
        const RECT e = ChildRect(edit);
        EXPECT_EQ(e.left, field.left + 2);
        EXPECT_EQ(e.right, field.right - 2);
        const int editHeight = e.bottom - e.top;
        EXPECT_EQ(e.top, field.top + 2 + ((field.bottom - field.top - 4) - editHeight) / 2);
    }
}

TEST_F(GeometryTest, APressInThePermanentListGivesTheFocusToTheEditField)
{
    HWND h = Create(TARNS_LISTBOX);
    Fill(h, 3);
    SetFocus(parent());
    SendMessageA(Tarn_GetHWNDDropDown(h), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(Tarn_GetHWNDDropDown(h), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), Tarn_GetHWNDEdit(h));
}

TEST_F(GeometryTest, DropDownTypesFitTheirHeightKeepingTheAnchor)
{
    struct Anchor { DWORD style; const char* name; };
    const Anchor anchors[] = {{0, "top"}, {TARNS_KEEPCENTER, "centre"}, {TARNS_KEEPBOTTOM, "bottom"},
                              {TARNS_KEEPCENTER | TARNS_KEEPBOTTOM, "centre wins"}};
    for (DWORD type : {TARNS_DROPDOWN, TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED}) {
        for (const Anchor& a : anchors) {
            SCOPED_TRACE(testing::Message() << "type " << type << ", " << a.name);
            HWND h = CreateWithStyle(WS_CHILD | WS_VISIBLE | WS_BORDER | type | a.style, 1, 160, 120);
            const RECT r = ChildRect(h);
            const int wanted = Tarn_GetItemHeight(h, -1);
            EXPECT_EQ(ClientOf(h).bottom, wanted);
            EXPECT_EQ(r.right - r.left, 160) << "the width never changes";
            const int height = r.bottom - r.top;
            const int expectedTop = (a.style & TARNS_KEEPCENTER) ? 10 + (120 - height) / 2
                                   : (a.style & TARNS_KEEPBOTTOM) ? 10 + 120 - height : 10;
            EXPECT_EQ(r.top, expectedTop);
            DestroyWindow(h);
        }
    }
}

} // namespace
