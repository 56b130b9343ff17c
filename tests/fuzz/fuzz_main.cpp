// Model-based fuzzer of the control.
//
// A seeded random run of exported calls and window messages over all four
// control types. After every step the control must hold what a plain model
// says (rows, texts, levels, item data, column count, a selection inside the
// rows), a sentinel control nothing touches must be unchanged and every heap
// of the process must validate. The parent window and the delete callback
// now and then act inside a call (reset, delete a row, add a row, select, or
// destroy the control and create another in its place); the interleaving is
// then unknown, so that step checks the invariants only and the model is read
// back from the control. A failure, a crash or a hang prints the seed, the
// step, the last calls and the command line that replays it.
//
//   tarn32_fuzz [--seed N | --seeds A-B] [--steps M] [--calm | --no-reentry | --no-bad-handles] [--trace]
//
// --calm leaves out both the actions inside calls and the handles that are no
// live control; --trace prints every call as it is made.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tarn32.h"

namespace {

struct Row {
    std::vector<std::string> texts;   // a NULL text reads back as ""
    int level = 0;
    LPARAM data = 0;
};

struct Model {
    int columns = 1;
    std::vector<Row> rows;
};

std::mt19937 g_rng;   // reseeded for each seed, so that a seed replays its run
HWND g_parent, g_ctl, g_sentinel, g_handles[5];   // NULL, a destroyed control, BUTTON, EDIT, the parent
Model g_model, g_sentinelModel;
bool g_reentry = true, g_badHandles = true, g_print;
bool g_callback;     // the current control has the delete callback
bool g_reentered;    // the parent or the callback acted during this step
bool g_acting;       // ... and is acting now
bool g_dying;        // the current control is being destroyed by the fuzzer
int g_deletes;       // delete callback calls during this step
unsigned g_seed;
volatile LONG g_step, g_traced;
char g_trail[20][200];
std::string g_flags;
HBITMAP g_bitmaps[5];   // NULL, two bitmaps, a brush, a deleted bitmap
HFONT g_fonts[4];       // three fonts that come and go, and NULL
HDC g_printDc;

int Below(int n) { return n > 0 ? static_cast<int>(g_rng() % unsigned(n)) : 0; }
bool Chance(int percent) { return Below(100) < percent; }

void Trace(const char* format, ...)
{
    char* line = g_trail[g_traced % 20];
    va_list args;
    va_start(args, format);
    vsnprintf(line + snprintf(line, 20, "%ld: ", g_step), 180, format, args);
    va_end(args);
    std::replace_if(line, line + strlen(line), [](char ch) { return ch == '\r' || ch == '\n'; }, '|');   // one line per call
    InterlockedIncrement(&g_traced), g_print && printf("%s\n", line);
}

[[noreturn]] void Fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    printf("FAIL seed=%u step=%ld: ", g_seed, g_step);
    vprintf(format, args);
    va_end(args);
    printf("\nlast calls, oldest first:\n");
    for (LONG i = std::max<LONG>(0, g_traced - 20); i < g_traced; ++i)
        printf("  %s\n", g_trail[i % 20]);
    printf("replay: tarn32_fuzz.exe --seed %u --steps %ld%s\n", g_seed, g_step, g_flags.c_str()), fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 1);   // nothing more may run on a heap that may be corrupt
    ExitProcess(1);
}

#define CHECK(cond, ...) do { if (!(cond)) Fail(__VA_ARGS__); } while (0)

void Expect(INT_PTR got, INT_PTR want) { CHECK(got == want, "returned %lld, the model says %lld", (long long)got, (long long)want); }

