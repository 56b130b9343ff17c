// Vertical and horizontal scrolling of the rows.
//
// The scroll bars belong to the list window. While the control carries out a
// scroll command itself (scrollInProgress), the bar updates leave the range
// alone so that a thumb being dragged is not disturbed.
#include "window/scrolling.h"

#include <algorithm>
#include <utility>

#include "layout/column_geometry.h"
#include "layout/gdi_guards.h"
#include "layout/row_geometry.h"
#include "window/drop_close.h"
#include "window/notify.h"
#include "window/view.h"

namespace {

// Systems without SetScrollInfo: the plain range and position calls, with
// the bar disabled instead of hidden when disable-no-scroll asks for it.
void UpdateBarWithoutScrollInfo(ControlRecord* rec, int bar, BOOL ControlRecord::*shownFlag, int max, int pos)
{
    HWND list = rec->hwndDropDown;
    if (max == 0 && DisableNoScroll(rec)) {
        if (rec->*shownFlag) {
            if (!rec->scrollInProgress) {
                EnableScrollBar(list, bar, ESB_DISABLE_BOTH);
                SetScrollRange(list, bar, 0, 1, FALSE);
                rec->*shownFlag = 0;
            }
            SetScrollPos(list, bar, 0, TRUE);
        }
        return;
    }
    if (rec->*shownFlag) {
        int minPos = 0, maxPos = 0;
        GetScrollRange(list, bar, &minPos, &maxPos);
        const int current = GetScrollPos(list, bar);
        if (maxPos != max) {
            if (current == pos) {
                SetScrollRange(list, bar, 0, max, TRUE);
            } else {
                if (!rec->scrollInProgress)
                    SetScrollRange(list, bar, 0, max, FALSE);
                SetScrollPos(list, bar, pos, TRUE);
            }
        } else if (current != pos) {
            SetScrollPos(list, bar, pos, TRUE);
        }
        return;
    }
    if (!rec->scrollInProgress) {
        EnableScrollBar(list, bar, ESB_ENABLE_BOTH);
        SetScrollRange(list, bar, 0, max, FALSE);
        rec->*shownFlag = 1;
    }
    SetScrollPos(list, bar, pos, TRUE);
}

// Marks the list's frame -- its scroll bars, wherever they are -- for
// painting: the window less its client area, so no row is invalidated with
// it. Bars marked since the list last painted its frame are not marked
// again: a loop of insertions would otherwise ask the window server once per
// row.
void InvalidateBars(ControlRecord* rec, HWND list)
{
    if (rec->barsMarked)
        return;
    rec->barsMarked = 1;
    RECT window, client;
    GetWindowRect(list, &window);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&window), 2);
    GetClientRect(list, &client);
    RegionGuard frame(CreateRectRgn(std::min(window.left, window.right), window.top,
                                    std::max(window.left, window.right), window.bottom));
    RegionGuard inside(CreateRectRgnIndirect(&client));
    if (frame && inside && CombineRgn(frame.get(), frame.get(), inside.get(), RGN_DIFF) != ERROR)
        RedrawWindow(list, nullptr, frame.get(), RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

// A bar set with a redraw paints itself at once, which costs more than
// adding a row: a loop of insertions would pay it per call. So the values
// are set without drawing -- GetScrollInfo always reads the current range
// and position -- and the bar is drawn once, when the list next paints.
// Values the bar already has are not set again.
void SetBar(ControlRecord* rec, int bar, int maxValue, UINT page, int pos)
{
    HWND list = rec->hwndDropDown;
    const bool setRange = !rec->scrollInProgress;
    SCROLLINFO now = {};
    now.cbSize = sizeof now;
    now.fMask = SIF_ALL;
    if (rec->pfnGetScrollInfo && rec->pfnGetScrollInfo(list, bar, &now) && now.nPage == page &&
        now.nPos == pos && (!setRange || (now.nMin == 0 && now.nMax == maxValue)))
        return;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.nMin = 0;
    si.nMax = maxValue;
    si.nPage = page;
    si.nPos = pos;
    si.fMask = SIF_PAGE | SIF_POS;
    if (DisableNoScroll(rec))
        si.fMask |= SIF_DISABLENOSCROLL;
    if (setRange)
        si.fMask |= SIF_RANGE;
    rec->pfnSetScrollInfo(list, bar, &si, FALSE);
    InvalidateBars(rec, list);
}

int ItemAreaWidth(const ControlRecord* rec)
{
    RECT area;
    ItemAreaRect(rec, &area);
    return area.right - area.left;
}

// Paints what a scroll step invalidated at once, so the list moves while the
// thumb is dragged; painting may call the draw-info callback.
[[nodiscard]] bool PaintNow(ControlRecord* rec)
{
    UpdateWindow(rec->hwnd);
    if (!rec->dead && rec->hwndDropDown)
        UpdateWindow(rec->hwndDropDown);
    return !rec->dead;
}
} // namespace

