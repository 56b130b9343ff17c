// Every notification to the parent goes through Notify().
#pragma once

#include "core/control_record.h"

// Sends WM_COMMAND (control id, code) to the parent. The parent may do
// anything meanwhile, destroying the control included: false when the
// control is dead afterwards, and the caller must then stop at once. The
// record itself stays readable, since the caller's entry point pins it.
[[nodiscard]] bool Notify(ControlRecord* rec, int code);
