// The fonts of the edit field and the row headers. Neither is owned: the
// application keeps them alive. A NULL font means the control font.
#include "core/shared_routines.h"
#include "window/gdi_guards.h"

namespace {
void Measure(ControlRecord* rec, HFONT font, TEXTMETRICA* tm)
{
    if (!rec->hwnd || !MeasureFont(rec->hwnd, font ? font : rec->hfont, tm))
        ZeroMemory(tm, sizeof *tm);
}
}

extern "C" void WINAPI Tarn_SetEditCtlFont(HWND hwnd, HFONT hfont, BOOL redraw)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->hfontEditCtl = hfont;
    Measure(rec, hfont, &rec->tmEditCtl);
    if (rec->hwndEdit)
        SendMessageA(rec->hwndEdit, WM_SETFONT, reinterpret_cast<WPARAM>(hfont ? hfont : rec->hfont), FALSE);
    UpdateControl(rec);
    if (redraw)
        RedrawAll(rec);
}

extern "C" HFONT WINAPI Tarn_GetEditCtlFont(HWND hwnd)
{
    return GetRecord(hwnd)->hfontEditCtl;
}

extern "C" void WINAPI Tarn_SetRowHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->hfontRowHeader = hfont;
    Measure(rec, hfont, &rec->tmRowHeader);
    UpdateControl(rec);
    if (redraw)
        RedrawAll(rec);
}

extern "C" HFONT WINAPI Tarn_GetRowHeaderFont(HWND hwnd)
{
    return GetRecord(hwnd)->hfontRowHeader;
}
