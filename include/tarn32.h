/**
 * @file tarn32.h
 * @brief Public interface of TARN32.dll, a combo box with columns.
 *
 * Place a control by creating a child window of class TARN32_CLASS ("Tarn32").
 * The low two style bits choose the control type (TARNS_*). The control is then
 * driven by the exported Tarn_* functions below; every one of them uses the
 * WINAPI convention and takes the control window first.
 *
 * Handles
 *   Every function checks its window first: it must be a live window of this
 *   module's class "Tarn32" that is not being destroyed. Given anything else
 *   (NULL, a destroyed control, another class, the control's own list window
 *   or edit field, or a control inside its WM_DESTROY) a function does
 *   nothing, touches none of its arguments and returns its failure value:
 *   the one named at its declaration, else -1 for an int or LPARAM result,
 *   0 (FALSE) for BOOL, UINT and LCID results, NULL for handles and
 *   pointers; Tarn_DefaultCompareProc returns -2. The exported window
 *   procedures give windows of other classes the default processing.
 *
 * General conventions
 *   - Rows and columns are 0-based signed ints; -1 means "none" (and, where a
 *     function says so, the current row or the shared setting).
 *   - Functions returning an index or a count return -1 (TARN_ERR) for a bad
 *     index or column, a refused operation or a failed allocation.
 *   - Setters that report success return 1 or 0. A few return 0 on success and
 *     -1 on failure; those are marked "0 / -1" below.
 *   - Functions that copy text into a caller's buffer store an empty string in
 *     it first, so the buffer is defined even on failure.
 *   - In virtual mode every function that would add, delete, move or change
 *     stored items refuses with its failure value.
 *   - Strings passed in are copied; the copies belong to the control. Fonts and
 *     bitmaps passed in are used but never deleted: keep them alive while the
 *     control uses them and delete them yourself afterwards.
 *   - Colours are 32-bit values: an RGB COLORREF, TARN_SYSCOLOR(n) for system
 *     colour n (resolved with GetSysColor at paint time), or TARN_COLOR_NONE
 *     (-1) to inherit from the next more general level (cell, column, control;
 *     row headers: row, control).
 *   - The control reports to its parent with WM_COMMAND:
 *     wParam = MAKEWPARAM(control id, TARNN_* code), lParam = control window.
 *     The parent may call any exported function while handling one, and may
 *     destroy the control: the control stops what it was doing at once.
 *     Once WM_DESTROY has begun, the control takes no more calls, so the
 *     notifications and delete callbacks of the destruction itself cannot
 *     reach back into it.
 *   - Application values (item data, callback user data, cell data words) are
 *     LPARAM: 32 bits in the 32-bit DLL, pointer-sized in the 64-bit build.
 *
 * Everything runs on the thread that created the control.
 */
#ifndef TARN32_H
#define TARN32_H

#include <windows.h>
#include <stddef.h>

/* The DLL build defines TARN32_BUILDING_DLL; its exports come from TARN32.def,
   so nothing is marked dllexport here. */
#ifdef TARN32_BUILDING_DLL
#define TARN32_API
#else
#define TARN32_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------ */
/* Window classes, properties, child windows, private message               */
/* ------------------------------------------------------------------------ */

#define TARN32_CLASS          "Tarn32"        /* the control window */
#define TARN32_DROPDOWN_CLASS "TarnDropDown"  /* the list window */
#define TARN32_EDIT_CLASS     "TarnCtl"       /* the edit field, a superclass of "EDIT" */

#define TARN32_PROP_CONTROL   "Tarn32"        /* set (1) on every live control window */
#define TARN32_PROP_DROPDOWN  "TarnDD32"      /* set (1) on every list window */

#define TARN32_ID_EDIT        100             /* child id of the edit field */
#define TARN32_ID_LIST        101             /* child id of the list window */

/* Posted to a control to close its dropped list with cancel. */
#define TARNM_CLOSEDROPDOWN   (WM_USER + 100)

/* ------------------------------------------------------------------------ */
/* Window style bits (low word of GWL_STYLE)                                */
/* ------------------------------------------------------------------------ */

#define TARNS_TYPEMASK          0x0003L
#define TARNS_LISTBOX           0x0000L /* edit field above a permanently shown list */
#define TARNS_DROPDOWN          0x0001L /* drop-down list with edit field */
#define TARNS_DROPDOWNLIST      0x0002L /* drop-down list without edit field; drop position settable */
#define TARNS_DROPDOWNLISTFIXED 0x0003L /* as TARNS_DROPDOWNLIST, fixed drop position, no TARNN_DROPDOWNCREATED */
#define TARNS_KEEPBOTTOM        0x0010L /* drop-down types: fitting the height keeps the bottom edge */
#define TARNS_KEEPCENTER        0x0020L /* drop-down types: fitting the height keeps the vertical centre */
#define TARNS_VARIABLEHEIGHT    0x0800L /* rows may differ in height */
#define TARNS_AUTOHSCROLL       0x1000L /* edit field created with ES_AUTOHSCROLL */
#define TARNS_LEFTBUTTONONLY    0x2000L /* right and middle presses in the list are ignored */
#define TARNS_DISABLENOSCROLL   0x4000L /* unneeded scroll bars are shown disabled, not hidden */
#define TARNS_KEEPOPENINMENU    0x8000L /* keyboard menu mode does not close the dropped list */
/* WS_VSCROLL / WS_HSCROLL given at creation are moved to the list window. */

#define TARN_TYPE(style)        ((int)((style) & TARNS_TYPEMASK))

/* ------------------------------------------------------------------------ */
/* Notification codes (HIWORD of wParam of WM_COMMAND)                      */
/* ------------------------------------------------------------------------ */

/* The control, its edit field and its list window hold the focus as one: the
   focus moving among them is neither a loss nor a gain. */
#define TARNN_KILLFOCUS         2   /* the focus left for a window outside the control, or none */
#define TARNN_SETFOCUS          3   /* the focus came into the control from outside */
#define TARNN_SELCHANGE         5   /* the current row was committed (sent even if unchanged) */
#define TARNN_TOPINDEXCHANGE    6   /* the top row changed through scrolling */
#define TARNN_COLUMNRESIZED     8   /* the user resized a column */
#define TARNN_COLUMNMOVED       9   /* the user moved a column */
#define TARNN_HOFFSETCHANGE     10  /* the horizontal offset changed through scrolling */
#define TARNN_MOUSEMOVE         11  /* the pointer moved over the control or its list */
#define TARNN_OVERHEADCHANGE    12  /* the width before the first column changed */
#define TARNN_SIZE              14  /* the control was resized */
#define TARNN_EDITUPDATE        15  /* the edit field reported EN_UPDATE */
#define TARNN_EDITCHANGE        16  /* the edit field reported EN_CHANGE */
#define TARNN_DROPDOWNCREATED   17  /* the list window of a type 1 or 2 control was created */
#define TARNN_DROPDOWNDESTROYED 18  /* the list window of a drop-down type was destroyed */
#define TARNN_DROPDOWN          19  /* the list is about to drop */
#define TARNN_SELENDOK          20  /* the list is closing with acceptance */
#define TARNN_SELENDCANCEL      21  /* the list is closing with cancel */
#define TARNN_RBUTTONUP         22  /* right button released over the control or its list */

/* Mouse presses, 30..158: button base + double-click offset + field offset + part hit. */
#define TARNN_LBUTTON           30  /* left button base */
#define TARNN_MBUTTON           50  /* middle button base */
#define TARNN_RBUTTON           70  /* right button base */
#define TARNN_DBLCLK            10  /* added for a double click */
#define TARNN_INFIELD           70  /* added when the press is on the field, not in the list */
#define TARNN_PART_LABEL        0   /* label bitmap zone */
#define TARNN_PART_TREEBUTTON   2   /* tree line zone */
#define TARNN_PART_BITMAP       4   /* item bitmap zone */
#define TARNN_PART_ROW          5   /* the row itself (or the field) */
#define TARNN_PART_COLHEADER    6   /* column header button clicked and released */
#define TARNN_PART_CORNER       7   /* corner cell clicked and released */
#define TARNN_PART_ROWHEADER    8   /* row header */
#define TARNN_MOUSE_FIRST       30
#define TARNN_MOUSE_LAST        158
#define TARNN_MOUSECODE(button, dblclk, infield, part) \
    ((button) + ((dblclk) ? TARNN_DBLCLK : 0) + ((infield) ? TARNN_INFIELD : 0) + (part))
#define TARNN_LCLICKROW         (TARNN_LBUTTON + TARNN_PART_ROW)                /* 35 */
#define TARNN_LDBLCLKROW        (TARNN_LBUTTON + TARNN_DBLCLK + TARNN_PART_ROW) /* 45 */
#define TARNN_LCLICKCOLHEADER   (TARNN_LBUTTON + TARNN_PART_COLHEADER)          /* 36 */
#define TARNN_LCLICKCORNER      (TARNN_LBUTTON + TARNN_PART_CORNER)             /* 37 */

/* ------------------------------------------------------------------------ */
/* Colour values                                                             */
/* ------------------------------------------------------------------------ */

#define TARN_COLOR_NONE         ((COLORREF)0xFFFFFFFFu)              /* not set: inherit */
#define TARN_SYSCOLOR_FLAG      0x80000000u
#define TARN_SYSCOLOR(n)        ((COLORREF)(TARN_SYSCOLOR_FLAG | (DWORD)(n)))
#define TARN_IS_SYSCOLOR(c)     ((((DWORD)(c)) & TARN_SYSCOLOR_FLAG) != 0)
#define TARN_SYSCOLOR_INDEX(c)  ((int)(((DWORD)(c)) & 0xFFFFu))

/* ------------------------------------------------------------------------ */
/* Misc. constants                                                           */
/* ------------------------------------------------------------------------ */

#define TARN_ERR                (-1)
#define TARN_CELLINFO_VERSION   1   /* CellInfo.version */
#define TARN_ROWINFO_VERSION    1   /* RowInfo.version */
#define TARN_MAX_ITEM_LEVEL     63  /* deepest tree level an item stores */

/* TarnItem.flags */
#define TARNIF_ENABLED          0x0001u
#define TARNIF_LEVELSHIFT       1
#define TARNIF_LEVELMASK        0x007Eu
#define TARNIF_LEVEL(flags)     ((int)(((flags) & TARNIF_LEVELMASK) >> TARNIF_LEVELSHIFT))

/* ColumnDef.format: cell text format */
#define TARNCF_LEFT             0x0000u
#define TARNCF_CENTER           0x0001u
#define TARNCF_RIGHT            0x0002u
#define TARNCF_ALIGNMASK        0x0003u
#define TARNCF_WORDWRAP         0x0004u /* multi-line, word-wrapped; rows measure from it */
#define TARNCF_DEFAULT          0x0800u /* format of the default column; has no effect itself */

