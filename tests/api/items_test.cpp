// The item functions through the DLL on real control windows: notifications,
// the current item's text in the edit field, and a parent that destroys the
// control in the middle of an item operation.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/control_fixture.h"

namespace {

class ItemsTest : public ControlTest {
protected:
    std::string EditText(HWND control)
    {
        char buffer[256] = "#";
        GetWindowTextA(Tarn_GetHWNDEdit(control), buffer, sizeof buffer);
        return buffer;
    }
    int CountOf(int code) const
    {
        const std::vector<int> codes = Codes();
        return static_cast<int>(std::count(codes.begin(), codes.end(), code));
    }
};

// Delete callback reports by item data.
std::map<LPARAM, int> g_reports;

void CALLBACK CountReport(HWND, int, LPARAM data, LPARAM)
{
    ++g_reports[data];
}

// The first report destroys the control; the others come from the destruction.
void CALLBACK DestroyOnFirstReport(HWND hwnd, int, LPARAM data, LPARAM)
{
    bool first = g_reports.empty();
    ++g_reports[data];
    if (first && IsWindow(hwnd))
        DestroyWindow(hwnd);
}

TEST_F(ItemsTest, SelectStringCommitsWhatItFindsAndClearsOnAMiss)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        AddItems(hwnd, 5);
        ClearLog();

        EXPECT_EQ(Tarn_SelectString_A(hwnd, 1, 0, "item 3", FALSE), 3);
        EXPECT_EQ(CountOf(TARNN_SELCHANGE), 1);
        EXPECT_EQ(Tarn_GetCurSel(hwnd), 3);
        EXPECT_EQ(Tarn_GetTextLength(hwnd, -1, 0), 6);   // committed: row -1 reads it

        ClearLog();
        EXPECT_EQ(Tarn_SelectStringExact_A(hwnd, 3, 0, "Item", TRUE), -1);
        EXPECT_EQ(CountOf(TARNN_SELCHANGE), 1);   // sent for the miss as well
        EXPECT_EQ(Tarn_GetCurSel(hwnd), -1);
        EXPECT_EQ(Tarn_GetTextLength(hwnd, -1, 0), -1);
        DestroyWindow(hwnd);
    }
}

TEST_F(ItemsTest, SettingTheCurrentItemsShownTextUpdatesTheEditField)
{
    for (DWORD type : {DWORD(TARNS_LISTBOX), DWORD(TARNS_DROPDOWN)}) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND hwnd = Create(type);
        ColumnDef defs[2] = {};
        for (int i = 0; i < 2; ++i) {
            defs[i].width = 80;
            defs[i].position = i;
            defs[i].backColor = defs[i].textColor = defs[i].selBackColor = defs[i].selTextColor = TARN_COLOR_NONE;
        }
        ASSERT_TRUE(Tarn_SetColumns(hwnd, 2, defs));
        AddItems(hwnd, 3);
        ASSERT_EQ(Tarn_SetCurSel(hwnd, 1), 0);
        ASSERT_EQ(EditText(hwnd), "Item 1");

        EXPECT_TRUE(Tarn_SetText_A(hwnd, 1, 0, "Changed"));
        EXPECT_EQ(EditText(hwnd), "Changed");
        // Another row, or a column the field does not show: the field stays.
        EXPECT_TRUE(Tarn_SetText_A(hwnd, 2, 0, "Other row"));
        EXPECT_TRUE(Tarn_SetText_A(hwnd, 1, 1, "Second column"));
        EXPECT_EQ(EditText(hwnd), "Changed");
        // Emptying the shown column empties the field.
        EXPECT_TRUE(Tarn_SetText_A(hwnd, 1, 0, nullptr));
        EXPECT_EQ(EditText(hwnd), "");
        EXPECT_EQ(Tarn_GetTextLength(hwnd, 1, 1), 13);
        DestroyWindow(hwnd);
    }
}

