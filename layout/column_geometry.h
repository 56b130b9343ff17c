// Horizontal geometry of the columns: where each display position starts and
// how wide each column is drawn, in list-window coordinates before scrolling
// (x = 0 is the left edge of the item area, right of the row-header strip).
#pragma once

#include "core/control_record.h"

// Lowest display position whose column is wider than 0 (0 when none is).
int FirstVisiblePosition(const ControlRecord* rec);
// Highest display position whose column is wider than 0 (columnCount - 1 when
// none is).
int LastVisiblePosition(const ControlRecord* rec);

// The column at the first visible position: the one whose text the edit
// field and the clipboard take (column 0 when no column is visible).
int FirstVisibleColumn(const ControlRecord* rec);

// Width of the list's item area: the list window's client width when it
// exists, else the width the dropped list would get; less the row headers.
int ListWidth(const ControlRecord* rec);

// Left edge of display position pos for a row of the given level. Positions
// up to the first visible one start after the row's own indentation; later
// ones after the deepest level's overhead plus the widths before them. A
// negative level (headers) has no indentation of its own.
int ColumnLeft(const ControlRecord* rec, int pos, int level = -1);

// Displayed width of column (an index, not a position) for a row of the given
// level, when the scrollable area is listWidth wide: hidden columns and those
// after the last visible one take 0; the last visible one runs to the end of
// the scrollable width when openEnded is set.
int CellWidth(const ControlRecord* rec, int listWidth, int column, int level = -1);
// The same for the rows' own width (ListWidth) and no indentation.
inline int CellWidth(const ControlRecord* rec, int column) { return CellWidth(rec, ListWidth(rec), column, -1); }

