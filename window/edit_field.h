// The in-place edit field of control types 0 and 1 (class "TarnCtl"), a
// superclass of "EDIT" that hands the navigation keys to the control and
// keeps the control's record, pinned, in its own window long.
#pragma once

#include "core/control_record.h"

// Destroys the old edit field (keeping the focus on the new one if it had
// it) and creates a new one whose multi-line mode follows the first visible
// column. *created tells whether it worked (a failure is reported). The old
// field going moves the focus, which application code may be watching:
// false when the control died meanwhile.
[[nodiscard]] bool CreateEditField(ControlRecord* rec, bool* created);

// The superclass's own window longs, after EDIT's: the control's record, how
// deep the field's procedure is running when the record has no room to
// count it, and whether the field is to be destroyed once it returns.
enum EditFieldLong { kEditRecord, kEditDepth, kEditRetired, kEditFieldLongs };

// Destroys an edit field, or, while its procedure is still running (the
// application destroyed the control or replaced its columns from inside a
// notification the field raised), hides it, takes it out of the control and
// destroys it when its procedure returns: EDIT's own code would otherwise
// go on with freed state.
void DestroyEditField(ControlRecord* rec, HWND edit);
// Around every call of the field's procedure; LeaveEditProc says whether the
// field is now to be destroyed.
void EnterEditProc(ControlRecord* rec, HWND edit);
bool LeaveEditProc(ControlRecord* rec, HWND edit);

// The whole text of the edit field as a heap copy the caller frees; NULL
// when memory runs out.
char* CopyEditText(HWND edit);

// The record an edit field belongs to; NULL before it is attached and after
// it is detached.
ControlRecord* EditRecord(HWND edit);
// Whether the field has let go of its record (after WM_NCDESTROY).
bool EditFieldDetached(HWND edit);
// At WM_NCCREATE: the field takes its parent control's record and pins it.
ControlRecord* AttachEditField(HWND edit);
// At WM_NCDESTROY: the field lets go of the record.
void DetachEditField(HWND edit, ControlRecord* rec);

// The field's handling of its own messages; each says whether EDIT's own
// processing should follow (it is skipped for keys the control takes).
bool OnEditKillFocus(ControlRecord* rec, HWND newFocus);
LRESULT EditDialogCode(ControlRecord* rec, HWND edit, WPARAM wp, LPARAM lp);
bool OnEditKeyDown(ControlRecord* rec, WPARAM key, LPARAM keyData);
bool OnEditSysKeyDown(ControlRecord* rec, WPARAM key, LPARAM keyData);
bool OnEditChar(ControlRecord* rec, WPARAM ch);
