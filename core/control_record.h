// The control record: all state of one Tarn32 control window.
//
// One record per control window, reached through window long 0. It is plain
// data (zero-filled at allocation, no constructors), so the item store, the
// column set and the other core routines can be exercised on a record built in
// memory, without any window (hwnd NULL).
//
// Lifetime: the record is pinned by everything that may still use it -- the
// window itself (until WM_NCDESTROY), its child windows, and every entry
// point while it runs -- and freed when the last pin goes. Destruction marks
// it dead first, so code that regains control after a notification or a
// callback asks `dead` and stops, without ever touching freed memory.
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
    BOOL virtualFetching;   // a fetch is running: no other row is asked for meanwhile
    int maxLevel;
    TARNDELETEPROC deleteCallback;
    LPARAM deleteUserData;
    BOOL releasingItems;    // a reset is reporting its rows; the store keeps its shape
    LCID locale;
    // Counts changes to the number, order or levels of the rows and to the
    // columns, so that code calling back into the application can tell cheaply
    // whether the rows it holds are still the control's.
    unsigned itemChanges;

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
    BOOL barsMarked;        // the list's frame is marked for painting and not yet painted
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
    BOOL rowHeaderAutoWidth;   // the width is the mode's choice, kept fitting the row numbers
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

    // Off-screen bitmaps kept between paints: one row of the list, and the
    // control's header band and field
    HBITMAP hbmRowBuffer;
    HBITMAP hbmControlBuffer;

    // The list window's frame (its scroll bars) as the system last drew it,
    // and everything its look depends on (see window/list_frame.cpp)
    HBITMAP hbmListFrame;       // the strip right of the client area, corner included
    HBITMAP hbmListFrameBottom; // the strip below it
    BOOL listFrameKept;         // the strips show listFrameLook (else it is the last look drawn)
    struct ListFrameLook {
        RECT window;
        RECT client;
        SCROLLINFO bars[2];
        SCROLLBARINFO barStates[2];
        COLORREF colors[4];
        BOOL enabled;
    } listFrameLook;

    // How deep each edit field's procedure is running (window/edit_field.cpp)
    struct EditRun {
        HWND edit;
        int depth;
    } editRuns[4];

    // Edit synchronisation
    int editSyncDepth;
    int editTextLock;
    int editTyped;      // the field holds the user's text until a row is committed otherwise

    // Font-list fillers
    HBITMAP hbmFontTrueType;
    HBITMAP hbmFontPrinter;
    int fontResult;
    int fontBlockStart;
    int fontBlockCount;
    DWORD fontFlags;
    char* fontWeightNames;
    char* fontItalicSuffix;

    // Lifetime
    int pins;
    BOOL created;           // WM_CREATE has set the defaults; entry points accept the control
    BOOL dead;              // WM_DESTROY has begun; entry points refuse the control
};

inline bool IsVirtual(const ControlRecord* rec) { return rec->virtualFetchCallback != nullptr; }
inline bool IsValidRow(const ControlRecord* rec, int row) { return row >= 0 && row < rec->count; }
inline bool IsValidColumn(const ControlRecord* rec, int col) { return col >= 0 && col < rec->columnCount; }

// A zero-filled record for hwnd holding one pin (the window's); NULL when
// memory runs out.
ControlRecord* AllocateRecord(HWND hwnd);
// Pins are counted, not owned: the record is freed by the unpin that takes
// the count to zero.
void PinRecord(ControlRecord* rec);
void UnpinRecord(ControlRecord* rec);

// Holds one pin for its scope; a NULL record is allowed and holds nothing.
class RecordPin {
public:
    explicit RecordPin(ControlRecord* rec) : rec_(rec)
    {
        if (rec_)
            PinRecord(rec_);
    }
    ~RecordPin()
    {
        if (rec_)
            UnpinRecord(rec_);
    }
    RecordPin(const RecordPin&) = delete;
    RecordPin& operator=(const RecordPin&) = delete;
    ControlRecord* get() const { return rec_; }

private:
    ControlRecord* rec_;
};

// The values a new control starts with, from its creation style. The module
// cursors are the window side's to load.
void SetRecordDefaults(ControlRecord* rec, DWORD style);
