// Rows and cells painted from a control record built in memory into a DIB
// section, read back pixel by pixel. Every colour is a distinct RGB value and
// the font is the default GUI font without antialiasing, so each pixel tells
// which rule painted it. Positions are worked out from the font's measured
// metrics and the column geometry, never written down as numbers.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "columns/cell_format.h"
#include "combo/combo_layout.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/item_paint.h"
#include "layout/row_geometry.h"
#include "plain_record.h"
#include "support/dib.h"
#include "window/gdi_guards.h"

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
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr int kListWidth = 300;

// A 32-bit DIB section bitmap whose pixel (x, y) is pixel(x, y).
HBITMAP MakeBitmap(int w, int h, const std::function<COLORREF(int, int)>& pixel)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (int y = 0; bmp && y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = pixel(x, y);
            static_cast<DWORD*>(bits)[y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return bmp;
}
// Transparent key in the corner, ink everywhere else.
HBITMAP KeyedBitmap(int w, int h, COLORREF ink)
{
    return MakeBitmap(w, h, [ink](int x, int y) { return x == 0 && y == 0 ? kKey : ink; });
}

// Bounding box of the pixels in area that match; left = -1 when none does.
RECT Bounds(const Dib& d, RECT area, const std::function<bool(COLORREF)>& match)
{
    RECT box = {-1, -1, -1, -1};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (match(d.At(x, y)))
                box = box.left < 0 ? RECT{x, y, x + 1, y + 1}
                                   : RECT{std::min<LONG>(box.left, x), box.top, std::max<LONG>(box.right, x + 1), y + 1};
    return box;
}
RECT BoundsOf(const Dib& d, RECT area, COLORREF c)
{
    return Bounds(d, area, [c](COLORREF p) { return p == c; });
}

// How many handles the process can still create: fills the GDI table with
// brushes and frees them again.
int GdiCapacity()
{
    std::vector<HBRUSH> brushes;
    for (HBRUSH b; brushes.size() < 200000 && (b = CreateSolidBrush(RGB(1, 1, 1))) != nullptr;)
        brushes.push_back(b);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    return static_cast<int>(brushes.size());
}

// A stand-in for the control window, only for what painting asks of it
// (whether it is enabled) and for the exported setter, which reaches the
// record through window long 0.
struct HostWindow {
    explicit HostWindow(ControlRecord* r) : rec(r)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TarnPaintTestHost";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(rec));
        rec->hwnd = hwnd;
    }
    ~HostWindow()
    {
        rec->hwnd = nullptr;
        DestroyWindow(hwnd);
    }
    ControlRecord* rec;
    HWND hwnd;
};

