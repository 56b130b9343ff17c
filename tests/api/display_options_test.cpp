// Display options, row headers, the corner cell and the drop-down settings on
// real control windows: what each setter stores, repaints and sends.
#include "support/control_fixture.h"

#include <algorithm>
#include <cstring>

namespace {

// A rectangle read into a poisoned record, from a getter taking the control
// and, where it has one, a row or column.
template <class Getter, class... Index>
RECT Rect(Getter get, HWND h, Index... index)
{
    RECT rc = {-7, -7, -7, -7};
    return get(h, index..., &rc), rc;
}
RECT HeaderBand(HWND h) { return Rect(Tarn_GetHeaderRect, h, -1); }

// What a change repaints, worked out from the bands as they are after it.
enum Area { None, Items, Strip, All, Band, CornerCell, Field };
RECT AreaOf(HWND h, HWND w, Area a)
{
    const int strip = Tarn_GetRowHeaderWidth(h);
    const RECT c = Client(w), band = HeaderBand(h), field = Rect(Tarn_GetItemRect, h, -1);
    const RECT areas[] = {{}, {strip, 0, c.right, c.bottom}, {0, 0, strip, c.bottom}, c, band, {0, 0, strip, band.bottom},
                          {0, field.top, c.right, field.bottom}};
    return areas[a];
}

CtlColors Colors(HWND h) { CtlColors c; return Tarn_GetCtlColors(h, &c), c; }
// The colour table is set whole: any change repaints every part.
void SetTextColor(HWND h, int color) { CtlColors c = Colors(h); c.textColor = color, Tarn_SetCtlColors(h, &c); }

class DisplayOptionsTest : public ControlTest {};

// Each option with its value after creation, (argument, value stored) steps
// from a control with a header band, a row-header strip and a grid, and what
// a change repaints in the list and the control window. A step that leaves
// the value as it was repaints and sends nothing. With redrawing off a change
// marks nothing (the layout is still the old one); turning it on lays out and
// repaints everything.
TEST_F(DisplayOptionsTest, EachSetterNormalisesRepaintsItsPartAndOnlyOnAChange)
{
    struct Option {
        const char* name;
        std::function<void(HWND, int)> set;
        std::function<int(HWND)> get;
        std::vector<std::pair<int, int>> steps;
        Area list, control;
        int code = 0;   // sent on a change, besides TARNN_SIZE for a new height
    };
    const std::vector<std::pair<int, int>> flag = {{7, 1}, {0, 0}, {-1, 1}, {1, 1}, {0, 0}};
    const Option options[] = {
        {"SelectionStyle", Tarn_SetSelectionStyle, Tarn_GetSelectionStyle, {{2, 2}, {3, 2}, {-1, 2}, {1, 1}}, Items, None},
        {"Show3D", Tarn_SetShow3D, Tarn_GetShow3D, flag, All, None},
        {"ShowGrid", Tarn_SetShowGrid, Tarn_GetShowGrid, flag, All, None},
        {"GridStyle", Tarn_SetGridStyle, Tarn_GetGridStyle, {{0, 0}, {5, 2}, {1, 1}, {-1, 2}, {3, 2}}, All, None},
        {"ShowHeader", Tarn_SetShowHeader, Tarn_GetShowHeader, {{2, 2}, {3, 2}, {-1, 2}, {0, 0}}, All, All},
        {"ShowRowHeader", Tarn_SetShowRowHeader, Tarn_GetShowRowHeader, {{6, 6}, {7, 6}, {-1, 6}, {0, 0}}, All, All},
        {"ShowRowColHeaderButton", Tarn_SetShowRowColHeaderButton, Tarn_GetShowRowColHeaderButton, flag, None, CornerCell},
        {"ShowTreeLines", Tarn_SetShowTreeLines, Tarn_GetShowTreeLines, flag, Items, Band, TARNN_OVERHEADCHANGE},
        {"ShowTruncated", Tarn_SetShowTruncated, Tarn_GetShowTruncated, flag, Items, None},
        {"RowColHeaderButton", Tarn_SetRowColHeaderButton, Tarn_GetRowColHeaderButton, flag, None, CornerCell},
        {"RowColHeaderStyle", Tarn_SetRowColHeaderStyle, Tarn_GetRowColHeaderStyle, {{0xC1, 0xC1}, {1, 1}}, None, CornerCell},
        {"RowColBitmapStyle", Tarn_SetRowColBitmapStyle, Tarn_GetRowColBitmapStyle, {{7, 7}, {2, 2}}, None, CornerCell},
        {"RowHeaderWidth", Tarn_SetRowHeaderWidth, Tarn_GetRowHeaderWidth, {{30, 30}, {-5, 30}, {30, 30}, {0, 0}}, All, All},
        {"RowHeaderStyle", Tarn_SetRowHeaderStyle, Tarn_GetRowHeaderStyle, {{0x42, 0x42}, {1, 1}}, Strip, Field},
        {"RowHeaderFont", [](HWND h, int on) { Tarn_SetRowHeaderFont(h, on ? ControlFont(h) : nullptr, TRUE); },
         [](HWND h) { return int(Tarn_GetRowHeaderFont(h) != nullptr); }, {{0, 0}, {1, 1}}, All, All},
        {"TextColor", SetTextColor, [](HWND h) { return int(Colors(h).textColor); }, {{5, 5}}, All, All},
        {"ItemLines", Tarn_SetItemLines, [](HWND h) { return Tarn_GetItemLines(h); }, {{0, 1}, {3, 3}, {3, 3}, {1, 1}}, All, None},
    };
    for (const Option& o : options)
        for (DWORD type : kAllTypes) {
            SCOPED_TRACE(testing::Message() << o.name << " type " << type);
            HWND h = Create(type, 5, {240, 200}), list = Tarn_GetHWNDDropDown(h);
            Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS), Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX), Tarn_SetShowGrid(h, TRUE);
            for (auto [arg, stored] : o.steps) {
                const bool changed = o.get(h) != stored;
                ValidateAll(h);
                o.set(h, arg);
                Ints codes = Codes();
                codes.erase(std::remove(codes.begin(), codes.end(), changed ? TARNN_SIZE : 0), codes.end());
                EXPECT_TRUE(o.get(h) == stored && codes == (changed && o.code ? Ints{o.code} : Ints{})) << "argument " << arg;
                EXPECT_TRUE(!list || UpdateRect(list) == AreaOf(h, list, changed ? o.list : None)) << "argument " << arg;
                EXPECT_TRUE((!list && changed) || UpdateRect(h) == AreaOf(h, h, changed ? o.control : None)) << "argument " << arg;
            }
            ValidateAll(h), SendMessageA(h, WM_SETREDRAW, FALSE, 0), o.set(h, o.steps[0].first);
            EXPECT_TRUE(UpdateRect(h) == RECT{} && (!list || UpdateRect(list) == RECT{})) << "redrawing off";
            SendMessageA(h, WM_SETREDRAW, TRUE, 0);
            EXPECT_TRUE(UpdateRect(h) == Client(h) && (!list || UpdateRect(list) == Client(list))) << "redrawing on";
            DestroyWindow(h);
        }
}

