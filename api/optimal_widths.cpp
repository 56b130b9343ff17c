// The exported functions that fit columns and the scrollable width to the
// contents.
#include "api/call_frame.h"
#include "window/optimal_widths.h"

extern "C" int WINAPI Tarn_CalcOptimalColumnWidth(HWND hwnd, int column, int maxRows)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        int result = -1;
        (void)CalcOptimalColumnWidth(rec, column, maxRows, &result);
        return result;
    });
}

extern "C" int WINAPI Tarn_CalcOptimalRowHeaderWidth(HWND hwnd, int maxRows)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return CalcOptimalRowHeaderWidth(rec, maxRows); });
}

extern "C" void WINAPI Tarn_MakeColumnOptimal(HWND hwnd, int column, int maxRows)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)MakeColumnOptimal(rec, column, maxRows); });
}

extern "C" int WINAPI Tarn_RecalcHorizontalExtent(HWND hwnd, int maxRows)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        int result = -1;
        (void)RecalcHorizontalExtent(rec, maxRows, &result);
        return result;
    });
}
