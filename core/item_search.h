// Searching items by text or by item data.
#pragma once

#include "core/control_record.h"

// Case-insensitive search of column, starting after startAfter (-1: from
// item 0). exact compares whole texts, otherwise text is a prefix. With wrap
// every item is tested once, ending with startAfter itself. Index or -1.
int FindItemText(ControlRecord* rec, int startAfter, int column, const char* text, BOOL wrap, bool exact);

// First item from start on (no wrap) whose itemData equals value, or -1.
int FindItemData(ControlRecord* rec, int start, LPARAM value);
