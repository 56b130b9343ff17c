// The item store: individually allocated item records reached through one
// growable pointer array in the control record.
#pragma once

#include "core/control_record.h"

// Growth step of the pointer array, and the free-entry count above which a
// deletion shrinks it back.
constexpr int kItemArrayStep = 500;
constexpr int kItemArrayShrinkAbove = 1000;

// Every item access is GetItem ... ReleaseItem; in virtual mode the record is
// lent by the application between the two.
TarnItem* GetItem(ControlRecord* rec, int index);
void ReleaseItem(ControlRecord* rec);

// Inserts a copy of templ at index with text in column 0; index or -1 on
// allocation failure (the control is then unchanged).
int InsertItem(ControlRecord* rec, const TarnItem* templ, int index, const char* text, LPARAM itemData);
void DeleteItem(ControlRecord* rec, int index);
void ResetItems(ControlRecord* rec);

// First earlier item on the same level before one on a lower level, or -1.
int PreviousSibling(ControlRecord* rec, int index);

// Index of item in the array, trying hint first; -1 when it is no longer
// stored. Only pointer values are compared, never dereferenced, so it is safe
// after a callback may have freed the item.
int LocateItem(const ControlRecord* rec, const TarnItem* item, int hint);

// Frees everything an item owns, and the item itself.
void FreeItem(TarnItem* item, int columnCount);

// Heap copy of text (NULL for NULL); NULL also on allocation failure.
char* DuplicateText(const char* text);

inline int ItemLevel(const TarnItem* item) { return TARNIF_LEVEL(item->flags); }
