// The highlighted row (curSel) and the committed row (currentItem).
#pragma once

#include "core/control_record.h"

// Moves the highlight to index, repainting the old and the new row; no
// notification.
void SetCurSelRow(ControlRecord* rec, int index);

// Commits index: scrolls it into view, stores it in currentItem, refreshes
// the edit field and the layout, and with notify sends notification 5 (also
// when the row did not change). Scrolling notifies the parent, which may
// change the rows meanwhile: the row committed is then the same item, found
// again, or none when it is gone; a highlight on it moves with it.
[[nodiscard]] bool SelectCurrentItem(ControlRecord* rec, int index, bool notify);

// SetCurSelRow, then with commit SelectCurrentItem (curSel, notify).
[[nodiscard]] bool SetHighlight(ControlRecord* rec, int index, bool commit);

// Moves the highlight without committing and scrolls it into view.
[[nodiscard]] bool MoveHighlight(ControlRecord* rec, int index);

// A search result made the selection: committed with notification 5 even
// when nothing was found (which clears it), then scrolled into view.
[[nodiscard]] bool SelectFound(ControlRecord* rec, int found);
