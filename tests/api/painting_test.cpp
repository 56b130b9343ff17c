// Painting of whole controls, read back as pixels: the rows of the list with
// the selection and the fill below the last row, the row-header strip and its
// numbers, the field and drop button of every type, the header band over the
// rows, pixel scrolling that must match a full repaint and a print of the
// whole control, and paints that must not leak a GDI object.
#include <memory>

#include "support/control_fixture.h"
#include "support/dib.h"

namespace {

constexpr COLORREF kBack = RGB(250, 250, 240), kText = RGB(0, 0, 128), kSelBack = RGB(200, 0, 0),
                   kSelText = RGB(255, 255, 0), kHeaderBack = RGB(10, 160, 10), kRowHeaderBack = RGB(40, 40, 220),
                   kButtonFace = RGB(90, 200, 200), kArrow = RGB(120, 0, 120), kUnpainted = RGB(1, 2, 3),
                   kHeaderText = RGB(0, 90, 0), kRowHeaderText = RGB(255, 128, 0);

int Area(const RECT& rc) { return (rc.right - rc.left) * (rc.bottom - rc.top); }

class PaintingTest : public ControlTest {
protected:
    // A control in distinct colours and the unsmoothed font (one for the
    // whole program), so every pixel tells which rule painted it.
    HWND Painted(DWORD style, int rows, SIZE size)
    {
        static const HFONT font = UnsmoothedGuiFont();
        HWND h = Create(style, rows, size);
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        COLORREF c[TARNCLR_COUNT];
        Tarn_GetCtlColors(h, reinterpret_cast<CtlColors*>(c));
        for (auto [slot, color] : {std::make_pair(TARNCLR_BACKCOLOR, kBack), {TARNCLR_TEXTCOLOR, kText}, {TARNCLR_SELBACKCOLOR, kSelBack},
                                   {TARNCLR_SELTEXTCOLOR, kSelText}, {TARNCLR_COLHEADERBACKCOLOR, kHeaderBack},
                                   {TARNCLR_ROWHEADERBACKCOLOR, kRowHeaderBack}, {TARNCLR_DROPBUTTONFACECOLOR, kButtonFace},
                                   {TARNCLR_DROPBUTTONARROWCOLOR, kArrow}, {TARNCLR_DROPBUTTONDISABLEDARROWCOLOR, kArrow},
                                   {TARNCLR_COLHEADERTEXTCOLOR, kHeaderText}, {TARNCLR_ROWHEADERTEXTCOLOR, kRowHeaderText}})
            c[slot] = color;
        Tarn_SetCtlColors(h, reinterpret_cast<CtlColors*>(c));
        Pump();
        return h;
    }
};

TEST_F(PaintingTest, ListRowsShowTextSelectionAndTheFillBelow)
{
    HWND h = Painted(TARNS_LISTBOX, 4, {200, 200}), list = Tarn_GetHWNDDropDown(h);
    const RECT client = Client(list);
    const int row = Tarn_GetItemHeight(h, 0);
    Tarn_SetCurSel(h, 2);
    Dib dib(client.right, client.bottom);
    dib.Print(list);
    const RECT row0 = {0, 0, client.right, row}, row2 = {0, 2 * row, client.right, 3 * row};
    const RECT below = {0, 4 * row, client.right, client.bottom};
    EXPECT_TRUE(dib.Count(row0, kText) > 0 && dib.Count(row0, kSelBack) == 0) << "row 0, not selected";
    EXPECT_TRUE(dib.Count(row2, kSelText) > 0 && dib.Count(row2, kSelBack) + dib.Count(row2, kSelText) == Area(row2))
        << "the selection covers the row";
    EXPECT_TRUE(Area(below) > 0 && dib.Count(below, kBack) == Area(below)) << "the fill below the last row";
    EXPECT_EQ(dib.Count(client, kUnpainted), 0) << "every pixel painted";

    // The row-header strip: its own background, below the last row too, with
    // a dividing line at its right.
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_BUTTON);
    const int strip = Tarn_GetRowHeaderWidth(h), framed = Tarn_GetItemHeight(h, 0);
    dib.Print(list);
    const RECT stripBelow = {0, 4 * framed, strip - 1, client.bottom};
    EXPECT_TRUE(strip > 2 && dib.Count(stripBelow, kRowHeaderBack) == Area(stripBelow));
    EXPECT_EQ(dib.Count({strip - 1, 4 * framed, strip, client.bottom}, kRowHeaderBack), 0);
    EXPECT_EQ(dib.Count(client, kUnpainted), 0);
}

