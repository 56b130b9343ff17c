// The corner cell's rectangle, text and bitmap.
//
// The corner text is shared with the painters and the click handling, so it
// is read and replaced under the item lock, like the item texts. Fonts and
// bitmaps stay the application's: the corner only borrows them.
#include "columns/corner_cell.h"

#include <cstdlib>

#include "core/cell_format.h"
#include "core/item_store.h"
#include "core/lock.h"
#include "layout/row_geometry.h"

void CornerRect(const ControlRecord* rec, RECT* rc)
{
    SetRectEmpty(rc);
    if (rec->showHeader == 0 || rec->rowHeaderWidth == 0)
        return;
    SetRect(rc, 0, 0, rec->rowHeaderWidth, HeaderHeight(rec));
}

bool StoreCornerText(ControlRecord* rec, const char* text)
{
    char* copy = DuplicateText(text);
    if (text && !copy)
        return false;
    ItemLock lock;
    free(rec->rowColText);
    rec->rowColText = copy;
    return true;
}

int ReadCornerText(ControlRecord* rec, char* buffer, int cch)
{
    // A buffer of no characters cannot even take the terminator.
    if (!buffer || cch < 1)
        return 0;
    buffer[0] = '\0';
    ItemLock lock;
    if (!rec->rowColText)
        return 0;
    lstrcpynA(buffer, rec->rowColText, cch);
    return lstrlenA(buffer);
}

int CornerTextLength(ControlRecord* rec)
{
    ItemLock lock;
    return rec->rowColText ? lstrlenA(rec->rowColText) : 0;
}

bool StoreCornerBitmap(ControlRecord* rec, HBITMAP hbm)
{
    const LONG oldHeight = rec->bmRowCol.bmHeight;
    ZeroMemory(&rec->bmRowCol, sizeof rec->bmRowCol);
    if (!DescribeBitmap(hbm, &rec->bmRowCol))
        hbm = nullptr;
    rec->hbmRowCol = hbm;
    return rec->bmRowCol.bmHeight != oldHeight;
}
