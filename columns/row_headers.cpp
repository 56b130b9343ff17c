// Width, format and rectangles of the row-header strip at the left of every
// row. The strip lives in two windows: the list window holds the rows' row
// headers, the control window the field's one (and the corner above it).
#include "core/shared_routines.h"
#include "window/notify.h"
#include "layout/row_geometry.h"

namespace {

// The row-header strip of the list window, whose repaint every row header
// needs after a change of their common format.
void InvalidateListStrip(const ControlRecord* rec)
{
    if (!rec->hwndDropDown || !rec->shown || !rec->redraw || rec->rowHeaderWidth == 0)
        return;
    RECT rc;
    GetClientRect(rec->hwndDropDown, &rc);
    rc.right = rc.left + rec->rowHeaderWidth;
    InvalidateRect(rec->hwndDropDown, &rc, FALSE);
}

} // namespace

extern "C" void WINAPI Tarn_SetRowHeaderWidth(HWND hwnd, int width)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (width < 0 || width == rec->rowHeaderWidth)
        return;
    // Every column, the field and the header band move with the strip.
    rec->rowHeaderWidth = width;
    UpdateControl(rec);
    if (ControlSurvived(hwnd, rec))
        RedrawAll(rec);
}

extern "C" int WINAPI Tarn_GetRowHeaderWidth(HWND hwnd)
{
    return GetRecord(hwnd)->rowHeaderWidth;
}

extern "C" void WINAPI Tarn_SetRowHeaderStyle(HWND hwnd, UINT style)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->rowHeaderStyle = static_cast<int>(style);
    InvalidateListStrip(rec);
    // The field shows the committed row with its own row header.
    SyncEditText(rec);
    UpdateControl(rec);
}

extern "C" UINT WINAPI Tarn_GetRowHeaderStyle(HWND hwnd)
{
    return static_cast<UINT>(GetRecord(hwnd)->rowHeaderStyle);
}

extern "C" void WINAPI Tarn_GetRowHeaderRect(HWND hwnd, int index, RECT* rect)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!rect)
        return;
    SetRectEmpty(rect);
    if (rec->rowHeaderWidth == 0 || index < -1 || index >= rec->count)
        return;

    if (index == -1) {
        // The field's row header, in the control window under the header band.
        const int top = HeaderHeight(rec);
        SetRect(rect, 0, top, rec->rowHeaderWidth, top + FieldHeight(rec));
        return;
    }

    // A list row's header, in the list window; a row out of view keeps the
    // whole height of the list.
    RECT list;
    if (!rec->hwndDropDown || !GetClientRect(rec->hwndDropDown, &list))
        return;
    *rect = list;
    rect->right = list.left + rec->rowHeaderWidth;
    RECT row;
    if (Tarn_GetItemRect(hwnd, index, &row) == 0) {
        rect->top = row.top;
        rect->bottom = row.bottom;
    }
}
