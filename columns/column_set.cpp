// The column set: the control's own copy of the application's column
// definitions, with header texts it owns.
#include "columns/column_set.h"

#include <cstdlib>
#include <cstring>

#include "core/lock.h"

namespace {

// The column every control starts with, and the one count 0 restores: wide
// enough for any text a control is likely to show in its first column.
constexpr int kDefaultColumnWidth = 500;

ColumnDef DefaultColumn()
{
    ColumnDef def;
    memset(&def, 0, sizeof def);
    def.width = kDefaultColumnWidth;
    def.backColor = TARN_COLOR_NONE;
    def.textColor = TARN_COLOR_NONE;
    def.selBackColor = TARN_COLOR_NONE;
    def.selTextColor = TARN_COLOR_NONE;
    def.format = TARNCF_DEFAULT;
    return def;
}

void FreeHeaderTexts(ColumnDef* defs, int count)
{
    for (int i = 0; i < count; ++i) {
        free(defs[i].headerTextBuffer);
        defs[i].headerTextBuffer = nullptr;
        defs[i].headerText = nullptr;
    }
}

// A set the control can show: at least one visible column, no negative width.
bool WidthsAcceptable(const ColumnDef* defs, int count)
{
    bool anyVisible = false;
    for (int i = 0; i < count; ++i) {
        if (defs[i].width < 0)
            return false;
        if (defs[i].width > 0)
            anyVisible = true;
    }
    return anyVisible;
}

// Positions must be a permutation of 0 .. count-1; anything else falls back to
// the index order, so that every position shows exactly one column.
void NormalisePositions(ColumnDef* defs, int count)
{
    bool* seen = static_cast<bool*>(calloc(count, sizeof(bool)));
    bool valid = seen != nullptr;
    for (int i = 0; valid && i < count; ++i) {
        int pos = defs[i].position;
        if (pos < 0 || pos >= count || seen[pos])
            valid = false;
        else
            seen[pos] = true;
    }
    free(seen);
    if (!valid)
        for (int i = 0; i < count; ++i)
            defs[i].position = i;
    for (int i = 0; i < count; ++i)
        defs[defs[i].position].columnAtPosition = i;
}

// Builds the new array: whole copies of the input with the control's own
// copies of the header texts. NULL when memory runs out (nothing leaks).
ColumnDef* BuildColumns(const ColumnDef* defs, int count, BITMAP* bmColumn)
{
    ColumnDef* cols = static_cast<ColumnDef*>(calloc(count, sizeof(ColumnDef)));
    if (!cols)
        return nullptr;

    // Header bitmaps are all drawn at one size: that of the highest-indexed
    // column that has one.
    memset(bmColumn, 0, sizeof *bmColumn);
    for (int i = 0; i < count; ++i) {
        cols[i] = defs[i];
        cols[i].headerText = nullptr;
        cols[i].headerTextBuffer = nullptr;
        BITMAP bm;
        if (cols[i].hbmHeader && GetObjectA(cols[i].hbmHeader, sizeof bm, &bm) != 0)
            *bmColumn = bm;
    }

    // The texts are copied before the old set is given up, so that a failure
    // leaves the control as it was, and input that points at the control's own
    // texts (a Tarn_GetColumns copy handed back) stays readable.
    for (int i = 0; i < count; ++i) {
        const char* text = defs[i].headerText;
        if (!text)
            continue;
        size_t size = strlen(text) + 1;
        char* copy = static_cast<char*>(malloc(size));
        if (!copy) {
            FreeHeaderTexts(cols, count);
            free(cols);
            return nullptr;
        }
        memcpy(copy, text, size);
        cols[i].headerText = copy;
        cols[i].headerTextBuffer = copy;
    }

    NormalisePositions(cols, count);
    return cols;
}

} // namespace

void FreeColumns(ControlRecord* rec)
{
    if (rec->columns) {
        FreeHeaderTexts(rec->columns, rec->columnCount);
        free(rec->columns);
    }
    rec->columns = nullptr;
    rec->columnCount = 0;
    free(rec->columnsCopy);
    rec->columnsCopy = nullptr;
}

bool ReplaceColumns(ControlRecord* rec, int count, const ColumnDef* defs)
{
    if (count < 0)
        return false;
    ColumnDef defaultColumn;
    if (count == 0) {
        defaultColumn = DefaultColumn();
        defs = &defaultColumn;
        count = 1;
    }
    if (!defs)
        return false;

    ItemLock lock;
    // Stored items hold one text per column and are never resized; only
    // virtual mode, where the application supplies the rows, may change the
    // count while rows exist.
    if (count != rec->columnCount && rec->count > 0 && !IsVirtual(rec))
        return false;
    if (!WidthsAcceptable(defs, count))
        return false;

    BITMAP bmColumn;
    ColumnDef* cols = BuildColumns(defs, count, &bmColumn);
    if (!cols)
        return false;

    ColumnDef* oldColumns = rec->columns;
    const int oldCount = rec->columnCount;
    rec->columns = cols;
    rec->columnCount = count;
    rec->bmColumn = bmColumn;
    ++rec->itemChanges;
    if (oldColumns) {
        FreeHeaderTexts(oldColumns, oldCount);
        free(oldColumns);
    }
    if (rec->headerButton >= count)
        rec->headerButton = -1;
    if (rec->caretColumn >= count)
        rec->caretColumn = -1;
    return true;
}

int GetColumns(ControlRecord* rec, ColumnDef** out)
{
    if (!out)
        return rec->columnCount;
    free(rec->columnsCopy);
    rec->columnsCopy = nullptr;
    if (rec->columnCount < 1 || !rec->columns)
        return 0;
    ColumnDef* copy = static_cast<ColumnDef*>(calloc(rec->columnCount, sizeof(ColumnDef)));
    if (!copy)
        return 0;
    memcpy(copy, rec->columns, rec->columnCount * sizeof(ColumnDef));
    rec->columnsCopy = copy;
    *out = copy;
    return rec->columnCount;
}
