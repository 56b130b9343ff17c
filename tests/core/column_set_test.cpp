// The column set on control records built in memory: no window, so only the
// array logic, the header texts and the column geometry are exercised.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "columns/column_set.h"
#include "columns/header_band.h"
#include "columns/header_texts.h"
#include "layout/column_geometry.h"
#include "layout/row_geometry.h"

namespace {

ColumnDef Column(int width, int position = 0, const char* text = nullptr)
{
    ColumnDef def;
    memset(&def, 0, sizeof def);
    def.width = width;
    def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
    def.position = position;
    def.headerText = text;
    return def;
}

std::vector<ColumnDef> Widths(std::initializer_list<int> widths)
{
    std::vector<ColumnDef> defs;
    int i = 0;
    for (int w : widths)
        defs.push_back(Column(w, i++));
    return defs;
}

void CALLBACK NoFetch(HWND, LPARAM, int, TarnItem** item) { *item = nullptr; }

class ColumnSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        memset(&rec_, 0, sizeof rec_);
        rec_.columnCount = 1;
        rec_.columns = static_cast<ColumnDef*>(calloc(1, sizeof(ColumnDef)));
        rec_.columns[0] = Column(500);
        rec_.headerButton = -1;
        rec_.redraw = TRUE;
    }
    void TearDown() override { FreeColumns(&rec_); }

    bool Set(const std::vector<ColumnDef>& defs) { return SetColumns(&rec_, static_cast<int>(defs.size()), defs.data()); }
    std::vector<int> Positions() const
    {
        std::vector<int> v;
        for (int i = 0; i < rec_.columnCount; ++i)
            v.push_back(rec_.columns[i].position);
        return v;
    }
    std::vector<int> ColumnsAtPositions() const
    {
        std::vector<int> v;
        for (int i = 0; i < rec_.columnCount; ++i)
            v.push_back(rec_.columns[i].columnAtPosition);
        return v;
    }

    ControlRecord rec_;
};

TEST_F(ColumnSetTest, RefusedSetsLeaveTheOldSetInPlace)
{
    ASSERT_TRUE(Set(Widths({40, 60})));
    ColumnDef* before = rec_.columns;

    EXPECT_FALSE(SetColumns(&rec_, -1, nullptr));
    EXPECT_FALSE(Set(Widths({0, 0})));
    EXPECT_FALSE(Set(Widths({50, -1, 30})));
    EXPECT_FALSE(SetColumns(&rec_, 2, nullptr));

    EXPECT_EQ(rec_.columns, before);
    ASSERT_EQ(rec_.columnCount, 2);
    EXPECT_EQ(rec_.columns[0].width, 40);
    EXPECT_EQ(rec_.columns[1].width, 60);

    // One hidden column is fine as long as another one shows.
    ASSERT_TRUE(Set(Widths({0, 50})));
    EXPECT_EQ(rec_.columns[0].width, 0);
    EXPECT_EQ(FirstVisiblePosition(&rec_), 1);
}

TEST_F(ColumnSetTest, ColumnCountIsFixedWhileItemsAreStored)
{
    ASSERT_TRUE(Set(Widths({10, 20, 30})));
    rec_.count = 2; // the item array itself is never touched by the column set

    EXPECT_FALSE(Set(Widths({10, 20})));
    EXPECT_FALSE(SetColumns(&rec_, 0, nullptr));
    EXPECT_EQ(rec_.columnCount, 3);

    // Same count, everything else new: accepted.
    ASSERT_TRUE(Set(Widths({5, 6, 7})));
    EXPECT_EQ(rec_.columns[2].width, 7);

    // Virtual rows are supplied by the application, so the count may change.
    rec_.virtualFetchCallback = NoFetch;
    EXPECT_TRUE(Set(Widths({10, 20})));
    EXPECT_EQ(rec_.columnCount, 2);
    rec_.virtualFetchCallback = nullptr;
    rec_.count = 0;
}

