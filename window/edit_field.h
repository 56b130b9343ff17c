// The in-place edit field of control types 0 and 1 (class "TarnCtl").
#pragma once

#include "core/control_record.h"

// Destroys the old edit field (keeping the focus on the new one if it had
// it) and creates a new one whose multi-line mode follows the first visible
// column. NULL on failure, which is reported.
HWND CreateEditField(ControlRecord* rec);

// EDIT's own window procedure and the offset of the superclass's own window
// long, both taken when "TarnCtl" is registered.
extern WNDPROC g_editWndProc;
extern int g_editExtraOffset;
