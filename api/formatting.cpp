// The exported formatting functions: cell and row formats, the control's
// colour table, the edit field's font and the draw-info callback.
#include "api/call_frame.h"
#include "core/cell_format.h"
#include "core/ctl_colors.h"
#include "core/row_format.h"
#include "window/part_fonts.h"
#include "window/view.h"

extern "C" BOOL WINAPI Tarn_SetCellInfo(HWND hwnd, const CellInfo* info)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        const int before = info ? RowHeightBeforeChange(rec, info->row) : -1;
        const FormatChange change = StoreCellInfo(rec, info);
        if (!change.stored)
            return FALSE;
        if (!change.sharedSize) {
            // The row with its header, and the rows below when a font or
            // bitmap changed its height; for the current item this refreshes
            // the field as well.
            InvalidateChangedRow(rec, info->row, before);
        } else if (UpdateControl(rec) && change.heightChanged) {
            // Row heights may follow the bitmap height, which moves every row.
            RedrawAll(rec);
        }
        return TRUE;
    });
}

extern "C" BOOL WINAPI Tarn_GetCellInfo(HWND hwnd, CellInfo* info)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) { return ReadCellInfo(rec, info) ? TRUE : FALSE; });
}

extern "C" BOOL WINAPI Tarn_SetRowInfo(HWND hwnd, const RowInfo* info)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        const int before = info ? RowHeightBeforeChange(rec, info->row) : -1;
        const FormatChange change = StoreRowInfo(rec, info);
        if (!change.stored)
            return FALSE;
        if (!change.sharedSize)
            InvalidateChangedRow(rec, info->row, before);
        else if (UpdateControl(rec) && change.heightChanged)
            InvalidateAllRows(rec);   // a new height may change every row's height
        return TRUE;
    });
}

extern "C" BOOL WINAPI Tarn_GetRowInfo(HWND hwnd, RowInfo* info)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) { return ReadRowInfo(rec, info) ? TRUE : FALSE; });
}

extern "C" void WINAPI Tarn_SetCtlColors(HWND hwnd, const CtlColors* colors)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (!colors)
            return;
        SetCtlColors(rec, colors);
        // Every part of the control draws from the table; the background
        // brush is made afresh from entry 0 when each window repaints.
        RedrawAll(rec);
    });
}

extern "C" void WINAPI Tarn_GetCtlColors(HWND hwnd, CtlColors* colors)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (colors)
            GetCtlColors(rec, colors);
    });
}

extern "C" void WINAPI Tarn_SetEditCtlFont(HWND hwnd, HFONT hfont, BOOL redraw)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)SetEditCtlFont(rec, hfont, redraw); });
}

extern "C" HFONT WINAPI Tarn_GetEditCtlFont(HWND hwnd)
{
    return WithControl(hwnd, HFONT{}, [](ControlRecord* rec) { return rec->hfontEditCtl; });
}

extern "C" BOOL WINAPI Tarn_SetDrawInfoCallback(HWND hwnd, const TarnDrawInfoCallbackInfo* info)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        rec->drawInfoCallback = info ? info->callback : nullptr;
        rec->drawInfoUserData = info ? info->userData : 0;
        return TRUE;
    });
}
