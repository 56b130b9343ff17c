// A control destroyed, emptied or refilled by the application inside any
// notification or callback, and every export given a handle that is not a
// live control. Nothing may crash, corrupt the heap, go on after the control
// is gone, or write into another control that reused the freed memory.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/control_fixture.h"

namespace {

bool HeapsValid()
{
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < n && i < 64; ++i)
        if (!HeapValidate(heaps[i], 0, nullptr))
            return false;
    return true;
}

std::string Text(HWND hwnd, int row)
{
    char buffer[64] = "#";
    Tarn_GetText_A(hwnd, row, 0, buffer);
    return buffer;
}

// Fills the heap's free blocks with junk, so that anything still using the
// memory of a destroyed control or child window reads junk, and crashes.
void ScribbleFreeMemory()
{
    std::vector<void*> blocks;
    for (int i = 0; i < 400; ++i)
        if (void* p = HeapAlloc(GetProcessHeap(), 0, 16 + (i % 64) * 16))
            memset(p, 0xA5, 16 + (i % 64) * 16), blocks.push_back(p);
    for (void* p : blocks)
        HeapFree(GetProcessHeap(), 0, p);
}

class LifetimeTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        sentinel_ = Create(TARNS_LISTBOX, 5);
        Tarn_SetCurSel(sentinel_, 3);
    }
    // Fifty rows with redraw off: added one by one they would lay the
    // control out fifty times.
    HWND Fifty(DWORD style)
    {
        HWND hwnd = Create(style | WS_VSCROLL | WS_HSCROLL, 0, {230, 170});
        SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0), AddItems(hwnd, 50), SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
        return ClearLog(), hwnd;
    }
    // The sentinel control, made first, must come through every case as it was.
    void ExpectSentinelUntouched()
    {
        EXPECT_TRUE(Tarn_GetCount(sentinel_) == 5 && Tarn_GetCurSel(sentinel_) == 3 && Text(sentinel_, 2) == "Item 2");
        EXPECT_EQ(WindowText(Tarn_GetHWNDEdit(sentinel_)), "Item 3");
        EXPECT_TRUE(HeapsValid());
    }
    HWND sentinel_ = nullptr;
};

HFONT g_bigFont;
using Step = std::function<void(HWND)>;
const Step kNothing = [](HWND) {};

