// tarn32_demo - one window with seven TARN32 controls:
//   an inventory list (header band, numbered row headers, banded rows,
//   per-cell colours, bold category rows), a file tree (levels, tree lines,
//   label and item bitmaps), a departure board (grid lines), meeting rooms
//   (3D rows), an issue list (variable row heights, wrapped and truncated
//   texts), a type 1 drop-down and a type 2 drop-down list.
//
//   tarn32_demo.exe                   runs interactively
//   tarn32_demo.exe --screenshot DIR  shows the window, writes BMP files of
//                                     it and of each control into DIR, exits
//
// Each control is set up in a file of its own (inventory.cpp, file_tree.cpp,
// departures.cpp, meeting_rooms.cpp, issues.cpp, drop_downs.cpp); this file
// creates them, lays them out from the font metrics and shows the row each
// control commits (TARNN_SELCHANGE) in a status line.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "demo.h"

DemoWindow g_demo;

namespace {

enum ControlId {
    kIdInventory = 1001,
    kIdTree,
    kIdDepartures,
    kIdRooms,
    kIdIssues,
    kIdWarehouse,
    kIdSupplier,
    kIdFaces,
    kIdSizes,
    kIdStyles,
    kIdStatus
};

const char kMainClass[] = "Tarn32DemoMain";

HWND CreateLabel(HWND parent, const char* text) {
    HWND h = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS,
                             0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(g_ui.font), FALSE);
    return h;
}

// Creates one control with its caption above it. Its place is decided by
// Layout once every control knows its columns.
HWND CreateWithLabel(HWND parent, const char* caption, DWORD typeAndStyle, int id, HWND* label) {
    *label = CreateLabel(parent, caption);
    // A provisional size: the list window must exist with some height so that
    // Layout can measure what the list takes.
    const RECT r = {0, 0, Chars(40), Lines(12)};
    return CreateTarn(parent, typeAndStyle, id, r);
}

void Place(HWND label, HWND control, int x, int y, int w, int h) {
    const int labelHeight = g_ui.lineHeight + 4;
    MoveWindow(label, x, y, w, labelHeight, FALSE);
    MoveWindow(control, x, y + labelHeight, w, h, FALSE);
}

int Max(int a, int b) { return a > b ? a : b; }

