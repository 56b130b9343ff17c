// The control's table of 37 colours.
#pragma once

#include "core/control_record.h"

// The colours a new control starts with (system colours, resolved when drawn).
void SetDefaultColors(ControlRecord* rec);

// A colour value as drawn: system colour values (top bit set) are resolved
// with GetSysColor at the moment of use.
COLORREF ResolveColor(COLORREF value);

// True for Windows before version 4, which gets black/white instead of the
// 3D colours and the system font instead of the GUI font.
bool IsOldSystem();
