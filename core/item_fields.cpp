// Item data, the enabled bit and the delete callback.
#include "core/item_fields.h"

#include "core/item_store.h"
#include "core/lock.h"

bool StoreItemData(ControlRecord* rec, int index, LPARAM value)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return false;
    TarnItem* item = GetItem(rec, index);
    if (item)
        item->itemData = value;
    ReleaseItem(rec);
    return true;
}

bool StoreItemStatus(ControlRecord* rec, int index, int status, bool* changed)
{
    *changed = false;
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return false;
    TarnItem* item = GetItem(rec, index);
    if (item) {
        const DWORD enabled = status ? TARNIF_ENABLED : 0;
        *changed = (item->flags & TARNIF_ENABLED) != enabled;
        item->flags = (item->flags & ~TARNIF_ENABLED) | enabled;
    }
    ReleaseItem(rec);
    return true;
}

int ReadItemStatus(ControlRecord* rec, int index)
{
    ItemLock lock;
    if (!IsValidRow(rec, index))
        return 0;
    TarnItem* item = GetItem(rec, index);
    const int enabled = item && (item->flags & TARNIF_ENABLED) ? 1 : 0;
    ReleaseItem(rec);
    return enabled;
}

bool StoreDeleteCallback(ControlRecord* rec, const TarnDeleteCallbackInfo* info)
{
    if (IsVirtual(rec))
        return false;
    rec->deleteCallback = info ? info->callback : nullptr;
    rec->deleteUserData = info ? info->userData : 0;
    return true;
}
