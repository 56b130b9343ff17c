#include "window/part_fonts.h"

#include "layout/gdi_guards.h"
#include "window/view.h"

namespace {
// Metrics of font, or of the control font for NULL; zero when no DC can be
// had.
void Measure(ControlRecord* rec, HFONT font, TEXTMETRICA* tm)
{
    if (!rec->hwnd || !MeasureFont(rec->hwnd, font ? font : rec->hfont, tm))
        ZeroMemory(tm, sizeof *tm);
}

} // namespace

bool SetControlFont(ControlRecord* rec, HFONT font, BOOL redraw)
{
    rec->hfont = font;
    Measure(rec, font, &rec->tmFont);
    rec->avgCharWidth = rec->tmFont.tmAveCharWidth;
    rec->maxCharWidth = rec->tmFont.tmMaxCharWidth;
    // The part fonts are stored before anything is laid out, so that no
    // layout ever sees the new control font with the old part metrics.
    rec->hfontColHeader = rec->hfontRowHeader = rec->hfontEditCtl = font;
    Measure(rec, font, &rec->tmColHeader);
    Measure(rec, font, &rec->tmRowHeader);
    Measure(rec, font, &rec->tmEditCtl);
    if (rec->hwndEdit)
        SendMessageA(rec->hwndEdit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (rec->hwndDropDown)
        SendMessageA(rec->hwndDropDown, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return RelayoutAndRedrawAll(rec, redraw != FALSE);
}

bool SetColHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw)
{
    rec->hfontColHeader = font;
    // The header is painted in the control font while no header font is set,
    // so that font's metrics decide the header height then.
    TEXTMETRICA tm;
    if (rec->hwnd && MeasureFont(rec->hwnd, font ? font : rec->hfont, &tm))
        rec->tmColHeader = tm;
    return RelayoutAndRedrawAll(rec, redraw != FALSE);
}

bool SetRowHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw)
{
    rec->hfontRowHeader = font;
    Measure(rec, font, &rec->tmRowHeader);
    return RelayoutAndRedrawAll(rec, redraw != FALSE);
}

bool SetEditCtlFont(ControlRecord* rec, HFONT font, BOOL redraw)
{
    rec->hfontEditCtl = font;
    Measure(rec, font, &rec->tmEditCtl);
    if (rec->hwndEdit)
        SendMessageA(rec->hwndEdit, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : rec->hfont), FALSE);
    return RelayoutAndRedrawAll(rec, redraw != FALSE);
}