bool DisableNoScroll(const ControlRecord* rec)
{
    return rec->hwnd && (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_DISABLENOSCROLL) != 0;
}

void UpdateVScrollBar(ControlRecord* rec)
{
    if (!rec->hwndDropDown || !Painting(rec) || !rec->vScrollStyle)
        return;
    const int shown = ItemsShown(rec);
    const int pos = rec->count > 0 ? rec->topIndex : 0;
    if (rec->pfnSetScrollInfo) {
        SetBar(rec, SB_VERT, std::max(shown + pos - 1, rec->count - 1), shown, pos);
        return;
    }
    UpdateBarWithoutScrollInfo(rec, SB_VERT, &ControlRecord::vScrollShown, std::max({rec->count - shown, pos, 0}),
                               pos);
}

void UpdateHScrollBar(ControlRecord* rec)
{
    if (!rec->hwndDropDown || !Painting(rec) || !rec->hScrollStyle)
        return;
    const int w = ListWidth(rec);
    if (rec->pfnSetScrollInfo) {
        SetBar(rec, SB_HORZ, rec->horizontalExtent - w + w / 3 - 1, w / 3, rec->horizontalOffset);
        return;
    }
    UpdateBarWithoutScrollInfo(rec, SB_HORZ, &ControlRecord::hScrollShown, std::max(0, rec->horizontalExtent - w),
                               rec->horizontalOffset);
}

void ResetScrollBars(ControlRecord* rec, HWND list)
{
    // A range given to a bar makes the system add that bar to the window, so
    // disable-no-scroll keeps only the bars the control was created with,
    // disabled until there is something to scroll.
    const std::pair<int, BOOL> bars[] = {{SB_VERT, rec->vScrollStyle}, {SB_HORZ, rec->hScrollStyle}};
    for (auto [bar, asked] : bars) {
        SetScrollPos(list, bar, 0, FALSE);
        SetScrollRange(list, bar, 0, 0, FALSE);
        if (asked && DisableNoScroll(rec)) {
            SetScrollRange(list, bar, 0, 1, FALSE);
            EnableScrollBar(list, bar, ESB_DISABLE_BOTH);
        }
    }
}