struct SeenDrawInfo {
    std::vector<DrawInfo> calls;
    bool odd = false;
    COLORREF cellBack = 0;
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
        LOGFONTA lf;
        ASSERT_TRUE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf));
        lf.lfQuality = NONANTIALIASED_QUALITY;
        font_.reset(CreateFontIndirectA(&lf));
        lf.lfHeight = lf.lfHeight ? lf.lfHeight * 2 : -22;
        bigFont_.reset(CreateFontIndirectA(&lf));
        ASSERT_TRUE(font_ && bigFont_ && dib_.valid() && work1_ && work2_);
        {
            SelectGuard select(work1_.get(), font_.get());
            ASSERT_TRUE(GetTextMetricsA(work1_.get(), &tm_));
        }
        rowH_ = tm_.tmHeight + 6;
        Configure(2);
    }
    void TearDown() override { FreePlainRecord(&rec_); }

    // A record with `columns` columns 100 pixels wide, the measured font,
    // fixed row heights and the colour table of the constants above.
    void Configure(int columns)
    {
        InitPlainRecord(&rec_, columns);
        for (int i = 0; i < columns; ++i) {
            ColumnDef& def = rec_.columns[i];
            def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
        }
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
            {TARNCLR_DROPBUTTONFRAMESHADOWCOLOR, kFrameShadow},
            {TARNCLR_DROPBUTTONFRAMEDARKSHADOWCOLOR, kFrameDark}};
        for (const auto& entry : table)
            rec_.colors[entry.first] = entry.second;
    }

    int Add(const char* t0, const char* t1, int level = 0, bool enabled = true)
    {
        TarnItem templ = {};
        templ.flags = (enabled ? TARNIF_ENABLED : 0) | (static_cast<DWORD>(level) << TARNIF_LEVELSHIFT);
        const int row = InsertItem(&rec_, &templ, -1, t0, 0);
        rec_.items[row]->texts[1] = DuplicateText(t1);
        rec_.maxLevel = std::max(rec_.maxLevel, level);
        Relayout();
        return row;
    }
    void Relayout() { rec_.overheadWidth = LevelOverhead(&rec_, rec_.maxLevel); }
    void Describe(HBITMAP bmp, BITMAP* size)
    {
        ASSERT_TRUE(DescribeBitmap(bmp, size));
        Relayout();
    }

    RECT RowRect(int row) const { return {0, row * rowH_, kListWidth, (row + 1) * rowH_}; }
    int Mid(int row) const { return row * rowH_ + rowH_ / 2; }
    RECT Cell(int row, int column)
    {
        const int level = ItemLevel(rec_.items[row]);
        const int left = ColumnLeft(&rec_, rec_.columns[column].position, level);
        return {left, row * rowH_, left + CellWidth(&rec_, kListWidth, column, level), (row + 1) * rowH_};
    }
    void Paint(int row, bool field = false)
    {
        PaintRow(&rec_, field, kListWidth, dib_.dc(), work1_.get(), work2_.get(), GetItem(&rec_, row), row,
                 RowRect(row), &enabled_);
        ReleaseItem(&rec_);
    }
    // The box text reaches when drawn alone with font at the DIB's origin.
    RECT GlyphBoxOf(const char* text, HFONT font)
    {
        Dib scratch(200, 60, kBack);
        SelectGuard select(scratch.dc(), font);
        SetBkMode(scratch.dc(), TRANSPARENT);
        SetTextColor(scratch.dc(), kText);
        TextOutA(scratch.dc(), 0, 0, text, lstrlenA(text));
        RECT box = BoundsOf(scratch, {0, 0, 200, 60}, kText);
        return {0, 0, box.right - box.left, box.bottom - box.top};
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
    ASSERT_GT(LevelOverhead(&rec_, 1), 1);
    struct Case { int style; bool show3D; COLORREF zone, cellBack, fill; bool firstTextOnly; };
    const Case cases[] = {{0, false, kSelBack, kSelBack, kSelBack, false}, {1, false, kBack, kSelBack, kBack, false},
                          {0, true, kBack, kSelBack, kBack, false}, {2, false, kBack, kBack, kBack, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " 3D " << c.show3D);
        rec_.selectionStyle = c.style;
        rec_.show3D = c.show3D;
        rec_.curSel = 0;
        dib_.Fill(RGB(1, 2, 3));
        Paint(0);
        const RECT c0 = Cell(0, 0), c1 = Cell(0, 1);
        EXPECT_EQ(dib_.At(zoneX, Mid(0)), c.zone);
        EXPECT_EQ(dib_.At(c0.right - 3, Mid(0)), c.cellBack);
        EXPECT_EQ(dib_.At(c1.right - 3, Mid(0)), c.cellBack);
        EXPECT_EQ(dib_.At(kListWidth - 5, Mid(0)), c.fill);
        EXPECT_GT(dib_.Count(c0, kSelText), 0);
        if (c.firstTextOnly) {
            EXPECT_GT(dib_.Count(c0, kSelBack), 0) << "the first column's text sits on the selection colour";
            EXPECT_EQ(dib_.Count(c1, kSelBack), 0);
            EXPECT_GT(dib_.Count(c1, kText), 0);
        } else {
            EXPECT_GT(dib_.Count(c1, kSelText), 0);
            EXPECT_EQ(dib_.Count(c1, kText), 0);
        }
        rec_.curSel = -1;
        Paint(0);
        EXPECT_EQ(dib_.Count(RowRect(0), kSelBack), 0) << "an unselected row";
    }
}

TEST_F(ItemPaintTest, OddRowsTakeOnlyTheAlternateColoursThatAreSet)
{
    Add("Ab", "Cd");
    Add("Ef", "Gh");
    rec_.colors[TARNCLR_ALTBACKCOLOR] = kAltBack;
    Paint(0);
    Paint(1);
    EXPECT_EQ(dib_.At(Cell(0, 1).right - 3, Mid(0)), kBack);
    EXPECT_EQ(dib_.At(Cell(1, 1).right - 3, Mid(1)), kAltBack);
    EXPECT_EQ(dib_.At(kListWidth - 5, Mid(1)), kAltBack) << "the area after the last column too";
    EXPECT_GT(dib_.Count(Cell(1, 0), kText), 0);

    rec_.colors[TARNCLR_ALTBACKCOLOR] = TARN_COLOR_NONE;
    rec_.colors[TARNCLR_ALTTEXTCOLOR] = kAltText;
    Paint(0);
    Paint(1);
    EXPECT_EQ(dib_.At(Cell(1, 1).right - 3, Mid(1)), kBack);
    EXPECT_GT(dib_.Count(Cell(1, 0), kAltText), 0);
    EXPECT_EQ(dib_.Count(Cell(1, 0), kText), 0);
    EXPECT_EQ(dib_.Count(Cell(0, 0), kAltText), 0);
}

