// Column resize and column move by dragging in the header band.
//
// While the pointer is held, the marker -- a thin dotted bar drawn in XOR on
// the screen -- shows where the divider or the moved column would go; it
// spans the list too when the list lies under it. Drawing it twice takes it
// away, so trackRect remembers the screen rectangle drawn last, and anything
// that repaints under it erases it first.
#include "window/header_drag.h"

#include <algorithm>
#include <climits>

#include "columns/header_band.h"
#include "core/lock.h"
#include "layout/column_geometry.h"
#include "layout/control_geometry.h"
#include "window/auto_scroll.h"
#include "window/notify.h"
#include "window/scrolling.h"
#include "window/tracking.h"
#include "window/view.h"

namespace {
constexpr int kDividerZone = 4;   // pixels either side of a divider that grab it
constexpr int kMinOnlyColumn = 5; // the only visible column never gets narrower

int ColumnAt(const ControlRecord* rec, int pos) { return rec->columns[pos].columnAtPosition; }
bool Flagged(const ControlRecord* rec, int col, WORD flag) { return (rec->columns[col].flags & flag) != 0; }

// The widths the horizontal extent counts: every visible column but an
// open-ended last one, which stretches instead.
long long CountedWidth(const ControlRecord* rec)
{
    long long total = 0;
    const int end = LastVisiblePosition(rec) + (rec->openEnded ? 0 : 1);
    for (int pos = 0; pos < end; ++pos)
        total += rec->columns[ColumnAt(rec, pos)].width;
    return total;
}

bool ExtentFollowsColumns(const ControlRecord* rec)
{
    return rec->horizontalExtent >= 0 && !(rec->columnCount < 2 && rec->openEnded);
}

// The extent grows or shrinks with the columns, and the offset stays within
// it (notification 10 when that moves it).
bool ShiftExtent(ControlRecord* rec, long long change)
{
    const int before = rec->horizontalOffset;
    const long long extent = rec->horizontalExtent + change;
    if (!SetHorizontalExtent(rec, static_cast<int>(std::max<long long>(-1, std::min<long long>(extent, INT_MAX))),
                             nullptr) ||
        !SetHorizontalOffset(rec, rec->horizontalOffset, nullptr))
        return false;
    return rec->horizontalOffset == before || Notify(rec, TARNN_HOFFSETCHANGE);
}

void SetWidth(ControlRecord* rec, int col, int width, bool* changed)
{
    if (rec->columns[col].width == width)
        return;
    ItemLock lock;
    rec->columns[col].width = width;
    *changed = true;
}

// The display position a moved column would take: before the first column
// whose middle lies right of the pointer, else after the last visible one.
int DropTarget(const ControlRecord* rec, int x)
{
    const long long at = static_cast<long long>(x) + rec->horizontalOffset;
    for (int pos = 0; pos < rec->columnCount; ++pos) {
        const long long middle = rec->rowHeaderWidth + ColumnLeft(rec, pos) + rec->columns[ColumnAt(rec, pos)].width / 2;
        if (middle > at)
            return pos;
    }
    return LastVisiblePosition(rec) + 1;
}

// A fixed-position column neither moves nor lets another pass over it.
bool MayDrop(const ControlRecord* rec, int target)
{
    const int from = rec->columns[rec->draggedColumn].position;
    int first = from, last = from;
    if (target > from + 1)
        last = target - 1;
    else if (target < from)
        first = target;
    for (int pos = first; pos <= last; ++pos)
        if (Flagged(rec, ColumnAt(rec, pos), TARNCOL_FIXEDPOSITION))
            return false;
    return true;
}

bool Dragging(const ControlRecord* rec)
{
    return rec->trackMode == kTrackMove && IsValidColumn(rec, rec->draggedColumn) && rec->columns;
}

void DrawOnScreen(const RECT& rc)
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return;
    DrawFocusRect(screen, &rc);
    ReleaseDC(nullptr, screen);
}

// The marker at x (control client coordinates) on the screen: over the
// control, and down or up over the list when the list lies under x.
RECT MarkerOnScreen(const ControlRecord* rec, int x)
{
    RECT client = {};
    GetClientRect(rec->hwnd, &client);
    MapWindowPoints(rec->hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int left = client.left + x - 1;
    RECT marker = {left, client.top, left + 2, client.bottom};
    RECT list;
    if (rec->hwndDropDown && GetWindowRect(rec->hwndDropDown, &list) && left >= list.left && left < list.right) {
        RECT inside = {};
        GetClientRect(rec->hwndDropDown, &inside);
        MapWindowPoints(rec->hwndDropDown, nullptr, reinterpret_cast<POINT*>(&inside), 2);
        marker.top = std::min(marker.top, list.top);
        marker.bottom = std::max(marker.bottom, inside.bottom);
    }
    return marker;
}

void MoveMarker(ControlRecord* rec, int x)
{
    const RECT marker = MarkerOnScreen(rec, x);
    if (EqualRect(&marker, &rec->trackRect))
        return;
    EraseMarker(rec);
    DrawOnScreen(marker);
    rec->trackRect = marker;
}
} // namespace

int ColumnEdge(const ControlRecord* rec, int pos, int available)
{
    const long long edge = static_cast<long long>(rec->rowHeaderWidth) + ColumnLeft(rec, pos) +
                           CellWidth(rec, available, ColumnAt(rec, pos));
    return static_cast<int>(std::min<long long>(edge, INT_MAX / 2));
}

