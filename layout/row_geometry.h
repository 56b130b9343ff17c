// Row heights, bands and widths of the control.
#pragma once

#include "core/control_record.h"

int ItemHeight(ControlRecord* rec, int index);
int FieldHeight(ControlRecord* rec);
int HeaderHeight(const ControlRecord* rec);
// Width before the first column for a row of level: tree indentation,
// labels and bitmaps. overheadWidth is this for maxLevel.
int LevelOverhead(const ControlRecord* rec, int level);

// The list window's client rectangle less the row-header strip at its left;
// empty when there is no list window.
void ItemAreaRect(const ControlRecord* rec, RECT* rc);

// Rows that fit into the list (at least 1); takes the library lock.
int ItemsShown(ControlRecord* rec);

// Rectangle of a visible row (index >= topIndex, on screen) in list-window
// coordinates, or of the field for index -1 (control coordinates): 0, or -1
// with *rect emptied.
int ItemRect(ControlRecord* rec, int index, RECT* rect);

// The cell of row (negative: the current item) and column (negative: the
// caret column) in list-window coordinates, kept in rec->cellRect; NULL when
// the row is not visible or either index is bad.
RECT* CellRect(ControlRecord* rec, int row, int column);

// Row under pt (control client coordinates) or -1; *inField (optional) is
// set when pt lies in the field, whose row is the current item.
int IndexFromPoint(ControlRecord* rec, const POINT* pt, int* inField);

// How far the columns can scroll left: the horizontal extent beyond the
// list's width.
int MaxHorizontalOffset(const ControlRecord* rec);
