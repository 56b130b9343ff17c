// Display switches and the stored drop-down settings, through the DLL on real
// control windows: what each setter stores, what it repaints, what it sends.
#include <windows.h>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "support/control_fixture.h"

// Found by argument-dependent lookup from inside the assertions, so at global
// scope; internal linkage keeps them out of other test files' way.
static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

static std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

RECT Client(HWND hwnd)
{
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    return rc;
}

std::vector<COLORREF> Colors(HWND h)
{
    CtlColors table;
    memset(&table, 0xCD, sizeof table);
    Tarn_GetCtlColors(h, &table);
    std::vector<COLORREF> out(TARNCLR_COUNT);
    memcpy(out.data(), &table, sizeof table);
    return out;
}

// Four average character widths of the control font: the strip that choosing
// a row-header mode gives.
int DefaultRowHeaderWidth(HWND h)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return 4 * tm.tmAveCharWidth;
}

// The header band starts right of the row-header strip.
RECT HeaderBand(HWND h)
{
    RECT band = {};
    Tarn_GetHeaderRect(h, -1, &band);
    return band;
}

class DisplayOptionsTest : public ControlTest {
protected:
    // A type 0 control (permanent list window) with rows, a header band and a
    // row-header strip, every window validated.
    HWND CreateListWithBands()
    {
        HWND h = Create(TARNS_LISTBOX, 1, 240, 200);
        AddItems(h, 5);
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX);
        ValidateAll(h);
        return h;
    }
    void ValidateAll(HWND h)
    {
        Pump();
        Validate(h);
        if (HWND list = Tarn_GetHWNDDropDown(h))
            Validate(list);
        ClearLog();
    }
};

TEST_F(DisplayOptionsTest, SettersNormaliseTheirArguments)
{
    // Each setter with (argument, value stored afterwards) pairs in order:
    // switches store 0/1, out-of-range modes keep the previous mode, grid
    // styles other than 0 and 1 become 2.
    struct Option {
        const char* name;
        void(WINAPI* set)(HWND, int);
        int(WINAPI* get)(HWND);
        std::vector<std::pair<int, int>> steps;
    };
    const std::vector<std::pair<int, int>> flag = {{7, 1}, {0, 0}, {-1, 1}, {0, 0}, {1, 1}};
    const Option options[] = {
        {"Show3D", Tarn_SetShow3D, Tarn_GetShow3D, flag},
        {"ShowGrid", Tarn_SetShowGrid, Tarn_GetShowGrid, flag},
        {"ShowRowColHeaderButton", Tarn_SetShowRowColHeaderButton, Tarn_GetShowRowColHeaderButton, flag},
        {"ShowTreeLines", Tarn_SetShowTreeLines, Tarn_GetShowTreeLines, flag},
        {"ShowTruncated", Tarn_SetShowTruncated, Tarn_GetShowTruncated, flag},
        {"GridStyle", Tarn_SetGridStyle, Tarn_GetGridStyle, {{0, 0}, {5, 2}, {1, 1}, {-1, 2}, {0, 0}, {3, 2}}},
        {"SelectionStyle", Tarn_SetSelectionStyle, Tarn_GetSelectionStyle, {{2, 2}, {3, 2}, {-1, 2}, {1, 1}}},
        {"ShowHeader", Tarn_SetShowHeader, Tarn_GetShowHeader, {{2, 2}, {3, 2}, {-1, 2}, {0, 0}}},
        {"ShowRowHeader", Tarn_SetShowRowHeader, Tarn_GetShowRowHeader, {{6, 6}, {7, 6}, {-1, 6}, {0, 0}, {1, 1}}},
    };
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        ASSERT_NE(h, nullptr);
        for (const Option& o : options)
            for (auto [in, stored] : o.steps) {
                o.set(h, in);
                EXPECT_EQ(o.get(h), stored) << o.name << "(" << in << ") type " << type;
            }
        DestroyWindow(h);
    }
}

