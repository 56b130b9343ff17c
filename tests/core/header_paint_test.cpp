// The header painters on a control record built in memory, painting into a
// DIB: frames, pressed offsets, disabled text colours, row-header texts by
// mode, row colour overrides and the band beyond the last column.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/ctl_colors.h"
#include "columns/header_paint.h"
#include "core/row_format.h"
#include "plain_record.h"
#include "support/dib.h"
#include "layout/gdi_guards.h"

namespace {

constexpr COLORREF kFill = RGB(1, 2, 3);           // what the painters must leave alone
constexpr COLORREF kEditBack = RGB(250, 240, 5);   // the control's background brush
constexpr int kWidth = 60;                         // every column
constexpr RECT kBand = {0, 0, 200, 20};
// A row header or corner cell, its interior and its frame.
constexpr RECT kCell = {0, 0, 40, 20}, kInside = {1, 1, 38, 18}, kFrame = {0, 0, 39, 19};

// The leftmost x in rc with colour c, or -1.
int Leftmost(const Dib& d, const RECT& rc, COLORREF c)
{
    for (int x = rc.left; x < rc.right; ++x)
        for (int y = rc.top; y < rc.bottom; ++y)
            if (d.At(x, y) == c)
                return x;
    return -1;
}

std::vector<COLORREF> Pixels(const Dib& d, const RECT& rc)
{
    std::vector<COLORREF> out;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            out.push_back(d.At(x, y));
    return out;
}

// A frame on rc judged at the middle of each side: raised has the highlight
// on top and left, sunken the shadow.
void ExpectFrame(const Dib& d, const RECT& rc, bool raised, COLORREF hi, COLORREF sh)
{
    const int mx = (rc.left + rc.right) / 2, my = (rc.top + rc.bottom) / 2;
    EXPECT_EQ(d.At(mx, rc.top), raised ? hi : sh) << "top";
    EXPECT_EQ(d.At(rc.left, my), raised ? hi : sh) << "left";
    EXPECT_EQ(d.At(mx, rc.bottom - 1), raised ? sh : hi) << "bottom";
    EXPECT_EQ(d.At(rc.right - 1, my), raised ? sh : hi) << "right";
}

class HeaderPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitPlainRecord(&rec_, 3);
        LOGFONTA lf;   // the GUI font unsmoothed, so text pixels carry the exact colour
        ASSERT_TRUE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf));
        lf.lfQuality = NONANTIALIASED_QUALITY;
        font_.reset(CreateFontIndirectA(&lf));
        TEXTMETRICA tm;
        SelectGuard select(work1_.get(), font_.get());
        ASSERT_TRUE(font_ && work2_ && GetTextMetricsA(work1_.get(), &tm));
        for (int i = 0; i < 3; ++i)
            rec_.columns[i].width = kWidth;
        rec_.hfont = font_.get();
        rec_.avgCharWidth = tm.tmAveCharWidth;
        rec_.showHeader = TARN_HEADER_BUTTONS;
        rec_.headerButton = -1;
        rec_.openEnded = TRUE;
        rec_.showRowHeader = TARN_ROWHEADER_INDEX;
        rec_.showRowColHeaderButton = TRUE;
        for (int i = 0; i < TARNCLR_COUNT; ++i)   // distinct, non-grey colours for every slot
            rec_.colors[i] = RGB(20 + 5 * i, 100 + 3 * i, 200 - 4 * i);
        rec_.hbrEditBack = editBack_.get();
    }
    void TearDown() override
    {
        free(rec_.rowColText);
        FreePlainRecord(&rec_);
    }

    COLORREF C(int slot) const { return rec_.colors[slot]; }

    // Paints into a fresh DIB whose DC is set up as the paint handler leaves
    // it (black pen), and checks the painter gives that DC back unchanged.
    std::unique_ptr<Dib> Painted(int w, int h, const std::function<void(HDC)>& paint)
    {
        auto d = std::make_unique<Dib>(w, h, kFill);
        HDC dc = d->dc();
        SetBkColor(dc, RGB(3, 4, 5));
        SetTextColor(dc, RGB(6, 7, 8));
        SelectGuard font(dc, GetStockObject(SYSTEM_FONT)), pen(dc, GetStockObject(BLACK_PEN));
        const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
        paint(dc);
        EXPECT_TRUE(GetBkMode(dc) == OPAQUE && GetBkColor(dc) == RGB(3, 4, 5) && GetTextColor(dc) == RGB(6, 7, 8));
        EXPECT_TRUE(GetCurrentObject(dc, OBJ_FONT) == GetStockObject(SYSTEM_FONT) &&
                    GetCurrentObject(dc, OBJ_PEN) == GetStockObject(BLACK_PEN) &&
                    GetCurrentObject(dc, OBJ_BRUSH) == brush);
        return d;
    }
    std::unique_ptr<Dib> Headers(const RECT& band = kBand, int width = 210)
    {
        return Painted(width, 24, [&](HDC dc) { PaintColumnHeaders(&rec_, dc, w1(), w2(), band, 3 * kWidth); });
    }
    std::unique_ptr<Dib> Corner()
    {
        return Painted(40, 20, [&](HDC dc) { PaintCorner(&rec_, dc, w1(), w2(), kCell); });
    }
    std::unique_ptr<Dib> RowHeader(TarnItem* item, int row, bool enabled = true)
    {
        return Painted(40, 20, [&](HDC dc) { PaintRowHeader(&rec_, dc, w1(), w2(), item, row, kCell, false, enabled); });
    }
    HDC w1() { return work1_.get(); }
    HDC w2() { return work2_.get(); }
    // A stored row (row 0) with a row-header text.
    TarnItem* RowWithText(const char* text)
    {
        TarnItem blank = {};
        blank.flags = TARNIF_ENABLED;
        EXPECT_EQ(InsertItem(&rec_, &blank, 0, "cell", 0), 0);
        rec_.items[0]->rowText = DuplicateText(text);
        return rec_.items[0];
    }

    ControlRecord rec_;
    FontGuard font_;
    BrushGuard editBack_{CreateSolidBrush(kEditBack)};
    MemoryDC work1_{nullptr}, work2_{nullptr};
};

