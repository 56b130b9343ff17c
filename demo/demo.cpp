// tarn32_demo - one window with three TARN32 controls: an inventory list with
// columns (type 0), a warehouse drop-down with an edit field (type 1) and a
// supplier drop-down list (type 2).
//
//   tarn32_demo.exe                   runs interactively
//   tarn32_demo.exe --screenshot DIR  shows the window, writes DIR/demo-main.bmp
//                                     and DIR/demo-selected.bmp, and exits
//
// Only the public header and windows.h are used. Functions the DLL exports
// today are called directly through the import library. Display options are
// looked up by name on the loaded TARN32.dll (see Options below): options
// appear as the library gains them, and the demo still loads and runs with a
// DLL that does not export them yet.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tarn32.h"

namespace {

// ---------------------------------------------------------------- data

struct Product {
    int level;          // 0: category row, 1: product row
    const char* name;
    const char* sku;
    int stock;          // -1 on category rows
    const char* price;
};

const Product kInventory[] = {
    {0, "Hand tools", nullptr, -1, nullptr},
    {1, "Claw hammer, 16 oz", "HT-1016", 42, "14.90"},
    {1, "Screwdriver set, 6 pcs", "HT-2206", 35, "19.50"},
    {1, "Adjustable wrench, 250 mm", "HT-3250", 18, "12.75"},
    {1, "Combination pliers", "HT-4180", 3, "9.80"},
    {1, "Hacksaw, 300 mm", "HT-5300", 11, "16.40"},
    {1, "Utility knife", "HT-6010", 64, "5.95"},
    {1, "Chisel set, 4 pcs", "HT-7004", 8, "27.30"},
    {0, "Power tools", nullptr, -1, nullptr},
    {1, "Cordless drill, 18 V", "PT-1018", 12, "129.00"},
    {1, "Angle grinder, 125 mm", "PT-2125", 7, "89.90"},
    {1, "Jigsaw, 650 W", "PT-3650", 4, "74.50"},
    {1, "Random orbit sander", "PT-4125", 9, "68.00"},
    {1, "Impact driver, 18 V", "PT-5018", 0, "139.00"},
    {0, "Fasteners", nullptr, -1, nullptr},
    {1, "Wood screws 4x40, box 200", "FS-1440", 120, "6.20"},
    {1, "Wall plugs 8 mm, box 100", "FS-2008", 85, "3.90"},
    {1, "Hex bolts M8x60, box 50", "FS-3860", 40, "11.30"},
    {1, "Washers M8, box 100", "FS-4008", 2, "2.75"},
    {1, "Nails 70 mm, 1 kg", "FS-5070", 57, "4.60"},
    {0, "Measuring", nullptr, -1, nullptr},
    {1, "Tape measure, 5 m", "MS-1005", 48, "8.90"},
    {1, "Spirit level, 600 mm", "MS-2600", 15, "21.00"},
    {1, "Laser distance meter", "MS-3040", 6, "59.00"},
    {1, "Digital caliper, 150 mm", "MS-4150", 10, "24.50"},
    {0, "Safety", nullptr, -1, nullptr},
    {1, "Safety glasses", "SF-1001", 90, "4.50"},
    {1, "Work gloves, size L", "SF-2009", 73, "3.80"},
    {1, "Ear defenders", "SF-3027", 1, "17.90"},
    {1, "Dust masks FFP2, 10 pcs", "SF-4210", 26, "12.00"},
};
constexpr int kInventoryCount = sizeof(kInventory) / sizeof(kInventory[0]);
constexpr int kLowStock = 5;

const char* const kWarehouses[][2] = {
    {"WH-01", "Leeds"},   {"WH-02", "Bristol"}, {"WH-03", "Glasgow"},
    {"WH-04", "Cardiff"}, {"WH-05", "Norwich"},
};

const char* const kSuppliers[][3] = {
    {"Atlas Fixings Ltd", "United Kingdom", "1 day"},
    {"Brandt Werkzeuge GmbH", "Germany", "3 days"},
    {"Norrland Verktyg AB", "Sweden", "5 days"},
    {"Ferragens Lusas", "Portugal", "6 days"},
    {"Kobe Precision", "Japan", "14 days"},
};

// ---------------------------------------------------------------- options

// Display options called by name on the loaded DLL. Each pointer stays null
// while the DLL does not export the function, and every use checks it.
struct Options {
    void (WINAPI* SetShowHeader)(HWND, int);
    void (WINAPI* SetShowRowHeader)(HWND, int);
    BOOL (WINAPI* SetRowColText)(HWND, const char*);
    void (WINAPI* SetShowGrid)(HWND, BOOL);
    void (WINAPI* SetGridStyle)(HWND, int);
    void (WINAPI* SetShowTreeLines)(HWND, BOOL);
    BOOL (WINAPI* SetItemLevel)(HWND, int, int);
    BOOL (WINAPI* SetCellInfo)(HWND, const CellInfo*);
    void (WINAPI* GetCtlColors)(HWND, CtlColors*);
    void (WINAPI* SetCtlColors)(HWND, const CtlColors*);
    void (WINAPI* MakeRowVisible)(HWND, int);
    int (WINAPI* SetDroppedWidth)(HWND, int);
    int (WINAPI* SetDroppedHeight)(HWND, int);
    int (WINAPI* ShowDropDown)(HWND, BOOL);
};
Options g_opt;

template <class F>
void Lookup(HMODULE dll, const char* name, F& slot) {
    FARPROC p = dll ? GetProcAddress(dll, name) : nullptr;
    // The detour through a plain function pointer type is the sanctioned way
    // to convert between unrelated function pointer types.
    slot = reinterpret_cast<F>(reinterpret_cast<void (*)()>(p));
}

void LoadOptions() {
    HMODULE dll = GetModuleHandleA("TARN32.dll");
    Lookup(dll, "Tarn_SetShowHeader", g_opt.SetShowHeader);
    Lookup(dll, "Tarn_SetShowRowHeader", g_opt.SetShowRowHeader);
    Lookup(dll, "Tarn_SetRowColText_A", g_opt.SetRowColText);
    Lookup(dll, "Tarn_SetShowGrid", g_opt.SetShowGrid);
    Lookup(dll, "Tarn_SetGridStyle", g_opt.SetGridStyle);
    Lookup(dll, "Tarn_SetShowTreeLines", g_opt.SetShowTreeLines);
    Lookup(dll, "Tarn_SetItemLevel", g_opt.SetItemLevel);
    Lookup(dll, "Tarn_SetCellInfo", g_opt.SetCellInfo);
    Lookup(dll, "Tarn_GetCtlColors", g_opt.GetCtlColors);
    Lookup(dll, "Tarn_SetCtlColors", g_opt.SetCtlColors);
    Lookup(dll, "Tarn_MakeRowVisible", g_opt.MakeRowVisible);
    Lookup(dll, "Tarn_SetDroppedWidth", g_opt.SetDroppedWidth);
    Lookup(dll, "Tarn_SetDroppedHeight", g_opt.SetDroppedHeight);
    Lookup(dll, "Tarn_ShowDropDown", g_opt.ShowDropDown);
}

// ---------------------------------------------------------------- window

enum ControlId { kIdInventory = 1001, kIdWarehouse, kIdSupplier, kIdStatus };

struct Demo {
    HWND main = nullptr;
    HWND inventory = nullptr;
    HWND warehouse = nullptr;
    HWND supplier = nullptr;
    HWND status = nullptr;
    HFONT bold = nullptr;       // category rows; owned here, the control only uses it
    int charWidth = 7;          // average character width of the GUI font
    int lineHeight = 16;
};
Demo g_demo;

const char kMainClass[] = "Tarn32DemoMain";

void MeasureFont() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm)) {
        g_demo.charWidth = tm.tmAveCharWidth;
        g_demo.lineHeight = tm.tmHeight;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);

    LOGFONTA lf;
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf)) {
        lf.lfWeight = FW_BOLD;
        g_demo.bold = CreateFontIndirectA(&lf);
    }
}

