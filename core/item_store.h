// The item store: individually allocated item records reached through one
// growable pointer array in the control record.
#pragma once

#include <stddef.h>

#include "core/control_record.h"

// Entries of a new pointer array. It grows by half its size when full, and
// shrinks to one and a half times the rows when they fill less than a
// quarter of it.
constexpr int kItemArrayMinimum = 16;

// Every item access is GetItem ... ReleaseItem; in virtual mode the record is
// lent by the application between the two. A virtual read runs the
// application's callbacks: afterwards the caller asks `dead` (NULL is then
// returned) and reads the count afresh. NULL also for a row beyond the count;
// GetItem (-1) gives the lent record back.
TarnItem* GetItem(ControlRecord* rec, int index);
void ReleaseItem(ControlRecord* rec);

// Inserts a copy of templ at index with text in column 0; index or -1 on
// allocation failure or while a reset reports its rows (the control is then
// unchanged).
int InsertItem(ControlRecord* rec, const TarnItem* templ, int index, const char* text, LPARAM itemData);

// A stored item is one heap block: the record, its texts array (one entry per
// column) and a pool the short texts live in. Texts that do not fit the pool
// get blocks of their own, and so do the row-header text and the formats.
// Only the routines below may allocate, replace or free an item's texts.

// A zeroed item with room for poolBytes of texts; NULL when memory runs out.
TarnItem* CreateItem(int columnCount, size_t poolBytes);
// Replaces the text of column with a copy (NULL removes it). False when
// memory runs out; the old text stays then.
bool StoreItemText(TarnItem* item, int columnCount, int column, const char* text);
// Inserts an item made by CreateItem at index (out of range appends), which
// the store then owns; index, or -1 (the item freed, the control unchanged)
// when the pointer array cannot grow or a reset reports its rows.
int InsertCreatedItem(ControlRecord* rec, TarnItem* item, int index);

// What a deletion did, for the caller to repaint and notify: the delete
// callback may have destroyed the control (survived false) or removed the
// item itself (removed false).
struct ItemDeletion {
    bool survived;
    bool removed;
    bool currentCleared;   // the committed row was the one deleted
};

// Removes item index, telling the delete callback first when report is set.
// Nothing is repainted here.
[[nodiscard]] ItemDeletion DeleteItem(ControlRecord* rec, int index, bool report = true);

// Removes every stored item, each reported to the delete callback once, and
// then clears the selection and the scroll state. The rows stay in place and
// readable while they are reported, and the store refuses to grow or shrink
// meanwhile: whatever the callback does (add rows, delete or reset, destroy
// the control), every row is reported and freed exactly once and the store
// ends empty. False when the control was destroyed meanwhile.
[[nodiscard]] bool ResetItems(ControlRecord* rec);

// Index of item in the array, trying hint first; -1 when it is no longer
// stored. Only pointer values are compared, never dereferenced, so it is safe
// after a callback may have freed the item.
int LocateItem(const ControlRecord* rec, const TarnItem* item, int hint);

// Frees everything an item made by CreateItem owns, and the item itself.
void FreeItem(TarnItem* item, int columnCount);

// Texts are stored per column of the control; a control without columns
// still stores one.
inline int StoredColumns(const ControlRecord* rec) { return rec->columnCount > 0 ? rec->columnCount : 1; }

// Heap copy of text (NULL for NULL); NULL also on allocation failure.
char* DuplicateText(const char* text);

inline int ItemLevel(const TarnItem* item) { return TARNIF_LEVEL(item->flags); }
