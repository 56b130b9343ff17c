// Handlers of the control window's messages, dispatched by Tarn_WndProc.
#pragma once

#include "core/control_record.h"

// Lifecycle
ControlRecord* AllocateRecord(HWND hwnd);
void ReleaseRecord(HWND hwnd, ControlRecord* rec);
LRESULT OnCreate(ControlRecord* rec, const CREATESTRUCTA* cs);
void OnDestroy(ControlRecord* rec);

// Standard messages
void OnSize(ControlRecord* rec, WPARAM kind, int width, int height);
void OnSetFont(ControlRecord* rec, HFONT font, BOOL redraw);
void OnShowWindow(ControlRecord* rec, BOOL show);
void OnEnable(ControlRecord* rec);
void OnSetRedraw(ControlRecord* rec, BOOL redraw);
LRESULT OnGetText(ControlRecord* rec, WPARAM size, char* buffer);
LRESULT OnGetTextLength(ControlRecord* rec);
void OnCopy(ControlRecord* rec);
void OnCut(ControlRecord* rec);
void OnClear(ControlRecord* rec);
LRESULT OnCtlColorEdit(ControlRecord* rec, HDC dc, HWND window);
void OnEditCommand(ControlRecord* rec, WPARAM wParam, LPARAM lParam);
void OnNcPaint(ControlRecord* rec, HRGN region);

// Focus and keyboard
void OnSetFocus(ControlRecord* rec);
void OnKillFocus(ControlRecord* rec, HWND newFocus);
LRESULT OnGetDlgCode(ControlRecord* rec, const MSG* msg);
void OnKeyDown(ControlRecord* rec, WPARAM key, LPARAM keyData);
void OnSysKeyDown(ControlRecord* rec, WPARAM key);
void OnChar(ControlRecord* rec, WPARAM ch);

// Mouse
bool OnSetCursor(ControlRecord* rec, HWND window, int hitTest);
void OnMouseMove(ControlRecord* rec, WPARAM keys, int x, int y);
void OnButtonDown(ControlRecord* rec, WPARAM keys, int x, int y, bool doubleClick);
void OnButtonUp(ControlRecord* rec, WPARAM keys, int x, int y);
void OnMouseWheel(ControlRecord* rec, int delta);
