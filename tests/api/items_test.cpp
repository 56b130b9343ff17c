// The item functions on real control windows: every bad index, column and
// buffer each function refuses, selecting by text, the edit field that shows
// the current item, and moving and copying rows.
#include "support/control_fixture.h"

#include <cstring>
#include <map>
#include <string>

namespace {

class ItemsTest : public ControlTest {};
char g_buf[32];
// A read's result, or 999 when it left the poisoned buffer as it was.
long long Emptied(long long result) { return g_buf[0] == '\0' ? result : 999; }

// Each function with the value it returns for a refused argument, over the
// bad arguments given: rows -2, -1 (no current item), count, count + 1;
// columns -2, -1, count, count + 1; a selector out of range; a NULL record
// or buffer (argument 0 stands for "NULL" there). A buffer is emptied
// even when the call fails.
TEST_F(ItemsTest, EveryFunctionRefusesBadRowsColumnsSelectorsAndNullBuffers)
{
    HWND h = Create(TARNS_LISTBOX, 3, {200, 150}, {Column(60), Column(60)});
    Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
    Tarn_SetRowHeaderWidth(h, 20);
    HBITMAP bmp = CreateBitmap(4, 4, 1, 1, nullptr);
    ClearLog();
    auto cell = [](int row, int column, DWORD version = TARN_CELLINFO_VERSION) {
        return CellInfo{version, row, column, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, 0};
    };
    auto rowInfo = [](int row, DWORD version = TARN_ROWINFO_VERSION) { return RowInfo{version, row, 0, 0, 0, 0, nullptr, 0}; };
    auto empty = [](RECT rc) { return rc.left | rc.top | rc.right | rc.bottom; };
    using Call = std::function<long long(HWND, int)>;
    const std::vector<int> rows = {-2, -1, 3, 4}, realRows = {-2, 3, 4}, cols = {-2, -1, 2, 3}, null = {0};
    const struct Bad {
        const char* name;
        Call call;
        long long failure;
        std::vector<int> args;
    } cases[] = {
        {"GetText row", [](HWND w, int i) { return Emptied(Tarn_GetText_A(w, i, 0, g_buf)); }, -1, rows},
        {"GetText column", [](HWND w, int i) { return Emptied(Tarn_GetText_A(w, 0, i, g_buf)); }, -1, cols},
        {"GetText NULL", [](HWND w, int) { return Tarn_GetText_A(w, 0, 0, nullptr); }, -1, null},
        {"GetTextLength row", [](HWND w, int i) { return Tarn_GetTextLength(w, i, 0); }, -1, rows},
        {"GetTextLength column", [](HWND w, int i) { return Tarn_GetTextLength(w, 0, i); }, -1, cols},
        {"SetText row", [](HWND w, int i) { return Tarn_SetText_A(w, i, 0, "x"); }, 0, rows},
        {"SetText column", [](HWND w, int i) { return Tarn_SetText_A(w, 0, i, "x"); }, 0, cols},
        {"GetRowText", [](HWND w, int i) { return Emptied(Tarn_GetRowText_A(w, i, g_buf)); }, -1, rows},
        {"GetRowText NULL", [](HWND w, int) { return Tarn_GetRowText_A(w, 0, nullptr); }, -1, null},
        {"GetRowTextLength", [](HWND w, int i) { return Tarn_GetRowTextLength(w, i); }, -1, rows},
        {"SetRowText", [](HWND w, int i) { return Tarn_SetRowText_A(w, i, "x"); }, 0, rows},
        {"GetItemData", [](HWND w, int i) { return Tarn_GetItemData(w, i); }, -1, rows},
        {"SetItemData", [](HWND w, int i) { return Tarn_SetItemData(w, i, 5); }, -1, rows},
        {"GetItemLabel", [](HWND w, int i) { return Tarn_GetItemLabel(w, i) != nullptr; }, 0, rows},
        {"SetItemLabel", [&](HWND w, int i) { return Tarn_SetItemLabel(w, i, bmp); }, 0, realRows},
        {"GetItemBitmap", [](HWND w, int i) { return Tarn_GetItemBitmap(w, i) != nullptr; }, 0, rows},
        {"SetItemBitmap", [&](HWND w, int i) { return Tarn_SetItemBitmap(w, i, bmp); }, 0, realRows},
        {"GetItemStatus", [](HWND w, int i) { return Tarn_GetItemStatus(w, i); }, 0, rows},
        {"SetItemStatus", [](HWND w, int i) { return Tarn_SetItemStatus(w, i, 0); }, 0, rows},
        {"DeleteString", [](HWND w, int i) { return Tarn_DeleteString(w, i); }, -1, rows},
        {"CopyItem", [](HWND w, int i) { return Tarn_CopyItem(w, i, 0); }, -1, rows},
        {"MoveItem", [](HWND w, int i) { return Tarn_MoveItem(w, i, 0); }, -1, rows},
        {"GetItemLevel", [](HWND w, int i) { return Tarn_GetItemLevel(w, i); }, -1, rows},
        {"SetItemLevel", [](HWND w, int i) { return Tarn_SetItemLevel(w, i, 1); }, 0, rows},
        {"GetParent", [](HWND w, int i) { return Tarn_GetParent(w, i); }, -1, rows},
        {"GetTopParent", [](HWND w, int i) { return Tarn_GetTopParent(w, i); }, -1, rows},
        {"GetDependent", [](HWND w, int i) { return Tarn_GetDependent(w, i, TARN_DEPENDENT_FIRST); }, -1, rows},
        {"GetDependent which", [](HWND w, int i) { return Tarn_GetDependent(w, 0, i); }, -1, {-1, 0, 3}},
        {"GetDependentCount", [](HWND w, int i) { return Tarn_GetDependentCount(w, i, TRUE); }, -1, rows},
        {"GetSibling", [](HWND w, int i) { return Tarn_GetSibling(w, i, TARN_SIBLING_FIRST); }, -1, rows},
        {"GetSibling which", [](HWND w, int i) { return Tarn_GetSibling(w, 0, i); }, -1, {-1, 0, 5}},
        {"DeleteDependents", [](HWND w, int i) { return Tarn_DeleteDependents(w, i); }, -1, rows},
        {"SetCellInfo row", [&](HWND w, int i) { auto c = cell(i, 0); return Tarn_SetCellInfo(w, &c); }, 0, {-2, 3, 4}},
        {"SetCellInfo column", [&](HWND w, int i) { auto c = cell(0, i); return Tarn_SetCellInfo(w, &c); }, 0, cols},
        {"SetCellInfo version", [&](HWND w, int i) { auto c = cell(0, 0, i); return Tarn_SetCellInfo(w, &c); }, 0, {0, 2}},
        {"SetCellInfo NULL", [](HWND w, int) { return Tarn_SetCellInfo(w, nullptr); }, 0, null},
        {"GetCellInfo row", [&](HWND w, int i) { auto c = cell(i, 0); return Tarn_GetCellInfo(w, &c); }, 0, rows},
        {"GetCellInfo column", [&](HWND w, int i) { auto c = cell(0, i); return Tarn_GetCellInfo(w, &c); }, 0, cols},
        {"GetCellInfo NULL", [](HWND w, int) { return Tarn_GetCellInfo(w, nullptr); }, 0, null},
        {"SetRowInfo", [&](HWND w, int i) { auto r = rowInfo(i); return Tarn_SetRowInfo(w, &r); }, 0, realRows},
        {"SetRowInfo version", [&](HWND w, int i) { auto r = rowInfo(0, i); return Tarn_SetRowInfo(w, &r); }, 0, {0, 2}},
        {"SetRowInfo NULL", [](HWND w, int) { return Tarn_SetRowInfo(w, nullptr); }, 0, null},
        {"GetRowInfo", [&](HWND w, int i) { auto r = rowInfo(i); return Tarn_GetRowInfo(w, &r); }, 0, rows},
        {"GetRowInfo NULL", [](HWND w, int) { return Tarn_GetRowInfo(w, nullptr); }, 0, null},
        {"SetCurSel", [](HWND w, int i) { return Tarn_SetCurSel(w, i); }, -1, {3, 4}},
        {"SetTopIndex", [](HWND w, int i) { return Tarn_SetTopIndex(w, i); }, -1, rows},
        {"GetItemHeight", [](HWND w, int i) { return Tarn_GetItemHeight(w, i); }, -1, realRows},
        {"GetItemRect", [&](HWND w, int i) { RECT rc = {1, 1, 1, 1}; return Tarn_GetItemRect(w, i, &rc) + empty(rc); }, -1, realRows},
        {"GetItemRect NULL", [](HWND w, int) { return Tarn_GetItemRect(w, 0, nullptr); }, -1, null},
        {"GetCellRect row", [](HWND w, int i) { return Tarn_GetCellRect(w, i, 0) != nullptr; }, 0, rows},
        {"GetCellRect column", [](HWND w, int i) { return Tarn_GetCellRect(w, 0, i) != nullptr; }, 0, {2, 3}},
        {"GetRowHeaderRect", [&](HWND w, int i) { RECT rc = {1, 1, 1, 1}; Tarn_GetRowHeaderRect(w, i, &rc); return empty(rc); }, 0, realRows},
        {"GetRowHeaderRect NULL", [](HWND w, int) { Tarn_GetRowHeaderRect(w, 0, nullptr); return 0; }, 0, null},
        {"CalcIndexFromPoint NULL", [](HWND w, int) { int in; return Tarn_CalcIndexFromPoint(w, nullptr, &in); }, -1, null},
        {"GetHeader", [](HWND w, int i) { return Emptied(Tarn_GetHeader_A(w, i, g_buf, sizeof g_buf)); }, -1, cols},
        {"GetHeader NULL", [](HWND w, int) { return Tarn_GetHeader_A(w, 0, nullptr, 10); }, 0, null},
        {"GetHeaderLength", [](HWND w, int i) { return Tarn_GetHeaderLength(w, i); }, -1, cols},
        {"SetHeader", [](HWND w, int i) { return Tarn_SetHeader_A(w, i, "x"); }, 0, cols},
        {"SetHeaderButton", [](HWND w, int i) { return Tarn_SetHeaderButton(w, i); }, 0, {-2, 2, 3}},
        {"GetHeaderRect", [&](HWND w, int i) { RECT rc = {1, 1, 1, 1}; Tarn_GetHeaderRect(w, i, &rc); return empty(rc); }, 0, {-2, 2, 3}},
        {"GetRowColText NULL", [](HWND w, int) { return Tarn_GetRowColText_A(w, nullptr, 10); }, 0, null},
        {"GetDroppedControlRect NULL", [](HWND w, int) { return Tarn_GetDroppedControlRect(w, nullptr); }, -1, null},
    };
    for (const Bad& c : cases)
        for (int arg : c.args) {
            std::memset(g_buf, '#', sizeof g_buf);
            EXPECT_EQ(c.call(h, arg), c.failure) << c.name << "(" << arg << ")";
        }
    // Nothing changed and nobody was told.
    EXPECT_TRUE(Codes().empty());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Tarn_GetText_A(h, i, 0, g_buf) == 6 && g_buf == "Item " + std::to_string(i) &&
                    Tarn_GetItemLevel(h, i) == 0 && Tarn_GetItemStatus(h, i) == 1 && Tarn_GetItemData(h, i) == 0);
    EXPECT_EQ(Tarn_GetCurSel(h) + Tarn_GetHeaderButton(h), -2);
    DestroyWindow(h);
    DeleteObject(bmp);
}

