#include "core/shared_routines.h"

#include "combo/combo_layout.h"
#include "core/item_store.h"
#include "layout/row_geometry.h"
#include "layout/scrolling.h"
#include "window/notify.h"

namespace {
bool Painting(const ControlRecord* rec) { return rec->shown && rec->redraw; }
}

void UpdateControl(ControlRecord* rec)
{
    if (!Painting(rec))
        return;
    if (!UpdateOverheadWidth(rec))
        return;
    // The layout can add or remove a scroll bar, which changes what the other
    // bar needs, so both are brought up to date before and after it.
    UpdateHScrollBar(rec);
    UpdateVScrollBar(rec);
    ComboLayout(rec);
    UpdateHScrollBar(rec);
    UpdateVScrollBar(rec);
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
    for (int row = rec->topIndex; row < rec->count && top < rc.bottom; ++row) {
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

void RedrawAll(ControlRecord* rec)
{
    const UINT flags = RDW_INVALIDATE | RDW_NOERASE | RDW_FRAME;
    if (rec->hwnd)
        RedrawWindow(rec->hwnd, nullptr, nullptr, flags);
    if (rec->hwndDropDown)
        RedrawWindow(rec->hwndDropDown, nullptr, nullptr, flags);
    if (rec->hwndEdit)
        RedrawWindow(rec->hwndEdit, nullptr, nullptr, flags);
    SyncEditText(rec);
}

int FirstVisibleColumn(const ControlRecord* rec)
{
    for (int pos = 0; pos < rec->columnCount; ++pos) {
        const int col = rec->columns[pos].columnAtPosition;
        if (col >= 0 && col < rec->columnCount && rec->columns[col].width > 0)
            return col;
    }
    return 0;
}

namespace {
void SetEditText(ControlRecord* rec, const char* text)
{
    SetWindowTextA(rec->hwndEdit, text);
    if (*text)
        SendMessageA(rec->hwndEdit, EM_SETSEL, 0, -1);
}

void ClearEditText(ControlRecord* rec)
{
    if (GetWindowTextLengthA(rec->hwndEdit) > 0)
        SetWindowTextA(rec->hwndEdit, "");
}
}

void SyncEditText(ControlRecord* rec)
{
    ++rec->editSyncDepth;
    if (rec->hwndEdit && rec->editTextLock == 0) {
        if (IsValidRow(rec, rec->currentItem)) {
            TarnItem* item = GetItem(rec, rec->currentItem);
            if (!item || !item->texts || !item->texts[0]) {
                ClearEditText(rec);
            } else {
                const char* wanted = item->texts[FirstVisibleColumn(rec)];
                if (!wanted)
                    wanted = "";
                char current[512];
                GetWindowTextA(rec->hwndEdit, current, sizeof current);
                if (lstrcmpA(current, wanted) != 0)
                    SetEditText(rec, wanted);
            }
            ReleaseItem(rec);
        } else {
            ClearEditText(rec);
        }
    }
    if (rec->hwnd) {
        RECT field;
        FieldRect(rec, &field);
        field.left = 0;
        InvalidateRect(rec->hwnd, &field, FALSE);
    }
    --rec->editSyncDepth;
}

void SetCurSelRow(ControlRecord* rec, int index)
{
    if (index == rec->curSel)
        return;
    if (rec->curSel >= 0)
        InvalidateRows(rec, rec->curSel);
    rec->curSel = index;
    if (index >= 0)
        InvalidateRows(rec, index);
}

bool SelectCurrentItem(ControlRecord* rec, int index, bool notify)
{
    if (index >= 0 && rec->hwnd)
        Tarn_MakeRowVisible(rec->hwnd, index);
    rec->currentItem = index;
    SyncEditText(rec);
    UpdateControl(rec);
    if (notify)
        return Notify(rec, TARNN_SELCHANGE);
    return true;
}

bool SetHighlight(ControlRecord* rec, int index, bool commit)
{
    SetCurSelRow(rec, index);
    if (commit)
        return SelectCurrentItem(rec, rec->curSel, true);
    return true;
}

void MoveHighlight(ControlRecord* rec, int index)
{
    if (index != rec->curSel)
        SetHighlight(rec, index, false);
    if (index >= 0 && rec->hwnd)
        Tarn_MakeRowVisible(rec->hwnd, index);
}
