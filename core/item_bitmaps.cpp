// Label and item bitmaps of rows. Bitmaps are the application's: the control
// keeps handles and the shared size, and never deletes one.
#include "window/notify.h"
#include "core/item_store.h"
#include "core/items_api.h"
#include "core/lock.h"
#include "core/shared_routines.h"

namespace {

// The label bitmap and the item bitmap follow one rule each with their own
// item field, shared size and display switch.
struct BitmapKind {
    HBITMAP TarnItem::*field;
    BITMAP ControlRecord::*metrics;
    BOOL ControlRecord::*show;
};

constexpr BitmapKind kLabel = {&TarnItem::hbmLabel, &ControlRecord::bmLabel, &ControlRecord::showLabels};
constexpr BitmapKind kItemBitmap = {&TarnItem::hbmBitmap, &ControlRecord::bmItemBitmap, &ControlRecord::showBitmaps};

BOOL SetBitmap(ControlRecord* rec, int index, HBITMAP hbm, const BitmapKind& kind)
{
    if (index < -1 || index >= rec->count)
        return FALSE;
    BITMAP bm = {};
    if (hbm && !GetObjectA(hbm, sizeof(bm), &bm))
        return FALSE;

    if (index >= 0) {
        if (IsVirtual(rec))
            return FALSE;
        TarnItem* item = GetItem(rec, index);
        if (item)
            item->*kind.field = hbm;
        ReleaseItem(rec);
        InvalidateRows(rec, index);
        return TRUE;
    }

    // Index -1 sets only the size of the zone before the first column and
    // switches it on or off; the rows keep their own bitmaps.
    HWND hwnd = rec->hwnd;
    rec->*kind.metrics = bm;
    rec->*kind.show = hbm != nullptr;
    UpdateControl(rec);
    if (ControlSurvived(hwnd, rec))
        RedrawAll(rec);
    return TRUE;
}

HBITMAP ReadBitmap(ControlRecord* rec, int index, const BitmapKind& kind)
{
    ItemLock lock;
    if (!IsValidRow(rec, index))
        return nullptr;
    TarnItem* item = GetItem(rec, index);
    HBITMAP hbm = item ? item->*kind.field : nullptr;
    ReleaseItem(rec);
    return hbm;
}

} // namespace

BOOL SetItemLabel(ControlRecord* rec, int index, HBITMAP hbm)
{
    return SetBitmap(rec, index, hbm, kLabel);
}

BOOL SetItemBitmap(ControlRecord* rec, int index, HBITMAP hbm)
{
    return SetBitmap(rec, index, hbm, kItemBitmap);
}

extern "C" HBITMAP WINAPI Tarn_GetItemLabel(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    return ReadBitmap(rec, index, kLabel);
}

extern "C" BOOL WINAPI Tarn_SetItemLabel(HWND hwnd, int index, HBITMAP hbm)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetItemLabel(rec, index, hbm);
}

extern "C" HBITMAP WINAPI Tarn_GetItemBitmap(HWND hwnd, int index)
{
    ControlRecord* rec = GetRecord(hwnd);
    return ReadBitmap(rec, index, kItemBitmap);
}

extern "C" BOOL WINAPI Tarn_SetItemBitmap(HWND hwnd, int index, HBITMAP hbm)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetItemBitmap(rec, index, hbm);
}
