// A control record built in memory, with no window: what the plain-data
// tests drive the data routines with.
#pragma once

#include <vector>

#include "columns/column_set.h"
#include "core/item_store.h"

// Zeroes rec and gives it the starting values of a hidden list-box control
// (hidden, so no window work is ever asked for) with `columns` visible
// columns 100 pixels wide in index order.
inline void InitPlainRecord(ControlRecord* rec, int columns)
{
    *rec = ControlRecord{};
    SetRecordDefaults(rec, TARNS_LISTBOX);
    std::vector<ColumnDef> defs(columns);
    for (int i = 0; i < columns; ++i) {
        defs[i].width = 100, defs[i].position = i;
        defs[i].backColor = defs[i].textColor = defs[i].selBackColor = defs[i].selTextColor = TARN_COLOR_NONE;
    }
    (void)ReplaceColumns(rec, columns, defs.data());
}

// Frees the items (out of virtual mode, telling no callback) and the columns.
inline void FreePlainRecord(ControlRecord* rec)
{
    rec->virtualFetchCallback = nullptr, rec->deleteCallback = nullptr;
    (void)ResetItems(rec);
    FreeColumns(rec);
}
