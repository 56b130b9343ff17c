#include "combo/dropped_rect.h"

#include <algorithm>

#include "layout/row_geometry.h"

namespace {
// The screen the control is on; the whole desktop on systems without
// monitor functions.
RECT ScreenOf(HWND hwnd)
{
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
    HMODULE user = GetModuleHandleA("USER32.DLL");
    if (!user)
        return screen;
    auto fromWindow = reinterpret_cast<MonitorFromWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(user, "MonitorFromWindow")));
    auto info = reinterpret_cast<GetMonitorInfoFn>(reinterpret_cast<void*>(GetProcAddress(user, "GetMonitorInfoA")));
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (fromWindow && info && info(fromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &mi))
        screen = mi.rcMonitor;
    return screen;
}

int DroppedWidth(const ControlRecord* rec, int clientWidth, int clientLeft, const RECT& screen)
{
    int w = rec->droppedWidth;
    if (w < 0)
        w = std::max(0, MulDiv(clientWidth, -w, 100));
    if (w == 0)
        w = clientWidth;
    w = std::min<int>(w, screen.right - screen.left);
    if (clientLeft + w > screen.right)
        w = std::max<int>(0, screen.right - clientLeft);
    return w;
}

// Height of the rows shown and their number: droppedHeight rows, or as many
// as fit into -droppedHeight pixels; variable-height rows are added from the
// top row on.
int RowsHeight(ControlRecord* rec, int* shown)
{
    const bool byRows = rec->droppedHeight >= 0;
    if (rec->fixedItemHeight) {
        const int r = ItemHeight(rec, 0);
        const int n = byRows ? std::min(rec->count, rec->droppedHeight)
                             : std::min(r > 0 ? -rec->droppedHeight / r : 0, rec->count);
        *shown = n;
        return n * r;
    }
    int height = 0, n = 0;
    for (int row = std::max(0, rec->topIndex); row < rec->count; ++row, ++n) {
        const int h = ItemHeight(rec, row);
        if (byRows ? n >= rec->droppedHeight : height + h > -rec->droppedHeight)
            break;
        height += h;
    }
    *shown = n;
    return height;
}
} // namespace

void DroppedRect(ControlRecord* rec, RECT* rc)
{
    RECT client;
    GetClientRect(rec->hwnd, &client);
    MapWindowPoints(rec->hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT screen = ScreenOf(rec->hwnd);
    const int w = DroppedWidth(rec, client.right - client.left, client.left, screen);

    int shown = 0;
    int h = RowsHeight(rec, &shown);
    const bool disabledBars = (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_DISABLENOSCROLL) != 0;
    if (rec->hScrollStyle) {
        int usable = w - 2;
        if (rec->vScrollStyle && (rec->count > shown || disabledBars))
            usable = std::max(0, usable - GetSystemMetrics(SM_CXVSCROLL));
        if ((rec->horizontalExtent != 0 && rec->horizontalExtent > usable) || disabledBars)
            h += GetSystemMetrics(SM_CYHSCROLL);
    }

    // The 3 pixels keep the list clear of the control's frame; the side with
    // the more room wins only when the preferred one is too small.
    const int below = screen.bottom - client.bottom;
    const int above = client.top - screen.top;
    bool down = rec->dropDownPosition != 0;
    if (down && below + 3 < h && (above - 3 > h || above - 3 > below + 3))
        down = false;
    else if (!down && above - 3 < h && (below + 3 > h || above - 3 < below + 3))
        down = true;
    const int top = down ? client.bottom + 3 : client.top - h - 3;
    SetRect(rc, client.left, top, client.left + w, top + h);
    AdjustWindowRect(rc, WS_CHILD | WS_VISIBLE | WS_BORDER, FALSE);
}
