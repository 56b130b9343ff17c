// Mouse input of the control window. Tracking of rows, the drop button and
// the header comes with the list painting; a press gives the focus to the
// control as a system combo box would.
#include "window/control_window.h"

bool OnSetCursor(ControlRecord*, HWND, int) { return false; }

void OnMouseMove(ControlRecord*, WPARAM, int, int) {}

void OnButtonDown(ControlRecord* rec, WPARAM, int, int, bool)
{
    HWND focus = GetFocus();
    if (focus != rec->hwnd && focus != rec->hwndEdit)
        SetFocus(rec->hwndEdit ? rec->hwndEdit : rec->hwnd);
}

void OnButtonUp(ControlRecord*, WPARAM, int, int) {}

void OnMouseWheel(ControlRecord*, int) {}
