// Row headers and the corner cell through the exported functions on real
// control windows: widths, rectangles, the corner's text and bitmap, and what
// each setter repaints.
#include <windows.h>

#include <cstring>

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

// Rectangles read into poisoned records.
RECT Band(HWND h)
{
    RECT rc = {-7, -7, -7, -7};
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

RECT ItemRect(HWND h, int index)
{
    RECT rc = {};
    EXPECT_EQ(Tarn_GetItemRect(h, index, &rc), 0) << "row " << index;
    return rc;
}

RECT Client(HWND h)
{
    RECT rc = {};
    GetClientRect(h, &rc);
    return rc;
}

class RowHeadersTest : public ControlTest {
protected:
    // A type-0 control with three rows and a 30-pixel strip, every window validated.
    HWND ListWithStrip()
    {
        HWND h = Create(TARNS_LISTBOX);
        AddItems(h, 3);
        Tarn_SetRowHeaderWidth(h, 30);
        Pump();
        return h;
    }
};

TEST_F(RowHeadersTest, WidthSetsStripAndCornerAndTheCornerBitmapRaisesTheHeader)
{
    for (DWORD type : kAllTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        HWND h = Create(type);
        Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
        EXPECT_EQ(Corner(h), kEmpty);
        const LONG plain = Band(h).bottom;
        ASSERT_GT(plain, 0);

        // The header band starts right of the corner; negative widths are refused.
        Tarn_SetRowHeaderWidth(h, 30);
        Tarn_SetRowHeaderWidth(h, -5);
        EXPECT_EQ(Tarn_GetRowHeaderWidth(h), 30);
        EXPECT_EQ(Band(h).left, 30);
        EXPECT_EQ(Corner(h), (RECT{0, 0, 30, plain}));

        // A corner bitmap taller than the header raises it (and the field
        // below it) only while a row header is shown.
        HBITMAP tall = CreateBitmap(8, plain + 5, 1, 1, nullptr);
        Tarn_SetRowColBitmap(h, tall);
        EXPECT_EQ(Tarn_GetRowColBitmap(h), tall);
        EXPECT_EQ(Band(h).bottom, plain + 8);
        EXPECT_EQ(Corner(h).bottom, plain + 8);
        const RECT field = ItemRect(h, -1);
        EXPECT_EQ(field.top, plain + 8);
        EXPECT_EQ(RowHeader(h, -1), (RECT{0, field.top, 30, field.bottom}));
        Tarn_SetRowHeaderWidth(h, 0);
        EXPECT_EQ(Band(h), (RECT{0, 0, Band(h).right, plain}));
        EXPECT_EQ(Corner(h), kEmpty);
        EXPECT_EQ(RowHeader(h, -1), kEmpty);

        // Cleared, or a handle GDI cannot describe: the plain height again.
        Tarn_SetRowHeaderWidth(h, 24);
        Tarn_SetRowColBitmap(h, nullptr);
        EXPECT_EQ(Band(h).bottom, plain);
        Tarn_SetRowColBitmap(h, reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x4321)));
        EXPECT_EQ(Tarn_GetRowColBitmap(h), nullptr);
        EXPECT_EQ(Band(h).bottom, plain);

        // Without a column header there is no corner either.
        Tarn_SetShowHeader(h, TARN_HEADER_NONE);
        EXPECT_EQ(Corner(h), kEmpty);
        DestroyWindow(h);
        DeleteObject(tall);
    }
}

TEST_F(RowHeadersTest, CornerTextIsCopiedAndReadBackIntoPoisonedBuffers)
{
    HWND h = Create(TARNS_DROPDOWN);
    char buf[16];
    auto read = [&](int cch) {
        memset(buf, 'X', sizeof buf);
        return Tarn_GetRowColText_A(h, buf, cch);
    };
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
    EXPECT_EQ(read(0), 0);
    EXPECT_EQ(buf[0], 'X') << "a buffer of no characters is not touched";
    EXPECT_EQ(Tarn_GetRowColText_A(h, nullptr, 10), 0);

    ASSERT_TRUE(Tarn_SetRowColText_A(h, nullptr));
    EXPECT_EQ(Tarn_GetRowColTextLength(h), 0);
    EXPECT_EQ(read(sizeof buf), 0);
    EXPECT_STREQ(buf, "");
}

TEST_F(RowHeadersTest, RowHeaderRectanglesFollowTheRowsAndRefuseBadIndexes)
{
    HWND h = Create(TARNS_LISTBOX, 1, 200, 150);
    AddItems(h, 40);
    EXPECT_EQ(RowHeader(h, 0), kEmpty) << "no row header without a width";
    Tarn_SetRowHeaderWidth(h, 25);
    for (int row : {-1, 0, 2}) {
        const RECT item = ItemRect(h, row);
        EXPECT_EQ(RowHeader(h, row), (RECT{0, item.top, 25, item.bottom})) << "row " << row;
    }
    // A row out of view has no item rectangle: its header spans the list.
    RECT hidden;
    ASSERT_NE(Tarn_GetItemRect(h, 39, &hidden), 0);
    EXPECT_EQ(RowHeader(h, 39), (RECT{0, 0, 25, Client(Tarn_GetHWNDDropDown(h)).bottom}));
    EXPECT_EQ(RowHeader(h, 40), kEmpty);
    EXPECT_EQ(RowHeader(h, -2), kEmpty);
    Tarn_GetRowHeaderRect(h, 0, nullptr);   // must not crash
}

TEST_F(RowHeadersTest, CornerSettersRepaintTheCornerOnly)
{
    HWND h = ListWithStrip();
    HWND list = Tarn_GetHWNDDropDown(h);
    Tarn_SetShowHeader(h, TARN_HEADER_BUTTONS);
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
        EXPECT_EQ(UpdateRect(h), c.repaints ? corner : kEmpty) << c.name;
        EXPECT_EQ(UpdateRect(list), kEmpty) << c.name;
    }
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
        EXPECT_EQ(UpdateRect(h), kEmpty) << c.name << " without a header";
    }
}

TEST_F(RowHeadersTest, RowHeaderStyleRepaintsTheListStripAndWidthRedrawsAll)
{
    HWND h = ListWithStrip();
    HWND list = Tarn_GetHWNDDropDown(h);
    Validate(h);
    Validate(list);
    Tarn_SetRowHeaderStyle(h, TARNRHS_RIGHT | TARNRHS_NOPRESS);
    EXPECT_EQ(Tarn_GetRowHeaderStyle(h), TARNRHS_RIGHT | TARNRHS_NOPRESS);
    EXPECT_EQ(UpdateRect(list), (RECT{0, 0, 30, Client(list).bottom}));
    // The field's own row header is repainted too.
    const RECT fieldHeader = RowHeader(h, -1), seen = UpdateRect(h);
    RECT both;
    EXPECT_TRUE(IntersectRect(&both, &seen, &fieldHeader) && both == fieldHeader) << seen;

    // Setting the same width again repaints nothing; a new width everything.
    Validate(h);
    Validate(list);
    Tarn_SetRowHeaderWidth(h, 30);
    EXPECT_EQ(UpdateRect(h), kEmpty);
    EXPECT_EQ(UpdateRect(list), kEmpty);
    Tarn_SetRowHeaderWidth(h, 40);
    EXPECT_EQ(UpdateRect(h), Client(h));
    EXPECT_EQ(UpdateRect(list), Client(list));
}

} // namespace
