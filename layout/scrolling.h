// Vertical and horizontal scrolling of the list window.
#pragma once

#include "core/control_record.h"

void UpdateVScrollBar(ControlRecord* rec);
void UpdateHScrollBar(ControlRecord* rec);

// Re-applies the horizontal extent and offset after a size change, so that
// the offset stays within the new limits.
void ReapplyHorizontalScroll(ControlRecord* rec);
