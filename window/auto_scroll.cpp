// The highlight following the pointer over the list, and the two auto-scroll
// timers. The timer procedures are the module's exported entry points, which
// find the control through a call frame and come back here.
#include "window/auto_scroll.h"

#include <algorithm>

#include "layout/control_geometry.h"
#include "layout/row_geometry.h"
#include "window/header_drag.h"
#include "window/scrolling.h"
#include "window/selection.h"
#include "window/tracking.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriod = 100;
constexpr int kMinHeaderStep = 20;

void StartTimer(ControlRecord* rec, TIMERPROC proc)
{
    if (rec->timerId || !rec->hwnd)
        return;
    rec->timerId = SetTimer(rec->hwnd, kTimerId, kTimerPeriod, proc);
}

// The row partly hidden by the list's bottom edge, or -1 when the rows end
// above it.
int RowAcrossBottom(ControlRecord* rec, int bottom)
{
    int y = 0;
    for (int row = rec->topIndex; row >= 0 && row < rec->count; ++row) {
        y += ItemHeight(rec, row);
        if (y > bottom)
            return row;
    }
    return -1;
}
} // namespace

void StartListTimer(ControlRecord* rec) { StartTimer(rec, Tarn_VScrollTimerProc); }

void StartHeaderTimer(ControlRecord* rec) { StartTimer(rec, Tarn_HeaderScrollTimerProc); }

bool UpdateBothWindows(ControlRecord* rec)
{
    UpdateWindow(rec->hwnd);
    if (!rec->dead && rec->hwndDropDown)
        UpdateWindow(rec->hwndDropDown);
    return !rec->dead;
}

bool TrackList(ControlRecord* rec, bool fromControl, int x, int y, bool pressed)
{
    HWND list = rec->hwndDropDown;
    if (!list)
        return true;
    POINT inControl = {x, y}, inList = {x, y};
    if (fromControl)
        MapWindowPoints(rec->hwnd, list, &inList, 1);
    else
        MapWindowPoints(list, rec->hwnd, &inControl, 1);
    int inField = 0;
    const int row = IndexFromPoint(rec, &inControl, &inField);
    if (row >= 0 && !inField) {
        StopAutoScrollTimer(rec);
        return row == rec->curSel || MoveHighlight(rec, row);
    }
    if (!pressed) {
        StopAutoScrollTimer(rec);
        return true;
    }
    RECT client;
    GetClientRect(list, &client);
    int target = -1;
    if (inList.y < client.top) {
        target = rec->topIndex;
        rec->vScrollDirection = 0;
        StartListTimer(rec);
    } else if (inList.y >= client.bottom) {
        target = RowAcrossBottom(rec, client.bottom);
        if (target >= 0) {
            rec->vScrollDirection = 1;
            StartListTimer(rec);
        } else {
            target = rec->count - 1;
        }
    }
    return !IsValidRow(rec, target) || target == rec->curSel || MoveHighlight(rec, target);
}

bool ListScrollTick(ControlRecord* rec)
{
    if (!rec->timerId)
        return true;   // a tick that was already queued when the timer stopped
    if (!rec->hwndDropDown) {
        StopAutoScrollTimer(rec);
        return true;
    }
    const int next = rec->vScrollDirection ? rec->curSel + 1 : rec->curSel - 1;
    if (!IsValidRow(rec, next) || (!rec->vScrollDirection && rec->curSel < 1))
        return true;
    return MoveHighlight(rec, next) && UpdateBothWindows(rec);
}

bool HeaderScrollTick(ControlRecord* rec)
{
    if (!rec->timerId || (rec->trackMode != kTrackResize && rec->trackMode != kTrackMove))
        return true;
    RECT field;
    FieldRect(rec, &field);
    const int step = std::max<int>(kMinHeaderStep, (field.right - field.left) / 8);
    const int offset = rec->horizontalOffset;
    const int next = rec->headerScrollDirection ? std::max(0, offset - step)
                                                : std::max(0, std::min(offset + step, MaxHorizontalOffset(rec)));
    if (next == offset)
        return true;
    EraseMarker(rec);
    if (!UpdateBothWindows(rec) || !SetHorizontalOffsetNotify(rec, next) || !UpdateBothWindows(rec))
        return false;
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(rec->hwnd, &pt);
    TrackHeader(rec, false, pt.x);
    return true;
}
