// Replacing the column set, with what it means for the windows: an open list
// closes, the edit field is rebuilt for the new first column, and everything
// is laid out and repainted.
#pragma once

#include "core/control_record.h"

// Tarn_SetColumns on the record: *accepted tells whether the set was taken.
// False when the parent destroyed the control meanwhile.
[[nodiscard]] bool SetColumnSet(ControlRecord* rec, int count, const ColumnDef* defs, bool* accepted);
