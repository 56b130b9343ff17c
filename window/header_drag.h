// Resizing and moving columns by dragging in the header band, and the XOR
// marker that shows where the drag would end.
#pragma once

#include "core/control_record.h"

// Right edge of the column at display position pos, in control client
// coordinates before scrolling, when the columns are laid out in `available`
// pixels (what the open-ended last column stretches to).
int ColumnEdge(const ControlRecord* rec, int pos, int available);

// The column whose divider lies within 4 pixels of x (control client
// coordinates) in the header, the rightmost when several do; -1 when none
// does or the header does not resize. Fixed-width columns have no divider.
int DividerAt(const ControlRecord* rec, int x);

// Whether the system shows window contents while dragging: the resize then
// applies at every move instead of showing a marker.
bool DragFullWindows();

// Gives column the width that puts its right edge at x, narrowing earlier
// columns when x lies left of them; notifications 10 and 8 when something
// changed. False when the control died meanwhile.
[[nodiscard]] bool ResizeColumn(ControlRecord* rec, int column, int x);

// The pointer at (x, y) in control coordinates during a resize or a move:
// starts or stops the header auto-scroll (fromControl only), moves the
// marker and, for a move, shows whether the column may drop here.
void TrackHeader(ControlRecord* rec, bool fromControl, int x);

// Drops the moved column at x: beeps when it may not go there; notification
// 9 when it moved. False when the control died meanwhile.
[[nodiscard]] bool DropColumn(ControlRecord* rec, int x);

// Takes the marker off the screen (nothing when none is drawn).
void EraseMarker(ControlRecord* rec);
