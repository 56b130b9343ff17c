// Where the rows are: the item area, the rectangle of a row and of a cell,
// how many rows fit and which row lies under a point. Row positions are not
// kept anywhere; every answer walks the rows from topIndex, which costs no
// more than the rows on screen.
#include "layout/row_geometry.h"

#include <algorithm>

#include "layout/control_geometry.h"
#include "core/hierarchy.h"
#include "core/item_store.h"
#include "core/lock.h"
#include "layout/column_geometry.h"

namespace {
// Calls visit(row, top, bottom) for each row from topIndex that starts above
// the bottom of area, until visit returns true; returns that row or -1.
template <typename Visit>
int WalkRows(ControlRecord* rec, const RECT& area, Visit visit)
{
    int y = area.top;
    for (int row = rec->topIndex; row >= 0 && row < rec->count && y < area.bottom; ++row) {
        const int bottom = y + ItemHeight(rec, row);
        if (visit(row, y, bottom))
            return row;
        y = bottom;
    }
    return -1;
}

} // namespace

void ItemAreaRect(const ControlRecord* rec, RECT* rc)
{
    SetRectEmpty(rc);
    if (!rec->hwndDropDown || !GetClientRect(rec->hwndDropDown, rc))
        return;
    rc->left += rec->rowHeaderWidth;
}

int ItemsShown(ControlRecord* rec)
{
    ItemLock lock;
    int shown;
    if ((!rec->isListBox && rec->fixedItemHeight) || !rec->hwndDropDown) {
        if (rec->droppedHeight >= 0) {
            shown = rec->droppedHeight;
        } else {
            const int field = FieldHeight(rec);
            shown = field > 0 ? -(rec->droppedHeight / field) : 0;
        }
    } else {
        RECT client;
        GetClientRect(rec->hwndDropDown, &client);
        const int height = client.bottom - client.top;
        if (rec->fixedItemHeight) {
            const int h = ItemHeight(rec, 0);
            shown = h > 0 ? height / h : 0;
        } else {
            shown = 0;
            int total = 0;
            for (int row = rec->topIndex; row >= 0 && row < rec->count; ++row) {
                total += ItemHeight(rec, row);
                if (total > height)
                    break;
                ++shown;
            }
        }
    }
    return shown < 1 ? 1 : shown;
}

int ItemRect(ControlRecord* rec, int index, RECT* rect)
{
    SetRectEmpty(rect);
    if (index == -1) {
        FieldRect(rec, rect);
        return 0;
    }
    ItemLock lock;
    if (!IsValidRow(rec, index) || !rec->hwndDropDown || index < rec->topIndex)
        return -1;
    RECT area;
    ItemAreaRect(rec, &area);
    const int found = WalkRows(rec, area, [&](int row, int top, int bottom) {
        if (row != index)
            return false;
        SetRect(rect, area.left, top, area.right, bottom);
        return true;
    });
    return found == index ? 0 : -1;
}

RECT* CellRect(ControlRecord* rec, int row, int column)
{
    if (row < 0)
        row = rec->currentItem;
    if (column < 0)
        column = rec->caretColumn;
    if (!IsValidRow(rec, row) || !IsValidColumn(rec, column))
        return nullptr;
    RECT rowRect;
    if (ItemRect(rec, row, &rowRect) != 0)
        return nullptr;
    const int level = LevelOf(rec, row);
    RECT& cell = rec->cellRect;
    cell.left = rec->rowHeaderWidth - rec->horizontalOffset + ColumnLeft(rec, rec->columns[column].position, level);
    cell.right = cell.left + CellWidth(rec, ListWidth(rec), column, level);
    cell.top = rowRect.top;
    cell.bottom = rowRect.bottom;
    return &cell;
}

int IndexFromPoint(ControlRecord* rec, const POINT* pt, int* inField)
{
    if (inField)
        *inField = 0;
    if (!pt)
        return -1;
    if (rec->hwndDropDown) {
        POINT p = *pt;
        MapWindowPoints(rec->hwnd, rec->hwndDropDown, &p, 1);
        RECT area;
        ItemAreaRect(rec, &area);
        area.left = 0;   // a row header belongs to its row
        if (PtInRect(&area, p)) {
            ItemLock lock;
            return WalkRows(rec, area, [&](int, int top, int bottom) { return p.y >= top && p.y < bottom; });
        }
    }
    RECT field;
    FieldRect(rec, &field);
    field.left = 0;
    if (!PtInRect(&field, *pt))
        return -1;
    if (inField)
        *inField = 1;
    return rec->currentItem;
}

int MaxHorizontalOffset(const ControlRecord* rec)
{
    return std::max(0, rec->horizontalExtent - ListWidth(rec));
}