// First-chance, since an exception in a window procedure may be swallowed on
// its way back through the system: the code, and the faulting frame and its
// callers as module+offset.
LONG CALLBACK OnException(EXCEPTION_POINTERS* e)
{
    void* frames[32];
    std::string where;
    for (int i = 0, n = RtlCaptureStackBackTrace(0, 32, frames, nullptr), shown = 0; i < n && shown < 8 && frames[i]; ++i) {
        HMODULE m;
        char name[MAX_PATH], line[MAX_PATH + 24];
        if ((shown += shown || frames[i] == e->ExceptionRecord->ExceptionAddress) && GetModuleHandleExA(6, (char*)frames[i], &m) &&
            GetModuleFileNameA(m, name, MAX_PATH))   // 6: by address, no reference
            snprintf(line, sizeof line, " %s+%#llx", strrchr(name, '\\') + 1, 0ull + ((char*)frames[i] - (char*)m)), where += line;
    }
    CHECK((e->ExceptionRecord->ExceptionCode >> 30) != 3, "exception %#lx at%s", e->ExceptionRecord->ExceptionCode, where.c_str());
    return EXCEPTION_CONTINUE_SEARCH;
}

DWORD WINAPI Watchdog(void*)
{
    for (LONG seen = -1, idle = 0;; Sleep(1000), idle = g_traced == seen ? idle + 1 : 0, seen = g_traced)
        CHECK(idle < 60, "no call for a minute: hung");
}


// A row or column index, a fifth of them out of range.
int Index(int n)
{
    const int odd[] = {-1, -2, INT_MIN, INT_MAX, 1 << 16, n, n + 1};
    return n > 0 && Below(5) ? Below(n) : odd[Below(n ? 7 : 5)];
}

COLORREF Color() { return Below(3) ? RGB(Below(256), 0, 99) : Below(2) ? TARN_COLOR_NONE : TARN_SYSCOLOR(Below(40)); }

// NULL, empty, short (prefixes that searches find), thousands of chars, line breaks.
const char* Text(std::string& s)
{
    const int k = Below(12), length = 1000 + Below(4000);
    s = k == 1 ? "" : k == 2 ? std::string(length, 'a' + k) : k == 3 ? "one\r\ntwo\nthree\r" : char('A' + Below(4)) + std::to_string(Below(30));
    return k ? s.c_str() : nullptr;
}

const char* Str(const char* t) { return t ? t : "NULL"; }

// What the control holds, checking on the way what must always hold: a
// getter writes exactly its length plus a terminator, levels stay in 0..63.
Model ReadModel(HWND h)
{
    Model m;
    m.columns = Tarn_GetColumns(h, nullptr);
    const int count = Tarn_GetCount(h), sel = Tarn_GetCurSel(h);
    CHECK(m.columns >= 1 && m.columns <= 40 && count >= 0 && sel >= -1 && sel < count, "%d columns, %d rows, row %d selected",
          m.columns, count, sel);
    for (int r = 0; r < count; ++r) {
        m.rows.push_back(Row{{}, Tarn_GetItemLevel(h, r), Tarn_GetItemData(h, r)});
        CHECK(m.rows[r].level >= 0 && m.rows[r].level <= TARN_MAX_ITEM_LEVEL, "row %d: level %d", r, m.rows[r].level);
        for (int c = 0; c < m.columns; ++c) {
            const int n = Tarn_GetTextLength(h, r, c);
            std::string text(std::max(n, 0) + 8, '\x5A');
            const int got = Tarn_GetText_A(h, r, c, &text[0]);
            CHECK(n >= 0 && got == n && strlen(text.c_str()) == size_t(n) && text.find_first_not_of('\x5A', n + 1) == std::string::npos,
                  "row %d column %d: length %d, the getter returned %d or wrote past the text", r, c, n, got);
            m.rows[r].texts.push_back(text.substr(0, n));
        }
    }
    return m;
}

void Compare(HWND h, const Model& want, const char* which)
{
    const Model got = ReadModel(h);
    CHECK(got.columns == want.columns && got.rows.size() == want.rows.size(), "%s: %d columns and %u rows, the model has %d and %u",
          which, got.columns, unsigned(got.rows.size()), want.columns, unsigned(want.rows.size()));
    for (size_t r = 0; r < want.rows.size(); ++r) {
        const Row &a = got.rows[r], &b = want.rows[r];
        CHECK(a.level == b.level && a.data == b.data, "%s row %u: level %d, data %lld; the model has %d, %lld", which, unsigned(r),
              a.level, (long long)a.data, b.level, (long long)b.data);
        for (int c = 0; c < want.columns; ++c)
            CHECK(a.texts[c] == b.texts[c], "%s row %u column %d reads \"%.60s\" (%u chars), the model has \"%.60s\" (%u chars)", which,
                  unsigned(r), c, a.texts[c].c_str(), unsigned(a.texts[c].size()), b.texts[c].c_str(), unsigned(b.texts[c].size()));
    }
}

