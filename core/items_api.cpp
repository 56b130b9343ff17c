// The exported item functions: count and locale, adding, inserting, deleting
// and resetting items, item data, the enabled status and the delete callback.
#include "window/notify.h"
#include "core/items_api.h"

#include "combo/drop_close.h"
#include "core/hierarchy.h"
#include "core/item_store.h"
#include "core/lock.h"
#include "core/shared_routines.h"

// ---------------------------------------------------------------- on the record

void RepaintAfterInsert(ControlRecord* rec, int index)
{
    HWND hwnd = rec->hwnd;
    if (rec->shown && rec->redraw) {
        int sibling = PreviousSibling(rec, index);
        InvalidateRows(rec, sibling >= 0 ? sibling : index, true);
    }
    if (ControlSurvived(hwnd, rec))
        UpdateControl(rec);
}

int InsertString(ControlRecord* rec, int index, const char* text)
{
    if (IsVirtual(rec))
        return -1;
    if (!CloseList(rec, false))
        return -1;
    if (index < 0 || index >= rec->count)
        index = rec->count;
    TarnItem blank = {};
    blank.flags = TARNIF_ENABLED;
    int inserted = InsertItem(rec, &blank, index, text, 0);
    if (inserted < 0)
        return -1;
    RepaintAfterInsert(rec, inserted);
    return inserted;
}

int DeleteString(ControlRecord* rec, int index)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return -1;
    HWND hwnd = rec->hwnd;
    if (!CloseList(rec, false))
        return -1;
    // The parent may have changed the items while the list closed.
    if (!IsValidRow(rec, index))
        return -1;
    int parent = FindParent(rec, index);
    DeleteItem(rec, index);
    if (!ControlSurvived(hwnd, rec))
        return -1;
    // Dependents stay and move up under the parent, whose tree lines change.
    InvalidateRows(rec, parent >= 0 ? parent : 0, true);
    int count = rec->count;
    UpdateControl(rec);
    return count;
}

void ResetContent(ControlRecord* rec)
{
    if (IsVirtual(rec))
        return;
    if (!CloseList(rec, false))
        return;
    ResetItems(rec);
}

int SetItemData(ControlRecord* rec, int index, LPARAM value)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return -1;
    TarnItem* item = GetItem(rec, index);
    if (item)
        item->itemData = value;
    ReleaseItem(rec);
    return 0;
}

BOOL SetItemStatus(ControlRecord* rec, int index, int status)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return FALSE;
    TarnItem* item = GetItem(rec, index);
    bool changed = false;
    if (item) {
        DWORD enabled = status ? TARNIF_ENABLED : 0;
        changed = (item->flags & TARNIF_ENABLED) != enabled;
        item->flags = (item->flags & ~TARNIF_ENABLED) | enabled;
    }
    ReleaseItem(rec);
    if (changed)
        InvalidateRows(rec, index);
    return TRUE;
}

BOOL SetDeleteCallback(ControlRecord* rec, const TarnDeleteCallbackInfo* info)
{
    if (IsVirtual(rec))
        return FALSE;
    rec->deleteCallback = nullptr;
    rec->deleteUserData = 0;
    if (info) {
        rec->deleteCallback = info->callback;
        rec->deleteUserData = info->userData;
    }
    return TRUE;
}

// ---------------------------------------------------------------- exported

extern "C" int WINAPI Tarn_GetCount(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    ItemLock lock;
    return rec->count;
}

extern "C" LCID WINAPI Tarn_GetLocale(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->locale;
}

extern "C" LCID WINAPI Tarn_SetLocale(HWND hwnd, LCID locale)
{
    ControlRecord* rec = GetRecord(hwnd);
    LCID previous = rec->locale;
    rec->locale = locale;
    return previous;
}

extern "C" int WINAPI Tarn_AddString_A(HWND hwnd, const char* text)
{
    ControlRecord* rec = GetRecord(hwnd);
    return InsertString(rec, -1, text);
}

extern "C" int WINAPI Tarn_InsertString_A(HWND hwnd, int index, const char* text)
{
    ControlRecord* rec = GetRecord(hwnd);
    return InsertString(rec, index, text);
}

extern "C" int WINAPI Tarn_DeleteString(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    return DeleteString(rec, index);
}

extern "C" void WINAPI Tarn_ResetContent(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    ResetContent(rec);
}

extern "C" LPARAM WINAPI Tarn_GetItemData(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    ItemLock lock;
    if (!IsValidRow(rec, index))
        return -1;
    TarnItem* item = GetItem(rec, index);
    LPARAM value = item ? item->itemData : -1;
    ReleaseItem(rec);
    return value;
}

extern "C" int WINAPI Tarn_SetItemData(HWND hwnd, int index, LPARAM value)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetItemData(rec, index, value);
}

extern "C" int WINAPI Tarn_GetItemStatus(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!IsValidRow(rec, index))
        return 0;
    TarnItem* item = GetItem(rec, index);
    int enabled = item && (item->flags & TARNIF_ENABLED) ? 1 : 0;
    ReleaseItem(rec);
    return enabled;
}

extern "C" BOOL WINAPI Tarn_SetItemStatus(HWND hwnd, int index, int status)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetItemStatus(rec, index, status);
}

extern "C" BOOL WINAPI Tarn_SetDeleteCallback(HWND hwnd, const TarnDeleteCallbackInfo* info)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetDeleteCallback(rec, info);
}