const struct Raise { int code; DWORD type; Step prepare, provoke; } kRaises[] = {
    {TARNN_KILLFOCUS, TARNS_LISTBOX, [](HWND h) { SetFocus(h); }, [](HWND h) { SetFocus(GetParent(h)); }},
    {TARNN_SETFOCUS, TARNS_DROPDOWNLIST, kNothing, [](HWND h) { SetFocus(h); }},
    // Committing the current row again notifies again.
    {TARNN_SELCHANGE, TARNS_DROPDOWNLISTFIXED, [](HWND h) { Tarn_SetCurSel(h, 1); }, [](HWND h) { Tarn_SetCurSel(h, 1); }},
    {TARNN_SELCHANGE, TARNS_DROPDOWN, kNothing, [](HWND h) { Tarn_SelectString_A(h, -1, 0, "Item 25", 1); }},
    {TARNN_TOPINDEXCHANGE, TARNS_LISTBOX, kNothing, [](HWND h) { Tarn_SetCurSel(h, 40); }},
    {TARNN_TOPINDEXCHANGE, TARNS_LISTBOX, kNothing,
     [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_VSCROLL, SB_PAGEDOWN, 0); }},
    // Resizing lays the control out, which scrolls the committed row into view.
    {TARNN_TOPINDEXCHANGE, TARNS_LISTBOX, [](HWND h) { Tarn_SetCurSel(h, 40), Tarn_SetTopIndex(h, 0); },
     [](HWND h) { SetWindowPos(h, nullptr, 0, 0, 230, 171, SWP_NOMOVE | SWP_NOZORDER); }},
    {TARNN_HOFFSETCHANGE, TARNS_LISTBOX, [](HWND h) { Tarn_SetHorizontalExtent(h, 5000); },
     [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_HSCROLL, SB_LINERIGHT, 0); }},
    {TARNN_MOUSEMOVE, TARNS_LISTBOX, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_MOUSEMOVE, 0, 0); }},
    {TARNN_OVERHEADCHANGE, TARNS_LISTBOX, kNothing, [](HWND h) { Tarn_SetItemLevel(h, 1, 2); }},
    {TARNN_OVERHEADCHANGE, TARNS_DROPDOWNLIST, kNothing, [](HWND h) { Tarn_SetShowTreeLines(h, TRUE); }},
    // A new font refits the drop-down's height, a resize inside WM_SETFONT.
    {TARNN_SIZE, TARNS_DROPDOWN, kNothing, [](HWND h) { SendMessageA(h, WM_SETFONT, (WPARAM)g_bigFont, TRUE); }},
    // The edit field raises these from inside its own handling of a key.
    {TARNN_EDITUPDATE, TARNS_DROPDOWN, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDEdit(h), WM_CHAR, 'R', 1); }},
    {TARNN_EDITCHANGE, TARNS_LISTBOX, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDEdit(h), WM_CHAR, 'R', 1); }},
    {TARNN_EDITCHANGE, TARNS_DROPDOWN, kNothing, [](HWND h) { SetWindowTextA(Tarn_GetHWNDEdit(h), "Item 7"); }},
    {TARNN_DROPDOWN, TARNS_DROPDOWN, kNothing, [](HWND h) { Tarn_ShowDropDown(h, TRUE); }},
    {TARNN_DROPDOWNCREATED, TARNS_DROPDOWNLIST, kNothing, [](HWND h) { Tarn_ShowDropDown(h, TRUE); }},
    {TARNN_DROPDOWNDESTROYED, TARNS_DROPDOWN, [](HWND h) { Tarn_ShowDropDown(h, TRUE); },
     [](HWND h) { Tarn_ShowDropDown(h, FALSE); }},
    {TARNN_SELENDCANCEL, TARNS_DROPDOWNLISTFIXED, [](HWND h) { Tarn_ShowDropDown(h, TRUE); },
     [](HWND h) { SendMessageA(h, TARNM_CLOSEDROPDOWN, 0, 0); }},
    {TARNN_SELENDOK, TARNS_DROPDOWN, [](HWND h) { SendMessageA(h, WM_KEYDOWN, VK_F4, 1); },
     [](HWND h) { SendMessageA(Tarn_GetHWNDEdit(h), WM_KEYDOWN, VK_F4, 1); }},
    {TARNN_RBUTTONUP, TARNS_DROPDOWN, kNothing, [](HWND h) { SendMessageA(h, WM_RBUTTONUP, 0, 0); }},
    {TARNN_RBUTTONUP, TARNS_LISTBOX, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_RBUTTONUP, 0, 0); }},
};

TEST_F(LifetimeTest, DestroyedInsideEachNotificationWithAndWithoutANewControl)
{
    g_bigFont = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    for (const Raise& r : kRaises) {
        for (bool another : {false, true}) {
            SCOPED_TRACE(testing::Message() << "code " << r.code << (another ? " with a new control" : ""));
            HWND victim = Fifty(r.type), made = nullptr;
            r.prepare(victim);
            ClearLog();
            ActOn(r.code, [&](HWND sender) {
                if (sender != victim || !IsWindow(victim))
                    return;
                DestroyWindow(victim);
                if (another)   // likely to reuse the freed record
                    made = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | WS_VISIBLE | TARNS_DROPDOWN, 0, 0, 99, 99,
                                           parent(), nullptr, nullptr, nullptr);
                ScribbleFreeMemory();
            });
            r.provoke(victim);
            ActOn(0, nullptr);
            EXPECT_FALSE(IsWindow(victim)) << "the code was not raised";
            // Losing the focus, and with it an open list, is part of the
            // destruction.
            int last = 0;
            for (const Notification& n : Log()) {
                EXPECT_TRUE(n.sender != victim || n.id == kId) << "notification " << n.code << " without the control's id";
                const bool parting = n.code == TARNN_KILLFOCUS || n.code == TARNN_SELENDCANCEL || n.code == TARNN_DROPDOWNDESTROYED;
                last = n.sender == victim && (!parting || r.code == n.code) ? n.code : last;
            }
            EXPECT_EQ(last, r.code) << "the control went on after it was destroyed";
            if (made) {
                EXPECT_TRUE(Tarn_GetCount(made) == 0 && Tarn_GetCurSel(made) == -1 &&
                            WindowText(Tarn_GetHWNDEdit(made)).empty());
                DestroyWindow(made);
            }
            SetFocus(parent());
            ExpectSentinelUntouched();
        }
    }
    DeleteObject(g_bigFont);
}

