#include "window/module.h"

HINSTANCE g_hInstance = nullptr;
ATOM g_controlAtom = 0;
ATOM g_listAtom = 0;
ATOM g_editAtom = 0;
WNDPROC g_editWndProc = nullptr;
int g_editExtraOffset = 0;

void ReportError(const char* source, int line, const char* message)
{
    // Failures are reported through results only; nothing is shown. The
    // arguments stay in the signature so a debugging build can log them.
    (void)source;
    (void)line;
    (void)message;
}

bool IsModuleWindow(HWND hwnd, ATOM atom)
{
    return hwnd && atom && static_cast<ATOM>(GetClassLongPtrA(hwnd, GCW_ATOM)) == atom;
}
