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
 * @{
 */
/* Setters normalise their argument and repaint only when the value changes. */
TARN32_API int     WINAPI Tarn_GetSelectionStyle(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetSelectionStyle(HWND hwnd, int style);    /* TARN_SELECT_* */
TARN32_API BOOL    WINAPI Tarn_GetShow3D(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetShow3D(HWND hwnd, BOOL on);
TARN32_API BOOL    WINAPI Tarn_GetShowGrid(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetShowGrid(HWND hwnd, BOOL on);
TARN32_API int     WINAPI Tarn_GetGridStyle(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetGridStyle(HWND hwnd, int style);         /* TARN_GRID_* */
TARN32_API BOOL    WINAPI Tarn_GetShowBitmaps(HWND hwnd);                  /* set by Tarn_SetItemBitmap(-1) */
TARN32_API BOOL    WINAPI Tarn_GetShowLabels(HWND hwnd);                   /* set by Tarn_SetItemLabel(-1) */
TARN32_API int     WINAPI Tarn_GetShowHeader(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetShowHeader(HWND hwnd, int mode);         /* TARN_HEADER_* */
TARN32_API int     WINAPI Tarn_GetShowRowHeader(HWND hwnd);
/* TARN_ROWHEADER_*; resets the row-header width, so set the width after the mode. */
TARN32_API void    WINAPI Tarn_SetShowRowHeader(HWND hwnd, int mode);
TARN32_API BOOL    WINAPI Tarn_GetShowTreeLines(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetShowTreeLines(HWND hwnd, BOOL on);
TARN32_API BOOL    WINAPI Tarn_GetShowTruncated(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetShowTruncated(HWND hwnd, BOOL on);
/* info NULL clears; always 1. */
TARN32_API BOOL    WINAPI Tarn_SetDrawInfoCallback(HWND hwnd, const TarnDrawInfoCallbackInfo* info);
/** @} */

/* --- Selection and keyboard ----------------------------------------------- */
/**
 * @defgroup selection Selection and keyboard
 * @brief The current row, the caret column and keyboard behaviour switches.
 * @{
 */
TARN32_API int     WINAPI Tarn_GetCurSel(HWND hwnd);                       /* -1 none */
/* 0 / -1. Sets and commits the row (-1 clears) and sends TARNN_SELCHANGE,
   even when the row did not change. */
TARN32_API int     WINAPI Tarn_SetCurSel(HWND hwnd, int index);
TARN32_API int     WINAPI Tarn_GetCaretColumn(HWND hwnd);                  /* column of the last press, -1 none */
TARN32_API BOOL    WINAPI Tarn_GetCursorSelect(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetCursorSelect(HWND hwnd, BOOL on);
TARN32_API BOOL    WINAPI Tarn_GetExtendedUI(HWND hwnd);
TARN32_API int     WINAPI Tarn_SetExtendedUI(HWND hwnd, BOOL on);          /* always 0 */
/** @} */

/* --- Drag type and timers ------------------------------------------------- */
/**
 * @defgroup drag Drag type and timers
 * @brief The drag switch and the two auto-scroll timer procedures.
 * @{
 */
TARN32_API int     WINAPI Tarn_GetDragType(HWND hwnd);
TARN32_API void    WINAPI Tarn_SetDragType(HWND hwnd, int type);           /* stored as 1 or 0 */
TARN32_API void    CALLBACK Tarn_VScrollTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
TARN32_API void    CALLBACK Tarn_HeaderScrollTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
/** @} */

/* --- Edit field ----------------------------------------------------------- */
/**
 * @defgroup editfield Edit field
 * @brief The edit field of types 0 and 1.
 * @{
 */
/* The following return -1 when the control has no edit field. */
TARN32_API int     WINAPI Tarn_LimitText(HWND hwnd, int limit);            /* 0 / -1 */
TARN32_API int     WINAPI Tarn_GetEditSel(HWND hwnd, DWORD* start, DWORD* end); /* 0 / -1; both -1 first */
TARN32_API int     WINAPI Tarn_SetEditSel(HWND hwnd, int start, int end);  /* 0 / -1 */
/** @} */

/* --- Drop-down ------------------------------------------------------------ */
/**
 * @defgroup dropdown Drop-down
 * @brief Opening and closing the list, its size and position, the child windows.
 *
 * The list of the drop-down types (1, 2 and 3) exists only while it is open:
 * a top-most tool window of class #TARN32_DROPDOWN_CLASS on the desktop, so
 * that it may reach beyond the parent's window. Type 0 (#TARNS_LISTBOX) shows
 * its list permanently, below the field; it has no drop button and refuses
 * the settings of the dropped list. The position, height and width settings
 * are read when the list next opens: changing them lays nothing out again.
 * @{
 */
/**
 * @brief Opens or closes the dropped list.
 *
 * Opening (show TRUE) first sends #TARNN_DROPDOWN (19). A parent that sends
 * the control WM_CANCELMODE while handling it keeps the list closed, and one
 * that opens the list itself from there gets no second list; 1 is returned
 * in both cases. Otherwise the focus is moved into the control when it is
 * elsewhere, the list window is created where Tarn_SetDropDownPosition(),
 * Tarn_SetDroppedHeight() and Tarn_SetDroppedWidth() place it (child id
 * #TARN32_ID_LIST), and the committed row is scrolled into view. An empty
 * control does not open, and sends nothing.
 *
 * Closing (show FALSE) destroys the list window without #TARNN_SELENDOK or
 * #TARNN_SELENDCANCEL: nothing is committed or cancelled, the highlighted row
 * stays as it is, and a press being tracked in the list ends. Closing with
 * acceptance or cancel is what the user's keys and clicks do.
 *
 * Opening an open list or closing a closed one does nothing. Type 0 is
 * refused.
 *
 * @param hwnd  The control window.
 * @param show  TRUE to open the list, FALSE to close it.
 * @return 1 when done or when there was nothing to do (also when the parent
 *         vetoed the opening); 0 for type 0, for opening an empty control,
 *         when the parent destroyed the control during a notification, and
 *         for a bad handle (0, not -1); -1 (#TARN_ERR) when the list window
 *         could not be created.
 * @par Notifications
 * Opening: #TARNN_DROPDOWN (19); #TARNN_SETFOCUS (3) when the focus was
 * outside the control; #TARNN_DROPDOWNCREATED (17) for types 1 and 2 (not
 * type 3); #TARNN_TOPINDEXCHANGE (6) when the list scrolls to show the
 * committed row. Closing: #TARNN_DROPDOWNDESTROYED (18) only.
 * @par Repaints
 * The new list window paints in full, and the field when the focus moves
 * into the control; closing invalidates nothing of the control.
 * @sa Tarn_GetDroppedState(), Tarn_GetHWNDDropDown(), @ref page_notifications
 */
TARN32_API int     WINAPI Tarn_ShowDropDown(HWND hwnd, BOOL show);
/**
 * @brief Tells whether the list is shown.
 *
 * For the drop-down types, whether the list is open. Type 0 shows its list
 * permanently.
 *
 * @param hwnd  The control window.
 * @return TRUE while the list is open, and always for type 0; FALSE while the
 *         list of a drop-down type is closed, and for a bad handle.
 * @sa Tarn_ShowDropDown(), Tarn_GetHWNDDropDown()
 */
TARN32_API BOOL    WINAPI Tarn_GetDroppedState(HWND hwnd);
/**
 * @brief Gets the rectangle of the list window in screen coordinates.
 *
 * The whole window, border and scroll bars included, as GetWindowRect gives
 * it. Type 0 gives the rectangle of its permanent list.
 *
 * @param hwnd  The control window.
 * @param rect  Receives the rectangle in screen coordinates; emptied first,
 *              and left empty when the list is closed. NULL is refused.
 * @return 0 on success; -1 (#TARN_ERR) when the list of a drop-down type is
 *         closed, for a NULL rect and for a bad handle (rect is then not
 *         touched).
 * @sa Tarn_GetDropDownButtonRect(), Tarn_SetDroppedHeight(),
 *     Tarn_SetDroppedWidth()
 */
TARN32_API int     WINAPI Tarn_GetDroppedControlRect(HWND hwnd, RECT* rect);
/**
 * @brief Gets the rectangle of the drop button in the control's client coordinates.
 *
 * The button lies at the right edge of the control's client area, as wide as
 * a vertical scroll bar (SM_CXVSCROLL), and reaches from the top of the
 * client area, over the column header band, to the bottom of the field.
 * Type 0 has no drop button.
 *
 * @param hwnd  The control window.
 * @param rect  Receives the rectangle in the control's client coordinates;
 *              empty for type 0. NULL is ignored; a bad handle leaves it
 *              untouched.
 * @sa Tarn_GetDroppedControlRect()
 */
TARN32_API void    WINAPI Tarn_GetDropDownButtonRect(HWND hwnd, RECT* rect);
/**
 * @brief Gets the side on which the list of type 2 prefers to open.
 *
 * @param hwnd  The control window.
 * @return The value stored by Tarn_SetDropDownPosition():
 *         #TARN_DROPDOWN_BELOW (1), the default and the only value of the
 *         types other than 2, or #TARN_DROPDOWN_ABOVE (0); -1 for a bad
 *         handle.
 * @sa Tarn_SetDropDownPosition()
 */
TARN32_API int     WINAPI Tarn_GetDropDownPosition(HWND hwnd);
/**
 * @brief Chooses the side on which the list of type 2 prefers to open.
 *
 * Only type 2 (#TARNS_DROPDOWNLIST) stores the position; the other types keep
 * #TARN_DROPDOWN_BELOW and ignore the value. 0 (#TARN_DROPDOWN_ABOVE) asks for
 * above the control, any other value for below it; the value is stored as
 * given. The list opens on the preferred side unless it does not fit there
 * and either fits on the other side or has more room there. Either way it
 * keeps 3 pixels clear of the control's client area. An open list does not
 * move: the setting is read when the list next opens.
 *
 * Every type first closes an open list with cancel and moves the highlight
 * back to the committed row. A parent that vetoes the closing (WM_CANCELMODE
 * while handling #TARNN_SELENDCANCEL) keeps the list open; the position is
 * stored all the same.
 *
 * @param hwnd      The control window.
 * @param position  #TARN_DROPDOWN_ABOVE or #TARN_DROPDOWN_BELOW.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list is
 * open.
 * @par Repaints
 * Type 0: the highlighted and the committed row, when they differed. The
 * drop-down types: nothing besides the closing.
 * @sa Tarn_GetDropDownPosition(), Tarn_SetDroppedHeight()
 */
TARN32_API void    WINAPI Tarn_SetDropDownPosition(HWND hwnd, int position);
/**
 * @brief Gets how high the dropped list opens.
 *
 * @param hwnd  The control window.
 * @return A positive number of rows (6 by default), or minus a height in
 *         pixels; -1 for type 0 and for a bad handle (a stored height of
 *         1 pixel also reads -1).
 * @sa Tarn_SetDroppedHeight()
 */
TARN32_API int     WINAPI Tarn_GetDroppedHeight(HWND hwnd);
/**
 * @brief Sets how high the dropped list opens, in rows or in pixels.
 *
 * A positive height is a number of rows, and the list never shows more rows
 * than the control has. A negative height is minus a height in pixels, of
 * which the list shows the whole rows that fit (with variable row heights,
 * counted from the top row). The list window adds a one-pixel border and,
 * when the columns need one, a horizontal scroll bar. The setting is read
 * when the list next opens (an open list keeps its size), and
 * Tarn_GetItemsShown() of a closed list counts from it.
 *
 * @param hwnd    The control window.
 * @param height  Rows (positive) or minus pixels (negative); 0 is refused.
 * @return 0 on success; -1 (#TARN_ERR) for a height of 0, for type 0 and for
 *         a bad handle.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetDroppedHeight(), Tarn_SetDroppedWidth(),
 *     Tarn_SetDropDownPosition()
 */
TARN32_API int     WINAPI Tarn_SetDroppedHeight(HWND hwnd, int height);
/**
 * @brief Gets how wide the dropped list opens.
 *
 * @param hwnd  The control window.
 * @return 0 for the width of the control's client area (the default), a
 *         positive width in pixels, or minus a percentage of the control's
 *         client width; -1 for type 0 and for a bad handle (a stored -1, that
 *         is 1 percent, also reads -1).
 * @sa Tarn_SetDroppedWidth()
 */
TARN32_API int     WINAPI Tarn_GetDroppedWidth(HWND hwnd);
/**
 * @brief Sets how wide the dropped list opens.
 *
 * 0 makes the list as wide as the control's client area; a positive width is
 * in pixels; a negative width is minus a percentage of the control's client
 * width (-50 half, -150 one and a half times). The rows begin at the left
 * edge of the control's client area, the border one pixel further left. The
 * list is never wider than the screen (the monitor the control is on) and is
 * narrowed to end at its right edge. The setting is read when the list next
 * opens (an open list keeps its size); while the list is closed, the columns
 * are laid out on this width.
 *
 * @param hwnd   The control window.
 * @param width  0, pixels (positive) or minus a percentage (negative).
 * @return 0 on success; -1 (#TARN_ERR) for type 0 and for a bad handle.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetDroppedWidth(), Tarn_SetDroppedHeight(), Tarn_SetOpenEnded()
 */
TARN32_API int     WINAPI Tarn_SetDroppedWidth(HWND hwnd, int width);
/**
 * @brief Gets the control's edit field.
 *
 * Types 0 and 1 have an edit field: a window of class #TARN32_EDIT_CLASS (a
 * superclass of EDIT, see TCtl_WndProc()) with child id #TARN32_ID_EDIT.
 * Types 2 and 3 have none.
 *
 * @param hwnd  The control window.
 * @return The edit field; NULL for types 2 and 3 and for a bad handle.
 * @sa Tarn_GetHWNDDropDown(), @ref page_types
 */
TARN32_API HWND    WINAPI Tarn_GetHWNDEdit(HWND hwnd);
/**
 * @brief Gets the control's list window.
 *
 * The window of class #TARN32_DROPDOWN_CLASS with child id #TARN32_ID_LIST
 * that shows the rows and carries the control's scroll bars. Type 0 has it
 * all the time; the drop-down types only while the list is open.
 *
 * @param hwnd  The control window.
 * @return The list window: always for type 0, while open for the drop-down
 *         types; NULL while the list of a drop-down type is closed, and for a
 *         bad handle.
 * @sa Tarn_GetDroppedState(), Tarn_GetDroppedControlRect(),
 *     Tarn_GetHWNDEdit()
 */
TARN32_API HWND    WINAPI Tarn_GetHWNDDropDown(HWND hwnd);
/**
 * @brief Tells whether the last visible column fills the rest of the row.
 *
 * @param hwnd  The control window.
 * @return TRUE when the last column is open-ended (the default); FALSE when it
 *         keeps its own width, and for a bad handle.
 * @sa Tarn_SetOpenEnded()
 */
TARN32_API BOOL    WINAPI Tarn_GetOpenEnded(HWND hwnd);
/**
 * @brief Makes the last visible column fill the rest of the row, or keep its own width.
 *
 * When on, the last visible column runs to the end of the scrollable width
 * (the larger of the horizontal extent and the width of the list), whatever
 * its own width; a column that starts beyond that end is not drawn. When
 * off, it keeps its own width and the rest of the row stays empty. The
 * setting is stored as 1 or 0, and the control is laid out again.
 *
 * @param hwnd  The control window.
 * @param on    Non-zero for an open-ended last column, 0 for its own width.
 * @par Notifications
 * None.
 * @par Repaints
 * The whole control (the control, the list and the edit field) at the next
 * paint, even when the setting does not change, when redraw is on.
 * @sa Tarn_GetOpenEnded(), Tarn_SetHorizontalExtent(), Tarn_GetCellRect()
 */
TARN32_API void    WINAPI Tarn_SetOpenEnded(HWND hwnd, BOOL on);
/**
 * @brief Gets the width before the first column that the tree levels, item bitmaps and labels take.
 *
 * The first visible column begins with this width on every row, so that the
 * later columns line up on every level. It is the indentation of the deepest
 * level the control has held since it was last emptied (deleting that row
 * does not lower it), plus the item bitmap zone when bitmaps are shown, plus
 * the label zone when labels are shown, plus 2 pixels when bitmaps, labels or
 * tree lines are shown. A level indents by the widest character of the
 * control's font, or with item bitmaps by half their width (a whole width with
 * tree lines). The value is that of the last layout: while the control is
 * hidden or redrawing is off, it changes when the control is next laid out.
 * Each change is reported with #TARNN_OVERHEADCHANGE (12).
 *
 * @param hwnd  The control window.
 * @return The width in pixels (0 when nothing is reserved); -1 for a bad
 *         handle.
 * @sa Tarn_SetItemLevel(), Tarn_SetItemBitmap(), Tarn_SetItemLabel(),
 *     Tarn_SetShowTreeLines()
 */
TARN32_API int     WINAPI Tarn_GetOverheadWidth(HWND hwnd);
/** @} */

/* --- Font lists ----------------------------------------------------------- */
/**
 * @defgroup fontlists Font lists
 * @brief Filling controls with font faces, sizes and styles.
 *
 * The fillers enumerate fonts with EnumFontFamiliesA and add ordinary rows,
 * the way Tarn_InsertString_A() and Tarn_ResetContent() change the control:
 * each new row closes an open list with cancel first, is refused in virtual
 * mode, and repaints the rows from its own down. Every row they add has its
 * entry in column 0 and a key in column 0's data0 (read it with
 * Tarn_GetCellInfo()); data1 and data2 are 0. No filler sends
 * #TARNN_SELCHANGE. The three enumeration procedures are exported so that an
 * application can run an enumeration itself; they work on the state the
 * matching filler left in the control.
 * @{
 */
/**
 * @brief Inserts the names of the installed font faces as a sorted block of rows.
 *
 * Enumerates one font of every family on the screen, on hdcPrinter, or on
 * both (the screen first), and inserts each face that passes flags as a row
 * whose text is the face name and whose key is the font type
 * EnumFontFamiliesA reported (its RASTER_FONTTYPE, DEVICE_FONTTYPE and
 * TRUETYPE_FONTTYPE bits). The faces are kept sorted (lstrcmpA order) in one
 * block that begins at row index and pushes the rows from there down. Each
 * face appears once: one met again (on the printer after the screen) keeps
 * its row and takes the type and mark it was last seen with. The control is
 * not emptied first; call Tarn_ResetContent() for a list of faces alone. An
 * open list is closed with cancel before anything else.
 *
 * A face must match a pitch flag (#TARNFONT_FIXEDPITCH or
 * #TARNFONT_VARIABLEPITCH) and a type flag (#TARNFONT_TRUETYPE,
 * #TARNFONT_RASTER, or #TARNFONT_VECTOR for a face that is neither TrueType
 * nor raster); without a flag of each kind nothing is inserted.
 *
 * With bitmaps TRUE, the control loads two marks from the module once (a
 * TrueType mark and a printer mark), deletes them when it is destroyed, and
 * turns the item bitmap zone on at the TrueType mark's size, as
 * Tarn_SetItemBitmap() with row -1 does (Tarn_GetShowBitmaps() then returns
 * TRUE). Each TrueType face row gets the TrueType mark as its item bitmap,
 * each other device font the printer mark, other faces none. Once loaded, the
 * marks are given to the rows by a later call with bitmaps FALSE as well.
 *
 * @param hwnd        The control window.
 * @param index       Row the block begins at: the faces go in before the row
 *                    there, 0 to count - 1; -1 means row 0 and is the only
 *                    value an empty control accepts. Anything else, the count
 *                    included, is refused.
 * @param bitmaps     TRUE to load the marks and turn the item bitmap zone on.
 * @param hdcPrinter  A printer device context whose faces are listed, or NULL
 *                    for the screen's faces.
 * @param flags       The pitches and types to list (#TARNFONT_FIXEDPITCH,
 *                    #TARNFONT_VARIABLEPITCH, #TARNFONT_TRUETYPE,
 *                    #TARNFONT_RASTER, #TARNFONT_VECTOR), and
 *                    #TARNFONT_SCREENTOO to list the screen's faces as well
 *                    as those of hdcPrinter.
 * @return The index at which the last new face went in (faces come in the
 *         system's order and are sorted into place, so later faces may have
 *         moved it down); index itself when no new face went in (so -1 for
 *         index -1); -1 (#TARN_ERR) for a bad index, when a row could not be
 *         inserted (virtual mode, no memory; the faces inserted before stay),
 *         when the parent destroyed the control meanwhile, and for a bad
 *         handle.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list is
 * open; #TARNN_OVERHEADCHANGE (12) when bitmaps TRUE widens the overhead.
 * @par Repaints
 * The rows from each new face down, when redraw is on; the whole control at
 * the next paint when bitmaps is TRUE.
 * @sa Tarn_FontsEnumProc(), Tarn_FontSizes_A(), Tarn_FontStyles_A(),
 *     Tarn_GetCellInfo()
 */
TARN32_API int     WINAPI Tarn_Fonts(HWND hwnd, int index, BOOL bitmaps, HDC hdcPrinter, UINT flags);
/**
 * @brief Lists the point sizes of one font face.
 *
 * Enumerates face on the screen, then on hdcPrinter when one is given. Each
 * row's text is a size in points, in decimal, and its key that size.
 * - A TrueType face empties the control, as Tarn_ResetContent() does, and
 *   fills it with 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48
 *   and 72.
 * - Any other face that is not raster (a vector or scalable device font)
 *   empties it and fills it with 6 and the same sizes.
 * - A raster face's sizes are merged into the rows already there, without
 *   emptying the control: each size, measured in points at the screen's
 *   resolution from tmHeight - tmInternalLeading, goes in before the first row
 *   whose key is larger, and is left out when a row has its key already.
 *
 * Calling it again for the same face gives the same rows. A face the system
 * does not know leaves the control as it is. For the sizes of a raster face
 * alone, call Tarn_ResetContent() first.
 *
 * @param hwnd        The control window.
 * @param hdcPrinter  A printer device context whose sizes are added after the
 *                    screen's, or NULL for the screen alone.
 * @param face        Face name; NULL is refused.
 * @return TRUE when the control holds at least one row afterwards (rows it
 *         held before count); FALSE when it holds none, for a NULL face, when
 *         the parent destroyed the control meanwhile, and for a bad handle.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list is
 * open; when the control is emptied, the delete callback for every row and
 * #TARNN_OVERHEADCHANGE (12) when the overhead shrinks.
 * @par Repaints
 * Emptying: the whole control at the next paint. A merged size: the rows from
 * it down, when redraw is on.
 * @sa Tarn_FontsForSizeEnumProc(), Tarn_Fonts(), Tarn_FontStyles_A()
 */
TARN32_API BOOL    WINAPI Tarn_FontSizes_A(HWND hwnd, HDC hdcPrinter, const char* face);
/**
 * @brief Adds the styles of one font face, named by their weights, in weight order.
 *
 * Enumerates face on the screen, then on hdcPrinter when one is given. Each
 * TrueType or raster font of the face adds its style; any other face, which
 * GDI draws synthetic, adds the four styles of weights 400 and 700,
 * upright and italic. A style's weight is rounded to the nearest hundred
 * from 100 to 900 (ties to the lower); its name is that weight's entry of
 * weightNames, with italicSuffix appended for an italic font; its key is the
 * rounded weight, combined with #TARNFONT_ITALICKEY for an italic font.
 *
 * The styles are sorted into the rows by the low word of their keys, the
 * upright style before the italic one of the same weight. A style whose key,
 * or whose name (compared without case), is in the control already is left
 * out: calling it twice adds nothing, and weights that share a name give one
 * row. The control is not emptied first; call Tarn_ResetContent() before, for
 * a list of styles alone. The two texts are kept in the control; they also
 * name the styles Tarn_FontsForStyleEnumProc() adds later.
 *
 * @param hwnd          The control window.
 * @param hdcPrinter    A printer device context whose fonts are added after
 *                      the screen's, or NULL for the screen alone.
 * @param face          Face name; NULL is refused.
 * @param weightNames   Nine comma-separated names for the weights 100, 200 ...
 *                      900; a missing or empty entry reads "Normal". NULL takes
 *                      the module's list ("Normal" up to 400, "Bold" from
 *                      500). An empty string is refused.
 * @param italicSuffix  Appended as it is to the name of an italic style
 *                      (include the separator); NULL takes the module's
 *                      ", Italic". An empty string is refused.
 * @return TRUE when the control holds at least one row afterwards (rows it
 *         held before count); FALSE when it holds none, for a NULL face, an
 *         empty weightNames or italicSuffix, when the parent destroyed the
 *         control meanwhile, and for a bad handle.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list is
 * open and a style goes in.
 * @par Repaints
 * The rows from each new style down, when redraw is on.
 * @sa Tarn_FontsForStyleEnumProc(), Tarn_FontSizes_A(), Tarn_Fonts()
 */
TARN32_API BOOL    WINAPI Tarn_FontStyles_A(HWND hwnd, HDC hdcPrinter, const char* face,
                                            const char* weightNames, const char* italicSuffix);
/**
 * @brief Takes one face of a font enumeration into the block of Tarn_Fonts().
 *
 * The procedure Tarn_Fonts() passes to EnumFontFamiliesA, for use in an
 * enumeration the application runs itself (on another device context, for
 * instance). It applies the flags of the control's last Tarn_Fonts() call and
 * adds to that call's sorted block, inserting or updating the face's row and
 * mark as Tarn_Fonts() describes. A control that Tarn_Fonts() never filled
 * has no flags and takes no face.
 *
 * @param lf        The face's logical font (face name and pitch); NULL ends
 *                  the enumeration.
 * @param tm        The face's text metrics; not used.
 * @param fontType  The font type bits EnumFontFamiliesA reports; they choose
 *                  the type flag and the mark, and become the row's key.
 * @param lParam    The control window, cast to LPARAM.
 * @return 1 to go on with the enumeration (also for a face the flags leave
 *         out); 0 to end it: lParam is not a live control, lf is NULL, a row
 *         could not be inserted, or the parent destroyed the control.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list is
 * open and a face goes in.
 * @par Repaints
 * The rows from a new face down, when redraw is on.
 * @sa Tarn_Fonts()
 */
TARN32_API int     CALLBACK Tarn_FontsEnumProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);
/**
 * @brief Takes one font of a face's enumeration into the size list of Tarn_FontSizes_A().
 *
 * The procedure Tarn_FontSizes_A() passes to EnumFontFamiliesA, for use in an
 * enumeration the application runs itself. A TrueType or other scalable font
 * empties the control and fills it with its table of sizes, and ends the
 * enumeration; a raster font merges its size into the rows. Tarn_FontSizes_A()
 * gives the details.
 *
 * @param lf        The font's logical font; not used.
 * @param tm        The font's text metrics, from which a raster size is
 *                  measured; NULL ends the enumeration.
 * @param fontType  The font type bits EnumFontFamiliesA reports; they choose
 *                  between the tables and the raster size.
 * @param lParam    The control window, cast to LPARAM.
 * @return 1 after a raster size (go on); 0 after a table of sizes, which ends
 *         the enumeration, and when lParam is not a live control, tm is NULL
 *         or the parent destroyed the control.
 * @par Notifications
 * As Tarn_FontSizes_A() for one font.
 * @par Repaints
 * As Tarn_FontSizes_A() for one font.
 * @sa Tarn_FontSizes_A()
 */
TARN32_API int     CALLBACK Tarn_FontsForSizeEnumProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);
/**
 * @brief Takes one font of a face's enumeration into the style list of Tarn_FontStyles_A().
 *
 * The procedure Tarn_FontStyles_A() passes to EnumFontFamiliesA, for use in
 * an enumeration the application runs itself. A TrueType or raster font adds
 * its style; another scalable font adds the four synthetic styles and ends
 * the enumeration; Tarn_FontStyles_A() gives the details. The names come from
 * the texts the last Tarn_FontStyles_A() call kept in the control; with none
 * kept, every style is named "Normal" and an italic one gets no suffix (so it
 * shares its name with the upright style, and only the first of the two goes
 * in).
 *
 * @param lf        The font's logical font (weight and italic); NULL ends the
 *                  enumeration.
 * @param tm        The font's text metrics; not used.
 * @param fontType  The font type bits EnumFontFamiliesA reports.
 * @param lParam    The control window, cast to LPARAM.
 * @return 1 after a TrueType or raster font (go on); 0 after the synthetic
 *         styles, which ends the enumeration, and when lParam is not a live
 *         control, lf is NULL or the parent destroyed the control.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list is
 * open and a style goes in.
 * @par Repaints
 * The rows from a new style down, when redraw is on.
 * @sa Tarn_FontStyles_A()
 */
TARN32_API int     CALLBACK Tarn_FontsForStyleEnumProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);
/** @} */

/* --- Module housekeeping, hooks and window procedures --------------------- */
/**
 * @defgroup module Module housekeeping, hooks and window procedures
 * @brief Registration, the filter hooks and the three window procedures.
 *
 * When the module is loaded, it registers its three window classes
 * (#TARN32_CLASS, #TARN32_DROPDOWN_CLASS and #TARN32_EDIT_CLASS) and installs
 * a mouse and a keyboard hook for the thread that loads it; the load fails
 * when any of these fails. Unloading removes them. A class registered already
 * by another copy of the module is used as it is, and this copy refuses the
 * windows of that class. The hooks close a dropped list when a mouse button
 * goes down outside its control or the keyboard opens a menu; they serve the
 * controls of the loading thread only.
 * @{
 */
/**
 * @brief Does nothing; kept for applications that register with the library.
 *
 * The window classes and the hooks are set up when the module is loaded, so
 * there is nothing to register. Hooks removed by Tarn_UnregisterApp() are not
 * installed again.
 *
 * @param value  Ignored.
 * @return Always TRUE (1).
 * @par Notifications
 * None.
 * @sa Tarn_UnregisterApp()
 */
TARN32_API BOOL    WINAPI Tarn_RegisterApp(DWORD value);
/**
 * @brief Removes the library's mouse and keyboard hooks.
 *
 * Removes the two thread hooks installed when the module was loaded
 * (Tarn_MouseFilterHook() and Tarn_KeyboardFilterHook()). From then on a press
 * outside a control or a keyboard menu no longer closes its dropped list, and
 * nothing installs the hooks again until the module is loaded anew; an
 * application may call Tarn_ProcessMouseMessage() itself. A second call does
 * nothing. The window classes stay registered.
 *
 * @param value  Ignored.
 * @par Notifications
 * None.
 * @sa Tarn_RegisterApp(), Tarn_ProcessMouseMessage()
 */
TARN32_API void    WINAPI Tarn_UnregisterApp(DWORD value);
/**
 * @brief Closes a dropped list when a mouse button goes down outside its control (the WH_MOUSE hook).
 *
 * Installed as a WH_MOUSE hook of the thread that loaded the module. For code
 * HC_ACTION and a press (WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN or
 * their non-client forms; double clicks are not presses here), it calls
 * Tarn_ProcessMouseMessage() with the window the press is for. When that
 * closes a list, the press is not delivered; everything else goes on to the
 * next hook. Applications do not call it.
 *
 * @param code       The hook code; only HC_ACTION is acted on.
 * @param message    The mouse message.
 * @param mouseHook  The MOUSEHOOKSTRUCT of the message, whose hwnd is the
 *                   window the message is for.
 * @return 1 when the press closes a list (the system then discards it);
 *         otherwise the result of CallNextHookEx.
 * @par Notifications
 * None at once. The control closes its list when it handles the posted
 * #TARNM_CLOSEDROPDOWN: #TARNN_SELENDCANCEL (21), then
 * #TARNN_DROPDOWNDESTROYED (18).
 * @sa Tarn_ProcessMouseMessage(), Tarn_KeyboardFilterHook()
 */
TARN32_API LRESULT CALLBACK Tarn_MouseFilterHook(int code, WPARAM message, LPARAM mouseHook);
/**
 * @brief Closes a dropped list when the keyboard opens a menu (the WH_KEYBOARD hook).
 *
 * Installed as a WH_KEYBOARD hook of the thread that loaded the module. It
 * calls the next hook first. For code HC_ACTION (a key taken from the queue,
 * not one only looked at), when the focus is in a control whose list is
 * dropped and the key arrives in a menu's modal loop (KF_MENUMODE in keyFlags,
 * or the thread in menu mode), it posts #TARNM_CLOSEDROPDOWN to the control,
 * unless the control has the style #TARNS_KEEPOPENINMENU. No key is held back.
 * Applications do not call it.
 *
 * @param code      The hook code; only HC_ACTION is acted on.
 * @param key       The virtual-key code.
 * @param keyFlags  The repeat count, scan code and flags of the keystroke, as
 *                  in the lParam of WM_KEYDOWN.
 * @return The result of CallNextHookEx, always.
 * @par Notifications
 * None at once. The control closes its list when it handles the posted
 * #TARNM_CLOSEDROPDOWN: #TARNN_SELENDCANCEL (21), then
 * #TARNN_DROPDOWNDESTROYED (18).
 * @sa Tarn_MouseFilterHook()
 */
TARN32_API LRESULT CALLBACK Tarn_KeyboardFilterHook(int code, WPARAM key, LPARAM keyFlags);
/**
 * @brief Closes the dropped list of the focused control when a press goes to a window outside it.
 *
 * Tarn_MouseFilterHook() calls it for every press; an application without the
 * hooks (after Tarn_UnregisterApp(), or on a thread other than the loading
 * one) may call it from its own hook or message loop. It looks at the control
 * that has the focus of the calling thread or holds the focus window. When
 * target is neither that control, nor one of its child windows, nor its list
 * window, and the control's list is dropped, it posts #TARNM_CLOSEDROPDOWN to
 * the control; the list closes with cancel when the control handles that
 * message. The message itself is not looked at: call it for presses only.
 *
 * @param target   The window the press is for.
 * @param unused1  Ignored.
 * @param unused2  Ignored.
 * @return 1 when the closing was posted; 0 when nothing has the focus, target
 *         has it, no live control holds it, target belongs to that control,
 *         or its list is not dropped (always for type 0).
 * @par Notifications
 * None at once; #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18),
 * when the control handles the posted message.
 * @sa Tarn_MouseFilterHook(), Tarn_ShowDropDown()
 */
TARN32_API int     WINAPI Tarn_ProcessMouseMessage(HWND target, WPARAM unused1, LPARAM unused2);
/**
 * @brief The window procedure of the control's class "Tarn32".
 *
 * The module registers #TARN32_CLASS (a global class with double clicks) with
 * this procedure; it is exported so that an application that subclasses a
 * control can call it directly. A window that is not of this module's
 * "Tarn32" class gets DefWindowProcA; a control being destroyed gets only the
 * default processing. Among the messages it handles: WM_GETTEXT and
 * WM_GETTEXTLENGTH read the edit field when there is one, else the committed
 * row's column-0 text; WM_SETFONT and WM_GETFONT set and get the control's
 * font; WM_CANCELMODE ends a press or a drag and vetoes an opening or closing
 * of the list being announced; #TARNM_CLOSEDROPDOWN closes the dropped list
 * with cancel; WM_SYSKEYDOWN never reaches the default processing (not even
 * Alt+F4).
 *
 * @param hwnd    The control window.
 * @param msg     The message.
 * @param wParam  The message's first parameter.
 * @param lParam  The message's second parameter.
 * @return The message's result; DefWindowProcA's for the messages the control
 *         leaves to it and for another class's window; 0 for a message that
 *         comes before WM_NCCREATE or after WM_NCDESTROY.
 * @par Notifications
 * Those the message causes; see @ref page_notifications.
 * @sa TDropDown_WndProc(), TCtl_WndProc()
 */
TARN32_API LRESULT CALLBACK Tarn_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
/**
 * @brief The window procedure of the edit field's class "TarnCtl", a superclass of EDIT.
 *
 * The module registers #TARN32_EDIT_CLASS (not global) from the system's EDIT
 * class, with room for the field's own data; controls of types 0 and 1 create
 * their field with it. It looks at the focus, WM_GETDLGCODE and the keys
 * (WM_KEYDOWN, WM_SYSKEYDOWN and WM_CHAR) for the control's keyboard interface,
 * which may keep a key from the field, and passes everything else to EDIT's
 * own procedure. A window that is not of this module's "TarnCtl" class gets
 * DefWindowProcA, since EDIT's procedure would misread its extra bytes. A
 * "TarnCtl" window whose parent is not a live control is not created. Once its
 * control is being destroyed, the field gets EDIT's processing alone.
 *
 * @param hwnd    The edit field.
 * @param msg     The message.
 * @param wParam  The message's first parameter.
 * @param lParam  The message's second parameter.
 * @return EDIT's result for the message, or the control's for a message it
 *         handles itself (0 for a key it takes); DefWindowProcA's for another
 *         class's window.
 * @par Notifications
 * Those the message causes; see @ref page_notifications.
 * @sa Tarn_GetHWNDEdit(), Tarn_WndProc()
 */
TARN32_API LRESULT CALLBACK TCtl_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
/**
 * @brief The window procedure of the list window's class "TarnDropDown".
 *
 * The module registers #TARN32_DROPDOWN_CLASS (not global, with double clicks)
 * with this procedure. It paints the rows, scrolls and handles the mouse; it
 * takes no keyboard input (the focus stays on the control or its field) and
 * passes WM_CONTEXTMENU on to the control. Its WM_CREATE sends
 * #TARNN_DROPDOWNCREATED (17) for types 1 and 2, and its WM_DESTROY sends
 * #TARNN_DROPDOWNDESTROYED (18) for the drop-down types, even while the control
 * is being destroyed. Only a control creates list windows: any other creation
 * of the class fails. A window that is not of this module's "TarnDropDown"
 * class gets DefWindowProcA.
 *
 * @param hwnd    The list window.
 * @param msg     The message.
 * @param wParam  The message's first parameter.
 * @param lParam  The message's second parameter.
 * @return The message's result; DefWindowProcA's for the messages the list
 *         leaves to it and for another class's window; FALSE for WM_NCCREATE
 *         of a list window that no control creates.
 * @par Notifications
 * #TARNN_DROPDOWNCREATED (17) and #TARNN_DROPDOWNDESTROYED (18) as above, and
 * those the message causes; see @ref page_notifications.
 * @sa Tarn_GetHWNDDropDown(), Tarn_WndProc()
 */
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
