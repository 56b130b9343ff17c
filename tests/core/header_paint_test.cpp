// The header painters on a control record built in memory, painting into a
// DIB: frames, pressed offsets, disabled text colours, row-header texts by
// mode, row colour overrides and the band beyond the last column.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "columns/ctl_colors.h"
#include "columns/header_paint.h"
#include "columns/row_format.h"
#include "plain_record.h"
#include "support/dib.h"
#include "window/gdi_guards.h"

namespace {

constexpr COLORREF kFill = RGB(1, 2, 3);           // what the painters must leave alone
constexpr COLORREF kEditBack = RGB(250, 240, 5);   // the control's background brush
constexpr int kWidth = 60;                         // every column

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

class HeaderPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitPlainRecord(&rec_, 3);
        for (int i = 0; i < 3; ++i)
            rec_.columns[i].width = kWidth;

        // The GUI font without smoothing, so text pixels carry the exact colour.
        LOGFONTA lf;
        ASSERT_NE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), 0);
        lf.lfQuality = NONANTIALIASED_QUALITY;
        font_.reset(CreateFontIndirectA(&lf));
        ASSERT_TRUE(font_);
        TEXTMETRICA tm;
        {
            MemoryDC measure(nullptr);
            SelectGuard select(measure.get(), font_.get());
            ASSERT_TRUE(GetTextMetricsA(measure.get(), &tm));
        }
        rec_.hfont = font_.get();
        rec_.tmFont = rec_.tmColHeader = rec_.tmRowHeader = tm;
        rec_.avgCharWidth = tm.tmAveCharWidth;
        rec_.itemLines = 1;
        rec_.fixedItemHeight = TRUE;
        rec_.showHeader = TARN_HEADER_BUTTONS;
        rec_.headerButton = -1;
        rec_.openEnded = TRUE;
        rec_.showRowHeader = TARN_ROWHEADER_INDEX;
        rec_.showRowColHeaderButton = TRUE;
        // Distinct, non-grey colours for every slot.
        for (int i = 0; i < TARNCLR_COUNT; ++i)
            rec_.colors[i] = RGB(20 + 5 * i, 100 + 3 * i, 200 - 4 * i);
        editBack_.reset(CreateSolidBrush(kEditBack));
        rec_.hbrEditBack = editBack_.get();
    }
    void TearDown() override { FreePlainRecord(&rec_); }

    COLORREF C(int slot) const { return rec_.colors[slot]; }

    void PaintHeaders(Dib& d, const RECT& band, int visibleWidth)
    {
        PaintColumnHeaders(&rec_, d.dc(), work1_.get(), work2_.get(), band, visibleWidth);
    }
    void PaintRow(Dib& d, TarnItem* item, int row, const RECT& rc, bool enabled = true)
    {
        PaintRowHeader(&rec_, d.dc(), work1_.get(), work2_.get(), item, row, rc, false, enabled);
    }
    // A stored row (row 0) with a row-header text.
    TarnItem* RowWithText(const char* text)
    {
        TarnItem blank = {};
        blank.flags = TARNIF_ENABLED;
        EXPECT_EQ(InsertItem(&rec_, &blank, 0, "cell", 0), 0);
        TarnItem* item = GetItem(&rec_, 0);
        item->rowText = DuplicateText(text);
        ReleaseItem(&rec_);
        return item;
    }

    ControlRecord rec_;
    FontGuard font_;
    BrushGuard editBack_;
    MemoryDC work1_{nullptr};
    MemoryDC work2_{nullptr};
};

