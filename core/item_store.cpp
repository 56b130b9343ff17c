// The item store: creation, access, insertion and removal of item records.
//
// Items are individually allocated records reached through one pointer array
// (items, count used entries followed by freeSlots spare ones). Insertion and
// deletion move pointers only, so an item pointer stays valid while other
// items come and go. The array, count and freeSlots change only under the
// item lock. Nothing here paints or notifies: the operations report what
// changed and the caller repaints once the lock is released.
#include "core/item_store.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "core/lock.h"

namespace {

// Set on an item once the delete callback has been told about it, so that a
// deletion or reset started from inside the callback (or the control's
// destruction) frees the item without reporting it a second time. Only items
// on their way out carry it; no getter exposes it.
constexpr DWORD kItemInDeleteCallback = 0x80000000u;


// Reports an item to the delete callback, once: the item is marked first and
// stays marked until it is freed. False when the control is dead afterwards.
bool ReportDeletion(ControlRecord* rec, HWND hwnd, TarnItem* item, int index)
{
    if (rec->deleteCallback && !(item->flags & kItemInDeleteCallback)) {
        item->flags |= kItemInDeleteCallback;
        rec->deleteCallback(hwnd, index, item->itemData, rec->deleteUserData);
    }
    return !rec->dead;
}

// Gives the pointer array room for entries (at least count) pointers;
// false, changing nothing, when memory runs out.
bool ResizeItemArray(ControlRecord* rec, size_t entries)
{
    auto* items = static_cast<TarnItem**>(realloc(rec->items, entries * sizeof(TarnItem*)));
    if (!items)
        return false;
    const size_t count = static_cast<size_t>(rec->count);
    memset(items + count, 0, (entries - count) * sizeof(TarnItem*));
    rec->items = items;
    rec->freeSlots = static_cast<int>(entries - count);
    return true;
}

} // namespace

char* DuplicateText(const char* text)
{
    if (!text)
        return nullptr;
    size_t length = strlen(text);
    char* copy = static_cast<char*>(malloc(length + 1));
    if (copy)
        memcpy(copy, text, length + 1);
    return copy;
}

void FreeItem(TarnItem* item, int columnCount)
{
    if (!item)
        return;
    if (item->texts) {
        for (int i = 0; i < columnCount; ++i)
            free(item->texts[i]);
        free(item->texts);
    }
    free(item->rowText);
    free(item->cellInfo);
    free(item->rowInfo);
    free(item);
}

TarnItem* GetItem(ControlRecord* rec, int index)
{
    if (!IsVirtual(rec))
        return IsValidRow(rec, index) ? rec->items[index] : nullptr;

    // The application lends one record at a time: give the previous one back
    // before asking for the next, even when it is the same row again.
    if (rec->virtualItemIndex >= 0) {
        TarnItem* lent = rec->virtualItem;
        int lentIndex = rec->virtualItemIndex;
        rec->virtualItem = nullptr;
        rec->virtualItemIndex = -1;
        if (lent && rec->virtualReleaseCallback)
            rec->virtualReleaseCallback(rec->hwnd, rec->virtualUserData, lentIndex, lent);
    }
    if (index < 0)
        return nullptr;
    rec->virtualItemIndex = index;
    rec->virtualItem = nullptr;
    rec->virtualFetchCallback(rec->hwnd, rec->virtualUserData, index, &rec->virtualItem);
    if (!rec->virtualItem)
        rec->virtualItemIndex = -1;   // nothing lent, nothing to give back
    // A control destroyed from inside the callback has no rows left to read.
    return rec->dead ? nullptr : rec->virtualItem;
}

void ReleaseItem(ControlRecord*)
{
    // Stored items need no release, and a lent virtual item stays lent until
    // the next access (or an explicit change notice) gives it back, so that
    // repeated reads of one row do not thrash the application.
}

int InsertItem(ControlRecord* rec, const TarnItem* templ, int index, const char* text, LPARAM itemData)
{
    // Build the whole item before touching the store, so that any failure
    // leaves the control exactly as it was.
    if (rec->releasingItems)
        return -1;
    TarnItem* item = static_cast<TarnItem*>(calloc(1, sizeof(TarnItem)));
    if (!item)
        return -1;
    // Plain fields only: the owned blocks of a template are never shared.
    if (templ) {
        item->hbmLabel = templ->hbmLabel;
        item->hbmBitmap = templ->hbmBitmap;
        item->flags = templ->flags & (TARNIF_ENABLED | TARNIF_LEVELMASK);
    }
    item->itemData = itemData;

    int columns = rec->columnCount > 0 ? rec->columnCount : 1;
    item->texts = static_cast<char**>(calloc(columns, sizeof(char*)));
    if (!item->texts) {
        FreeItem(item, 0);
        return -1;
    }
    if (text) {
        item->texts[0] = DuplicateText(text);
        if (!item->texts[0]) {
            FreeItem(item, columns);
            return -1;
        }
    }

    ItemLock lock;
    if (index < 0 || index > rec->count)
        index = rec->count;
    if (rec->freeSlots < 1) {
        // Growing by a share of the size keeps the copying of a long fill
        // proportional to its rows; a fixed step made it quadratic.
        const size_t entries = static_cast<size_t>(rec->count) + rec->freeSlots;
        const size_t limit = INT_MAX / sizeof(TarnItem*);
        size_t grown = entries < kItemArrayMinimum ? kItemArrayMinimum : entries + entries / 2;
        if (grown > limit)
            grown = limit;
        if (grown <= entries || !ResizeItemArray(rec, grown)) {
            FreeItem(item, columns);
            return -1;
        }
    }

    if (rec->curSel >= 0 && index <= rec->curSel)
        ++rec->curSel;
    if (rec->currentItem >= 0 && index <= rec->currentItem)
        ++rec->currentItem;

    --rec->freeSlots;
    memmove(rec->items + index + 1, rec->items + index,
            static_cast<size_t>(rec->count - index) * sizeof(TarnItem*));
    ++rec->count;
    rec->items[index] = item;
    return index;
}

