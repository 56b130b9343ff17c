// The exported item functions: count and locale; adding, inserting,
// deleting, resetting, copying and moving rows; texts; item data, status,
// bitmaps and the delete callback; searching.
//
// Each runs in a call frame, changes the store through the data routines of
// core/ and then asks for the repaint, layout and notifications the change
// needs.
#include <algorithm>

#include "api/call_frame.h"
#include "core/hierarchy.h"
#include "core/item_copy.h"
#include "core/item_fields.h"
#include "core/item_search.h"
#include "core/item_store.h"
#include "core/item_texts.h"
#include "core/lock.h"
#include "window/drop_close.h"
#include "window/selection.h"
#include "window/row_edits.h"
#include "window/view.h"

namespace {

// The committed row was deleted: the edit field empties, without
// notification.
[[nodiscard]] bool AfterDeletion(ControlRecord* rec, const ItemDeletion& deletion)
{
    if (!deletion.survived)
        return false;
    return deletion.currentCleared ? SelectCurrentItem(rec, -1, false) : true;
}

// Deletes one row; with report off the delete callback does not hear of it
// (the row lives on as a copy).
int DeleteRow(ControlRecord* rec, int index, bool report)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index) || !CloseList(rec, false))
        return -1;
    // The parent may have changed the items while the list closed.
    if (!IsValidRow(rec, index))
        return -1;
    // The rows from the deleted one move up. With tree lines, the line that
    // ran down to it from its previous sibling, or from its parent when it
    // was the only child, changes too.
    int from = index;
    if (rec->showTreeLines) {
        const int sibling = PreviousSibling(rec, index);
        const int parent = FindParent(rec, index);
        from = sibling >= 0 ? sibling : parent >= 0 ? parent : index;
    }
    if (!AfterDeletion(rec, DeleteItem(rec, index, report)))
        return -1;
    InvalidateRows(rec, from, true);
    const int count = rec->count;
    (void)UpdateControl(rec);
    return count;
}

// Copies a row; *made (when asked for) is the copy's record. A level change
// may notify (12), and the application may change the rows there, so the
// copy is found again by its record before the rows after it repaint.
int CopyRow(ControlRecord* rec, int source, int destination, const TarnItem** made = nullptr)
{
    if (IsVirtual(rec) || !IsValidRow(rec, source) || !CloseList(rec, false))
        return -1;
    LevelChange level;
    int index = CopyItemData(rec, source, destination, &level);
    if (index < 0)
        return -1;
    const TarnItem* const copy = rec->items[index];
    if (made)
        *made = copy;
    if (!RepaintLevelChange(rec, index, level) || (index = LocateItem(rec, copy, index)) < 0 || !RepaintAfterInsert(rec, index))
        return -1;
    return index;
}

// A copy, then the original deleted without a report. Repainting the copy
// may reach the application, which may change the rows meanwhile, so both
// rows are found again by their records rather than by the indices of the
// copy.
int MoveRow(ControlRecord* rec, int source, int destination)
{
    if (IsVirtual(rec) || !CloseList(rec, false) || !IsValidRow(rec, source))
        return -1;
    const TarnItem* const original = rec->items[source];
    const TarnItem* copy = nullptr;
    if (CopyRow(rec, source, destination, &copy) < 0)
        return -1;
    const int from = LocateItem(rec, original, source);
    if (from < 0 || DeleteRow(rec, from, false) < 0)
        return -1;
    return LocateItem(rec, copy, from);
}

BOOL SetItemBitmapOf(ControlRecord* rec, int index, HBITMAP hbm, ItemBitmapKind kind)
{
    const int before = RowHeightBeforeChange(rec, index);
    if (!StoreItemBitmap(rec, index, hbm, kind))
        return FALSE;
    if (index >= 0)
        InvalidateChangedRow(rec, index, before);
    else
        (void)RelayoutAndRedrawAll(rec);
    return TRUE;
}

} // namespace

extern "C" int WINAPI Tarn_GetCount(HWND hwnd)
{
    return WithControl(hwnd, -1, [](ControlRecord* rec) {
        ItemLock lock;
        return rec->count;
    });
}

extern "C" LCID WINAPI Tarn_GetLocale(HWND hwnd)
{
    return WithControl(hwnd, LCID{0}, [](ControlRecord* rec) { return rec->locale; });
}

extern "C" LCID WINAPI Tarn_SetLocale(HWND hwnd, LCID locale)
{
    return WithControl(hwnd, LCID{0}, [&](ControlRecord* rec) {
        const LCID previous = rec->locale;
        rec->locale = locale;
        return previous;
    });
}

extern "C" int WINAPI Tarn_AddString_A(HWND hwnd, const char* text)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return InsertRow(rec, -1, text); });
}

extern "C" int WINAPI Tarn_InsertString_A(HWND hwnd, int index, const char* text)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return InsertRow(rec, index, text); });
}

extern "C" int WINAPI Tarn_DeleteString(HWND hwnd, int index)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return DeleteRow(rec, index, true); });
}

extern "C" void WINAPI Tarn_ResetContent(HWND hwnd)
{
    WithControl(hwnd, [](ControlRecord* rec) { (void)ResetRows(rec); });
}

