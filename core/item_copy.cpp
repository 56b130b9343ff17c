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

// Everything an item owns, as separate heap blocks.
struct ItemContents {
    char** texts = nullptr;
    char* rowText = nullptr;
    RowFormat* rowInfo = nullptr;
    CellFormat* cellInfo = nullptr;
};

void FreeContents(ItemContents* contents, int columnCount)
{
    if (contents->texts) {
        for (int i = 0; i < columnCount; ++i)
            free(contents->texts[i]);
        free(contents->texts);
    }
    free(contents->rowText);
    free(contents->rowInfo);
    free(contents->cellInfo);
    *contents = ItemContents();
}

bool CloneContents(const TarnItem* source, int columnCount, ItemContents* out)
{
    out->texts = static_cast<char**>(calloc(columnCount, sizeof(char*)));
    if (!out->texts)
        return false;
    bool ok = true;
    for (int i = 0; ok && i < columnCount; ++i) {
        const char* text = source->texts ? source->texts[i] : nullptr;
        out->texts[i] = DuplicateText(text);
        ok = !text || out->texts[i];
    }
    if (ok && source->rowText) {
        out->rowText = DuplicateText(source->rowText);
        ok = out->rowText != nullptr;
    }
    if (ok && source->rowInfo) {
        out->rowInfo = static_cast<RowFormat*>(calloc(1, sizeof(RowFormat)));
        ok = out->rowInfo != nullptr;
        if (ok)
            memcpy(out->rowInfo, source->rowInfo, kRowFormatBytes);
    }
    if (ok && source->cellInfo) {
        size_t bytes = static_cast<size_t>(columnCount) * sizeof(CellFormat);
        out->cellInfo = static_cast<CellFormat*>(malloc(bytes));
        ok = out->cellInfo != nullptr;
        if (ok)
            memcpy(out->cellInfo, source->cellInfo, bytes);
    }
    if (!ok)
        FreeContents(out, columnCount);
    return ok;
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
    const int columns = rec->columnCount > 0 ? rec->columnCount : 1;
    ItemContents contents;
    if (!CloneContents(src, columns, &contents))
        return -1;

    TarnItem plain = {};
    plain.hbmLabel = src->hbmLabel;
    plain.hbmBitmap = src->hbmBitmap;
    plain.flags = src->flags & TARNIF_ENABLED;
    if (destination < 0 || destination >= rec->count)
        destination = rec->count;
    const int index = InsertItem(rec, &plain, destination, nullptr, src->itemData);
    if (index < 0) {
        FreeContents(&contents, columns);
        return -1;
    }
    TarnItem* copy = rec->items[index];
    free(copy->texts);   // the new item's own array is still empty
    copy->texts = contents.texts;
    copy->rowText = contents.rowText;
    copy->rowInfo = contents.rowInfo;
    copy->cellInfo = contents.cellInfo;
    // Through the level setter, so that maxLevel follows the copy.
    *level = StoreItemLevel(rec, index, ItemLevel(src));
    return index;
}
