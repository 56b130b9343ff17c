#include "window/view.h"

#include <stdlib.h>

#include <algorithm>

#include "columns/corner_cell.h"
#include "columns/header_band.h"
#include "columns/row_headers.h"
#include "combo/combo_layout.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/control_geometry.h"
#include "layout/row_geometry.h"
#include "window/edit_field.h"
#include "window/notify.h"
#include "window/scrolling.h"

bool Painting(const ControlRecord* rec)
{
    return rec->shown && rec->redraw && rec->hwnd && !rec->dead;
}

bool UpdateOverheadWidth(ControlRecord* rec)
{
    const int width = LevelOverhead(rec, rec->maxLevel);
    if (width == rec->overheadWidth)
        return !rec->dead;
    rec->overheadWidth = width;
    return Notify(rec, TARNN_OVERHEADCHANGE);
}

bool UpdateControl(ControlRecord* rec)
{
    if (!Painting(rec))
        return !rec->dead;
    if (!UpdateOverheadWidth(rec))
        return false;
    // A strip sized for the row numbers widens as they gain a digit.
    if (FitRowHeaderWidth(rec))
        RedrawAll(rec);
    // The layout can add or remove a scroll bar, which changes what the other
    // bar needs, so both are brought up to date before and after it.
    UpdateHScrollBar(rec);
    UpdateVScrollBar(rec);
    if (!ComboLayout(rec))
        return false;
    UpdateHScrollBar(rec);
    UpdateVScrollBar(rec);
    return true;
}

void InvalidateRows(ControlRecord* rec, int index, bool andFollowing, bool withRowHeader, bool wholeWidth)
{
    if (index < 0 || !Painting(rec))
        return;
    if (rec->currentItem == index || (andFollowing && rec->currentItem > index))
        SyncEditText(rec);
    if (!rec->hwndDropDown)
        return;

    RECT rc;
    GetClientRect(rec->hwndDropDown, &rc);
    const LONG stripRight = rc.left + rec->rowHeaderWidth;
    rc.left = stripRight;
    if (withRowHeader) {
        rc.left = 0;
        if (!wholeWidth)
            rc.right = stripRight;
    }
    if (index == 0 && andFollowing) {
        InvalidateRect(rec->hwndDropDown, &rc, FALSE);
        return;
    }
    if (index < rec->topIndex) {
        if (andFollowing)
            InvalidateRect(rec->hwndDropDown, &rc, FALSE);
        return;
    }
    int top = rc.top;
    for (int row = rec->topIndex; top < rc.bottom; ++row) {
        if (row >= rec->count) {
            // Just below the last row: where a deleted last row was painted.
            if (andFollowing && index == row) {
                rc.top = top;
                InvalidateRect(rec->hwndDropDown, &rc, FALSE);
            }
            return;
        }
        const int bottom = top + ItemHeight(rec, row);
        if (row == index) {
            rc.top = top;
            if (!andFollowing && bottom < rc.bottom)
                rc.bottom = bottom;
            InvalidateRect(rec->hwndDropDown, &rc, FALSE);
            return;
        }
        top = bottom;
    }
}

int RowHeightBeforeChange(ControlRecord* rec, int row)
{
    if (rec->fixedItemHeight || IsVirtual(rec) || !IsValidRow(rec, row))
        return -1;
    return ItemHeight(rec, row);
}

void InvalidateChangedRow(ControlRecord* rec, int row, int heightBefore, bool withRowHeader)
{
    InvalidateRows(rec, row, RowHeightBeforeChange(rec, row) != heightBefore, withRowHeader);
}

void InvalidateHeaderBand(const ControlRecord* rec)
{
    if (!Painting(rec) || rec->showHeader == 0)
        return;
    RECT band;
    HeaderBandRect(rec, &band);
    InvalidateRect(rec->hwnd, &band, FALSE);
}

namespace {
// A part of the control window whose place rectOf gives; empty when the
// control does not show it.
void InvalidatePart(const ControlRecord* rec, void (*rectOf)(const ControlRecord*, RECT*))
{
    if (!Painting(rec))
        return;
    RECT rc;
    rectOf(rec, &rc);
    if (!IsRectEmpty(&rc))
        InvalidateRect(rec->hwnd, &rc, FALSE);
}
} // namespace

void InvalidateCorner(const ControlRecord* rec) { InvalidatePart(rec, CornerRect); }

void InvalidateDropButton(const ControlRecord* rec) { InvalidatePart(rec, DropButtonRect); }

void InvalidateListStrip(const ControlRecord* rec)
{
    if (!Painting(rec) || !rec->hwndDropDown || rec->rowHeaderWidth == 0)
        return;
    RECT rc;
    GetClientRect(rec->hwndDropDown, &rc);
    rc.right = rc.left + rec->rowHeaderWidth;
    InvalidateRect(rec->hwndDropDown, &rc, FALSE);
}