TEST_F(ItemPaintTest, DisabledItemsAndADisabledControlAreGreyWithEmbossedBitmaps)
{
    BitmapGuard label(KeyedBitmap(10, 8, kLabelInk)), bitmap(KeyedBitmap(12, 10, kInk));
    rec_.showLabels = rec_.showBitmaps = TRUE;
    Describe(label.get(), &rec_.bmLabel);
    Describe(bitmap.get(), &rec_.bmItemBitmap);
    rec_.colors[TARNCLR_ALTBACKCOLOR] = kAltBack;
    Add("Ab", "Cd");
    Add("Ef", "Gh", 0, false);
    for (int row : {0, 1})
        rec_.items[row]->hbmLabel = label.get(), rec_.items[row]->hbmBitmap = bitmap.get();
    const RECT zone1 = {0, rowH_, LevelOverhead(&rec_, 0), 2 * rowH_};
    const COLORREF sysShadow = GetSysColor(COLOR_BTNSHADOW);

    Paint(1);
    EXPECT_EQ(enabled_, FALSE);
    EXPECT_GT(dib_.Count(Cell(1, 0), kGrey), 0);
    EXPECT_EQ(dib_.Count(Cell(1, 0), kText), 0);
    EXPECT_EQ(dib_.At(Cell(1, 1).right - 3, Mid(1)), kBack) << "the cells drop the alternate background";
    EXPECT_EQ(dib_.At(0, Mid(1)), kAltBack) << "the indentation zone keeps it";
    EXPECT_GT(dib_.Count(zone1, kLabelInk), 0) << "the label is drawn normally";
    EXPECT_EQ(dib_.Count(zone1, kInk), 0);
    EXPECT_GT(dib_.Count(zone1, sysShadow), 0) << "the item bitmap is embossed";
    Paint(0);
    EXPECT_EQ(enabled_, TRUE);
    EXPECT_GT(dib_.Count({0, 0, LevelOverhead(&rec_, 0), rowH_}, kInk), 0);

    // A disabled control window: every row grey, every bitmap embossed, and
    // the draw-info callback cannot enable a row.
    HostWindow host(&rec_);
    EnableWindow(host.hwnd, FALSE);
    SeenDrawInfo seen;
    seen.cellBack = kBack;
    rec_.drawInfoCallback = RecordDrawInfo;
    rec_.drawInfoUserData = reinterpret_cast<LPARAM>(&seen);
    dib_.Fill(RGB(1, 2, 3));
    Paint(0);
    Paint(1);
    EXPECT_EQ(enabled_, FALSE);
    ASSERT_EQ(seen.calls.size(), 2u);
    EXPECT_EQ(seen.calls[0].enabled, FALSE);
    EXPECT_GT(dib_.Count(Cell(0, 0), kGrey), 0);
    EXPECT_EQ(dib_.At(0, Mid(1)), kBack) << "no alternate colours";
    for (int row : {0, 1}) {
        const RECT zone = {0, row * rowH_, LevelOverhead(&rec_, 0), (row + 1) * rowH_};
        EXPECT_EQ(dib_.Count(zone, kLabelInk) + dib_.Count(zone, kInk), 0);
        EXPECT_GT(dib_.Count(zone, sysShadow), 0);
    }
}