TEST_F(HeaderPaintTest, ColumnHeaderFramesAreRaisedOnlyForUnpressedButtons)
{
    const RECT band = {0, 0, 200, 20};
    const COLORREF hi = C(TARNCLR_COLHEADERHIGHLIGHTCOLOR), sh = C(TARNCLR_COLHEADERSHADOWCOLOR);
    for (int mode : {TARN_HEADER_BUTTONS, TARN_HEADER_FLAT}) {
        for (int button : {-1, 1}) {
            rec_.showHeader = mode;
            rec_.headerButton = button;
            Dib d(210, 24, kFill);
            PaintHeaders(d, band, 3 * kWidth);
            for (int col = 0; col < 3; ++col) {
                const int x = col * kWidth;
                const bool raised = mode == TARN_HEADER_BUTTONS && col != button;
                const COLORREF first = raised ? hi : sh, second = raised ? sh : hi;
                SCOPED_TRACE(testing::Message() << "mode " << mode << " button " << button << " col " << col);
                EXPECT_EQ(d.At(x + 10, 0), first);                    // top
                EXPECT_EQ(d.At(x, 8), first);                         // left
                EXPECT_EQ(d.At(x + 10, band.bottom - 2), second);     // bottom
                EXPECT_EQ(d.At(x + kWidth - 2, 8), second);           // right
                EXPECT_EQ(d.At(x + 30, 9), C(TARNCLR_COLHEADERBACKCOLOR));
                EXPECT_EQ(d.At(x + kWidth - 1, 8), kFill) << "the last pixel column stays background";
                EXPECT_EQ(d.At(x + 10, band.bottom - 1), kFill) << "the bottom line stays background";
            }
            EXPECT_EQ(d.Count(RECT{3 * kWidth, 0, 210, 24}, kFill), (210 - 3 * kWidth) * 24)
                << "nothing right of the open-ended last column";
        }
    }
}

TEST_F(HeaderPaintTest, PressedColumnHeaderTextMovesOnePixelRight)
{
    const char* texts[] = {"H", "Hi", "HH"};
    for (int i = 0; i < 3; ++i)
        rec_.columns[i].headerText = texts[i];
    const RECT band = {0, 0, 200, 20};
    const RECT second = {kWidth + 1, 1, 2 * kWidth - 1, 19};
    const COLORREF text = C(TARNCLR_COLHEADERTEXTCOLOR);
    for (int format : {TARNHF_LEFT, TARNHF_CENTER, TARNHF_RIGHT}) {
        rec_.columns[1].headerFormat = format;
        rec_.headerButton = -1;
        Dib up(210, 24, kFill);
        PaintHeaders(up, band, 3 * kWidth);
        rec_.headerButton = 1;
        Dib down(210, 24, kFill);
        PaintHeaders(down, band, 3 * kWidth);
        const int x = Leftmost(up, second, text);
        ASSERT_GE(x, 0) << "format " << format;
        EXPECT_EQ(Leftmost(down, second, text), x + 1) << "format " << format;
        // The other columns do not move.
        const RECT first = {1, 1, kWidth - 1, 19};
        EXPECT_EQ(Leftmost(down, first, text), Leftmost(up, first, text));
    }
}

