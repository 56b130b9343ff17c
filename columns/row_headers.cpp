#include "columns/row_headers.h"

#include "layout/row_geometry.h"

void RowHeaderRect(ControlRecord* rec, int index, RECT* rect)
{
    SetRectEmpty(rect);
    if (rec->rowHeaderWidth == 0 || index < -1 || index >= rec->count)
        return;
    if (index == -1) {
        const int top = HeaderHeight(rec);
        SetRect(rect, 0, top, rec->rowHeaderWidth, top + FieldHeight(rec));
        return;
    }
    RECT list;
    if (!rec->hwndDropDown || !GetClientRect(rec->hwndDropDown, &list))
        return;
    *rect = list;
    rect->right = list.left + rec->rowHeaderWidth;
    RECT row;
    if (ItemRect(rec, index, &row) == 0) {
        rect->top = row.top;
        rect->bottom = row.bottom;
    }
}
