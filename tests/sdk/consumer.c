/*
 * A program that uses TARN32 the way an application does: it creates a type-0
 * control with three columns, adds rows and reads every cell back. The suite
 * builds it through the installed CMake package, links it with an MSVC-style
 * linker against TARN32.lib, and runs it. Prints "ok" and exits with 0 on
 * success.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>
#include "tarn32.h"

static const char* const kCells[3][3] = {
    {"Hex bolt", "M8x60", "40"},
    {"Washer", "M8", "250"},
    {"Nut", "M8", "120"},
};

int main(void)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    ColumnDef cols[3];
    char text[64];
    int row, col, failures = 0;
    HWND list, parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                        NULL, NULL, instance, NULL);
    list = CreateWindowExA(0, TARN32_CLASS, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | TARNS_LISTBOX,
                           0, 0, 380, 200, parent, (HMENU)100, instance, NULL);
    if (!list) {
        printf("the control was not created (error %lu)\n", GetLastError());
        return 1;
    }
    memset(cols, 0, sizeof cols);
    for (col = 0; col < 3; col++) {
        cols[col].width = 100;
        cols[col].backColor = cols[col].textColor = TARN_COLOR_NONE;
        cols[col].selBackColor = cols[col].selTextColor = TARN_COLOR_NONE;
        cols[col].position = col;
        cols[col].headerText = kCells[0][col];
    }
    if (!Tarn_SetColumns(list, 3, cols)) {
        printf("Tarn_SetColumns failed\n");
        failures++;
    }
    for (row = 0; row < 3; row++) {
        int index = Tarn_AddString_A(list, kCells[row][0]);
        if (index != row || !Tarn_SetText_A(list, index, 1, kCells[row][1]) ||
            !Tarn_SetText_A(list, index, 2, kCells[row][2])) {
            printf("adding row %d failed (index %d)\n", row, index);
            failures++;
        }
    }
    if (Tarn_GetCount(list) != 3) {
        printf("Tarn_GetCount gave %d\n", Tarn_GetCount(list));
        failures++;
    }
    for (row = 0; row < 3; row++) {
        for (col = 0; col < 3; col++) {
            int length = Tarn_GetTextLength(list, row, col);
            if (length != (int)strlen(kCells[row][col]) || length >= (int)sizeof text ||
                Tarn_GetText_A(list, row, col, text) != length || strcmp(text, kCells[row][col]) != 0) {
                printf("cell %d,%d read back as \"%s\" (length %d)\n", row, col, text, length);
                failures++;
            }
        }
    }
    if (Tarn_SetCurSel(list, 1) != 0 || Tarn_GetCurSel(list) != 1) {
        printf("the selection did not stick\n");
        failures++;
    }
    DestroyWindow(parent);
    if (Tarn_GetCount(list) != -1) {
        printf("a destroyed control still answers\n");
        failures++;
    }
    printf(failures ? "FAILED\n" : "ok: 3 rows of 3 columns read back\n");
    fflush(stdout);
    return failures != 0;
}

#ifdef TARN32_CONSUMER_ENTRY
/* The MSVC-style link has no C run-time start-up of its own; msvcrt.dll
   initialises itself, so an entry point that calls main is enough. */
void __cdecl TARN32_CONSUMER_ENTRY(void)
{
    ExitProcess((UINT)main());
}
#endif
