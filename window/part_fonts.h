// The fonts of the control and of its parts: column headers, row headers and
// the edit field. None is owned: the application keeps them alive. A part
// font of NULL means the control font.
#pragma once

#include "core/control_record.h"

// WM_SETFONT: the control font, which also becomes every part font.
[[nodiscard]] bool SetControlFont(ControlRecord* rec, HFONT font, BOOL redraw);
[[nodiscard]] bool SetColHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw);
[[nodiscard]] bool SetRowHeaderFont(ControlRecord* rec, HFONT font, BOOL redraw);
[[nodiscard]] bool SetEditCtlFont(ControlRecord* rec, HFONT font, BOOL redraw);
