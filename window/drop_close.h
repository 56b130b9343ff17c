// Opening and closing the list of the drop-down types.
#pragma once

#include "core/control_record.h"

inline bool IsDropped(const ControlRecord* rec) { return !rec->isListBox && rec->hwndDropDown != nullptr; }

// Closes a dropped list. With accept, curSel is committed (notifications 20,
// 18, 5); without, curSel returns to currentItem (21, 18). Type 0 and a
// closed list only get the selection step. False when the parent destroyed
// the control meanwhile.
[[nodiscard]] bool CloseList(ControlRecord* rec, bool accept);
