// The exported virtual-mode functions: switching a control to rows the
// application lends on demand, their count, and the notice that a row's data
// changed.
//
// The control knows only how many rows there are; every reader fetches the
// row it needs through GetItem. So a count of any size costs nothing here:
// nothing is allocated or walked per row. The optimal widths, still to be
// built, must read the same way: a row at a time through GetItem, asking
// `dead` after each, over no more rows than maxRows allows.
#include "api/call_frame.h"
#include "core/item_store.h"
#include "window/drop_close.h"
#include "window/selection.h"
#include "window/view.h"

namespace {

bool SetVirtualCount(ControlRecord* rec, int rows)
{
    if (!IsVirtual(rec) || rows < 0)
        return false;
    if (!CloseList(rec, false))
        return false;
    // Every row may change, so the list starts again at the top. All rows are
    // marked below, which makes a scroll here pointless.
    rec->topIndex = 0;
    // The selected row may not exist any more: the parent hears that the
    // selection went (5) while the old rows are still there to read.
    if (rec->curSel >= 0) {
        SetCurSelRow(rec, -1);
        if (!SelectCurrentItem(rec, -1, true))
            return false;
    } else if (rec->currentItem >= 0) {
        rec->currentItem = -1;
        SyncEditText(rec);
    }
    // The lent record describes one of the old rows.
    GetItem(rec, -1);
    if (rec->dead)
        return false;
    rec->count = rows;
    rec->topIndex = 0;   // the parent may have scrolled while it was told
    InvalidateAllRows(rec);
    return UpdateControl(rec);
}

} // namespace

extern "C" BOOL WINAPI Tarn_VirtualInitialize(HWND hwnd, TARNVIRTUALFETCHPROC fetch, TARNVIRTUALRELEASEPROC release,
                                              LPARAM userData)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        // Without a fetch there would be rows with nothing behind them.
        if (!fetch || rec->items || !CloseList(rec, false) || rec->items)
            return FALSE;
        rec->virtualFetchCallback = fetch;
        rec->virtualReleaseCallback = release;
        rec->virtualUserData = userData;
        // A record lent under the callbacks replaced is theirs to know of;
        // the new ones never hear of it.
        rec->virtualItem = nullptr;
        rec->virtualItemIndex = -1;
        (void)SetVirtualCount(rec, 0);
        return TRUE;
    });
}

extern "C" BOOL WINAPI Tarn_VirtualCount(HWND hwnd, int rows)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) { return SetVirtualCount(rec, rows) ? TRUE : FALSE; });
}

extern "C" BOOL WINAPI Tarn_VirtualItemChanged(HWND hwnd, int index)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        if (!IsVirtual(rec))
            return FALSE;
        // The next read fetches the row afresh.
        GetItem(rec, -1);
        if (rec->dead || index >= rec->count)
            return FALSE;
        // Rows of their own heights move the rows after them, and a new level
        // moves tree lines drawn in other rows.
        if (index < 0 || rec->showTreeLines)
            InvalidateAllRows(rec);
        else
            InvalidateRows(rec, index, !rec->fixedItemHeight);
        return TRUE;
    });
}
