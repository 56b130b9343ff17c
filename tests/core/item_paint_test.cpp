// Rows, cells and bitmaps painted from a record built in memory into a DIB:
// every colour is distinct and the font unsmoothed, so each pixel tells which
// rule painted it; positions come from the measured font and the column
// geometry. (The drop button's colours: the window-level painting test.)
#include <vector>

#include "columns/cell_format.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/item_paint.h"
#include "layout/row_geometry.h"
#include "paint_record.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255), kInk = RGB(0, 90, 255), kLabelInk = RGB(255, 128, 0);
constexpr COLORREF kUntouched = RGB(1, 2, 3);   // the DIB's own fill
constexpr int kListWidth = 300;

// A 32-bit bitmap whose pixel (x, y) is pixel(x, y); by default the
// transparent key in the top left corner and ink everywhere else.
HBITMAP MakeBitmap(int w, int h, COLORREF ink, std::function<COLORREF(int, int)> pixel = nullptr)
{
    std::vector<COLORREF> bits;   // as 0x00RRGGBB
    for (int i = 0; i < w * h; ++i) {
        const COLORREF c = pixel ? pixel(i % w, i / w) : i == 0 ? kKey : ink;
        bits.push_back(RGB(GetBValue(c), GetGValue(c), GetRValue(c)));
    }
    return CreateBitmap(w, h, 1, 32, bits.data());
}

// Records what the draw-info callback is shown; may enable the row or give
// its cells another background.
struct SeenDrawInfo {
    std::vector<DrawInfo> calls;
    bool enable = false;
    COLORREF cellBack = TARN_COLOR_NONE;
};
void CALLBACK RecordDrawInfo(HWND, DrawInfo* info, LPARAM user)
{
    auto* seen = reinterpret_cast<SeenDrawInfo*>(user);
    seen->calls.push_back(*info);
    info->enabled = info->enabled || seen->enable;
    info->cellBackColor = seen->cellBack != TARN_COLOR_NONE ? seen->cellBack : info->cellBackColor;
}

// Virtual rows of levels 0, 1, 2, 1, 0 whose lent record loses its texts when
// it is given back, as the application may reuse it.
char* g_texts[2] = {const_cast<char*>("Ab"), const_cast<char*>("Cd")};
char* g_released[2] = {};
TarnItem g_virtual[5];
void CALLBACK FetchVirtual(HWND, LPARAM, int index, TarnItem** item)
{
    const DWORD levels[] = {0, 1, 2, 1, 0};
    g_virtual[index].texts = g_texts, g_virtual[index].flags = TARNIF_ENABLED | levels[index] << TARNIF_LEVELSHIFT;
    *item = &g_virtual[index];
}
void CALLBACK ReleaseVirtual(HWND, LPARAM, int, TarnItem* item) { item->texts = g_released; }

class ItemPaintTest : public PaintRecordTest {
protected:
    void SetUp() override
    {
        Init(2);
        rowH_ = rec_.tmFont.tmHeight + 6;
        rec_.itemLines = 1, rec_.fixedItemHeight = TRUE;
        rec_.colors[TARNCLR_ALTBACKCOLOR] = rec_.colors[TARNCLR_ALTTEXTCOLOR] = TARN_COLOR_NONE;
    }
    // A window standing in for the control: painting asks whether it is
    // enabled, and the exported setter finds the record through window long 0.
    HWND Host()
    {
        WNDCLASSA wc = {0, DefWindowProcA, 0, sizeof(LONG_PTR), GetModuleHandleA(nullptr), nullptr, nullptr, nullptr,
                        nullptr, "TarnPaintTestHost"};
        RegisterClassA(&wc);
        rec_.hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(rec_.hwnd, 0, reinterpret_cast<LONG_PTR>(&rec_));
        return rec_.hwnd;
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
            PaintRow(&rec_, false, kListWidth, dib_.dc(), w1(), w2(), GetItem(&rec_, row), row, RowRect(row), &enabled_);
        });
        ReleaseItem(&rec_);
    }

    Dib dib_{kListWidth + 20, 240};
    int rowH_ = 0;
    BOOL enabled_ = -1;
};

