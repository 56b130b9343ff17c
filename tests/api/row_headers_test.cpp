// Row headers and the corner cell through the exported functions on real
// control windows: widths, rectangles, the corner's text and bitmap, and what
// each setter repaints.
#include <windows.h>

#include <cstring>

#include "support/control_fixture.h"

namespace {

RECT Band(HWND h)
{
    RECT rc;
    Tarn_GetHeaderRect(h, -1, &rc);
    return rc;
}

RECT Corner(HWND h)
{
    RECT rc = {-7, -7, -7, -7};
    Tarn_GetRowColHeaderRect(h, &rc);
    return rc;
}

RECT RowHeader(HWND h, int index)
{
    RECT rc = {-7, -7, -7, -7};
    Tarn_GetRowHeaderRect(h, index, &rc);
    return rc;
}

RECT Rect(LONG l, LONG t, LONG r, LONG b) { return RECT{l, t, r, b}; }

::testing::AssertionResult RectIs(const RECT& actual, const RECT& expected)
{
    if (EqualRect(&actual, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ") instead of (" << expected.left << "," << expected.top
                                         << "," << expected.right << "," << expected.bottom << ")";
}

::testing::AssertionResult IsEmpty(const RECT& rc)
{
    return RectIs(rc, Rect(0, 0, 0, 0));
}

class RowHeadersTest : public ControlTest {};

TEST_F(RowHeadersTest, WidthSetterRefusesNegativeValuesAndZeroRemovesStripAndCorner)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        ASSERT_NE(h, nullptr);
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        EXPECT_EQ(Tarn_GetRowHeaderWidth(h), 0) << "type " << type;
        EXPECT_TRUE(IsEmpty(Corner(h))) << "type " << type;

        Tarn_SetRowHeaderWidth(h, 30);
        EXPECT_EQ(Tarn_GetRowHeaderWidth(h), 30);
        const RECT band = Band(h);
        EXPECT_EQ(band.left, 30) << "the header band starts right of the corner";
        EXPECT_TRUE(RectIs(Corner(h), Rect(0, 0, 30, band.bottom))) << "type " << type;

        Tarn_SetRowHeaderWidth(h, -5);
        EXPECT_EQ(Tarn_GetRowHeaderWidth(h), 30) << "type " << type;
        EXPECT_TRUE(RectIs(Corner(h), Rect(0, 0, 30, band.bottom)));

        Tarn_SetRowHeaderWidth(h, 0);
        EXPECT_EQ(Tarn_GetRowHeaderWidth(h), 0);
        EXPECT_TRUE(IsEmpty(Corner(h))) << "type " << type;
        EXPECT_TRUE(IsEmpty(RowHeader(h, -1))) << "type " << type;
        EXPECT_EQ(Band(h).left, 0);

        // Without a column header there is no corner either.
        Tarn_SetRowHeaderWidth(h, 30);
        Tarn_SetShowHeader(h, TARN_HEADER_NONE);
        EXPECT_TRUE(IsEmpty(Corner(h))) << "type " << type;
        DestroyWindow(h);
    }
}

TEST_F(RowHeadersTest, CornerTextIsCopiedAndReadBackIntoPoisonedBuffers)
{
    HWND h = Create(TARNS_DROPDOWN);
    ASSERT_NE(h, nullptr);
    char buf[16];
    auto read = [&](int cch) {
        memset(buf, 'X', sizeof buf);
        return Tarn_GetRowColText_A(h, buf, cch);
    };
    EXPECT_EQ(Tarn_GetRowColTextLength(h), 0);
    EXPECT_EQ(read(sizeof buf), 0);
    EXPECT_STREQ(buf, "");

    char text[] = "Corner";
    ASSERT_TRUE(Tarn_SetRowColText_A(h, text));
    text[0] = 'Z';   // the control keeps its own copy
    EXPECT_EQ(Tarn_GetRowColTextLength(h), 6);
    EXPECT_EQ(read(sizeof buf), 6);
    EXPECT_STREQ(buf, "Corner");
    EXPECT_EQ(read(4), 3);
    EXPECT_STREQ(buf, "Cor");
    EXPECT_EQ(buf[4], 'X') << "nothing is written past cch";
    EXPECT_EQ(read(1), 0);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(read(0), 0);
    EXPECT_EQ(buf[0], 'X') << "a buffer of no characters is not touched";
    EXPECT_EQ(Tarn_GetRowColText_A(h, nullptr, 10), 0);

    ASSERT_TRUE(Tarn_SetRowColText_A(h, ""));
    EXPECT_EQ(Tarn_GetRowColTextLength(h), 0);
    ASSERT_TRUE(Tarn_SetRowColText_A(h, "again"));
    ASSERT_TRUE(Tarn_SetRowColText_A(h, nullptr));
    EXPECT_EQ(Tarn_GetRowColTextLength(h), 0);
    EXPECT_EQ(read(sizeof buf), 0);
    EXPECT_STREQ(buf, "");
}

TEST_F(RowHeadersTest, CornerBitmapRaisesTheHeaderOnlyWhileARowHeaderIsShown)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        ASSERT_NE(h, nullptr);
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        const LONG plain = Band(h).bottom;
        ASSERT_GT(plain, 0);
        HBITMAP tall = CreateBitmap(8, plain + 5, 1, 1, nullptr);
        ASSERT_NE(tall, nullptr);

