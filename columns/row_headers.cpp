#include "columns/row_headers.h"

#include <algorithm>

#include "layout/gdi_guards.h"
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

int AutoRowHeaderWidth(const ControlRecord* rec, int mode)
{
    const int few = 4 * rec->avgCharWidth;
    int largest;
    switch (mode) {
    case TARN_ROWHEADER_NONE: return 0;
    case TARN_ROWHEADER_INDEX:
    case TARN_ROWHEADER_INDEXFLAT: largest = rec->count - 1; break;
    case TARN_ROWHEADER_NUMBER:
    case TARN_ROWHEADER_NUMBERFLAT: largest = rec->count; break;
    default: return few;
    }
    // The widest digit repeated stands for every number of that many digits,
    // so the width changes only when a digit is gained or lost.
    MemoryDC dc(nullptr);
    if (!dc)
        return few;
    SelectGuard font(dc.get(), rec->hfontRowHeader ? rec->hfontRowHeader : rec->hfont);
    char widest = '0', text[16];
    SIZE size = {0, 0}, most = {0, 0};
    for (char digit = '0'; digit <= '9'; ++digit)
        if (GetTextExtentPoint32A(dc.get(), &digit, 1, &size) && size.cx > most.cx)
            widest = digit, most = size;
    int digits = 0;
    do
        text[digits++] = widest;
    while ((largest /= 10) > 0);
    if (!GetTextExtentPoint32A(dc.get(), text, digits, &size))
        return few;
    // A header cell's interior gives up one pixel at the left and two at the
    // right, its text half an average character at either side, and a
    // pressed header moves the text one pixel further right.
    return std::max(few, static_cast<int>(size.cx) + 3 + rec->avgCharWidth + 1);
}

bool FitRowHeaderWidth(ControlRecord* rec)
{
    if (!rec->rowHeaderAutoWidth)
        return false;
    const int width = AutoRowHeaderWidth(rec, rec->showRowHeader);
    if (width == rec->rowHeaderWidth)
        return false;
    rec->rowHeaderWidth = width;
    return true;
}