TEST_F(HeaderPaintTest, ColumnHeadersFramePressAndGreyByModeButtonAndFormat)
{
    // The right-aligned column is disabled, its disabled colour the button
    // face: grey on grey would vanish, so it takes the other grey.
    rec_.colors[TARNCLR_COLHEADERDISABLEDTEXTCOLOR] = TARN_SYSCOLOR(COLOR_BTNFACE);
    const COLORREF light = RGB(192, 192, 192), onFace = GetSysColor(COLOR_BTNFACE) == light ? RGB(128, 128, 128) : light;
    const COLORREF texts[] = {C(TARNCLR_COLHEADERTEXTCOLOR), C(TARNCLR_COLHEADERTEXTCOLOR), onFace};
    const UINT formats[] = {TARNHF_LEFT, TARNHF_CENTER, TARNHF_RIGHT | TARNHF_DISABLED};
    for (int i = 0; i < 3; ++i)
        rec_.columns[i].headerText = "Hi", rec_.columns[i].headerFormat = formats[i];
    int unpressed[3] = {};
    for (int mode : {TARN_HEADER_BUTTONS, TARN_HEADER_FLAT}) {
        for (int button : {-1, 1}) {
            rec_.showHeader = mode;
            rec_.headerButton = button;
            auto d = Headers();
            for (int col = 0; col < 3; ++col) {
                SCOPED_TRACE(testing::Message() << "mode " << mode << " button " << button << " col " << col);
                const int x = col * kWidth;
                const int at = Leftmost(*d, {x + 1, 1, x + kWidth - 1, 19}, texts[col]);
                if (mode == TARN_HEADER_BUTTONS && button < 0)
                    unpressed[col] = at;
                EXPECT_TRUE(at > x && at == unpressed[col] + (col == button)) << at;
                ExpectFrame(*d, {x, 0, x + kWidth - 1, kBand.bottom - 1}, mode == TARN_HEADER_BUTTONS && col != button,
                            C(TARNCLR_COLHEADERHIGHLIGHTCOLOR), C(TARNCLR_COLHEADERSHADOWCOLOR));
                EXPECT_EQ(d->At(x + kWidth - 1, 8), kFill) << "the last pixel column stays background";
                EXPECT_EQ(d->At(x + 10, kBand.bottom - 1), kFill) << "so does the bottom line";
            }
        }
    }
}