TEST_F(HeaderPaintTest, DisabledTextTakesTheOtherGreyOnTheButtonFace)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF light = RGB(0xC0, 0xC0, 0xC0), dark = RGB(0x80, 0x80, 0x80);
    const COLORREF onFace = face == light ? dark : light;
    EXPECT_EQ(DisabledHeaderTextColor(face), onFace);
    EXPECT_EQ(DisabledHeaderTextColor(TARN_SYSCOLOR(COLOR_BTNFACE)), onFace) << "compared once resolved";
    const COLORREF nearFace = face ^ RGB(0, 0, 1);
    EXPECT_EQ(DisabledHeaderTextColor(nearFace), nearFace);

    // Painted: a disabled column uses the swapped grey, its enabled neighbour
    // the normal text colour.
    const char* texts[] = {"HHH", "HHH", "HHH"};
    for (int i = 0; i < 3; ++i)
        rec_.columns[i].headerText = texts[i];
    rec_.columns[1].headerFormat = TARNHF_DISABLED;
    rec_.colors[TARNCLR_COLHEADERDISABLEDTEXTCOLOR] = TARN_SYSCOLOR(COLOR_BTNFACE);
    Dib d(210, 24, kFill);
    PaintHeaders(d, RECT{0, 0, 200, 20}, 3 * kWidth);
    const RECT enabledCell = {1, 1, kWidth - 1, 19}, disabledCell = {kWidth + 1, 1, 2 * kWidth - 1, 19};
    EXPECT_GT(d.Count(enabledCell, C(TARNCLR_COLHEADERTEXTCOLOR)), 0);
    EXPECT_EQ(d.Count(enabledCell, onFace), 0);
    EXPECT_GT(d.Count(disabledCell, onFace), 0);
    EXPECT_EQ(d.Count(disabledCell, C(TARNCLR_COLHEADERTEXTCOLOR)), 0);

    // The corner follows its own group's disabled colour.
    rec_.rowColText = DuplicateText("HHH");
    rec_.rowColHeaderStyle = TARNRHS_DISABLED;
    Dib corner(40, 24, kFill);
    PaintCorner(&rec_, corner.dc(), work1_.get(), work2_.get(), RECT{0, 0, 40, 20});
    EXPECT_GT(corner.Count(RECT{1, 1, 38, 18}, C(TARNCLR_ROWCOLHEADERDISABLEDTEXTCOLOR)), 0);
    EXPECT_EQ(corner.Count(RECT{1, 1, 38, 18}, C(TARNCLR_ROWCOLHEADERTEXTCOLOR)), 0);
    free(rec_.rowColText);
    rec_.rowColText = nullptr;
}

TEST_F(HeaderPaintTest, CornerFrameIsRaisedOnlyAsAnUnpressedButton)
{
    const RECT rc = {0, 0, 30, 20};
    const COLORREF hi = C(TARNCLR_ROWCOLHEADERHIGHLIGHTCOLOR), sh = C(TARNCLR_ROWCOLHEADERSHADOWCOLOR);
    struct { BOOL button, pressed; bool raised; } cases[] = {{1, 0, true}, {1, 1, false}, {0, 0, false}};
    for (const auto& c : cases) {
        rec_.showRowColHeaderButton = c.button;
        rec_.rowColHeaderButton = c.pressed;
        Dib d(40, 24, kFill);
        PaintCorner(&rec_, d.dc(), work1_.get(), work2_.get(), rc);
        SCOPED_TRACE(testing::Message() << "button " << c.button << " pressed " << c.pressed);
        EXPECT_EQ(d.At(10, 0), c.raised ? hi : sh);
        EXPECT_EQ(d.At(0, 10), c.raised ? hi : sh);
        EXPECT_EQ(d.At(10, 18), c.raised ? sh : hi);
        EXPECT_EQ(d.At(28, 10), c.raised ? sh : hi);
        EXPECT_EQ(d.At(10, 10), C(TARNCLR_ROWCOLHEADERBACKCOLOR));
        EXPECT_EQ(d.At(29, 10), kFill);
        EXPECT_EQ(d.At(10, 19), kFill);
    }
}

