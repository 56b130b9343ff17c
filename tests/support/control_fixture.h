// Test fixture: a real top-level parent window that records every WM_COMMAND
// notification, and helpers to create controls of each type under it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "tarn32.h"

struct Notification {
    int code;
    int id;
    HWND sender;
};

constexpr DWORD kAllTypes[4] = {TARNS_LISTBOX, TARNS_DROPDOWN, TARNS_DROPDOWNLIST, TARNS_DROPDOWNLISTFIXED};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates a visible child control of class "Tarn32" (style: WS_CHILD |
    // WS_VISIBLE | typeAndStyle).
    HWND Create(DWORD typeAndStyle, int id = 1, int w = 200, int h = 150);
    // The same with the full window style given by the caller.
    HWND CreateWithStyle(DWORD style, int id = 1, int w = 200, int h = 150);

    std::vector<int> Codes() const;
    const std::vector<Notification>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    void OnNotify(std::function<void(const Notification&)> f) { onNotify_ = std::move(f); }
    void Pump();
    HWND parent() const { return parent_; }

    // Region the window would repaint at its next WM_PAINT, as a bounding
    // rectangle (empty when nothing is invalid).
    static RECT UpdateRect(HWND hwnd);
    static void Validate(HWND hwnd) { ValidateRect(hwnd, nullptr); }

private:
    static LRESULT CALLBACK ParentProc(HWND, UINT, WPARAM, LPARAM);
    HWND parent_ = nullptr;
    std::vector<Notification> log_;
    std::function<void(const Notification&)> onNotify_;
};

// Bytes in busy blocks of every heap of the process: a leak shows as growth.
SIZE_T HeapBytesInUse();

// Adds n items "Item 0", "Item 1", ... to a control.
void AddItems(HWND hwnd, int n, const char* prefix = "Item ");
