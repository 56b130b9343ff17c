// Comparison benchmark: the system LISTBOX, the system ListView (report view)
// and TARN32 doing the same work in one run, in the same 800x600 window, with
// five columns of short texts. Every figure is printed for the three controls
// with TARN32's ratio to the better of the two system controls.
//
// Usage: tarn32_bench_compare [big-rows [seconds [groups]]]
//   big-rows  rows of the large fill, the page scroll and the destroy (1000000)
//   seconds   budget of each rate measurement with redraw on (1.5)
//   groups    which figures to run, any of p (paint), f (fills, search, scroll,
//             destroy, memory), e (adds and deletes with redraw on), c (calls),
//             s (sorting), v (virtual rows: TARN32 virtual mode, ListView
//             LVS_OWNERDATA); all by default
// The table goes to stdout, progress to stderr.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tarn32.h"

namespace {

constexpr int kColumns = 5;
constexpr int kColumnWidth = 150;
constexpr int kClientWidth = 800, kClientHeight = 600;
constexpr int kSystemControls = 2;   // LISTBOX and ListView come first in every table row
const double kNone = NAN;

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

double g_start;
char g_phase[128] = "setting up";

void Progress(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(g_phase, sizeof g_phase, format, args);
    va_end(args);
    fprintf(stderr, "[%4.0fs] %s\n", Now() - g_start, g_phase);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return kNone;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The texts of one row, "R0001234" and "c1-0001234".."c4-0001234", and the
// same five joined by tabs for the LISTBOX. Built digit by digit: formatting
// with printf would cost more than some of the calls being measured.
struct RowTexts {
    char cell[kColumns][12];
    char tabbed[64];

    void Set(int row)
    {
        char digits[8];
        for (int i = 6; i >= 0; --i, row /= 10)
            digits[i] = static_cast<char>('0' + row % 10);
        digits[7] = '\0';
        char* out = tabbed;
        for (int c = 0; c < kColumns; ++c) {
            char* p = cell[c];
            if (c == 0)
                *p++ = 'R';
            else
                *p++ = 'c', *p++ = static_cast<char>('0' + c), *p++ = '-';
            memcpy(p, digits, 8);
            const size_t n = strlen(cell[c]);
            memcpy(out, cell[c], n), out += n;
            *out++ = c + 1 < kColumns ? '\t' : '\0';
        }
    }
};

struct HeapUse {
    double bytes = 0, blocks = 0;
};

HeapUse HeapInUse()
{
    HeapUse use;
    HANDLE heaps[256];
    const DWORD n = GetProcessHeaps(256, heaps);
    for (DWORD i = 0; i < n && i < 256; ++i) {
        PROCESS_HEAP_ENTRY e = {};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                use.bytes += e.cbData, use.blocks += 1;
        HeapUnlock(heaps[i]);
    }
    return use;
}

// ---------------------------------------------------------------- the three controls

// One control under test, created to fill the parent's client area with five
// columns. Every operation reports a refusal (false, -1) instead of failing
// hard, so that a refused call shows as "n/a" in the table.
class Control {
public:
    virtual ~Control()
    {
        if (hwnd_ && IsWindow(hwnd_))
            DestroyWindow(hwnd_);
    }
    virtual const char* Name() const = 0;
    virtual bool Create(HWND parent) = 0;
    virtual bool Add(const RowTexts& t) = 0;
    virtual bool Insert(int index, const RowTexts& t) = 0;
    virtual bool Delete(int index) = 0;
    virtual int Count() = 0;
    virtual int PageRows() = 0;
    virtual bool SetTop(int top) = 0;
    virtual int Top() = 0;
    virtual int FindPrefix(const char* text) = 0;
    virtual LONG_PTR GetData(int row) = 0;
    virtual bool SetData(int row, LONG_PTR value) = 0;
    virtual LONG_PTR GetCurSel() = 0;
    virtual bool SetCurSel(int row) = 0;
    virtual LONG_PTR GetText(int row, char* buffer, int size) = 0;
    // Sorts the rows by their first column in the system locale's order;
    // false when the control cannot.
    virtual bool SortByFirstColumn() { return false; }
    // Rows kept by the application and asked for on demand; false when the
    // control has no such mode or refuses the count.
    virtual bool SetVirtualCount(int) { return false; }
    // The system controls need their background erased by a repaint; TARN32 paints every pixel itself.
    virtual UINT EraseFlag() const { return RDW_ERASE; }

    HWND hwnd() const { return hwnd_; }
    void SetRedraw(bool on) { SendMessageA(hwnd_, WM_SETREDRAW, on, 0); }
    // Destroys the window and returns how long it took.
    double Destroy()
    {
        const double t = Now();
        DestroyWindow(hwnd_);
        const double elapsed = Now() - t;
        hwnd_ = nullptr;
        Pump();
        return elapsed;
    }

protected:
    HWND Make(HWND parent, const char* cls, DWORD style)
    {
        hwnd_ = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, kClientWidth, kClientHeight, parent,
                                reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr), nullptr);
        return hwnd_;
    }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageA(hwnd_, msg, wp, lp); }
    template <typename T>
    LRESULT Send(UINT msg, WPARAM wp, const T* p)
    {
        return SendMessageA(hwnd_, msg, wp, reinterpret_cast<LPARAM>(p));
    }

    HWND hwnd_ = nullptr;
};

