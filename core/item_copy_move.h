// Copying and moving single items (their dependents stay where they are).
#pragma once

#include "core/control_record.h"

// Inserts a full copy of source at destination (out of range appends);
// the new index, or -1. Copying to a place before the source works.
int CopyItem(ControlRecord* rec, int source, int destination);

// Copies source to destination and removes the original without reporting
// it to the delete callback; the item's final index, or -1.
int MoveItem(ControlRecord* rec, int source, int destination);
