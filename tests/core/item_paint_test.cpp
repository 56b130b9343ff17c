// Rows, cells and the small parts of the control painted from a record built
// in memory into a DIB: every colour is distinct and the font unsmoothed, so
// each pixel tells which rule painted it; positions come from the measured
// font and the column geometry.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "core/cell_format.h"
#include "layout/control_geometry.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/item_paint.h"
#include "layout/row_geometry.h"
#include "plain_record.h"
#include "support/dib.h"
#include "layout/gdi_guards.h"

namespace {

constexpr COLORREF kBack = RGB(250, 248, 240), kText = RGB(0, 0, 0), kGrey = RGB(120, 120, 0);
constexpr COLORREF kAltBack = RGB(210, 240, 210), kAltText = RGB(0, 0, 170);
constexpr COLORREF kSelBack = RGB(20, 40, 110), kSelText = RGB(250, 250, 0);
constexpr COLORREF kShadow = RGB(70, 70, 70), kLight = RGB(235, 235, 200);
constexpr COLORREF kVGrid = RGB(230, 0, 0), kHGrid = RGB(0, 170, 0);
constexpr COLORREF kTree = RGB(0, 0, 250), kTreeOff = RGB(0, 120, 120);
constexpr COLORREF kFace = RGB(190, 190, 190), kArrow = RGB(10, 10, 10), kArrowOff = RGB(150, 150, 150);
constexpr COLORREF kFrameFace = RGB(220, 220, 220), kFrameShadow = RGB(128, 128, 128), kFrameDark = RGB(40, 40, 40);
constexpr COLORREF kKey = RGB(255, 0, 255), kInk = RGB(0, 90, 255), kLabelInk = RGB(255, 128, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255), kUntouched = RGB(1, 2, 3);   // the DIB's own fill
constexpr int kListWidth = 300;

// A 32-bit DIB section bitmap whose pixel (x, y) is pixel(x, y); without a
// pattern, the transparent key in the corner and ink everywhere else.
HBITMAP MakeBitmap(int w, int h, COLORREF ink, std::function<COLORREF(int, int)> pixel = nullptr)
{
    if (!pixel)
        pixel = [ink](int x, int y) { return x == 0 && y == 0 ? kKey : ink; };
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (int i = 0; bmp && i < w * h; ++i) {
        const COLORREF c = pixel(i % w, i / w);
        static_cast<DWORD*>(bits)[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    return bmp;
}

// Bounding box of the pixels in area of colour c or c2; left = -1 when none is.
RECT BoundsOf(const Dib& d, RECT area, COLORREF c, COLORREF c2 = CLR_INVALID)
{
    RECT box = {-1, -1, -1, -1};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (d.At(x, y) == c || d.At(x, y) == c2)
                box = box.left < 0 ? RECT{x, y, x + 1, y + 1}
                                   : RECT{std::min<LONG>(box.left, x), box.top, std::max<LONG>(box.right, x + 1), y + 1};
    return box;
}

// Pixels from..to along x = at (y = at when horizontal) alternate between
// ink and the background.
::testing::AssertionResult Dotted(const Dib& d, int at, int from, int to, COLORREF ink = kTree, bool horizontal = false)
{
    auto pixel = [&](int i) { return horizontal ? d.At(i, at) : d.At(at, i); };
    bool inked = false;
    for (int i = from; i < to; ++i) {
        if ((pixel(i) != ink && pixel(i) != kBack) || (i + 1 < to && pixel(i) == pixel(i + 1)))
            return ::testing::AssertionFailure() << "not dotted at " << i;
        inked = inked || pixel(i) == ink;
    }
    return inked ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "no dots";
}

// Records what the draw-info callback is shown; answers with a cell colour
// and font, or with nonsense (no font or colour, handles that are no bitmaps).
struct SeenDrawInfo {
    std::vector<DrawInfo> calls;
    bool odd = false;
    COLORREF cellBack = kBack;
    HFONT font = nullptr;
};
void CALLBACK RecordDrawInfo(HWND, DrawInfo* info, LPARAM user)
{
    auto* seen = reinterpret_cast<SeenDrawInfo*>(user);
    seen->calls.push_back(*info);
    if (seen->odd) {
        info->hfont = nullptr;
        info->hbmLabel = static_cast<HBITMAP>(GetStockObject(BLACK_BRUSH));
        info->hbmBitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(0x12345));
        info->rowBackColor = TARN_COLOR_NONE;
        info->enabled = 7;
    } else {
        info->cellBackColor = seen->cellBack;
        info->hfont = seen->font;
        info->enabled = TRUE;
    }
}

class ItemPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitPlainRecord(&rec_, 2);
        LOGFONTA lf;
        ASSERT_TRUE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf));
        lf.lfQuality = NONANTIALIASED_QUALITY;
        font_.reset(CreateFontIndirectA(&lf));
        lf.lfHeight = lf.lfHeight ? lf.lfHeight * 2 : -22;
        bigFont_.reset(CreateFontIndirectA(&lf));
        SelectGuard select(work1_.get(), font_.get());
        ASSERT_TRUE(font_ && bigFont_ && dib_.valid() && work2_ && GetTextMetricsA(work1_.get(), &tm_));
        rowH_ = tm_.tmHeight + 6;
        rec_.hfont = font_.get();
        rec_.tmFont = tm_;
        rec_.avgCharWidth = tm_.tmAveCharWidth;
        rec_.maxCharWidth = tm_.tmMaxCharWidth;
        rec_.itemLines = 1;
        rec_.fixedItemHeight = TRUE;
        for (int i = 0; i < TARNCLR_COUNT; ++i)
            rec_.colors[i] = RGB(3 * i + 1, 5, 7);
        const std::pair<int, COLORREF> table[] = {
            {TARNCLR_BACKCOLOR, kBack}, {TARNCLR_TEXTCOLOR, kText}, {TARNCLR_DISABLEDTEXTCOLOR, kGrey},
            {TARNCLR_ALTBACKCOLOR, TARN_COLOR_NONE}, {TARNCLR_ALTTEXTCOLOR, TARN_COLOR_NONE},
            {TARNCLR_SELBACKCOLOR, kSelBack}, {TARNCLR_SELTEXTCOLOR, kSelText}, {TARNCLR_CELLSHADOWCOLOR, kShadow},
            {TARNCLR_CELLHIGHLIGHTCOLOR, kLight}, {TARNCLR_VERTGRIDCOLOR, kVGrid}, {TARNCLR_HORZGRIDCOLOR, kHGrid},
            {TARNCLR_TREELINECOLOR, kTree}, {TARNCLR_DISABLEDTREELINECOLOR, kTreeOff},
            {TARNCLR_DROPBUTTONFACECOLOR, kFace}, {TARNCLR_DROPBUTTONARROWCOLOR, kArrow},
            {TARNCLR_DROPBUTTONDISABLEDARROWCOLOR, kArrowOff}, {TARNCLR_DROPBUTTONFRAMEFACECOLOR, kFrameFace},
            {TARNCLR_DROPBUTTONFRAMESHADOWCOLOR, kFrameShadow}, {TARNCLR_DROPBUTTONFRAMEDARKSHADOWCOLOR, kFrameDark}};
        for (const auto& entry : table)
            rec_.colors[entry.first] = entry.second;
    }
    void TearDown() override
    {
        if (rec_.hwnd)
            DestroyWindow(rec_.hwnd);
        rec_.hwnd = nullptr;
        FreePlainRecord(&rec_);
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
    // Appends a row; label and item bitmap come in through the template.
    void Add(const char* t0, const char* t1, int level = 0, bool enabled = true, HBITMAP label = nullptr,
             HBITMAP bitmap = nullptr)
    {
        TarnItem templ = {};
        templ.flags = (enabled ? TARNIF_ENABLED : 0) | (static_cast<DWORD>(level) << TARNIF_LEVELSHIFT);
        templ.hbmLabel = label;
        templ.hbmBitmap = bitmap;
        const int row = InsertItem(&rec_, &templ, -1, t0, 0);
        rec_.items[row]->texts[1] = DuplicateText(t1);
        rec_.maxLevel = std::max(rec_.maxLevel, level);
        Relayout();
    }
    void Relayout() { rec_.overheadWidth = LevelOverhead(&rec_, rec_.maxLevel); }
    void Describe(HBITMAP bmp, BITMAP* size)
    {
        EXPECT_TRUE(DescribeBitmap(bmp, size));
        Relayout();
    }

    RECT RowRect(int row) const { return {0, row * rowH_, kListWidth, (row + 1) * rowH_}; }
    RECT Zone(int row) const { return {0, row * rowH_, LevelOverhead(&rec_, 0), (row + 1) * rowH_}; }
    int Mid(int row) const { return row * rowH_ + rowH_ / 2; }
    RECT Cell(int row, int column)
    {
        const int level = ItemLevel(rec_.items[row]);
        const int left = ColumnLeft(&rec_, rec_.columns[column].position, level);
        return {left, row * rowH_, left + CellWidth(&rec_, kListWidth, column, level), (row + 1) * rowH_};
    }
    void Paint(int row, bool field = false)
    {
        (void)PaintRow(&rec_, field, kListWidth, dib_.dc(), work1_.get(), work2_.get(), GetItem(&rec_, row), row,
                 RowRect(row), &enabled_);
        ReleaseItem(&rec_);
    }
    int TextWidth(const char* text)
    {
        SelectGuard select(work1_.get(), font_.get());
        SIZE size = {};
        GetTextExtentPoint32A(work1_.get(), text, lstrlenA(text), &size);
        return size.cx;
    }

    ControlRecord rec_;
    FontGuard font_, bigFont_;
    TEXTMETRICA tm_ = {};
    MemoryDC work1_{nullptr}, work2_{nullptr};
    Dib dib_{kListWidth + 20, 240};
    int rowH_ = 0;
    BOOL enabled_ = -1;
};

