// The in-place edit field: a superclass of "EDIT" that hands the navigation
// keys to the control and keeps the control's record in its own window long.
#include "window/edit_field.h"

#include "combo/drop_close.h"
#include "core/shared_routines.h"
#include "window/module.h"
#include "window/notify.h"

WNDPROC g_editWndProc = nullptr;
int g_editExtraOffset = 0;

namespace {
ControlRecord* EditRecord(HWND edit)
{
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(edit, g_editExtraOffset));
}

bool IsForwardedKey(WPARAM key)
{
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_F4:
        return true;
    default:
        return false;
    }
}

LRESULT DialogCode(ControlRecord* rec, HWND edit, WPARAM wp, LPARAM lp)
{
    LRESULT code = CallWindowProcA(g_editWndProc, edit, WM_GETDLGCODE, wp, lp);
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (!msg)
        return code;
    const bool dropped = IsDropped(rec);
    bool wantAll = false;
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
            wantAll = dropped;
            break;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
        case VK_SELECT:
            wantAll = true;
            break;
        case VK_F4:
            wantAll = !rec->extendedUI;
            break;
        default:
            break;
        }
    } else if (msg->message == WM_CHAR && msg->wParam == '\r') {
        wantAll = dropped;
    }
    return wantAll ? code | DLGC_WANTALLKEYS : code;
}
} // namespace

HWND CreateEditField(ControlRecord* rec)
{
    HWND focus = GetFocus();
    const bool hadFocus = focus && (focus == rec->hwnd || (rec->hwndEdit && focus == rec->hwndEdit));
    if (rec->hwndEdit) {
        DestroyWindow(rec->hwndEdit);
        rec->hwndEdit = nullptr;
    }
    SetWindowLongA(rec->hwnd, GWL_STYLE, GetWindowLongA(rec->hwnd, GWL_STYLE) | WS_CLIPCHILDREN);

    DWORD style = WS_CHILD | WS_VISIBLE;
    if (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_AUTOHSCROLL)
        style |= ES_AUTOHSCROLL;
    // The edit field wraps like the column it shows.
    if (rec->columns[FirstVisibleColumn(rec)].format & TARNCF_WORDWRAP)
        style |= WS_VSCROLL | ES_MULTILINE;
    // The new window stores itself in hwndEdit while it is being created.
    HWND edit = CreateWindowExA(0, TARN32_EDIT_CLASS, "", style, 0, 0, 0, 0, rec->hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(TARN32_ID_EDIT)), g_hInstance, nullptr);
    if (!edit) {
        rec->hwndEdit = nullptr;
        ReportError("Tarn32", 7569, "Couldn't create edit control");
        return nullptr;
    }
    rec->hwndEdit = edit;
    HFONT font = rec->hfontEditCtl ? rec->hfontEditCtl : rec->hfont;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (hadFocus)
        SetFocus(edit);
    return edit;
}

extern "C" LRESULT CALLBACK TCtl_WndProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp)
{
    ControlRecord* rec = EditRecord(edit);
    if (rec == nullptr) {
        if (msg != WM_NCCREATE && msg != WM_GETMINMAXINFO)
            return 0;
        HWND control = GetParent(edit);
        rec = control ? GetRecord(control) : nullptr;
        if (rec == nullptr || rec == reinterpret_cast<ControlRecord*>(-1))
            return 0;
        SetWindowLongPtrA(edit, g_editExtraOffset, reinterpret_cast<LONG_PTR>(rec));
        rec->hwndEdit = edit;
    }
    if (rec == reinterpret_cast<ControlRecord*>(-1))
        return CallWindowProcA(g_editWndProc, edit, msg, wp, lp);

    switch (msg) {
    case WM_KILLFOCUS: {
        HWND control = rec->hwnd;
        HWND newFocus = reinterpret_cast<HWND>(wp);
        SendMessageA(control, WM_CANCELMODE, 0, 0);
        if (!Notify(rec, TARNN_KILLFOCUS))
            return CallWindowProcA(g_editWndProc, edit, msg, wp, lp);
        if (!newFocus || (newFocus != control && newFocus != rec->hwndDropDown && newFocus != edit))
            CloseList(rec, false);
        return CallWindowProcA(g_editWndProc, edit, msg, wp, lp);
    }
    case WM_GETDLGCODE:
        return DialogCode(rec, edit, wp, lp);
    case WM_KEYDOWN:
        if (IsForwardedKey(wp)) {
            SendMessageA(rec->hwnd, WM_KEYDOWN, wp, lp);
            return 0;
        }
        break;
    case WM_CHAR:
        if (!rec->isListBox && (wp == '\r' || wp == 27))
            return 0;
        SendMessageA(rec->hwnd, WM_CANCELMODE, 0, 0);
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(edit, g_editExtraOffset, -1);
        if (rec->hwndEdit == edit)
            rec->hwndEdit = nullptr;
        break;
    default:
        break;
    }
    return CallWindowProcA(g_editWndProc, edit, msg, wp, lp);
}

extern "C" int WINAPI Tarn_LimitText(HWND hwnd, int limit)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (limit < 0 || !rec->hwndEdit)
        return -1;
    SendMessageA(rec->hwndEdit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    return 0;
}

extern "C" int WINAPI Tarn_GetEditSel(HWND hwnd, DWORD* start, DWORD* end)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (start)
        *start = static_cast<DWORD>(-1);
    if (end)
        *end = static_cast<DWORD>(-1);
    if (!rec->hwndEdit)
        return -1;
    const LRESULT both = SendMessageA(rec->hwndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                                      reinterpret_cast<LPARAM>(end));
    if (start && end && *start == static_cast<DWORD>(-1) && *end == static_cast<DWORD>(-1)) {
        *start = LOWORD(both);
        *end = HIWORD(both);
    }
    return 0;
}

extern "C" int WINAPI Tarn_SetEditSel(HWND hwnd, int start, int end)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!rec->hwndEdit)
        return -1;
    SendMessageA(rec->hwndEdit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    return 0;
}

extern "C" HWND WINAPI Tarn_GetHWNDEdit(HWND hwnd)
{
    return GetRecord(hwnd)->hwndEdit;
}
