// Rows, cells and bitmaps painted from a record built in memory into a DIB:
// every colour is distinct and the font unsmoothed, so each pixel tells which
// rule painted it; positions come from the measured font and the column
// geometry. (The drop button's colours: the window-level painting test.)
#include <vector>

#include "core/cell_format.h"
#include "core/hierarchy.h"
#include "core/item_texts.h"
#include "layout/column_geometry.h"
#include "layout/item_paint.h"
#include "layout/row_geometry.h"
#include "paint_record.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255), kInk = RGB(0, 90, 255), kLabelInk = RGB(255, 128, 0);
constexpr COLORREF kUntouched = RGB(1, 2, 3);   // the DIB's own fill
constexpr int kListWidth = 300;

// A bitmap of ink with the transparent key in its top left corner, and in its
// bottom right one, where an embossed copy shows its highlight.
HBITMAP MakeBitmap(int w, int h, COLORREF ink)
{
    std::vector<COLORREF> bits(w * h, RGB(GetBValue(ink), GetGValue(ink), GetRValue(ink)));   // as 0x00RRGGBB
    bits[0] = bits[w * h - 1] = kKey;   // the same either way round
    return CreateBitmap(w, h, 1, 32, bits.data());
}

class ItemPaintTest : public PaintRecordTest {
protected:
    void SetUp() override
    {
        Init(2);
        rowH_ = rec_.tmFont.tmHeight + 6, rec_.itemLines = 1, rec_.fixedItemHeight = TRUE;
    }
    RECT RowRect(int row) const { return {0, row * rowH_, kListWidth, (row + 1) * rowH_}; }
    int Mid(int row) const { return row * rowH_ + rowH_ / 2; }
    // A cell of a top-level row.
    RECT Cell(int row, int column) const
    {
        const int left = ColumnLeft(&rec_, rec_.columns[column].position, 0) - rec_.horizontalOffset;
        return {left, row * rowH_, left + CellWidth(&rec_, kListWidth, column, 0), (row + 1) * rowH_};
    }
    void Paint(int row)
    {
        Restoring(dib_.dc(), [&] {
            (void)PaintRow(&rec_, false, kListWidth, dib_.dc(), work(), GetItem(&rec_, row), row, RowRect(row), &on_);
        });
        ReleaseItem(&rec_);
    }

    Dib dib_{kListWidth + 20, 240};
    int rowH_ = 0;
    BOOL on_ = -1;   // whether PaintRow drew the row enabled
};

