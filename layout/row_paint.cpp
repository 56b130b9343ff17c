// Painting of one row: of the list, or of the field that shows the committed
// row. The row's colours are settled first and offered to the application's
// draw-info callback; then the indentation zone (label, tree lines, item
// bitmap), the cells in display order, the area after the last column and
// the 3D frame or grid line are drawn.
//
// Colours come from the most specific level that sets one: the cell's own
// formatting, then its column, then the row's pair from the control's table.
// Selection shows only by colour (and by the raised 3D frame); no focus
// rectangle is drawn.
#include "layout/item_paint.h"

#include <algorithm>

#include "core/cell_format.h"
#include "core/ctl_colors.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/row_geometry.h"
#include "layout/tree_lines.h"
#include "layout/gdi_guards.h"

namespace {

struct ColorPair {
    COLORREF text;
    COLORREF back;
};

bool ControlDrawsEnabled(const ControlRecord* rec)
{
    return !rec->hwnd || IsWindowEnabled(rec->hwnd);
}

// The size a label or item bitmap is drawn at. With fixed row heights every
// bitmap of a kind takes the shared size; with variable heights each keeps
// its own height and is cut to the zone's width. False when there is
// nothing to draw.
bool ZoneBitmapSize(const ControlRecord* rec, HBITMAP bmp, const BITMAP& shared, int* width, int* height)
{
    if (!bmp)
        return false;
    if (rec->fixedItemHeight) {
        *width = shared.bmWidth;
        *height = shared.bmHeight;
    } else {
        BITMAP own;
        if (!DescribeBitmap(bmp, &own))
            return false;
        *width = std::min<int>(own.bmWidth, shared.bmWidth);
        *height = own.bmHeight;
    }
    return *width >= 1 && *height >= 1;
}

// The indentation of one tree level (the zone grows by it per level).
int IndentStep(const ControlRecord* rec)
{
    return LevelOverhead(rec, 1) - LevelOverhead(rec, 0);
}

// Everything the cells of one row share.
struct RowPaint {
    ControlRecord* rec;
    HDC dc;
    WorkDCs* work;
    const TarnItem* item;
    int level;
    int listWidth;
    RECT shifted;      // the row moved left by the horizontal scroll offset
    RECT visible;      // the row where it lies on screen
    bool selected;
    int firstPosition;
    BOOL enabled;
};

// Applies one level of cell colours (the cell's or the column's) to the four
// values still unset. Selection styles 0 and 1 show a selected row in the
// selected variants everywhere; style 2 only in the first visible column.
void InheritCellColors(const RowPaint& row, bool firstColumn, COLORREF back, COLORREF text, COLORREF selBack,
                       COLORREF selText, ColorPair* plain, ColorPair* sel)
{
    ColorPair plainLevel;
    ColorPair selLevel;
    if (row.rec->selectionStyle != TARN_SELECT_FIRSTTEXT) {
        plainLevel = row.selected ? ColorPair{selText, selBack} : ColorPair{text, back};
        selLevel = plainLevel;
    } else {
        plainLevel = {text, back};
        selLevel = row.selected && firstColumn ? ColorPair{selText, selBack} : plainLevel;
    }
    plain->back = InheritColor(plain->back, plainLevel.back);
    plain->text = InheritColor(plain->text, plainLevel.text);
    sel->back = InheritColor(sel->back, selLevel.back);
    sel->text = InheritColor(sel->text, selLevel.text);
}

// Paints the cell of column (shown at display position) in the row. 0 when
// the cell lies right of the row, so that no later cell needs painting.
int PaintCell(const RowPaint& row, int column, int position, const ColorPair& rowPlain, const ColorPair& rowSel)
{
    ControlRecord* rec = row.rec;
    const int width = CellWidth(rec, row.listWidth, column, row.level);
    if (width <= 0)
        return 1;
    const int left = row.shifted.left + ColumnLeft(rec, position, row.level);
    RECT cell = {left, row.shifted.top, left + width, row.shifted.bottom};
    RECT meets;
    if (!IntersectRect(&meets, &cell, &row.shifted))
        return 0;
    if (!IntersectRect(&meets, &cell, &row.visible))
        return 1;   // scrolled out on the left

    const bool first = position == row.firstPosition;
    const CellFormat* format = ItemCellFormat(row.item, column);
    const ColumnDef& def = rec->columns[column];
    ColorPair plain = {TARN_COLOR_NONE, TARN_COLOR_NONE};
    ColorPair sel = plain;
    if (format)
        InheritCellColors(row, first, format->backColor, format->textColor, format->selBackColor,
                          format->selTextColor, &plain, &sel);
    InheritCellColors(row, first, def.backColor, def.textColor, def.selBackColor, def.selTextColor, &plain, &sel);
    plain.back = ResolveColor(InheritColor(plain.back, rowPlain.back));
    plain.text = ResolveColor(InheritColor(plain.text, rowPlain.text));
    sel.back = ResolveColor(InheritColor(sel.back, rowSel.back));
    sel.text = ResolveColor(InheritColor(sel.text, rowSel.text));

    CellContent content = {};
    content.rect = cell;
    content.text = row.item && row.item->texts ? row.item->texts[column] : nullptr;
    content.format = def.format;
    if (format) {
        content.font = format->hfont;
        content.bitmapStyle = format->bitmapStyle;
        if (format->hbm) {
            if (rec->fixedItemHeight) {
                content.bitmap = format->hbm;
                content.bitmapWidth = rec->bmCellInfo.bmWidth;
                content.bitmapHeight = rec->bmCellInfo.bmHeight;
            } else if (rec->bmCellInfo.bmWidth >= 1) {
                BITMAP own;
                if (DescribeBitmap(format->hbm, &own)) {
                    content.bitmap = format->hbm;
                    content.bitmapWidth = own.bmWidth;
                    content.bitmapHeight = own.bmHeight;
                }
            }
        }
    }
    content.fillBack = true;
    content.backColor = plain.back;
    content.textColor = plain.text;
    content.selBackColor = sel.back;
    content.selTextColor = sel.text;
    content.enabled = row.enabled;
    DrawCellContent(rec, row.dc, *row.work, content);

    // A single open-ended column has nothing to separate.
    const bool vertical = rec->gridStyle == TARN_GRID_VERTICAL || rec->gridStyle == TARN_GRID_BOTH;
    if (rec->showGrid && vertical && !(rec->columnCount < 2 && rec->openEnded))
        DrawGridLine(rec, row.dc, cell.right - 1, cell.top, 1, cell.bottom - cell.top);
    return 1;
}

} // namespace

