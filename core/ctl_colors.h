// The control's table of 37 colours.
#pragma once

#include "core/control_record.h"

// The colours a new control starts with (system colours, resolved when drawn).
void SetDefaultColors(ControlRecord* rec);

// A colour value as drawn: system colour values (top bit set) are resolved
// with GetSysColor at the moment of use, so they follow system colour
// changes. TARN_COLOR_NONE ("not set") comes back unchanged: the caller falls
// back to the next, more general level before drawing.
COLORREF ResolveColor(COLORREF value);

// The first of specific and general that is set: a cell over its column, a
// column over the control table, a row header over the table.
inline COLORREF InheritColor(COLORREF specific, COLORREF general)
{
    return specific != TARN_COLOR_NONE ? specific : general;
}

// Behind Tarn_SetCtlColors / Tarn_GetCtlColors: the whole table at once
// (the caller has checked the pointer).
void SetCtlColors(ControlRecord* rec, const CtlColors* colors);
void GetCtlColors(const ControlRecord* rec, CtlColors* colors);

// True for Windows before version 4, which gets black/white instead of the
// 3D colours and the system font instead of the GUI font.
bool IsOldSystem();
