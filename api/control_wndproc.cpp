// Tarn_WndProc: the window procedure of class "Tarn32", a flat dispatch to
// the named handlers of window/control_window.h inside one call frame.
#include <windowsx.h>

#include "combo/control_paint.h"
#include "core/control_record.h"
#include "layout/gdi_guards.h"
#include "window/control_window.h"
#include "window/print.h"
#include "window/drop_close.h"
#include "window/module.h"
#include "window/notify.h"
#include "window/tracking.h"

namespace {
bool ForwardToEdit(ControlRecord* rec, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (!rec->hwndEdit)
        return false;
    *result = SendMessageA(rec->hwndEdit, msg, wp, lp);
    return true;
}

bool FocusOnControl(const ControlRecord* rec)
{
    HWND focus = GetFocus();
    return focus && (focus == rec->hwnd || focus == rec->hwndEdit || focus == rec->hwndDropDown);
}

// The record behind the window: made by the first message that can carry it
// (WM_NCCREATE or WM_GETMINMAXINFO); NULL before that and after WM_NCDESTROY.
ControlRecord* RecordFor(HWND hwnd, UINT msg)
{
    const LONG_PTR value = GetWindowLongPtrA(hwnd, 0);
    if (value == -1)
        return nullptr;   // a late message must not make a new record
    if (value != 0)
        return reinterpret_cast<ControlRecord*>(value);
    if (msg != WM_NCCREATE && msg != WM_GETMINMAXINFO)
        return nullptr;
    ControlRecord* rec = AllocateRecord(hwnd);
    if (rec)
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(rec));
    return rec;
}

// The window lets go of its record: entry points no longer find it, and the
// record is freed once the last frame that still runs on it returns.
void ReleaseWindowRecord(HWND hwnd, ControlRecord* rec)
{
    OnDestroy(rec);   // a failed creation gets no WM_DESTROY
    SetWindowLongPtrA(hwnd, 0, -1);
    rec->hwnd = rec->hwndEdit = rec->hwndDropDown = nullptr;
    UnpinRecord(rec);
}

LRESULT Dispatch(ControlRecord* rec, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        return OnCreate(rec, reinterpret_cast<const CREATESTRUCTA*>(lp));
    case WM_DESTROY:
        OnDestroy(rec);
        return 0;
    case WM_SIZE:
        OnSize(rec, wp, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return 0;
    case WM_WINDOWPOSCHANGED:
        result = DefWindowProcA(hwnd, msg, wp, lp);
        if (!rec->dead)
            OnWindowPosChanged(rec, reinterpret_cast<const WINDOWPOS*>(lp));
        return result;
    case WM_SETFOCUS:
        OnSetFocus(rec, reinterpret_cast<HWND>(wp));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(rec, reinterpret_cast<HWND>(wp));
        return 0;
    case WM_ENABLE:
        OnEnable(rec, static_cast<BOOL>(wp));
        return 0;
    case WM_SETREDRAW:
        OnSetRedraw(rec, static_cast<BOOL>(wp));
        return 0;
    case WM_GETTEXT:
        if (ForwardToEdit(rec, msg, wp, lp, &result))
            return result;
        return OnGetText(rec, wp, reinterpret_cast<char*>(lp));
    case WM_GETTEXTLENGTH:
        if (ForwardToEdit(rec, msg, wp, lp, &result))
            return result;
        return OnGetTextLength(rec);
    case WM_PRINTCLIENT:
        // The client area alone (PrintWindow, AnimateWindow): WM_PAINT with a DC.
        if (!wp)
            return 0;
        [[fallthrough]];
    case WM_PAINT:
        return PaintIntoDC(hwnd, reinterpret_cast<HDC>(wp),
                           [rec](HDC dc, const RECT* update) { (void)PaintControl(rec, dc, update); });
    case WM_PRINT:
        return PrintWindowParts(hwnd, reinterpret_cast<HDC>(wp), lp,
                                [rec](HDC dc) { return PaintControl(rec, dc, nullptr); });
    case WM_ERASEBKGND:
        return 1;
    case WM_SHOWWINDOW:
        OnShowWindow(rec, static_cast<BOOL>(wp));
        return 0;
    case WM_CANCELMODE:
        CancelTracking(rec);
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(rec, reinterpret_cast<HWND>(wp), static_cast<short>(LOWORD(lp))))
            return 1;
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_MOUSEACTIVATE:
        if (!rec->isListBox && FocusOnControl(rec))
            return MA_ACTIVATE;
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_SETFONT:
        OnSetFont(rec, reinterpret_cast<HFONT>(wp), static_cast<BOOL>(lp));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(rec->hfont);
    case WM_NCPAINT:
        DefWindowProcA(hwnd, msg, wp, 0);
        OnNcPaint(rec);
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode(rec, reinterpret_cast<const MSG*>(lp));
    case WM_KEYDOWN:
        OnKeyDown(rec, wp, lp);
        return 0;
    case WM_SYSKEYDOWN:
        // Not even Alt+F4 reaches the default processing.
        OnSysKeyDown(rec, wp);
        return 0;
    case WM_CHAR:
        OnChar(rec, wp);
        return 0;
    case WM_COMMAND:
        OnEditCommand(rec, wp, lp);
        if (!rec->dead)
            DefWindowProcA(hwnd, msg, wp, lp);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lp) != rec->hwndEdit)
            return DefWindowProcA(hwnd, msg, wp, lp);
        return OnCtlColorEdit(rec, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(rec, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_MOUSEMOVE:
        OnMouseMove(rec, wp, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(rec, wp, GET_X_LPARAM(lp), GET_Y_LPARAM(lp), msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(rec, wp, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        return 0;
    case WM_RBUTTONUP:
        if (!Notify(rec, TARNN_RBUTTONUP))
            return 0;
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_MOUSEWHEEL:
        OnMouseWheel(rec, GET_WHEEL_DELTA_WPARAM(wp));
        return 0;
    case WM_CUT:
        if (!ForwardToEdit(rec, msg, wp, lp, &result))
            OnCut(rec);
        return 0;
    case WM_COPY:
        if (!ForwardToEdit(rec, msg, wp, lp, &result))
            OnCopy(rec);
        return 0;
    case WM_CLEAR:
        OnClear(rec);
        return 0;
    case WM_SETTEXT:
    case WM_PASTE:
    case WM_UNDO:
        ForwardToEdit(rec, msg, wp, lp, &result);
        if (rec->dead)
            return 0;
        return DefWindowProcA(hwnd, msg, wp, lp);
    case TARNM_CLOSEDROPDOWN:
        if (!CloseList(rec, false))
            return 0;
        return DefWindowProcA(hwnd, msg, wp, lp);
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}
} // namespace

extern "C" LRESULT CALLBACK Tarn_WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    // The procedure is exported, so it may be handed any window.
    if (!IsModuleWindow(hwnd, g_controlAtom))
        return DefWindowProcA(hwnd, msg, wp, lp);
    RecordPin pin(RecordFor(hwnd, msg));
    ControlRecord* rec = pin.get();
    if (!rec)
        return 0;
    if (msg == WM_NCDESTROY) {
        ReleaseWindowRecord(hwnd, rec);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    // A control being destroyed only gets the default processing.
    if (rec->dead)
        return DefWindowProcA(hwnd, msg, wp, lp);
    return Dispatch(rec, hwnd, msg, wp, lp);
}
