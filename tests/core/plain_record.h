// A control record built in memory, with no window: what the plain-data
// tests drive the item store, the hierarchy and the formatting with.
#pragma once

#include <cstdlib>
#include <cstring>

#include "core/control_record.h"
#include "core/item_store.h"

// Zeroes rec and gives it `columns` visible columns 100 pixels wide in index
// order, no selection, redraw on and shown off (so no window work is done).
inline void InitPlainRecord(ControlRecord* rec, int columns)
{
    std::memset(rec, 0, sizeof *rec);
    rec->columnCount = columns;
    rec->columns = static_cast<ColumnDef*>(std::calloc(columns, sizeof(ColumnDef)));
    for (int i = 0; i < columns; ++i) {
        rec->columns[i].width = 100;
        rec->columns[i].backColor = rec->columns[i].textColor = TARN_COLOR_NONE;
        rec->columns[i].selBackColor = rec->columns[i].selTextColor = TARN_COLOR_NONE;
        rec->columns[i].position = rec->columns[i].columnAtPosition = i;
    }
    rec->curSel = rec->currentItem = rec->virtualItemIndex = -1;
    rec->redraw = TRUE;
    rec->locale = 0x400;
}

// Frees the items (without callbacks or virtual mode) and the columns.
inline void FreePlainRecord(ControlRecord* rec)
{
    rec->virtualFetchCallback = nullptr;
    rec->deleteCallback = nullptr;
    (void)ResetItems(rec);
    std::free(rec->columns);
    rec->columns = nullptr;
}
