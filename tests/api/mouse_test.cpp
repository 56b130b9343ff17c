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
    HWND Focused(DWORD style, int rows, std::vector<ColumnDef> cols = {}) { HWND h = Create(style, rows, {200, 150}, cols); return SetForegroundWindow(parent()), SetFocus(h), ValidateAll(h), h; }
    // What was reported, without the pointer moves (11) real input sends.
    Ints Clicks() const { Ints c = Codes(); return c.erase(std::remove(c.begin(), c.end(), int(TARNN_MOUSEMOVE)), c.end()), c; }
    // The point to press (x: the middle unless given), in the client
    // coordinates of *window.
    static POINT Spot(HWND h, Where where, int index, int x, HWND* window)
    {
        RECT rc = {};
        *window = where == kRow ? Tarn_GetHWNDDropDown(h) : h;
        where <= kField ? Tarn_GetItemRect(h, where == kRow ? index : -1, &rc) : where == kHeader ? Tarn_GetHeaderRect(h, index, &rc) : 0;
        where == kButton ? Tarn_GetDropDownButtonRect(h, &rc) : where == kCorner ? Tarn_GetRowColHeaderRect(h, &rc) : void();
        return {x >= 0 ? x : (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // Real input: the pointer to p (client coordinates of w), then the
    // button flags, then the messages they make.
    void Input(HWND w, POINT p, DWORD buttons = 0)
    {
        INPUT in = {};
        in.type = INPUT_MOUSE, in.mi.dwFlags = buttons;
        ClientToScreen(w, &p), SetCursorPos(p.x, p.y), Settle(40), buttons && SendInput(1, &in, sizeof in), Settle(40);
    }
    void Settle(DWORD ms) { for (DWORD t = GetTickCount(); GetTickCount() - t < ms;) Pump(), MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT); }
    // The screen under the control's header band.
    static void Grab(Dib& d, HWND h)
    {
        RECT r = {};
        HDC s = (Tarn_GetHeaderRect(h, -1, &r), MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2), GetDC(nullptr));
        BitBlt(d.dc(), 0, 0, r.right - r.left, r.bottom - r.top, s, r.left, r.top, SRCCOPY), ReleaseDC(nullptr, s);
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
        {TARNS_LISTBOX, [](HWND h) { Tarn_SetRowHeaderWidth(h, 30); }, kRow, 1, 5, WM_LBUTTONDOWN, {38}, {5}, Tarn_GetCurSel, 1},
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
        Tarn_SetCurSel(h, 3), c.setup ? c.setup(h) : void(), ValidateAll(h);
        const POINT p = Spot(h, c.where, c.index, c.x, &w);
        const UINT up = (c.down - WM_LBUTTONDOWN) % 3 == 2 ? c.down - 1 : c.down + 1;
        EXPECT_EQ((SendMessageA(w, c.down, 0, MAKELPARAM(p.x, p.y)), Codes()), c.pressed);
        ClearLog();
        EXPECT_EQ((SendMessageA(w, up, 0, MAKELPARAM(p.x, p.y)), Codes()), c.released);
        EXPECT_TRUE(c.state(h) == c.expected && !GetCapture()) << c.state(h);
        DestroyWindow(h);
    }
}