class ListBox final : public Control {
public:
    const char* Name() const override { return "LISTBOX"; }
    bool Create(HWND parent) override
    {
        if (!Make(parent, "LISTBOX", WS_VSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT))
            return false;
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        // Tab stops are in quarters of the font's average character width, the
        // width the list box itself derives from the alphabet.
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size = {};
        const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        GetTextExtentPoint32A(dc, alphabet, 52, &size);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        const int average = std::max(1, static_cast<int>((size.cx / 26 + 1) / 2));
        INT stops[kColumns - 1];
        for (int c = 0; c < kColumns - 1; ++c)
            stops[c] = (c + 1) * kColumnWidth * 4 / average;
        Send(LB_SETTABSTOPS, kColumns - 1, stops);
        return true;
    }
    bool Add(const RowTexts& t) override { return Send(LB_ADDSTRING, 0, t.tabbed) >= 0; }
    bool Insert(int index, const RowTexts& t) override { return Send(LB_INSERTSTRING, index, t.tabbed) >= 0; }
    bool Delete(int index) override { return Send(LB_DELETESTRING, index) >= 0; }
    int Count() override { return static_cast<int>(Send(LB_GETCOUNT)); }
    int PageRows() override
    {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        return std::max(1, static_cast<int>(rc.bottom / std::max<LRESULT>(1, Send(LB_GETITEMHEIGHT))));
    }
    bool SetTop(int top) override { return Send(LB_SETTOPINDEX, top) != LB_ERR; }
    int Top() override { return static_cast<int>(Send(LB_GETTOPINDEX)); }
    int FindPrefix(const char* text) override { return static_cast<int>(Send(LB_FINDSTRING, -1, text)); }
    LONG_PTR GetData(int row) override { return Send(LB_GETITEMDATA, row); }
    bool SetData(int row, LONG_PTR value) override { return Send(LB_SETITEMDATA, row, value) != LB_ERR; }
    LONG_PTR GetCurSel() override { return Send(LB_GETCURSEL); }
    bool SetCurSel(int row) override { return Send(LB_SETCURSEL, row) != LB_ERR; }
    LONG_PTR GetText(int row, char* buffer, int) override { return Send(LB_GETTEXT, row, buffer); }
};

class ListView final : public Control {
public:
    explicit ListView(DWORD style = 0) : style_(style) {}
    const char* Name() const override { return "ListView"; }
    bool Create(HWND parent) override
    {
        if (!Make(parent, WC_LISTVIEWA, LVS_REPORT | style_))
            return false;
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        for (int c = 0; c < kColumns; ++c) {
            char text[16];
            snprintf(text, sizeof text, "Column %d", c + 1);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = kColumnWidth, column.pszText = text, column.iSubItem = c;
            if (Send(LVM_INSERTCOLUMNA, c, &column) != c)
                return false;
        }
        return true;
    }
    bool Add(const RowTexts& t) override { return Insert(count_, t); }
    bool Insert(int index, const RowTexts& t) override
    {
        LVITEMA item = {};
        item.mask = LVIF_TEXT, item.iItem = index, item.pszText = const_cast<char*>(t.cell[0]);
        const int row = static_cast<int>(Send(LVM_INSERTITEMA, 0, &item));
        if (row < 0)
            return false;
        ++count_;
        for (int c = 1; c < kColumns; ++c) {
            item.iSubItem = c, item.pszText = const_cast<char*>(t.cell[c]);
            if (!Send(LVM_SETITEMTEXTA, row, &item))
                return false;
        }
        return true;
    }
    bool Delete(int index) override { return Send(LVM_DELETEITEM, index) ? (--count_, true) : false; }
    int Count() override { return count_ = static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    int PageRows() override { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE)); }
    // A report view scrolls by pixels; a page of rows is that many row heights.
    bool SetTop(int top) override
    {
        RECT rc = {};
        rc.left = LVIR_BOUNDS;
        if (!Send(LVM_GETITEMRECT, Top(), &rc) || rc.bottom <= rc.top)
            return false;
        return Send(LVM_SCROLL, 0, static_cast<LPARAM>(top - Top()) * (rc.bottom - rc.top)) != 0;
    }
    int Top() override { return static_cast<int>(Send(LVM_GETTOPINDEX)); }
    int FindPrefix(const char* text) override
    {
        LVFINDINFOA find = {};
        find.flags = LVFI_PARTIAL | LVFI_STRING, find.psz = text;
        return static_cast<int>(Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), &find));
    }
    LONG_PTR GetData(int row) override
    {
        LVITEMA item = {};
        item.mask = LVIF_PARAM, item.iItem = row;
        return Send(LVM_GETITEMA, 0, &item) ? item.lParam : -1;
    }
    bool SetData(int row, LONG_PTR value) override
    {
        LVITEMA item = {};
        item.mask = LVIF_PARAM, item.iItem = row, item.lParam = value;
        return Send(LVM_SETITEMA, 0, &item) != 0;
    }
    LONG_PTR GetCurSel() override { return Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED); }
    bool SetCurSel(int row) override
    {
        LVITEMA item = {};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        return Send(LVM_SETITEMSTATE, row, &item) != 0;
    }
    LONG_PTR GetText(int row, char* buffer, int size) override
    {
        LVITEMA item = {};
        item.pszText = buffer, item.cchTextMax = size;
        return Send(LVM_GETITEMTEXTA, row, &item);
    }
    // Made with LVS_OWNERDATA, the texts come from the parent's LVN_GETDISPINFO.
    bool SetVirtualCount(int rows) override
    {
        return (style_ & LVS_OWNERDATA) && Send(LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL) && Count() == rows;
    }

    // The report view keeps no texts an application callback could reach
    // cheaply, so each row's item data is its number and the callback
    // makes the texts from it, which costs little beside CompareStringA.
    bool SortByFirstColumn() override { return Send(LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(ByNumberedText)) != 0; }

private:
    static int CALLBACK ByNumberedText(LPARAM a, LPARAM b, LPARAM)
    {
        RowTexts x, y;
        x.Set(static_cast<int>(a)), y.Set(static_cast<int>(b));
        return CompareStringA(LOCALE_USER_DEFAULT, 0, x.cell[0], -1, y.cell[0], -1) - 2;
    }

    DWORD style_;
    int count_ = 0;   // appending needs the count; asking the control for it each time would add a message
};

