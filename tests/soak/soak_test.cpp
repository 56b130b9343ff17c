// Long leak runs, kept out of the default suite: tools/run_soak.sh runs this
// program, which CTest does not know. TARN32_SOAK_PAINTS and
// TARN32_SOAK_CONTROLS change the counts (100,000 paints; 1,000 controls of
// each type). Each test prints its figures.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "support/control_fixture.h"
#include "support/dib.h"

namespace {

int Count(const char* name, int fallback) { return getenv(name) ? atoi(getenv(name)) : fallback; }

using Soak = ControlTest;

TEST_F(Soak, AHundredThousandPaintsLeaveNoGdiObjectAndTheSamePixels)
{
    // Every part that creates GDI objects: header, row headers, grid, tree
    // lines, labels and item bitmaps (embossed on a disabled row), a cell's
    // bitmap and font, and a closed drop-down's field and button.
    HWND list = Create(TARNS_LISTBOX | WS_VSCROLL | WS_HSCROLL, 4, {180, 110}), combo = Create(TARNS_DROPDOWNLIST, 0, {180, 30});
    Tarn_SetShowHeader(list, TARN_HEADER_BUTTONS), Tarn_SetShowRowHeader(list, TARN_ROWHEADER_NUMBER), Tarn_SetShowGrid(list, TRUE);
    Tarn_SetShowTreeLines(list, TRUE), Tarn_SetItemLevel(list, 1, 1), Tarn_SetItemLevel(list, 2, 2), Tarn_SetItemStatus(list, 1, 0);
    HBITMAP bmp = CreateBitmap(8, 8, 1, 32, nullptr);
    for (int index : {-1, 1})
        Tarn_SetItemBitmap(list, index, bmp), Tarn_SetItemLabel(list, index, bmp);
    CellInfo cell = {TARN_CELLINFO_VERSION, -1, 0, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, TARN_COLOR_NONE, 0, 0, 0, nullptr, bmp, 0, 0};
    Tarn_SetCellInfo(list, &cell);
    cell.row = 3, cell.hfont = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    Tarn_SetCellInfo(list, &cell), Tarn_SetCurSel(list, 2), Tarn_AddString_A(combo, "Row"), Tarn_SetCurSel(combo, 0);
    Pump();

    const HWND windows[] = {Tarn_GetHWNDDropDown(list), list, combo};
    std::vector<std::unique_ptr<Dib>> first, last;
    for (HWND w : windows) {
        RECT rc;
        GetClientRect(w, &rc);
        first.push_back(std::make_unique<Dib>(rc.right, rc.bottom)), last.push_back(std::make_unique<Dib>(rc.right, rc.bottom));
        first.back()->Print(w);
    }
    const int paints = Count("TARN32_SOAK_PAINTS", 100000), before = GdiCapacity();
    const DWORD start = GetTickCount();
    for (int i = 0; i < paints; ++i)
        for (int k = 0; k < 3; ++k)
            SendMessageA(windows[k], WM_PRINT, reinterpret_cast<WPARAM>(last[k]->dc()), PRF_CLIENT);
    const int after = GdiCapacity();
    printf("%d paints each of the list, the control and a closed drop-down in %.1f s; free GDI handles %d before, %d after\n", paints,
           (GetTickCount() - start) / 1000.0, before, after);
    EXPECT_EQ(after, before) << "GDI objects left behind";
    for (int k = 0; k < 3; ++k) {
        last[k]->Print(windows[k]);
        EXPECT_EQ(first[k]->Differences(*last[k]), 0) << "window " << k << ": the last paint differs from the first";
    }
    DestroyWindow(list), DestroyWindow(combo), DeleteObject(bmp);
}

TEST_F(Soak, AThousandControlsOfEachTypeLeaveNoHeapNorGdiObject)
{
    auto cycle = [&](int rounds) {
        for (int r = 0; r < rounds; ++r)
            for (DWORD type : kAllTypes) {
                DestroyWindow(Create(type | WS_VSCROLL, 100));
                ClearLog();   // the fixture's own record of notifications must not grow either
            }
        Pump();
    };
    cycle(20);   // warm up: window class caches, fonts, the heap's own lists
    const int rounds = Count("TARN32_SOAK_CONTROLS", 1000), gdi = GdiCapacity();
    const SIZE_T bytes = HeapBytesInUse();
    const DWORD start = GetTickCount();
    cycle(rounds);
    const SIZE_T bytesAfter = HeapBytesInUse();
    const int gdiAfter = GdiCapacity();
    printf("%d controls of each type with 100 rows in %.1f s; heap in use %lu bytes before, %lu after; free GDI handles %d before, %d after\n",
           rounds, (GetTickCount() - start) / 1000.0, (unsigned long)bytes, (unsigned long)bytesAfter, gdi, gdiAfter);
    // One control kept with its 100 rows would be kilobytes; a little is the allocator's bookkeeping.
    EXPECT_LT(bytesAfter, bytes + 8 * 1024);
    EXPECT_EQ(gdiAfter, gdi);
}

} // namespace
