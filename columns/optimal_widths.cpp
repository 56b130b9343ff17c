#include "columns/optimal_widths.h"

#include <stdio.h>

#include <algorithm>

#include "core/cell_format.h"
#include "core/item_store.h"
#include "core/row_format.h"
#include "layout/gdi_guards.h"

namespace {

// A bitmap's own width when GDI can describe it, else -1.
int OwnWidth(HBITMAP hbm)
{
    BITMAP bm;
    return DescribeBitmap(hbm, &bm) ? static_cast<int>(bm.bmWidth) : -1;
}

// Width a cell bitmap takes: rows of one height draw every bitmap at the
// shared size; otherwise a larger bitmap of its own widens the cell.
int CellBitmapWidth(const ControlRecord* rec, HBITMAP hbm)
{
    const int shared = rec->bmCellInfo.bmWidth;
    return rec->fixedItemHeight ? shared : std::max(shared, OwnWidth(hbm));
}

// Row-header bitmaps are never drawn wider than the shared size, so a
// smaller one of its own is all the strip needs.
int RowBitmapWidth(const ControlRecord* rec, HBITMAP hbm)
{
    const int shared = rec->bmRowInfo.bmWidth, own = OwnWidth(hbm);
    return rec->fixedItemHeight || own < 0 ? shared : std::min(shared, own);
}

int CellWidth(ControlRecord* rec, HDC dc, const TarnItem* item, int column)
{
    const CellFormat* cell = ItemCellFormat(item, column);
    const HBITMAP hbm = cell ? cell->hbm : nullptr;
    int width = rec->avgCharWidth;
    if (hbm && cell->bitmapStyle == TARNBS_ALONE) {
        if (rec->fixedItemHeight)
            return width + rec->bmCellInfo.bmWidth;
        if (rec->bmCellInfo.bmWidth > 0 && OwnWidth(hbm) >= 0)
            width += CellBitmapWidth(rec, hbm);
        return width;
    }
    SelectGuard font(dc, cell && cell->hfont ? cell->hfont : rec->hfont);
    width += SingleLineWidth(dc, item->texts ? item->texts[column] : nullptr);
    if (hbm && rec->bmCellInfo.bmWidth > 0)
        width += rec->avgCharWidth / 2 + CellBitmapWidth(rec, hbm);
    return width;
}

int HeaderWidth(ControlRecord* rec, HDC dc, const ColumnDef& def)
{
    if (rec->showHeader == 0 || !def.headerText)
        return 0;
    int width = rec->avgCharWidth + 6;
    if (def.hbmHeader && (def.headerBitmapStyle & 1))
        return width + rec->bmColumn.bmWidth;
    SelectGuard font(dc, rec->hfontColHeader ? rec->hfontColHeader : rec->hfont);
    width += SingleLineWidth(dc, def.headerText);
    if (def.hbmHeader && rec->bmColumn.bmWidth > 0)
        width += rec->avgCharWidth / 2 + rec->bmColumn.bmWidth;
    return width;
}

int RowWidth(ControlRecord* rec, HDC dc, const TarnItem* item, int index)
{
    const RowFormat* row = ItemRowFormat(item);
    const HBITMAP hbm = row ? row->hbm : nullptr;
    if (hbm && (row->bitmapStyle & 1)) {
        if (rec->fixedItemHeight)
            return rec->bmRowInfo.bmWidth;
        return rec->bmRowInfo.bmWidth > 0 && OwnWidth(hbm) >= 0 ? RowBitmapWidth(rec, hbm) : 0;
    }
    const char* text = item->rowText;
    char number[16];
    if (!text && rec->showRowHeader != TARN_ROWHEADER_BUTTON && rec->showRowHeader != TARN_ROWHEADER_FLAT) {
        const bool counted = rec->showRowHeader == TARN_ROWHEADER_NUMBER || rec->showRowHeader == TARN_ROWHEADER_NUMBERFLAT;
        snprintf(number, sizeof number, "%d", counted ? index + 1 : index);
        text = number;
    }
    int width = SingleLineWidth(dc, text);
    if (hbm && rec->bmRowInfo.bmWidth > 0)
        width += rec->avgCharWidth / 2 + RowBitmapWidth(rec, hbm);
    return width;
}

int CornerWidth(ControlRecord* rec, HDC dc)
{
    if (rec->showHeader == 0 || !rec->rowColText || !*rec->rowColText)
        return 0;
    int width = rec->avgCharWidth + 6;
    if (rec->hbmRowCol && (rec->rowColBitmapStyle & 1))
        return width + rec->bmRowCol.bmWidth;
    SelectGuard font(dc, rec->hfontColHeader ? rec->hfontColHeader : rec->hfont);
    width += SingleLineWidth(dc, rec->rowColText);
    if (rec->hbmRowCol)
        width += rec->bmRowCol.bmWidth + rec->avgCharWidth / 2;
    return width;
}

} // namespace

int MeasuredRowCount(const ControlRecord* rec, int maxRows)
{
    return maxRows < 1 ? rec->count : std::min(maxRows, rec->count);
}

int SingleLineWidth(HDC dc, const char* text)
{
    if (!text || !*text)
        return 0;
    RECT rc = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return rc.right - rc.left;
}

int OptimalColumnWidth(ControlRecord* rec, HDC dc, int column, int rows, int* deepest)
{
    SelectGuard font(dc, rec->hfont);
    int width = std::max(rec->avgCharWidth, HeaderWidth(rec, dc, rec->columns[column]));
    *deepest = 0;
    for (int i = 0; i < rows; ++i) {
        const TarnItem* item = GetItem(rec, i);
        if (item) {
            width = std::max(width, CellWidth(rec, dc, item, column));
            *deepest = std::max(*deepest, ItemLevel(item));
        }
        ReleaseItem(rec);
        if (rec->dead)
            return -1;
    }
    return width;
}

int OptimalRowHeaderWidth(ControlRecord* rec, HDC dc, int rows)
{
    SelectGuard font(dc, rec->hfontRowHeader ? rec->hfontRowHeader : rec->hfont);
    int widest = 0;
    for (int i = 0; i < rows; ++i) {
        const TarnItem* item = GetItem(rec, i);
        if (item)
            widest = std::max(widest, RowWidth(rec, dc, item, i));
        ReleaseItem(rec);
        if (rec->dead)
            return -1;
    }
    return std::max(widest + rec->avgCharWidth + 3, CornerWidth(rec, dc));
}

int DeepestLevel(ControlRecord* rec, int rows)
{
    int deepest = 0;
    for (int i = 0; i < rows && !rec->dead; ++i) {
        const TarnItem* item = GetItem(rec, i);
        if (item)
            deepest = std::max(deepest, ItemLevel(item));
        ReleaseItem(rec);
    }
    return deepest;
}