bool SetTopIndex(ControlRecord* rec, int row, int* result)
{
    if (result)
        *result = -1;
    // A pixel scroll moves what is on the screen, so what is pending is
    // painted first -- before anything is measured, since painting may run
    // the draw-info callback, which may change the rows.
    if (rec->hwndDropDown && Painting(rec)) {
        UpdateWindow(rec->hwndDropDown);
        if (rec->dead)
            return false;
    }
    if (!IsValidRow(rec, row))
        return true;
    if (result)
        *result = 0;
    const int top = std::max(0, std::min(row, rec->count - ItemsShown(rec)));
    if (top == rec->topIndex)
        return true;

    if (rec->hwndDropDown) {
        RECT oldRow, newRow;
        const bool oldVisible = ItemRect(rec, rec->topIndex, &oldRow) == 0;
        const bool newVisible = ItemRect(rec, top, &newRow) == 0;
        if (oldVisible && newVisible && Painting(rec)) {
            // Less than a screen down: move the pixels that stay and paint
            // only the rows that come in.
            RECT area;
            ItemAreaRect(rec, &area);
            area.left = 0;
            ScrollWindow(rec->hwndDropDown, 0, oldRow.top - newRow.top, &area, &area);
            rec->topIndex = top;
            UpdateWindow(rec->hwndDropDown);
            if (rec->dead)
                return false;
            return UpdateControl(rec);
        }
        InvalidateAllRows(rec);
    }
    rec->topIndex = top;
    return UpdateControl(rec);
}

bool SetTopIndexNotify(ControlRecord* rec, int row)
{
    const int before = rec->topIndex;
    if (!SetTopIndex(rec, row, nullptr))
        return false;
    if (rec->topIndex != before && rec->hwnd && GetParent(rec->hwnd))
        return Notify(rec, TARNN_TOPINDEXCHANGE);
    return true;
}

bool MakeRowVisible(ControlRecord* rec, int row)
{
    if (!IsValidRow(rec, row) || !rec->hwndDropDown)
        return true;
    // With variable heights the number of rows that fit changes as the top
    // moves, so the step is repeated until the row is in view; a step that
    // moves nothing ends it. The parent may change the rows on each
    // notification, so the row is checked again each time.
    for (;;) {
        const int before = rec->topIndex;
        const int shown = ItemsShown(rec);
        int top = before;
        if (row < before)
            top = row;
        else if (row - before >= shown)
            top = std::max(0, row - shown + 1);
        if (!SetTopIndexNotify(rec, top))
            return false;
        if (rec->fixedItemHeight || row < before || rec->topIndex == before || !rec->hwndDropDown)
            return true;
        if (!IsValidRow(rec, row) || row - rec->topIndex < ItemsShown(rec))
            return true;
    }
}

bool SetHorizontalExtent(ControlRecord* rec, int extent, BOOL* result)
{
    if (result)
        *result = extent >= 0;
    if (extent < 0 || extent == rec->horizontalExtent)
        return true;
    rec->horizontalExtent = extent;
    UpdateHScrollBar(rec);
    if (!UpdateControl(rec))
        return false;
    // A narrower extent must not leave the columns scrolled past its end.
    if (rec->horizontalOffset > MaxHorizontalOffset(rec))
        return SetHorizontalOffset(rec, rec->horizontalOffset, nullptr);
    return true;
}

bool SetHorizontalOffset(ControlRecord* rec, int offset, BOOL* result)
{
    if (result)
        *result = offset >= -1;
    if (offset < -1)
        return true;
    const int maxOffset = MaxHorizontalOffset(rec);
    offset = offset == -1 ? maxOffset : std::max(0, std::min(offset, maxOffset));
    if (offset == rec->horizontalOffset)
        return true;
    InvalidateHeaderBand(rec);
    InvalidateAllRows(rec);
    rec->horizontalOffset = offset;
    UpdateHScrollBar(rec);
    return UpdateControl(rec);
}

bool SetHorizontalOffsetNotify(ControlRecord* rec, int offset, bool* changed)
{
    const int before = rec->horizontalOffset;
    BOOL ok = FALSE;
    if (changed)
        *changed = false;
    if (!SetHorizontalOffset(rec, offset, &ok))
        return false;
    if (!ok || rec->horizontalOffset == before)
        return true;
    if (changed)
        *changed = true;
    return Notify(rec, TARNN_HOFFSETCHANGE);
}