TEST_F(ItemPaintTest, GridLinesFollowTheGridStyleAndGiveWayToThe3DFrame)
{
    Add("Ab", "Cd");
    rec_.showGrid = TRUE;
    const RECT c0 = Cell(0, 0), c1 = Cell(0, 1);
    struct Case { int style; bool show3D; bool vertical, horizontal; };
    for (const Case& c : {Case{0, false, true, false}, Case{1, false, false, true}, Case{2, false, true, true},
                          Case{2, true, true, false}}) {
        SCOPED_TRACE(testing::Message() << "grid style " << c.style << " 3D " << c.show3D);
        rec_.gridStyle = c.style;
        rec_.show3D = c.show3D;
        dib_.Fill(RGB(1, 2, 3));
        Paint(0);
        for (int x : {c0.right - 1, c1.right - 1})
            EXPECT_EQ(dib_.Count({x, 1, x + 1, rowH_ - 1}, kVGrid), c.vertical ? rowH_ - 2 : 0) << "x " << x;
        EXPECT_EQ(dib_.Count({0, rowH_ - 1, kListWidth, rowH_}, kHGrid), c.horizontal ? kListWidth : 0);
        if (!c.vertical) {
            EXPECT_EQ(dib_.Count(RowRect(0), kVGrid), 0);
        }
        if (c.show3D) {
            EXPECT_EQ(dib_.At(c0.left + 5, rowH_ - 1), kLight) << "the sunken frame's bottom line";
        }
    }

    // A single column: a vertical line at its end, unless it is open-ended.
    FreePlainRecord(&rec_);
    Configure(1);
    rec_.showGrid = TRUE;
    Add("Ab", nullptr);
    Paint(0);
    const int end = Cell(0, 0).right;
    EXPECT_EQ(dib_.Count({end - 1, 0, end, rowH_}, kVGrid), rowH_);
    rec_.openEnded = TRUE;
    Paint(0);
    EXPECT_EQ(dib_.Count(RowRect(0), kVGrid), 0);
    rec_.gridStyle = 1;
    Paint(0, true);
    EXPECT_EQ(dib_.Count(RowRect(0), kHGrid), 0) << "the field has no horizontal grid line";
}

TEST_F(ItemPaintTest, The3DFrameIsRaisedForTheSelectedRowAndStartsAfterTheIndentation)
{
    Add("Ab", "Cd", 1);
    rec_.show3D = TRUE;
    const int left = LevelOverhead(&rec_, 1);
    for (bool selected : {true, false}) {
        rec_.curSel = selected ? 0 : -1;
        Paint(0);
        const COLORREF light = selected ? kLight : kShadow, dark = selected ? kShadow : kLight;
        EXPECT_EQ(dib_.At(left, Mid(0)), light);
        EXPECT_EQ(dib_.At(left + 20, 0), light);
        EXPECT_EQ(dib_.At(left + 20, rowH_ - 1), dark);
        EXPECT_EQ(dib_.At(kListWidth - 1, Mid(0)), dark);
        EXPECT_EQ(dib_.At(left - 1, Mid(0)), kBack) << "the indentation zone has no frame";
    }
}

// Pixels from `from` to `to` along column `at` (or along line `at` when
// horizontal) alternate between ink and the background.
::testing::AssertionResult Dotted(const Dib& d, int at, int from, int to, COLORREF ink = kTree,
                                  bool horizontal = false)
{
    auto pixel = [&](int i) { return horizontal ? d.At(i, at) : d.At(at, i); };
    int inked = 0;
    for (int i = from; i < to; ++i) {
        if (pixel(i) != ink && pixel(i) != kBack)
            return ::testing::AssertionFailure() << "foreign pixel at " << i;
        if (i + 1 < to && pixel(i) == pixel(i + 1))
            return ::testing::AssertionFailure() << "no alternation at " << i;
        inked += pixel(i) == ink;
    }
    if (!inked)
        return ::testing::AssertionFailure() << "no dots";
    return ::testing::AssertionSuccess();
}