// A press within 4 pixels left or 3 right of a divider (where the pointer
// shows the sizing cursor) drags it: the column's edge follows the pointer,
// and the extent grows or shrinks with it. A marker shows the edge meanwhile,
// unless the system shows window contents while dragging. The only visible
// column keeps 5 pixels. Esc, the focus leaving, a new column set or a reset
// end the drag, marker gone; so does the parent destroying the control.
TEST_F(MouseTest, DraggingADividerResizesTheColumn)
{
    BOOL full = FALSE;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    using End = void (*)(HWND);
    const struct { int offset, by, second; BOOL full; End end; int destroyOn; Ints codes; int width; } cases[] = {
        {3, 20, 60, FALSE, nullptr, 0, {8}, 83}, {-4, 20, 60, FALSE, nullptr, 0, {8}, 76}, {4, 20, 60, FALSE, nullptr, 0, {}, 60},
        {3, -40, 60, TRUE, nullptr, 0, {8}, 23}, {3, -90, 60, FALSE, nullptr, 0, {8}, 0}, {3, -90, 0, FALSE, nullptr, 0, {8}, 5},
        {3, 20, 60, FALSE, [](HWND) { SendMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }, 0, {}, 60},
        {3, 20, 60, FALSE, [](HWND h) { SetFocus(GetParent(h)); }, 0, {TARNN_KILLFOCUS}, 60},
        {3, 20, 60, FALSE, [](HWND h) { SetColumns(h, std::vector<ColumnDef>(3, Column(60))); }, 0, {}, 60},
        {3, 20, 60, FALSE, [](HWND h) { Tarn_ResetContent(h); }, 0, {}, 60},
        {3, 20, 60, FALSE, nullptr, TARNN_MOUSEMOVE, {TARNN_KILLFOCUS}, 0}, {3, 20, 60, TRUE, nullptr, TARNN_COLUMNRESIZED, {8, TARNN_KILLFOCUS}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, c.full, nullptr, 0), ActOn(0, nullptr);
        HWND h = Focused(TARNS_DROPDOWNLIST, 5, {Column(60), Column(c.second), Column(c.second)});
        RECT cell = {};
        Tarn_SetShowHeader(h, 1), Tarn_SetOpenEnded(h, FALSE), Tarn_SetHorizontalExtent(h, 300), ValidateAll(h), Tarn_GetHeaderRect(h, 0, &cell);
        const POINT at = {cell.right + c.offset, cell.bottom / 2}, to = {at.x + c.by, at.y};
        Input(h, at);
        EXPECT_EQ(SendMessageA(h, WM_SETCURSOR, WPARAM(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) && GetCursor() == Cursor(IDC_TARN_COLUMNSIZE), c.offset < 4);
        Dib before(200, cell.bottom), during(200, cell.bottom);
        Grab(before, h), Input(h, at, MOUSEEVENTF_LEFTDOWN), ActOn(c.destroyOn, [](HWND w) { DestroyWindow(w); });
        Input(h, to), Grab(during, h);
        int marker = 0, elsewhere = 0;
        for (int i = 0, x = 0; i < 200 * cell.bottom; ++i, x = i % 200)
            (x == to.x - 1 || x == to.x ? marker : elsewhere) += before.At(x, i / 200) != during.At(x, i / 200);
        EXPECT_TRUE(c.full || c.destroyOn || c.offset > 3 || to.x < 1 || (marker > 0 && elsewhere == 0)) << marker << " " << elsewhere;
        c.end ? (c.end(h), Pump(), Grab(during, h)) : void();
        EXPECT_TRUE(!c.end || (!GetCapture() && before.Differences(during) == 0));
        Input(h, to, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(Clicks() == c.codes && !GetCapture() && IsWindow(h) == !c.destroyOn) << Clicks().size();
        EXPECT_EQ(Ints({Col(h, 0).width, Col(h, 2).width, Tarn_GetHorizontalExtent(h)}),
                  c.destroyOn ? Ints({0, 0, -1}) : Ints({c.width, c.second, 300 + c.width - 60}));
        DestroyWindow(h);
    }
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, full, nullptr, 0);
}

// A header pressed and moved no more than half the drag rectangle is a
// click; beyond it the column moves before the first column whose middle
// lies right of the pointer -- unless a fixed-position column would move or
// be passed, which the pointer shows and the drop refuses. Beyond either end
// of the header the columns scroll a step per tick (10 each). The parent
// may destroy the control when told.
TEST_F(MouseTest, DraggingAHeaderMovesTheColumn)
{
    const struct { int from, to, fixed, offset, destroyOn; Ints codes, positions; } cases[] = {
        {30, 32, -1, 0, 0, {36}, {0, 1, 2}}, {30, 33, -1, 0, 0, {}, {0, 1, 2}}, {30, 160, -1, 0, 0, {9}, {2, 0, 1}},
        {150, 25, -1, 0, 0, {9}, {1, 2, 0}}, {30, 160, 1, 0, 0, {}, {0, 1, 2}}, {150, 25, 0, 0, 0, {}, {0, 1, 2}},
        {90, 95, 1, 0, 0, {}, {0, 1, 2}}, {150, -10, -1, 50, 0, {10, 10, 9}, {1, 2, 0}}, {40, 210, -1, 50, 0, {10, 10, 9}, {0, 2, 1}},
        {30, 160, -1, 0, TARNN_COLUMNMOVED, {9}, {0, 0, 0}}, {150, -10, -1, 50, TARNN_HOFFSETCHANGE, {10}, {0, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        std::vector<ColumnDef> columns(3, Column(60));
        columns[std::max(c.fixed, 0)].flags = c.fixed >= 0 ? TARNCOL_FIXEDPOSITION : 0;
        ActOn(0, nullptr);
        HWND h = Focused(TARNS_LISTBOX, 5, columns), w = nullptr;
        Tarn_SetShowHeader(h, 1), Tarn_SetHorizontalExtent(h, 300), Tarn_SetHorizontalOffset(h, c.offset), ValidateAll(h);
        const POINT at = {c.from, Spot(h, kHeader, 0, 0, &w).y}, to = {c.to, at.y};
        Input(h, at), Input(h, at, MOUSEEVENTF_LEFTDOWN), ActOn(c.destroyOn, [](HWND w) { DestroyWindow(w); });
        Input(h, to), Settle(c.offset ? 400 : 0);
        EXPECT_TRUE(c.destroyOn || abs(c.to - at.x) < 3 || GetCursor() == Cursor(c.fixed < 0 ? IDC_TARN_COLUMNDRAG : IDC_TARN_NODROP));
        Input(h, to, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(Clicks() == c.codes && !GetCapture() && IsWindow(h) == !c.destroyOn) << Clicks().size();
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
        const POINT row = Spot(h, kRow, top + 1, -1, &w);
        Input(list, row), Input(list, row, MOUSEEVENTF_LEFTDOWN), Input(list, {row.x, down ? Client(list).bottom + 20 : -20}), Settle(400);
        const int sel = Tarn_GetCurSel(h);
        EXPECT_TRUE((down ? sel > top + shown : sel < top) && Tarn_GetTopIndex(h) == (down ? sel - shown + 1 : sel)) << sel;
        Input(list, Spot(h, kRow, sel, -1, &w)), Settle(300), Input(list, Spot(h, kRow, sel, -1, &w), MOUSEEVENTF_LEFTUP);
        Ints codes = Clicks();
        EXPECT_EQ(Tarn_GetCurSel(h), sel) << "stopped over a row";
        EXPECT_TRUE(codes.size() > 3 && codes.front() == 35 && codes.back() == 5 &&
                    std::count(codes.begin(), codes.end(), TARNN_TOPINDEXCHANGE) == int(codes.size()) - 2);
        DestroyWindow(h);
    }
}

// A notch scrolls by the system's lines per notch, no further than the last
// page or the first row, and leaves the selection; 6 only on a change.
TEST_F(MouseTest, WheelScrollsTheRows)
{
    UINT lines = 1;
    HWND h = Focused(TARNS_LISTBOX, 20);
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0), Tarn_SetCurSel(h, 1), ClearLog();
    const int n = static_cast<int>(lines), last = 20 - Tarn_GetItemsShown(h);
    const struct { int delta, top; } steps[] = {{-120, std::min(n, last)}, {-1200, last}, {-120, last}, {120, last - n}, {1200, 0}, {120, 0}};
    for (const auto& s : steps) {
        const int before = Tarn_GetTopIndex(h);
        EXPECT_EQ((SendMessageA(h, WM_MOUSEWHEEL, MAKEWPARAM(0, s.delta), 0), Tarn_GetTopIndex(h)), s.top);
        EXPECT_EQ(Codes(), s.top == before ? Ints{} : Ints{TARNN_TOPINDEXCHANGE}) << s.delta;
        ClearLog();
    }
    EXPECT_EQ(Tarn_GetCurSel(h), 1);
}

// The drag type is only stored, as 1 or 0; a click in the dropped list
// leaves the activation alone; a timer procedure does nothing without a
// drag. With cursor select the highlight of a dropped list follows the
// pointer (not for the move its list makes under it), that of type 0 only
// while a button is held.
TEST_F(MouseTest, DragTypeListActivationTimerProceduresAndHover)
{
    HWND h = Focused(TARNS_DROPDOWNLIST, 3), w = nullptr;
    const int initial = Tarn_GetDragType(h);
    EXPECT_EQ(Ints({initial, (Tarn_SetDragType(h, 5), Tarn_GetDragType(h)), (Tarn_SetDragType(h, 1), Tarn_GetDragType(h)), Tarn_GetDragType(parent())}), Ints({1, 0, 1, 0}));
    Tarn_ShowDropDown(h, TRUE), Tarn_VScrollTimerProc(h, WM_TIMER, 1, 0), Tarn_HeaderScrollTimerProc(h, WM_TIMER, 1, 0);
    EXPECT_EQ(SendMessageA(Tarn_GetHWNDDropDown(h), WM_MOUSEACTIVATE, WPARAM(parent()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
    EXPECT_TRUE(Codes() == Ints({TARNN_DROPDOWN, TARNN_DROPDOWNCREATED}) && Tarn_GetCurSel(h) == -1);
    int i = 0;
    Tarn_SetShowHeader(h, 1);   // the control grows, and its list moves under the pointer: a move it makes
    for (HWND c : {h, h, Create(TARNS_LISTBOX, 3)}) {
        const POINT p = Spot(c, kRow, 2, -1, &w);
        EXPECT_EQ((SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)), Tarn_GetCurSel(c)), Ints({-1, 2, -1})[i++]);
    }
}

} // namespace