void CheckAll()
{
    CHECK(IsWindow(g_ctl) && IsWindow(g_sentinel), "a control window is gone");
    if (g_reentered)
        g_model = ReadModel(g_ctl);
    else
        Compare(g_ctl, g_model, "control");
    Compare(g_sentinel, g_sentinelModel, "sentinel");
    CHECK(Tarn_GetCurSel(g_sentinel) == 2, "the sentinel's selection moved to %d", Tarn_GetCurSel(g_sentinel));
    HANDLE heaps[64];
    for (DWORD i = 0, n = GetProcessHeaps(64, heaps); i < n && i < 64; ++i)
        CHECK(HeapValidate(heaps[i], 0, nullptr), "heap %lu of %lu is corrupt", i, n);
}

void CALLBACK OnDelete(HWND hwnd, int index, LPARAM, LPARAM);

void SetDeleteCallback(HWND h, bool on)
{
    const TarnDeleteCallbackInfo info = {OnDelete, 0};
    Trace("Tarn_SetDeleteCallback(%s)", on ? "OnDelete" : "NULL");
    Expect(Tarn_SetDeleteCallback(h, on ? &info : nullptr), TRUE);
    g_callback = on;
}

HWND NewControl()
{
    // Any type, with or without the scroll bars, variable heights, edit and keep-position styles.
    const DWORD style = WS_CHILD | WS_VISIBLE | (g_rng() & (WS_VSCROLL | WS_HSCROLL | TARNS_VARIABLEHEIGHT | 0x7033));
    Trace("create a control, style %#lx", style);
    HWND h = CreateWindowExA(0, TARN32_CLASS, "", style, 10, 10, 40 + Below(300), 20 + Below(250), g_parent, HMENU(1), nullptr, nullptr);
    CHECK(h, "a control of style %#lx could not be created", style);
    g_model = Model();
    SetDeleteCallback(h, Below(2));
    return h;
}

// The parent and the delete callback act now and then inside a call.
void React(HWND hwnd, const char* where, int code)
{
    if (!g_reentry || g_acting || !Chance(5))
        return;
    g_acting = g_reentered = true;
    const int n = Tarn_GetCount(hwnd), k = Below(hwnd == g_ctl && !g_dying ? 5 : 4);
    static const char* const what[] = {"reset", "delete a row", "add a row", "select", "destroy and recreate"};
    Trace("  %s %d: %s", where, code, what[k]);
    k == 0 ? (Tarn_ResetContent(hwnd), 0) : k == 1 ? Tarn_DeleteString(hwnd, Below(n + 1)) : k == 2 ? Tarn_AddString_A(hwnd, "added inside")
        : k == 3 ? Tarn_SetCurSel(hwnd, Below(n + 1) - 1) : DestroyWindow(hwnd) && (g_ctl = NewControl());
    g_acting = false;
}

void CALLBACK OnDelete(HWND hwnd, int index, LPARAM, LPARAM)
{
    ++g_deletes;
    React(hwnd, "delete callback, row", index);
}

LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && lp && reinterpret_cast<HWND>(lp) == g_ctl)
        React(g_ctl, "parent, notification", HIWORD(wp));
    return msg == WM_CONTEXTMENU ? 0 : DefWindowProcA(w, msg, wp, lp);   // a system menu would wait for a user
}

void Pump()
{
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
        TranslateMessage(&msg), DispatchMessageA(&msg);
}

