// Walks over neighbouring items that give the tree its shape, the level
// setter and the removal of a subtree.
//
// Every walk reads one item at a time and keeps only its level, because in
// virtual mode each access gives the previous record back to the application.
// Each read may run the application's fetch, which may destroy the control:
// the walks that can run long stop then rather than read on through nothing.
#include "core/hierarchy.h"

#include "core/lock.h"

namespace {

// Last index of the run of items after index whose level is above level;
// index itself when the run is empty.
int EndOfRun(ControlRecord* rec, int index, int level)
{
    int last = index;
    while (last + 1 < rec->count && !rec->dead && LevelOf(rec, last + 1) > level)
        ++last;
    return last;
}

} // namespace

int LevelOf(ControlRecord* rec, int index)
{
    TarnItem* item = GetItem(rec, index);
    int level = item ? ItemLevel(item) : 0;
    ReleaseItem(rec);
    return level;
}

int FindParent(ControlRecord* rec, int index)
{
    if (!IsValidRow(rec, index))
        return -1;
    const int level = LevelOf(rec, index);
    if (level == 0)
        return -1;
    for (int i = index - 1; i >= 0 && !rec->dead; --i)
        if (LevelOf(rec, i) < level)
            return i;
    return -1;
}

int TopParent(ControlRecord* rec, int index)
{
    if (!IsValidRow(rec, index))
        return -1;
    // A top-level row has no parent: no walk back over the rows before it.
    const int level = LevelOf(rec, index);
    if (level == 0)
        return -1;
    int candidate = -1;
    for (int i = index - 1; i >= 0 && !rec->dead; --i) {
        const int other = LevelOf(rec, i);
        if (other < level) {
            candidate = i;
            if (other == 0)
                break;
        }
    }
    return candidate;
}

int PreviousSibling(ControlRecord* rec, int index)
{
    if (!IsValidRow(rec, index))
        return -1;
    const int level = LevelOf(rec, index);
    for (int i = index - 1; i >= 0 && !rec->dead; --i) {
        const int other = LevelOf(rec, i);
        if (other == level)
            return i;
        if (other < level)
            return -1;
    }
    return -1;
}

int DependentOf(ControlRecord* rec, int index, int which)
{
    if (!IsValidRow(rec, index))
        return -1;
    if (which != TARN_DEPENDENT_FIRST && which != TARN_DEPENDENT_LAST)
        return -1;
    const int level = LevelOf(rec, index);
    if (which == TARN_DEPENDENT_FIRST)
        return index + 1 < rec->count && LevelOf(rec, index + 1) > level ? index + 1 : -1;
    const int last = EndOfRun(rec, index, level);
    return last > index ? last : -1;
}

int DependentCount(ControlRecord* rec, int index, BOOL allLevels)
{
    ItemLock lock;
    if (!IsValidRow(rec, index))
        return -1;
    const int level = LevelOf(rec, index);
    int n = 0;
    for (int i = index + 1; i < rec->count && !rec->dead; ++i) {
        const int other = LevelOf(rec, i);
        if (other <= level)
            break;
        if (allLevels || other == level + 1)
            ++n;
    }
    return n;
}

int SiblingOf(ControlRecord* rec, int index, int which)
{
    if (!IsValidRow(rec, index))
        return -1;
    const int level = LevelOf(rec, index);
    switch (which) {
    case TARN_SIBLING_FIRST:
    case TARN_SIBLING_LAST: {
        const int step = which == TARN_SIBLING_FIRST ? -1 : 1;
        int found = index;
        for (int i = index + step; i >= 0 && i < rec->count && !rec->dead; i += step) {
            const int other = LevelOf(rec, i);
            if (other < level)
                break;
            if (other == level)
                found = i;
        }
        return found;
    }
    case TARN_SIBLING_PREVIOUS:
        return PreviousSibling(rec, index);
    case TARN_SIBLING_NEXT:
        for (int i = index + 1; i < rec->count && !rec->dead; ++i) {
            const int other = LevelOf(rec, i);
            if (other == level)
                return i;
            if (other < level)
                return -1;
        }
        return -1;
    default:
        return -1;
    }
}

LevelChange StoreItemLevel(ControlRecord* rec, int index, int level)
{
    LevelChange change = {false, false, 0, 0, false};
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return change;
    change.accepted = true;
    // The flags hold six bits. Anything deeper is stored as the deepest level
    // rather than wrapped, so what is stored is always what reads back and
    // maxLevel never exceeds a level some item really has had.
    if (level < 0)
        level = 0;
    if (level > kMaxItemLevel)
        level = kMaxItemLevel;

    TarnItem* item = GetItem(rec, index);
    change.oldLevel = item ? ItemLevel(item) : level;
    change.newLevel = level;
    change.changed = item && change.oldLevel != level;
    if (change.changed) {
        item->flags = (item->flags & ~TARNIF_LEVELMASK) | (static_cast<DWORD>(level) << TARNIF_LEVELSHIFT);
        ++rec->itemChanges;
    }
    ReleaseItem(rec);
    if (change.changed && level > rec->maxLevel) {
        rec->maxLevel = level;
        change.maxLevelRaised = true;
    }
    return change;
}

bool DeleteDependentItems(ControlRecord* rec, int index, int* repaintFrom, bool* currentCleared)
{
    *repaintFrom = index;
    if (currentCleared)
        *currentCleared = false;
    // Held across the whole subtree so that no other thread ever sees it half
    // removed; the delete callback runs inside it, as always.
    ItemLock lock;
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return !rec->dead;
    TarnItem* self = rec->items[index];
    const int level = ItemLevel(self);
    while (index + 1 < rec->count && ItemLevel(rec->items[index + 1]) > level) {
        TarnItem* next = rec->items[index + 1];
        const ItemDeletion deletion = DeleteItem(rec, index + 1);
        if (currentCleared)
            *currentCleared |= deletion.currentCleared;
        if (!deletion.survived)
            return false;
        // The callback may have rearranged the store: follow the item, and
        // stop rather than spin when the dependent could not be removed.
        index = LocateItem(rec, self, index);
        if (index < 0 || IsVirtual(rec)) {
            *repaintFrom = 0;
            return true;
        }
        *repaintFrom = index;
        if (index + 1 < rec->count && rec->items[index + 1] == next)
            break;
    }
    return true;
}