void CALLBACK DestroyWhileDrawing(HWND hwnd, DrawInfo*, LPARAM)
{
    DestroyWindow(hwnd);
}

TEST_F(LifetimeTest, DestroyedInsideTheDrawInfoCallback)
{
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWNLIST}) {
        HWND hwnd = Create(type, 5);
        Tarn_SetCurSel(hwnd, 2);
        const TarnDrawInfoCallbackInfo info = {DestroyWhileDrawing, 0};
        Tarn_SetDrawInfoCallback(hwnd, &info);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_FALSE(IsWindow(hwnd)) << type;
        ExpectSentinelUntouched();
    }
}

// What the delete callback does to the control it reports from.
enum class Act { Destroy, AddRow, Select, Reset };
Act g_act;
int g_reports;

void CALLBACK ActWhileDeleting(HWND hwnd, int, LPARAM, LPARAM)
{
    ++g_reports;
    if (!IsWindow(hwnd))
        return;
    switch (g_act) {
    case Act::Destroy: DestroyWindow(hwnd); break;
    case Act::AddRow: Tarn_AddString_A(hwnd, "again"); break;
    case Act::Select: Tarn_SetCurSel(hwnd, 4); break;
    case Act::Reset: Tarn_ResetContent(hwnd); break;
    }
}

// Every row is reported and freed once, and a reset ends with no rows.
TEST_F(LifetimeTest, DeleteCallbackActingOnItsControl)
{
    const Step reset = [](HWND h) { Tarn_ResetContent(h); }, remove = [](HWND h) { Tarn_DeleteString(h, 2); },
               destroy = [](HWND h) { DestroyWindow(h); };
    const struct { Act act; Step operation; bool survives; } cases[] = {
        {Act::Destroy, reset, false}, {Act::Destroy, remove, false}, {Act::Destroy, destroy, false},
        {Act::AddRow, reset, true},   {Act::AddRow, destroy, false}, {Act::Select, reset, true},
        {Act::Reset, remove, true},   {Act::Reset, destroy, false},
    };
    for (const auto& c : cases) {
        for (DWORD type : kAllTypes) {
            SCOPED_TRACE(testing::Message() << "act " << static_cast<int>(c.act) << " type " << type);
            HWND hwnd = Create(type, 5);
            g_act = c.act, g_reports = 0;
            const TarnDeleteCallbackInfo info = {ActWhileDeleting, 0};
            Tarn_SetDeleteCallback(hwnd, &info);
            c.operation(hwnd);
            EXPECT_EQ(g_reports, 5);
            EXPECT_EQ(IsWindow(hwnd) != FALSE, c.survives);
            if (IsWindow(hwnd)) {
                EXPECT_TRUE(Tarn_GetCount(hwnd) == 0 && Tarn_GetCurSel(hwnd) == -1);
                DestroyWindow(hwnd);
            }
            ExpectSentinelUntouched();
        }
    }
}

