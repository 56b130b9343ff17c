// Vertical scrolling by rows, horizontal scrolling by pixels, the list
// window's scroll bars and the scroll commands it receives.
//
// The routines that move the rows repaint and lay out, and the notifying
// ones tell the parent; all of those return whether the control survived.
// Optional result pointers receive what the exported function of the same
// name returns.
#pragma once

#include "core/control_record.h"

bool DisableNoScroll(const ControlRecord* rec);

// Bring the list window's bars in line with topIndex / horizontalOffset.
void UpdateVScrollBar(ControlRecord* rec);
void UpdateHScrollBar(ControlRecord* rec);

// The list window was just created: both bars start at 0 with nothing to
// scroll (disabled, with the disable-no-scroll style).
void ResetScrollBars(ControlRecord* rec, HWND list);

// topIndex = row, kept so that the last page stays full (*result 0, or -1
// for a bad row).
[[nodiscard]] bool SetTopIndex(ControlRecord* rec, int row, int* result);
// The same followed by notification 6 when topIndex changed.
[[nodiscard]] bool SetTopIndexNotify(ControlRecord* rec, int row);
[[nodiscard]] bool MakeRowVisible(ControlRecord* rec, int row);

[[nodiscard]] bool SetHorizontalExtent(ControlRecord* rec, int extent, BOOL* result);
// offset -1 scrolls as far right as possible.
[[nodiscard]] bool SetHorizontalOffset(ControlRecord* rec, int offset, BOOL* result);
// The same followed by notification 10 when the offset changed; *changed
// (optional) tells whether it did.
[[nodiscard]] bool SetHorizontalOffsetNotify(ControlRecord* rec, int offset, bool* changed = nullptr);
[[nodiscard]] bool MakeColumnVisible(ControlRecord* rec, int column);
[[nodiscard]] bool SetDisableNoScroll(ControlRecord* rec, BOOL on);

// WM_VSCROLL / WM_HSCROLL from the list window's own bars.
[[nodiscard]] bool VScrollCommand(ControlRecord* rec, int code, int position);
[[nodiscard]] bool HScrollCommand(ControlRecord* rec, int code, int position);
