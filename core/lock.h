// The library's one process-wide recursive lock. It guards the item pointer
// arrays, the item counts and the few heap strings several operations share,
// and is held only around those accesses (never across notifications or
// painting). The delete callback runs while it is held.
#pragma once

void InitItemLock();
void DeleteItemLock();
void EnterItemLock();
void LeaveItemLock();

// Scoped holder; the lock is recursive, so nesting is fine.
class ItemLock {
public:
    ItemLock() { EnterItemLock(); }
    ~ItemLock() { LeaveItemLock(); }
    ItemLock(const ItemLock&) = delete;
    ItemLock& operator=(const ItemLock&) = delete;
};
