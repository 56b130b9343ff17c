// Focus handling, the keys, the dialog code and type-ahead of the control.
//
// The control, its edit field and its list window hold the focus as one: the
// control hands it on to the field, and a click may put it straight into the
// field or the list, so the parent hears of a gain or a loss only when the
// focus crosses into or out of the three. The field hands the navigation
// keys (arrows up and down, pages, Enter, Esc, F4) to the control.
#include <algorithm>

#include "core/item_search.h"
#include "layout/column_geometry.h"
#include "layout/row_geometry.h"
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

namespace {
// The row a navigation key moves the highlight to, -1 for other keys and
// for an empty control. No highlight counts as one before row 0, so that
// every key going up or down lands on a row.
int KeyTarget(ControlRecord* rec, WPARAM key)
{
    if (rec->count < 1)
        return -1;
    const int last = rec->count - 1, current = rec->curSel;
    switch (key) {
    case VK_PRIOR:
        return std::max(current - ItemsShown(rec), 0);
    case VK_NEXT:
        return std::min(current + ItemsShown(rec), last);
    case VK_END:
        return last;
    case VK_HOME:
        return 0;
    case VK_LEFT:
    case VK_UP:
        return std::max(current - 1, 0);
    case VK_RIGHT:
    case VK_DOWN:
        return std::min(current + 1, last);
    default:
        return -1;
    }
}

// False when the control died on the way.
bool ActOnKey(ControlRecord* rec, WPARAM key)
{
    const bool dropDown = !rec->isListBox, dropped = IsDropped(rec);
    switch (key) {
    case VK_RETURN:
        return dropped ? CloseList(rec, true) : true;
    case VK_ESCAPE:
        // Esc ends a drag before it closes anything.
        if (rec->trackMode != 0 || rec->pressState != 0) {
            CancelTracking(rec);
            return true;
        }
        return dropped ? CloseList(rec, false) : true;
    case VK_F4:
        if (!dropDown || rec->extendedUI)
            return true;
        return dropped ? CloseList(rec, true) : DropList(rec);
    case VK_DOWN:
        // The extended interface opens a closed list with Down instead of
        // stepping through the rows unseen.
        if (dropDown && rec->extendedUI && !dropped)
            return DropList(rec);
        break;
    default:
        break;
    }
    const int target = KeyTarget(rec, key);
    return target < 0 || target == rec->curSel ? true : SetHighlight(rec, target, true);
}
} // namespace

void OnKeyDown(ControlRecord* rec, WPARAM key, LPARAM)
{
    if (!ActOnKey(rec, key))
        return;
    // Held keys repeat faster than paint messages come: show each step.
    UpdateWindow(rec->hwnd);
    if (!rec->dead && rec->hwndDropDown)
        UpdateWindow(rec->hwndDropDown);
}

void OnSysKeyDown(ControlRecord* rec, WPARAM key)
{
    if ((key == VK_UP || key == VK_DOWN) && !rec->isListBox)
        (void)ToggleList(rec, true);
}

void OnChar(ControlRecord* rec, WPARAM ch)
{
    if (IsVirtual(rec))
        return;
    char text[2] = {static_cast<char>(ch), '\0'};
    const int found = FindItemText(rec, rec->curSel, FirstVisibleColumn(rec), text, TRUE, false);
    if (found >= 0)
        (void)SetHighlight(rec, found, true);
}