class Tarn final : public Control {
public:
    const char* Name() const override { return "TARN32"; }
    bool Create(HWND parent) override
    {
        if (!Make(parent, TARN32_CLASS, WS_VSCROLL | TARNS_LISTBOX))
            return false;
        ColumnDef defs[kColumns];
        memset(defs, 0, sizeof defs);
        char headers[kColumns][16];
        for (int c = 0; c < kColumns; ++c) {
            snprintf(headers[c], sizeof headers[c], "Column %d", c + 1);
            defs[c].width = kColumnWidth, defs[c].position = c, defs[c].headerText = headers[c];
            defs[c].backColor = defs[c].textColor = defs[c].selBackColor = defs[c].selTextColor = TARN_COLOR_NONE;
        }
        return Tarn_SetColumns(hwnd_, kColumns, defs) != FALSE;
    }
    bool Add(const RowTexts& t) override { return Fill(Tarn_AddString_A(hwnd_, t.cell[0]), t); }
    bool Insert(int index, const RowTexts& t) override { return Fill(Tarn_InsertString_A(hwnd_, index, t.cell[0]), t); }
    bool Delete(int index) override { return Tarn_DeleteString(hwnd_, index) >= 0; }
    int Count() override { return Tarn_GetCount(hwnd_); }
    int PageRows() override { return Tarn_GetItemsShown(hwnd_); }
    bool SetTop(int top) override { return Tarn_SetTopIndex(hwnd_, top) == 0; }
    int Top() override { return Tarn_GetTopIndex(hwnd_); }
    int FindPrefix(const char* text) override { return Tarn_FindString_A(hwnd_, -1, 0, text, FALSE); }
    LONG_PTR GetData(int row) override { return Tarn_GetItemData(hwnd_, row); }
    bool SetData(int row, LONG_PTR value) override { return Tarn_SetItemData(hwnd_, row, value) == 0; }
    LONG_PTR GetCurSel() override { return Tarn_GetCurSel(hwnd_); }
    bool SetCurSel(int row) override { return Tarn_SetCurSel(hwnd_, row) == 0; }
    LONG_PTR GetText(int row, char* buffer, int) override { return Tarn_GetText_A(hwnd_, row, 0, buffer); }
    UINT EraseFlag() const override { return 0; }
    bool SortByFirstColumn() override { return Tarn_SortItems(hwnd_, -1, 0, nullptr) != FALSE; }
    bool SetVirtualCount(int rows) override
    {
        return Tarn_VirtualInitialize(hwnd_, Lend, GiveBack, 0) && Tarn_VirtualCount(hwnd_, rows) && Count() == rows;
    }

private:
    // One record serves every row: the control holds at most one at a time.
    static void CALLBACK Lend(HWND, LPARAM, int index, TarnItem** item)
    {
        static RowTexts row;
        static char* texts[kColumns];
        static TarnItem record;
        row.Set(index);
        for (int c = 0; c < kColumns; ++c)
            texts[c] = row.cell[c];
        record.texts = texts;
        record.flags = TARNIF_ENABLED;
        *item = &record;
    }
    static void CALLBACK GiveBack(HWND, LPARAM, int, TarnItem*) {}

    bool Fill(int row, const RowTexts& t)
    {
        for (int c = 1; row >= 0 && c < kColumns; ++c)
            if (!Tarn_SetText_A(hwnd_, row, c, t.cell[c]))
                return false;
        return row >= 0;
    }
};

// ---------------------------------------------------------------- the table

enum class Kind { Time, Rate, Bytes, Blocks, Nanos, SelfRatio, Info };

struct Figure {
    std::string name;
    Kind kind;
    double value[3] = {kNone, kNone, kNone};   // LISTBOX, ListView, TARN32
    double target = kNone;                     // SelfRatio: TARN32's value should not exceed it
};

std::vector<Figure> g_figures;
RECT g_client;
std::vector<std::string> g_notes;

Figure& Fig(const char* name, Kind kind, double target = kNone)
{
    for (Figure& f : g_figures)
        if (f.name == name)
            return f;
    g_figures.push_back({name, kind});
    g_figures.back().target = target;
    return g_figures.back();
}

void Note(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (std::find(g_notes.begin(), g_notes.end(), text) == g_notes.end())
        g_notes.push_back(text);
}

const char* Unit(Kind kind)
{
    switch (kind) {
    case Kind::Time: return "ms";
    case Kind::Rate: return "rows/s";
    case Kind::Bytes: return "B/row";
    case Kind::Blocks: return "blk/row";
    case Kind::Nanos: return "ns";
    case Kind::SelfRatio: return "x";
    default: return "";
    }
}

