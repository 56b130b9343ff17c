// The item, column and format operations of the exported functions on a
// record without a window: the data routines the exports call, composed as
// the exports compose them, minus the repaint and notification steps (a
// record without a window has nothing to repaint and nobody to tell). Like
// the exports, the operations that change rows first close the list with
// cancel, which with nothing dropped puts the highlight back on the
// committed row.
#pragma once

#include "columns/column_set.h"
#include "columns/header_texts.h"
#include "core/cell_format.h"
#include "core/hierarchy.h"
#include "core/item_copy.h"
#include "core/item_fields.h"
#include "core/item_store.h"
#include "core/item_texts.h"
#include "core/row_format.h"

inline void CancelHighlight(ControlRecord* rec) { rec->curSel = rec->currentItem; }

inline int InsertString(ControlRecord* rec, int index, const char* text)
{
    if (IsVirtual(rec))
        return -1;
    CancelHighlight(rec);
    if (index < 0 || index >= rec->count)
        index = rec->count;
    TarnItem blank = {};
    blank.flags = TARNIF_ENABLED;
    return InsertItem(rec, &blank, index, text, 0);
}
inline int DeleteString(ControlRecord* rec, int index, bool report = true)
{
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return -1;
    CancelHighlight(rec);
    return DeleteItem(rec, index, report).survived ? rec->count : -1;
}
inline void ResetContent(ControlRecord* rec)
{
    if (!IsVirtual(rec)) {
        CancelHighlight(rec);
        (void)ResetItems(rec);
    }
}
inline int CopyItem(ControlRecord* rec, int source, int destination)
{
    if (!IsVirtual(rec) && IsValidRow(rec, source))
        CancelHighlight(rec);
    LevelChange level;
    return CopyItemData(rec, source, destination, &level);
}
inline int MoveItem(ControlRecord* rec, int source, int destination)
{
    const int copied = CopyItem(rec, source, destination);
    if (copied < 0)
        return -1;
    const int original = source >= copied ? source + 1 : source;
    DeleteString(rec, original, false);
    return original <= copied ? copied - 1 : copied;
}
inline BOOL SetItemLevel(ControlRecord* rec, int index, int level) { return StoreItemLevel(rec, index, level).accepted; }
inline int DeleteDependents(ControlRecord* rec, int index)
{
    int from = 0;
    if (IsVirtual(rec) || !IsValidRow(rec, index))
        return -1;
    CancelHighlight(rec);
    if (!DeleteDependentItems(rec, index, &from))
        return -1;
    return rec->count;
}
inline int GetCellText(ControlRecord* rec, int row, int column, char* buffer)
{
    if (!buffer)
        return -1;
    buffer[0] = '\0';
    int length = 0;
    return ReadCellText(rec, row, column, buffer, &length) ? length : -1;
}
inline int GetCellTextLength(ControlRecord* rec, int row, int column)
{
    int length = 0;
    return ReadCellText(rec, row, column, nullptr, &length) ? length : -1;
}
inline BOOL SetCellText(ControlRecord* rec, int row, int column, const char* text)
{
    return StoreCellText(rec, row, column, text);
}
inline int GetRowText(ControlRecord* rec, int row, char* buffer)
{
    if (!buffer)
        return -1;
    buffer[0] = '\0';
    int length = 0;
    return ReadRowText(rec, row, buffer, &length) ? length : -1;
}
inline int GetRowTextLength(ControlRecord* rec, int row)
{
    int length = 0;
    return ReadRowText(rec, row, nullptr, &length) ? length : -1;
}
inline BOOL SetRowText(ControlRecord* rec, int row, const char* text) { return StoreRowText(rec, row, text); }
inline int SetItemData(ControlRecord* rec, int index, LPARAM value) { return StoreItemData(rec, index, value) ? 0 : -1; }
inline BOOL SetItemStatus(ControlRecord* rec, int index, int status)
{
    bool changed;
    return StoreItemStatus(rec, index, status, &changed);
}
inline BOOL SetItemLabel(ControlRecord* rec, int index, HBITMAP hbm)
{
    return StoreItemBitmap(rec, index, hbm, ItemBitmapKind::Label);
}
inline BOOL SetItemBitmap(ControlRecord* rec, int index, HBITMAP hbm)
{
    return StoreItemBitmap(rec, index, hbm, ItemBitmapKind::Bitmap);
}
inline BOOL SetDeleteCallback(ControlRecord* rec, const TarnDeleteCallbackInfo* info)
{
    return StoreDeleteCallback(rec, info);
}
inline BOOL SetCellInfo(ControlRecord* rec, const CellInfo* info) { return StoreCellInfo(rec, info).stored; }
inline BOOL GetCellInfo(ControlRecord* rec, CellInfo* info) { return ReadCellInfo(rec, info); }
inline BOOL SetRowInfo(ControlRecord* rec, const RowInfo* info) { return StoreRowInfo(rec, info).stored; }
inline BOOL GetRowInfo(ControlRecord* rec, RowInfo* info) { return ReadRowInfo(rec, info); }
inline bool SetColumns(ControlRecord* rec, int count, const ColumnDef* defs) { return ReplaceColumns(rec, count, defs); }
inline bool SetHeaderButton(ControlRecord* rec, int col)
{
    bool changed;
    return SetHeaderButton(rec, col, &changed);
}
