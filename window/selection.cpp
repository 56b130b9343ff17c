// The highlighted row (curSel), the committed row (currentItem) and the
// selection options of the control.
#include "core/shared_routines.h"

extern "C" int WINAPI Tarn_GetCurSel(HWND hwnd)
{
    return GetRecord(hwnd)->curSel;
}

extern "C" int WINAPI Tarn_SetCurSel(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (index < -1 || index >= rec->count)
        return -1;
    SetHighlight(rec, index, true);
    return 0;
}

extern "C" int WINAPI Tarn_GetCaretColumn(HWND hwnd)
{
    return GetRecord(hwnd)->caretColumn;
}

extern "C" BOOL WINAPI Tarn_GetCursorSelect(HWND hwnd)
{
    return GetRecord(hwnd)->cursorSelect;
}

extern "C" void WINAPI Tarn_SetCursorSelect(HWND hwnd, BOOL on)
{
    GetRecord(hwnd)->cursorSelect = on;
}

extern "C" BOOL WINAPI Tarn_GetExtendedUI(HWND hwnd)
{
    return GetRecord(hwnd)->extendedUI;
}

extern "C" int WINAPI Tarn_SetExtendedUI(HWND hwnd, BOOL on)
{
    GetRecord(hwnd)->extendedUI = on;
    return 0;
}
