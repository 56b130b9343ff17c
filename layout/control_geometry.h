// Where the parts of the control window lie: the field under the header band
// and the drop button at its right.
#pragma once

#include "core/control_record.h"

// The control type from the window's style bits (0 for a record without a
// window).
int ControlType(const ControlRecord* rec);

// The control window's client width; clientWidth for a record without a
// window.
int ControlClientWidth(const ControlRecord* rec);

// The field: the band under the column headers that shows the committed row,
// in control client coordinates, right of the row-header strip and left of
// the drop button.
void FieldRect(const ControlRecord* rec, RECT* rc);

// The drop button of the drop-down types, spanning the header band and the
// field at the right edge; empty for type 0.
void DropButtonRect(const ControlRecord* rec, RECT* rc);
