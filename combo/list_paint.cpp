// Painting of the list window, shared by WM_PAINT and WM_PRINT.
//
// Each visible row is drawn into one off-screen bitmap as tall as the
// tallest visible row and copied to its place with one BitBlt, so rows do not
// flicker while they are repainted. When no bitmap can be had, each row is
// drawn straight onto the window, clipped to where it meets the update area.
#include "combo/list_paint.h"

#include <algorithm>

#include "columns/header_paint.h"
#include "core/ctl_colors.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/item_paint.h"
#include "layout/row_geometry.h"
#include "layout/gdi_guards.h"

namespace {
bool Meets(const RECT& a, const RECT& b)
{
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

// Draws one element of rc (list coordinates): into the row bitmap at (0, 0)
// and copied, or straight onto the target -- as it is when the whole paint
// is clipped to the list already (preClipped), else clipped to where the
// element meets the update area. draw returns false when the control died;
// nothing is copied then.
template <typename Draw>
bool DrawRowPart(HDC target, HDC rowDC, const RECT& rc, const RECT& update, bool preClipped, Draw draw)
{
    if (!Meets(rc, update))
        return true;
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    if (rowDC) {
        if (!draw(rowDC, RECT{0, 0, width, height}))
            return false;
        BitBlt(target, rc.left, rc.top, width, height, rowDC, 0, 0, SRCCOPY);
        return true;
    }
    if (preClipped)
        return draw(target, rc);
    RECT clip;
    IntersectRect(&clip, &rc, &update);
    ClipGuard guard(target, clip);
    return draw(target, rc);
}

// The tallest of the rows that fill the item area from topIndex.
int TallestVisibleRow(ControlRecord* rec, int areaHeight)
{
    int tallest = 0;
    for (int row = rec->topIndex, y = 0; row >= 0 && row < rec->count && y < areaHeight; ++row) {
        const int h = ItemHeight(rec, row);
        tallest = std::max(tallest, h);
        y += h;
    }
    return tallest;
}
} // namespace

bool PaintList(ControlRecord* rec, HWND list, HDC dc, const RECT* updateRect)
{
    RECT client;
    GetClientRect(list, &client);
    const RECT update = updateRect ? *updateRect : client;

    RenewEditBackBrush(rec);
    WorkDCs work(dc);
    if (!rec->hbrEditBack)
        return true;

    RECT area = client;
    area.left += rec->rowHeaderWidth;
    const int areaWidth = std::max<int>(0, area.right - area.left);

    // On the screen a row is drawn off-screen and copied, so that it does not
    // flicker; the copy also keeps a row scrolled sideways off the row-header
    // strip. A memory DC (WM_PRINT) shows nothing meanwhile, so a list without
    // the strip is drawn on it directly, with one clip to the list.
    const bool oneClip = GetObjectType(dc) == OBJ_MEMDC && rec->rowHeaderWidth == 0;
    MemoryDC rowDC(dc, !oneClip);
    const HBITMAP rowBitmap = rowDC ? KeptBitmapLike(&rec->hbmRowBuffer, dc, std::max(rec->rowHeaderWidth, areaWidth),
                                                     TallestVisibleRow(rec, area.bottom - area.top))
                                    : nullptr;
    if (rec->dead)   // measuring fetched rows, which runs the application
        return false;
    SelectGuard rowSelect(rowDC.get(), rowBitmap);
    HDC drawDC = rowBitmap ? rowDC.get() : nullptr;
    RECT printed;
    IntersectRect(&printed, &update, &client);
    ClipGuard printClip(oneClip ? dc : nullptr, printed);

    SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    SelectGuard rowPen(drawDC, GetStockObject(BLACK_PEN));
    // Selected once for the whole paint: the rows that use the control's
    // font then find it in place.
    SelectGuard font(dc, rec->hfont);
    SelectGuard rowFont(drawDC, rec->hfont);
    const int listWidth = ListWidth(rec);
    const bool controlEnabled = IsWindowEnabled(rec->hwnd) != 0;

    int y = area.top;
    for (int row = rec->topIndex; row >= 0 && row < rec->count && y < area.bottom; ++row) {
        // The height first: measuring a row may fetch another item.
        const int h = ItemHeight(rec, row);
        if (rec->dead)
            return false;
        const RECT rowRect = {area.left, y, area.right, y + h};
        const RECT headerRect = {client.left, y, client.left + rec->rowHeaderWidth, y + h};
        const bool paintRow = Meets(rowRect, update) && areaWidth > 0;
        const bool paintHeader = rec->rowHeaderWidth != 0 && Meets(headerRect, update);
        if (paintRow || paintHeader) {
            // The row header first: painting the row may fetch neighbouring
            // rows (tree lines), after which a lent virtual item is gone.
            TarnItem* item = GetItem(rec, row);
            // A fetch may destroy the control or count rows away; a count
            // changed from there has marked the list for painting again.
            if (rec->dead)
                return false;
            if (!IsValidRow(rec, row))
                break;
            if (paintHeader) {
                DrawRowPart(dc, drawDC, headerRect, update, oneClip, [&](HDC target, const RECT& rc) {
                    PaintRowHeader(rec, target, work, item, row, rc, false, controlEnabled);
                    return true;
                });
            }
            if (paintRow && !DrawRowPart(dc, drawDC, rowRect, update, oneClip, [&](HDC target, const RECT& rc) {
                    BOOL enabled = TRUE;
                    return PaintRow(rec, false, listWidth, target, work, item, row, rc, &enabled);
                }))
                return false;
            ReleaseItem(rec);
        }
        y += h;
    }

    if (y < area.bottom) {
        const RECT rest = {area.left, y, area.right, area.bottom};
        FillRect(dc, &rest, rec->hbrEditBack);
        if (rec->rowHeaderWidth != 0) {
            const RECT strip = {client.left, y, client.left + rec->rowHeaderWidth - 1, area.bottom};
            BrushGuard brush(CreateSolidBrush(ResolveColor(rec->colors[TARNCLR_ROWHEADERBACKCOLOR])));
            if (brush)
                FillRect(dc, &strip, brush.get());
            MoveToEx(dc, strip.right, y, nullptr);
            LineTo(dc, strip.right, area.bottom);
        }
    }
    return true;
}
