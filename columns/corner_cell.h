// The corner cell: where the column-header band meets the row-header strip.
#pragma once

#include "core/control_record.h"

// The corner in control client coordinates; empty unless both a column
// header and a row header are shown.
void CornerRect(const ControlRecord* rec, RECT* rc);

// Marks the corner for repainting (without erasing) when the control is
// shown, redraw is on and the corner exists.
void InvalidateCorner(const ControlRecord* rec);
