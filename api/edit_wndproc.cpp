// TCtl_WndProc: the window procedure of the edit field, a superclass of
// "EDIT". The field pins the control's record from WM_NCCREATE to
// WM_NCDESTROY; EDIT's own procedure does the editing.
#include "window/control_window.h"
#include "window/edit_field.h"
#include "window/module.h"

namespace {
LRESULT CallEdit(HWND edit, UINT msg, WPARAM wp, LPARAM lp)
{
    return CallWindowProcA(g_editWndProc, edit, msg, wp, lp);
}
} // namespace

namespace {
LRESULT Dispatch(ControlRecord* rec, HWND edit, UINT msg, WPARAM wp, LPARAM lp)
{
    if (rec->dead)
        return CallEdit(edit, msg, wp, lp);
    switch (msg) {
    case WM_SETFOCUS: {
        const LRESULT result = CallEdit(edit, msg, wp, lp);
        if (!rec->dead)
            OnPartSetFocus(rec, reinterpret_cast<HWND>(wp));
        return result;
    }
    case WM_KILLFOCUS:
        OnEditKillFocus(rec, reinterpret_cast<HWND>(wp));
        break;
    case WM_GETDLGCODE:
        return EditDialogCode(rec, edit, wp, lp);
    case WM_KEYDOWN:
        if (!OnEditKeyDown(rec, wp, lp))
            return 0;
        break;
    case WM_SYSKEYDOWN:
        if (!OnEditSysKeyDown(rec, wp, lp))
            return 0;
        break;
    case WM_CHAR:
        if (!OnEditChar(rec, wp))
            return 0;
        break;
    default:
        break;
    }
    return CallEdit(edit, msg, wp, lp);
}
} // namespace

extern "C" LRESULT CALLBACK TCtl_WndProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp)
{
    // The procedure is exported, so it may be handed any window; EDIT's own
    // procedure would take another window's extra bytes for its state.
    if (!g_editWndProc || !IsModuleWindow(edit, g_editAtom))
        return DefWindowProcA(edit, msg, wp, lp);
    ControlRecord* found = EditRecord(edit);
    if (!found && !EditFieldDetached(edit)) {
        // Nothing arrives before the record can be taken but the first
        // messages of the creation, which attach the field.
        if (msg != WM_NCCREATE && msg != WM_GETMINMAXINFO)
            return 0;
        found = AttachEditField(edit);
        if (!found)
            return 0;
    }
    RecordPin pin(found);
    ControlRecord* rec = pin.get();
    if (!rec)
        return CallEdit(edit, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        DetachEditField(edit, rec);
        return CallEdit(edit, msg, wp, lp);
    }
    EnterEditProc(rec, edit);
    const LRESULT result = Dispatch(rec, edit, msg, wp, lp);
    if (LeaveEditProc(rec, edit))
        DestroyWindow(edit);
    return result;
}