TEST_F(ItemPaintTest, TreeLinesBranchToEachRowAndRunOnForAncestorsWithLaterSiblings)
{
    for (int level : {0, 1, 2, 1, 0})
        Add("Ab", "Cd", level);
    rec_.showTreeLines = TRUE;
    Relayout();
    const int s = LevelOverhead(&rec_, 1) - LevelOverhead(&rec_, 0), x0 = 2;
    const int x1 = x0 + s / 2, x2 = x0 + s + s / 2;
    for (int row = 0; row < 5; ++row)
        Paint(row);
    auto top = [&](int row) { return row * rowH_; };
    auto bottom = [&](int row) { return (row + 1) * rowH_; };
    // Row 1 has a later sibling: a full line, its top pixel copied from below.
    EXPECT_TRUE(Dotted(dib_, x1, top(1) + 1, Mid(1)));
    EXPECT_TRUE(Dotted(dib_, x1, Mid(1) + 1, bottom(1)));
    EXPECT_EQ(dib_.At(x1, top(1)), dib_.At(x1, top(1) + 1));
    EXPECT_TRUE(Dotted(dib_, Mid(1), x1, x0 + s, kTree, true));
    // Row 2 is the last of its branch; its parent's branch passes by.
    EXPECT_TRUE(Dotted(dib_, x2, top(2), Mid(2)));
    EXPECT_EQ(dib_.Count({x2, Mid(2) + 1, x2 + 1, bottom(2)}, kTree), 0);
    EXPECT_TRUE(Dotted(dib_, Mid(2), x2, x0 + 2 * s, kTree, true));
    EXPECT_TRUE(Dotted(dib_, x1, top(2), bottom(2)));
    // Row 3 ends the branch of level 1.
    EXPECT_TRUE(Dotted(dib_, x1, top(3), Mid(3)));
    EXPECT_EQ(dib_.Count({x1, Mid(3) + 1, x1 + 1, bottom(3)}, kTree), 0);
    for (int row : {0, 4})
        EXPECT_EQ(dib_.Count(RowRect(row), kTree), 0) << "row " << row;

    // With item bitmaps a row whose next row is deeper gets a line down.
    BitmapGuard bitmap(KeyedBitmap(16, 8, kInk));
    rec_.showBitmaps = TRUE;
    Describe(bitmap.get(), &rec_.bmItemBitmap);
    dib_.Fill(kBack);
    for (int row = 0; row < 5; ++row)
        Paint(row);
    const int step = rec_.bmItemBitmap.bmWidth;
    EXPECT_TRUE(Dotted(dib_, x0 + step / 2, Mid(0), bottom(0)));
    EXPECT_EQ(dib_.Count({0, 0, kListWidth, Mid(0)}, kTree), 0);
    EXPECT_TRUE(Dotted(dib_, x0 + step + step / 2, Mid(1), bottom(1)));
    EXPECT_EQ(dib_.Count(RowRect(4), kTree), 0);

    HostWindow host(&rec_);
    EnableWindow(host.hwnd, FALSE);
    Paint(1);
    EXPECT_TRUE(Dotted(dib_, x0 + step / 2, top(1) + 1, Mid(1), kTreeOff));
}

TEST_F(ItemPaintTest, TransparentBitmapsLetTheBackgroundThroughAndEmbossWhenDisabled)
{
    // Two frames side by side; the second keys on green, so its magenta
    // pixels are opaque.
    const COLORREF green = RGB(0, 200, 0);
    auto frame1 = [&](int x, int y) { return (x + y) % 3 == 0 ? green : (x % 4 == 1 ? kKey : kInk); };
    BitmapGuard strip(MakeBitmap(24, 6, [&](int x, int y) { return x < 12 ? kKey : frame1(x - 12, y); }));
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
    EXPECT_EQ(dib_.Count({0, 0, 60, 5}, RGB(1, 2, 3)) + dib_.Count({0, 11, 60, 12}, RGB(1, 2, 3)), 60 * 5 + 60)
        << "nothing outside the destination";
    // A handle that is not a bitmap draws nothing.
    DrawBitmapTransparent(work1_.get(), work2_.get(), dib_.dc(), static_cast<HBITMAP>(GetStockObject(GRAY_BRUSH)),
                          0, 12, 70, 5, 6, kBack, true);
    EXPECT_EQ(dib_.Count({70, 5, 82, 11}, RGB(1, 2, 3)), 72);
}

TEST_F(ItemPaintTest, ColoursComeFromCellThenColumnThenRowAndTheLastColumnEndsTheRow)
{
    const COLORREF columnBack = RGB(5, 120, 200), cellBack = RGB(200, 90, 5), columnSelBack = RGB(90, 0, 90);
    Add("Ab", "Cd");
    Add("Ef", "Gh");
    rec_.columns[1].backColor = columnBack;
    rec_.columns[1].selBackColor = columnSelBack;
    rec_.items[1]->cellInfo = CreateCellFormats(2);
    rec_.items[1]->cellInfo[1].backColor = cellBack;
    const RECT c1 = Cell(0, 1);
    Paint(0);
    Paint(1);
    EXPECT_EQ(dib_.At(c1.right - 3, Mid(0)), columnBack);
    EXPECT_EQ(dib_.At(c1.right - 3, Mid(1)), cellBack);
    EXPECT_EQ(dib_.At(c1.right + 10, Mid(0)), kBack) << "right of the last column: the row background";
    EXPECT_EQ(dib_.At(kListWidth - 1, Mid(0)), kBack);

    rec_.selectionStyle = 1;
    rec_.curSel = 0;
    rec_.openEnded = TRUE;
    Paint(0);
    EXPECT_EQ(dib_.At(c1.left + 60, Mid(0)), columnSelBack);
    EXPECT_EQ(dib_.At(c1.right + 10, Mid(0)), columnSelBack) << "the open-ended column runs on";
    EXPECT_EQ(dib_.At(kListWidth - 1, Mid(0)), columnSelBack);

    // Scrolled sideways: the cells move left, the row still ends on screen.
    rec_.openEnded = FALSE;
    rec_.curSel = -1;
    rec_.columns[0].backColor = cellBack;
    for (int offset : {50, 120}) {
        rec_.horizontalOffset = offset;
        Paint(0);
        const int left = c1.left - offset, right = c1.right - offset;
        for (int x : {0, left - 1, left, right, kListWidth - 1}) {
            const COLORREF expected = x < left ? cellBack : x < right ? columnBack : kBack;
            if (x >= 0) {
                EXPECT_EQ(dib_.At(x, Mid(0)), expected) << "offset " << offset << " x " << x;
            }
        }
    }
}

