// Repaint benchmark: how long a full repaint of a 40-row, 5-column list takes,
// through WM_PRINT into an off-screen bitmap and through a real invalidate
// and WM_PAINT on the screen; the system LISTBOX with the same 40 rows is
// measured the same way for comparison.
//
// Usage: tarn32_bench_repaint [rounds]   (prints one line per measurement)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tarn32.h"

namespace {

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

template <typename Fn>
void Measure(const char* what, int rounds, Fn fn)
{
    fn();   // warm up: fonts, caches
    const double start = Seconds();
    for (int i = 0; i < rounds; ++i)
        fn();
    const double perPaint = (Seconds() - start) / rounds;
    printf("%-44s %8.1f us per repaint (%d rounds)\n", what, perPaint * 1e6, rounds);
}

HWND MakeParent()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarnBenchParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    return CreateWindowExA(0, "TarnBenchParent", "TARN32 repaint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           760, 800, nullptr, nullptr, wc.hInstance, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? atoi(argv[1]) : 2000;
    HWND parent = MakeParent();

    HWND control = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | TARNS_LISTBOX, 10, 10,
                                   700, 700, parent, reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr), nullptr);
    ColumnDef cols[5];
    memset(cols, 0, sizeof cols);
    for (int c = 0; c < 5; ++c) {
        cols[c].width = 130;
        cols[c].position = c;
        cols[c].backColor = cols[c].textColor = cols[c].selBackColor = cols[c].selTextColor = TARN_COLOR_NONE;
    }
    Tarn_SetColumns(control, 5, cols);
    for (int r = 0; r < 40; ++r) {
        char text[64];
        snprintf(text, sizeof text, "Row %d", r);
        const int row = Tarn_AddString_A(control, text);
        for (int c = 1; c < 5; ++c) {
            snprintf(text, sizeof text, "Cell %d.%d", r, c);
            Tarn_SetText_A(control, row, c, text);
        }
    }
    // Exactly the 40 rows fit: the field, the 4-pixel groove and the rows.
    SetWindowPos(control, nullptr, 0, 0, 700, Tarn_GetItemHeight(control, -1) + 4 + 40 * Tarn_GetItemHeight(control, 0),
                 SWP_NOMOVE | SWP_NOZORDER);
    HWND list = Tarn_GetHWNDDropDown(control);
    RECT rc;
    GetClientRect(list, &rc);
    const int shown = Tarn_GetItemsShown(control);
    printf("TARN32 list: %ld x %ld pixels, %d of 40 rows shown, 5 columns\n", rc.right, rc.bottom, shown);

    HWND box = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 10, 10, rc.right,
                               rc.bottom, parent, reinterpret_cast<HMENU>(2), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (int r = 0; r < 40; ++r) {
        char text[96];
        snprintf(text, sizeof text, "Row %d\tCell %d.1\tCell %d.2\tCell %d.3\tCell %d.4", r, r, r, r, r);
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    Pump();

    HDC screen = GetDC(list);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    ReleaseDC(list, screen);

    Measure("TARN32 list, WM_PRINT into a bitmap", rounds, [&] {
        SendMessageA(list, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
    Tarn_SetShowTruncated(control, 0);
    Measure("TARN32 list without truncation, WM_PRINT", rounds, [&] {
        SendMessageA(list, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
    Tarn_SetShowTruncated(control, 1);
    Measure("TARN32 list, invalidate + WM_PAINT", rounds, [&] {
        InvalidateRect(list, nullptr, FALSE);
        UpdateWindow(list);
    });
    // What a paint costs without rows: DCs, bitmaps and the fill.
    HWND empty = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | WS_VISIBLE | TARNS_LISTBOX, 10, 10, 700, 560, parent,
                                 reinterpret_cast<HMENU>(3), GetModuleHandleA(nullptr), nullptr);
    Measure("TARN32 empty list, WM_PRINT into a bitmap", rounds, [&] {
        SendMessageA(Tarn_GetHWNDDropDown(empty), WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
    DestroyWindow(empty);
    Measure("TARN32 control window, invalidate + WM_PAINT", rounds, [&] {
        InvalidateRect(control, nullptr, FALSE);
        UpdateWindow(control);
    });

    ShowWindow(control, SW_HIDE);
    ShowWindow(box, SW_SHOW);
    Pump();
    Measure("system LISTBOX, WM_PRINT into a bitmap", rounds, [&] {
        SendMessageA(box, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    });
    Measure("system LISTBOX, invalidate + WM_PAINT", rounds, [&] {
        InvalidateRect(box, nullptr, TRUE);
        UpdateWindow(box);
    });

    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DestroyWindow(parent);
    return 0;
}