// Colours come from the most specific level that sets one: the cell, its
// column, then the row's pair. Odd rows take the alternates that are set.
// Selection styles 0, 1 and 2 colour the whole row, the cells, or the first
// column's text; with the 3D look the frame (raised) shows the selection and
// the zone keeps its colour. A disabled row greys its cells and embosses its
// item bitmap; a disabled control greys every row, drops the alternates and
// embosses the labels too. Grid lines follow the grid style; the 3D frame
// replaces the horizontal one.
TEST_F(ItemPaintTest, RowsTakeTheColoursLinesAndBitmapsOfTheirState)
{
    BitmapGuard label(MakeBitmap(10, 8, kLabelInk)), bitmap(MakeBitmap(12, 10, kInk));
    rec_.showLabels = rec_.showBitmaps = TRUE;
    EXPECT_TRUE(DescribeBitmap(label.get(), &rec_.bmLabel) && DescribeBitmap(bitmap.get(), &rec_.bmItemBitmap));
    TarnItem templ = {};
    templ.flags = TARNIF_ENABLED, templ.hbmLabel = label.get(), templ.hbmBitmap = bitmap.get();
    for (int row = 0; row < 2; ++row)
        ASSERT_TRUE(InsertItem(&rec_, &templ, -1, "Ab", 0) == row && StoreCellText(&rec_, row, 1, "Cd"));
    rec_.overheadWidth = LevelOverhead(&rec_, 0);
    const COLORREF B = C(TARNCLR_BACKCOLOR), T = C(TARNCLR_TEXTCOLOR), G = C(TARNCLR_DISABLEDTEXTCOLOR);
    const COLORREF SB = C(TARNCLR_SELBACKCOLOR), ST = C(TARNCLR_SELTEXTCOLOR), AT = RGB(0, 0, 170);
    const COLORREF CB = RGB(5, 120, 200), CS = RGB(90, 0, 90), XB = RGB(200, 90, 5), AB = RGB(210, 240, 210);
    rec_.colors[TARNCLR_ALTBACKCOLOR] = AB;
    rec_.columns[1].backColor = CB, rec_.columns[1].selBackColor = CS;
    rec_.items[1]->cellInfo = CreateCellFormats(2);
    rec_.items[1]->cellInfo[1].backColor = XB;
    // A stand-in for the control, which painting asks whether it is enabled.
    rec_.hwnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    // grid -1: no grid lines
    const struct {
        int row, style, grid; bool show3D, selected, itemOn, controlOn, altText, openEnded, vertical, horizontal;
        COLORREF zone, back0, textBack0, text0, back1, text1, fill;
    } cases[] = {
        {0, 0, -1, 0, 0, 1, 1, 0, 0, 0, 0, B, B, B, T, CB, T, B},
        {0, 0, -1, 0, 1, 1, 1, 0, 0, 0, 0, SB, SB, SB, ST, CS, ST, SB},
        {0, 1, -1, 0, 1, 1, 1, 0, 0, 0, 0, B, SB, SB, ST, CS, ST, B},
        {0, 2, -1, 0, 1, 1, 1, 0, 0, 0, 0, B, B, SB, ST, CB, T, B},
        {0, 1, 0, 0, 1, 1, 1, 0, 1, 1, 0, B, SB, SB, ST, CS, ST, CS},   // the open-ended column runs on
        {0, 0, 2, 1, 1, 1, 1, 0, 0, 1, 0, B, SB, SB, ST, CS, ST, B},
        {1, 0, -1, 0, 0, 1, 1, 0, 0, 0, 0, AB, AB, AB, T, XB, T, AB},
        {1, 0, 1, 0, 0, 1, 1, 1, 0, 0, 1, AB, AB, AB, AT, XB, AT, AB},
        {1, 0, 2, 0, 0, 0, 1, 1, 0, 1, 1, AB, B, B, G, XB, G, AB},
        {1, 0, 2, 1, 0, 1, 0, 1, 0, 1, 0, B, B, B, G, XB, G, B},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        rec_.selectionStyle = c.style, rec_.curSel = c.selected ? c.row : -1, rec_.openEnded = c.openEnded;
        rec_.showGrid = c.grid >= 0, rec_.gridStyle = c.grid, rec_.show3D = c.show3D;
        rec_.colors[TARNCLR_ALTTEXTCOLOR] = c.altText ? AT : TARN_COLOR_NONE;
        rec_.items[c.row]->flags = c.itemOn ? TARNIF_ENABLED : 0;
        EnableWindow(rec_.hwnd, c.controlOn);
        Paint(c.row);
        const RECT c0 = Cell(c.row, 0), c1 = Cell(c.row, 1), zone = {0, c0.top, c0.left, c0.bottom};
        const int y = Mid(c.row);
        const bool on = c.itemOn && c.controlOn;
        EXPECT_TRUE(dib_.At(0, y) == c.zone && dib_.At(kListWidth - 2, y) == c.fill);
        EXPECT_TRUE(dib_.At(c0.right - 2, y) == c.back0 && dib_.At(c1.right - 2, y) == c.back1);
        EXPECT_TRUE(dib_.Count(c0, c.textBack0) > 0 && dib_.Count(c0, c.text0) > 0 && dib_.Count(c1, c.text1) > 0);
        EXPECT_TRUE((dib_.Count(zone, kLabelInk) > 0) == c.controlOn && (dib_.Count(zone, kInk) > 0) == on);
        EXPECT_TRUE(dib_.Count(zone, kKey) == 0 && (dib_.Count(zone, GetSysColor(COLOR_BTNSHADOW)) > 0) == !on);
        EXPECT_EQ(dib_.Count(zone, GetSysColor(COLOR_BTNHIGHLIGHT)) > 0, !on) << "embossed: a highlight down and right";
        EXPECT_EQ(on_, on);
        for (LONG x : {c0.right - 1, c1.right - 1})
            EXPECT_EQ(dib_.Count({x, c0.top + 1, x + 1, c0.bottom - 1}, C(TARNCLR_VERTGRIDCOLOR)), c.vertical ? rowH_ - 2 : 0);
        EXPECT_EQ(dib_.Count({0, c0.bottom - 1, kListWidth, c0.bottom}, C(TARNCLR_HORZGRIDCOLOR)), c.horizontal ? kListWidth : 0);
        if (c.show3D)   // after the indentation zone
            ExpectFrame(dib_, {c0.left, c0.top, kListWidth, c0.bottom}, c.selected, C(TARNCLR_CELLHIGHLIGHTCOLOR),
                        C(TARNCLR_CELLSHADOWCOLOR));
    }
    // Scrolled sideways past the first cell: the others move left, the row still ends on screen.
    rec_.show3D = rec_.showGrid = rec_.openEnded = FALSE, rec_.curSel = -1, rec_.horizontalOffset = 120;
    Paint(0);
    const RECT c1 = Cell(0, 1);
    for (LONG x : {c1.left - 1, c1.left, c1.right - 1, c1.right, LONG{kListWidth - 1}})
        EXPECT_TRUE(x < 0 || dib_.At(x, Mid(0)) == (x < c1.left || x >= c1.right ? B : CB)) << x;
}

