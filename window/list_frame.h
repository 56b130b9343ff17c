// The list window's frame: its scroll bars, put back from an image while
// nothing about them changed.
#pragma once

#include "core/control_record.h"

// WM_NCPAINT of the list window; region as the message carries it.
void OnListNcPaint(ControlRecord* rec, HWND list, HRGN region);
// The system's look changed (theme, colours, metrics): draw afresh.
void ForgetListFrame(ControlRecord* rec);
// Frees the kept strips (the control goes).
void FreeListFrame(ControlRecord* rec);
