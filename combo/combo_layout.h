// Sizing of the control window and placement of its edit field and list window.
#pragma once

#include "core/control_record.h"

void ComboLayout(ControlRecord* rec);

// The field: the band under the column headers that shows the committed row,
// in control-window client coordinates.
void FieldRect(const ControlRecord* rec, RECT* rc);
