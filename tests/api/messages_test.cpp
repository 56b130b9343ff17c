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
    // wrapping; no match: nothing.
    HWND h = Create(TARNS_DROPDOWNLIST);
    for (const char* t : {"apple", "banana", "avocado", "cherry"})
        Tarn_AddString_A(h, t);
    for (auto [ch, row] : {std::make_pair('a', 0), {'A', 2}, {'a', 0}, {'z', 0}})
        EXPECT_EQ((SendMessageA(h, WM_CHAR, ch, 0), Tarn_GetCurSel(h)), row) << "after " << ch;
    EXPECT_EQ(Codes(), Ints(3, TARNN_SELCHANGE));
}

// Edit field types report their selection; F4 is wanted by the drop-down
// types unless the extended interface is on; Enter stays with the dialog
// while no list is dropped; the arrows are always wanted.
TEST_F(Messages, DialogCodeByTypeAndKey)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        MSG msg = {h, WM_KEYDOWN, 0, 0, 0, {0, 0}};
        auto code = [&](WPARAM key) { return msg.wParam = key, static_cast<int>(SendMessageA(h, WM_GETDLGCODE, key, LPARAM(&msg))); };
        const int base = DLGC_WANTARROWS | (type <= TARNS_DROPDOWN ? DLGC_HASSETSEL : 0), all = base | DLGC_WANTALLKEYS;
        EXPECT_EQ(Ints({code(VK_F4), code(VK_RETURN), code(VK_DOWN)}), Ints({type ? all : base, base, all})) << "type " << type;
        EXPECT_EQ((Tarn_SetExtendedUI(h, TRUE), code(VK_F4)), base) << "type " << type;
    }
}

} // namespace
