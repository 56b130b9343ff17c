// The in-place edit field of control types 0 and 1 (class "TarnCtl"), a
// superclass of "EDIT" that hands the navigation keys to the control and
// keeps the control's record, pinned, in its own window long.
#pragma once

#include "core/control_record.h"

// Destroys the old edit field (keeping the focus on the new one if it had
// it) and creates a new one whose multi-line mode follows the first visible
// column. *created tells whether it worked (a failure is reported). Losing
// the focus with the old field notifies the parent: false when the control
// died meanwhile.
[[nodiscard]] bool CreateEditField(ControlRecord* rec, bool* created);

// The whole text of the edit field as a heap copy the caller frees; NULL
// when memory runs out.
char* CopyEditText(HWND edit);

// The record an edit field belongs to; NULL before it is attached and after
// it is detached.
ControlRecord* EditRecord(HWND edit);
// At WM_NCCREATE: the field takes its parent control's record and pins it.
ControlRecord* AttachEditField(HWND edit);
// At WM_NCDESTROY: the field lets go of the record.
void DetachEditField(HWND edit, ControlRecord* rec);

// The field's handling of its own messages; each says whether EDIT's own
// processing should follow (it is skipped for keys the control takes).
bool OnEditKillFocus(ControlRecord* rec, HWND edit, HWND newFocus);
LRESULT EditDialogCode(ControlRecord* rec, HWND edit, WPARAM wp, LPARAM lp);
bool OnEditKeyDown(ControlRecord* rec, WPARAM key, LPARAM keyData);
bool OnEditChar(ControlRecord* rec, WPARAM ch);
