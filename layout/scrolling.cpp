// Vertical and horizontal scrolling of the rows.
//
// The scroll bars belong to the list window. While the control carries out a
// scroll command itself (scrollInProgress), the bar updates leave the range
// alone so that a thumb being dragged is not disturbed.
#include "layout/scrolling.h"

#include <algorithm>

#include "columns/header_band.h"
#include "combo/drop_close.h"
#include "core/shared_routines.h"
#include "layout/column_geometry.h"
#include "layout/row_geometry.h"
#include "window/notify.h"

namespace {
bool Painting(const ControlRecord* rec) { return rec->shown && rec->redraw; }

bool DisableNoScroll(const ControlRecord* rec)
{
    return (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_DISABLENOSCROLL) != 0;
}

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

void SetBar(ControlRecord* rec, int bar, int maxValue, UINT page, int pos)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.nMin = 0;
    si.nMax = maxValue;
    si.nPage = page;
    si.nPos = pos;
    si.fMask = SIF_PAGE | SIF_POS;
    if (DisableNoScroll(rec))
        si.fMask |= SIF_DISABLENOSCROLL;
    if (!rec->scrollInProgress)
        si.fMask |= SIF_RANGE;
    rec->pfnSetScrollInfo(rec->hwndDropDown, bar, &si, TRUE);
}

int ItemAreaWidth(const ControlRecord* rec)
{
    RECT area;
    ItemAreaRect(rec, &area);
    return area.right - area.left;
}

int MaxHorizontalOffset(const ControlRecord* rec)
{
    return std::max(0, rec->horizontalExtent - ListWidth(rec));
}
} // namespace

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
    SetScrollPos(list, SB_VERT, 0, FALSE);
    SetScrollRange(list, SB_VERT, 0, 0, FALSE);
    SetScrollPos(list, SB_HORZ, 0, FALSE);
    SetScrollRange(list, SB_HORZ, 0, 0, FALSE);
    if (DisableNoScroll(rec)) {
        EnableScrollBar(list, SB_VERT, ESB_DISABLE_BOTH);
        SetScrollRange(list, SB_VERT, 0, 1, FALSE);
        SetScrollRange(list, SB_HORZ, 0, 1, FALSE);
    }
}

extern "C" int WINAPI Tarn_SetTopIndex(HWND hwnd, int row)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!IsValidRow(rec, row))
        return -1;
    const int top = std::max(0, std::min(row, rec->count - ItemsShown(rec)));
    if (top == rec->topIndex)
        return 0;

    if (rec->hwndDropDown) {
        RECT oldRow, newRow;
        const bool oldVisible = Tarn_GetItemRect(hwnd, rec->topIndex, &oldRow) == 0;
        const bool newVisible = Tarn_GetItemRect(hwnd, top, &newRow) == 0;
        if (oldVisible && newVisible && Painting(rec)) {
            // Less than a screen down: move the pixels that stay and paint
            // only the rows that come in.
            RECT area;
            ItemAreaRect(rec, &area);
            area.left = 0;
            UpdateWindow(rec->hwndDropDown);
            ScrollWindow(rec->hwndDropDown, 0, oldRow.top - newRow.top, &area, &area);
            rec->topIndex = top;
            UpdateWindow(rec->hwndDropDown);
            UpdateControl(rec);
            return 0;
        }
        InvalidateRows(rec, 0, true, true);
    }
    rec->topIndex = top;
    UpdateControl(rec);
    return 0;
}

bool SetTopIndexNotify(ControlRecord* rec, int row)
{
    HWND hwnd = rec->hwnd;
    const int before = rec->topIndex;
    Tarn_SetTopIndex(hwnd, row);
    if (!ControlSurvived(hwnd, rec))
        return false;
    if (rec->topIndex != before && GetParent(hwnd))
        return Notify(rec, TARNN_TOPINDEXCHANGE);
    return true;
}

extern "C" void WINAPI Tarn_MakeRowVisible(HWND hwnd, int row)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!IsValidRow(rec, row) || !rec->hwndDropDown)
        return;
    // With variable heights the number of rows that fit changes as the top
    // moves, so the step is repeated until the row is in view; a step that
    // moves nothing ends it.
    for (;;) {
        const int before = rec->topIndex;
        const int shown = ItemsShown(rec);
        int top = before;
        if (row < before)
            top = row;
        else if (row - before >= shown)
            top = std::max(0, row - shown + 1);
        if (!SetTopIndexNotify(rec, top))
            return;
        if (rec->fixedItemHeight || row < before || rec->topIndex == before || !rec->hwndDropDown)
            return;
        if (row - rec->topIndex < ItemsShown(rec))
            return;
    }
}

extern "C" int WINAPI Tarn_GetTopIndex(HWND hwnd)
{
    return GetRecord(hwnd)->topIndex;
}

extern "C" int WINAPI Tarn_GetHorizontalExtent(HWND hwnd)
{
    return GetRecord(hwnd)->horizontalExtent;
}

