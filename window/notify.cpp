#include "window/notify.h"

bool ControlAlive(HWND hwnd, const ControlRecord* rec)
{
    return IsWindow(hwnd) && GetRecord(hwnd) == rec;
}

bool Notify(ControlRecord* rec, int code)
{
    HWND hwnd = rec->hwnd;
    if (!hwnd)
        return true;
    HWND parent = GetParent(hwnd);
    if (!parent)
        return true;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
    return ControlAlive(hwnd, rec);
}
