// Header texts and the pressed header button.
#include "columns/header_texts.h"

#include <cstdlib>
#include <cstring>

bool SetHeaderText(ControlRecord* rec, int col, const char* text)
{
    if (!IsValidColumn(rec, col) || rec->columns == nullptr)
        return false;

    char* copy = nullptr;
    if (text) {
        size_t size = strlen(text) + 1;
        copy = static_cast<char*>(malloc(size));
        if (!copy)
            return false;
        memcpy(copy, text, size);
    }

    ColumnDef& def = rec->columns[col];
    free(def.headerTextBuffer);
    def.headerTextBuffer = copy;
    def.headerText = copy;
    return true;
}

int GetHeaderText(const ControlRecord* rec, int col, char* buf, int cch)
{
    if (buf && cch > 0)
        buf[0] = '\0';
    if (!IsValidColumn(rec, col) || rec->columns == nullptr)
        return -1;
    const char* text = rec->columns[col].headerTextBuffer;
    if (!buf || cch < 1 || !text)
        return 0;
    lstrcpynA(buf, text, cch);
    return lstrlenA(buf);
}

int HeaderTextLength(const ControlRecord* rec, int col)
{
    if (!IsValidColumn(rec, col) || rec->columns == nullptr)
        return -1;
    const char* text = rec->columns[col].headerTextBuffer;
    return text ? static_cast<int>(strlen(text)) : 0;
}

bool SetHeaderButton(ControlRecord* rec, int col, bool* changed)
{
    *changed = false;
    if (col < -1 || col >= rec->columnCount)
        return false;
    *changed = col != rec->headerButton;
    rec->headerButton = col;
    return true;
}