TEST_F(HeaderPaintTest, CornerIsRaisedOnlyAsAnUnpressedButtonAndGreysInItsOwnColour)
{
    rec_.rowColText = DuplicateText("HHH");
    struct { BOOL button, pressed; int style; bool raised; int text; } cases[] = {
        {1, 0, 0, true, TARNCLR_ROWCOLHEADERTEXTCOLOR}, {1, 1, 0, false, TARNCLR_ROWCOLHEADERTEXTCOLOR},
        {0, 0, TARNRHS_DISABLED, false, TARNCLR_ROWCOLHEADERDISABLEDTEXTCOLOR}};
    int unpressed = -1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " pressed " << c.pressed << " style " << c.style);
        rec_.showRowColHeaderButton = c.button;
        rec_.rowColHeaderButton = c.pressed;
        rec_.rowColHeaderStyle = c.style;
        auto d = Corner();
        ExpectFrame(*d, kFrame, c.raised, C(TARNCLR_ROWCOLHEADERHIGHLIGHTCOLOR), C(TARNCLR_ROWCOLHEADERSHADOWCOLOR));
        const int text = Leftmost(*d, kInside, C(c.text));
        unpressed = unpressed < 0 ? text : unpressed;
        EXPECT_TRUE(text > 0 && text == unpressed + c.pressed);
        EXPECT_EQ(d->At(kInside.right - 1, 10), C(TARNCLR_ROWCOLHEADERBACKCOLOR));
        EXPECT_EQ(d->At(kFrame.right, 10), kFill);
        EXPECT_EQ(d->At(10, kFrame.bottom), kFill);
    }
}

TEST_F(HeaderPaintTest, RowHeaderTextFollowsTheModeAndTheRowsOwnText)
{
    auto paint = [&](int mode, int row, TarnItem* item = nullptr) {
        rec_.showRowHeader = mode;
        return RowHeader(item, row);
    };
    const COLORREF text = C(TARNCLR_ROWHEADERTEXTCOLOR);
    auto number = paint(TARN_ROWHEADER_NUMBER, 0), index = paint(TARN_ROWHEADER_INDEX, 0);
    EXPECT_GT(number->Count(kInside, text), 0);
    EXPECT_NE(Pixels(*number, kInside), Pixels(*index, kInside)) << "\"1\" and \"0\" differ";
    EXPECT_EQ(Pixels(*number, kCell), Pixels(*paint(TARN_ROWHEADER_INDEX, 1), kCell))
        << "row 0 numbered from 1 reads like row 1 numbered from 0";
    EXPECT_EQ(Pixels(*paint(TARN_ROWHEADER_NONE, 0), kCell), Pixels(*index, kCell));
    for (int mode : {TARN_ROWHEADER_BUTTON, TARN_ROWHEADER_FLAT})
        EXPECT_EQ(paint(mode, 0)->Count(kInside, text), 0) << "mode " << mode;
    // The row's own text wins over the number, in every mode.
    TarnItem* item = RowWithText("7");
    for (int mode : {TARN_ROWHEADER_BUTTON, TARN_ROWHEADER_NUMBER})
        EXPECT_EQ(Pixels(*paint(mode, 0, item), kCell), Pixels(*paint(TARN_ROWHEADER_INDEX, 7), kCell)) << mode;
}

