// The press in progress, from the first move to the release or a cancel.
#include "window/tracking.h"

#include <cstdlib>

#include "columns/corner_cell.h"
#include "columns/header_band.h"
#include "layout/control_geometry.h"
#include "window/auto_scroll.h"
#include "window/drop_close.h"
#include "window/header_drag.h"
#include "window/notify.h"
#include "window/view.h"

namespace {
POINT InControl(const ControlRecord* rec, bool fromControl, int x, int y)
{
    POINT pt = {x, y};
    if (!fromControl && rec->hwndDropDown)
        MapWindowPoints(rec->hwndDropDown, rec->hwnd, &pt, 1);
    return pt;
}

bool InCorner(const ControlRecord* rec, POINT pt)
{
    RECT rc;
    CornerRect(rec, &rc);
    return PtInRect(&rc, pt) != 0;
}

bool InHeaderOf(const ControlRecord* rec, int col, POINT pt)
{
    RECT rc;
    HeaderRect(rec, col, &rc);
    return PtInRect(&rc, pt) != 0;
}

void ShowHeaderButton(ControlRecord* rec, int col)
{
    if (col == rec->headerButton)
        return;
    rec->headerButton = col;
    InvalidateHeaderBand(rec);
}

void ShowCornerButton(ControlRecord* rec, BOOL down)
{
    if (down == rec->rowColHeaderButton)
        return;
    rec->rowColHeaderButton = down;
    InvalidateCorner(rec);
}

// Once the pointer leaves a small rectangle round the press, a pressed
// header becomes a column being moved.
bool BeyondDragThreshold(const ControlRecord* rec, POINT pt)
{
    return abs(pt.x - rec->dragOffsetX) > GetSystemMetrics(SM_CXDRAG) / 2 ||
           abs(pt.y - rec->dragOffsetY) > GetSystemMetrics(SM_CYDRAG) / 2;
}

void MoveOverHeader(ControlRecord* rec, POINT pt)
{
    if (rec->reorderColumns && rec->columnCount >= 2 && IsValidColumn(rec, rec->hotHeaderColumn) &&
        BeyondDragThreshold(rec, pt)) {
        rec->draggedColumn = rec->hotHeaderColumn;
        SetRectEmpty(&rec->trackRect);
        rec->trackMode = kTrackMove;
        TrackHeader(rec, true, pt.x);
        return;
    }
    if (rec->showHeader == TARN_HEADER_BUTTONS)
        ShowHeaderButton(rec, InHeaderOf(rec, rec->hotHeaderColumn, pt) ? rec->hotHeaderColumn
                                                                         : rec->savedHeaderButton);
}

bool ReleaseCorner(ControlRecord* rec, POINT pt)
{
    if (!InCorner(rec, pt))
        return true;
    if (rec->rowColHeaderButton == rec->savedRowColButton)
        ShowCornerButton(rec, !rec->rowColHeaderButton);
    rec->savedRowColButton = rec->rowColHeaderButton;
    if (!Notify(rec, PressBase(rec) + TARNN_PART_CORNER))
        return false;
    if (rec->rowColHeaderStyle & TARNRHS_NOPRESS) {
        // A push button: seen down for a moment, then up again.
        UpdateWindow(rec->hwnd);
        if (rec->dead)
            return false;
        rec->savedRowColButton = 0;
        ShowCornerButton(rec, 0);
    }
    return true;
}

bool ReleaseHeader(ControlRecord* rec, POINT pt)
{
    const int col = rec->hotHeaderColumn;
    if (rec->showHeader != TARN_HEADER_BUTTONS || !IsValidColumn(rec, col) || !InHeaderOf(rec, col, pt))
        return true;
    ShowHeaderButton(rec, col);
    rec->hotHeaderColumn = -1;
    if (!Notify(rec, PressBase(rec) + TARNN_PART_COLHEADER))
        return false;
    if (IsValidColumn(rec, rec->headerButton) && (rec->columns[rec->headerButton].headerFormat & TARNHF_POPUP)) {
        UpdateWindow(rec->hwnd);
        if (rec->dead)
            return false;
        ShowHeaderButton(rec, -1);
    }
    rec->savedHeaderButton = rec->headerButton;
    return true;
}
} // namespace

