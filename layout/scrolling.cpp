// Vertical and horizontal scrolling of the rows.
//
// The scroll bars and the pixel scrolling of the list window come with the
// geometry of the list; what exists now keeps topIndex valid and brings a row
// into view by moving topIndex.
#include "layout/scrolling.h"

#include "combo/combo_layout.h"
#include "layout/row_geometry.h"

namespace {
// Rows that fit into the list window (at least 1).
int RowsShown(ControlRecord* rec)
{
    int shown = 0;
    if (rec->hwndDropDown) {
        RECT rc;
        GetClientRect(rec->hwndDropDown, &rc);
        const int h = ItemHeight(rec, 0);
        shown = h > 0 ? (rc.bottom - rc.top) / h : 0;
    } else {
        shown = rec->droppedHeight > 0 ? rec->droppedHeight : 1;
    }
    return shown < 1 ? 1 : shown;
}
}

void UpdateVScrollBar(ControlRecord*) {}
void UpdateHScrollBar(ControlRecord*) {}

void ReapplyHorizontalScroll(ControlRecord* rec)
{
    if (rec->horizontalExtent < 0)
        rec->horizontalExtent = 0;
    if (rec->horizontalOffset < 0)
        rec->horizontalOffset = 0;
}

extern "C" void WINAPI Tarn_MakeRowVisible(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!IsValidRow(rec, index))
        return;
    const int shown = RowsShown(rec);
    int top = rec->topIndex;
    if (index < top)
        top = index;
    else if (index >= top + shown)
        top = index - shown + 1;
    if (top != rec->topIndex) {
        rec->topIndex = top;
        if (rec->hwndDropDown && rec->shown && rec->redraw)
            InvalidateRect(rec->hwndDropDown, nullptr, FALSE);
    }
}

extern "C" int WINAPI Tarn_GetTopIndex(HWND hwnd)
{
    return GetRecord(hwnd)->topIndex;
}

extern "C" int WINAPI Tarn_GetHorizontalExtent(HWND hwnd)
{
    return GetRecord(hwnd)->horizontalExtent;
}

extern "C" int WINAPI Tarn_GetHorizontalOffset(HWND hwnd)
{
    return GetRecord(hwnd)->horizontalOffset;
}
