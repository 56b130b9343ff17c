// Opening and closing the list of the drop-down types.
#pragma once

#include "core/control_record.h"

// Closes a dropped list. With accept, curSel is committed (notifications 20,
// 18, 5); without, curSel returns to currentItem (21, 18). Does nothing for
// type 0 or when nothing is dropped. False when the parent destroyed the
// control meanwhile.
bool CloseList(ControlRecord* rec, bool accept);

inline bool IsDropped(const ControlRecord* rec) { return !rec->isListBox && rec->hwndDropDown != nullptr; }
