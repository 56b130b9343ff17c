// Handlers of the control window's and the list window's messages,
// dispatched by the window procedures. A handler runs inside its window
// procedure's call frame; after anything that may reach the application it
// checks whether the control died and stops.
#pragma once

#include "core/control_record.h"

// Lifecycle
LRESULT OnCreate(ControlRecord* rec, const CREATESTRUCTA* cs);
// Marks the control dead, then frees its items (each reported to the delete
// callback), its child windows and everything it owns. Runs once: at
// WM_DESTROY, or at WM_NCDESTROY after a creation that failed.
void OnDestroy(ControlRecord* rec);

// Standard messages
void OnSize(ControlRecord* rec, WPARAM kind, int width, int height);
void OnWindowPosChanged(ControlRecord* rec, const WINDOWPOS* pos);
void OnSetFont(ControlRecord* rec, HFONT font, BOOL redraw);
void OnShowWindow(ControlRecord* rec, BOOL show);
void OnEnable(ControlRecord* rec, BOOL enabled);
void OnSetRedraw(ControlRecord* rec, BOOL redraw);
LRESULT OnGetText(ControlRecord* rec, WPARAM size, char* buffer);
LRESULT OnGetTextLength(ControlRecord* rec);
void OnCopy(ControlRecord* rec);
void OnCut(ControlRecord* rec);
void OnClear(ControlRecord* rec);
LRESULT OnCtlColorEdit(ControlRecord* rec, HDC dc, HWND window);
void OnEditCommand(ControlRecord* rec, WPARAM wParam, LPARAM lParam);
void OnNcPaint(ControlRecord* rec);

// Focus and keyboard. The control, its edit field and its list window are
// one for the focus: whether a window is one of them (a field or list on its
// way out included). Each handler is given the window the focus came from or
// goes to, and notifies only when that window lies outside.
bool InFocusFamily(const ControlRecord* rec, HWND window);
void OnSetFocus(ControlRecord* rec, HWND previous);
// The edit field or the list window got the focus (after the field's own
// handling, so that its caret is there when the parent hears of it).
void OnPartSetFocus(ControlRecord* rec, HWND previous);
// The control, the field (after WM_CANCELMODE) or the list lost the focus.
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

// The list window (permanent for type 0, a pop-up while dropped otherwise)
// keeps no state of its own: its window long 0 holds the control's record,
// pinned while the window exists.
ControlRecord* ListRecord(HWND list);
ControlRecord* AttachListWindow(HWND list, const CREATESTRUCTA* cs);
void DetachListWindow(HWND list, ControlRecord* rec);
void OnListCreate(ControlRecord* rec, HWND list);
void OnListDestroy(ControlRecord* rec, HWND list);
void OnListScroll(ControlRecord* rec, UINT msg, WPARAM wp, LPARAM lp);
// Mouse messages of the list window: false for those left to the default
// processing, else *result is the answer.
bool OnListMouse(ControlRecord* rec, HWND list, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
