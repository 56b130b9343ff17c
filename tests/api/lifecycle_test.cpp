// The module (export table, version record, resources, window classes) and
// the life of a control: defaults per type, messages before its record,
// what destruction frees, and a parent that destroys the control from inside
// a notification or callback.
#include "support/control_fixture.h"

#include <cstring>
#include <map>
#include <string>

#include "ordinal_table.h"

namespace {

const HMODULE kDll = GetModuleHandleA("TARN32.dll");

TEST(Module, ExportsSitAtTheirOrdinalsAndTheClassesUseTheExportedProcedures)
{
    auto* base = reinterpret_cast<const BYTE*>(kDll);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    auto* exp = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
        base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
    std::map<std::string, unsigned> table;
    for (const OrdinalEntry& e : kOrdinalTable)
        table[e.name] = e.ordinal;
    EXPECT_EQ(exp->Base, 121u);
    EXPECT_GE(exp->NumberOfNames, 149u) << "an export went missing";
    for (DWORD i = 0; i < exp->NumberOfNames; ++i) {
        const char* name = reinterpret_cast<const char*>(base + reinterpret_cast<const DWORD*>(base + exp->AddressOfNames)[i]);
        const unsigned ordinal = exp->Base + reinterpret_cast<const WORD*>(base + exp->AddressOfNameOrdinals)[i];
        EXPECT_EQ(ordinal, table.count(name) ? table[name] : 0u) << name << " is not at its ordinal";
        EXPECT_EQ(GetProcAddress(kDll, MAKEINTRESOURCEA(ordinal)), GetProcAddress(kDll, name)) << name;
    }
    WNDCLASSA edit, wc;
    ASSERT_TRUE(GetClassInfoA(nullptr, "EDIT", &edit));
    const struct {
        const char* name;
        const char* proc;
        UINT global;
        int extra;   // a window long for the record, after what EDIT keeps
    } classes[] = {{TARN32_CLASS, "Tarn_WndProc", CS_GLOBALCLASS, sizeof(LONG_PTR)},
                   {TARN32_DROPDOWN_CLASS, "TDropDown_WndProc", 0, sizeof(LONG_PTR)},
                   {TARN32_EDIT_CLASS, "TCtl_WndProc", 0, edit.cbWndExtra + static_cast<int>(sizeof(LONG_PTR))}};
    for (const auto& c : classes) {
        ASSERT_TRUE(GetClassInfoA(kDll, c.name, &wc)) << c.name;
        EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc), reinterpret_cast<void*>(GetProcAddress(kDll, c.proc)));
        EXPECT_EQ(wc.style & (CS_GLOBALCLASS | CS_DBLCLKS), CS_DBLCLKS | c.global) << c.name;
        EXPECT_EQ(wc.cbWndExtra, c.extra) << c.name;
    }
}

TEST(Module, VersionRecordIs3_5_1_19AndTheResourcesLoad)
{
    HRSRC res = FindResourceA(kDll, MAKEINTRESOURCEA(1), RT_VERSION);
    ASSERT_NE(res, nullptr);
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(kDll, res)));
    const VS_FIXEDFILEINFO* info = nullptr;
    for (DWORD off = 0; !info && off + sizeof *info <= SizeofResource(kDll, res); off += 4)
        if (reinterpret_cast<const VS_FIXEDFILEINFO*>(data + off)->dwSignature == 0xFEEF04BD)
            info = reinterpret_cast<const VS_FIXEDFILEINFO*>(data + off);
    ASSERT_NE(info, nullptr);
    const DWORD ms = MAKELONG(5, 3), ls = MAKELONG(19, 1);
    EXPECT_TRUE(info->dwFileVersionMS == ms && info->dwFileVersionLS == ls && info->dwProductVersionMS == ms &&
                info->dwProductVersionLS == ls);
    for (int id : {32620, 32621, 32623})
        EXPECT_NE(LoadCursorA(kDll, MAKEINTRESOURCEA(id)), nullptr) << id;
    for (int id : {32624, 32625}) {
        HBITMAP bmp = LoadBitmapA(kDll, MAKEINTRESOURCEA(id));
        BITMAP bm = {};
        EXPECT_TRUE(GetObjectA(bmp, sizeof bm, &bm) && bm.bmWidth == 16 && bm.bmHeight == 12) << id;
        DeleteObject(bmp);
    }
    char text[128];
    EXPECT_GT(LoadStringA(kDll, 32620, text, sizeof text) * LoadStringA(kDll, 32621, text, sizeof text), 0);
    EXPECT_NE(FindResourceA(kDll, MAKEINTRESOURCEA(300), RT_DIALOG), nullptr);
}

