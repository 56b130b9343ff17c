// What a press hits and what it starts: the drop button, the corner button,
// a column header or its divider, the field, a row header, or a zone of a
// row, each reported to the parent with the button's base code plus the
// zone (and 10 for a double-click, 70 on the field).
#include "columns/corner_cell.h"
#include "columns/header_band.h"
#include "core/hierarchy.h"
#include "layout/column_geometry.h"
#include "layout/control_geometry.h"
#include "layout/row_geometry.h"
#include "window/drop_close.h"
#include "window/header_drag.h"
#include "window/notify.h"
#include "window/selection.h"
#include "window/tracking.h"
#include "window/view.h"

namespace {
constexpr int kZoneLabel = TARNN_PART_LABEL;
constexpr int kZoneTree = TARNN_PART_TREEBUTTON;
constexpr int kZoneBitmap = TARNN_PART_BITMAP;

bool LeftButtonOnly(const ControlRecord* rec)
{
    return (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_LEFTBUTTONONLY) != 0;
}

// Row-header modes that draw buttons take clicks; flat ones do not.
bool RowHeadersClickable(const ControlRecord* rec)
{
    return rec->showRowHeader == TARN_ROWHEADER_BUTTON || rec->showRowHeader == TARN_ROWHEADER_INDEX ||
           rec->showRowHeader == TARN_ROWHEADER_NUMBER;
}

// The column under x, whose open-ended last column reaches as far as the
// window that got the press lays the columns out.
int ColumnUnder(const ControlRecord* rec, bool fromControl, int x)
{
    if (!rec->columns)
        return -1;
    const int available = fromControl ? HeaderColumnsWidth(rec) : ListWidth(rec);
    const long long at = static_cast<long long>(x) + rec->horizontalOffset;
    for (int pos = 0; pos < rec->columnCount; ++pos)
        if (at < ColumnEdge(rec, pos, available))
            return rec->columns[pos].columnAtPosition;
    return -1;
}

bool PressDropButton(ControlRecord* rec)
{
    if (rec->count < 1) {
        MessageBeep(0);
        return true;
    }
    rec->trackMode = kTrackDropButton;
    rec->dropButtonDown = 1;
    InvalidateDropButton(rec);
    return ToggleList(rec, false);
}

void PressCorner(ControlRecord* rec)
{
    if (!rec->showRowColHeaderButton)
        return;
    if (rec->rowColHeaderStyle & TARNRHS_DISABLED) {
        MessageBeep(0);
        return;
    }
    rec->trackMode = kTrackCorner;
    rec->savedRowColButton = rec->rowColHeaderButton;
    rec->rowColHeaderButton = !rec->rowColHeaderButton;
    InvalidateCorner(rec);
}

// A divider starts a resize; elsewhere the header is pressed, to be clicked
// or, once dragged far enough, moved.
void PressHeader(ControlRecord* rec, POINT pt)
{
    const int divider = DividerAt(rec, pt.x);
    if (divider >= 0) {
        rec->sizingColumn = divider;
        rec->trackMode = kTrackResize;
        SetRectEmpty(&rec->trackRect);
        return;
    }
    if (rec->showHeader != TARN_HEADER_BUTTONS && (!rec->reorderColumns || rec->columnCount < 2))
        return;
    const int col = rec->caretColumn;
    if (!IsValidColumn(rec, col))
        return;
    if (rec->columns[col].headerFormat & TARNHF_DISABLED) {
        MessageBeep(0);
        return;
    }
    rec->savedHeaderButton = rec->headerButton;
    if (rec->showHeader == TARN_HEADER_BUTTONS)
        rec->headerButton = col;
    rec->hotHeaderColumn = col;
    rec->trackMode = kTrackHeader;
    rec->dragOffsetX = pt.x;
    rec->dragOffsetY = pt.y;
    InvalidateHeaderBand(rec);
}

// The zone of a row the press lies in, left to right: label, tree
// indentation, item bitmap; -1 for the rest of the row.
int RowZone(ControlRecord* rec, int row, int x)
{
    const int xr = x - rec->rowHeaderWidth + rec->horizontalOffset;
    const int margin = rec->showLabels || rec->showTreeLines || rec->showBitmaps ? 2 : 0;
    const int label = rec->showLabels ? rec->bmLabel.bmWidth : 0;
    const int indent = LevelOverhead(rec, LevelOf(rec, row)) - LevelOverhead(rec, 0);
    if (rec->showLabels && xr < label + margin)
        return kZoneLabel;
    if (rec->showTreeLines && xr < indent + label + 2)
        return kZoneTree;
    if (rec->showBitmaps && xr < label + indent + margin + rec->bmItemBitmap.bmWidth)
        return kZoneBitmap;
    return -1;
}

bool PressRows(ControlRecord* rec, bool fromControl, bool doubleClick, POINT pt, int code)
{
    POINT inControl = pt;
    if (!fromControl)
        MapWindowPoints(rec->hwndDropDown, rec->hwnd, &inControl, 1);
    int inField = 0;
    const int row = IndexFromPoint(rec, &inControl, &inField);
    if (inField)
        code += TARNN_INFIELD;
    if (doubleClick)
        code += TARNN_DBLCLK;
    if (row >= 0 && rec->rowHeaderWidth != 0 && pt.x < rec->rowHeaderWidth) {
        if (!RowHeadersClickable(rec))
            return true;
        if (rec->rowHeaderStyle & TARNRHS_DISABLED) {
            MessageBeep(0);
            return true;
        }
        rec->trackMode = kTrackNone;
        return MoveHighlight(rec, row) && Notify(rec, code + TARNN_PART_ROWHEADER);
    }
    if (fromControl && inField) {
        if (rec->hwndEdit)
            return true;
        // The parent may keep the list as it is by cancelling the mode.
        rec->dropClosed = 0;
        if (!Notify(rec, code + TARNN_PART_ROW))
            return false;
        return rec->dropClosed || ToggleList(rec, false);
    }
    if (row < 0)
        return true;
    const int zone = RowZone(rec, row, pt.x);
    if (zone >= 0)
        return MoveHighlight(rec, row) && Notify(rec, code + zone);
    // A double-click leaves the highlight where the first click put it.
    if (!fromControl && !doubleClick && !MoveHighlight(rec, row))
        return false;
    return Notify(rec, code + TARNN_PART_ROW);
}

bool TrackPress(ControlRecord* rec, bool fromControl, bool doubleClick, POINT pt)
{
    HWND window = fromControl ? rec->hwnd : rec->hwndDropDown;
    if (!window)
        return true;
    SetCapture(window);
    rec->caretColumn = -1;
    const int base = PressBase(rec);
    if (base != TARNN_LBUTTON && LeftButtonOnly(rec))
        return true;
    RECT rc;
    if (fromControl) {
        DropButtonRect(rec, &rc);
        if (PtInRect(&rc, pt))
            return PressDropButton(rec);
        CornerRect(rec, &rc);
        if (PtInRect(&rc, pt)) {
            PressCorner(rec);
            return true;
        }
    }
    rec->caretColumn = ColumnUnder(rec, fromControl, pt.x);
    if (fromControl) {
        HeaderBandRect(rec, &rc);
        if (PtInRect(&rc, pt)) {
            PressHeader(rec, pt);
            return true;
        }
    }
    return PressRows(rec, fromControl, doubleClick, pt, base);
}
} // namespace

int PressBase(const ControlRecord* rec)
{
    switch (rec->pressState) {
    case 2: return TARNN_MBUTTON;
    case 3: return TARNN_RBUTTON;
    default: return TARNN_LBUTTON;
    }
}

bool StartPress(ControlRecord* rec, bool fromControl, int button, bool doubleClick, int x, int y)
{
    if (rec->pressState != 0)
        return true;
    rec->pressState = button;
    rec->trackMode = kTrackRows;
    return TrackPress(rec, fromControl, doubleClick, POINT{x, y});
}
