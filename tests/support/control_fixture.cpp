#include "support/control_fixture.h"

#include <cstdio>

namespace {
const char kParentClass[] = "Tarn32TestParent";

void RegisterParentClass(WNDPROC proc)
{
    static bool done = false;
    if (done)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kParentClass;
    done = RegisterClassA(&wc) != 0;
}
}

LRESULT CALLBACK ControlTest::ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<ControlTest*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    } else if (msg == WM_COMMAND && self && lp) {
        Notification n{HIWORD(wp), LOWORD(wp), reinterpret_cast<HWND>(lp)};
        self->log_.push_back(n);
        if (self->onNotify_)
            self->onNotify_(n);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void ControlTest::SetUp()
{
    RegisterParentClass(ParentProc);
    parent_ = CreateWindowExA(0, kParentClass, "TARN32 test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                              10, 10, 400, 400, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    ASSERT_NE(parent_, nullptr);
    Pump();
}

void ControlTest::TearDown()
{
    onNotify_ = nullptr;
    if (parent_)
        DestroyWindow(parent_);
    parent_ = nullptr;
    Pump();
}

HWND ControlTest::Create(DWORD typeAndStyle, int id, int w, int h)
{
    return CreateWithStyle(WS_CHILD | WS_VISIBLE | typeAndStyle, id, w, h);
}

HWND ControlTest::CreateWithStyle(DWORD style, int id, int w, int h)
{
    HWND hwnd = CreateWindowExA(0, TARN32_CLASS, "", style, 10, 10, w, h, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    Pump();
    return hwnd;
}

std::vector<int> ControlTest::Codes() const
{
    std::vector<int> codes;
    for (const auto& n : log_)
        codes.push_back(n.code);
    return codes;
}

void ControlTest::Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

RECT ControlTest::UpdateRect(HWND hwnd)
{
    RECT rc = {};
    if (!GetUpdateRect(hwnd, &rc, FALSE))
        SetRectEmpty(&rc);
    return rc;
}

void AddItems(HWND hwnd, int n, const char* prefix)
{
    char text[64];
    for (int i = 0; i < n; ++i) {
        std::snprintf(text, sizeof text, "%s%d", prefix, i);
        Tarn_AddString_A(hwnd, text);
    }
}

SIZE_T HeapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    SIZE_T total = 0;
    for (DWORD i = 0; i < n && i < 64; ++i) {
        PROCESS_HEAP_ENTRY e = {};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += e.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}
