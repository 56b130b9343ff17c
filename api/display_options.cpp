// The display switches of the control: one getter and one setter per option.
//
// Every setter normalises its argument, does nothing when the stored value
// would not change, and otherwise asks for exactly the recomputation and the
// repainting that its option affects. Repainting is skipped by the shared
// routines while the control is hidden or redrawing is off (turning
// redrawing on lays out and repaints everything once).
#include "api/call_frame.h"
#include "columns/row_headers.h"
#include "window/view.h"

namespace {

BOOL AsBool(BOOL value) { return value ? 1 : 0; }

// Every row of the list window from row 0 on; the row-header strip only when
// the option changes how row headers look or how tall rows are.
void RepaintRows(ControlRecord* rec, bool withRowHeader)
{
    InvalidateRows(rec, 0, true, withRowHeader, true);
}

// A change of row height or overhead: the layout first (it may notify the
// parent, which may destroy the control), then the rows with their headers.
void RelayoutAndRepaintRows(ControlRecord* rec)
{
    if (UpdateControl(rec))
        RepaintRows(rec, true);
}

// With 3D rows the default window colours give way to the button colours, so
// the frames read as buttons; colours the application chose are left alone.
void SwapDefaultColor(ControlRecord* rec, int entry, int windowColor, int buttonColor, bool to3D)
{
    const COLORREF from = TARN_SYSCOLOR(to3D ? windowColor : buttonColor);
    if (rec->colors[entry] == from)
        rec->colors[entry] = TARN_SYSCOLOR(to3D ? buttonColor : windowColor);
}

} // namespace

// ---------------------------------------------------------------- selection style

extern "C" int WINAPI Tarn_GetSelectionStyle(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->selectionStyle; });
}

extern "C" void WINAPI Tarn_SetSelectionStyle(HWND hwnd, int style)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (style < TARN_SELECT_WHOLEROW || style > TARN_SELECT_FIRSTTEXT || style == rec->selectionStyle)
            return;
        rec->selectionStyle = style;
        RepaintRows(rec, false);
    });
}

// ---------------------------------------------------------------- 3D rows

extern "C" BOOL WINAPI Tarn_GetShow3D(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->show3D; });
}

extern "C" void WINAPI Tarn_SetShow3D(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const BOOL value = AsBool(on);
        if (value == rec->show3D)
            return;
        rec->show3D = value;
        SwapDefaultColor(rec, TARNCLR_TEXTCOLOR, COLOR_WINDOWTEXT, COLOR_BTNTEXT, value != 0);
        SwapDefaultColor(rec, TARNCLR_BACKCOLOR, COLOR_WINDOW, COLOR_BTNFACE, value != 0);
        // Rows grow by their frame and lose their horizontal grid lines.
        RelayoutAndRepaintRows(rec);
    });
}

// ---------------------------------------------------------------- grid

extern "C" BOOL WINAPI Tarn_GetShowGrid(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->showGrid; });
}

extern "C" void WINAPI Tarn_SetShowGrid(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const BOOL value = AsBool(on);
        if (value == rec->showGrid)
            return;
        rec->showGrid = value;
        // Horizontal lines take a pixel of every row's height.
        RelayoutAndRepaintRows(rec);
    });
}

extern "C" int WINAPI Tarn_GetGridStyle(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->gridStyle; });
}

extern "C" void WINAPI Tarn_SetGridStyle(HWND hwnd, int style)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const int value = (style == TARN_GRID_VERTICAL || style == TARN_GRID_HORIZONTAL) ? style : TARN_GRID_BOTH;
        if (value == rec->gridStyle)
            return;
        rec->gridStyle = value;
        // The style only shows while the grid does.
        if (rec->showGrid)
            RelayoutAndRepaintRows(rec);
    });
}

// ---------------------------------------------------------------- zones before the first column

extern "C" BOOL WINAPI Tarn_GetShowBitmaps(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->showBitmaps; });
}

extern "C" BOOL WINAPI Tarn_GetShowLabels(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->showLabels; });
}

// ---------------------------------------------------------------- header band and row headers

extern "C" int WINAPI Tarn_GetShowHeader(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->showHeader; });
}

extern "C" void WINAPI Tarn_SetShowHeader(HWND hwnd, int mode)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (mode < TARN_HEADER_NONE || mode > TARN_HEADER_FLAT || mode == rec->showHeader)
            return;
        rec->showHeader = mode;
        (void)RelayoutAndRedrawAll(rec);
    });
}

extern "C" int WINAPI Tarn_GetShowRowHeader(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->showRowHeader; });
}

extern "C" void WINAPI Tarn_SetShowRowHeader(HWND hwnd, int mode)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (mode < TARN_ROWHEADER_NONE || mode > TARN_ROWHEADER_NUMBERFLAT)
            return;
        // Choosing a mode also chooses the strip's width, replacing any width
        // set before, and keeps it fitting the row numbers as rows come and
        // go; a width of its own comes afterwards.
        const int width = AutoRowHeaderWidth(rec, mode);
        rec->rowHeaderAutoWidth = TRUE;
        if (width == rec->rowHeaderWidth && mode == rec->showRowHeader)
            return;
        rec->showRowHeader = mode;
        rec->rowHeaderWidth = width;
        (void)RelayoutAndRedrawAll(rec);
    });
}

extern "C" BOOL WINAPI Tarn_GetShowRowColHeaderButton(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->showRowColHeaderButton; });
}

extern "C" void WINAPI Tarn_SetShowRowColHeaderButton(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const BOOL value = AsBool(on);
        if (value == rec->showRowColHeaderButton)
            return;
        rec->showRowColHeaderButton = value;
        // The corner exists only where a header band meets a row-header strip.
        InvalidateCorner(rec);
    });
}

// ---------------------------------------------------------------- tree lines and truncation

extern "C" BOOL WINAPI Tarn_GetShowTreeLines(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->showTreeLines; });
}

extern "C" void WINAPI Tarn_SetShowTreeLines(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const BOOL value = AsBool(on);
        if (value == rec->showTreeLines)
            return;
        rec->showTreeLines = value;
        // The indentation step changes, so the first column moves at once; the
        // scroll bars are left as they are.
        if (!UpdateOverheadWidth(rec))
            return;
        RepaintRows(rec, false);
        InvalidateHeaderBand(rec);
    });
}

extern "C" BOOL WINAPI Tarn_GetShowTruncated(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->showTruncated; });
}

extern "C" void WINAPI Tarn_SetShowTruncated(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const BOOL value = AsBool(on);
        if (value == rec->showTruncated)
            return;
        rec->showTruncated = value;
        RepaintRows(rec, false);
    });
}
