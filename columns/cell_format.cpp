// Per-cell formatting.
//
// An item gets its cell array on the first cell that is formatted, one entry
// per column, and keeps it until the item is freed. The column count cannot
// change while items are stored, so the array never needs resizing. Arrays
// are created and written under the item lock, since painting and deletion
// on the control's thread may meet an API call from another thread.
#include "columns/cell_format.h"

#include <stdlib.h>

#include "window/notify.h"
#include "core/item_store.h"
#include "core/items_api.h"
#include "core/lock.h"
#include "core/shared_routines.h"

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

bool StoreSharedBitmapSize(ControlRecord* rec, BITMAP* size, HBITMAP hbm, bool* heightChanged)
{
    {
        ItemLock lock;
        BITMAP bm;
        if (!DescribeBitmap(hbm, &bm))
            return false;
        *heightChanged = size->bmHeight != bm.bmHeight;
        *size = bm;
    }
    UpdateControl(rec);
    return true;
}

namespace {

// Row -1: the one size every cell bitmap is drawn at (none when cleared).
BOOL SetCellBitmapSize(ControlRecord* rec, HBITMAP hbm)
{
    bool heightChanged = false;
    HWND hwnd = rec->hwnd;
    if (!StoreSharedBitmapSize(rec, &rec->bmCellInfo, hbm, &heightChanged))
        return FALSE;
    // Row heights may follow the bitmap height, which moves every row.
    if (heightChanged && ControlSurvived(hwnd, rec))
        RedrawAll(rec);
    return TRUE;
}

} // namespace

BOOL SetCellInfo(ControlRecord* rec, const CellInfo* info)
{
    if (!info || info->version != TARN_CELLINFO_VERSION)
        return FALSE;
    const int row = info->row;
    if (row < -1 || row >= rec->count)
        return FALSE;
    if (row == -1)
        return SetCellBitmapSize(rec, info->hbm);
    if (!IsValidColumn(rec, info->column) || IsVirtual(rec))
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
        if (!item->cellInfo) {
            // Sized by the column count now; it cannot change while items exist.
            item->cellInfo = CreateCellFormats(rec->columnCount);
            if (!item->cellInfo) {
                ReleaseItem(rec);
                return FALSE;
            }
        }
        CellFormatFromInfo(info, &item->cellInfo[info->column]);
        ReleaseItem(rec);
    }
    // The row with its header; when it is the current item, InvalidateRows
    // refreshes the selection field as well. Row heights wait for the next
    // layout.
    InvalidateRows(rec, row);
    return TRUE;
}

BOOL GetCellInfo(ControlRecord* rec, CellInfo* info)
{
    if (!info || info->version != TARN_CELLINFO_VERSION || !IsValidRow(rec, info->row) ||
        !IsValidColumn(rec, info->column))
        return FALSE;
    CellFormat format;
    DefaultCellFormat(&format);
    // Virtual rows are lent by the application only for this read.
    const CellFormat* stored = ItemCellFormat(GetItem(rec, info->row), info->column);
    if (stored)
        format = *stored;
    ReleaseItem(rec);
    CellInfoFromFormat(&format, info);
    return TRUE;
}

// ---------------------------------------------------------------- exported

extern "C" BOOL WINAPI Tarn_SetCellInfo(HWND hwnd, const CellInfo* info)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetCellInfo(rec, info);
}

extern "C" BOOL WINAPI Tarn_GetCellInfo(HWND hwnd, CellInfo* info)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetCellInfo(rec, info);
}
