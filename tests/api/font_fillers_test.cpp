// The font list fillers against the fonts EnumFontFamiliesA reports on this
// machine: the sorted block of faces with their types and marks, the sizes and
// styles of every face, and the marks' lifetime.
#include <algorithm>
#include <map>
#include <set>

#include "support/control_fixture.h"

struct FontFace { DWORD type = 0; BYTE pitch = 0; std::set<std::pair<int, bool>> styles; std::set<int> sizes; };
using FontFaces = std::map<std::string, FontFace>;
using FontRows = std::vector<std::pair<std::string, LPARAM>>;   // column-0 text and data0
// Raster sizes are measured at the screen's resolution, weights rounded to 100s.
static int CALLBACK Collect(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD type, LPARAM faces)
{
    static const int dpi = [] { HDC dc = GetDC(nullptr); const int d = GetDeviceCaps(dc, LOGPIXELSY); return ReleaseDC(nullptr, dc), d; }();
    FontFace& f = (*reinterpret_cast<FontFaces*>(faces))[lf->lfFaceName];
    f.type = type, f.pitch = lf->lfPitchAndFamily, f.styles.insert({std::clamp((lf->lfWeight + 49) / 100, 1L, 9L), lf->lfItalic != 0});
    return f.sizes.insert(MulDiv(tm->tmHeight - tm->tmInternalLeading, 72, dpi)), 1;
}
static FontFaces Enumerate(const char* face = nullptr) { FontFaces f; HDC dc = GetDC(nullptr); EnumFontFamiliesA(dc, face, Collect, LPARAM(&f)); return ReleaseDC(nullptr, dc), f; }
static DWORD Kind(DWORD type) { return type & TRUETYPE_FONTTYPE ? TARNFONT_TRUETYPE : type & RASTER_FONTTYPE ? TARNFONT_RASTER : TARNFONT_VECTOR; }
static std::string Res(UINT id) { char t[512] = ""; return LoadStringA(GetModuleHandleA("TARN32.dll"), id, t, 512), t; }
static FontRows Read(HWND h, FontRows rows = {}) {
    for (CellInfo ci = {}; (ci.version = TARN_CELLINFO_VERSION, ci.row < Tarn_GetCount(h)) && Tarn_GetCellInfo(h, &ci); ++ci.row)
        rows.push_back({std::string(Tarn_GetTextLength(h, ci.row, 0), ' '), ci.data0}), Tarn_GetText_A(h, ci.row, 0, rows.back().first.data());
    return rows;
}

TEST_F(ControlTest, FontFillersFollowTheMachinesFonts)
{
    for (UINT flags : {7u, 4u, 1u | 2u | 8u, 2u | 16u, 1u | 4u | 8u}) {
        FontRows expected = {{"Item 0", 0}};
        for (const auto& [name, f] : Enumerate()) if ((flags & (f.pitch & 1 ? TARNFONT_FIXEDPITCH : TARNFONT_VARIABLEPITCH)) && (flags & Kind(f.type))) expected.push_back({name, f.type});
        std::sort(expected.begin() + 1, expected.end(), [](auto& a, auto& b) { return lstrcmpA(a.first.c_str(), b.first.c_str()) < 0; });
        HWND h = (expected.push_back({"Item 1", 0}), Create(TARNS_DROPDOWN, 2));
        // Bad indices first; the marks: every TrueType face shows the first one's,
        // loaded once, also for the block a second call puts before the first.
        EXPECT_TRUE(Tarn_Fonts(h, -2, TRUE, nullptr, flags) == -1 && Tarn_Fonts(h, 2, TRUE, nullptr, flags) == -1 &&
                    Tarn_Fonts(h, 1, TRUE, nullptr, flags) == std::max(int(expected.size()) - 2, 1) && Read(h) == expected) << flags;
        const int tt = int(std::find_if(expected.begin(), expected.end(), [](auto& r) { return r.second & TRUETYPE_FONTTYPE; }) - expected.begin());
        for (int row = 0; row < int(expected.size()); ++row) EXPECT_EQ(Tarn_GetItemBitmap(h, row), expected[row].second & TRUETYPE_FONTTYPE ? Tarn_GetItemBitmap(h, tt) : nullptr);
        EXPECT_TRUE(Tarn_GetShowBitmaps(h) && (tt == int(expected.size()) || (Tarn_GetItemBitmap(h, tt) && Tarn_Fonts(h, -1, TRUE, nullptr, flags) >= 0 &&
                    Tarn_GetItemBitmap(h, tt - 1) == Tarn_GetItemBitmap(h, tt + int(expected.size()) - 2))));
        if (flags == 11 && expected.size() == 2) printf("No raster face on this machine: merged raster sizes and styles go unchecked.\n");
    }
    // The first controls of each type leave caches behind in Wine; the last
    // round of four must not leave its eight marks.
    const auto round = [&] { for (DWORD type : kAllTypes) [](HWND h) { Tarn_Fonts(h, -1, TRUE, nullptr, 7), Tarn_Fonts(h, -1, TRUE, nullptr, 7), DestroyWindow(h); }(Create(type)); };
    const int gdi = (round(), round(), GdiCapacity());
    EXPECT_LT((round(), gdi - GdiCapacity()), 4) << "the marks outlive their control";

    // Scalable faces get the table of their kind, raster sizes merge after the
    // row already there; styles come in weight order, upright first, named from
    // the list given, or from the module's where those names differ.
    const std::string names = Res(32620), suffix = Res(32621), normal = names.substr(0, names.find(',')), bold = names.substr(names.rfind(',') + 1);
    for (const auto& [name, f] : Enumerate()) {
        FontFace one = Enumerate(name.c_str())[name];
        if (Kind(f.type) != TARNFONT_RASTER) one.sizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
        if (Kind(f.type) == TARNFONT_VECTOR) one.sizes.insert(6), one.styles = {{4, false}, {4, true}, {7, false}, {7, true}};
        FontRows sizes = Kind(f.type) == TARNFONT_RASTER ? FontRows{{"Item 0", 0}} : FontRows{}, styles;
        for (int size : one.sizes) sizes.push_back({std::to_string(size), size});
        const char* list = std::all_of(one.styles.begin(), one.styles.end(), [](auto s) { return s.first == 4 || s.first == 7; }) ? nullptr : "1,2,3,4,5,6,7,8,9";
        for (auto [w, i] : one.styles) styles.push_back({(list ? std::to_string(w) : w < 5 ? normal : bold) + (i ? list ? "i" : suffix : ""), w * 100 | (i ? TARNFONT_ITALICKEY : 0)});
        HWND h = Create(TARNS_LISTBOX, 1);
        EXPECT_TRUE(Tarn_FontSizes_A(h, nullptr, name.c_str()) && Tarn_FontSizes_A(h, nullptr, name.c_str()) && Read(h) == sizes) << name;
        EXPECT_TRUE((Tarn_ResetContent(h), !Tarn_FontStyles_A(h, nullptr, name.c_str(), "", nullptr)) && !Tarn_FontStyles_A(h, nullptr, name.c_str(), nullptr, "") &&
                    Tarn_FontStyles_A(h, nullptr, name.c_str(), list, list ? "i" : nullptr) && Tarn_FontStyles_A(h, nullptr, name.c_str(), list, list ? "i" : nullptr) && Read(h) == styles) << name;
    }
}