// New columns rebuild the edit field; asked for while the field handles a key,
// the old field goes once it has done so.
TEST_F(LifetimeTest, ColumnsReplacedWhileTheEditFieldTypes)
{
    HWND hwnd = Create(TARNS_DROPDOWN);
    HWND old = Tarn_GetHWNDEdit(hwnd);
    ActOn(TARNN_EDITUPDATE, [&](HWND) {
        if (Tarn_GetHWNDEdit(hwnd) == old)
            Tarn_SetColumns(hwnd, 0, nullptr);
    });
    SendMessageA(old, WM_CHAR, 'x', 1);
    EXPECT_TRUE(!IsWindow(old) && IsWindow(Tarn_GetHWNDEdit(hwnd)));
    // Replaced inside the notification the focused field raises as the focus
    // leaves: one field is left, the control's own.
    SetFocus(Tarn_GetHWNDEdit(hwnd));
    int losses = 0;
    ActOn(TARNN_KILLFOCUS, [&](HWND) { losses++ ? void() : void(Tarn_SetColumns(hwnd, 0, nullptr)); });
    SetFocus(parent());
    ActOn(0, nullptr);
    HWND field = FindWindowExA(hwnd, nullptr, TARN32_EDIT_CLASS, nullptr);
    EXPECT_TRUE(losses > 0 && field == Tarn_GetHWNDEdit(hwnd) && !FindWindowExA(hwnd, field, TARN32_EDIT_CLASS, nullptr));
    ExpectSentinelUntouched();
}

// Rows changed inside notification 6 of a selection: the selection follows
// its row or goes with it, and never points past the rows.
TEST_F(LifetimeTest, RowsChangedWhileTheSelectionScrolls)
{
    const struct { Step change; int count, curSel; } cases[] = {
        {[](HWND h) { Tarn_ResetContent(h); }, 0, -1},
        {[](HWND h) { Tarn_DeleteString(h, 0); }, 49, 39},
        {[](HWND h) { Tarn_InsertString_A(h, 0, "new"); }, 51, 41},
        {[](HWND h) { Tarn_DeleteString(h, 40); }, 49, -1},
    };
    for (const auto& c : cases) {
        HWND hwnd = Fifty(TARNS_LISTBOX);
        int changes = 0;
        ActOn(TARNN_TOPINDEXCHANGE, [&](HWND h) { changes++ ? void() : c.change(h); });
        Tarn_SetCurSel(hwnd, 40);
        ActOn(0, nullptr);
        EXPECT_TRUE(changes > 0 && Tarn_GetCount(hwnd) == c.count && Tarn_GetCurSel(hwnd) == c.curSel) << c.count;
        if (c.curSel >= 0) {
            EXPECT_TRUE(Text(hwnd, c.curSel) == "Item 40" && WindowText(Tarn_GetHWNDEdit(hwnd)) == "Item 40");
        }
        DestroyWindow(hwnd);
    }
    ExpectSentinelUntouched();
}

// A control created hidden lays itself out when it is shown, whichever way.
TEST_F(LifetimeTest, ShownLaterItLaysItselfOut)
{
    for (bool byPosition : {false, true}) {
        HWND hwnd = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | TARNS_LISTBOX, 0, 0, 200, 150, parent(), nullptr,
                                    nullptr, nullptr);
        AddItems(hwnd, 20);
        byPosition ? (void)SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW)
                   : (void)ShowWindow(hwnd, SW_SHOW);
        EXPECT_GT(Client(Tarn_GetHWNDDropDown(hwnd)).bottom, 2 * Tarn_GetItemHeight(hwnd, 0)) << byPosition;
        DestroyWindow(hwnd);
    }
}

LRESULT CALLBACK RefuseEditFields(int code, WPARAM wp, LPARAM lp)
{
    char cls[32] = {};
    if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wp), cls, sizeof cls) &&
        lstrcmpA(cls, TARN32_EDIT_CLASS) == 0)
        return 1;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A creation that fails after the record was made leaves nothing behind.
TEST_F(LifetimeTest, FailedCreationLeaksNothing)
{
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseEditFields, nullptr, GetCurrentThreadId());
    auto attempts = [&](int n) {
        for (int i = 0; i < n; ++i)
            EXPECT_FALSE(CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | TARNS_DROPDOWN, 0, 0, 99, 99, parent(), nullptr,
                                         nullptr, nullptr));
    };
    attempts(10);
    const SIZE_T before = HeapBytesInUse();
    attempts(200);
    const SIZE_T after = HeapBytesInUse();
    UnhookWindowsHookEx(hook);
    EXPECT_LT(after, before + 2048) << "before " << before << " after " << after;
}

