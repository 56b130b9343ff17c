// The column set: the control's own column array and its header texts.
#pragma once

#include "core/control_record.h"

// Frees every header text, the column array and the copy last handed out.
void FreeColumns(ControlRecord* rec);


// Replaces the whole column set with copies of defs[0 .. count-1] (count 0:
// one default column). False when refused or out of memory; the old set is
// then unchanged. Nothing is repainted here.
bool ReplaceColumns(ControlRecord* rec, int count, const ColumnDef* defs);

// Hands out a control-owned copy of the column array through *out (when out
// is not NULL), replacing the copy handed out before. The column count, or 0
// when the copy cannot be allocated.
int GetColumns(ControlRecord* rec, ColumnDef** out);
