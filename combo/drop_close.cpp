// Closing the list of the drop-down types.
#include "combo/drop_close.h"

#include "core/shared_routines.h"
#include "window/notify.h"

namespace {
// Destroys the pop-up list window; the list window tells the parent (18).
bool DestroyList(ControlRecord* rec)
{
    HWND hwnd = rec->hwnd;
    rec->dropClosed = 0;
    HWND list = rec->hwndDropDown;
    rec->hwndDropDown = nullptr;
    if (list)
        DestroyWindow(list);
    return ControlAlive(hwnd, rec);
}
}

bool CloseList(ControlRecord* rec, bool accept)
{
    if (IsDropped(rec)) {
        rec->dropClosed = 0;
        if (!Notify(rec, accept ? TARNN_SELENDOK : TARNN_SELENDCANCEL))
            return false;
        // The parent's handling may have cancelled the closing.
        if (!rec->dropClosed && !DestroyList(rec))
            return false;
    }
    if (accept)
        return SelectCurrentItem(rec, rec->curSel, true);
    rec->curSel = rec->currentItem;
    return true;
}

extern "C" int WINAPI Tarn_GetDroppedState(HWND hwnd)
{
    return GetRecord(hwnd)->hwndDropDown != nullptr;
}

extern "C" HWND WINAPI Tarn_GetHWNDDropDown(HWND hwnd)
{
    return GetRecord(hwnd)->hwndDropDown;
}

extern "C" BOOL WINAPI Tarn_GetOpenEnded(HWND hwnd)
{
    return GetRecord(hwnd)->openEnded;
}

extern "C" void WINAPI Tarn_SetOpenEnded(HWND hwnd, BOOL on)
{
    ControlRecord* rec = GetRecord(hwnd);
    rec->openEnded = on ? 1 : 0;
    UpdateControl(rec);
    RedrawAll(rec);
}

extern "C" int WINAPI Tarn_GetOverheadWidth(HWND hwnd)
{
    return GetRecord(hwnd)->overheadWidth;
}
