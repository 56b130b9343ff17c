#include "support/control_fixture.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

ColumnDef Column(int width, DWORD format, int position)
{
    ColumnDef def;
    std::memset(&def, 0, sizeof def);
    def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
    def.width = width, def.format = format, def.position = position;
    return def;
}

bool SetColumns(HWND hwnd, std::vector<ColumnDef> defs)
{
    for (size_t i = 0; i < defs.size(); ++i)
        defs[i].position = defs[i].position < 0 ? static_cast<int>(i) : defs[i].position;
    return Tarn_SetColumns(hwnd, static_cast<int>(defs.size()), defs.data()) != FALSE;
}

void AddItems(HWND hwnd, int n)
{
    for (int i = 0; i < n; ++i)
        Tarn_AddString_A(hwnd, ("Item " + std::to_string(i)).c_str());
}

LRESULT CALLBACK ControlTest::ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<ControlTest*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    if (msg != WM_COMMAND || !self || !lp)
        return DefWindowProcA(hwnd, msg, wp, lp);
    self->log_.push_back({HIWORD(wp), LOWORD(wp), reinterpret_cast<HWND>(lp)});
    if (self->action_ && HIWORD(wp) == self->actCode_)
        self->action_(reinterpret_cast<HWND>(lp));
    return 0;
}

void ControlTest::SetUp()
{
    static const bool registered = [] {
        WNDCLASSA wc = {0, ParentProc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, "Tarn32TestParent"};
        return RegisterClassA(&wc) != 0;
    }();
    parent_ = CreateWindowExA(0, "Tarn32TestParent", "TARN32 test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                              10, 10, 400, 400, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    ASSERT_TRUE(registered && parent_);
    Pump();
}

HWND ControlTest::Create(DWORD style, int rows, SIZE size, std::vector<ColumnDef> columns)
{
    HWND hwnd = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | WS_VISIBLE | style, 10, 10, size.cx, size.cy, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(hwnd && (columns.empty() || SetColumns(hwnd, columns)));
    AddItems(hwnd, rows), Pump(), ClearLog();
    return hwnd;
}

void ControlTest::ValidateAll(HWND control)
{
    Pump();
    for (HWND w : {control, Tarn_GetHWNDDropDown(control), Tarn_GetHWNDEdit(control)})
        if (w)   // a NULL window would mean every window
            ValidateRect(w, nullptr);
    ClearLog();
}

RECT ChildRect(HWND child)
{
    RECT rc = {};
    GetWindowRect(child, &rc);
    return MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rc), 2), rc;
}

TEXTMETRICA Metrics(HWND hwnd, HFONT font)
{
    TEXTMETRICA tm = {};
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    return SelectObject(dc, old), ReleaseDC(hwnd, dc), tm;
}

int SoakCount(const char* variable, int suiteCount)
{
    const char* value = getenv(variable);
    return value ? atoi(value) : suiteCount;
}

void SoakFigures(const char* variable, const char* format, ...)
{
    if (!getenv(variable))
        return;
    va_list args;
    va_start(args, format);
    vprintf(format, args), printf("\n"), fflush(stdout);
    va_end(args);
}

SIZE_T HeapBytesInUse()
{
    HANDLE heaps[64];
    SIZE_T total = 0;
    for (DWORD i = 0, n = GetProcessHeaps(64, heaps); i < n && i < 64; ++i) {
        PROCESS_HEAP_ENTRY e = {};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &e))
            total += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? e.cbData : 0;
        HeapUnlock(heaps[i]);
    }
    return total;
}

int GdiCapacity()
{
    std::vector<HBRUSH> brushes;
    for (HBRUSH b; brushes.size() < 200000 && (b = CreateSolidBrush(RGB(1, 1, 1))) != nullptr;)
        brushes.push_back(b);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    return static_cast<int>(brushes.size());
}