TEST_F(ItemPaintTest, SelectionIsShownByStyleOnlyWhereEachStyleAsksForIt)
{
    Add("Ab", "Cd", 1);
    const int zoneX = LevelOverhead(&rec_, 1) / 2;
    ASSERT_GT(zoneX, 0);
    const RECT c0 = Cell(0, 0), c1 = Cell(0, 1);
    struct Case { int style; COLORREF zone, cellBack, fill; bool firstTextOnly; };
    for (const Case& c : {Case{0, kSelBack, kSelBack, kSelBack, false}, Case{1, kBack, kSelBack, kBack, false},
                          Case{2, kBack, kBack, kBack, true}}) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        rec_.selectionStyle = c.style;
        rec_.curSel = 0;
        dib_.Fill(kUntouched);
        Paint(0);
        EXPECT_EQ(dib_.At(zoneX, Mid(0)), c.zone);
        EXPECT_TRUE(dib_.At(c0.right - 3, Mid(0)) == c.cellBack && dib_.At(c1.right - 3, Mid(0)) == c.cellBack);
        EXPECT_EQ(dib_.At(kListWidth - 5, Mid(0)), c.fill);
        // Style 2 lays only the first column's text on the selection colour.
        EXPECT_TRUE(dib_.Count(c0, kSelText) > 0 && dib_.Count(c0, kSelBack) > 0);
        EXPECT_EQ(dib_.Count(c1, kSelBack) > 0, !c.firstTextOnly);
        EXPECT_GT(dib_.Count(c1, c.firstTextOnly ? kText : kSelText), 0);
        EXPECT_EQ(dib_.Count(c1, c.firstTextOnly ? kSelText : kText), 0);
        rec_.curSel = -1;
        Paint(0);
        EXPECT_EQ(dib_.Count(RowRect(0), kSelBack), 0) << "an unselected row";
    }
}