TEST_F(DisplayOptionsTest, SettingTheCurrentValueRepaintsNothing)
{
    HWND h = CreateListWithBands();
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    const std::vector<std::pair<const char*, std::function<void()>>> unchanged = {
        {"SelectionStyle", [&] { Tarn_SetSelectionStyle(h, Tarn_GetSelectionStyle(h)); }},
        {"SelectionStyle out of range", [&] { Tarn_SetSelectionStyle(h, 9); }},
        {"Show3D", [&] { Tarn_SetShow3D(h, FALSE); }},
        {"ShowGrid", [&] { Tarn_SetShowGrid(h, FALSE); }},
        {"GridStyle 2 as 5", [&] { Tarn_SetGridStyle(h, 5); }},
        // Without a grid its style changes nothing on the screen.
        {"GridStyle while no grid", [&] { Tarn_SetGridStyle(h, TARN_GRID_VERTICAL); }},
        {"ShowHeader", [&] { Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS); }},
        {"ShowRowHeader", [&] { Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX); }},
        {"ShowRowHeader out of range", [&] { Tarn_SetShowRowHeader(h, 7); }},
        {"ShowRowColHeaderButton", [&] { Tarn_SetShowRowColHeaderButton(h, 4); }},
        {"ShowTreeLines", [&] { Tarn_SetShowTreeLines(h, FALSE); }},
        {"ShowTruncated", [&] { Tarn_SetShowTruncated(h, 2); }},
    };
    const RECT empty = {};
    for (const auto& [name, act] : unchanged) {
        ValidateAll(h);
        act();
        EXPECT_EQ(UpdateRect(h), empty) << name;
        EXPECT_EQ(UpdateRect(list), empty) << name;
        EXPECT_TRUE(Codes().empty()) << name;
    }
    EXPECT_EQ(Tarn_GetGridStyle(h), TARN_GRID_VERTICAL);
}

TEST_F(DisplayOptionsTest, ChangesInvalidateExactlyTheirParts)
{
    HWND h = CreateListWithBands();
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    const int strip = DefaultRowHeaderWidth(h);
    ASSERT_GT(strip, 0);
    const RECT band = HeaderBand(h);
    ASSERT_EQ(band.left, strip);
    ASSERT_GT(band.bottom, 0);
    const RECT empty = {};

    // Options of the cells repaint the item area, right of the row headers.
    RECT listClient = Client(list);
    RECT itemArea = listClient;
    itemArea.left = strip;
    for (auto act : std::vector<std::function<void()>>{[&] { Tarn_SetShowTruncated(h, FALSE); },
                                                       [&] { Tarn_SetSelectionStyle(h, TARN_SELECT_CELLS); }}) {
        ValidateAll(h);
        act();
        EXPECT_EQ(UpdateRect(list), itemArea);
        EXPECT_EQ(UpdateRect(h), empty);
    }

    // Options of the row height repaint the rows with their headers.
    Tarn_SetShowGrid(h, TRUE);
    ValidateAll(h);
    Tarn_SetGridStyle(h, TARN_GRID_HORIZONTAL);
    listClient = Client(list);
    EXPECT_EQ(UpdateRect(list), listClient);

    // Tree lines: the item area and the header band, which follows the first
    // column's indentation.
    ValidateAll(h);
    Tarn_SetShowTreeLines(h, TRUE);
    itemArea = Client(list);
    itemArea.left = strip;
    EXPECT_EQ(UpdateRect(list), itemArea);
    EXPECT_EQ(UpdateRect(h), HeaderBand(h));

    // The corner cell alone.
    ValidateAll(h);
    Tarn_SetShowRowColHeaderButton(h, FALSE);
    const RECT corner = {0, 0, strip, HeaderBand(h).bottom};
    EXPECT_EQ(UpdateRect(h), corner);
    EXPECT_EQ(UpdateRect(list), empty);

    // A band that comes or goes redraws every window.
    ValidateAll(h);
    Tarn_SetShowHeader(h, TARN_HEADER_NONE);
    EXPECT_EQ(UpdateRect(h), Client(h));
    EXPECT_EQ(UpdateRect(list), Client(list));

    // No corner without a header band.
    ValidateAll(h);
    Tarn_SetShowRowColHeaderButton(h, TRUE);
    EXPECT_EQ(UpdateRect(h), empty);
    EXPECT_EQ(Tarn_GetShowRowColHeaderButton(h), TRUE);

    // While redrawing is off the value is stored and nothing is repainted.
    SendMessageA(h, WM_SETREDRAW, FALSE, 0);
    ValidateAll(h);
    Tarn_SetShowTruncated(h, TRUE);
    Tarn_SetShow3D(h, TRUE);
    EXPECT_EQ(UpdateRect(list), empty);
    EXPECT_EQ(UpdateRect(h), empty);
    EXPECT_EQ(Tarn_GetShowTruncated(h), TRUE);
    EXPECT_EQ(Tarn_GetShow3D(h), TRUE);
    SendMessageA(h, WM_SETREDRAW, TRUE, 0);
}

