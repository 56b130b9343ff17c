// The control's keys, the dialog manager around them, and when the parent
// hears of the focus.
#include <algorithm>

#include "support/control_fixture.h"

namespace {

using KeyTest = ControlTest;

// Each key from a row of ten: the row committed is `to` plus `pages` lists of
// rows, kept within the rows; landing where it started commits nothing, nor
// does Alt+F4 close the parent. The windows are painted before a key returns.
TEST_F(KeyTest, NavigationKeysMoveAndCommitTheRow)
{
    const struct { int from; WPARAM key; int to, pages; UINT msg = WM_KEYDOWN; } cases[] = {
        {-1, VK_DOWN, 0, 0}, {-1, VK_RIGHT, 0, 0}, {-1, VK_UP, 0, 0}, {-1, VK_LEFT, 0, 0}, {-1, VK_NEXT, -1, 1},
        {-1, VK_PRIOR, 0, 0}, {-1, VK_END, 9, 0}, {-1, VK_HOME, 0, 0}, {5, VK_UP, 4, 0}, {5, VK_LEFT, 4, 0},
        {5, VK_DOWN, 6, 0}, {5, VK_RIGHT, 6, 0}, {5, VK_NEXT, 5, 1}, {5, VK_PRIOR, 5, -1}, {0, VK_UP, 0, 0},
        {0, VK_HOME, 0, 0}, {0, VK_PRIOR, 0, 0}, {9, VK_DOWN, 9, 0}, {9, VK_END, 9, 0}, {9, VK_NEXT, 9, 0},
        {3, VK_TAB, 3, 0}, {3, VK_F4, 3, 0, WM_SYSKEYDOWN},
    };
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWNLIST}) {
        HWND h = Create(type, 10);
        for (const auto& c : cases) {
            const int row = std::max(0, std::min(9, c.to + c.pages * Tarn_GetItemsShown(h)));
            // Scrolling the row into view may notify first.
            const Ints codes = (Tarn_SetCurSel(h, c.from), ClearLog(), SendMessageA(h, c.msg, c.key, 0x20000001), Codes());
            EXPECT_TRUE(Tarn_GetCurSel(h) == row && std::count(codes.begin(), codes.end(), TARNN_SELCHANGE) == (row != c.from))
                << "type " << type << " from " << c.from << " key " << c.key << " to " << Tarn_GetCurSel(h);
            EXPECT_TRUE(c.msg != WM_KEYDOWN || (UpdateRect(h) == RECT{} && UpdateRect(Tarn_GetHWNDDropDown(h)) == RECT{}));
        }
    }
    EXPECT_TRUE((Pump(), IsWindow(parent())));
}

// In order, to the edit field when there is one, through the parent's
// dialog manager, which gives Enter to the OK button (code 0) and takes Esc
// unless the list is open. 19 opening, 17 list made, 20 accepted, 21 cancelled, 18 list gone,
// 5 committed.
TEST_F(KeyTest, DropDownKeysThroughTheDialogManager)
{
    const UINT kd = WM_KEYDOWN, alt = WM_SYSKEYDOWN;
    const struct { UINT msg; WPARAM key; BOOL extendedUI; Ints codes; BOOL dropped; int row; } steps[] = {
        {kd, VK_F4, 0, {19, 17}, 1, 2}, {kd, VK_DOWN, 0, {5}, 1, 3}, {kd, VK_F4, 0, {20, 18, 5}, 0, 3},
        {kd, VK_RETURN, 0, {0}, 0, 3}, {kd, VK_ESCAPE, 0, {}, 0, 3}, {alt, VK_DOWN, 0, {19, 17}, 1, 3},
        {kd, VK_RETURN, 0, {20, 18, 5}, 0, 3}, {alt, VK_UP, 1, {19, 17}, 1, 3}, {kd, VK_ESCAPE, 1, {21, 18}, 0, 3},
        {kd, VK_F4, 1, {}, 0, 3}, {kd, VK_DOWN, 1, {19, 17}, 1, 3}, {kd, VK_DOWN, 1, {5}, 1, 4},
        {alt, VK_DOWN, 1, {20, 18, 5}, 0, 4},
    };
    CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | BS_DEFPUSHBUTTON, 0, 0, 50, 20, parent(), HMENU(IDOK), nullptr, nullptr);
    for (DWORD type : {TARNS_DROPDOWN, TARNS_DROPDOWNLIST}) {
        HWND h = Create(type, 10);
        SetFocus(h), Tarn_SetCurSel(h, 2);
        for (const auto& s : steps) {
            MSG m = {GetFocus(), s.msg, s.key, 1, 0, {}};
            Tarn_SetExtendedUI(h, s.extendedUI), ClearLog(), IsDialogMessageA(parent(), &m), Pump();
            EXPECT_TRUE(Codes() == s.codes && Tarn_GetDroppedState(h) == s.dropped && Tarn_GetCurSel(h) == s.row)
                << "type " << type << " key " << s.key << " extended " << s.extendedUI;
        }
    }
}

// Into the control from outside is [3], out of it [2] (an open list closed
// with cancel first); moving among its own windows is neither. Only the list
// of type 0 can take the focus.
TEST_F(KeyTest, FocusNotifiesOnlyWhenItCrossesTheControlsEdge)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type, 3), list = type == TARNS_LISTBOX ? Tarn_GetHWNDDropDown(h) : h;
        HWND field = Tarn_GetHWNDEdit(h) ? Tarn_GetHWNDEdit(h) : h;
        for (auto [to, codes] : {std::pair<HWND, Ints>{h, {3}}, {field, {}}, {list, {}}, {h, {}}, {parent(), {2}},
                                 {field, {3}}, {list, {}}, {nullptr, {2}}, {list, {3}}})
            EXPECT_EQ((ClearLog(), SetFocus(to), Codes()), codes) << "type " << type << " to " << to;
        // A focused edit field replaced with the columns hands the focus on within.
        EXPECT_EQ((SetFocus(h), ClearLog(), Tarn_SetColumns(h, 0, nullptr), Codes()), Ints{}) << "type " << type;
        EXPECT_EQ((Tarn_ShowDropDown(h, TRUE), ClearLog(), SetFocus(parent()), Codes()), type ? Ints({21, 18, 2}) : Ints{2});
    }
}

} // namespace
