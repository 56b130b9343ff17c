// Painting of the list window: the visible rows with their row headers.
#pragma once

#include "core/control_record.h"

// Paints the list window's client area, or the part of it in update (NULL:
// all of it), into dc. False when the draw-info callback destroyed the
// control; the paint stops there.
[[nodiscard]] bool PaintList(ControlRecord* rec, HWND list, HDC dc, const RECT* update);
