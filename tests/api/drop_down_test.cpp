// Opening and closing the list of the drop-down types, and where it opens.
#include "support/control_fixture.h"

namespace {

class DropDownTest : public ControlTest {
protected:
    // Focused first, so that opening sends no focus notifications.
    HWND Focused(DWORD style, int rows, SIZE size = {200, 150}) { HWND h = Create(style, rows, size); return SetFocus(h), ValidateAll(h), h; }
    static RECT Dropped(HWND hwnd) { RECT rc = {}; return Tarn_GetDroppedControlRect(hwnd, &rc), rc; }
};

TEST_F(DropDownTest, ShowDropDownResultsAndNotificationsForEachType)
{
    const struct { DWORD type; int rows, open; Ints opening; } cases[] = {
        {TARNS_LISTBOX, 5, 0, {}}, {TARNS_DROPDOWN, 0, 0, {}}, {TARNS_DROPDOWN, 5, 1, {19, 17}},
        {TARNS_DROPDOWNLIST, 5, 1, {19, 17}}, {TARNS_DROPDOWNLISTFIXED, 5, 1, {19}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " rows " << c.rows);
        HWND hwnd = Focused(c.type, c.rows), field = Tarn_GetHWNDEdit(hwnd);
        Tarn_SetCurSel(hwnd, c.rows ? 2 : -1), ClearLog();
        EXPECT_EQ(Tarn_ShowDropDown(hwnd, TRUE), c.open);
        EXPECT_EQ(Codes(), c.opening);
        HWND list = Tarn_GetHWNDDropDown(hwnd);
        if (c.type == TARNS_LISTBOX || !c.open)
            continue;
        EXPECT_TRUE(IsWindowVisible(list) && GetWindowLongPtrA(list, GWLP_ID) == TARN32_ID_LIST &&
                    (GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_TOPMOST) && GetFocus() == (field ? field : hwnd));
        EXPECT_TRUE(Tarn_ShowDropDown(hwnd, TRUE) == 1 && Tarn_GetHWNDDropDown(hwnd) == list) << "one list";
        // Destroying it, even in the middle of a press (below the rows),
        // neither commits nor cancels, and ends the press.
        SendMessageA(list, WM_LBUTTONDOWN, 0, MAKELPARAM(0, Client(list).bottom + 50));
        EXPECT_EQ((ClearLog(), Tarn_ShowDropDown(hwnd, FALSE)), 1);
        EXPECT_EQ(Codes(), Ints{TARNN_DROPDOWNDESTROYED});
        EXPECT_TRUE(!IsWindow(list) && !GetCapture() && !Tarn_GetDroppedState(hwnd) && Tarn_GetCurSel(hwnd) == 2 &&
                    Tarn_ShowDropDown(hwnd, FALSE) == 1);
    }
}

// A parent that sends WM_CANCELMODE while told of the opening or the closing
// keeps the list as it was.
TEST_F(DropDownTest, ParentVetoesOpeningAndClosing)
{
    HWND hwnd = Focused(TARNS_DROPDOWNLIST, 5);
    ActOn(TARNN_DROPDOWN, [](HWND h) { SendMessageA(h, WM_CANCELMODE, 0, 0); });
    EXPECT_TRUE(Tarn_ShowDropDown(hwnd, TRUE) == 1 && !Tarn_GetDroppedState(hwnd) && Codes() == Ints{TARNN_DROPDOWN});
    ActOn(TARNN_SELENDCANCEL, [](HWND h) { SendMessageA(h, WM_CANCELMODE, 0, 0); });
    ASSERT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
    HWND list = Tarn_GetHWNDDropDown(hwnd);
    EXPECT_EQ((ClearLog(), SendMessageA(hwnd, TARNM_CLOSEDROPDOWN, 0, 0), Codes()), Ints{TARNN_SELENDCANCEL});
    EXPECT_EQ(Tarn_GetHWNDDropDown(hwnd), list);
    ActOn(0, nullptr), SendMessageA(hwnd, TARNM_CLOSEDROPDOWN, 0, 0);
    EXPECT_FALSE(IsWindow(list));
}

// Where the list opens, as a window with one border pixel round the rows and
// one pixel narrower on the right.
TEST_F(DropDownTest, DroppedRectangleByRowsPixelsAndPercent)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    HWND hwnd = Focused(TARNS_DROPDOWNLIST, 10, {300, 40});
    const int r = Tarn_GetItemHeight(hwnd, 0);
    const struct { int height, width; POINT at; int rows; bool above; int w; } cases[] = {
        {6, 0, {20, 20}, 6, false, 0},                  // the defaults: 6 rows, the control's width
        {3, -50, {20, 20}, 3, false, 50},               // half the width
        {-(4 * r + r / 2), 120, {20, 20}, 4, false, 0}, // whole rows that fit in the pixels
        {50, 0, {20, 20}, 10, false, 0},                // no more rows than there are
        {6, 0, {20, cy - 40 - 2 * r}, 6, true, 0},      // no room below: above, where there is more
        {6, 0, {cx - 100, 20}, 6, false, -1},           // narrowed to end at the screen's edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " width " << c.width);
        Tarn_ShowDropDown(hwnd, FALSE), Tarn_SetDroppedHeight(hwnd, c.height), Tarn_SetDroppedWidth(hwnd, c.width);
        SetWindowPos(parent(), nullptr, c.at.x, c.at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
        RECT client = Client(hwnd);
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const int full = client.right - client.left, h = c.rows * r;
        const int w = c.width > 0 ? c.width : c.w == 0 ? full : c.w > 0 ? full * c.w / 100 : cx - client.left;
        const int top = c.above ? client.top - 3 - h : client.bottom + 3;
        EXPECT_EQ(Dropped(hwnd), (RECT{client.left - 1, top - 1, client.left + w, top + h + 1}));
    }
}

// A new font refits the control's height; an open list moves with its
// bottom edge.
TEST_F(DropDownTest, OpenListFollowsTheControlsHeight)
{
    HWND hwnd = Focused(TARNS_DROPDOWN, 10);
    ASSERT_EQ(Tarn_ShowDropDown(hwnd, TRUE), 1);
    RECT before, after;
    GetWindowRect(hwnd, &before);
    const RECT list = Dropped(hwnd);
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    GetWindowRect(hwnd, &after);
    const RECT moved = Dropped(hwnd);
    EXPECT_TRUE(after.bottom != before.bottom && moved.top - list.top == after.bottom - before.bottom &&
                moved.right - moved.left == list.right - list.left);
    DestroyWindow(hwnd), DeleteObject(big);
}

} // namespace