bool MakeColumnVisible(ControlRecord* rec, int column)
{
    if (!IsValidColumn(rec, column))
        return true;
    if (rec->count == 0)
        return SetHorizontalOffsetNotify(rec, 0);
    const RECT* cellPtr = CellRect(rec, 0, column);
    if (!cellPtr)
        return true;
    const RECT cell = *cellPtr;
    const int pos = rec->columns[column].position;
    if (pos == FirstVisiblePosition(rec))
        return SetHorizontalOffsetNotify(rec, 0);
    if (pos == LastVisiblePosition(rec))
        return SetHorizontalOffsetNotify(rec, -1);
    RECT area;
    if (ItemRect(rec, 0, &area) != 0)
        return true;
    int offset = rec->horizontalOffset;
    if (cell.left < area.left)
        offset -= area.left - cell.left;
    else if (cell.right > area.right)
        offset += cell.right - area.right;
    return SetHorizontalOffsetNotify(rec, offset);
}

bool SetDisableNoScroll(ControlRecord* rec, BOOL on)
{
    if (!CloseList(rec, false))
        return false;
    if (DisableNoScroll(rec) == (on != 0) || !rec->hwnd)
        return true;
    const LONG style = GetWindowLongA(rec->hwnd, GWL_STYLE);
    SetWindowLongA(rec->hwnd, GWL_STYLE, on ? style | TARNS_DISABLENOSCROLL : style & ~TARNS_DISABLENOSCROLL);
    // A bar the system has hidden stays hidden under the new setting unless
    // it is shown again; the update then disables it if nothing scrolls.
    if (on && rec->hwndDropDown) {
        if (rec->vScrollStyle)
            ShowScrollBar(rec->hwndDropDown, SB_VERT, TRUE);
        if (rec->hScrollStyle)
            ShowScrollBar(rec->hwndDropDown, SB_HORZ, TRUE);
    }
    return UpdateControl(rec);
}

bool VScrollCommand(ControlRecord* rec, int code, int position)
{
    if (code == SB_ENDSCROLL) {
        UpdateVScrollBar(rec);
        return true;
    }
    if (rec->count == 0)
        return true;
    const int shown = ItemsShown(rec);
    const int last = std::max(rec->count - shown, 0);
    const int top = rec->topIndex;
    int next = top;
    switch (code) {
    case SB_LINEUP: next = std::max(top - 1, 0); break;
    case SB_LINEDOWN: next = std::min(top + 1, last); break;
    case SB_PAGEUP: next = std::max(top - shown, 0); break;
    case SB_PAGEDOWN: next = std::min(top + shown, last); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        next = position;
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        // The message carries only 16 bits of the position.
        if (rec->pfnGetScrollInfo && rec->pfnGetScrollInfo(rec->hwndDropDown, SB_VERT, &si))
            next = si.nTrackPos;
        break;
    }
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = last; break;
    default: return true;
    }
    if (next == top)
        return true;
    rec->scrollInProgress = 1;
    const bool alive = SetTopIndexNotify(rec, next) && PaintNow(rec);
    rec->scrollInProgress = 0;
    return alive;
}

bool HScrollCommand(ControlRecord* rec, int code, int position)
{
    const int w = ItemAreaWidth(rec), last = MaxHorizontalOffset(rec);
    if (last == 0)
        return true;
    const int offset = rec->horizontalOffset;
    int next = offset;
    switch (code) {
    case SB_LINELEFT: next = offset - rec->maxCharWidth; break;
    case SB_LINERIGHT: next = offset + rec->maxCharWidth; break;
    case SB_PAGELEFT: next = offset - w / 2; break;
    case SB_PAGERIGHT: next = offset + w / 2; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: next = position; break;
    case SB_LEFT: next = 0; break;
    case SB_RIGHT: next = last; break;
    case SB_ENDSCROLL: UpdateHScrollBar(rec); return true;
    default: return true;
    }
    next = std::max(0, std::min(next, last));
    if (next == offset)
        return true;
    rec->scrollInProgress = 1;
    const bool alive = SetHorizontalOffsetNotify(rec, next) && PaintNow(rec);
    rec->scrollInProgress = 0;
    return alive;
}
