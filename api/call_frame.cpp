#include "api/call_frame.h"

#include "window/module.h"

ControlRecord* LiveControl(HWND hwnd)
{
    if (!IsModuleWindow(hwnd, g_controlAtom))
        return nullptr;
    const LONG_PTR value = GetWindowLongPtrA(hwnd, 0);
    // 0 before the record exists, -1 after WM_NCDESTROY.
    if (value == 0 || value == -1)
        return nullptr;
    auto* rec = reinterpret_cast<ControlRecord*>(value);
    return rec->created && !rec->dead && rec->hwnd == hwnd ? rec : nullptr;
}
