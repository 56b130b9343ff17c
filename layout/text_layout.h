// The control's own text layout: splits a text into lines at CR, LF and
// (with DT_WORDBREAK) at spaces, limits the number of lines, centres the block
// vertically and, with DT_END_ELLIPSIS, cuts lines that are too wide or hide
// the text after them with the mark "...". Text is put out with ExtTextOutA,
// so an ampersand is always drawn as itself.
#pragma once

#include <windows.h>

// Every GDI call the layout makes goes through this table, so that a test can
// watch or count the exact output of a layout. GdiTextOutput() is the table
// of the real system calls.
struct TextOutput {
    BOOL (WINAPI* textExtent)(HDC dc, LPCSTR text, int length, LPSIZE size);
    // How many bytes fit in maxExtent pixels, with the size of all `length`.
    BOOL (WINAPI* fitExtent)(HDC dc, LPCSTR text, int length, int maxExtent, LPINT fit, LPINT partial, LPSIZE size);
    BOOL (WINAPI* textOut)(HDC dc, int x, int y, UINT options, const RECT* clip, LPCSTR text, UINT length,
                           const INT* dx);
    UINT (WINAPI* getTextAlign)(HDC dc);
    UINT (WINAPI* setTextAlign)(HDC dc, UINT align);
};

TextOutput GdiTextOutput();

// A text measured once for a box `avail` pixels wide, to be drawn without
// measuring it again. A line too wide to fit is measured only as far as the
// box, so it counts as one pixel wider than the box.
struct TextBlock {
    int width;        // the widest line, together with the mark a cut last line shows
    int height;
    int lineHeight;   // 0: a single line, drawn without the line scan
};

// The format bits honoured: DT_CENTER, DT_RIGHT (which wins), DT_SINGLELINE,
// DT_WORDBREAK, DT_VCENTER, DT_END_ELLIPSIS and, for DrawTextWrapped,
// DT_CALCRECT. `maxLines` below 1 acts as 1. Nothing here keeps state or
// allocates. The DC already holds the font and the colours.
TextBlock MeasureText(const TextOutput& out, HDC dc, const char* text, int length, int avail, UINT format,
                      int maxLines);
// Draws a text measured by MeasureText with the same format into `rect`,
// clipped to it; `rect` may be narrower than the width it was measured for
// when it still holds block.width.
//
// `fill` (optional) is a rectangle around `rect` to paint in the DC's
// background colour by the same output, for a single line that fits whole
// (block.lineHeight 0, block.width within `rect`): the line is then clipped
// to `fill` instead, which it does not reach beyond.
void DrawTextBlock(const TextOutput& out, HDC dc, const char* text, int length, const RECT& rect, UINT format,
                   const TextBlock& block, const RECT* fill = nullptr);

// Lays out and draws `length` bytes of `text` (need not be terminated) in
// `rect`, or with DT_CALCRECT measures them into `rect` (bottom, and for
// DT_SINGLELINE also right). In drawing mode `rect` is only read.
void DrawTextWrapped(HDC dc, const char* text, int length, RECT* rect, UINT format, int maxLines);
void DrawTextWrapped(const TextOutput& out, HDC dc, const char* text, int length, RECT* rect,
                     UINT format, int maxLines);

// True when the byte `character` occurs in the first `length` bytes of `text`;
// false for a length below 1.
bool TextHasChar(const char* text, int length, char character);
