// The exported edit-field functions; -1 when the control has no edit field.
#include "api/call_frame.h"

extern "C" int WINAPI Tarn_LimitText(HWND hwnd, int limit)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (limit < 0 || !rec->hwndEdit)
            return -1;
        SendMessageA(rec->hwndEdit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
        return 0;
    });
}

extern "C" int WINAPI Tarn_GetEditSel(HWND hwnd, DWORD* start, DWORD* end)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (start)
            *start = static_cast<DWORD>(-1);
        if (end)
            *end = static_cast<DWORD>(-1);
        if (!rec->hwndEdit)
            return -1;
        const LRESULT both = SendMessageA(rec->hwndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                                          reinterpret_cast<LPARAM>(end));
        if (start && end && *start == static_cast<DWORD>(-1) && *end == static_cast<DWORD>(-1)) {
            *start = LOWORD(both);
            *end = HIWORD(both);
        }
        return 0;
    });
}

extern "C" int WINAPI Tarn_SetEditSel(HWND hwnd, int start, int end)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (!rec->hwndEdit)
            return -1;
        SendMessageA(rec->hwndEdit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
        return 0;
    });
}

extern "C" HWND WINAPI Tarn_GetHWNDEdit(HWND hwnd)
{
    return WithControl(hwnd, HWND{}, [](ControlRecord* rec) { return rec->hwndEdit; });
}
