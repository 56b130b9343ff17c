/*
 * What an application without an import library does: load TARN32.dll at run
 * time and look up every export by name. The names come from the export table
 * the DLL must match (ordinal_table.h, generated from tools/ordinals.txt); it
 * must export exactly those.
 */
#include <windows.h>
#include <stdio.h>
#include "ordinal_table.h"

int main(void)
{
    const int expected = (int)(sizeof kOrdinalTable / sizeof kOrdinalTable[0]);
    const IMAGE_NT_HEADERS* nt;
    const IMAGE_EXPORT_DIRECTORY* exports;
    int i, missing = 0;
    HMODULE dll = LoadLibraryA("TARN32.dll");
    if (!dll) {
        printf("LoadLibrary(TARN32.dll) failed: error %lu\n", GetLastError());
        return 1;
    }
    for (i = 0; i < expected; i++) {
        if (!GetProcAddress(dll, kOrdinalTable[i].name)) {
            printf("not exported: %s\n", kOrdinalTable[i].name);
            missing++;
        }
    }
    /* Nothing beyond the table: count the names in the DLL's export directory. */
    nt = (const IMAGE_NT_HEADERS*)((const BYTE*)dll + ((const IMAGE_DOS_HEADER*)dll)->e_lfanew);
    exports = (const IMAGE_EXPORT_DIRECTORY*)((const BYTE*)dll +
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
    if ((int)exports->NumberOfNames != expected) {
        printf("the DLL exports %lu names, the table has %d\n", (unsigned long)exports->NumberOfNames, expected);
        missing++;
    }
    FreeLibrary(dll);
    if (missing)
        printf("FAILED\n");
    else
        printf("ok: all %d exports resolve by name\n", expected);
    return missing != 0;
}