TEST_F(ItemPaintTest, ColoursComeFromCellColumnOrRowAndOddRowsTakeOnlyTheAlternatesSet)
{
    const COLORREF columnBack = RGB(5, 120, 200), cellBack = RGB(200, 90, 5), columnSelBack = RGB(90, 0, 90);
    Add("Ab", "Cd");
    Add("Ef", "Gh");
    const RECT c1 = Cell(0, 1);
    struct Alt { COLORREF back, text, back1, text1, notText1; };
    for (const Alt& alt : {Alt{kAltBack, TARN_COLOR_NONE, kAltBack, kText, kAltText},
                           Alt{TARN_COLOR_NONE, kAltText, kBack, kAltText, kText}}) {
        SCOPED_TRACE(testing::Message() << "alternate background " << alt.back);
        rec_.colors[TARNCLR_ALTBACKCOLOR] = alt.back;
        rec_.colors[TARNCLR_ALTTEXTCOLOR] = alt.text;
        Paint(0);
        Paint(1);
        EXPECT_TRUE(dib_.At(c1.right - 3, Mid(0)) == kBack && dib_.Count(Cell(0, 0), kText) > 0) << "an even row";
        EXPECT_EQ(dib_.At(c1.right - 3, Mid(1)), alt.back1);
        EXPECT_EQ(dib_.At(kListWidth - 5, Mid(1)), alt.back1) << "the area after the last column too";
        EXPECT_TRUE(dib_.Count(Cell(1, 0), alt.text1) > 0 && dib_.Count(Cell(1, 0), alt.notText1) == 0);
    }
    rec_.colors[TARNCLR_ALTTEXTCOLOR] = TARN_COLOR_NONE;

    rec_.columns[1].backColor = columnBack;
    rec_.columns[1].selBackColor = columnSelBack;
    rec_.items[1]->cellInfo = CreateCellFormats(2);
    rec_.items[1]->cellInfo[1].backColor = cellBack;
    Paint(0);
    Paint(1);
    EXPECT_EQ(dib_.At(c1.right - 3, Mid(0)), columnBack);
    EXPECT_EQ(dib_.At(c1.right - 3, Mid(1)), cellBack);
    EXPECT_EQ(dib_.At(c1.right + 10, Mid(0)), kBack) << "right of the last column: the row background";
    // Selected and open-ended: the last column's own selected colour runs on to the end.
    rec_.selectionStyle = 1;
    rec_.curSel = 0;
    rec_.openEnded = TRUE;
    Paint(0);
    for (LONG x : {c1.left + 60, c1.right + 10, LONG{kListWidth - 1}})
        EXPECT_EQ(dib_.At(x, Mid(0)), columnSelBack) << x;
    // Scrolled sideways: the cells move left, the row still ends on screen.
    rec_.openEnded = FALSE;
    rec_.curSel = -1;
    rec_.columns[0].backColor = cellBack;
    for (int offset : {50, 120}) {
        rec_.horizontalOffset = offset;
        Paint(0);
        const int left = c1.left - offset, right = c1.right - offset;
        for (int x : {0, left - 1, left, right, kListWidth - 1}) {
            if (x >= 0) {
                EXPECT_EQ(dib_.At(x, Mid(0)), x < left ? cellBack : x < right ? columnBack : kBack) << offset << " " << x;
            }
        }
    }
}

