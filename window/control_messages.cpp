// Handlers of the control window's standard messages.
#include <cstdlib>
#include <cstring>

#include "core/ctl_colors.h"
#include "core/item_search.h"
#include "core/item_store.h"
#include "layout/column_geometry.h"
#include "layout/control_geometry.h"
#include "layout/gdi_guards.h"
#include "layout/item_paint.h"
#include "window/control_window.h"
#include "window/drop_close.h"
#include "window/edit_field.h"
#include "window/notify.h"
#include "window/part_fonts.h"
#include "window/scrolling.h"
#include "window/selection.h"
#include "window/view.h"

void OnSize(ControlRecord* rec, WPARAM kind, int width, int height)
{
    if (kind != SIZE_MINIMIZED) {
        if (rec->layoutDepth == 0) {
            rec->clientWidth = width;
            rec->clientHeight = height;
        }
        if (!UpdateControl(rec))
            return;
        if (rec->isListBox && rec->currentItem >= 0 && !MakeRowVisible(rec, rec->currentItem))
            return;
        RedrawAll(rec);
        UpdateVScrollBar(rec);
        // The list may now be wider or narrower: the same extent and offset
        // are applied again so that the offset stays within its limits.
        if (!SetHorizontalExtent(rec, rec->horizontalExtent, nullptr) ||
            !SetHorizontalOffset(rec, rec->horizontalOffset, nullptr))
            return;
    }
    (void)Notify(rec, TARNN_SIZE);
}

void OnWindowPosChanged(ControlRecord* rec, const WINDOWPOS* pos)
{
    // A control created hidden lays itself out only once it is visible, and
    // SetWindowPos can show it without any WM_SHOWWINDOW.
    if (!pos || !(pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
        return;
    if (pos->flags & SWP_HIDEWINDOW) {
        OnShowWindow(rec, FALSE);
        return;
    }
    rec->shown = 1;
    (void)RelayoutAndRedrawAll(rec);
}

void OnSetFont(ControlRecord* rec, HFONT font, BOOL redraw)
{
    (void)SetControlFont(rec, font, redraw);
}

void OnShowWindow(ControlRecord* rec, BOOL show)
{
    rec->shown = show ? 1 : 0;
    if (!show)
        (void)CloseList(rec, false);
}

void OnEnable(ControlRecord* rec, BOOL enabled)
{
    // The field is a window of its own: unless it is disabled with the
    // control it still takes the keyboard and shows its text as editable.
    if (rec->hwndEdit)
        EnableWindow(rec->hwndEdit, enabled);
    if (CloseList(rec, false))
        RedrawAll(rec);
}

void OnSetRedraw(ControlRecord* rec, BOOL redraw)
{
    rec->redraw = redraw ? 1 : 0;
    if (redraw)
        (void)RelayoutAndRedrawAll(rec);
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
    if (!OpenClipboard(rec->hwnd))
        return;
    // Emptying tells the previous owner, which may be a window of the
    // application: the text is read only afterwards.
    EmptyClipboard();
    const char* text = rec->dead ? nullptr : CurrentText(rec, FirstVisibleColumn(rec));
    if (!text)
        text = "";
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
    OnClear(rec);
}

void OnClear(ControlRecord* rec)
{
    (void)SetHighlight(rec, -1, true);
}

LRESULT OnCtlColorEdit(ControlRecord* rec, HDC dc, HWND window)
{
    if (!window || window != rec->hwndEdit)
        return 0;
    RenewEditBackBrush(rec);
    // A disabled field asks with WM_CTLCOLORSTATIC, and would otherwise get
    // the dialog face behind it. Its text gets the disabled rows' colour
    // where the system does not grey it itself.
    const bool enabled = IsWindowEnabled(window) != 0;
    SetTextColor(dc, ResolveColor(rec->colors[enabled ? TARNCLR_TEXTCOLOR : TARNCLR_DISABLEDTEXTCOLOR]));
    SetBkColor(dc, ResolveColor(rec->colors[TARNCLR_BACKCOLOR]));
    return reinterpret_cast<LRESULT>(rec->hbrEditBack);
}

namespace {
// EN_CHANGE: the row whose text equals the typed one, in any case, becomes
// the committed row, without notification 5. The field keeps exactly what
// the user typed, caret included, whether a row matched or not: the lock
// (and after it editTyped) keeps SyncEditText from writing the row's own
// text over it and selecting it, which would make the next key replace
// everything typed so far.
bool SelectTypedText(ControlRecord* rec)
{
    char* text = CopyEditText(rec->hwndEdit);
    if (!text)
        return true;
    const int found = text[0] ? FindItemText(rec, -1, 0, text, TRUE, true) : -1;
    free(text);
    ++rec->editTextLock;
    SetCurSelRow(rec, found);
    const bool alive = SelectCurrentItem(rec, found, false);
    --rec->editTextLock;
    return alive;
}
} // namespace

void OnEditCommand(ControlRecord* rec, WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != TARN32_ID_EDIT || rec->editSyncDepth > 0)
        return;
    switch (HIWORD(wParam)) {
    case EN_CHANGE:
        if (!IsVirtual(rec) && rec->hwndEdit && !SelectTypedText(rec))
            return;
        rec->editTyped = 1;
        (void)Notify(rec, TARNN_EDITCHANGE);
        break;
    case EN_UPDATE:
        (void)Notify(rec, TARNN_EDITUPDATE);
        break;
    default:
        break;
    }
}

void OnNcPaint(ControlRecord* rec)
{
    if (!rec->isListBox || !rec->hwnd)
        return;
    // The groove between the field and the list, drawn through the window DC
    // so that it reaches into the frame.
    WindowDC dc(rec->hwnd, true);
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
            FillRect(dc.get(), &line, brush.get());
    }
}
