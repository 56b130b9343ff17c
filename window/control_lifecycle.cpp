// Allocation, creation and destruction of a control.
#include <cstdlib>

#include "columns/column_set.h"
#include "columns/ctl_colors.h"
#include "combo/drop_close.h"
#include "core/item_store.h"
#include "core/shared_routines.h"
#include "resource_ids.h"
#include "window/control_window.h"
#include "window/edit_field.h"
#include "window/module.h"
#include "window/tracking.h"

ControlRecord* AllocateRecord(HWND hwnd)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(ControlRecord));
    if (!block)
        return nullptr;
    auto* rec = static_cast<ControlRecord*>(GlobalLock(block));
    if (!rec) {
        GlobalFree(block);
        return nullptr;
    }
    rec->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(rec));
    return rec;
}

void ReleaseRecord(HWND hwnd, ControlRecord* rec)
{
    HGLOBAL block = GlobalHandle(rec);
    if (block) {
        GlobalUnlock(block);
        GlobalFree(block);
    }
    // -1, not 0: a late message must not make a new record for a dying window.
    SetWindowLongPtrA(hwnd, 0, -1);
}

namespace {
void SetDefaults(ControlRecord* rec, DWORD style)
{
    rec->redraw = 1;
    rec->locale = 0x400;
    rec->shown = (style & WS_VISIBLE) ? 1 : 0;
    rec->virtualFetchCallback = nullptr;
    rec->virtualReleaseCallback = nullptr;
    rec->virtualUserData = 0;
    rec->virtualItem = nullptr;
    rec->virtualItemIndex = -1;
    rec->items = nullptr;
    rec->count = 0;
    rec->freeSlots = 0;

    rec->isListBox = TARN_TYPE(style) == TARNS_LISTBOX;
    rec->fixedItemHeight = (style & TARNS_VARIABLEHEIGHT) == 0;
    rec->curSel = -1;
    rec->currentItem = -1;
    rec->droppedHeight = 6;
    rec->droppedWidth = 0;
    SetDefaultColors(rec);
    rec->dragType = 1;
    rec->showRowColHeaderButton = 1;
    rec->gridStyle = 2;
    rec->headerButton = -1;
    rec->hotHeaderColumn = -1;
    rec->sizingColumn = -1;
    rec->itemLines = 1;
    rec->resizeHeader = 1;
    rec->reorderColumns = 1;
    rec->cursorSelect = 1;
    rec->dropDownPosition = 1;
    rec->showTruncated = 1;
    rec->showRowHeader = 3;
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
    SetDefaults(rec, style);
    // Nothing is laid out until the fonts and children exist: a layout with
    // half-set metrics would already move a drop-down type to a height it
    // does not keep.
    rec->shown = 0;

    if (!Tarn_SetColumns(hwnd, 0, nullptr))
        return -1;
    Tarn_SetOpenEnded(hwnd, 1);

    rec->hfontEditCtl = rec->hfontColHeader = rec->hfontRowHeader = nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(IsOldSystem() ? SYSTEM_FONT : DEFAULT_GUI_FONT)),
                 FALSE);
    LookUpScrollInfo(rec);
    MoveScrollStyles(rec, style);

    // Installing the default column made the edit field of types 0 and 1
    // already; it is made here only if that did not happen.
    const int type = TARN_TYPE(style);
    if ((type == TARNS_LISTBOX || type == TARNS_DROPDOWN) && !rec->hwndEdit && !CreateEditField(rec))
        return -1;
    if (type == TARNS_LISTBOX && !CreatePermanentList(rec))
        return -1;
    if (rec->hwndDropDown)
        SendMessageA(rec->hwndDropDown, WM_SETFONT, reinterpret_cast<WPARAM>(rec->hfont), FALSE);

    ResetItems(rec);
    rec->shown = (style & WS_VISIBLE) ? 1 : 0;
    UpdateControl(rec);
    CancelTracking(rec);
    return 0;
}

void OnDestroy(ControlRecord* rec)
{
    StopAutoScrollTimer(rec);
    // The parent may be told the list closed; it must not be able to pull the
    // record out from under the rest of the destruction, and by now it cannot:
    // the window is already being destroyed.
    CloseList(rec, false);
    ResetItems(rec);
    if (rec->hwndEdit) {
        DestroyWindow(rec->hwndEdit);
        rec->hwndEdit = nullptr;
    }
    if (rec->hbmFontTrueType)
        DeleteObject(rec->hbmFontTrueType);
    if (rec->hbmFontPrinter)
        DeleteObject(rec->hbmFontPrinter);
    if (rec->hbrEditBack)
        DeleteObject(rec->hbrEditBack);
    rec->hbmFontTrueType = rec->hbmFontPrinter = nullptr;
    rec->hbrEditBack = nullptr;
    FreeColumns(rec);
    free(rec->rowColText);
    rec->rowColText = nullptr;
    free(rec->fontWeightNames);
    free(rec->fontItalicSuffix);
    rec->fontWeightNames = rec->fontItalicSuffix = nullptr;
    RemovePropA(rec->hwnd, TARN32_PROP_CONTROL);
}
