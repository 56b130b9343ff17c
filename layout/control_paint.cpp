// Painting of the control window, shared by WM_PAINT and WM_PRINT.
//
// The header band, the field contents and the drop button are drawn by the
// item-area painter; until it exists the control shows its background, so
// that nothing is left unpainted.
#include "columns/ctl_colors.h"
#include "window/control_window.h"
#include "window/gdi_guards.h"

void PaintControl(ControlRecord* rec, HDC dc)
{
    RECT client;
    GetClientRect(rec->hwnd, &client);
    BrushGuard background(CreateSolidBrush(ResolveColor(rec->colors[TARNCLR_BACKCOLOR])));
    if (background)
        FillRect(dc, &client, background.get());
}
