// Creation, defaults and destruction of the control window, over the four
// control types.
#include "support/control_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct TypeCase {
    DWORD type;
    bool hasEdit;
    bool hasPermanentList;
};
constexpr TypeCase kTypes[] = {
    {TARNS_LISTBOX, true, true},
    {TARNS_DROPDOWN, true, false},
    {TARNS_DROPDOWNLIST, false, false},
    {TARNS_DROPDOWNLISTFIXED, false, false},
};

class Lifecycle : public ControlTest {};

// Callbacks are CALLBACK (stdcall on i686), which lambdas cannot be.
int g_deleteCalls;
int g_lastIndexSeen;
void CALLBACK CountingDelete(HWND, int index, LPARAM, LPARAM user)
{
    ++g_deleteCalls;
    g_lastIndexSeen = index;
    EXPECT_EQ(user, 77);
}

void CALLBACK DestroyingDelete(HWND h, int, LPARAM, LPARAM)
{
    ++g_deleteCalls;
    if (IsWindow(h) && g_deleteCalls == 1)
        DestroyWindow(h);
}

HWND g_seen;
LRESULT g_earlyResult;
LONG_PTR g_recordBefore;
LRESULT CALLBACK EarlyMessageHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND) {
        HWND w = reinterpret_cast<HWND>(wp);
        char cls[32] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::strcmp(cls, TARN32_CLASS) == 0 && !g_seen) {
            g_seen = w;
            g_earlyResult = SendMessageA(w, WM_GETTEXTLENGTH, 0, 0);
            g_recordBefore = GetWindowLongPtrA(w, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(Lifecycle, ClassesAreRegisteredWithTheirStyles)
{
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA("TARN32.dll"), TARN32_CLASS, &wc));
    EXPECT_EQ(wc.style & (CS_GLOBALCLASS | CS_DBLCLKS), static_cast<UINT>(CS_GLOBALCLASS | CS_DBLCLKS));
    EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
    EXPECT_EQ(wc.hbrBackground, nullptr);
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA("TARN32.dll"), TARN32_DROPDOWN_CLASS, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));

    WNDCLASSA edit, ctl;
    ASSERT_TRUE(GetClassInfoA(nullptr, "EDIT", &edit));
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA("TARN32.dll"), TARN32_EDIT_CLASS, &ctl));
    EXPECT_EQ(ctl.cbWndExtra, edit.cbWndExtra + static_cast<int>(sizeof(LONG_PTR)));
    EXPECT_EQ(ctl.style & CS_GLOBALCLASS, 0u);
}

TEST_F(Lifecycle, CreationDefaultsForEachType)
{
    for (const TypeCase& t : kTypes) {
        SCOPED_TRACE(testing::Message() << "type " << t.type);
        HWND hwnd = Create(t.type | WS_VSCROLL);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(GetPropA(hwnd, TARN32_PROP_CONTROL), reinterpret_cast<HANDLE>(1));
        EXPECT_EQ(Tarn_GetCount(hwnd), 0);
        EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
        EXPECT_EQ(Tarn_GetLocale(hwnd), 1024u);
        EXPECT_EQ(Tarn_GetCursorSelect(hwnd), 1);
        EXPECT_EQ(Tarn_GetExtendedUI(hwnd), 0);
        EXPECT_EQ(Tarn_GetOpenEnded(hwnd), 1);
        EXPECT_EQ(Tarn_GetHeaderButton(hwnd), -1);
        EXPECT_EQ(Tarn_GetResizeHeader(hwnd), 1);
        EXPECT_EQ(Tarn_GetReorderColumns(hwnd), 1);
        EXPECT_EQ(Tarn_GetCaretColumn(hwnd), 0);
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
        EXPECT_EQ(Tarn_GetColHeaderFont(hwnd), GetStockObject(DEFAULT_GUI_FONT));
        EXPECT_EQ(Tarn_GetEditCtlFont(hwnd), GetStockObject(DEFAULT_GUI_FONT));
        EXPECT_EQ(Tarn_GetRowHeaderFont(hwnd), GetStockObject(DEFAULT_GUI_FONT));

        ColumnDef* cols = nullptr;
        EXPECT_EQ(Tarn_GetColumns(hwnd, &cols), 1);
        ASSERT_NE(cols, nullptr);
        EXPECT_EQ(cols[0].width, 500);

        // The scroll bar style moves from the control to the list window.
        EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_VSCROLL, 0);

        HWND edit = Tarn_GetHWNDEdit(hwnd);
        EXPECT_EQ(edit != nullptr, t.hasEdit);
        if (edit) {
            char cls[32] = {};
            GetClassNameA(edit, cls, sizeof cls);
            EXPECT_STREQ(cls, TARN32_EDIT_CLASS);
            EXPECT_EQ(GetDlgCtrlID(edit), TARN32_ID_EDIT);
            EXPECT_EQ(GetParent(edit), hwnd);
        }
        HWND list = Tarn_GetHWNDDropDown(hwnd);
        EXPECT_EQ(list != nullptr, t.hasPermanentList);
        EXPECT_EQ(Tarn_GetDroppedState(hwnd), t.hasPermanentList ? 1 : 0);
        if (list) {
            EXPECT_EQ(GetDlgCtrlID(list), TARN32_ID_LIST);
            EXPECT_EQ(GetPropA(list, TARN32_PROP_DROPDOWN), reinterpret_cast<HANDLE>(1));
            // The list has the control's bar, hidden while nothing scrolls.
            EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, 0);
        }
        DestroyWindow(hwnd);
        Pump();
    }
}

