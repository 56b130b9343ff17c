// Bitmaps drawn with a transparent colour, and their embossed grey look for
// disabled rows and controls.
//
// The colour of a bitmap's first pixel at the source position marks its
// transparent parts. The bitmap is copied first, then a monochrome mask of
// that colour lets the background brush into the transparent pixels; the
// copy is what stays when no mask can be made, so a bitmap is never lost.
#include "layout/item_paint.h"

#include "layout/gdi_guards.h"

namespace {

// Where the mask is 1 (transparent) the brush replaces the destination;
// where it is 0 the destination stays. With the mask as source, text black
// and background white: D ^ (S & (P ^ D)).
constexpr DWORD kRopBrushWhereMaskSet = 0x00E20746;

// The reverse: the brush goes where the mask is 0 (opaque) and the
// destination stays elsewhere: P ^ (S & (D ^ P)).
constexpr DWORD kRopBrushWhereMaskClear = 0x00B8074A;

// Blits the mask onto target with brush colour c and raster operation rop.
void BlitMaskWithColor(HDC target, int x, int y, int width, int height, HDC mask, COLORREF c, DWORD rop)
{
    BrushGuard brush(CreateSolidBrush(c));
    if (!brush)
        return;
    SelectGuard selectBrush(target, brush.get());
    BitBlt(target, x, y, width, height, mask, 0, 0, rop);
}

} // namespace

void DrawBitmapTransparent(WorkDCs& work, HDC target, HBITMAP bmp, int srcX, int width, int x, int y,
                           int height, COLORREF back, bool enabled)
{
    if (!target || !bmp || width < 1 || height < 1)
        return;
    HDC work1 = work.first(), work2 = work.second();
    if (!work1 || !work2)
        return;

    SelectGuard selectSource(work1, bmp);
    // A handle that is not a bitmap (or one selected elsewhere) cannot be
    // selected; drawing the work DC's default bitmap instead would paint junk.
    if (GetCurrentObject(work1, OBJ_BITMAP) != bmp)
        return;
    const COLORREF transparent = GetPixel(work1, srcX, 0);
    BitBlt(target, x, y, width, height, work1, srcX, 0, SRCCOPY);

    BitmapGuard maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
    if (!maskBitmap)
        return;
    SelectGuard selectMask(work2, maskBitmap.get());
    if (GetCurrentObject(work2, OBJ_BITMAP) != maskBitmap.get())
        return;

    // Colour to monochrome: pixels of the DC's background colour become 1.
    // The mask is taken from the copy, so it sees the pixels exactly as the
    // target holds them, whatever the bitmap's own format.
    const COLORREF oldBack = SetBkColor(target, transparent);
    BitBlt(work2, 0, 0, width, height, target, x, y, SRCCOPY);

    // Monochrome to colour: 1 bits take the background (white), 0 bits the
    // text colour (black), so the mask acts as a bit mask in the ROPs below.
    SetBkColor(target, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));

    if (back != CLR_INVALID)
        BlitMaskWithColor(target, x, y, width, height, work2, back, kRopBrushWhereMaskSet);

    if (!enabled) {
        // Embossed: the light copy of the shape one pixel down and right,
        // the shadow copy over it in place.
        BlitMaskWithColor(target, x + 1, y + 1, width - 1, height - 1, work2, GetSysColor(COLOR_BTNHIGHLIGHT),
                          kRopBrushWhereMaskClear);
        BlitMaskWithColor(target, x, y, width, height, work2, GetSysColor(COLOR_BTNSHADOW),
                          kRopBrushWhereMaskClear);
    }

    SetTextColor(target, oldText);
    SetBkColor(target, oldBack);
}
