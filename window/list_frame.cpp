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

#include <initializer_list>
#include <utility>

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
    // The strips are taken right of and below the client area: a bar on the
    // left or a mirrored layout is left to the system.
    if (look->client.left != look->window.left || look->client.top != look->window.top ||
        (exStyle & (WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL)))
        return false;
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

// The frame's two strips in window coordinates: right of the client area
// (with the corner below it) and below it. Either may be empty.
struct Strips {
    RECT right;
    RECT bottom;
};

Strips FrameStrips(const Look& look)
{
    const int width = look.window.right - look.window.left, height = look.window.bottom - look.window.top;
    const int clientRight = look.client.right - look.window.left, clientBottom = look.client.bottom - look.window.top;
    return {{clientRight, 0, width, height}, {0, clientBottom, clientRight, height}};
}

bool IsEmpty(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

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

// Whether all of rc lies inside region.
bool Covers(HRGN region, const RECT& rc)
{
    RegionGuard part(CreateRectRgnIndirect(&rc));
    RegionGuard rest(CreateRectRgn(0, 0, 0, 0));
    return part && rest && CombineRgn(rest.get(), part.get(), region, RGN_DIFF) == NULLREGION;
}

void PutBack(ControlRecord* rec, HWND list, HRGN region, const Look& look)
{
    WindowDC dc(list, true);
    MemoryDC image(dc.get());
    if (!dc || !image)
        return;
    RegionGuard update = UpdateRegion(region, look);
    if (update)
        ExtSelectClipRgn(dc.get(), update.get(), RGN_AND);
    const Strips strips = FrameStrips(look);
    const std::pair<const RECT&, HBITMAP> parts[] = {{strips.right, rec->hbmListFrame},
                                                     {strips.bottom, rec->hbmListFrameBottom}};
    for (const auto& [rc, bitmap] : parts) {
        if (IsEmpty(rc) || !bitmap)
            continue;
        SelectGuard select(image.get(), bitmap);
        BitBlt(dc.get(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, image.get(), 0, 0, SRCCOPY);
    }
}

// Keeps the frame just drawn, when all of it was drawn and all of it shows.
void Keep(ControlRecord* rec, HWND list, HRGN region, const Look& look)
{
    const Strips strips = FrameStrips(look);
    RegionGuard update = UpdateRegion(region, look);
    WindowDC dc(list, true);
    RegionGuard visible(CreateRectRgn(0, 0, 0, 0));
    if (!dc || !visible || GetRandomRgn(dc.get(), visible.get(), SYSRGN) != 1)
        return ForgetListFrame(rec);
    // The visible region comes in screen coordinates.
    OffsetRgn(visible.get(), -look.window.left, -look.window.top);
    MemoryDC image(dc.get());
    const std::pair<const RECT&, HBITMAP*> parts[] = {{strips.right, &rec->hbmListFrame},
                                                      {strips.bottom, &rec->hbmListFrameBottom}};
    for (const auto& [rc, slot] : parts) {
        if (IsEmpty(rc))
            continue;
        if (!image || (update && !Covers(update.get(), rc)) || !Covers(visible.get(), rc))
            return ForgetListFrame(rec);
        const HBITMAP bitmap = KeptBitmapLike(slot, dc.get(), rc.right - rc.left, rc.bottom - rc.top);
        if (!bitmap)
            return ForgetListFrame(rec);
        SelectGuard select(image.get(), bitmap);
        BitBlt(image.get(), 0, 0, rc.right - rc.left, rc.bottom - rc.top, dc.get(), rc.left, rc.top, SRCCOPY);
    }
    rec->listFrameLook = look;
    rec->listFrameKept = 1;
}
} // namespace

void ForgetListFrame(ControlRecord* rec)
{
    rec->listFrameKept = 0;
}

void FreeListFrame(ControlRecord* rec)
{
    for (HBITMAP* slot : {&rec->hbmListFrame, &rec->hbmListFrameBottom}) {
        if (*slot)
            DeleteObject(*slot);
        *slot = nullptr;
    }
    rec->listFrameKept = 0;
}

void OnListNcPaint(ControlRecord* rec, HWND list, HRGN region)
{
    rec->barsMarked = 0;
    Look look;
    const bool describable = DescribeFrame(list, &look);
    if (describable && rec->listFrameKept && memcmp(&look, &rec->listFrameLook, sizeof look) == 0) {
        PutBack(rec, list, region, look);
        return;
    }
    DefWindowProcA(list, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    // A look is kept the second time the system draws it: bars that change
    // with every paint (scrolling page by page) never pay for the copy.
    if (describable && memcmp(&look, &rec->listFrameLook, sizeof look) == 0) {
        Keep(rec, list, region, look);
        return;
    }
    ForgetListFrame(rec);
    if (describable)
        rec->listFrameLook = look;
}