// Colours come from the most specific level that sets one: the cell, its
// column, then the row's pair. Odd rows take the alternates that are set.
// Selection styles 0, 1 and 2 colour the whole row, the cells, or the first
// column's text; with the 3D look the frame (raised) shows the selection and
// the zone keeps its colour. A disabled row greys its cells and embosses its
// item bitmap; a disabled control greys every row, drops the alternates and
// embosses the labels too, whatever the draw-info callback answers. Grid
// lines follow the grid style; the 3D frame replaces the horizontal one.
TEST_F(ItemPaintTest, RowsTakeTheColoursLinesAndBitmapsOfTheirState)
{
    BitmapGuard label(MakeBitmap(10, 8, kLabelInk)), bitmap(MakeBitmap(12, 10, kInk));
    rec_.showLabels = rec_.showBitmaps = TRUE;
    EXPECT_TRUE(DescribeBitmap(label.get(), &rec_.bmLabel) && DescribeBitmap(bitmap.get(), &rec_.bmItemBitmap));
    for (int row = 0; row < 2; ++row) {
        TarnItem templ = {};
        templ.flags = TARNIF_ENABLED, templ.hbmLabel = label.get(), templ.hbmBitmap = bitmap.get();
        ASSERT_EQ(InsertItem(&rec_, &templ, -1, "Ab", 0), row);
        rec_.items[row]->texts[1] = DuplicateText("Cd");
    }
    rec_.overheadWidth = LevelOverhead(&rec_, 0);
    const COLORREF B = C(TARNCLR_BACKCOLOR), T = C(TARNCLR_TEXTCOLOR), G = C(TARNCLR_DISABLEDTEXTCOLOR);
    const COLORREF SB = C(TARNCLR_SELBACKCOLOR), ST = C(TARNCLR_SELTEXTCOLOR), AB = RGB(210, 240, 210), AT = RGB(0, 0, 170);
    const COLORREF CB = RGB(5, 120, 200), CS = RGB(90, 0, 90), XB = RGB(200, 90, 5);
    const COLORREF light = C(TARNCLR_CELLHIGHLIGHTCOLOR), shadow = C(TARNCLR_CELLSHADOWCOLOR);
    rec_.colors[TARNCLR_ALTBACKCOLOR] = AB;
    rec_.columns[1].backColor = CB, rec_.columns[1].selBackColor = CS;
    rec_.items[1]->cellInfo = CreateCellFormats(2);
    rec_.items[1]->cellInfo[1].backColor = XB;
    SeenDrawInfo seen;
    const TarnDrawInfoCallbackInfo set = {RecordDrawInfo, reinterpret_cast<LPARAM>(&seen)};
    EXPECT_EQ(Tarn_SetDrawInfoCallback(Host(), &set), 1);
    const struct {
        int row, style, grid;   // grid -1: no grid
        bool show3D, selected, itemOn, controlOn, altText, openEnded, vertical, horizontal;
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
        seen.enable = !c.controlOn;
        seen.calls.clear();
        Paint(c.row);
        const RECT c0 = Cell(c.row, 0), c1 = Cell(c.row, 1), zone = {0, c0.top, c0.left, c0.bottom};
        const int y = Mid(c.row);
        const bool on = c.itemOn && c.controlOn;
        EXPECT_TRUE(dib_.At(0, y) == c.zone && dib_.At(c0.right - 2, y) == c.back0 && dib_.At(c1.right - 2, y) == c.back1);
        EXPECT_TRUE(dib_.Count(c0, c.textBack0) > 0 && dib_.Count(c0, c.text0) > 0 && dib_.Count(c1, c.text1) > 0);
        EXPECT_EQ(dib_.At(kListWidth - 2, y), c.fill);
        EXPECT_TRUE((dib_.Count(zone, kLabelInk) > 0) == c.controlOn && (dib_.Count(zone, kInk) > 0) == on);
        EXPECT_TRUE(dib_.Count(zone, kKey) == 0 && (dib_.Count(zone, GetSysColor(COLOR_BTNSHADOW)) > 0) == !on);
        ASSERT_EQ(seen.calls.size(), 1u);
        const DrawInfo& info = seen.calls[0];
        EXPECT_TRUE(info.row == c.row && info.selected == c.selected && info.enabled == on && enabled_ == on);
        EXPECT_TRUE(info.rowBackColor == c.zone && info.cellBackColor == c.textBack0 && info.cellTextColor == c.text0);
        EXPECT_TRUE(info.hbmLabel == label.get() && info.hbmBitmap == bitmap.get() && info.hfont == font_.get());
        for (LONG x : {c0.right - 1, c1.right - 1})
            EXPECT_EQ(dib_.Count({x, c0.top + 1, x + 1, c0.bottom - 1}, C(TARNCLR_VERTGRIDCOLOR)), c.vertical ? rowH_ - 2 : 0);
        EXPECT_EQ(dib_.Count({0, c0.bottom - 1, kListWidth, c0.bottom}, C(TARNCLR_HORZGRIDCOLOR)), c.horizontal ? kListWidth : 0);
        const COLORREF first = c.selected ? light : shadow, second = c.selected ? shadow : light;
        EXPECT_TRUE(!c.show3D || (dib_.At(c0.left, y) == first && dib_.At(c0.left + 20, c0.top) == first &&
                                  dib_.At(c0.left + 20, c0.bottom - 1) == second && dib_.At(kListWidth - 1, y) == second));
    }
    // The callback's answer is what the cells are painted in.
    EnableWindow(rec_.hwnd, TRUE);
    seen.enable = false, seen.cellBack = kKey;
    rec_.show3D = rec_.showGrid = rec_.openEnded = FALSE, rec_.curSel = -1;
    Paint(0);
    EXPECT_TRUE(dib_.At(Cell(0, 0).right - 2, Mid(0)) == kKey && dib_.At(0, Mid(0)) == B);
    // Scrolled sideways: the cells move left, the row still ends on screen.
    rec_.drawInfoCallback = nullptr;
    for (int offset : {50, 120}) {
        rec_.horizontalOffset = offset;
        Paint(0);
        const RECT c1 = Cell(0, 1);
        for (LONG x : {c1.left - 1, c1.left, c1.right - 1, c1.right, LONG{kListWidth - 1}})
            EXPECT_TRUE(x < 0 || dib_.At(x, Mid(0)) == (x < c1.left || x >= c1.right ? B : CB)) << offset << " " << x;
    }
}

