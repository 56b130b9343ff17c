// Sorting one sibling group: the children of one item, or the rows of row
// 0's level from row 0 on, each sibling moving with its dependents.
//
// The order is that of repeated passes that exchange neighbouring siblings
// whose comparison is above 0: stable, and with a plain comparison a row that
// has no text in the column is never compared, so nothing passes it. It is
// reached by a merge sort of the siblings instead, O(n log n) comparisons
// rather than O(n^2), with the rows without text splitting the group into
// runs sorted on their own.
//
// Nothing here repaints or notifies; the caller moves the selection and
// repaints.
#pragma once

#include "core/control_record.h"

// Rows first..end: the siblings from first through last and the dependents
// of each.
struct SortGroup {
    int first;
    int last;   // the last sibling
    int end;    // its last dependent, or last itself
};

// The children of parent (-1: the group row 0 begins). False when the group
// has fewer than two siblings; parent must be -1 or a valid row.
bool FindSortGroup(ControlRecord* rec, int parent, SortGroup* group);

// At most one callback is set; with none, texts are compared by the
// control's locale. Only the extended callback is given rows without text.
struct SortComparison {
    TARNCOMPAREPROC plain;
    TARNCOMPAREEXPROC extended;
};

enum class SortOutcome {
    Sorted,
    NoMemory,      // the work array could not be had; nothing moved
    RowsChanged,   // a callback changed the rows or the columns; nothing moved
    Died,          // a callback destroyed the control: read nothing but `dead`
};

// Sorts the group by the texts of column (valid), not in virtual mode.
// *row, a row index or -1, is moved along with its item.
SortOutcome SortSiblings(ControlRecord* rec, const SortGroup& group, int column, const SortComparison& compare,
                         int* row);