TEST_F(HeaderPaintTest, RowHeaderColoursPressAndFrameFollowSelectionModeStyleAndRowColours)
{
    TarnItem* item = RowWithText("H");
    RowFormat* own = CreateRowFormat();
    ASSERT_NE(own, nullptr);
    const COLORREF ownBack = RGB(9, 99, 199), ownText = RGB(77, 1, 177), ownSelText = RGB(199, 9, 99);
    own->backColor = ownBack, own->textColor = ownText, own->selTextColor = ownSelText;
    const COLORREF back = C(TARNCLR_ROWHEADERBACKCOLOR), selBack = C(TARNCLR_ROWHEADERSELBACKCOLOR);
    const COLORREF text = C(TARNCLR_ROWHEADERTEXTCOLOR), selText = C(TARNCLR_ROWHEADERSELTEXTCOLOR);
    const COLORREF grey = C(TARNCLR_ROWHEADERDISABLEDTEXTCOLOR);
    const int B = TARN_ROWHEADER_BUTTON;
    struct Case { int mode, style; bool selected, enabled, own; COLORREF back, text; bool pressed, raised; };
    const Case cases[] = {
        {B, 0, false, true, false, back, text, false, true},
        {B, 0, true, true, false, selBack, selText, true, false},
        {B, TARNRHS_NOPRESS, true, true, false, selBack, selText, false, true},
        {TARN_ROWHEADER_FLAT, 0, true, true, false, selBack, selText, false, false},
        {TARN_ROWHEADER_INDEXFLAT, 0, true, true, false, selBack, selText, false, false},
        {B, TARNRHS_DISABLED, false, true, false, back, grey, false, true},
        {B, 0, false, false, false, back, grey, false, true},
        {B, 0, false, true, true, ownBack, ownText, false, true},
        {B, 0, true, true, true, selBack, ownSelText, true, false},    // no own selected background
        {B, TARNRHS_DISABLED, false, true, true, ownBack, ownText, false, true},   // own text beats grey
    };
    int unpressed = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        rec_.showRowHeader = c.mode;
        rec_.rowHeaderStyle = c.style;
        rec_.curSel = c.selected ? 0 : -1;
        item->rowInfo = c.own ? own : nullptr;
        auto d = RowHeader(item, 0, c.enabled);
        const int x = Leftmost(*d, kInside, c.text);
        unpressed = unpressed < 0 ? x : unpressed;
        EXPECT_TRUE(x > 0 && x == unpressed + c.pressed) << x;
        EXPECT_EQ(d->At(30, 10), c.back);
        EXPECT_EQ(d->At(kFrame.right, 10), kEditBack) << "the whole rectangle starts as control background";
        ExpectFrame(*d, kFrame, c.raised, C(TARNCLR_ROWHEADERHIGHLIGHTCOLOR), C(TARNCLR_ROWHEADERSHADOWCOLOR));
    }
    item->rowInfo = own;
}

TEST_F(HeaderPaintTest, BandBeyondTheLastColumnIsFilledAndUnderlinedWhenNotOpenEnded)
{
    const RECT band = {0, 0, 300, 20};
    struct { BOOL openEnded; int offset; } cases[] = {{FALSE, 0}, {FALSE, 25}, {TRUE, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "openEnded " << c.openEnded << " offset " << c.offset);
        rec_.openEnded = c.openEnded;
        rec_.horizontalOffset = c.offset;
        auto d = Headers(band, 310);
        // From the last column's scrolled end to band.right + 1; the line is the black pen.
        const int end = 3 * kWidth - c.offset, width = band.right + 1 - end;
        EXPECT_EQ(d->Count({end, 0, band.right + 1, band.bottom - 1}, c.openEnded ? kFill : C(TARNCLR_COLHEADERBACKCOLOR)),
                  width * (band.bottom - 1));
        EXPECT_EQ(d->Count({end, band.bottom - 1, band.right + 1, band.bottom}, c.openEnded ? kFill : RGB(0, 0, 0)), width);
        EXPECT_EQ(d->At(end - 1, band.bottom - 1), kFill) << "no line under the columns";
        EXPECT_EQ(d->At(end - 2, 9), C(TARNCLR_COLHEADERSHADOWCOLOR)) << "the last column's frame ends there";
    }
}

} // namespace