TEST_F(ColumnSetTest, CountZeroRestoresTheDefaultColumn)
{
    std::vector<ColumnDef> defs = Widths({10, 20, 30});
    defs[1].headerText = "Middle";
    ASSERT_TRUE(Set(defs));

    ASSERT_TRUE(SetColumns(&rec_, 0, nullptr));
    ASSERT_EQ(rec_.columnCount, 1);
    const ColumnDef& c = rec_.columns[0];
    EXPECT_EQ(c.width, 500);
    EXPECT_EQ(c.backColor, TARN_COLOR_NONE);
    EXPECT_EQ(c.textColor, TARN_COLOR_NONE);
    EXPECT_EQ(c.selBackColor, TARN_COLOR_NONE);
    EXPECT_EQ(c.selTextColor, TARN_COLOR_NONE);
    EXPECT_EQ(c.format, TARNCF_DEFAULT);
    EXPECT_EQ(c.headerFormat, 0u);
    EXPECT_EQ(c.headerText, nullptr);
    EXPECT_EQ(c.hbmHeader, nullptr);
    EXPECT_EQ(c.position, 0);
    EXPECT_EQ(c.columnAtPosition, 0);
    EXPECT_EQ(HeaderTextLength(&rec_, 0), 0);
}

TEST_F(ColumnSetTest, PositionsMustBeAPermutation)
{
    struct Case {
        std::vector<int> in;
        std::vector<int> positions;
        std::vector<int> atPosition;
    } cases[] = {
        {{0, 0, 1}, {0, 1, 2}, {0, 1, 2}},
        {{2, 0, 1}, {2, 0, 1}, {1, 2, 0}},
        {{1, 2, 0}, {1, 2, 0}, {2, 0, 1}},
        {{-1, 0, 1}, {0, 1, 2}, {0, 1, 2}},
        {{0, 1, 3}, {0, 1, 2}, {0, 1, 2}},
        {{2, 1, 0}, {2, 1, 0}, {2, 1, 0}},
    };
    for (const Case& c : cases) {
        std::vector<ColumnDef> defs = Widths({10, 20, 30});
        for (size_t i = 0; i < defs.size(); ++i) {
            defs[i].position = c.in[i];
            defs[i].columnAtPosition = 77; // ignored on input
        }
        ASSERT_TRUE(Set(defs));
        EXPECT_EQ(Positions(), c.positions) << "input " << c.in[0] << "," << c.in[1] << "," << c.in[2];
        EXPECT_EQ(ColumnsAtPositions(), c.atPosition) << "input " << c.in[0] << "," << c.in[1] << "," << c.in[2];
    }
}

TEST_F(ColumnSetTest, HeaderTextsAreTheControlsOwnCopies)
{
    char name[] = "Name";
    std::vector<ColumnDef> defs = Widths({40, 60});
    defs[0].headerText = name;
    defs[0].headerTextBuffer = reinterpret_cast<char*>(static_cast<INT_PTR>(0x1234)); // ignored on input
    defs[1].headerTextBuffer = reinterpret_cast<char*>(static_cast<INT_PTR>(0x5678));
    ASSERT_TRUE(Set(defs));

    name[0] = 'X';
    char buf[32];
    EXPECT_EQ(GetHeaderText(&rec_, 0, buf, sizeof buf), 4);
    EXPECT_STREQ(buf, "Name");
    EXPECT_NE(rec_.columns[0].headerText, name);
    EXPECT_EQ(rec_.columns[0].headerText, rec_.columns[0].headerTextBuffer);
    EXPECT_EQ(rec_.columns[1].headerText, nullptr);
    EXPECT_EQ(rec_.columns[1].headerTextBuffer, nullptr);
    EXPECT_EQ(HeaderTextLength(&rec_, 1), 0);

    // Replacing one text keeps the two pointers in step; NULL removes it.
    ASSERT_TRUE(SetHeaderText(&rec_, 1, "Amount"));
    EXPECT_EQ(rec_.columns[1].headerText, rec_.columns[1].headerTextBuffer);
    EXPECT_EQ(HeaderTextLength(&rec_, 1), 6);
    ASSERT_TRUE(SetHeaderText(&rec_, 1, nullptr));
    EXPECT_EQ(rec_.columns[1].headerText, nullptr);
    EXPECT_EQ(HeaderTextLength(&rec_, 1), 0);

    EXPECT_FALSE(SetHeaderText(&rec_, 2, "x"));
    EXPECT_FALSE(SetHeaderText(&rec_, -1, "x"));
    EXPECT_EQ(HeaderTextLength(&rec_, 2), -1);
    EXPECT_EQ(HeaderTextLength(&rec_, -1), -1);
}

