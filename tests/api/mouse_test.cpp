// The mouse: what each press and release reports, column resize and move
// dragged with real input, auto-scroll, the wheel, and drags that end early.
#include <algorithm>

#include "resource_ids.h"
#include "support/control_fixture.h"
#include "support/dib.h"

namespace {

enum Where { kRow, kField, kButton, kCorner, kHeader };

class MouseTest : public ControlTest {
protected:
    HWND Focused(DWORD style, int rows, std::vector<ColumnDef> columns = {})
    {
        HWND h = Create(style, rows, {200, 150}, columns);
        SetForegroundWindow(parent()), SetFocus(h);
        return ValidateAll(h), h;
    }
    // What was reported, without the pointer moves (11) real input sends.
    Ints Clicks() const
    {
        Ints codes;
        for (int c : Codes())
            if (c != TARNN_MOUSEMOVE)
                codes.push_back(c);
        return codes;
    }
    // The point to press, in the client coordinates of *window.
    static POINT Spot(HWND h, Where where, int index, int x, HWND* window)
    {
        RECT rc = {};
        *window = where == kRow ? Tarn_GetHWNDDropDown(h) : h;
        switch (where) {
        case kRow: Tarn_GetItemRect(h, index, &rc); break;
        case kField: Tarn_GetItemRect(h, -1, &rc); break;
        case kButton: Tarn_GetDropDownButtonRect(h, &rc); break;
        case kCorner: Tarn_GetRowColHeaderRect(h, &rc); break;
        case kHeader: Tarn_GetHeaderRect(h, index, &rc); break;
        }
        return {x >= 0 ? x : (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // Real input: the pointer to p (client coordinates of w), then the
    // button flags, then the messages they make.
    void Input(HWND w, POINT p, DWORD buttons = 0)
    {
        ClientToScreen(w, &p), SetCursorPos(p.x, p.y), Settle(40);
        INPUT in = {};
        in.type = INPUT_MOUSE, in.mi.dwFlags = buttons;
        if (buttons)
            SendInput(1, &in, sizeof in), Settle(40);
    }
    void Settle(DWORD ms)
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < ms;)
            Pump(), MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    // The screen under the control's header band.
    static void Grab(Dib& d, HWND h)
    {
        RECT r = {};
        Tarn_GetHeaderRect(h, -1, &r), MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
        HDC screen = GetDC(nullptr);
        BitBlt(d.dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY), ReleaseDC(nullptr, screen);
    }
    static HCURSOR Cursor(int id) { return LoadCursorA(GetModuleHandleA("TARN32.dll"), MAKEINTRESOURCEA(id)); }
    static ColumnDef Col(HWND h, int col) { ColumnDef* d = nullptr; return Tarn_GetColumns(h, &d) > col ? d[col] : ColumnDef{}; }
};

// Each press reports its button, zone and click kind; the release in the
// list commits (and closes a dropped list); the header and corner report
// at the release. Disabled parts, flat row headers and the left-button-only
// style report nothing.
TEST_F(MouseTest, PressAndReleaseReportButtonZoneAndClick)
{
    static HBITMAP bm12 = CreateBitmap(12, 12, 1, 1, nullptr);
    using Setup = void (*)(HWND);
    static const Setup open = [](HWND h) { Tarn_ShowDropDown(h, TRUE); };
    static const Setup rowHeads = [](HWND h) { Tarn_SetRowHeaderWidth(h, 30); };
    static const Setup corner = [](HWND h) { Tarn_SetShowHeader(h, 1), Tarn_SetRowHeaderWidth(h, 30); };
    static const Setup tree = [](HWND h) { Tarn_SetShowTreeLines(h, TRUE), Tarn_SetItemBitmap(h, -1, bm12), Tarn_SetItemLevel(h, 1, 1); };
    const struct { DWORD style; Setup setup; Where where; int index, x; UINT down; Ints pressed, released; int (WINAPI* state)(HWND); int expected; } cases[] = {
        {TARNS_DROPDOWNLIST, open, kRow, 2, -1, WM_LBUTTONDOWN, {35}, {20, 18, 5}, Tarn_GetCurSel, 2},
        {TARNS_LISTBOX, nullptr, kRow, 1, -1, WM_LBUTTONDOWN, {35}, {5}, Tarn_GetCurSel, 1},
        {TARNS_LISTBOX, nullptr, kRow, 1, -1, WM_LBUTTONDBLCLK, {45}, {5}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX, nullptr, kRow, 1, -1, WM_MBUTTONDOWN, {55}, {5}, Tarn_GetCurSel, 1},
        {TARNS_LISTBOX, nullptr, kRow, 1, -1, WM_RBUTTONDBLCLK, {85}, {5, 22}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX | TARNS_LEFTBUTTONONLY, nullptr, kRow, 1, -1, WM_MBUTTONDOWN, {}, {}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX | TARNS_LEFTBUTTONONLY, nullptr, kRow, 1, -1, WM_RBUTTONDOWN, {}, {22}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX, rowHeads, kRow, 1, 5, WM_LBUTTONDOWN, {38}, {5}, Tarn_GetCurSel, 1},
        {TARNS_LISTBOX, [](HWND h) { Tarn_SetShowRowHeader(h, 4), Tarn_SetRowHeaderWidth(h, 30); }, kRow, 1, 5, WM_LBUTTONDOWN, {}, {5}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX, [](HWND h) { Tarn_SetRowHeaderWidth(h, 30), Tarn_SetRowHeaderStyle(h, TARNRHS_DISABLED); }, kRow, 1, 5, WM_RBUTTONDOWN, {}, {5, 22}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX, [](HWND h) { Tarn_SetItemLabel(h, -1, bm12); }, kRow, 1, 13, WM_LBUTTONDOWN, {30}, {5}, Tarn_GetCurSel, 1},
        {TARNS_LISTBOX, tree, kRow, 1, 13, WM_LBUTTONDOWN, {32}, {5}, Tarn_GetCurSel, 1},
        {TARNS_LISTBOX, tree, kRow, 1, 25, WM_LBUTTONDOWN, {34}, {5}, Tarn_GetCurSel, 1},
        {TARNS_LISTBOX, tree, kRow, 1, 26, WM_LBUTTONDOWN, {35}, {5}, Tarn_GetCurSel, 1},
        {TARNS_DROPDOWNLIST, nullptr, kField, 0, -1, WM_LBUTTONDOWN, {105, 19, 17}, {}, Tarn_GetDroppedState, 1},
        {TARNS_DROPDOWNLISTFIXED, open, kField, 0, -1, WM_LBUTTONDBLCLK, {115, 21, 18}, {}, Tarn_GetDroppedState, 0},
        {TARNS_DROPDOWN, nullptr, kButton, 0, -1, WM_LBUTTONDOWN, {19, 17}, {}, Tarn_GetDroppedState, 1},
        {TARNS_DROPDOWN, open, kButton, 0, -1, WM_LBUTTONDOWN, {21, 18}, {}, Tarn_GetCurSel, 3},
        {TARNS_LISTBOX, corner, kCorner, 0, -1, WM_LBUTTONDOWN, {}, {37}, Tarn_GetRowColHeaderButton, 1},
        {TARNS_LISTBOX, [](HWND h) { corner(h), Tarn_SetRowColHeaderStyle(h, TARNRHS_NOPRESS); }, kCorner, 0, -1, WM_LBUTTONDOWN, {}, {37}, Tarn_GetRowColHeaderButton, 0},
        {TARNS_LISTBOX, [](HWND h) { corner(h), Tarn_SetRowColHeaderStyle(h, TARNRHS_DISABLED); }, kCorner, 0, -1, WM_LBUTTONDOWN, {}, {}, Tarn_GetRowColHeaderButton, 0},
        {TARNS_DROPDOWNLIST, [](HWND h) { Tarn_SetShowHeader(h, 1); }, kHeader, 1, -1, WM_LBUTTONDOWN, {}, {36}, Tarn_GetHeaderButton, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        HWND h = Focused(c.style, 6, {Column(60), Column(60)}), w = nullptr;
        Tarn_SetCurSel(h, 3);
        if (c.setup)
            c.setup(h);
        ValidateAll(h);
        const POINT p = Spot(h, c.where, c.index, c.x, &w);
        const bool dbl = (c.down - WM_LBUTTONDOWN) % 3 == 2;
        EXPECT_EQ((SendMessageA(w, c.down, 0, MAKELPARAM(p.x, p.y)), Codes()), c.pressed);
        ClearLog();
        EXPECT_EQ((SendMessageA(w, dbl ? c.down - 1 : c.down + 1, 0, MAKELPARAM(p.x, p.y)), Codes()), c.released);
        EXPECT_EQ(c.state(h), c.expected);
        EXPECT_FALSE(GetCapture());
        DestroyWindow(h);
    }
}

// A press within 4 pixels left or 3 right of a divider (where the pointer
// shows the sizing cursor) drags it: the column's edge follows the pointer,
// and the extent grows or shrinks with it. A marker shows the edge meanwhile,
// unless the system shows window contents while dragging. The only visible
// column keeps 5 pixels.
TEST_F(MouseTest, DraggingADividerResizesTheColumn)
{
    BOOL full = FALSE;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    const struct { int offset, by, second; BOOL full; Ints codes; int width; } cases[] = {
        {3, 20, 60, FALSE, {8}, 83}, {-4, 20, 60, FALSE, {8}, 76}, {4, 20, 60, FALSE, {}, 60},
        {3, -40, 60, TRUE, {8}, 23}, {3, -90, 60, FALSE, {8}, 0}, {3, -90, 0, FALSE, {8}, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " by " << c.by);
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, c.full, nullptr, 0);
        HWND h = Focused(TARNS_LISTBOX, 5, {Column(60), Column(c.second), Column(c.second)});
        Tarn_SetShowHeader(h, 1), Tarn_SetOpenEnded(h, FALSE), Tarn_SetHorizontalExtent(h, 300), ValidateAll(h);
        RECT cell;
        Tarn_GetHeaderRect(h, 0, &cell);
        const POINT at = {cell.right + c.offset, cell.bottom / 2}, to = {at.x + c.by, at.y};
        Input(h, at);
        EXPECT_EQ(SendMessageA(h, WM_SETCURSOR, WPARAM(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) && GetCursor() == Cursor(IDC_TARN_COLUMNSIZE), c.offset < 4);
        Dib before(200, cell.bottom), during(200, cell.bottom);
        Grab(before, h), Input(h, at, MOUSEEVENTF_LEFTDOWN), Input(h, to), Grab(during, h);
        int marker = 0, elsewhere = 0;
        for (int y = 0; y < cell.bottom; ++y)
            for (int x = 0; x < 200; ++x)
                (x == to.x - 1 || x == to.x ? marker : elsewhere) += before.At(x, y) != during.At(x, y);
        EXPECT_TRUE(c.full || c.offset > 3 || to.x < 1 || (marker > 0 && elsewhere == 0)) << marker << " " << elsewhere;
        Input(h, to, MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(Clicks(), c.codes);
        EXPECT_EQ(Ints({Col(h, 0).width, Col(h, 2).width, Tarn_GetHorizontalExtent(h)}), Ints({c.width, c.second, 300 + c.width - 60}));
        DestroyWindow(h);
    }
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, full, nullptr, 0);
}

// A header pressed and moved no more than half the drag rectangle is a
// click; beyond it the column moves before the first column whose middle
// lies right of the pointer -- unless a fixed-position column would move or
// be passed, which the pointer shows and the drop refuses.
TEST_F(MouseTest, DraggingAHeaderMovesTheColumn)
{
    const struct { int column, by; int fixed; Ints codes, positions; } cases[] = {
        {0, 2, -1, {36}, {0, 1, 2}}, {0, 3, -1, {}, {0, 1, 2}}, {0, 130, -1, {9}, {2, 0, 1}},
        {2, -135, -1, {9}, {1, 2, 0}}, {0, 130, 1, {}, {0, 1, 2}}, {2, -135, 0, {}, {0, 1, 2}}, {1, 5, 1, {}, {0, 1, 2}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "column " << c.column << " by " << c.by);
        std::vector<ColumnDef> columns(3, Column(60));
        if (c.fixed >= 0)
            columns[c.fixed].flags = TARNCOL_FIXEDPOSITION;
        HWND h = Focused(TARNS_LISTBOX, 5, columns);
        Tarn_SetShowHeader(h, 1), ValidateAll(h);
        HWND w = nullptr;
        const POINT at = Spot(h, kHeader, c.column, -1, &w), to = {at.x + c.by, at.y};
        Input(h, at), Input(h, at, MOUSEEVENTF_LEFTDOWN), Input(h, to);
        EXPECT_TRUE(c.by < 3 || GetCursor() == Cursor(c.fixed < 0 ? IDC_TARN_COLUMNDRAG : IDC_TARN_NODROP));
        Input(h, to, MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(Clicks(), c.codes);
        EXPECT_EQ(Ints({Col(h, 0).position, Col(h, 1).position, Col(h, 2).position}), c.positions);
        DestroyWindow(h);
    }
}

// Held beyond the list's bottom or top edge, the pointer moves the highlight
// a row per tick, scrolling with it; back over a row it stops; the release
// commits.
TEST_F(MouseTest, DraggingBeyondTheListScrollsIt)
{
    for (int down : {1, 0}) {
        HWND h = Focused(TARNS_LISTBOX, 40), list = Tarn_GetHWNDDropDown(h), w = nullptr;
        Tarn_SetTopIndex(h, down ? 0 : 20), ValidateAll(h);
        const int top = Tarn_GetTopIndex(h), shown = Tarn_GetItemsShown(h);
        const POINT row = Spot(h, kRow, top + 1, -1, &w), beyond = {row.x, down ? Client(list).bottom + 20 : -20};
        Input(list, row), Input(list, row, MOUSEEVENTF_LEFTDOWN), Input(list, beyond), Settle(400);
        const int sel = Tarn_GetCurSel(h);
        EXPECT_TRUE(down ? sel > top + shown : sel < top) << sel;
        EXPECT_EQ(Tarn_GetTopIndex(h), down ? sel - shown + 1 : sel);
        Input(list, Spot(h, kRow, sel, -1, &w)), Settle(300);
        EXPECT_EQ(Tarn_GetCurSel(h), sel) << "stopped over a row";
        Input(list, Spot(h, kRow, sel, -1, &w), MOUSEEVENTF_LEFTUP);
        Ints codes = Clicks();
        EXPECT_TRUE(codes.size() > 3 && codes.front() == 35 && codes.back() == 5 &&
                    std::count(codes.begin(), codes.end(), TARNN_TOPINDEXCHANGE) == int(codes.size()) - 2);
        DestroyWindow(h);
    }
}

// A column dragged beyond either end of the header scrolls the columns a
// step per tick (10 each time) until they end; Esc leaves it where it was.
TEST_F(MouseTest, DraggingBeyondTheHeaderScrollsIt)
{
    for (bool left : {true, false}) {
        HWND h = Focused(TARNS_LISTBOX, 5, {Column(150), Column(150), Column(150)}), w = nullptr;
        Tarn_SetShowHeader(h, 1), Tarn_SetHorizontalExtent(h, 450), Tarn_SetHorizontalOffset(h, -1);
        const int end = left ? 0 : Tarn_GetHorizontalOffset(h);
        Tarn_SetHorizontalOffset(h, left ? 60 : end - 60), ValidateAll(h);
        const POINT at = Spot(h, kHeader, 1, -1, &w);
        Input(h, at), Input(h, at, MOUSEEVENTF_LEFTDOWN), Input(h, {left ? -10 : 210, at.y}), Settle(600);
        EXPECT_EQ(Tarn_GetHorizontalOffset(h), end);
        SendMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0), Input(h, at, MOUSEEVENTF_LEFTUP);
        Ints codes = Clicks();
        EXPECT_TRUE(codes.size() >= 2 && codes == Ints(codes.size(), TARNN_HOFFSETCHANGE)) << codes.size();
        DestroyWindow(h);
    }
}

} // namespace