// A row's branch runs down to its middle and across, on to the bottom when a
// later sibling follows; ancestors with later siblings pass by. Dotted lines
// run on from row to row: the top pixel of a full line copies the one below.
TEST_F(ItemPaintTest, TreeLinesBranchToEachRowAndRunOnForAncestorsWithLaterSiblings)
{
    for (int level : {0, 1, 2, 1, 0})
        ASSERT_TRUE(InsertItem(&rec_, nullptr, -1, "Ab", 0) >= 0 && StoreItemLevel(&rec_, rec_.count - 1, level).accepted);
    rec_.showTreeLines = TRUE;
    rec_.overheadWidth = LevelOverhead(&rec_, 2);
    const int s = LevelOverhead(&rec_, 1) - LevelOverhead(&rec_, 0), x0 = 2, x1 = x0 + s / 2, x2 = x0 + s + s / 2;
    auto top = [&](int row) { return row * rowH_; };
    for (int row = 0; row < 5; ++row)
        Paint(row);
    const struct { RECT area; bool inked; } lines[] = {
        {{0, 0, kListWidth, top(1)}, false},   // row 0: top level
        {{x1, top(1) + 1, x1 + 1, Mid(1)}, true}, {{x1, Mid(1) + 1, x1 + 1, top(2)}, true},
        {{x1 + 1, Mid(1), x0 + s, Mid(1) + 1}, true},
        {{x2, top(2), x2 + 1, Mid(2)}, true}, {{x2, Mid(2) + 1, x2 + 1, top(3)}, false},   // the last of its branch
        {{x2 + 1, Mid(2), x0 + 2 * s, Mid(2) + 1}, true}, {{x1, top(2), x1 + 1, top(3)}, true},   // passing by
        {{x1, top(3), x1 + 1, Mid(3)}, true}, {{x1, Mid(3) + 1, x1 + 1, top(4)}, false},
        {{0, top(4), kListWidth, top(5)}, false}};
    for (const auto& line : lines)
        EXPECT_EQ(dib_.Count(line.area, C(TARNCLR_TREELINECOLOR)) > 0, line.inked) << line.area.left << "," << line.area.top;
    EXPECT_EQ(dib_.At(x1, top(1)), dib_.At(x1, top(1) + 1));
    EXPECT_NE(dib_.At(x1, top(1) + 1), dib_.At(x1, top(1) + 2)) << "dotted";
}

