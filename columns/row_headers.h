// The row-header strip at the left of every row. It lives in two windows:
// the list window holds the rows' row headers, the control window the
// field's one (and the corner above it).
#pragma once

#include "core/control_record.h"

// Row index's header in list-window coordinates (a row out of view keeps the
// whole height of the list), or for index -1 the field's header in control
// coordinates. Empty without a row header or for a bad index.
void RowHeaderRect(ControlRecord* rec, int index, RECT* rect);

// The strip width row-header mode chooses: none without a header, else a few
// characters, widened in the numbering modes to hold the largest number the
// rows show, in the row-header font, with the margins of a header cell.
int AutoRowHeaderWidth(const ControlRecord* rec, int mode);

// While the width is the mode's own choice, sets it to AutoRowHeaderWidth;
// true when it changed (everything right of the strip then moves).
bool FitRowHeaderWidth(ControlRecord* rec);
