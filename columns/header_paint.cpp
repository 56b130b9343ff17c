// Painters of the header cells. Each one decides colours, font, pressed state
// and 3D frame of its cells and hands the interior to DrawCellContent, the
// routine that also fills the cells of the rows, so headers and cells place
// their texts and bitmaps alike.
#include "columns/header_paint.h"

#include "core/cell_format.h"
#include "core/ctl_colors.h"
#include "core/row_format.h"
#include "layout/column_geometry.h"
#include "layout/item_paint.h"
#include "layout/gdi_guards.h"

namespace {

// A record without a window (built in memory) draws as an enabled control.
bool WindowEnabled(const ControlRecord* rec)
{
    return !rec->hwnd || IsWindowEnabled(rec->hwnd);
}

COLORREF TableColor(const ControlRecord* rec, int slot)
{
    return ResolveColor(rec->colors[slot]);
}

HFONT HeaderFont(const ControlRecord* rec, HFONT own)
{
    return own ? own : rec->hfont;
}

// Four 1-pixel strips on rc: top and left in the first colour, bottom and
// right in the second; raised puts the highlight first, sunken the shadow.
// The strips are filled in the order top, left, bottom, right, so the
// corners where both colours meet belong to the later strip.
void DrawHeaderFrame(HDC dc, const RECT& rc, bool raised, COLORREF highlight, COLORREF shadow)
{
    BrushGuard first(CreateSolidBrush(raised ? highlight : shadow));
    BrushGuard second(CreateSolidBrush(raised ? shadow : highlight));
    if (!first || !second)
        return;
    const RECT top = {rc.left, rc.top, rc.right, rc.top + 1};
    const RECT left = {rc.left, rc.top, rc.left + 1, rc.bottom};
    const RECT bottom = {rc.left, rc.bottom - 1, rc.right, rc.bottom};
    const RECT right = {rc.right - 1, rc.top, rc.right, rc.bottom};
    FillRect(dc, &top, first.get());
    FillRect(dc, &left, first.get());
    FillRect(dc, &bottom, second.get());
    FillRect(dc, &right, second.get());
}

// A content record with nothing in it but the colours of a header cell.
CellContent HeaderContent(const RECT& rc, HBRUSH brush, COLORREF back, COLORREF text, bool enabled)
{
    CellContent c = {};
    c.rect = rc;
    c.fillBack = brush != nullptr;
    c.backColor = back;
    c.textColor = text;
    c.selBackColor = TARN_COLOR_NONE;
    c.selTextColor = TARN_COLOR_NONE;
    c.enabled = enabled ? TRUE : FALSE;
    return c;
}

} // namespace

COLORREF DisabledHeaderTextColor(COLORREF disabled)
{
    // Grey text on a grey button face would vanish: it takes the other grey.
    const COLORREF resolved = ResolveColor(disabled);
    if (resolved != GetSysColor(COLOR_BTNFACE))
        return resolved;
    return resolved == RGB(0xC0, 0xC0, 0xC0) ? RGB(0x80, 0x80, 0x80) : RGB(0xC0, 0xC0, 0xC0);
}

