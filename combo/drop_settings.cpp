// The stored settings of the dropped list (position, height, width) and the
// rectangles of the drop button and of the list window.
//
// The settings are only read when the list next opens; nothing is laid out
// again when they change. Type 0 has no list to drop and refuses them.
#include "combo/drop_close.h"
#include "layout/row_geometry.h"

extern "C" int WINAPI Tarn_GetDropDownPosition(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->dropDownPosition;
}

extern "C" void WINAPI Tarn_SetDropDownPosition(HWND hwnd, int position)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!CloseList(rec, false))
        return;
    // Type 3 keeps its list below the control; only type 2 may choose.
    if (ControlType(rec) == TARNS_DROPDOWNLIST)
        rec->dropDownPosition = position;
}

extern "C" int WINAPI Tarn_GetDroppedHeight(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->isListBox ? -1 : rec->droppedHeight;
}

extern "C" int WINAPI Tarn_SetDroppedHeight(HWND hwnd, int height)
{
    ControlRecord* rec = GetRecord(hwnd);
    // Positive: a number of rows; negative: minus a height in pixels; a list
    // of no height at all is refused.
    if (rec->isListBox || height == 0)
        return -1;
    rec->droppedHeight = height;
    return 0;
}

extern "C" int WINAPI Tarn_GetDroppedWidth(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->isListBox ? -1 : rec->droppedWidth;
}

extern "C" int WINAPI Tarn_SetDroppedWidth(HWND hwnd, int width)
{
    ControlRecord* rec = GetRecord(hwnd);
    // 0: the control's width; positive: pixels; negative: minus a percentage.
    if (rec->isListBox)
        return -1;
    rec->droppedWidth = width;
    return 0;
}

extern "C" void WINAPI Tarn_GetDropDownButtonRect(HWND hwnd, RECT* rect)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!rect)
        return;
    SetRectEmpty(rect);
    if (rec->isListBox)
        return;
    RECT client = {0, 0, rec->clientWidth, rec->clientHeight};
    if (rec->hwnd)
        GetClientRect(rec->hwnd, &client);
    // The button spans the header band and the field at the right edge.
    rect->left = client.right - GetSystemMetrics(SM_CXVSCROLL);
    rect->top = client.top;
    rect->right = client.right;
    rect->bottom = client.top + HeaderHeight(rec) + FieldHeight(rec);
}

extern "C" int WINAPI Tarn_GetDroppedControlRect(HWND hwnd, RECT* rect)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!rect)
        return -1;
    SetRectEmpty(rect);
    if (!rec->hwndDropDown)
        return -1;
    if (!GetWindowRect(rec->hwndDropDown, rect)) {
        SetRectEmpty(rect);
        return -1;
    }
    return 0;
}