int DividerAt(const ControlRecord* rec, int x)
{
    if (!rec->showHeader || !rec->resizeHeader || !rec->columns || (rec->columnCount < 2 && rec->openEnded))
        return -1;
    const long long at = static_cast<long long>(x) + rec->horizontalOffset;
    const int available = HeaderColumnsWidth(rec);
    for (int pos = LastVisiblePosition(rec) - (rec->openEnded ? 1 : 0); pos >= 0; --pos) {
        const int col = ColumnAt(rec, pos);
        if (Flagged(rec, col, TARNCOL_FIXEDWIDTH))
            continue;
        const int edge = ColumnEdge(rec, pos, available);
        if (at >= edge - kDividerZone && at < edge + kDividerZone)
            return col;
    }
    return -1;
}

bool DragFullWindows()
{
    BOOL full = FALSE;
    return SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0) && full;
}

bool ResizeColumn(ControlRecord* rec, int column, int x)
{
    if (!IsValidColumn(rec, column) || !rec->columns)
        return true;
    long long room = std::max<long long>(0, static_cast<long long>(x) + rec->horizontalOffset - rec->rowHeaderWidth -
                                                rec->overheadWidth);
    const bool followExtent = ExtentFollowsColumns(rec);
    const long long before = CountedWidth(rec);
    const int at = rec->columns[column].position;
    // Fixed widths before the column stay; the others give way, nearest
    // first, when the divider is dragged left of them.
    for (int pos = 0; pos < at; ++pos)
        if (Flagged(rec, ColumnAt(rec, pos), TARNCOL_FIXEDWIDTH))
            room -= rec->columns[ColumnAt(rec, pos)].width;
    bool changed = false;
    for (int pos = 0; pos < at; ++pos) {
        const int col = ColumnAt(rec, pos);
        if (Flagged(rec, col, TARNCOL_FIXEDWIDTH))
            continue;
        const int kept = static_cast<int>(std::max<long long>(0, std::min<long long>(rec->columns[col].width, room)));
        SetWidth(rec, col, kept, &changed);
        room -= kept;
    }
    int width = static_cast<int>(std::max<long long>(0, std::min<long long>(room, INT_MAX / 2)));
    bool othersHidden = true;
    for (int col = 0; col < rec->columnCount; ++col)
        othersHidden = othersHidden && (col == column || rec->columns[col].width == 0);
    if (othersHidden && width < kMinOnlyColumn)
        width = kMinOnlyColumn;
    SetWidth(rec, column, width, &changed);
    if (!changed)
        return true;
    if (followExtent && !ShiftExtent(rec, CountedWidth(rec) - before))
        return false;
    InvalidateHeaderBand(rec);
    InvalidateAllRows(rec);
    return UpdateControl(rec) && Notify(rec, TARNN_COLUMNRESIZED);
}

void TrackHeader(ControlRecord* rec, bool fromControl, int x)
{
    if (rec->trackMode != kTrackResize && rec->trackMode != kTrackMove)
        return;   // the parent ended the drag meanwhile
    if (fromControl) {
        const int button = rec->isListBox ? 0 : GetSystemMetrics(SM_CXVSCROLL);
        const int bandLeft = rec->rowHeaderWidth, bandRight = ControlClientWidth(rec) - button;
        if (x < bandLeft + rec->rowHeaderWidth || x >= bandRight - button) {
            rec->headerScrollDirection = x < bandLeft + rec->rowHeaderWidth;
            StartHeaderTimer(rec);
        } else {
            StopAutoScrollTimer(rec);
        }
    }
    if (rec->trackMode == kTrackResize) {
        if (!DragFullWindows())
            MoveMarker(rec, x);
        return;
    }
    if (!Dragging(rec))
        return;
    const int target = DropTarget(rec, x);
    SetCursor(MayDrop(rec, target) ? rec->hcurDrag1 : rec->hcurDrag2);
    const long long at = static_cast<long long>(rec->rowHeaderWidth) + ColumnLeft(rec, target) - rec->horizontalOffset;
    if (at < 0 || at > ControlClientWidth(rec))
        EraseMarker(rec);
    else
        MoveMarker(rec, static_cast<int>(at));
}

bool DropColumn(ControlRecord* rec, int x)
{
    EraseMarker(rec);
    if (!Dragging(rec))
        return true;
    const int target = DropTarget(rec, x);
    if (!MayDrop(rec, target)) {
        MessageBeep(0);
        return true;
    }
    const int moved = rec->draggedColumn, from = rec->columns[moved].position;
    if (target == from || target == from + 1)
        return true;
    const int lastBefore = LastVisiblePosition(rec);
    const int lastColumnBefore = ColumnAt(rec, lastBefore);
    {
        ItemLock lock;
        if (target > from) {
            for (int pos = from + 1; pos < target; ++pos)
                --rec->columns[ColumnAt(rec, pos)].position;
            rec->columns[moved].position = target - 1;
        } else {
            for (int pos = target; pos < from; ++pos)
                ++rec->columns[ColumnAt(rec, pos)].position;
            rec->columns[moved].position = target;
        }
        for (int col = 0; col < rec->columnCount; ++col)
            rec->columns[rec->columns[col].position].columnAtPosition = col;
    }
    InvalidateHeaderBand(rec);
    InvalidateAllRows(rec);
    // The field shows the first visible column, which may be another now.
    SyncEditText(rec);
    if (rec->openEnded && (from >= lastBefore || target > lastBefore)) {
        const int lastColumn = ColumnAt(rec, LastVisiblePosition(rec));
        if (!ShiftExtent(rec, static_cast<long long>(rec->columns[lastColumnBefore].width) -
                                  rec->columns[lastColumn].width))
            return false;
    }
    return Notify(rec, TARNN_COLUMNMOVED);
}

void EraseMarker(ControlRecord* rec)
{
    if (IsRectEmpty(&rec->trackRect))
        return;
    DrawOnScreen(rec->trackRect);
    SetRectEmpty(&rec->trackRect);
}
