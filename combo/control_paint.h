// Painting of the control window, shared by WM_PAINT and WM_PRINT.
#pragma once

#include "core/control_record.h"

// The header band, corner, field, and the drop button or the groove above
// the permanent list; update NULL paints the whole client area. False when
// the draw-info callback destroyed the control; the paint stops there.
[[nodiscard]] bool PaintControl(ControlRecord* rec, HDC dc, const RECT* update);
