// Allocation, pinning and the starting values of the control record.
#include "core/control_record.h"

#include "core/ctl_colors.h"

ControlRecord* AllocateRecord(HWND hwnd)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(ControlRecord));
    if (!block)
        return nullptr;
    auto* rec = static_cast<ControlRecord*>(GlobalLock(block));
    if (!rec) {
        GlobalFree(block);
        return nullptr;
    }
    rec->hwnd = hwnd;
    rec->pins = 1;
    return rec;
}

void PinRecord(ControlRecord* rec)
{
    ++rec->pins;
}

void UnpinRecord(ControlRecord* rec)
{
    if (--rec->pins > 0)
        return;
    HGLOBAL block = GlobalHandle(rec);
    if (block) {
        GlobalUnlock(block);
        GlobalFree(block);
    }
}

void SetRecordDefaults(ControlRecord* rec, DWORD style)
{
    rec->redraw = 1;
    rec->locale = LOCALE_USER_DEFAULT;
    rec->shown = (style & WS_VISIBLE) ? 1 : 0;
    rec->virtualFetchCallback = nullptr;
    rec->virtualReleaseCallback = nullptr;
    rec->virtualUserData = 0;
    rec->virtualItem = nullptr;
    rec->virtualItemIndex = -1;
    rec->items = nullptr;
    rec->count = 0;
    rec->freeSlots = 0;

    rec->isListBox = TARN_TYPE(style) == TARNS_LISTBOX;
    rec->fixedItemHeight = (style & TARNS_VARIABLEHEIGHT) == 0;
    rec->curSel = -1;
    rec->currentItem = -1;
    rec->droppedHeight = 6;
    rec->droppedWidth = 0;
    SetDefaultColors(rec);
    rec->dragType = 1;
    rec->showRowColHeaderButton = 1;
    rec->gridStyle = TARN_GRID_BOTH;
    rec->headerButton = -1;
    rec->hotHeaderColumn = -1;
    rec->sizingColumn = -1;
    rec->draggedColumn = -1;
    rec->savedHeaderButton = -1;
    rec->itemLines = 1;
    rec->resizeHeader = 1;
    rec->reorderColumns = 1;
    rec->cursorSelect = 1;
    rec->dropDownPosition = TARN_DROPDOWN_BELOW;
    rec->showTruncated = 1;
    rec->showRowHeader = TARN_ROWHEADER_INDEX;
}
