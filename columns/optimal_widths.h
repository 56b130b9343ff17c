// How wide a column or the row-header strip must be to show its contents:
// the cell texts, fonts and bitmaps of the first rows, the column header and
// the corner. Pure measurement on a DC the caller gives; nothing is changed
// here, so the caller decides what a deeper or shallower tree means for the
// layout.
#pragma once

#include "core/control_record.h"

// Rows a measurement bounded by maxRows covers: all of them below 1.
int MeasuredRowCount(const ControlRecord* rec, int maxRows);

// Width of text in one line as DrawText lays it out (0 for NULL or "").
int SingleLineWidth(HDC dc, const char* text);

// Optimal width of a valid column over rows 0 .. rows-1, without the tree
// indentation; *deepest receives the deepest level among those rows. -1
// when the control went away while a virtual row was fetched.
int OptimalColumnWidth(ControlRecord* rec, HDC dc, int column, int rows, int* deepest);

// Optimal row-header width over rows 0 .. rows-1 and the corner; -1 as above.
int OptimalRowHeaderWidth(ControlRecord* rec, HDC dc, int rows);

// Deepest level among rows 0 .. rows-1.
int DeepestLevel(ControlRecord* rec, int rows);
