// Opening and closing the list of the drop-down types.
#include "window/drop_close.h"

#include "combo/dropped_rect.h"
#include "layout/control_geometry.h"
#include "window/module.h"
#include "window/notify.h"
#include "window/scrolling.h"
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

bool HasFocus(const ControlRecord* rec)
{
    HWND focus = GetFocus();
    return focus && (focus == rec->hwnd || focus == rec->hwndEdit);
}

// The pop-up: a top-most tool window on the desktop, so that it may reach
// beyond the parent's window, and a child there so that showing it does not
// take the activation from the parent's window.
bool CreateList(ControlRecord* rec, int* result)
{
    RECT rc;
    DroppedRect(rec, &rc);
    // Measuring virtual rows asks the application for them.
    if (rec->dead)
        return false;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    if (ControlType(rec) == TARNS_DROPDOWN)
        style |= WS_CLIPCHILDREN;
    if (rec->hScrollStyle)
        style |= WS_HSCROLL;
    if (rec->vScrollStyle)
        style |= WS_VSCROLL;
    // The list window stores itself in hwndDropDown while it is made, and
    // tells the parent (17), which may destroy the control then.
    HWND list = CreateWindowExA(WS_EX_TOOLWINDOW, TARN32_DROPDOWN_CLASS, "", style, rc.left, rc.top,
                                rc.right - rc.left - 1, rc.bottom - rc.top, GetDesktopWindow(), nullptr, g_hInstance,
                                rec);
    if (rec->dead)
        return false;
    if (!list || !IsWindow(list)) {
        rec->hwndDropDown = nullptr;
        ReportError("Tarn32", 6097, "Couldn't create dropdown control");
        *result = -1;
        return true;
    }
    rec->hwndDropDown = list;
    SetWindowLongPtrA(list, GWLP_ID, TARN32_ID_LIST);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(rec->hfont), FALSE);
    SetWindowPos(list, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    *result = 1;
    return rec->currentItem >= 0 ? MakeRowVisible(rec, rec->currentItem) : !rec->dead;
}
} // namespace

bool ShowDropDown(ControlRecord* rec, bool show, int* result)
{
    int ignored = 0;
    if (!result)
        result = &ignored;
    *result = 0;
    if (rec->isListBox)
        return true;
    *result = 1;
    if (show == IsDropped(rec))
        return true;
    if (show && rec->count < 1) {
        *result = 0;
        return true;
    }
    rec->dropClosed = 0;
    if (!show)
        return DestroyList(rec);
    if (!Notify(rec, TARNN_DROPDOWN))
        return false;
    // The parent cancelled the opening (WM_CANCELMODE), or opened the list
    // itself from inside the notification.
    if (rec->dropClosed || IsDropped(rec))
        return true;
    if (!HasFocus(rec)) {
        SetFocus(rec->hwnd);
        if (rec->dead)
            return false;
    }
    return CreateList(rec, result);
}

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
    // Normally the list is gone; one kept open by the parent shows the
    // highlight back on the committed row.
    SetCurSelRow(rec, rec->currentItem);
    return true;
}

bool ToggleList(ControlRecord* rec, bool accept)
{
    return IsDropped(rec) ? CloseList(rec, accept) : DropList(rec);
}
