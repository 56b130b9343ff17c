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

const RECT kEmpty = {};

RECT Client(HWND hwnd)
{
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    return rc;
}

RECT HeaderBand(HWND h)
{
    RECT band = {};
    Tarn_GetHeaderRect(h, -1, &band);
    return band;
}

std::vector<COLORREF> Colors(HWND h)
{
    std::vector<COLORREF> out(TARNCLR_COUNT, 0xCDCDCDCD);
    Tarn_GetCtlColors(h, reinterpret_cast<CtlColors*>(out.data()));
    return out;
}

// Four average character widths of the control font: the strip that choosing
// a row-header mode gives.
int DefaultRowHeaderWidth(HWND h)
{
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return 4 * tm.tmAveCharWidth;
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

TEST_F(DisplayOptionsTest, ChangesInvalidateExactlyTheirPartsAndNoChangeNothing)
{
    HWND h = CreateListWithBands();
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    const int strip = DefaultRowHeaderWidth(h);
    ASSERT_GT(strip, 0);
    ASSERT_EQ(HeaderBand(h).left, strip);
    // Expected invalid areas, worked out after each step since bands may move.
    enum Area { None, ItemArea, AllRows, Band, Corner, Whole };
    auto area = [&](Area p, HWND w) {
        RECT rc = p == None ? kEmpty : p == Band ? HeaderBand(h) : Client(w);
        if (p == ItemArea)
            rc.left = strip;   // the rows right of their row headers
        if (p == Corner)
            rc = {0, 0, strip, HeaderBand(h).bottom};
        return rc;
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        Area list, control;
    };
    const Step steps[] = {
        // The current value, also after normalising, changes nothing.
        {"SelectionStyle out of range", [&] { Tarn_SetSelectionStyle(h, 9); }, None, None},
        {"Show3D", [&] { Tarn_SetShow3D(h, FALSE); }, None, None},
        {"ShowGrid", [&] { Tarn_SetShowGrid(h, FALSE); }, None, None},
        {"GridStyle 2 as 5", [&] { Tarn_SetGridStyle(h, 5); }, None, None},
        {"GridStyle while no grid", [&] { Tarn_SetGridStyle(h, TARN_GRID_VERTICAL); }, None, None},
        {"ShowHeader", [&] { Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS); }, None, None},
        {"ShowRowHeader", [&] { Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX); }, None, None},
        {"ShowRowHeader out of range", [&] { Tarn_SetShowRowHeader(h, 7); }, None, None},
        {"ShowRowColHeaderButton", [&] { Tarn_SetShowRowColHeaderButton(h, 4); }, None, None},
        {"ShowTreeLines", [&] { Tarn_SetShowTreeLines(h, FALSE); }, None, None},
        {"ShowTruncated", [&] { Tarn_SetShowTruncated(h, 2); }, None, None},
        // Options of the cells repaint the item area; of the row height, the
        // rows with their headers; tree lines also the header band, which
        // follows the first column's indentation.
        {"ShowTruncated off", [&] { Tarn_SetShowTruncated(h, FALSE); }, ItemArea, None},
        {"SelectionStyle cells", [&] { Tarn_SetSelectionStyle(h, TARN_SELECT_CELLS); }, ItemArea, None},
        {"ShowGrid on", [&] { Tarn_SetShowGrid(h, TRUE); }, AllRows, None},
        {"GridStyle horizontal", [&] { Tarn_SetGridStyle(h, TARN_GRID_HORIZONTAL); }, AllRows, None},
        {"ShowTreeLines on", [&] { Tarn_SetShowTreeLines(h, TRUE); }, ItemArea, Band},
        {"ShowRowColHeaderButton off", [&] { Tarn_SetShowRowColHeaderButton(h, FALSE); }, None, Corner},
        // A band that comes or goes redraws every window; without it there is no corner.
        {"ShowHeader none", [&] { Tarn_SetShowHeader(h, TARN_HEADER_NONE); }, AllRows, Whole},
        {"ShowRowColHeaderButton on", [&] { Tarn_SetShowRowColHeaderButton(h, TRUE); }, None, None},
    };
    for (const Step& step : steps) {
        ValidateAll(h);
        step.act();
        EXPECT_EQ(UpdateRect(list), area(step.list, list)) << step.name;
        EXPECT_EQ(UpdateRect(h), area(step.control, h)) << step.name;
        if (step.list == None && step.control == None) {
            EXPECT_TRUE(Codes().empty()) << step.name;
        }
    }
    EXPECT_EQ(Tarn_GetGridStyle(h), TARN_GRID_HORIZONTAL);

    // While redrawing is off the value is stored and nothing is repainted.
    SendMessageA(h, WM_SETREDRAW, FALSE, 0);
    ValidateAll(h);
    Tarn_SetShowTruncated(h, TRUE);
    Tarn_SetShow3D(h, TRUE);
    EXPECT_EQ(UpdateRect(list), kEmpty);
    EXPECT_EQ(UpdateRect(h), kEmpty);
    EXPECT_EQ(Tarn_GetShowTruncated(h) + Tarn_GetShow3D(h), 2);
    SendMessageA(h, WM_SETREDRAW, TRUE, 0);
}