ItemDeletion DeleteItem(ControlRecord* rec, int index, bool report)
{
    ItemDeletion result = {true, false, false};
    ItemLock lock;
    if (IsVirtual(rec) || !IsValidRow(rec, index) || rec->releasingItems)
        return result;
    TarnItem* item = rec->items[index];
    if (report && !ReportDeletion(rec, rec->hwnd, item, index)) {
        result.survived = false;   // the destruction freed the item with the rest
        return result;
    }
    // The callback may have changed the store; go on with wherever the item
    // is now, or stop if it is already gone.
    index = LocateItem(rec, item, index);
    if (index < 0)
        return result;

    if (rec->topIndex >= rec->count - 1)
        rec->topIndex = rec->topIndex > 0 ? rec->topIndex - 1 : 0;
    if (rec->curSel >= index)
        rec->curSel = rec->curSel == index ? -1 : rec->curSel - 1;
    if (rec->currentItem > index) {
        --rec->currentItem;
    } else if (rec->currentItem == index) {
        rec->currentItem = -1;
        result.currentCleared = true;
    }

    --rec->count;
    ++rec->freeSlots;
    memmove(rec->items + index, rec->items + index + 1, static_cast<size_t>(rec->count - index) * sizeof(TarnItem*));
    rec->items[rec->count] = nullptr;
    FreeItem(item, rec->columnCount);
    result.removed = true;

    // The array shrinks only well below the size it would grow at, to one
    // and a half times the rows, so that rows coming and going around any
    // count never move it back and forth. A failed shrink keeps the larger
    // array.
    const int entries = rec->count + rec->freeSlots;
    if (rec->count == 0) {
        free(rec->items);
        rec->items = nullptr;
        rec->freeSlots = 0;
    } else if (entries > kItemArrayMinimum && rec->count < entries / 4) {
        const int shrunk = rec->count + rec->count / 2;
        (void)ResizeItemArray(rec, shrunk > kItemArrayMinimum ? shrunk : kItemArrayMinimum);
    }
    return result;
}

bool ResetItems(ControlRecord* rec)
{
    ItemLock lock;
    // A reset started from one of our own reports (or by the destruction it
    // caused) has nothing to add: the reset in progress releases every row.
    if (rec->releasingItems)
        return !rec->dead;
    if (!IsVirtual(rec) && rec->count > 0) {
        // The callback keeps getting the control's handle even after it
        // destroyed the window, so it can still tell which control it hears
        // from; the text arrays were sized by the column count of now.
        HWND hwnd = rec->hwnd;
        const int columns = rec->columnCount;
        rec->releasingItems = 1;
        // Every row is reported before any is freed. Rows a deletion in
        // progress has reported already carry the mark and are skipped. The
        // reports go on when a callback destroys the control, since the
        // application may release what it keeps for each row there.
        for (int i = 0; i < rec->count; ++i)
            (void)ReportDeletion(rec, hwnd, rec->items[i], i);
        rec->releasingItems = 0;
        for (int i = 0; i < rec->count; ++i)
            FreeItem(rec->items[i], columns);
        free(rec->items);
        rec->items = nullptr;
        rec->count = 0;
        rec->freeSlots = 0;
    }
    // Last, so that whatever a callback selected or scrolled to is undone.
    rec->curSel = -1;
    rec->currentItem = -1;
    rec->topIndex = 0;
    rec->maxLevel = 0;
    rec->horizontalOffset = 0;
    // overheadWidth is left to the layout, which tells the parent when the
    // lower maxLevel changes it.
    return !rec->dead;
}

int LocateItem(const ControlRecord* rec, const TarnItem* item, int hint)
{
    if (hint >= 0 && hint < rec->count && rec->items[hint] == item)
        return hint;
    for (int i = 0; i < rec->count; ++i)
        if (rec->items[i] == item)
            return i;
    return -1;
}
