#include "window/tracking.h"

void StopAutoScrollTimer(ControlRecord* rec)
{
    if (rec->timerId && rec->hwnd)
        KillTimer(rec->hwnd, rec->timerId);
    rec->timerId = 0;
}

void CancelTracking(ControlRecord* rec)
{
    StopAutoScrollTimer(rec);
    // A drop-down waiting on its notifications sees that it was cancelled.
    rec->dropClosed = 1;
    if (rec->trackMode != 0 && rec->hwnd && GetCapture() == rec->hwnd)
        ReleaseCapture();
    rec->trackMode = 0;
    rec->pressState = 0;
}
