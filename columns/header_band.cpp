#include "columns/header_band.h"

#include <algorithm>

#include "layout/column_geometry.h"
#include "layout/row_geometry.h"

namespace {

int ControlClientWidth(const ControlRecord* rec)
{
    if (rec->hwnd) {
        RECT rc;
        if (GetClientRect(rec->hwnd, &rc))
            return rc.right - rc.left;
    }
    return rec->clientWidth;
}

// The band's left edge and width, whether or not a header is shown. The drop
// button of the drop-down types spans the header band as well, so the band
// stops short of it.
void BandExtent(const ControlRecord* rec, int* left, int* width)
{
    int button = rec->isListBox ? 0 : GetSystemMetrics(SM_CXVSCROLL);
    *left = rec->rowHeaderWidth;
    *width = std::max(0, ControlClientWidth(rec) - rec->rowHeaderWidth - button);
}

} // namespace

int HeaderHeight(const ControlRecord* rec)
{
    if (rec->showHeader == 0)
        return 0;
    int height = std::max<int>(rec->tmColHeader.tmHeight + 3, rec->bmColumn.bmHeight + 3);
    if (rec->rowHeaderWidth != 0)
        height = std::max<int>(height, rec->bmRowCol.bmHeight + 3);
    return height;
}

void HeaderBandRect(const ControlRecord* rec, RECT* rc)
{
    SetRectEmpty(rc);
    if (rec->showHeader == 0)
        return;
    int left, width;
    BandExtent(rec, &left, &width);
    SetRect(rc, left, 0, left + width, HeaderHeight(rec));
}

void HeaderRect(const ControlRecord* rec, int col, RECT* rc)
{
    SetRectEmpty(rc);
    // Without a header band there are no header cells either.
    if (rec->showHeader == 0 || !IsValidColumn(rec, col) || rec->columns == nullptr)
        return;
    int bandLeft, bandWidth;
    BandExtent(rec, &bandLeft, &bandWidth);
    // The open-ended last column reaches the end of the band, not of the list
    // window, which a dropped list may make wider or narrower.
    int left = bandLeft - rec->horizontalOffset + ColumnLeft(rec, rec->columns[col].position, -1);
    int width = CellWidth(rec, bandWidth, col, -1);
    SetRect(rc, left, 0, left + width, HeaderHeight(rec));
}

void InvalidateHeaderBand(const ControlRecord* rec)
{
    if (!rec->hwnd || !rec->shown || !rec->redraw || rec->showHeader == 0)
        return;
    RECT band;
    HeaderBandRect(rec, &band);
    InvalidateRect(rec->hwnd, &band, FALSE);
}

extern "C" int WINAPI Tarn_GetHeaderRect(HWND hwnd, int column, RECT* rect)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!rect)
        return 0;
    SetRectEmpty(rect);
    if (column < -1 || column >= rec->columnCount)
        return 0;
    if (column == -1)
        HeaderBandRect(rec, rect);
    else
        HeaderRect(rec, column, rect);
    return IsRectEmpty(rect) ? 0 : 1;
}
