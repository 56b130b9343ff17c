// Painting of whole controls, read back as pixels: the rows of the list
// window with the selection and the fill below the last row, the row-header
// strip, the control window's header band, field and drop button, pixel
// scrolling that must match a full repaint, and a long run of paints that
// must not leak a single GDI object.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "support/control_fixture.h"
#include "support/dib.h"

namespace {

constexpr COLORREF kBack = RGB(250, 250, 240);
constexpr COLORREF kText = RGB(0, 0, 128);
constexpr COLORREF kSelBack = RGB(200, 0, 0);
constexpr COLORREF kSelText = RGB(255, 255, 0);
constexpr COLORREF kHeaderBack = RGB(10, 160, 10);
constexpr COLORREF kRowHeaderBack = RGB(40, 40, 220);
constexpr COLORREF kButtonFace = RGB(90, 200, 200);
constexpr COLORREF kArrow = RGB(120, 0, 120);

RECT ClientOf(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    return rc;
}

RECT Band(const RECT& client, int top, int bottom) { return RECT{client.left, top, client.right, bottom}; }

int Differences(const Dib& a, const Dib& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

// How many GDI objects the process can still create: fills the handle table
// with brushes and frees them again. Exact, so one leaked object shows, where
// a probe for exhaustion would need more leaks than the table holds.
int GdiCapacity()
{
    std::vector<HBRUSH> brushes;
    for (HBRUSH b; brushes.size() < 200000 && (b = CreateSolidBrush(RGB(1, 1, 1))) != nullptr;)
        brushes.push_back(b);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    return static_cast<int>(brushes.size());
}

class PaintingTest : public ControlTest {
protected:
    // Distinct colours, so every pixel tells which rule painted it.
    void UseColors(HWND h)
    {
        CtlColors c;
        Tarn_GetCtlColors(h, &c);
        c.backColor = kBack;
        c.textColor = kText;
        c.selBackColor = kSelBack;
        c.selTextColor = kSelText;
        c.colHeaderBackColor = kHeaderBack;
        c.rowHeaderBackColor = kRowHeaderBack;
        c.dropButtonFaceColor = kButtonFace;
        c.dropButtonArrowColor = kArrow;
        c.dropButtonDisabledArrowColor = kArrow;
        Tarn_SetCtlColors(h, &c);
    }
    HWND FilledList(int rows, int width = 200, int height = 200, DWORD style = 0)
    {
        HWND h = Create(TARNS_LISTBOX | style, 1, width, height);
        UseColors(h);
        for (int i = 0; i < rows; ++i)
            Tarn_AddString_A(h, ("Row " + std::to_string(i)).c_str());
        Pump();
        return h;
    }
};

TEST_F(PaintingTest, ListRowsShowTextSelectionAndTheFillBelow)
{
    HWND h = FilledList(4);
    HWND list = Tarn_GetHWNDDropDown(h);
    const RECT client = ClientOf(list);
    const int row = Tarn_GetItemHeight(h, 0);
    Tarn_SetCurSel(h, 2);
    Dib dib(client.right, client.bottom);
    dib.Print(list);

    const RECT row0 = Band(client, 0, row), row2 = Band(client, 2 * row, 3 * row);
    EXPECT_GT(dib.Count(row0, kText), 0) << "text of row 0";
    EXPECT_EQ(dib.Count(row0, kSelBack), 0);
    EXPECT_GT(dib.Count(row2, kSelText), 0) << "selected text";
    EXPECT_EQ(dib.Count(row2, kBack), 0) << "selection style 0 covers the whole row";
    const RECT below = Band(client, 4 * row, client.bottom);
    ASSERT_GT(below.bottom, below.top);
    const int area = (below.bottom - below.top) * (below.right - below.left);
    EXPECT_EQ(dib.Count(below, kBack), area) << "the fill below the last row";
    EXPECT_EQ(dib.Count(client, RGB(1, 2, 3)), 0) << "every pixel painted";

    // The row-header strip: its own background, and below the last row its
    // background with a dividing line.
    Tarn_SetShowRowHeader(h, 1);
    int stripWidth = 0;
    {
        RECT rc;
        Tarn_GetRowHeaderRect(h, 0, &rc);
        stripWidth = rc.right - rc.left;
    }
    ASSERT_GT(stripWidth, 2);
    dib.Print(list);
    const RECT stripBelow = {0, 4 * Tarn_GetItemHeight(h, 0), stripWidth - 1, client.bottom};
    ASSERT_GT(stripBelow.bottom, stripBelow.top);
    EXPECT_EQ(dib.Count(stripBelow, kRowHeaderBack),
              (stripBelow.right - stripBelow.left) * (stripBelow.bottom - stripBelow.top));
    EXPECT_GT(dib.Count(RECT{1, 1, stripWidth - 2, row - 2}, kRowHeaderBack), 0);
    EXPECT_EQ(dib.Count(client, RGB(1, 2, 3)), 0);
}

TEST_F(PaintingTest, DropDownListShowsHeaderFieldAndButton)
{
    HWND h = Create(TARNS_DROPDOWNLIST, 1, 220, 40);
    UseColors(h);
    Tarn_AddString_A(h, "First");
    Tarn_AddString_A(h, "Second");
    Tarn_SetShowHeader(h, 1);
    Pump();
    const RECT client = ClientOf(h);
    Dib dib(client.right, client.bottom);

    RECT header;
    Tarn_GetHeaderRect(h, 0, &header);
    ASSERT_GT(header.bottom, 2);
    RECT button;
    Tarn_GetDropDownButtonRect(h, &button);
    ASSERT_FALSE(IsRectEmpty(&button));
    RECT field;
    ASSERT_EQ(Tarn_GetItemRect(h, -1, &field), 0);

    // No current row: the field is filled with the selection colour while the
    // control has the focus, with the background otherwise.
    SetFocus(h);
    Pump();
    dib.Print(h);
    const bool focused = GetFocus() == h;
    RECT inner = field;
    InflateRect(&inner, 0, -2);
    inner.right = button.left;
    EXPECT_GT(dib.Count(inner, focused ? kSelBack : kBack), (inner.right - inner.left) * (inner.bottom - inner.top) / 2);
    EXPECT_GT(dib.Count(RECT{header.left + 1, 1, header.right - 1, header.bottom - 1}, kHeaderBack), 0);
    EXPECT_GT(dib.Count(button, kButtonFace), 0);
    EXPECT_GT(dib.Count(button, kArrow), 0);

    // A current row is painted into the field in the row's colours.
    Tarn_SetCurSel(h, 1);
    SetFocus(parent());
    Pump();
    dib.Print(h);
    EXPECT_GT(dib.Count(inner, kText), 0);
    EXPECT_EQ(dib.Count(inner, kSelBack), 0) << "no focus, no selection colour";
}

TEST_F(PaintingTest, ScrollingByPixelsLeavesTheSameImageAsAFullRepaint)
{
    HWND h = FilledList(30, 200, 200, WS_VSCROLL);
    HWND list = Tarn_GetHWNDDropDown(h);
    Tarn_SetCurSel(h, 3);
    const RECT client = ClientOf(list);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();

    Dib screen(client.right, client.bottom), printed(client.right, client.bottom);
    Tarn_SetTopIndex(h, 2);   // less than a screen: moved pixels plus two new rows
    Pump();
    HDC dc = GetDC(list);
    BitBlt(screen.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(list, dc);
    printed.Print(list);
    EXPECT_EQ(Differences(screen, printed), 0);
    EXPECT_GT(printed.Count(client, kSelBack), 0) << "row 3 is still on screen, selected";
}

TEST_F(PaintingTest, AHundredThousandPaintsLeakNoGdiObject)
{
    // Every part that creates GDI objects: header, row headers, grid, tree
    // lines, labels and item bitmaps (embossed on a disabled row), a cell's
    // bitmap and font, and a drop-down's field and drop button.
    HWND h = FilledList(4, 180, 110, WS_VSCROLL | WS_HSCROLL);
    Tarn_SetShowHeader(h, 1);
    Tarn_SetShowRowHeader(h, 5);
    Tarn_SetShowGrid(h, 1);
    Tarn_SetShowTreeLines(h, 1);
    Tarn_SetItemLevel(h, 1, 1);
    Tarn_SetItemLevel(h, 2, 2);
    HBITMAP bmp = CreateBitmap(8, 8, 1, 32, nullptr);
    for (int index : {-1, 1})
        EXPECT_TRUE(Tarn_SetItemBitmap(h, index, bmp) && Tarn_SetItemLabel(h, index, bmp));
    Tarn_SetItemStatus(h, 1, 0);
    CellInfo cell = {TARN_CELLINFO_VERSION, -1, 0, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE,
                     0, 0, 0, nullptr, bmp, 0, 0};
    EXPECT_TRUE(Tarn_SetCellInfo(h, &cell));
    cell.row = 3;
    cell.hfont = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    EXPECT_TRUE(Tarn_SetCellInfo(h, &cell));
    Tarn_SetCurSel(h, 2);
    HWND combo = Create(TARNS_DROPDOWNLIST, 2, 180, 30);
    UseColors(combo);
    Tarn_AddString_A(combo, "Row");
    Tarn_SetCurSel(combo, 0);
    Pump();

    const HWND windows[] = {Tarn_GetHWNDDropDown(h), h, combo};
    std::vector<std::unique_ptr<Dib>> first, again;
    for (HWND w : windows) {
        const RECT rc = ClientOf(w);
        first.push_back(std::make_unique<Dib>(rc.right, rc.bottom));
        again.push_back(std::make_unique<Dib>(rc.right, rc.bottom));
        first.back()->Print(w);
    }
    const int capacity = GdiCapacity();
    for (int i = 0; i < 34000; ++i)
        for (int k = 0; k < 3; ++k)
            SendMessageA(windows[k], WM_PRINT, reinterpret_cast<WPARAM>(again[k]->dc()), PRF_CLIENT);
    EXPECT_EQ(GdiCapacity(), capacity) << "GDI objects left behind";
    for (int k = 0; k < 3; ++k) {
        again[k]->Print(windows[k]);
        EXPECT_EQ(Differences(*first[k], *again[k]), 0) << "window " << k << ": the last paint looks like the first";
    }
    DestroyWindow(h);
    DestroyWindow(combo);
    DeleteObject(bmp);
}

} // namespace
