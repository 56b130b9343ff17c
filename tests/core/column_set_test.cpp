// The column set on control records built in memory: no window, so only the
// array logic, the header texts and the column geometry are exercised.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "columns/column_set.h"
#include "columns/header_band.h"
#include "columns/header_texts.h"
#include "record_ops.h"
#include "layout/column_geometry.h"
#include "layout/row_geometry.h"

namespace {

// Columns of the given widths in index order; `order` (if given) is each
// column's display position.
std::vector<ColumnDef> Widths(std::initializer_list<int> widths, std::vector<int> order = {})
{
    std::vector<ColumnDef> defs;
    for (int w : widths) {
        ColumnDef def;
        memset(&def, 0, sizeof def);
        def.width = w;
        def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
        def.position = order.empty() ? static_cast<int>(defs.size()) : order[defs.size()];
        defs.push_back(def);
    }
    return defs;
}

void CALLBACK NoFetch(HWND, LPARAM, int, TarnItem** item) { *item = nullptr; }

class ColumnSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        memset(&rec_, 0, sizeof rec_);
        rec_.headerButton = -1;
        rec_.redraw = TRUE;
        ASSERT_TRUE(SetColumns(&rec_, 0, nullptr));
    }
    void TearDown() override { FreeColumns(&rec_); }

    bool Set(const std::vector<ColumnDef>& defs) { return SetColumns(&rec_, static_cast<int>(defs.size()), defs.data()); }
    std::vector<int> Field(int ColumnDef::*field) const
    {
        std::vector<int> v;
        for (int i = 0; i < rec_.columnCount; ++i)
            v.push_back(rec_.columns[i].*field);
        return v;
    }
    std::string Header(int col)
    {
        char buf[32] = "poison";
        return GetHeaderText(&rec_, col, buf, sizeof buf) < 0 ? "<refused>" : buf;
    }

    ControlRecord rec_;
};

TEST_F(ColumnSetTest, RefusedSetsLeaveTheOldSetInPlaceAndCountZeroRestoresTheDefault)
{
    std::vector<ColumnDef> defs = Widths({40, 60});
    defs[1].headerText = "Amount";
    ASSERT_TRUE(Set(defs));
    ColumnDef* before = rec_.columns;
    EXPECT_FALSE(SetColumns(&rec_, -1, nullptr));
    EXPECT_FALSE(Set(Widths({0, 0})));          // nothing would show
    EXPECT_FALSE(Set(Widths({50, -1, 30})));
    EXPECT_FALSE(SetColumns(&rec_, 2, nullptr));
    EXPECT_EQ(rec_.columns, before);
    EXPECT_EQ(Field(&ColumnDef::width), (std::vector<int>{40, 60}));

    ASSERT_TRUE(Set(Widths({0, 50})));   // one hidden column is fine while another shows

    // Stored items hold one text per column: the count is fixed while they
    // exist, except in virtual mode where the application supplies the rows.
    rec_.count = 2;
    EXPECT_FALSE(Set(Widths({10, 20, 30})));
    EXPECT_FALSE(SetColumns(&rec_, 0, nullptr));
    ASSERT_TRUE(Set(Widths({5, 6})));
    EXPECT_EQ(Field(&ColumnDef::width), (std::vector<int>{5, 6}));
    rec_.virtualFetchCallback = NoFetch;
    EXPECT_TRUE(Set(Widths({10, 20, 30})));
    EXPECT_EQ(rec_.columnCount, 3);
    rec_.virtualFetchCallback = nullptr;
    rec_.count = 0;

    ASSERT_TRUE(SetColumns(&rec_, 0, nullptr));
    ASSERT_EQ(rec_.columnCount, 1);
    const ColumnDef& c = rec_.columns[0];
    EXPECT_EQ(c.width, 500);
    EXPECT_EQ(c.format, TARNCF_DEFAULT);
    EXPECT_EQ(c.backColor, TARN_COLOR_NONE);
    EXPECT_EQ(c.selTextColor, TARN_COLOR_NONE);
    EXPECT_EQ(c.headerText, nullptr);
    EXPECT_EQ(c.position + c.columnAtPosition, 0);
}

