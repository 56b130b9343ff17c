// The two drop-down types: a type 1 drop-down whose edit
// field holds the committed row's first column, and a type 2 drop-down list
// whose field paints the committed row with all its columns.

#include "demo.h"

namespace {

const char* const kWarehouses[][2] = {
    {"WH-01", "Leeds"},   {"WH-02", "Bristol"}, {"WH-03", "Glasgow"},
    {"WH-04", "Cardiff"}, {"WH-05", "Norwich"},
};

const char* const kSuppliers[][2] = {
    {"Atlas Fixings Ltd", "United Kingdom"},
    {"Brandt Werkzeuge GmbH", "Germany"},
    {"Norrland Verktyg AB", "Sweden"},
    {"Ferragens Lusas", "Portugal"},
    {"Kobe Precision", "Japan"},
};

}  // namespace

void FillWarehouses(HWND dropDown) {
    const ColumnDef cols[2] = {
        MakeColumn(0, Chars(8), TARNCF_LEFT, "Code"),
        MakeColumn(1, Chars(12), TARNCF_LEFT, "Location"),
    };
    Tarn_SetColumns(dropDown, 2, cols);
    for (const auto& w : kWarehouses) {
        const int row = Tarn_AddString_A(dropDown, w[0]);
        if (row >= 0) Tarn_SetText_A(dropDown, row, 1, w[1]);
    }
    FitColumnToText(dropDown, 0);
    FitColumnToText(dropDown, 1);
    Tarn_SetDroppedHeight(dropDown, 5);   // rows shown when the list opens
}

void FillSuppliers(HWND dropDownList) {
    const ColumnDef cols[2] = {
        MakeColumn(0, Chars(25), TARNCF_LEFT, "Supplier"),
        MakeColumn(1, Chars(14), TARNCF_LEFT, "Country"),
    };
    Tarn_SetColumns(dropDownList, 2, cols);
    for (const auto& s : kSuppliers) {
        const int row = Tarn_AddString_A(dropDownList, s[0]);
        if (row >= 0) Tarn_SetText_A(dropDownList, row, 1, s[1]);
    }
    FitColumnToText(dropDownList, 0);
    FitColumnToText(dropDownList, 1);
    Tarn_SetDroppedHeight(dropDownList, 5);
}
