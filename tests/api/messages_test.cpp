// What the parent hears, and the standard window messages the control
// answers as a combo box would.
#include "support/control_fixture.h"

#include <cstring>

namespace {

class Messages : public ControlTest {};

// Without an edit field, text messages read the current row: WM_GETTEXT
// never overruns; WM_CUT copies its first visible column and clears the
// selection, after which WM_COPY copies an empty text; a character selects
// by its first letter.
TEST_F(Messages, TextMessagesAndCharactersWithoutAnEditFieldUseTheCurrentRow)
{
    auto clipboard = [&] {
        HANDLE data = OpenClipboard(parent()) ? GetClipboardData(CF_TEXT) : nullptr;
        const std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "<none>";
        return data && GlobalUnlock(data), CloseClipboard(), text;
    };
    for (DWORD type : {TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED}) {
        HWND h = Create(type, 3), hidden = Create(type, 3, {200, 150}, {Column(0), Column(80)});
        char buf[32];
        auto getText = [&](int cch) { return std::memset(buf, 'x', sizeof buf), SendMessageA(h, WM_GETTEXT, cch, LPARAM(buf)); };
        EXPECT_TRUE(getText(sizeof buf) == -1 && !buf[0] && SendMessageA(h, WM_GETTEXTLENGTH, 0, 0) == -1);
        Tarn_SetCurSel(h, 2);
        EXPECT_TRUE(getText(sizeof buf) == 6 && !std::strcmp(buf, "Item 2") && SendMessageA(h, WM_GETTEXTLENGTH, 0, 0) == 6);
        EXPECT_EQ((getText(4), std::string(buf, 5)), std::string("Ite\0x", 5));
        Tarn_SetText_A(hidden, 2, 1, "Cut"), Tarn_SetCurSel(hidden, 2);
        EXPECT_TRUE((SendMessageA(hidden, WM_CUT, 0, 0), clipboard()) == "Cut" && Tarn_GetCurSel(hidden) == -1);
        EXPECT_EQ((SendMessageA(hidden, WM_COPY, 0, 0), clipboard()), "");
    }
    // Type-ahead: case-insensitive, from the row after the current one,
    // wrapping round to it (found again, it is committed again); no match:
    // nothing.
    HWND h = Create(TARNS_DROPDOWNLIST);
    for (const char* t : {"apple", "banana", "avocado", "cherry"})
        Tarn_AddString_A(h, t);
    for (auto [ch, row] : {std::make_pair('a', 0), {'A', 2}, {'a', 0}, {'z', 0}, {'C', 3}, {'c', 3}})
        EXPECT_EQ((SendMessageA(h, WM_CHAR, ch, 0), Tarn_GetCurSel(h)), row) << "after " << ch;
    EXPECT_EQ(Codes(), Ints(5, TARNN_SELCHANGE));
}

// What each type and its edit field leave to the dialog manager, closed and
// dropped, with and without extendedUI. Rules: 1 always, 2 while dropped, 3
// drop-down types unless extendedUI, 4 unless extendedUI, 0 never; the field
// adds to what EDIT itself asks.
TEST_F(Messages, DialogCodeByTypeAndKey)
{
    const UINT kd = WM_KEYDOWN;
    const struct { UINT msg; WPARAM key; int control, edit; } cases[] = {
        {kd, VK_RETURN, 2, 2}, {kd, VK_ESCAPE, 2, 2}, {kd, VK_PRIOR, 1, 1}, {kd, VK_NEXT, 1, 1}, {kd, VK_UP, 1, 1},
        {kd, VK_DOWN, 1, 1}, {kd, VK_SELECT, 1, 1}, {kd, VK_HOME, 1, 0}, {kd, VK_LEFT, 1, 0}, {kd, VK_F4, 3, 4},
        {kd, VK_TAB, 0, 0}, {WM_CHAR, 'a', 1, 0}, {WM_CHAR, '\r', 2, 2}, {WM_CHAR, '\n', 2, 0}, {WM_CHAR, '\t', 1, 0},
    };
    HWND plain = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent(), nullptr, nullptr, nullptr);
    auto code = [](HWND w, const MSG* m) { return SendMessageA(w, WM_GETDLGCODE, 0, LPARAM(m)); };
    for (DWORD type : kAllTypes) {
        HWND h = Create(type, 3), edit = Tarn_GetHWNDEdit(h);
        const LRESULT base = DLGC_WANTARROWS | (edit ? DLGC_HASSETSEL : 0);
        EXPECT_TRUE(code(h, nullptr) == base && (!edit || code(edit, nullptr) == code(plain, nullptr))) << type;
        for (int mode = 0; mode < 4; ++mode) {
            const bool extended = mode & 2, rule[] = {false, true, (mode & 1) && type, type && !extended, !extended};
            Tarn_SetExtendedUI(h, extended), Tarn_ShowDropDown(h, mode & 1);
            for (const auto& c : cases) {
                const MSG m = {h, c.msg, c.key, 1, 0, {}};
                EXPECT_EQ(code(h, &m), base | (rule[c.control] ? DLGC_WANTALLKEYS : 0)) << type << " " << mode << " " << c.key;
                EXPECT_TRUE(!edit || code(edit, &m) == (code(plain, &m) | (rule[c.edit] ? DLGC_WANTALLKEYS : 0))) << mode << " " << c.key;
            }
        }
    }
}

} // namespace
