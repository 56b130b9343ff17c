#include "core/lock.h"

#include <windows.h>

namespace {
CRITICAL_SECTION g_itemLock;
// Code linked statically (the plain-data tests) never runs the module entry
// point, so the lock initialises itself on first use as well.
LONG g_initialised = 0;
}

void InitItemLock()
{
    if (InterlockedCompareExchange(&g_initialised, 1, 0) == 0)
        InitializeCriticalSection(&g_itemLock);
}

void DeleteItemLock()
{
    if (InterlockedCompareExchange(&g_initialised, 0, 1) == 1)
        DeleteCriticalSection(&g_itemLock);
}

void EnterItemLock()
{
    InitItemLock();
    EnterCriticalSection(&g_itemLock);
}

void LeaveItemLock()
{
    LeaveCriticalSection(&g_itemLock);
}
