// Process-wide state of the module.
#pragma once

#include <windows.h>

extern HINSTANCE g_hInstance;

// Start-up and child-creation failures go here; it shows nothing.
void ReportError(const char* source, int line, const char* message);

bool RegisterModule(HINSTANCE instance);
void UnregisterModule();
