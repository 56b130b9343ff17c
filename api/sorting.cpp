// Sorting of sibling groups. The built-in comparison orders texts by the
// control's locale.
#include "api/call_frame.h"
#include "core/item_store.h"
#include "core/sorting.h"
#include "window/selection.h"
#include "window/view.h"

namespace {

// The selection comes off while the rows move and goes back onto the same
// item afterwards, which tells nobody; the rows are repainted from the
// group's first on.
BOOL SortGroupOf(HWND hwnd, int parent, int column, const SortComparison& compare)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        if (IsVirtual(rec) || parent < -1 || parent >= rec->count || !IsValidColumn(rec, column))
            return FALSE;
        SortGroup group;
        if (!FindSortGroup(rec, parent, &group))
            return TRUE;
        int row = rec->curSel;
        const TarnItem* const selected = IsValidRow(rec, row) ? rec->items[row] : nullptr;
        const unsigned changes = rec->itemChanges;
        SetCurSelRow(rec, -1);
        if (!SelectCurrentItem(rec, -1, false))
            return FALSE;
        // Clearing the committed row lays the control out, which may have
        // reached the application and changed the rows: then nothing is
        // sorted, as when a comparison callback changes them.
        SortOutcome outcome = SortOutcome::RowsChanged;
        if (rec->itemChanges == changes && !IsVirtual(rec))
            outcome = SortSiblings(rec, group, column, compare, &row);
        // Without its work array the sort moved nothing, so the selection
        // goes back onto the row it was taken from.
        if (outcome == SortOutcome::Died)
            return FALSE;
        if (outcome == SortOutcome::RowsChanged)
            row = selected && !IsVirtual(rec) ? LocateItem(rec, selected, row) : -1;
        if (row >= 0) {
            SetCurSelRow(rec, row);
            if (!SelectCurrentItem(rec, row, false))
                return FALSE;
        }
        if (outcome != SortOutcome::NoMemory)
            InvalidateRows(rec, group.first, true);
        return outcome == SortOutcome::Sorted ? TRUE : FALSE;
    });
}

} // namespace

extern "C" int WINAPI Tarn_DefaultCompareProc(HWND hwnd, const char* text1, const char* text2, LPARAM, LPARAM)
{
    // CompareStringA answers 1, 2 or 3 (less, equal, greater) and 0 on
    // failure, so a control that cannot be found gives -2 like a failure.
    return WithControl(hwnd, -2, [&](ControlRecord* rec) {
        return CompareStringA(rec->locale, 0, text1, -1, text2, -1) - 2;
    });
}

// The built-in comparison is made in place, without a call frame per pair,
// also when the application names it.
extern "C" BOOL WINAPI Tarn_SortItems(HWND hwnd, int parent, int column, TARNCOMPAREPROC compare)
{
    return SortGroupOf(hwnd, parent, column, {compare == Tarn_DefaultCompareProc ? nullptr : compare, nullptr});
}

extern "C" BOOL WINAPI Tarn_SortItemsEx(HWND hwnd, int parent, int column, TARNCOMPAREEXPROC compare)
{
    return SortGroupOf(hwnd, parent, column, {nullptr, compare});
}
