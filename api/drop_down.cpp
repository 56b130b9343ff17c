// The exported drop-down functions: the dropped state, the stored settings of
// the dropped list (position, height, width), the drop button and list
// rectangles, the open-ended last column and the overhead width.
//
// The settings are only read when the list next opens; nothing is laid out
// again when they change. Type 0 has no list to drop and refuses them.
#include "api/call_frame.h"
#include "layout/control_geometry.h"
#include "window/drop_close.h"
#include "window/view.h"

extern "C" int WINAPI Tarn_ShowDropDown(HWND hwnd, BOOL show)
{
    return WithControl(hwnd, 0, [&](ControlRecord* rec) {
        int result = 0;
        return ShowDropDown(rec, show != FALSE, &result) ? result : 0;
    });
}

extern "C" BOOL WINAPI Tarn_GetDroppedState(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->hwndDropDown != nullptr; });
}

extern "C" HWND WINAPI Tarn_GetHWNDDropDown(HWND hwnd)
{
    return WithControl(hwnd, HWND{}, [](ControlRecord* rec) { return rec->hwndDropDown; });
}

extern "C" int WINAPI Tarn_GetDropDownPosition(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->dropDownPosition; });
}

extern "C" void WINAPI Tarn_SetDropDownPosition(HWND hwnd, int position)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (!CloseList(rec, false))
            return;
        // Type 3 keeps its list below the control; only type 2 may choose.
        if (ControlType(rec) == TARNS_DROPDOWNLIST)
            rec->dropDownPosition = position;
    });
}

extern "C" int WINAPI Tarn_GetDroppedHeight(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->isListBox ? -1 : rec->droppedHeight; });
}

extern "C" int WINAPI Tarn_SetDroppedHeight(HWND hwnd, int height)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        // Positive: a number of rows; negative: minus a height in pixels; a
        // list of no height at all is refused.
        if (rec->isListBox || height == 0)
            return -1;
        rec->droppedHeight = height;
        return 0;
    });
}

extern "C" int WINAPI Tarn_GetDroppedWidth(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->isListBox ? -1 : rec->droppedWidth; });
}

extern "C" int WINAPI Tarn_SetDroppedWidth(HWND hwnd, int width)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        // 0: the control's width; positive: pixels; negative: minus a
        // percentage.
        if (rec->isListBox)
            return -1;
        rec->droppedWidth = width;
        return 0;
    });
}

extern "C" void WINAPI Tarn_GetDropDownButtonRect(HWND hwnd, RECT* rect)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        if (rect)
            DropButtonRect(rec, rect);
    });
}

extern "C" int WINAPI Tarn_GetDroppedControlRect(HWND hwnd, RECT* rect)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (!rect)
            return -1;
        SetRectEmpty(rect);
        if (!rec->hwndDropDown || !GetWindowRect(rec->hwndDropDown, rect)) {
            SetRectEmpty(rect);
            return -1;
        }
        return 0;
    });
}

extern "C" BOOL WINAPI Tarn_GetOpenEnded(HWND hwnd)
{
    return WithControl(hwnd, FALSE, [](ControlRecord* rec) { return rec->openEnded; });
}

extern "C" void WINAPI Tarn_SetOpenEnded(HWND hwnd, BOOL on)
{
    WithControl(hwnd, [&](ControlRecord* rec) {
        rec->openEnded = on ? 1 : 0;
        (void)RelayoutAndRedrawAll(rec);
    });
}

extern "C" int WINAPI Tarn_GetOverheadWidth(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) { return rec->overheadWidth; });
}
