// The exported column functions: the column set, header texts, rectangles
// and pressed button, the resize and reorder switches, the header font.
#include "api/call_frame.h"
#include "columns/column_set.h"
#include "columns/header_band.h"
#include "columns/header_texts.h"
#include "window/column_changes.h"
#include "window/part_fonts.h"
#include "window/view.h"

extern "C" BOOL WINAPI Tarn_SetColumns(HWND hwnd, int count, const ColumnDef* defs)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        bool accepted = false;
        (void)SetColumnSet(rec, count, defs, &accepted);
        return accepted ? TRUE : FALSE;
    });
}

extern "C" int WINAPI Tarn_GetColumns(HWND hwnd, ColumnDef** defs)
{
    return WithControl(hwnd, 0, [&](ControlRecord* rec) { return GetColumns(rec, defs); });
}

extern "C" BOOL WINAPI Tarn_SetHeader_A(HWND hwnd, int column, const char* text)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        if (!SetHeaderText(rec, column, text))
            return FALSE;
        InvalidateHeaderBand(rec);
        return TRUE;
    });
}

extern "C" int WINAPI Tarn_GetHeader_A(HWND hwnd, int column, char* buffer, int cch)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return GetHeaderText(rec, column, buffer, cch); });
}

extern "C" int WINAPI Tarn_GetHeaderLength(HWND hwnd, int column)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return HeaderTextLength(rec, column); });
}

extern "C" int WINAPI Tarn_GetHeaderRect(HWND hwnd, int column, RECT* rect)
{
    return WithControl(hwnd, 0, [&](ControlRecord* rec) {
        if (!rect)
            return 0;
        SetRectEmpty(rect);
        if (column < -1 || column >= rec->columnCount)
            return 0;
        if (column == -1)
            HeaderBandRect(rec, rect);
        else
            HeaderRect(rec, column, rect);
        return IsRectEmpty(rect) ? 0 : 1;
    });
}

extern "C" BOOL WINAPI Tarn_SetHeaderButton(HWND hwnd, int column)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        bool changed = false;
        if (!SetHeaderButton(rec, column, &changed))
            return FALSE;
        if (changed)
            InvalidateHeaderBand(rec);
        return TRUE;
    });
}

extern "C" int WINAPI Tarn_GetHeaderButton(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->headerButton; });
}

extern "C" void WINAPI Tarn_SetResizeHeader(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) { rec->resizeHeader = on ? TRUE : FALSE; });
}

extern "C" BOOL WINAPI Tarn_GetResizeHeader(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->resizeHeader; });
}

extern "C" void WINAPI Tarn_SetReorderColumns(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) { rec->reorderColumns = on ? TRUE : FALSE; });
}

extern "C" BOOL WINAPI Tarn_GetReorderColumns(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->reorderColumns; });
}

extern "C" void WINAPI Tarn_SetColHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)SetColHeaderFont(rec, hfont, redraw); });
}

extern "C" HFONT WINAPI Tarn_GetColHeaderFont(HWND hwnd)
{
    return WithControl(hwnd, HFONT{}, [](ControlRecord* rec) { return rec->hfontColHeader; });
}
