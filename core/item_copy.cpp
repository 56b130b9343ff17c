// Copying items. A copy is made in full before anything is inserted, so a
// failed allocation leaves the control unchanged.
#include "core/item_copy.h"

#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#include "core/lock.h"

namespace {

// The meaningful bytes of a row format record; whatever allocated the source
// record provided at least these.
constexpr size_t kRowFormatBytes = offsetof(RowFormat, bitmapStyle) + sizeof(SHORT);

// A new item with copies of everything the source owns, its texts packed
// into a pool sized for all of them; NULL when memory runs out.
TarnItem* CloneItem(const TarnItem* source, int columnCount)
{
    size_t textBytes = 0;
    for (int i = 0; i < columnCount; ++i)
        textBytes += source->texts[i] ? strlen(source->texts[i]) + 1 : 0;
    TarnItem* copy = CreateItem(columnCount, textBytes);
    if (!copy)
        return nullptr;
    bool ok = true;
    for (int i = 0; ok && i < columnCount; ++i)
        ok = StoreItemText(copy, columnCount, i, source->texts[i]);
    if (ok && source->rowText) {
        copy->rowText = DuplicateText(source->rowText);
        ok = copy->rowText != nullptr;
    }
    if (ok && source->rowInfo) {
        copy->rowInfo = static_cast<RowFormat*>(calloc(1, sizeof(RowFormat)));
        ok = copy->rowInfo != nullptr;
        if (ok)
            memcpy(copy->rowInfo, source->rowInfo, kRowFormatBytes);
    }
    if (ok && source->cellInfo) {
        size_t bytes = static_cast<size_t>(columnCount) * sizeof(CellFormat);
        copy->cellInfo = static_cast<CellFormat*>(malloc(bytes));
        ok = copy->cellInfo != nullptr;
        if (ok)
            memcpy(copy->cellInfo, source->cellInfo, bytes);
    }
    if (!ok) {
        FreeItem(copy, columnCount);
        return nullptr;
    }
    copy->hbmLabel = source->hbmLabel;
    copy->hbmBitmap = source->hbmBitmap;
    copy->itemData = source->itemData;
    copy->flags = source->flags & TARNIF_ENABLED;
    return copy;
}

} // namespace

int CopyItemData(ControlRecord* rec, int source, int destination, LevelChange* level)
{
    *level = LevelChange{};
    ItemLock lock;
    if (IsVirtual(rec) || !IsValidRow(rec, source))
        return -1;
    // The source record stays where it is in memory while the insertion
    // shifts indices, so a copy to a place before it reads it unchanged.
    const TarnItem* src = rec->items[source];
    TarnItem* copy = CloneItem(src, StoredColumns(rec));
    if (!copy)
        return -1;
    if (destination < 0 || destination >= rec->count)
        destination = rec->count;
    const int index = InsertCreatedItem(rec, copy, destination);
    if (index < 0)
        return -1;
    // Through the level setter, so that maxLevel follows the copy.
    *level = StoreItemLevel(rec, index, ItemLevel(src));
    return index;
}
