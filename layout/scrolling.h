// Vertical scrolling by rows, horizontal scrolling by pixels, the list
// window's scroll bars and the scroll commands it receives.
#pragma once

#include "core/control_record.h"

// Bring the list window's bars in line with topIndex / horizontalOffset.
void UpdateVScrollBar(ControlRecord* rec);
void UpdateHScrollBar(ControlRecord* rec);

// Tarn_SetTopIndex followed by notification 6 when topIndex changed; false
// when the parent destroyed the control meanwhile.
bool SetTopIndexNotify(ControlRecord* rec, int row);
// Tarn_SetHorizontalOffset followed by notification 10 when the offset
// changed. *changed (optional) tells whether it did; false when the parent
// destroyed the control meanwhile.
bool SetHorizontalOffsetNotify(ControlRecord* rec, int offset, bool* changed = nullptr);

// WM_VSCROLL / WM_HSCROLL from the list window's own bars.
void VScrollCommand(ControlRecord* rec, int code, int position);
void HScrollCommand(ControlRecord* rec, int code, int position);

// The list window was just created: both bars start at 0 with nothing to
// scroll (disabled, with the disable-no-scroll style).
void ResetScrollBars(ControlRecord* rec, HWND list);