bool IsRowSelected(const ControlRecord* rec, bool fieldMode, int row)
{
    if (row < 0)
        return false;
    if (!fieldMode)
        return row == rec->curSel;
    if (row != rec->currentItem || !rec->hwnd)
        return false;
    const HWND focus = GetFocus();
    return focus && (focus == rec->hwnd || focus == rec->hwndEdit);
}

bool PaintRow(ControlRecord* rec, bool fieldMode, int listWidth, HDC dc, WorkDCs& work, TarnItem* item,
              int row, const RECT& rowRect, BOOL* enabled)
{
    const bool controlEnabled = ControlDrawsEnabled(rec);
    const bool selected = IsRowSelected(rec, fieldMode, row);
    const bool itemEnabled = !item || (item->flags & TARNIF_ENABLED) != 0;
    const int level = item ? ItemLevel(item) : 0;
    const COLORREF* table = rec->colors;

    // The row pair colours the indentation zone and the area after the last
    // column; the cell pair the cells.
    ColorPair rowPair = {table[TARNCLR_TEXTCOLOR], table[TARNCLR_BACKCOLOR]};
    ColorPair cellPair;
    if (controlEnabled) {
        if (row & 1) {
            rowPair.text = InheritColor(table[TARNCLR_ALTTEXTCOLOR], rowPair.text);
            rowPair.back = InheritColor(table[TARNCLR_ALTBACKCOLOR], rowPair.back);
        }
        cellPair = rowPair;
        if (!itemEnabled) {
            cellPair = {table[TARNCLR_DISABLEDTEXTCOLOR], table[TARNCLR_BACKCOLOR]};
        } else if (selected) {
            cellPair = {table[TARNCLR_SELTEXTCOLOR], table[TARNCLR_SELBACKCOLOR]};
            // With the 3D look the frame shows the selection, so the zone
            // keeps its colour.
            if (rec->selectionStyle == TARN_SELECT_WHOLEROW && !rec->show3D)
                rowPair = cellPair;
        }
    } else {
        rowPair = cellPair = {table[TARNCLR_DISABLEDTEXTCOLOR], table[TARNCLR_BACKCOLOR]};
    }

    DrawInfo info = {};
    info.ctlId = rec->hwnd ? GetDlgCtrlID(rec->hwnd) : 0;
    info.hwnd = rec->hwnd;
    info.row = row;
    info.selected = selected;
    info.columnCount = rec->columnCount;
    info.rowTextColor = ResolveColor(rowPair.text);
    info.rowBackColor = ResolveColor(rowPair.back);
    info.cellTextColor = ResolveColor(cellPair.text);
    info.cellBackColor = ResolveColor(cellPair.back);
    info.hfont = rec->hfont;
    info.hbmLabel = item ? item->hbmLabel : nullptr;
    info.hbmBitmap = item ? item->hbmBitmap : nullptr;
    info.enabled = controlEnabled && itemEnabled;
    bool itemMayHaveMoved = false;
    if (rec->drawInfoCallback) {
        rec->drawInfoCallback(rec->hwnd, &info, rec->drawInfoUserData);
        if (rec->dead)
            return false;
        itemMayHaveMoved = true;
    }
    // A disabled control draws every row disabled, whatever the callback said.
    if (!controlEnabled)
        info.enabled = FALSE;
    const HFONT font = info.hfont ? info.hfont : rec->hfont;
    rowPair = {ResolveColor(info.rowTextColor), ResolveColor(info.rowBackColor)};
    cellPair = {ResolveColor(info.cellTextColor), ResolveColor(info.cellBackColor)};
    if (enabled)
        *enabled = info.enabled;

    TreeLinePlan plan;
    if (rec->showTreeLines) {
        PlanTreeLines(rec, row, level, &plan);
        itemMayHaveMoved = true;
    }
    // Looking at other rows gives a lent virtual record back, and the
    // callback may have changed the items: take the row afresh.
    if (itemMayHaveMoved) {
        item = GetItem(rec, row);
        if (rec->dead)   // the rows looked at were the application's to lend
            return false;
    }

    RECT shifted = rowRect;
    shifted.left -= rec->horizontalOffset;
    const int top = rowRect.top;
    const int bottom = rowRect.bottom;
    const int height = bottom - top;

    SelectGuard selectFont(dc, font);

    // The indentation zone: gap, label, tree indentation, item bitmap.
    const int overhead = LevelOverhead(rec, level);
    FillSolid(dc, RECT{shifted.left, top, shifted.left + overhead, bottom}, rowPair.back);
    const int gap = rec->showLabels || rec->showTreeLines || rec->showBitmaps ? 2 : 0;
    const int labelLeft = shifted.left + gap;
    const int labelWidth = rec->showLabels ? rec->bmLabel.bmWidth : 0;
    const int treeLeft = labelLeft + labelWidth;
    const int step = IndentStep(rec);
    const int bitmapLeft = treeLeft + level * step;

    int w;
    int h;
    if (rec->showLabels && ZoneBitmapSize(rec, info.hbmLabel, rec->bmLabel, &w, &h))
        DrawBitmapTransparent(work, dc, info.hbmLabel, 0, w, labelLeft + (labelWidth - w) / 2,
                              top + (height - h) / 2, h, rowPair.back, controlEnabled);

    if (rec->showTreeLines)
        DrawTreeLines(rec, dc, plan, treeLeft, step, shifted, controlEnabled);

    if (rec->showBitmaps && ZoneBitmapSize(rec, info.hbmBitmap, rec->bmItemBitmap, &w, &h))
        DrawBitmapTransparent(work, dc, info.hbmBitmap, 0, w,
                              bitmapLeft + (rec->bmItemBitmap.bmWidth - w) / 2, top + (height - h) / 2, h,
                              rowPair.back, info.enabled != FALSE);

    // The cells, in display order.
    {
        // Opaque text: with selection style 2 the first column's text is
        // what shows the selection.
        DcColorsGuard colors(dc);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, cellPair.back);
        SetTextColor(dc, cellPair.text);

        RowPaint paint;
        paint.rec = rec;
        paint.dc = dc;
        paint.work = &work;
        paint.item = item;
        paint.level = level;
        paint.listWidth = listWidth;
        paint.shifted = shifted;
        paint.visible = rowRect;
        paint.selected = selected;
        paint.firstPosition = FirstVisiblePosition(rec);
        paint.enabled = info.enabled;
        const bool firstTextOnly = rec->selectionStyle == TARN_SELECT_FIRSTTEXT;
        for (int pos = 0; rec->columns && pos < rec->columnCount; ++pos) {
            const int column = rec->columns[pos].columnAtPosition;
            if (!IsValidColumn(rec, column) || rec->columns[column].width == 0)
                continue;
            const ColorPair& plain = firstTextOnly ? rowPair : cellPair;
            const ColorPair& sel = firstTextOnly && pos != paint.firstPosition ? rowPair : cellPair;
            if (!PaintCell(paint, column, pos, plain, sel))
                break;
        }
    }

    // What lies right of the last column takes the row's background, unless
    // that column runs to the end of the scrollable width.
    if (!rec->openEnded) {
        int end = shifted.left + overhead;
        if (rec->columns && rec->columnCount > 0) {
            const int last = LastVisiblePosition(rec);
            end = shifted.left + ColumnLeft(rec, last, -1) +
                  CellWidth(rec, listWidth, rec->columns[last].columnAtPosition, -1);
        }
        FillSolid(dc, RECT{end, top, rowRect.right + 1, bottom}, rowPair.back);
    }

    if (rec->show3D) {
        DrawFrame3D(rec, dc, shifted.left + overhead, top, rowRect.right, bottom, selected);
    } else if (!fieldMode && rec->showGrid &&
               (rec->gridStyle == TARN_GRID_HORIZONTAL || rec->gridStyle == TARN_GRID_BOTH)) {
        DrawGridLine(rec, dc, shifted.left, bottom - 1, rowRect.right - shifted.left, 1);
    }

    if (itemMayHaveMoved)
        ReleaseItem(rec);
    return true;
}
