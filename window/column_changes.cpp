#include "window/column_changes.h"

#include <stdlib.h>

#include "columns/column_set.h"
#include "layout/control_geometry.h"
#include "window/drop_close.h"
#include "window/edit_field.h"
#include "window/tracking.h"
#include "window/view.h"

namespace {
// What the user left in an edit field that new columns replace: its length
// limit, and its text with the caret and selection when that text is the
// user's own (unmatched, or typed in another case). The committed row's
// text is not carried: the new field shows the row from the new columns.
class EditCarry {
public:
    explicit EditCarry(ControlRecord* rec)
    {
        HWND edit = rec->hwndEdit;
        if (!edit)
            return;
        hadField_ = true;
        limit_ = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
        if (EditShowsCommittedRow(rec))
            return;
        text_ = CopyEditText(edit);
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start_), reinterpret_cast<LPARAM>(&end_));
    }
    ~EditCarry() { free(text_); }
    EditCarry(const EditCarry&) = delete;
    EditCarry& operator=(const EditCarry&) = delete;

    // Gives the control's present field what was carried. Without a
    // carried text the field is to show the committed row.
    void Apply(ControlRecord* rec) const
    {
        HWND edit = rec->hwndEdit;
        if (!hadField_ || !edit)
            return;
        SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit_), 0);
        rec->editTyped = text_ ? 1 : 0;
        if (!text_)
            return;
        // The text is not new to the user: it is neither looked up nor
        // reported again.
        ++rec->editSyncDepth;
        SetWindowTextA(edit, text_);
        SendMessageA(edit, EM_SETSEL, start_, end_);
        --rec->editSyncDepth;
    }

private:
    bool hadField_ = false;
    LRESULT limit_ = 0;
    char* text_ = nullptr;
    DWORD start_ = 0, end_ = 0;
};
} // namespace

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
    // Read while the field still shows the row from the old columns.
    const EditCarry carry(rec);
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
    carry.Apply(rec);
    if (!UpdateControl(rec))
        return false;
    SyncEditText(rec);
    RedrawAll(rec);
    return true;
}
