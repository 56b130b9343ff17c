// Cell texts and row-header texts of items.
#include "core/item_texts.h"

#include <stdlib.h>
#include <string.h>

#include "core/item_store.h"
#include "core/lock.h"

namespace {

bool CopyOut(const char* text, char* buffer, int* length)
{
    *length = text ? static_cast<int>(strlen(text)) : 0;
    if (text && buffer)
        memcpy(buffer, text, static_cast<size_t>(*length) + 1);
    return true;
}

// Copy of text for storing, with NULL meaning "no text". False only when a
// copy was needed and could not be made.
bool CopyForStore(const char* text, char** copy)
{
    *copy = DuplicateText(text);
    return !text || *copy;
}

} // namespace

bool ReadCellText(ControlRecord* rec, int row, int column, char* buffer, int* length)
{
    ItemLock lock;
    if (row == -1)
        row = rec->currentItem;
    if (!IsValidRow(rec, row) || !IsValidColumn(rec, column))
        return false;
    TarnItem* item = GetItem(rec, row);
    CopyOut(item && item->texts ? item->texts[column] : nullptr, buffer, length);
    ReleaseItem(rec);
    return true;
}

bool StoreCellText(ControlRecord* rec, int row, int column, const char* text)
{
    if (IsVirtual(rec))
        return false;
    ItemLock lock;
    if (!IsValidRow(rec, row) || !IsValidColumn(rec, column))
        return false;
    // No copy is made ahead: the item's pool may take the text without an
    // allocation, and a failed one leaves the old text in place.
    TarnItem* item = GetItem(rec, row);
    const bool stored = item && StoreItemText(item, StoredColumns(rec), column, text);
    ReleaseItem(rec);
    return stored;
}

bool ReadRowText(ControlRecord* rec, int row, char* buffer, int* length)
{
    ItemLock lock;
    if (!IsValidRow(rec, row))
        return false;
    TarnItem* item = GetItem(rec, row);
    CopyOut(item ? item->rowText : nullptr, buffer, length);
    ReleaseItem(rec);
    return true;
}

bool StoreRowText(ControlRecord* rec, int row, const char* text)
{
    char* copy;
    if (IsVirtual(rec) || !CopyForStore(text, &copy))
        return false;
    ItemLock lock;
    TarnItem* item = IsValidRow(rec, row) ? GetItem(rec, row) : nullptr;
    if (item) {
        free(item->rowText);
        item->rowText = copy;
    } else {
        free(copy);
    }
    ReleaseItem(rec);
    return item != nullptr;
}