int Chars(int n) { return n * g_demo.charWidth; }

ColumnDef Column(int position, int width, DWORD format, const char* header) {
    ColumnDef c;
    std::memset(&c, 0, sizeof c);
    c.width = width;
    c.backColor = c.textColor = c.selBackColor = c.selTextColor = TARN_COLOR_NONE;
    c.format = format;
    c.headerFormat = format & TARNCF_ALIGNMASK;  // header aligned like its cells
    c.headerText = header;
    c.position = position;
    return c;
}

HWND CreateLabel(const char* text, int x, int y, int w) {
    HWND h = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, w,
                             g_demo.lineHeight + 2, g_demo.main, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return h;
}

HWND CreateTarn(DWORD type, int id, int x, int y, int w, int h) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, TARN32_CLASS, "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | type, x, y, w, h,
                           g_demo.main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void SetCellText(HWND c, int row, int col, COLORREF text) {
    if (!g_opt.SetCellInfo) return;
    CellInfo ci;
    std::memset(&ci, 0, sizeof ci);
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = col;
    ci.backColor = ci.selBackColor = ci.selTextColor = TARN_COLOR_NONE;
    ci.textColor = text;
    g_opt.SetCellInfo(c, &ci);
}

void SetCellFont(HWND c, int row, int col, HFONT font) {
    if (!g_opt.SetCellInfo || !font) return;
    CellInfo ci;
    std::memset(&ci, 0, sizeof ci);
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = col;
    ci.backColor = ci.textColor = ci.selBackColor = ci.selTextColor = TARN_COLOR_NONE;
    ci.hfont = font;
    g_opt.SetCellInfo(c, &ci);
}

