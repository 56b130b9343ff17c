// The standard window messages the control answers as a combo box would.
#include "support/control_fixture.h"

#include <cstring>
#include <string>

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
        HWND hwnd = Create(type);
        AddItems(hwnd, 3);
        char buf[32];
        std::memset(buf, 'x', sizeof buf);
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf)), -1);
        EXPECT_STREQ(buf, "");
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), -1);

        ASSERT_EQ(Tarn_SetCurSel(hwnd, 2), 0);
        std::memset(buf, 'x', sizeof buf);
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf)), 6);
        EXPECT_STREQ(buf, "Item 2");
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), 6);

        // A small buffer is never overrun.
        char small[5];
        std::memset(small, 'x', sizeof small);
        SendMessageA(hwnd, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(small));
        EXPECT_STREQ(small, "Ite");
        EXPECT_EQ(small[4], 'x');
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

        ClearLog();
        ASSERT_EQ(Tarn_SetCurSel(hwnd, 3), 0);
        char buf[64];
        GetWindowTextA(edit, buf, sizeof buf);
        EXPECT_STREQ(buf, "Item 3");
        // The control's own writes into the edit field are not reported.
        EXPECT_EQ(Codes(), std::vector<int>{TARNN_SELCHANGE});
        EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), 6);

        // WM_SETTEXT goes to the edit field, whose EN_CHANGE selects the
        // exactly matching row without notification 5.
        ClearLog();
        SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Item 4"));
        EXPECT_EQ(Tarn_GetCurSel(hwnd), 4);
        EXPECT_EQ(Codes(), (std::vector<int>{TARNN_EDITUPDATE, TARNN_EDITCHANGE}));

        // A text that matches no row clears the selection and stays as typed.
        ClearLog();
        SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Item 4x"));
        EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
        GetWindowTextA(edit, buf, sizeof buf);
        EXPECT_STREQ(buf, "Item 4x");
        EXPECT_EQ(Codes(), (std::vector<int>{TARNN_EDITUPDATE, TARNN_EDITCHANGE}));
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, ClearAndCutClearTheSelection)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        AddItems(hwnd, 3);
        Tarn_SetCurSel(hwnd, 1);
        ClearLog();
        // WM_CLEAR is not forwarded to the edit field: it clears the selection.
        SendMessageA(hwnd, WM_CLEAR, 0, 0);
        EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
        EXPECT_EQ(Codes(), std::vector<int>{TARNN_SELCHANGE});
        DestroyWindow(hwnd);
    }

    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    AddItems(hwnd, 3);
    Tarn_SetCurSel(hwnd, 2);
    SetClipboardText(parent(), "before");
    SendMessageA(hwnd, WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(parent()), "Item 2");
    EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
}

TEST_F(Messages, CopyWithoutEditFieldUsesTheFirstVisibleColumn)
{
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    ColumnDef cols[2] = {};
    cols[0].width = 0; // hidden
    cols[1].width = 80;
    cols[0].position = 0;
    cols[1].position = 1;
    for (ColumnDef& c : cols)
        c.backColor = c.textColor = c.selBackColor = c.selTextColor = TARN_COLOR_NONE;
    ASSERT_TRUE(Tarn_SetColumns(hwnd, 2, cols));
    Tarn_AddString_A(hwnd, "hidden");
    Tarn_SetText_A(hwnd, 0, 1, "shown");

    SetClipboardText(parent(), "before");
    SendMessageA(hwnd, WM_COPY, 0, 0); // no current item: an empty text
    EXPECT_EQ(ClipboardText(parent()), "");
    Tarn_SetCurSel(hwnd, 0);
    SendMessageA(hwnd, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(parent()), "shown");
    EXPECT_EQ(Tarn_GetCurSel(hwnd), 0);
}

TEST_F(Messages, SizeRightButtonAndMinimizeNotify)
{
    for (DWORD type : kAllTypes) {
        HWND hwnd = Create(type);
        ClearLog();
        SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(hwnd, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(10, 10));
        EXPECT_EQ(Codes(), (std::vector<int>{TARNN_RBUTTONUP, TARNN_RBUTTONUP, TARNN_SIZE}));
        for (const Notification& n : Log()) {
            EXPECT_EQ(n.id, 1);
            EXPECT_EQ(n.sender, hwnd);
        }
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, DropDownTypesFitTheirHeightToTheField)
{
    // The field is one line of the control font plus a 2-pixel margin above
    // and below, with or without an edit field.
    TEXTMETRICA tm;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    for (DWORD type : {TARNS_DROPDOWN, TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED}) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type, 1, 200, 150);
        RECT rc;
        GetClientRect(hwnd, &rc);
        // No header: the client area is exactly one field high; the width stays.
        EXPECT_EQ(rc.bottom, tm.tmHeight + 4);
        EXPECT_EQ(rc.right, 200);
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
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(edit)));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH lb;
    ASSERT_EQ(GetObjectA(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    // For any other window the control leaves the colours alone.
    EXPECT_EQ(SendMessageA(hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)), 0);
    ReleaseDC(edit, dc);
}

TEST_F(Messages, DialogCodeByTypeAndKey)
{
    struct Case {
        DWORD type;
        LRESULT f4;
    };
    // F4 is wanted by the drop-down types unless the extended interface is on.
    const Case cases[] = {{TARNS_LISTBOX, DLGC_WANTARROWS | DLGC_HASSETSEL},
                          {TARNS_DROPDOWN, DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS},
                          {TARNS_DROPDOWNLIST, DLGC_WANTARROWS | DLGC_WANTALLKEYS},
                          {TARNS_DROPDOWNLISTFIXED, DLGC_WANTARROWS | DLGC_WANTALLKEYS}};
    for (const Case& c : cases) {
        HWND hwnd = Create(c.type);
        MSG msg = {hwnd, WM_KEYDOWN, VK_F4, 0, 0, {0, 0}};
        EXPECT_EQ(SendMessageA(hwnd, WM_GETDLGCODE, VK_F4, reinterpret_cast<LPARAM>(&msg)), c.f4);
        Tarn_SetExtendedUI(hwnd, TRUE);
        EXPECT_EQ(SendMessageA(hwnd, WM_GETDLGCODE, VK_F4, reinterpret_cast<LPARAM>(&msg)), c.f4 & ~DLGC_WANTALLKEYS);
        // Enter and Esc stay with the dialog while no list is dropped.
        msg.wParam = VK_RETURN;
        EXPECT_EQ(SendMessageA(hwnd, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTALLKEYS, 0);
        msg.wParam = VK_DOWN;
        EXPECT_NE(SendMessageA(hwnd, WM_GETDLGCODE, VK_DOWN, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTALLKEYS, 0);
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, TypeAheadSelectsTheNextRowStartingWithTheCharacter)
{
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    for (const char* t : {"apple", "banana", "avocado", "cherry"})
        Tarn_AddString_A(hwnd, t);
    ClearLog();
    SendMessageA(hwnd, WM_CHAR, 'a', 0);
    EXPECT_EQ(Tarn_GetCurSel(hwnd), 0);
    SendMessageA(hwnd, WM_CHAR, 'A', 0);
    EXPECT_EQ(Tarn_GetCurSel(hwnd), 2);
    SendMessageA(hwnd, WM_CHAR, 'a', 0); // wraps
    EXPECT_EQ(Tarn_GetCurSel(hwnd), 0);
    SendMessageA(hwnd, WM_CHAR, 'z', 0); // no row: nothing happens
    EXPECT_EQ(Tarn_GetCurSel(hwnd), 0);
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