TEST_F(DisplayOptionsTest, Show3DSwapsOnlyTheDefaultWindowColours)
{
    HWND h = Create(TARNS_LISTBOX);
    AddItems(h, 3);
    const std::vector<COLORREF> defaults = Colors(h);
    ASSERT_EQ(defaults[TARNCLR_BACKCOLOR], TARN_SYSCOLOR(COLOR_WINDOW));
    ASSERT_EQ(defaults[TARNCLR_TEXTCOLOR], TARN_SYSCOLOR(COLOR_WINDOWTEXT));
    const int flat = Tarn_GetItemHeight(h, 0);

    Tarn_SetShow3D(h, TRUE);
    std::vector<COLORREF> expected = defaults;
    expected[TARNCLR_BACKCOLOR] = TARN_SYSCOLOR(COLOR_BTNFACE);
    expected[TARNCLR_TEXTCOLOR] = TARN_SYSCOLOR(COLOR_BTNTEXT);
    EXPECT_EQ(Colors(h), expected);
    // The frame takes two pixels of every row.
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), flat + 2);
    // Rows framed in 3D have no horizontal grid line to make room for.
    Tarn_SetShowGrid(h, TRUE);
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), flat + 2);

    Tarn_SetShow3D(h, FALSE);
    EXPECT_EQ(Colors(h), defaults);
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), flat + 1);
    Tarn_SetGridStyle(h, TARN_GRID_VERTICAL);
    EXPECT_EQ(Tarn_GetItemHeight(h, 0), flat);

    // Colours the application chose stay through both switches.
    CtlColors custom;
    Tarn_GetCtlColors(h, &custom);
    custom.backColor = RGB(10, 20, 30);
    custom.textColor = TARN_SYSCOLOR(COLOR_HIGHLIGHTTEXT);
    Tarn_SetCtlColors(h, &custom);
    const std::vector<COLORREF> chosen = Colors(h);
    Tarn_SetShow3D(h, TRUE);
    EXPECT_EQ(Colors(h), chosen);
    Tarn_SetShow3D(h, FALSE);
    EXPECT_EQ(Colors(h), chosen);
}

TEST_F(DisplayOptionsTest, RowHeaderModeSetsTheStripWidth)
{
    HWND h = Create(TARNS_LISTBOX);
    AddItems(h, 2);
    Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
    const int strip = DefaultRowHeaderWidth(h);
    // The initial mode comes without a strip.
    ASSERT_EQ(Tarn_GetShowRowHeader(h), TARN_ROWHEADER_INDEX);
    EXPECT_EQ(HeaderBand(h).left, 0);

    // The same mode again still gives the strip its width.
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX);
    EXPECT_EQ(HeaderBand(h).left, strip);
    Tarn_SetShowRowHeader(h, 7);
    EXPECT_EQ(HeaderBand(h).left, strip);
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_NONE);
    EXPECT_EQ(HeaderBand(h).left, 0);
    EXPECT_EQ(Tarn_GetShowRowHeader(h), TARN_ROWHEADER_NONE);

    // A width set afterwards is replaced by the next mode, even the same one.
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_FLAT);
    Tarn_SetRowHeaderWidth(h, strip + 37);
    ASSERT_EQ(HeaderBand(h).left, strip + 37);
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_FLAT);
    EXPECT_EQ(Tarn_GetRowHeaderWidth(h), strip);
    EXPECT_EQ(HeaderBand(h).left, strip);
    EXPECT_EQ(Tarn_GetShowRowHeader(h), TARN_ROWHEADER_FLAT);
}

