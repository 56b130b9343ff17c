// The exported geometry functions: row heights, item lines, row and cell
// rectangles, rows shown and hit testing. Queries never notify.
#include "api/call_frame.h"
#include "core/lock.h"
#include "layout/row_geometry.h"
#include "window/view.h"

extern "C" int WINAPI Tarn_GetItemHeight(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (index == -1)
            return FieldHeight(rec);
        return IsValidRow(rec, index) ? ItemHeight(rec, index) : -1;
    });
}

extern "C" int WINAPI Tarn_GetItemLines(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) {
        ItemLock lock;
        return rec->itemLines;
    });
}

extern "C" BOOL WINAPI Tarn_SetItemLines(HWND hwnd, int lines)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        if (lines < 1)
            return FALSE;
        if (lines != rec->itemLines) {
            rec->itemLines = lines;
            if (UpdateControl(rec))
                InvalidateAllRows(rec);
        }
        return TRUE;
    });
}

extern "C" int WINAPI Tarn_GetItemRect(HWND hwnd, int index, RECT* rect)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return rect ? ItemRect(rec, index, rect) : -1; });
}

extern "C" RECT* WINAPI Tarn_GetCellRect(HWND hwnd, int row, int column)
{
    return WithControl(hwnd, static_cast<RECT*>(nullptr),
                       [&](ControlRecord* rec) { return CellRect(rec, row, column); });
}

extern "C" int WINAPI Tarn_GetItemsShown(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return ItemsShown(rec); });
}

extern "C" int WINAPI Tarn_CalcIndexFromPoint(HWND hwnd, const POINT* pt, int* inField)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return IndexFromPoint(rec, pt, inField); });
}