// Half an average character is kept free at either side and between text and
// bitmap; a right-aligned block ends one pixel further in. Texts and bitmaps
// are centred vertically.
TEST_F(ItemPaintTest, CellContentIsPlacedByAlignmentAndBitmapStyle)
{
    BitmapGuard bmp(MakeBitmap(12, 10, kInk));
    const int a = rec_.avgCharWidth, half = a / 2;
    const RECT r = {20, 10, 220, 10 + rec_.tmFont.tmHeight + 9};
    const RECT room = {r.left + half, r.top, r.right - half, r.bottom};
    const COLORREF box = RGB(255, 255, 0);   // the selected background behind the text
    // The boxes of the text (its background) and of the bitmap (style -1: none).
    auto draw = [&](const char* s, UINT format, int style, int offset = 0, RECT rc = {}) {
        const CellContent c = {rc.right ? rc : r, s, format, style >= 0 ? bmp.get() : nullptr, 12, 10,
                               std::max(style, 0), offset, true, C(TARNCLR_BACKCOLOR), C(TARNCLR_TEXTCOLOR),
                               box, TARN_COLOR_NONE, font_.get(), TRUE};
        dib_.Fill(kUntouched);
        Restoring(dib_.dc(), [&] { DrawCellContent(&rec_, dib_.dc(), work(), c); });
        return std::make_pair(BoundsOf(dib_, {0, 0, 320, 60}, box), BoundsOf(dib_, {0, 0, 320, 60}, kInk));
    };
    // Whether in lies in the middle of out, across or up and down; rounding
    // may leave up to two pixels more after it.
    auto centred = [](const RECT& i, const RECT& o, bool across) {
        const int d = across ? o.right - i.right - (i.left - o.left) : o.bottom - i.bottom - (i.top - o.top);
        return d >= 0 && d <= 2;
    };
    const int tw = draw("Hello", 0, -1).first.right - room.left;
    for (UINT align : {0u, 1u, 2u})
        for (int style : {-1, TARNBS_LEFT, TARNBS_RIGHT}) {
            SCOPED_TRACE(testing::Message() << "alignment " << align << " bitmap style " << style);
            const auto p = draw("Hello", align, style), q = draw("Hello", align, style, 3);   // q pressed
            RECT block;
            UnionRect(&block, &p.first, style >= 0 ? &p.second : &p.first);
            EXPECT_TRUE(p.first.right - p.first.left == tw && centred(p.first, r, false)) << p.first.top;
            EXPECT_TRUE(q.first.left == p.first.left + 3 && q.second.left == p.second.left + 3 * (style >= 0));
            EXPECT_TRUE(align == 0 ? block.left == room.left
                        : align == 2 ? block.right == room.right - 1 : centred(block, room, true)) << block.left;
            const int gap = style == TARNBS_LEFT ? p.first.left - p.second.right : p.second.left - p.first.right;
            EXPECT_TRUE(style < 0 || (centred(p.second, r, false) && gap == half)) << gap;
        }
    // A bitmap alone hides the text and stands in the middle.
    const auto alone = draw("Hello", 2, TARNBS_ALONE);
    EXPECT_TRUE(alone.first.left == -1 && centred(alone.second, r, true));
    // Too long for a narrow rectangle: cut to the room, with or without the mark.
    for (BOOL mark : {FALSE, TRUE}) {
        rec_.showTruncated = mark;
        const RECT narrow = {20, 10, 20 + tw / 2, r.bottom}, cut = draw("Hello", 2, -1, 0, narrow).first;
        EXPECT_TRUE(cut.left >= narrow.left + half && cut.right == narrow.right - a + half) << cut.left;
    }
}

// An ampersand is a character like any other: a wrapping cell draws "A&B" as
// wide as its extent and pixel for pixel as a single-line cell does.
TEST_F(ItemPaintTest, AnAmpersandIsDrawnAsItselfInEveryCell)
{
    const COLORREF box = RGB(255, 255, 0);   // the selected background behind the text
    SIZE extent = {};
    SelectGuard font(measure_.get(), font_.get());
    ASSERT_TRUE(GetTextExtentPoint32A(measure_.get(), "A&B", 3, &extent));
    Dib single(kListWidth + 20, 240);
    for (UINT format : {0u, UINT(TARNCF_WORDWRAP)}) {
        const CellContent c = {{20, 10, 220, 40}, "A&B", format, nullptr, 0, 0, 0, 0, true, C(TARNCLR_BACKCOLOR),
                               C(TARNCLR_TEXTCOLOR), box, TARN_COLOR_NONE, font_.get(), TRUE};
        Dib& target = format ? dib_ : single;
        Restoring(target.dc(), [&] { DrawCellContent(&rec_, target.dc(), work(), c); });
    }
    const RECT text = BoundsOf(dib_, {0, 0, 320, 60}, box);
    EXPECT_EQ(text.right - text.left, extent.cx);
    EXPECT_EQ(dib_.Differences(single), 0);
}

} // namespace