        Tarn_SetRowColBitmap(h, tall);
        EXPECT_EQ(Tarn_GetRowColBitmap(h), tall);
        EXPECT_EQ(Band(h).bottom, plain) << "type " << type << ": no row header, no corner";

        Tarn_SetRowHeaderWidth(h, 24);
        EXPECT_EQ(Band(h).bottom, plain + 8) << "type " << type;
        EXPECT_EQ(Corner(h).bottom, plain + 8);
        RECT field;
        ASSERT_EQ(Tarn_GetItemRect(h, -1, &field), 0);
        EXPECT_EQ(field.top, plain + 8) << "type " << type << ": the field moves down with the header";
        EXPECT_TRUE(RectIs(RowHeader(h, -1), Rect(0, field.top, 24, field.bottom))) << "type " << type;

        Tarn_SetRowHeaderWidth(h, 0);
        EXPECT_EQ(Band(h).bottom, plain);
        Tarn_SetRowHeaderWidth(h, 24);
        Tarn_SetRowColBitmap(h, nullptr);
        EXPECT_EQ(Tarn_GetRowColBitmap(h), nullptr);
        EXPECT_EQ(Band(h).bottom, plain) << "type " << type;

        // A handle GDI cannot describe is not kept.
        Tarn_SetRowColBitmap(h, reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x4321)));
        EXPECT_EQ(Tarn_GetRowColBitmap(h), nullptr);
        EXPECT_EQ(Band(h).bottom, plain);
        DestroyWindow(h);
        DeleteObject(tall);
    }
}

TEST_F(RowHeadersTest, RowHeaderRectanglesFollowTheRowsAndRefuseBadIndexes)
{
    HWND h = Create(TARNS_LISTBOX, 1, 200, 150);
    ASSERT_NE(h, nullptr);
    AddItems(h, 40);
    EXPECT_TRUE(IsEmpty(RowHeader(h, 0))) << "no row header without a width";
    Tarn_SetRowHeaderWidth(h, 25);

    RECT field;
    ASSERT_EQ(Tarn_GetItemRect(h, -1, &field), 0);
    EXPECT_TRUE(RectIs(RowHeader(h, -1), Rect(0, field.top, 25, field.bottom)));

    for (int row : {0, 2}) {
        RECT item;
        ASSERT_EQ(Tarn_GetItemRect(h, row, &item), 0);
        EXPECT_TRUE(RectIs(RowHeader(h, row), Rect(0, item.top, 25, item.bottom))) << "row " << row;
    }

    // A row out of view has no item rectangle: its header spans the list.
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    RECT client;
    GetClientRect(list, &client);
    RECT hidden;
    ASSERT_NE(Tarn_GetItemRect(h, 39, &hidden), 0);
    EXPECT_TRUE(RectIs(RowHeader(h, 39), Rect(0, 0, 25, client.bottom)));

    EXPECT_TRUE(IsEmpty(RowHeader(h, 40))) << "count";
    EXPECT_TRUE(IsEmpty(RowHeader(h, -2)));
    Tarn_GetRowHeaderRect(h, 0, nullptr);   // must not crash
}

