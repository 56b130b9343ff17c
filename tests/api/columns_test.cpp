// The column set through the exported functions on real control windows.
#include <windows.h>

#include <cstring>
#include <vector>

#include "support/control_fixture.h"

namespace {

ColumnDef Column(int width, DWORD format = 0, const char* text = nullptr)
{
    ColumnDef def;
    memset(&def, 0, sizeof def);
    def.width = width;
    def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
    def.format = format;
    def.headerText = text;
    return def;
}

std::vector<ColumnDef> InOrder(std::vector<ColumnDef> defs)
{
    for (size_t i = 0; i < defs.size(); ++i)
        defs[i].position = static_cast<int>(i);
    return defs;
}

HWND EditField(HWND control) { return FindWindowExA(control, nullptr, TARN32_EDIT_CLASS, nullptr); }

bool IsMultiLine(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0; }

class ColumnsTest : public ControlTest {};

TEST_F(ColumnsTest, EveryControlStartsWithOneDefaultColumn)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        ASSERT_NE(h, nullptr) << "type " << type;
        ColumnDef* cols = nullptr;
        ASSERT_EQ(Tarn_GetColumns(h, &cols), 1) << "type " << type;
        ASSERT_NE(cols, nullptr);
        EXPECT_EQ(cols[0].width, 500);
        EXPECT_EQ(cols[0].format, TARNCF_DEFAULT);
        EXPECT_EQ(cols[0].backColor, TARN_COLOR_NONE);
        EXPECT_EQ(cols[0].selTextColor, TARN_COLOR_NONE);
        EXPECT_EQ(cols[0].headerText, nullptr);
        EXPECT_EQ(cols[0].position, 0);
        EXPECT_EQ(cols[0].columnAtPosition, 0);
        EXPECT_EQ(Tarn_GetHeaderButton(h), -1);
        EXPECT_EQ(Tarn_GetResizeHeader(h), TRUE);
        EXPECT_EQ(Tarn_GetReorderColumns(h), TRUE);
        EXPECT_EQ(Tarn_GetHeaderLength(h, 0), 0);
        EXPECT_EQ(Tarn_GetHeaderLength(h, 1), -1);
        DestroyWindow(h);
    }
}

TEST_F(ColumnsTest, NewColumnsRebuildTheEditFieldForTheFirstVisibleColumn)
{
    for (DWORD type : {TARNS_LISTBOX, TARNS_DROPDOWN}) {
        HWND h = Create(type);
        ASSERT_NE(h, nullptr);
        HWND before = EditField(h);
        ASSERT_NE(before, nullptr) << "type " << type;
        EXPECT_FALSE(IsMultiLine(before));

        // Column 0 wraps but is hidden: the field follows column 1.
        std::vector<ColumnDef> defs = InOrder({Column(0, TARNCF_WORDWRAP), Column(80)});
        ASSERT_TRUE(Tarn_SetColumns(h, 2, defs.data()));
        HWND single = EditField(h);
        ASSERT_NE(single, nullptr);
        EXPECT_NE(single, before);
        EXPECT_FALSE(IsWindow(before));
        EXPECT_FALSE(IsMultiLine(single));

        defs = InOrder({Column(0), Column(80, TARNCF_WORDWRAP)});
        ASSERT_TRUE(Tarn_SetColumns(h, 2, defs.data()));
        HWND multi = EditField(h);
        ASSERT_NE(multi, nullptr);
        EXPECT_NE(multi, single);
        EXPECT_TRUE(IsMultiLine(multi));

        // Display order decides which column is first, not the index.
        defs = InOrder({Column(40), Column(80, TARNCF_WORDWRAP)});
        defs[0].position = 1;
        defs[1].position = 0;
        ASSERT_TRUE(Tarn_SetColumns(h, 2, defs.data()));
        ASSERT_NE(EditField(h), nullptr);
        EXPECT_TRUE(IsMultiLine(EditField(h)));
        EXPECT_EQ(FindWindowExA(h, EditField(h), TARN32_EDIT_CLASS, nullptr), nullptr) << "one edit field only";
        DestroyWindow(h);
    }
    for (DWORD type : {TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED}) {
        HWND h = Create(type);
        std::vector<ColumnDef> defs = InOrder({Column(80, TARNCF_WORDWRAP)});
        EXPECT_TRUE(Tarn_SetColumns(h, 1, defs.data()));
        EXPECT_EQ(EditField(h), nullptr) << "type " << type;
        DestroyWindow(h);
    }
}

