// The list window's frame holds nothing but its scroll bars. The system's
// (themed) scroll bars cost several times a whole page of rows to draw, and
// a window invalidated as a whole -- a parent's RedrawWindow with
// RDW_ALLCHILDREN, a window dragged across it -- has them drawn again though
// nothing about them changed. So the frame the system drew is kept as an
// image together with everything its look depends on (place and size, the
// bars' ranges, positions and states, the colours, enabled or not), and put
// back from the image while all of that is unchanged.
//
// The image is taken only when it can be trusted: the whole frame was just
// drawn and all of it is on the screen. Nothing is kept or put back while
// the mouse is over the bars or has been captured, since the bars then show
// hot or pressed parts that the states do not fully describe.
#include "window/list_frame.h"

#include <string.h>

#include "layout/gdi_guards.h"

namespace {
using Look = ControlRecord::ListFrameLook;

// What the frame looks like; false when it holds more than the bars or the
// mouse may be changing them.
bool DescribeFrame(HWND list, Look* look)
{
    const LONG style = GetWindowLongA(list, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(list, GWL_EXSTYLE);
    if ((style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) ||
        (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME)))
        return false;
    memset(look, 0, sizeof *look);
    GetWindowRect(list, &look->window);
    GetClientRect(list, &look->client);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&look->client), 2);
    POINT cursor;
    if (GetCapture() == list ||
        (GetCursorPos(&cursor) && PtInRect(&look->window, cursor) && !PtInRect(&look->client, cursor)))
        return false;
    const LONG objects[2] = {OBJID_VSCROLL, OBJID_HSCROLL};
    for (int i = 0; i < 2; ++i) {
        look->bars[i].cbSize = sizeof look->bars[i];
        look->bars[i].fMask = SIF_ALL;
        GetScrollInfo(list, i == 0 ? SB_VERT : SB_HORZ, &look->bars[i]);
        look->barStates[i].cbSize = sizeof look->barStates[i];
        GetScrollBarInfo(list, objects[i], &look->barStates[i]);
    }
    const int colors[4] = {COLOR_SCROLLBAR, COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNTEXT};
    for (int i = 0; i < 4; ++i)
        look->colors[i] = GetSysColor(colors[i]);
    look->enabled = IsWindowEnabled(list);
    return true;
}

// The frame in window coordinates: the window less its client area.
RegionGuard FrameRegion(const Look& look)
{
    const RECT& w = look.window;
    RegionGuard frame(CreateRectRgn(0, 0, w.right - w.left, w.bottom - w.top));
    RegionGuard client(CreateRectRgn(look.client.left - w.left, look.client.top - w.top, look.client.right - w.left,
                                     look.client.bottom - w.top));
    if (frame && client)
        CombineRgn(frame.get(), frame.get(), client.get(), RGN_DIFF);
    return frame;
}

// The message's region (screen coordinates; 1 for the whole window) moved
// to window coordinates, NULL for the whole window.
RegionGuard UpdateRegion(HRGN region, const Look& look)
{
    if (reinterpret_cast<ULONG_PTR>(region) <= 1)
        return RegionGuard();
    RegionGuard copy(CreateRectRgn(0, 0, 0, 0));
    if (copy && CombineRgn(copy.get(), region, nullptr, RGN_COPY) != ERROR)
        OffsetRgn(copy.get(), -look.window.left, -look.window.top);
    return copy;
}

// Whether all of `inner` lies inside `outer`.
bool Covers(HRGN outer, HRGN inner)
{
    RegionGuard rest(CreateRectRgn(0, 0, 0, 0));
    return rest && CombineRgn(rest.get(), inner, outer, RGN_DIFF) == NULLREGION;
}

void PutBack(ControlRecord* rec, HWND list, HRGN region, const Look& look)
{
    WindowDC dc(list, true);
    MemoryDC image(dc.get());
    if (!dc || !image)
        return;
    RegionGuard clip = FrameRegion(look);
    RegionGuard update = UpdateRegion(region, look);
    if (clip && update)
        CombineRgn(clip.get(), clip.get(), update.get(), RGN_AND);
    if (clip)
        ExtSelectClipRgn(dc.get(), clip.get(), RGN_AND);
    SelectGuard select(image.get(), rec->hbmListFrame);
    BitBlt(dc.get(), 0, 0, look.window.right - look.window.left, look.window.bottom - look.window.top, image.get(), 0,
           0, SRCCOPY);
}

// Keeps the frame just drawn, when all of it was drawn and all of it shows.
void Keep(ControlRecord* rec, HWND list, HRGN region, const Look& look)
{
    const int width = look.window.right - look.window.left, height = look.window.bottom - look.window.top;
    RegionGuard frame = FrameRegion(look);
    RegionGuard update = UpdateRegion(region, look);
    WindowDC dc(list, true);
    RegionGuard visible(CreateRectRgn(0, 0, 0, 0));
    if (!frame || !dc || !visible || (update && !Covers(update.get(), frame.get())) ||
        GetRandomRgn(dc.get(), visible.get(), SYSRGN) != 1)
        return;
    // The visible region comes in screen coordinates.
    OffsetRgn(visible.get(), -look.window.left, -look.window.top);
    if (!Covers(visible.get(), frame.get()))
        return;
    BitmapGuard bitmap(CreateBitmapLike(dc.get(), width, height));
    MemoryDC image(dc.get());
    if (!bitmap || !image)
        return;
    {
        SelectGuard select(image.get(), bitmap.get());
        BitBlt(image.get(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
    }
    ForgetListFrame(rec);
    rec->hbmListFrame = bitmap.release();
    rec->listFrameLook = look;
}
} // namespace

void ForgetListFrame(ControlRecord* rec)
{
    if (rec->hbmListFrame)
        DeleteObject(rec->hbmListFrame);
    rec->hbmListFrame = nullptr;
}

void OnListNcPaint(ControlRecord* rec, HWND list, HRGN region)
{
    Look look;
    const bool describable = DescribeFrame(list, &look);
    if (describable && rec->hbmListFrame && memcmp(&look, &rec->listFrameLook, sizeof look) == 0) {
        PutBack(rec, list, region, look);
        return;
    }
    DefWindowProcA(list, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    if (describable)
        Keep(rec, list, region, look);
    else
        ForgetListFrame(rec);
}
