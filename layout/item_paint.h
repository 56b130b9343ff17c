// Painting of rows, cells and the small parts of the control window that are
// not headers. Every routine draws into the DC it is given (an off-screen
// bitmap or the window's DC with a clip region), restores what it selects and
// deletes what it creates before it returns.
#pragma once

#include "core/control_record.h"
#include "layout/gdi_guards.h"

// One text and one bitmap placed inside a rectangle: the interior of a cell,
// of a column header, of a row header or of the corner cell.
struct CellContent {
    RECT rect;
    const char* text;       // NULL or "" for none
    UINT format;            // alignment in bits 0-1, 4 = wrapping text
    HBITMAP bitmap;         // drawn only when width and height are both > 0
    int bitmapWidth;
    int bitmapHeight;
    int bitmapStyle;        // 0 left of the text, 1 alone, 2 right of it
    int pressedOffset;      // pixels the text and bitmap move right
    bool fillBack;          // fill the rectangle with backColor first
    COLORREF backColor;     // the fill, and the transparent parts of the bitmap
    COLORREF textColor;
    COLORREF selBackColor;  // behind the text; -1 = leave the DC's colour
    COLORREF selTextColor;  // -1 = textColor
    HFONT font;             // NULL = the DC's current font
    BOOL enabled;           // FALSE draws the bitmap embossed grey
};

// Puts text and bitmap into c.rect as the column format and bitmap style ask.
// work holds the memory DCs for the bitmap work.
void DrawCellContent(ControlRecord* rec, HDC dc, WorkDCs& work, const CellContent& c);

// Copies width x height pixels of bmp, starting at (srcX, 0), to (x, y) of
// target; pixels of the colour at (srcX, 0) become back. Not enabled: the
// opaque pixels become an embossed grey shape.
void DrawBitmapTransparent(WorkDCs& work, HDC target, HBITMAP bmp, int srcX, int width, int x, int y,
                           int height, COLORREF back, bool enabled);

// A 1-pixel grid line: vertGridColor when w is 1, else horzGridColor.
void DrawGridLine(ControlRecord* rec, HDC dc, int x, int y, int w, int h);
// The row frame of the 3D look, raised for the selected row.
void DrawFrame3D(ControlRecord* rec, HDC dc, int left, int top, int right, int bottom, bool raised);
// The drop button of the drop-down types in rc (control client coordinates).
void DrawDropButton(ControlRecord* rec, HDC dc, const RECT& rc);
// The groove under the field of the list-box type.
void DrawListBoxSeparator(ControlRecord* rec, HDC dc);

// Whether a row is shown selected: in the list it is curSel; in the field
// (fieldMode) it is currentItem while the control or its edit field has the
// focus.
bool IsRowSelected(const ControlRecord* rec, bool fieldMode, int row);

// Paints one row (item may be NULL for a row that could not be fetched) into
// rowRect of dc. fieldMode paints the field instead of a list row; listWidth
// is ListWidth for list rows and the field's width for the field. *enabled
// receives whether the row was drawn enabled (after the draw-info callback).
// The tree lines look at neighbouring rows and the callback may change the
// items, so PaintRow takes the row afresh with GetItem when either happened:
// in virtual mode the caller's item pointer may have been given back to the
// application by the time PaintRow returns; fetch the row again before using
// it (or use it before calling PaintRow). The callback may also destroy the
// control: PaintRow then stops and returns false.
[[nodiscard]] bool PaintRow(ControlRecord* rec, bool fieldMode, int listWidth, HDC dc, WorkDCs& work,
                            TarnItem* item, int row, const RECT& rowRect, BOOL* enabled);

// Makes the control's background brush afresh from backColor (the only GDI
// object that outlives a paint), so a colour change shows at the next paint;
// NULL when no brush can be made.
HBRUSH RenewEditBackBrush(ControlRecord* rec);
