// WM_PRINT for the control's own windows, done the way the system does it
// for a window: the frame (border, scroll bars) by the default procedure, the
// client area by the window's paint routine at its place in the window, and,
// when asked, every visible child at its place, lowest in the z-order first.
// Printing a control therefore gives the picture the screen shows: the
// header and field, the list with its scroll bars and the edit field.
#pragma once

#include <windows.h>

#include "layout/gdi_guards.h"

// Where rc (screen coordinates) lies in hwnd's window rectangle.
RECT InWindow(HWND hwnd, RECT rc);
RECT ClientInWindow(HWND hwnd);

// Sends WM_PRINT to each visible child of hwnd, drawn at its place.
void PrintChildren(HWND hwnd, HDC dc, LPARAM flags);

// paint(dc) draws the client area with its top left at the DC's origin and
// returns false when the application destroyed the control meanwhile (a
// draw-info callback); the print stops there.
template <typename Paint>
LRESULT PrintWindowParts(HWND hwnd, HDC dc, LPARAM flags, Paint paint)
{
    if (!dc || ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)))
        return 0;
    if (flags & PRF_NONCLIENT)
        DefWindowProcA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    if (flags & PRF_CLIENT) {
        const RECT client = ClientInWindow(hwnd);
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, client.left, client.top, nullptr);
        if (!paint(dc))
            return 0;
    }
    if (flags & PRF_CHILDREN)
        PrintChildren(hwnd, dc, flags);
    return 0;
}
