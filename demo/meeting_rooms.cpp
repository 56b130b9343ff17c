// Meeting rooms: a type 0 list with the 3D look (every row a sunken frame,
// the selected row a raised one, on the button face colour), selection of
// the cells only, and blank button-like row headers that show the selected
// row pressed.

#include "demo.h"

namespace {

const char* const kRooms[][4] = {
    {"Aurora", "1", "4", "Screen"},
    {"Boreal", "1", "8", "Screen, phone"},
    {"Cascade", "2", "12", "Projector"},
    {"Delta", "2", "6", "Whiteboard"},
    {"Equinox", "3", "20", "Video wall, mics"},
    {"Fjord", "3", "2", "Phone"},
    {"Glacier", "4", "10", "Projector"},
    {"Horizon", "5", "40", "Stage, sound"},
};

}  // namespace

void FillMeetingRooms(HWND list) {
    const ColumnDef cols[4] = {
        MakeColumn(0, Chars(10), TARNCF_LEFT, "Room"),
        MakeColumn(1, Chars(6), TARNCF_CENTER, "Floor"),
        MakeColumn(2, Chars(6), TARNCF_RIGHT, "Seats"),
        MakeColumn(3, Chars(16), TARNCF_LEFT, "Equipment"),
    };
    Tarn_SetColumns(list, 4, cols);
    for (const auto& r : kRooms) {
        const int row = Tarn_AddString_A(list, r[0]);
        if (row < 0) continue;
        for (int col = 1; col < 4; ++col) Tarn_SetText_A(list, row, col, r[col]);
    }

    for (int col = 0; col < 4; ++col) FitColumnToText(list, col);

    Tarn_SetShowHeader(list, TARN_HEADER_BUTTONS);
    // Turning 3D on moves the default window colours to the button colours.
    Tarn_SetShow3D(list, TRUE);
    Tarn_SetSelectionStyle(list, TARN_SELECT_CELLS);
    Tarn_SetShowRowHeader(list, TARN_ROWHEADER_BUTTON);
    Tarn_SetRowHeaderWidth(list, Chars(2));
}