// The strip moves the band and the field right and gives every row a header
// (a row out of view: the list's height); a corner bitmap taller than the
// header raises the band and the field while a row header is shown; without
// a column header there is neither band nor corner. Type 0 has no drop-down
// list, so it refuses the list settings; a list of no height is refused;
// only type 2 chooses where its list opens; the drop button spans the header
// band and the field at the right; only an existing list window has a
// rectangle.
TEST_F(DisplayOptionsTest, StripCornerDropButtonAndDroppedSettingsByType)
{
    HBITMAP tall = CreateBitmap(8, 60, 1, 1, nullptr);
    auto corner = [](HWND h) { return Rect(Tarn_GetRowColHeaderRect, h); };
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type, 40), list = Tarn_GetHWNDDropDown(h);
        const int fail = list ? -1 : 0, shown = Tarn_GetItemsShown(h);
        EXPECT_EQ(Ints({Tarn_SetDroppedHeight(h, 0), Tarn_SetDroppedHeight(h, -50), Tarn_SetDroppedWidth(h, -50),
                        Tarn_SetDroppedWidth(h, 0)}), Ints({-1, fail, fail, fail}));
        EXPECT_EQ(Ints({Tarn_GetDroppedHeight(h), Tarn_GetDroppedWidth(h)}), (list ? Ints{-1, -1} : Ints{-50, 0}));
        EXPECT_EQ(Tarn_GetItemsShown(h), list ? shown : 50 / Tarn_GetItemHeight(h, -1)) << "a height in pixels";
        EXPECT_EQ((Tarn_SetDropDownPosition(h, TARN_DROPDOWN_ABOVE), Tarn_GetDropDownPosition(h)),
                  type == TARNS_DROPDOWNLIST ? TARN_DROPDOWN_ABOVE : TARN_DROPDOWN_BELOW);
        RECT dropped = {1, 2, 3, 4}, window = {};
        EXPECT_TRUE(Tarn_GetDroppedControlRect(h, &dropped) == (list ? 0 : -1) && (GetWindowRect(list, &window), dropped == window));

        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        const LONG plain = HeaderBand(h).bottom;
        const RECT field = Rect(Tarn_GetItemRect, h, -1), client = Client(h);
        EXPECT_EQ(Rect(Tarn_GetDropDownButtonRect, h),
                  (list ? RECT{} : RECT{client.right - GetSystemMetrics(SM_CXVSCROLL), 0, client.right, field.bottom}));
        EXPECT_TRUE(corner(h) == RECT{} && Rect(Tarn_GetRowHeaderRect, h, -1) == RECT{} && HeaderBand(h).left == 0);
        Tarn_SetShowRowHeader(h, TARN_ROWHEADER_INDEX), Tarn_SetRowHeaderWidth(h, 30);
        EXPECT_TRUE(corner(h) == (RECT{0, 0, 30, plain}) && Rect(Tarn_GetItemRect, h, -1).left == 30);
        for (int row : {-1, 0, 2, 39}) {
            const RECT item = row == 39 ? RECT{0, 0, 0, Client(list).bottom} : Rect(Tarn_GetItemRect, h, row);
            EXPECT_TRUE((row >= 0 && !list) || Rect(Tarn_GetRowHeaderRect, h, row) == (RECT{0, item.top, 30, item.bottom})) << row;
        }
        char text[8] = "";
        EXPECT_TRUE(Tarn_SetRowColText_A(h, "Corner") && Tarn_GetRowColText_A(h, text, 7) == 6 && !std::strcmp(text, "Corner"));
        EXPECT_TRUE(Tarn_SetRowColText_A(h, nullptr) && !Tarn_GetRowColTextLength(h));
        Tarn_SetRowColBitmap(h, tall);
        EXPECT_EQ(Ints({int(HeaderBand(h).bottom), int(corner(h).bottom), int(Rect(Tarn_GetItemRect, h, -1).top)}), Ints(3, 63));
        Tarn_SetRowHeaderWidth(h, 0);
        EXPECT_TRUE(HeaderBand(h).bottom == plain && corner(h) == RECT{} && Tarn_GetRowColBitmap(h) == tall);
        Tarn_SetRowHeaderWidth(h, 24), Tarn_SetShowHeader(h, TARN_HEADER_NONE);
        EXPECT_TRUE(corner(h) == RECT{} && HeaderBand(h) == RECT{});
    }
    DeleteObject(tall);
}

} // namespace