TEST_F(DisplayOptionsTest, Show3DSwapsOnlyTheDefaultWindowColours)
{
    HWND h = Create(TARNS_LISTBOX);
    AddItems(h, 3);
    const std::vector<COLORREF> defaults = Colors(h);
    ASSERT_EQ(defaults[TARNCLR_BACKCOLOR], TARN_SYSCOLOR(COLOR_WINDOW));
    ASSERT_EQ(defaults[TARNCLR_TEXTCOLOR], TARN_SYSCOLOR(COLOR_WINDOWTEXT));
    Tarn_SetShow3D(h, TRUE);
    std::vector<COLORREF> expected = defaults;
    expected[TARNCLR_BACKCOLOR] = TARN_SYSCOLOR(COLOR_BTNFACE);
    expected[TARNCLR_TEXTCOLOR] = TARN_SYSCOLOR(COLOR_BTNTEXT);
    EXPECT_EQ(Colors(h), expected);
    Tarn_SetShow3D(h, FALSE);
    EXPECT_EQ(Colors(h), defaults);

    // Colours the application chose stay through both switches.
    std::vector<COLORREF> chosen = defaults;
    chosen[TARNCLR_BACKCOLOR] = RGB(10, 20, 30);
    chosen[TARNCLR_TEXTCOLOR] = TARN_SYSCOLOR(COLOR_HIGHLIGHTTEXT);
    Tarn_SetCtlColors(h, reinterpret_cast<const CtlColors*>(chosen.data()));
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
    // The initial mode comes without a strip; choosing it, even again, gives one.
    ASSERT_EQ(Tarn_GetShowRowHeader(h), TARN_ROWHEADER_INDEX);
    EXPECT_EQ(HeaderBand(h).left, 0);
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX);
    EXPECT_EQ(HeaderBand(h).left, strip);
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_NONE);
    EXPECT_EQ(HeaderBand(h).left, 0);

    // A width set afterwards is replaced by the next mode, even the same one.
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_FLAT);
    Tarn_SetRowHeaderWidth(h, strip + 37);
    ASSERT_EQ(HeaderBand(h).left, strip + 37);
    Tarn_SetShowRowHeader(h, TARN_ROWHEADER_FLAT);
    EXPECT_EQ(Tarn_GetRowHeaderWidth(h), strip);
    EXPECT_EQ(HeaderBand(h).left, strip);
}

TEST_F(DisplayOptionsTest, TreeLinesMoveTheFirstColumnAndNotifyOnce)
{
    HWND h = Create(TARNS_LISTBOX);
    AddItems(h, 3);
    Pump();
    ClearLog();
    const int before = Tarn_GetOverheadWidth(h);
    Tarn_SetShowTreeLines(h, TRUE);
    EXPECT_GT(Tarn_GetOverheadWidth(h), before);
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
    HBITMAP gone = CreateBitmap(4, 4, 1, 1, nullptr);
    DeleteObject(gone);
    const int bare = Tarn_GetOverheadWidth(h);
    ASSERT_TRUE(Tarn_SetItemBitmap(h, -1, bitmap));
    EXPECT_EQ(Tarn_GetShowBitmaps(h), TRUE);
    EXPECT_EQ(Tarn_GetShowLabels(h), FALSE);
    ASSERT_TRUE(Tarn_SetItemLabel(h, -1, label));
    EXPECT_EQ(Tarn_GetShowLabels(h), TRUE);
    EXPECT_GT(Tarn_GetOverheadWidth(h), bare);
    // A handle GDI cannot describe is refused and switches nothing.
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
        const bool list = type == TARNS_LISTBOX;
        // Type 0 has no drop-down list; a list of no height is refused, width 0 is the control's.
        const int height = Tarn_GetDroppedHeight(h);
        EXPECT_EQ(Tarn_SetDroppedHeight(h, 0), -1);
        EXPECT_EQ(Tarn_GetDroppedHeight(h), height);
        EXPECT_EQ(Tarn_SetDroppedHeight(h, -100), list ? -1 : 0);
        EXPECT_EQ(Tarn_GetDroppedHeight(h), list ? -1 : -100);
        EXPECT_EQ(Tarn_SetDroppedWidth(h, -50), list ? -1 : 0);
        EXPECT_EQ(Tarn_GetDroppedWidth(h), list ? -1 : -50);
        EXPECT_EQ(Tarn_SetDroppedWidth(h, 0), list ? -1 : 0);
        EXPECT_EQ(Tarn_GetDroppedWidth(h), list ? -1 : 0);

        // Only type 2 chooses where its list opens; closing a list that is
        // not open tells the parent nothing.
        ASSERT_EQ(Tarn_GetDropDownPosition(h), TARN_DROPDOWN_BELOW);
        Pump();
        ClearLog();
        Tarn_SetDropDownPosition(h, TARN_DROPDOWN_ABOVE);
        EXPECT_EQ(Tarn_GetDropDownPosition(h), type == TARNS_DROPDOWNLIST ? TARN_DROPDOWN_ABOVE : TARN_DROPDOWN_BELOW);
        EXPECT_TRUE(Codes().empty());

        // The drop button spans the header band and the field at the right.
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        RECT button = {1, 2, 3, 4}, expected = {};
        Tarn_GetDropDownButtonRect(h, &button);
        if (!list) {
            const RECT client = Client(h), band = HeaderBand(h);
            ASSERT_GT(band.bottom, 0);
            expected = {client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right,
                        client.top + (band.bottom - band.top) + Tarn_GetItemHeight(h, -1)};
        }
        EXPECT_EQ(button, expected);

        // Only an existing list window has a rectangle: always for type 0.
        RECT dropped = {1, 2, 3, 4}, window = {};
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