void RedrawAll(ControlRecord* rec)
{
    // With redrawing off nothing is marked: turning it on repaints it all.
    if (rec->dead || !rec->redraw)
        return;
    const UINT flags = RDW_INVALIDATE | RDW_NOERASE | RDW_FRAME;
    if (rec->hwnd)
        RedrawWindow(rec->hwnd, nullptr, nullptr, flags);
    if (rec->hwndDropDown)
        RedrawWindow(rec->hwndDropDown, nullptr, nullptr, flags);
    if (rec->hwndEdit)
        RedrawWindow(rec->hwndEdit, nullptr, nullptr, flags);
    SyncEditText(rec);
}

bool RelayoutAndRedrawAll(ControlRecord* rec, bool redraw)
{
    if (!UpdateControl(rec))
        return false;
    if (redraw)
        RedrawAll(rec);
    return true;
}

namespace {
// Calls see(wanted, current): what the field is to show for the committed
// row (its first visible cell; "" for no row or an empty cell) and what the
// field holds (NULL when memory runs out).
template <class See>
void CompareEditText(ControlRecord* rec, See see)
{
    char* current = CopyEditText(rec->hwndEdit);
    if (!IsValidRow(rec, rec->currentItem)) {
        see("", current);
    } else {
        TarnItem* item = GetItem(rec, rec->currentItem);
        const char* wanted = item && item->texts ? item->texts[FirstVisibleColumn(rec)] : nullptr;
        // A fetch that destroyed the control leaves no field to compare with.
        if (!rec->dead)
            see(wanted ? wanted : "", current);
        ReleaseItem(rec);
    }
    free(current);
}

void ShowCurrentItem(ControlRecord* rec)
{
    CompareEditText(rec, [rec](const char* wanted, const char* current) {
        // Rewriting an equal text would move the caret and select it all.
        if (current && lstrcmpA(current, wanted) == 0)
            return;
        SetWindowTextA(rec->hwndEdit, wanted);
        if (*wanted)
            SendMessageA(rec->hwndEdit, EM_SETSEL, 0, -1);
    });
}
} // namespace

bool EditShowsCommittedRow(ControlRecord* rec)
{
    bool same = false;
    CompareEditText(rec, [&same](const char* wanted, const char* current) {
        same = current && lstrcmpA(current, wanted) == 0;
    });
    return same;
}

void SyncEditText(ControlRecord* rec)
{
    if (rec->dead)
        return;
    ++rec->editSyncDepth;
    if (rec->hwndEdit && rec->editTextLock == 0 && !rec->editTyped)
        ShowCurrentItem(rec);
    if (rec->hwnd && rec->redraw) {
        RECT field;
        FieldRect(rec, &field);
        field.left = 0;
        InvalidateRect(rec->hwnd, &field, FALSE);
    }
    --rec->editSyncDepth;
}

bool RepaintAfterInsert(ControlRecord* rec, int index)
{
    if (Painting(rec)) {
        // The rows from the new one move down; with tree lines, the line of
        // its previous sibling now runs on to it.
        const int sibling = rec->showTreeLines ? PreviousSibling(rec, index) : -1;
        InvalidateRows(rec, sibling >= 0 ? sibling : index, true);
    }
    return UpdateControl(rec);
}

namespace {
// Rows whose tree lines pass through or end at a row whose level moved
// across pivot (the lower of the old and new level): backwards up to and
// including the nearest item at pivot, stopping short of anything shallower;
// forwards over the run of deeper items. Each row is invalidated on its own,
// so rows beyond the affected ones stay valid.
void InvalidateTreeLines(ControlRecord* rec, int index, int pivot)
{
    InvalidateRows(rec, index);
    for (int i = index - 1; i >= 0; --i) {
        const int level = LevelOf(rec, i);
        if (level < pivot)
            break;
        InvalidateRows(rec, i);
        if (level == pivot)
            break;
    }
    for (int i = index + 1; i < rec->count && LevelOf(rec, i) > pivot; ++i)
        InvalidateRows(rec, i);
}
} // namespace

bool RepaintMaxLevelChange(ControlRecord* rec)
{
    if (!UpdateOverheadWidth(rec))
        return false;
    InvalidateHeaderBand(rec);
    // Every later column moves with the indentation.
    if (rec->columnCount > 1)
        InvalidateAllRows(rec);
    return true;
}

bool RepaintLevelChange(ControlRecord* rec, int index, const LevelChange& change)
{
    if (!change.changed)
        return !rec->dead;
    if (change.maxLevelRaised && !RepaintMaxLevelChange(rec))
        return false;
    if (Painting(rec) && IsValidRow(rec, index))
        InvalidateTreeLines(rec, index, std::min(change.oldLevel, change.newLevel));
    return true;
}
