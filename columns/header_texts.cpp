#include "columns/header_texts.h"

#include <cstdlib>
#include <cstring>

#include "columns/header_band.h"

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
    InvalidateHeaderBand(rec);
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

bool SetHeaderButton(ControlRecord* rec, int col)
{
    if (col < -1 || col >= rec->columnCount)
        return false;
    if (col == rec->headerButton)
        return true;
    rec->headerButton = col;
    InvalidateHeaderBand(rec);
    return true;
}

extern "C" BOOL WINAPI Tarn_SetHeader_A(HWND hwnd, int column, const char* text)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetHeaderText(rec, column, text) ? TRUE : FALSE;
}

extern "C" int WINAPI Tarn_GetHeader_A(HWND hwnd, int column, char* buffer, int cch)
{
    ControlRecord* rec = GetRecord(hwnd);
    return GetHeaderText(rec, column, buffer, cch);
}

extern "C" int WINAPI Tarn_GetHeaderLength(HWND hwnd, int column)
{
    ControlRecord* rec = GetRecord(hwnd);
    return HeaderTextLength(rec, column);
}

extern "C" BOOL WINAPI Tarn_SetHeaderButton(HWND hwnd, int column)
{
    ControlRecord* rec = GetRecord(hwnd);
    return SetHeaderButton(rec, column) ? TRUE : FALSE;
}

extern "C" int WINAPI Tarn_GetHeaderButton(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->headerButton;
}

extern "C" void WINAPI Tarn_SetResizeHeader(HWND hwnd, BOOL on)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->resizeHeader = on ? TRUE : FALSE;
}

extern "C" BOOL WINAPI Tarn_GetResizeHeader(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->resizeHeader;
}

extern "C" void WINAPI Tarn_SetReorderColumns(HWND hwnd, BOOL on)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->reorderColumns = on ? TRUE : FALSE;
}

extern "C" BOOL WINAPI Tarn_GetReorderColumns(HWND hwnd)
{
    ControlRecord* rec = GetRecord(hwnd);
    return rec->reorderColumns;
}