// A row's branch runs down to its middle and across, on to the bottom when a
// later sibling follows; ancestors with later siblings pass by. Dotted lines
// run on from row to row: the top pixel of a full line copies the one below.
// The rows are virtual: each is taken afresh after its tree lines looked at
// the other rows, or its texts would be gone.
TEST_F(ItemPaintTest, TreeLinesBranchToEachRowAndRunOnForAncestorsWithLaterSiblings)
{
    rec_.virtualFetchCallback = FetchVirtual, rec_.virtualReleaseCallback = ReleaseVirtual;
    rec_.count = 5, rec_.maxLevel = 2, rec_.showTreeLines = TRUE;
    rec_.overheadWidth = LevelOverhead(&rec_, 2);
    const COLORREF tree = C(TARNCLR_TREELINECOLOR);
    const int s = LevelOverhead(&rec_, 1) - LevelOverhead(&rec_, 0), x0 = 2, x1 = x0 + s / 2, x2 = x0 + s + s / 2;
    auto top = [&](int row) { return row * rowH_; };
    auto paintAll = [&](COLORREF text) {
        dib_.Fill(C(TARNCLR_BACKCOLOR));
        for (int row = 0; row < 5; ++row) {
            Paint(row);
            EXPECT_GT(dib_.Count(RowRect(row), text), 0) << "the texts of row " << row;
        }
    };
    paintAll(C(TARNCLR_TEXTCOLOR));
    const struct { RECT area; bool inked; } lines[] = {
        {{0, 0, kListWidth, top(1)}, false},   // row 0: top level
        {{x1, top(1) + 1, x1 + 1, Mid(1)}, true}, {{x1, Mid(1) + 1, x1 + 1, top(2)}, true},
        {{x1 + 1, Mid(1), x0 + s, Mid(1) + 1}, true},
        {{x2, top(2), x2 + 1, Mid(2)}, true}, {{x2, Mid(2) + 1, x2 + 1, top(3)}, false},   // the last of its branch
        {{x2 + 1, Mid(2), x0 + 2 * s, Mid(2) + 1}, true}, {{x1, top(2), x1 + 1, top(3)}, true},   // passing by
        {{x1, top(3), x1 + 1, Mid(3)}, true}, {{x1, Mid(3) + 1, x1 + 1, top(4)}, false},
        {{0, top(4), kListWidth, top(5)}, false}};
    for (const auto& line : lines)
        EXPECT_EQ(dib_.Count(line.area, tree) > 0, line.inked) << line.area.left << "," << line.area.top;
    EXPECT_EQ(dib_.At(x1, top(1)), dib_.At(x1, top(1) + 1));
    EXPECT_NE(dib_.At(x1, top(1) + 1), dib_.At(x1, top(1) + 2)) << "dotted";

    // With item bitmaps a row whose next row is deeper gets a line down; a
    // disabled control has its own colour for the lines.
    rec_.showBitmaps = TRUE, rec_.bmItemBitmap.bmWidth = 16, rec_.bmItemBitmap.bmHeight = 8;
    rec_.overheadWidth = LevelOverhead(&rec_, 2);
    EnableWindow(Host(), FALSE);
    paintAll(C(TARNCLR_DISABLEDTEXTCOLOR));
    const COLORREF off = C(TARNCLR_DISABLEDTREELINECOLOR);
    const int t = LevelOverhead(&rec_, 1) - LevelOverhead(&rec_, 0), down0 = x0 + t / 2, down1 = down0 + t;
    EXPECT_TRUE(dib_.Count({down0, Mid(0) + 1, down0 + 1, top(1)}, off) > 0 && dib_.Count({0, 0, kListWidth, Mid(0)}, off) == 0);
    EXPECT_TRUE(dib_.Count({down1, Mid(1) + 1, down1 + 1, top(2)}, off) > 0 && dib_.Count(RowRect(4), off) == 0);
    GetItem(&rec_, -1);
    rec_.count = 0;
}