// The inventory: four columns, category rows at tree level 0 with their
// products one level below, stock figures right-aligned, low stock in red,
// products that are out of stock disabled.
void FillInventory(HWND c) {
    const ColumnDef cols[4] = {
        Column(0, Chars(30), TARNCF_LEFT, "Item"),
        Column(1, Chars(10), TARNCF_LEFT, "SKU"),
        Column(2, Chars(9), TARNCF_RIGHT, "In stock"),
        Column(3, Chars(10), TARNCF_RIGHT, "Unit price"),
    };
    Tarn_SetColumns(c, 4, cols);

    for (int i = 0; i < kInventoryCount; ++i) {
        const Product& p = kInventory[i];
        int row = Tarn_AddString_A(c, p.name);
        if (row < 0) continue;
        if (p.level == 0) {
            if (g_opt.SetItemLevel) g_opt.SetItemLevel(c, row, 0);
            SetCellFont(c, row, 0, g_demo.bold);
            continue;
        }
        char stock[16];
        std::snprintf(stock, sizeof stock, "%d", p.stock);
        Tarn_SetText_A(c, row, 1, p.sku);
        Tarn_SetText_A(c, row, 2, stock);
        Tarn_SetText_A(c, row, 3, p.price);
        Tarn_SetItemData(c, row, p.stock);
        if (g_opt.SetItemLevel) g_opt.SetItemLevel(c, row, 1);
        if (p.stock < kLowStock) SetCellText(c, row, 2, RGB(192, 0, 0));
        if (p.stock == 0) Tarn_SetItemStatus(c, row, 0);
    }

    if (g_opt.SetShowHeader) g_opt.SetShowHeader(c, TARN_HEADER_BUTTONS);
    if (g_opt.SetShowRowHeader) g_opt.SetShowRowHeader(c, TARN_ROWHEADER_NUMBER);
    if (g_opt.SetRowColText) g_opt.SetRowColText(c, "#");
    if (g_opt.SetShowTreeLines) g_opt.SetShowTreeLines(c, TRUE);
    if (g_opt.SetShowGrid) g_opt.SetShowGrid(c, TRUE);
    if (g_opt.SetGridStyle) g_opt.SetGridStyle(c, TARN_GRID_VERTICAL);
    if (g_opt.GetCtlColors && g_opt.SetCtlColors) {
        CtlColors colors;
        g_opt.GetCtlColors(c, &colors);
        colors.altBackColor = RGB(242, 246, 252);  // banded rows
        colors.vertGridColor = RGB(215, 220, 228);
        g_opt.SetCtlColors(c, &colors);
    }
    Tarn_SetResizeHeader(c, TRUE);
    Tarn_SetReorderColumns(c, TRUE);
}

void FillWarehouses(HWND c) {
    const ColumnDef cols[2] = {
        Column(0, Chars(8), TARNCF_LEFT, "Code"),
        Column(1, Chars(16), TARNCF_LEFT, "Location"),
    };
    Tarn_SetColumns(c, 2, cols);
    for (const auto& w : kWarehouses) {
        int row = Tarn_AddString_A(c, w[0]);
        if (row >= 0) Tarn_SetText_A(c, row, 1, w[1]);
    }
    Tarn_SetCurSel(c, 0);
}

void FillSuppliers(HWND c) {
    const ColumnDef cols[3] = {
        Column(0, Chars(24), TARNCF_LEFT, "Supplier"),
        Column(1, Chars(15), TARNCF_LEFT, "Country"),
        Column(2, Chars(9), TARNCF_RIGHT, "Lead time"),
    };
    Tarn_SetColumns(c, 3, cols);
    for (const auto& s : kSuppliers) {
        int row = Tarn_AddString_A(c, s[0]);
        if (row < 0) continue;
        Tarn_SetText_A(c, row, 1, s[1]);
        Tarn_SetText_A(c, row, 2, s[2]);
    }
    if (g_opt.SetDroppedHeight) g_opt.SetDroppedHeight(c, 5);
    Tarn_SetCurSel(c, 1);
}

