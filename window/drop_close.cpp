// Closing the list of the drop-down types.
#include "window/drop_close.h"

#include "window/notify.h"
#include "window/selection.h"

namespace {
// Destroys the pop-up list window; the list window tells the parent (18).
bool DestroyList(ControlRecord* rec)
{
    rec->dropClosed = 0;
    HWND list = rec->hwndDropDown;
    rec->hwndDropDown = nullptr;
    if (list)
        DestroyWindow(list);
    return !rec->dead;
}
} // namespace

bool CloseList(ControlRecord* rec, bool accept)
{
    if (IsDropped(rec)) {
        rec->dropClosed = 0;
        if (!Notify(rec, accept ? TARNN_SELENDOK : TARNN_SELENDCANCEL))
            return false;
        // The parent's handling may have cancelled the closing.
        if (!rec->dropClosed && !DestroyList(rec))
            return false;
    }
    if (accept)
        return SelectCurrentItem(rec, rec->curSel, true);
    rec->curSel = rec->currentItem;
    return true;
}