TEST_F(ColumnSetTest, GetHeaderTextEmptiesAndTruncates)
{
    std::vector<ColumnDef> defs = Widths({40, 60});
    defs[0].headerText = "Name";
    ASSERT_TRUE(Set(defs));

    char buf[8];
    struct Case {
        int col;
        int cch;
        int result;
        const char* text;
    } cases[] = {
        {0, 1, 0, ""},  {0, 3, 2, "Na"},  {0, 5, 4, "Name"}, {0, 8, 4, "Name"},
        {1, 8, 0, ""},  {2, 8, -1, ""},   {-1, 8, -1, ""},
    };
    for (const Case& c : cases) {
        memset(buf, 'x', sizeof buf);
        EXPECT_EQ(GetHeaderText(&rec_, c.col, buf, c.cch), c.result) << c.col << "/" << c.cch;
        EXPECT_STREQ(buf, c.text) << c.col << "/" << c.cch;
    }
    // No room at all: nothing is written.
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(GetHeaderText(&rec_, 0, buf, 0), 0);
    EXPECT_EQ(buf[0], 'x');
}

TEST_F(ColumnSetTest, GetColumnsHandsOutAFreshCopyEachCall)
{
    std::vector<ColumnDef> defs = Widths({40, 60, 80});
    defs[2].headerText = "Total";
    defs[1].reserved4 = 0xCAFEu;
    defs[1].flags = TARNCOL_FIXEDWIDTH;
    ASSERT_TRUE(Set(defs));

    EXPECT_EQ(GetColumns(&rec_, nullptr), 3);
    EXPECT_EQ(rec_.columnsCopy, nullptr);

    ColumnDef* first = nullptr;
    ASSERT_EQ(GetColumns(&rec_, &first), 3);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(rec_.columnsCopy, first);
    EXPECT_NE(first, rec_.columns);
    EXPECT_EQ(memcmp(first, rec_.columns, 3 * sizeof(ColumnDef)), 0);
    EXPECT_EQ(first[1].reserved4, 0xCAFEu);
    EXPECT_EQ(first[1].flags, TARNCOL_FIXEDWIDTH);
    EXPECT_STREQ(first[2].headerText, "Total");

    // The copy is the caller's to edit and hand back; the control is unchanged
    // until it does, and texts pointing at the control's own copies survive.
    first[0].width = 99;
    EXPECT_EQ(rec_.columns[0].width, 40);

    ColumnDef* second = nullptr;
    ASSERT_EQ(GetColumns(&rec_, &second), 3);
    EXPECT_EQ(rec_.columnsCopy, second);
    EXPECT_EQ(second[0].width, 40);

    second[0].width = 99;
    second[0].position = 2;
    second[2].position = 0;
    ASSERT_TRUE(SetColumns(&rec_, 3, second));
    EXPECT_EQ(rec_.columns[0].width, 99);
    EXPECT_EQ(ColumnsAtPositions(), (std::vector<int>{2, 1, 0}));
    char buf[16];
    EXPECT_EQ(GetHeaderText(&rec_, 2, buf, sizeof buf), 5);
    EXPECT_STREQ(buf, "Total");
    EXPECT_NE(rec_.columns[2].headerText, second[2].headerText);
}

TEST_F(ColumnSetTest, HeaderButtonRangeAndReset)
{
    ASSERT_TRUE(Set(Widths({10, 20, 30})));
    EXPECT_FALSE(SetHeaderButton(&rec_, 3));
    EXPECT_FALSE(SetHeaderButton(&rec_, -2));
    EXPECT_EQ(rec_.headerButton, -1);
    EXPECT_TRUE(SetHeaderButton(&rec_, 2));
    EXPECT_TRUE(SetHeaderButton(&rec_, 2));
    EXPECT_EQ(rec_.headerButton, 2);

    // A set that still has the pressed column keeps it pressed.
    ASSERT_TRUE(Set(Widths({1, 2, 3, 4})));
    EXPECT_EQ(rec_.headerButton, 2);
    ASSERT_TRUE(Set(Widths({1, 2})));
    EXPECT_EQ(rec_.headerButton, -1);

    EXPECT_TRUE(SetHeaderButton(&rec_, 1));
    EXPECT_TRUE(SetHeaderButton(&rec_, -1));
    EXPECT_EQ(rec_.headerButton, -1);
}

