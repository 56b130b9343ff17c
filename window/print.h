// WM_PRINT for the control's own windows, done the way the system does it
// for a window: the frame (border, scroll bars) by the default procedure, the
// client area by the window's paint routine at its place in the window, and,
// when asked, every visible child at its place, lowest in the z-order first.
// Printing a control therefore gives the picture the screen shows: the
// header and field, the list with its scroll bars and the edit field.
#pragma once

#include <windows.h>


// Moves the DC's origin for its scope. Nothing is clipped: each window
// paints only its own rectangle, and a clip region would make every cell's
// own clipping costlier.
class OriginShift {
public:
    OriginShift(HDC dc, int dx, int dy) : dc_(dc) { OffsetViewportOrgEx(dc_, dx, dy, &old_); }
    ~OriginShift() { SetViewportOrgEx(dc_, old_.x, old_.y, nullptr); }
    OriginShift(const OriginShift&) = delete;
    OriginShift& operator=(const OriginShift&) = delete;

private:
    HDC dc_;
    POINT old_ = {0, 0};
};

// Where rc (screen coordinates) lies in hwnd's window rectangle.
RECT InWindow(HWND hwnd, RECT rc);
RECT ClientInWindow(HWND hwnd);

// Sends WM_PRINT to each visible child of hwnd, drawn at its place.
void PrintChildren(HWND hwnd, HDC dc, LPARAM flags);

// paint(dc) draws the client area with its top left at the DC's origin.
template <typename Paint>
LRESULT PrintWindowParts(HWND hwnd, HDC dc, LPARAM flags, Paint paint)
{
    if (!dc || ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)))
        return 0;
    if (flags & PRF_NONCLIENT)
        DefWindowProcA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    if (flags & PRF_CLIENT) {
        const RECT client = ClientInWindow(hwnd);
        OriginShift shift(dc, client.left, client.top);
        paint(dc);
    }
    if (flags & PRF_CHILDREN)
        PrintChildren(hwnd, dc, flags);
    return 0;
}