TEST_F(HeaderPaintTest, RowHeaderTextFollowsTheModeAndTheRowsOwnText)
{
    const RECT rc = {0, 0, 40, 20}, inside = {1, 1, 38, 18};
    const COLORREF text = C(TARNCLR_ROWHEADERTEXTCOLOR);
    auto paint = [&](int mode, TarnItem* item, int row) {
        rec_.showRowHeader = mode;
        auto d = std::make_unique<Dib>(40, 20, kFill);
        PaintRow(*d, item, row, rc);
        return d;
    };
    auto number = paint(TARN_ROWHEADER_NUMBER, nullptr, 0);
    auto index = paint(TARN_ROWHEADER_INDEX, nullptr, 0);
    auto none = paint(TARN_ROWHEADER_BUTTON, nullptr, 0);
    EXPECT_GT(number->Count(inside, text), 0);
    EXPECT_GT(index->Count(inside, text), 0);
    EXPECT_EQ(none->Count(inside, text), 0);
    EXPECT_NE(Pixels(*number, inside), Pixels(*index, inside)) << "\"1\" and \"0\" differ";
    // Row 0 numbered from 1 reads like row 1 numbered from 0.
    EXPECT_EQ(Pixels(*number, rc), Pixels(*paint(TARN_ROWHEADER_INDEX, nullptr, 1), rc));
    EXPECT_EQ(paint(TARN_ROWHEADER_FLAT, nullptr, 0)->Count(inside, text), 0);
    EXPECT_EQ(Pixels(*paint(TARN_ROWHEADER_NONE, nullptr, 0), rc), Pixels(*index, rc));

    // The row's own text wins over the number, in every mode.
    TarnItem* item = RowWithText("7");
    EXPECT_EQ(Pixels(*paint(TARN_ROWHEADER_BUTTON, item, 0), rc), Pixels(*paint(TARN_ROWHEADER_INDEX, nullptr, 7), rc));
    EXPECT_EQ(Pixels(*paint(TARN_ROWHEADER_NUMBER, item, 0), rc), Pixels(*paint(TARN_ROWHEADER_INDEX, nullptr, 7), rc));
}

TEST_F(HeaderPaintTest, SelectedRowHeaderIsPressedUnlessFlatOrToldNotTo)
{
    TarnItem* item = RowWithText("H");
    const RECT rc = {0, 0, 40, 20}, inside = {1, 1, 38, 18};
    const COLORREF hi = C(TARNCLR_ROWHEADERHIGHLIGHTCOLOR), sh = C(TARNCLR_ROWHEADERSHADOWCOLOR);
    rec_.showRowHeader = TARN_ROWHEADER_BUTTON;

    Dib normal(40, 20, kFill);
    PaintRow(normal, item, 0, rc);
    const int x = Leftmost(normal, inside, C(TARNCLR_ROWHEADERTEXTCOLOR));
    ASSERT_GE(x, 0);
    EXPECT_EQ(normal.At(10, 0), hi);
    EXPECT_EQ(normal.At(39, 10), kEditBack) << "the whole rectangle starts as control background";

    struct Case { int mode; UINT style; bool pressed; bool raised; } cases[] = {
        {TARN_ROWHEADER_BUTTON, 0, true, false},
        {TARN_ROWHEADER_BUTTON, TARNRHS_NOPRESS, false, true},
        {TARN_ROWHEADER_FLAT, 0, false, false},
        {TARN_ROWHEADER_INDEXFLAT, 0, false, false},
    };
    rec_.curSel = 0;
    for (const Case& c : cases) {
        rec_.showRowHeader = c.mode;
        rec_.rowHeaderStyle = static_cast<int>(c.style);
        Dib d(40, 20, kFill);
        PaintRow(d, item, 0, rc);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " style " << c.style);
        EXPECT_EQ(d.At(30, 10), C(TARNCLR_ROWHEADERSELBACKCOLOR));
        EXPECT_EQ(d.Count(inside, C(TARNCLR_ROWHEADERTEXTCOLOR)), 0);
        EXPECT_EQ(Leftmost(d, inside, C(TARNCLR_ROWHEADERSELTEXTCOLOR)), x + (c.pressed ? 1 : 0));
        EXPECT_EQ(d.At(10, 0), c.raised ? hi : sh);
        EXPECT_EQ(d.At(38, 10), c.raised ? sh : hi);
    }
}

