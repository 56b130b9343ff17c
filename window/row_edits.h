// Adding rows and emptying the control the way Tarn_InsertString_A and
// Tarn_ResetContent do, for every caller inside the library.
#pragma once

#include "core/control_record.h"

// A new enabled row with text in column 0 at index (out of range appends),
// repainted from where it went in. Closes an open list first. The new row's
// index, or a negative result when the control refused it (virtual mode, no
// memory) or died on the way.
int InsertRow(ControlRecord* rec, int index, const char* text);

// Ends a press, closes an open list, frees every row (each reported to the
// delete callback) and empties the field, also of what the user typed.
// Nothing in virtual mode. False when the control died on the way.
[[nodiscard]] bool ResetRows(ControlRecord* rec);