TEST_F(ColumnSetTest, PositionsMustBeAPermutation)
{
    struct Case {
        std::vector<int> in, positions, atPosition;
    } cases[] = {
        {{2, 0, 1}, {2, 0, 1}, {1, 2, 0}},   // valid, and not its own inverse
        {{0, 0, 1}, {0, 1, 2}, {0, 1, 2}},   // duplicate
        {{-1, 0, 1}, {0, 1, 2}, {0, 1, 2}},
        {{0, 1, 3}, {0, 1, 2}, {0, 1, 2}},   // one past the last position
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in[0] << "," << c.in[1] << "," << c.in[2]);
        std::vector<ColumnDef> defs = Widths({10, 20, 30}, c.in);
        for (ColumnDef& d : defs)
            d.columnAtPosition = 77;   // ignored on input
        ASSERT_TRUE(Set(defs));
        EXPECT_EQ(Field(&ColumnDef::position), c.positions);
        EXPECT_EQ(Field(&ColumnDef::columnAtPosition), c.atPosition);
    }
}

TEST_F(ColumnSetTest, HeaderTextsAreOwnCopiesAndReadsNeverOverrun)
{
    char name[] = "Name";
    std::vector<ColumnDef> defs = Widths({40, 60});
    defs[0].headerText = name;
    defs[1].headerTextBuffer = reinterpret_cast<char*>(static_cast<INT_PTR>(0x5678));   // ignored on input
    ASSERT_TRUE(Set(defs));
    name[0] = 'X';
    EXPECT_EQ(Header(0), "Name");
    EXPECT_EQ(rec_.columns[0].headerText, rec_.columns[0].headerTextBuffer);
    EXPECT_EQ(rec_.columns[1].headerTextBuffer, nullptr);

    // Replacing a text keeps both pointers in step; NULL removes it.
    ASSERT_TRUE(SetHeaderText(&rec_, 1, "Amount"));
    EXPECT_EQ(rec_.columns[1].headerText, rec_.columns[1].headerTextBuffer);
    EXPECT_EQ(HeaderTextLength(&rec_, 1), 6);
    ASSERT_TRUE(SetHeaderText(&rec_, 1, nullptr));
    EXPECT_EQ(rec_.columns[1].headerText, nullptr);
    EXPECT_EQ(HeaderTextLength(&rec_, 1), 0);
    for (int bad : {-1, 2}) {
        EXPECT_FALSE(SetHeaderText(&rec_, bad, "x"));
        EXPECT_EQ(HeaderTextLength(&rec_, bad), -1);
    }

    struct Case {
        int col, cch, result;
        const char* text;
    } cases[] = {{0, 1, 0, ""}, {0, 3, 2, "Na"}, {0, 5, 4, "Name"}, {1, 8, 0, ""}, {2, 8, -1, ""}, {-1, 8, -1, ""}};
    for (const Case& c : cases) {
        char buf[8];
        memset(buf, 'x', sizeof buf);
        EXPECT_EQ(GetHeaderText(&rec_, c.col, buf, c.cch), c.result) << c.col << "/" << c.cch;
        EXPECT_STREQ(buf, c.text) << c.col << "/" << c.cch;
    }
    char untouched = 'x';
    EXPECT_EQ(GetHeaderText(&rec_, 0, &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
}

TEST_F(ColumnSetTest, GetColumnsHandsOutAFreshCopyThatCanBeHandedBack)
{
    std::vector<ColumnDef> defs = Widths({40, 60, 80});
    defs[2].headerText = "Total";
    defs[1].reserved4 = 0xCAFEu;   // reserved fields travel too
    ASSERT_TRUE(Set(defs));

    EXPECT_EQ(GetColumns(&rec_, nullptr), 3);
    EXPECT_EQ(rec_.columnsCopy, nullptr);
    ColumnDef* first = nullptr;
    ASSERT_EQ(GetColumns(&rec_, &first), 3);
    EXPECT_EQ(rec_.columnsCopy, first);
    EXPECT_NE(first, rec_.columns);
    EXPECT_EQ(memcmp(first, rec_.columns, 3 * sizeof(ColumnDef)), 0);

    // The next call replaces the copy; handed back, its texts (the control's
    // own) survive the exchange.
    ColumnDef* second = nullptr;
    ASSERT_EQ(GetColumns(&rec_, &second), 3);
    EXPECT_EQ(rec_.columnsCopy, second);
    second[0].position = 2;
    second[2].position = 0;
    ASSERT_TRUE(SetColumns(&rec_, 3, second));
    EXPECT_EQ(Field(&ColumnDef::columnAtPosition), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(Header(2), "Total");
    EXPECT_NE(rec_.columns[2].headerText, second[2].headerText);
    EXPECT_EQ(rec_.columns[1].reserved4, 0xCAFEu);
}

TEST_F(ColumnSetTest, HeaderButtonRangeAndReset)
{
    ASSERT_TRUE(Set(Widths({10, 20, 30})));
    EXPECT_FALSE(SetHeaderButton(&rec_, 3));
    EXPECT_FALSE(SetHeaderButton(&rec_, -2));
    EXPECT_TRUE(SetHeaderButton(&rec_, 2));
    // A set that still has the pressed column keeps it pressed.
    ASSERT_TRUE(Set(Widths({1, 2, 3, 4})));
    EXPECT_EQ(rec_.headerButton, 2);
    ASSERT_TRUE(Set(Widths({1, 2})));
    EXPECT_EQ(rec_.headerButton, -1);
    EXPECT_TRUE(SetHeaderButton(&rec_, 1));
    EXPECT_TRUE(SetHeaderButton(&rec_, -1));   // -1 releases it
    EXPECT_EQ(rec_.headerButton, -1);
}

TEST_F(ColumnSetTest, HeaderBitmapSizeIsThatOfTheLastColumnWithABitmap)
{
    HBITMAP h16 = CreateBitmap(12, 16, 1, 1, nullptr);
    HBITMAP h20 = CreateBitmap(10, 20, 1, 1, nullptr);
    ASSERT_TRUE(h16 && h20);
    rec_.showHeader = TARN_HEADER_BUTTONS;
    rec_.tmColHeader.tmHeight = 13;

    // Not the tallest: the last one in index order, even when a column
    // without a bitmap follows.
    std::vector<ColumnDef> defs = Widths({10, 20, 30});
    defs[0].hbmHeader = h20;
    defs[1].hbmHeader = h16;
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
    DeleteObject(h16);
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

TEST_F(ColumnGeometryTest, EdgesAndWidthsAroundHiddenAndSingleColumns)
{
    // Display order: col 1 (hidden), col 2, col 0, col 3 (hidden, after the last visible).
    ASSERT_TRUE(Set(Widths({50, 0, 70, 0}, {2, 0, 1, 3})));
    EXPECT_EQ(FirstVisiblePosition(&rec_), 1);
    EXPECT_EQ(LastVisiblePosition(&rec_), 2);

    // Level 1 starts after its indentation (10), the header (level -1) at 0;
    // the first visible column ends at the deepest overhead (18) plus its width.
    EXPECT_EQ(ColumnLeft(&rec_, 0, 1), 10);
    EXPECT_EQ(ColumnLeft(&rec_, 1, -1), 0);
    EXPECT_EQ(ColumnLeft(&rec_, 3, 1), 138);
    const int widths[][2] = {{1, 0}, {2, 78}, {0, 50}, {3, 0}, {4, 0}, {-1, 0}};
    for (auto [col, w] : widths)
        EXPECT_EQ(CellWidth(&rec_, 300, col, 1), w) << "column " << col;
    EXPECT_EQ(CellWidth(&rec_, 300, 2, -1), 88);

    // Open-ended: to the end of the list or the extent, whichever is wider, never below 0.
    rec_.openEnded = TRUE;
    EXPECT_EQ(CellWidth(&rec_, 300, 0, 1), 212);
    rec_.horizontalExtent = 400;
    EXPECT_EQ(CellWidth(&rec_, 300, 0, 1), 312);
    rec_.horizontalExtent = 0;
    EXPECT_EQ(CellWidth(&rec_, 60, 0, 1), 0);
    EXPECT_EQ(CellWidth(&rec_, 300, 3, 1), 0);

    // A single visible column is first and last: it carries the overhead.
    rec_.openEnded = FALSE;
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
    const int cases[][2] = {{0, 180}, {150, 130}, {-50, 80}, {-200, 380}, {-5, 0}, {10, 0}};
    for (auto [droppedWidth, expected] : cases) {
        rec_.droppedWidth = droppedWidth;
        EXPECT_EQ(ListWidth(&rec_), expected) << droppedWidth;
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
    ASSERT_TRUE(Set(Widths({50, 60, 70}, {2, 0, 1})));

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
}

} // namespace
