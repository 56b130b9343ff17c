// Every notification to the parent goes through Notify().
#pragma once

#include "core/control_record.h"

// Sends WM_COMMAND (control id, code) to the parent. The parent may destroy
// the control while handling it: the result is false then, and the caller must
// return at once without touching rec.
bool Notify(ControlRecord* rec, int code);

// Whether the control behind hwnd still has rec as its record.
bool ControlAlive(HWND hwnd, const ControlRecord* rec);

// The same for code that may run on a record without a window (plain data),
// which nothing can destroy behind its back.
inline bool ControlSurvived(HWND hwnd, const ControlRecord* rec) { return !hwnd || ControlAlive(hwnd, rec); }
