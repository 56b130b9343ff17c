// Mouse input of the list window. Every button presses the rows (the middle
// and right ones unless the control takes the left button only); the
// release commits the highlighted row and closes a dropped list.
#include <windowsx.h>

#include "window/control_window.h"
#include "window/notify.h"
#include "window/tracking.h"

namespace {
enum Button { kLeft = 1, kMiddle = 2, kRight = 3 };

bool LeftButtonOnly(const ControlRecord* rec)
{
    return (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_LEFTBUTTONONLY) != 0;
}
} // namespace

bool OnListMouse(ControlRecord* rec, HWND list, UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    *result = 0;
    switch (msg) {
    case WM_MOUSEACTIVATE:
        // A click in the pop-up list must leave the focus where it is: losing
        // it would close the list. The permanent list is an ordinary child.
        if (rec->isListBox)
            return false;
        *result = MA_NOACTIVATE;
        return true;
    case WM_MOUSEMOVE:
        if (!Notify(rec, TARNN_MOUSEMOVE))
            return true;
        // A move the list made under a still pointer is not the user's.
        if (rec->ignoreMouseMoves > 0) {
            --rec->ignoreMouseMoves;
            return true;
        }
        (void)TrackMove(rec, false, x, y);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The permanent list of type 0 gives the focus to the edit field,
        // whose keys move the selection shown here.
        if (rec->isListBox) {
            SetFocus(rec->hwndEdit ? rec->hwndEdit : rec->hwnd);
            if (rec->dead)
                return true;
        }
        (void)StartPress(rec, false, kLeft, msg == WM_LBUTTONDBLCLK, x, y);
        return true;
    case WM_LBUTTONUP:
        if (rec->pressState == kLeft)
            (void)TrackRelease(rec, false, x, y);
        return true;
    default:
        break;
    }
    const bool middle = msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK || msg == WM_MBUTTONUP;
    const bool right = msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK || msg == WM_RBUTTONUP;
    if (!middle && !right)
        return false;
    if (LeftButtonOnly(rec)) {
        if (msg != WM_RBUTTONUP)
            return false;
        // Still told, then the context menu follows.
        return !Notify(rec, TARNN_RBUTTONUP) || !IsWindow(list);
    }
    const int button = middle ? kMiddle : kRight;
    if (msg == WM_MBUTTONUP || msg == WM_RBUTTONUP) {
        if (rec->pressState == button && !TrackRelease(rec, false, x, y))
            return true;
        if (right)
            (void)Notify(rec, TARNN_RBUTTONUP);
        return true;
    }
    (void)StartPress(rec, false, button, msg == WM_MBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK, x, y);
    return true;
}