std::string Value(double v, Kind kind)
{
    char text[32];
    if (std::isnan(v))
        return "n/a";
    if (kind == Kind::Rate || kind == Kind::Nanos || kind == Kind::Info || (kind == Kind::Time && v >= 1000))
        snprintf(text, sizeof text, "%.0f", v);
    else if (kind == Kind::Time && v < 1)
        snprintf(text, sizeof text, "%.3f", v);
    else
        snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// TARN32 against the better system control, worded so that the direction is plain.
std::string Verdict(const Figure& f)
{
    char text[64];
    const double mine = f.value[2];
    if (f.kind == Kind::Info)
        return "";
    if (f.kind == Kind::SelfRatio) {
        if (std::isnan(mine) || std::isnan(f.target))
            return std::isnan(mine) ? "n/a" : "";
        snprintf(text, sizeof text, "target <= %.1f: %s", f.target, mine <= f.target ? "met" : "MISSED");
        return text;
    }
    const bool higherBetter = f.kind == Kind::Rate;
    double best = kNone;
    for (int i = 0; i < kSystemControls; ++i)
        if (!std::isnan(f.value[i]) && (std::isnan(best) || (higherBetter ? f.value[i] > best : f.value[i] < best)))
            best = f.value[i];
    if (std::isnan(mine) || std::isnan(best) || best <= 0 || mine <= 0)
        return "n/a";
    const double ratio = mine / best;
    const double factor = ratio >= 1 ? ratio : 1 / ratio;
    const bool better = higherBetter ? ratio >= 1 : ratio <= 1;
    const char* word = f.kind == Kind::Bytes || f.kind == Kind::Blocks ? (better ? "smaller" : "larger")
                                                                       : (better ? "faster" : "slower");
    snprintf(text, sizeof text, "%6.2f  %s %.1fx %s", ratio, higherBetter ? "(higher=better)" : "(lower=better) ",
             factor, word);
    return text;
}

void PrintTable()
{
    std::stable_sort(g_figures.begin(), g_figures.end(), [](const Figure& a, const Figure& b) {
        return a.name.substr(a.name[0] == '#') < b.name.substr(b.name[0] == '#');
    });
    printf("Controls: %ldx%ld client, 5 columns of %d px, rows \"R0001234\" + 4 x \"c1-0001234\", DEFAULT_GUI_FONT.\n",
           g_client.right, g_client.bottom, kColumnWidth);
    printf("LISTBOX: one tabbed string per row (LBS_USETABSTOPS). ListView: LVS_REPORT, LVM_INSERTITEM + 4 x "
           "LVM_SETITEMTEXT.\nTARN32: type 0 with WS_VSCROLL, Tarn_AddString_A + 4 x Tarn_SetText_A. No control gets "
           "storage reserved in advance\n(no LB_INITSTORAGE, no LVM_SETITEMCOUNT). Times are medians of several "
           "rounds where a round is short.\n");
    printf("\n%-50s %-7s %10s %10s %10s  %s\n", "figure", "unit", "LISTBOX", "ListView", "TARN32",
           "TARN32/best system control");
    printf("%s\n", std::string(125, '-').c_str());
    for (const Figure& f : g_figures) {
        if (f.name[0] == '#') {   // a section heading
            printf("%s\n", f.name.c_str() + 1);
            continue;
        }
        printf("%-50s %-7s %10s %10s %10s  %s\n", f.name.c_str(), Unit(f.kind), Value(f.value[0], f.kind).c_str(),
               Value(f.value[1], f.kind).c_str(), Value(f.value[2], f.kind).c_str(), Verdict(f).c_str());
    }
    printf("%s\n", std::string(125, '-').c_str());
    for (const std::string& n : g_notes)
        printf("note: %s\n", n.c_str());
    printf("total run time %.0f s\n", Now() - g_start);
    fflush(stdout);
}

// ---------------------------------------------------------------- the work

HWND g_parent;
int g_bigRows = 1000000;
double g_budget = 1.5;

// 1234567 as "1,234,567", for row counts in figure names.
std::string Thousands(int n)
{
    std::string digits = std::to_string(n), out;
    for (size_t i = 0; i < digits.size(); ++i)
        out += (i && (digits.size() - i) % 3 == 0 ? "," : "") + digits.substr(i, 1);
    return out;
}

std::unique_ptr<Control> MakeControl(int which)
{
    if (which == 0)
        return std::make_unique<ListBox>();
    if (which == 1)
        return std::make_unique<ListView>();
    return std::make_unique<Tarn>();
}

// A control with `rows` rows added with redraw off, shown and painted, or
// NULL when the control refused its creation or a row.
std::unique_ptr<Control> Filled(int which, int rows)
{
    std::unique_ptr<Control> ctl = MakeControl(which);
    if (!ctl->Create(g_parent)) {
        Note("%s: the control could not be created with five columns", ctl->Name());
        return nullptr;
    }
    ctl->SetRedraw(false);
    RowTexts t;
    for (int r = 0; r < rows; ++r)
        if (t.Set(r), !ctl->Add(t)) {
            Note("%s: adding row %d was refused", ctl->Name(), r);
            return nullptr;
        }
    ctl->SetRedraw(true);
    UpdateWindow(ctl->hwnd());
    Pump();
    return ctl;
}

// Sends WM_PRINT to the control and, because Wine's default processing does
// not carry PRF_CHILDREN down, to each visible child at its own offset and
// clipped to it, as Windows does for a control that leaves WM_PRINT to the
// default processing. Each window gets the DC as it was: an EDIT leaves its
// clip region behind, which would cut the next child's print short.
void PrintTree(HWND hwnd, HDC dc, UINT flags)
{
    const int saved = SaveDC(dc);
    SendMessageA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~PRF_CHILDREN);
    RestoreDC(dc, saved);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rc;
        GetWindowRect(child, &rc);
        const int childSaved = SaveDC(dc);
        OffsetViewportOrgEx(dc, rc.left - outer.left, rc.top - outer.top, nullptr);
        IntersectClipRect(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
        PrintTree(child, dc, flags);
        RestoreDC(dc, childSaved);
    }
}

class Dib {
public:
    Dib(int width, int height) : width_(width), height_(height), count_(width * height)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof bi.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<DWORD*>(bits);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Dib() { SelectObject(dc_, old_), DeleteObject(bitmap_), DeleteDC(dc_); }
    HDC dc() const { return dc_; }
    void Fill(DWORD pixel)
    {
        GdiFlush();
        std::fill(bits_, bits_ + count_, pixel);
    }
    // Writes the pixels as a 32-bit BMP, to look at what a print painted.
    void Save(const char* path) const
    {
        GdiFlush();
        BITMAPINFOHEADER info = {sizeof info, width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const DWORD bytes = static_cast<DWORD>(count_) * 4;
        BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof info + bytes), 0, 0,
                                 static_cast<DWORD>(sizeof file + sizeof info)};
        if (FILE* f = fopen(path, "wb")) {
            fwrite(&file, sizeof file, 1, f), fwrite(&info, sizeof info, 1, f), fwrite(bits_, bytes, 1, f);
            fclose(f);
        }
    }
    double Share(DWORD pixel) const
    {
        GdiFlush();
        return static_cast<double>(std::count(bits_, bits_ + count_, pixel)) / count_;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_;
    int width_, height_, count_;
};

// Median milliseconds of one call of fn, over rounds of `per` calls after a warm-up call.
template <typename Fn>
double MedianMs(int rounds, int per, Fn fn)
{
    fn();
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const double t = Now();
        for (int i = 0; i < per; ++i)
            fn();
        times.push_back((Now() - t) * 1000 / per);
    }
    return Median(times);
}

