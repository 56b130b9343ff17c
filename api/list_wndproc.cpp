// TDropDown_WndProc: the window procedure of the list window, a flat
// dispatch to the handlers of window/control_window.h. The window pins the
// control's record from WM_NCCREATE to WM_NCDESTROY.
#include "combo/list_paint.h"
#include "layout/gdi_guards.h"
#include "window/control_window.h"
#include "window/list_frame.h"
#include "window/print.h"
#include "window/module.h"
#include "window/tracking.h"

namespace {
LRESULT Dispatch(ControlRecord* rec, HWND list, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        OnListCreate(rec, list);
        return 0;
    case WM_DESTROY:
        OnListDestroy(rec, list);
        return 0;
    case WM_ACTIVATE:
        return 0;
    case WM_SETFOCUS:
        OnPartSetFocus(rec, reinterpret_cast<HWND>(wp));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(rec, reinterpret_cast<HWND>(wp));
        return 0;
    case WM_SETREDRAW:
        OnSetRedraw(rec, static_cast<BOOL>(wp));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        OnListNcPaint(rec, list, reinterpret_cast<HRGN>(wp));
        return 0;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        ForgetListFrame(rec);
        return DefWindowProcA(list, msg, wp, lp);
    case WM_PRINTCLIENT:
        if (!wp)
            return 0;
        [[fallthrough]];
    case WM_PAINT:
        return PaintIntoDC(list, reinterpret_cast<HDC>(wp),
                           [rec, list](HDC dc, const RECT* update) { (void)PaintList(rec, list, dc, update); });
    case WM_PRINT:
        return PrintWindowParts(list, reinterpret_cast<HDC>(wp), lp,
                                [rec, list](HDC dc) { return PaintList(rec, list, dc, nullptr); });
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
    default: {
        LRESULT result = 0;
        if ((msg == WM_MOUSEACTIVATE || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST)) &&
            OnListMouse(rec, list, msg, wp, lp, &result))
            return result;
        return DefWindowProcA(list, msg, wp, lp);
    }
    }
}
} // namespace

extern "C" LRESULT CALLBACK TDropDown_WndProc(HWND list, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!IsModuleWindow(list, g_listAtom))
        return DefWindowProcA(list, msg, wp, lp);
    if (msg == WM_NCCREATE) {
        if (!ListRecord(list) && !AttachListWindow(list, reinterpret_cast<const CREATESTRUCTA*>(lp)))
            return FALSE;
        return DefWindowProcA(list, msg, wp, lp);
    }
    RecordPin pin(ListRecord(list));
    ControlRecord* rec = pin.get();
    if (!rec)
        return msg == WM_NCDESTROY ? DefWindowProcA(list, msg, wp, lp) : 0;
    if (msg == WM_NCDESTROY) {
        DetachListWindow(list, rec);
        return DefWindowProcA(list, msg, wp, lp);
    }
    // The list of a control being destroyed still tells the parent it goes
    // (WM_DESTROY) but otherwise only gets the default processing.
    if (rec->dead && msg != WM_DESTROY)
        return DefWindowProcA(list, msg, wp, lp);
    return Dispatch(rec, list, msg, wp, lp);
}