TEST_F(ItemsTest, ParentDestroyingTheControlFromTheDeleteCallbackOfADeletion)
{
    HWND hwnd = Create(TARNS_DROPDOWN);
    AddItems(hwnd, 4);
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(Tarn_SetItemData(hwnd, i, 100 + i), 0);
    g_reports.clear();
    TarnDeleteCallbackInfo info = {DestroyOnFirstReport, 0};
    ASSERT_TRUE(Tarn_SetDeleteCallback(hwnd, &info));

    EXPECT_EQ(Tarn_DeleteString(hwnd, 2), -1);   // the control is gone
    EXPECT_FALSE(IsWindow(hwnd));
    // The row being deleted and the three the destruction freed: once each.
    EXPECT_EQ(g_reports, (std::map<LPARAM, int>{{100, 1}, {101, 1}, {102, 1}, {103, 1}}));
}

TEST_F(ItemsTest, ParentDestroyingTheControlFromANotificationOfAnItemOperation)
{
    // The commit of a found string notifies 5; nothing follows it.
    HWND hwnd = Create(TARNS_LISTBOX);
    AddItems(hwnd, 30);
    OnNotify([](const Notification& n) {
        if (n.code == TARNN_SELCHANGE && IsWindow(n.sender))
            DestroyWindow(n.sender);
    });
    EXPECT_EQ(Tarn_SelectString_A(hwnd, -1, 0, "Item 25", TRUE), 25);
    EXPECT_FALSE(IsWindow(hwnd));

    // Closing the dropped list before an insertion notifies 21.
    hwnd = Create(TARNS_DROPDOWNLIST);
    AddItems(hwnd, 3);
    // Looked up at run time: the drop-down function may not be built yet.
    using ShowDropDownProc = int(WINAPI*)(HWND, BOOL);
    auto showDropDown = reinterpret_cast<ShowDropDownProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("TARN32.dll"), "Tarn_ShowDropDown")));
    if (!showDropDown)
        GTEST_SKIP() << "Tarn_ShowDropDown is not available";
    ASSERT_EQ(showDropDown(hwnd, TRUE), 1);
    ClearLog();
    OnNotify([](const Notification& n) {
        if (n.code == TARNN_SELENDCANCEL && IsWindow(n.sender))
            DestroyWindow(n.sender);
    });
    EXPECT_EQ(Tarn_AddString_A(hwnd, "late"), -1);
    EXPECT_FALSE(IsWindow(hwnd));
    ASSERT_FALSE(Codes().empty());
    EXPECT_EQ(Codes().front(), TARNN_SELENDCANCEL);

    OnNotify(nullptr);
}

TEST_F(ItemsTest, MoveAndCopyThroughTheApiKeepTextsAndReportNoDeletion)
{
    HWND hwnd = Create(TARNS_LISTBOX);
    AddItems(hwnd, 5);
    g_reports.clear();
    TarnDeleteCallbackInfo info = {CountReport, 0};
    ASSERT_TRUE(Tarn_SetDeleteCallback(hwnd, &info));
    ASSERT_TRUE(Tarn_SetRowText_A(hwnd, 0, "R0"));
    EXPECT_EQ(Tarn_MoveItem(hwnd, 0, 3), 2);   // Item 1, Item 2, Item 0, Item 3, Item 4
    EXPECT_EQ(Tarn_CopyItem(hwnd, 2, 0), 0);
    EXPECT_EQ(Tarn_GetCount(hwnd), 6);
    char buffer[16];
    EXPECT_EQ(Tarn_GetText_A(hwnd, 0, 0, buffer), 6);
    EXPECT_STREQ(buffer, "Item 0");
    EXPECT_EQ(Tarn_GetRowText_A(hwnd, 0, buffer), 2);
    EXPECT_STREQ(buffer, "R0");
    EXPECT_EQ(Tarn_GetRowTextLength(hwnd, 3), 2);
    EXPECT_TRUE(g_reports.empty());
    DestroyWindow(hwnd);
    EXPECT_EQ(g_reports, (std::map<LPARAM, int>{{0, 6}}));   // every row once at destruction
}

} // namespace
