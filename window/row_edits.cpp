#include "window/row_edits.h"

#include "core/item_store.h"
#include "window/drop_close.h"
#include "window/tracking.h"
#include "window/view.h"

int InsertRow(ControlRecord* rec, int index, const char* text)
{
    if (IsVirtual(rec) || !CloseList(rec, false) || rec->dead)
        return -1;
    if (index < 0 || index >= rec->count)
        index = rec->count;
    TarnItem blank = {};
    blank.flags = TARNIF_ENABLED;
    const int inserted = InsertItem(rec, &blank, index, text, 0);
    if (inserted >= 0 && !RepaintAfterInsert(rec, inserted))
        return -1;
    return inserted;
}

bool ResetRows(ControlRecord* rec)
{
    // Nothing a press was tracking is left.
    CancelTracking(rec);
    if (IsVirtual(rec))
        return true;
    if (!CloseList(rec, false) || !ResetItems(rec))
        return !rec->dead;
    rec->editTyped = 0;
    RedrawAll(rec);
    return UpdateControl(rec);
}
