// A test program that crashes ends at once with the fault's code and
// address, instead of waiting for a debugger until its test times out. The
// heap may be what is broken, so the report is made without it.
#include <windows.h>

namespace {
LONG WINAPI ReportAndExit(EXCEPTION_POINTERS* info)
{
    char line[96];
    const int n = wsprintfA(line, "\r\nunhandled exception 0x%08lx at %p\r\n",
                            static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                            info->ExceptionRecord->ExceptionAddress);
    DWORD written;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(n), &written, nullptr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

const LPTOP_LEVEL_EXCEPTION_FILTER g_installed = SetUnhandledExceptionFilter(ReportAndExit);
} // namespace