void PaintFigures(int which)
{
    const UINT kPrint = PRF_CLIENT | PRF_CHILDREN | PRF_NONCLIENT | PRF_ERASEBKGND;
    Dib dib(kClientWidth, kClientHeight);
    for (int rows : {1000, 0}) {
        std::unique_ptr<Control> ctl = Filled(which, rows);
        if (!ctl)
            return;
        HWND hwnd = ctl->hwnd();
        if (rows)
            Fig("0  rows shown in the page", Kind::Info).value[which] = ctl->PageRows();
        Fig("#1. full page paint", Kind::Info);
        // A colour no control paints, so that a print leaving part of the page out shows.
        dib.Fill(0x00FF00FF);
        PrintTree(hwnd, dib.dc(), kPrint);
        const double covered = 100 * (1 - dib.Share(0x00FF00FF));
        if (const char* dir = getenv("TARN32_BENCH_SNAPSHOTS")) {   // what the timed prints paint, for a look
            char path[MAX_PATH];
            snprintf(path, sizeof path, "%s\\%s-%d.bmp", dir, ctl->Name(), rows);
            dib.Save(path);
        }
        if (covered < 99.5)
            Note("%s: WM_PRINT of the %s control painted %.1f%% of its 800x600 pixels", ctl->Name(),
                 rows ? "full" : "empty", covered);
        const double print = MedianMs(9, 5, [&] { PrintTree(hwnd, dib.dc(), kPrint); });
        const double redraw = MedianMs(9, 5, [&] {
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | ctl->EraseFlag());
            UpdateWindow(hwnd);
        });
        if (rows) {
            Fig("1a WM_PRINT into a DIB (children too)", Kind::Time).value[which] = print;
            Fig("1b RedrawWindow + UpdateWindow", Kind::Time).value[which] = redraw;
            Fig("1c own RedrawWindow / own WM_PRINT", Kind::SelfRatio, 1.3).value[which] = redraw / print;
            if (which == 2) {
                Tarn_SetShowTruncated(hwnd, FALSE);
                Fig("1d TARN32 WM_PRINT, no truncation marks", Kind::Time).value[which] =
                    MedianMs(9, 5, [&] { PrintTree(hwnd, dib.dc(), kPrint); });
            }
        } else {
            Fig("1e WM_PRINT of an empty control", Kind::Time).value[which] = print;
            Fig("1f RedrawWindow of an empty control", Kind::Time).value[which] = redraw;
        }
    }
}

// Adds `rows` rows with redraw off and times the whole (redraw on and the
// paint included) and the first and last 100,000 rows. Gives up after `cap`
// seconds. total is NaN when a row was refused or the cap was reached.
struct FillTimes {
    double total = kNone, first = kNone, last = kNone;
    int added = 0;
};

FillTimes TimedFill(Control& ctl, int rows, double cap)
{
    FillTimes out;
    const int chunk = std::min(100000, rows);
    RowTexts t;
    const double start = Now();
    double chunkStart = start;
    ctl.SetRedraw(false);
    for (; out.added < rows; ++out.added) {
        if (out.added % chunk == 0) {
            const double now = Now();
            if (out.added)
                out.last = (now - chunkStart) * 1000, out.first = std::isnan(out.first) ? out.last : out.first;
            chunkStart = now;
            if (now - start > cap) {
                Note("%s: stopped adding after %.0f s at %d rows (the last 100,000 took %.0f ms)", ctl.Name(),
                     now - start, out.added, out.last);
                out.last = kNone;
                break;
            }
        }
        if (t.Set(out.added), !ctl.Add(t)) {
            Note("%s: adding row %d was refused", ctl.Name(), out.added);
            out.first = out.last = kNone;
            break;
        }
    }
    const bool complete = out.added == rows;
    if (complete)
        out.last = (Now() - chunkStart) * 1000, out.first = std::isnan(out.first) ? out.last : out.first;
    ctl.SetRedraw(true);
    UpdateWindow(ctl.hwnd());
    if (complete)
        out.total = (Now() - start) * 1000;
    Pump();
    return out;
}

bool g_abandoned = false;

// Hides a control whose destroy would not fit the run and leaves it to the
// end of the process, which frees it without destroying it row by row.
void Abandon(std::unique_ptr<Control> ctl)
{
    ShowWindow(ctl->hwnd(), SW_HIDE);
    (void)ctl.release();
    g_abandoned = true;
}

constexpr int kSmallRows = 100000;
constexpr double kFillCap = 60;   // seconds any one fill may take
double g_smallDestroyMs[3] = {kNone, kNone, kNone};

// 100,000 rows: the fill, the heap it takes, a search near the end, the destroy.
void SmallFillFigures(int which)
{
    std::unique_ptr<Control> ctl = MakeControl(which);
    Progress("%s: adding 100000 rows, memory, search", ctl->Name());
    if (!ctl->Create(g_parent))
        return Note("%s: the control could not be created with five columns", ctl->Name());
    Pump();
    const HeapUse before = HeapInUse();
    const FillTimes fill = TimedFill(*ctl, kSmallRows, kFillCap);
    Fig("#2. add rows with redraw off (SETREDRAW off, on, UpdateWindow)", Kind::Info);
    Fig("2a add 100,000 rows", Kind::Time).value[which] = fill.total;
    if (std::isnan(fill.total))
        return Abandon(std::move(ctl));
    const HeapUse after = HeapInUse();
    Fig("#8. memory: process heaps in use after 100,000 rows minus before", Kind::Info);
    Fig("8a heap bytes per row", Kind::Bytes).value[which] = (after.bytes - before.bytes) / kSmallRows;
    Fig("8b heap blocks per row", Kind::Blocks).value[which] = (after.blocks - before.blocks) / kSmallRows;
    const char* prefix = "R0099990";   // the row 10 from the end
    int found = -1;
    const double find = MedianMs(9, 1, [&] { found = ctl->FindPrefix(prefix); });
    Fig("#6. prefix search near the end of 100,000 rows", Kind::Info);
    Fig("6a find \"R0099990\" from the top", Kind::Time).value[which] = found == 99990 ? find : kNone;
    if (found != 99990)
        Note("%s: the prefix search found row %d instead of 99990", ctl->Name(), found);
    Fig("#7. destroy", Kind::Info);
    Fig("7a DestroyWindow after 100,000 rows", Kind::Time).value[which] = g_smallDestroyMs[which] =
        ctl->Destroy() * 1000;
}

