// Searching items by text (prefix or whole text, ignoring case) and by item
// data.
#include "core/item_search.h"

#include <string.h>

#include "core/item_store.h"
#include "core/lock.h"

namespace {

bool TextMatches(const char* itemText, const char* text, bool exact)
{
    // A missing search text is the empty text: as a prefix it matches any
    // item that has a text, as a whole text only an empty one.
    if (!text)
        text = "";
    if (exact)
        return _stricmp(itemText, text) == 0;
    return _strnicmp(itemText, text, strlen(text)) == 0;
}

} // namespace

int FindItemText(ControlRecord* rec, int startAfter, int column, const char* text, BOOL wrap, bool exact)
{
    if (rec->count < 1 || startAfter < -1 || startAfter >= rec->count || !IsValidColumn(rec, column))
        return -1;
    ItemLock lock;
    int count = rec->count;
    int last = startAfter >= 0 && wrap ? startAfter : count - 1;
    int i = startAfter;
    for (;;) {
        i = (i + 1) % count;
        TarnItem* item = GetItem(rec, i);
        const char* itemText = item && item->texts ? item->texts[column] : nullptr;
        bool match = itemText && TextMatches(itemText, text, exact);
        ReleaseItem(rec);
        if (match)
            return i;
        // A virtual control may die in the application's fetch: stop there.
        if (i == last || rec->dead)
            return -1;
    }
}

int FindItemData(ControlRecord* rec, int start, LPARAM value)
{
    ItemLock lock;
    if (!IsValidRow(rec, start))
        return -1;
    for (int i = start; i < rec->count; ++i) {
        TarnItem* item = GetItem(rec, i);
        bool match = item && item->itemData == value;
        ReleaseItem(rec);
        if (match)
            return i;
        if (rec->dead)
            return -1;
    }
    return -1;
}
