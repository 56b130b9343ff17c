// The exported selection functions and the keyboard options.
#include "api/call_frame.h"
#include "window/selection.h"

extern "C" int WINAPI Tarn_GetCurSel(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->curSel; });
}

extern "C" int WINAPI Tarn_SetCurSel(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (index < -1 || index >= rec->count)
            return -1;
        (void)SetHighlight(rec, index, true);
        return 0;
    });
}

extern "C" int WINAPI Tarn_GetCaretColumn(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->caretColumn; });
}

extern "C" BOOL WINAPI Tarn_GetCursorSelect(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->cursorSelect; });
}

extern "C" void WINAPI Tarn_SetCursorSelect(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) { rec->cursorSelect = on; });
}

extern "C" BOOL WINAPI Tarn_GetExtendedUI(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->extendedUI; });
}

extern "C" int WINAPI Tarn_SetExtendedUI(HWND hwnd, BOOL on)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        rec->extendedUI = on;
        return 0;
    });
}
