// Handlers of the control window's standard messages.
#include <cstring>

#include "columns/ctl_colors.h"
#include "combo/combo_layout.h"
#include "combo/drop_close.h"
#include "core/item_store.h"
#include "core/shared_routines.h"
#include "layout/scrolling.h"
#include "window/control_window.h"
#include "window/gdi_guards.h"
#include "window/notify.h"

void OnSize(ControlRecord* rec, WPARAM kind, int width, int height)
{
    HWND hwnd = rec->hwnd;
    if (kind != SIZE_MINIMIZED) {
        if (rec->layoutDepth == 0) {
            rec->clientWidth = width;
            rec->clientHeight = height;
        }
        UpdateControl(rec);
        if (!ControlSurvived(hwnd, rec))
            return;
        if (rec->isListBox && rec->currentItem >= 0)
            Tarn_MakeRowVisible(hwnd, rec->currentItem);
        if (!ControlSurvived(hwnd, rec))
            return;
        RedrawAll(rec);
        UpdateVScrollBar(rec);
        // The list may now be wider or narrower: the same extent and offset
        // are applied again so that the offset stays within its limits.
        Tarn_SetHorizontalExtent(hwnd, rec->horizontalExtent);
        if (!ControlSurvived(hwnd, rec))
            return;
        Tarn_SetHorizontalOffset(hwnd, rec->horizontalOffset);
        if (!ControlSurvived(hwnd, rec))
            return;
    }
    Notify(rec, TARNN_SIZE);
}

void OnSetFont(ControlRecord* rec, HFONT font, BOOL redraw)
{
    rec->hfont = font;
    if (!MeasureFont(rec->hwnd, font, &rec->tmFont))
        ZeroMemory(&rec->tmFont, sizeof rec->tmFont);
    rec->avgCharWidth = rec->tmFont.tmAveCharWidth;
    rec->maxCharWidth = rec->tmFont.tmMaxCharWidth;
    Tarn_SetColHeaderFont(rec->hwnd, font, FALSE);
    Tarn_SetRowHeaderFont(rec->hwnd, font, FALSE);
    Tarn_SetEditCtlFont(rec->hwnd, font, FALSE);
    if (rec->hwndDropDown)
        SendMessageA(rec->hwndDropDown, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    UpdateControl(rec);
    if (redraw)
        RedrawAll(rec);
}

void OnShowWindow(ControlRecord* rec, BOOL show)
{
    rec->shown = show ? 1 : 0;
    if (!show)
        CloseList(rec, false);
}

void OnEnable(ControlRecord* rec)
{
    if (CloseList(rec, false))
        RedrawAll(rec);
}

void OnSetRedraw(ControlRecord* rec, BOOL redraw)
{
    rec->redraw = redraw ? 1 : 0;
    if (redraw) {
        UpdateControl(rec);
        RedrawAll(rec);
    }
}

namespace {
// Text of the current item in a column: NULL when there is no current item,
// "" when the cell is empty. Valid until the next item change.
const char* CurrentText(ControlRecord* rec, int column)
{
    if (!IsValidRow(rec, rec->currentItem) || !IsValidColumn(rec, column))
        return nullptr;
    TarnItem* item = GetItem(rec, rec->currentItem);
    const char* text = item && item->texts && item->texts[column] ? item->texts[column] : "";
    ReleaseItem(rec);
    return text;
}
}

LRESULT OnGetText(ControlRecord* rec, WPARAM size, char* buffer)
{
    if (buffer && size > 0)
        buffer[0] = '\0';
    const char* text = CurrentText(rec, 0);
    if (!text)
        return -1;
    // Never write past the caller's buffer: a longer text is cut to fit.
    if (!buffer || size == 0)
        return 0;
    lstrcpynA(buffer, text, static_cast<int>(size));
    return lstrlenA(buffer);
}

LRESULT OnGetTextLength(ControlRecord* rec)
{
    const char* text = CurrentText(rec, 0);
    return text ? lstrlenA(text) : -1;
}

void OnCopy(ControlRecord* rec)
{
    const char* text = CurrentText(rec, FirstVisibleColumn(rec));
    if (!text)
        text = "";
    if (!OpenClipboard(rec->hwnd))
        return;
    EmptyClipboard();
    const size_t length = std::strlen(text);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, length + 1);
    if (mem) {
        if (char* p = static_cast<char*>(GlobalLock(mem))) {
            std::memcpy(p, text, length + 1);
            GlobalUnlock(mem);
            if (!SetClipboardData(CF_TEXT, mem))
                GlobalFree(mem);
        } else {
            GlobalFree(mem);
        }
    }
    CloseClipboard();
}

