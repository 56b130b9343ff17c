// Internal navigation of the item tree. The tree is not stored as links: it
// follows from item order and each item's level, so every relation is a walk
// over neighbouring items. (PreviousSibling is declared with the item store,
// which uses it to repaint tree lines after an insertion.)
#pragma once

#include "core/item_store.h"

// Nearest earlier item with a lower level; -1 for a level-0 item or when
// there is none.
int ParentItem(ControlRecord* rec, int index);

// Stores level (clamped to 0..63) in the item's level bits and raises
// maxLevel when the level is above it. No repaint and no layout: the caller
// brings the control up to date afterwards.
void SetItemLevelBits(ControlRecord* rec, int index, int level);
