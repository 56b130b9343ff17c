// What the window-level tests share: a real top-level parent that records
// every WM_COMMAND and can act inside a chosen one, one builder of controls
// with their columns and rows, and the rectangle and leak probes.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tarn32.h"

struct Notification {
    int code, id;
    HWND sender;
};

constexpr DWORD kAllTypes[4] = {TARNS_LISTBOX, TARNS_DROPDOWN, TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED};
constexpr int kId = 7;   // every control's id: the parent must see it, not 0 or the code
using Ints = std::vector<int>;

// Found by argument-dependent lookup from inside the assertions.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
inline bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

// A column of the given width and format, every colour "not set"; position
// -1 places it in index order.
ColumnDef Column(int width, DWORD format = 0, int position = -1);
bool SetColumns(HWND hwnd, std::vector<ColumnDef> defs);
void AddItems(HWND hwnd, int n);   // "Item 0", "Item 1", ...

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { ActOn(0, nullptr), DestroyWindow(parent_), Pump(); }
    // A visible child control (WS_CHILD | WS_VISIBLE | style) of the given
    // size with the columns (if any) and `rows` items, the log cleared.
    HWND Create(DWORD style, int rows = 0, SIZE size = {200, 150}, std::vector<ColumnDef> columns = {});
    Ints Codes() const { Ints codes; for (const Notification& n : log_) codes.push_back(n.code); return codes; }
    const std::vector<Notification>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    // Runs action(sender) inside every notification `code`; ActOn(0, nullptr) stops.
    void ActOn(int code, std::function<void(HWND)> action) { actCode_ = code, action_ = std::move(action); }
    void Pump() { for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) TranslateMessage(&msg), DispatchMessageA(&msg); }
    // Pumps, validates the control, its list and its edit field, clears the log.
    void ValidateAll(HWND control);
    HWND parent() const { return parent_; }

private:
    static LRESULT CALLBACK ParentProc(HWND, UINT, WPARAM, LPARAM);
    HWND parent_ = nullptr;
    std::vector<Notification> log_;
    int actCode_ = 0;
    std::function<void(HWND)> action_;
};

inline RECT Client(HWND hwnd) { RECT rc = {}; GetClientRect(hwnd, &rc); return rc; }
// Where a child lies in its parent's client coordinates.
RECT ChildRect(HWND child);
// Bounding box of what the window repaints at its next WM_PAINT (empty: nothing).
inline RECT UpdateRect(HWND hwnd) { RECT rc = {}; return GetUpdateRect(hwnd, &rc, FALSE) ? rc : RECT{}; }
inline std::string WindowText(HWND hwnd) { char text[64] = "#"; return GetWindowTextA(hwnd, text, sizeof text), text; }
inline HFONT ControlFont(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }
TEXTMETRICA Metrics(HWND hwnd, HFONT font);

// The leak tests repeat a few times in the suite; the soak runs
// (tools/run_soak.sh) set the variable to repeat thousands of times and get
// the figures printed.
int SoakCount(const char* variable, int suiteCount);
void SoakFigures(const char* variable, const char* format, ...);
// Bytes in busy blocks of every heap of the process: a leak shows as growth.
SIZE_T HeapBytesInUse();
// How many GDI objects the process can still create: fills the handle table
// with brushes and frees them again. Exact, so one leaked object shows.
int GdiCapacity();