/* ColumnDef.headerFormat */
#define TARNHF_LEFT             0x0000u
#define TARNHF_CENTER           0x0001u
#define TARNHF_RIGHT            0x0002u
#define TARNHF_ALIGNMASK        0x0003u
#define TARNHF_POPUP            0x0040u /* a clicked header button springs back up */
#define TARNHF_DISABLED         0x0080u /* grey header; a click only beeps */

/* ColumnDef.flags */
#define TARNCOL_FIXEDWIDTH      0x0001u /* its divider cannot be dragged */
#define TARNCOL_FIXEDPOSITION   0x0002u /* cannot be moved nor passed by a moved column */

/* Bitmap placement: ColumnDef.headerBitmapStyle, CellInfo/RowInfo.bitmapStyle,
   Tarn_SetRowColBitmapStyle */
#define TARNBS_LEFT             0   /* bitmap left of the text */
#define TARNBS_ALONE            1   /* bitmap alone, centred; the text is not drawn */
#define TARNBS_RIGHT            2   /* bitmap right of the text */

/* Row-header and corner formats: Tarn_SetRowHeaderStyle, Tarn_SetRowColHeaderStyle */
#define TARNRHS_LEFT            0x0000u
#define TARNRHS_CENTER          0x0001u
#define TARNRHS_RIGHT           0x0002u
#define TARNRHS_ALIGNMASK       0x0003u
#define TARNRHS_WORDWRAP        0x0004u
#define TARNRHS_NOPRESS         0x0040u /* rows: selected header not drawn pressed; corner: springs back */
#define TARNRHS_DISABLED        0x0080u

/* Tarn_SetShowHeader */
#define TARN_HEADER_NONE        0
#define TARN_HEADER_BUTTONS     1
#define TARN_HEADER_FLAT        2

/* Tarn_SetShowRowHeader: what a row header without its own text shows */
#define TARN_ROWHEADER_NONE         0 /* no row header (width 0) */
#define TARN_ROWHEADER_BUTTON       1 /* button, no text */
#define TARN_ROWHEADER_FLAT         2 /* flat, no text */
#define TARN_ROWHEADER_INDEX        3 /* button, 0-based index */
#define TARN_ROWHEADER_INDEXFLAT    4 /* flat, 0-based index */
#define TARN_ROWHEADER_NUMBER       5 /* button, 1-based number */
#define TARN_ROWHEADER_NUMBERFLAT   6 /* flat, 1-based number */

/* Tarn_SetSelectionStyle */
#define TARN_SELECT_WHOLEROW    0
#define TARN_SELECT_CELLS       1
#define TARN_SELECT_FIRSTTEXT   2

/* Tarn_SetGridStyle */
#define TARN_GRID_VERTICAL      0
#define TARN_GRID_HORIZONTAL    1
#define TARN_GRID_BOTH          2

/* Tarn_GetDependent */
#define TARN_DEPENDENT_FIRST    1
#define TARN_DEPENDENT_LAST     2

/* Tarn_GetSibling */
#define TARN_SIBLING_FIRST      1
#define TARN_SIBLING_LAST       2
#define TARN_SIBLING_PREVIOUS   3
#define TARN_SIBLING_NEXT       4

/* Tarn_SetDropDownPosition */
#define TARN_DROPDOWN_ABOVE     0
#define TARN_DROPDOWN_BELOW     1

/* Tarn_Fonts flags */
#define TARNFONT_FIXEDPITCH     0x0001u
#define TARNFONT_VARIABLEPITCH  0x0002u
#define TARNFONT_TRUETYPE       0x0004u
#define TARNFONT_RASTER         0x0008u
#define TARNFONT_VECTOR         0x0010u
#define TARNFONT_SCREENTOO      0x0020u /* with a printer DC, list the screen fonts too */
#define TARNFONT_ITALICKEY      0x80000000u /* style key bit in CellInfo.data0: italic */

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

/* Formatting stored for one cell: bytes 12..51 of CellInfo. An item's cellInfo
   points to an array of one such record per column. */
typedef struct CellFormat {
    COLORREF backColor;     /* TARN_COLOR_NONE = column / control default */
    COLORREF textColor;
    COLORREF selBackColor;
    COLORREF selTextColor;
    LPARAM   data0;         /* application values, kept and returned */
    LPARAM   data1;
    LPARAM   data2;
    HFONT    hfont;         /* NULL = row font; not owned */
    HBITMAP  hbm;           /* NULL = none; not owned */
    WORD     reserved;
    SHORT    bitmapStyle;   /* TARNBS_* */
} CellFormat;

/* Row-header formatting stored for one item: bytes 8..29 of RowInfo. */
typedef struct RowFormat {
    COLORREF backColor;
    COLORREF textColor;
    COLORREF selBackColor;
    COLORREF selTextColor;
    HBITMAP  hbm;           /* not owned */
    SHORT    bitmapStyle;   /* TARNBS_* */
} RowFormat;

/* Meaningful bytes of a stored RowFormat in the 32-bit layout. */
#define TARN_ROWFORMAT_BYTES 22

/* One row. Stored items are owned by the control; in virtual mode the fetch
   callback lends records of this layout (texts sized for the column count). */
typedef struct TarnItem {
    LPARAM      itemData;   /* application value */
    HBITMAP     hbmLabel;   /* label bitmap; not owned */
    HBITMAP     hbmBitmap;  /* item bitmap; not owned */
    RowFormat*  rowInfo;    /* NULL if none */
    char*       rowText;    /* row-header text, NULL if none */
    CellFormat* cellInfo;   /* array of column-count records, NULL if none */
    char**      texts;      /* array of column-count texts; NULL entry = no text */
    DWORD       flags;      /* TARNIF_ENABLED, level in TARNIF_LEVELMASK */
} TarnItem;

/* Column definition: input of Tarn_SetColumns, the control's own array and
   output of Tarn_GetColumns. */
typedef struct ColumnDef {
    DWORD       reserved0;
    DWORD       reserved1;
    DWORD       reserved2;
    int         width;              /* pixels; 0 hides the column; negative is refused */
    COLORREF    backColor;          /* TARN_COLOR_NONE = control default */
    COLORREF    textColor;
    COLORREF    selBackColor;
    COLORREF    selTextColor;
    DWORD       format;             /* TARNCF_* */
    DWORD       headerFormat;       /* TARNHF_* */
    const char* headerText;         /* in: copied; out: the control's copy */
    char*       headerTextBuffer;   /* control-owned copy; ignored on input */
    HBITMAP     hbmHeader;          /* not owned */
    SHORT       headerBitmapStyle;  /* TARNBS_* */
    WORD        reserved3;
    DWORD       reserved4;
    int         columnAtPosition;   /* kept by the control; ignored on input */
    int         position;           /* display position; must be a permutation of 0..n-1 */
    WORD        flags;              /* TARNCOL_* */
    WORD        reserved5;
    DWORD       reserved6;
} ColumnDef;

/* Exchange record of Tarn_SetCellInfo / Tarn_GetCellInfo. */
typedef struct CellInfo {
    DWORD    version;       /* must be TARN_CELLINFO_VERSION */
    int      row;           /* -1 (set only): define the size of cell bitmaps */
    int      column;        /* ignored for row -1 */
    COLORREF backColor;
    COLORREF textColor;
    COLORREF selBackColor;
    COLORREF selTextColor;
    LPARAM   data0;         /* application value; the extended sort compares by it */
    LPARAM   data1;
    LPARAM   data2;
    HFONT    hfont;         /* NULL = row font; not owned */
    HBITMAP  hbm;           /* not owned */
    WORD     reserved;
    SHORT    bitmapStyle;   /* TARNBS_* */
} CellInfo;

/* Exchange record of Tarn_SetRowInfo / Tarn_GetRowInfo (row-header format). */
typedef struct RowInfo {
    DWORD    version;       /* must be TARN_ROWINFO_VERSION */
    int      row;           /* -1 (set only): define the size of row-header bitmaps */
    COLORREF backColor;
    COLORREF textColor;
    COLORREF selBackColor;
    COLORREF selTextColor;
    HBITMAP  hbm;           /* not owned */
    SHORT    bitmapStyle;   /* TARNBS_* */
} RowInfo;

/* The control's 37 colours, exchanged whole by Tarn_SetCtlColors / Tarn_GetCtlColors. */
typedef struct CtlColors {
    COLORREF backColor;                     /*  0 item-area background */
    COLORREF textColor;                     /*  1 item text */
    COLORREF disabledTextColor;             /*  2 disabled items / control */
    COLORREF altBackColor;                  /*  3 odd rows when set */
    COLORREF altTextColor;                  /*  4 odd rows when set */
    COLORREF selBackColor;                  /*  5 */
    COLORREF selTextColor;                  /*  6 */
    COLORREF cellShadowColor;               /*  7 3D row frames */
    COLORREF cellHighlightColor;            /*  8 */
    COLORREF colHeaderBackColor;            /*  9 */
    COLORREF colHeaderTextColor;            /* 10 */
    COLORREF colHeaderDisabledTextColor;    /* 11 */
    COLORREF colHeaderShadowColor;          /* 12 */
    COLORREF colHeaderHighlightColor;       /* 13 */
    COLORREF rowHeaderBackColor;            /* 14 */
    COLORREF rowHeaderTextColor;            /* 15 */
    COLORREF rowHeaderSelBackColor;         /* 16 */
    COLORREF rowHeaderSelTextColor;         /* 17 */
    COLORREF rowHeaderDisabledTextColor;    /* 18 */
    COLORREF rowHeaderShadowColor;          /* 19 */
    COLORREF rowHeaderHighlightColor;       /* 20 */
    COLORREF rowColHeaderBackColor;         /* 21 corner cell */
    COLORREF rowColHeaderTextColor;         /* 22 */
    COLORREF rowColHeaderDisabledTextColor; /* 23 */
    COLORREF rowColHeaderShadowColor;       /* 24 */
    COLORREF rowColHeaderHighlightColor;    /* 25 */
    COLORREF dropButtonFaceColor;           /* 26 */
    COLORREF dropButtonArrowColor;          /* 27 */
    COLORREF dropButtonDisabledArrowColor;  /* 28 */
    COLORREF dropButtonFrameFaceColor;      /* 29 */
    COLORREF dropButtonFrameShadowColor;    /* 30 */
    COLORREF dropButtonFrameDarkShadowColor;/* 31 */
    COLORREF dropButtonFrameHighlightColor; /* 32 stored only; not drawn */
    COLORREF vertGridColor;                 /* 33 */
    COLORREF horzGridColor;                 /* 34 */
    COLORREF treeLineColor;                 /* 35 */
    COLORREF disabledTreeLineColor;         /* 36 */
} CtlColors;

