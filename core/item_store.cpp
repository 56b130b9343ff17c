// The item store: creation, access, insertion and removal of item records.
//
// Items are individually allocated records, each one block with its short
// texts, reached through one pointer array (items, count used entries
// followed by freeSlots spare ones). Insertion and deletion move pointers
// only, so an item pointer stays valid while other items come and go. The array, count and freeSlots change only under the
// item lock. Nothing here paints or notifies: the operations report what
// changed and the caller repaints once the lock is released.
#include "core/item_store.h"

#include <limits.h>
#include <stdint.h>
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

// Rows typically carry a handful of short texts. With a block for the record,
// one for its texts array and one per text, a row of five made seven
// allocations and spent more on heap bookkeeping than on text, so an item is
// one block instead:
//
//   TarnItem | char* texts[columns] | TextPool | pool bytes
//
// item->texts points at the array right behind the record (the public
// record cannot grow a field for it, and the array's length is fixed: stored
// items never change their column count). A text lives in the pool when it
// fits, else in a block of its own; which of the two a text pointer is, its
// address tells, so nothing more is recorded per text. The pool is filled
// from the front (used); a replaced text leaves a hole behind that a
// compaction recovers when the room is needed. The holes are counted, so
// that a text that cannot fit even then goes to a block of its own without
// a look at every column (rows may be wide).
struct TextPool {
    uint16_t capacity;
    uint16_t used;
    uint16_t holes;   // bytes below used that no text holds
};

// The pool stays small: texts long enough to fill it pay little for a block
// of their own, and a pool larger than this would mostly waste room in rows
// whose other cells stay short or empty. The floor leaves a little room for
// the texts that follow an empty first one.
constexpr size_t kPoolCapacityLimit = 1024;
constexpr size_t kPoolCapacityFloor = 16;

TextPool* PoolOf(TarnItem* item, int columnCount)
{
    return reinterpret_cast<TextPool*>(item->texts + columnCount);
}

char* PoolBytes(TextPool* pool) { return reinterpret_cast<char*>(pool + 1); }

bool InPool(TextPool* pool, const char* text)
{
    const uintptr_t at = reinterpret_cast<uintptr_t>(text), first = reinterpret_cast<uintptr_t>(PoolBytes(pool));
    return at >= first && at - first < pool->capacity;
}

size_t TextBytes(const char* text) { return strlen(text) + 1; }

// Gives up a text's room: its block, or in the pool the front's claim on it
// when it is the last text there (so that texts set one after the other and
// replaced in the same order reuse the room without a compaction), else a
// hole.
void ReleaseText(TextPool* pool, char* text)
{
    if (!text)
        return;
    if (!InPool(pool, text)) {
        free(text);
        return;
    }
    const size_t offset = static_cast<size_t>(text - PoolBytes(pool)), bytes = TextBytes(text);
    if (offset + bytes == pool->used)
        pool->used = static_cast<uint16_t>(offset);
    else
        pool->holes = static_cast<uint16_t>(pool->holes + bytes);
}

// Packs the pool texts of every column but column to the front of the pool,
// followed by text (which may itself be one of them), and makes that the
// text of column. False, changing nothing, when it all does not fit.
bool CompactWith(TarnItem* item, int columnCount, int column, const char* text, size_t textBytes)
{
    TextPool* pool = PoolOf(item, columnCount);
    size_t live = 0;
    for (int i = 0; i < columnCount; ++i)
        if (i != column && InPool(pool, item->texts[i]))
            live += TextBytes(item->texts[i]);
    if (live + textBytes > pool->capacity)
        return false;
    // Through a scratch copy, so that no text is overwritten before it is
    // read, whatever the order of the texts in the pool.
    char scratch[kPoolCapacityLimit];
    size_t at = 0;
    for (int i = 0; i < columnCount; ++i)
        if (i != column && InPool(pool, item->texts[i])) {
            const size_t bytes = TextBytes(item->texts[i]);
            memcpy(scratch + at, item->texts[i], bytes);
            item->texts[i] = PoolBytes(pool) + at;   // read again only after the copy back
            at += bytes;
        }
    memcpy(scratch + at, text, textBytes);
    memcpy(PoolBytes(pool), scratch, at + textBytes);
    item->texts[column] = PoolBytes(pool) + at;
    pool->used = static_cast<uint16_t>(at + textBytes);
    pool->holes = 0;
    return true;
}

