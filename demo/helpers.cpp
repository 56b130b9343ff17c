// Font metrics and small helpers around the TARN32 API, shared by every
// control of the demo.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "demo.h"

UiFont g_ui;

void InitUiFont() {
    g_ui.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, g_ui.font);
    TEXTMETRICA tm;
    if (GetTextMetricsA(dc, &tm)) {
        g_ui.charWidth = tm.tmAveCharWidth;
        g_ui.lineHeight = tm.tmHeight;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    // A font without metrics would make every size 0; fall back to the
    // dialog base units, which every system has.
    if (g_ui.charWidth <= 0 || g_ui.lineHeight <= 0) {
        const LONG units = GetDialogBaseUnits();
        g_ui.charWidth = LOWORD(units);
        g_ui.lineHeight = HIWORD(units);
    }
    // Item bitmaps a little taller than the text, so rows keep their height
    // plus a pixel or two of air.
    g_ui.iconSize = g_ui.lineHeight + 3;

    LOGFONTA lf;
    if (GetObjectA(g_ui.font, sizeof lf, &lf)) {
        lf.lfWeight = FW_BOLD;
        g_ui.bold = CreateFontIndirectA(&lf);
    }
}

void FreeUiFont() {
    if (g_ui.bold) DeleteObject(g_ui.bold);
    g_ui.bold = nullptr;
}

int TextWidth(const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, g_ui.font);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

ColumnDef MakeColumn(int position, int width, DWORD format, const char* header) {
    ColumnDef c;
    std::memset(&c, 0, sizeof c);
    // Never narrower than the header text with a character of margin on each
    // side (the header cell's frame and text margins take about one).
    const int headerWidth = header ? TextWidth(header) + Chars(2) : 0;
    c.width = width > headerWidth ? width : headerWidth;
    c.backColor = c.textColor = c.selBackColor = c.selTextColor = TARN_COLOR_NONE;
    c.format = format;
    c.headerFormat = format & TARNCF_ALIGNMASK;
    c.headerText = header;   // copied by Tarn_SetColumns
    c.position = position;
    return c;
}

CellInfo MakeCellInfo(int row, int column) {
    CellInfo ci;
    std::memset(&ci, 0, sizeof ci);
    ci.version = TARN_CELLINFO_VERSION;
    ci.row = row;
    ci.column = column;
    ci.backColor = ci.textColor = ci.selBackColor = ci.selTextColor = TARN_COLOR_NONE;
    return ci;
}

HWND CreateTarn(HWND parent, DWORD typeAndStyle, int id, const RECT& r) {
    HWND h = CreateWindowExA(WS_EX_CLIENTEDGE, TARN32_CLASS, "",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | typeAndStyle,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    // Setting the font first resets the header, row-header and edit fonts to
    // it, so every part of the control uses the font the demo measured.
    if (h) SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(g_ui.font), FALSE);
    return h;
}

void ReadCellText(HWND control, int row, int column, char* out, size_t size) {
    out[0] = '\0';
    const int len = Tarn_GetTextLength(control, row, column);
    if (len < 0) return;
    char* buf = static_cast<char*>(std::malloc(static_cast<size_t>(len) + 1));
    if (!buf) return;
    if (Tarn_GetText_A(control, row, column, buf) >= 0) std::snprintf(out, size, "%s", buf);
    std::free(buf);
}

int NaturalWidth(HWND control, bool scrollBar) {
    ColumnDef* cols = nullptr;
    const int n = Tarn_GetColumns(control, &cols);   // control-owned copy: do not free
    int width = 0;
    for (int i = 0; cols && i < n; ++i) width += cols[i].width;
    width += Tarn_GetOverheadWidth(control) + Tarn_GetRowHeaderWidth(control);
    width += 2 * GetSystemMetrics(SM_CXEDGE);
    if (scrollBar) width += GetSystemMetrics(SM_CXVSCROLL);
    return width;
}

void FitColumnToText(HWND control, int column) {
    int widest = 0;
    char text[256];
    const int count = Tarn_GetCount(control);
    for (int row = 0; row < count; ++row) {
        ReadCellText(control, row, column, text, sizeof text);
        const int w = TextWidth(text);
        if (w > widest) widest = w;
    }
    ColumnDef* cols = nullptr;
    const int n = Tarn_GetColumns(control, &cols);
    if (!cols || column < 0 || column >= n) return;
    // Half a character of margin on each side of the text, and as much again
    // so that neighbouring columns do not run together.
    const int needed = widest + Chars(2);
    if (cols[column].width >= needed) return;
    cols[column].width = needed;
    Tarn_SetColumns(control, n, cols);
}

void WidenColumnToFit(HWND control, int column, int controlWidth, bool scrollBar) {
    const int extra = controlWidth - NaturalWidth(control, scrollBar);
    if (extra <= 0) return;
    ColumnDef* cols = nullptr;
    const int n = Tarn_GetColumns(control, &cols);
    if (!cols || column < 0 || column >= n) return;
    // The copy may be edited and handed back; the column count stays, so this
    // works on a control that already holds rows.
    cols[column].width += extra;
    Tarn_SetColumns(control, n, cols);
}

int HeightForRows(HWND control, int rows) {
    // Whatever is not the list (frame, header band, field, separator) is the
    // difference between the control and its list window right now.
    RECT outer, list;
    HWND listWindow = Tarn_GetHWNDDropDown(control);
    if (!listWindow || !GetWindowRect(control, &outer) || !GetClientRect(listWindow, &list))
        return Lines(rows + 4);
    int height = (outer.bottom - outer.top) - (list.bottom - list.top);
    const int count = Tarn_GetCount(control);
    for (int i = 0; i < rows; ++i) {
        // Rows past the end are as high as the last one (or one text line).
        const int h = count > 0 ? Tarn_GetItemHeight(control, i < count ? i : count - 1) : -1;
        height += h > 0 ? h : g_ui.lineHeight;
    }
    return height;
}
