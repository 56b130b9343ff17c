// Where the dropped list of a drop-down type opens on the screen.
#pragma once

#include "core/control_record.h"

// The list window's rectangle in screen coordinates, border included: under
// the field (or above it when there is more room there), as wide as
// droppedWidth asks but never past the screen's right edge, and as high as
// droppedHeight rows or pixels, plus a horizontal scroll bar when the
// columns need one.
void DroppedRect(ControlRecord* rec, RECT* rc);