TEST_F(HeaderPaintTest, RowColoursOverrideTheTableAndDisabledRowsGoGrey)
{
    TarnItem* item = RowWithText("HH");
    item->rowInfo = CreateRowFormat();
    ASSERT_NE(item->rowInfo, nullptr);
    const COLORREF ownBack = RGB(9, 99, 199), ownSelText = RGB(199, 9, 99);
    item->rowInfo->backColor = ownBack;
    item->rowInfo->selTextColor = ownSelText;
    const RECT rc = {0, 0, 40, 20}, inside = {1, 1, 38, 18};

    Dib plain(40, 20, kFill);
    PaintRow(plain, item, 0, rc);
    EXPECT_EQ(plain.At(30, 10), ownBack);
    EXPECT_GT(plain.Count(inside, C(TARNCLR_ROWHEADERTEXTCOLOR)), 0);

    rec_.curSel = 0;
    Dib selected(40, 20, kFill);
    PaintRow(selected, item, 0, rc);
    EXPECT_EQ(selected.At(30, 10), C(TARNCLR_ROWHEADERSELBACKCOLOR)) << "no own selected background";
    EXPECT_GT(selected.Count(inside, ownSelText), 0);

    // Disabled by format or by the caller: the disabled colour, unless the
    // row brings its own text colour.
    rec_.curSel = -1;
    for (bool byStyle : {true, false}) {
        rec_.rowHeaderStyle = byStyle ? static_cast<int>(TARNRHS_DISABLED) : 0;
        Dib grey(40, 20, kFill);
        PaintRow(grey, item, 0, rc, byStyle);
        EXPECT_GT(grey.Count(inside, C(TARNCLR_ROWHEADERDISABLEDTEXTCOLOR)), 0) << byStyle;
        EXPECT_EQ(grey.Count(inside, C(TARNCLR_ROWHEADERTEXTCOLOR)), 0) << byStyle;
    }
    const COLORREF ownText = RGB(77, 1, 177);
    item->rowInfo->textColor = ownText;
    Dib own(40, 20, kFill);
    PaintRow(own, item, 0, rc);
    EXPECT_GT(own.Count(inside, ownText), 0);
    EXPECT_EQ(own.Count(inside, C(TARNCLR_ROWHEADERDISABLEDTEXTCOLOR)), 0);
}

TEST_F(HeaderPaintTest, BandBeyondTheLastColumnIsFilledAndUnderlinedWhenNotOpenEnded)
{
    const RECT band = {0, 0, 300, 20};
    const int end = 3 * kWidth;
    for (BOOL openEnded : {FALSE, TRUE}) {
        rec_.openEnded = openEnded;
        Dib d(310, 24, kFill);
        SelectGuard pen(d.dc(), GetStockObject(BLACK_PEN));   // the paint handler's pen
        PaintHeaders(d, band, end);
        SCOPED_TRACE(testing::Message() << "openEnded " << openEnded);
        const RECT rest = {end, 0, band.right, band.bottom - 1};
        const RECT line = {end, band.bottom - 1, band.right, band.bottom};
        const int restArea = (band.right - end) * (band.bottom - 1);
        EXPECT_EQ(d.Count(rest, openEnded ? kFill : C(TARNCLR_COLHEADERBACKCOLOR)), restArea);
        EXPECT_EQ(d.Count(line, openEnded ? kFill : RGB(0, 0, 0)), band.right - end);
        EXPECT_EQ(d.At(end - 1, band.bottom - 1), kFill) << "no line under the columns";
    }
}

TEST_F(HeaderPaintTest, PaintersGiveTheDeviceContextBackAsTheyFoundIt)
{
    rec_.columns[0].headerText = "H";
    rec_.rowColText = DuplicateText("C");
    Dib d(310, 24, kFill);
    HDC dc = d.dc();
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(3, 4, 5));
    SetTextColor(dc, RGB(6, 7, 8));
    SelectGuard font(dc, GetStockObject(SYSTEM_FONT));
    SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    rec_.openEnded = FALSE;

    PaintHeaders(d, RECT{40, 0, 300, 20}, 200);
    PaintCorner(&rec_, dc, work1_.get(), work2_.get(), RECT{0, 0, 40, 20});
    PaintRowHeader(&rec_, dc, work1_.get(), work2_.get(), nullptr, 3, RECT{0, 0, 40, 20}, false, true);

    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), RGB(3, 4, 5));
    EXPECT_EQ(GetTextColor(dc), RGB(6, 7, 8));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    free(rec_.rowColText);
    rec_.rowColText = nullptr;
}

} // namespace
