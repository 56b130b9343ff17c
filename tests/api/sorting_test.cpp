// Sorting through the exports: each comparison route, the refusals, the
// selection following its item, what is repainted and that nobody is told,
// and callbacks that change or destroy the control. (The order itself, on
// random groups against the exchange passes: the data tests.)
#include "support/control_fixture.h"

namespace {

int CALLBACK ByDataDown(HWND, const char*, const char*, LPARAM a, LPARAM b, LPARAM, LPARAM) { return int(b - a); }
int g_act;
int CALLBACK Meddle(HWND h, const char*, const char*, LPARAM, LPARAM)
{
    return (void)(g_act == 1 ? Tarn_DeleteString(h, 0) >= 0 : g_act == 2 ? SetColumns(h, {Column(60), Column(60)}) : g_act == 3 && DestroyWindow(h)), g_act = 0, 1;
}

// Routes: 0 no callback, 1 extended without one, 2 the built-in named, 3 item
// data downwards (extended); a callback that deletes row 0 (5), replaces
// the columns (6) or destroys the control (7).
TEST_F(ControlTest, SortingByEachRouteKeepsTheSelectionOnItsItemAndTellsNobody)
{
    // Rows 1 and 2 are row 0's children, row 6 has no text to sort by.
    auto make = [&] {
        HWND h = Create(TARNS_LISTBOX, 9, {200, 300}, {Column(60), Column(60)});
        for (int i = 0; i < 9; ++i)
            Tarn_SetText_A(h, i, 1, i == 6 ? nullptr : std::string(1, "cbaBaa ed"[i]).c_str()), Tarn_SetItemData(h, i, i), Tarn_SetItemLevel(h, i, i == 1 || i == 2);
        return Tarn_SetCurSel(h, 2), ValidateAll(h), h;
    };
    // The order as the rows' item data, their places before the sort.
    auto order = [](HWND h) { std::string s; for (int i = 0; i < Tarn_GetCount(h); ++i) s += char('0' + Tarn_GetItemData(h, i)); return s; };
    const char *kept = "012345678", *byLocale = "453012687";   // a < B < c; nothing passes row 6
    const struct { int route, parent, column; BOOL result; const char* order; int repainted; } cases[] = {
        {0, -1, 1, TRUE, byLocale, 0}, {1, -1, 1, TRUE, byLocale, 0}, {2, -1, 1, TRUE, byLocale, 0}, {3, -1, 1, TRUE, "876543012", 0},
        {0, 0, 1, TRUE, "021345678", 1}, {0, 1, 1, TRUE, kept, -1}, {0, -2, 1, FALSE, kept, -1}, {0, 9, 1, FALSE, kept, -1}, {1, -1, -1, FALSE, kept, -1},
        {0, -1, 2, FALSE, kept, -1}, {5, -1, 1, FALSE, "12345678", 0}, {6, -1, 1, FALSE, kept, 0}, {7, -1, 1, FALSE, "", -1}};
    const TARNCOMPAREPROC plain[] = {nullptr, nullptr, Tarn_DefaultCompareProc, nullptr, nullptr, Meddle, Meddle, Meddle};
    for (const auto& c : cases) {
        HWND h = make(), list = Tarn_GetHWNDDropDown(h);
        RECT first = {};   // the rows stay where they are on the screen
        Tarn_GetItemRect(h, c.repainted, &first), g_act = c.route - 4;
        EXPECT_TRUE((c.route == 1 || c.route == 3 ? Tarn_SortItemsEx(h, c.parent, c.column, c.route == 3 ? ByDataDown : nullptr)
                                                  : Tarn_SortItems(h, c.parent, c.column, plain[c.route])) == c.result && order(h) == c.order && Codes().empty() &&
                    (c.repainted < 0 ? UpdateRect(list) == RECT{} : UpdateRect(list).top == first.top)) << c.route << " " << order(h);
        EXPECT_TRUE(c.route == 7 || (Tarn_GetItemData(h, Tarn_GetCurSel(h)) == 2 && WindowText(Tarn_GetHWNDEdit(h)) == "Item 2"));
        DestroyWindow(h);
    }
}

} // namespace