extern "C" int WINAPI Tarn_CopyItem(HWND hwnd, int source, int destination)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return CopyRow(rec, source, destination); });
}

extern "C" int WINAPI Tarn_MoveItem(HWND hwnd, int source, int destination)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return MoveRow(rec, source, destination); });
}

extern "C" int WINAPI Tarn_GetText_A(HWND hwnd, int row, int column, char* buffer)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (!buffer)
            return -1;
        buffer[0] = '\0';
        int length = 0;
        return ReadCellText(rec, row, column, buffer, &length) ? length : -1;
    });
}

extern "C" int WINAPI Tarn_GetTextLength(HWND hwnd, int row, int column)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        int length = 0;
        return ReadCellText(rec, row, column, nullptr, &length) ? length : -1;
    });
}

extern "C" BOOL WINAPI Tarn_SetText_A(HWND hwnd, int row, int column, const char* text)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        const int before = RowHeightBeforeChange(rec, row);
        if (!StoreCellText(rec, row, column, text))
            return FALSE;
        // Item area only; for the current item this also refreshes the edit
        // field.
        InvalidateChangedRow(rec, row, before, false);
        return TRUE;
    });
}

extern "C" int WINAPI Tarn_GetRowText_A(HWND hwnd, int row, char* buffer)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        if (!buffer)
            return -1;
        buffer[0] = '\0';
        int length = 0;
        return ReadRowText(rec, row, buffer, &length) ? length : -1;
    });
}

extern "C" int WINAPI Tarn_GetRowTextLength(HWND hwnd, int row)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        int length = 0;
        return ReadRowText(rec, row, nullptr, &length) ? length : -1;
    });
}

extern "C" BOOL WINAPI Tarn_SetRowText_A(HWND hwnd, int row, const char* text)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        if (!StoreRowText(rec, row, text))
            return FALSE;
        InvalidateRows(rec, row, false, true, false);   // the row-header strip only
        return TRUE;
    });
}

extern "C" LPARAM WINAPI Tarn_GetItemData(HWND hwnd, int index)
{
    return WithControl(hwnd, LPARAM{-1}, [&](ControlRecord* rec) {
        ItemLock lock;
        if (!IsValidRow(rec, index))
            return LPARAM{-1};
        TarnItem* item = GetItem(rec, index);
        const LPARAM value = item ? item->itemData : -1;
        ReleaseItem(rec);
        return value;
    });
}

extern "C" int WINAPI Tarn_SetItemData(HWND hwnd, int index, LPARAM value)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return StoreItemData(rec, index, value) ? 0 : -1; });
}

extern "C" int WINAPI Tarn_GetItemStatus(HWND hwnd, int index)
{
    return WithControl(hwnd, 0, [&](ControlRecord* rec) { return ReadItemStatus(rec, index); });
}

extern "C" BOOL WINAPI Tarn_SetItemStatus(HWND hwnd, int index, int status)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        bool changed = false;
        if (!StoreItemStatus(rec, index, status, &changed))
            return FALSE;
        if (changed)
            InvalidateRows(rec, index);
        return TRUE;
    });
}

extern "C" HBITMAP WINAPI Tarn_GetItemLabel(HWND hwnd, int index)
{
    return WithControl(hwnd, HBITMAP{}, [&](ControlRecord* rec) {
        return ReadItemBitmap(rec, index, ItemBitmapKind::Label);
    });
}

extern "C" BOOL WINAPI Tarn_SetItemLabel(HWND hwnd, int index, HBITMAP hbm)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        return SetItemBitmapOf(rec, index, hbm, ItemBitmapKind::Label);
    });
}

extern "C" HBITMAP WINAPI Tarn_GetItemBitmap(HWND hwnd, int index)
{
    return WithControl(hwnd, HBITMAP{}, [&](ControlRecord* rec) {
        return ReadItemBitmap(rec, index, ItemBitmapKind::Bitmap);
    });
}

extern "C" BOOL WINAPI Tarn_SetItemBitmap(HWND hwnd, int index, HBITMAP hbm)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        return SetItemBitmapOf(rec, index, hbm, ItemBitmapKind::Bitmap);
    });
}

extern "C" BOOL WINAPI Tarn_SetDeleteCallback(HWND hwnd, const TarnDeleteCallbackInfo* info)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) { return StoreDeleteCallback(rec, info) ? TRUE : FALSE; });
}

extern "C" int WINAPI Tarn_FindString_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return FindItemText(rec, startAfter, column, text, wrap, false); });
}

extern "C" int WINAPI Tarn_FindStringExact_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return FindItemText(rec, startAfter, column, text, wrap, true); });
}

extern "C" int WINAPI Tarn_SelectString_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        const int found = FindItemText(rec, startAfter, column, text, wrap, false);
        (void)SelectFound(rec, found);
        return found;
    });
}

extern "C" int WINAPI Tarn_SelectStringExact_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        const int found = FindItemText(rec, startAfter, column, text, wrap, true);
        (void)SelectFound(rec, found);
        return found;
    });
}

extern "C" int WINAPI Tarn_FindItem(HWND hwnd, int start, LPARAM itemData)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) { return FindItemData(rec, start, itemData); });
}