void PaintColumnHeaders(ControlRecord* rec, HDC dc, WorkDCs& work, const RECT& band, int visibleWidth)
{
    if (!rec->columns || rec->columnCount < 1)
        return;
    const COLORREF back = TableColor(rec, TARNCLR_COLHEADERBACKCOLOR);
    BrushGuard brush(CreateSolidBrush(back));
    if (!brush)
        return;
    DcColorsGuard saved(dc);
    SelectGuard font(dc, HeaderFont(rec, rec->hfontColHeader));
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, back);

    const bool windowEnabled = WindowEnabled(rec);
    const COLORREF text = TableColor(rec, TARNCLR_COLHEADERTEXTCOLOR);
    const COLORREF disabledText = DisabledHeaderTextColor(rec->colors[TARNCLR_COLHEADERDISABLEDTEXTCOLOR]);
    const COLORREF highlight = TableColor(rec, TARNCLR_COLHEADERHIGHLIGHTCOLOR);
    const COLORREF shadow = TableColor(rec, TARNCLR_COLHEADERSHADOWCOLOR);
    const int origin = band.left - rec->horizontalOffset;

    for (int pos = 0; pos < rec->columnCount; ++pos) {
        const int col = rec->columns[pos].columnAtPosition;
        if (!IsValidColumn(rec, col))
            continue;
        const int x = origin + ColumnLeft(rec, pos, -1);
        const int w = CellWidth(rec, visibleWidth, col, -1);
        if (w <= 0)
            continue;
        // The last pixel column and the band's bottom line stay background,
        // which separates neighbouring cells and the band from the field.
        const int right = x + w - 1;
        const ColumnDef& def = rec->columns[col];
        const bool enabled = windowEnabled && !(def.headerFormat & TARNHF_DISABLED);
        const bool pressed = col == rec->headerButton;

        const RECT interior = {x + 1, band.top + 1, right, band.bottom - 1};
        CellContent c = HeaderContent(interior, brush.get(), back, enabled ? text : disabledText, enabled);
        c.text = def.headerText;
        c.format = def.headerFormat & TARNHF_ALIGNMASK;   // headers never wrap
        c.bitmap = def.hbmHeader;
        c.bitmapWidth = rec->bmColumn.bmWidth;
        c.bitmapHeight = rec->bmColumn.bmHeight;
        c.bitmapStyle = def.headerBitmapStyle;
        c.pressedOffset = pressed ? 1 : 0;
        DrawCellContent(rec, dc, work, c);

        const RECT frame = {x, band.top, right, band.bottom - 1};
        DrawHeaderFrame(dc, frame, rec->showHeader == TARN_HEADER_BUTTONS && !pressed, highlight, shadow);
    }

    // The band beyond the last column (beside a closed column set, or above
    // the list's scroll bar) is header face, underlined by the pen the paint
    // handler selected, so the band reads as one bar.
    const int last = rec->columns[LastVisiblePosition(rec)].columnAtPosition;
    int end = origin + ColumnLeft(rec, LastVisiblePosition(rec), -1);
    if (IsValidColumn(rec, last))
        end += CellWidth(rec, visibleWidth, last, -1);
    if (end < band.right + 1) {
        const RECT rest = {end, band.top, band.right + 1, band.bottom - 1};
        FillRect(dc, &rest, brush.get());
        MoveToEx(dc, end, band.bottom - 1, nullptr);
        LineTo(dc, band.right + 1, band.bottom - 1);
    }
}

void PaintCorner(ControlRecord* rec, HDC dc, WorkDCs& work, const RECT& rc)
{
    const COLORREF back = TableColor(rec, TARNCLR_ROWCOLHEADERBACKCOLOR);
    BrushGuard brush(CreateSolidBrush(back));
    if (!brush)
        return;
    DcColorsGuard saved(dc);
    SelectGuard font(dc, HeaderFont(rec, rec->hfontColHeader));
    SetBkColor(dc, back);

    const bool enabled = WindowEnabled(rec) && !(rec->rowColHeaderStyle & TARNRHS_DISABLED);
    const COLORREF text = enabled ? TableColor(rec, TARNCLR_ROWCOLHEADERTEXTCOLOR)
                                  : DisabledHeaderTextColor(rec->colors[TARNCLR_ROWCOLHEADERDISABLEDTEXTCOLOR]);

    const RECT interior = {rc.left + 1, rc.top + 1, rc.right - 2, rc.bottom - 2};
    CellContent c = HeaderContent(interior, brush.get(), back, text, enabled);
    c.text = rec->rowColText;
    c.format = static_cast<UINT>(rec->rowColHeaderStyle);
    c.bitmap = rec->hbmRowCol;
    c.bitmapWidth = rec->bmRowCol.bmWidth;
    c.bitmapHeight = rec->bmRowCol.bmHeight;
    c.bitmapStyle = rec->rowColBitmapStyle;
    c.pressedOffset = rec->rowColHeaderButton ? 1 : 0;
    DrawCellContent(rec, dc, work, c);

    const RECT frame = {rc.left, rc.top, rc.right - 1, rc.bottom - 1};
    DrawHeaderFrame(dc, frame, rec->showRowColHeaderButton && !rec->rowColHeaderButton,
                    TableColor(rec, TARNCLR_ROWCOLHEADERHIGHLIGHTCOLOR),
                    TableColor(rec, TARNCLR_ROWCOLHEADERSHADOWCOLOR));
}

