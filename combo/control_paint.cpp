// Painting of the control window, shared by WM_PAINT and WM_PRINT: the header
// band with the corner cell, the field with its row header, and the drop
// button or, for the list-box type, the groove above the list.
//
// Everything is drawn into one off-screen bitmap of the client size and put
// on the screen with a single BitBlt, so the control does not flicker. When
// no bitmap can be had, each element is drawn straight onto the target,
// clipped to where it meets the update rectangle.
#include "combo/control_paint.h"

#include <algorithm>

#include "columns/header_band.h"
#include "columns/header_paint.h"
#include "core/ctl_colors.h"
#include "core/item_store.h"
#include "layout/control_geometry.h"
#include "layout/gdi_guards.h"
#include "layout/item_paint.h"
#include "layout/row_geometry.h"

namespace {
bool Meets(const RECT& a, const RECT& b)
{
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

// Where the elements go: the buffer (no clipping needed) or the target
// (clipped to element and update rectangle).
struct Canvas {
    HDC dc;
    bool direct;
    RECT update;
};

template <typename Draw>
void DrawElement(const Canvas& canvas, const RECT& element, Draw draw)
{
    if (!Meets(element, canvas.update))
        return;
    if (!canvas.direct) {
        draw(canvas.dc);
        return;
    }
    RECT clip;
    IntersectRect(&clip, &element, &canvas.update);
    ClipGuard guard(canvas.dc, clip);
    draw(canvas.dc);
}


// The field with its row header; false when the draw-info callback
// destroyed the control.
bool PaintField(ControlRecord* rec, const Canvas& canvas, WorkDCs& work, const RECT& client)
{
    RECT field;
    FieldRect(rec, &field);
    RECT inner = field;
    InflateRect(&inner, 0, -2);
    RECT box = {client.left, field.top, client.left + rec->rowHeaderWidth, field.bottom};
    // Both list-only types paint the committed row themselves; the others
    // show it in their edit field.
    const int type = ControlType(rec);
    const bool listOnly = type == TARNS_DROPDOWNLIST || type == TARNS_DROPDOWNLISTFIXED;
    const bool enabled = IsWindowEnabled(rec->hwnd) != 0;

    if (rec->currentItem < 0) {
        if (listOnly) {
            const bool focused = GetFocus() == rec->hwnd;
            DrawElement(canvas, inner, [&](HDC dc) {
                FillSolid(dc, inner, ResolveColor(rec->colors[focused ? TARNCLR_SELBACKCOLOR : TARNCLR_BACKCOLOR]));
            });
        }
        if (rec->rowHeaderWidth != 0) {
            DrawElement(canvas, box, [&](HDC dc) {
                FillSolid(dc, box, ResolveColor(rec->colors[TARNCLR_ROWHEADERBACKCOLOR]));
                MoveToEx(dc, box.right - 1, box.top, nullptr);
                LineTo(dc, box.right - 1, box.bottom);
            });
        }
        return true;
    }
    if (listOnly) {
        const int width = std::max<int>(0, client.right - rec->rowHeaderWidth - GetSystemMetrics(SM_CXVSCROLL));
        bool alive = true;
        DrawElement(canvas, inner, [&](HDC dc) {
            TarnItem* item = GetItem(rec, rec->currentItem);
            BOOL rowEnabled = TRUE;
            alive = PaintRow(rec, true, width, dc, work, item, rec->currentItem, inner, &rowEnabled);
            ReleaseItem(rec);
        });
        if (!alive)
            return false;
    }
    if (rec->rowHeaderWidth != 0) {
        DrawElement(canvas, box, [&](HDC dc) {
            TarnItem* item = GetItem(rec, rec->currentItem);
            PaintRowHeader(rec, dc, work, item, rec->currentItem, box, true, enabled);
            ReleaseItem(rec);
        });
    }
    return true;
}
} // namespace

bool PaintControl(ControlRecord* rec, HDC target, const RECT* updateRect)
{
    RECT client;
    GetClientRect(rec->hwnd, &client);
    RECT update = updateRect ? *updateRect : client;
    // The permanent list paints itself; the control paints only what lies
    // above it.
    if (rec->isListBox && rec->hwndDropDown) {
        RECT list;
        GetWindowRect(rec->hwndDropDown, &list);
        MapWindowPoints(nullptr, rec->hwnd, reinterpret_cast<POINT*>(&list), 2);
        if (list.top > client.top)
            update.bottom = std::min(update.bottom, list.top);
    }
    if (!IntersectRect(&update, &update, &client))
        return true;

    RenewEditBackBrush(rec);
    WorkDCs work(target);
    if (!rec->hbrEditBack)
        return true;

    // The buffer covers the update rectangle only; its origin is moved so
    // that everything is drawn in client coordinates.
    MemoryDC buffer(target);
    const HBITMAP bitmap = buffer ? KeptBitmapLike(&rec->hbmControlBuffer, target, update.right - update.left,
                                                   update.bottom - update.top)
                                  : nullptr;
    const bool direct = !bitmap;
    SelectGuard bufferBitmap(buffer.get(), bitmap);
    if (!direct)
        SetViewportOrgEx(buffer.get(), -update.left, -update.top, nullptr);
    const Canvas canvas = {direct ? target : buffer.get(), direct, update};

    SelectGuard targetPen(target, GetStockObject(BLACK_PEN));
    SelectGuard bufferPen(direct ? nullptr : buffer.get(), GetStockObject(BLACK_PEN));
    DrawElement(canvas, client, [&](HDC dc) { FillRect(dc, &update, rec->hbrEditBack); });

    if (rec->showHeader != 0) {
        RECT band;
        HeaderBandRect(rec, &band);
        DrawElement(canvas, band, [&](HDC dc) {
            PaintColumnHeaders(rec, dc, work, band, HeaderColumnsWidth(rec));
        });
        if (rec->rowHeaderWidth != 0) {
            RECT corner = {client.left, client.top, client.left + rec->rowHeaderWidth, band.bottom};
            DrawElement(canvas, corner, [&](HDC dc) { PaintCorner(rec, dc, work, corner); });
        }
    }
    if (!PaintField(rec, canvas, work, client))
        return false;

    if (!rec->isListBox) {
        RECT button;
        DropButtonRect(rec, &button);
        DrawElement(canvas, button, [&](HDC dc) { DrawDropButton(rec, dc, button); });
    } else {
        DrawElement(canvas, client, [&](HDC dc) { DrawListBoxSeparator(rec, dc); });
    }

    if (!direct) {
        BitBlt(target, update.left, update.top, update.right - update.left, update.bottom - update.top, buffer.get(),
               update.left, update.top, SRCCOPY);
        // The groove is drawn once more on the target itself, where it also
        // reaches the pixels outside the buffer.
        if (rec->isListBox)
            DrawListBoxSeparator(rec, target);
    }
    return true;
}
