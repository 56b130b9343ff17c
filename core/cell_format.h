// Per-cell formatting: colours, font, bitmap and application values of single
// cells, and the shared size of cell bitmaps.
#pragma once

#include "core/control_record.h"

// A cell without formatting: the four colours "not set", everything else 0.
void DefaultCellFormat(CellFormat* format);

// A new cell array for an item, one default entry per column; NULL when the
// allocation fails. Freed with free() along with the item.
CellFormat* CreateCellFormats(int columnCount);

// The item's entry for column, or NULL when the item has no cell array.
// The caller has validated the column.
inline const CellFormat* ItemCellFormat(const TarnItem* item, int column)
{
    return item && item->cellInfo ? &item->cellInfo[column] : nullptr;
}

// The exchange record and the stored entry differ in padding on 64-bit
// builds, so they are converted field by field.
void CellFormatFromInfo(const CellInfo* info, CellFormat* format);
void CellInfoFromFormat(const CellFormat* format, CellInfo* info);

// What storing a cell or row format changed, for the caller to repaint.
struct FormatChange {
    bool stored;          // false: refused, nothing changed
    bool sharedSize;      // row -1: the shared bitmap size was set
    bool heightChanged;   // ... and its height moved, which moves row heights
};

// Behind Tarn_SetCellInfo / Tarn_GetCellInfo. Row -1 in the setter defines
// the size of cell bitmaps from info->hbm.
FormatChange StoreCellInfo(ControlRecord* rec, const CellInfo* info);
bool ReadCellInfo(ControlRecord* rec, CellInfo* info);

// The BITMAP description of hbm into *bm (all zero for NULL); false, with *bm
// untouched, when hbm is not a bitmap GDI can describe.
bool DescribeBitmap(HBITMAP hbm, BITMAP* bm);

// Row -1 of the cell and row infos: stores hbm's description as the one size
// a kind of bitmap is drawn at (all zero for NULL). Not stored when hbm
// cannot be read.
FormatChange StoreSharedBitmapSize(BITMAP* size, HBITMAP hbm);