extern "C" BOOL WINAPI Tarn_SetHorizontalExtent(HWND hwnd, int extent)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (extent < 0)
        return FALSE;
    if (extent == rec->horizontalExtent)
        return TRUE;
    rec->horizontalExtent = extent;
    UpdateHScrollBar(rec);
    UpdateControl(rec);
    // A narrower extent must not leave the columns scrolled past its end.
    if (ControlSurvived(hwnd, rec) && rec->horizontalOffset > MaxHorizontalOffset(rec))
        Tarn_SetHorizontalOffset(hwnd, rec->horizontalOffset);
    return TRUE;
}

extern "C" int WINAPI Tarn_GetHorizontalOffset(HWND hwnd)
{
    return GetRecord(hwnd)->horizontalOffset;
}

extern "C" BOOL WINAPI Tarn_SetHorizontalOffset(HWND hwnd, int offset)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (offset < -1)
        return FALSE;
    const int maxOffset = MaxHorizontalOffset(rec);
    offset = offset == -1 ? maxOffset : std::max(0, std::min(offset, maxOffset));
    if (offset == rec->horizontalOffset)
        return TRUE;
    if (Painting(rec)) {
        InvalidateHeaderBand(rec);
        InvalidateRows(rec, 0, true, true);
    }
    rec->horizontalOffset = offset;
    UpdateHScrollBar(rec);
    UpdateControl(rec);
    return TRUE;
}

bool SetHorizontalOffsetNotify(ControlRecord* rec, int offset, bool* changed)
{
    HWND hwnd = rec->hwnd;
    const int before = rec->horizontalOffset;
    const BOOL ok = Tarn_SetHorizontalOffset(hwnd, offset);
    if (changed)
        *changed = false;
    if (!ControlSurvived(hwnd, rec))
        return false;
    if (!ok || rec->horizontalOffset == before)
        return true;
    if (changed)
        *changed = true;
    return Notify(rec, TARNN_HOFFSETCHANGE);
}

extern "C" void WINAPI Tarn_MakeColumnVisible(HWND hwnd, int column)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!IsValidColumn(rec, column))
        return;
    if (rec->count == 0) {
        SetHorizontalOffsetNotify(rec, 0);
        return;
    }
    const RECT* cellPtr = Tarn_GetCellRect(hwnd, 0, column);
    if (!cellPtr)
        return;
    const RECT cell = *cellPtr;
    const int pos = rec->columns[column].position;
    if (pos == FirstVisiblePosition(rec)) {
        SetHorizontalOffsetNotify(rec, 0);
        return;
    }
    if (pos == LastVisiblePosition(rec)) {
        SetHorizontalOffsetNotify(rec, -1);
        return;
    }
    RECT area;
    if (Tarn_GetItemRect(hwnd, 0, &area) != 0)
        return;
    int offset = rec->horizontalOffset;
    if (cell.left < area.left)
        offset -= area.left - cell.left;
    else if (cell.right > area.right)
        offset += cell.right - area.right;
    SetHorizontalOffsetNotify(rec, offset);
}

extern "C" BOOL WINAPI Tarn_GetDisableNoScroll(HWND hwnd)
{
    return DisableNoScroll(GetRecord(hwnd)) ? 1 : 0;
}

extern "C" void WINAPI Tarn_SetDisableNoScroll(HWND hwnd, BOOL on)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!CloseList(rec, false))
        return;
    if (DisableNoScroll(rec) == (on != 0))
        return;
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    SetWindowLongA(hwnd, GWL_STYLE, on ? style | TARNS_DISABLENOSCROLL : style & ~TARNS_DISABLENOSCROLL);
    // A bar the system has hidden stays hidden under the new setting unless
    // it is shown again; the update then disables it if nothing scrolls.
    if (on && rec->hwndDropDown) {
        if (rec->vScrollStyle)
            ShowScrollBar(rec->hwndDropDown, SB_VERT, TRUE);
        if (rec->hScrollStyle)
            ShowScrollBar(rec->hwndDropDown, SB_HORZ, TRUE);
    }
    UpdateControl(rec);
}

void VScrollCommand(ControlRecord* rec, int code, int position)
{
    if (code == SB_ENDSCROLL) {
        UpdateVScrollBar(rec);
        return;
    }
    if (rec->count == 0)
        return;
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
    default: return;
    }
    if (next == top)
        return;
    HWND hwnd = rec->hwnd;
    rec->scrollInProgress = 1;
    if (!SetTopIndexNotify(rec, next))
        return;
    UpdateWindow(hwnd);
    if (rec->hwndDropDown)
        UpdateWindow(rec->hwndDropDown);
    rec->scrollInProgress = 0;
}

void HScrollCommand(ControlRecord* rec, int code, int position)
{
    const int w = ItemAreaWidth(rec);
    if (rec->horizontalExtent <= w)
        return;
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
    case SB_RIGHT: next = rec->horizontalExtent - w; break;
    case SB_ENDSCROLL: UpdateHScrollBar(rec); return;
    default: return;
    }
    next = std::max(0, std::min(next, rec->horizontalExtent - w));
    if (next == offset)
        return;
    HWND hwnd = rec->hwnd;
    rec->scrollInProgress = 1;
    if (!SetHorizontalOffsetNotify(rec, next))
        return;
    UpdateWindow(hwnd);
    if (rec->hwndDropDown)
        UpdateWindow(rec->hwndDropDown);
    rec->scrollInProgress = 0;
}