void OnCut(ControlRecord* rec)
{
    OnCopy(rec);
    Tarn_SetCurSel(rec->hwnd, -1);
}

void OnClear(ControlRecord* rec)
{
    Tarn_SetCurSel(rec->hwnd, -1);
}

LRESULT OnCtlColorEdit(ControlRecord* rec, HDC dc, HWND window)
{
    if (!window || window != rec->hwndEdit)
        return 0;
    RenewEditBackBrush(rec);
    SetTextColor(dc, ResolveColor(rec->colors[TARNCLR_TEXTCOLOR]));
    SetBkColor(dc, ResolveColor(rec->colors[TARNCLR_BACKCOLOR]));
    return reinterpret_cast<LRESULT>(rec->hbrEditBack);
}

void OnEditCommand(ControlRecord* rec, WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != TARN32_ID_EDIT || rec->editSyncDepth > 0)
        return;
    switch (HIWORD(wParam)) {
    case EN_CHANGE: {
        if (!IsVirtual(rec) && rec->hwndEdit) {
            char text[512];
            GetWindowTextA(rec->hwndEdit, text, sizeof text);
            const int found = text[0] ? Tarn_FindStringExact_A(rec->hwnd, -1, 0, text, TRUE) : -1;
            // An unmatched text stays as typed: the lock keeps SyncEditText
            // from overwriting it while the selection is cleared.
            if (found < 0)
                ++rec->editTextLock;
            SetCurSelRow(rec, found);
            SelectCurrentItem(rec, found, false);
            if (found < 0)
                --rec->editTextLock;
        }
        Notify(rec, TARNN_EDITCHANGE);
        break;
    }
    case EN_UPDATE:
        Notify(rec, TARNN_EDITUPDATE);
        break;
    default:
        break;
    }
}

void OnNcPaint(ControlRecord* rec, HRGN)
{
    if (!rec->isListBox || !rec->hwnd)
        return;
    // The groove between the field and the list, drawn through the window DC
    // so that it reaches into the frame.
    HDC dc = GetWindowDC(rec->hwnd);
    if (!dc)
        return;
    RECT window, client;
    GetWindowRect(rec->hwnd, &window);
    GetClientRect(rec->hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(rec->hwnd, &origin);
    const int dx = origin.x - window.left;
    const int dy = origin.y - window.top;
    RECT field;
    FieldRect(rec, &field);
    const bool old = IsOldSystem();
    const COLORREF colors[4] = {
        GetSysColor(old ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT),
        old ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNHIGHLIGHT),
        GetSysColor(COLOR_BTNSHADOW),
        old ? RGB(0, 0, 0) : GetSysColor(COLOR_3DDKSHADOW),
    };
    const int left[4] = {-1, -2, -1, -1};
    const int right[4] = {client.right + 1, client.right + 2, client.right + 1, client.right};
    for (int i = 0; i < 4; ++i) {
        RECT line = {dx + left[i], dy + field.bottom + i, dx + right[i], dy + field.bottom + i + 1};
        BrushGuard brush(CreateSolidBrush(colors[i]));
        if (brush)
            FillRect(dc, &line, brush.get());
    }
    ReleaseDC(rec->hwnd, dc);
}