TEST_F(ItemPaintTest, DisabledItemsAndADisabledControlAreGreyWithEmbossedBitmaps)
{
    BitmapGuard label(MakeBitmap(10, 8, kLabelInk)), bitmap(MakeBitmap(12, 10, kInk));
    rec_.showLabels = rec_.showBitmaps = TRUE;
    Describe(label.get(), &rec_.bmLabel);
    Describe(bitmap.get(), &rec_.bmItemBitmap);
    rec_.colors[TARNCLR_ALTBACKCOLOR] = kAltBack;
    Add("Ab", "Cd", 0, true, label.get(), bitmap.get());
    Add("Ef", "Gh", 0, false, label.get(), bitmap.get());
    const COLORREF embossed = GetSysColor(COLOR_BTNSHADOW);
    Paint(0);
    EXPECT_EQ(enabled_, TRUE);
    EXPECT_GT(dib_.Count(Zone(0), kInk), 0);
    Paint(1);
    EXPECT_EQ(enabled_, FALSE);
    EXPECT_TRUE(dib_.Count(Cell(1, 0), kGrey) > 0 && dib_.Count(Cell(1, 0), kText) == 0);
    EXPECT_EQ(dib_.At(Cell(1, 1).right - 3, Mid(1)), kBack) << "the cells drop the alternate background";
    EXPECT_EQ(dib_.At(0, Mid(1)), kAltBack) << "the indentation zone keeps it";
    EXPECT_GT(dib_.Count(Zone(1), kLabelInk), 0) << "the label is drawn normally";
    EXPECT_TRUE(dib_.Count(Zone(1), kInk) == 0 && dib_.Count(Zone(1), embossed) > 0) << "the item bitmap embossed";

    // A disabled control: every row grey, every bitmap embossed, and the
    // draw-info callback cannot enable a row.
    EnableWindow(Host(), FALSE);
    SeenDrawInfo seen;
    rec_.drawInfoCallback = RecordDrawInfo;
    rec_.drawInfoUserData = reinterpret_cast<LPARAM>(&seen);
    dib_.Fill(kUntouched);
    Paint(0);
    EXPECT_EQ(enabled_, FALSE);
    Paint(1);
    ASSERT_EQ(seen.calls.size(), 2u);
    EXPECT_EQ(seen.calls[0].enabled, FALSE);
    EXPECT_GT(dib_.Count(Cell(0, 0), kGrey), 0);
    EXPECT_EQ(dib_.At(0, Mid(1)), kBack) << "no alternate colours";
    EXPECT_EQ(dib_.Count(Zone(0), kLabelInk) + dib_.Count(Zone(0), kInk), 0) << "the label embossed too";
    EXPECT_GT(dib_.Count(Zone(0), embossed), 0);
}

