// Fitting the control's height and placing the edit field and the list window.
#include "combo/combo_layout.h"

#include <algorithm>

#include "combo/dropped_rect.h"
#include "layout/control_geometry.h"
#include "layout/row_geometry.h"

namespace {
// Window height that gives the control a client area clientHeight high.
int WindowHeightFor(HWND hwnd, int clientHeight)
{
    RECT rc = {0, 0, 0, clientHeight};
    AdjustWindowRectEx(&rc, GetWindowLongA(hwnd, GWL_STYLE), FALSE, GetWindowLongA(hwnd, GWL_EXSTYLE));
    return rc.bottom - rc.top;
}

// Moves a child window only when its place changes: moving a window to
// where it is still repaints it, and the layout runs after every change of
// the rows. True when it moved.
bool PlaceChild(HWND child, int x, int y, int width, int height)
{
    RECT now;
    GetWindowRect(child, &now);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&now), 2);
    if (now.left == x && now.top == y && now.right - now.left == width && now.bottom - now.top == height)
        return false;
    MoveWindow(child, x, y, width, height, TRUE);
    return true;
}

void PlaceEditField(ControlRecord* rec)
{
    if (!rec->hwndEdit)
        return;
    RECT field;
    FieldRect(rec, &field);
    const int x = field.left + 2;
    const int width = field.right - field.left - 4;
    int y, height;
    if (GetWindowLongA(rec->hwndEdit, GWL_STYLE) & ES_MULTILINE) {
        y = field.top + 2;
        height = field.bottom - field.top - 4;
    } else {
        height = rec->tmEditCtl.tmHeight;
        y = field.top + 2 + (std::max<int>(0, field.bottom - field.top - 4) - height) / 2;
    }
    if (PlaceChild(rec->hwndEdit, x, y, width, height))
        InvalidateRect(rec->hwndEdit, nullptr, TRUE);
}

// An open list hanging below the control follows its bottom edge, one above
// it its top edge; variable-height rows may make it a different height.
void FollowWithList(ControlRecord* rec, const RECT& before)
{
    if (rec->isListBox || !rec->hwndDropDown)
        return;
    RECT now, list;
    GetWindowRect(rec->hwnd, &now);
    GetWindowRect(rec->hwndDropDown, &list);
    const bool below = list.top >= before.top;
    const int shift = below ? now.bottom - before.bottom : now.top - before.top;
    if (shift == 0)
        return;
    int height = list.bottom - list.top;
    if (!rec->fixedItemHeight) {
        RECT fresh;
        DroppedRect(rec, &fresh);
        // Measuring virtual rows asks the application for them.
        if (rec->dead || !rec->hwndDropDown)
            return;
        height = fresh.bottom - fresh.top;
    }
    // The list moving under a still pointer makes a move the user did not.
    if (rec->cursorSelect)
        rec->ignoreMouseMoves = 1;
    MoveWindow(rec->hwndDropDown, list.left, list.top + shift, list.right - list.left, height, TRUE);
}

bool LayoutDropDownType(ControlRecord* rec)
{
    RECT wr;
    GetWindowRect(rec->hwnd, &wr);
    const int oldHeight = wr.bottom - wr.top;
    const int h = WindowHeightFor(rec->hwnd, HeaderHeight(rec) + FieldHeight(rec));
    const LONG style = GetWindowLongA(rec->hwnd, GWL_STYLE);
    HWND parent = GetParent(rec->hwnd);

    ++rec->layoutDepth;
    if (oldHeight != h) {
        POINT topLeft = {wr.left, wr.top};
        if (parent)
            ScreenToClient(parent, &topLeft);
        const int width = wr.right - wr.left;
        if ((style & TARNS_KEEPCENTER) && parent)
            SetWindowPos(rec->hwnd, nullptr, topLeft.x, topLeft.y + (oldHeight - h) / 2, width, h,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        else if ((style & TARNS_KEEPBOTTOM) && parent)
            SetWindowPos(rec->hwnd, nullptr, topLeft.x, topLeft.y + oldHeight - h, width, h,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        else
            SetWindowPos(rec->hwnd, nullptr, 0, 0, width, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    --rec->layoutDepth;
    if (rec->dead)
        return false;
    FollowWithList(rec, wr);
    if (rec->dead)
        return false;
    PlaceEditField(rec);
    return true;
}

bool LayoutListBoxType(ControlRecord* rec)
{
    if (rec->layoutDepth == 0 && rec->clientHeight >= 1) {
        const bool hScroll = rec->hwndDropDown && (GetWindowLongA(rec->hwndDropDown, GWL_STYLE) & WS_HSCROLL);
        int fixed = FieldHeight(rec) + HeaderHeight(rec) + 4;
        if (hScroll)
            fixed += GetSystemMetrics(SM_CYHSCROLL);
        int shorten = 0;
        if (rec->fixedItemHeight) {
            const int r = ItemHeight(rec, 0);
            const int n = r > 0 ? (rec->clientHeight - fixed) / r : 0;
            if (n >= 1)
                shorten = rec->clientHeight - n * r - fixed;
            else
                shorten = rec->clientHeight - fixed + (hScroll ? GetSystemMetrics(SM_CYHSCROLL) : 0);
        }
        if (shorten != 0 && GetParent(rec->hwnd)) {
            RECT wr;
            GetWindowRect(rec->hwnd, &wr);
            ++rec->layoutDepth;
            SetWindowPos(rec->hwnd, nullptr, 0, 0, wr.right - wr.left,
                         WindowHeightFor(rec->hwnd, rec->clientHeight - shorten),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
            --rec->layoutDepth;
            if (rec->dead)
                return false;
        }
    }
    if (rec->hwndDropDown) {
        RECT field, client;
        FieldRect(rec, &field);
        GetClientRect(rec->hwnd, &client);
        const int top = field.bottom + 4;
        PlaceChild(rec->hwndDropDown, 0, top, client.right, std::max<int>(0, client.bottom - top));
    }
    PlaceEditField(rec);
    return true;
}
} // namespace

bool ComboLayout(ControlRecord* rec)
{
    if (!rec->hwnd)
        return !rec->dead;
    return rec->isListBox ? LayoutListBoxType(rec) : LayoutDropDownType(rec);
}