// The setters taking the control and one value: display options, scrolling, drop-down sizes.
template <typename R, typename A>
void Call(R(WINAPI* f)(HWND, A), HWND h, int v) { f(h, static_cast<A>(v)); }
#define SETTER(f) {#f, [](HWND h, int v) { Call(f, h, v); }}
const struct { const char* name; void (*call)(HWND, int); } kSetters[] = {
    SETTER(Tarn_SetSelectionStyle), SETTER(Tarn_SetShow3D), SETTER(Tarn_SetShowGrid), SETTER(Tarn_SetGridStyle), SETTER(Tarn_SetShowHeader),
    SETTER(Tarn_SetShowRowHeader), SETTER(Tarn_SetShowTreeLines), SETTER(Tarn_SetShowTruncated), SETTER(Tarn_SetRowHeaderWidth),
    SETTER(Tarn_SetRowHeaderStyle), SETTER(Tarn_SetOpenEnded), SETTER(Tarn_SetDisableNoScroll), SETTER(Tarn_SetRowColBitmapStyle),
    SETTER(Tarn_SetDropDownPosition), SETTER(Tarn_SetHeaderButton), SETTER(Tarn_SetItemLines), SETTER(Tarn_SetDroppedHeight),
    SETTER(Tarn_SetDroppedWidth), SETTER(Tarn_SetTopIndex), SETTER(Tarn_MakeRowVisible), SETTER(Tarn_MakeColumnVisible),
    SETTER(Tarn_SetHorizontalExtent), SETTER(Tarn_SetHorizontalOffset), SETTER(Tarn_LimitText)};

// With a handle that is no live control every export returns its failure value.
void BadHandleCall()
{
    static const char* const kinds[] = {"NULL", "destroyed control", "BUTTON", "EDIT", "parent", "list window", "edit field"};
    static const char* const names[] = {"Tarn_GetCount", "Tarn_AddString_A", "Tarn_DeleteString(0)", "Tarn_GetText_A(0, 0)",
                                        "Tarn_SetCurSel(0)", "Tarn_SetColumns(0)", "Tarn_MoveItem(0, 1)", "Tarn_ResetContent"};
    const int kind = Below(7), k = Below(8);
    HWND bad = kind < 5 ? g_handles[kind] : kind == 5 ? Tarn_GetHWNDDropDown(g_ctl) : Tarn_GetHWNDEdit(g_ctl);
    char buffer[8] = "x";
    INT_PTR text;
    Trace("bad handle %p (%s): %s", (void*)bad, kinds[kind], names[k]);
    Expect(k == 0 ? Tarn_GetCount(bad) : k == 1 ? Tarn_AddString_A(bad, "x") : k == 2 ? Tarn_DeleteString(bad, 0)
           : k == 3 ? (text = Tarn_GetText_A(bad, 0, 0, buffer), buffer[0] == 'x' ? text : 0)   // the buffer is untouched
           : k == 4 ? Tarn_SetCurSel(bad, 0) : k == 5 ? Tarn_SetColumns(bad, 0, nullptr) - 1 /* FALSE */
           : k == 6 ? Tarn_MoveItem(bad, 0, 1) : (Tarn_ResetContent(bad), -1), -1);
}

// Texts are searched from the row after start, to the end or round to start;
// starting after the last row, every row is searched even without wrap.
int ModelFind(int start, int c, const char* t, bool wrap, bool exact)
{
    const int n = static_cast<int>(g_model.rows.size());
    const int tested = (start >= 0 && wrap) || start == n - 1 ? n : n - 1 - start;
    for (int k = 1; n && start >= -1 && start < n && c >= 0 && c < g_model.columns && k <= tested; ++k) {
        const char* text = g_model.rows[(start + k) % n].texts[c].c_str();
        if (exact ? !_stricmp(text, t) : !_strnicmp(text, t, strlen(t)))
            return (start + k) % n;
    }
    return -1;
}

