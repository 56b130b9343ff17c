// Per-row formatting of the row-header strip: colours and bitmap of one
// row's header, and the shared size of row-header bitmaps.
#pragma once

#include "core/cell_format.h"

// Row-header formatting that is not set: colours "not set", no bitmap, style 0.
void DefaultRowFormat(RowFormat* format);

// A new row format record with the defaults; NULL when the allocation fails.
// Freed with free() along with the item.
RowFormat* CreateRowFormat();

// The item's row format record, or NULL when it has none.
inline const RowFormat* ItemRowFormat(const TarnItem* item)
{
    return item ? item->rowInfo : nullptr;
}

// Behind Tarn_SetRowInfo / Tarn_GetRowInfo. Row -1 in the setter defines the
// size of row-header bitmaps from info->hbm.
FormatChange StoreRowInfo(ControlRecord* rec, const RowInfo* info);
bool ReadRowInfo(ControlRecord* rec, RowInfo* info);
