// The control's own text layout: splits a text into lines at CR, LF and
// (with DT_WORDBREAK) at spaces, limits the number of lines, centres the block
// vertically and cuts lines that are too wide with the mark "...". The
// system's DrawTextA only ever puts out one single line.
#pragma once

#include <windows.h>

// Every GDI call the layout makes goes through this table, so that a test can
// watch the exact output of a layout while the measurements stay real.
// GdiTextOutput() is the table of the real system calls.
struct TextOutput {
    BOOL (WINAPI* textExtent)(HDC dc, LPCSTR text, int length, LPSIZE size);
    int (WINAPI* drawText)(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
    UINT (WINAPI* getTextAlign)(HDC dc);
    UINT (WINAPI* setTextAlign)(HDC dc, UINT align);
    BOOL (WINAPI* moveTo)(HDC dc, int x, int y, LPPOINT previous);
};

TextOutput GdiTextOutput();

// Lays out and draws `length` bytes of `text` (need not be terminated) in
// `rect`, or with DT_CALCRECT measures them into `rect` (bottom, and for
// DT_SINGLELINE also right). In drawing mode `rect` is only read. The DC
// already holds the font and the colours. `maxLines` below 1 acts as 1.
// Keeps no state and allocates nothing.
void DrawTextWrapped(HDC dc, const char* text, int length, RECT* rect, UINT format, int maxLines);
void DrawTextWrapped(const TextOutput& out, HDC dc, const char* text, int length, RECT* rect,
                     UINT format, int maxLines);

// True when the byte `character` occurs in the first `length` bytes of `text`;
// false for a length below 1.
bool TextHasChar(const char* text, int length, char character);
