#include "core/ctl_colors.h"

#include <string.h>

#include <initializer_list>

static_assert(sizeof(CtlColors) == sizeof(ControlRecord::colors), "the table and the exchange record match");

bool IsOldSystem()
{
    return LOBYTE(LOWORD(GetVersion())) < 4;
}

COLORREF ResolveColor(COLORREF value)
{
    if (value != TARN_COLOR_NONE && TARN_IS_SYSCOLOR(value))
        return GetSysColor(TARN_SYSCOLOR_INDEX(value));
    return value;
}

void SetDefaultColors(ControlRecord* rec)
{
    COLORREF* c = rec->colors;
    for (int i = 0; i < TARNCLR_COUNT; ++i)
        c[i] = TARN_SYSCOLOR(COLOR_BTNSHADOW);
    c[0] = TARN_SYSCOLOR(COLOR_WINDOW);
    c[1] = TARN_SYSCOLOR(COLOR_WINDOWTEXT);
    c[2] = TARN_SYSCOLOR(COLOR_GRAYTEXT);
    c[3] = c[4] = TARN_COLOR_NONE;
    c[5] = TARN_SYSCOLOR(COLOR_HIGHLIGHT);
    c[6] = TARN_SYSCOLOR(COLOR_HIGHLIGHTTEXT);
    for (int i : {8, 13, 20, 25})
        c[i] = TARN_SYSCOLOR(COLOR_BTNHIGHLIGHT);
    for (int i : {9, 14, 16, 21, 26, 29})
        c[i] = TARN_SYSCOLOR(COLOR_BTNFACE);
    for (int i : {10, 15, 17, 22, 27})
        c[i] = TARN_SYSCOLOR(COLOR_BTNTEXT);
    for (int i : {11, 18, 23, 28})
        c[i] = TARN_SYSCOLOR(COLOR_GRAYTEXT);
    const bool old = IsOldSystem();
    c[31] = old ? RGB(0, 0, 0) : TARN_SYSCOLOR(COLOR_3DDKSHADOW);
    c[32] = old ? RGB(255, 255, 255) : TARN_SYSCOLOR(COLOR_BTNHIGHLIGHT);
}

void SetCtlColors(ControlRecord* rec, const CtlColors* colors)
{
    memcpy(rec->colors, colors, sizeof rec->colors);
}

void GetCtlColors(const ControlRecord* rec, CtlColors* colors)
{
    memcpy(colors, rec->colors, sizeof rec->colors);
}