// The large fill, page steps through it and its destroy.
void BigFillFigures(int which)
{
    char name[64];
    std::unique_ptr<Control> ctl = MakeControl(which);
    Progress("%s: adding %d rows", ctl->Name(), g_bigRows);
    if (!ctl->Create(g_parent))
        return;
    Pump();
    const FillTimes fill = TimedFill(*ctl, g_bigRows, kFillCap);
    const std::string big = Thousands(g_bigRows);
    snprintf(name, sizeof name, "2b add %s rows", big.c_str());
    Fig(name, Kind::Time).value[which] = fill.total;
    Fig("2c   first 100,000 of them", Kind::Time).value[which] = fill.first;
    Fig("2d   last 100,000 of them", Kind::Time).value[which] = fill.last;
    Fig("2e   own last / own first", Kind::SelfRatio, 1.0).value[which] = fill.last / fill.first;
    if (std::isnan(fill.total))
        return Abandon(std::move(ctl));

    // Page steps at the start, in the middle and at the end, each painted.
    Progress("%s: page steps, destroy", ctl->Name());
    Fig("#5. scroll by pages, UpdateWindow after each step", Kind::Info);
    const int page = ctl->PageRows(), count = ctl->Count(), steps = 40;
    const char* zones[] = {"5a one page down at the start", "5b one page down in the middle",
                           "5c one page down at the end"};
    bool paged = true;
    for (int z = 0; z < 3; ++z) {
        const int from = z == 0 ? 0 : z == 1 ? count / 2 : count - (steps + 2) * page;
        std::vector<double> times;
        paged = paged && ctl->SetTop(from);
        UpdateWindow(ctl->hwnd());
        Pump();
        for (int s = 0; s < steps && paged; ++s) {
            const int top = ctl->Top();
            const double t = Now();
            const bool ok = ctl->SetTop(top + page);
            UpdateWindow(ctl->hwnd());
            times.push_back((Now() - t) * 1000);
            paged = ok && ctl->Top() == top + page;
        }
        Pump();
        snprintf(name, sizeof name, "%s of %s rows", zones[z], big.c_str());
        Fig(name, Kind::Time).value[which] = paged ? Median(times) : kNone;
    }
    if (!paged)
        Note("%s: a page step did not move the top row by the %d rows of a page", ctl->Name(), page);

    // A destroy that grows with the square of the rows would not fit the run.
    const double scale = static_cast<double>(g_bigRows) / kSmallRows;
    snprintf(name, sizeof name, "7b DestroyWindow after %s rows", big.c_str());
    if (!(g_smallDestroyMs[which] * scale * scale / 1000 < kFillCap)) {
        Fig(name, Kind::Time);
        Note("%s: DestroyWindow after %s rows not timed: after 100,000 it took %.0f ms; growing with the square "
             "of the rows (x%.0f) it would not fit the run", ctl->Name(), big.c_str(), g_smallDestroyMs[which],
             scale * scale);
        return Abandon(std::move(ctl));
    }
    Fig(name, Kind::Time).value[which] = ctl->Destroy() * 1000;
}

// Virtual rows: the page print, jumps and page steps cost the same for 100
// rows as for 100,000,000 when nothing is done per row. LISTBOX has no such
// mode with texts (LBS_NODATA is owner-drawn without strings).
constexpr int kVirtualBig = 100000000;

// Fastest round of each body, the bodies taking turns round by round, so that
// a machine busy by spells slows all of them alike. Each round of a body
// starts with its untimed setup. NaN for a body that once returned false.
struct Turn {
    std::function<void()> setup;
    std::function<bool()> body;
};

std::vector<double> FastestInTurns(const std::vector<Turn>& turns, int per)
{
    std::vector<double> best(turns.size(), kNone);
    std::vector<bool> ok(turns.size(), true);
    for (int round = 0; round < 10; ++round)
        for (size_t b = 0; b < turns.size(); ++b) {
            turns[b].setup();
            const double t = Now();
            for (int i = 0; i < per; ++i)
                ok[b] = turns[b].body() && ok[b];
            const double ms = (Now() - t) * 1000 / per;
            if (round > 0)   // the first round warms up
                best[b] = std::isnan(best[b]) || ms < best[b] ? ms : best[b];
        }
    for (size_t b = 0; b < turns.size(); ++b)
        best[b] = ok[b] ? best[b] : kNone;
    return best;
}

void VirtualFigures(int which)
{
    if (which == 0)
        return;
    const UINT kPrint = PRF_CLIENT | PRF_CHILDREN | PRF_NONCLIENT | PRF_ERASEBKGND;
    Dib dib(kClientWidth, kClientHeight);
    Fig("#v. virtual rows (TARN32 virtual mode, ListView LVS_OWNERDATA), painted", Kind::Info);
    Note("virtual rows: the texts are made as they are asked for, the same for both controls; times are the fastest "
         "of several rounds, the figures compared taking turns");
    // A control of 100 rows and one of 100,000,000 side by side in time: the
    // one measured is the one shown.
    std::unique_ptr<Control> ctls[2];
    double countMs = kNone;
    for (int k = 0; k < 2; ++k) {
        ctls[k] = which == 1 ? std::unique_ptr<Control>(new ListView(LVS_OWNERDATA)) : MakeControl(2);
        const int rows = k ? kVirtualBig : 100;
        if (!ctls[k]->Create(g_parent))
            return Note("%s: the control could not be created with five columns", ctls[k]->Name());
        const double start = Now();
        if (!ctls[k]->SetVirtualCount(rows))
            return Note("%s: a virtual count of %d rows was refused (it reports %d)", ctls[k]->Name(), rows,
                        ctls[k]->Count());
        UpdateWindow(ctls[k]->hwnd());
        countMs = (Now() - start) * 1000;
        ShowWindow(ctls[k]->hwnd(), SW_HIDE);
        Pump();
    }
    Control &small = *ctls[0], &big = *ctls[1];
    const int page = big.PageRows(), middle = kVirtualBig / 2, end = kVirtualBig - page;
    // Shows ctl alone at top, painted.
    auto showAt = [&](Control& ctl, int top) {
        return [&, top] {
            ShowWindow((&ctl == &small ? big : small).hwnd(), SW_HIDE);
            ShowWindow(ctl.hwnd(), SW_SHOW);
            ctl.SetTop(top);
            UpdateWindow(ctl.hwnd());
            Pump();
        };
    };
    auto print = [&](Control& ctl, int top) {
        return Turn{showAt(ctl, top), [&ctl, &dib, top, kPrint] {
                        PrintTree(ctl.hwnd(), dib.dc(), kPrint);
                        return ctl.Top() == top;
                    }};
    };
    // Back and forth between two tops, each step painted.
    auto steps = [&](Control& ctl, int a, int b) {
        return Turn{showAt(ctl, a), [&ctl, a, b, i = 0]() mutable {
                        const int target = i++ % 2 ? a : b;
                        return ctl.SetTop(target) && (UpdateWindow(ctl.hwnd()), ctl.Top() == target);
                    }};
    };
    const std::vector<double> prints = FastestInTurns({print(small, 0), print(big, 0), print(big, end)}, 5);
    const std::vector<double> moves = FastestInTurns({steps(small, 0, page), steps(big, 0, page), steps(big, 0, middle),
                                                      steps(big, 0, end), steps(big, middle, middle + page)}, 4);
    Fig("va WM_PRINT, first page of 100 rows", Kind::Time).value[which] = prints[0];
    Fig("vb WM_PRINT, first page of 100,000,000 rows", Kind::Time).value[which] = prints[1];
    Fig("vc WM_PRINT, last page of 100,000,000 rows", Kind::Time).value[which] = prints[2];
    Fig("vd own print 100,000,000 / 100 rows (worse end)", Kind::SelfRatio, 1.3).value[which] =
        std::max(prints[1], prints[2]) / prints[0];
    Fig("ve page down and up at the top of 100 rows", Kind::Time).value[which] = moves[0];
    Fig("vf page down and up at the top of 100,000,000", Kind::Time).value[which] = moves[1];
    Fig("vg own page step 100,000,000 / 100 rows", Kind::SelfRatio, 1.3).value[which] = moves[1] / moves[0];
    Fig("vh jump top <-> middle of 100,000,000 rows", Kind::Time).value[which] = moves[2];
    Fig("vi jump top <-> last page of 100,000,000 rows", Kind::Time).value[which] = moves[3];
    Fig("vj page down and up in the middle of 100,000,000", Kind::Time).value[which] = moves[4];
    Fig("vk set a count of 100,000,000, painted", Kind::Time).value[which] = countMs;
    // How far each goes: the largest counts, and a jump to their last page.
    for (int probe : {1000000000, INT_MAX}) {
        const bool accepted = big.SetVirtualCount(probe);
        const int last = probe - big.PageRows();
        const bool jumped = accepted && big.SetTop(last) && (UpdateWindow(big.hwnd()), big.Top() == last);
        Note("%s: a virtual count of %s rows is %s; a jump to its last page %s%s", big.Name(), Thousands(probe).c_str(),
             accepted ? "accepted" : "refused", jumped ? "works" : "fails",
             which == 1 ? " (LVM_SCROLL takes pixels, which a jump past about 100,000,000 rows overflows)" : "");
    }
}

