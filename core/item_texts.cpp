// Cell texts and row-header texts of items.
//
// The getters copy a text whole into the caller's buffer (sized from the
// matching length function); the buffer is emptied first so it is defined
// even when the call fails.
#include <stdlib.h>
#include <string.h>

#include "core/item_store.h"
#include "core/items_api.h"
#include "core/lock.h"
#include "core/shared_routines.h"

namespace {

// Text of a cell (row -1: the current item); false for a bad row or column.
// The text is copied into buffer when given; length receives its length.
bool ReadCellText(ControlRecord* rec, int row, int column, char* buffer, int* length)
{
    if (row == -1)
        row = rec->currentItem;
    if (!IsValidRow(rec, row) || !IsValidColumn(rec, column))
        return false;
    TarnItem* item = GetItem(rec, row);
    const char* text = item && item->texts ? item->texts[column] : nullptr;
    *length = text ? static_cast<int>(strlen(text)) : 0;
    if (text && buffer)
        memcpy(buffer, text, static_cast<size_t>(*length) + 1);
    ReleaseItem(rec);
    return true;
}

bool ReadRowText(ControlRecord* rec, int row, char* buffer, int* length)
{
    if (!IsValidRow(rec, row))
        return false;
    TarnItem* item = GetItem(rec, row);
    const char* text = item ? item->rowText : nullptr;
    *length = text ? static_cast<int>(strlen(text)) : 0;
    if (text && buffer)
        memcpy(buffer, text, static_cast<size_t>(*length) + 1);
    ReleaseItem(rec);
    return true;
}

// Copy of text for storing, with NULL meaning "no text". False only when a
// copy was needed and could not be made.
bool CopyForStore(const char* text, char** copy)
{
    *copy = DuplicateText(text);
    return !text || *copy;
}

} // namespace

int GetCellText(ControlRecord* rec, int row, int column, char* buffer)
{
    if (!buffer)
        return -1;
    buffer[0] = '\0';
    int length = 0;
    return ReadCellText(rec, row, column, buffer, &length) ? length : -1;
}

int GetCellTextLength(ControlRecord* rec, int row, int column)
{
    int length = 0;
    return ReadCellText(rec, row, column, nullptr, &length) ? length : -1;
}

BOOL SetCellText(ControlRecord* rec, int row, int column, const char* text)
{
    if (IsVirtual(rec) || !IsValidRow(rec, row) || !IsValidColumn(rec, column))
        return FALSE;
    char* copy;
    if (!CopyForStore(text, &copy))
        return FALSE;   // the old text stays
    TarnItem* item = GetItem(rec, row);
    if (!item || !item->texts) {
        ReleaseItem(rec);
        free(copy);
        return FALSE;
    }
    free(item->texts[column]);
    item->texts[column] = copy;
    ReleaseItem(rec);
    // Item area only; for the current item this also refreshes the edit field.
    InvalidateRows(rec, row, false, false);
    return TRUE;
}

int GetRowText(ControlRecord* rec, int row, char* buffer)
{
    if (!buffer)
        return -1;
    buffer[0] = '\0';
    int length = 0;
    return ReadRowText(rec, row, buffer, &length) ? length : -1;
}

int GetRowTextLength(ControlRecord* rec, int row)
{
    int length = 0;
    return ReadRowText(rec, row, nullptr, &length) ? length : -1;
}

BOOL SetRowText(ControlRecord* rec, int row, const char* text)
{
    if (IsVirtual(rec) || !IsValidRow(rec, row))
        return FALSE;
    char* copy;
    if (!CopyForStore(text, &copy))
        return FALSE;
    {
        ItemLock lock;
        TarnItem* item = GetItem(rec, row);
        if (!item) {
            ReleaseItem(rec);
            free(copy);
            return FALSE;
        }
        free(item->rowText);
        item->rowText = copy;
        ReleaseItem(rec);
    }
    InvalidateRows(rec, row, false, true, false);   // the row-header strip only
    return TRUE;
}

// ---------------------------------------------------------------- exported

extern "C" int WINAPI Tarn_GetText_A(HWND hwnd, int row, int column, char* buffer)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetCellText(rec, row, column, buffer);
}

extern "C" int WINAPI Tarn_GetTextLength(HWND hwnd, int row, int column)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetCellTextLength(rec, row, column);
}

extern "C" BOOL WINAPI Tarn_SetText_A(HWND hwnd, int row, int column, const char* text)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetCellText(rec, row, column, text);
}

extern "C" int WINAPI Tarn_GetRowText_A(HWND hwnd, int row, char* buffer)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetRowText(rec, row, buffer);
}

extern "C" int WINAPI Tarn_GetRowTextLength(HWND hwnd, int row)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetRowTextLength(rec, row);
}

extern "C" BOOL WINAPI Tarn_SetRowText_A(HWND hwnd, int row, const char* text)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetRowText(rec, row, text);
}
