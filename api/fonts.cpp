// The exported font list fillers and their enumeration procedures. The
// procedures are entry points of their own: the application's code may run
// between two fonts (a notification, the delete callback) and destroy the
// control, which their frame then refuses, ending the enumeration.
#include "api/call_frame.h"
#include "fonts/font_fill.h"

extern "C" int WINAPI Tarn_Fonts(HWND hwnd, int index, BOOL bitmaps, HDC hdcPrinter, UINT flags)
{
    return WithControl(hwnd, -1, [&](ControlRecord* rec) {
        return FillFontNames(rec, index, bitmaps != FALSE, hdcPrinter, flags, Tarn_FontsEnumProc,
                             reinterpret_cast<LPARAM>(hwnd));
    });
}

extern "C" BOOL WINAPI Tarn_FontSizes_A(HWND hwnd, HDC hdcPrinter, const char* face)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        return FillFontSizes(rec, hdcPrinter, face, Tarn_FontsForSizeEnumProc, reinterpret_cast<LPARAM>(hwnd));
    });
}

extern "C" BOOL WINAPI Tarn_FontStyles_A(HWND hwnd, HDC hdcPrinter, const char* face, const char* weightNames,
                                         const char* italicSuffix)
{
    return WithControl(hwnd, FALSE, [&](ControlRecord* rec) {
        return FillFontStyles(rec, hdcPrinter, face, weightNames, italicSuffix, Tarn_FontsForStyleEnumProc,
                              reinterpret_cast<LPARAM>(hwnd));
    });
}

extern "C" int CALLBACK Tarn_FontsEnumProc(const LOGFONTA* lf, const TEXTMETRICA*, DWORD fontType, LPARAM lParam)
{
    return WithControl(reinterpret_cast<HWND>(lParam), 0, [&](ControlRecord* rec) {
        return lf ? FontNameFound(rec, lf, fontType) : 0;
    });
}

extern "C" int CALLBACK Tarn_FontsForSizeEnumProc(const LOGFONTA*, const TEXTMETRICA* tm, DWORD fontType,
                                                  LPARAM lParam)
{
    return WithControl(reinterpret_cast<HWND>(lParam), 0, [&](ControlRecord* rec) {
        return tm ? FontSizeFound(rec, tm, fontType) : 0;
    });
}

extern "C" int CALLBACK Tarn_FontsForStyleEnumProc(const LOGFONTA* lf, const TEXTMETRICA*, DWORD fontType,
                                                   LPARAM lParam)
{
    return WithControl(reinterpret_cast<HWND>(lParam), 0, [&](ControlRecord* rec) {
        return lf ? FontStyleFound(rec, lf, fontType) : 0;
    });
}