class Lifecycle : public ControlTest {};

TEST_F(Lifecycle, CreationDefaultsForEachType)
{
    const HGDIOBJ gui = GetStockObject(DEFAULT_GUI_FONT);
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type | WS_VSCROLL);
        EXPECT_EQ(GetPropA(h, TARN32_PROP_CONTROL), HANDLE(1));
        EXPECT_EQ(Ints({int(Tarn_GetLocale(h)), Tarn_GetCurSel(h), Tarn_GetCaretColumn(h), Tarn_GetCursorSelect(h),
                        Tarn_GetExtendedUI(h), Tarn_GetColumns(h, nullptr)}),
                  Ints({1024, -1, 0, 1, 0, 1}));
        for (HGDIOBJ font : {HGDIOBJ(ControlFont(h)), HGDIOBJ(Tarn_GetColHeaderFont(h)), HGDIOBJ(Tarn_GetEditCtlFont(h)),
                             HGDIOBJ(Tarn_GetRowHeaderFont(h))})
            EXPECT_EQ(font, gui);
        ColumnDef* cols = nullptr;
        Tarn_GetColumns(h, &cols);
        EXPECT_EQ(cols[0].width, 500);
        // The scroll bar style moves to the list window, which hides it while nothing scrolls.
        EXPECT_EQ(GetWindowLongA(h, GWL_STYLE) & WS_VSCROLL, 0);
        HWND edit = Tarn_GetHWNDEdit(h), list = Tarn_GetHWNDDropDown(h);
        EXPECT_EQ(edit != nullptr, type <= TARNS_DROPDOWN);
        EXPECT_EQ(list != nullptr, type == TARNS_LISTBOX);
        EXPECT_EQ(Tarn_GetDroppedState(h), list != nullptr);
        char cls[32] = {};
        EXPECT_TRUE(!edit || (GetClassNameA(edit, cls, sizeof cls) && !std::strcmp(cls, TARN32_EDIT_CLASS) &&
                              GetDlgCtrlID(edit) == TARN32_ID_EDIT && GetParent(edit) == h));
        EXPECT_TRUE(!list || (GetDlgCtrlID(list) == TARN32_ID_LIST && GetPropA(list, TARN32_PROP_DROPDOWN) == HANDLE(1) &&
                              !(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL)));
    }
}