// A virtual row whose record is given back while painting: the painter must
// take the row afresh after looking at its neighbours.
TarnItem g_virtual[3];
char* g_texts[3][2] = {{const_cast<char*>("Ab"), nullptr}, {const_cast<char*>("Cd"), nullptr},
                       {const_cast<char*>("Ef"), nullptr}};
char* g_released[2] = {nullptr, nullptr};
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

TEST_F(ItemPaintTest, DropButtonShowsFaceArrowAndAFrameRaisedOrPressed)
{
    const RECT button = {10, 10, 27, 31};
    RECT inner = button;
    InflateRect(&inner, -2, -2);
    auto arrow = [&](COLORREF c) { return BoundsOf(dib_, button, c); };
    Add("Ab", "Cd");
    DrawDropButton(&rec_, dib_.dc(), button);
    const RECT up = arrow(kArrow);
    ASSERT_GE(up.left, 0);
    EXPECT_EQ(up.right - up.left, 2 * (up.bottom - up.top) - 1) << "a triangle twice as wide as high";
    EXPECT_EQ(up.left, inner.left + 2);
    EXPECT_LE(std::abs((up.top - inner.top) - (inner.bottom - up.bottom)), 1) << "centred vertically";
    // Frame, a ring of the control's background, then the face.
    const COLORREF expected[] = {kFrameFace, kFrameFace, kFrameDark, kFrameDark, kBack, kFace, kFace};
    const int mx = (button.left + button.right) / 2, my = (button.top + button.bottom) / 2;
    const POINT at[] = {{button.left, my}, {mx, button.top}, {button.right - 1, my}, {mx, button.bottom - 1},
                        {button.left + 1, button.top + 1}, {inner.left, inner.top}, {inner.right - 1, inner.bottom - 1}};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(dib_.At(at[i].x, at[i].y), expected[i]) << i;

    rec_.dropButtonDown = TRUE;
    DrawDropButton(&rec_, dib_.dc(), button);
    const RECT down = arrow(kArrow);
    EXPECT_TRUE(down.left == up.left + 1 && down.top == up.top + 1 && down.right == up.right + 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dib_.At(at[i].x, at[i].y), kFrameShadow) << i;

    FreePlainRecord(&rec_);
    Configure(2);
    DrawDropButton(&rec_, dib_.dc(), button);
    EXPECT_EQ(arrow(kArrow).left, -1);
    EXPECT_GE(arrow(kArrowOff).left, 0) << "an empty control shows the disabled arrow";
}

