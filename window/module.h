// Process-wide state of the module, set once when it is loaded.
#pragma once

#include <windows.h>

extern HINSTANCE g_hInstance;

// The atoms of the three window classes as this module registered them; 0
// for a class another copy of the module had registered first, whose windows
// are not this module's.
extern ATOM g_controlAtom;
extern ATOM g_listAtom;
extern ATOM g_editAtom;

// EDIT's own window procedure and the offset of the superclass's own window
// long, both taken when "TarnCtl" is registered.
extern WNDPROC g_editWndProc;
extern int g_editExtraOffset;

// Start-up and child-creation failures go here; it shows nothing.
void ReportError(const char* source, int line, const char* message);

// Whether hwnd is a window of the module's class with this atom (false for
// NULL, destroyed and foreign windows): one lookup per call.
bool IsModuleWindow(HWND hwnd, ATOM atom);
