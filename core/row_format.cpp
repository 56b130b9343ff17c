// Per-row formatting of the row-header strip.
//
// An item gets its row format record on the first Tarn_SetRowInfo for it and
// keeps it until the item is freed; it is created and written under the item
// lock, like the cell arrays.
#include "core/row_format.h"

#include <stdlib.h>

#include "core/item_store.h"
#include "core/lock.h"

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

FormatChange StoreRowInfo(ControlRecord* rec, const RowInfo* info)
{
    const FormatChange refused = {false, false, false};
    if (!info || info->version != TARN_ROWINFO_VERSION)
        return refused;
    const int row = info->row;
    if (row == -1)
        return StoreSharedBitmapSize(&rec->bmRowInfo, info->hbm);
    BITMAP bm;
    if (IsVirtual(rec) || !DescribeBitmap(info->hbm, &bm))
        return refused;

    ItemLock lock;
    TarnItem* item = IsValidRow(rec, row) ? GetItem(rec, row) : nullptr;
    if (item && !item->rowInfo)
        item->rowInfo = CreateRowFormat();
    const bool stored = item && item->rowInfo;
    if (stored) {
        RowFormat* format = item->rowInfo;
        format->backColor = info->backColor;
        format->textColor = info->textColor;
        format->selBackColor = info->selBackColor;
        format->selTextColor = info->selTextColor;
        format->hbm = info->hbm;
        format->bitmapStyle = info->bitmapStyle;
    }
    ReleaseItem(rec);
    return FormatChange{stored, false, false};
}

bool ReadRowInfo(ControlRecord* rec, RowInfo* info)
{
    if (!info || info->version != TARN_ROWINFO_VERSION)
        return false;
    ItemLock lock;
    if (!IsValidRow(rec, info->row))
        return false;
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
    return true;
}
