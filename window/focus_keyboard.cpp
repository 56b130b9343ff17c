// Focus handling, the dialog code and type-ahead of the control window.
//
// The navigation keys (arrows, pages, Enter, Esc, F4) act once the list
// geometry and the drop-down exist; until then a key does nothing.
#include "core/item_search.h"
#include "layout/column_geometry.h"
#include "window/control_window.h"
#include "window/drop_close.h"
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

void OnSetFocus(ControlRecord* rec)
{
    {
        EditTextLock lock(rec);
        // Passing the focus on makes the control lose it first, which
        // notifies the parent.
        if (rec->hwndEdit)
            SetFocus(rec->hwndEdit);
        if (rec->dead)
            return;
        RepaintCurrent(rec);
    }
    (void)Notify(rec, TARNN_SETFOCUS);
}

void OnKillFocus(ControlRecord* rec, HWND newFocus)
{
    {
        EditTextLock lock(rec);
        CancelTracking(rec);
        const bool stays =
            newFocus && (newFocus == rec->hwnd || newFocus == rec->hwndDropDown || newFocus == rec->hwndEdit);
        if (!rec->isListBox && !stays && !CloseList(rec, false))
            return;
        RepaintCurrent(rec);
    }
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

void OnKeyDown(ControlRecord* rec, WPARAM key, LPARAM)
{
    // Esc first ends a press or drag of the mouse.
    if (key == VK_ESCAPE && (rec->trackMode != 0 || rec->pressState != 0))
        CancelTracking(rec);
}

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
