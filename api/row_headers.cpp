// The exported row-header and corner-cell functions.
#include "api/call_frame.h"
#include "columns/corner_cell.h"
#include "columns/row_headers.h"
#include "window/part_fonts.h"
#include "window/view.h"

extern "C" void WINAPI Tarn_SetRowHeaderWidth(HWND hwnd, int width)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (width < 0)
            return;
        rec->rowHeaderAutoWidth = FALSE;
        if (width == rec->rowHeaderWidth)
            return;
        // Every column, the field and the header band move with the strip.
        rec->rowHeaderWidth = width;
        (void)RelayoutAndRedrawAll(rec);
    });
}

extern "C" int WINAPI Tarn_GetRowHeaderWidth(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->rowHeaderWidth; });
}

extern "C" void WINAPI Tarn_SetRowHeaderStyle(HWND hwnd, UINT style)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        rec->rowHeaderStyle = static_cast<int>(style);
        InvalidateListStrip(rec);
        // The field shows the committed row with its own row header.
        SyncEditText(rec);
        (void)UpdateControl(rec);
    });
}

extern "C" UINT WINAPI Tarn_GetRowHeaderStyle(HWND hwnd)
{
    return WithControl(hwnd, 0u, [](ControlRecord* rec) { return static_cast<UINT>(rec->rowHeaderStyle); });
}

extern "C" void WINAPI Tarn_SetRowHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw)
{
    WithControl(hwnd, [&](ControlRecord* rec) { (void)SetRowHeaderFont(rec, hfont, redraw); });
}

extern "C" HFONT WINAPI Tarn_GetRowHeaderFont(HWND hwnd)
{
    return WithControl(hwnd, HFONT{}, [](ControlRecord* rec) { return rec->hfontRowHeader; });
}

extern "C" void WINAPI Tarn_GetRowHeaderRect(HWND hwnd, int index, RECT* rect)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (rect)
            RowHeaderRect(rec, index, rect);
    });
}

extern "C" BOOL WINAPI Tarn_SetRowColText_A(HWND hwnd, const char* text)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        if (!StoreCornerText(rec, text))
            return FALSE;
        InvalidateCorner(rec);
        return TRUE;
    });
}

extern "C" int WINAPI Tarn_GetRowColText_A(HWND hwnd, char* buffer, int cch)
{
    return WithControl(hwnd, 0, [&](ControlRecord* rec) { return ReadCornerText(rec, buffer, cch); });
}

extern "C" int WINAPI Tarn_GetRowColTextLength(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return CornerTextLength(rec); });
}

extern "C" void WINAPI Tarn_SetRowColBitmap(HWND hwnd, HBITMAP hbm)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        // The corner bitmap counts in the header height while a row header is
        // shown, so a new height can move everything below the header band.
        if (!StoreCornerBitmap(rec, hbm))
            InvalidateCorner(rec);
        else
            (void)RelayoutAndRedrawAll(rec);
    });
}

extern "C" HBITMAP WINAPI Tarn_GetRowColBitmap(HWND hwnd)
{
    return WithControl(hwnd, HBITMAP{}, [](ControlRecord* rec) { return rec->hbmRowCol; });
}

extern "C" void WINAPI Tarn_SetRowColBitmapStyle(HWND hwnd, int style)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        rec->rowColBitmapStyle = style;
        InvalidateCorner(rec);
    });
}

extern "C" int WINAPI Tarn_GetRowColBitmapStyle(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->rowColBitmapStyle; });
}

extern "C" void WINAPI Tarn_SetRowColHeaderStyle(HWND hwnd, UINT style)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        rec->rowColHeaderStyle = static_cast<int>(style);
        InvalidateCorner(rec);
    });
}

extern "C" UINT WINAPI Tarn_GetRowColHeaderStyle(HWND hwnd)
{
    return WithControl(hwnd, 0u, [](ControlRecord* rec) { return static_cast<UINT>(rec->rowColHeaderStyle); });
}

extern "C" void WINAPI Tarn_SetRowColHeaderButton(HWND hwnd, BOOL pressed)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        const BOOL value = pressed ? 1 : 0;
        if (value == rec->rowColHeaderButton)
            return;
        rec->rowColHeaderButton = value;
        InvalidateCorner(rec);
    });
}

extern "C" BOOL WINAPI Tarn_GetRowColHeaderButton(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->rowColHeaderButton; });
}

extern "C" void WINAPI Tarn_GetRowColHeaderRect(HWND hwnd, RECT* rect)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (rect)
            CornerRect(rec, rect);
    });
}