// Refused: a negative count, no definitions, a negative width, no visible
// column, or a new count while rows are stored. Count 0 is one default column.
void ColumnsStep(HWND h)
{
    const int count = Chance(3) ? -1 : Chance(70) ? Below(5) : Below(41), size = std::max(count, 1), shift = Below(size);
    std::vector<ColumnDef> defs(size);
    std::vector<std::string> headers(size);
    bool visible = false, negative = false;
    for (int i = 0; i < size; ++i) {
        ColumnDef& d = defs[i];
        d.width = Chance(4) ? -1 - Below(3) : Chance(15) ? 0 : Below(150);
        d.backColor = Color(), d.format = g_rng() & 0x807, d.headerText = Text(headers[i]), d.hbmHeader = g_bitmaps[Below(5)];
        d.position = Chance(90) ? (i + shift) % size : Below(size + 2) - 1;   // mostly a permutation
        visible |= d.width > 0, negative |= d.width < 0;
    }
    const bool none = count > 0 && Chance(5);
    Trace("Tarn_SetColumns(%d, %s), widths %s", count, none ? "NULL" : "defs", negative ? "with a negative one" : visible ? "fine" : "all 0");
    const BOOL got = Tarn_SetColumns(h, count, none ? nullptr : defs.data());
    const bool ok = count >= 0 && (size == g_model.columns || g_model.rows.empty()) && (count == 0 || (!none && visible && !negative));
    if (!g_reentered)
        Expect(got, ok), g_model.columns = ok ? size : g_model.columns;
}