void StopAutoScrollTimer(ControlRecord* rec)
{
    if (rec->timerId && rec->hwnd)
        KillTimer(rec->hwnd, rec->timerId);
    rec->timerId = 0;
}

void CancelTracking(ControlRecord* rec)
{
    HWND capture = GetCapture();
    if (capture && (capture == rec->hwnd || capture == rec->hwndDropDown))
        ReleaseCapture();
    // A drop-down waiting on its notifications sees that it was cancelled.
    rec->dropClosed = 1;
    rec->pressState = 0;
    StopAutoScrollTimer(rec);
    switch (rec->trackMode) {
    case kTrackDropButton:
        if (rec->dropButtonDown) {
            rec->dropButtonDown = 0;
            InvalidateDropButton(rec);
        }
        break;
    case kTrackCorner:
        ShowCornerButton(rec, rec->savedRowColButton);
        break;
    case kTrackResize:
        rec->sizingColumn = -1;
        EraseMarker(rec);
        break;
    case kTrackMove:
        rec->draggedColumn = -1;
        EraseMarker(rec);
        [[fallthrough]];
    case kTrackHeader:
        // A moved column takes no header button with it: the one pressed
        // before the drag shows again.
        rec->hotHeaderColumn = -1;
        ShowHeaderButton(rec, IsValidColumn(rec, rec->savedHeaderButton) ? rec->savedHeaderButton : -1);
        break;
    default:
        break;
    }
    rec->trackMode = kTrackNone;
}

bool TrackMove(ControlRecord* rec, bool fromControl, int x, int y)
{
    const POINT pt = InControl(rec, fromControl, x, y);
    switch (rec->trackMode) {
    case kTrackDropButton: {
        RECT button;
        DropButtonRect(rec, &button);
        const BOOL inside = PtInRect(&button, pt) ? 1 : 0;
        if (inside != rec->dropButtonDown) {
            rec->dropButtonDown = inside;
            InvalidateDropButton(rec);
        }
        return true;
    }
    case kTrackCorner:
        ShowCornerButton(rec, InCorner(rec, pt) ? !rec->savedRowColButton : rec->savedRowColButton);
        return true;
    case kTrackHeader:
        MoveOverHeader(rec, pt);
        return true;
    case kTrackResize:
        if (DragFullWindows() && (!ResizeColumn(rec, rec->sizingColumn, pt.x) || !UpdateBothWindows(rec)))
            return false;
        TrackHeader(rec, fromControl, pt.x);
        return true;
    case kTrackMove:
        TrackHeader(rec, fromControl, pt.x);
        return true;
    default: {
        // Over the list, the highlight follows the pointer while a button
        // is held, and with cursor select also without (not in the
        // permanent list of type 0).
        const bool pressed = rec->pressState != 0;
        if (fromControl || rec->count < 1 || !(pressed || (rec->cursorSelect && !rec->isListBox)))
            return true;
        return TrackList(rec, false, x, y, pressed);
    }
    }
}

bool TrackRelease(ControlRecord* rec, bool fromControl, int x, int y)
{
    HWND capture = GetCapture();
    if (!capture || (capture != rec->hwnd && capture != rec->hwndDropDown)) {
        // Another window took the mouse: nothing is clicked.
        CancelTracking(rec);
        return true;
    }
    const POINT pt = InControl(rec, fromControl, x, y);
    bool alive = true;
    switch (rec->trackMode) {
    case kTrackCorner:
        alive = ReleaseCorner(rec, pt);
        break;
    case kTrackHeader:
        alive = ReleaseHeader(rec, pt);
        break;
    case kTrackResize:
        if (!DragFullWindows())
            EraseMarker(rec);
        alive = ResizeColumn(rec, rec->sizingColumn, pt.x);
        break;
    case kTrackMove:
        alive = DropColumn(rec, pt.x);
        break;
    default:
        break;
    }
    if (!alive)
        return false;
    CancelTracking(rec);
    return fromControl || CloseList(rec, true);
}
