#include "core/control_record.h"
#include "core/shared_routines.h"
#include "window/gdi_guards.h"

extern "C" void WINAPI Tarn_SetColHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->hfontColHeader = hfont;

    // The header is painted in the control font while no header font is set,
    // so that font's metrics decide the header height then.
    HFONT measured = hfont ? hfont : rec->hfont;
    TEXTMETRICA tm;
    if (MeasureFont(hwnd, measured, &tm))
        rec->tmColHeader = tm;

    UpdateControl(rec);
    if (redraw)
        RedrawAll(rec);
}

extern "C" HFONT WINAPI Tarn_GetColHeaderFont(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->hfontColHeader;
}
