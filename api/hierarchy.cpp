// The exported hierarchy functions: item levels, navigation of the tree and
// the removal of a subtree.
#include "api/call_frame.h"
#include "core/hierarchy.h"
#include "core/lock.h"
#include "window/drop_close.h"
#include "window/selection.h"
#include "window/view.h"

extern "C" int WINAPI Tarn_GetItemLevel(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        ItemLock lock;
        return IsValidRow(rec, index) ? LevelOf(rec, index) : -1;
    });
}

extern "C" BOOL WINAPI Tarn_SetItemLevel(HWND hwnd, int index, int level)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        const LevelChange change = StoreItemLevel(rec, index, level);
        if (!change.accepted)
            return FALSE;
        (void)RepaintLevelChange(rec, index, change);
        return TRUE;
    });
}

extern "C" int WINAPI Tarn_GetParent(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return FindParent(rec, index); });
}

extern "C" int WINAPI Tarn_GetTopParent(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return TopParent(rec, index); });
}

extern "C" int WINAPI Tarn_GetDependent(HWND hwnd, int index, int which)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return DependentOf(rec, index, which); });
}

extern "C" int WINAPI Tarn_GetDependentCount(HWND hwnd, int index, BOOL allLevels)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return DependentCount(rec, index, allLevels); });
}

extern "C" int WINAPI Tarn_GetSibling(HWND hwnd, int index, int which)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return SiblingOf(rec, index, which); });
}

extern "C" int WINAPI Tarn_DeleteDependents(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        // Closing the list notifies the parent, which may change the items
        // meanwhile; the deletion checks the index again.
        if (IsVirtual(rec) || !IsValidRow(rec, index) || !CloseList(rec, false))
            return -1;
        if (!IsValidRow(rec, index))
            return -1;
        int repaintFrom = index;
        bool currentCleared = false;
        if (!DeleteDependentItems(rec, index, &repaintFrom, &currentCleared))
            return -1;
        // The committed row was one of the dependents: the edit field empties.
        if (currentCleared && !SelectCurrentItem(rec, -1, false))
            return -1;
        InvalidateRows(rec, repaintFrom, true);
        const int count = rec->count;
        (void)UpdateControl(rec);
        return count;
    });
}
