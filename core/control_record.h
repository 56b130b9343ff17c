// The control record: all state of one Tarn32 control window.
//
// One record per control window, reached through window long 0. It is plain
// data (zero-filled at allocation, no constructors), so the item store, the
// column set and the other core routines can be exercised on a record built in
// memory, without any window.
#pragma once

#include <windows.h>
#include "tarn32.h"

struct ControlRecord {
    // Identity and child windows
    HWND hwnd;
    HWND hwndEdit;
    HWND hwndDropDown;      // non-NULL while the list is shown (always for type 0)
    BOOL isListBox;         // control type 0
    BOOL fixedItemHeight;
    BOOL shown;
    BOOL redraw;

    // Items
    int count;
    TarnItem** items;
    int freeSlots;
    TARNVIRTUALFETCHPROC virtualFetchCallback;
    TARNVIRTUALRELEASEPROC virtualReleaseCallback;
    LPARAM virtualUserData;
    TarnItem* virtualItem;
    int virtualItemIndex;
    int maxLevel;
    TARNDELETEPROC deleteCallback;
    LPARAM deleteUserData;
    LCID locale;

    // Selection and scrolling
    int curSel;
    int currentItem;
    int caretColumn;
    int topIndex;
    int horizontalExtent;
    int horizontalOffset;
    BOOL vScrollStyle;
    BOOL hScrollStyle;
    BOOL vScrollShown;
    BOOL hScrollShown;
    BOOL scrollInProgress;
    decltype(&SetScrollInfo) pfnSetScrollInfo;
    decltype(&GetScrollInfo) pfnGetScrollInfo;

    // Display options
    int selectionStyle;
    BOOL showTreeLines;
    BOOL showLabels;
    BOOL showBitmaps;
    BOOL show3D;
    BOOL showGrid;
    int gridStyle;
    BOOL showTruncated;
    BOOL cursorSelect;
    BOOL extendedUI;
    int itemLines;
    int overheadWidth;
    BOOL openEnded;
    int dropDownPosition;
    int droppedHeight;      // > 0 rows, < 0 pixels
    int droppedWidth;
    TARNDRAWINFOPROC drawInfoCallback;
    LPARAM drawInfoUserData;

    // Columns and headers
    int columnCount;
    ColumnDef* columns;
    ColumnDef* columnsCopy;
    int showHeader;
    BOOL resizeHeader;
    BOOL reorderColumns;
    int headerButton;
    int hotHeaderColumn;
    int savedHeaderButton;
    int sizingColumn;
    int draggedColumn;
    int dragOffsetX;
    int dragOffsetY;
    RECT trackRect;
    int rowHeaderWidth;
    int showRowHeader;
    int rowHeaderStyle;
    char* rowColText;
    HBITMAP hbmRowCol;
    int rowColHeaderStyle;
    int rowColBitmapStyle;
    BOOL showRowColHeaderButton;
    BOOL rowColHeaderButton;
    BOOL savedRowColButton;

    // Fonts and metrics
    HFONT hfont;
    TEXTMETRICA tmFont;
    int avgCharWidth;
    int maxCharWidth;
    HFONT hfontEditCtl;
    TEXTMETRICA tmEditCtl;
    HFONT hfontColHeader;
    TEXTMETRICA tmColHeader;
    HFONT hfontRowHeader;
    TEXTMETRICA tmRowHeader;
    HBRUSH hbrEditBack;

    // Colours (entry order of CtlColors; see TarnColorIndex)
    COLORREF colors[TARNCLR_COUNT];

    // Shared bitmap metrics, so layout never has to touch the bitmaps
    BITMAP bmLabel;
    BITMAP bmItemBitmap;
    BITMAP bmCellInfo;
    BITMAP bmColumn;
    BITMAP bmRowInfo;
    BITMAP bmRowCol;

    // Mouse, keyboard and drop-down state
    int trackMode;
    int pressState;
    BOOL vScrollDirection;
    BOOL headerScrollDirection;
    UINT_PTR timerId;
    int dragType;
    BOOL dropButtonDown;
    BOOL dropClosed;
    RECT cellRect;
    HCURSOR hcurColumnSize;
    HCURSOR hcurDrag1;
    HCURSOR hcurDrag2;
    int layoutDepth;
    int clientWidth;
    int clientHeight;
    int ignoreMouseMoves;

    // Edit synchronisation
    int editSyncDepth;
    int editTextLock;

    // Font-list fillers
    HBITMAP hbmFontTrueType;
    HBITMAP hbmFontPrinter;
    int fontResult;
    int fontBlockStart;
    int fontBlockCount;
    DWORD fontFlags;
    char* fontWeightNames;
    char* fontItalicSuffix;
};

// Window long 0 of a control window holds the record; -1 after WM_NCDESTROY.
inline ControlRecord* GetRecord(HWND hwnd)
{
    return reinterpret_cast<ControlRecord*>(GetWindowLongPtrA(hwnd, 0));
}

inline bool IsVirtual(const ControlRecord* rec) { return rec->virtualFetchCallback != nullptr; }
inline bool IsValidRow(const ControlRecord* rec, int row) { return row >= 0 && row < rec->count; }
inline bool IsValidColumn(const ControlRecord* rec, int col) { return col >= 0 && col < rec->columnCount; }
inline int ControlType(const ControlRecord* rec) { return TARN_TYPE(GetWindowLongA(rec->hwnd, GWL_STYLE)); }
