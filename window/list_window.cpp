// Handlers of the list window that shows the rows. It takes no keyboard
// input: the focus stays on the control or its edit field.
#include "layout/control_geometry.h"
#include "window/control_window.h"
#include "window/module.h"
#include "window/notify.h"
#include "window/scrolling.h"
#include "window/tracking.h"
#include "window/view.h"

ControlRecord* ListRecord(HWND list)
{
    const LONG_PTR value = GetWindowLongPtrA(list, 0);
    return value == 0 || value == -1 ? nullptr : reinterpret_cast<ControlRecord*>(value);
}

ControlRecord* AttachListWindow(HWND list, const CREATESTRUCTA* cs)
{
    auto* rec = static_cast<ControlRecord*>(cs ? cs->lpCreateParams : nullptr);
    // Only the control makes list windows, with its record as the creation
    // parameter; anything else gets no list window.
    if (!rec || rec->dead || !IsModuleWindow(rec->hwnd, g_controlAtom) ||
        GetWindowLongPtrA(rec->hwnd, 0) != reinterpret_cast<LONG_PTR>(rec))
        return nullptr;
    PinRecord(rec);
    SetWindowLongPtrA(list, 0, reinterpret_cast<LONG_PTR>(rec));
    rec->hwndDropDown = list;
    return rec;
}

void DetachListWindow(HWND list, ControlRecord* rec)
{
    SetWindowLongPtrA(list, 0, -1);
    if (rec->hwndDropDown == list)
        rec->hwndDropDown = nullptr;
    UnpinRecord(rec);
}

void OnListCreate(ControlRecord* rec, HWND list)
{
    SetPropA(list, TARN32_PROP_DROPDOWN, reinterpret_cast<HANDLE>(1));
    const int type = ControlType(rec);
    if ((type == TARNS_DROPDOWN || type == TARNS_DROPDOWNLIST) &&
        (!Notify(rec, TARNN_DROPDOWNCREATED) || !IsWindow(list)))
        return;
    ResetScrollBars(rec, list);
    (void)UpdateControl(rec);
}

void OnListDestroy(ControlRecord* rec, HWND list)
{
    RemovePropA(list, TARN32_PROP_DROPDOWN);
    // A press in the list ends with it.
    if (GetCapture() == list)
        CancelTracking(rec);
    if (!rec->isListBox)
        (void)Notify(rec, TARNN_DROPDOWNDESTROYED);
}

void OnListScroll(ControlRecord* rec, UINT msg, WPARAM wp, LPARAM lp)
{
    if (lp != 0)
        return;   // only the window's own bars
    const int code = LOWORD(wp);
    const int position = static_cast<short>(HIWORD(wp));
    if (msg == WM_VSCROLL)
        (void)VScrollCommand(rec, code, position);
    else
        (void)HScrollCommand(rec, code, position);
}
