// Focus handling, the keys, the dialog code and type-ahead of the control.
//
// The control, its edit field and its list window hold the focus as one: the
// control hands it on to the field, and a click may put it straight into the
// field or the list, so the parent hears of a gain or a loss only when the
// focus crosses into or out of the three. The field hands the navigation
// keys (arrows up and down, pages, Enter, Esc, F4) to the control.
#include "core/item_search.h"
#include "layout/column_geometry.h"
#include "window/control_window.h"
#include "window/drop_close.h"
#include "window/edit_field.h"
#include "window/module.h"
#include "window/notify.h"
#include "window/selection.h"
#include "window/tracking.h"
#include "window/view.h"

namespace {
// Keeps the edit field's text as it is while the focus moves: the field shows
// what the user typed, not what the committed row holds.
class EditTextLock {
public:
    explicit EditTextLock(ControlRecord* rec) : rec_(rec) { ++rec_->editTextLock; }
    ~EditTextLock() { --rec_->editTextLock; }
    EditTextLock(const EditTextLock&) = delete;
    EditTextLock& operator=(const EditTextLock&) = delete;

private:
    ControlRecord* rec_;
};

// The committed row and the field show the focus state.
void RepaintCurrent(ControlRecord* rec)
{
    if (rec->currentItem >= 0)
        InvalidateRows(rec, rec->currentItem);
    SyncEditText(rec);
}
} // namespace

bool InFocusFamily(const ControlRecord* rec, HWND window)
{
    if (!window)
        return false;
    if (window == rec->hwnd || window == rec->hwndEdit || window == rec->hwndDropDown)
        return true;
    // A field or list the control has already let go of is still on its way
    // out: the focus it hands back to the control never left.
    return (IsModuleWindow(window, g_editAtom) && EditRecord(window) == rec) ||
           (IsModuleWindow(window, g_listAtom) && ListRecord(window) == rec);
}

void OnSetFocus(ControlRecord* rec, HWND previous)
{
    const bool gained = !InFocusFamily(rec, previous);
    {
        EditTextLock lock(rec);
        // The field takes the keys; passing the focus on stays in the family.
        if (rec->hwndEdit)
            SetFocus(rec->hwndEdit);
        if (rec->dead)
            return;
        RepaintCurrent(rec);
    }
    if (gained)
        (void)Notify(rec, TARNN_SETFOCUS);
}

void OnPartSetFocus(ControlRecord* rec, HWND previous)
{
    const bool gained = !InFocusFamily(rec, previous);
    {
        EditTextLock lock(rec);
        RepaintCurrent(rec);
    }
    if (gained)
        (void)Notify(rec, TARNN_SETFOCUS);
}

void OnKillFocus(ControlRecord* rec, HWND newFocus)
{
    const bool lost = !InFocusFamily(rec, newFocus);
    {
        EditTextLock lock(rec);
        if (lost) {
            CancelTracking(rec);
            if (!rec->isListBox && !CloseList(rec, false))
                return;
        }
        RepaintCurrent(rec);
    }
    if (lost)
        (void)Notify(rec, TARNN_KILLFOCUS);
}

LRESULT OnGetDlgCode(ControlRecord* rec, const MSG* msg)
{
    LRESULT code = DLGC_WANTARROWS;
    if (rec->hwndEdit)
        code |= DLGC_HASSETSEL;
    if (!msg)
        return code;
    const bool dropped = IsDropped(rec);
    bool wantAll = false;
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_RETURN:
            wantAll = dropped;
            break;
        case VK_ESCAPE:
            wantAll = rec->trackMode != 0 || dropped;
            break;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_SELECT:
            wantAll = true;
            break;
        case VK_F4:
            wantAll = !rec->isListBox && !rec->extendedUI;
            break;
        default:
            break;
        }
    } else if (msg->message == WM_CHAR) {
        if (msg->wParam == '\n' || msg->wParam == '\r')
            wantAll = dropped;
        else
            wantAll = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
    }
    return wantAll ? code | DLGC_WANTALLKEYS : code;
}

void OnKeyDown(ControlRecord*, WPARAM, LPARAM) {}

void OnSysKeyDown(ControlRecord*, WPARAM) {}

void OnChar(ControlRecord* rec, WPARAM ch)
{
    if (IsVirtual(rec))
        return;
    char text[2] = {static_cast<char>(ch), '\0'};
    const int found = FindItemText(rec, rec->curSel, FirstVisibleColumn(rec), text, TRUE, false);
    if (found >= 0)
        (void)SetHighlight(rec, found, true);
}
