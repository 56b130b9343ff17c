// TDropDown_WndProc: the list window that shows the rows. It keeps no state
// of its own; window long 0 holds the control's record, given as the
// creation parameter.
#include "columns/ctl_colors.h"
#include "core/control_record.h"
#include "window/gdi_guards.h"
#include "window/notify.h"

namespace {
ControlRecord* ListRecord(HWND list)
{
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(list, 0));
}

// Rows are drawn by the item-area painter; until it exists the list shows
// its background.
void PaintList(ControlRecord* rec, HWND list, HDC dc)
{
    RECT client;
    GetClientRect(list, &client);
    BrushGuard background(CreateSolidBrush(ResolveColor(rec->colors[TARNCLR_BACKCOLOR])));
    if (background)
        FillRect(dc, &client, background.get());
}

} // namespace

extern "C" LRESULT CALLBACK TDropDown_WndProc(HWND list, UINT msg, WPARAM wp, LPARAM lp)
{
    ControlRecord* rec = ListRecord(list);
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        rec = static_cast<ControlRecord*>(cs->lpCreateParams);
        SetWindowLongPtrA(list, 0, reinterpret_cast<LONG_PTR>(rec));
    }
    if (rec == nullptr)
        return DefWindowProcA(list, msg, wp, lp);

    switch (msg) {
    case WM_CREATE:
        SetPropA(list, TARN32_PROP_DROPDOWN, reinterpret_cast<HANDLE>(1));
        rec->hwndDropDown = list;
        return 0;
    case WM_DESTROY:
        RemovePropA(list, TARN32_PROP_DROPDOWN);
        if (!rec->isListBox) {
            if (rec->hwndDropDown == list)
                rec->hwndDropDown = nullptr;
            Notify(rec, TARNN_DROPDOWNDESTROYED);
        }
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(list, 0, 0);
        return DefWindowProcA(list, msg, wp, lp);
    case WM_PAINT:
    case WM_PRINT:
        return PaintIntoDC(list, reinterpret_cast<HDC>(wp), [rec, list](HDC dc) { PaintList(rec, list, dc); });
    case WM_ERASEBKGND:
        return 1;
    case WM_RBUTTONUP:
        Notify(rec, TARNN_RBUTTONUP);
        return 0;
    default:
        return DefWindowProcA(list, msg, wp, lp);
    }
}