// Rows per second added with redraw on to a shown control that holds a page
// and a bit: no messages pumped in the loop, one UpdateWindow at the end.
void AddFigures(int which)
{
    const int cap = 50000;
    Fig("#3. add rows with redraw on to a shown control of 50 rows", Kind::Info);
    for (int atTop : {0, 1}) {
        std::unique_ptr<Control> ctl = Filled(which, 50);
        if (!ctl)
            return;
        RowTexts t;
        int added = 0;
        const double start = Now();
        for (; added < cap && Now() - start < g_budget; ++added) {
            t.Set(50 + added);
            if (!(atTop ? ctl->Insert(0, t) : ctl->Add(t)))
                break;
        }
        UpdateWindow(ctl->hwnd());
        const double elapsed = Now() - start;
        const bool ok = added > 0 && ctl->Count() == 50 + added;
        Fig(atTop ? "3b insert at index 0" : "3a append below the page", Kind::Rate).value[which] =
            ok ? added / elapsed : kNone;
        if (!ok)
            Note("%s: a row added with redraw on was refused", ctl->Name());
    }
}

// Rows per second deleted one by one at the top of 2,000 rows with redraw
// on, up to 1,000 of them or the time budget, UpdateWindow at the end.
void DeleteFigures(int which)
{
    std::unique_ptr<Control> ctl = Filled(which, 2000);
    if (!ctl)
        return;
    int deleted = 0;
    bool ok = true;
    const double start = Now();
    for (; ok && deleted < 1000 && Now() - start < g_budget; ++deleted)
        ok = ctl->Delete(0);
    UpdateWindow(ctl->hwnd());
    const double elapsed = Now() - start;
    ok = ok && ctl->Count() == 2000 - deleted;
    if (!ok)
        Note("%s: a delete was refused", ctl->Name());
    Fig("#4. delete rows one by one at the top of 2,000 rows, redraw on", Kind::Info);
    Fig("4a delete (up to 1,000 rows or the time budget)", Kind::Rate).value[which] = ok ? deleted / elapsed : kNone;
}

volatile LONG_PTR g_sink;   // keeps the calls from being optimised away

template <typename Fn>
double NanosPerCall(Fn fn)
{
    const int per = 40000;
    return MedianMs(5, per, [&] {
               static int i;
               g_sink = fn(i++ % 100);
           }) * 1e6;
}

// What one call costs: the handle check and pin of every TARN32 call against
// a message to a system control.
void CallFigures(int which)
{
    std::unique_ptr<Control> ctl = Filled(which, 100);
    if (!ctl)
        return;
    for (int r = 0; r < 100; ++r)
        ctl->SetData(r, r);
    ctl->SetCurSel(5);
    char buffer[64];
    Fig("#9. one call", Kind::Info);
    Fig("9a item data of a row", Kind::Nanos).value[which] = NanosPerCall([&](int i) { return ctl->GetData(i); });
    Fig("9b current selection", Kind::Nanos).value[which] = NanosPerCall([&](int) { return ctl->GetCurSel(); });
    Fig("9c text of a row (first column)", Kind::Nanos).value[which] =
        NanosPerCall([&](int i) { return ctl->GetText(i, buffer, sizeof buffer); });
    if (which == 2) {
        HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, g_parent, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        Fig("9d Tarn_GetCount on a BUTTON (refused)", Kind::Nanos).value[2] =
            NanosPerCall([&](int) { return Tarn_GetCount(button); });
        Fig("9e Tarn_GetCount on NULL (refused)", Kind::Nanos).value[2] =
            NanosPerCall([&](int) { return Tarn_GetCount(nullptr); });
        DestroyWindow(button);
    }
}