namespace {

// Modes 2, 4 and 6 draw flat cells that never look pressed.
bool FlatRowHeaders(const ControlRecord* rec)
{
    return rec->showRowHeader == TARN_ROWHEADER_FLAT || rec->showRowHeader == TARN_ROWHEADER_INDEXFLAT ||
           rec->showRowHeader == TARN_ROWHEADER_NUMBERFLAT;
}

// The text of a row header without a row text of its own: nothing, the
// 0-based index or the 1-based number, as the mode says.
const char* RowNumberText(const ControlRecord* rec, int row, char (&buffer)[16])
{
    switch (rec->showRowHeader) {
    case TARN_ROWHEADER_BUTTON:
    case TARN_ROWHEADER_FLAT:
        return nullptr;
    case TARN_ROWHEADER_NUMBER:
    case TARN_ROWHEADER_NUMBERFLAT:
        wsprintfA(buffer, "%d", row + 1);
        return buffer;
    default:
        wsprintfA(buffer, "%d", row);
        return buffer;
    }
}

// The size a row's header bitmap is drawn at: the shared size, except that
// rows of variable height may show their own bitmap at its own size once a
// shared size has switched row-header bitmaps on.
void RowBitmapSize(const ControlRecord* rec, HBITMAP hbm, int* width, int* height)
{
    *width = rec->bmRowInfo.bmWidth;
    *height = rec->bmRowInfo.bmHeight;
    BITMAP own;
    if (!rec->fixedItemHeight && hbm && rec->bmRowInfo.bmWidth > 0 && DescribeBitmap(hbm, &own)) {
        *width = own.bmWidth;
        *height = own.bmHeight;
    }
}

} // namespace

void PaintRowHeader(ControlRecord* rec, HDC dc, WorkDCs& work, TarnItem* item, int row, const RECT& rc,
                    bool fieldRow, bool enabled)
{
    const bool selected = IsRowSelected(rec, fieldRow, row);
    if (rec->hbrEditBack)
        FillRect(dc, &rc, rec->hbrEditBack);

    const bool pressed = selected && !FlatRowHeaders(rec) && !(rec->rowHeaderStyle & TARNRHS_NOPRESS) && !fieldRow;
    if (rec->rowHeaderStyle & TARNRHS_DISABLED)
        enabled = false;

    const RowFormat* format = ItemRowFormat(item);
    COLORREF back = rec->colors[selected ? TARNCLR_ROWHEADERSELBACKCOLOR : TARNCLR_ROWHEADERBACKCOLOR];
    COLORREF text = enabled ? rec->colors[selected ? TARNCLR_ROWHEADERSELTEXTCOLOR : TARNCLR_ROWHEADERTEXTCOLOR]
                            : DisabledHeaderTextColor(rec->colors[TARNCLR_ROWHEADERDISABLEDTEXTCOLOR]);
    // The row's own colours win, for disabled headers too.
    if (format) {
        back = InheritColor(selected ? format->selBackColor : format->backColor, back);
        text = InheritColor(selected ? format->selTextColor : format->textColor, text);
    }
    back = ResolveColor(back);
    text = ResolveColor(text);

    BrushGuard brush(CreateSolidBrush(back));
    if (!brush)
        return;
    DcColorsGuard saved(dc);
    SelectGuard font(dc, HeaderFont(rec, rec->hfontRowHeader));
    SetBkColor(dc, back);

    char number[16];
    const RECT interior = {rc.left + 1, rc.top + 1, rc.right - 2, rc.bottom - 2};
    CellContent c = HeaderContent(interior, brush.get(), back, text, enabled);
    c.text = item && item->rowText ? item->rowText : RowNumberText(rec, row, number);
    c.format = static_cast<UINT>(rec->rowHeaderStyle);
    if (format && format->hbm) {
        c.bitmap = format->hbm;
        c.bitmapStyle = format->bitmapStyle;
        RowBitmapSize(rec, format->hbm, &c.bitmapWidth, &c.bitmapHeight);
    }
    c.pressedOffset = pressed ? 1 : 0;
    DrawCellContent(rec, dc, work, c);

    const RECT frame = {rc.left, rc.top, rc.right - 1, rc.bottom - 1};
    DrawHeaderFrame(dc, frame, !FlatRowHeaders(rec) && !pressed, TableColor(rec, TARNCLR_ROWHEADERHIGHLIGHTCOLOR),
                    TableColor(rec, TARNCLR_ROWHEADERSHADOWCOLOR));
}
