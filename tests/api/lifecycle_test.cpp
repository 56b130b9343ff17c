// The module (export table, window classes) and the life of a control:
// defaults per type and what destruction frees. (A parent that destroys the
// control from inside a notification or callback: lifetime_test.cpp.)
#include "support/control_fixture.h"

#include "ordinal_table.h"

namespace {

const HMODULE kDll = GetModuleHandleA("TARN32.dll");

TEST(Module, ExportsSitAtTheirOrdinalsAndTheClassesUseTheExportedProcedures)
{
    // Each listed function the DLL exports sits at its listed ordinal.
    int exported = 0;
    for (const OrdinalEntry& e : kOrdinalTable) {
        const FARPROC byName = GetProcAddress(kDll, e.name);
        exported += byName != nullptr;
        EXPECT_TRUE(!byName || GetProcAddress(kDll, MAKEINTRESOURCEA(e.ordinal)) == byName) << e.name << " is not at its ordinal";
    }
    EXPECT_EQ(exported, 169) << "an export went missing";
    // Each class: its procedure, and whether it is global.
    WNDCLASSA wc;
    const struct { const char *name, *proc; UINT global; } classes[] = {
        {TARN32_CLASS, "Tarn_WndProc", CS_GLOBALCLASS}, {TARN32_DROPDOWN_CLASS, "TDropDown_WndProc", 0},
        {TARN32_EDIT_CLASS, "TCtl_WndProc", 0}};
    for (const auto& c : classes)
        EXPECT_TRUE(GetClassInfoA(kDll, c.name, &wc) && (void*)wc.lpfnWndProc == (void*)GetProcAddress(kDll, c.proc) &&
                    (wc.style & (CS_GLOBALCLASS | CS_DBLCLKS)) == (CS_DBLCLKS | c.global)) << c.name;
}

class Lifecycle : public ControlTest {};

// The part fonts and the option defaults are checked with their setters.
// Each type makes the windows it needs, marked and numbered; a drop-down
// type fits its height to the field.
TEST_F(Lifecycle, CreationDefaultsForEachType)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type | WS_VSCROLL), edit = Tarn_GetHWNDEdit(h), list = Tarn_GetHWNDDropDown(h);
        EXPECT_TRUE(GetPropA(h, TARN32_PROP_CONTROL) == HANDLE(1) && ControlFont(h) == GetStockObject(DEFAULT_GUI_FONT));
        // The scroll bar style moves to the list window, which hides it while nothing scrolls.
        EXPECT_EQ(GetWindowLongA(h, GWL_STYLE) & WS_VSCROLL, 0);
        EXPECT_TRUE((edit != nullptr) == (type <= TARNS_DROPDOWN) && (list != nullptr) == (type == TARNS_LISTBOX) &&
                    Tarn_GetDroppedState(h) == (list != nullptr)) << "type " << type;
        EXPECT_TRUE(!edit || (GetDlgCtrlID(edit) == TARN32_ID_EDIT && GetParent(edit) == h));
        EXPECT_TRUE(list ? GetDlgCtrlID(list) == TARN32_ID_LIST && GetPropA(list, TARN32_PROP_DROPDOWN) == HANDLE(1) &&
                               !(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL)
                         : Client(h).bottom == Tarn_GetItemHeight(h, -1)) << "type " << type;
        HWND bottom = Create(type | TARNS_KEEPBOTTOM, 0, {160, 120});   // a drop-down type keeps its bottom edge
        EXPECT_TRUE(list || ChildRect(bottom).bottom == 130) << "type " << type;
    }
}

// Everything a control allocates: its record and columns, items with texts,
// row texts, cell and row formats, a header and corner text; items leave by
// deletion, a move, reset and the destruction of the control. (That each
// row is reported once: the fuzzer and the data tests.)
TEST_F(Lifecycle, ControlsOfEachTypeFreeEverythingTheyAllocate)
{
    auto cycle = [&](int rounds) {
        for (int r = 0; r < rounds; ++r)
            for (DWORD type : kAllTypes) {
                HWND h = Create(type, 30, {200, 150}, {Column(40), Column(40), Column(40)});
                for (int row = 0; row < 30; ++row) {
                    const RowInfo ri = {TARN_ROWINFO_VERSION, row, RGB(row, 0, 0), 0, 0, 0, nullptr, 0};
                    const CellInfo ci = {TARN_CELLINFO_VERSION, row, row % 3, 0, 0, 0, 0, row, 0, 0, nullptr, nullptr, 0, 0};
                    Tarn_SetRowInfo(h, &ri), Tarn_SetCellInfo(h, &ci), Tarn_SetRowText_A(h, row, "row");
                }
                Tarn_CopyItem(h, 1, -1), Tarn_MoveItem(h, 2, 0), Tarn_DeleteString(h, 3), Tarn_SetHeader_A(h, 1, "Header");
                Tarn_SetRowColText_A(h, "Corner");
                if (r % 2)
                    Tarn_ResetContent(h);
                DestroyWindow(h);
            }
        Pump();
    };
    cycle(3);   // warm up the window class caches and the heap's own lists
    const int rounds = SoakCount("TARN32_SOAK_CONTROLS", 20), gdi = GdiCapacity();
    const SIZE_T before = HeapBytesInUse();
    const DWORD start = GetTickCount();
    cycle(rounds);
    const SIZE_T after = HeapBytesInUse();
    const int gdiAfter = GdiCapacity();
    SoakFigures("TARN32_SOAK_CONTROLS", "%d controls of each type with 30 rows in %.1f s; heap in use %lu bytes before, %lu after; "
                "free GDI handles %d before, %d after", rounds, (GetTickCount() - start) / 1000.0, (unsigned long)before,
                (unsigned long)after, gdi, gdiAfter);
    // One object per control would be 80; beside another test program the
    // count has come out one lower, from nothing this loop made.
    EXPECT_LT(gdi - gdiAfter, 4) << "GDI objects left behind";
    // One small block left per control would be 80 blocks; the allocator's
    // own bookkeeping stays well below that.
    EXPECT_LT(after, before + 512) << "before " << before << " after " << after;
}

} // namespace