TEST_F(ColumnsTest, ColumnCountOfAFilledControlCannotChange)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        std::vector<ColumnDef> three = InOrder({Column(30), Column(40), Column(50)});
        ASSERT_TRUE(Tarn_SetColumns(h, 3, three.data()));
        AddItems(h, 2);

        std::vector<ColumnDef> two = InOrder({Column(30), Column(40)});
        EXPECT_FALSE(Tarn_SetColumns(h, 2, two.data())) << "type " << type;
        EXPECT_FALSE(Tarn_SetColumns(h, 0, nullptr));
        EXPECT_EQ(Tarn_GetColumns(h, nullptr), 3);

        three[1].headerText = "Second";
        three[2].width = 90;
        EXPECT_TRUE(Tarn_SetColumns(h, 3, three.data()));
        ColumnDef* cols = nullptr;
        ASSERT_EQ(Tarn_GetColumns(h, &cols), 3);
        EXPECT_EQ(cols[2].width, 90);
        EXPECT_STREQ(cols[1].headerText, "Second");

        // An emptied control takes any count again.
        Tarn_ResetContent(h);
        EXPECT_TRUE(Tarn_SetColumns(h, 0, nullptr));
        EXPECT_EQ(Tarn_GetColumns(h, nullptr), 1);
        DestroyWindow(h);
    }
}

TEST_F(ColumnsTest, HeaderTextsRoundTripThroughTheApi)
{
    HWND h = Create(TARNS_DROPDOWNLIST);
    std::vector<ColumnDef> defs = InOrder({Column(30, 0, "Name"), Column(40)});
    ASSERT_TRUE(Tarn_SetColumns(h, 2, defs.data()));

    char buf[16];
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(Tarn_GetHeader_A(h, 0, buf, 1), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Tarn_GetHeader_A(h, 0, buf, 3), 2);
    EXPECT_STREQ(buf, "Na");
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(Tarn_GetHeader_A(h, 2, buf, sizeof buf), -1);
    EXPECT_STREQ(buf, "");

    EXPECT_TRUE(Tarn_SetHeader_A(h, 1, "Quantity"));
    EXPECT_FALSE(Tarn_SetHeader_A(h, 2, "Nothing"));
    EXPECT_EQ(Tarn_GetHeaderLength(h, 1), 8);
    EXPECT_EQ(Tarn_GetHeader_A(h, 1, buf, sizeof buf), 8);
    EXPECT_STREQ(buf, "Quantity");

    // The handed-out copy shows the control's own text, and survives being
    // handed back with a new order.
    ColumnDef* cols = nullptr;
    ASSERT_EQ(Tarn_GetColumns(h, &cols), 2);
    EXPECT_STREQ(cols[1].headerText, "Quantity");
    EXPECT_EQ(cols[1].headerText, cols[1].headerTextBuffer);
    cols[0].position = 1;
    cols[1].position = 0;
    ASSERT_TRUE(Tarn_SetColumns(h, 2, cols));
    EXPECT_EQ(Tarn_GetHeader_A(h, 0, buf, sizeof buf), 4);
    EXPECT_STREQ(buf, "Name");
    ColumnDef* again = nullptr;
    ASSERT_EQ(Tarn_GetColumns(h, &again), 2);
    EXPECT_EQ(again[0].columnAtPosition, 1);
    EXPECT_EQ(again[1].columnAtPosition, 0);
    DestroyWindow(h);
}

TEST_F(ColumnsTest, HeaderButtonAndSwitches)
{
    HWND h = Create(TARNS_LISTBOX);
    std::vector<ColumnDef> defs = InOrder({Column(30), Column(40), Column(50)});
    ASSERT_TRUE(Tarn_SetColumns(h, 3, defs.data()));

    EXPECT_FALSE(Tarn_SetHeaderButton(h, 3));
    EXPECT_FALSE(Tarn_SetHeaderButton(h, -2));
    EXPECT_TRUE(Tarn_SetHeaderButton(h, 2));
    EXPECT_EQ(Tarn_GetHeaderButton(h), 2);
    ASSERT_TRUE(Tarn_SetColumns(h, 2, defs.data()));
    EXPECT_EQ(Tarn_GetHeaderButton(h), -1);
    EXPECT_TRUE(Tarn_SetHeaderButton(h, -1));

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
            Tarn_GetHeaderRect(h, col, &rc);
            EXPECT_EQ(rc.left, 0) << "type " << type << " col " << col;
            EXPECT_EQ(rc.top, 0);
            EXPECT_EQ(rc.right, 0);
            EXPECT_EQ(rc.bottom, 0);
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
