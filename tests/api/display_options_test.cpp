// Display options, row headers, the corner cell and the drop-down settings on
// real control windows: what each setter stores, repaints and sends.
#include "support/control_fixture.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// A rectangle read into a poisoned record, from a getter taking the control
// and, where it has one, a row or column.
template <class R>
RECT Rect(R(WINAPI* get)(HWND, int, RECT*), HWND h, int index)
{
    RECT rc = {-7, -7, -7, -7};
    return get(h, index, &rc), rc;
}
RECT Rect(void(WINAPI* get)(HWND, RECT*), HWND h)
{
    RECT rc = {-7, -7, -7, -7};
    return get(h, &rc), rc;
}
RECT HeaderBand(HWND h) { return Rect(Tarn_GetHeaderRect, h, -1); }

// What a change repaints, worked out from the bands as they are after it.
enum Area { None, Items, Strip, All, Band, CornerCell, Field };
RECT AreaOf(HWND h, HWND w, Area a)
{
    const int strip = Tarn_GetRowHeaderWidth(h);
    const RECT c = Client(w), band = HeaderBand(h);
    const RECT field = Rect(Tarn_GetItemRect, h, -1);
    const RECT areas[] = {{}, {strip, 0, c.right, c.bottom}, {0, 0, strip, c.bottom}, c, band, {0, 0, strip, band.bottom}, {0, field.top, c.right, field.bottom}};
    return areas[a];
}

class DisplayOptionsTest : public ControlTest {};

// Each option with its value after creation, (argument, value stored) steps
// from a control with a header band, a row-header strip and a grid, and what
// a change repaints in the list and the control window. A step that leaves
// the value as it was repaints and sends nothing.
TEST_F(DisplayOptionsTest, EachSetterNormalisesRepaintsItsPartAndOnlyOnAChange)
{
    struct Option {
        const char* name;
        std::function<void(HWND, int)> set;
        std::function<int(HWND)> get;
        int initial;
        std::vector<std::pair<int, int>> steps;
        Area list, control;
        int code = 0;   // sent on a change
    };
    const std::vector<std::pair<int, int>> flag = {{7, 1}, {0, 0}, {-1, 1}, {1, 1}, {0, 0}};
    const Option options[] = {
        {"SelectionStyle", Tarn_SetSelectionStyle, Tarn_GetSelectionStyle, 0, {{2, 2}, {3, 2}, {-1, 2}, {1, 1}}, Items, None},
        {"Show3D", Tarn_SetShow3D, Tarn_GetShow3D, 0, flag, All, None},
        {"ShowGrid", Tarn_SetShowGrid, Tarn_GetShowGrid, 0, flag, All, None},
        {"GridStyle", Tarn_SetGridStyle, Tarn_GetGridStyle, 2, {{0, 0}, {5, 2}, {1, 1}, {-1, 2}, {3, 2}}, All, None},
        {"ShowHeader", Tarn_SetShowHeader, Tarn_GetShowHeader, 0, {{2, 2}, {3, 2}, {-1, 2}, {0, 0}}, All, All},
        {"ShowRowHeader", Tarn_SetShowRowHeader, Tarn_GetShowRowHeader, 3, {{6, 6}, {7, 6}, {-1, 6}, {0, 0}}, All, All},
        {"ShowRowColHeaderButton", Tarn_SetShowRowColHeaderButton, Tarn_GetShowRowColHeaderButton, 1, flag, None, CornerCell},
        {"ShowTreeLines", Tarn_SetShowTreeLines, Tarn_GetShowTreeLines, 0, flag, Items, Band, TARNN_OVERHEADCHANGE},
        {"ShowTruncated", Tarn_SetShowTruncated, Tarn_GetShowTruncated, 1, flag, Items, None},
        {"ResizeHeader", Tarn_SetResizeHeader, Tarn_GetResizeHeader, 1, flag, None, None},
        {"ReorderColumns", Tarn_SetReorderColumns, Tarn_GetReorderColumns, 1, flag, None, None},
        {"RowColHeaderButton", Tarn_SetRowColHeaderButton, Tarn_GetRowColHeaderButton, 0, flag, None, CornerCell},
        {"RowColHeaderStyle", Tarn_SetRowColHeaderStyle, Tarn_GetRowColHeaderStyle, 0, {{0xC1, 0xC1}, {1, 1}}, None, CornerCell},
        {"RowColBitmapStyle", Tarn_SetRowColBitmapStyle, Tarn_GetRowColBitmapStyle, 0, {{7, 7}, {2, 2}}, None, CornerCell},
        {"RowHeaderWidth", Tarn_SetRowHeaderWidth, Tarn_GetRowHeaderWidth, 0, {{30, 30}, {-5, 30}, {30, 30}, {0, 0}}, All, All},
        {"RowHeaderStyle", Tarn_SetRowHeaderStyle, Tarn_GetRowHeaderStyle, 0, {{0x42, 0x42}, {1, 1}}, Strip, Field},
        {"ItemLines", Tarn_SetItemLines, [](HWND h) { return Tarn_GetItemLines(h); }, 1, {{0, 1}, {3, 3}, {3, 3}, {1, 1}}, All, None},
    };
    for (const Option& o : options)
        for (DWORD type : kAllTypes) {
            SCOPED_TRACE(testing::Message() << o.name << " type " << type);
            HWND h = Create(type, 5, {240, 200});
            EXPECT_EQ(o.get(h), o.initial);
            Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
            Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX);
            Tarn_SetShowGrid(h, TRUE);
            HWND list = Tarn_GetHWNDDropDown(h);
            for (auto [arg, stored] : o.steps) {
                const bool changed = o.get(h) != stored;
                ValidateAll(h);
                o.set(h, arg);
                EXPECT_EQ(o.get(h), stored) << "argument " << arg;
                std::vector<int> codes = Codes();   // a new height resizes a drop-down control
                codes.erase(std::remove(codes.begin(), codes.end(), changed ? TARNN_SIZE : 0), codes.end());
                EXPECT_EQ(codes, changed && o.code ? std::vector<int>{o.code} : std::vector<int>{}) << "argument " << arg;
                if (list) {
                    EXPECT_EQ(UpdateRect(list), AreaOf(h, list, changed ? o.list : None)) << "argument " << arg;
                }
                if (list || !changed) {
                    EXPECT_EQ(UpdateRect(h), AreaOf(h, h, changed ? o.control : None)) << "argument " << arg;
                }
            }
            DestroyWindow(h);
        }
}

