// A control destroyed, emptied or refilled by the application inside any
// notification or callback, and every export given a handle that is not a
// live control. Nothing may crash, corrupt the heap, or write into another
// control that reused the freed memory.
#include <windows.h>

#include <climits>
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

// Fifty rows added one by one would lay the control out fifty times.
void AddRows(HWND hwnd, int n)
{
    SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    AddItems(hwnd, n, "Row ");
    SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
}

std::string WindowText(HWND hwnd)
{
    char buffer[64] = "#";
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

// Fills the heap's free blocks with junk, so that anything still using the
// memory of a destroyed control or child window reads junk, and crashes.
class HeapScribble {
public:
    void Fill()
    {
        for (int i = 0; i < 400; ++i) {
            const SIZE_T size = 16 + (i % 64) * 16;
            void* p = HeapAlloc(GetProcessHeap(), 0, size);
            if (p)
                memset(p, 0xA5, size), blocks_.push_back(p);
        }
    }
    ~HeapScribble()
    {
        for (void* p : blocks_)
            HeapFree(GetProcessHeap(), 0, p);
    }

private:
    std::vector<void*> blocks_;
};

class LifetimeTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        sentinel_ = Create(TARNS_LISTBOX, 9);
        AddItems(sentinel_, 5, "S");
        Tarn_SetCurSel(sentinel_, 3);
        ClearLog();
    }
    // The sentinel control, made first, must come through every case as it was.
    void ExpectSentinelUntouched()
    {
        EXPECT_EQ(Tarn_GetCount(sentinel_), 5);
        EXPECT_EQ(Tarn_GetCurSel(sentinel_), 3);
        EXPECT_EQ(Text(sentinel_, 2), "S2");
        EXPECT_EQ(WindowText(Tarn_GetHWNDEdit(sentinel_)), "S3");
        EXPECT_TRUE(HeapsValid());
    }
    HWND sentinel_ = nullptr;
};

HWND g_victim;
HFONT g_bigFont;
int g_reports;

struct Raise {
    int code;
    DWORD type;
    std::function<void(HWND)> prepare;
    std::function<void(HWND)> provoke;
};

const std::function<void(HWND)> kNothing = [](HWND) {};

const Raise kRaises[] = {
    // Passing the focus to the edit field makes the control lose it first.
    {TARNN_KILLFOCUS, TARNS_LISTBOX, kNothing, [](HWND h) { SetFocus(h); }},
    {TARNN_SETFOCUS, TARNS_DROPDOWNLIST, kNothing, [](HWND h) { SetFocus(h); }},
    {TARNN_SELCHANGE, TARNS_DROPDOWNLIST, kNothing, [](HWND h) { Tarn_SetCurSel(h, 1); }},
    {TARNN_TOPINDEXCHANGE, TARNS_LISTBOX, kNothing, [](HWND h) { Tarn_SetCurSel(h, 40); }},
    // Resizing lays the control out, which scrolls the committed row into view.
    {TARNN_TOPINDEXCHANGE, TARNS_LISTBOX, [](HWND h) { Tarn_SetCurSel(h, 40), Tarn_SetTopIndex(h, 0); },
     [](HWND h) { SetWindowPos(h, nullptr, 0, 0, 230, 171, SWP_NOMOVE | SWP_NOZORDER); }},
    {TARNN_HOFFSETCHANGE, TARNS_LISTBOX, [](HWND h) { Tarn_SetHorizontalExtent(h, 5000); },
     [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_HSCROLL, SB_LINERIGHT, 0); }},
    {TARNN_MOUSEMOVE, TARNS_LISTBOX, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_MOUSEMOVE, 0, 0); }},
    {TARNN_OVERHEADCHANGE, TARNS_LISTBOX, kNothing, [](HWND h) { Tarn_SetItemLevel(h, 1, 2); }},
    // A new font refits the drop-down's height, a resize inside WM_SETFONT.
    {TARNN_SIZE, TARNS_DROPDOWN, kNothing, [](HWND h) { SendMessageA(h, WM_SETFONT, (WPARAM)g_bigFont, TRUE); }},
    // The edit field raises these from inside its own handling of a key.
    {TARNN_EDITUPDATE, TARNS_DROPDOWN, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDEdit(h), WM_CHAR, 'R', 1); }},
    {TARNN_EDITCHANGE, TARNS_LISTBOX, kNothing, [](HWND h) { SendMessageA(Tarn_GetHWNDEdit(h), WM_CHAR, 'R', 1); }},
    {TARNN_EDITCHANGE, TARNS_DROPDOWN, kNothing, [](HWND h) { SetWindowTextA(Tarn_GetHWNDEdit(h), "Row 7"); }},
    {TARNN_RBUTTONUP, TARNS_LISTBOX, kNothing, [](HWND h) { SendMessageA(h, WM_RBUTTONUP, 0, 0); }},
};

