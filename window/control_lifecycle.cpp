// Allocation, creation and destruction of a control.
#include <cstdlib>

#include "columns/column_set.h"
#include "core/ctl_colors.h"
#include "core/item_store.h"
#include "resource_ids.h"
#include "window/column_changes.h"
#include "window/control_window.h"
#include "window/drop_close.h"
#include "window/edit_field.h"
#include "window/list_frame.h"
#include "window/module.h"
#include "window/tracking.h"
#include "window/view.h"

namespace {
void LoadCursors(ControlRecord* rec)
{
    rec->hcurColumnSize = LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_TARN_COLUMNSIZE));
    rec->hcurDrag1 = LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_TARN_COLUMNDRAG));
    rec->hcurDrag2 = LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_TARN_NODROP));
}

void LookUpScrollInfo(ControlRecord* rec)
{
    const DWORD version = GetVersion();
    const bool nt = (version & 0x80000000u) == 0;
    const int major = LOBYTE(LOWORD(version));
    const int minor = HIBYTE(LOWORD(version));
    // Windows NT 3.51 and the Windows 95 family have them; older systems use
    // the plain scroll-range calls.
    const bool available = nt ? (major > 3 || (major == 3 && minor >= 51)) : major >= 4;
    if (!available)
        return;
    HMODULE user = GetModuleHandleA("USER32.DLL");
    if (!user)
        return;
    rec->pfnSetScrollInfo = reinterpret_cast<decltype(&SetScrollInfo)>(
        reinterpret_cast<void*>(GetProcAddress(user, "SetScrollInfo")));
    rec->pfnGetScrollInfo = reinterpret_cast<decltype(&GetScrollInfo)>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetScrollInfo")));
}

// The control's own window gives its scroll bars to the list window.
void MoveScrollStyles(ControlRecord* rec, DWORD style)
{
    rec->vScrollStyle = rec->vScrollShown = (style & WS_VSCROLL) ? 1 : 0;
    rec->hScrollStyle = rec->hScrollShown = (style & WS_HSCROLL) ? 1 : 0;
    SetScrollPos(rec->hwnd, SB_VERT, 0, FALSE);
    SetScrollRange(rec->hwnd, SB_VERT, 0, 0, FALSE);
    SetScrollPos(rec->hwnd, SB_HORZ, 0, FALSE);
    SetScrollRange(rec->hwnd, SB_HORZ, 0, 0, TRUE);
    SetWindowLongA(rec->hwnd, GWL_STYLE, GetWindowLongA(rec->hwnd, GWL_STYLE) & ~(WS_VSCROLL | WS_HSCROLL));
}

bool CreatePermanentList(ControlRecord* rec)
{
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (rec->vScrollStyle)
        style |= WS_VSCROLL;
    if (rec->hScrollStyle)
        style |= WS_HSCROLL;
    HWND list = CreateWindowExA(0, TARN32_DROPDOWN_CLASS, "", style, 0, 0, 0, 0, rec->hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(TARN32_ID_LIST)), g_hInstance, rec);
    if (!list) {
        ReportError("Tarn32", 7748, "Couldn't create dropdown control");
        return false;
    }
    rec->hwndDropDown = list;
    return true;
}
} // namespace

LRESULT OnCreate(ControlRecord* rec, const CREATESTRUCTA* cs)
{
    HWND hwnd = rec->hwnd;
    const DWORD style = static_cast<DWORD>(cs->style);
    SetPropA(hwnd, TARN32_PROP_CONTROL, reinterpret_cast<HANDLE>(1));
    SetRecordDefaults(rec, style);
    LoadCursors(rec);
    // Nothing is laid out until the fonts and children exist: a layout with
    // half-set metrics would already move a drop-down type to a height it
    // does not keep.
    rec->shown = 0;

    bool accepted = false;
    if (!SetColumnSet(rec, 0, nullptr, &accepted) || !accepted)
        return -1;
    rec->openEnded = 1;

    rec->hfontEditCtl = rec->hfontColHeader = rec->hfontRowHeader = nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(IsOldSystem() ? SYSTEM_FONT : DEFAULT_GUI_FONT)),
                 FALSE);
    if (rec->dead)
        return -1;
    LookUpScrollInfo(rec);
    MoveScrollStyles(rec, style);

    // Installing the default column made the edit field of types 0 and 1
    // already; it is made here only if that did not happen.
    const int type = TARN_TYPE(style);
    if ((type == TARNS_LISTBOX || type == TARNS_DROPDOWN) && !rec->hwndEdit) {
        bool created = false;
        if (!CreateEditField(rec, &created) || !created)
            return -1;
    }
    if (type == TARNS_LISTBOX && !CreatePermanentList(rec))
        return -1;
    if (rec->hwndDropDown)
        SendMessageA(rec->hwndDropDown, WM_SETFONT, reinterpret_cast<WPARAM>(rec->hfont), FALSE);

    if (!ResetItems(rec))
        return -1;
    rec->created = 1;
    rec->shown = (style & WS_VISIBLE) ? 1 : 0;
    if (!UpdateControl(rec))
        return -1;
    CancelTracking(rec);
    return 0;
}

void OnDestroy(ControlRecord* rec)
{
    if (rec->dead)
        return;
    // From here on every entry point refuses the control, so the parent and
    // the callbacks told about the destruction below cannot reach back into
    // it, nor add rows that would outlive it.
    rec->dead = 1;
    CancelTracking(rec);
    // An open list goes without 20 or 21: nothing is chosen any more. The
    // list window still reports itself gone (18).
    if (IsDropped(rec)) {
        HWND list = rec->hwndDropDown;
        rec->hwndDropDown = nullptr;
        DestroyWindow(list);
    }
    if (IsVirtual(rec))
        GetItem(rec, -1);   // gives a lent row back
    (void)ResetItems(rec);
    if (rec->hwndEdit)
        DestroyEditField(rec, rec->hwndEdit);
    if (rec->hbmFontTrueType)
        DeleteObject(rec->hbmFontTrueType);
    if (rec->hbmFontPrinter)
        DeleteObject(rec->hbmFontPrinter);
    if (rec->hbrEditBack)
        DeleteObject(rec->hbrEditBack);
    FreeListFrame(rec);
    if (rec->hbmRowBuffer)
        DeleteObject(rec->hbmRowBuffer);
    if (rec->hbmControlBuffer)
        DeleteObject(rec->hbmControlBuffer);
    rec->hbmRowBuffer = rec->hbmControlBuffer = nullptr;
    rec->hbmFontTrueType = rec->hbmFontPrinter = nullptr;
    rec->hbrEditBack = nullptr;
    FreeColumns(rec);
    free(rec->rowColText);
    rec->rowColText = nullptr;
    free(rec->fontWeightNames);
    free(rec->fontItalicSuffix);
    rec->fontWeightNames = rec->fontItalicSuffix = nullptr;
    if (rec->hwnd)
        RemovePropA(rec->hwnd, TARN32_PROP_CONTROL);
}