// Reads one cell as a string; the length function sizes the buffer.
void CellText(HWND c, int row, int col, char* out, size_t size) {
    out[0] = '\0';
    int len = Tarn_GetTextLength(c, row, col);
    if (len < 0) return;
    char* buf = static_cast<char*>(std::malloc(static_cast<size_t>(len) + 1));
    if (!buf) return;
    if (Tarn_GetText_A(c, row, col, buf) >= 0) std::snprintf(out, size, "%s", buf);
    std::free(buf);
}

// TARNN_SELCHANGE arrives whenever a row is committed: show it in the status line.
void ShowSelection(HWND c) {
    char line[256], a[96], b[64], d[32];
    int row = Tarn_GetCurSel(c);
    if (row < 0) {
        std::snprintf(line, sizeof line, "No row selected.");
    } else if (c == g_demo.inventory) {
        CellText(c, row, 0, a, sizeof a);
        CellText(c, row, 2, b, sizeof b);
        CellText(c, row, 3, d, sizeof d);
        if (b[0])
            std::snprintf(line, sizeof line, "Inventory row %d: %s - %s in stock at %s", row + 1, a,
                          b, d);
        else
            std::snprintf(line, sizeof line, "Inventory row %d: category %s", row + 1, a);
    } else {
        CellText(c, row, 0, a, sizeof a);
        CellText(c, row, 1, b, sizeof b);
        std::snprintf(line, sizeof line, "%s: %s (%s)",
                      c == g_demo.warehouse ? "Warehouse" : "Supplier", a, b);
    }
    SetWindowTextA(g_demo.status, line);
}

