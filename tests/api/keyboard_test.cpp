// When the parent hears of the focus.
#include "support/control_fixture.h"

namespace {

using KeyTest = ControlTest;

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
