// Painters of the header cells: the column headers across the top, the corner
// cell where the header band meets the row-header strip, and the row header
// at the left of each row and of the field.
#pragma once

#include "core/control_record.h"
#include "layout/gdi_guards.h"

// The text colour of a disabled header cell: the group's disabled colour,
// unless it equals the button face, where it would vanish.
COLORREF DisabledHeaderTextColor(COLORREF disabled);

// Column headers in band (control client coordinates); visibleWidth is the
// width of the area the columns scroll in.
void PaintColumnHeaders(ControlRecord* rec, HDC dc, WorkDCs& work, const RECT& band, int visibleWidth);

// The corner cell in rc.
void PaintCorner(ControlRecord* rec, HDC dc, WorkDCs& work, const RECT& rc);

// The row header of row (item may be NULL) in rc; fieldRow for the field's
// own row header; enabled is whether the control draws enabled.
void PaintRowHeader(ControlRecord* rec, HDC dc, WorkDCs& work, TarnItem* item, int row, const RECT& rc,
                    bool fieldRow, bool enabled);
