// --screenshot DIR: writes the main window and a close-up of each control as
// 24-bit BMP files, then closes the window.
//
// The pixels are copied from the screen, which shows the windows exactly as
// the user sees them, every child window included (a window's own WM_PRINT
// handling does not always paint its children). The window therefore stays
// in front and on screen while the pictures are taken.

#include <cstdio>
#include <cstring>

#include "demo.h"

namespace {

// Dispatches messages for about ms milliseconds, so every window has painted.
void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

bool WriteBmp(const char* path, const BITMAPINFOHEADER& bih, const void* bits) {
    BITMAPFILEHEADER bfh;
    std::memset(&bfh, 0, sizeof bfh);
    bfh.bfType = 0x4D42;  // "BM"
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(&bfh, sizeof bfh, 1, f) == 1 &&
                    std::fwrite(&bih, sizeof bih, 1, f) == 1 &&
                    std::fwrite(bits, bih.biSizeImage, 1, f) == 1;
    return std::fclose(f) == 0 && ok;
}

// Copies the screen rectangle r into a 24-bit DIB section and writes it.
bool CaptureScreen(const RECT& r, const char* path) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    BITMAPINFO bi;
    std::memset(&bi, 0, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;  // bottom-up, as a BMP file stores it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    bi.bmiHeader.biSizeImage = ((static_cast<DWORD>(w) * 3 + 3) & ~3u) * static_cast<DWORD>(h);

    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    bool ok = false;
    if (dib && mem && bits) {
        HGDIOBJ old = SelectObject(mem, dib);
        ok = BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT) != 0;
        GdiFlush();
        SelectObject(mem, old);
        if (ok) ok = WriteBmp(path, bi.bmiHeader, bits);
    }
    if (mem) DeleteDC(mem);
    if (dib) DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool Shot(const char* dir, const char* name, const RECT& r) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\%s", dir, name);
    const bool ok = CaptureScreen(r, path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", path);
    return ok;
}

// The screen rectangle around a control and its caption, with a little of
// the window's background around them.
RECT AroundControl(HWND label, HWND control) {
    RECT a, b;
    GetWindowRect(label, &a);
    GetWindowRect(control, &b);
    RECT r;
    UnionRect(&r, &a, &b);
    InflateRect(&r, g_ui.charWidth, g_ui.charWidth);
    RECT window;
    GetWindowRect(g_demo.main, &window);
    IntersectRect(&r, &r, &window);
    return r;
}

RECT AroundTwo(HWND label1, HWND control1, HWND label2, HWND control2) {
    RECT a = AroundControl(label1, control1), b = AroundControl(label2, control2), r;
    UnionRect(&r, &a, &b);
    return r;
}

}  // namespace

int TakeScreenshots(const char* dir) {
    const DemoWindow& d = g_demo;
    if (!d.inventory) {
        std::fprintf(stderr, "the controls could not be created\n");
        DestroyWindow(d.main);
        return 1;
    }
    SetForegroundWindow(d.main);
    // The focus on the drop-down list shows its committed row selected in
    // its field.
    SetFocus(d.supplier);
    PumpFor(1000);

    RECT window;
    GetWindowRect(d.main, &window);
    bool ok = Shot(dir, "demo-main.bmp", window);
    ok = Shot(dir, "demo-inventory.bmp", AroundControl(d.inventoryLabel, d.inventory)) && ok;
    ok = Shot(dir, "demo-tree.bmp", AroundControl(d.treeLabel, d.tree)) && ok;
    ok = Shot(dir, "demo-grid-3d.bmp",
              AroundTwo(d.departuresLabel, d.departures, d.roomsLabel, d.rooms)) && ok;
    ok = Shot(dir, "demo-wrapped.bmp", AroundControl(d.issuesLabel, d.issues)) && ok;
    ok = Shot(dir, "demo-dropdowns.bmp",
              AroundTwo(d.warehouseLabel, d.warehouse, d.supplierLabel, d.supplier)) && ok;
    ok = Shot(dir, "demo-fonts.bmp", AroundTwo(d.facesLabel, d.faces, d.sampleLabel, d.sample)) && ok;

    // The drop-down open: its list hangs below the field, over whatever
    // lies there.
    SetFocus(d.warehouse);
    if (Tarn_ShowDropDown(d.warehouse, TRUE) == 1) {
        PumpFor(500);
        RECT list, open = AroundControl(d.warehouseLabel, d.warehouse);
        Tarn_GetDroppedControlRect(d.warehouse, &list);
        InflateRect(&list, g_ui.charWidth, g_ui.charWidth);
        UnionRect(&open, &open, &list);
        ok = Shot(dir, "demo-dropdown-open.bmp", open) && ok;
        Tarn_ShowDropDown(d.warehouse, FALSE);
    }

    // A disabled control: every row grey, every bitmap embossed.
    EnableWindow(d.tree, FALSE);
    PumpFor(500);
    ok = Shot(dir, "demo-tree-disabled.bmp", AroundControl(d.treeLabel, d.tree)) && ok;
    EnableWindow(d.tree, TRUE);

    DestroyWindow(d.main);
    return ok ? 0 : 1;
}
