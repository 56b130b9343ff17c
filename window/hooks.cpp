#include "window/hooks.h"

#include "core/control_record.h"
#include "window/module.h"

namespace {
HHOOK g_mouseHook = nullptr;
int g_mouseHookUses = 0;
HHOOK g_keyboardHook = nullptr;
int g_keyboardHookUses = 0;

void Release(HHOOK& hook, int& uses)
{
    if (!hook)
        return;
    if (uses-- == 1) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

// The control that has the focus or contains the focus window, if any.
HWND FocusedControl()
{
    for (HWND w = GetFocus(); w; w = GetParent(w)) {
        if (GetPropA(w, TARN32_PROP_CONTROL))
            return w;
    }
    return nullptr;
}

bool IsMouseDown(WPARAM message)
{
    switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return true;
    default:
        return false;
    }
}
} // namespace

bool InstallHooks(HINSTANCE instance)
{
    if (g_mouseHookUses == 0) {
        g_mouseHook = SetWindowsHookExA(WH_MOUSE, Tarn_MouseFilterHook, instance, GetCurrentThreadId());
        if (!g_mouseHook) {
            ReportError("Tarn32", 11256, "WH_MOUSE hook cannot be installed\r\n");
            return false;
        }
        ++g_mouseHookUses;
    }
    if (g_keyboardHookUses == 0) {
        g_keyboardHook = SetWindowsHookExA(WH_KEYBOARD, Tarn_KeyboardFilterHook, instance, GetCurrentThreadId());
        if (!g_keyboardHook) {
            ReportError("Tarn32", 11273, "WH_KEYBOARD hook cannot be installed\r\n");
            return false;
        }
        ++g_keyboardHookUses;
    }
    return true;
}

void ReleaseHooks()
{
    Release(g_mouseHook, g_mouseHookUses);
    Release(g_keyboardHook, g_keyboardHookUses);
}

extern "C" int WINAPI Tarn_ProcessMouseMessage(HWND target, WPARAM, LPARAM)
{
    HWND focus = GetFocus();
    if (!focus || focus == target)
        return 0;
    HWND control = FocusedControl();
    if (!control)
        return 0;
    if (target == control || IsChild(control, target) || target == Tarn_GetHWNDDropDown(control))
        return 0;
    if (TARN_TYPE(GetWindowLongA(control, GWL_STYLE)) == TARNS_LISTBOX)
        return 0;
    if (!Tarn_GetDroppedState(control))
        return 0;
    PostMessageA(control, TARNM_CLOSEDROPDOWN, 0, 0);
    return 1;
}

extern "C" LRESULT CALLBACK Tarn_MouseFilterHook(int code, WPARAM message, LPARAM mouseHook)
{
    if (code == HC_ACTION && IsMouseDown(message)) {
        auto* info = reinterpret_cast<MOUSEHOOKSTRUCT*>(mouseHook);
        if (Tarn_ProcessMouseMessage(info->hwnd, 0, 0))
            return 1; // the press that closed the list is not delivered
    }
    return CallNextHookEx(g_mouseHook, code, message, mouseHook);
}

extern "C" LRESULT CALLBACK Tarn_KeyboardFilterHook(int code, WPARAM key, LPARAM keyFlags)
{
    LRESULT result = CallNextHookEx(g_keyboardHook, code, key, keyFlags);
    if (code < 0)
        return result;
    if (HIWORD(keyFlags) & KF_MENUMODE) {
        HWND control = FocusedControl();
        if (control) {
            LONG style = GetWindowLongA(control, GWL_STYLE);
            if (TARN_TYPE(style) != TARNS_LISTBOX && !(style & TARNS_KEEPOPENINMENU) && Tarn_GetDroppedState(control))
                PostMessageA(control, TARNM_CLOSEDROPDOWN, 0, 0);
        }
    }
    return result;
}