// Every export given something that is not a live control returns its
// failure value and touches neither its arguments nor any window.
char g_buffer[8];
RECT g_rect;
DWORD g_sel[2];
ColumnDef* g_columns;
CellInfo g_cell;
RowInfo g_row;
CtlColors g_colors;
POINT g_point;
int g_flag;

#define CALL(fn, failure, ...) {#fn, [](HWND h) { return (LONG_PTR)(fn(h, ##__VA_ARGS__)); }, failure}
#define VOID_CALL(fn, ...) {#fn, [](HWND h) { fn(h, ##__VA_ARGS__); return (LONG_PTR)0; }, 0}
const struct Export { const char* name; LONG_PTR (*call)(HWND); LONG_PTR failure; } kExports[] = {
    CALL(Tarn_GetCount, -1), CALL(Tarn_GetLocale, 0), CALL(Tarn_SetLocale, 0, 7),
    CALL(Tarn_AddString_A, -1, "x"), CALL(Tarn_InsertString_A, -1, 0, "x"), CALL(Tarn_DeleteString, -1, 0),
    VOID_CALL(Tarn_ResetContent), CALL(Tarn_CopyItem, -1, 0, 1), CALL(Tarn_MoveItem, -1, 0, 1),
    CALL(Tarn_GetText_A, -1, 0, 0, g_buffer), CALL(Tarn_GetTextLength, -1, 0, 0), CALL(Tarn_SetText_A, 0, 0, 0, "x"),
    CALL(Tarn_GetRowText_A, -1, 0, g_buffer), CALL(Tarn_GetRowTextLength, -1, 0), CALL(Tarn_SetRowText_A, 0, 0, "x"),
    CALL(Tarn_GetItemData, -1, 0), CALL(Tarn_SetItemData, -1, 0, 5), CALL(Tarn_GetItemLabel, 0, 0),
    CALL(Tarn_SetItemLabel, 0, -1, nullptr), CALL(Tarn_GetItemBitmap, 0, 0), CALL(Tarn_SetItemBitmap, 0, -1, nullptr),
    CALL(Tarn_GetItemStatus, 0, 0), CALL(Tarn_SetItemStatus, 0, 0, 0), CALL(Tarn_FindString_A, -1, -1, 0, "", 1),
    CALL(Tarn_FindStringExact_A, -1, -1, 0, "x", 1), CALL(Tarn_SelectString_A, -1, -1, 0, "", 1),
    CALL(Tarn_SelectStringExact_A, -1, -1, 0, "x", 1), CALL(Tarn_FindItem, -1, 0, 0),
    CALL(Tarn_SetDeleteCallback, 0, nullptr), CALL(Tarn_GetItemLevel, -1, 0), CALL(Tarn_SetItemLevel, 0, 0, 1),
    CALL(Tarn_GetParent, -1, 1), CALL(Tarn_GetTopParent, -1, 1), CALL(Tarn_GetDependent, -1, 0, 1),
    CALL(Tarn_GetDependentCount, -1, 0, 1), CALL(Tarn_GetSibling, -1, 0, 1), CALL(Tarn_DeleteDependents, -1, 0),
    CALL(Tarn_DefaultCompareProc, -2, "a", "b", 0, 0), CALL(Tarn_SortItems, 0, -1, 0, nullptr), CALL(Tarn_SortItemsEx, 0, -1, 0, nullptr),
    CALL(Tarn_VirtualInitialize, 0, nullptr, nullptr, 0), CALL(Tarn_VirtualCount, 0, 1), CALL(Tarn_VirtualItemChanged, 0, -1),
    CALL(Tarn_SetColumns, 0, 0, nullptr),
    CALL(Tarn_GetColumns, 0, &g_columns), CALL(Tarn_SetHeader_A, 0, 0, "x"), CALL(Tarn_GetHeader_A, -1, 0, g_buffer, 8),
    CALL(Tarn_GetHeaderLength, -1, 0), CALL(Tarn_GetHeaderRect, 0, -1, &g_rect), CALL(Tarn_SetHeaderButton, 0, 0),
    CALL(Tarn_GetHeaderButton, -1), VOID_CALL(Tarn_SetResizeHeader, 0), CALL(Tarn_GetResizeHeader, 0),
    VOID_CALL(Tarn_SetReorderColumns, 0), CALL(Tarn_GetReorderColumns, 0), VOID_CALL(Tarn_SetColHeaderFont, nullptr, 1),
    CALL(Tarn_GetColHeaderFont, 0), CALL(Tarn_SetCellInfo, 0, &g_cell), CALL(Tarn_GetCellInfo, 0, &g_cell),
    CALL(Tarn_SetRowInfo, 0, &g_row), CALL(Tarn_GetRowInfo, 0, &g_row), VOID_CALL(Tarn_SetCtlColors, &g_colors),
    VOID_CALL(Tarn_GetCtlColors, &g_colors), VOID_CALL(Tarn_SetEditCtlFont, nullptr, 1), CALL(Tarn_GetEditCtlFont, 0),
    VOID_CALL(Tarn_SetRowHeaderWidth, 20), CALL(Tarn_GetRowHeaderWidth, -1), VOID_CALL(Tarn_SetRowHeaderStyle, 1),
    CALL(Tarn_GetRowHeaderStyle, 0), VOID_CALL(Tarn_SetRowHeaderFont, nullptr, 1), CALL(Tarn_GetRowHeaderFont, 0),
    VOID_CALL(Tarn_GetRowHeaderRect, -1, &g_rect), CALL(Tarn_SetRowColText_A, 0, "x"),
    CALL(Tarn_GetRowColText_A, 0, g_buffer, 8), CALL(Tarn_GetRowColTextLength, -1), VOID_CALL(Tarn_SetRowColBitmap, nullptr),
    CALL(Tarn_GetRowColBitmap, 0), VOID_CALL(Tarn_SetRowColBitmapStyle, 1), CALL(Tarn_GetRowColBitmapStyle, -1),
    VOID_CALL(Tarn_SetRowColHeaderStyle, 1), CALL(Tarn_GetRowColHeaderStyle, 0), VOID_CALL(Tarn_SetRowColHeaderButton, 1),
    CALL(Tarn_GetRowColHeaderButton, 0), VOID_CALL(Tarn_GetRowColHeaderRect, &g_rect),
    VOID_CALL(Tarn_SetShowRowColHeaderButton, 0), CALL(Tarn_GetShowRowColHeaderButton, 0), CALL(Tarn_GetItemHeight, -1, -1),
    CALL(Tarn_GetItemLines, -1), CALL(Tarn_SetItemLines, 0, 2), CALL(Tarn_GetItemRect, -1, -1, &g_rect),
    CALL(Tarn_GetCellRect, 0, 0, 0), CALL(Tarn_GetItemsShown, -1), CALL(Tarn_CalcIndexFromPoint, -1, &g_point, &g_flag),
    CALL(Tarn_GetTopIndex, -1), CALL(Tarn_SetTopIndex, -1, 0), VOID_CALL(Tarn_MakeRowVisible, 0),
    CALL(Tarn_GetHorizontalExtent, -1), CALL(Tarn_SetHorizontalExtent, 0, 100), CALL(Tarn_GetHorizontalOffset, -1),
    CALL(Tarn_SetHorizontalOffset, 0, 0), VOID_CALL(Tarn_MakeColumnVisible, 0), CALL(Tarn_GetDisableNoScroll, 0),
    VOID_CALL(Tarn_SetDisableNoScroll, 1), CALL(Tarn_GetSelectionStyle, -1), VOID_CALL(Tarn_SetSelectionStyle, 1),
    CALL(Tarn_GetShow3D, 0), VOID_CALL(Tarn_SetShow3D, 1), CALL(Tarn_GetShowGrid, 0), VOID_CALL(Tarn_SetShowGrid, 1),
    CALL(Tarn_GetGridStyle, -1), VOID_CALL(Tarn_SetGridStyle, 1), CALL(Tarn_GetShowBitmaps, 0), CALL(Tarn_GetShowLabels, 0),
    CALL(Tarn_GetShowHeader, -1), VOID_CALL(Tarn_SetShowHeader, 1), CALL(Tarn_GetShowRowHeader, -1),
    VOID_CALL(Tarn_SetShowRowHeader, 1), CALL(Tarn_GetShowTreeLines, 0), VOID_CALL(Tarn_SetShowTreeLines, 1),
    CALL(Tarn_GetShowTruncated, 0), VOID_CALL(Tarn_SetShowTruncated, 0), CALL(Tarn_SetDrawInfoCallback, 0, nullptr),
    CALL(Tarn_GetCurSel, -1), CALL(Tarn_SetCurSel, -1, 0), CALL(Tarn_GetCaretColumn, -1), CALL(Tarn_GetCursorSelect, 0),
    VOID_CALL(Tarn_SetCursorSelect, 0), CALL(Tarn_GetExtendedUI, 0), CALL(Tarn_SetExtendedUI, -1, 1),
    CALL(Tarn_LimitText, -1, 5), CALL(Tarn_GetEditSel, -1, &g_sel[0], &g_sel[1]), CALL(Tarn_SetEditSel, -1, 0, 1),
    CALL(Tarn_GetDroppedState, 0), CALL(Tarn_ShowDropDown, 0, 1), CALL(Tarn_GetDroppedControlRect, -1, &g_rect), VOID_CALL(Tarn_GetDropDownButtonRect, &g_rect),
    CALL(Tarn_GetDropDownPosition, -1), VOID_CALL(Tarn_SetDropDownPosition, 0), CALL(Tarn_GetDroppedHeight, -1),
    CALL(Tarn_SetDroppedHeight, -1, 3), CALL(Tarn_GetDroppedWidth, -1), CALL(Tarn_SetDroppedWidth, -1, 3),
    CALL(Tarn_GetHWNDEdit, 0), CALL(Tarn_GetHWNDDropDown, 0), CALL(Tarn_GetOpenEnded, 0), VOID_CALL(Tarn_SetOpenEnded, 0),
    CALL(Tarn_GetOverheadWidth, -1), CALL(Tarn_CalcOptimalColumnWidth, -1, 0, 0), CALL(Tarn_CalcOptimalRowHeaderWidth, -1, 0),
    VOID_CALL(Tarn_MakeColumnOptimal, -1, 0), CALL(Tarn_RecalcHorizontalExtent, -1, 0),
};

