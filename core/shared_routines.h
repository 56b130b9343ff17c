// Routines nearly every operation ends with: bringing layout and scroll bars
// up to date, invalidating rows, redrawing everything, and keeping the edit
// field's text and the highlighted/committed rows in step.
#pragma once

#include "core/control_record.h"

// Overhead width, scroll bars and combo layout, in that order (scroll bars
// twice, since the layout may add or remove one). No-op unless shown and
// redraw are both on.
void UpdateControl(ControlRecord* rec);

// Invalidates row index of the list window (and, with andFollowing, every
// row after it). withRowHeader extends the area to the row-header strip;
// without wholeWidth that strip is all that is covered.
void InvalidateRows(ControlRecord* rec, int index, bool andFollowing = false,
                    bool withRowHeader = true, bool wholeWidth = true);

void RedrawAll(ControlRecord* rec);
void SyncEditText(ControlRecord* rec);

void SetCurSelRow(ControlRecord* rec, int index);
// Returns false when the control was destroyed by the parent during the
// notification; the caller must not touch rec then.
bool SelectCurrentItem(ControlRecord* rec, int index, bool notify);
bool SetHighlight(ControlRecord* rec, int index, bool commit);
void MoveHighlight(ControlRecord* rec, int index);

// Text of the first visible column (the first display position whose column
// is wider than 0; column 0 when none is).
int FirstVisibleColumn(const ControlRecord* rec);
