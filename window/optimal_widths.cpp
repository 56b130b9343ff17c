#include "window/optimal_widths.h"

#include "columns/optimal_widths.h"
#include "layout/column_geometry.h"
#include "layout/gdi_guards.h"
#include "window/scrolling.h"
#include "window/view.h"

namespace {

bool ApplyMaxLevel(ControlRecord* rec, int level)
{
    if (rec->dead)
        return false;
    if (level == rec->maxLevel)
        return true;
    rec->maxLevel = level;
    return RepaintMaxLevelChange(rec);
}

} // namespace

bool CalcOptimalColumnWidth(ControlRecord* rec, int column, int maxRows, int* result)
{
    *result = -1;
    if (!IsValidColumn(rec, column))
        return true;
    WindowDC dc(rec->hwnd);
    if (!dc)
        return true;
    int deepest = 0;
    *result = OptimalColumnWidth(rec, dc.get(), column, MeasuredRowCount(rec, maxRows), &deepest);
    return ApplyMaxLevel(rec, deepest);
}

int CalcOptimalRowHeaderWidth(ControlRecord* rec, int maxRows)
{
    if (rec->rowHeaderWidth == 0)
        return 0;
    WindowDC dc(rec->hwnd);
    return dc ? OptimalRowHeaderWidth(rec, dc.get(), MeasuredRowCount(rec, maxRows)) : -1;
}

bool MakeColumnOptimal(ControlRecord* rec, int column, int maxRows)
{
    if (column == -1) {
        for (int i = 0; i < rec->columnCount; ++i)
            if (!MakeColumnOptimal(rec, i, maxRows))
                return false;
        return true;
    }
    int width = -1;
    if (!CalcOptimalColumnWidth(rec, column, maxRows, &width))
        return false;
    // The notification may have replaced the column set.
    if (width < 0 || !IsValidColumn(rec, column) || width == rec->columns[column].width)
        return true;
    rec->columns[column].width = width;
    InvalidateAllRows(rec);
    InvalidateHeaderBand(rec);
    return true;
}

bool RecalcHorizontalExtent(ControlRecord* rec, int maxRows, int* result)
{
    *result = -1;
    if (rec->columnCount < 1)
        return true;
    const int last = LastVisiblePosition(rec);
    int extent;
    if (rec->openEnded) {
        int width = -1;
        if (!CalcOptimalColumnWidth(rec, rec->columns[last].columnAtPosition, maxRows, &width))
            return false;
        if (width < 0 || rec->columnCount < 1) {
            *result = width;
            return true;
        }
        extent = width + ColumnLeft(rec, LastVisiblePosition(rec));
        if (rec->columnCount == 1)
            extent += rec->overheadWidth;
    } else {
        if (!ApplyMaxLevel(rec, DeepestLevel(rec, MeasuredRowCount(rec, maxRows))))
            return false;
        extent = ColumnLeft(rec, LastVisiblePosition(rec) + 1);
    }
    BOOL done = FALSE;
    if (!SetHorizontalExtent(rec, extent, &done) || !SetHorizontalOffset(rec, rec->horizontalOffset, &done))
        return false;
    *result = done;
    return true;
}
