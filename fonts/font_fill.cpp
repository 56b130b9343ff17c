// The font list fillers. They change the control only the way its exported
// row functions do -- the same store routines followed by the same repaint --
// so a filled list looks and behaves like one the application built itself.
#include "fonts/font_fill.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "core/cell_format.h"
#include "core/item_fields.h"
#include "core/item_search.h"
#include "core/item_store.h"
#include "core/item_texts.h"
#include "resource_ids.h"
#include "window/drop_close.h"
#include "window/module.h"
#include "window/row_edits.h"
#include "window/view.h"

namespace {

// Zero-terminated, so that an application reading the module's tables finds
// their ends the usual way.
const int kTrueTypeSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72, 0};
const int kScalableSizes[] = {6, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72, 0};

const char kFallbackStyle[] = "Normal";

void SetRowBitmap(ControlRecord* rec, int index, HBITMAP hbm)
{
    if (StoreItemBitmap(rec, index, hbm, ItemBitmapKind::Bitmap))
        InvalidateRows(rec, index);
}

LPARAM RowKey(ControlRecord* rec, int index)
{
    CellInfo info = {};
    info.version = TARN_CELLINFO_VERSION;
    info.row = index;
    return ReadCellInfo(rec, &info) ? info.data0 : 0;
}

// data0 = key, data1 = data2 = 0; the row's colours, font and bitmap stay.
void SetRowKey(ControlRecord* rec, int index, LPARAM key)
{
    CellInfo info = {};
    info.version = TARN_CELLINFO_VERSION;
    info.row = index;
    if (!ReadCellInfo(rec, &info))
        return;
    info.data0 = key;
    info.data1 = info.data2 = 0;
    if (StoreCellInfo(rec, &info).stored)
        InvalidateRows(rec, index);
}

// A row with the text and key at index; false when the control died.
bool AddKeyedRow(ControlRecord* rec, int index, const char* text, LPARAM key)
{
    const int row = InsertRow(rec, index, text);
    if (row >= 0)
        SetRowKey(rec, row, key);
    return !rec->dead;
}

bool AddSize(ControlRecord* rec, int index, int size)
{
    char text[16];
    snprintf(text, sizeof text, "%d", size);
    return AddKeyedRow(rec, index, text, size);
}

bool FillSizeTable(ControlRecord* rec, const int* sizes)
{
    if (!ResetRows(rec))
        return false;
    for (; *sizes; ++sizes)
        if (!AddSize(rec, -1, *sizes))
            return false;
    return true;
}

int ScreenPixelsPerInchY()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// The n-th comma-separated entry of list, or the fallback when the list is
// shorter or the entry empty.
void WeightName(const char* list, int n, char* name, size_t size)
{
    const char* entry = list ? list : "";
    for (; n > 0 && entry; --n) {
        entry = strchr(entry, ',');
        if (entry)
            ++entry;
    }
    size_t length = 0;
    if (entry) {
        const char* end = strchr(entry, ',');
        length = end ? static_cast<size_t>(end - entry) : strlen(entry);
    }
    if (length == 0) {
        entry = kFallbackStyle;
        length = sizeof kFallbackStyle - 1;
    }
    if (length >= size)
        length = size - 1;
    memcpy(name, entry, length);
    name[length] = '\0';
}

// False when the control died.
bool AddStyle(ControlRecord* rec, int weight, bool italic)
{
    const int rounded = RoundFontWeight(weight);
    char name[600];
    WeightName(rec->fontWeightNames, rounded / 100 - 1, name, sizeof name);
    if (italic && rec->fontItalicSuffix)
        strncat(name, rec->fontItalicSuffix, sizeof name - strlen(name) - 1);
    const LPARAM key = static_cast<LPARAM>(static_cast<DWORD>(rounded) | (italic ? TARNFONT_ITALICKEY : 0u));

    int position = rec->count;
    for (int i = 0; i < rec->count; ++i) {
        const LPARAM other = RowKey(rec, i);
        if (static_cast<DWORD>(other) == static_cast<DWORD>(key))
            return true;
        const int otherWeight = static_cast<int>(other & 0xFFFF);
        if (otherWeight > rounded || (otherWeight == rounded && !italic)) {
            position = i;
            break;
        }
        if (otherWeight == rounded)
            position = i + 1;   // after its upright twin; a later row may still hold this key
    }
    if (FindItemText(rec, -1, 0, name, TRUE, true) >= 0)
        return true;
    return AddKeyedRow(rec, position, name, key);
}

