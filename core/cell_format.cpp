// Per-cell formatting.
//
// An item gets its cell array on the first cell that is formatted, one entry
// per column, and keeps it until the item is freed. The column count cannot
// change while items are stored, so the array never needs resizing. Arrays
// are created and written under the item lock, since painting and deletion
// on the control's thread may meet an API call from another thread.
#include "core/cell_format.h"

#include <stdlib.h>

#include "core/item_store.h"
#include "core/lock.h"

void DefaultCellFormat(CellFormat* format)
{
    *format = CellFormat{};
    format->backColor = TARN_COLOR_NONE;
    format->textColor = TARN_COLOR_NONE;
    format->selBackColor = TARN_COLOR_NONE;
    format->selTextColor = TARN_COLOR_NONE;
}

CellFormat* CreateCellFormats(int columnCount)
{
    if (columnCount < 1)
        return nullptr;
    auto* formats = static_cast<CellFormat*>(malloc(static_cast<size_t>(columnCount) * sizeof(CellFormat)));
    if (formats)
        for (int i = 0; i < columnCount; ++i)
            DefaultCellFormat(&formats[i]);
    return formats;
}

void CellFormatFromInfo(const CellInfo* info, CellFormat* format)
{
    format->backColor = info->backColor;
    format->textColor = info->textColor;
    format->selBackColor = info->selBackColor;
    format->selTextColor = info->selTextColor;
    format->data0 = info->data0;
    format->data1 = info->data1;
    format->data2 = info->data2;
    format->hfont = info->hfont;
    format->hbm = info->hbm;
    format->reserved = info->reserved;
    format->bitmapStyle = info->bitmapStyle;
}

void CellInfoFromFormat(const CellFormat* format, CellInfo* info)
{
    info->backColor = format->backColor;
    info->textColor = format->textColor;
    info->selBackColor = format->selBackColor;
    info->selTextColor = format->selTextColor;
    info->data0 = format->data0;
    info->data1 = format->data1;
    info->data2 = format->data2;
    info->hfont = format->hfont;
    info->hbm = format->hbm;
    info->reserved = format->reserved;
    info->bitmapStyle = format->bitmapStyle;
}

bool DescribeBitmap(HBITMAP hbm, BITMAP* bm)
{
    BITMAP described = {};
    // The type check keeps a font or brush handle from passing as a bitmap
    // whose first bytes happen to fill the buffer.
    if (hbm && (GetObjectType(hbm) != OBJ_BITMAP ||
                GetObjectA(hbm, sizeof described, &described) != sizeof described))
        return false;
    *bm = described;
    return true;
}

FormatChange StoreSharedBitmapSize(BITMAP* size, HBITMAP hbm)
{
    ItemLock lock;
    BITMAP bm;
    if (!DescribeBitmap(hbm, &bm))
        return FormatChange{false, false, false};
    const bool heightChanged = size->bmHeight != bm.bmHeight;
    *size = bm;
    return FormatChange{true, true, heightChanged};
}

FormatChange StoreCellInfo(ControlRecord* rec, const CellInfo* info)
{
    const FormatChange refused = {false, false, false};
    if (!info || info->version != TARN_CELLINFO_VERSION)
        return refused;
    const int row = info->row;
    if (row == -1)
        return StoreSharedBitmapSize(&rec->bmCellInfo, info->hbm);
    if (!IsValidColumn(rec, info->column) || IsVirtual(rec))
        return refused;
    BITMAP bm;
    if (!DescribeBitmap(info->hbm, &bm))
        return refused;

    ItemLock lock;
    TarnItem* item = IsValidRow(rec, row) ? GetItem(rec, row) : nullptr;
    if (item && !item->cellInfo) {
        // Sized by the column count now; it cannot change while items exist.
        item->cellInfo = CreateCellFormats(rec->columnCount);
    }
    const bool stored = item && item->cellInfo;
    if (stored)
        CellFormatFromInfo(info, &item->cellInfo[info->column]);
    ReleaseItem(rec);
    return FormatChange{stored, false, false};
}

bool ReadCellInfo(ControlRecord* rec, CellInfo* info)
{
    if (!info || info->version != TARN_CELLINFO_VERSION)
        return false;
    ItemLock lock;
    if (!IsValidRow(rec, info->row) || !IsValidColumn(rec, info->column))
        return false;
    CellFormat format;
    DefaultCellFormat(&format);
    // Virtual rows are lent by the application only for this read.
    const CellFormat* stored = ItemCellFormat(GetItem(rec, info->row), info->column);
    if (stored)
        format = *stored;
    ReleaseItem(rec);
    CellInfoFromFormat(&format, info);
    return true;
}