TEST_F(ItemPaintTest, TransparentBitmapsLetTheBackgroundThroughAndEmbossWhenDisabled)
{
    // Two frames side by side; the second keys on green, so its magenta
    // pixels are opaque.
    const COLORREF green = RGB(0, 200, 0), back = C(TARNCLR_BACKCOLOR);
    auto frame1 = [&](int x, int y) { return (x + y) % 3 == 0 ? green : (x % 4 == 1 ? kKey : kInk); };
    BitmapGuard strip(MakeBitmap(24, 6, kInk, [&](int x, int y) { return x < 12 ? kKey : frame1(x - 12, y); }));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    ASSERT_NE(light, dark);
    dib_.Fill(kUntouched);
    DrawBitmapTransparent(w1(), w2(), dib_.dc(), strip.get(), 12, 12, 10, 5, 6, back, true);
    DrawBitmapTransparent(w1(), w2(), dib_.dc(), strip.get(), 12, 12, 40, 5, 6, back, false);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool opaque = frame1(x, y) != green, lit = x > 0 && y > 0 && frame1(x - 1, y - 1) != green;
            EXPECT_EQ(dib_.At(10 + x, 5 + y), opaque ? frame1(x, y) : back) << x << "," << y;
            EXPECT_EQ(dib_.At(40 + x, 5 + y), opaque ? dark : lit ? light : back) << x << "," << y;
        }
    // Nothing outside the destinations; a handle that is not a bitmap draws nothing.
    DrawBitmapTransparent(w1(), w2(), dib_.dc(), static_cast<HBITMAP>(GetStockObject(GRAY_BRUSH)), 0, 12, 70, 5, 6, back, 1);
    EXPECT_EQ(dib_.Count({0, 0, 90, 12}, kUntouched), 90 * 12 - 2 * 72);
}

