#include "window/print.h"

RECT InWindow(HWND hwnd, RECT rc)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    OffsetRect(&rc, -window.left, -window.top);
    return rc;
}

RECT ClientInWindow(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return InWindow(hwnd, client);
}

void PrintChildren(HWND hwnd, HDC dc, LPARAM flags)
{
    HWND top = GetWindow(hwnd, GW_CHILD);
    for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rc;
        GetWindowRect(child, &rc);
        rc = InWindow(hwnd, rc);
        // Each child gets the DC as it was: an EDIT leaves its clipping
        // behind, which would cut the next child short. Nothing is clipped
        // here, since a clip region makes every cell's own clipping dearer.
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, rc.left, rc.top, nullptr);
        SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~PRF_CHECKVISIBLE);
    }
}