// Sorting 100,000 and the large count of rows added in scattered order, by
// their first column in the locale's order, with the repaint: TARN32's
// built-in comparison against the ListView's LVM_SORTITEMS with a callback
// comparing the same texts (not at the large count, where its fill alone
// takes minutes). The LISTBOX sorts only as rows are added (LBS_SORT).
void SortFigures(int which)
{
    Fig("#s. sort rows added in scattered order by the first column (CompareStringA)", Kind::Info);
    for (int rows : {kSmallRows, std::min(g_bigRows, 1000000)}) {
        std::unique_ptr<Control> ctl = MakeControl(which);
        if (which == 0 || (which == 1 && rows > kSmallRows) || !ctl->Create(g_parent))
            return;
        Progress("%s: sorting %d rows", ctl->Name(), rows);
        RowTexts t;
        ctl->SetRedraw(false);
        bool ok = true;
        for (int r = 0; ok && r < rows; ++r) {   // 48271 is prime: every row once
            const int number = static_cast<int>(static_cast<long long>(r) * 48271 % rows);
            ok = (t.Set(number), ctl->Add(t)) && ctl->SetData(r, number);
        }
        ctl->SetRedraw(true);
        UpdateWindow(ctl->hwnd());
        Pump();
        const double start = Now();
        ok = ok && ctl->SortByFirstColumn();
        UpdateWindow(ctl->hwnd());
        const double elapsed = (Now() - start) * 1000;
        char first[16] = "", last[16] = "", name[64];
        ctl->GetText(0, first, sizeof first), ctl->GetText(rows - 1, last, sizeof last);
        t.Set(rows - 1);
        ok = ok && !strcmp(first, "R0000000") && !strcmp(last, t.cell[0]);
        if (!ok)
            Note("%s: sorting %d rows failed or gave the wrong order", ctl->Name(), rows);
        snprintf(name, sizeof name, "s%c sort %s rows", rows == kSmallRows ? 'a' : 'b', Thousands(rows).c_str());
        Fig(name, Kind::Time).value[which] = ok ? elapsed : kNone;
    }
}

// What one scroll bar update with redraw costs on this display, for reading
// the rates with redraw on: every control updates its bar on each add.
double ScrollBarRedrawMs()
{
    HWND bare = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 200, 200, g_parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    int i = 0;
    const double ms = MedianMs(5, 10, [&] {
        SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 1000 + i, 40, i % 50, 0};
        SetScrollInfo(bare, SB_VERT, &si, TRUE);
        ++i;
    });
    DestroyWindow(bare);
    return ms;
}

// The ListView's quickest route: an application that keeps nothing per row
// declines the one notification per row on a delete of all rows.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lp)->code == LVN_DELETEALLITEMS)
        return TRUE;
    // The texts of an LVS_OWNERDATA ListView, made on demand like TARN32's virtual rows.
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lp)->code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lp)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0 && item.iSubItem < kColumns) {
            RowTexts t;
            t.Set(item.iItem);
            lstrcpynA(item.pszText, t.cell[item.iSubItem], item.cchTextMax);
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// A control that crashes still leaves the figures measured so far.
LONG WINAPI OnCrash(EXCEPTION_POINTERS* info)
{
    Note("the run stopped: exception 0x%08lX while \"%s\"", info->ExceptionRecord->ExceptionCode, g_phase);
    PrintTable();
    ExitProcess(3);
}

HWND MakeParent()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarnBenchParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT rc = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&rc, style, FALSE);
    HWND parent = CreateWindowExA(0, wc.lpszClassName, "TARN32 comparison benchmark", style, 0, 0, rc.right - rc.left,
                                  rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(parent, SW_SHOWNORMAL);
    UpdateWindow(parent);
    Pump();
    return parent;
}

} // namespace

int main(int argc, char** argv)
{
    g_start = Now();
    SetUnhandledExceptionFilter(OnCrash);
    // The large fill is whole chunks of 100,000 rows, at least two, to compare its first with its last.
    if (argc > 1 && atoi(argv[1]) > 0)
        g_bigRows = std::max(2, (atoi(argv[1]) + 99999) / 100000) * 100000;
    if (argc > 2 && atof(argv[2]) > 0)
        g_budget = std::max(0.1, atof(argv[2]));
    // ListView lives in comctl32, which the library itself never loads.
    if (HMODULE comctl = LoadLibraryA("comctl32.dll")) {
        auto init = reinterpret_cast<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
            reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
        if (init)
            init(&icc);
    }
    g_parent = MakeParent();
    GetClientRect(g_parent, &g_client);

    // Large heap blocks live outside the heap's arenas on some systems; make
    // sure the heap walk counts them, or the memory figures would flatter
    // whichever control keeps its rows in one big array.
    {
        const HeapUse before = HeapInUse();
        void* big = HeapAlloc(GetProcessHeap(), 0, 8 << 20);
        const HeapUse after = HeapInUse();
        HeapFree(GetProcessHeap(), 0, big);
        if (after.bytes - before.bytes < (8 << 20))
            Note("the heap walk does not see an 8 MB block: memory figures miss large arrays");
    }

    const std::string groups = argc > 3 ? argv[3] : "pfecsv";
    for (int which = 0; which < 3; ++which)
        if (groups.find('p') != std::string::npos) {
            Progress("%s: paint", MakeControl(which)->Name());
            PaintFigures(which);
        }
    for (int which = 0; which < 3; ++which)
        if (groups.find('f') != std::string::npos)
            SmallFillFigures(which);
    for (int which = 0; which < 3; ++which)
        if (groups.find('f') != std::string::npos)
            BigFillFigures(which);
    for (int which = 0; which < 3; ++which)
        if (groups.find('e') != std::string::npos) {
            Progress("%s: add and delete with redraw on", MakeControl(which)->Name());
            AddFigures(which);
            DeleteFigures(which);
        }
    for (int which = 0; which < 3; ++which)
        if (groups.find('c') != std::string::npos) {
            Progress("%s: single calls", MakeControl(which)->Name());
            CallFigures(which);
        }
    for (int which = 1; which < 3; ++which)
        if (groups.find('s') != std::string::npos)
            SortFigures(which);
    for (int which = 1; which < 3; ++which)
        if (groups.find('v') != std::string::npos) {
            Progress("%s: virtual rows", MakeControl(which)->Name());
            VirtualFigures(which);
        }
    Progress("scroll bar floor");
    if (groups.find('e') != std::string::npos)
        Note("a scroll bar redraw (SetScrollInfo with redraw, bare window) costs %.2f ms here; adds and deletes "
             "with redraw on pay it", ScrollBarRedrawMs());
    if (!g_abandoned)
        DestroyWindow(g_parent);

    PrintTable();
    return 0;
}
