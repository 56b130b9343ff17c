// Opening and closing the list of the drop-down types.
#pragma once

#include "core/control_record.h"

inline bool IsDropped(const ControlRecord* rec) { return !rec->isListBox && rec->hwndDropDown != nullptr; }

// Opens (show) or destroys the pop-up list. *result: 0 for type 0 or for
// opening an empty control, 1 when done or when there was nothing to do (also
// when the parent vetoed the opening), -1 when the list window could not be
// made. Destroying sends no 20/21 and leaves curSel alone; opening sends 19
// first. False when the parent destroyed the control meanwhile.
[[nodiscard]] bool ShowDropDown(ControlRecord* rec, bool show, int* result = nullptr);
[[nodiscard]] inline bool DropList(ControlRecord* rec) { return ShowDropDown(rec, true); }

// Closes a dropped list. With accept, curSel is committed (notifications 20,
// 18, 5); without, curSel returns to currentItem (21, 18). Type 0 and a
// closed list only get the selection step. A parent that cancels the closing
// (WM_CANCELMODE during 20 or 21) keeps the list open, but the selection step
// still happens. False when the parent destroyed the control meanwhile.
[[nodiscard]] bool CloseList(ControlRecord* rec, bool accept);

// Opens a closed list, closes an open one.
[[nodiscard]] bool ToggleList(ControlRecord* rec, bool accept);