TEST_F(Lifecycle, DestructionReleasesRecordAndCallsDeleteCallbackOncePerItem)
{
    g_deleteCalls = 0;
    g_lastIndexSeen = -2;
    for (const TypeCase& t : kTypes) {
        HWND hwnd = Create(t.type);
        AddItems(hwnd, 5);
        TarnDeleteCallbackInfo info = {CountingDelete, 77};
        ASSERT_TRUE(Tarn_SetDeleteCallback(hwnd, &info));
        DestroyWindow(hwnd);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(GetPropA(hwnd, TARN32_PROP_CONTROL), nullptr);
    }
    EXPECT_EQ(g_deleteCalls, 5 * 4);
    EXPECT_EQ(g_lastIndexSeen, 4);
}

// A message sent to a control window before its record exists gets 0 and
// does no work; only WM_NCCREATE / WM_GETMINMAXINFO create the record.
TEST_F(Lifecycle, MessagesBeforeTheRecordReturnZero)
{
    g_seen = nullptr;
    // A CBT hook runs before WM_GETMINMAXINFO / WM_NCCREATE are sent.
    HHOOK hook = SetWindowsHookExA(WH_CBT, EarlyMessageHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(g_seen, hwnd);
    EXPECT_EQ(g_earlyResult, 0);
    EXPECT_EQ(g_recordBefore, 0);
    EXPECT_NE(GetWindowLongPtrA(hwnd, 0), 0);
}

TEST_F(Lifecycle, ParentDestroyingTheControlInsideANotificationIsSafe)
{
    for (const TypeCase& t : kTypes) {
        SCOPED_TRACE(testing::Message() << "type " << t.type);
        HWND hwnd = Create(t.type);
        AddItems(hwnd, 3);
        ClearLog();
        OnNotify([&](const Notification& n) {
            if (n.code == TARNN_SELCHANGE && IsWindow(n.sender))
                DestroyWindow(n.sender);
        });
        Tarn_SetCurSel(hwnd, 1); // commits with notification 5
        OnNotify(nullptr);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(Codes(), std::vector<int>{TARNN_SELCHANGE});
    }
}

TEST_F(Lifecycle, ParentDestroyingTheControlInsideTheDeleteCallbackIsSafe)
{
    HWND hwnd = Create(TARNS_LISTBOX);
    AddItems(hwnd, 4);
    g_deleteCalls = 0;
    TarnDeleteCallbackInfo info = {DestroyingDelete, 0};
    ASSERT_TRUE(Tarn_SetDeleteCallback(hwnd, &info));
    Tarn_ResetContent(hwnd);
    // The destruction frees the remaining items too; every item is reported once.
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(g_deleteCalls, 4);
}

TEST_F(Lifecycle, CreatingAndDestroyingManyControlsLeaksNoHeap)
{
    auto cycle = [&](int rounds) {
        for (int r = 0; r < rounds; ++r)
            for (DWORD type : kAllTypes) {
                HWND hwnd = Create(type);
                AddItems(hwnd, 100);
                DestroyWindow(hwnd);
                // The fixture's own record of notifications must not grow
                // either, or it would be counted as the control's.
                ClearLog();
            }
        Pump();
    };
    // TARN32_LEAK_ROUNDS=1000 makes it the full measurement of 1,000
    // controls of each type; the default keeps the suite quick.
    char env[16] = {};
    const int rounds = GetEnvironmentVariableA("TARN32_LEAK_ROUNDS", env, sizeof env) ? atoi(env) : 250;
    cycle(20); // warm up: window class caches, fonts, the heap's own lists
    const SIZE_T before = HeapBytesInUse();
    cycle(rounds);
    const SIZE_T after = HeapBytesInUse();
    std::printf("heap in use: %lu bytes before, %lu after %d controls of each type with 100 items\n",
                static_cast<unsigned long>(before), static_cast<unsigned long>(after), rounds);
    // Every control with 100 items would leak kilobytes if any item, text or
    // record were kept; allow a little for allocator bookkeeping.
    EXPECT_LT(after, before + 8 * 1024) << "before " << before << " after " << after;
}

} // namespace