char* CopyText(const char* text)
{
    const size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy)
        memcpy(copy, text, size);
    return copy;
}

// The application's text, or the module's string when it gave none; false
// when that leaves nothing to name styles with.
bool KeepStyleText(char** field, const char* given, UINT resource, int capacity)
{
    char loaded[512] = "";
    if (!given) {
        if (LoadStringA(g_hInstance, resource, loaded, capacity + 1) <= 0)
            loaded[0] = '\0';
        given = loaded;
    }
    if (!*given)
        return false;
    char* copy = CopyText(given);
    if (!copy)
        return false;
    free(*field);
    *field = copy;
    return true;
}

// Enumerates face (NULL: every family) on the screen and then on hdcPrinter.
void EnumerateFace(ControlRecord* rec, HDC hdcPrinter, bool screen, const char* face, FONTENUMPROCA proc,
                   LPARAM lParam)
{
    if (screen) {
        HDC hdc = GetDC(nullptr);
        if (hdc) {
            EnumFontFamiliesA(hdc, face, proc, lParam);
            ReleaseDC(nullptr, hdc);
        }
    }
    if (hdcPrinter && !rec->dead)
        EnumFontFamiliesA(hdcPrinter, face, proc, lParam);
}

} // namespace

int RoundFontWeight(int weight)
{
    int best = 100;
    for (int candidate = 200; candidate <= 900; candidate += 100)
        if (abs(weight - candidate) < abs(weight - best))
            best = candidate;
    return best;
}

int FillFontNames(ControlRecord* rec, int index, bool bitmaps, HDC hdcPrinter, UINT flags, FONTENUMPROCA proc,
                  LPARAM lParam)
{
    if (index < -1 || index >= rec->count)
        return -1;
    if (!CloseList(rec, false) || rec->dead)
        return -1;
    rec->fontResult = index;
    rec->fontBlockStart = index > 0 ? index : 0;
    rec->fontBlockCount = 0;
    rec->fontFlags = flags;
    if (bitmaps) {
        // Loaded once; the control deletes them when it is destroyed.
        if (!rec->hbmFontTrueType)
            rec->hbmFontTrueType = LoadBitmapA(g_hInstance, MAKEINTRESOURCEA(IDB_TARN_FONT_TRUETYPE));
        if (!rec->hbmFontPrinter)
            rec->hbmFontPrinter = LoadBitmapA(g_hInstance, MAKEINTRESOURCEA(IDB_TARN_FONT_PRINTER));
        if (StoreItemBitmap(rec, -1, rec->hbmFontTrueType, ItemBitmapKind::Bitmap) && !RelayoutAndRedrawAll(rec))
            return -1;
    }
    const bool screen = !hdcPrinter || (flags & TARNFONT_SCREENTOO);
    EnumerateFace(rec, hdcPrinter, screen, nullptr, proc, lParam);
    return rec->fontResult;
}