/* Index of each CtlColors entry, for code that treats the table as an array. */
enum TarnColorIndex {
    TARNCLR_BACKCOLOR = 0,
    TARNCLR_TEXTCOLOR,
    TARNCLR_DISABLEDTEXTCOLOR,
    TARNCLR_ALTBACKCOLOR,
    TARNCLR_ALTTEXTCOLOR,
    TARNCLR_SELBACKCOLOR,
    TARNCLR_SELTEXTCOLOR,
    TARNCLR_CELLSHADOWCOLOR,
    TARNCLR_CELLHIGHLIGHTCOLOR,
    TARNCLR_COLHEADERBACKCOLOR,
    TARNCLR_COLHEADERTEXTCOLOR,
    TARNCLR_COLHEADERDISABLEDTEXTCOLOR,
    TARNCLR_COLHEADERSHADOWCOLOR,
    TARNCLR_COLHEADERHIGHLIGHTCOLOR,
    TARNCLR_ROWHEADERBACKCOLOR,
    TARNCLR_ROWHEADERTEXTCOLOR,
    TARNCLR_ROWHEADERSELBACKCOLOR,
    TARNCLR_ROWHEADERSELTEXTCOLOR,
    TARNCLR_ROWHEADERDISABLEDTEXTCOLOR,
    TARNCLR_ROWHEADERSHADOWCOLOR,
    TARNCLR_ROWHEADERHIGHLIGHTCOLOR,
    TARNCLR_ROWCOLHEADERBACKCOLOR,
    TARNCLR_ROWCOLHEADERTEXTCOLOR,
    TARNCLR_ROWCOLHEADERDISABLEDTEXTCOLOR,
    TARNCLR_ROWCOLHEADERSHADOWCOLOR,
    TARNCLR_ROWCOLHEADERHIGHLIGHTCOLOR,
    TARNCLR_DROPBUTTONFACECOLOR,
    TARNCLR_DROPBUTTONARROWCOLOR,
    TARNCLR_DROPBUTTONDISABLEDARROWCOLOR,
    TARNCLR_DROPBUTTONFRAMEFACECOLOR,
    TARNCLR_DROPBUTTONFRAMESHADOWCOLOR,
    TARNCLR_DROPBUTTONFRAMEDARKSHADOWCOLOR,
    TARNCLR_DROPBUTTONFRAMEHIGHLIGHTCOLOR,
    TARNCLR_VERTGRIDCOLOR,
    TARNCLR_HORZGRIDCOLOR,
    TARNCLR_TREELINECOLOR,
    TARNCLR_DISABLEDTREELINECOLOR,
    TARNCLR_COUNT   /* 37 */
};

/* Handed to the draw-info callback before a row is painted. The fields marked
   "in/out" are read back after the callback; the others are for reading. */
typedef struct DrawInfo {
    int      ctlId;         /* GetDlgCtrlID of the control */
    HWND     hwnd;          /* the control window */
    int      row;           /* row being painted */
    BOOL     selected;      /* the row is shown selected */
    int      columnCount;
    COLORREF rowTextColor;  /* in/out: row zone text (cells too for selection style 2) */
    COLORREF rowBackColor;  /* in/out: indentation zone, area after the last column */
    COLORREF cellTextColor; /* in/out */
    COLORREF cellBackColor; /* in/out */
    HFONT    hfont;         /* in/out: font of the whole row; not owned */
    HBITMAP  hbmLabel;      /* in/out */
    HBITMAP  hbmBitmap;     /* in/out */
    BOOL     enabled;       /* in/out; forced to 0 while the control is disabled */
} DrawInfo;

/* ------------------------------------------------------------------------ */
/* Callbacks (all get the control window first)                              */
/* ------------------------------------------------------------------------ */

/* Called for every item that is freed (delete, reset, destruction), with the
   library lock held: do not wait on another thread from it. Every row is
   reported once. While a reset reports its rows they stay readable, but
   rows can be neither added nor removed (such calls fail); during the
   destruction the control takes no calls at all. */
typedef void (CALLBACK* TARNDELETEPROC)(HWND hwnd, int index, LPARAM itemData, LPARAM userData);

/* Result > 0: item 1 belongs after item 2. */
typedef int (CALLBACK* TARNCOMPAREPROC)(HWND hwnd, const char* text1, const char* text2,
                                        LPARAM itemData1, LPARAM itemData2);

/* As TARNCOMPAREPROC; the cell values are data0 of the sort column's CellFormat
   (0 when the item has none). Texts may be NULL. */
typedef int (CALLBACK* TARNCOMPAREEXPROC)(HWND hwnd, const char* text1, const char* text2,
                                          LPARAM itemData1, LPARAM itemData2,
                                          LPARAM cellValue1, LPARAM cellValue2);

/* Virtual mode: store in *item a record describing row index (texts sized for
   the current column count; NULL: the row shows empty); it must stay valid
   until the release callback is called for it, or without one until the next
   fetch. At most one is lent. Both may run with the library lock held, like
   the delete callback. */
typedef void (CALLBACK* TARNVIRTUALFETCHPROC)(HWND hwnd, LPARAM userData, int index, TarnItem** item);
typedef void (CALLBACK* TARNVIRTUALRELEASEPROC)(HWND hwnd, LPARAM userData, int index, TarnItem* item);

/* Called before each row is painted; may change the in/out fields. */
typedef void (CALLBACK* TARNDRAWINFOPROC)(HWND hwnd, DrawInfo* info, LPARAM userData);

/* {callback, user data} pairs taken by the two callback setters. */
typedef struct TarnDeleteCallbackInfo {
    TARNDELETEPROC callback;
    LPARAM         userData;
} TarnDeleteCallbackInfo;

typedef struct TarnDrawInfoCallbackInfo {
    TARNDRAWINFOPROC callback;
    LPARAM           userData;
} TarnDrawInfoCallbackInfo;

/* ------------------------------------------------------------------------ */
/* Exported functions                                                        */
/* ------------------------------------------------------------------------ */

/* --- Items --------------------------------------------------------------- */
/**
 * @defgroup items Items
 * @brief Rows: adding, inserting, deleting, copying and moving them; their texts, data, bitmaps and state; searching them.
 * @{
 */
/* Text getters take no buffer size: size the buffer from the matching length
   function + 1. Add/insert/delete/reset/copy/move close an open list with cancel.
   With redraw on, a change of the rows invalidates only the rows it moves (a
   row added below the visible page invalidates none) and sets the list
   window's scroll bars at once without drawing them: GetScrollInfo on the
   list window (Tarn_GetHWNDDropDown) always reads the current range and
   position, and the bars are drawn once, when the list next paints (at the
   next message loop turn, or at once with UpdateWindow). A loop of calls
   therefore costs one repaint, not one per call. */
TARN32_API int     WINAPI Tarn_GetCount(HWND hwnd);
TARN32_API LCID    WINAPI Tarn_GetLocale(HWND hwnd);
TARN32_API LCID    WINAPI Tarn_SetLocale(HWND hwnd, LCID locale);           /* previous locale */
TARN32_API int     WINAPI Tarn_AddString_A(HWND hwnd, const char* text);    /* new index or -1 */
TARN32_API int     WINAPI Tarn_InsertString_A(HWND hwnd, int index, const char* text); /* index out of range appends */
TARN32_API int     WINAPI Tarn_DeleteString(HWND hwnd, int index);          /* new count or -1; dependents stay */
TARN32_API void    WINAPI Tarn_ResetContent(HWND hwnd);
TARN32_API int     WINAPI Tarn_CopyItem(HWND hwnd, int source, int destination); /* new index or -1 */
TARN32_API int     WINAPI Tarn_MoveItem(HWND hwnd, int source, int destination); /* final index or -1 */
TARN32_API int     WINAPI Tarn_GetText_A(HWND hwnd, int row, int column, char* buffer); /* row -1: current item; length or -1 */
TARN32_API int     WINAPI Tarn_GetTextLength(HWND hwnd, int row, int column);
TARN32_API BOOL    WINAPI Tarn_SetText_A(HWND hwnd, int row, int column, const char* text); /* NULL removes */
TARN32_API int     WINAPI Tarn_GetRowText_A(HWND hwnd, int row, char* buffer); /* length or -1 */
TARN32_API int     WINAPI Tarn_GetRowTextLength(HWND hwnd, int row);
TARN32_API BOOL    WINAPI Tarn_SetRowText_A(HWND hwnd, int row, const char* text); /* NULL removes */
TARN32_API LPARAM  WINAPI Tarn_GetItemData(HWND hwnd, int index);           /* -1 for a bad index */
TARN32_API int     WINAPI Tarn_SetItemData(HWND hwnd, int index, LPARAM value); /* 0 / -1 */
TARN32_API HBITMAP WINAPI Tarn_GetItemLabel(HWND hwnd, int index);          /* NULL for a bad index */
TARN32_API BOOL    WINAPI Tarn_SetItemLabel(HWND hwnd, int index, HBITMAP hbm); /* index -1: label size, switches labels */
TARN32_API HBITMAP WINAPI Tarn_GetItemBitmap(HWND hwnd, int index);         /* NULL for a bad index */
TARN32_API BOOL    WINAPI Tarn_SetItemBitmap(HWND hwnd, int index, HBITMAP hbm); /* index -1: bitmap size, switches bitmaps */
TARN32_API int     WINAPI Tarn_GetItemStatus(HWND hwnd, int index);         /* 1 enabled, 0 disabled or bad index */
TARN32_API BOOL    WINAPI Tarn_SetItemStatus(HWND hwnd, int index, int status);
/* Case-insensitive prefix / whole-text search starting after startAfter (-1: from 0). */
TARN32_API int     WINAPI Tarn_FindString_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);
TARN32_API int     WINAPI Tarn_FindStringExact_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);
/* Search, then Tarn_SetCurSel with the result (a miss clears the selection). */
TARN32_API int     WINAPI Tarn_SelectString_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);
TARN32_API int     WINAPI Tarn_SelectStringExact_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);
TARN32_API int     WINAPI Tarn_FindItem(HWND hwnd, int start, LPARAM itemData); /* first match from start, no wrap */
TARN32_API BOOL    WINAPI Tarn_SetDeleteCallback(HWND hwnd, const TarnDeleteCallbackInfo* info); /* NULL clears */
/** @} */

