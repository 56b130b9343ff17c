// Mouse input of the control window: the left button presses the drop
// button, the corner, the headers and the field; the pointer shape shows a
// divider that can be dragged; the wheel scrolls the rows.
#include <algorithm>

#include "columns/header_band.h"
#include "layout/row_geometry.h"
#include "window/auto_scroll.h"
#include "window/control_window.h"
#include "window/header_drag.h"
#include "window/notify.h"
#include "window/scrolling.h"
#include "window/tracking.h"

namespace {
constexpr int kLeftButton = 1;

// Rows per wheel notch: the user's setting where the system has one.
int WheelLines(ControlRecord* rec)
{
    const DWORD version = GetVersion();
    if ((version & 0x80000000u) != 0 || LOBYTE(LOWORD(version)) < 4)
        return 1;
    UINT lines = 1;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        return 1;
    // "One page per notch" scrolls by the rows shown.
    return lines == WHEEL_PAGESCROLL ? ItemsShown(rec) : static_cast<int>(std::min<UINT>(lines, 0x7FFF));
}
} // namespace

bool OnSetCursor(ControlRecord* rec, HWND, int hitTest)
{
    if (hitTest != HTCLIENT || !rec->hcurColumnSize)
        return false;
    POINT pt;
    RECT band;
    GetCursorPos(&pt);
    ScreenToClient(rec->hwnd, &pt);
    HeaderBandRect(rec, &band);
    if (!PtInRect(&band, pt) || DividerAt(rec, pt.x) < 0)
        return false;
    SetCursor(rec->hcurColumnSize);
    return true;
}

void OnMouseMove(ControlRecord* rec, WPARAM, int x, int y)
{
    if (Notify(rec, TARNN_MOUSEMOVE) && GetCapture() == rec->hwnd)
        (void)TrackMove(rec, true, x, y);
}

// A press gives the focus to the control as a system combo box would.
void OnButtonDown(ControlRecord* rec, WPARAM, int x, int y, bool doubleClick)
{
    HWND focus = GetFocus();
    if (focus != rec->hwnd && focus != rec->hwndEdit) {
        SetFocus(rec->hwndEdit ? rec->hwndEdit : rec->hwnd);
        if (rec->dead)
            return;
    }
    (void)StartPress(rec, true, kLeftButton, doubleClick, x, y);
}

void OnButtonUp(ControlRecord* rec, WPARAM, int x, int y)
{
    if (rec->pressState == kLeftButton)
        (void)TrackRelease(rec, true, x, y);
}

// The wheel moves the rows, never the selection.
void OnMouseWheel(ControlRecord* rec, int delta)
{
    if (rec->count == 0)
        return;
    const int rows = MulDiv(WheelLines(rec), delta, WHEEL_DELTA);
    int top = rec->topIndex - rows;
    top = delta >= 0 ? std::max(0, top) : std::min(top, std::max(0, rec->count - ItemsShown(rec)));
    if (top != rec->topIndex && SetTopIndexNotify(rec, top))
        (void)UpdateBothWindows(rec);
}
