// The plain fields of items: application value, enabled bit, label and item
// bitmaps, and the control's delete callback.
#pragma once

#include "core/control_record.h"

// False in virtual mode or for a bad index.
bool StoreItemData(ControlRecord* rec, int index, LPARAM value);
// Any non-zero status enables the row. *changed tells whether the bit moved.
bool StoreItemStatus(ControlRecord* rec, int index, int status, bool* changed);
int ReadItemStatus(ControlRecord* rec, int index);   // 1 enabled, 0 disabled or bad index

// Clears the callback, then stores the pair when info is given; refused in
// virtual mode.
bool StoreDeleteCallback(ControlRecord* rec, const TarnDeleteCallbackInfo* info);

// The label bitmap and the item bitmap follow one rule each with their own
// item field, shared size and display switch.
enum class ItemBitmapKind { Label, Bitmap };

// Index >= 0 stores the row's bitmap; index -1 only the shared size of the
// zone before the first column, switching the zone on for a bitmap and off
// for NULL. False for a bad index, a handle that is not a bitmap, or a row
// in virtual mode.
bool StoreItemBitmap(ControlRecord* rec, int index, HBITMAP hbm, ItemBitmapKind kind);
HBITMAP ReadItemBitmap(ControlRecord* rec, int index, ItemBitmapKind kind);
