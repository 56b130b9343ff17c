// The highlight following the pointer over the list, and the automatic
// scrolling while the pointer is dragged beyond the list or the header: a
// 100 ms timer (id 1) on the control window, one at a time.
#pragma once

#include "core/control_record.h"

// Starting while a timer runs does nothing.
void StartListTimer(ControlRecord* rec);
void StartHeaderTimer(ControlRecord* rec);

// The pointer at (x, y) over or beside the list (pressed: a button is held).
// False when the control died meanwhile.
[[nodiscard]] bool TrackList(ControlRecord* rec, bool fromControl, int x, int y, bool pressed);

// One step of each timer. False when the control died meanwhile.
[[nodiscard]] bool ListScrollTick(ControlRecord* rec);
[[nodiscard]] bool HeaderScrollTick(ControlRecord* rec);

// Paints what is pending in the control and its list now.
[[nodiscard]] bool UpdateBothWindows(ControlRecord* rec);
