// Sorting of sibling groups. The built-in comparison orders texts by the
// control's locale.
#include "api/call_frame.h"

extern "C" int WINAPI Tarn_DefaultCompareProc(HWND hwnd, const char* text1, const char* text2, LPARAM, LPARAM)
{
    // CompareStringA answers 1, 2 or 3 (less, equal, greater) and 0 on
    // failure, so a control that cannot be found gives -2 like a failure.
    return WithControl(hwnd, -2, [&](ControlRecord* rec) {
        return CompareStringA(rec->locale, 0, text1, -1, text2, -1) - 2;
    });
}