TEST_F(RowHeadersTest, CornerSettersRepaintTheCornerOnly)
{
    HWND h = Create(TARNS_LISTBOX);
    ASSERT_NE(h, nullptr);
    AddItems(h, 3);
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
    Tarn_SetRowHeaderWidth(h, 30);
    Pump();
    const RECT corner = Corner(h);
    ASSERT_FALSE(IsRectEmpty(&corner));

    struct Case {
        const char* name;
        void (*set)(HWND);
        bool repaints;
    };
    const Case cases[] = {
        {"text", [](HWND w) { Tarn_SetRowColText_A(w, "x"); }, true},
        {"header style", [](HWND w) { Tarn_SetRowColHeaderStyle(w, TARNRHS_CENTER); }, true},
        {"bitmap style", [](HWND w) { Tarn_SetRowColBitmapStyle(w, TARNBS_RIGHT); }, true},
        {"button down", [](HWND w) { Tarn_SetRowColHeaderButton(w, 5); }, true},
        {"button again", [](HWND w) { Tarn_SetRowColHeaderButton(w, 1); }, false},
        {"button up", [](HWND w) { Tarn_SetRowColHeaderButton(w, FALSE); }, true},
    };
    for (const Case& c : cases) {
        Validate(h);
        Validate(list);
        c.set(h);
        EXPECT_TRUE(RectIs(UpdateRect(h), c.repaints ? corner : Rect(0, 0, 0, 0))) << c.name;
        EXPECT_TRUE(IsEmpty(UpdateRect(list))) << c.name;
    }
    EXPECT_EQ(Tarn_GetRowColHeaderButton(h), FALSE);
    Tarn_SetRowColHeaderButton(h, 5);
    EXPECT_EQ(Tarn_GetRowColHeaderButton(h), TRUE) << "stored as 0 or 1";
    Tarn_SetRowColHeaderStyle(h, 0xC1);
    Tarn_SetRowColBitmapStyle(h, 7);
    EXPECT_EQ(Tarn_GetRowColHeaderStyle(h), 0xC1u) << "stored as given";
    EXPECT_EQ(Tarn_GetRowColBitmapStyle(h), 7);

    // Without a corner the same setters repaint nothing.
    Tarn_SetShowHeader(h, TARN_HEADER_NONE);
    Pump();
    for (const Case& c : cases) {
        Validate(h);
        c.set(h);
        EXPECT_TRUE(IsEmpty(UpdateRect(h))) << c.name << " without a header";
    }
}

TEST_F(RowHeadersTest, RowHeaderStyleRepaintsTheListStripAndWidthRedrawsAll)
{
    HWND h = Create(TARNS_LISTBOX);
    ASSERT_NE(h, nullptr);
    AddItems(h, 3);
    HWND list = Tarn_GetHWNDDropDown(h);
    ASSERT_NE(list, nullptr);
    Tarn_SetRowHeaderWidth(h, 30);
    Pump();

    Validate(h);
    Validate(list);
    Tarn_SetRowHeaderStyle(h, TARNRHS_RIGHT | TARNRHS_NOPRESS);
    EXPECT_EQ(Tarn_GetRowHeaderStyle(h), TARNRHS_RIGHT | TARNRHS_NOPRESS);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_TRUE(RectIs(UpdateRect(list), Rect(0, 0, 30, client.bottom)));
    RECT field;
    ASSERT_EQ(Tarn_GetItemRect(h, -1, &field), 0);
    const RECT fieldHeader = RowHeader(h, -1);
    RECT seen = UpdateRect(h);
    RECT both;
    EXPECT_TRUE(IntersectRect(&both, &seen, &fieldHeader) && EqualRect(&both, &fieldHeader))
        << "the field's own row header is repainted too";

    // Setting the same width again repaints nothing; a new width everything.
    Validate(h);
    Validate(list);
    Tarn_SetRowHeaderWidth(h, 30);
    EXPECT_TRUE(IsEmpty(UpdateRect(h)));
    EXPECT_TRUE(IsEmpty(UpdateRect(list)));
    Tarn_SetRowHeaderWidth(h, 40);
    RECT whole;
    GetClientRect(h, &whole);
    EXPECT_TRUE(RectIs(UpdateRect(h), whole));
    GetClientRect(list, &client);
    EXPECT_TRUE(RectIs(UpdateRect(list), client));
}

} // namespace
