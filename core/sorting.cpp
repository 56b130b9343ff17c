// The merge sort of a sibling group.
//
// The store is left exactly as it is while the application's callbacks run:
// the sort works on a copy of the group's item pointers and orders the
// siblings there, and the new order is written back only once every
// comparison is done. A callback that deletes, inserts or moves rows, changes
// a level or replaces the columns, or destroys the control, thus finds every
// row where it was, and the sort just stops.
//
// The built-in comparison asks the locale once per row rather than once per
// pair: it compares the rows' sort keys, which order the texts exactly as
// CompareStringA does and cost a byte comparison per pair instead of a
// linguistic one.
#include "core/sorting.h"

#include <limits.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "core/hierarchy.h"
#include "core/lock.h"

namespace {

// One entry per row of the group, in one allocation: the rows as they stood,
// and for the siblings, in the first entries, the two arrays the merge passes
// alternate between (each a list of block starts, as offsets into the group).
struct Slot {
    TarnItem* item;
    int length;     // at the first row of a block: the rows of the block
    int order[2];
    size_t key;     // at a sibling: where its sort key lies among the keys
    int keyLength;
};

class Sorter {
public:
    Sorter(ControlRecord* rec, int column, const SortComparison& compare, Slot* slots)
        : rec_(rec), column_(column), compare_(compare), slots_(slots), changes_(rec->itemChanges) {}

    ~Sorter() { free(keys_); }
    Sorter(const Sorter&) = delete;
    Sorter& operator=(const Sorter&) = delete;

    SortOutcome outcome() const { return outcome_; }

    // The sort keys of the siblings' texts, one after the other in one block;
    // without them (memory, or a locale that makes none) the built-in
    // comparison asks CompareStringA for every pair.
    void MakeKeys(int blocks)
    {
        size_t used = 0, capacity = 0;
        for (int k = 0; k < blocks; ++k) {
            Slot& slot = slots_[slots_[k].order[0]];
            const char* text = slot.item->texts[column_];
            int length = text ? Key(text, used, capacity) : 0;
            if (text && length == 0) {
                const int needed = LCMapStringA(rec_->locale, LCMAP_SORTKEY, text, -1, nullptr, 0);
                const size_t wanted = used + static_cast<size_t>(needed) + (used + static_cast<size_t>(needed)) / 2;
                char* grown = needed > 0 ? static_cast<char*>(realloc(keys_, wanted)) : nullptr;
                if (grown)
                    keys_ = grown, capacity = wanted, length = Key(text, used, capacity);
                if (length == 0) {
                    free(keys_);
                    keys_ = nullptr;
                    return;
                }
            }
            slot.key = used, slot.keyLength = length, used += static_cast<size_t>(length);
        }
    }

    // Sorts the block starts in order[0] of entries lo..hi-1 stably, leaving
    // the result there; false when a callback stopped the sort.
    bool SortRun(int lo, int hi)
    {
        int from = 0;
        for (int width = 1; lo + width < hi; width *= 2, from ^= 1)
            for (int left = lo; left < hi; left += 2 * width)
                if (!Merge(from, left, Min(left + width, hi), Min(left + 2 * width, hi)))
                    return false;
        for (int k = lo; from && k < hi; ++k)
            slots_[k].order[0] = slots_[k].order[1];
        return true;
    }

private:
    static int Min(int a, int b) { return a < b ? a : b; }

    // Writes the sort key of text at offset at of the keys; its length, or 0
    // when it does not fit or the locale makes none.
    int Key(const char* text, size_t at, size_t capacity)
    {
        const size_t room = capacity - at;
        return room ? LCMapStringA(rec_->locale, LCMAP_SORTKEY, text, -1, keys_ + at, room > INT_MAX ? INT_MAX : static_cast<int>(room)) : 0;
    }

    bool KeyAfter(const Slot& x, const Slot& y) const
    {
        const int order = memcmp(keys_ + x.key, keys_ + y.key, static_cast<size_t>(Min(x.keyLength, y.keyLength)));
        return order > 0 || (order == 0 && x.keyLength > y.keyLength);
    }

    // Merges the runs lo..mid-1 and mid..hi-1 of order[from] into
    // order[from ^ 1]. Whatever the comparison answers, each block is taken
    // exactly once.
    bool Merge(int from, int lo, int mid, int hi)
    {
        const int to = from ^ 1;
        int a = lo, b = mid, out = lo;
        // Runs already in order, as when a sorted group is sorted again, cost
        // one comparison.
        const bool interleave = mid < hi && After(slots_[mid - 1].order[from], slots_[mid].order[from]);
        while (interleave && a < mid && b < hi && outcome_ == SortOutcome::Sorted) {
            const bool after = After(slots_[a].order[from], slots_[b].order[from]);
            slots_[out++].order[to] = after ? slots_[b++].order[from] : slots_[a++].order[from];
        }
        if (outcome_ != SortOutcome::Sorted)
            return false;
        while (a < mid)
            slots_[out++].order[to] = slots_[a++].order[from];
        while (b < hi)
            slots_[out++].order[to] = slots_[b++].order[from];
        return true;
    }

