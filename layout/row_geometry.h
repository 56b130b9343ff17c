// Row heights, bands and widths of the control.
#pragma once

#include "core/control_record.h"

int ItemHeight(ControlRecord* rec, int index);
int FieldHeight(ControlRecord* rec);
int HeaderHeight(const ControlRecord* rec);
int LevelOverhead(const ControlRecord* rec, int level);
// Recomputes overheadWidth (tree indentation, labels, bitmaps) and sends
// notification 12 when it changed; false when the control was destroyed.
bool UpdateOverheadWidth(ControlRecord* rec);

// The list window's client rectangle less the row-header strip at its left;
// empty when there is no list window.
void ItemAreaRect(const ControlRecord* rec, RECT* rc);

// Rows that fit into the list (at least 1); takes the library lock.
int ItemsShown(ControlRecord* rec);
