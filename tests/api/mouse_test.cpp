// The mouse: what each press and release reports, column resize and move
// dragged with real input, auto-scroll, the wheel, and drags that end early.
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

} // namespace
