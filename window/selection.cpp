#include "window/selection.h"

#include "core/item_store.h"
#include "window/notify.h"
#include "window/scrolling.h"
#include "window/view.h"

namespace {
// A row asked for before a call that may reach the application, found again
// afterwards by its item: stored rows are followed through insertions and
// deletions; a row that is gone, or a virtual row beyond the count, is -1.
class RowAnchor {
public:
    RowAnchor(const ControlRecord* rec, int index)
        : index_(index), item_(IsValidRow(rec, index) && !IsVirtual(rec) ? rec->items[index] : nullptr) {}
    int Find(const ControlRecord* rec) const
    {
        if (index_ < 0)
            return -1;
        if (item_)
            return IsVirtual(rec) ? -1 : LocateItem(rec, item_, index_);
        return IsValidRow(rec, index_) ? index_ : -1;
    }

private:
    int index_;
    const TarnItem* item_;
};
} // namespace

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
    if (index >= 0) {
        // A highlight being committed stays on the committed row, wherever
        // the application's changes moved it.
        const bool highlightFollows = rec->curSel == index;
        const RowAnchor anchor(rec, index);
        if (!MakeRowVisible(rec, index))
            return false;
        index = anchor.Find(rec);
        if (highlightFollows)
            SetCurSelRow(rec, index);
    }
    rec->currentItem = index;
    // A row committed here replaces whatever the user typed into the field.
    rec->editTyped = 0;
    SyncEditText(rec);
    if (!UpdateControl(rec))
        return false;
    return notify ? Notify(rec, TARNN_SELCHANGE) : true;
}

bool SetHighlight(ControlRecord* rec, int index, bool commit)
{
    SetCurSelRow(rec, index);
    return commit ? SelectCurrentItem(rec, rec->curSel, true) : !rec->dead;
}

bool MoveHighlight(ControlRecord* rec, int index)
{
    if (index != rec->curSel && !SetHighlight(rec, index, false))
        return false;
    return index >= 0 ? MakeRowVisible(rec, index) : true;
}

bool SelectFound(ControlRecord* rec, int found)
{
    const RowAnchor anchor(rec, found);
    if (!SetHighlight(rec, found, true))
        return false;
    found = anchor.Find(rec);
    return found >= 0 ? MakeRowVisible(rec, found) : true;
}