void CreateChildren(HWND main) {
    g_demo.main = main;
    const int margin = Chars(2);
    const int gap = g_demo.lineHeight / 2;
    const int label = g_demo.lineHeight + 4;

    // Left: the list. Its width holds the columns, the row numbers and a scroll bar.
    const int listW = Chars(30 + 10 + 9 + 10 + 5) + GetSystemMetrics(SM_CXVSCROLL) + 8;
    const int listH = 22 * (g_demo.lineHeight + 3);
    CreateLabel("Inventory - type 0: edit field above a permanent list", margin, margin, listW);
    g_demo.inventory = CreateTarn(TARNS_LISTBOX, kIdInventory, margin, margin + label, listW, listH);

    // Right: the two drop-downs, one above the other.
    const int x = margin + listW + Chars(3);
    const int w = Chars(34);
    const int labelW = Chars(50);
    int y = margin;
    CreateLabel("Warehouse - type 1: drop-down with edit field", x, y, labelW);
    y += label;
    g_demo.warehouse = CreateTarn(TARNS_DROPDOWN, kIdWarehouse, x, y, w, g_demo.lineHeight + 8);
    y += g_demo.lineHeight + 8 + gap * 3;
    CreateLabel("Supplier - type 2: drop-down list", x, y, labelW);
    y += label;
    g_demo.supplier = CreateTarn(TARNS_DROPDOWNLIST, kIdSupplier, x, y, w, g_demo.lineHeight + 8);

    // Bottom: the status line fed by TARNN_SELCHANGE.
    const int statusY = margin + label + listH + gap;
    g_demo.status = CreateWindowExA(0, "STATIC", "Select a row.", WS_CHILD | WS_VISIBLE | SS_LEFT,
                                    margin, statusY, x + labelW - margin, g_demo.lineHeight + 2, main,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStatus)),
                                    GetModuleHandleA(nullptr), nullptr);
    SendMessageA(g_demo.status, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    if (g_demo.inventory) FillInventory(g_demo.inventory);
    if (g_demo.warehouse) FillWarehouses(g_demo.warehouse);
    if (g_demo.supplier) FillSuppliers(g_demo.supplier);
    if (g_opt.SetDroppedWidth && g_demo.supplier) g_opt.SetDroppedWidth(g_demo.supplier, Chars(52));
    // Filling committed rows and reported them; start with a neutral line.
    SetWindowTextA(g_demo.status, "Select a row in any of the three controls.");

    // Size the window around what it holds.
    RECT r = {0, 0, x + labelW + margin, statusY + g_demo.lineHeight + 2 + margin};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(main, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        CreateChildren(hwnd);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == TARNN_SELCHANGE && lp) ShowSelection(reinterpret_cast<HWND>(lp));
        return 0;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// ---------------------------------------------------------------- screenshots

// Dispatches messages for about ms milliseconds, so every window has painted.
void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

bool WriteBmp(const char* path, const BITMAPINFOHEADER& bih, const void* bits, DWORD size) {
    BITMAPFILEHEADER bfh;
    std::memset(&bfh, 0, sizeof bfh);
    bfh.bfType = 0x4D42;  // "BM"
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + size;
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool ok = std::fwrite(&bfh, sizeof bfh, 1, f) == 1 && std::fwrite(&bih, sizeof bih, 1, f) == 1 &&
              std::fwrite(bits, size, 1, f) == 1;
    return std::fclose(f) == 0 && ok;
}

// Paints the screen rectangle r into a 24-bit DIB section and writes it out.
// With fromScreen the pixels are copied from the desktop, which shows the
// window exactly as the user sees it, pop-up lists included. Otherwise the
// window paints itself with PrintWindow (WM_PRINT), which needs no visible
// desktop; Wine's default WM_PRINT handling leaves child windows out, so the
// desktop copy is the default.
bool Capture(HWND hwnd, const RECT& r, bool fromScreen, const char* path) {
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
    const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
    bi.bmiHeader.biSizeImage = stride * static_cast<DWORD>(h);

    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    bool ok = false;
    if (dib && mem && bits) {
        HGDIOBJ old = SelectObject(mem, dib);
        if (fromScreen)
            ok = BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT) != 0;
        else
            ok = PrintWindow(hwnd, mem, 0) != 0;
        GdiFlush();
        SelectObject(mem, old);
        if (ok) ok = WriteBmp(path, bi.bmiHeader, bits, bi.bmiHeader.biSizeImage);
    }
    if (mem) DeleteDC(mem);
    if (dib) DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool Shot(const char* dir, const char* name, bool fromScreen, const RECT* extra = nullptr) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\%s", dir, name);
    RECT r;
    GetWindowRect(g_demo.main, &r);
    if (extra) UnionRect(&r, &r, extra);
    bool ok = Capture(g_demo.main, r, fromScreen, path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", path);
    return ok;
}

int RunScreenshots(const char* dir, bool fromScreen) {
    SetForegroundWindow(g_demo.main);
    if (g_demo.inventory) SetFocus(g_demo.inventory);
    PumpFor(1000);
    bool ok = Shot(dir, "demo-main.bmp", fromScreen);

    // A committed row in the list and in the status line.
    if (g_demo.inventory) {
        const int row = 9;  // "Cordless drill, 18 V"
        Tarn_SetCurSel(g_demo.inventory, row);
        if (g_opt.MakeRowVisible) g_opt.MakeRowVisible(g_demo.inventory, row);
    }
    PumpFor(500);
    ok = Shot(dir, "demo-selected.bmp", fromScreen) && ok;

    // The supplier list dropped open, once the library can open it.
    if (g_opt.ShowDropDown && g_demo.supplier && g_opt.ShowDropDown(g_demo.supplier, TRUE) == 1) {
        PumpFor(500);
        RECT drop = {0, 0, 0, 0};
        if (HWND list = Tarn_GetHWNDDropDown(g_demo.supplier)) GetWindowRect(list, &drop);
        ok = Shot(dir, "demo-dropdown.bmp", true, &drop) && ok;
        g_opt.ShowDropDown(g_demo.supplier, FALSE);
    }
    DestroyWindow(g_demo.main);
    return ok ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const char* shotDir = nullptr;
    bool fromScreen = true;
    for (int i = 1; i < __argc; ++i) {
        if (std::strcmp(__argv[i], "--screenshot") == 0 && i + 1 < __argc)
            shotDir = __argv[++i];
        else if (std::strcmp(__argv[i], "--print") == 0)
            fromScreen = false;
    }

    LoadOptions();
    MeasureFont();

    WNDCLASSEXA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExA(&wc)) return 1;

    HWND main = CreateWindowExA(0, kMainClass, "TARN32 demo - a combo box with columns",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, shotDir ? 0 : CW_USEDEFAULT,
                                shotDir ? 0 : CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance,
                                nullptr);
    if (!main) return 1;
    ShowWindow(main, shotDir ? SW_SHOWNORMAL : show);
    UpdateWindow(main);

    int rc = 0;
    if (shotDir) {
        rc = RunScreenshots(shotDir, fromScreen);
    } else {
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(main, &m)) continue;
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    if (g_demo.bold) DeleteObject(g_demo.bold);
    return rc;
}
