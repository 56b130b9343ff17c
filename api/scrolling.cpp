// The exported scrolling functions.
#include "api/call_frame.h"
#include "window/scrolling.h"

extern "C" int WINAPI Tarn_GetTopIndex(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->topIndex; });
}

extern "C" int WINAPI Tarn_SetTopIndex(HWND hwnd, int row)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        int result = -1;
        (void)SetTopIndex(rec, row, &result);
        return result;
    });
}

extern "C" void WINAPI Tarn_MakeRowVisible(HWND hwnd, int row)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)MakeRowVisible(rec, row); });
}

extern "C" int WINAPI Tarn_GetHorizontalExtent(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->horizontalExtent; });
}

extern "C" BOOL WINAPI Tarn_SetHorizontalExtent(HWND hwnd, int extent)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        BOOL result = FALSE;
        (void)SetHorizontalExtent(rec, extent, &result);
        return result;
    });
}

extern "C" int WINAPI Tarn_GetHorizontalOffset(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->horizontalOffset; });
}

extern "C" BOOL WINAPI Tarn_SetHorizontalOffset(HWND hwnd, int offset)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        BOOL result = FALSE;
        (void)SetHorizontalOffset(rec, offset, &result);
        return result;
    });
}

extern "C" void WINAPI Tarn_MakeColumnVisible(HWND hwnd, int column)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)MakeColumnVisible(rec, column); });
}

extern "C" BOOL WINAPI Tarn_GetDisableNoScroll(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return DisableNoScroll(rec) ? TRUE : FALSE; });
}

extern "C" void WINAPI Tarn_SetDisableNoScroll(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)SetDisableNoScroll(rec, on); });
}
