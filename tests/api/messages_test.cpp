// The standard window messages the control answers as a combo box would.
#include "support/control_fixture.h"

#include <cstring>
#include <string>
#include <utility>

namespace {

class Messages : public ControlTest {};

std::string ClipboardText(HWND owner)
{
    std::string text;
    if (!OpenClipboard(owner))
        return "<no clipboard>";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(HWND owner, const char* text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(mem), text, std::strlen(text) + 1);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
}

TEST_F(Messages, GetTextWithoutEditFieldReadsTheCurrentItem)
{
    for (DWORD type : {TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED}) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        AddItems(hwnd, 3);
        char buf[32];
        auto getText = [&](int cch) {
            std::memset(buf, 'x', sizeof buf);
            return SendMessageA(hwnd, WM_GETTEXT, cch, reinterpret_cast<LPARAM>(buf));
        };
        EXPECT_EQ(getText(sizeof buf), -1);
        EXPECT_STREQ(buf, "");
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), -1);

        ASSERT_EQ(Tarn_SetCurSel(hwnd, 2), 0);
        EXPECT_EQ(getText(sizeof buf), 6);
        EXPECT_STREQ(buf, "Item 2");
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), 6);
        getText(4);   // a small buffer is never overrun
        EXPECT_STREQ(buf, "Ite");
        EXPECT_EQ(buf[4], 'x');
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, EditFieldFollowsTheCurrentItemAndTypingSelectsExactMatches)
{
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWN}) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        AddItems(hwnd, 6);
        HWND edit = Tarn_GetHWNDEdit(hwnd);
        ASSERT_NE(edit, nullptr);
        char buf[64];

        // The control's own writes into the edit field are not reported.
        ClearLog();
        ASSERT_EQ(Tarn_SetCurSel(hwnd, 3), 0);
        GetWindowTextA(edit, buf, sizeof buf);
        EXPECT_STREQ(buf, "Item 3");
        EXPECT_EQ(Codes(), std::vector<int>{TARNN_SELCHANGE});
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), 6);

        // WM_SETTEXT goes to the edit field, whose change selects the exactly
        // matching row without a selection-change notification; a text that
        // matches no row clears the selection and stays as typed.
        ClearLog();
        SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Item 4"));
        EXPECT_EQ(Tarn_GetCurSel(hwnd), 4);
        SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Item 4x"));
        EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
        GetWindowTextA(edit, buf, sizeof buf);
        EXPECT_STREQ(buf, "Item 4x");
        EXPECT_EQ(Codes(), (std::vector<int>{TARNN_EDITUPDATE, TARNN_EDITCHANGE, TARNN_EDITUPDATE, TARNN_EDITCHANGE}));
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, ClearCutAndCopyWithoutEditField)
{
    // WM_CLEAR is not forwarded to an edit field: it clears the selection.
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        AddItems(hwnd, 3);
        Tarn_SetCurSel(hwnd, 1);
        ClearLog();
        SendMessageA(hwnd, WM_CLEAR, 0, 0);
        EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
        EXPECT_EQ(Codes(), std::vector<int>{TARNN_SELCHANGE});
        DestroyWindow(hwnd);
    }

    // Without an edit field the text is the first visible column's.
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    ColumnDef cols[2] = {};
    for (int i = 0; i < 2; ++i) {
        cols[i].width = i == 0 ? 0 : 80;   // column 0 hidden
        cols[i].position = i;
        cols[i].backColor = cols[i].textColor = cols[i].selBackColor = cols[i].selTextColor = TARN_COLOR_NONE;
    }
    ASSERT_TRUE(Tarn_SetColumns(hwnd, 2, cols));
    Tarn_AddString_A(hwnd, "hidden");
    Tarn_SetText_A(hwnd, 0, 1, "shown");
    SetClipboardText(parent(), "before");
    SendMessageA(hwnd, WM_COPY, 0, 0);   // no current item: an empty text
    EXPECT_EQ(ClipboardText(parent()), "");
    Tarn_SetCurSel(hwnd, 0);
    SendMessageA(hwnd, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(parent()), "shown");
    EXPECT_EQ(Tarn_GetCurSel(hwnd), 0);
    SetClipboardText(parent(), "before");
    SendMessageA(hwnd, WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(parent()), "shown");
    EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
}