/* --- Hierarchy ------------------------------------------------------------ */
/**
 * @defgroup hierarchy Hierarchy
 * @brief Tree levels, parents, dependents and siblings.
 * @{
 */
/* The tree follows from item order and levels: dependents are the following
   items of higher level; the parent is the nearest earlier item of lower level. */
TARN32_API int     WINAPI Tarn_GetItemLevel(HWND hwnd, int index);          /* -1 for a bad index */
/* Levels are 0..63 (six bits of the item flags): a negative level is stored
   as 0 and one above 63 as 63, so the level read back is the level stored. */
TARN32_API BOOL    WINAPI Tarn_SetItemLevel(HWND hwnd, int index, int level);
TARN32_API int     WINAPI Tarn_GetParent(HWND hwnd, int index);
TARN32_API int     WINAPI Tarn_GetTopParent(HWND hwnd, int index);
TARN32_API int     WINAPI Tarn_GetDependent(HWND hwnd, int index, int which); /* TARN_DEPENDENT_* */
TARN32_API int     WINAPI Tarn_GetDependentCount(HWND hwnd, int index, BOOL allLevels);
TARN32_API int     WINAPI Tarn_GetSibling(HWND hwnd, int index, int which);  /* TARN_SIBLING_* */
TARN32_API int     WINAPI Tarn_DeleteDependents(HWND hwnd, int index);      /* new count or -1 */
/** @} */

/* --- Sorting -------------------------------------------------------------- */
/**
 * @defgroup sorting Sorting
 * @brief Sorting one sibling group.
 * @{
 */
/* Sorts the children of parent (-1: the top-level group) by column; a NULL
   callback uses Tarn_DefaultCompareProc. Stable; dependents move with their item. */
TARN32_API BOOL    WINAPI Tarn_SortItems(HWND hwnd, int parent, int column, TARNCOMPAREPROC compare);
TARN32_API BOOL    WINAPI Tarn_SortItemsEx(HWND hwnd, int parent, int column, TARNCOMPAREEXPROC compare);
/* CompareStringA with the control's locale, minus 2: -1, 0, 1 (-2 on failure). */
TARN32_API int     WINAPI Tarn_DefaultCompareProc(HWND hwnd, const char* text1, const char* text2,
                                                  LPARAM itemData1, LPARAM itemData2);
/** @} */

/* --- Virtual mode --------------------------------------------------------- */
/**
 * @defgroup virtual Virtual mode
 * @brief Rows kept by the application and lent to the control one at a time.
 * @{
 */
/* The application keeps the rows and lends the control one at a time: every
   read of a row (painting, measuring, hit testing, the getters) fetches it
   and gives the record lent before back first, even for the same row. The
   callbacks may call any function and may destroy the control; the operation
   that asked then stops. While a fetch runs no other row is asked for: rows
   read from inside it read empty. The row asked for is always below the
   count, and a record lent when the control is destroyed is given back. Functions that
   change rows refuse (see the general conventions); Tarn_ResetContent does
   nothing; type-ahead and matching the edit field's text are off. */
/* 0 while items are stored (Tarn_ResetContent first) or when fetch is NULL,
   changing nothing. With a NULL release nothing is given back. Calling it
   again replaces the callbacks; the record lent then is not given back. Ends
   with Tarn_VirtualCount (0). */
TARN32_API BOOL    WINAPI Tarn_VirtualInitialize(HWND hwnd, TARNVIRTUALFETCHPROC fetch,
                                                  TARNVIRTUALRELEASEPROC release, LPARAM userData);
/* 0 outside virtual mode or for rows < 0. Closes the list with cancel, scrolls
   to the top, clears a selection with TARNN_SELCHANGE, gives the lent record
   back, sets the count and repaints every row. */
TARN32_API BOOL    WINAPI Tarn_VirtualCount(HWND hwnd, int rows);
/* Gives the lent record back and repaints the row (index -1: all rows). 0
   outside virtual mode or for index >= the count. */
TARN32_API BOOL    WINAPI Tarn_VirtualItemChanged(HWND hwnd, int index);
/** @} */

/* --- Columns and headers -------------------------------------------------- */
/**
 * @defgroup columns Columns and headers
 * @brief The column set, the column headers and their switches.
 * @{
 */
/* count 0 installs one default column (width 500). The column count of a
   control that stores items cannot change. */
TARN32_API BOOL    WINAPI Tarn_SetColumns(HWND hwnd, int count, const ColumnDef* defs);
/* Returns the column count; *defs receives a control-owned copy, valid until
   the next call or destruction (do not free it). 0 if that copy fails. */
TARN32_API int     WINAPI Tarn_GetColumns(HWND hwnd, ColumnDef** defs);
TARN32_API BOOL    WINAPI Tarn_SetHeader_A(HWND hwnd, int column, const char* text);
TARN32_API int     WINAPI Tarn_GetHeader_A(HWND hwnd, int column, char* buffer, int cch); /* length or -1 */
TARN32_API int     WINAPI Tarn_GetHeaderLength(HWND hwnd, int column);
/* column -1: the whole header band. 1, or 0 with an empty rectangle when
   the column is bad or no header is shown. */