TEST_F(ItemPaintTest, GridLinesFollowTheGridStyleAndGiveWayToThe3DFrame)
{
    Add("Ab", "Cd", 1);
    Add("Ef", "Gh");
    rec_.showGrid = TRUE;
    const RECT c0 = Cell(0, 0), c1 = Cell(0, 1);
    const int zone = LevelOverhead(&rec_, 1);
    struct Case { int style; bool show3D, selected, vertical, horizontal; };
    for (const Case& c : {Case{0, false, false, true, false}, Case{1, false, false, false, true},
                          Case{2, false, false, true, true}, Case{2, true, false, true, false},
                          Case{2, true, true, true, false}}) {
        SCOPED_TRACE(testing::Message() << "grid style " << c.style << " 3D " << c.show3D << " sel " << c.selected);
        rec_.gridStyle = c.style;
        rec_.show3D = c.show3D;
        rec_.curSel = c.selected ? 0 : -1;
        dib_.Fill(kUntouched);
        Paint(0);
        for (int x : {c0.right - 1, c1.right - 1})
            EXPECT_EQ(dib_.Count({x, 1, x + 1, rowH_ - 1}, kVGrid), c.vertical ? rowH_ - 2 : 0) << "x " << x;
        if (!c.vertical) {
            EXPECT_EQ(dib_.Count(RowRect(0), kVGrid), 0);
        }
        EXPECT_EQ(dib_.Count({0, rowH_ - 1, kListWidth, rowH_}, kHGrid), c.horizontal ? kListWidth : 0);
        if (c.show3D) {
            // Raised for the selected row, sunken otherwise, after the indentation zone.
            const COLORREF light = c.selected ? kLight : kShadow, dark = c.selected ? kShadow : kLight;
            EXPECT_EQ(dib_.At(zone, Mid(0)), light);
            EXPECT_EQ(dib_.At(zone + 20, 0), light);
            EXPECT_EQ(dib_.At(zone + 20, rowH_ - 1), dark);
            EXPECT_EQ(dib_.At(kListWidth - 1, Mid(0)), dark);
            EXPECT_EQ(dib_.At(zone - 1, Mid(0)), kBack) << "the indentation zone has no frame";
        }
    }

    // An open-ended last column keeps its line unless it is the only
    // column; the field has no horizontal line.
    rec_.show3D = FALSE;
    rec_.gridStyle = 0;
    rec_.openEnded = TRUE;
    Paint(1);
    EXPECT_EQ(dib_.Count({kListWidth - 1, rowH_, kListWidth, 2 * rowH_}, kVGrid), rowH_);
    rec_.columnCount = 1;
    Paint(1);
    EXPECT_EQ(dib_.Count(RowRect(1), kVGrid), 0);
    rec_.gridStyle = 1;
    Paint(1, true);
    EXPECT_EQ(dib_.Count(RowRect(1), kHGrid), 0);
    rec_.columnCount = 2;
}

TEST_F(ItemPaintTest, TreeLinesBranchToEachRowAndRunOnForAncestorsWithLaterSiblings)
{
    rec_.showTreeLines = TRUE;
    for (int level : {0, 1, 2, 1, 0})
        Add("Ab", "Cd", level);
    const int s = LevelOverhead(&rec_, 1) - LevelOverhead(&rec_, 0), x0 = 2, x1 = x0 + s / 2, x2 = x0 + s + s / 2;
    auto top = [&](int row) { return row * rowH_; };
    auto paintAll = [&] {
        for (int row = 0; row < 5; ++row)
            Paint(row);
    };
    paintAll();
    // Row 1 has a later sibling: a full line, its top pixel copied from below.
    EXPECT_TRUE(Dotted(dib_, x1, top(1) + 1, Mid(1)));
    EXPECT_TRUE(Dotted(dib_, x1, Mid(1) + 1, top(2)));
    EXPECT_EQ(dib_.At(x1, top(1)), dib_.At(x1, top(1) + 1));
    EXPECT_TRUE(Dotted(dib_, Mid(1), x1, x0 + s, kTree, true));
    // Row 2 is the last of its branch; its parent's branch passes by.
    EXPECT_TRUE(Dotted(dib_, x2, top(2), Mid(2)));
    EXPECT_EQ(dib_.Count({x2, Mid(2) + 1, x2 + 1, top(3)}, kTree), 0);
    EXPECT_TRUE(Dotted(dib_, Mid(2), x2, x0 + 2 * s, kTree, true));
    EXPECT_TRUE(Dotted(dib_, x1, top(2), top(3)));
    // Row 3 ends the branch of level 1; the top-level rows have no lines.
    EXPECT_TRUE(Dotted(dib_, x1, top(3), Mid(3)));
    EXPECT_EQ(dib_.Count({x1, Mid(3) + 1, x1 + 1, top(4)}, kTree), 0);
    for (int row : {0, 4})
        EXPECT_EQ(dib_.Count(RowRect(row), kTree), 0) << "row " << row;

    // With item bitmaps a row whose next row is deeper gets a line down.
    BitmapGuard bitmap(MakeBitmap(16, 8, kInk));
    rec_.showBitmaps = TRUE;
    Describe(bitmap.get(), &rec_.bmItemBitmap);
    dib_.Fill(kBack);
    paintAll();
    const int step = rec_.bmItemBitmap.bmWidth;
    EXPECT_TRUE(Dotted(dib_, x0 + step / 2, Mid(0), top(1)));
    EXPECT_EQ(dib_.Count({0, 0, kListWidth, Mid(0)}, kTree), 0);
    EXPECT_TRUE(Dotted(dib_, x0 + step + step / 2, Mid(1), top(2)));
    EXPECT_EQ(dib_.Count(RowRect(4), kTree), 0);
    EnableWindow(Host(), FALSE);
    Paint(1);
    EXPECT_TRUE(Dotted(dib_, x0 + step / 2, top(1) + 1, Mid(1), kTreeOff)) << "a disabled control's colour";
}

