// The two thread hooks and the mouse-message filter behind them. A dropped
// list is closed by posting the control its private message, so nothing of
// the control runs inside the hook itself.
#include "api/hooks.h"

#include "api/call_frame.h"
#include "window/drop_close.h"
#include "window/module.h"

namespace {
HHOOK g_mouseHook = nullptr;
int g_mouseHookUses = 0;
HHOOK g_keyboardHook = nullptr;
int g_keyboardHookUses = 0;

bool Install(HHOOK& hook, int& uses, int kind, HOOKPROC proc, HINSTANCE instance)
{
    if (uses > 0)
        return true;
    hook = SetWindowsHookExA(kind, proc, instance, GetCurrentThreadId());
    if (!hook)
        return false;
    ++uses;
    return true;
}

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

// Whether a key arrives in a menu's modal loop. Not every system marks such
// keys with KF_MENUMODE; the thread's own state says so as well.
bool InMenuMode(LPARAM keyFlags)
{
    if (HIWORD(keyFlags) & KF_MENUMODE)
        return true;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE);
}
} // namespace

bool InstallHooks(HINSTANCE instance)
{
    if (!Install(g_mouseHook, g_mouseHookUses, WH_MOUSE, Tarn_MouseFilterHook, instance)) {
        ReportError("Tarn32", 11256, "WH_MOUSE hook cannot be installed\r\n");
        return false;
    }
    if (!Install(g_keyboardHook, g_keyboardHookUses, WH_KEYBOARD, Tarn_KeyboardFilterHook, instance)) {
        ReportError("Tarn32", 11273, "WH_KEYBOARD hook cannot be installed\r\n");
        return false;
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
    CallFrame frame(control);
    if (!frame)
        return 0;
    ControlRecord* rec = frame.get();
    if (target == control || IsChild(control, target) || target == rec->hwndDropDown)
        return 0;
    if (!IsDropped(rec))
        return 0;
    PostMessageA(control, TARNM_CLOSEDROPDOWN, 0, 0);
    return 1;
}

extern "C" LRESULT CALLBACK Tarn_MouseFilterHook(int code, WPARAM message, LPARAM mouseHook)
{
    if (code == HC_ACTION && IsMouseDown(message)) {
        auto* info = reinterpret_cast<MOUSEHOOKSTRUCT*>(mouseHook);
        if (info && Tarn_ProcessMouseMessage(info->hwnd, 0, 0))
            return 1; // the press that closed the list is not delivered
    }
    return CallNextHookEx(g_mouseHook, code, message, mouseHook);
}

extern "C" LRESULT CALLBACK Tarn_KeyboardFilterHook(int code, WPARAM key, LPARAM keyFlags)
{
    LRESULT result = CallNextHookEx(g_keyboardHook, code, key, keyFlags);
    // A key only looked at (HC_NOREMOVE) comes again when it is taken.
    if (code != HC_ACTION)
        return result;
    HWND control = FocusedControl();
    CallFrame frame(control);
    if (frame && IsDropped(frame.get()) && !(GetWindowLongA(control, GWL_STYLE) & TARNS_KEEPOPENINMENU) &&
        InMenuMode(keyFlags))
        PostMessageA(control, TARNM_CLOSEDROPDOWN, 0, 0);
    return result;
}