// (The header band's colours: the header painter's test.)
// Both list-only types paint the field and drop button alike: filled with
// the selection colour while focused without a current row, then a current
// row in the row's colours without the focus. Types 0 and 1 show the row in
// their edit field.
TEST_F(PaintingTest, FieldShowsTheCommittedRowInEveryType)
{
    Dib dibs[4] = {{220, 40}, {220, 40}, {220, 40}, {220, 40}};
    for (DWORD type : kAllTypes) {
        HWND h = Painted(type, 2, {220, 40}), edit = Tarn_GetHWNDEdit(h);
        RECT button = {}, field = {};
        Tarn_GetDropDownButtonRect(h, &button), Tarn_GetItemRect(h, -1, &field);
        const RECT inner = {field.left, field.top + 2, button.left, field.bottom - 2};
        Dib& dib = dibs[type];
        SetFocus(h), Pump(), dib.Print(h);
        EXPECT_TRUE(edit || (GetFocus() == h && dib.Count(inner, kSelBack) > Area(inner) / 2 && dib.Count(button, kArrow) > 0 &&
                             dib.Count(button, kButtonFace) > 0)) << "type " << type;
        Tarn_SetCurSel(h, 1), SetFocus(parent()), Pump(), dib.Print(h);
        EXPECT_TRUE(edit ? WindowText(edit) == "Item 1" : dib.Count(inner, kText) > 0 && dib.Count(inner, kSelBack) == 0) << "type " << type;
    }
    EXPECT_EQ(dibs[TARNS_DROPDOWNLISTFIXED].Differences(dibs[TARNS_DROPDOWNLIST]), 0);
}

// A right-aligned last column: its header text ends as far from its cells'
// text with a vertical scroll bar beside the rows as without one, and the
// band above the bar is header face.
TEST_F(PaintingTest, LastHeaderEndsWithItsCellsBesideTheScrollBar)
{
    auto rightmost = [](const Dib& d, RECT rc, COLORREF c) {
        while (--rc.right >= rc.left && !d.Count({rc.right, rc.top, rc.right + 1, rc.bottom}, c)) {}
        return rc.right;
    };
    int offsets[2] = {};
    for (int bar : {0, 1}) {
        HWND h = Painted(TARNS_LISTBOX | (bar ? WS_VSCROLL : 0), 0, {200, 150}), list = Tarn_GetHWNDDropDown(h);
        ColumnDef last = Column(60, TARNCF_RIGHT);
        last.headerFormat = TARNHF_RIGHT, last.headerText = "Item 0";
        SetColumns(h, {Column(40), last}), AddItems(h, 30), Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS), Tarn_SetText_A(h, 0, 1, "Item 0");
        Dib top(Client(h).right, Client(h).bottom), rows(Client(list).right, Client(list).bottom);
        RECT band = {}, row = {};
        top.Print(h), rows.Print(list), Tarn_GetHeaderRect(h, -1, &band), Tarn_GetItemRect(h, 0, &row);
        const int header = rightmost(top, band, kHeaderText), cell = ChildRect(list).left + rightmost(rows, row, kText);
        const RECT aboveBar = {ChildRect(list).left + Client(list).right, band.top, band.right, band.bottom - 1};
        EXPECT_TRUE(header >= band.left && cell >= row.left && (Area(aboveBar) > 0) == bar && top.Count(aboveBar, kHeaderBack) == Area(aboveBar));
        offsets[bar] = header - cell;
    }
    EXPECT_EQ(offsets[1], offsets[0]);
}

