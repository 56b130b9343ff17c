// Row heights, the field height and the overhead in front of the first column.
//
// Nothing is cached: every height is recomputed from the record, the item and
// the columns, so that a change of font, bitmap or option shows at once.
#include "layout/row_geometry.h"

#include <algorithm>
#include <cstring>

#include "core/cell_format.h"
#include "core/item_store.h"
#include "core/lock.h"
#include "layout/gdi_guards.h"
#include "layout/text_layout.h"

namespace {
int PositiveOrZero(int v) { return v > 0 ? v : 0; }

bool GridAddsLine(const ControlRecord* rec)
{
    return rec->showGrid && !rec->show3D && (rec->gridStyle == 1 || rec->gridStyle == 2);
}

// Height of a readable bitmap, or -1 when GDI cannot describe it.
int BitmapHeight(HBITMAP hbm)
{
    BITMAP bm;
    if (!hbm || !GetObjectA(hbm, sizeof bm, &bm))
        return -1;
    return bm.bmHeight;
}

int FixedItemHeight(const ControlRecord* rec)
{
    int h = PositiveOrZero(rec->itemLines * rec->tmFont.tmHeight);
    h = std::max<int>(h, rec->bmCellInfo.bmHeight);
    if (rec->show3D)
        h += 2;
    if (rec->showLabels)
        h = std::max<int>(h, rec->bmLabel.bmHeight);
    if (rec->showBitmaps)
        h = std::max<int>(h, rec->bmItemBitmap.bmHeight);
    if (GridAddsLine(rec))
        h += 1;
    if (rec->rowHeaderWidth != 0)
        h = std::max<int>({h, rec->tmRowHeader.tmHeight + 3, rec->bmRowInfo.bmHeight + 3});
    return h;
}

bool BitmapOnly(const CellFormat* cell) { return cell && (cell->bitmapStyle & 1); }

// Height of a wrapping text laid out in the column's width, less the room the
// cell's bitmap and the margins take; the font is already in the DC.
int WrappedTextHeight(const ControlRecord* rec, HDC dc, int column, const char* text, const CellFormat* cell)
{
    RECT rc = {0, 0, rec->columns[column].width, 0};
    BITMAP bm;
    if (cell && cell->hbm && rec->bmCellInfo.bmWidth >= 1 && GetObjectA(cell->hbm, sizeof bm, &bm))
        rc.right -= bm.bmWidth + (3 * rec->avgCharWidth) / 2;
    else
        rc.right -= rec->avgCharWidth;
    DrawTextWrapped(dc, text, static_cast<int>(strlen(text)), &rc, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK,
                    rec->itemLines);
    return rc.bottom - rc.top;
}

bool Wraps(const ControlRecord* rec, int column) { return (rec->columns[column].format & TARNCF_WORDWRAP) != 0; }

const char* CellText(const TarnItem* item, int column)
{
    return item->texts && item->texts[column] ? item->texts[column] : "";
}

int VariableItemHeight(ControlRecord* rec, int index)
{
    int h = PositiveOrZero(rec->tmFont.tmHeight);
    TarnItem* item = GetItem(rec, index);
    if (item) {
        WindowDC dc(rec->hwnd);
        if (dc) {
            {
                SelectGuard font(dc.get(), rec->hfont);
                for (int col = 0; col < rec->columnCount; ++col) {
                    const CellFormat* cell = ItemCellFormat(item, col);
                    if (rec->columns[col].width == 0 || BitmapOnly(cell) || (cell && cell->hfont))
                        continue;
                    if (Wraps(rec, col) && *CellText(item, col))
                        h = std::max(h, WrappedTextHeight(rec, dc.get(), col, CellText(item, col), cell));
                }
            }
            for (int col = 0; item->cellInfo && col < rec->columnCount; ++col) {
                const CellFormat* cell = &item->cellInfo[col];
                if (rec->columns[col].width == 0)
                    continue;
                if (cell->hfont && !BitmapOnly(cell)) {
                    SelectGuard font(dc.get(), cell->hfont);
                    if (Wraps(rec, col)) {
                        if (*CellText(item, col))
                            h = std::max(h, WrappedTextHeight(rec, dc.get(), col, CellText(item, col), cell));
                    } else {
                        TEXTMETRICA tm;
                        if (GetTextMetricsA(dc.get(), &tm))
                            h = std::max<int>(h, tm.tmHeight);
                    }
                }
                if (rec->bmCellInfo.bmWidth > 0)
                    h = std::max(h, BitmapHeight(cell->hbm));
            }
        }
    }
    if (rec->show3D)
        h += 2;
    if (rec->rowHeaderWidth != 0) {
        h = std::max<int>(h, rec->tmRowHeader.tmHeight + 3);
        if (item && item->rowInfo && rec->bmRowInfo.bmWidth > 0) {
            const int bh = BitmapHeight(item->rowInfo->hbm);
            if (bh >= 0)
                h = std::max(h, bh + 3);
        }
    }
    if (item && rec->showLabels)
        h = std::max(h, BitmapHeight(item->hbmLabel));
    if (item && rec->showBitmaps)
        h = std::max(h, BitmapHeight(item->hbmBitmap));
    if (GridAddsLine(rec))
        h += 1;
    ReleaseItem(rec);
    return h;
}
} // namespace

int ItemHeight(ControlRecord* rec, int index)
{
    if (rec->fixedItemHeight || (index == 0 && rec->count == 0))
        return FixedItemHeight(rec);
    return VariableItemHeight(rec, index);
}

int FieldHeight(ControlRecord* rec)
{
    if (!rec->hwndEdit)
        return ItemHeight(rec, rec->currentItem < 1 ? 0 : rec->currentItem) + 4;
    int h = rec->tmEditCtl.tmHeight + 4;
    if (rec->rowHeaderWidth == 0)
        return h;
    if (rec->fixedItemHeight)
        return std::max<int>({h, rec->tmRowHeader.tmHeight + 3, rec->bmRowInfo.bmHeight + 3});
    if (rec->currentItem >= 0 && rec->count > 0) {
        h = std::max<int>(h, rec->tmRowHeader.tmHeight + 3);
        TarnItem* item = GetItem(rec, rec->currentItem);
        if (item && item->rowInfo && rec->bmRowInfo.bmWidth >= 1) {
            const int bh = BitmapHeight(item->rowInfo->hbm);
            if (bh >= 0)
                h = std::max(h, bh + 3);
        }
        ReleaseItem(rec);
    }
    return h;
}

int LevelOverhead(const ControlRecord* rec, int level)
{
    int step;
    if (rec->showTreeLines)
        step = rec->showBitmaps ? rec->bmItemBitmap.bmWidth : rec->maxCharWidth;
    else
        step = rec->showBitmaps ? rec->bmItemBitmap.bmWidth / 2 : rec->maxCharWidth;
    int w = level * step;
    if (rec->showBitmaps)
        w += rec->bmItemBitmap.bmWidth;
    if (rec->showLabels)
        w += rec->bmLabel.bmWidth;
    if (rec->showLabels || rec->showTreeLines || rec->showBitmaps)
        w += 2;
    return w;
}

int HeaderHeight(const ControlRecord* rec)
{
    if (rec->showHeader == 0)
        return 0;
    int height = std::max<int>(rec->tmColHeader.tmHeight + 3, rec->bmColumn.bmHeight + 3);
    if (rec->rowHeaderWidth != 0)
        height = std::max<int>(height, rec->bmRowCol.bmHeight + 3);
    return height;
}