TEST_F(LifetimeTest, EveryExportRefusesWhatIsNotALiveControl)
{
    HWND owner = Create(TARNS_LISTBOX, 3), dead = Create(TARNS_DROPDOWN);
    Tarn_SetCurSel(owner, 1);
    DestroyWindow(dead);
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 20, 20, parent(), nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "keep", WS_CHILD, 0, 0, 20, 20, parent(), nullptr, nullptr, nullptr);
    HWND label = CreateWindowExA(0, "STATIC", "s", WS_CHILD, 0, 0, 20, 20, parent(), nullptr, nullptr, nullptr);
    g_cell.version = TARN_CELLINFO_VERSION, g_row.version = TARN_ROWINFO_VERSION, g_rect = {7, 7, 7, 7};
    memset(g_buffer, 'Z', sizeof g_buffer);
    ClearLog();
    for (HWND h : {HWND{}, dead, button, edit, label, parent(), Tarn_GetHWNDDropDown(owner), Tarn_GetHWNDEdit(owner)})
        for (const Export& e : kExports)
            EXPECT_EQ(e.call(h), e.failure) << e.name << " on " << h;
    EXPECT_EQ(std::string(g_buffer, sizeof g_buffer), std::string(sizeof g_buffer, 'Z'));
    EXPECT_TRUE((g_rect == RECT{7, 7, 7, 7}) && g_columns == nullptr && Codes().empty() && WindowText(edit) == "keep");
    // The exported window procedures give foreign windows the default.
    EXPECT_EQ(Tarn_WndProc(button, WM_GETTEXTLENGTH, 0, 0) + TDropDown_WndProc(button, WM_GETTEXTLENGTH, 0, 0) +
                  TCtl_WndProc(button, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_TRUE(Tarn_GetCount(owner) == 3 && Tarn_GetCurSel(owner) == 1 && Tarn_GetRowHeaderWidth(owner) == 0);
    ExpectSentinelUntouched();
}

} // namespace