TEST_F(DisplayOptionsTest, TreeLinesMoveTheFirstColumnAndNotifyOnce)
{
    HWND h = Create(TARNS_LISTBOX);
    AddItems(h, 3);
    Pump();
    ClearLog();
    const int before = Tarn_GetOverheadWidth(h);
    Tarn_SetShowTreeLines(h, TRUE);
    const int with = Tarn_GetOverheadWidth(h);
    EXPECT_GT(with, before);
    EXPECT_EQ(Codes(), std::vector<int>{TARNN_OVERHEADCHANGE});
    Tarn_SetShowTreeLines(h, 3);
    EXPECT_EQ(Codes(), std::vector<int>{TARNN_OVERHEADCHANGE});
    Tarn_SetShowTreeLines(h, FALSE);
    EXPECT_EQ(Tarn_GetOverheadWidth(h), before);
    EXPECT_EQ(Codes(), (std::vector<int>{TARNN_OVERHEADCHANGE, TARNN_OVERHEADCHANGE}));

    // A parent that destroys the control on the notification ends the call.
    OnNotify([](const Notification& n) {
        if (n.code == TARNN_OVERHEADCHANGE)
            DestroyWindow(n.sender);
    });
    Tarn_SetShowTreeLines(h, TRUE);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(DisplayOptionsTest, RowMinusOneSwitchesTheBitmapAndLabelZones)
{
    HWND h = Create(TARNS_DROPDOWN);
    AddItems(h, 2);
    HBITMAP bitmap = CreateBitmap(13, 9, 1, 1, nullptr);
    HBITMAP label = CreateBitmap(7, 5, 1, 1, nullptr);
    const int bare = Tarn_GetOverheadWidth(h);

    ASSERT_TRUE(Tarn_SetItemBitmap(h, -1, bitmap));
    EXPECT_EQ(Tarn_GetShowBitmaps(h), TRUE);
    EXPECT_EQ(Tarn_GetShowLabels(h), FALSE);
    const int withBitmap = Tarn_GetOverheadWidth(h);
    EXPECT_GE(withBitmap, bare + 13);
    ASSERT_TRUE(Tarn_SetItemLabel(h, -1, label));
    EXPECT_EQ(Tarn_GetShowLabels(h), TRUE);
    EXPECT_EQ(Tarn_GetOverheadWidth(h), withBitmap + 7);

    // A handle GDI cannot describe is refused and switches nothing.
    HBITMAP gone = CreateBitmap(4, 4, 1, 1, nullptr);
    DeleteObject(gone);
    EXPECT_FALSE(Tarn_SetItemBitmap(h, -1, gone));
    EXPECT_EQ(Tarn_GetShowBitmaps(h), TRUE);

    EXPECT_TRUE(Tarn_SetItemBitmap(h, -1, nullptr));
    EXPECT_EQ(Tarn_GetShowBitmaps(h), FALSE);
    EXPECT_TRUE(Tarn_SetItemLabel(h, -1, nullptr));
    EXPECT_EQ(Tarn_GetShowLabels(h), FALSE);
    EXPECT_EQ(Tarn_GetOverheadWidth(h), bare);
    DestroyWindow(h);
    DeleteObject(bitmap);
    DeleteObject(label);
}

TEST_F(DisplayOptionsTest, DroppedSettingsOverAllTypes)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        ASSERT_NE(h, nullptr);
        const bool list = type == TARNS_LISTBOX;
        const int height = Tarn_GetDroppedHeight(h);
        EXPECT_EQ(Tarn_SetDroppedHeight(h, 0), -1);
        EXPECT_EQ(Tarn_GetDroppedHeight(h), height);
        EXPECT_EQ(Tarn_SetDroppedHeight(h, -100), list ? -1 : 0);
        EXPECT_EQ(Tarn_GetDroppedHeight(h), list ? -1 : -100);
        EXPECT_EQ(Tarn_SetDroppedWidth(h, -50), list ? -1 : 0);
        EXPECT_EQ(Tarn_GetDroppedWidth(h), list ? -1 : -50);
        EXPECT_EQ(Tarn_SetDroppedWidth(h, 0), list ? -1 : 0);
        EXPECT_EQ(Tarn_GetDroppedWidth(h), list ? -1 : 0);

        // Closing a list that is not open tells the parent nothing.
        ASSERT_EQ(Tarn_GetDropDownPosition(h), TARN_DROPDOWN_BELOW);
        Pump();
        ClearLog();
        Tarn_SetDropDownPosition(h, TARN_DROPDOWN_ABOVE);
        EXPECT_EQ(Tarn_GetDropDownPosition(h),
                  type == TARNS_DROPDOWNLIST ? TARN_DROPDOWN_ABOVE : TARN_DROPDOWN_BELOW);
        EXPECT_TRUE(Codes().empty());

        // The drop button spans the header band and the field at the right.
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        RECT button = {1, 2, 3, 4};
        Tarn_GetDropDownButtonRect(h, &button);
        RECT expected = {};
        if (!list) {
            const RECT client = Client(h);
            const RECT band = HeaderBand(h);
            ASSERT_GT(band.bottom, 0);
            expected = {client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right,
                        client.top + (band.bottom - band.top) + Tarn_GetItemHeight(h, -1)};
        }
        EXPECT_EQ(button, expected);

        // Only an existing list window has a rectangle: always for type 0.
        RECT dropped = {1, 2, 3, 4};
        RECT window = {};
        if (list)
            GetWindowRect(Tarn_GetHWNDDropDown(h), &window);
        EXPECT_EQ(Tarn_GetDroppedControlRect(h, &dropped), list ? 0 : -1);
        EXPECT_EQ(dropped, window);
        EXPECT_EQ(Tarn_GetDroppedControlRect(h, nullptr), -1);
        Tarn_GetDropDownButtonRect(h, nullptr);
        DestroyWindow(h);
    }
}

} // namespace
