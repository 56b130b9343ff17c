// One text and one bitmap inside a rectangle: the interior of a cell, and of
// the column headers, row headers and corner cell, which share this routine
// so that every part of the control places its contents alike.
//
// Half an average character width is kept free at either side. The text is
// drawn on the selected background colour in the background mode the caller
// chose: the row painter draws opaque, so that only the text's own box takes
// that colour while the rest of the rectangle keeps the background brush.
#include "layout/item_paint.h"

#include <string.h>

#include <algorithm>

#include "layout/text_layout.h"
#include "layout/gdi_guards.h"

namespace {

constexpr int kBitmapLeft = 0;
constexpr int kBitmapAlone = 1;
constexpr int kBitmapRight = 2;

// Where the text or the bitmap that leads the block goes, for a block whose
// aligned width is `aligned` (the text's width) plus `extra` (the bitmap and
// its gap, for the right-aligned case).
int AlignedLeft(const RECT& r, UINT align, int half, int space, int tw, int extra)
{
    switch (align) {
    case TARNCF_CENTER:
        return r.left + half + std::max(0, (space - tw) / 2);
    case TARNCF_RIGHT:
        return std::max<int>(r.right - tw - extra - 1, r.left + half);
    default:
        return r.left + half;
    }
}

} // namespace

void DrawCellContent(ControlRecord* rec, HDC dc, WorkDCs& work, const CellContent& c)
{
    const RECT& r = c.rect;
    DcColorsGuard colors(dc);
    SelectGuard selectFont(dc, c.font);

    const int a = rec->avgCharWidth;
    const int half = a / 2;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const bool hasBitmap = c.bitmap && c.bitmapWidth > 0 && c.bitmapHeight > 0;
    const int W = hasBitmap ? c.bitmapWidth : 0;
    const int length = c.text ? static_cast<int>(strlen(c.text)) : 0;
    // A bitmap that stands alone takes the place of the text.
    const bool hasText = length > 0 && !(hasBitmap && c.bitmapStyle == kBitmapAlone);

    const UINT align = c.format & TARNCF_ALIGNMASK;
    const bool wraps = (c.format & TARNCF_WORDWRAP) != 0;
    UINT format = (wraps ? DT_WORDBREAK : DT_SINGLELINE) | DT_VCENTER;
    if (align == TARNCF_CENTER)
        format |= DT_CENTER;
    else if (align == TARNCF_RIGHT)
        format |= DT_RIGHT;
    // A wrapping text always shows where it is cut; a single line only when
    // the control is asked to.
    if (wraps || rec->showTruncated)
        format |= DT_END_ELLIPSIS;

    // Room for the text: half a character at either side, and with a bitmap
    // beside it the bitmap and another half character between the two.
    const int space = hasBitmap ? width - (3 * a) / 2 - W : width - a;

    // The text is measured once, in the room it has; the box it is drawn in
    // is only as wide as its widest line, so that a bitmap can follow it.
    const TextOutput out = GdiTextOutput();
    TextBlock block = {0, 0, 0};
    int tw = 0;
    if (hasText) {
        block = MeasureText(out, dc, c.text, length, std::max(space, 0), format, rec->itemLines);
        tw = std::max(0, std::min(block.width, space));
    }

    // The common cell -- one line that fits, no bitmap, the text on the
    // cell's own background -- is filled and written by one output; every
    // output costs a clip against the DC's region.
    const COLORREF textBack = c.selBackColor != TARN_COLOR_NONE ? c.selBackColor : GetBkColor(dc);
    const bool oneOutput = c.fillBack && hasText && !hasBitmap && block.lineHeight == 0 && block.width <= tw &&
                           textBack == c.backColor;
    if (c.fillBack && !oneOutput)
        FillSolid(dc, r, c.backColor);

    int textX = 0;
    int bitmapX = 0;
    if (!hasBitmap) {
        textX = AlignedLeft(r, align, half, space, tw, half);
    } else if (!hasText) {
        if (c.bitmapStyle == kBitmapRight)
            bitmapX = r.right - half - W - 1;
        else if (c.bitmapStyle == kBitmapAlone)
            bitmapX = r.left + (width - W) / 2;
        else
            bitmapX = r.left + half;
        bitmapX = std::max<int>(bitmapX, r.left + half);
    } else if (c.bitmapStyle == kBitmapRight) {
        textX = AlignedLeft(r, align, half, space, tw, 2 * half + W);
        bitmapX = std::max<int>(textX + tw + half, r.left + half);
    } else {
        bitmapX = AlignedLeft(r, align, half, space, tw, 2 * half + W);
        textX = std::max<int>(bitmapX + half + W, r.left + half);
    }

    if (hasText) {
        if (c.selBackColor != TARN_COLOR_NONE)
            SetBkColor(dc, c.selBackColor);
        const COLORREF text = c.selTextColor != TARN_COLOR_NONE ? c.selTextColor : c.textColor;
        if (text != TARN_COLOR_NONE)
            SetTextColor(dc, text);
        RECT box = {c.pressedOffset + textX, r.top, c.pressedOffset + textX + tw, r.bottom};
        DrawTextBlock(out, dc, c.text, length, box, format, block, oneOutput ? &r : nullptr);
    }

    if (hasBitmap) {
        const int y = r.top + std::max(0, (height - c.bitmapHeight) / 2);
        DrawBitmapTransparent(work, dc, c.bitmap, 0, W, c.pressedOffset + bitmapX, y, c.bitmapHeight,
                              c.backColor, c.enabled != FALSE);
    }
}