TARN32_API int     WINAPI Tarn_GetHeaderRect(HWND hwnd, int column, RECT* rect);
TARN32_API BOOL    WINAPI Tarn_SetHeaderButton(HWND hwnd, int column);      /* -1 releases */
TARN32_API int     WINAPI Tarn_GetHeaderButton(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetResizeHeader(HWND hwnd, BOOL on);
TARN32_API BOOL    WINAPI Tarn_GetResizeHeader(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetReorderColumns(HWND hwnd, BOOL on);
TARN32_API BOOL    WINAPI Tarn_GetReorderColumns(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetColHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw); /* not owned */
TARN32_API HFONT   WINAPI Tarn_GetColHeaderFont(HWND hwnd);
/** @} */

/* --- Cell, row and colour formatting -------------------------------------- */
/**
 * @defgroup formatting Cell, row and colour formatting
 * @brief Per-cell and per-row-header formats, the colour table, the edit field font.
 * @{
 */
/* version must be 1. row -1 (set only) defines the shared bitmap size. */
TARN32_API BOOL    WINAPI Tarn_SetCellInfo(HWND hwnd, const CellInfo* info);
TARN32_API BOOL    WINAPI Tarn_GetCellInfo(HWND hwnd, CellInfo* info);      /* row and column read from info */
TARN32_API BOOL    WINAPI Tarn_SetRowInfo(HWND hwnd, const RowInfo* info);
TARN32_API BOOL    WINAPI Tarn_GetRowInfo(HWND hwnd, RowInfo* info);
TARN32_API void    WINAPI Tarn_SetCtlColors(HWND hwnd, const CtlColors* colors);
TARN32_API void    WINAPI Tarn_GetCtlColors(HWND hwnd, CtlColors* colors);
TARN32_API void    WINAPI Tarn_SetEditCtlFont(HWND hwnd, HFONT hfont, BOOL redraw); /* not owned */
TARN32_API HFONT   WINAPI Tarn_GetEditCtlFont(HWND hwnd);
/** @} */

/* --- Row headers and corner cell ------------------------------------------ */
/**
 * @defgroup rowheaders Row headers and corner cell
 * @brief The row headers left of the rows and the corner cell above them.
 * @{
 */
TARN32_API void    WINAPI Tarn_SetRowHeaderWidth(HWND hwnd, int width);    /* 0 removes the row header */
TARN32_API int     WINAPI Tarn_GetRowHeaderWidth(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetRowHeaderStyle(HWND hwnd, UINT style);   /* TARNRHS_* */
TARN32_API UINT    WINAPI Tarn_GetRowHeaderStyle(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetRowHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw); /* not owned */
TARN32_API HFONT   WINAPI Tarn_GetRowHeaderFont(HWND hwnd);
TARN32_API void    WINAPI Tarn_GetRowHeaderRect(HWND hwnd, int index, RECT* rect); /* -1: the field's row header */
TARN32_API BOOL    WINAPI Tarn_SetRowColText_A(HWND hwnd, const char* text);
TARN32_API int     WINAPI Tarn_GetRowColText_A(HWND hwnd, char* buffer, int cch); /* length copied */
TARN32_API int     WINAPI Tarn_GetRowColTextLength(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetRowColBitmap(HWND hwnd, HBITMAP hbm);    /* not owned */
TARN32_API HBITMAP WINAPI Tarn_GetRowColBitmap(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetRowColBitmapStyle(HWND hwnd, int style); /* TARNBS_* */
TARN32_API int     WINAPI Tarn_GetRowColBitmapStyle(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetRowColHeaderStyle(HWND hwnd, UINT style); /* TARNRHS_* */
TARN32_API UINT    WINAPI Tarn_GetRowColHeaderStyle(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetRowColHeaderButton(HWND hwnd, BOOL pressed);
TARN32_API BOOL    WINAPI Tarn_GetRowColHeaderButton(HWND hwnd);
TARN32_API void    WINAPI Tarn_GetRowColHeaderRect(HWND hwnd, RECT* rect);
TARN32_API void    WINAPI Tarn_SetShowRowColHeaderButton(HWND hwnd, BOOL on);
TARN32_API BOOL    WINAPI Tarn_GetShowRowColHeaderButton(HWND hwnd);
/** @} */

/* --- Optimal widths and horizontal extent --------------------------------- */
/**
 * @defgroup optimal Optimal widths and horizontal extent
 * @brief Measuring columns and row headers to fit their contents.
 * @{
 */
/* maxRows < 1 measures every row. */
TARN32_API int     WINAPI Tarn_CalcOptimalColumnWidth(HWND hwnd, int column, int maxRows);
TARN32_API int     WINAPI Tarn_CalcOptimalRowHeaderWidth(HWND hwnd, int maxRows); /* 0 without row header */
TARN32_API void    WINAPI Tarn_MakeColumnOptimal(HWND hwnd, int column, int maxRows); /* column -1: all */
TARN32_API int     WINAPI Tarn_RecalcHorizontalExtent(HWND hwnd, int maxRows);
/** @} */

/* --- Geometry and hit testing --------------------------------------------- */
/**
 * @defgroup geometry Geometry and hit testing
 * @brief Row heights, rectangles and the row under a point.
 * @{
 */
TARN32_API int     WINAPI Tarn_GetItemHeight(HWND hwnd, int index);        /* -1: the field's height */
TARN32_API int     WINAPI Tarn_GetItemLines(HWND hwnd);
TARN32_API BOOL    WINAPI Tarn_SetItemLines(HWND hwnd, int lines);
/* 0 / -1. Index -1: the field (control coordinates); else a visible row in
   list-window coordinates. */
TARN32_API int     WINAPI Tarn_GetItemRect(HWND hwnd, int index, RECT* rect);
/* Control-owned rectangle, overwritten by the next call; NULL on failure.
   Negative row: current item; negative column: caret column. */
TARN32_API RECT*   WINAPI Tarn_GetCellRect(HWND hwnd, int row, int column);
TARN32_API int     WINAPI Tarn_GetItemsShown(HWND hwnd);                   /* at least 1 */
/* Row under pt (control client coordinates) or -1; *inField = 1 when pt lies
   in the field (the result is then the current item). */
TARN32_API int     WINAPI Tarn_CalcIndexFromPoint(HWND hwnd, const POINT* pt, int* inField);
/** @} */

/* --- Scrolling and visibility --------------------------------------------- */
/**
 * @defgroup scrolling Scrolling and visibility
 * @brief Top row, horizontal extent and offset, scroll bars.
 * @{
 */
TARN32_API int     WINAPI Tarn_GetTopIndex(HWND hwnd);
TARN32_API int     WINAPI Tarn_SetTopIndex(HWND hwnd, int index);          /* 0 / -1 */
TARN32_API void    WINAPI Tarn_MakeRowVisible(HWND hwnd, int index);
TARN32_API int     WINAPI Tarn_GetHorizontalExtent(HWND hwnd);
TARN32_API BOOL    WINAPI Tarn_SetHorizontalExtent(HWND hwnd, int extent);
TARN32_API int     WINAPI Tarn_GetHorizontalOffset(HWND hwnd);
TARN32_API BOOL    WINAPI Tarn_SetHorizontalOffset(HWND hwnd, int offset); /* -1: as far right as possible */
TARN32_API void    WINAPI Tarn_MakeColumnVisible(HWND hwnd, int column);
TARN32_API BOOL    WINAPI Tarn_GetDisableNoScroll(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetDisableNoScroll(HWND hwnd, BOOL on);
/** @} */

/* --- Display options ------------------------------------------------------ */
/**
 * @defgroup display Display options
 * @brief Switches for what the list shows and how.
 *
 * Every setter normalises its argument as it describes, does nothing when
 * the stored value would not change, and otherwise recomputes and repaints
 * only what its option affects. While the control is hidden or redrawing is
 * off (WM_SETREDRAW), a setter only stores its value: the layout and the
 * repaint follow when the control is shown or redrawing is turned on
 * (@ref page_redraw).
 *
 * Options that change the height of the rows or of the header band lay the
 * control out again. The drop-down types keep their height to the header
 * band and the field (in types 2 and 3 the field is as tall as a row), and
 * type 0 shortens its list to whole rows, so the control may be resized:
 * that sends #TARNN_SIZE (14), and type 0 then scrolls its committed row
 * into view (#TARNN_TOPINDEXCHANGE (6) when the top row moves).
 * @{
 */
/**
 * @brief Returns how a selected row is highlighted.
 *
 * @param hwnd  The control window.
 * @return #TARN_SELECT_WHOLEROW (0, the default), #TARN_SELECT_CELLS (1) or
 *         #TARN_SELECT_FIRSTTEXT (2); -1 for a bad handle.
 * @sa Tarn_SetSelectionStyle()
 */
TARN32_API int     WINAPI Tarn_GetSelectionStyle(HWND hwnd);
/**
 * @brief Chooses how a selected row is highlighted.
 *
 * #TARN_SELECT_WHOLEROW (0) paints the whole width of the row in the
 * selection colours, the indentation zone before the first column and the
 * area after the last column included. #TARN_SELECT_CELLS (1) paints only the
 * cells so; the indentation zone and the area after the last column keep
 * the row's colours. #TARN_SELECT_FIRSTTEXT (2) puts only the text of the
 * first visible column on the selection colours; the rest of the row keeps
 * its normal colours. With 3D rows (Tarn_SetShow3D()) style 0 looks like
 * style 1, the frame showing the selection. Values outside 0 to 2 are
 * ignored.
 *
 * @param hwnd   The control window.
 * @param style  One of the TARN_SELECT_* values.
 * @par Notifications
 * None.
 * @par Repaints
 * On a change, every row of the list right of the row-header strip, and the
 * field when a row is committed.
 * @sa Tarn_GetSelectionStyle(), Tarn_SetCtlColors(), @ref page_colours
 */
TARN32_API void    WINAPI Tarn_SetSelectionStyle(HWND hwnd, int style);
/**
 * @brief Tells whether rows are drawn with a 3D frame.
 *
 * @param hwnd  The control window.
 * @return 1 when 3D rows are on, 0 when off (the default) or for a bad
 *         handle.
 * @sa Tarn_SetShow3D()
 */
TARN32_API BOOL    WINAPI Tarn_GetShow3D(HWND hwnd);
/**
 * @brief Turns the 3D look of the rows on or off.
 *
 * A 3D row has a raised frame when it is selected and a sunken one
 * otherwise, is 2 pixels taller, and has no horizontal grid line; selection
 * style #TARN_SELECT_WHOLEROW then highlights only the cells. Turning it on
 * also replaces the colour table's item text and background colours by the
 * button colours (TARN_SYSCOLOR(COLOR_BTNTEXT) and
 * TARN_SYSCOLOR(COLOR_BTNFACE)) where they still hold their window defaults
 * (TARN_SYSCOLOR(COLOR_WINDOWTEXT) and TARN_SYSCOLOR(COLOR_WINDOW)); turning
 * it off does the reverse. Colours the application chose stay as they are.
 * Any non-zero value is stored as 1.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero for 3D rows, 0 for flat ones.
 * @par Notifications
 * #TARNN_SIZE (14) when the new row height resizes the control (see
 * @ref display "the group").
 * @par Repaints
 * On a change, after the layout: every row of the list with its row header,
 * and the field when a row is committed.
 * @sa Tarn_GetShow3D(), Tarn_SetSelectionStyle(), Tarn_SetShowGrid()
 */
TARN32_API void    WINAPI Tarn_SetShow3D(HWND hwnd, BOOL on);
/**
 * @brief Tells whether grid lines are shown.
 *
 * @param hwnd  The control window.
 * @return 1 when the grid is shown, 0 when not (the default) or for a bad
 *         handle.
 * @sa Tarn_SetShowGrid(), Tarn_GetGridStyle()
 */
TARN32_API BOOL    WINAPI Tarn_GetShowGrid(HWND hwnd);
/**
 * @brief Shows or hides the grid lines between cells and rows.
 *
 * Which lines are drawn follows the grid style (Tarn_SetGridStyle()):
 * vertical lines at the right edge of every cell (not for a single
 * open-ended column), horizontal lines at the bottom of every row of the
 * list. A horizontal line adds a pixel to every row's height; 3D rows
 * (Tarn_SetShow3D()) draw no horizontal lines. Any non-zero value is stored
 * as 1.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero to show the grid, 0 to hide it.
 * @par Notifications
 * #TARNN_SIZE (14) when the new row height resizes the control (see
 * @ref display "the group").
 * @par Repaints
 * On a change, after the layout: every row of the list with its row header,
 * and the field when a row is committed.
 * @sa Tarn_GetShowGrid(), Tarn_SetGridStyle(), @ref page_colours
 */
TARN32_API void    WINAPI Tarn_SetShowGrid(HWND hwnd, BOOL on);
/**
 * @brief Returns which grid lines are drawn while the grid is shown.
 *
 * @param hwnd  The control window.
 * @return #TARN_GRID_VERTICAL (0), #TARN_GRID_HORIZONTAL (1) or
 *         #TARN_GRID_BOTH (2, the default); -1 for a bad handle.
 * @sa Tarn_SetGridStyle(), Tarn_GetShowGrid()
 */
TARN32_API int     WINAPI Tarn_GetGridStyle(HWND hwnd);
/**
 * @brief Chooses which grid lines are drawn while the grid is shown.
 *
 * #TARN_GRID_VERTICAL (0) and #TARN_GRID_HORIZONTAL (1) are stored as they
 * are; every other value, negative ones included, is stored as
 * #TARN_GRID_BOTH (2). The style is kept while the grid is hidden and takes
 * effect when Tarn_SetShowGrid() shows it.
 *
 * @param hwnd   The control window.
 * @param style  One of the TARN_GRID_* values.
 * @par Notifications
 * #TARNN_SIZE (14) when, with the grid shown, the new row height resizes
 * the control (see @ref display "the group").
 * @par Repaints
 * On a change while the grid is shown, after the layout: every row of the
 * list with its row header, and the field when a row is committed. Nothing
 * while the grid is hidden.
 * @sa Tarn_GetGridStyle(), Tarn_SetShowGrid()
 */
TARN32_API void    WINAPI Tarn_SetGridStyle(HWND hwnd, int style);
/**
 * @brief Tells whether rows have an item-bitmap zone.
 *
 * The zone is switched by Tarn_SetItemBitmap() with index -1: a bitmap there
 * sets the zone's size and turns it on, NULL turns it off.
 *
 * @param hwnd  The control window.
 * @return 1 when item bitmaps are shown, 0 when not (the default) or for a
 *         bad handle.
 * @sa Tarn_SetItemBitmap(), Tarn_GetShowLabels()
 */
TARN32_API BOOL    WINAPI Tarn_GetShowBitmaps(HWND hwnd);
/**
 * @brief Tells whether rows have a label-bitmap zone.
 *
 * The zone is switched by Tarn_SetItemLabel() with index -1: a bitmap there
 * sets the zone's size and turns it on, NULL turns it off.
 *
 * @param hwnd  The control window.
 * @return 1 when labels are shown, 0 when not (the default) or for a bad
 *         handle.
 * @sa Tarn_SetItemLabel(), Tarn_GetShowBitmaps()
 */
TARN32_API BOOL    WINAPI Tarn_GetShowLabels(HWND hwnd);
/**
 * @brief Returns how the column headers are shown.
 *
 * @param hwnd  The control window.
 * @return #TARN_HEADER_NONE (0, the default), #TARN_HEADER_BUTTONS (1) or
 *         #TARN_HEADER_FLAT (2); -1 for a bad handle.
 * @sa Tarn_SetShowHeader()
 */
TARN32_API int     WINAPI Tarn_GetShowHeader(HWND hwnd);
/**
 * @brief Shows the header band above the rows, as buttons or flat, or hides it.
 *
 * #TARN_HEADER_NONE (0) removes the band (and with it the corner cell).
 * #TARN_HEADER_BUTTONS (1) draws the column headers as push buttons: a click
 * presses one and is reported (#TARNN_LCLICKCOLHEADER and the other
 * TARNN_PART_COLHEADER codes). #TARN_HEADER_FLAT (2) draws them flat; they
 * are not pressed and report no clicks. In both modes the columns can be
 * resized and moved with the mouse as Tarn_SetResizeHeader() and
 * Tarn_SetReorderColumns() allow. Values outside 0 to 2 are ignored.
 *
 * The band's height is added to the control: the drop-down types grow or
 * shrink, type 0 gives the room to or takes it from its list.
 *
 * @param hwnd  The control window.
 * @param mode  One of the TARN_HEADER_* values.
 * @par Notifications
 * #TARNN_SIZE (14) when the new layout resizes the control (see
 * @ref display "the group").
 * @par Repaints
 * On a change, after the layout: the whole control, its list window and its
 * edit field.
 * @sa Tarn_GetShowHeader(), Tarn_SetColumns(), Tarn_GetHeaderRect()
 */
TARN32_API void    WINAPI Tarn_SetShowHeader(HWND hwnd, int mode);
/**
 * @brief Returns the row-header mode.
 *
 * The mode alone does not show a row header: after creation it is
 * #TARN_ROWHEADER_INDEX (3) with a width of 0, so no strip is shown until
 * Tarn_SetShowRowHeader() or Tarn_SetRowHeaderWidth() gives it a width.
 *
 * @param hwnd  The control window.
 * @return One of the TARN_ROWHEADER_* values (0 to 6); -1 for a bad handle.
 * @sa Tarn_SetShowRowHeader(), Tarn_GetRowHeaderWidth()
 */
TARN32_API int     WINAPI Tarn_GetShowRowHeader(HWND hwnd);
/**
 * @brief Chooses what the row headers show, and sizes their strip to fit.
 *
 * The mode says what a row header without its own text shows (a button or a
 * flat cell, empty, with the 0-based index or the 1-based number; see the
 * TARN_ROWHEADER_* values). Choosing a mode also chooses the strip's width,
 * replacing any width set before: 0 for #TARN_ROWHEADER_NONE, else four
 * average characters of the row-header font, widened in the index and number
 * modes to hold the largest index or number the rows show, with the margins
 * of a header cell. From then on the width follows the row count as rows
 * come and go, until Tarn_SetRowHeaderWidth() sets a width of its own; so set
 * the width after the mode. Calling it again with the current mode restores
 * the automatic width. Values outside 0 to 6 are ignored.
 *
 * The strip moves the columns, the header band and the field to the right;
 * with a strip, a row is at least as tall as the row-header font needs.
 *
 * @param hwnd  The control window.
 * @param mode  One of the TARN_ROWHEADER_* values.
 * @par Notifications
 * #TARNN_SIZE (14) when the new layout resizes the control (see
 * @ref display "the group").
 * @par Repaints
 * When the mode or the width changes, after the layout: the whole control,
 * its list window and its edit field.
 * @sa Tarn_GetShowRowHeader(), Tarn_SetRowHeaderWidth(),
 *     Tarn_CalcOptimalRowHeaderWidth(), Tarn_SetRowText_A()
 */
TARN32_API void    WINAPI Tarn_SetShowRowHeader(HWND hwnd, int mode);
/**
 * @brief Tells whether tree lines are drawn.
 *
 * @param hwnd  The control window.
 * @return 1 when tree lines are drawn, 0 when not (the default) or for a bad
 *         handle.
 * @sa Tarn_SetShowTreeLines()
 */
TARN32_API BOOL    WINAPI Tarn_GetShowTreeLines(HWND hwnd);
/**
 * @brief Turns the dotted tree lines in the indentation zone on or off.
 *
 * The lines join each item to its parent and its siblings (@ref hierarchy).
 * They change the width before the first column: with item bitmaps a level
 * is indented by a whole bitmap width instead of half of one, and without
 * labels or item bitmaps the zone gains the 2-pixel gap it otherwise lacks.
 * The first column moves at once; the scroll bars are left as they are. Any
 * non-zero value is stored as 1.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero to draw tree lines, 0 to stop.
 * @par Notifications
 * #TARNN_OVERHEADCHANGE (12) when the width before the first column changes,
 * also while the control is hidden or redrawing is off.
 * @par Repaints
 * On a change: every row of the list right of the row-header strip, the
 * field when a row is committed, and the header band.
 * @sa Tarn_GetShowTreeLines(), Tarn_SetItemLevel(), Tarn_GetOverheadWidth()
 */
TARN32_API void    WINAPI Tarn_SetShowTreeLines(HWND hwnd, BOOL on);
/**
 * @brief Tells whether cut texts end in an ellipsis.
 *
 * @param hwnd  The control window.
 * @return 1 when they do (the default), 0 when not or for a bad handle.
 * @sa Tarn_SetShowTruncated()
 */
TARN32_API BOOL    WINAPI Tarn_GetShowTruncated(HWND hwnd);
/**
 * @brief Chooses whether a one-line text too wide for its cell ends in "...".
 *
 * On (the default), a text that does not fit its cell is cut and ends in an
 * ellipsis; off, it is only clipped at the cell's edge. Word-wrapped columns
 * (#TARNCF_WORDWRAP) always show the ellipsis. Any non-zero value is stored
 * as 1.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero for the ellipsis, 0 to clip.
 * @par Notifications
 * None.
 * @par Repaints
 * On a change, every row of the list right of the row-header strip, and the
 * field when a row is committed.
 * @sa Tarn_GetShowTruncated()
 */
TARN32_API void    WINAPI Tarn_SetShowTruncated(HWND hwnd, BOOL on);
/**
 * @brief Installs or removes the callback called before each row is painted.
 *
 * The callback receives a DrawInfo record for every row painted in the list
 * and, in types 2 and 3, for the committed row painted in the field. It may
 * change the fields marked in/out (colours, font, bitmaps, enabled state) for
 * that paint only; a disabled control still draws the row disabled. The
 * callback and the user data are copied, so the record need not outlive the
 * call. NULL removes the callback. Rows already on the screen keep their
 * look until they are next painted.
 *
 * @param hwnd  The control window.
 * @param info  The callback and the user value passed to it, or NULL.
 * @return 1, also when clearing; 0 for a bad handle.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa DrawInfo, TARNDRAWINFOPROC, @ref page_colours
 */
TARN32_API BOOL    WINAPI Tarn_SetDrawInfoCallback(HWND hwnd, const TarnDrawInfoCallbackInfo* info);
/** @} */

/* --- Selection and keyboard ----------------------------------------------- */
/**
 * @defgroup selection Selection and keyboard
 * @brief The current row, the caret column, and the list's mouse and keyboard switches.
 *
 * The control keeps two rows: the highlighted row, which Tarn_GetCurSel()
 * returns, and the committed row, which the field shows and
 * #TARNN_SELCHANGE reports. Keys and Tarn_SetCurSel() move both at once.
 * Only the mouse moves the highlight alone: a press on a row of the list,
 * moves with the button held and, with cursor select, moves over a dropped
 * list highlight a row without committing it. Releasing the button commits
 * the highlighted row (closing a dropped list with acceptance); closing a
 * dropped list with cancel puts the highlight back on the committed row.
 * @{
 */
/**
 * @brief Returns the highlighted row.
 *
 * It is the committed row, except while the user moves the highlight with
 * the mouse (see @ref selection "the group"). Tarn_GetText_A() with row -1
 * reads the committed row.
 *
 * @param hwnd  The control window.
 * @return The row index, or -1 when no row is selected or for a bad handle.
 * @sa Tarn_SetCurSel(), Tarn_GetText_A()
 */
TARN32_API int     WINAPI Tarn_GetCurSel(HWND hwnd);
/**
 * @brief Selects and commits a row.
 *
 * Highlights the row and commits it, as a key would; -1 clears the
 * selection. An open list stays open. When the rows are on the screen (type
 * 0, or a dropped list) the row is first scrolled into view. The edit field
 * of types 0 and 1 then shows the row's text in the first visible column,
 * replacing whatever the user typed and selected whole when it changes (-1
 * empties the field); types 2 and 3 paint the row in their field.
 * #TARNN_SELCHANGE is sent even when the row was already the committed one.
 * If the parent changes the rows while handling the scrolling notification,
 * the item asked for is committed where it now is, or none when it was
 * deleted. Works alike in virtual mode.
 *
 * @param hwnd   The control window.
 * @param index  Row index, or -1 for none.
 * @return 0 on success; -1 for a bad handle or an index below -1 or not
 *         below the count (nothing changes then).
 * @par Notifications
 * #TARNN_TOPINDEXCHANGE (6) when scrolling the row into view moves the top
 * row; #TARNN_SIZE (14) when a type 2 or 3 control with
 * #TARNS_VARIABLEHEIGHT fits its field to the new row's height; then
 * #TARNN_SELCHANGE (5), always.
 * @par Repaints
 * The row that lost the highlight and the row that gained it, and the field.
 * @sa Tarn_GetCurSel(), Tarn_SelectString_A(), Tarn_MakeRowVisible()
 */
TARN32_API int     WINAPI Tarn_SetCurSel(HWND hwnd, int index);
/**
 * @brief Returns the column under the pointer at the last button press.
 *
 * Every press in the control or its list (header band, field or rows) sets
 * it to the column under the pointer: a column index, not a display
 * position. A press outside every column, on the drop button or on the
 * corner cell sets it to -1. Keys do not change it; Tarn_SetColumns() resets
 * it to -1 when it leaves fewer columns. It is 0 until the first press.
 * Tarn_GetCellRect() uses it for a negative column.
 *
 * @param hwnd  The control window.
 * @return The column index; -1 for none or for a bad handle.
 * @sa Tarn_GetCellRect(), Tarn_CalcIndexFromPoint()
 */
TARN32_API int     WINAPI Tarn_GetCaretColumn(HWND hwnd);
/**
 * @brief Tells whether the highlight of a dropped list follows the pointer.
 *
 * @param hwnd  The control window.
 * @return The value last given to Tarn_SetCursorSelect() (1 after creation;
 *         it is stored as given, so any non-zero value means on); 0 for a
 *         bad handle.
 * @sa Tarn_SetCursorSelect()
 */
TARN32_API BOOL    WINAPI Tarn_GetCursorSelect(HWND hwnd);
/**
 * @brief Chooses whether a dropped list's highlight follows the pointer with no button held.
 *
 * On (the default), in the drop-down types the highlight of a dropped list
 * follows the pointer from row to row with no button held, without
 * committing it; a move the list makes under a still pointer (when the
 * control is laid out again) is not taken for one. Off, it follows only
 * while a button is held. The permanent list of type 0 follows the pointer
 * only while a button is held, whatever this says. The value is stored as
 * given.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero to follow the pointer, 0 not to.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetCursorSelect(), Tarn_ShowDropDown()
 */
TARN32_API void    WINAPI Tarn_SetCursorSelect(HWND hwnd, BOOL on);
/**
 * @brief Tells whether the extended keyboard interface is on.
 *
 * @param hwnd  The control window.
 * @return The value last given to Tarn_SetExtendedUI() (0 after creation;
 *         it is stored as given, so any non-zero value means on); 0 for a
 *         bad handle.
 * @sa Tarn_SetExtendedUI()
 */
TARN32_API BOOL    WINAPI Tarn_GetExtendedUI(HWND hwnd);
/**
 * @brief Turns the extended keyboard interface of the drop-down types on or off.
 *
 * With it on, in types 1 to 3: Down opens a closed list instead of moving
 * the selection (with the list open it moves as usual), and F4 does nothing.
 * Alt+Up and Alt+Down still open and close the list. With it off (the
 * default), F4 opens a closed list and closes an open one with acceptance,
 * and Down with the list closed selects and commits the next row. Type 0 is
 * not affected. The value is stored as given.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero for the extended interface, 0 for the standard one.
 * @return 0; -1 for a bad handle.
 * @par Notifications
 * None.
 * @sa Tarn_GetExtendedUI(), Tarn_ShowDropDown()
 */
TARN32_API int     WINAPI Tarn_SetExtendedUI(HWND hwnd, BOOL on);
/** @} */

/* --- Drag type and timers ------------------------------------------------- */
/**
 * @defgroup drag Drag type and timers
 * @brief The drag switch and the two auto-scroll timer procedures.
 *
 * While the user drags with a button held, the control scrolls by itself
 * with a timer on the control window (id 1, every 100 ms; one at a time):
 * beyond the top or bottom edge of the list it starts
 * Tarn_VScrollTimerProc(); at or beyond either end of the header band while
 * a column is being resized or moved, Tarn_HeaderScrollTimerProc(). The timer
 * stops when the drag ends. The procedures are exported because the
 * control hands them to SetTimer; an application has no need to call them.
 * @{
 */
/**
 * @brief Returns the stored drag type.
 *
 * @param hwnd  The control window.
 * @return 1 (the default) or 0; 0 also for a bad handle.
 * @sa Tarn_SetDragType()
 */
TARN32_API int     WINAPI Tarn_GetDragType(HWND hwnd);
/**
 * @brief Stores the drag type.
 *
 * The value is kept for Tarn_GetDragType(); no behaviour of the control
 * depends on it. 1 is stored as 1, every other value as 0.
 *
 * @param hwnd  The control window.
 * @param type  The drag type; 1 or anything else (stored as 0).
 * @par Notifications
 * None.
 * @sa Tarn_GetDragType()
 */
TARN32_API void    WINAPI Tarn_SetDragType(HWND hwnd, int type);
/**
 * @brief Steps the list's auto-scroll; the control's own timer procedure.
 *
 * Each tick moves the highlight one row towards the edge the pointer was
 * dragged past, without committing it, scrolls it into view and paints the
 * control and its list at once. It stops at the first and the last row;
 * the timer ends once the pointer is back over a row, the button is
 * released or the list is closed. A call while no auto-scroll runs (a tick
 * already queued when the timer stopped, or an application's own call)
 * does nothing.
 *
 * @param hwnd  The control window (the window the timer runs on).
 * @param msg   WM_TIMER; not used.
 * @param id    The timer id (1); not used.
 * @param time  The tick's system time; not used.
 * @par Notifications
 * #TARNN_TOPINDEXCHANGE (6) when the step scrolls the list.
 * @par Repaints
 * The rows that lost and gained the highlight, painted at once
 * (UpdateWindow on the control and the list).
 * @sa Tarn_HeaderScrollTimerProc(), Tarn_SetCursorSelect()
 */
TARN32_API void    CALLBACK Tarn_VScrollTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
/**
 * @brief Steps the header's auto-scroll; the control's own timer procedure.
 *
 * While a column is being resized or moved with the pointer at or beyond
 * either end of the header band, each tick scrolls the columns towards that
 * end by an eighth of the field's width (at least 20 pixels), within 0 and the
 * largest horizontal offset, and moves the drag marker to follow the
 * pointer. A call while no such drag runs (a tick already queued when the
 * timer stopped, or an application's own call) does nothing.
 *
 * @param hwnd  The control window (the window the timer runs on).
 * @param msg   WM_TIMER; not used.
 * @param id    The timer id (1); not used.
 * @param time  The tick's system time; not used.
 * @par Notifications
 * #TARNN_HOFFSETCHANGE (10) when the step changes the horizontal offset.
 * @par Repaints
 * The control and its list, at once (UpdateWindow before and after the
 * scroll).
 * @sa Tarn_VScrollTimerProc(), Tarn_SetHorizontalOffset()
 */
TARN32_API void    CALLBACK Tarn_HeaderScrollTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
/** @} */

/* --- Edit field ----------------------------------------------------------- */
/**
 * @defgroup editfield Edit field
 * @brief The edit field of types 0 and 1.
 *
 * Only #TARNS_LISTBOX (0) and #TARNS_DROPDOWN (1) have an edit field
 * (Tarn_GetHWNDEdit()); on types 2 and 3 these functions return -1 and do
 * nothing. The field shows the committed row's text in the first visible
 * column until the user types; new columns rebuild the field, keeping its
 * limit, its text and its selection.
 * @{
 */
/**
 * @brief Limits how many characters the user can type into the edit field.
 *
 * Sends EM_LIMITTEXT to the field: 0 lifts the limit to the edit control's
 * maximum. The limit holds for typing and pasting only; text the control
 * writes (a committed row's) is shown whole, and text already longer stays.
 *
 * @param hwnd   The control window.
 * @param limit  The largest number of characters; 0 for the maximum.
 * @return 0 on success; -1 for a bad handle, a negative limit or a control
 *         without an edit field (types 2 and 3).
 * @par Notifications
 * None.
 * @sa Tarn_GetHWNDEdit(), Tarn_SetEditSel()
 */
TARN32_API int     WINAPI Tarn_LimitText(HWND hwnd, int limit);
/**
 * @brief Reads the selection in the edit field.
 *
 * Both values are set to -1 first, so they are defined when the control has
 * no edit field. Either pointer may be NULL.
 *
 * @param hwnd   The control window.
 * @param start  Receives the character position where the selection
 *               starts, or NULL.
 * @param end    Receives the position of the first character after the
 *               selection, or NULL; equal to *start when nothing is
 *               selected (the caret position).
 * @return 0 on success; -1 for a bad handle (nothing is stored then) or a
 *         control without an edit field (types 2 and 3; both values stay
 *         -1).
 * @sa Tarn_SetEditSel()
 */
TARN32_API int     WINAPI Tarn_GetEditSel(HWND hwnd, DWORD* start, DWORD* end);
/**
 * @brief Selects characters in the edit field.
 *
 * Sends EM_SETSEL to the field with the two positions unchanged: start 0 and
 * end -1 select the whole text, start -1 removes the selection, positions
 * beyond the text stand for its end. The caret goes to end.
 *
 * @param hwnd   The control window.
 * @param start  Character position where the selection starts.
 * @param end    Position of the first character after the selection.
 * @return 0 on success; -1 for a bad handle or a control without an edit
 *         field (types 2 and 3).
 * @par Notifications
 * None.
 * @par Repaints
 * The edit field repaints its selection itself.
 * @sa Tarn_GetEditSel(), Tarn_LimitText()
 */
TARN32_API int     WINAPI Tarn_SetEditSel(HWND hwnd, int start, int end);
/** @} */

/* --- Drop-down ------------------------------------------------------------ */
/**
 * @defgroup dropdown Drop-down
 * @brief Opening and closing the list, its size and position, the child windows.
 * @{
 */
/* 1 done or nothing to do, 0 for type 0 or opening an empty control, -1 when
   the list window cannot be created. Opening sends TARNN_DROPDOWN first; a
   parent that sends the control WM_CANCELMODE while handling it keeps the list
   closed (1 is still returned). Closing destroys the list without
   TARNN_SELENDOK/TARNN_SELENDCANCEL and leaves the selection as it is; the
   list window still sends TARNN_DROPDOWNDESTROYED. */
TARN32_API int     WINAPI Tarn_ShowDropDown(HWND hwnd, BOOL show);
TARN32_API BOOL    WINAPI Tarn_GetDroppedState(HWND hwnd);                 /* always 1 for type 0 */
TARN32_API int     WINAPI Tarn_GetDroppedControlRect(HWND hwnd, RECT* rect); /* 0 / -1; screen coordinates */
TARN32_API void    WINAPI Tarn_GetDropDownButtonRect(HWND hwnd, RECT* rect); /* empty for type 0 */
TARN32_API int     WINAPI Tarn_GetDropDownPosition(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetDropDownPosition(HWND hwnd, int position); /* TARN_DROPDOWN_*; type 2 only */
/* Positive: rows; negative: minus a height in pixels. -1 for type 0. */
TARN32_API int     WINAPI Tarn_GetDroppedHeight(HWND hwnd);
TARN32_API int     WINAPI Tarn_SetDroppedHeight(HWND hwnd, int height);    /* 0 / -1 (0 is refused) */
/* 0: the control's width; positive: pixels; negative: minus a percentage. -1 for type 0. */
TARN32_API int     WINAPI Tarn_GetDroppedWidth(HWND hwnd);
TARN32_API int     WINAPI Tarn_SetDroppedWidth(HWND hwnd, int width);      /* 0 / -1 */
TARN32_API HWND    WINAPI Tarn_GetHWNDEdit(HWND hwnd);                     /* NULL for types 2 and 3 */
TARN32_API HWND    WINAPI Tarn_GetHWNDDropDown(HWND hwnd);                 /* NULL while closed */
TARN32_API BOOL    WINAPI Tarn_GetOpenEnded(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetOpenEnded(HWND hwnd, BOOL on);           /* last column fills the width */
TARN32_API int     WINAPI Tarn_GetOverheadWidth(HWND hwnd);
/** @} */

/* --- Font lists ----------------------------------------------------------- */
/**
 * @defgroup fontlists Font lists
 * @brief Filling controls with font faces, sizes and styles.
 * @{
 */
/* Inserts the system's face names sorted from index (-1: 0); TARNFONT_* flags.
   Returns the index of the last face inserted, index when none, or a negative
   insertion failure. */
TARN32_API int     WINAPI Tarn_Fonts(HWND hwnd, int index, BOOL bitmaps, HDC hdcPrinter, UINT flags);
TARN32_API BOOL    WINAPI Tarn_FontSizes_A(HWND hwnd, HDC hdcPrinter, const char* face);
/* weightNames: nine comma-separated names for weights 100..900; NULL = built-in. */
TARN32_API BOOL    WINAPI Tarn_FontStyles_A(HWND hwnd, HDC hdcPrinter, const char* face,
                                            const char* weightNames, const char* italicSuffix);
TARN32_API int     CALLBACK Tarn_FontsEnumProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);
TARN32_API int     CALLBACK Tarn_FontsForSizeEnumProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);
TARN32_API int     CALLBACK Tarn_FontsForStyleEnumProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);
/** @} */

/* --- Module housekeeping, hooks and window procedures --------------------- */
/**
 * @defgroup module Module housekeeping, hooks and window procedures
 * @brief Registration, the filter hooks and the three window procedures.
 * @{
 */
TARN32_API BOOL    WINAPI Tarn_RegisterApp(DWORD value);                   /* always 1; value ignored */
TARN32_API void    WINAPI Tarn_UnregisterApp(DWORD value);                 /* removes the library's hooks */
TARN32_API LRESULT CALLBACK Tarn_MouseFilterHook(int code, WPARAM message, LPARAM mouseHook);
TARN32_API LRESULT CALLBACK Tarn_KeyboardFilterHook(int code, WPARAM key, LPARAM keyFlags);
/* 1 when a press on target closed a dropped list, else 0. */
TARN32_API int     WINAPI Tarn_ProcessMouseMessage(HWND target, WPARAM unused1, LPARAM unused2);
TARN32_API LRESULT CALLBACK Tarn_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
TARN32_API LRESULT CALLBACK TCtl_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
TARN32_API LRESULT CALLBACK TDropDown_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

/** @cond TARN32_LAYOUT_CHECKS */
/* ------------------------------------------------------------------------ */
/* Layout checks of the 32-bit records                                       */
/* ------------------------------------------------------------------------ */

#if defined(__cplusplus)
#define TARN_STATIC_ASSERT(e, msg) static_assert(e, msg)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define TARN_STATIC_ASSERT(e, msg) _Static_assert(e, msg)
#else
#define TARN_STATIC_ASSERT_CAT2(a, b) a##b
#define TARN_STATIC_ASSERT_CAT(a, b) TARN_STATIC_ASSERT_CAT2(a, b)
#define TARN_STATIC_ASSERT(e, msg) \
    typedef char TARN_STATIC_ASSERT_CAT(tarn_static_assert_, __LINE__)[(e) ? 1 : -1]
#endif

#define TARN_ASSERT_OFFSET(type, field, off) \
    TARN_STATIC_ASSERT(offsetof(type, field) == (off), #type "." #field " must be at offset " #off)

/* The colour table is 37 32-bit values on every platform. */
TARN_STATIC_ASSERT(sizeof(CtlColors) == TARNCLR_COUNT * 4, "CtlColors must be 37 x 4 bytes");
TARN_ASSERT_OFFSET(CtlColors, selBackColor, TARNCLR_SELBACKCOLOR * 4);
TARN_ASSERT_OFFSET(CtlColors, rowColHeaderBackColor, TARNCLR_ROWCOLHEADERBACKCOLOR * 4);
TARN_ASSERT_OFFSET(CtlColors, dropButtonFrameHighlightColor, TARNCLR_DROPBUTTONFRAMEHIGHLIGHTCOLOR * 4);
TARN_ASSERT_OFFSET(CtlColors, disabledTreeLineColor, TARNCLR_DISABLEDTREELINECOLOR * 4);

#if !defined(_WIN64)
TARN_STATIC_ASSERT(sizeof(TarnItem) == 32, "TarnItem must be 32 bytes");
TARN_ASSERT_OFFSET(TarnItem, itemData, 0);
TARN_ASSERT_OFFSET(TarnItem, hbmLabel, 4);
TARN_ASSERT_OFFSET(TarnItem, hbmBitmap, 8);
TARN_ASSERT_OFFSET(TarnItem, rowInfo, 12);
TARN_ASSERT_OFFSET(TarnItem, rowText, 16);
TARN_ASSERT_OFFSET(TarnItem, cellInfo, 20);
TARN_ASSERT_OFFSET(TarnItem, texts, 24);
TARN_ASSERT_OFFSET(TarnItem, flags, 28);

TARN_STATIC_ASSERT(sizeof(ColumnDef) == 76, "ColumnDef must be 76 bytes");
TARN_ASSERT_OFFSET(ColumnDef, reserved0, 0);
TARN_ASSERT_OFFSET(ColumnDef, reserved1, 4);
TARN_ASSERT_OFFSET(ColumnDef, reserved2, 8);
TARN_ASSERT_OFFSET(ColumnDef, width, 12);
TARN_ASSERT_OFFSET(ColumnDef, backColor, 16);
TARN_ASSERT_OFFSET(ColumnDef, textColor, 20);
TARN_ASSERT_OFFSET(ColumnDef, selBackColor, 24);
TARN_ASSERT_OFFSET(ColumnDef, selTextColor, 28);
TARN_ASSERT_OFFSET(ColumnDef, format, 32);
TARN_ASSERT_OFFSET(ColumnDef, headerFormat, 36);
TARN_ASSERT_OFFSET(ColumnDef, headerText, 40);
TARN_ASSERT_OFFSET(ColumnDef, headerTextBuffer, 44);
TARN_ASSERT_OFFSET(ColumnDef, hbmHeader, 48);
TARN_ASSERT_OFFSET(ColumnDef, headerBitmapStyle, 52);
TARN_ASSERT_OFFSET(ColumnDef, reserved3, 54);
TARN_ASSERT_OFFSET(ColumnDef, reserved4, 56);
TARN_ASSERT_OFFSET(ColumnDef, columnAtPosition, 60);
TARN_ASSERT_OFFSET(ColumnDef, position, 64);
TARN_ASSERT_OFFSET(ColumnDef, flags, 68);
TARN_ASSERT_OFFSET(ColumnDef, reserved5, 70);
TARN_ASSERT_OFFSET(ColumnDef, reserved6, 72);

TARN_STATIC_ASSERT(sizeof(CellInfo) == 52, "CellInfo must be 52 bytes");
TARN_ASSERT_OFFSET(CellInfo, version, 0);
TARN_ASSERT_OFFSET(CellInfo, row, 4);
TARN_ASSERT_OFFSET(CellInfo, column, 8);
TARN_ASSERT_OFFSET(CellInfo, backColor, 12);
TARN_ASSERT_OFFSET(CellInfo, textColor, 16);
TARN_ASSERT_OFFSET(CellInfo, selBackColor, 20);
TARN_ASSERT_OFFSET(CellInfo, selTextColor, 24);
TARN_ASSERT_OFFSET(CellInfo, data0, 28);
TARN_ASSERT_OFFSET(CellInfo, data1, 32);
TARN_ASSERT_OFFSET(CellInfo, data2, 36);
TARN_ASSERT_OFFSET(CellInfo, hfont, 40);
TARN_ASSERT_OFFSET(CellInfo, hbm, 44);
TARN_ASSERT_OFFSET(CellInfo, reserved, 48);
TARN_ASSERT_OFFSET(CellInfo, bitmapStyle, 50);

/* The stored cell record is bytes 12..51 of CellInfo. */
TARN_STATIC_ASSERT(sizeof(CellFormat) == 40, "CellFormat must be 40 bytes");
TARN_ASSERT_OFFSET(CellFormat, backColor, 0);
TARN_ASSERT_OFFSET(CellFormat, data0, 16);
TARN_ASSERT_OFFSET(CellFormat, hfont, 28);
TARN_ASSERT_OFFSET(CellFormat, hbm, 32);
TARN_ASSERT_OFFSET(CellFormat, reserved, 36);
TARN_ASSERT_OFFSET(CellFormat, bitmapStyle, 38);

TARN_ASSERT_OFFSET(RowInfo, version, 0);
TARN_ASSERT_OFFSET(RowInfo, row, 4);
TARN_ASSERT_OFFSET(RowInfo, backColor, 8);
TARN_ASSERT_OFFSET(RowInfo, textColor, 12);
TARN_ASSERT_OFFSET(RowInfo, selBackColor, 16);
TARN_ASSERT_OFFSET(RowInfo, selTextColor, 20);
TARN_ASSERT_OFFSET(RowInfo, hbm, 24);
TARN_ASSERT_OFFSET(RowInfo, bitmapStyle, 28);
TARN_STATIC_ASSERT(sizeof(((RowInfo*)0)->bitmapStyle) == 2, "RowInfo.bitmapStyle is 16-bit");

/* The stored row record is bytes 8..29 of RowInfo. */
TARN_ASSERT_OFFSET(RowFormat, backColor, 0);
TARN_ASSERT_OFFSET(RowFormat, hbm, 16);
TARN_ASSERT_OFFSET(RowFormat, bitmapStyle, 20);
TARN_STATIC_ASSERT(offsetof(RowFormat, bitmapStyle) + 2 == TARN_ROWFORMAT_BYTES,
                   "RowFormat must hold 22 meaningful bytes");

TARN_STATIC_ASSERT(sizeof(DrawInfo) == 13 * 4, "DrawInfo must be 13 x 4 bytes");
TARN_ASSERT_OFFSET(DrawInfo, ctlId, 0);
TARN_ASSERT_OFFSET(DrawInfo, hwnd, 4);
TARN_ASSERT_OFFSET(DrawInfo, row, 8);
TARN_ASSERT_OFFSET(DrawInfo, selected, 12);
TARN_ASSERT_OFFSET(DrawInfo, columnCount, 16);
TARN_ASSERT_OFFSET(DrawInfo, rowTextColor, 20);
TARN_ASSERT_OFFSET(DrawInfo, rowBackColor, 24);
TARN_ASSERT_OFFSET(DrawInfo, cellTextColor, 28);
TARN_ASSERT_OFFSET(DrawInfo, cellBackColor, 32);
TARN_ASSERT_OFFSET(DrawInfo, hfont, 36);
TARN_ASSERT_OFFSET(DrawInfo, hbmLabel, 40);
TARN_ASSERT_OFFSET(DrawInfo, hbmBitmap, 44);
TARN_ASSERT_OFFSET(DrawInfo, enabled, 48);

/* The callback setters read two 32-bit values. */
TARN_STATIC_ASSERT(sizeof(TarnDeleteCallbackInfo) == 8, "delete callback pair must be 8 bytes");
TARN_STATIC_ASSERT(sizeof(TarnDrawInfoCallbackInfo) == 8, "draw-info callback pair must be 8 bytes");
#endif /* !_WIN64 */
/** @endcond */

#endif /* TARN32_H */
