// The header painters on a control record built in memory, painting into a
// DIB: frames, pressed offsets, disabled text colours, row-header texts by
// mode, row colour overrides and the band beyond the last column.
#include <cstdlib>
#include <memory>
#include <vector>

#include "columns/header_paint.h"
#include "columns/row_format.h"
#include "paint_record.h"

namespace {

constexpr COLORREF kFill = RGB(1, 2, 3);           // what the painters must leave alone
constexpr COLORREF kEditBack = RGB(250, 240, 5);   // the control's background brush
// A row header or corner cell, its interior and its frame.
constexpr RECT kCell = {0, 0, 40, 20}, kInside = {1, 1, 38, 18}, kFrame = {0, 0, 39, 19};

// A frame judged at the middle of each side: raised has the highlight on top
// and left, sunken the shadow.
void ExpectFrame(const Dib& d, const RECT& rc, bool raised, COLORREF hi, COLORREF sh)
{
    const int mx = (rc.left + rc.right) / 2, my = (rc.top + rc.bottom) / 2;
    const COLORREF sides[] = {d.At(mx, rc.top), d.At(rc.left, my), d.At(mx, rc.bottom - 1), d.At(rc.right - 1, my)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sides[i], (i < 2) == raised ? hi : sh) << "side " << i << " of the frame at " << rc.left;
}

class HeaderPaintTest : public PaintRecordTest {
protected:
    void SetUp() override
    {
        Init(3);
        rec_.hbrEditBack = editBack_.get();
        TarnItem blank = {};
        blank.flags = TARNIF_ENABLED;
        ASSERT_EQ(InsertItem(&rec_, &blank, 0, "cell", 0), 0);
    }
    std::unique_ptr<Dib> Painted(int width, const std::function<void(HDC)>& paint)
    {
        auto d = std::make_unique<Dib>(width, kCell.bottom + 4, kFill);
        Restoring(d->dc(), [&] { paint(d->dc()); });
        return d;
    }
    std::unique_ptr<Dib> RowHeader(int row, bool enabled = true)
    {
        return Painted(40, [&](HDC dc) { PaintRowHeader(&rec_, dc, w1(), w2(), rec_.items[0], row, kCell, false, enabled); });
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
    const COLORREF light = RGB(192, 192, 192), onFace = GetSysColor(COLOR_BTNFACE) == light ? RGB(128, 128, 128) : light;
    const COLORREF texts[] = {C(TARNCLR_COLHEADERTEXTCOLOR), C(TARNCLR_COLHEADERTEXTCOLOR), onFace};
    const UINT formats[] = {TARNHF_LEFT, TARNHF_CENTER, TARNHF_RIGHT | TARNHF_DISABLED};
    for (int i = 0; i < 3; ++i)
        rec_.columns[i].headerText = "Hi", rec_.columns[i].headerFormat = formats[i];
    const RECT band = {30, 0, 430, kCell.bottom};
    int unpressed[3] = {};
    const struct { int mode, button; BOOL openEnded; int offset; } cases[] = {
        {TARN_HEADER_BUTTONS, -1, TRUE, 0}, {TARN_HEADER_BUTTONS, 1, FALSE, 0},
        {TARN_HEADER_FLAT, -1, FALSE, 25}, {TARN_HEADER_FLAT, 2, TRUE, 25}};
    for (const auto& c : cases) {
        rec_.showHeader = c.mode, rec_.headerButton = c.button, rec_.openEnded = c.openEnded;
        rec_.horizontalOffset = c.offset;
        auto d = Painted(440, [&](HDC dc) { PaintColumnHeaders(&rec_, dc, w1(), w2(), band, 300); });
        for (int col = 0; col < 3; ++col) {
            SCOPED_TRACE(testing::Message() << "mode " << c.mode << " button " << c.button << " col " << col);
            const int x = band.left - c.offset + col * 100;
            const int at = BoundsOf(*d, {x + 1, 1, x + 99, band.bottom - 1}, texts[col]).left;
            unpressed[col] = unpressed[col] ? unpressed[col] : at;
            EXPECT_TRUE(at > x && at == unpressed[col] - c.offset + (col == c.button)) << at;
            ExpectFrame(*d, {x, 0, x + 99, band.bottom - 1}, c.mode == TARN_HEADER_BUTTONS && col != c.button,
                        C(TARNCLR_COLHEADERHIGHLIGHTCOLOR), C(TARNCLR_COLHEADERSHADOWCOLOR));
            EXPECT_TRUE(d->At(x + 99, 8) == kFill && d->At(x + 10, band.bottom - 1) == kFill)
                << "the last pixel column and the bottom line stay background";
        }
        const int end = band.left - c.offset + 300, width = band.right + 1 - end;
        EXPECT_EQ(d->Count({end, 0, band.right + 1, band.bottom - 1}, c.openEnded ? kFill : C(TARNCLR_COLHEADERBACKCOLOR)),
                  width * (band.bottom - 1));
        EXPECT_EQ(d->Count({end - 1, band.bottom - 1, band.right + 2, band.bottom}, c.openEnded ? kFill : RGB(0, 0, 0)),
                  c.openEnded ? width + 2 : width);
    }
}

// A row header shows the row's own text, else nothing, the 0-based index or
// the 1-based number as the mode says: each case reads like the index mode
// showing `asIndex`.
TEST_F(HeaderPaintTest, RowHeaderTextFollowsTheModeAndTheRowsOwnText)
{
    auto pixels = [&](int mode, int row, const char* own = nullptr) {
        free(rec_.items[0]->rowText);
        rec_.items[0]->rowText = own ? DuplicateText(own) : nullptr;
        rec_.showRowHeader = mode;
        auto d = RowHeader(row);
        std::vector<COLORREF> out;
        for (int i = 0; i < kCell.right * kCell.bottom; ++i)
            out.push_back(d->At(i % kCell.right, i / kCell.right));
        return out;
    };
    const int I = TARN_ROWHEADER_INDEX;
    EXPECT_NE(pixels(I, 0), pixels(I, 1));
    const struct { int mode, row; const char* own; int asIndex; } cases[] = {
        {TARN_ROWHEADER_NUMBER, 0, nullptr, 1}, {TARN_ROWHEADER_NONE, 4, nullptr, 4},
        {TARN_ROWHEADER_BUTTON, 3, "7", 7}, {TARN_ROWHEADER_NUMBER, 3, "7", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(pixels(c.mode, c.row, c.own), pixels(I, c.asIndex)) << c.mode;
    for (int mode : {TARN_ROWHEADER_BUTTON, TARN_ROWHEADER_FLAT}) {
        const auto shown = pixels(mode, 0);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), C(TARNCLR_ROWHEADERTEXTCOLOR)), 0) << "mode " << mode;
    }
}

// Row headers and the corner: colours by selection, state and the row's own
// colours; pressed (text one pixel to the right, frame sunken) and flat
// looks by mode and style.
TEST_F(HeaderPaintTest, RowHeaderAndCornerColoursPressAndFramesFollowModeStyleAndSelection)
{
    rec_.items[0]->rowText = DuplicateText("H");
    rec_.rowColText = const_cast<char*>("H");
    RowFormat* own = rec_.items[0]->rowInfo = CreateRowFormat();
    ASSERT_NE(own, nullptr);
    const COLORREF ownBack = RGB(9, 99, 199), ownText = RGB(77, 1, 177), ownSelText = RGB(199, 9, 99);
    own->backColor = ownBack, own->textColor = ownText, own->selTextColor = ownSelText;
    const COLORREF back = C(TARNCLR_ROWHEADERBACKCOLOR), selBack = C(TARNCLR_ROWHEADERSELBACKCOLOR);
    const COLORREF text = C(TARNCLR_ROWHEADERTEXTCOLOR), selText = C(TARNCLR_ROWHEADERSELTEXTCOLOR);
    const COLORREF grey = C(TARNCLR_ROWHEADERDISABLEDTEXTCOLOR), cornerBack = C(TARNCLR_ROWCOLHEADERBACKCOLOR);
    const COLORREF cornerText = C(TARNCLR_ROWCOLHEADERTEXTCOLOR), cornerGrey = C(TARNCLR_ROWCOLHEADERDISABLEDTEXTCOLOR);
    const int B = TARN_ROWHEADER_BUTTON, D = TARNRHS_DISABLED;
    // For the corner, mode is whether it is a button and selected whether it is pressed.
    const struct { bool corner; int mode, style; bool selected, enabled, own; COLORREF back, text; bool pressed, raised; }
        cases[] = {
            {0, B, 0, 0, 1, 0, back, text, 0, 1},
            {0, B, 0, 1, 1, 0, selBack, selText, 1, 0},
            {0, B, TARNRHS_NOPRESS, 1, 1, 0, selBack, selText, 0, 1},
            {0, TARN_ROWHEADER_FLAT, 0, 1, 1, 0, selBack, selText, 0, 0},
            {0, TARN_ROWHEADER_INDEXFLAT, 0, 1, 1, 0, selBack, selText, 0, 0},
            {0, B, D, 0, 1, 0, back, grey, 0, 1},
            {0, B, 0, 0, 0, 0, back, grey, 0, 1},
            {0, B, 0, 0, 1, 1, ownBack, ownText, 0, 1},
            {0, B, 0, 1, 1, 1, selBack, ownSelText, 1, 0},   // no own selected background
            {0, B, D, 0, 1, 1, ownBack, ownText, 0, 1},      // own text beats grey
            {1, 1, 0, 0, 1, 0, cornerBack, cornerText, 0, 1},
            {1, 1, 0, 1, 1, 0, cornerBack, cornerText, 1, 0},
            {1, 0, D, 0, 1, 0, cornerBack, cornerGrey, 0, 0},
        };
    int unpressed = -1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        rec_.showRowColHeaderButton = c.mode, rec_.rowColHeaderButton = c.selected, rec_.rowColHeaderStyle = c.style;
        rec_.showRowHeader = c.mode, rec_.rowHeaderStyle = c.style, rec_.curSel = c.selected ? 0 : -1;
        rec_.items[0]->rowInfo = c.own ? own : nullptr;
        auto d = c.corner ? Painted(40, [&](HDC dc) { PaintCorner(&rec_, dc, w1(), w2(), kCell); }) : RowHeader(0, c.enabled);
        const int x = BoundsOf(*d, kInside, c.text).left;
        unpressed = unpressed < 0 ? x : unpressed;
        EXPECT_TRUE(x > 0 && x == unpressed + c.pressed) << x;
        EXPECT_TRUE(d->At(30, 10) == c.back && d->At(10, kFrame.bottom) == (c.corner ? kFill : kEditBack));
        ExpectFrame(*d, kFrame, c.raised, C(c.corner ? TARNCLR_ROWCOLHEADERHIGHLIGHTCOLOR : TARNCLR_ROWHEADERHIGHLIGHTCOLOR),
                    C(c.corner ? TARNCLR_ROWCOLHEADERSHADOWCOLOR : TARNCLR_ROWHEADERSHADOWCOLOR));
    }
    rec_.items[0]->rowInfo = own;
    rec_.rowColText = nullptr;
}

} // namespace
