// Walks over neighbouring items that give the tree its shape.
//
// Every walk reads one item at a time and keeps only its level, because in
// virtual mode each access gives the previous record back to the application.
#include "core/hierarchy.h"

namespace {

int LevelAt(ControlRecord* rec, int index)
{
    TarnItem* item = GetItem(rec, index);
    int level = item ? ItemLevel(item) : 0;
    ReleaseItem(rec);
    return level;
}

constexpr int kMaxStoredLevel = TARNIF_LEVELMASK >> TARNIF_LEVELSHIFT;

} // namespace

int ParentItem(ControlRecord* rec, int index)
{
    if (!IsValidRow(rec, index))
        return -1;
    int level = LevelAt(rec, index);
    if (level == 0)
        return -1;
    for (int i = index - 1; i >= 0; --i)
        if (LevelAt(rec, i) < level)
            return i;
    return -1;
}

int PreviousSibling(ControlRecord* rec, int index)
{
    if (!IsValidRow(rec, index))
        return -1;
    int level = LevelAt(rec, index);
    for (int i = index - 1; i >= 0; --i) {
        int other = LevelAt(rec, i);
        if (other == level)
            return i;
        if (other < level)
            return -1;
    }
    return -1;
}

void SetItemLevelBits(ControlRecord* rec, int index, int level)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return;
    if (level < 0)
        level = 0;
    if (level > kMaxStoredLevel)
        level = kMaxStoredLevel;
    TarnItem* item = GetItem(rec, index);
    if (item)
        item->flags = (item->flags & ~TARNIF_LEVELMASK) | (static_cast<DWORD>(level) << TARNIF_LEVELSHIFT);
    ReleaseItem(rec);
    if (level > rec->maxLevel)
        rec->maxLevel = level;
}