// Half an average character is kept free at either side and between text and
// bitmap; a right-aligned block ends one pixel further in. Texts and bitmaps
// are centred vertically.
TEST_F(ItemPaintTest, CellContentIsPlacedByAlignmentAndBitmapStyle)
{
    BitmapGuard bmp(MakeBitmap(12, 10, kInk));
    BrushGuard back(CreateSolidBrush(C(TARNCLR_BACKCOLOR)));
    const int a = rec_.avgCharWidth, half = a / 2;
    const RECT r = {20, 10, 220, 10 + rec_.tmFont.tmHeight + 9}, room = {r.left + half, r.top, r.right - half, r.bottom};
    const COLORREF box = RGB(255, 255, 0);   // the selected background behind the text
    // The boxes of the text (its background) and of the bitmap (style -1: none).
    auto draw = [&](const char* s, UINT format, int style, int offset = 0, RECT rc = {}) {
        CellContent c = {};
        c.rect = rc.right ? rc : r;
        c.text = s, c.format = format, c.bitmap = style >= 0 ? bmp.get() : nullptr, c.bitmapStyle = std::max(style, 0);
        c.bitmapWidth = 12, c.bitmapHeight = 10, c.pressedOffset = offset, c.backBrush = back.get();
        c.backColor = C(TARNCLR_BACKCOLOR), c.textColor = C(TARNCLR_TEXTCOLOR), c.selBackColor = box;
        c.selTextColor = TARN_COLOR_NONE, c.font = font_.get(), c.enabled = TRUE;
        dib_.Fill(kUntouched);
        Restoring(dib_.dc(), [&] { DrawCellContent(&rec_, dib_.dc(), w1(), w2(), c); });
        EXPECT_EQ(dib_.Count(c.rect, kUntouched), 0) << "the background brush fills the rectangle";
        return std::make_pair(BoundsOf(dib_, {0, 0, 320, 60}, box), BoundsOf(dib_, {0, 0, 320, 60}, kInk));
    };
    // Whether in lies in the middle of out, across or up and down; rounding
    // may leave up to two pixels more after it.
    auto centred = [](const RECT& in, const RECT& out, bool across) {
        const int d = across ? out.right - in.right - (in.left - out.left) : out.bottom - in.bottom - (in.top - out.top);
        return d >= 0 && d <= 2;
    };
    const int tw = draw("Hello", 0, -1).first.right - room.left;
    for (UINT align : {0u, 1u, 2u})
        for (int style : {-1, TARNBS_LEFT, TARNBS_RIGHT}) {
            SCOPED_TRACE(testing::Message() << "alignment " << align << " bitmap style " << style);
            const auto p = draw("Hello", align, style), pressed = draw("Hello", align, style, 3);
            RECT block = p.first;
            UnionRect(&block, &p.first, style >= 0 ? &p.second : &p.first);
            EXPECT_TRUE(p.first.right - p.first.left == tw && centred(p.first, r, false)) << p.first.top;
            EXPECT_TRUE(pressed.first.left == p.first.left + 3 && pressed.second.left == p.second.left + 3 * (style >= 0));
            EXPECT_TRUE(align == 0 ? block.left == room.left
                        : align == 2 ? block.right == room.right - 1 : centred(block, room, true)) << block.left;
            if (style >= 0) {
                EXPECT_EQ(style == TARNBS_LEFT ? p.first.left - p.second.right : p.second.left - p.first.right, half);
                EXPECT_TRUE(centred(p.second, r, false));
            }
        }
    // A bitmap alone hides the text; without a text each style has its place.
    const auto alone = draw("Hello", 2, TARNBS_ALONE);
    EXPECT_TRUE(alone.first.left == -1 && centred(alone.second, r, true));
    EXPECT_TRUE(draw("", 2, TARNBS_LEFT).second.left == room.left && draw("", 0, TARNBS_RIGHT).second.right == room.right - 1);
    // Too long for a narrow rectangle: cut to the room, with or without the mark.
    for (BOOL mark : {FALSE, TRUE}) {
        rec_.showTruncated = mark;
        const RECT narrow = {20, 10, 20 + tw / 2, r.bottom}, cut = draw("Hello", 2, -1, 0, narrow).first;
        EXPECT_TRUE(cut.left >= narrow.left + half && cut.right == narrow.right - a + half) << cut.left;
    }
    // A wrapping column breaks its text onto the lines it is allowed.
    rec_.itemLines = 2;
    const RECT tall = {20, 0, 20 + tw + a, 3 * rec_.tmFont.tmHeight};
    const RECT wrapped = draw("Hello Hello Hello", TARNCF_WORDWRAP, -1, 0, tall).first;
    EXPECT_TRUE(wrapped.left == tall.left + half && wrapped.bottom - wrapped.top == 2 * rec_.tmFont.tmHeight);
}

} // namespace
