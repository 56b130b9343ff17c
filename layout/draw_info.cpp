// The application's draw-info callback: called before each row is painted,
// it may change the row's colours, font, bitmaps and enabled look.
#include "core/control_record.h"

extern "C" BOOL WINAPI Tarn_SetDrawInfoCallback(HWND hwnd, const TarnDrawInfoCallbackInfo* info)
{
    ControlRecord* rec = GetRecord(hwnd);
    if (!info) {
        rec->drawInfoCallback = nullptr;
        rec->drawInfoUserData = 0;
    } else {
        rec->drawInfoCallback = info->callback;
        rec->drawInfoUserData = info->userData;
    }
    return 1;
}
