// Per-row formatting of the row-header strip.
//
// An item gets its row format record on the first Tarn_SetRowInfo for it and
// keeps it until the item is freed; it is created and written under the item
// lock, like the cell arrays.
#include "columns/row_format.h"

#include <stdlib.h>

#include "columns/cell_format.h"
#include "window/notify.h"
#include "core/item_store.h"
#include "core/items_api.h"
#include "core/lock.h"
#include "core/shared_routines.h"

void DefaultRowFormat(RowFormat* format)
{
    *format = RowFormat{};
    format->backColor = TARN_COLOR_NONE;
    format->textColor = TARN_COLOR_NONE;
    format->selBackColor = TARN_COLOR_NONE;
    format->selTextColor = TARN_COLOR_NONE;
}

RowFormat* CreateRowFormat()
{
    auto* format = static_cast<RowFormat*>(malloc(sizeof(RowFormat)));
    if (format)
        DefaultRowFormat(format);
    return format;
}

namespace {

// Row -1: the one size every row-header bitmap is drawn at (none when cleared).
BOOL SetRowBitmapSize(ControlRecord* rec, HBITMAP hbm)
{
    bool heightChanged = false;
    HWND hwnd = rec->hwnd;
    if (!StoreSharedBitmapSize(rec, &rec->bmRowInfo, hbm, &heightChanged))
        return FALSE;
    // A new height may change every row's height, so every row is repainted.
    if (heightChanged && ControlSurvived(hwnd, rec))
        InvalidateRows(rec, 0, true);
    return TRUE;
}

} // namespace

BOOL SetRowInfo(ControlRecord* rec, const RowInfo* info)
{
    if (!info || info->version != TARN_ROWINFO_VERSION)
        return FALSE;
    const int row = info->row;
    if (row < -1 || row >= rec->count)
        return FALSE;
    if (row == -1)
        return SetRowBitmapSize(rec, info->hbm);
    if (IsVirtual(rec))
        return FALSE;

    {
        ItemLock lock;
        if (!IsValidRow(rec, row))   // another thread removed it meanwhile
            return FALSE;
        BITMAP bm;
        if (!DescribeBitmap(info->hbm, &bm))
            return FALSE;
        TarnItem* item = GetItem(rec, row);
        if (!item) {
            ReleaseItem(rec);
            return FALSE;
        }
        if (!item->rowInfo) {
            item->rowInfo = CreateRowFormat();
            if (!item->rowInfo) {
                ReleaseItem(rec);
                return FALSE;
            }
        }
        RowFormat* format = item->rowInfo;
        format->backColor = info->backColor;
        format->textColor = info->textColor;
        format->selBackColor = info->selBackColor;
        format->selTextColor = info->selTextColor;
        format->hbm = info->hbm;
        format->bitmapStyle = info->bitmapStyle;
        ReleaseItem(rec);
    }
    InvalidateRows(rec, row);
    return TRUE;
}

BOOL GetRowInfo(ControlRecord* rec, RowInfo* info)
{
    if (!info || info->version != TARN_ROWINFO_VERSION || !IsValidRow(rec, info->row))
        return FALSE;
    RowFormat format;
    DefaultRowFormat(&format);
    // Field by field: a record lent in virtual mode need only hold the
    // meaningful bytes, not the padding after bitmapStyle.
    if (const RowFormat* stored = ItemRowFormat(GetItem(rec, info->row))) {
        format.backColor = stored->backColor;
        format.textColor = stored->textColor;
        format.selBackColor = stored->selBackColor;
        format.selTextColor = stored->selTextColor;
        format.hbm = stored->hbm;
        format.bitmapStyle = stored->bitmapStyle;
    }
    ReleaseItem(rec);
    info->backColor = format.backColor;
    info->textColor = format.textColor;
    info->selBackColor = format.selBackColor;
    info->selTextColor = format.selTextColor;
    info->hbm = format.hbm;
    info->bitmapStyle = format.bitmapStyle;
    return TRUE;
}

// ---------------------------------------------------------------- exported

extern "C" BOOL WINAPI Tarn_SetRowInfo(HWND hwnd, const RowInfo* info)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetRowInfo(rec, info);
}

extern "C" BOOL WINAPI Tarn_GetRowInfo(HWND hwnd, RowInfo* info)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetRowInfo(rec, info);
}
