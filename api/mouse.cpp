// The exported drag-type setting and the two auto-scroll timer procedures.
// The timers run on the control window, so each tick finds its control
// through a call frame like any other entry point.
#include "api/call_frame.h"
#include "window/auto_scroll.h"

extern "C" int WINAPI Tarn_GetDragType(HWND hwnd)
{
    return WithControl(hwnd, 0, [](ControlRecord* rec) { return rec->dragType; });
}

extern "C" void WINAPI Tarn_SetDragType(HWND hwnd, int type)
{
    WithControl(hwnd, [&](ControlRecord* rec) { rec->dragType = type == 1 ? 1 : 0; });
}

extern "C" void CALLBACK Tarn_VScrollTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD)
{
    WithControl(hwnd, [](ControlRecord* rec) { (void)ListScrollTick(rec); });
}

extern "C" void CALLBACK Tarn_HeaderScrollTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD)
{
    WithControl(hwnd, [](ControlRecord* rec) { (void)HeaderScrollTick(rec); });
}
