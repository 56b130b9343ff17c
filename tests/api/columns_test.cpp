// The column set and the fonts of the control's parts, on real control windows.
#include "support/control_fixture.h"

namespace {

class ColumnsTest : public ControlTest {};

// The edit field follows the first column in display order that is not
// hidden: multi-line when it wraps; a new set makes a new field, one only.
TEST_F(ColumnsTest, NewColumnsRebuildTheEditFieldForTheFirstVisibleColumn)
{
    auto edit = [](HWND h) { return FindWindowExA(h, nullptr, TARN32_EDIT_CLASS, nullptr); };
    auto multiLine = [&](HWND h) { return (GetWindowLongA(edit(h), GWL_STYLE) & ES_MULTILINE) != 0; };
    const struct { std::vector<ColumnDef> columns; bool multiLine; } sets[] = {
        {{Column(0, TARNCF_WORDWRAP), Column(80)}, false},
        {{Column(0), Column(80, TARNCF_WORDWRAP)}, true},
        {{Column(40, TARNCF_WORDWRAP, 1), Column(80, 0, 0)}, false},
        {{Column(40, TARNCF_WORDWRAP, 0), Column(80, 0, 1)}, true}};
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        for (const auto& set : sets) {
            HWND before = edit(h);
            ASSERT_TRUE(SetColumns(h, set.columns));
            EXPECT_EQ(Tarn_GetHWNDEdit(h), edit(h));
            if (type >= TARNS_DROPDOWNLIST) {
                EXPECT_EQ(edit(h), nullptr);
                continue;
            }
            EXPECT_TRUE(edit(h) && !IsWindow(before) && !FindWindowExA(h, edit(h), TARN32_EDIT_CLASS, nullptr));
            EXPECT_EQ(multiLine(h), set.multiLine) << "type " << type;
        }
    }
}

TEST_F(ColumnsTest, ColumnCountOfAFilledControlCannotChangeAndHeadersGoWithTheSet)
{
    for (DWORD type : kAllTypes) {
        HWND h = Create(type);
        ColumnDef named = Column(30);
        named.headerText = "Name";
        ASSERT_TRUE(SetColumns(h, {named, Column(40), Column(50)}));
        char buf[16];
        EXPECT_EQ(Tarn_GetHeader_A(h, 0, buf, 3), 2);
        EXPECT_STREQ(buf, "Na");
        EXPECT_TRUE(Tarn_SetHeader_A(h, 1, "Quantity") && Tarn_GetHeaderLength(h, 1) == 8);
        EXPECT_TRUE(Tarn_SetHeaderButton(h, 2) && Tarn_GetHeaderButton(h) == 2);
        ASSERT_TRUE(SetColumns(h, {Column(30), Column(40)}));
        EXPECT_EQ(Tarn_GetHeaderButton(h), -1) << "the pressed column is gone";
        AddItems(h, 2);
        EXPECT_FALSE(SetColumns(h, {Column(30)}) || Tarn_SetColumns(h, 0, nullptr));
        EXPECT_TRUE(SetColumns(h, {Column(30), Column(90)}));
        ColumnDef* cols = nullptr;
        EXPECT_TRUE(Tarn_GetColumns(h, &cols) == 2 && cols[1].width == 90);
        Tarn_ResetContent(h);   // an emptied control takes any count again
        EXPECT_TRUE(Tarn_SetColumns(h, 0, nullptr) && Tarn_GetColumns(h, nullptr) == 1);
        EXPECT_TRUE(Codes().empty()) << "type " << type;
    }
}

// The part fonts are the control font until set, are only borrowed, and a
// new control font replaces the edit field's.
TEST_F(ColumnsTest, PartFontsAreBorrowedAndTheEditFieldFollowsTheControlFont)
{
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfHeight = lf.lfHeight < 0 ? lf.lfHeight * 2 : -24;
    HFONT big = CreateFontIndirectA(&lf), other = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    const std::pair<void(WINAPI*)(HWND, HFONT, BOOL), HFONT(WINAPI*)(HWND)> parts[] = {
        {Tarn_SetColHeaderFont, Tarn_GetColHeaderFont}, {Tarn_SetEditCtlFont, Tarn_GetEditCtlFont},
        {Tarn_SetRowHeaderFont, Tarn_GetRowHeaderFont}};
    for (DWORD type : kAllTypes) {
        HWND h = Create(type), edit = Tarn_GetHWNDEdit(h);
        for (auto [set, get] : parts) {
            EXPECT_EQ(get(h), ControlFont(h));
            set(h, big, TRUE);
            EXPECT_EQ(get(h), big);
        }
        EXPECT_TRUE(ControlFont(h) != big && (!edit || ControlFont(edit) == big)) << "type " << type;
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(other), FALSE);
        EXPECT_TRUE(Tarn_GetEditCtlFont(h) == other && (!edit || ControlFont(edit) == other)) << "type " << type;
        DestroyWindow(h);
    }
    EXPECT_EQ(GetObjectA(big, sizeof lf, &lf), static_cast<int>(sizeof lf)) << "the control deleted the font";
    DeleteObject(big);
}

} // namespace