TEST_F(ColumnSetTest, HeaderBitmapSizeIsThatOfTheLastColumnWithABitmap)
{
    HBITMAP h16a = CreateBitmap(8, 16, 1, 1, nullptr);
    HBITMAP h16b = CreateBitmap(12, 16, 1, 1, nullptr);
    HBITMAP h20 = CreateBitmap(10, 20, 1, 1, nullptr);
    ASSERT_TRUE(h16a && h16b && h20);
    rec_.showHeader = TARN_HEADER_BUTTONS;
    rec_.tmColHeader.tmHeight = 13;

    std::vector<ColumnDef> defs = Widths({10, 20, 30});
    defs[0].hbmHeader = h16a;
    defs[1].hbmHeader = h16b;
    defs[2].hbmHeader = h20;
    ASSERT_TRUE(Set(defs));
    EXPECT_EQ(rec_.bmColumn.bmHeight, 20);
    EXPECT_EQ(rec_.bmColumn.bmWidth, 10);
    EXPECT_EQ(HeaderHeight(&rec_), 23);

    // Not the tallest: the last one in index order, and a column without a
    // bitmap after it does not clear it.
    defs[0].hbmHeader = h20;
    defs[1].hbmHeader = h16b;
    defs[2].hbmHeader = nullptr;
    ASSERT_TRUE(Set(defs));
    EXPECT_EQ(rec_.bmColumn.bmHeight, 16);
    EXPECT_EQ(rec_.bmColumn.bmWidth, 12);
    EXPECT_EQ(HeaderHeight(&rec_), 19);

    // A refused set keeps the old size.
    defs[1].width = -5;
    defs[1].hbmHeader = h20;
    EXPECT_FALSE(Set(defs));
    EXPECT_EQ(rec_.bmColumn.bmHeight, 16);

    // No bitmap anywhere: the size is cleared, the font decides.
    ASSERT_TRUE(Set(Widths({10, 20, 30})));
    EXPECT_EQ(rec_.bmColumn.bmHeight, 0);
    EXPECT_EQ(HeaderHeight(&rec_), 16);

    // The corner bitmap counts only while a row header is shown.
    rec_.bmRowCol.bmHeight = 30;
    EXPECT_EQ(HeaderHeight(&rec_), 16);
    rec_.rowHeaderWidth = 25;
    EXPECT_EQ(HeaderHeight(&rec_), 33);

    rec_.showHeader = TARN_HEADER_NONE;
    EXPECT_EQ(HeaderHeight(&rec_), 0);

    DeleteObject(h16a);
    DeleteObject(h16b);
    DeleteObject(h20);
}

class ColumnGeometryTest : public ColumnSetTest {
protected:
    void SetUp() override
    {
        ColumnSetTest::SetUp();
        // Tree lines without bitmaps: 8 pixels per level plus a 2-pixel gap.
        rec_.showTreeLines = TRUE;
        rec_.maxCharWidth = 8;
        rec_.maxLevel = 2;
        rec_.overheadWidth = 18;
    }
};

TEST_F(ColumnGeometryTest, LeftEdgesAndWidthsFollowDisplayOrder)
{
    // Display order: col 1 (hidden), col 2, col 0, col 3 (hidden).
    std::vector<ColumnDef> defs = Widths({50, 0, 70, 0});
    defs[0].position = 2;
    defs[1].position = 0;
    defs[2].position = 1;
    defs[3].position = 3;
    ASSERT_TRUE(Set(defs));
    EXPECT_EQ(FirstVisiblePosition(&rec_), 1);
    EXPECT_EQ(LastVisiblePosition(&rec_), 2);

    // Level 1 starts after its own indentation (10); the first visible column
    // ends where the deepest overhead (18) plus its width ends.
    EXPECT_EQ(ColumnLeft(&rec_, 0, 1), 10);
    EXPECT_EQ(ColumnLeft(&rec_, 1, 1), 10);
    EXPECT_EQ(ColumnLeft(&rec_, 2, 1), 88);
    EXPECT_EQ(ColumnLeft(&rec_, 3, 1), 138);
    EXPECT_EQ(ColumnLeft(&rec_, 1, -1), 0);

    EXPECT_EQ(CellWidth(&rec_, 300, 1, 1), 0);
    EXPECT_EQ(CellWidth(&rec_, 300, 2, 1), 78);
    EXPECT_EQ(CellWidth(&rec_, 300, 2, -1), 88);
    EXPECT_EQ(CellWidth(&rec_, 300, 0, 1), 50);
    EXPECT_EQ(CellWidth(&rec_, 300, 3, 1), 0);
    EXPECT_EQ(CellWidth(&rec_, 300, 4, 1), 0);
    EXPECT_EQ(CellWidth(&rec_, 300, -1, 1), 0);

    // Open-ended: the last visible column runs to the end of the list or of
    // the horizontal extent, whichever is wider, and never below 0.
    rec_.openEnded = TRUE;
    EXPECT_EQ(CellWidth(&rec_, 300, 0, 1), 212);
    rec_.horizontalExtent = 400;
    EXPECT_EQ(CellWidth(&rec_, 300, 0, 1), 312);
    rec_.horizontalExtent = 0;
    EXPECT_EQ(CellWidth(&rec_, 60, 0, 1), 0);
    EXPECT_EQ(CellWidth(&rec_, 300, 3, 1), 0);
}

