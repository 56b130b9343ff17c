// A departure board: a type 0 list with grid lines between all cells,
// centred and coloured cells, a cancelled train shown disabled and the
// "Time" header drawn pressed.

#include "demo.h"

namespace {

struct Departure {
    const char* time;
    const char* train;
    const char* destination;
    const char* platform;
    const char* remark;
    int delay;          // minutes; -1 cancelled
};

const Departure kDepartures[] = {
    {"08:02", "RE 4512", "Lakeside", "3", "", 0},
    {"08:10", "IC 718", "Northport Central", "1", "", 0},
    {"08:14", "S 3", "Airport", "5", "+4 min", 4},
    {"08:21", "RB 2290", "Millbrook", "2", "", 0},
    {"08:30", "IC 722", "Southgate", "1", "Cancelled", -1},
    {"08:35", "S 1", "Old Town", "4", "", 0},
    {"08:42", "RE 4516", "Lakeside", "3", "+12 min", 12},
    {"08:50", "EC 95", "Harbour Quay", "6", "", 0},
    {"08:58", "S 3", "Airport", "5", "", 0},
};

const COLORREF kGridColor = RGB(168, 176, 190);
const COLORREF kDelayText = RGB(190, 40, 0);

}  // namespace

void FillDepartures(HWND list) {
    const ColumnDef cols[5] = {
        MakeColumn(0, Chars(7), TARNCF_CENTER, "Time"),
        MakeColumn(1, Chars(9), TARNCF_LEFT, "Train"),
        MakeColumn(2, Chars(19), TARNCF_LEFT, "Destination"),
        MakeColumn(3, Chars(6), TARNCF_CENTER, "Plat."),
        MakeColumn(4, Chars(10), TARNCF_LEFT, "Remarks"),
    };
    Tarn_SetColumns(list, 5, cols);

    for (const Departure& d : kDepartures) {
        const int row = Tarn_AddString_A(list, d.time);
        if (row < 0) continue;
        Tarn_SetText_A(list, row, 1, d.train);
        Tarn_SetText_A(list, row, 2, d.destination);
        Tarn_SetText_A(list, row, 3, d.platform);
        Tarn_SetText_A(list, row, 4, d.remark);
        if (d.delay > 0) {
            CellInfo late = MakeCellInfo(row, 4);
            late.textColor = kDelayText;
            Tarn_SetCellInfo(list, &late);
        } else if (d.delay < 0) {
            Tarn_SetItemStatus(list, row, 0);   // a disabled row: grey text
        }
    }

    for (int col = 0; col < 5; ++col) FitColumnToText(list, col);

    Tarn_SetShowHeader(list, TARN_HEADER_BUTTONS);
    Tarn_SetHeaderButton(list, 0);               // the "sorted by" column, pressed
    Tarn_SetShowGrid(list, TRUE);
    Tarn_SetGridStyle(list, TARN_GRID_BOTH);

    CtlColors colors;
    Tarn_GetCtlColors(list, &colors);
    colors.vertGridColor = kGridColor;
    colors.horzGridColor = kGridColor;
    Tarn_SetCtlColors(list, &colors);
}
