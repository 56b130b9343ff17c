// Copying single items (their dependents stay where they are).
#pragma once

#include "core/hierarchy.h"

// Inserts a full copy of source at destination (out of range appends): texts,
// row-header text, row and cell formats, bitmaps, item data, the enabled bit
// and the level (whose effect lands in *level). The new index, or -1 in
// virtual mode, for a bad source or when memory runs out (nothing changes
// then). Copying to a place before the source works.
int CopyItemData(ControlRecord* rec, int source, int destination, LevelChange* level);
