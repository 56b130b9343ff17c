// The header painters on a control record built in memory, painting into a
// DIB: frames, pressed offsets, disabled text colours, row-header texts by
// mode, row colour overrides and the band beyond the last column.
#include <memory>

#include "columns/header_paint.h"
#include "core/row_format.h"
#include "paint_record.h"

namespace {

constexpr COLORREF kFill = RGB(1, 2, 3);           // what the painters must leave alone
constexpr COLORREF kEditBack = RGB(250, 240, 5);   // the control's background brush
// A row header, its interior and its frame.
constexpr RECT kCell = {0, 0, 40, 20}, kInside = {1, 1, 38, 18}, kFrame = {0, 0, 39, 19};

class HeaderPaintTest : public PaintRecordTest {
protected:
    void SetUp() override
    {
        Init(3);
        rec_.hbrEditBack = editBack_.get();
        ASSERT_EQ(InsertItem(&rec_, nullptr, 0, "cell", 0), 0);
    }
    std::unique_ptr<Dib> Painted(const std::function<void(HDC)>& paint, int width = kCell.right)
    {
        auto d = std::make_unique<Dib>(width, kCell.bottom + 4, kFill);
        Restoring(d->dc(), [&] { paint(d->dc()); });
        return d;
    }

    BrushGuard editBack_{CreateSolidBrush(kEditBack)};
};

// Three columns 100 wide: left-aligned, centred, and right-aligned and
// disabled, with the button face as disabled colour, where grey on grey would
// vanish, so it takes the other grey. The band beyond the last column is
// header face underlined with the DC's pen, unless the last column is open-ended.
TEST_F(HeaderPaintTest, ColumnHeadersFramePressAndGreyAndTheBandBeyondIsFilled)
{
    rec_.colors[TARNCLR_COLHEADERDISABLEDTEXTCOLOR] = TARN_SYSCOLOR(COLOR_BTNFACE);
    const COLORREF onFace = GetSysColor(COLOR_BTNFACE) == RGB(192, 192, 192) ? RGB(128, 128, 128) : RGB(192, 192, 192);
    const COLORREF texts[] = {C(TARNCLR_COLHEADERTEXTCOLOR), C(TARNCLR_COLHEADERTEXTCOLOR), onFace};
    rec_.columns[0].headerFormat = TARNHF_LEFT, rec_.columns[1].headerFormat = TARNHF_CENTER;
    rec_.columns[2].headerFormat = TARNHF_RIGHT | TARNHF_DISABLED;
    rec_.columns[0].headerText = rec_.columns[1].headerText = rec_.columns[2].headerText = "Hi";
    const RECT band = {30, 0, 430, kCell.bottom};
    int unpressed[3] = {};
    const struct { int mode, button; BOOL openEnded; int offset; } cases[] = {
        {TARN_HEADER_BUTTONS, -1, TRUE, 0}, {TARN_HEADER_BUTTONS, 1, FALSE, 0},
        {TARN_HEADER_FLAT, -1, FALSE, 25}, {TARN_HEADER_FLAT, 2, TRUE, 25}};
    for (const auto& c : cases) {
        rec_.showHeader = c.mode, rec_.headerButton = c.button;
        rec_.openEnded = c.openEnded, rec_.horizontalOffset = c.offset;
        auto d = Painted([&](HDC dc) { PaintColumnHeaders(&rec_, dc, work(), band, 300); }, 440);
        for (int col = 0; col < 3; ++col) {
            SCOPED_TRACE(testing::Message() << "mode " << c.mode << " button " << c.button << " col " << col);
            const int x = band.left - c.offset + col * 100;
            const int at = BoundsOf(*d, {x + 1, 1, x + 99, band.bottom - 1}, texts[col]).left;
            unpressed[col] = unpressed[col] ? unpressed[col] : at;
            EXPECT_TRUE(at > x && at == unpressed[col] - c.offset + (col == c.button)) << at;
            ExpectFrame(*d, {x, 0, x + 99, band.bottom - 1}, c.mode == TARN_HEADER_BUTTONS && col != c.button,
                        C(TARNCLR_COLHEADERHIGHLIGHTCOLOR), C(TARNCLR_COLHEADERSHADOWCOLOR));
        }
        // From the last column's end (the open-ended one ends with the width
        // given) to one pixel beyond the band: header face, underlined.
        const int end = band.left - c.offset + 300, width = band.right + 1 - end, h = band.bottom - 1;
        EXPECT_EQ(d->Count({end, 0, band.right + 1, h}, C(TARNCLR_COLHEADERBACKCOLOR)), width * h);
        EXPECT_EQ(d->Count({end - 1, h, band.right + 2, h + 1}, 0), width);
    }
}

// Row headers: colours by selection, state and the row's own colours; pressed
// (text one pixel to the right, frame sunken) and flat looks by mode and
// style. Every case shows "7": the row's own text, else its 0-based index or
// 1-based number as the mode says.
TEST_F(HeaderPaintTest, RowHeaderTextsColoursPressAndFramesFollowModeStyleAndSelection)
{
    RowFormat* own = rec_.items[0]->rowInfo = CreateRowFormat();
    const COLORREF ownBack = RGB(9, 99, 199), ownText = RGB(77, 1, 177), ownSelText = RGB(199, 9, 99);
    own->backColor = ownBack, own->textColor = ownText, own->selTextColor = ownSelText;
    const COLORREF back = C(TARNCLR_ROWHEADERBACKCOLOR), selBack = C(TARNCLR_ROWHEADERSELBACKCOLOR);
    const COLORREF text = C(TARNCLR_ROWHEADERTEXTCOLOR), selText = C(TARNCLR_ROWHEADERSELTEXTCOLOR);
    const COLORREF grey = C(TARNCLR_ROWHEADERDISABLEDTEXTCOLOR);
    const int I = TARN_ROWHEADER_INDEX, N = TARN_ROWHEADER_NUMBER, D = TARNRHS_DISABLED;
    const struct {
        int mode, row, style; bool selected, enabled, ownColours, ownText;
        COLORREF back, text; bool pressed, raised;
    } cases[] = {
        {I, 7, 0, 0, 1, 0, 0, back, text, 0, 1},
        {N, 6, 0, 1, 1, 0, 0, selBack, selText, 1, 0},
        {I, 7, TARNRHS_NOPRESS, 1, 1, 0, 0, selBack, selText, 0, 1},
        {TARN_ROWHEADER_NUMBERFLAT, 6, 0, 1, 1, 0, 0, selBack, selText, 0, 0},
        {TARN_ROWHEADER_INDEXFLAT, 7, 0, 1, 1, 0, 0, selBack, selText, 0, 0},
        {TARN_ROWHEADER_NONE, 7, D, 0, 1, 0, 0, back, grey, 0, 1},
        {I, 7, 0, 0, 0, 0, 0, back, grey, 0, 1},
        {TARN_ROWHEADER_BUTTON, 3, 0, 0, 1, 1, 1, ownBack, ownText, 0, 1},
        {N, 3, 0, 1, 1, 1, 1, selBack, ownSelText, 1, 0},   // no own selected background
        {I, 7, D, 0, 1, 1, 0, ownBack, ownText, 0, 1},      // own text colour beats grey
    };
    RECT unpressed = {-1, -1, -1, -1};
    int inked = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        rec_.showRowHeader = c.mode, rec_.rowHeaderStyle = c.style, rec_.curSel = c.selected ? c.row : -1;
        rec_.items[0]->rowInfo = c.ownColours ? own : nullptr;
        rec_.items[0]->rowText = c.ownText ? const_cast<char*>("7") : nullptr;
        // The header of row c.row, showing the stored row 0.
        auto d = Painted([&](HDC dc) { PaintRowHeader(&rec_, dc, work(), rec_.items[0], c.row, kCell, false, c.enabled); });
        const RECT box = BoundsOf(*d, kInside, c.text);
        unpressed = unpressed.left < 0 ? box : unpressed;
        inked = inked ? inked : d->Count(kInside, c.text);
        EXPECT_TRUE(box.left > 0 && box.left == unpressed.left + c.pressed && box.right == unpressed.right + c.pressed);
        EXPECT_EQ(d->Count(kInside, c.text), inked) << "the same text";
        EXPECT_TRUE(d->At(30, 10) == c.back && d->At(10, kFrame.bottom) == kEditBack);
        ExpectFrame(*d, kFrame, c.raised, C(TARNCLR_ROWHEADERHIGHLIGHTCOLOR), C(TARNCLR_ROWHEADERSHADOWCOLOR));
    }
    rec_.items[0]->rowInfo = own, rec_.items[0]->rowText = nullptr;
}

} // namespace