// Row numbers of any length fit the strip the numbering mode chose: the last
// of 100,000 rows shows every digit, as DrawText puts them out.
TEST_F(PaintingTest, RowNumbersOfAnyLengthFitTheStrip)
{
    HWND h = Painted(TARNS_LISTBOX | WS_VSCROLL, 0, {200, 150}), list = Tarn_GetHWNDDropDown(h);
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_NUMBERFLAT), SendMessageA(h, WM_SETREDRAW, FALSE, 0), AddItems(h, 100000);
    SendMessageA(h, WM_SETREDRAW, TRUE, 0), Tarn_SetTopIndex(h, 99999), Pump();
    Dib strip(Client(list).right, Client(list).bottom), number(Client(list).right, Client(list).bottom);
    RECT header = {}, all = Client(list);
    strip.Print(list), Tarn_GetRowHeaderRect(h, 99999, &header);
    SelectObject(number.dc(), ControlFont(h)), SetTextColor(number.dc(), kRowHeaderText), SetBkMode(number.dc(), TRANSPARENT);
    DrawTextA(number.dc(), "100000", -1, &all, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(strip.Count(header, kRowHeaderText), number.Count(all, kRowHeaderText));
}

TEST_F(PaintingTest, ScrollingByPixelsLeavesTheSameImageAsAFullRepaint)
{
    HWND h = Painted(TARNS_LISTBOX | WS_VSCROLL, 30, {200, 200}), list = Tarn_GetHWNDDropDown(h);
    Tarn_SetCurSel(h, 3);
    const RECT client = Client(list);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Dib screen(client.right, client.bottom), printed(client.right, client.bottom);
    Tarn_SetTopIndex(h, 2);   // less than a screen: moved pixels plus two new rows
    Pump();
    HDC dc = GetDC(list);
    BitBlt(screen.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(list, dc);
    printed.Print(list);
    EXPECT_EQ(screen.Differences(printed), 0);
    // WM_PRINTCLIENT (PrintWindow, AnimateWindow) draws the same client area.
    Dib client_only(client.right, client.bottom);
    SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(client_only.dc()), PRF_CLIENT);
    EXPECT_EQ(client_only.Differences(printed), 0);
    EXPECT_GT(printed.Count(client, kSelBack), 0) << "row 3 is still on screen, selected";
    // Printing the control with its children puts the same list at its place.
    const RECT at = ChildRect(list);
    Dib whole(Client(h).right, Client(h).bottom);
    SendMessageA(h, WM_PRINT, reinterpret_cast<WPARAM>(whole.dc()), PRF_CLIENT | PRF_CHILDREN);
    int differences = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            differences += whole.At(at.left + x, at.top + y) != printed.At(x, y);
    EXPECT_EQ(differences, 0);
}

