// Call benchmark: what one exported call costs, now that every call checks
// its handle and pins the control for its duration, next to the same
// question asked of the system LISTBOX and ListView by message, in one run.
// Also the price of a refused call (a handle that is no control).
//
// Usage: tarn32_bench_calls [calls]   (prints one line per measurement)
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "tarn32.h"

namespace {

double Seconds()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}

volatile LONG_PTR g_sink;   // keeps the calls from being optimised away

template <typename Fn>
void Measure(const char* what, int calls, Fn fn)
{
    for (int i = 0; i < 1000; ++i)   // warm up
        g_sink = fn(i);
    const double start = Seconds();
    for (int i = 0; i < calls; ++i)
        g_sink = fn(i);
    printf("%-48s %8.1f ns per call (%d calls)\n", what, (Seconds() - start) / calls * 1e9, calls), fflush(stdout);
}

HWND Child(HWND parent, const char* cls, DWORD style)
{
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 300, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    const int calls = argc > 1 ? atoi(argv[1]) : 200000;
    // ListView lives in comctl32, which the library itself never loads.
    if (HMODULE comctl = LoadLibraryA("comctl32.dll")) {
        auto init = reinterpret_cast<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(GetProcAddress(comctl, "InitCommonControlsEx"));
        const INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
        if (init)
            init(&icc);
    }
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarnBenchCallsParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, wc.lpszClassName, "TARN32 call benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    HWND control = Child(parent, TARN32_CLASS, TARNS_LISTBOX), box = Child(parent, "LISTBOX", 0);
    HWND view = Child(parent, WC_LISTVIEWA, LVS_REPORT), button = Child(parent, "BUTTON", 0);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH, column.cx = 100;
    SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (int r = 0; r < 100; ++r) {
        char text[32];
        snprintf(text, sizeof text, "Row %d", r);
        Tarn_AddString_A(control, text), Tarn_SetItemData(control, r, r);
        SendMessageA(box, LB_SETITEMDATA, SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)), r);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM, item.iItem = r, item.pszText = text, item.lParam = r;
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    Tarn_SetCurSel(control, 5), SendMessageA(box, LB_SETCURSEL, 5, 0);
    char buffer[32];

    Measure("TARN32 Tarn_GetItemData", calls, [&](int i) { return Tarn_GetItemData(control, i % 100); });
    Measure("system LISTBOX LB_GETITEMDATA", calls, [&](int i) { return SendMessageA(box, LB_GETITEMDATA, i % 100, 0); });
    Measure("ListView LVM_GETITEM (lParam)", calls, [&](int i) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM, item.iItem = i % 100;
        return SendMessageA(view, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : -1;
    });
    Measure("TARN32 Tarn_GetCurSel", calls, [&](int) { return Tarn_GetCurSel(control); });
    Measure("system LISTBOX LB_GETCURSEL", calls, [&](int) { return SendMessageA(box, LB_GETCURSEL, 0, 0); });
    Measure("TARN32 Tarn_GetText_A", calls, [&](int i) { return Tarn_GetText_A(control, i % 100, 0, buffer); });
    Measure("system LISTBOX LB_GETTEXT", calls, [&](int i) {
        return SendMessageA(box, LB_GETTEXT, i % 100, reinterpret_cast<LPARAM>(buffer));
    });
    Measure("ListView LVM_GETITEMTEXT", calls, [&](int i) {
        LVITEMA item = {};
        item.pszText = buffer, item.cchTextMax = sizeof buffer;
        return SendMessageA(view, LVM_GETITEMTEXTA, i % 100, reinterpret_cast<LPARAM>(&item));
    });
    Measure("TARN32 Tarn_GetCount on a BUTTON (refused)", calls, [&](int) { return Tarn_GetCount(button); });
    Measure("TARN32 Tarn_GetCount on NULL (refused)", calls, [&](int) { return Tarn_GetCount(nullptr); });
    DestroyWindow(parent);
    return 0;
}