void MessageStep(HWND h, int kind)
{
    HWND edit = Tarn_GetHWNDEdit(h), list = Tarn_GetHWNDDropDown(h), targets[] = {h, edit ? edit : h, list ? list : h};
    HWND target = targets[Below(3)];
    RECT rc;
    GetClientRect(target, &rc);
    const int x = Below(rc.right + 20) - 10, y = Below(rc.bottom + 20) - 10, on = Chance(75), k = Below(5);
    static const WPARAM keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_RIGHT, VK_F4, VK_RETURN, VK_ESCAPE, VK_DELETE, 'A'};
    static const UINT mouse[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE, WM_MOUSEWHEEL};
    const WPARAM key = keys[Below(std::size(keys))], ch = "aAbB1c\r\b"[Below(8)];
    const UINT button = mouse[Below(std::size(mouse))];
    // Wine's single-line edit without ES_AUTOHSCROLL writes before its buffer
    // when a key edits a text wider than the field; its context menu would
    // wait for a user.
    if (target == edit && (kind == 0 ? !(GetWindowLongA(edit, GWL_STYLE) & (ES_AUTOHSCROLL | ES_MULTILINE)) : button == WM_RBUTTONUP))
        target = h;
    if (kind == 0) {
        Trace("WM_KEYDOWN %#x, WM_CHAR %#x to %p", unsigned(key), unsigned(ch), (void*)target);
        SendMessageA(target, WM_KEYDOWN, key, 1), SendMessageA(target, WM_CHAR, ch, 1);
    } else if (kind == 1) {
        Trace("mouse %#x at %d,%d to %p, then WM_LBUTTONUP", button, x, y, (void*)target);
        SendMessageA(target, button, button == WM_MOUSEWHEEL ? MAKEWPARAM(0, 120 * (Below(5) - 2)) : MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(x + Below(30), y));
    } else if (kind == 2) {
        Trace("SetWindowPos size %d,%d, WM_PRINT to %p", on ? x + 10 : 0, y + 10, (void*)target);   // down to 0x0
        SetWindowPos(h, nullptr, 0, 0, on ? x + 10 : 0, y + 10, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageA(target, WM_PRINT, WPARAM(g_printDc), PRF_CLIENT | PRF_NONCLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    } else if (kind == 3) {
        Trace("scroll code %d to the list, %s %d", x & 7, k == 0 ? "WM_SETREDRAW" : k == 1 ? "ShowWindow" : k == 2 ? "EnableWindow" : "SetFocus", on);
        SendMessageA(list ? list : h, on ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(x & 7, y), 0);
        k == 0 ? SendMessageA(h, WM_SETREDRAW, on, 0) : k == 1 ? ShowWindow(h, on ? SW_SHOW : SW_HIDE)
            : k == 2 ? EnableWindow(h, on || Below(2)) : LRESULT(SetFocus(on ? target : g_parent));
        PostMessageA(h, TARNM_CLOSEDROPDOWN, 0, 0);
    } else {   // fonts, created and deleted while in use
        HFONT& font = g_fonts[Below(4)];
        Trace("%s %p", k == 0 && font ? "delete and create font" : "WM_SETFONT", (void*)font);
        if (k == 0 && font)
            DeleteObject(font), font = CreateFontA(-4 - Below(30), 0, 0, 0, on ? FW_BOLD : 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
        else
            SendMessageA(h, WM_SETFONT, WPARAM(font), on), Tarn_SetColHeaderFont(h, g_fonts[k % 4], on);
    }
}

void Step()
{
    HWND h = g_ctl;
    std::vector<Row>& rows = g_model.rows;
    const int n = static_cast<int>(rows.size()), columns = g_model.columns, r = Index(n), c = Index(columns), op = Below(34);
    const bool callback = g_callback, valid = r >= 0 && r < n;
    std::string text;
    const char* t = Text(text);
    int deletes = 0, got;
    g_reentered = false;
    g_deletes = 0;
    if (op == 7 && (n > 40 || Chance(10))) {
        Trace("Tarn_ResetContent"), Tarn_ResetContent(h), deletes = n, rows.clear();
    } else if (op < 4 || op == 7) {   // an out-of-range index appends
        const int at = op ? r : -1, want = at >= 0 && at < n ? at : n;
        got = (Trace("%s(%d, %.30s)", op ? "Tarn_InsertString_A" : "Tarn_AddString_A", at, Str(t)), op ? Tarn_InsertString_A(h, at, t) : Tarn_AddString_A(h, t));
        if (!g_reentered)
            Expect(got, want), rows.insert(rows.begin() + want, Row{std::vector<std::string>(columns)}), rows[want].texts[0] = t ? t : "";
    } else if (op < 6) {   // the row's dependents stay
        got = (Trace("Tarn_DeleteString(%d)", r), Tarn_DeleteString(h, r));
        if (!g_reentered && (Expect(got, valid ? n - 1 : -1), valid))
            rows.erase(rows.begin() + r), deletes = 1;
    } else if (op == 6) {
        int end = r;
        while (valid && end + 1 < n && rows[end + 1].level > rows[r].level)
            ++end;
        got = (Trace("Tarn_DeleteDependents(%d)", r), Tarn_DeleteDependents(h, r));
        if (!g_reentered && (Expect(got, valid ? n - (end - r) : -1), valid))
            rows.erase(rows.begin() + r + 1, rows.begin() + end + 1), deletes = end - r;
    } else if (op < 10) {   // the item alone, its dependents stay where they are; a move reports no deletion
        const int to = Index(n), copied = to >= 0 && to < n ? to : n, original = r >= copied ? r + 1 : r;
        Trace("%s(%d, %d)", op == 9 ? "Tarn_MoveItem" : "Tarn_CopyItem", r, to);
        got = op == 9 ? Tarn_MoveItem(h, r, to) : Tarn_CopyItem(h, r, to);
        if (!g_reentered && (Expect(got, !valid ? -1 : op == 8 || original > copied ? copied : copied - 1), valid))
            rows.insert(rows.begin() + copied, Row(rows[r]));
        if (!g_reentered && valid && op == 9)
            rows.erase(rows.begin() + original);
    } else if (op < 13) {   // NULL removes a text
        got = (Trace("Tarn_SetText_A(%d, %d, %.30s)", r, c, Str(t)), Tarn_SetText_A(h, r, c, t));
        if (!g_reentered && (Expect(got, valid && c >= 0 && c < columns), got))
            rows[r].texts[c] = t ? t : "";
    } else if (op < 15) {   // stored clamped to 0..63
        const int level = Chance(80) ? Below(6) : Index(70);
        got = (Trace("Tarn_SetItemLevel(%d, %d)", r, level), Tarn_SetItemLevel(h, r, level));
        if (!g_reentered && (Expect(got, valid), got))
            rows[r].level = std::clamp(level, 0, TARN_MAX_ITEM_LEVEL);
    } else if (op == 15) {
        const LPARAM value = LPARAM(g_rng()) - 1000;
        Expect((Trace("Tarn_SetItemData(%d, %lld)", r, (long long)value), Tarn_SetItemData(h, r, value)), valid ? 0 : -1);
        if (valid)
            rows[r].data = value;
    } else if (op == 16) {
        ColumnsStep(h);
    } else if (op < 19) {
        const int row = Chance(80) ? Below(n + 1) - 1 : r, ok = row >= -1 && row < n;
        got = (Trace("Tarn_SetCurSel(%d)", row), Tarn_SetCurSel(h, row));
        if (!g_reentered)
            Expect(got, ok ? 0 : -1), Expect(ok ? Tarn_GetCurSel(h) : row, row);
    } else if (op < 21) {   // a select commits what it finds; a miss clears the selection
        const int kind = Below(4), start = Chance(70) ? Below(n + 1) - 1 : r, column = Chance(80) ? 0 : c;
        const BOOL wrap = Below(2);
        if (n && column >= 0 && column < columns && Chance(50))
            t = (text = rows[Below(n)].texts[column]).c_str();
        static int(WINAPI* const calls[])(HWND, int, int, const char*, BOOL) = {Tarn_FindString_A, Tarn_FindStringExact_A,
                                                                                Tarn_SelectString_A, Tarn_SelectStringExact_A};
        Trace("%s%s(%d, %d, %.30s, %d)", kind > 1 ? "Tarn_Select" : "Tarn_Find", kind & 1 ? "StringExact_A" : "String_A", start, column,
              Str(t), wrap);
        got = calls[kind](h, start, column, t, wrap);
        // A missing or empty search text would also tell a NULL text from an empty one.
        if (!g_reentered && (Expect(got, t && *t ? ModelFind(start, column, t, wrap, kind & 1) : got), kind > 1))
            Expect(Tarn_GetCurSel(h), got);
    } else if (op == 21) {   // row -1: the shared size; a deleted bitmap is refused, a brush may be either
        HBITMAP bitmap = g_bitmaps[Below(5)];
        const int row = Chance(20) ? -1 : r, label = Below(2);
        Trace("%s(%d, %p)", label ? "Tarn_SetItemLabel" : "Tarn_SetItemBitmap", row, (void*)bitmap);
        got = (label ? Tarn_SetItemLabel : Tarn_SetItemBitmap)(h, row, bitmap);
        if (!g_reentered && bitmap != g_bitmaps[3])
            Expect(got, row >= -1 && row < n && bitmap != g_bitmaps[4]);
    } else if (op == 22) {   // version 1 only; row -1 sets the shared bitmap size
        CellInfo cell = {DWORD(Chance(90) ? 1 : 2), Chance(15) ? -1 : r, c, Color(), Color(), Color(), Color(), LPARAM(g_rng()), 0, 0,
                         g_fonts[Below(4)], g_bitmaps[Below(5)], 0, SHORT(Below(4))};
        RowInfo row = {cell.version, cell.row, Color(), Color(), Color(), Color(), cell.hbm, cell.bitmapStyle};
        RECT rect;
        POINT pt = {Below(300) - 20, Below(300) - 20};
        Trace("cell and row info, version %lu, row %d, column %d; rectangles; the row at %ld,%ld", cell.version, cell.row, c, pt.x, pt.y);
        Tarn_SetCellInfo(h, &cell), Tarn_GetCellInfo(h, &cell), Tarn_SetRowInfo(h, &row), Tarn_GetRowInfo(h, &row);
        Tarn_SetHeader_A(h, c, t), Tarn_SetRowColText_A(h, t), Tarn_SetRowColBitmap(h, cell.hbm);
        Tarn_GetItemRect(h, r, &rect), Tarn_GetCellRect(h, r, c), Tarn_GetHeaderRect(h, c, &rect), Tarn_GetRowHeaderRect(h, r, &rect);
        got = Tarn_CalcIndexFromPoint(h, &pt, &cell.row);
        CHECK(got >= -1 && got < n, "row %d at a point, of %d rows", got, n);
    } else if (op < 25) {
        const auto& setter = kSetters[Below(std::size(kSetters))];
        const int v = Chance(15) ? r : Index(70);
        Trace("%s(%d)", setter.name, v), setter.call(h, v);
    } else if (op == 25 && Chance(20)) {   // the destruction reports every row
        Trace("DestroyWindow(control)");
        g_dying = true, DestroyWindow(h), g_dying = false;
        deletes = n, g_ctl = NewControl();
    } else if (op == 26) {
        g_badHandles ? BadHandleCall() : SetDeleteCallback(h, Below(2));
    } else if (op > 26) {
        MessageStep(h, (op - 27) % 5);
    }
    if (!g_reentered)
        CHECK(g_deletes == (callback ? deletes : 0), "the delete callback was called %d times, not %d", g_deletes, callback ? deletes : 0);
}

void Setup()
{
    AddVectoredExceptionHandler(1, OnException);
    CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
    WNDCLASSA wc = {0, ParentProc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr, "Tarn32FuzzParent"};
    RegisterClassA(&wc);
    g_handles[4] = g_parent = CreateWindowExA(0, wc.lpszClassName, "fuzz", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                                              nullptr, nullptr, nullptr);
    const char* classes[] = {nullptr, TARN32_CLASS, "BUTTON", "EDIT"};
    for (int i = 1; i < 4; ++i)
        g_handles[i] = CreateWindowExA(0, classes[i], "", WS_CHILD, 0, 300, 50, 20, g_parent, nullptr, nullptr, nullptr);
    DestroyWindow(g_handles[1]);
    g_bitmaps[1] = CreateBitmap(8, 8, 1, 32, nullptr), g_bitmaps[2] = CreateBitmap(40, 30, 1, 1, nullptr);
    g_bitmaps[3] = reinterpret_cast<HBITMAP>(CreateSolidBrush(RGB(1, 2, 3)));
    DeleteObject(g_bitmaps[4] = CreateBitmap(4, 4, 1, 32, nullptr));
    for (int i = 0; i < 3; ++i)
        g_fonts[i] = CreateFontA(-8 - 4 * i, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    SelectObject(g_printDc = CreateCompatibleDC(nullptr), CreateBitmap(500, 400, 1, 32, nullptr));

    // The sentinel: thirty rows on levels 0..3, row 2 selected.
    g_sentinel = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 320, 10, 150, 150, g_parent, HMENU(2), nullptr, nullptr);
    for (int r = 0; r < 30; ++r) {
        g_sentinelModel.rows.push_back(Row{{"sentinel " + std::to_string(r)}, r % 4, r * 7});
        Tarn_AddString_A(g_sentinel, g_sentinelModel.rows[r].texts[0].c_str()), Tarn_SetItemLevel(g_sentinel, r, r % 4);
        Tarn_SetItemData(g_sentinel, r, r * 7);
    }
    Tarn_SetCurSel(g_sentinel, 2);
}

} // namespace

int main(int argc, char** argv)
{
    unsigned first = 1, last = 1;
    int steps = 2000;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i], value = i + 1 < argc ? argv[i + 1] : "";
        i += arg == "--seed" || arg == "--seeds" || arg == "--steps";
        if (arg == "--seed" || arg == "--seeds")
            last = sscanf(value.c_str(), "%u-%u", &first, &last) == 2 ? last : first;
        else if (arg == "--steps" || arg == "--trace")
            arg == "--trace" ? void(g_print = true) : void(steps = atoi(value.c_str()));
        else if (arg == "--calm" || arg == "--no-reentry" || arg == "--no-bad-handles")
            g_reentry &= arg == "--no-bad-handles", g_badHandles &= arg == "--no-reentry", g_flags += " " + arg;
        else
            return printf("usage: tarn32_fuzz [--seed N | --seeds A-B] [--steps M] [--calm | --no-reentry | --no-bad-handles] [--trace]\n"), 2;
    }
    Setup();
    const DWORD start = GetTickCount();
    for (g_seed = first; g_seed <= last && g_seed >= first; ++g_seed) {
        printf("seed %u\n", g_seed), fflush(stdout);
        g_rng.seed(g_seed), g_step = 0, g_traced = 0;
        SetFocus(g_parent);
        g_ctl = NewControl();
        for (Pump(), CheckAll(); g_step < steps; Pump(), CheckAll())
            ++g_step, Step();
        g_dying = true, DestroyWindow(g_ctl), g_dying = false;
    }
    const double seconds = std::max(1ul, GetTickCount() - start) / 1000.0;
    printf("ok: %u seeds x %d steps in %.1f s, %.2f seeds/s\n", last - first + 1, steps, seconds, (last - first + 1) / seconds);
}