    // Whether the block at offset first (the earlier one) belongs after the
    // block at offset second. After a callback, a control that died or whose
    // rows changed ends the sort (outcome set); the rows are not read again.
    bool After(int first, int second)
    {
        const TarnItem* x = slots_[first].item;
        const TarnItem* y = slots_[second].item;
        const char* textX = x->texts[column_];
        const char* textY = y->texts[column_];
        int result;
        if (compare_.extended) {
            result = compare_.extended(rec_->hwnd, textX, textY, x->itemData, y->itemData, CellValue(x), CellValue(y));
        } else if (!textX || !textY) {
            return false;
        } else if (compare_.plain) {
            result = compare_.plain(rec_->hwnd, textX, textY, x->itemData, y->itemData);
        } else if (keys_) {
            return KeyAfter(slots_[first], slots_[second]);
        } else {
            // CompareStringA answers 3 for greater, 0 on failure.
            return CompareStringA(rec_->locale, 0, textX, -1, textY, -1) == CSTR_GREATER_THAN;
        }
        if (rec_->dead)
            outcome_ = SortOutcome::Died;
        else if (rec_->itemChanges != changes_ || IsVirtual(rec_))
            outcome_ = SortOutcome::RowsChanged;
        return result > 0;
    }

    LPARAM CellValue(const TarnItem* item) const { return item->cellInfo ? item->cellInfo[column_].data0 : 0; }

    ControlRecord* rec_;
    int column_;
    SortComparison compare_;
    Slot* slots_;
    char* keys_ = nullptr;
    unsigned changes_;
    SortOutcome outcome_ = SortOutcome::Sorted;
};

} // namespace

bool FindSortGroup(ControlRecord* rec, int parent, SortGroup* group)
{
    group->first = parent < 0 ? (rec->count > 0 ? 0 : -1) : DependentOf(rec, parent, TARN_DEPENDENT_FIRST);
    if (group->first < 0)
        return false;
    group->last = SiblingOf(rec, group->first, TARN_SIBLING_LAST);
    const int end = DependentOf(rec, group->last, TARN_DEPENDENT_LAST);
    group->end = end > group->last ? end : group->last;
    return group->last > group->first;
}

SortOutcome SortSiblings(ControlRecord* rec, const SortGroup& group, int column, const SortComparison& compare,
                         int* row)
{
    const int rows = group.end - group.first + 1;
    const size_t count = static_cast<size_t>(rows);
    Slot* slots = count <= SIZE_MAX / sizeof(Slot) ? static_cast<Slot*>(malloc(count * sizeof(Slot))) : nullptr;
    if (!slots)
        return SortOutcome::NoMemory;
    // Every row of the group is at the siblings' level or deeper; a row at
    // that level starts a block.
    const int level = ItemLevel(rec->items[group.first]);
    int blocks = 0;
    for (int i = 0; i < rows; ++i) {
        slots[i].item = rec->items[group.first + i];
        slots[i].length = 0;
        if (ItemLevel(slots[i].item) <= level)
            slots[blocks++].order[0] = i;
        ++slots[slots[blocks - 1].order[0]].length;
    }

    // A plain comparison never compares a row without text, so nothing passes
    // it: the siblings between two such rows are sorted on their own.
    Sorter sorter(rec, column, compare, slots);
    if (!compare.plain && !compare.extended)
        sorter.MakeKeys(blocks);
    bool done = true;
    for (int k = 0, lo = 0; done && k <= blocks; ++k) {
        if (k < blocks && (compare.extended || slots[slots[k].order[0]].item->texts[column]))
            continue;
        done = k - lo < 2 || sorter.SortRun(lo, k);
        lo = k + 1;
    }

    if (done) {
        ItemLock lock;
        const int tracked = *row - group.first;
        for (int k = 0, out = group.first; k < blocks; ++k) {
            const int start = slots[k].order[0], length = slots[start].length;
            if (tracked >= start && tracked < start + length)
                *row = out + tracked - start;
            for (int i = start; i < start + length; ++i)
                rec->items[out++] = slots[i].item;
        }
        ++rec->itemChanges;
    }
    free(slots);
    return sorter.outcome();
}