TEST_F(LifetimeTest, DestroyedInsideEachNotificationWithAndWithoutANewControl)
{
    g_bigFont = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    for (const Raise& r : kRaises) {
        for (bool another : {false, true}) {
            SCOPED_TRACE(testing::Message() << "code " << r.code << (another ? " with a new control" : ""));
            g_victim = Create(r.type | WS_VSCROLL | WS_HSCROLL, 1, 230, 170);
            AddRows(g_victim, 50);
            r.prepare(g_victim);
            HWND made = nullptr;
            HeapScribble scribble;
            OnNotify([&](const Notification& n) {
                if (n.code != r.code || n.sender != g_victim || !IsWindow(g_victim))
                    return;
                DestroyWindow(g_victim);
                if (another)
                    made = Create(TARNS_DROPDOWN, 2);   // likely to reuse the freed record
                scribble.Fill();
            });
            r.provoke(g_victim);
            OnNotify(nullptr);
            EXPECT_FALSE(IsWindow(g_victim)) << "the code was not raised";
            if (made) {
                EXPECT_EQ(Tarn_GetCount(made), 0);
                EXPECT_EQ(Tarn_GetCurSel(made), -1);
                EXPECT_EQ(WindowText(Tarn_GetHWNDEdit(made)), "");
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
        HWND hwnd = Create(type);
        AddItems(hwnd, 5);
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

TEST_F(LifetimeTest, DeleteCallbackActingOnItsControl)
{
    struct Case {
        Act act;
        std::function<void(HWND)> operation;
        int reports, countAfter;   // -1: the control is gone
    };
    const Case cases[] = {
        {Act::Destroy, [](HWND h) { Tarn_ResetContent(h); }, 5, -1},
        {Act::Destroy, [](HWND h) { Tarn_DeleteString(h, 2); }, 5, -1},
        {Act::Destroy, [](HWND h) { DestroyWindow(h); }, 5, -1},
        {Act::AddRow, [](HWND h) { Tarn_ResetContent(h); }, 5, 0},
        {Act::AddRow, [](HWND h) { DestroyWindow(h); }, 5, -1},
        {Act::Select, [](HWND h) { Tarn_ResetContent(h); }, 5, 0},
        {Act::Reset, [](HWND h) { Tarn_DeleteString(h, 2); }, 5, 0},
        {Act::Reset, [](HWND h) { DestroyWindow(h); }, 5, -1},
    };
    for (const Case& c : cases) {
        for (DWORD type : kAllTypes) {
            SCOPED_TRACE(testing::Message() << "act " << static_cast<int>(c.act) << " type " << type
                                            << " reports " << c.reports);
            HWND hwnd = Create(type);
            AddItems(hwnd, 5);
            g_act = c.act;
            g_reports = 0;
            const TarnDeleteCallbackInfo info = {ActWhileDeleting, 0};
            Tarn_SetDeleteCallback(hwnd, &info);
            c.operation(hwnd);
            EXPECT_EQ(g_reports, c.reports);
            EXPECT_EQ(IsWindow(hwnd) ? Tarn_GetCount(hwnd) : -1, c.countAfter);
            if (IsWindow(hwnd)) {
                EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
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
    HeapScribble scribble;
    OnNotify([&](const Notification& n) {
        if (n.code == TARNN_EDITUPDATE && Tarn_GetHWNDEdit(hwnd) == old) {
            Tarn_SetColumns(hwnd, 0, nullptr);
            scribble.Fill();
        }
    });
    SendMessageA(old, WM_CHAR, 'x', 1);
    OnNotify(nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(IsWindow(Tarn_GetHWNDEdit(hwnd)) && Tarn_GetHWNDEdit(hwnd) != old);
    ExpectSentinelUntouched();
}

// Rows changed inside notification 6 of a selection: the selection follows
// its row or goes with it, and never points past the rows.
TEST_F(LifetimeTest, RowsChangedWhileTheSelectionScrolls)
{
    struct Case {
        std::function<void(HWND)> change;
        int count, curSel;
    };
    const Case cases[] = {
        {[](HWND h) { Tarn_ResetContent(h); }, 0, -1},
        {[](HWND h) { Tarn_DeleteString(h, 0); }, 49, 39},
        {[](HWND h) { Tarn_InsertString_A(h, 0, "new"); }, 51, 41},
        {[](HWND h) { Tarn_DeleteString(h, 40); }, 49, -1},
    };
    for (const Case& c : cases) {
        HWND hwnd = Create(TARNS_LISTBOX | WS_VSCROLL);
        AddRows(hwnd, 50);
        bool done = false;
        OnNotify([&](const Notification& n) {
            if (n.code == TARNN_TOPINDEXCHANGE && !done) {
                done = true;
                c.change(hwnd);
            }
        });
        Tarn_SetCurSel(hwnd, 40);
        OnNotify(nullptr);
        ASSERT_TRUE(done);
        EXPECT_EQ(Tarn_GetCount(hwnd), c.count);
        EXPECT_EQ(Tarn_GetCurSel(hwnd), c.curSel);
        if (c.curSel >= 0) {
            EXPECT_EQ(Text(hwnd, c.curSel), "Row 40");
            EXPECT_EQ(WindowText(Tarn_GetHWNDEdit(hwnd)), "Row 40");
        }
        DestroyWindow(hwnd);
    }
    ExpectSentinelUntouched();
}

// A control created hidden lays itself out when it is shown, whichever way.
TEST_F(LifetimeTest, ShownLaterItLaysItselfOut)
{
    for (bool byPosition : {false, true}) {
        HWND hwnd = CreateWithStyle(WS_CHILD | TARNS_LISTBOX | WS_VSCROLL);
        AddItems(hwnd, 20);
        if (byPosition)
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        else
            ShowWindow(hwnd, SW_SHOW);
        RECT list = {};
        GetClientRect(Tarn_GetHWNDDropDown(hwnd), &list);
        EXPECT_GT(list.bottom, 2 * Tarn_GetItemHeight(hwnd, 0)) << byPosition;
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
    ASSERT_NE(hook, nullptr);
    auto attempts = [&](int n) {
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(Create(TARNS_DROPDOWN), nullptr);
    };
    attempts(10);
    const SIZE_T before = HeapBytesInUse();
    attempts(200);
    const SIZE_T after = HeapBytesInUse();
    UnhookWindowsHookEx(hook);
    EXPECT_LT(after, before + 2048) << "before " << before << " after " << after;
    ExpectSentinelUntouched();
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

struct Export {
    const char* name;
    LONG_PTR (*call)(HWND);
    LONG_PTR failure;
};

#define CALL(fn, failure, ...) {#fn, [](HWND h) { return (LONG_PTR)(fn(h, ##__VA_ARGS__)); }, failure}
#define VOID_CALL(fn, ...) {#fn, [](HWND h) { fn(h, ##__VA_ARGS__); return (LONG_PTR)0; }, 0}
const Export kExports[] = {
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
    CALL(Tarn_DefaultCompareProc, -2, "a", "b", 0, 0), CALL(Tarn_SetColumns, 0, 0, nullptr),
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
    CALL(Tarn_GetDroppedState, 0), CALL(Tarn_GetDroppedControlRect, -1, &g_rect), VOID_CALL(Tarn_GetDropDownButtonRect, &g_rect),
    CALL(Tarn_GetDropDownPosition, -1), VOID_CALL(Tarn_SetDropDownPosition, 0), CALL(Tarn_GetDroppedHeight, -1),
    CALL(Tarn_SetDroppedHeight, -1, 3), CALL(Tarn_GetDroppedWidth, -1), CALL(Tarn_SetDroppedWidth, -1, 3),
    CALL(Tarn_GetHWNDEdit, 0), CALL(Tarn_GetHWNDDropDown, 0), CALL(Tarn_GetOpenEnded, 0), VOID_CALL(Tarn_SetOpenEnded, 0),
    CALL(Tarn_GetOverheadWidth, -1),
};

TEST_F(LifetimeTest, EveryExportRefusesWhatIsNotALiveControl)
{
    HWND owner = Create(TARNS_LISTBOX);
    AddItems(owner, 3);
    Tarn_SetCurSel(owner, 1);
    HWND dead = Create(TARNS_DROPDOWN);
    DestroyWindow(dead);
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 20, 20, parent(), nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "keep", WS_CHILD, 0, 0, 20, 20, parent(), nullptr, nullptr, nullptr);
    const HWND handles[] = {nullptr, dead, button, edit, Tarn_GetHWNDDropDown(owner), Tarn_GetHWNDEdit(owner)};
    g_cell.version = TARN_CELLINFO_VERSION;
    g_row.version = TARN_ROWINFO_VERSION;
    memset(g_buffer, 'Z', sizeof g_buffer);
    g_rect = {7, 7, 7, 7};
    ClearLog();
    for (HWND h : handles)
        for (const Export& e : kExports)
            EXPECT_EQ(e.call(h), e.failure) << e.name << " on " << h;
    EXPECT_EQ(std::string(g_buffer, sizeof g_buffer), std::string(sizeof g_buffer, 'Z'));
    EXPECT_TRUE(g_rect.left == 7 && g_rect.bottom == 7 && g_columns == nullptr);
    EXPECT_TRUE(Codes().empty());
    EXPECT_EQ(WindowText(edit), "keep");
    // The exported window procedures give foreign windows the default.
    EXPECT_EQ(Tarn_WndProc(button, WM_GETTEXTLENGTH, 0, 0), 1);
    EXPECT_EQ(TDropDown_WndProc(button, WM_GETTEXTLENGTH, 0, 0), 1);
    EXPECT_EQ(TCtl_WndProc(button, WM_GETTEXTLENGTH, 0, 0), 1);
    EXPECT_EQ(Tarn_GetCount(owner), 3);
    EXPECT_EQ(Tarn_GetCurSel(owner), 1);
    EXPECT_EQ(Tarn_GetRowHeaderWidth(owner), 0);
    ExpectSentinelUntouched();
}

// Arguments no caller should pass are refused or kept within bounds.
TEST_F(LifetimeTest, OddArgumentsAreRefusedOrBounded)
{
    HWND hwnd = Create(TARNS_LISTBOX);
    AddItems(hwnd, 2);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HBITMAP notABitmap = reinterpret_cast<HBITMAP>(font);
    for (int index : {-1, 0}) {
        EXPECT_FALSE(Tarn_SetItemLabel(hwnd, index, notABitmap)) << index;
        EXPECT_FALSE(Tarn_SetItemBitmap(hwnd, index, notABitmap)) << index;
    }
    EXPECT_FALSE(Tarn_GetShowLabels(hwnd) || Tarn_GetShowBitmaps(hwnd));
    EXPECT_EQ(Tarn_GetItemLabel(hwnd, 0), nullptr);

    // Widths near INT_MAX: every header lies right of the one before it.
    HWND wide = Create(TARNS_DROPDOWNLIST);
    ColumnDef cols[3];
    ZeroMemory(cols, sizeof cols);
    for (int i = 0; i < 3; ++i) {
        cols[i].width = i == 2 ? 50 : INT_MAX - 10;
        cols[i].position = i;
        cols[i].backColor = cols[i].textColor = cols[i].selBackColor = cols[i].selTextColor = TARN_COLOR_NONE;
    }
    ASSERT_TRUE(Tarn_SetColumns(wide, 3, cols));
    Tarn_SetShowHeader(wide, TARN_HEADER_BUTTONS);
    RECT previous = {};
    for (int i = 0; i < 3; ++i) {
        RECT rc = {};
        Tarn_GetHeaderRect(wide, i, &rc);
        EXPECT_TRUE(rc.left >= previous.left && rc.right >= rc.left && (i == 0 || rc.left >= previous.right)) << i;
        previous = rc;
    }
    RedrawWindow(wide, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ExpectSentinelUntouched();
}

} // namespace