// A message sent before the record exists gets 0 and does no work; only
// WM_NCCREATE and WM_GETMINMAXINFO make the record.
HWND g_early;
LRESULT g_earlyResult;
LRESULT CALLBACK EarlyMessageHook(int code, WPARAM wp, LPARAM lp)
{
    char cls[32] = {};
    if (code == HCBT_CREATEWND && !g_early && GetClassNameA(HWND(wp), cls, sizeof cls) && !std::strcmp(cls, TARN32_CLASS))
        g_early = HWND(wp), g_earlyResult = SendMessageA(HWND(wp), WM_GETTEXTLENGTH, 0, 0) + GetWindowLongPtrA(HWND(wp), 0);
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(Lifecycle, MessagesBeforeTheRecordReturnZero)
{
    HHOOK hook = SetWindowsHookExA(WH_CBT, EarlyMessageHook, nullptr, GetCurrentThreadId());
    HWND h = Create(TARNS_DROPDOWNLIST);
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(g_early, h);
    EXPECT_EQ(g_earlyResult, 0);
    EXPECT_NE(GetWindowLongPtrA(h, 0), 0);
}

int g_freed;
void CALLBACK CountFreed(HWND, int, LPARAM, LPARAM user) { g_freed += user == 77; }

// Everything a control allocates: its record and columns, items with texts,
// row texts, cell and row formats, a header and corner text; items leave by
// deletion, a move, reset and the destruction of the control.
TEST_F(Lifecycle, ControlsOfEachTypeFreeEverythingTheyAllocate)
{
    auto cycle = [&](int rounds) {
        for (int r = 0; r < rounds; ++r)
            for (DWORD type : kAllTypes) {
                HWND h = Create(type, 30, {200, 150}, {Column(40), Column(40), Column(40)});
                TarnDeleteCallbackInfo info = {CountFreed, 77};
                Tarn_SetDeleteCallback(h, &info);
                for (int row = 0; row < 30; ++row) {
                    const RowInfo ri = {TARN_ROWINFO_VERSION, row, RGB(row, 0, 0), 0, 0, 0, nullptr, 0};
                    const CellInfo ci = {TARN_CELLINFO_VERSION, row, row % 3, 0, 0, 0, 0, row, 0, 0, nullptr, nullptr, 0, 0};
                    Tarn_SetRowInfo(h, &ri), Tarn_SetCellInfo(h, &ci), Tarn_SetRowText_A(h, row, "row");
                }
                Tarn_CopyItem(h, 1, -1), Tarn_MoveItem(h, 2, 0), Tarn_DeleteString(h, 3);
                Tarn_SetHeader_A(h, 1, "Header"), Tarn_SetRowColText_A(h, "Corner");
                if (r % 2)
                    Tarn_ResetContent(h);
                DestroyWindow(h);
            }
        Pump();
    };
    cycle(3);   // warm up the window class caches and the heap's own lists
    g_freed = 0;
    const SIZE_T before = HeapBytesInUse();
    cycle(20);
    const SIZE_T after = HeapBytesInUse();
    EXPECT_EQ(g_freed, 20 * 4 * 31) << "31 items per control (one copied), each reported exactly once";
    // One small block left per control would be 80 blocks; the allocator's
    // own bookkeeping stays well below that.
    EXPECT_LT(after, before + 512) << "before " << before << " after " << after;
}

int g_reports;
std::map<LPARAM, int> g_reportsByData;
void CALLBACK DestroyOnReport(HWND h, int, LPARAM data, LPARAM)
{
    ++g_reportsByData[data];
    if (g_reports++ == 0)
        DestroyWindow(h);
}

// Each case: the notification (0: the delete callback) on which the parent
// destroys the control, and the call during which it comes.
TEST_F(Lifecycle, ParentDestroyingTheControlInsideANotificationOrCallbackIsSurvived)
{
    const struct {
        const char* name;
        DWORD type;
        int code;
        std::function<void(HWND)> act;
    } cases[] = {
        {"SetCurSel", TARNS_LISTBOX, TARNN_SELCHANGE, [](HWND h) { EXPECT_EQ(Tarn_SetCurSel(h, 1), 0); }},
        {"SetCurSel", TARNS_DROPDOWNLISTFIXED, TARNN_SELCHANGE, [](HWND h) { Tarn_SetCurSel(h, 1); }},
        {"SelectString", TARNS_DROPDOWN, TARNN_SELCHANGE, [](HWND h) { EXPECT_EQ(Tarn_SelectString_A(h, -1, 0, "Item 25", 1), 25); }},
        {"SetShowTreeLines", TARNS_DROPDOWNLIST, TARNN_OVERHEADCHANGE, [](HWND h) { Tarn_SetShowTreeLines(h, TRUE); }},
        {"SetItemLevel", TARNS_LISTBOX, TARNN_OVERHEADCHANGE, [](HWND h) { Tarn_SetItemLevel(h, 3, 2); }},
        {"WM_VSCROLL", TARNS_LISTBOX | WS_VSCROLL, TARNN_TOPINDEXCHANGE,
         [](HWND h) { SendMessageA(Tarn_GetHWNDDropDown(h), WM_VSCROLL, SB_PAGEDOWN, 0); }},
        {"DeleteString", TARNS_DROPDOWN, 0, [](HWND h) { EXPECT_EQ(Tarn_DeleteString(h, 2), -1); }},
        {"ResetContent", TARNS_LISTBOX, 0, [](HWND h) { Tarn_ResetContent(h); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " type " << (c.type & 3));
        HWND h = Create(c.type, 30);
        g_reports = 0;
        g_reportsByData.clear();
        for (int i = 0; i < 30; ++i)
            Tarn_SetItemData(h, i, 100 + i);
        TarnDeleteCallbackInfo info = {DestroyOnReport, 0};
        Tarn_SetDeleteCallback(h, c.code ? nullptr : &info);
        ActOn(c.code, [](HWND sender) { DestroyWindow(sender); });
        c.act(h);
        ActOn(0, nullptr);
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(Codes(), c.code ? Ints{c.code} : Ints{}) << "nothing after the destroying notification";
        EXPECT_EQ(g_reportsByData.size() * 100 + g_reports, c.code ? 0u : 3030u) << "each item reported once";
    }
}

} // namespace
