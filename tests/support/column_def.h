// A column definition for tests: the given width, display position and
// format, every colour "not set", everything else zero.
#pragma once

#include <cstring>

#include "tarn32.h"

inline ColumnDef Column(int width, int position, DWORD format = 0)
{
    ColumnDef def;
    std::memset(&def, 0, sizeof def);
    def.width = width;
    def.backColor = def.textColor = def.selBackColor = def.selTextColor = TARN_COLOR_NONE;
    def.format = format;
    def.position = position;
    return def;
}
