// Sizing of the control window and placement of its edit field and list window.
#pragma once

#include "core/control_record.h"

// Fits the control's height to what its type shows and places the children.
// Resizing the control sends it WM_SIZE, whose handling notifies the parent:
// false when the parent destroyed the control meanwhile.
[[nodiscard]] bool ComboLayout(ControlRecord* rec);