TEST_F(ItemPaintTest, CellContentIsPlacedByAlignmentAndBitmapStyle)
{
    BitmapGuard bmp(KeyedBitmap(12, 10, kInk));
    const int a = rec_.avgCharWidth, half = a / 2, W = 12, H = 10;
    const RECT r = {20, 10, 220, 10 + tm_.tmHeight + 9};
    const int rw = r.right - r.left, rh = r.bottom - r.top;
    const COLORREF box = RGB(255, 255, 0);
    BrushGuard white(CreateSolidBrush(kBack));
    auto draw = [&](const char* text, UINT align, bool withBitmap, int style, int offset = 0, RECT rc = {}) {
        dib_.Fill(RGB(1, 2, 3));
        CellContent c = {};
        c.rect = rc.right ? rc : r;
        c.text = text;
        c.format = align;
        c.bitmap = withBitmap ? bmp.get() : nullptr;
        c.bitmapWidth = W, c.bitmapHeight = H, c.bitmapStyle = style, c.pressedOffset = offset;
        c.backBrush = white.get();
        c.backColor = kBack, c.textColor = kText, c.selBackColor = box, c.selTextColor = TARN_COLOR_NONE;
        c.font = font_.get();
        c.enabled = TRUE;
        DrawCellContent(&rec_, dib_.dc(), work1_.get(), work2_.get(), c);
    };
    auto textBox = [&]() {
        return Bounds(dib_, {0, 0, 320, 60}, [&](COLORREF p) { return p == box || p == kText; });
    };
    const char* text = "Hello";
    const int tw = TextWidth(text);
    for (UINT align : {0u, 1u, 2u}) {
        SCOPED_TRACE(testing::Message() << "alignment " << align);
        // The aligned place of a block whose other part is `extra` wide.
        auto place = [&](int space, int extra) {
            return align == 1 ? r.left + half + std::max(0, (space - tw) / 2)
                 : align == 2 ? std::max<int>(r.right - tw - extra - 1, r.left + half) : r.left + half;
        };
        draw(text, align, false, 0);
        RECT t = textBox();
        EXPECT_EQ(t.left, place(rw - a, half));
        EXPECT_EQ(t.right - t.left, tw);
        EXPECT_EQ(t.top, r.top + (rh - tm_.tmHeight) / 2);
        EXPECT_EQ(dib_.Count(r, RGB(1, 2, 3)), 0) << "the background brush fills the rectangle";

        const int space = rw - (3 * a) / 2 - W;
        draw(text, align, true, TARNBS_LEFT);
        const int bx = place(space, 2 * half + W);
        EXPECT_EQ(BoundsOf(dib_, r, kInk).left, bx);
        EXPECT_EQ(BoundsOf(dib_, r, kInk).top, r.top + (rh - H) / 2);
        EXPECT_EQ(textBox().left, std::max<int>(bx + half + W, r.left + half));

        draw(text, align, true, TARNBS_RIGHT, 3);
        const int tx = place(space, 2 * half + W);
        EXPECT_EQ(textBox().left, 3 + tx) << "pressed offset 3";
        EXPECT_EQ(BoundsOf(dib_, r, kInk).left, 3 + std::max<int>(tx + tw + half, r.left + half));

        draw(text, align, true, TARNBS_ALONE);
        EXPECT_EQ(textBox().left, -1) << "a bitmap alone hides the text";
        EXPECT_EQ(BoundsOf(dib_, r, kInk).left, r.left + half + std::max(0, (rw - W - a) / 2));
    }
    const int withoutText[] = {r.left + half, r.left + (rw - W) / 2, r.right - half - W - 1};
    for (int style : {0, 1, 2}) {
        draw("", 2, true, style);
        EXPECT_EQ(BoundsOf(dib_, r, kInk).left, withoutText[style]) << "bitmap style " << style;
    }
    // Too long for a narrow rectangle: cut to the room there is.
    const RECT narrow = {20, 10, 20 + tw / 2, r.bottom};
    draw(text, 2, false, 0, 0, narrow);
    EXPECT_EQ(textBox().left, narrow.left + half);
    EXPECT_EQ(textBox().right, narrow.left + half + (narrow.right - narrow.left - a));
    // A wrapping column breaks its text onto the lines it is allowed.
    rec_.itemLines = 3;
    const RECT tall = {20, 0, 20 + TextWidth("alpha beta ") + a, 3 * tm_.tmHeight};
    draw("alpha beta gamma", TARNCF_WORDWRAP, false, 0, 0, tall);
    EXPECT_EQ(textBox().left, tall.left + half);
    EXPECT_EQ(textBox().bottom - textBox().top, 2 * tm_.tmHeight);
}

