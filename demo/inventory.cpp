// The inventory: a type 0 list with a column header band, numbered row
// headers, banded rows, right-aligned figures, low stock marked per cell and
// category rows in bold on a tinted band.

#include <cstdio>

#include "demo.h"

namespace {

struct Product {
    int level;          // 0: category row, 1: product row
    const char* name;
    const char* sku;
    int stock;          // unused on category rows
    const char* price;
};

const Product kInventory[] = {
    {0, "Hand tools", nullptr, 0, nullptr},
    {1, "Claw hammer, 16 oz", "HT-1016", 42, "14.90"},
    {1, "Screwdriver set, 6 pcs", "HT-2206", 35, "19.50"},
    {1, "Adjustable wrench, 250 mm", "HT-3250", 18, "12.75"},
    {1, "Combination pliers", "HT-4180", 3, "9.80"},
    {1, "Hacksaw, 300 mm", "HT-5300", 11, "16.40"},
    {1, "Utility knife", "HT-6010", 64, "5.95"},
    {1, "Chisel set, 4 pcs", "HT-7004", 8, "27.30"},
    {0, "Power tools", nullptr, 0, nullptr},
    {1, "Cordless drill, 18 V", "PT-1018", 12, "129.00"},
    {1, "Angle grinder, 125 mm", "PT-2125", 7, "89.90"},
    {1, "Jigsaw, 650 W", "PT-3650", 4, "74.50"},
    {1, "Random orbit sander", "PT-4125", 9, "68.00"},
    {1, "Impact driver, 18 V", "PT-5018", 0, "139.00"},
    {0, "Fasteners", nullptr, 0, nullptr},
    {1, "Wood screws 4x40, box 200", "FS-1440", 120, "6.20"},
    {1, "Wall plugs 8 mm, box 100", "FS-2008", 85, "3.90"},
    {1, "Hex bolts M8x60, box 50", "FS-3860", 40, "11.30"},
    {1, "Washers M8, box 100", "FS-4008", 2, "2.75"},
    {1, "Nails 70 mm, 1 kg", "FS-5070", 57, "4.60"},
    {0, "Measuring", nullptr, 0, nullptr},
    {1, "Tape measure, 5 m", "MS-1005", 48, "8.90"},
    {1, "Spirit level, 600 mm", "MS-2600", 15, "21.00"},
    {1, "Laser distance meter", "MS-3040", 6, "59.00"},
    {1, "Digital caliper, 150 mm", "MS-4150", 10, "24.50"},
    {0, "Safety", nullptr, 0, nullptr},
    {1, "Safety glasses", "SF-1001", 90, "4.50"},
    {1, "Work gloves, size L", "SF-2009", 73, "3.80"},
    {1, "Ear defenders", "SF-3027", 1, "17.90"},
    {1, "Dust masks FFP2, 10 pcs", "SF-4210", 26, "12.00"},
    {0, "Garden", nullptr, 0, nullptr},
    {1, "Pruning shears", "GD-1020", 22, "18.40"},
    {1, "Garden hose, 25 m", "GD-2025", 4, "34.90"},
    {1, "Spade, ash handle", "GD-3001", 13, "29.00"},
    {1, "Wheelbarrow, 100 l", "GD-4100", 5, "79.00"},
    {0, "Electrical", nullptr, 0, nullptr},
    {1, "Extension lead, 4 way", "EL-1004", 31, "11.50"},
    {1, "Cable reel, 25 m", "EL-2025", 9, "42.00"},
    {1, "Voltage tester", "EL-3001", 0, "15.80"},
    {1, "Work light, LED 20 W", "EL-4020", 17, "27.90"},
};

constexpr int kLowStock = 5;
enum { kColItem, kColSku, kColStock, kColPrice, kColumnCount };

const COLORREF kBandColor = RGB(243, 246, 251);     // every other row
const COLORREF kCategoryColor = RGB(214, 225, 240); // category rows
const COLORREF kSkuColor = RGB(96, 96, 96);         // the SKU column
const COLORREF kLowStockText = RGB(176, 0, 0);
const COLORREF kLowStockBack = RGB(255, 222, 222);

// Called before each row is painted: category rows (level 0) get a tinted
// background over the whole row, the area right of the last column included.
// A selected row keeps the selection colours.
void CALLBACK CategoryBand(HWND control, DrawInfo* row, LPARAM) {
    if (row->selected || Tarn_GetItemLevel(control, row->row) != 0) return;
    row->rowBackColor = kCategoryColor;
    row->cellBackColor = kCategoryColor;
}

}  // namespace

void FillInventory(HWND list) {
    ColumnDef cols[kColumnCount] = {
        MakeColumn(0, Chars(28), TARNCF_LEFT, "Item"),
        MakeColumn(1, Chars(9), TARNCF_LEFT, "SKU"),
        MakeColumn(2, Chars(8), TARNCF_RIGHT, "In stock"),
        MakeColumn(3, Chars(10), TARNCF_RIGHT, "Unit price"),
    };
    cols[kColSku].textColor = kSkuColor;   // a colour for one whole column
    Tarn_SetColumns(list, kColumnCount, cols);   // columns first, then rows

    for (const Product& p : kInventory) {
        const int row = Tarn_AddString_A(list, p.name);
        if (row < 0) continue;
        Tarn_SetItemLevel(list, row, p.level);
        if (p.level == 0) {
            // Category rows: the name in bold, through the cell's own font.
            CellInfo bold = MakeCellInfo(row, kColItem);
            bold.hfont = g_ui.bold;
            Tarn_SetCellInfo(list, &bold);
            continue;
        }
        char stock[16];
        std::snprintf(stock, sizeof stock, "%d", p.stock);
        Tarn_SetText_A(list, row, kColSku, p.sku);
        Tarn_SetText_A(list, row, kColStock, stock);
        Tarn_SetText_A(list, row, kColPrice, p.price);
        Tarn_SetItemData(list, row, p.stock);
        if (p.stock < kLowStock) {
            // Low stock: dark red on light red in this one cell. The selected
            // colours stay TARN_COLOR_NONE, so a selected row looks as usual.
            CellInfo low = MakeCellInfo(row, kColStock);
            low.textColor = kLowStockText;
            low.backColor = kLowStockBack;
            Tarn_SetCellInfo(list, &low);
        }
        if (p.stock == 0) Tarn_SetItemStatus(list, row, 0);   // sold out: greyed
    }

    // Figures and codes never cut: those columns grow to their widest text.
    for (int col = kColSku; col < kColumnCount; ++col) FitColumnToText(list, col);

    // Header band with button-like column headers.
    Tarn_SetShowHeader(list, TARN_HEADER_BUTTONS);
    // Row headers numbered from 1. The mode resets the width, so the width
    // comes second: room for three digits.
    Tarn_SetShowRowHeader(list, TARN_ROWHEADER_NUMBER);
    Tarn_SetRowHeaderWidth(list, TextWidth("000") + g_ui.charWidth);
    Tarn_SetRowHeaderStyle(list, TARNRHS_RIGHT);
    Tarn_SetRowColText_A(list, "#");     // the corner cell
    Tarn_SetRowColHeaderStyle(list, TARNRHS_RIGHT);

    // Banded rows: the control's colour table, read, changed and written back.
    CtlColors colors;
    Tarn_GetCtlColors(list, &colors);
    colors.altBackColor = kBandColor;
    Tarn_SetCtlColors(list, &colors);

    TarnDrawInfoCallbackInfo band = {CategoryBand, 0};
    Tarn_SetDrawInfoCallback(list, &band);
}
