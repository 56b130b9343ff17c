// Adding a row the way Tarn_InsertString_A does, for every caller inside the
// library that adds rows.
#pragma once

#include "core/control_record.h"

// A new enabled row with text in column 0 at index (out of range appends),
// repainted from where it went in. Closes an open list first. The new row's
// index, or a negative result when the control refused it (virtual mode, no
// memory) or died on the way.
int InsertRow(ControlRecord* rec, int index, const char* text);