TEST_F(ItemPaintTest, TheDrawInfoCallbackSeesTheRowAndMayChangeItsColoursAndFont)
{
    BitmapGuard label(KeyedBitmap(10, 8, kLabelInk));
    rec_.showLabels = TRUE;
    Describe(label.get(), &rec_.bmLabel);
    Add("Hi", "Cd");
    rec_.items[0]->hbmLabel = label.get();
    rec_.selectionStyle = 1;
    rec_.curSel = 0;
    SeenDrawInfo seen;
    seen.cellBack = kCyan;
    seen.font = bigFont_.get();
    HostWindow host(&rec_);
    const TarnDrawInfoCallbackInfo set = {RecordDrawInfo, reinterpret_cast<LPARAM>(&seen)};
    EXPECT_EQ(Tarn_SetDrawInfoCallback(host.hwnd, &set), 1);
    rowH_ = 2 * tm_.tmHeight + 10;
    Paint(0);
    ASSERT_EQ(seen.calls.size(), 1u);
    const DrawInfo& info = seen.calls[0];
    EXPECT_TRUE(info.hwnd == host.hwnd && info.row == 0 && info.selected && info.columnCount == 2 && info.enabled);
    EXPECT_TRUE(info.rowBackColor == kBack && info.rowTextColor == kText);
    EXPECT_TRUE(info.cellBackColor == kSelBack && info.cellTextColor == kSelText);
    EXPECT_TRUE(info.hfont == font_.get() && info.hbmLabel == label.get() && info.hbmBitmap == nullptr);
    EXPECT_EQ(dib_.At(Cell(0, 1).right - 3, Mid(0)), kCyan);
    EXPECT_EQ(dib_.At(1, Mid(0)), kBack) << "the row colours stay";
    const RECT glyphs = BoundsOf(dib_, Cell(0, 0), kSelText);
    const RECT big = GlyphBoxOf("Hi", bigFont_.get());
    EXPECT_EQ(glyphs.right - glyphs.left, big.right);
    EXPECT_EQ(glyphs.bottom - glyphs.top, big.bottom);

    // Nonsense back from the callback: no font, handles that are not
    // bitmaps, no colour. The row is painted in the control's font.
    seen.odd = true;
    rec_.showBitmaps = TRUE;
    dib_.Fill(kBack);
    Paint(0);
    EXPECT_NE(enabled_, FALSE);
    const RECT normal = GlyphBoxOf("Hi", font_.get());
    const RECT g = BoundsOf(dib_, Cell(0, 0), kSelText);
    EXPECT_TRUE(g.right - g.left == normal.right && g.bottom - g.top == normal.bottom);

    EXPECT_EQ(Tarn_SetDrawInfoCallback(host.hwnd, nullptr), 1);
    EXPECT_TRUE(rec_.drawInfoCallback == nullptr && rec_.drawInfoUserData == 0);
    Paint(0);
    EXPECT_EQ(seen.calls.size(), 2u);
}

TEST_F(ItemPaintTest, TheListBoxSeparatorIsFourSystemColouredLinesUnderTheField)
{
    rec_.isListBox = TRUE;
    rec_.clientWidth = 200;
    RECT field = {};
    FieldRect(&rec_, &field);
    DrawListBoxSeparator(&rec_, dib_.dc());
    const int colours[] = {COLOR_3DLIGHT, COLOR_3DHILIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dib_.Count({0, field.bottom + i, 200, field.bottom + i + 1}, GetSysColor(colours[i])), 200);
    EXPECT_EQ(dib_.Count({0, field.bottom + 4, 200, field.bottom + 5}, RGB(1, 2, 3)), 200);
}

TEST_F(ItemPaintTest, PaintingARowTwentyThousandTimesLeaksNoGdiObject)
{
    BitmapGuard label(KeyedBitmap(10, 8, kLabelInk)), bitmap(KeyedBitmap(12, 10, kInk)), cell(KeyedBitmap(8, 8, kInk));
    rec_.showLabels = rec_.showBitmaps = rec_.showTreeLines = rec_.showGrid = TRUE;
    rec_.gridStyle = 2;
    Describe(label.get(), &rec_.bmLabel);
    Describe(bitmap.get(), &rec_.bmItemBitmap);
    Describe(cell.get(), &rec_.bmCellInfo);
    for (int level : {0, 1, 1})
        Add("Ab", "Cd", level, level == 0);
    TarnItem* item = rec_.items[1];
    item->hbmLabel = label.get(), item->hbmBitmap = bitmap.get();
    item->cellInfo = CreateCellFormats(2);
    item->cellInfo[1].hbm = cell.get();
    item->cellInfo[1].hfont = bigFont_.get();
    SeenDrawInfo seen;
    seen.cellBack = kCyan;
    seen.font = font_.get();
    rec_.drawInfoCallback = RecordDrawInfo;
    rec_.drawInfoUserData = reinterpret_cast<LPARAM>(&seen);
    rowH_ = 2 * tm_.tmHeight;
    auto paint = [&]() {
        seen.calls.clear();
        Paint(1);
        DrawDropButton(&rec_, dib_.dc(), {kListWidth, 0, kListWidth + 17, 21});
    };
    auto snapshot = [&]() {
        std::vector<COLORREF> pixels;
        for (int i = 0; i < dib_.width() * dib_.height(); ++i)
            pixels.push_back(dib_.At(i % dib_.width(), i / dib_.width()));
        return pixels;
    };
    paint();
    const std::vector<COLORREF> first = snapshot();
    const int capacity = GdiCapacity();
    for (int i = 0; i < 20000; ++i)
        paint();
    EXPECT_EQ(GdiCapacity(), capacity) << "GDI objects left behind";
    EXPECT_TRUE(BrushGuard(CreateSolidBrush(kBack)));
    EXPECT_TRUE(snapshot() == first) << "the 20,000th paint looks like the first";
}

} // namespace
