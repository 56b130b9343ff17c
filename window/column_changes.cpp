#include "window/column_changes.h"

#include "columns/column_set.h"
#include "layout/control_geometry.h"
#include "window/drop_close.h"
#include "window/edit_field.h"
#include "window/tracking.h"
#include "window/view.h"

bool SetColumnSet(ControlRecord* rec, int count, const ColumnDef* defs, bool* accepted)
{
    *accepted = false;
    if (count < 0)
        return true;
    // A drag in the header or the rows is about columns that may be gone.
    CancelTracking(rec);
    // A new column count invalidates whatever the dropped list shows, so it
    // closes first, also when the change is then refused.
    if ((count == 0 ? 1 : count) != rec->columnCount && !CloseList(rec, false))
        return false;
    if (!ReplaceColumns(rec, count, defs))
        return true;
    *accepted = true;

    // The edit field's multi-line mode follows the first visible column, so it
    // is rebuilt for the new set.
    const int type = ControlType(rec);
    bool created = true;
    if ((type == TARNS_LISTBOX || type == TARNS_DROPDOWN) && rec->hwnd && !CreateEditField(rec, &created))
        return false;
    *accepted = created;
    if (!UpdateControl(rec))
        return false;
    SyncEditText(rec);
    RedrawAll(rec);
    return true;
}
