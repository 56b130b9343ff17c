// A font chooser from three type 0 lists filled by the library's font
// fillers: the faces (TrueType and printer fonts marked with the module's
// bitmaps), the point sizes of the chosen face and its styles. Committing a
// face refills the other two, keeping the size and style chosen when the new
// face has them; every commit redraws the sample in the chosen font.

#include <cstdio>

#include "demo.h"

namespace {

HFONT g_sampleFont = nullptr;

// The committed row's column-0 text, or "" without one.
void CommittedText(HWND control, char* out, size_t size) {
    out[0] = '\0';
    const int row = Tarn_GetCurSel(control);
    if (row >= 0) ReadCellText(control, row, 0, out, size);
}

// The committed row's data0: the point size in the size list, the weight
// and italic key in the style list.
LPARAM CommittedKey(HWND control) {
    CellInfo info = MakeCellInfo(Tarn_GetCurSel(control), 0);
    return info.row >= 0 && Tarn_GetCellInfo(control, &info) ? info.data0 : 0;
}

// Commits the row with the text, or else the row at fallback.
void SelectText(HWND control, const char* text, int fallback) {
    const int row = text[0] ? Tarn_FindStringExact_A(control, -1, 0, text, TRUE) : -1;
    Tarn_SetCurSel(control, row >= 0 ? row : fallback);
}

void OneColumn(HWND control, int width, const char* header) {
    const ColumnDef col = MakeColumn(0, width, TARNCF_LEFT, header);
    Tarn_SetColumns(control, 1, &col);
}

}  // namespace

void FillFontFaces(HWND faces, HWND sizes, HWND styles) {
    OneColumn(faces, Chars(26), "Face");
    OneColumn(sizes, Chars(6), "Size");
    OneColumn(styles, Chars(14), "Style");
    // Every pitch and every kind of font, each face once, sorted.
    Tarn_Fonts(faces, -1, TRUE, nullptr,
               TARNFONT_FIXEDPITCH | TARNFONT_VARIABLEPITCH | TARNFONT_TRUETYPE | TARNFONT_RASTER |
                   TARNFONT_VECTOR);
    FitColumnToText(faces, 0);
}

void FontChooserChanged(HWND faces, HWND sizes, HWND styles, HWND changed, HWND sample) {
    char face[LF_FACESIZE] = "", size[16] = "", style[64] = "";
    CommittedText(faces, face, sizeof face);
    if (changed == faces && face[0]) {
        CommittedText(sizes, size, sizeof size);
        CommittedText(styles, style, sizeof style);
        // Sizes of a raster face merge into what is there, so the list is
        // emptied first; styles always merge.
        Tarn_ResetContent(sizes);
        Tarn_FontSizes_A(sizes, nullptr, face);
        Tarn_ResetContent(styles);
        Tarn_FontStyles_A(styles, nullptr, face, nullptr, nullptr);
        SelectText(sizes, size[0] ? size : "12", 0);
        SelectText(styles, style, 0);
        return;   // the two commits above come back here with the sample
    }
    if (!face[0] || Tarn_GetCurSel(sizes) < 0 || Tarn_GetCurSel(styles) < 0) return;
    const LPARAM key = CommittedKey(styles);
    LOGFONTA lf = {};
    HDC screen = GetDC(nullptr);
    lf.lfHeight = -MulDiv(static_cast<int>(CommittedKey(sizes)), GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    lf.lfWeight = static_cast<LONG>(key & 0xFFFF);
    lf.lfItalic = (static_cast<DWORD>(key) & TARNFONT_ITALICKEY) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    if (!font) return;
    SendMessageA(sample, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (g_sampleFont) DeleteObject(g_sampleFont);
    g_sampleFont = font;
    CommittedText(styles, style, sizeof style);
    CommittedText(sizes, size, sizeof size);
    char text[160];
    std::snprintf(text, sizeof text, "%s %s pt, %s\r\nThe quick brown fox jumps over the lazy dog 0123456789", face, size, style);
    SetWindowTextA(sample, text);
}

void FreeFontChooser() {
    if (g_sampleFont) DeleteObject(g_sampleFont);
    g_sampleFont = nullptr;
}