TEST_F(ItemPaintTest, TransparentBitmapsLetTheBackgroundThroughAndEmbossWhenDisabled)
{
    // Two frames side by side; the second keys on green, so its magenta
    // pixels are opaque.
    const COLORREF green = RGB(0, 200, 0);
    auto frame1 = [&](int x, int y) { return (x + y) % 3 == 0 ? green : (x % 4 == 1 ? kKey : kInk); };
    BitmapGuard strip(MakeBitmap(24, 6, kInk, [&](int x, int y) { return x < 12 ? kKey : frame1(x - 12, y); }));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    ASSERT_NE(light, dark);
    DrawBitmapTransparent(work1_.get(), work2_.get(), dib_.dc(), strip.get(), 12, 12, 10, 5, 6, kBack, true);
    DrawBitmapTransparent(work1_.get(), work2_.get(), dib_.dc(), strip.get(), 12, 12, 40, 5, 6, kBack, false);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool opaque = frame1(x, y) != green;
            EXPECT_EQ(dib_.At(10 + x, 5 + y), opaque ? frame1(x, y) : kBack) << x << "," << y;
            const bool lit = x > 0 && y > 0 && frame1(x - 1, y - 1) != green;
            EXPECT_EQ(dib_.At(40 + x, 5 + y), opaque ? dark : lit ? light : kBack) << x << "," << y;
        }
    EXPECT_EQ(dib_.Count({0, 0, 60, 5}, kUntouched) + dib_.Count({0, 11, 60, 12}, kUntouched), 60 * 5 + 60)
        << "nothing outside the destination";
    // A handle that is not a bitmap draws nothing.
    DrawBitmapTransparent(work1_.get(), work2_.get(), dib_.dc(), static_cast<HBITMAP>(GetStockObject(GRAY_BRUSH)),
                          0, 12, 70, 5, 6, kBack, true);
    EXPECT_EQ(dib_.Count({70, 5, 82, 11}, kUntouched), 72);
}

// A virtual row whose lent record is given back while its tree lines look
// at the neighbours: the given-back record no longer holds the row's texts.
TarnItem g_virtual[3];
char* g_texts[3][2] = {{const_cast<char*>("Ab")}, {const_cast<char*>("Cd")}, {const_cast<char*>("Ef")}};
char* g_released[2] = {};
void CALLBACK FetchVirtual(HWND, LPARAM, int index, TarnItem** item)
{
    g_virtual[index].texts = g_texts[index];
    g_virtual[index].flags = TARNIF_ENABLED | (index == 1 ? 1u << TARNIF_LEVELSHIFT : 0u);
    *item = &g_virtual[index];
}
void CALLBACK ReleaseVirtual(HWND, LPARAM, int, TarnItem* item) { item->texts = g_released; }

TEST_F(ItemPaintTest, AVirtualRowIsTakenAfreshAfterItsTreeLinesLookedAtOtherRows)
{
    rec_.virtualFetchCallback = FetchVirtual;
    rec_.virtualReleaseCallback = ReleaseVirtual;
    rec_.count = 3;
    rec_.showTreeLines = TRUE;
    rec_.maxLevel = 1;
    Relayout();
    Paint(1);
    EXPECT_GT(dib_.Count(RowRect(1), kTree), 0);
    EXPECT_GT(dib_.Count(RowRect(1), kText), 0) << "the row's own text, not the given-back record";
    GetItem(&rec_, -1);
    rec_.count = 0;
}

