// Module entry point: window classes, the two thread hooks and the lock.
#include "api/hooks.h"
#include "core/lock.h"
#include "tarn32.h"
#include "window/edit_field.h"
#include "window/module.h"

namespace {

// RegisterClassA fails when another copy of the module registered the class
// already. That class is then used as it is, and its atom stays 0 here: the
// windows of that class are the other copy's, and this one refuses them.
bool RegisterOrFind(const WNDCLASSA& wc, ATOM* atom)
{
    *atom = RegisterClassA(&wc);
    WNDCLASSA existing;
    return *atom || GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing);
}

bool RegisterClasses(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = Tarn_WndProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.lpszClassName = TARN32_CLASS;
    if (!RegisterOrFind(wc, &g_controlAtom)) {
        ReportError("Tarn32", 11204, "Tarn32 could not be registered");
        return false;
    }

    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TDropDown_WndProc;
    wc.lpszClassName = TARN32_DROPDOWN_CLASS;
    if (!RegisterOrFind(wc, &g_listAtom)) {
        ReportError("Tarn32", 11221, "Dropdown window class could not be registered");
        return false;
    }

    WNDCLASSA edit;
    if (!GetClassInfoA(nullptr, "EDIT", &edit)) {
        ReportError("Tarn32", 11228, "Edit control window class not found");
        return false;
    }
    g_editWndProc = edit.lpfnWndProc;
    g_editExtraOffset = edit.cbWndExtra;
    edit.style &= ~CS_GLOBALCLASS;
    edit.lpfnWndProc = TCtl_WndProc;
    edit.cbWndExtra += kEditFieldLongs * sizeof(LONG_PTR);
    edit.hInstance = instance;
    edit.lpszClassName = TARN32_EDIT_CLASS;
    if (!RegisterOrFind(edit, &g_editAtom)) {
        ReportError("Tarn32", 11240, "Edit control window class could not be registered");
        return false;
    }
    return true;
}

void UnregisterModule()
{
    UnregisterClassA(TARN32_CLASS, g_hInstance);
    UnregisterClassA(TARN32_DROPDOWN_CLASS, g_hInstance);
    UnregisterClassA(TARN32_EDIT_CLASS, g_hInstance);
    ReleaseHooks();
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_hInstance = instance;
        if (!RegisterClasses(instance) || !InstallHooks(instance)) {
            UnregisterModule();
            return FALSE;
        }
        InitItemLock();
        return TRUE;
    case DLL_PROCESS_DETACH:
        UnregisterModule();
        DeleteItemLock();
        return TRUE;
    default:
        return TRUE;
    }
}

extern "C" BOOL WINAPI Tarn_RegisterApp(DWORD)
{
    return 1;
}

extern "C" void WINAPI Tarn_UnregisterApp(DWORD)
{
    ReleaseHooks();
}
