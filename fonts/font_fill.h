// The font list fillers: face names, the point sizes of one face and the
// styles of one face, each added to a control as ordinary rows whose column-0
// data0 identifies the entry (font type, point size, weight/italic key).
//
// The fill routines enumerate with the procedure they are given, which
// reaches the per-font routines below through the entry point of the
// control, so a control destroyed by the application meanwhile ends the
// enumeration there.
#pragma once

#include "core/control_record.h"

// Tarn_Fonts; the enumeration passes lParam to proc for every face.
int FillFontNames(ControlRecord* rec, int index, bool bitmaps, HDC hdcPrinter, UINT flags, FONTENUMPROCA proc,
                  LPARAM lParam);
// Tarn_FontSizes_A and Tarn_FontStyles_A: whether the control holds an item
// afterwards.
bool FillFontSizes(ControlRecord* rec, HDC hdcPrinter, const char* face, FONTENUMPROCA proc, LPARAM lParam);
bool FillFontStyles(ControlRecord* rec, HDC hdcPrinter, const char* face, const char* weightNames,
                    const char* italicSuffix, FONTENUMPROCA proc, LPARAM lParam);

// One font of an enumeration each; non-zero continues it.
int FontNameFound(ControlRecord* rec, const LOGFONTA* lf, DWORD fontType);
int FontSizeFound(ControlRecord* rec, const TEXTMETRICA* tm, DWORD fontType);
int FontStyleFound(ControlRecord* rec, const LOGFONTA* lf, DWORD fontType);

// Weight rounded to the nearest of 100 ... 900, ties to the lower.
int RoundFontWeight(int weight);