TEST_F(ColumnGeometryTest, SingleVisibleColumnIncludesTheOverhead)
{
    ASSERT_TRUE(Set(Widths({0, 40})));
    EXPECT_EQ(CellWidth(&rec_, 300, 1, 0), 58);
    EXPECT_EQ(ColumnLeft(&rec_, 1, 0), 2);
    rec_.openEnded = TRUE;
    EXPECT_EQ(CellWidth(&rec_, 300, 1, 0), 298);
}

TEST_F(ColumnGeometryTest, ListWidthWithoutAListWindow)
{
    rec_.clientWidth = 200;
    rec_.rowHeaderWidth = 20;
    struct Case {
        int droppedWidth;
        int expected;
    } cases[] = {{0, 180}, {150, 130}, {-50, 80}, {-200, 380}, {-5, 0}, {10, 0}};
    for (const Case& c : cases) {
        rec_.droppedWidth = c.droppedWidth;
        EXPECT_EQ(ListWidth(&rec_), c.expected) << c.droppedWidth;
    }
}

TEST_F(ColumnGeometryTest, HeaderRectsOfReorderedScrolledColumns)
{
    rec_.overheadWidth = 20;
    rec_.showHeader = TARN_HEADER_BUTTONS;
    rec_.tmColHeader.tmHeight = 13;
    rec_.isListBox = TRUE;
    rec_.clientWidth = 300;
    rec_.rowHeaderWidth = 10;
    rec_.horizontalOffset = 5;

    // Display order: col 1 (60), col 2 (70), col 0 (50).
    std::vector<ColumnDef> defs = Widths({50, 60, 70});
    defs[0].position = 2;
    defs[1].position = 0;
    defs[2].position = 1;
    ASSERT_TRUE(Set(defs));

    auto rectOf = [&](int col) {
        RECT rc;
        memset(&rc, 0x5A, sizeof rc);
        if (col == -1)
            HeaderBandRect(&rec_, &rc);
        else
            HeaderRect(&rec_, col, &rc);
        return std::vector<LONG>{rc.left, rc.top, rc.right, rc.bottom};
    };
    EXPECT_EQ(rectOf(-1), (std::vector<LONG>{10, 0, 300, 16}));
    EXPECT_EQ(rectOf(1), (std::vector<LONG>{5, 0, 85, 16}));
    EXPECT_EQ(rectOf(2), (std::vector<LONG>{85, 0, 155, 16}));
    EXPECT_EQ(rectOf(0), (std::vector<LONG>{155, 0, 205, 16}));
    EXPECT_EQ(rectOf(3), (std::vector<LONG>{0, 0, 0, 0}));

    // Open-ended, the last header reaches the end of the band (scrolled).
    rec_.openEnded = TRUE;
    EXPECT_EQ(rectOf(0), (std::vector<LONG>{155, 0, 295, 16}));

    // The drop-down types keep the drop button's column free of the band.
    rec_.isListBox = FALSE;
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(rectOf(-1), (std::vector<LONG>{10, 0, 300 - button, 16}));
    EXPECT_EQ(rectOf(0), (std::vector<LONG>{155, 0, 295 - button, 16}));

    rec_.showHeader = TARN_HEADER_NONE;
    EXPECT_EQ(rectOf(-1), (std::vector<LONG>{0, 0, 0, 0}));
    EXPECT_EQ(rectOf(1), (std::vector<LONG>{0, 0, 0, 0}));
}

} // namespace