TEST_F(ItemPaintTest, DropButtonAndListBoxSeparatorTakeTheirColoursAndPlaces)
{
    const RECT button = {10, 10, 27, 31}, inner = {12, 12, 25, 29};
    DrawDropButton(&rec_, dib_.dc(), button);
    EXPECT_EQ(BoundsOf(dib_, button, kArrow).left, -1);
    EXPECT_GE(BoundsOf(dib_, button, kArrowOff).left, 0) << "an empty control shows the disabled arrow";
    Add("Ab", "Cd");
    DrawDropButton(&rec_, dib_.dc(), button);
    const RECT up = BoundsOf(dib_, button, kArrow);
    ASSERT_GE(up.left, 0);
    EXPECT_EQ(up.right - up.left, 2 * (up.bottom - up.top) - 1) << "a triangle twice as wide as high";
    EXPECT_EQ(up.left, inner.left + 2);
    EXPECT_LE(std::abs((up.top - inner.top) - (inner.bottom - up.bottom)), 1) << "centred vertically";
    // Frame, a ring of the control's background, then the face.
    const int mx = (button.left + button.right) / 2, my = (button.top + button.bottom) / 2;
    const POINT at[] = {{button.left, my}, {mx, button.top}, {button.right - 1, my}, {mx, button.bottom - 1},
                        {button.left + 1, button.top + 1}, {inner.left, inner.top}, {inner.right - 1, inner.bottom - 1}};
    const COLORREF raised[] = {kFrameFace, kFrameFace, kFrameDark, kFrameDark, kBack, kFace, kFace};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(dib_.At(at[i].x, at[i].y), raised[i]) << i;

    rec_.dropButtonDown = TRUE;
    DrawDropButton(&rec_, dib_.dc(), button);
    const RECT down = BoundsOf(dib_, button, kArrow);
    EXPECT_TRUE(down.left == up.left + 1 && down.top == up.top + 1 && down.right == up.right + 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dib_.At(at[i].x, at[i].y), kFrameShadow) << i;

    // The list-box type's groove: four system-coloured lines under the field.
    rec_.isListBox = TRUE;
    rec_.clientWidth = 200;
    RECT field = {};
    FieldRect(&rec_, &field);
    dib_.Fill(kUntouched);
    DrawListBoxSeparator(&rec_, dib_.dc());
    const int lines[] = {COLOR_3DLIGHT, COLOR_3DHILIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW, -1};
    for (int i = 0; i < 5; ++i) {
        const RECT line = {0, field.bottom + i, 200, field.bottom + i + 1};
        EXPECT_EQ(dib_.Count(line, i < 4 ? GetSysColor(lines[i]) : kUntouched), 200) << i;
    }
}

TEST_F(ItemPaintTest, CellContentIsPlacedByAlignmentAndBitmapStyle)
{
    BitmapGuard bmp(MakeBitmap(12, 10, kInk));
    BrushGuard back(CreateSolidBrush(kBack));
    const int a = rec_.avgCharWidth, half = a / 2, W = 12, H = 10;
    const RECT r = {20, 10, 220, 10 + tm_.tmHeight + 9};
    const int rw = r.right - r.left, rh = r.bottom - r.top;
    const COLORREF box = RGB(255, 255, 0);   // the selected background behind the text
    const char* text = "Hello";
    const int tw = TextWidth(text);
    struct Placed { RECT text, ink; };
    auto draw = [&](const char* s, UINT format, bool withBitmap, int style, int offset = 0, RECT rc = {}) {
        dib_.Fill(kUntouched);
        CellContent c = {};
        c.rect = rc.right ? rc : r;
        c.text = s, c.format = format, c.bitmap = withBitmap ? bmp.get() : nullptr;
        c.bitmapWidth = W, c.bitmapHeight = H, c.bitmapStyle = style, c.pressedOffset = offset;
        c.backBrush = back.get(), c.backColor = kBack, c.textColor = kText, c.selBackColor = box;
        c.selTextColor = TARN_COLOR_NONE, c.font = font_.get(), c.enabled = TRUE;
        DrawCellContent(&rec_, dib_.dc(), work1_.get(), work2_.get(), c);
        return Placed{BoundsOf(dib_, {0, 0, 320, 60}, box, kText), BoundsOf(dib_, {0, 0, 320, 60}, kInk)};
    };
    for (UINT align : {0u, 1u, 2u}) {
        SCOPED_TRACE(testing::Message() << "alignment " << align);
        // The aligned place of a block of the text and `extra` more.
        auto place = [&](int space, int extra) {
            return align == 1 ? r.left + half + std::max(0, (space - tw) / 2)
                 : align == 2 ? std::max<int>(r.right - tw - extra - 1, r.left + half) : r.left + half;
        };
        Placed p = draw(text, align, false, 0);
        EXPECT_EQ(p.text.left, place(rw - a, half));
        EXPECT_EQ(p.text.right - p.text.left, tw);
        EXPECT_EQ(p.text.top, r.top + (rh - tm_.tmHeight) / 2);
        EXPECT_EQ(dib_.Count(r, kUntouched), 0) << "the background brush fills the rectangle";

        const int lead = place(rw - (3 * a) / 2 - W, 2 * half + W);
        p = draw(text, align, true, TARNBS_LEFT);
        EXPECT_EQ(p.ink.left, lead);
        EXPECT_EQ(p.ink.top, r.top + (rh - H) / 2);
        EXPECT_EQ(p.text.left, std::max<int>(lead + half + W, r.left + half));
        p = draw(text, align, true, TARNBS_RIGHT, 3);
        EXPECT_EQ(p.text.left, 3 + lead) << "pressed offset 3";
        EXPECT_EQ(p.ink.left, 3 + std::max<int>(lead + tw + half, r.left + half));
    }
    Placed p = draw(text, 2, true, TARNBS_ALONE);
    EXPECT_EQ(p.text.left, -1) << "a bitmap alone hides the text";
    EXPECT_EQ(p.ink.left, r.left + half + std::max(0, (rw - W - a) / 2));
    const int withoutText[] = {r.left + half, r.left + (rw - W) / 2, r.right - half - W - 1};
    for (int style : {0, 1, 2})
        EXPECT_EQ(draw("", 2, true, style).ink.left, withoutText[style]) << "bitmap style " << style;
    // Too long for a narrow rectangle: cut to the room there is.
    const RECT narrow = {20, 10, 20 + tw / 2, r.bottom};
    p = draw(text, 2, false, 0, 0, narrow);
    EXPECT_TRUE(p.text.left == narrow.left + half && p.text.right == narrow.right - a + half);
    // A wrapping column breaks its text onto the lines it is allowed.
    rec_.itemLines = 3;
    const RECT tall = {20, 0, 20 + TextWidth("alpha beta ") + a, 3 * tm_.tmHeight};
    p = draw("alpha beta gamma", TARNCF_WORDWRAP, false, 0, 0, tall);
    EXPECT_EQ(p.text.left, tall.left + half);
    EXPECT_EQ(p.text.bottom - p.text.top, 2 * tm_.tmHeight);
}

