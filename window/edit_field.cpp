// The in-place edit field.
#include "window/edit_field.h"

#include <stdlib.h>

#include "layout/column_geometry.h"
#include "window/control_window.h"
#include "window/drop_close.h"
#include "window/module.h"

namespace {
int EditLongOffset(EditFieldLong which)
{
    return g_editExtraOffset + static_cast<int>(which * sizeof(LONG_PTR));
}

// The depth of a field's procedure is counted in the record: setting a
// window long is a round trip to the window server on some systems, and the
// procedure runs for every message the field gets. A field that finds no
// free entry (fields replaced inside their own notifications over and over)
// counts in its window long instead. edit NULL finds a free entry.
ControlRecord::EditRun* FindRun(ControlRecord* rec, HWND edit)
{
    for (ControlRecord::EditRun& run : rec->editRuns)
        if (run.edit == edit && (edit || run.depth == 0))
            return &run;
    return nullptr;
}

LONG_PTR EditDepth(ControlRecord* rec, HWND edit)
{
    const ControlRecord::EditRun* run = FindRun(rec, edit);
    return (run ? run->depth : 0) + GetWindowLongPtrA(edit, EditLongOffset(kEditDepth));
}

bool IsForwardedKey(WPARAM key)
{
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_F4:
        return true;
    default:
        return false;
    }
}
} // namespace

bool CreateEditField(ControlRecord* rec, bool* created)
{
    *created = false;
    HWND focus = GetFocus();
    const bool hadFocus = focus && (focus == rec->hwnd || (rec->hwndEdit && focus == rec->hwndEdit));
    if (rec->hwndEdit) {
        DestroyEditField(rec, rec->hwndEdit);
        if (rec->dead)
            return false;
        // Whoever watched the old field go may have rebuilt the field itself
        // (new columns): that field stands.
        if (rec->hwndEdit)
            return true;
    }
    SetWindowLongA(rec->hwnd, GWL_STYLE, GetWindowLongA(rec->hwnd, GWL_STYLE) | WS_CLIPCHILDREN);

    DWORD style = WS_CHILD | WS_VISIBLE;
    // A field made for a disabled control (created so, or given new
    // columns while disabled) starts disabled like it.
    if (!IsWindowEnabled(rec->hwnd))
        style |= WS_DISABLED;
    if (GetWindowLongA(rec->hwnd, GWL_STYLE) & TARNS_AUTOHSCROLL)
        style |= ES_AUTOHSCROLL;
    // The edit field wraps like the column it shows.
    if (rec->columns[FirstVisibleColumn(rec)].format & TARNCF_WORDWRAP)
        style |= WS_VSCROLL | ES_MULTILINE;
    // The new window stores itself in hwndEdit while it is being created.
    HWND edit = CreateWindowExA(0, TARN32_EDIT_CLASS, "", style, 0, 0, 0, 0, rec->hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(TARN32_ID_EDIT)), g_hInstance, nullptr);
    if (rec->dead)
        return false;
    if (!edit) {
        rec->hwndEdit = nullptr;
        ReportError("Tarn32", 7569, "Couldn't create edit control");
        return true;
    }
    rec->hwndEdit = edit;
    HFONT font = rec->hfontEditCtl ? rec->hfontEditCtl : rec->hfont;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    *created = true;
    if (hadFocus)
        SetFocus(edit);
    return !rec->dead;
}

void DestroyEditField(ControlRecord* rec, HWND edit)
{
    if (rec->hwndEdit == edit)
        rec->hwndEdit = nullptr;
    if (EditDepth(rec, edit) == 0) {
        DestroyWindow(edit);
        return;
    }
    ShowWindow(edit, SW_HIDE);
    SetWindowLongPtrA(edit, EditLongOffset(kEditRetired), 1);
    SetParent(edit, HWND_MESSAGE);
}

void EnterEditProc(ControlRecord* rec, HWND edit)
{
    ControlRecord::EditRun* run = FindRun(rec, edit);
    if (!run)
        run = FindRun(rec, nullptr);
    if (run) {
        run->edit = edit;
        ++run->depth;
        return;
    }
    const int offset = EditLongOffset(kEditDepth);
    SetWindowLongPtrA(edit, offset, GetWindowLongPtrA(edit, offset) + 1);
}