int FontNameFound(ControlRecord* rec, const LOGFONTA* lf, DWORD fontType)
{
    const DWORD flags = rec->fontFlags;
    const bool fixed = (lf->lfPitchAndFamily & 1) != 0;
    if (!(flags & (fixed ? TARNFONT_FIXEDPITCH : TARNFONT_VARIABLEPITCH)))
        return 1;
    const DWORD typeFlag = (fontType & TRUETYPE_FONTTYPE) ? TARNFONT_TRUETYPE
                         : (fontType & RASTER_FONTTYPE)   ? TARNFONT_RASTER
                                                          : TARNFONT_VECTOR;
    if (!(flags & typeFlag))
        return 1;
    const HBITMAP hbm = (fontType & TRUETYPE_FONTTYPE) ? rec->hbmFontTrueType
                      : (fontType & DEVICE_FONTTYPE)   ? rec->hbmFontPrinter
                                                       : nullptr;

    // The block stays sorted and holds each face once: a face met again (on
    // the printer after the screen) takes the type it was last seen with.
    const int end = rec->fontBlockStart + rec->fontBlockCount;
    int position = end;
    char text[LF_FACESIZE + 1];
    for (int i = rec->fontBlockStart; i < end && i < rec->count; ++i) {
        int length = 0;
        text[0] = '\0';
        if (!ReadCellText(rec, i, 0, nullptr, &length) || length > LF_FACESIZE ||
            !ReadCellText(rec, i, 0, text, &length))
            continue;
        const int order = lstrcmpA(text, lf->lfFaceName);
        if (order == 0) {
            SetRowBitmap(rec, i, hbm);
            SetRowKey(rec, i, static_cast<LPARAM>(fontType));
            return rec->dead ? 0 : 1;
        }
        if (order > 0) {
            position = i;
            break;
        }
    }
    const int row = InsertRow(rec, position, lf->lfFaceName);
    if (row < 0 || rec->dead) {
        rec->fontResult = row < 0 ? row : -1;
        return 0;
    }
    rec->fontResult = row;
    SetRowBitmap(rec, row, hbm);
    SetRowKey(rec, row, static_cast<LPARAM>(fontType));
    ++rec->fontBlockCount;
    return rec->dead ? 0 : 1;
}

bool FillFontSizes(ControlRecord* rec, HDC hdcPrinter, const char* face, FONTENUMPROCA proc, LPARAM lParam)
{
    if (!face)
        return false;
    EnumerateFace(rec, hdcPrinter, true, face, proc, lParam);
    return !rec->dead && rec->count > 0;
}

int FontSizeFound(ControlRecord* rec, const TEXTMETRICA* tm, DWORD fontType)
{
    if (fontType & TRUETYPE_FONTTYPE) {
        FillSizeTable(rec, kTrueTypeSizes);
        return 0;
    }
    if (!(fontType & RASTER_FONTTYPE)) {
        FillSizeTable(rec, kScalableSizes);
        return 0;
    }
    // Raster sizes are merged by value, whichever device reported them; the
    // screen's resolution measures them all.
    const int size = MulDiv(tm->tmHeight - tm->tmInternalLeading, 72, ScreenPixelsPerInchY());
    int position = rec->count;
    for (int i = 0; i < rec->count; ++i) {
        const LPARAM other = RowKey(rec, i);
        if (other == size)
            return 1;
        if (other > size) {
            position = i;
            break;
        }
    }
    return AddSize(rec, position, size) ? 1 : 0;
}

bool FillFontStyles(ControlRecord* rec, HDC hdcPrinter, const char* face, const char* weightNames,
                    const char* italicSuffix, FONTENUMPROCA proc, LPARAM lParam)
{
    if (!face || !KeepStyleText(&rec->fontWeightNames, weightNames, IDS_TARN_WEIGHT_NAMES, 511) ||
        !KeepStyleText(&rec->fontItalicSuffix, italicSuffix, IDS_TARN_ITALIC_SUFFIX, 79))
        return false;
    EnumerateFace(rec, hdcPrinter, true, face, proc, lParam);
    return !rec->dead && rec->count > 0;
}

int FontStyleFound(ControlRecord* rec, const LOGFONTA* lf, DWORD fontType)
{
    if (fontType & (TRUETYPE_FONTTYPE | RASTER_FONTTYPE))
        return AddStyle(rec, lf->lfWeight, lf->lfItalic != 0) ? 1 : 0;
    // Scalable faces without weights of their own are drawn synthetic in
    // both slants, at the two weights GDI makes them in.
    static const int kWeights[] = {FW_NORMAL, FW_BOLD};
    for (const int weight : kWeights)
        for (int italic = 0; italic < 2; ++italic)
            if (!AddStyle(rec, weight, italic != 0))
                return 0;
    return 0;
}