TEST_F(Messages, SizeRightButtonAndMinimizeNotify)
{
    for (DWORD type : kAllTypes) {
        HWND hwnd = Create(type);
        ClearLog();
        SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(hwnd, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(10, 10));
        EXPECT_EQ(Codes(), (std::vector<int>{TARNN_RBUTTONUP, TARNN_RBUTTONUP, TARNN_SIZE})) << "type " << type;
        for (const Notification& n : Log()) {
            EXPECT_EQ(n.id, 1);
            EXPECT_EQ(n.sender, hwnd);
        }
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, SetRedrawOffSuppressesInvalidationUntilTurnedOn)
{
    HWND hwnd = Create(TARNS_LISTBOX);
    HWND list = Tarn_GetHWNDDropDown(hwnd);
    Pump();
    SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    Validate(list);
    AddItems(hwnd, 5);
    RECT r = UpdateRect(list);
    EXPECT_TRUE(IsRectEmpty(&r));
    SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    r = UpdateRect(list);
    EXPECT_FALSE(IsRectEmpty(&r));
}

TEST_F(Messages, CtlColorEditUsesTheControlColours)
{
    HWND hwnd = Create(TARNS_DROPDOWN);
    HWND edit = Tarn_GetHWNDEdit(hwnd);
    HDC dc = GetDC(edit);
    auto ctlColor = [&](HWND from) {
        return SendMessageA(hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(from));
    };
    HBRUSH brush = reinterpret_cast<HBRUSH>(ctlColor(edit));
    LOGBRUSH lb;
    ASSERT_EQ(GetObjectA(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ctlColor(hwnd), 0) << "for any other window the colours are left alone";
    ReleaseDC(edit, dc);
}

TEST_F(Messages, DialogCodeByTypeAndKey)
{
    // F4 is wanted by the drop-down types unless the extended interface is on.
    const std::pair<DWORD, LRESULT> cases[] = {{TARNS_LISTBOX, DLGC_WANTARROWS | DLGC_HASSETSEL},
                                               {TARNS_DROPDOWN, DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS},
                                               {TARNS_DROPDOWNLIST, DLGC_WANTARROWS | DLGC_WANTALLKEYS},
                                               {TARNS_DROPDOWNLISTFIXED, DLGC_WANTARROWS | DLGC_WANTALLKEYS}};
    for (auto [type, f4] : cases) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        MSG msg = {hwnd, WM_KEYDOWN, VK_F4, 0, 0, {0, 0}};
        auto code = [&](WPARAM key) {
            msg.wParam = key;
            return SendMessageA(hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
        };
        EXPECT_EQ(code(VK_F4), f4);
        Tarn_SetExtendedUI(hwnd, TRUE);
        EXPECT_EQ(code(VK_F4), f4 & ~DLGC_WANTALLKEYS);
        // Enter and Esc stay with the dialog while no list is dropped.
        EXPECT_EQ(code(VK_RETURN) & DLGC_WANTALLKEYS, 0);
        EXPECT_NE(code(VK_DOWN) & DLGC_WANTALLKEYS, 0);
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, TypeAheadSelectsTheNextRowStartingWithTheCharacter)
{
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    for (const char* t : {"apple", "banana", "avocado", "cherry"})
        Tarn_AddString_A(hwnd, t);
    ClearLog();
    // Case-insensitive, from the row after the current one, wrapping; no match: nothing.
    const std::pair<char, int> steps[] = {{'a', 0}, {'A', 2}, {'a', 0}, {'z', 0}};
    for (auto [ch, row] : steps) {
        SendMessageA(hwnd, WM_CHAR, ch, 0);
        EXPECT_EQ(Tarn_GetCurSel(hwnd), row) << "after " << ch;
    }
    EXPECT_EQ(Codes(), (std::vector<int>{TARNN_SELCHANGE, TARNN_SELCHANGE, TARNN_SELCHANGE}));
}

TEST_F(Messages, FocusNotifications)
{
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    HWND other = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 250, 10, 50, 20, parent(), nullptr,
                                 nullptr, nullptr);
    SetFocus(other);
    Pump();
    ClearLog();
    SetFocus(hwnd);
    SetFocus(other);
    Pump();
    EXPECT_EQ(Codes(), (std::vector<int>{TARNN_SETFOCUS, TARNN_KILLFOCUS}));
}

} // namespace