bool LeaveEditProc(ControlRecord* rec, HWND edit)
{
    if (ControlRecord::EditRun* run = FindRun(rec, edit)) {
        if (--run->depth == 0)
            run->edit = nullptr;
    } else {
        const int offset = EditLongOffset(kEditDepth);
        SetWindowLongPtrA(edit, offset, GetWindowLongPtrA(edit, offset) - 1);
    }
    return EditDepth(rec, edit) == 0 && GetWindowLongPtrA(edit, EditLongOffset(kEditRetired)) != 0;
}

char* CopyEditText(HWND edit)
{
    const int length = GetWindowTextLengthA(edit);
    char* text = static_cast<char*>(malloc(static_cast<size_t>(length) + 1));
    if (text) {
        text[0] = '\0';
        GetWindowTextA(edit, text, length + 1);
    }
    return text;
}

ControlRecord* EditRecord(HWND edit)
{
    const LONG_PTR value = GetWindowLongPtrA(edit, EditLongOffset(kEditRecord));
    return value == 0 || value == -1 ? nullptr : reinterpret_cast<ControlRecord*>(value);
}

bool EditFieldDetached(HWND edit)
{
    return GetWindowLongPtrA(edit, EditLongOffset(kEditRecord)) == -1;
}

ControlRecord* AttachEditField(HWND edit)
{
    HWND control = GetParent(edit);
    const LONG_PTR value = control ? GetWindowLongPtrA(control, 0) : 0;
    if (!IsModuleWindow(control, g_controlAtom) || value == 0 || value == -1)
        return nullptr;
    auto* rec = reinterpret_cast<ControlRecord*>(value);
    if (rec->dead)
        return nullptr;
    PinRecord(rec);
    SetWindowLongPtrA(edit, EditLongOffset(kEditRecord), value);
    rec->hwndEdit = edit;
    return rec;
}

void DetachEditField(HWND edit, ControlRecord* rec)
{
    SetWindowLongPtrA(edit, EditLongOffset(kEditRecord), -1);
    if (rec->hwndEdit == edit)
        rec->hwndEdit = nullptr;
    UnpinRecord(rec);
}

bool OnEditKillFocus(ControlRecord* rec, HWND newFocus)
{
    if (InFocusFamily(rec, newFocus))
        return true;
    SendMessageA(rec->hwnd, WM_CANCELMODE, 0, 0);
    if (!rec->dead)
        OnKillFocus(rec, newFocus);
    return true;
}

LRESULT EditDialogCode(ControlRecord* rec, HWND edit, WPARAM wp, LPARAM lp)
{
    LRESULT code = CallWindowProcA(g_editWndProc, edit, WM_GETDLGCODE, wp, lp);
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (!msg)
        return code;
    const bool dropped = IsDropped(rec);
    bool wantAll = false;
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
            wantAll = dropped;
            break;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
        case VK_SELECT:
            wantAll = true;
            break;
        case VK_F4:
            wantAll = !rec->extendedUI;
            break;
        default:
            break;
        }
    } else if (msg->message == WM_CHAR && msg->wParam == '\r') {
        wantAll = dropped;
    }
    return wantAll ? code | DLGC_WANTALLKEYS : code;
}

bool OnEditKeyDown(ControlRecord* rec, WPARAM key, LPARAM keyData)
{
    if (!IsForwardedKey(key))
        return true;
    SendMessageA(rec->hwnd, WM_KEYDOWN, key, keyData);
    return false;
}

// Alt+Up and Alt+Down open and close the list from the field too.
bool OnEditSysKeyDown(ControlRecord* rec, WPARAM key, LPARAM keyData)
{
    if (key != VK_UP && key != VK_DOWN)
        return true;
    SendMessageA(rec->hwnd, WM_SYSKEYDOWN, key, keyData);
    return false;
}

bool OnEditChar(ControlRecord* rec, WPARAM ch)
{
    if (!rec->isListBox && (ch == '\r' || ch == VK_ESCAPE))
        return false;
    SendMessageA(rec->hwnd, WM_CANCELMODE, 0, 0);
    return true;
}
