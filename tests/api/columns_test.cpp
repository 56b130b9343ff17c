// The column set through the exported functions on real control windows.
#include <windows.h>

#include <cstring>
#include <vector>

#include "support/control_fixture.h"

namespace {

ColumnDef Column(int width, DWORD format = 0)
{
    ColumnDef def;
    memset(&def, 0, sizeof def);
    def.width = width;
    def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
    def.format = format;
    return def;
}

// The given columns with display positions in index order unless `order` says otherwise.
bool SetColumns(HWND h, std::vector<ColumnDef> defs, std::vector<int> order = {})
{
    for (size_t i = 0; i < defs.size(); ++i)
        defs[i].position = order.empty() ? static_cast<int>(i) : order[i];
    return Tarn_SetColumns(h, static_cast<int>(defs.size()), defs.data()) != FALSE;
}

HWND EditField(HWND control) { return FindWindowExA(control, nullptr, TARN32_EDIT_CLASS, nullptr); }

bool IsMultiLine(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0; }

class ColumnsTest : public ControlTest {};

TEST_F(ColumnsTest, NewColumnsRebuildTheEditFieldForTheFirstVisibleColumn)
{
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWN}) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        HWND before = EditField(h);
        ASSERT_NE(before, nullptr);
        EXPECT_FALSE(IsMultiLine(before));

        // Column 0 wraps but is hidden: the field follows column 1.
        ASSERT_TRUE(SetColumns(h, {Column(0, TARNCF_WORDWRAP), Column(80)}));
        HWND single = EditField(h);
        ASSERT_NE(single, nullptr);
        EXPECT_FALSE(IsWindow(before));
        EXPECT_FALSE(IsMultiLine(single));
        ASSERT_TRUE(SetColumns(h, {Column(0), Column(80, TARNCF_WORDWRAP)}));
        ASSERT_NE(EditField(h), nullptr);
        EXPECT_TRUE(IsMultiLine(EditField(h)));

        // Display order decides which column is first, not the index.
        ASSERT_TRUE(SetColumns(h, {Column(40, TARNCF_WORDWRAP), Column(80)}, {1, 0}));
        ASSERT_NE(EditField(h), nullptr);
        EXPECT_FALSE(IsMultiLine(EditField(h)));
        EXPECT_EQ(FindWindowExA(h, EditField(h), TARN32_EDIT_CLASS, nullptr), nullptr) << "one edit field only";
        DestroyWindow(h);
    }
    for (DWORD type : {TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED}) {
        HWND h = Create(type);
        EXPECT_TRUE(SetColumns(h, {Column(80, TARNCF_WORDWRAP)}));
        EXPECT_EQ(EditField(h), nullptr) << "type " << type;
        DestroyWindow(h);
    }
}

TEST_F(ColumnsTest, ColumnCountOfAFilledControlCannotChange)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        ASSERT_TRUE(SetColumns(h, {Column(30), Column(40), Column(50)}));
        AddItems(h, 2);
        EXPECT_FALSE(SetColumns(h, {Column(30), Column(40)}));
        EXPECT_FALSE(Tarn_SetColumns(h, 0, nullptr));
        EXPECT_TRUE(SetColumns(h, {Column(30), Column(40), Column(90)}));
        ColumnDef* cols = nullptr;
        ASSERT_EQ(Tarn_GetColumns(h, &cols), 3);
        EXPECT_EQ(cols[2].width, 90);

        // An emptied control takes any count again.
        Tarn_ResetContent(h);
        EXPECT_TRUE(Tarn_SetColumns(h, 0, nullptr));
        EXPECT_EQ(Tarn_GetColumns(h, nullptr), 1);
        DestroyWindow(h);
    }
}

TEST_F(ColumnsTest, HeaderTextsButtonAndSwitchesThroughTheExports)
{
    HWND h = Create(TARNS_LISTBOX);
    std::vector<ColumnDef> defs = {Column(30), Column(40), Column(50)};
    defs[0].headerText = "Name";
    ASSERT_TRUE(SetColumns(h, defs));
    char buf[16];
    EXPECT_EQ(Tarn_GetHeader_A(h, 0, buf, 3), 2);
    EXPECT_STREQ(buf, "Na");
    EXPECT_TRUE(Tarn_SetHeader_A(h, 1, "Quantity"));
    EXPECT_FALSE(Tarn_SetHeader_A(h, 3, "Nothing"));
    EXPECT_EQ(Tarn_GetHeaderLength(h, 1), 8);
    EXPECT_EQ(Tarn_GetHeaderLength(h, 3), -1);

    EXPECT_FALSE(Tarn_SetHeaderButton(h, 3));
    EXPECT_TRUE(Tarn_SetHeaderButton(h, 2));
    EXPECT_EQ(Tarn_GetHeaderButton(h), 2);
    ASSERT_TRUE(SetColumns(h, {Column(30), Column(40)}));
    EXPECT_EQ(Tarn_GetHeaderButton(h), -1);

    // Switches are stored as 0 or 1.
    Tarn_SetResizeHeader(h, 5);
    EXPECT_EQ(Tarn_GetResizeHeader(h), TRUE);
    Tarn_SetResizeHeader(h, FALSE);
    EXPECT_EQ(Tarn_GetResizeHeader(h), FALSE);
    Tarn_SetReorderColumns(h, FALSE);
    EXPECT_EQ(Tarn_GetReorderColumns(h), FALSE);
    Tarn_SetReorderColumns(h, -1);
    EXPECT_EQ(Tarn_GetReorderColumns(h), TRUE);
    DestroyWindow(h);
}

TEST_F(ColumnsTest, HeaderRectsAreEmptyWithoutAHeader)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        for (int col : {-2, -1, 0, 1}) {
            RECT rc;
            memset(&rc, 0x5A, sizeof rc);
            EXPECT_EQ(Tarn_GetHeaderRect(h, col, &rc), 0);
            EXPECT_TRUE(rc.left == 0 && rc.top == 0 && rc.right == 0 && rc.bottom == 0) << "type " << type << " col " << col;
        }
        DestroyWindow(h);
    }
}

TEST_F(ColumnsTest, ColumnHeaderFontIsBorrowed)
{
    HWND h = Create(TARNS_DROPDOWN);
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    ASSERT_NE(big, nullptr);
    Tarn_SetColHeaderFont(h, big, TRUE);
    EXPECT_EQ(Tarn_GetColHeaderFont(h), big);
    Tarn_SetColHeaderFont(h, nullptr, FALSE);
    EXPECT_EQ(Tarn_GetColHeaderFont(h), nullptr);
    Tarn_SetColHeaderFont(h, big, FALSE);
    DestroyWindow(h);
    // The control never deleted it: the font still describes itself.
    LOGFONTA lf;
    EXPECT_EQ(GetObjectA(big, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -30);
    DeleteObject(big);
}

} // namespace