TEST_F(ItemsTest, SelectStringCommitsWhatItFindsAndClearsOnAMiss)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type, 5);
        EXPECT_EQ(Tarn_SelectString_A(h, 1, 0, "item 3", FALSE), 3);
        EXPECT_EQ(Tarn_GetCurSel(h) * 10 + Tarn_GetTextLength(h, -1, 0), 36) << "committed: row -1 reads it";
        EXPECT_EQ(Tarn_SelectStringExact_A(h, 3, 0, "Item", TRUE), -1);
        EXPECT_EQ(Tarn_GetCurSel(h) * 10 + Tarn_GetTextLength(h, -1, 0), -11);
        EXPECT_EQ(Codes(), Ints(2, TARNN_SELCHANGE)) << "type " << type << ": the miss notifies too";
    }
}

// The field shows the first column of the current row; another row or a
// column it does not show leaves it alone.
TEST_F(ItemsTest, SettingTheCurrentItemsShownTextUpdatesTheEditField)
{
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWN}) {
        HWND h = Create(type, 3, {200, 150}, {Column(80), Column(80)});
        auto field = [&] { return GetWindowTextA(Tarn_GetHWNDEdit(h), g_buf, sizeof g_buf), std::string(g_buf); };
        Tarn_SetCurSel(h, 1);
        EXPECT_EQ(field(), "Item 1");
        const struct { int row, column; const char* text; const char* shown; } steps[] = {
            {1, 0, "Changed", "Changed"}, {2, 0, "Other row", "Changed"}, {1, 1, "Second", "Changed"}, {1, 0, nullptr, ""}};
        for (const auto& s : steps) {
            EXPECT_TRUE(Tarn_SetText_A(h, s.row, s.column, s.text));
            EXPECT_EQ(field(), s.shown) << "type " << type;
        }
    }
}