// With 3D rows the default window colours become the button colours;
// colours the application chose stay through both switches.
TEST_F(DisplayOptionsTest, Show3DSwapsOnlyTheDefaultWindowColours)
{
    HWND h = Create(TARNS_LISTBOX, 3);
    auto colors = [h] { CtlColors c; return Tarn_GetCtlColors(h, &c), std::make_pair(c.backColor, c.textColor); };
    const auto window = std::make_pair(TARN_SYSCOLOR(COLOR_WINDOW), TARN_SYSCOLOR(COLOR_WINDOWTEXT));
    EXPECT_EQ(colors(), window);
    Tarn_SetShow3D(h, TRUE);
    EXPECT_EQ(colors(), std::make_pair(TARN_SYSCOLOR(COLOR_BTNFACE), TARN_SYSCOLOR(COLOR_BTNTEXT)));
    Tarn_SetShow3D(h, FALSE);
    EXPECT_EQ(colors(), window);
    CtlColors chosen;
    Tarn_GetCtlColors(h, &chosen);
    chosen.backColor = RGB(10, 20, 30);
    chosen.textColor = TARN_SYSCOLOR(COLOR_HIGHLIGHTTEXT);
    Tarn_SetCtlColors(h, &chosen);
    for (BOOL on : {TRUE, FALSE})
        EXPECT_EQ((Tarn_SetShow3D(h, on), colors()), std::make_pair(chosen.backColor, chosen.textColor));
}

// The strip moves the band and the field right and gives every row a header;
// choosing a mode, even the one the control starts with, gives four average
// characters; a corner bitmap taller than the header raises the band while
// a row header is shown.
TEST_F(DisplayOptionsTest, StripCornerAndTheCornerBitmapThatRaisesTheHeader)
{
    HBITMAP tall = CreateBitmap(8, 60, 1, 1, nullptr);
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type, 40);
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        EXPECT_EQ(Rect(Tarn_GetRowColHeaderRect, h), RECT{});
        EXPECT_EQ(Rect(Tarn_GetRowHeaderRect, h, -1), RECT{}) << "no row header without a width";
        const LONG plain = HeaderBand(h).bottom;
        EXPECT_EQ(HeaderBand(h).left, 0);
        Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX);
        EXPECT_EQ(HeaderBand(h).left, 4 * Metrics(h, ControlFont(h)).tmAveCharWidth);
        Tarn_SetRowHeaderWidth(h, 30);
        EXPECT_EQ(Rect(Tarn_GetRowColHeaderRect, h), (RECT{0, 0, 30, plain}));
        EXPECT_EQ(Rect(Tarn_GetItemRect, h, -1).left, 30);
        for (int row : {-1, 0, 2}) {
            const RECT item = Rect(Tarn_GetItemRect, h, row);
            EXPECT_TRUE((row >= 0 && type != TARNS_LISTBOX) ||
                        Rect(Tarn_GetRowHeaderRect, h, row) == (RECT{0, item.top, 30, item.bottom})) << "row " << row;
        }
        if (HWND list = Tarn_GetHWNDDropDown(h)) {
            // A row out of view has no item rectangle: its header spans the list.
            EXPECT_EQ(Rect(Tarn_GetRowHeaderRect, h, 39), (RECT{0, 0, 30, Client(list).bottom}));
        }
        Tarn_SetRowColBitmap(h, tall);
        EXPECT_EQ(Tarn_GetRowColBitmap(h), tall);
        EXPECT_EQ(HeaderBand(h).bottom, 63);
        EXPECT_EQ(Rect(Tarn_GetRowColHeaderRect, h).bottom, 63);
        EXPECT_EQ(Rect(Tarn_GetItemRect, h, -1).top, 63);
        Tarn_SetRowHeaderWidth(h, 0);
        EXPECT_EQ(HeaderBand(h), (RECT{0, 0, HeaderBand(h).right, plain}));
        EXPECT_EQ(Rect(Tarn_GetRowColHeaderRect, h), RECT{});
        // Cleared, or a handle GDI cannot describe: the plain height again.
        Tarn_SetRowHeaderWidth(h, 24);
        Tarn_SetRowColBitmap(h, nullptr);
        EXPECT_EQ(HeaderBand(h).bottom, plain);
        Tarn_SetRowColBitmap(h, reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x4321)));
        EXPECT_EQ(Tarn_GetRowColBitmap(h), nullptr);
        EXPECT_EQ(HeaderBand(h).bottom, plain);
        // Without a column header there is neither band nor corner.
        Tarn_SetShowHeader(h, TARN_HEADER_NONE);
        EXPECT_EQ(Rect(Tarn_GetRowColHeaderRect, h), RECT{});
        EXPECT_EQ(HeaderBand(h), RECT{});
    }
    DeleteObject(tall);
}