// Pool room for a new row: as many texts as long as its first one and a
// quarter more, since rows are mostly filled column by column with texts
// alike, and a name in the first column is often a little shorter than the
// values beside it. A first text too long for any pool says nothing about
// the others.
size_t PoolBytesFor(const char* first, int columnCount)
{
    const size_t bytes = first ? TextBytes(first) : 1;
    if (bytes > kPoolCapacityLimit)
        return kPoolCapacityFloor;
    const size_t wanted = bytes * static_cast<size_t>(columnCount) * 5 / 4;
    if (wanted > kPoolCapacityLimit)
        return kPoolCapacityLimit;
    return wanted > kPoolCapacityFloor ? wanted : kPoolCapacityFloor;
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

TarnItem* CreateItem(int columnCount, size_t poolBytes)
{
    if (columnCount < 1)
        columnCount = 1;
    if (poolBytes > kPoolCapacityLimit)
        poolBytes = kPoolCapacityLimit;
    const size_t bytes = sizeof(TarnItem) + static_cast<size_t>(columnCount) * sizeof(char*) + sizeof(TextPool) + poolBytes;
    TarnItem* item = static_cast<TarnItem*>(calloc(1, bytes));
    if (!item)
        return nullptr;
    item->texts = reinterpret_cast<char**>(item + 1);
    PoolOf(item, columnCount)->capacity = static_cast<uint16_t>(poolBytes);
    return item;
}

bool StoreItemText(TarnItem* item, int columnCount, int column, const char* text)
{
    if (columnCount < 1)
        columnCount = 1;
    TextPool* pool = PoolOf(item, columnCount);
    char* const old = item->texts[column];
    if (!text) {
        ReleaseText(pool, old);
        item->texts[column] = nullptr;
        return true;
    }
    // text may be one of the item's own texts, old itself too: every path
    // reads it before the room it lies in is given up or overwritten.
    char* const start = PoolBytes(pool);
    const bool oldInPool = InPool(pool, old);
    const size_t bytes = TextBytes(text), oldBytes = oldInPool ? TextBytes(old) : 0;
    const bool oldIsLast = oldInPool && old + oldBytes == start + pool->used;
    char* at = nullptr;
    if (oldInPool && (bytes <= oldBytes || (oldIsLast && bytes <= pool->capacity - static_cast<size_t>(old - start))))
        at = old;   // its own room, or that and the free room after it
    else if (bytes <= static_cast<size_t>(pool->capacity - pool->used))
        at = start + pool->used;
    if (at) {
        memmove(at, text, bytes);
        if (at != old) {
            pool->used = static_cast<uint16_t>(pool->used + bytes);
            ReleaseText(pool, old);
        } else if (oldIsLast) {
            pool->used = static_cast<uint16_t>(old - start + bytes);
        } else {
            pool->holes = static_cast<uint16_t>(pool->holes + oldBytes - bytes);
        }
        item->texts[column] = at;
        return true;
    }
    const size_t live = pool->used - pool->holes - oldBytes;
    if (live + bytes <= pool->capacity && CompactWith(item, columnCount, column, text, bytes)) {
        if (!oldInPool)
            free(old);
        return true;
    }
    char* copy = DuplicateText(text);
    if (!copy)
        return false;
    ReleaseText(pool, old);
    item->texts[column] = copy;
    return true;
}

void FreeItem(TarnItem* item, int columnCount)
{
    if (!item)
        return;
    if (columnCount < 1)
        columnCount = 1;
    TextPool* pool = PoolOf(item, columnCount);
    for (int i = 0; i < columnCount; ++i)
        if (!InPool(pool, item->texts[i]))
            free(item->texts[i]);
    free(item->rowText);
    free(item->cellInfo);
    free(item->rowInfo);
    free(item);
}

namespace {
// Gives the lent virtual record back. The release callback is the
// application's and may read rows itself, each read lending one again, so
// this goes on until nothing is lent. Nothing was lent when the fetch stored
// no record.
void GiveBackLent(ControlRecord* rec)
{
    while (rec->virtualItemIndex >= 0) {
        TarnItem* lent = rec->virtualItem;
        const int lentIndex = rec->virtualItemIndex;
        rec->virtualItem = nullptr;
        rec->virtualItemIndex = -1;
        if (lent && rec->virtualReleaseCallback)
            rec->virtualReleaseCallback(rec->hwnd, rec->virtualUserData, lentIndex, lent);
    }
}
} // namespace

TarnItem* GetItem(ControlRecord* rec, int index)
{
    if (!IsVirtual(rec))
        return IsValidRow(rec, index) ? rec->items[index] : nullptr;

    // The application lends one record at a time: give the previous one back
    // before asking for the next, even when it is the same row again.
    GiveBackLent(rec);
    // A destroyed control asks for nothing more, and a row the application
    // has meanwhile counted away is not asked for. Nor is a row while the
    // application is busy lending one: whatever reads rows from inside the
    // fetch (the application itself, or a paint its calls set off) reads
    // nothing, since a second row would be a second record lent.
    if (index < 0 || rec->dead || index >= rec->count || rec->virtualFetching)
        return nullptr;
    // The record is lent only once it is stored below.
    const TARNVIRTUALFETCHPROC fetch = rec->virtualFetchCallback;
    const int columns = rec->columnCount;
    TarnItem* item = nullptr;
    rec->virtualFetching = 1;
    fetch(rec->hwnd, rec->virtualUserData, index, &item);
    rec->virtualFetching = 0;
    // Callbacks replaced meanwhile lent it under terms no longer in force:
    // the new release callback never hears of it.
    if (!item || rec->virtualFetchCallback != fetch)
        return nullptr;
    rec->virtualItem = item;
    rec->virtualItemIndex = index;
    // Given back unread when the control died meanwhile, the row is gone, or
    // the record's texts were sized for another column count.
    if (rec->dead || index >= rec->count || rec->columnCount != columns) {
        GiveBackLent(rec);
        return nullptr;
    }
    return item;
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
    const int columns = StoredColumns(rec);
    TarnItem* item = CreateItem(columns, PoolBytesFor(text, columns));
    if (!item)
        return -1;
    // Plain fields only: the owned blocks of a template are never shared.
    if (templ) {
        item->hbmLabel = templ->hbmLabel;
        item->hbmBitmap = templ->hbmBitmap;
        item->flags = templ->flags & (TARNIF_ENABLED | TARNIF_LEVELMASK);
    }
    item->itemData = itemData;
    if (!StoreItemText(item, columns, 0, text)) {
        FreeItem(item, columns);
        return -1;
    }
    return InsertCreatedItem(rec, item, index);
}

int InsertCreatedItem(ControlRecord* rec, TarnItem* item, int index)
{
    ItemLock lock;
    if (rec->releasingItems) {
        FreeItem(item, StoredColumns(rec));
        return -1;
    }
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
            FreeItem(item, StoredColumns(rec));
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
    ++rec->itemChanges;
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
    ++rec->itemChanges;
    FreeItem(item, StoredColumns(rec));
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
        const int columns = StoredColumns(rec);
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
        ++rec->itemChanges;
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
