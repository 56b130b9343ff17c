#include "window/notify.h"

bool Notify(ControlRecord* rec, int code)
{
    HWND hwnd = rec->hwnd;
    HWND parent = hwnd ? GetParent(hwnd) : nullptr;
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
    return !rec->dead;
}
