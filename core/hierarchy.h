// The item tree. It is not stored as links: it follows from item order and
// each item's level, so every relation is a walk over neighbouring items.
// An item's dependents are the run of following items with a higher level;
// its parent is the nearest earlier item with a lower level; its siblings are
// the items of its level reachable without crossing a lower level.
//
// Nothing here repaints or notifies: the level setter and the subtree removal
// report what changed, and the caller repaints.
#pragma once

#include "core/item_store.h"

// The highest level the item flags can hold.
constexpr int kMaxItemLevel = TARNIF_LEVELMASK >> TARNIF_LEVELSHIFT;

// Level of a valid row, read through GetItem (so virtual rows work too).
int LevelOf(ControlRecord* rec, int index);

// Nearest earlier item with a lower level; -1 for a level-0 item, a bad
// index, or when there is none.
int FindParent(ControlRecord* rec, int index);

// The level-0 item the parent chain leads to: scanning back, every item below
// the row's level is a candidate, and the scan ends at the first of level 0.
// -1 for a level-0 item, item 0 or a bad index.
int TopParent(ControlRecord* rec, int index);

// First earlier item on the same level before one on a lower level, or -1.
int PreviousSibling(ControlRecord* rec, int index);

// which: TARN_DEPENDENT_FIRST or TARN_DEPENDENT_LAST; -1 when there is none.
int DependentOf(ControlRecord* rec, int index, int which);

// Items in the run of dependents (allLevels) or only those one level down;
// -1 for a bad index.
int DependentCount(ControlRecord* rec, int index, BOOL allLevels);

// which: TARN_SIBLING_FIRST / _LAST (the row itself when it is at that end),
// _PREVIOUS / _NEXT (-1 when there is none).
int SiblingOf(ControlRecord* rec, int index, int which);

// What storing a level changed.
struct LevelChange {
    bool accepted;         // a stored row: the level now reads back as asked
    bool changed;
    int oldLevel;
    int newLevel;
    bool maxLevelRaised;   // the indentation before the first column grows
};

// Stores a level clamped to 0..kMaxItemLevel and raises maxLevel with it.
// Refused (accepted false) in virtual mode and for a bad index.
LevelChange StoreItemLevel(ControlRecord* rec, int index, int level);

// Deletes the run of dependents of index, each reported to the delete
// callback. *repaintFrom receives the first row whose look changed,
// *currentCleared whether the committed row was among those deleted; false
// when the control was destroyed meanwhile.
[[nodiscard]] bool DeleteDependentItems(ControlRecord* rec, int index, int* repaintFrom, bool* currentCleared = nullptr);
