// Opening and closing the list of the drop-down types, and where it opens.
#include "support/control_fixture.h"

namespace {

class DropDownTest : public ControlTest {
protected:
    // Focused first, so that opening sends no focus notifications.
    HWND Focused(DWORD style, int rows, SIZE size = {200, 150})
    {
        HWND hwnd = Create(style, rows, size);
        SetFocus(hwnd);
        return ValidateAll(hwnd), hwnd;
    }
    static RECT Dropped(HWND hwnd) { RECT rc = {}; Tarn_GetDroppedControlRect(hwnd, &rc); return rc; }
    // The control's client rectangle on the screen.
    static RECT ScreenClient(HWND hwnd)
    {
        RECT rc = Client(hwnd);
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    // The list's window for rows from `top` (screen) of width w and height h:
    // one border pixel round it, and one pixel narrower on the right.
    static RECT ListWindow(const RECT& client, int top, int w, int h)
    {
        return {client.left - 1, top - 1, client.left + w, top + h + 1};
    }
};

TEST_F(DropDownTest, ShowDropDownResultsAndNotificationsForEachType)
{
    const struct { DWORD type; int rows; int open; Ints opening; } cases[] = {
        {TARNS_LISTBOX, 5, 0, {}},
        {TARNS_DROPDOWN, 0, 0, {}},   // nothing to show
        {TARNS_DROPDOWN, 5, 1, {TARNN_DROPDOWN, TARNN_DROPDOWNCREATED}},
        {TARNS_DROPDOWNLIST, 5, 1, {TARNN_DROPDOWN, TARNN_DROPDOWNCREATED}},
        {TARNS_DROPDOWNLISTFIXED, 5, 1, {TARNN_DROPDOWN}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " rows " << c.rows);
        HWND hwnd = Focused(c.type, c.rows);
        Tarn_SetCurSel(hwnd, 2);
        ClearLog();
        EXPECT_EQ(Tarn_ShowDropDown(hwnd, TRUE), c.open);
        EXPECT_EQ(Codes(), c.opening);
        if (c.type == TARNS_LISTBOX || !c.open)
            continue;
        HWND list = Tarn_GetHWNDDropDown(hwnd);
        ASSERT_TRUE(IsWindowVisible(list));
        EXPECT_EQ(GetWindowLongPtrA(list, GWLP_ID), TARN32_ID_LIST);
        EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(GetFocus(), Tarn_GetHWNDEdit(hwnd) ? Tarn_GetHWNDEdit(hwnd) : hwnd) << "the focus stays";
        ClearLog();
        EXPECT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
        EXPECT_EQ(Tarn_GetHWNDDropDown(hwnd), list) << "one list";
        // Closing here, even in the middle of a press (below the list),
        // neither commits nor cancels, and ends the press.
        SendMessageA(list, WM_LBUTTONDOWN, 0, MAKELPARAM(0, Client(list).bottom + 50));
        EXPECT_EQ(Tarn_ShowDropDown(hwnd, FALSE), 1);
        EXPECT_EQ(Codes(), Ints{TARNN_DROPDOWNDESTROYED});
        EXPECT_TRUE(!IsWindow(list) && !GetCapture());
        EXPECT_TRUE(Tarn_GetDroppedState(hwnd) == FALSE && Tarn_GetCurSel(hwnd) == 2);
        EXPECT_EQ(Tarn_ShowDropDown(hwnd, FALSE), 1);
        DestroyWindow(hwnd);
    }
}

// A parent that sends WM_CANCELMODE while told of the opening or the closing
// keeps the list as it was.
TEST_F(DropDownTest, ParentVetoesOpeningAndClosing)
{
    HWND hwnd = Focused(TARNS_DROPDOWNLIST, 5);
    ActOn(TARNN_DROPDOWN, [](HWND h) { SendMessageA(h, WM_CANCELMODE, 0, 0); });
    EXPECT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
    EXPECT_FALSE(Tarn_GetDroppedState(hwnd));
    EXPECT_EQ(Codes(), Ints{TARNN_DROPDOWN});

    ActOn(TARNN_SELENDCANCEL, [](HWND h) { SendMessageA(h, WM_CANCELMODE, 0, 0); });
    Tarn_SetCurSel(hwnd, 1);
    ASSERT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
    HWND list = Tarn_GetHWNDDropDown(hwnd);
    ValidateAll(hwnd);
    ClearLog();
    SendMessageA(hwnd, TARNM_CLOSEDROPDOWN, 0, 0);
    EXPECT_EQ(Codes(), Ints{TARNN_SELENDCANCEL});
    EXPECT_EQ(Tarn_GetHWNDDropDown(hwnd), list);
    ActOn(0, nullptr);
    SendMessageA(hwnd, TARNM_CLOSEDROPDOWN, 0, 0);
    EXPECT_FALSE(IsWindow(list));
}

TEST_F(DropDownTest, DroppedRectangleByRowsPixelsAndPercent)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    HWND hwnd = Focused(TARNS_DROPDOWNLIST, 10, {300, 40});
    const int r = Tarn_GetItemHeight(hwnd, 0);
    const struct { int height, width; POINT at; int rows; bool above; int w; } cases[] = {
        {0, 0, {20, 20}, 6, false, 0},                  // the defaults: 6 rows, the control's width
        {3, -50, {20, 20}, 3, false, 50},               // half the width
        {-(4 * r + r / 2), 120, {20, 20}, 4, false, 0}, // whole rows that fit in the pixels
        {50, 0, {20, 20}, 10, false, 0},                // no more rows than there are
        // Too little room below: above, when there is more room there.
        {0, 0, {20, cy - 40 - 2 * r}, 6, true, 0},
        // Past the right edge of the screen: narrowed to end there.
        {0, 0, {cx - 100, 20}, 6, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " width " << c.width);
        if (c.height)
            Tarn_SetDroppedHeight(hwnd, c.height);
        if (c.width)
            Tarn_SetDroppedWidth(hwnd, c.width);
        SetWindowPos(parent(), nullptr, c.at.x, c.at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
        const RECT client = ScreenClient(hwnd);
        const int full = client.right - client.left;
        int w = c.w == 0 ? full : c.w > 0 ? full * c.w / 100 : cx - client.left;
        if (c.width > 0)
            w = c.width;
        const int h = c.rows * r;
        const int top = c.above ? client.top - 3 - h : client.bottom + 3;
        EXPECT_EQ(Dropped(hwnd), ListWindow(client, top, w, h));
        Tarn_ShowDropDown(hwnd, FALSE);
        Tarn_SetDroppedHeight(hwnd, 6), Tarn_SetDroppedWidth(hwnd, 0);
    }
}

// A new font refits the control's height; an open list moves with its
// bottom edge.
TEST_F(DropDownTest, OpenListFollowsTheControlsHeight)
{
    HWND hwnd = Focused(TARNS_DROPDOWN, 10);
    ASSERT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
    RECT before, control;
    GetWindowRect(hwnd, &before);
    const RECT list = Dropped(hwnd);
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    GetWindowRect(hwnd, &control);
    ASSERT_NE(control.bottom, before.bottom);
    RECT moved = Dropped(hwnd);
    EXPECT_EQ(moved.top - list.top, control.bottom - before.bottom);
    EXPECT_EQ(moved.right - moved.left, list.right - list.left);
    DestroyWindow(hwnd);
    DeleteObject(big);
}

} // namespace