// Places every control from its natural size. The left column holds the
// inventory above the two drop-downs; the right column the file tree, the
// departure board beside the meeting rooms, and the issue list.
void Layout() {
    DemoWindow& d = g_demo;
    const int margin = Chars(2);
    const int gap = Chars(3);
    const int vgap = g_ui.lineHeight;
    const int labelHeight = g_ui.lineHeight + 4;

    // Widths: each column as wide as its widest control; the others widen
    // one column to fill the same width.
    const int dropGap = Chars(2);
    const int leftW = Max(NaturalWidth(d.inventory),
                          NaturalWidth(d.warehouse) + dropGap + NaturalWidth(d.supplier));
    const int roomsW = NaturalWidth(d.rooms);
    // The issue list shows all its rows, so no scroll bar takes room from
    // its columns; its last column keeps its width and must reach the edge.
    const int rightW = Max(Max(NaturalWidth(d.tree), NaturalWidth(d.issues, false)),
                           NaturalWidth(d.departures) + gap + roomsW);
    const int departuresW = rightW - gap - roomsW;
    WidenColumnToFit(d.inventory, 0, leftW);
    WidenColumnToFit(d.tree, 0, rightW);
    WidenColumnToFit(d.departures, 2, departuresW);
    WidenColumnToFit(d.issues, 1, rightW, false);   // before measuring: wider, fewer lines

    // The widths are final: set them, then measure the heights the rows need.
    const int leftX = margin, rightX = margin + leftW + gap;
    MoveWindow(d.inventory, leftX, 0, leftW, Lines(30), FALSE);
    MoveWindow(d.tree, rightX, 0, rightW, Lines(20), FALSE);
    MoveWindow(d.departures, rightX, 0, departuresW, Lines(20), FALSE);
    MoveWindow(d.rooms, rightX, 0, roomsW, Lines(20), FALSE);
    MoveWindow(d.issues, rightX, 0, rightW, Lines(30), FALSE);

    int y = margin;
    const int treeH = HeightForRows(d.tree, Tarn_GetCount(d.tree));
    Place(d.treeLabel, d.tree, rightX, y, rightW, treeH);
    y += labelHeight + treeH + vgap;
    const int boardH = Max(HeightForRows(d.departures, Tarn_GetCount(d.departures)),
                           HeightForRows(d.rooms, Tarn_GetCount(d.rooms)));
    Place(d.departuresLabel, d.departures, rightX, y, departuresW, boardH);
    Place(d.roomsLabel, d.rooms, rightX + departuresW + gap, y, roomsW, boardH);
    y += labelHeight + boardH + vgap;
    const int issuesH = HeightForRows(d.issues, Tarn_GetCount(d.issues));
    Place(d.issuesLabel, d.issues, rightX, y, rightW, issuesH);
    const int bottom = y + labelHeight + issuesH;

    // A closed drop-down is as high as its field and frame; the inventory
    // takes the rest of the left column.
    const int dropH = Tarn_GetItemHeight(d.supplier, -1) + 2 * GetSystemMetrics(SM_CYEDGE);
    const int dropY = bottom - dropH - labelHeight;
    const int warehouseW = NaturalWidth(d.warehouse);
    Place(d.warehouseLabel, d.warehouse, leftX, dropY, warehouseW, dropH);
    Place(d.supplierLabel, d.supplier, leftX + warehouseW + dropGap, dropY,
          leftW - warehouseW - dropGap, dropH);
    WidenColumnToFit(d.supplier, 0, leftW - warehouseW - dropGap);
    Place(d.inventoryLabel, d.inventory, leftX, margin, leftW, dropY - vgap - margin - labelHeight);

    // The font chooser: a row of its own under both columns, the sample
    // taking what the three lists leave.
    const int fontsY = bottom + vgap;
    const int fontsH = HeightForRows(d.faces, 8);
    const int facesW = NaturalWidth(d.faces), sizesW = NaturalWidth(d.sizes);
    const int stylesW = NaturalWidth(d.styles);
    const int sizesX = leftX + facesW + dropGap, stylesX = sizesX + sizesW + dropGap;
    const int sampleX = stylesX + stylesW + gap;
    Place(d.facesLabel, d.faces, leftX, fontsY, facesW, fontsH);
    Place(d.sizesLabel, d.sizes, sizesX, fontsY, sizesW, fontsH);
    Place(d.stylesLabel, d.styles, stylesX, fontsY, stylesW, fontsH);
    Place(d.sampleLabel, d.sample, sampleX, fontsY, rightX + rightW - sampleX, fontsH);

    const int statusY = fontsY + labelHeight + fontsH + vgap;
    const int clientW = rightX + rightW + margin;
    MoveWindow(d.status, margin, statusY, clientW - 2 * margin, labelHeight, FALSE);

    RECT r = {0, 0, clientW, statusY + labelHeight + margin};
    AdjustWindowRectEx(&r, GetWindowLongA(d.main, GWL_STYLE), FALSE, 0);
    SetWindowPos(d.main, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const char* ControlName(int id) {
    switch (id) {
    case kIdInventory: return "Inventory";
    case kIdTree: return "Files";
    case kIdDepartures: return "Departures";
    case kIdRooms: return "Meeting rooms";
    case kIdIssues: return "Issues";
    case kIdWarehouse: return "Warehouse";
    case kIdSupplier: return "Supplier";
    case kIdFaces: return "Font face";
    case kIdSizes: return "Font size";
    case kIdStyles: return "Font style";
    default: return "?";
    }
}

// TARNN_SELCHANGE arrives whenever a row is committed: show its first two
// cells in the status line.
void ShowSelection(HWND control, int id) {
    char line[320], first[128], second[128];
    const int row = Tarn_GetCurSel(control);
    if (row < 0) {
        std::snprintf(line, sizeof line, "%s: no row selected", ControlName(id));
    } else {
        ReadCellText(control, row, 0, first, sizeof first);
        ReadCellText(control, row, 1, second, sizeof second);
        std::snprintf(line, sizeof line, "%s, row %d: %s%s%s", ControlName(id), row + 1, first,
                      second[0] ? " - " : "", second);
    }
    SetWindowTextA(g_demo.status, line);
}

void CreateChildren(HWND main) {
    DemoWindow& d = g_demo;
    d.main = main;
    d.inventory = CreateWithLabel(main, "Inventory - type 0 list with headers, banded rows and cell colours",
                                  TARNS_LISTBOX, kIdInventory, &d.inventoryLabel);
    d.tree = CreateWithLabel(main, "Files - tree levels, tree lines, label and item bitmaps",
                             TARNS_LISTBOX, kIdTree, &d.treeLabel);
    d.departures = CreateWithLabel(main, "Departures - grid lines", TARNS_LISTBOX, kIdDepartures,
                                   &d.departuresLabel);
    d.rooms = CreateWithLabel(main, "Meeting rooms - 3D rows", TARNS_LISTBOX, kIdRooms,
                              &d.roomsLabel);
    d.issues = CreateWithLabel(main,
                               "Issues - variable row heights, wrapped and truncated texts",
                               TARNS_LISTBOX | TARNS_VARIABLEHEIGHT, kIdIssues, &d.issuesLabel);
    d.warehouse = CreateWithLabel(main, "Warehouse - type 1", TARNS_DROPDOWN, kIdWarehouse,
                                  &d.warehouseLabel);
    d.supplier = CreateWithLabel(main, "Supplier - type 2 drop-down list", TARNS_DROPDOWNLIST,
                                 kIdSupplier, &d.supplierLabel);
    d.faces = CreateWithLabel(main, "Font faces",
                              TARNS_LISTBOX, kIdFaces, &d.facesLabel);
    d.sizes = CreateWithLabel(main, "Sizes", TARNS_LISTBOX, kIdSizes, &d.sizesLabel);
    d.styles = CreateWithLabel(main, "Styles", TARNS_LISTBOX, kIdStyles, &d.stylesLabel);
    d.sampleLabel = CreateLabel(main, "Sample - the three lists on the left make a font chooser");
    d.sample = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0,
                               main, nullptr, GetModuleHandleA(nullptr), nullptr);
    d.status = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS,
                               0, 0, 0, 0, main,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStatus)),
                               GetModuleHandleA(nullptr), nullptr);
    SendMessageA(d.status, WM_SETFONT, reinterpret_cast<WPARAM>(g_ui.font), FALSE);
    if (!d.inventory || !d.tree || !d.departures || !d.rooms || !d.issues || !d.warehouse ||
        !d.supplier || !d.faces || !d.sizes || !d.styles)
        return;

    FillInventory(d.inventory);
    FillFileTree(d.tree);
    FillDepartures(d.departures);
    FillMeetingRooms(d.rooms);
    FillIssues(d.issues);
    FillWarehouses(d.warehouse);
    FillSuppliers(d.supplier);
    FillFontFaces(d.faces, d.sizes, d.styles);
    Layout();

    // A committed row in every control. Each commit is reported with
    // TARNN_SELCHANGE; the inventory comes last, so the status line shows it.
    Tarn_SetCurSel(d.tree, 13);          // scripts\menu.js
    Tarn_SetCurSel(d.departures, 2);
    Tarn_SetCurSel(d.rooms, 2);
    Tarn_SetCurSel(d.issues, 1);
    Tarn_SetCurSel(d.warehouse, 1);
    Tarn_SetCurSel(d.supplier, 1);
    // A serif face when the machine has one of these; the first face else.
    int face = -1;
    for (const char* name : {"Times New Roman", "DejaVu Serif", "Liberation Serif", "Tahoma"})
        if (face < 0) face = Tarn_FindStringExact_A(d.faces, -1, 0, name, TRUE);
    Tarn_SetCurSel(d.faces, face >= 0 ? face : 0);
    Tarn_SetTopIndex(d.faces, face >= 2 ? face - 2 : 0);
    Tarn_SetCurSel(d.inventory, 9);      // Cordless drill, 18 V
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        CreateChildren(hwnd);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == TARNN_SELCHANGE && lp) {
            const HWND sender = reinterpret_cast<HWND>(lp);
            if (sender == g_demo.faces || sender == g_demo.sizes || sender == g_demo.styles)
                FontChooserChanged(g_demo.faces, g_demo.sizes, g_demo.styles, sender, g_demo.sample);
            ShowSelection(sender, LOWORD(wp));
        }
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const char* shotDir = nullptr;
    for (int i = 1; i < __argc; ++i) {
        if (std::strcmp(__argv[i], "--screenshot") == 0 && i + 1 < __argc) shotDir = __argv[++i];
    }

    InitUiFont();
    CreateIcons();

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

    // The window sizes itself around its controls while it is created.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    HWND main = CreateWindowExA(0, kMainClass, "TARN32 demo - a combo box with columns", style,
                                shotDir ? 0 : CW_USEDEFAULT, shotDir ? 0 : CW_USEDEFAULT,
                                Chars(80), Lines(30), nullptr, nullptr, instance, nullptr);
    if (!main) return 1;
    ShowWindow(main, shotDir ? SW_SHOWNORMAL : show);
    UpdateWindow(main);

    int rc = 0;
    if (shotDir) {
        rc = TakeScreenshots(shotDir);
    } else {
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(main, &m)) continue;
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    FreeIcons();
    FreeFontChooser();
    FreeUiFont();
    return rc;
}
