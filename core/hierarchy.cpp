// Walks over neighbouring items that give the tree its shape, the level
// setter with its repaint of tree lines, and the removal of a subtree.
//
// Every walk reads one item at a time and keeps only its level, because in
// virtual mode each access gives the previous record back to the application.
#include "core/hierarchy.h"

#include "combo/drop_close.h"
#include "columns/header_band.h"
#include "core/lock.h"
#include "core/shared_routines.h"
#include "layout/row_geometry.h"
#include "window/notify.h"

namespace {

// Last index of the run of items after index whose level is above level;
// index itself when the run is empty.
int EndOfRun(ControlRecord* rec, int index, int level)
{
    int last = index;
    while (last + 1 < rec->count && LevelOf(rec, last + 1) > level)
        ++last;
    return last;
}

// Rows whose tree lines pass through or end at a row whose level moved
// across pivot (the lower of the old and new level): backwards up to and
// including the nearest item at pivot, stopping short of anything shallower;
// forwards over the run of deeper items. Each row is invalidated on its own,
// so rows beyond the affected ones stay valid.
void InvalidateTreeLines(ControlRecord* rec, int index, int pivot)
{
    InvalidateRows(rec, index);
    for (int i = index - 1; i >= 0; --i) {
        const int level = LevelOf(rec, i);
        if (level < pivot)
            break;
        InvalidateRows(rec, i);
        if (level == pivot)
            break;
    }
    for (int i = index + 1; i < rec->count && LevelOf(rec, i) > pivot; ++i)
        InvalidateRows(rec, i);
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
    for (int i = index - 1; i >= 0; --i)
        if (LevelOf(rec, i) < level)
            return i;
    return -1;
}

int TopParent(ControlRecord* rec, int index)
{
    if (!IsValidRow(rec, index))
        return -1;
    const int level = LevelOf(rec, index);
    int candidate = -1;
    for (int i = index - 1; i >= 0; --i) {
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
    for (int i = index - 1; i >= 0; --i) {
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
    for (int i = index + 1; i < rec->count; ++i) {
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
        for (int i = index + step; i >= 0 && i < rec->count; i += step) {
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
        for (int i = index + 1; i < rec->count; ++i) {
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

BOOL SetItemLevel(ControlRecord* rec, int index, int level)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return FALSE;
    // The flags hold six bits. Anything deeper is stored as the deepest level
    // rather than wrapped, so what is stored is always what reads back and
    // maxLevel never exceeds a level some item really has had.
    if (level < 0)
        level = 0;
    if (level > kMaxItemLevel)
        level = kMaxItemLevel;

    TarnItem* item = GetItem(rec, index);
    const int old = item ? ItemLevel(item) : level;
    if (item && old != level)
        item->flags = (item->flags & ~TARNIF_LEVELMASK) | (static_cast<DWORD>(level) << TARNIF_LEVELSHIFT);
    ReleaseItem(rec);
    if (old == level)
        return TRUE;

    if (level > rec->maxLevel) {
        // A deeper level widens the indentation in front of the first column.
        rec->maxLevel = level;
        HWND hwnd = rec->hwnd;
        if (!UpdateOverheadWidth(rec) || !ControlSurvived(hwnd, rec))
            return TRUE;
        InvalidateHeaderBand(rec);
        // Every later column moves right with the wider indentation.
        if (rec->columnCount > 1)
            InvalidateRows(rec, 0, true);
    }

    if (!rec->shown || !rec->redraw)
        return TRUE;
    InvalidateTreeLines(rec, index, level < old ? level : old);
    return TRUE;
}

int DeleteDependents(ControlRecord* rec, int index)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return -1;
    HWND hwnd = rec->hwnd;
    // Closing the list notifies the parent, so it happens before the lock is
    // taken; the parent may change the items meanwhile, hence the re-check.
    if (!CloseList(rec, false) || !ControlSurvived(hwnd, rec))
        return -1;
    int repaintFrom = index;
    {
        // Held across the whole subtree so that no other thread ever sees it
        // half removed; the delete callback runs inside it, as always.
        ItemLock lock;
        if (IsVirtual(rec) || !IsValidRow(rec, index))
            return -1;
        TarnItem* self = rec->items[index];
        const int level = ItemLevel(self);
        while (index + 1 < rec->count && ItemLevel(rec->items[index + 1]) > level) {
            TarnItem* next = rec->items[index + 1];
            DeleteItem(rec, index + 1);
            if (!ControlSurvived(hwnd, rec))
                return -1;
            // The callback may have rearranged the store: follow the item, and
            // stop rather than spin when the dependent could not be removed.
            index = LocateItem(rec, self, index);
            if (index < 0 || IsVirtual(rec)) {
                repaintFrom = 0;
                break;
            }
            repaintFrom = index;
            if (index + 1 < rec->count && rec->items[index + 1] == next)
                break;
        }
    }
    InvalidateRows(rec, repaintFrom, true);
    const int count = rec->count;
    UpdateControl(rec);
    return count;
}
