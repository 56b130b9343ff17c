// TDropDown_WndProc: the list window that shows the rows. It keeps no state
// of its own; window long 0 holds the control's record, given as the
// creation parameter. It takes no keyboard input: the focus stays on the
// control or its edit field.
#include "combo/list_paint.h"
#include "core/control_record.h"
#include "core/shared_routines.h"
#include "layout/scrolling.h"
#include "window/control_window.h"
#include "window/gdi_guards.h"
#include "window/notify.h"
#include "window/tracking.h"

namespace {
ControlRecord* ListRecord(HWND list)
{
    const LONG_PTR value = GetWindowLongPtrA(list, 0);
    return value == -1 ? nullptr : reinterpret_cast<ControlRecord*>(value);
}

LRESULT OnListNcCreate(HWND list, const CREATESTRUCTA* cs)
{
    auto* rec = static_cast<ControlRecord*>(cs->lpCreateParams);
    if (!rec)
        return FALSE;
    SetWindowLongPtrA(list, 0, reinterpret_cast<LONG_PTR>(rec));
    rec->hwndDropDown = list;
    return TRUE;
}

void OnListCreate(ControlRecord* rec, HWND list)
{
    SetPropA(list, TARN32_PROP_DROPDOWN, reinterpret_cast<HANDLE>(1));
    const int type = ControlType(rec);
    if (type == TARNS_DROPDOWN || type == TARNS_DROPDOWNLIST) {
        HWND hwnd = rec->hwnd;
        Notify(rec, TARNN_DROPDOWNCREATED);
        if (!ControlSurvived(hwnd, rec) || !IsWindow(list))
            return;
    }
    ResetScrollBars(rec, list);
    UpdateControl(rec);
}

void OnListDestroy(ControlRecord* rec, HWND list)
{
    RemovePropA(list, TARN32_PROP_DROPDOWN);
    if (!rec->isListBox)
        Notify(rec, TARNN_DROPDOWNDESTROYED);
}

void OnListScroll(ControlRecord* rec, UINT msg, WPARAM wp, LPARAM lp)
{
    if (lp != 0)
        return;   // only the window's own bars
    const int code = LOWORD(wp);
    const int position = static_cast<short>(HIWORD(wp));
    if (msg == WM_VSCROLL)
        VScrollCommand(rec, code, position);
    else
        HScrollCommand(rec, code, position);
}

void OnListMouseMove(ControlRecord* rec)
{
    if (!Notify(rec, TARNN_MOUSEMOVE))
        return;
    if (rec->ignoreMouseMoves > 0)
        --rec->ignoreMouseMoves;
}

// The list takes no keyboard input: a press in the permanent list of type 0
// gives the focus to the edit field (or the control), whose keys move the
// selection shown here. What the press selects is the mouse tracking's.
void OnListLeftButtonDown(ControlRecord* rec)
{
    if (rec->isListBox)
        SetFocus(rec->hwndEdit ? rec->hwndEdit : rec->hwnd);
}

bool RightAndMiddleIgnored(const ControlRecord* rec)
{
    return (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_LEFTBUTTONONLY) != 0;
}

} // namespace

extern "C" LRESULT CALLBACK TDropDown_WndProc(HWND list, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        if (GetWindowLongPtrA(list, 0) == 0 && !OnListNcCreate(list, reinterpret_cast<CREATESTRUCTA*>(lp)))
            return FALSE;
        return DefWindowProcA(list, msg, wp, lp);
    }
    ControlRecord* rec = ListRecord(list);
    if (rec == nullptr)
        return msg == WM_NCDESTROY ? DefWindowProcA(list, msg, wp, lp) : 0;

    switch (msg) {
    case WM_CREATE:
        OnListCreate(rec, list);
        return 0;
    case WM_DESTROY:
        OnListDestroy(rec, list);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(list, 0, -1);
        return DefWindowProcA(list, msg, wp, lp);
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        return 0;
    case WM_SETREDRAW:
        OnSetRedraw(rec, static_cast<BOOL>(wp));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    case WM_PRINT:
        return PaintIntoDC(list, reinterpret_cast<HDC>(wp), [rec, list](HDC dc, const RECT* update) { PaintList(rec, list, dc, update); });
    case WM_CONTEXTMENU:
        return SendMessageA(rec->hwnd, msg, wp, lp);
    case WM_CANCELMODE:
        CancelTracking(rec);
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(rec, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnListScroll(rec, msg, wp, lp);
        return 0;
    case WM_MOUSEMOVE:
        OnListMouseMove(rec);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnListLeftButtonDown(rec);
        return 0;
    case WM_RBUTTONUP:
        if (RightAndMiddleIgnored(rec)) {
            HWND hwnd = rec->hwnd;
            Notify(rec, TARNN_RBUTTONUP);
            return IsWindow(list) && ControlSurvived(hwnd, rec) ? DefWindowProcA(list, msg, wp, lp) : 0;
        }
        Notify(rec, TARNN_RBUTTONUP);
        return 0;
    default:
        return DefWindowProcA(list, msg, wp, lp);
    }
}
