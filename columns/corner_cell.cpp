// The corner cell's text, bitmap, formats and pressed state.
//
// The corner text is shared with the painters and the click handling, so it
// is read and replaced under the item lock, like the item texts. Fonts and
// bitmaps stay the application's: the corner only borrows them.
#include "columns/corner_cell.h"

#include <cstdlib>
#include <cstring>

#include "columns/cell_format.h"
#include "core/lock.h"
#include "core/shared_routines.h"
#include "window/notify.h"
#include "layout/row_geometry.h"

void CornerRect(const ControlRecord* rec, RECT* rc)
{
    SetRectEmpty(rc);
    if (rec->showHeader == 0 || rec->rowHeaderWidth == 0)
        return;
    RECT client = {};
    if (rec->hwnd)
        GetClientRect(rec->hwnd, &client);
    SetRect(rc, client.left, client.top, client.left + rec->rowHeaderWidth, client.top + HeaderHeight(rec));
}

void InvalidateCorner(const ControlRecord* rec)
{
    if (!rec->hwnd || !rec->shown || !rec->redraw)
        return;
    RECT rc;
    CornerRect(rec, &rc);
    if (!IsRectEmpty(&rc))
        InvalidateRect(rec->hwnd, &rc, FALSE);
}

// ---------------------------------------------------------------- exported

extern "C" BOOL WINAPI Tarn_SetRowColText_A(HWND hwnd, const char* text)
{
    ControlRecord* rec = GetRecord(hwnd);
    // A null text clears the corner, like an empty one.
    char* copy = nullptr;
    if (text) {
        const size_t size = strlen(text) + 1;
        copy = static_cast<char*>(malloc(size));
        if (!copy)
            return FALSE;
        memcpy(copy, text, size);
    }
    {
        ItemLock lock;
        free(rec->rowColText);
        rec->rowColText = copy;
    }
    InvalidateCorner(rec);
    return TRUE;
}

extern "C" int WINAPI Tarn_GetRowColText_A(HWND hwnd, char* buffer, int cch)
{
    ControlRecord* rec = GetRecord(hwnd);
    // A buffer of no characters cannot even take the terminator.
    if (!buffer || cch < 1)
        return 0;
    buffer[0] = '\0';
    ItemLock lock;
    if (!rec->rowColText)
        return 0;
    lstrcpynA(buffer, rec->rowColText, cch);
    return lstrlenA(buffer);
}

extern "C" int WINAPI Tarn_GetRowColTextLength(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    ItemLock lock;
    return rec->rowColText ? static_cast<int>(strlen(rec->rowColText)) : 0;
}

extern "C" void WINAPI Tarn_SetRowColBitmap(HWND hwnd, HBITMAP hbm)
{
    ControlRecord* rec = GetRecord(hwnd);
    const LONG oldHeight = rec->bmRowCol.bmHeight;
    ZeroMemory(&rec->bmRowCol, sizeof rec->bmRowCol);
    // A handle GDI cannot describe is dropped rather than drawn at a guessed size.
    if (!DescribeBitmap(hbm, &rec->bmRowCol))
        hbm = nullptr;
    rec->hbmRowCol = hbm;
    // The corner bitmap counts in the header height while a row header is
    // shown, so a new height can move everything below the header band.
    if (rec->bmRowCol.bmHeight != oldHeight) {
        UpdateControl(rec);
        if (ControlSurvived(hwnd, rec))
            RedrawAll(rec);
    } else {
        InvalidateCorner(rec);
    }
}

extern "C" HBITMAP WINAPI Tarn_GetRowColBitmap(HWND hwnd)
{
    return GetRecord(hwnd)->hbmRowCol;
}

extern "C" void WINAPI Tarn_SetRowColBitmapStyle(HWND hwnd, int style)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->rowColBitmapStyle = style;
    InvalidateCorner(rec);
}

extern "C" int WINAPI Tarn_GetRowColBitmapStyle(HWND hwnd)
{
    return GetRecord(hwnd)->rowColBitmapStyle;
}

extern "C" void WINAPI Tarn_SetRowColHeaderStyle(HWND hwnd, UINT style)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->rowColHeaderStyle = static_cast<int>(style);
    InvalidateCorner(rec);
}

extern "C" UINT WINAPI Tarn_GetRowColHeaderStyle(HWND hwnd)
{
    return static_cast<UINT>(GetRecord(hwnd)->rowColHeaderStyle);
}

extern "C" void WINAPI Tarn_SetRowColHeaderButton(HWND hwnd, BOOL pressed)
{
    ControlRecord* rec = GetRecord(hwnd);
    const BOOL value = pressed ? 1 : 0;
    if (value == rec->rowColHeaderButton)
        return;
    rec->rowColHeaderButton = value;
    InvalidateCorner(rec);
}

extern "C" BOOL WINAPI Tarn_GetRowColHeaderButton(HWND hwnd)
{
    return GetRecord(hwnd)->rowColHeaderButton;
}

extern "C" void WINAPI Tarn_GetRowColHeaderRect(HWND hwnd, RECT* rect)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (rect)
        CornerRect(rec, rect);
}
