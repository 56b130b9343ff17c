// Label and item bitmaps of rows. Bitmaps are the application's: the control
// keeps handles and the shared size, and never deletes one.
#include "core/cell_format.h"
#include "core/item_fields.h"
#include "core/item_store.h"
#include "core/lock.h"

namespace {

struct BitmapKind {
    HBITMAP TarnItem::*field;
    BITMAP ControlRecord::*metrics;
    BOOL ControlRecord::*show;
};

const BitmapKind& Kind(ItemBitmapKind kind)
{
    static const BitmapKind label = {&TarnItem::hbmLabel, &ControlRecord::bmLabel, &ControlRecord::showLabels};
    static const BitmapKind bitmap = {&TarnItem::hbmBitmap, &ControlRecord::bmItemBitmap,
                                      &ControlRecord::showBitmaps};
    return kind == ItemBitmapKind::Label ? label : bitmap;
}

} // namespace

bool StoreItemBitmap(ControlRecord* rec, int index, HBITMAP hbm, ItemBitmapKind which)
{
    const BitmapKind& kind = Kind(which);
    BITMAP bm;
    if (index < -1 || index >= rec->count || !DescribeBitmap(hbm, &bm))
        return false;
    if (index >= 0) {
        if (IsVirtual(rec))
            return false;
        TarnItem* item = GetItem(rec, index);
        if (item)
            item->*kind.field = hbm;
        ReleaseItem(rec);
        return true;
    }
    // The rows keep their own bitmaps; only the zone changes.
    rec->*kind.metrics = bm;
    rec->*kind.show = hbm != nullptr;
    return true;
}

HBITMAP ReadItemBitmap(ControlRecord* rec, int index, ItemBitmapKind which)
{
    ItemLock lock;
    if (!IsValidRow(rec, index))
        return nullptr;
    TarnItem* item = GetItem(rec, index);
    HBITMAP hbm = item ? item->*Kind(which).field : nullptr;
    ReleaseItem(rec);
    return hbm;
}
