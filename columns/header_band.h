// The column header band across the top of the control window and the header
// cell of each column in it.
#pragma once

#include "core/control_record.h"

// The band right of the corner cell, in control client coordinates; empty
// when no header is shown.
void HeaderBandRect(const ControlRecord* rec, RECT* rc);

// The width the header cells are laid out in, as the rows below them are:
// the open-ended last column ends where theirs does.
int HeaderColumnsWidth(const ControlRecord* rec);

// Header cell of column col (an index), scrolled by horizontalOffset; it may
// lie partly or wholly outside the band. Empty for a bad column or when no
// header is shown.
void HeaderRect(const ControlRecord* rec, int col, RECT* rc);