TEST_F(ItemPaintTest, TheDrawInfoCallbackSeesTheRowAndMayChangeItsColoursAndFont)
{
    BitmapGuard label(MakeBitmap(10, 8, kLabelInk));
    rec_.showLabels = TRUE;
    Describe(label.get(), &rec_.bmLabel);
    Add("Hi", "Cd", 0, true, label.get());
    rec_.selectionStyle = 1;
    rec_.curSel = 0;
    rowH_ = 2 * tm_.tmHeight + 10;
    auto glyphs = [&] {
        const RECT g = BoundsOf(dib_, Cell(0, 0), kSelText);
        return SIZE{g.right - g.left, g.bottom - g.top};
    };
    Paint(0);
    const SIZE normal = glyphs();
    ASSERT_GT(normal.cy, 0);

    SeenDrawInfo seen;
    seen.cellBack = kCyan;
    seen.font = bigFont_.get();
    rec_.drawInfoCallback = RecordDrawInfo;
    rec_.drawInfoUserData = reinterpret_cast<LPARAM>(&seen);
    Paint(0);
    ASSERT_EQ(seen.calls.size(), 1u);
    const DrawInfo& info = seen.calls[0];
    EXPECT_TRUE(info.hwnd == rec_.hwnd && info.row == 0 && info.selected && info.columnCount == 2 && info.enabled);
    EXPECT_TRUE(info.rowBackColor == kBack && info.rowTextColor == kText);
    EXPECT_TRUE(info.cellBackColor == kSelBack && info.cellTextColor == kSelText);
    EXPECT_TRUE(info.hfont == font_.get() && info.hbmLabel == label.get() && info.hbmBitmap == nullptr);
    EXPECT_EQ(dib_.At(Cell(0, 1).right - 3, Mid(0)), kCyan);
    EXPECT_EQ(dib_.At(1, Mid(0)), kBack) << "the row colours stay";
    EXPECT_TRUE(glyphs().cx > normal.cx && glyphs().cy > normal.cy) << "the text in the callback's font";

    // Nonsense back from the callback: the row is painted in the control's font.
    seen.odd = true;
    rec_.showBitmaps = TRUE;
    dib_.Fill(kBack);
    Paint(0);
    EXPECT_NE(enabled_, FALSE);
    EXPECT_TRUE(glyphs().cx == normal.cx && glyphs().cy == normal.cy);

    rec_.drawInfoCallback = nullptr;
    Paint(0);
    EXPECT_EQ(seen.calls.size(), 2u);
}

} // namespace
