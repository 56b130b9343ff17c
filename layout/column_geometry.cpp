#include "layout/column_geometry.h"

#include <algorithm>

#include "layout/control_geometry.h"
#include "layout/row_geometry.h"

namespace {

bool HasColumns(const ControlRecord* rec)
{
    return rec->columns != nullptr && rec->columnCount > 0;
}

int WidthAtPosition(const ControlRecord* rec, int pos)
{
    int col = rec->columns[pos].columnAtPosition;
    if (col < 0 || col >= rec->columnCount)
        return 0;
    return rec->columns[col].width;
}

// Column widths are the application's and may be anything up to INT_MAX;
// their sums are taken in 64 bits and kept where adding a window coordinate
// or an offset cannot overflow.
constexpr long long kMaxColumnEdge = 0x3FFFFFFF;

} // namespace

int FirstVisiblePosition(const ControlRecord* rec)
{
    if (!HasColumns(rec))
        return 0;
    for (int pos = 0; pos < rec->columnCount; ++pos)
        if (WidthAtPosition(rec, pos) > 0)
            return pos;
    return 0;
}

int LastVisiblePosition(const ControlRecord* rec)
{
    if (!HasColumns(rec))
        return 0;
    for (int pos = rec->columnCount - 1; pos >= 0; --pos)
        if (WidthAtPosition(rec, pos) > 0)
            return pos;
    return rec->columnCount - 1;
}

int FirstVisibleColumn(const ControlRecord* rec)
{
    if (!HasColumns(rec))
        return 0;
    const int pos = FirstVisiblePosition(rec);
    return WidthAtPosition(rec, pos) > 0 ? rec->columns[pos].columnAtPosition : 0;
}

int ListWidth(const ControlRecord* rec)
{
    int width;
    RECT rc;
    if (rec->hwndDropDown && GetClientRect(rec->hwndDropDown, &rc)) {
        width = rc.right - rc.left;
    } else if (rec->droppedWidth > 0) {
        width = rec->droppedWidth;
    } else if (rec->droppedWidth == 0) {
        width = ControlClientWidth(rec);
    } else {
        // A percentage of the control's width; the sign goes into the divisor
        // so that no value of droppedWidth can overflow when negated.
        width = std::max(0, MulDiv(ControlClientWidth(rec), rec->droppedWidth, -100));
    }
    return std::max(0, width - rec->rowHeaderWidth);
}

int ColumnLeft(const ControlRecord* rec, int pos, int level)
{
    if (!HasColumns(rec) || pos <= FirstVisiblePosition(rec))
        return level < 0 ? 0 : LevelOverhead(rec, level);

    // The first visible column ends where the deepest level's overhead plus
    // its width ends, so every later column lines up for all levels.
    long long left = rec->overheadWidth;
    int end = std::min(pos, rec->columnCount);
    for (int p = 0; p < end && left < kMaxColumnEdge; ++p)
        left += WidthAtPosition(rec, p);
    return static_cast<int>(std::min(left, kMaxColumnEdge));
}

int CellWidth(const ControlRecord* rec, int listWidth, int column, int level)
{
    if (!HasColumns(rec) || column < 0 || column >= rec->columnCount)
        return 0;
    int pos = rec->columns[column].position;
    if (pos < 0 || pos >= rec->columnCount)
        return 0;

    int last = LastVisiblePosition(rec);
    if (pos > last)
        return 0;
    if (pos < last)
        return ColumnLeft(rec, pos + 1, level) - ColumnLeft(rec, pos, level);

    if (!rec->openEnded) {
        long long width = rec->columns[column].width;
        if (pos == FirstVisiblePosition(rec))
            width += rec->overheadWidth;
        return static_cast<int>(std::min(width, kMaxColumnEdge - ColumnLeft(rec, pos, level)));
    }
    // The open-ended last column runs to the end of the scrollable width; a
    // column that starts beyond it is simply not drawn.
    int end = std::max(rec->horizontalExtent, listWidth);
    return std::max(0, end - ColumnLeft(rec, pos, level));
}
