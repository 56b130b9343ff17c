// The in-place edit field of types 0 and 1.
#include "support/control_fixture.h"

namespace {

// Stands in for the control's handling of keys and WM_CANCELMODE: what the
// field passes on goes into the parent's log, in order with the
// notifications (a key as kKey + its code).
constexpr int kKey = 1000, kCancelMode = 999;
WNDPROC g_controlProc;
LRESULT CALLBACK Spy(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_KEYDOWN && msg != WM_CANCELMODE)
        return CallWindowProcA(g_controlProc, h, msg, wp, lp);
    return SendMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(kId, msg == WM_KEYDOWN ? kKey + wp : kCancelMode), LPARAM(h));
}
void Type(HWND h, const char* text) { for (; *text; ++text) SendMessageA(Tarn_GetHWNDEdit(h), WM_CHAR, *text, 1); }
using Range = std::pair<int, int>;
Range Sel(HWND h) { DWORD s = 0, e = 0; return Tarn_GetEditSel(h, &s, &e), Range(s, e); }

using EditFieldTest = ControlTest;

// The field shows the committed row's first column, also after its text is
// set (another row or column leaves it alone); the control's own writes are
// not reported, and WM_CLEAR clears the selection, not the field. Each typed
// character cancels the control's modes, then changes the field (15, 16). A
// row's whole text in any case commits the row without 5, and the field keeps
// the text as typed with the caret after it, also once one more letter
// matches no row. The navigation keys go to the control and leave the caret
// alone; Left stays with the field.
TEST_F(EditFieldTest, FollowsTheCommittedRowAndKeepsWhatIsTyped)
{
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWN}) {
        HWND h = Create(type, 6, {200, 150}, {Column(80), Column(80)}), field = Tarn_GetHWNDEdit(h);
        g_controlProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(h, GWLP_WNDPROC, LONG_PTR(Spy)));
        EXPECT_TRUE((Tarn_SetCurSel(h, 3), WindowText(field)) == "Item 3" && SendMessageA(h, WM_GETTEXTLENGTH, 0, 0) == 6);
        const struct { int row, column; const char* text; const char* shown; } steps[] = {
            {3, 0, "Changed", "Changed"}, {2, 0, "Other row", "Changed"}, {3, 1, "Second", "Changed"}, {3, 0, nullptr, ""}};
        for (const auto& s : steps)
            EXPECT_EQ((Tarn_SetText_A(h, s.row, s.column, s.text), WindowText(field)), s.shown) << "type " << type;
        EXPECT_TRUE((SendMessageA(h, WM_CLEAR, 0, 0), Tarn_GetCurSel(h)) == -1 && Codes() == Ints(2, TARNN_SELCHANGE));
        // The control's WM_SETTEXT goes to the field; type 1 drops Enter and Esc; "5" commits the row.
        SendMessageA(h, WM_SETTEXT, 0, LPARAM("iTEM ")), Tarn_SetEditSel(h, 5, 5), ClearLog(), Type(h, "\r\x1b" "5");
        EXPECT_EQ(Codes(), type ? Ints({kCancelMode, TARNN_EDITUPDATE, TARNN_EDITCHANGE})
                                : Ints({kCancelMode, kCancelMode, kCancelMode, TARNN_EDITUPDATE, TARNN_EDITCHANGE}));
        EXPECT_TRUE(Tarn_GetCurSel(h) == 5 && WindowText(field) == "iTEM 5" && Sel(h) == Range(6, 6)) << type;
        EXPECT_TRUE((Type(h, "x"), Tarn_GetCurSel(h)) == -1 && WindowText(field) == "iTEM 5x" && Sel(h) == Range(7, 7)) << type;
        for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN, VK_F4})
            EXPECT_TRUE((ClearLog(), SendMessageA(field, WM_KEYDOWN, key, 1), Codes()) == Ints({int(kKey + key)}) && Sel(h).first == 7) << key;
        EXPECT_TRUE((ClearLog(), SendMessageA(field, WM_KEYDOWN, VK_LEFT, 1), Codes()).empty() && Sel(h).first == 6);
        // Row 3 has no first cell: once that column is hidden the field shows the second.
        EXPECT_EQ((Tarn_SetCurSel(h, 3), SetColumns(h, {Column(0), Column(80)}), WindowText(Tarn_GetHWNDEdit(h))), "Second");
    }
    // A press in the permanent list gives the focus to the edit field.
    HWND h = Create(TARNS_LISTBOX, 3);
    SendMessageA(Tarn_GetHWNDDropDown(h), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), Tarn_GetHWNDEdit(h));
}

// Only types 0 and 1 have a field. New columns rebuild it: multi-line after
// a word-wrapped first column, quietly keeping the limit, the user's own text
// and selection, and being disabled with the control, as it is when the
// control is created disabled. It is enabled with the control again.
TEST_F(EditFieldTest, LimitTextAndDisablingSurviveNewColumns)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type, 6), born = Create(type | WS_DISABLED);
        const int ok = type <= TARNS_DROPDOWN ? 0 : -1;
        EXPECT_TRUE(Tarn_LimitText(h, -1) == -1 && Tarn_LimitText(h, 3) == ok && (Type(h, "itxy"), Tarn_SetEditSel(h, 1, 2)) == ok);
        EXPECT_TRUE(Tarn_GetEditSel(h, nullptr, nullptr) == ok && Sel(h) == (ok ? Range(-1, -1) : Range(1, 2))) << type;
        EXPECT_FALSE((EnableWindow(h, FALSE), IsWindowEnabled(Tarn_GetHWNDEdit(h)))) << type;
        if (ClearLog(), ok == 0 && SetColumns(h, {Column(80, TARNCF_WORDWRAP)})) {
            HWND field = Tarn_GetHWNDEdit(h);
            EXPECT_TRUE((GetWindowLongA(field, GWL_STYLE) & ES_MULTILINE) && SendMessageA(field, EM_GETLIMITTEXT, 0, 0) == 3) << type;
            EXPECT_TRUE(WindowText(field) == "itx" && Sel(h) == Range(1, 2) && Codes().empty()) << type;
            for (HWND w : {h, born})
                EXPECT_TRUE(!IsWindowEnabled(Tarn_GetHWNDEdit(w)) && (EnableWindow(w, TRUE), IsWindowEnabled(Tarn_GetHWNDEdit(w))));
        }
    }
}

} // namespace
