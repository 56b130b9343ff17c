// The header band's rectangle and the header cell of each column in it.
#include "columns/header_band.h"

#include <algorithm>

#include "layout/column_geometry.h"
#include "layout/control_geometry.h"
#include "layout/row_geometry.h"

namespace {

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

int HeaderColumnsWidth(const ControlRecord* rec)
{
    int left, width;
    BandExtent(rec, &left, &width);
    // The list box's rows end at its list window's client edge, short of a
    // vertical scroll bar, and the headers above them end there too. A
    // drop-down type shows its row in the field, which ends with the band,
    // whatever width a dropped list may have.
    return rec->isListBox && rec->hwndDropDown ? ListWidth(rec) : width;
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
    int left = bandLeft - rec->horizontalOffset + ColumnLeft(rec, rec->columns[col].position, -1);
    int width = CellWidth(rec, HeaderColumnsWidth(rec), col, -1);
    SetRect(rc, left, 0, left + width, HeaderHeight(rec));
}