// The list's scroll bar is put back from an image only while nothing about
// it changed: after the thumb moves, the bar shows the new place, and a full
// repaint shows what the system last drew. Rows added between paints show
// in the bar at the next paint, as a fresh draw shows them.
TEST_F(PaintingTest, AScrollBarRepaintedAsAWholeShowsItsCurrentThumb)
{
    HWND h = Painted(TARNS_LISTBOX | WS_VSCROLL, 60, {200, 200}), list = Tarn_GetHWNDDropDown(h);
    SetCursorPos(0, 0);   // hot parts are never kept
    RECT window, client = Client(list);
    GetWindowRect(list, &window);
    const int w = window.right - window.left - client.right, height = window.bottom - window.top;
    auto shot = [&](UINT redraw) {
        RedrawWindow(parent(), nullptr, nullptr, redraw);
        auto image = std::make_unique<Dib>(w, height);
        HDC dc = GetWindowDC(list);
        BitBlt(image->dc(), 0, 0, w, height, dc, client.right, 0, SRCCOPY);
        ReleaseDC(list, dc);
        return image;
    };
    const UINT whole = RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    auto bar = [&](int top) { return Tarn_SetTopIndex(h, top), shot(whole); };
    const auto atTop = bar(0), down = bar(30), again = bar(30), kept = bar(30), back = bar(0);
    EXPECT_GT(atTop->Differences(*down), 0) << "the thumb moved";
    EXPECT_EQ(down->Differences(*again) + down->Differences(*kept), 0);
    EXPECT_EQ(back->Differences(*atTop), 0);
    for (int i = 0; i < 2; ++i)
        AddItems(h, 60), Pump();
    const auto grown = shot(RDW_UPDATENOW);
    SendMessageA(list, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(grown->Differences(*shot(whole)), 0);
    EXPECT_GT(grown->Differences(*back), 0);
}

// Every part that creates GDI objects: header, row headers, grid, tree lines,
// labels and item bitmaps (embossed on a disabled row), a cell's bitmap and
// font, a drop-down's field and drop button. The free handles are counted
// exactly, so a single object left behind by any of 300 paints shows; so
// does a heap block left by each.
TEST_F(PaintingTest, PaintsLeakNoGdiObject)
{
    HWND h = Painted(TARNS_LISTBOX | WS_VSCROLL | WS_HSCROLL, 4, {180, 110});
    Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS), Tarn_SetShowRowHeader(h, TARN_ROWHEADER_NUMBER), Tarn_SetShowGrid(h, TRUE);
    Tarn_SetShowTreeLines(h, TRUE), Tarn_SetItemLevel(h, 1, 1), Tarn_SetItemLevel(h, 2, 2);
    HBITMAP bmp = CreateBitmap(8, 8, 1, 32, nullptr);
    for (int index : {-1, 1})
        EXPECT_TRUE(Tarn_SetItemBitmap(h, index, bmp) && Tarn_SetItemLabel(h, index, bmp));
    Tarn_SetItemStatus(h, 1, 0);
    for (auto [row, font] : {std::make_pair(-1, HGDIOBJ()), {3, GetStockObject(ANSI_VAR_FONT)}}) {
        const CellInfo cell = {TARN_CELLINFO_VERSION, row, 0, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE,
                               0, 0, 0, static_cast<HFONT>(font), bmp, 0, 0};
        EXPECT_TRUE(Tarn_SetCellInfo(h, &cell));
    }
    HWND combo = Painted(TARNS_DROPDOWNLIST, 1, {180, 30});
    Tarn_SetCurSel(h, 2), Tarn_SetCurSel(combo, 0);
    Pump();

    const int paints = SoakCount("TARN32_SOAK_PAINTS", 100), capacity = GdiCapacity();
    const SIZE_T heap = HeapBytesInUse();
    const DWORD start = GetTickCount();
    for (HWND w : {Tarn_GetHWNDDropDown(h), h, combo}) {
        Dib first(Client(w).right, Client(w).bottom), again(Client(w).right, Client(w).bottom);
        first.Print(w);
        for (int i = 0; i < paints; ++i)
            again.Print(w);
        EXPECT_EQ(first.Differences(again), 0) << "the last paint looks like the first";
    }
    const SIZE_T heapAfter = HeapBytesInUse();
    const int capacityAfter = GdiCapacity();
    SoakFigures("TARN32_SOAK_PAINTS", "%d paints each of the list, the control and a closed drop-down in %.1f s; heap in use %lu bytes "
                "before, %lu after; free GDI handles %d before, %d after", paints, (GetTickCount() - start) / 1000.0,
                (unsigned long)heap, (unsigned long)heapAfter, capacity, capacityAfter);
    EXPECT_LT(heapAfter, heap + 512) << "heap blocks left behind";
    EXPECT_EQ(capacityAfter, capacity) << "GDI objects left behind";
    DestroyWindow(h), DestroyWindow(combo), DeleteObject(bmp);
}

} // namespace