TEST_F(DisplayOptionsTest, CornerTextIsCopiedAndReadsNeverOverrun)
{
    HWND h = Create(TARNS_DROPDOWN);
    char buf[16], text[] = "Corner";
    auto read = [&](int cch) { return std::memset(buf, 'X', sizeof buf), Tarn_GetRowColText_A(h, buf, cch); };
    EXPECT_EQ(read(sizeof buf), 0);
    EXPECT_STREQ(buf, "");
    ASSERT_TRUE(Tarn_SetRowColText_A(h, text));
    text[0] = 'Z';
    EXPECT_EQ(Tarn_GetRowColTextLength(h) * 10 + read(sizeof buf), 66);
    EXPECT_STREQ(buf, "Corner");
    EXPECT_EQ(read(4), 3);
    EXPECT_EQ(std::string(buf, 5), std::string("Cor\0X", 5));
    EXPECT_TRUE(read(0) == 0 && buf[0] == 'X') << "a buffer of no characters is not touched";
    ASSERT_TRUE(Tarn_SetRowColText_A(h, nullptr));
    EXPECT_EQ(Tarn_GetRowColTextLength(h), 0);
}

// Type 0 has no drop-down list, so it refuses them all; a list of no height
// is refused; only type 2 chooses where its list opens; the drop button spans
// the header band and the field at the right; only an existing list window
// has a rectangle.
TEST_F(DisplayOptionsTest, DroppedSettingsOverAllTypes)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        const bool list = type == TARNS_LISTBOX;
        const int height = Tarn_GetDroppedHeight(h);
        EXPECT_EQ(Tarn_SetDroppedHeight(h, 0), -1);
        EXPECT_EQ(Tarn_GetDroppedHeight(h), height);
        for (auto [set, get, value] : {std::make_tuple(Tarn_SetDroppedHeight, Tarn_GetDroppedHeight, -50),
                                       std::make_tuple(Tarn_SetDroppedHeight, Tarn_GetDroppedHeight, 9),
                                       std::make_tuple(Tarn_SetDroppedWidth, Tarn_GetDroppedWidth, -50),
                                       std::make_tuple(Tarn_SetDroppedWidth, Tarn_GetDroppedWidth, 0)}) {
            EXPECT_EQ(set(h, value), list ? -1 : 0);
            EXPECT_EQ(get(h), list ? -1 : value);
        }
        ASSERT_EQ(Tarn_GetDropDownPosition(h), TARN_DROPDOWN_BELOW);
        Tarn_SetDropDownPosition(h, TARN_DROPDOWN_ABOVE);
        EXPECT_EQ(Tarn_GetDropDownPosition(h), type == TARNS_DROPDOWNLIST ? TARN_DROPDOWN_ABOVE : TARN_DROPDOWN_BELOW);
        EXPECT_TRUE(Codes().empty());

        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        const RECT field = Rect(Tarn_GetItemRect, h, -1), client = Client(h);
        EXPECT_EQ(Rect(Tarn_GetDropDownButtonRect, h),
                  (list ? RECT{} : RECT{client.right - GetSystemMetrics(SM_CXVSCROLL), 0, client.right, field.bottom}));
        RECT dropped = {1, 2, 3, 4}, window = {};
        GetWindowRect(Tarn_GetHWNDDropDown(h), &window);
        EXPECT_EQ(Tarn_GetDroppedControlRect(h, &dropped), list ? 0 : -1);
        EXPECT_EQ(dropped, window);
        Tarn_GetDropDownButtonRect(h, nullptr);
    }
}

} // namespace
