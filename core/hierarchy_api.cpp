// The exported hierarchy functions: item levels, navigation of the tree and
// the removal of a subtree. Each reads the record and runs the routine of
// core/hierarchy.cpp that does the work.
#include "core/hierarchy.h"
#include "core/lock.h"

extern "C" int WINAPI Tarn_GetItemLevel(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    ItemLock lock;
    if (!IsValidRow(rec, index))
        return -1;
    return LevelOf(rec, index);
}

extern "C" BOOL WINAPI Tarn_SetItemLevel(HWND hwnd, int index, int level)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetItemLevel(rec, index, level);
}

extern "C" int WINAPI Tarn_GetParent(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    return FindParent(rec, index);
}

extern "C" int WINAPI Tarn_GetTopParent(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    return TopParent(rec, index);
}

extern "C" int WINAPI Tarn_GetDependent(HWND hwnd, int index, int which)
{
    ControlRecord* rec = GetRecord(hwnd);
    return DependentOf(rec, index, which);
}

extern "C" int WINAPI Tarn_GetDependentCount(HWND hwnd, int index, BOOL allLevels)
{
    ControlRecord* rec = GetRecord(hwnd);
    return DependentCount(rec, index, allLevels);
}

extern "C" int WINAPI Tarn_GetSibling(HWND hwnd, int index, int which)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SiblingOf(rec, index, which);
}

extern "C" int WINAPI Tarn_DeleteDependents(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    return DeleteDependents(rec, index);
}
