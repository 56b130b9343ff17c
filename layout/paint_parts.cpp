// The small pieces of the control's look: grid lines, the 3D row frame, the
// drop button and the groove under the field of the list-box type.
#include "layout/item_paint.h"

#include <algorithm>

#include "core/ctl_colors.h"
#include "layout/control_geometry.h"
#include "layout/gdi_guards.h"

namespace {

COLORREF TableColor(const ControlRecord* rec, int index)
{
    return ResolveColor(rec->colors[index]);
}

// A 1-pixel frame just inside (left, top, right, bottom): the top line and
// left column in light, then the bottom line and right column in dark, so
// the dark side owns the two corners where they meet.
void Frame(HDC dc, int left, int top, int right, int bottom, COLORREF light, COLORREF dark)
{
    FillSolid(dc, RECT{left, top, right, top + 1}, light);
    FillSolid(dc, RECT{left, top, left + 1, bottom}, light);
    FillSolid(dc, RECT{left, bottom - 1, right, bottom}, dark);
    FillSolid(dc, RECT{right - 1, top, right, bottom}, dark);
}

bool ControlDrawsEnabled(const ControlRecord* rec)
{
    return !rec->hwnd || IsWindowEnabled(rec->hwnd);
}

} // namespace

void DrawGridLine(ControlRecord* rec, HDC dc, int x, int y, int w, int h)
{
    const int index = w == 1 ? TARNCLR_VERTGRIDCOLOR : TARNCLR_HORZGRIDCOLOR;
    FillSolid(dc, RECT{x, y, x + w, y + h}, TableColor(rec, index));
}

void DrawFrame3D(ControlRecord* rec, HDC dc, int left, int top, int right, int bottom, bool raised)
{
    const COLORREF highlight = TableColor(rec, TARNCLR_CELLHIGHLIGHTCOLOR);
    const COLORREF shadow = TableColor(rec, TARNCLR_CELLSHADOWCOLOR);
    if (raised)
        Frame(dc, left, top, right, bottom, highlight, shadow);
    else
        Frame(dc, left, top, right, bottom, shadow, highlight);
}

void DrawDropButton(ControlRecord* rec, HDC dc, const RECT& rc)
{
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;

    // The control's background brush exists while the control paints; a
    // button drawn outside a paint gets a brush of the same colour.
    BrushGuard ownBack;
    HBRUSH back = rec->hbrEditBack;
    if (!back) {
        ownBack.reset(CreateSolidBrush(TableColor(rec, TARNCLR_BACKCOLOR)));
        back = ownBack.get();
    }
    if (back)
        FillRect(dc, &rc, back);

    RECT inner = rc;
    InflateRect(&inner, -2, -2);
    FillSolid(dc, inner, TableColor(rec, TARNCLR_DROPBUTTONFACECOLOR));

    // The arrow: a triangle pointing down, centred vertically, moved one
    // pixel right and down while the button is held.
    const bool usable = ControlDrawsEnabled(rec) && rec->count > 0;
    const COLORREF arrow =
        TableColor(rec, usable ? TARNCLR_DROPBUTTONARROWCOLOR : TARNCLR_DROPBUTTONDISABLEDARROWCOLOR);
    const int innerWidth = inner.right - inner.left;
    const int innerHeight = inner.bottom - inner.top;
    const int k = std::max(innerWidth - 4, 4) / 2;
    const int d = rec->dropButtonDown ? 1 : 0;
    const int x = inner.left + d + 2;
    const int y = inner.top + (innerHeight - k) / 2 + d;
    const POINT points[4] = {{x, y}, {x + 2 * k - 2, y}, {x + k - 1, y + k - 1}, {x, y}};
    {
        PenGuard pen(CreatePen(PS_SOLID, 1, arrow));
        BrushGuard brush(CreateSolidBrush(arrow));
        if (pen && brush) {
            SelectGuard selectPen(dc, pen.get());
            SelectGuard selectBrush(dc, brush.get());
            Polygon(dc, points, 4);
        }
    }

    if (rec->dropButtonDown) {
        const COLORREF shadow = TableColor(rec, TARNCLR_DROPBUTTONFRAMESHADOWCOLOR);
        Frame(dc, rc.left, rc.top, rc.right, rc.bottom, shadow, shadow);
    } else {
        Frame(dc, rc.left, rc.top, rc.right, rc.bottom, TableColor(rec, TARNCLR_DROPBUTTONFRAMEFACECOLOR),
              TableColor(rec, TARNCLR_DROPBUTTONFRAMEDARKSHADOWCOLOR));
    }
}

void DrawListBoxSeparator(ControlRecord* rec, HDC dc)
{
    RECT field = {};
    FieldRect(rec, &field);
    int width = rec->clientWidth;
    RECT client;
    if (rec->hwnd && GetClientRect(rec->hwnd, &client))
        width = client.right - client.left;

    COLORREF lines[4];
    if (IsOldSystem()) {
        lines[0] = GetSysColor(COLOR_3DHILIGHT);
        lines[1] = RGB(255, 255, 255);
        lines[2] = GetSysColor(COLOR_3DSHADOW);
        lines[3] = RGB(0, 0, 0);
    } else {
        lines[0] = GetSysColor(COLOR_3DLIGHT);
        lines[1] = GetSysColor(COLOR_3DHILIGHT);
        lines[2] = GetSysColor(COLOR_3DSHADOW);
        lines[3] = GetSysColor(COLOR_3DDKSHADOW);
    }
    for (int i = 0; i < 4; ++i)
        FillSolid(dc, RECT{0, field.bottom + i, width, field.bottom + i + 1}, lines[i]);
}

HBRUSH RenewEditBackBrush(ControlRecord* rec)
{
    if (rec->hbrEditBack)
        DeleteObject(rec->hbrEditBack);
    rec->hbrEditBack = CreateSolidBrush(ResolveColor(rec->colors[TARNCLR_BACKCOLOR]));
    return rec->hbrEditBack;
}