std::map<LPARAM, int> g_reports;
void CALLBACK CountReport(HWND, int, LPARAM data, LPARAM) { ++g_reports[data]; }

TEST_F(ItemsTest, MoveCopyAndInsertKeepTextsAndReportNoDeletion)
{
    HWND h = Create(TARNS_LISTBOX, 5);
    TarnDeleteCallbackInfo info = {CountReport, 0};
    ASSERT_TRUE(Tarn_SetDeleteCallback(h, &info) && Tarn_SetRowText_A(h, 0, "R0"));
    EXPECT_EQ(Tarn_MoveItem(h, 0, 3), 2);   // Item 1, Item 2, Item 0, Item 3, Item 4
    EXPECT_EQ(Tarn_CopyItem(h, 2, 0), 0);
    EXPECT_EQ(Tarn_InsertString_A(h, 99, "Last"), 6) << "an index past the end appends";
    EXPECT_EQ(Tarn_GetText_A(h, 0, 0, g_buf), 6);
    EXPECT_STREQ(g_buf, "Item 0");
    EXPECT_EQ(Tarn_GetRowText_A(h, 0, g_buf), 2);
    EXPECT_STREQ(g_buf, "R0");
    EXPECT_EQ(Tarn_GetRowTextLength(h, 3), 2);
    EXPECT_TRUE(g_reports.empty() && Codes().empty()) << "nothing deleted, and the data side never notifies";
    DestroyWindow(h);
    EXPECT_EQ(g_reports, (std::map<LPARAM, int>{{0, 7}}));   // every row once at destruction
}

// Closing the dropped list before an insertion notifies 21; nothing follows it.
TEST_F(ItemsTest, ParentDestroyingTheControlFromANotificationOfAnItemOperation)
{
    using ShowDropDownProc = int(WINAPI*)(HWND, BOOL);
    auto showDropDown = reinterpret_cast<ShowDropDownProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("TARN32.dll"), "Tarn_ShowDropDown")));
    if (!showDropDown)
        GTEST_SKIP() << "Tarn_ShowDropDown is not available";
    HWND h = Create(TARNS_DROPDOWNLIST, 3);
    ASSERT_EQ(showDropDown(h, TRUE), 1);
    ClearLog();
    ActOn(TARNN_SELENDCANCEL, [](HWND sender) { DestroyWindow(sender); });
    EXPECT_EQ(Tarn_AddString_A(h, "late"), -1);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(Codes(), Ints{TARNN_SELENDCANCEL});
}

} // namespace
