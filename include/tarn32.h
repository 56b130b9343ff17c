/**
 * @file tarn32.h
 * @brief Public interface of TARN32.dll, a combo box with columns.
 *
 * Place a control by creating a child window of class #TARN32_CLASS ("Tarn32").
 * The low two style bits choose the control type (`TARNS_*`, see
 * @ref page_types). The control is then driven by the exported `Tarn_*`
 * functions; every one of them uses the WINAPI convention and takes the
 * control window first.
 *
 * @par Handles
 * Every function checks its window first: it must be a live window of this
 * module's class "Tarn32" that is not being destroyed. Given anything else
 * (NULL, a destroyed control, another class, the control's own list window
 * or edit field, or a control inside its WM_DESTROY) a function does
 * nothing, touches none of its arguments and returns its failure value:
 * the one its documentation names, else -1 for an int or LPARAM result,
 * 0 (FALSE) for BOOL, UINT and LCID results, NULL for handles and
 * pointers; Tarn_DefaultCompareProc() returns -2. The exported window
 * procedures give windows of other classes the default processing.
 * More in @ref page_conventions.
 *
 * @par General conventions
 * - Rows and columns are 0-based signed ints; -1 means "none" (and, where a
 *   function says so, the current row or the shared setting).
 * - Functions returning an index or a count return -1 (#TARN_ERR) for a bad
 *   index or column, a refused operation or a failed allocation.
 * - Setters that report success return 1 or 0. A few return 0 on success
 *   and -1 on failure; their results say so.
 * - Functions that copy text into a caller's buffer store an empty string in
 *   it first, so the buffer is defined even on failure.
 * - In virtual mode every function that would add, delete, move or change
 *   stored items refuses with its failure value (@ref page_virtual).
 * - Strings passed in are copied; the copies belong to the control. Fonts and
 *   bitmaps passed in are used but never deleted: keep them alive while the
 *   control uses them and delete them yourself afterwards.
 * - Colours are 32-bit values: an RGB COLORREF, #TARN_SYSCOLOR(n) for system
 *   colour n (resolved with GetSysColor at paint time), or #TARN_COLOR_NONE
 *   (-1) to inherit from the next more general level (cell, column, control;
 *   row headers: row, control). See @ref page_colours.
 * - The control reports to its parent with WM_COMMAND:
 *   wParam = MAKEWPARAM(control id, `TARNN_*` code), lParam = control window
 *   (@ref page_notifications).
 *   The parent may call any exported function while handling one, and may
 *   destroy the control: the control stops what it was doing at once.
 *   Once WM_DESTROY has begun, the control takes no more calls, so the
 *   notifications and delete callbacks of the destruction itself cannot
 *   reach back into it.
 * - Application values (item data, callback user data, cell data words) are
 *   LPARAM: 32 bits in the 32-bit DLL, pointer-sized in the 64-bit build.
 *
 * Everything runs on the thread that created the control. What each change
 * repaints is described in @ref page_redraw.
 */
#ifndef TARN32_H
#define TARN32_H

#include <windows.h>
#include <stddef.h>

/**
 * @def TARN32_API
 * @brief Marks the exported functions: `__declspec(dllimport)` for users of
 * the DLL, empty when the DLL itself is built.
 *
 * The DLL build defines TARN32_BUILDING_DLL; its exports come from
 * TARN32.def, so nothing is marked dllexport here.
 */
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
/**
 * @defgroup windowclasses Window classes and messages
 * @brief The classes the DLL registers, the window properties and child ids
 *        it uses, and its one private message.
 *
 * The classes are registered when the DLL is loaded; "Tarn32" is a global
 * class (CS_GLOBALCLASS), so any module of the process can create controls.
 * @{
 */

/** The control window's class. Create controls with this class name. */
#define TARN32_CLASS          "Tarn32"
/** Class of the list window: while a drop-down type is dropped, a top-most
    tool window (WS_EX_TOOLWINDOW) that is a child of the desktop window; in a
    #TARNS_LISTBOX control, a permanent child of the control. */
#define TARN32_DROPDOWN_CLASS "TarnDropDown"
/** Class of the edit field of the types #TARNS_LISTBOX and #TARNS_DROPDOWN,
    a superclass of "EDIT". */
#define TARN32_EDIT_CLASS     "TarnCtl"

/** Window property set to 1 on every live control window, from WM_CREATE
    until its destruction; the hooks find the focused control by it. */
#define TARN32_PROP_CONTROL   "Tarn32"
/** Window property set to 1 on every list window while it exists. */
#define TARN32_PROP_DROPDOWN  "TarnDD32"

#define TARN32_ID_EDIT        100   /**< Child window id of the edit field. */
#define TARN32_ID_LIST        101   /**< Window id of the list window, dropped or permanent. */

/**
 * Closes the control's dropped list with cancel: #TARNN_SELENDCANCEL (21),
 * then #TARNN_DROPDOWNDESTROYED (18). The hooks post it when a press lands
 * outside the control and its list, and when a key arrives in menu mode
 * (unless #TARNS_KEEPOPENINMENU is set); an application may post or send it
 * too. wParam and lParam are 0. Without a dropped list it only puts the
 * highlight back on the current row.
 */
#define TARNM_CLOSEDROPDOWN   (WM_USER + 100)
/** @} */

/* ------------------------------------------------------------------------ */
/* Window style bits (low word of GWL_STYLE)                                */
/* ------------------------------------------------------------------------ */
/**
 * @defgroup stylebits Style bits
 * @brief The control type and the other style bits, in the low word of
 *        GWL_STYLE (@ref page_types).
 *
 * The type and #TARNS_VARIABLEHEIGHT are read when the control is created;
 * the other bits are read each time they matter. WS_VSCROLL and WS_HSCROLL
 * given at creation are taken off the control and given to its list window.
 * @{
 */

#define TARNS_TYPEMASK          0x0003L /**< The two bits that hold the control type. */
#define TARNS_LISTBOX           0x0000L /**< Type 0: edit field above a permanently shown list. */
#define TARNS_DROPDOWN          0x0001L /**< Type 1: drop-down list with an edit field. */
/** Type 2: drop-down list without an edit field; the field shows the current
    row, and the list may drop above or below (Tarn_SetDropDownPosition()). */
#define TARNS_DROPDOWNLIST      0x0002L
/** Type 3: as #TARNS_DROPDOWNLIST, but the list prefers to drop below and
    #TARNN_DROPDOWNCREATED is not sent. */
#define TARNS_DROPDOWNLISTFIXED 0x0003L
/** Drop-down types: when the control fits its window height to the header
    and the field, it keeps its bottom edge in place (the top edge otherwise). */
#define TARNS_KEEPBOTTOM        0x0010L
/** Drop-down types: when the control fits its window height, it keeps its
    vertical centre in place. Takes precedence over #TARNS_KEEPBOTTOM. */
#define TARNS_KEEPCENTER        0x0020L
#define TARNS_VARIABLEHEIGHT    0x0800L /**< Rows may differ in height (fixed height otherwise). */
#define TARNS_AUTOHSCROLL       0x1000L /**< The edit field is created with ES_AUTOHSCROLL. */
/** Middle and right presses in the list are ignored; the right button's
    release still sends #TARNN_RBUTTONUP (22). */
#define TARNS_LEFTBUTTONONLY    0x2000L
/** Scroll bars that are not needed are shown disabled, not hidden
    (also Tarn_SetDisableNoScroll()). */
#define TARNS_DISABLENOSCROLL   0x4000L
/** Keys arriving in menu mode do not close the dropped list. */
#define TARNS_KEEPOPENINMENU    0x8000L

/**
 * Extracts the control type (0 to 3) from a window style.
 * @param style  A window style, such as GetWindowLong(hwnd, GWL_STYLE).
 * @return #TARNS_LISTBOX, #TARNS_DROPDOWN, #TARNS_DROPDOWNLIST or
 *         #TARNS_DROPDOWNLISTFIXED, as an int.
 */
#define TARN_TYPE(style)        ((int)((style) & TARNS_TYPEMASK))
/** @} */

/* ------------------------------------------------------------------------ */
/* Notification codes (HIWORD of wParam of WM_COMMAND)                      */
/* ------------------------------------------------------------------------ */
/**
 * @defgroup notifycodes Notification codes
 * @brief The codes the control sends its parent in the high word of
 *        WM_COMMAND's wParam (@ref page_notifications).
 *
 * wParam = MAKEWPARAM(control id, code), lParam = the control window. The
 * parent may call any function while handling a code, or destroy the
 * control. The control, its edit field and its list window hold the focus
 * as one: the focus moving among them is neither a loss nor a gain.
 *
 * Mouse presses report codes from 30 to 158 (#TARNN_MOUSE_FIRST to
 * #TARNN_MOUSE_LAST): a button base (#TARNN_LBUTTON, #TARNN_MBUTTON,
 * #TARNN_RBUTTON), plus #TARNN_DBLCLK for a double click, plus
 * #TARNN_INFIELD for a press on the field rather than in the list, plus
 * the part hit (`TARNN_PART_*`); #TARNN_MOUSECODE() composes one. On the
 * control window only the left button presses; middle and right presses
 * come from the list. Column header and corner codes are sent on release
 * and never add #TARNN_DBLCLK.
 * @{
 */

/** The focus left the control for a window outside it, or for none.
    A dropped list is closed with cancel first. */
#define TARNN_KILLFOCUS         2
/** The focus came into the control from a window outside it. */
#define TARNN_SETFOCUS          3
/** A row was committed as the current row, by the user or by a function
    such as Tarn_SetCurSel(); sent even when the current row did not change. */
#define TARNN_SELCHANGE         5
/** The top row changed through scrolling (scroll bar, wheel, or bringing a
    row into view); Tarn_SetTopIndex() does not send it. */
#define TARNN_TOPINDEXCHANGE    6
#define TARNN_COLUMNRESIZED     8   /**< The user resized a column by dragging a header divider. */
#define TARNN_COLUMNMOVED       9   /**< The user moved a column by dragging its header. */
/** The horizontal offset changed through scrolling (scroll bar, a drag in
    the header, Tarn_MakeColumnVisible()); Tarn_SetHorizontalOffset() does
    not send it. */
#define TARNN_HOFFSETCHANGE     10
/** The pointer moved over the control or its list (every WM_MOUSEMOVE). */
#define TARNN_MOUSEMOVE         11
/** The overhead width (Tarn_GetOverheadWidth(): label, tree indentation of
    the deepest level and item bitmap, before the first column) changed.
    Checked when the control lays itself out (shown, with redraw on). */
#define TARNN_OVERHEADCHANGE    12
/** The control received WM_SIZE (sent after the new layout, also when
    minimized). */
#define TARNN_SIZE              14
/** The edit field reported EN_UPDATE; not for text the control puts there. */
#define TARNN_EDITUPDATE        15
/** The edit field reported EN_CHANGE, after the control selected the row
    matching the typed text; not for text the control puts there. */
#define TARNN_EDITCHANGE        16
/** The list window of a #TARNS_DROPDOWN or #TARNS_DROPDOWNLIST control was
    created (after #TARNN_DROPDOWN). */
#define TARNN_DROPDOWNCREATED   17
/** The list window of a drop-down type (1, 2 or 3) was destroyed. */
#define TARNN_DROPDOWNDESTROYED 18
/** The list is about to drop (only when the control has rows). Sending the
    control WM_CANCELMODE while handling it cancels the drop. */
#define TARNN_DROPDOWN          19
/** The dropped list is closing with acceptance; #TARNN_DROPDOWNDESTROYED
    and #TARNN_SELCHANGE follow. WM_CANCELMODE sent to the control while
    handling it keeps the list open. */
#define TARNN_SELENDOK          20
/** The dropped list is closing with cancel; #TARNN_DROPDOWNDESTROYED
    follows. WM_CANCELMODE sent to the control while handling it keeps the
    list open. */
#define TARNN_SELENDCANCEL      21
/** The right button was released over the control or its list. On the
    control window the default processing (WM_CONTEXTMENU) follows. */
#define TARNN_RBUTTONUP         22

#define TARNN_LBUTTON           30  /**< Mouse code base of the left button. */
#define TARNN_MBUTTON           50  /**< Mouse code base of the middle button. */
#define TARNN_RBUTTON           70  /**< Mouse code base of the right button. */
#define TARNN_DBLCLK            10  /**< Added to a mouse code for a double click. */
/** Added to a mouse code when the press is on the field, not in the list
    (left button only). A press on the field of a type 2 or 3 control sends
    105 (#TARNN_LBUTTON + #TARNN_INFIELD + #TARNN_PART_ROW), then drops or
    closes the list; on an edit field a press sends nothing. */
#define TARNN_INFIELD           70
#define TARNN_PART_LABEL        0   /**< Part hit: the label bitmap zone of a row. */
#define TARNN_PART_TREEBUTTON   2   /**< Part hit: the tree line zone (indentation) of a row. */
#define TARNN_PART_BITMAP       4   /**< Part hit: the item bitmap zone of a row. */
#define TARNN_PART_ROW          5   /**< Part hit: the rest of the row, or the field. */
/** Part hit: a column header button, pressed and released over it
    (header shown as buttons, #TARN_HEADER_BUTTONS, and not #TARNHF_DISABLED). */
#define TARNN_PART_COLHEADER    6
/** Part hit: the corner cell, pressed and released over it
    (not #TARNRHS_DISABLED). */
#define TARNN_PART_CORNER       7
/** Part hit: a row header; only row headers drawn as buttons
    (#TARN_ROWHEADER_BUTTON, #TARN_ROWHEADER_INDEX, #TARN_ROWHEADER_NUMBER)
    and not #TARNRHS_DISABLED report it. */
#define TARNN_PART_ROWHEADER    8
#define TARNN_MOUSE_FIRST       30  /**< Lowest mouse code. */
#define TARNN_MOUSE_LAST        158 /**< Highest mouse code (right button, double click, field, row header). */
/**
 * Composes a mouse code.
 * @param button   #TARNN_LBUTTON, #TARNN_MBUTTON or #TARNN_RBUTTON.
 * @param dblclk   Nonzero for a double click.
 * @param infield  Nonzero for a press on the field.
 * @param part     A `TARNN_PART_*` value.
 * @return The notification code, from #TARNN_MOUSE_FIRST to #TARNN_MOUSE_LAST.
 */
#define TARNN_MOUSECODE(button, dblclk, infield, part) \
    ((button) + ((dblclk) ? TARNN_DBLCLK : 0) + ((infield) ? TARNN_INFIELD : 0) + (part))
/** 35: left press on a row. */
#define TARNN_LCLICKROW         (TARNN_LBUTTON + TARNN_PART_ROW)
/** 45: left double click on a row. */
#define TARNN_LDBLCLKROW        (TARNN_LBUTTON + TARNN_DBLCLK + TARNN_PART_ROW)
/** 36: left click on a column header. */
#define TARNN_LCLICKCOLHEADER   (TARNN_LBUTTON + TARNN_PART_COLHEADER)
/** 37: left click on the corner cell. */
#define TARNN_LCLICKCORNER      (TARNN_LBUTTON + TARNN_PART_CORNER)
/** @} */

/* ------------------------------------------------------------------------ */
/* Colour values                                                             */
/* ------------------------------------------------------------------------ */
/**
 * @defgroup colourvalues Colour values
 * @brief The special colour values: "not set" and system colours
 *        (@ref page_colours).
 * @{
 */

/** Colour not set: the next more general level's colour is used (cell,
    column, control; row headers: row, control). As it has the system colour
    bit set too, test for it before #TARN_IS_SYSCOLOR(). */
#define TARN_COLOR_NONE         ((COLORREF)0xFFFFFFFFu)
#define TARN_SYSCOLOR_FLAG      0x80000000u /**< Bit that marks a system colour value. */
/**
 * Makes a colour value that stands for a system colour, resolved with
 * GetSysColor each time the control paints.
 * @param n  A system colour index (COLOR_WINDOW, COLOR_HIGHLIGHT, ...).
 * @return The colour value, as a COLORREF.
 */
#define TARN_SYSCOLOR(n)        ((COLORREF)(TARN_SYSCOLOR_FLAG | (DWORD)(n)))
/**
 * Tells whether a colour value stands for a system colour.
 * @param c  A colour value.
 * @return Nonzero for a #TARN_SYSCOLOR() value (and for #TARN_COLOR_NONE).
 */
#define TARN_IS_SYSCOLOR(c)     ((((DWORD)(c)) & TARN_SYSCOLOR_FLAG) != 0)
/**
 * Extracts the system colour index of a #TARN_SYSCOLOR() value.
 * @param c  A system colour value.
 * @return The index, the low 16 bits of the value.
 */
#define TARN_SYSCOLOR_INDEX(c)  ((int)(((DWORD)(c)) & 0xFFFFu))
/** @} */

/* ------------------------------------------------------------------------ */
/* Misc. constants                                                           */
/* ------------------------------------------------------------------------ */
/**
 * @defgroup constants Constants
 * @brief Error value, record versions, flags and the modes the setters take.
 * @{
 */

#define TARN_ERR                (-1) /**< Failure value of functions returning an index or a count. */
#define TARN_CELLINFO_VERSION   1   /**< Value CellInfo::version must hold; other versions are refused. */
#define TARN_ROWINFO_VERSION    1   /**< Value RowInfo::version must hold; other versions are refused. */
/** Deepest tree level an item stores; a deeper level is stored as this one,
    a negative level as 0. */
#define TARN_MAX_ITEM_LEVEL     63

/** @name TarnItem::flags */
/** @{ */
#define TARNIF_ENABLED          0x0001u /**< The item is enabled (Tarn_SetItemStatus()). */
#define TARNIF_LEVELSHIFT       1       /**< Position of the tree level in the flags. */
#define TARNIF_LEVELMASK        0x007Eu /**< The bits that hold the tree level (0 to 63). */
/**
 * Extracts the tree level from item flags.
 * @param flags  A TarnItem::flags value.
 * @return The level, 0 to #TARN_MAX_ITEM_LEVEL.
 */
#define TARNIF_LEVEL(flags)     ((int)(((flags) & TARNIF_LEVELMASK) >> TARNIF_LEVELSHIFT))
/** @} */

/** @name ColumnDef::format: cell text format */
/** @{ */
#define TARNCF_LEFT             0x0000u /**< Cell text left-aligned. */
#define TARNCF_CENTER           0x0001u /**< Cell text centred. */
#define TARNCF_RIGHT            0x0002u /**< Cell text right-aligned. */
#define TARNCF_ALIGNMASK        0x0003u /**< The alignment bits. */
/** Multi-line, word-wrapped text (cut with an ellipsis); rows of variable
    height measure their height from it, and the edit field becomes
    multi-line when the first visible column wraps. */
#define TARNCF_WORDWRAP         0x0004u
/** Format of the column the control starts with (and gets back from
    Tarn_SetColumns() with count 0); has no effect itself. */
#define TARNCF_DEFAULT          0x0800u
/** @} */

/** @name ColumnDef::headerFormat */
/** @{ */
#define TARNHF_LEFT             0x0000u /**< Header text left-aligned. */
#define TARNHF_CENTER           0x0001u /**< Header text centred. */
#define TARNHF_RIGHT            0x0002u /**< Header text right-aligned. */
#define TARNHF_ALIGNMASK        0x0003u /**< The alignment bits (header texts never wrap). */
/** A clicked header button springs back up after #TARNN_PART_COLHEADER is
    sent; otherwise it stays pressed (Tarn_GetHeaderButton()). */
#define TARNHF_POPUP            0x0040u
/** Grey header text; a press only beeps (the divider can still be dragged). */
#define TARNHF_DISABLED         0x0080u
/** @} */

/** @name ColumnDef::flags */
/** @{ */
/** The column's divider cannot be dragged, and the column keeps its width
    when a divider to its right is dragged past it. */
#define TARNCOL_FIXEDWIDTH      0x0001u
/** The column cannot be moved, nor can a moved column pass over it. */
#define TARNCOL_FIXEDPOSITION   0x0002u
/** @} */

/** @name Bitmap placement
    ColumnDef::headerBitmapStyle, CellFormat::bitmapStyle, CellInfo::bitmapStyle,
    RowInfo::bitmapStyle, Tarn_SetRowColBitmapStyle(). */
/** @{ */
#define TARNBS_LEFT             0   /**< Bitmap left of the text. */
#define TARNBS_ALONE            1   /**< Bitmap alone, centred; the text is not drawn. */
#define TARNBS_RIGHT            2   /**< Bitmap right of the text. */
/** @} */

/** @name Row-header and corner formats
    Tarn_SetRowHeaderStyle(), Tarn_SetRowColHeaderStyle(). */
/** @{ */
#define TARNRHS_LEFT            0x0000u /**< Text left-aligned. */
#define TARNRHS_CENTER          0x0001u /**< Text centred. */
#define TARNRHS_RIGHT           0x0002u /**< Text right-aligned. */
#define TARNRHS_ALIGNMASK       0x0003u /**< The alignment bits. */
#define TARNRHS_WORDWRAP        0x0004u /**< Multi-line, word-wrapped text. */
/** Row headers: the selected row's header is not drawn pressed. Corner: the
    clicked corner button springs back up (otherwise each click toggles it). */
#define TARNRHS_NOPRESS         0x0040u
/** Drawn with the disabled text colour; a press only beeps and sends no code. */
#define TARNRHS_DISABLED        0x0080u
/** @} */

/** @name Tarn_SetShowHeader() */
/** @{ */
#define TARN_HEADER_NONE        0   /**< No column header band. */
#define TARN_HEADER_BUTTONS     1   /**< Header buttons; clicks send #TARNN_PART_COLHEADER codes. */
#define TARN_HEADER_FLAT        2   /**< Flat header; clicks send nothing (columns can still be moved). */
/** @} */

/** @name Tarn_SetShowRowHeader(): what a row header without its own text shows */
/** @{ */
#define TARN_ROWHEADER_NONE         0 /**< No row header (width 0). */
#define TARN_ROWHEADER_BUTTON       1 /**< Button, no text. */
#define TARN_ROWHEADER_FLAT         2 /**< Flat, no text. */
#define TARN_ROWHEADER_INDEX        3 /**< Button, 0-based index (the default). */
#define TARN_ROWHEADER_INDEXFLAT    4 /**< Flat, 0-based index. */
#define TARN_ROWHEADER_NUMBER       5 /**< Button, 1-based number. */
#define TARN_ROWHEADER_NUMBERFLAT   6 /**< Flat, 1-based number. */
/** @} */

/** @name Tarn_SetSelectionStyle() */
/** @{ */
/** A selected row shows the selection colours in every cell and, without
    the 3D look, in the indentation zone and after the last column. */
#define TARN_SELECT_WHOLEROW    0
#define TARN_SELECT_CELLS       1   /**< A selected row shows the selection colours in its cells only. */
#define TARN_SELECT_FIRSTTEXT   2   /**< Only the text of the first visible column shows the selection. */
/** @} */

/** @name Tarn_SetGridStyle() (any other value means #TARN_GRID_BOTH) */
/** @{ */
#define TARN_GRID_VERTICAL      0   /**< Lines between the columns. */
#define TARN_GRID_HORIZONTAL    1   /**< Lines between the rows. */
#define TARN_GRID_BOTH          2   /**< Lines between columns and between rows (the default). */
/** @} */

/** @name Tarn_GetDependent() */
/** @{ */
#define TARN_DEPENDENT_FIRST    1   /**< The row's first dependent (the row right below it, if deeper). */
#define TARN_DEPENDENT_LAST     2   /**< The last row of the row's dependents, at any depth. */
/** @} */

/** @name Tarn_GetSibling() */
/** @{ */
#define TARN_SIBLING_FIRST      1   /**< The first row of the row's sibling group (the row itself if first). */
#define TARN_SIBLING_LAST       2   /**< The last row of the row's sibling group (the row itself if last). */
#define TARN_SIBLING_PREVIOUS   3   /**< The previous sibling, -1 if none. */
#define TARN_SIBLING_NEXT       4   /**< The next sibling, -1 if none. */
/** @} */

/** @name Tarn_SetDropDownPosition() */
/** @{ */
#define TARN_DROPDOWN_ABOVE     0   /**< The list prefers to drop above the control. */
#define TARN_DROPDOWN_BELOW     1   /**< The list prefers to drop below the control (the default). */
/** @} */

/** @name Tarn_Fonts() flags: a face is listed when its pitch and its type are both asked for */
/** @{ */
#define TARNFONT_FIXEDPITCH     0x0001u /**< List fixed-pitch faces. */
#define TARNFONT_VARIABLEPITCH  0x0002u /**< List variable-pitch faces. */
#define TARNFONT_TRUETYPE       0x0004u /**< List TrueType faces. */
#define TARNFONT_RASTER         0x0008u /**< List raster faces. */
#define TARNFONT_VECTOR         0x0010u /**< List vector faces. */
#define TARNFONT_SCREENTOO      0x0020u /**< With a printer DC, list the screen faces too. */
/** Bit set in the style key that Tarn_FontStyles_A() stores in
    CellFormat::data0 of column 0 (the weight, 100 to 900) for an italic style. */
#define TARNFONT_ITALICKEY      0x80000000u
/** @} */
/** @} */

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */
/**
 * @defgroup records Records
 * @brief The records the control stores and exchanges: cell and row
 *        formats, items, column definitions, the colour table and the
 *        draw information.
 *
 * Layouts are fixed: in the 32-bit build the offsets match the checks at
 * the end of this header.
 * @{
 */

/**
 * @brief Formatting stored for one cell.
 *
 * An item's TarnItem::cellInfo points to an array of one such record per
 * column. A stored item gets its array, each entry unset, on the first
 * Tarn_SetCellInfo() for one of its cells, and keeps it until the item is
 * freed; in virtual mode the fetch callback may lend one. The fields match
 * bytes 12 to 51 of CellInfo (32-bit layout), which is what
 * Tarn_SetCellInfo() and Tarn_GetCellInfo() exchange.
 */
typedef struct CellFormat {
    /** Background while the row is not selected; #TARN_COLOR_NONE takes
        the column's, then the row's colour. */
    COLORREF backColor;
    /** Text colour while the row is not selected; #TARN_COLOR_NONE inherits as
        backColor. */
    COLORREF textColor;
    /** Background while the row is selected (with #TARN_SELECT_FIRSTTEXT,
        only in the first visible column); #TARN_COLOR_NONE inherits. */
    COLORREF selBackColor;
    COLORREF selTextColor;  /**< Text colour while the row is selected; #TARN_COLOR_NONE inherits. */
    /** Application value, kept and returned. Tarn_SortItemsEx() hands it to
        the comparison; the font fillers store their keys in column 0's. */
    LPARAM   data0;
    LPARAM   data1;         /**< Application value, kept and returned. */
    LPARAM   data2;         /**< Application value, kept and returned. */
    /** Font of this cell; NULL uses the row's font (the draw-info callback's,
        else the control's). Rows of variable height measure with it. Not owned. */
    HFONT    hfont;
    /** Cell bitmap, NULL for none. Drawn only once a size for cell bitmaps
        is defined (Tarn_SetCellInfo() with row -1). Not owned. */
    HBITMAP  hbm;
    WORD     reserved;      /**< Kept and returned as given. */
    SHORT    bitmapStyle;   /**< Placement of the bitmap, a `TARNBS_*` value. */
} CellFormat;

/**
 * @brief Row-header formatting stored for one item.
 *
 * An item's TarnItem::rowInfo. A stored item gets it, unset, on the first
 * Tarn_SetRowInfo() for it and keeps it until the item is freed. The fields
 * match bytes 8 to 29 of RowInfo (32-bit layout); a record lent in virtual
 * mode needs only the first #TARN_ROWFORMAT_BYTES bytes.
 */
typedef struct RowFormat {
    /** Header background while the row is not selected; #TARN_COLOR_NONE
        takes the control's row-header colour. */
    COLORREF backColor;
    /** Header text colour while not selected (also when disabled);
        #TARN_COLOR_NONE inherits. */
    COLORREF textColor;
    COLORREF selBackColor;  /**< Header background while the row is selected; #TARN_COLOR_NONE inherits. */
    COLORREF selTextColor;  /**< Header text colour while the row is selected; #TARN_COLOR_NONE inherits. */
    /** Row-header bitmap, NULL for none. Drawn only once a size for
        row-header bitmaps is defined (Tarn_SetRowInfo() with row -1). Not owned. */
    HBITMAP  hbm;
    SHORT    bitmapStyle;   /**< Placement of the bitmap, a `TARNBS_*` value. */
} RowFormat;

/** Meaningful bytes of a stored RowFormat in the 32-bit layout (the record
    without its trailing padding). */
#define TARN_ROWFORMAT_BYTES 22

/**
 * @brief One row.
 *
 * Stored items and everything they point to are owned by the control;
 * applications meet this record in virtual mode, where the fetch callback
 * (#TARNVIRTUALFETCHPROC) lends records of this layout, with texts sized
 * for the current column count (@ref page_virtual).
 */
typedef struct TarnItem {
    /** Application value (Tarn_SetItemData()); handed to the delete and compare
        callbacks. */
    LPARAM      itemData;
    HBITMAP     hbmLabel;   /**< Label bitmap (Tarn_SetItemLabel()), NULL for none; not owned. */
    HBITMAP     hbmBitmap;  /**< Item bitmap (Tarn_SetItemBitmap()), NULL for none; not owned. */
    RowFormat*  rowInfo;    /**< Row-header formatting, NULL if none. */
    /** Row-header text, NULL if none (the row header then shows what
        Tarn_SetShowRowHeader() chose). */
    char*       rowText;
    CellFormat* cellInfo;   /**< Array of one CellFormat per column, NULL if none. */
    char**      texts;      /**< Array of one text per column; a NULL entry means no text. */
    DWORD       flags;      /**< #TARNIF_ENABLED, and the tree level in #TARNIF_LEVELMASK. */
} TarnItem;

/**
 * @brief Definition of one column.
 *
 * Tarn_SetColumns() takes an array of these and copies it whole (header
 * texts included); Tarn_GetColumns() hands out a copy of the control's own
 * array, owned by the control and replaced by the next Tarn_GetColumns().
 * A set is refused if a width is negative or no column is visible. The
 * reserved fields are kept and returned as given; set them to 0.
 */
typedef struct ColumnDef {
    DWORD       reserved0;          /**< Reserved. */
    DWORD       reserved1;          /**< Reserved. */
    DWORD       reserved2;          /**< Reserved. */
    int         width;              /**< Width in pixels; 0 hides the column; a negative width is refused. */
    /** Cell background of the column; #TARN_COLOR_NONE takes the row's colour. */
    COLORREF    backColor;
    COLORREF    textColor;          /**< Cell text colour; #TARN_COLOR_NONE takes the row's colour. */
    /** Cell background in a selected row; #TARN_COLOR_NONE takes the row's
        colour. */
    COLORREF    selBackColor;
    /** Cell text colour in a selected row; #TARN_COLOR_NONE takes the row's
        colour. */
    COLORREF    selTextColor;
    DWORD       format;             /**< Cell text format, `TARNCF_*` values. */
    DWORD       headerFormat;       /**< Header format, `TARNHF_*` values. */
    /** Header text, NULL for none. In: copied. Out: the control's copy, valid
        until the columns or this header text change. */
    const char* headerText;
    char*       headerTextBuffer;   /**< The control's copy of the header text (out only); ignored on input. */
    /** Header bitmap, NULL for none; not owned. All header bitmaps are drawn
        at the size of the highest-indexed column's bitmap. */
    HBITMAP     hbmHeader;
    SHORT       headerBitmapStyle;  /**< Placement of the header bitmap, a `TARNBS_*` value. */
    WORD        reserved3;          /**< Reserved. */
    DWORD       reserved4;          /**< Reserved. */
    /** Out: the column shown at display position i, where i is this entry's
        index. Set by the control; ignored on input. */
    int         columnAtPosition;
    /** Display position of the column. If the positions are not a
        permutation of 0 to count - 1, the control uses the index order. */
    int         position;
    WORD        flags;              /**< `TARNCOL_*` values. */
    WORD        reserved5;          /**< Reserved. */
    DWORD       reserved6;          /**< Reserved. */
} ColumnDef;

/**
 * @brief Exchange record of Tarn_SetCellInfo() and Tarn_GetCellInfo().
 *
 * Fill in version, row and column; the setter stores the rest in the cell's
 * CellFormat, the getter fills it in (#TARN_COLOR_NONE and zeros for a cell
 * never formatted).
 */
typedef struct CellInfo {
    DWORD    version;       /**< Must be #TARN_CELLINFO_VERSION, else the call fails. */
    /** The row. -1 (setter only): hbm's size becomes the size cell bitmaps
        are drawn at (NULL: none); the bitmap itself is not kept. */
    int      row;
    int      column;        /**< The column; ignored for row -1. */
    COLORREF backColor;     /**< As CellFormat::backColor. */
    COLORREF textColor;     /**< As CellFormat::textColor. */
    COLORREF selBackColor;  /**< As CellFormat::selBackColor. */
    COLORREF selTextColor;  /**< As CellFormat::selTextColor. */
    LPARAM   data0;         /**< Application value; Tarn_SortItemsEx() compares by it. */
    LPARAM   data1;         /**< Application value. */
    LPARAM   data2;         /**< Application value. */
    HFONT    hfont;         /**< Cell font; NULL uses the row's font. Not owned. */
    /** Cell bitmap, NULL for none; must be a bitmap, else the setter fails. Not
        owned. */
    HBITMAP  hbm;
    WORD     reserved;      /**< Kept and returned as given. */
    SHORT    bitmapStyle;   /**< Placement of the bitmap, a `TARNBS_*` value. */
} CellInfo;

/**
 * @brief Exchange record of Tarn_SetRowInfo() and Tarn_GetRowInfo(): the
 *        row-header format of one row.
 *
 * Fill in version and row; the setter stores the rest in the row's
 * RowFormat, the getter fills it in (#TARN_COLOR_NONE and zeros for a row
 * never formatted).
 */
typedef struct RowInfo {
    DWORD    version;       /**< Must be #TARN_ROWINFO_VERSION, else the call fails. */
    /** The row. -1 (setter only): hbm's size becomes the size row-header
        bitmaps are drawn at (NULL: none); the bitmap itself is not kept. */
    int      row;
    COLORREF backColor;     /**< As RowFormat::backColor. */
    COLORREF textColor;     /**< As RowFormat::textColor. */
    COLORREF selBackColor;  /**< As RowFormat::selBackColor. */
    COLORREF selTextColor;  /**< As RowFormat::selTextColor. */
    /** Row-header bitmap, NULL for none; must be a bitmap, else the setter
        fails. Not owned. */
    HBITMAP  hbm;
    SHORT    bitmapStyle;   /**< Placement of the bitmap, a `TARNBS_*` value. */
} RowInfo;

/**
 * @brief The control's 37 colours, exchanged whole by Tarn_SetCtlColors()
 *        and Tarn_GetCtlColors().
 *
 * Entry n is also reachable as an array element with the TarnColorIndex
 * values. Each entry is an RGB value or a #TARN_SYSCOLOR() value; the
 * defaults are system colours, named below. See @ref page_colours.
 */
typedef struct CtlColors {
    /** 0: background of the rows and the field (default COLOR_WINDOW). */
    COLORREF backColor;
    COLORREF textColor;                     /**< 1: item text (default COLOR_WINDOWTEXT). */
    /** 2: text of disabled items and of a disabled control (default
        COLOR_GRAYTEXT). */
    COLORREF disabledTextColor;
    /** 3: background of odd rows (1, 3, ...) when set (default
        #TARN_COLOR_NONE). */
    COLORREF altBackColor;
    COLORREF altTextColor;                  /**< 4: text of odd rows when set (default #TARN_COLOR_NONE). */
    COLORREF selBackColor;                  /**< 5: background of the selected row (default COLOR_HIGHLIGHT). */
    COLORREF selTextColor;                  /**< 6: text of the selected row (default COLOR_HIGHLIGHTTEXT). */
    COLORREF cellShadowColor;               /**< 7: shadow of the 3D row frames (default COLOR_BTNSHADOW). */
    /** 8: highlight of the 3D row frames (default COLOR_BTNHIGHLIGHT). */
    COLORREF cellHighlightColor;
    COLORREF colHeaderBackColor;            /**< 9: column header face (default COLOR_BTNFACE). */
    COLORREF colHeaderTextColor;            /**< 10: column header text (default COLOR_BTNTEXT). */
    /** 11: text of disabled column headers (default COLOR_GRAYTEXT). */
    COLORREF colHeaderDisabledTextColor;
    COLORREF colHeaderShadowColor;          /**< 12: column header shadow (default COLOR_BTNSHADOW). */
    COLORREF colHeaderHighlightColor;       /**< 13: column header highlight (default COLOR_BTNHIGHLIGHT). */
    COLORREF rowHeaderBackColor;            /**< 14: row header face (default COLOR_BTNFACE). */
    COLORREF rowHeaderTextColor;            /**< 15: row header text (default COLOR_BTNTEXT). */
    COLORREF rowHeaderSelBackColor;         /**< 16: header face of the selected row (default COLOR_BTNFACE). */
    COLORREF rowHeaderSelTextColor;         /**< 17: header text of the selected row (default COLOR_BTNTEXT). */
    COLORREF rowHeaderDisabledTextColor;    /**< 18: text of disabled row headers (default COLOR_GRAYTEXT). */
    COLORREF rowHeaderShadowColor;          /**< 19: row header shadow (default COLOR_BTNSHADOW). */
    COLORREF rowHeaderHighlightColor;       /**< 20: row header highlight (default COLOR_BTNHIGHLIGHT). */
    COLORREF rowColHeaderBackColor;         /**< 21: corner cell face (default COLOR_BTNFACE). */
    COLORREF rowColHeaderTextColor;         /**< 22: corner cell text (default COLOR_BTNTEXT). */
    COLORREF rowColHeaderDisabledTextColor; /**< 23: text of a disabled corner cell (default COLOR_GRAYTEXT). */
    COLORREF rowColHeaderShadowColor;       /**< 24: corner cell shadow (default COLOR_BTNSHADOW). */
    COLORREF rowColHeaderHighlightColor;    /**< 25: corner cell highlight (default COLOR_BTNHIGHLIGHT). */
    COLORREF dropButtonFaceColor;           /**< 26: drop button face (default COLOR_BTNFACE). */
    COLORREF dropButtonArrowColor;          /**< 27: drop button arrow (default COLOR_BTNTEXT). */
    /** 28: arrow of a disabled or empty control (default COLOR_GRAYTEXT). */
    COLORREF dropButtonDisabledArrowColor;
    /** 29: top and left edge of the raised drop button (default COLOR_BTNFACE). */
    COLORREF dropButtonFrameFaceColor;
    /** 30: edges of the pressed drop button (default COLOR_BTNSHADOW). */
    COLORREF dropButtonFrameShadowColor;
    /** 31: bottom and right edge of the raised drop button (default
        COLOR_3DDKSHADOW). */
    COLORREF dropButtonFrameDarkShadowColor;
    COLORREF dropButtonFrameHighlightColor; /**< 32: stored only; not drawn (default COLOR_BTNHIGHLIGHT). */
    COLORREF vertGridColor;                 /**< 33: vertical grid lines (default COLOR_BTNSHADOW). */
    COLORREF horzGridColor;                 /**< 34: horizontal grid lines (default COLOR_BTNSHADOW). */
    COLORREF treeLineColor;                 /**< 35: tree lines (default COLOR_BTNSHADOW). */
    /** 36: tree lines of a disabled control (default COLOR_BTNSHADOW). */
    COLORREF disabledTreeLineColor;
} CtlColors;

/** Index of each CtlColors entry, for code that treats the table as an
    array of #TARNCLR_COUNT COLORREF values. */
enum TarnColorIndex {
    TARNCLR_BACKCOLOR = 0,                  /**< CtlColors::backColor. */
    TARNCLR_TEXTCOLOR,                      /**< CtlColors::textColor. */
    TARNCLR_DISABLEDTEXTCOLOR,              /**< CtlColors::disabledTextColor. */
    TARNCLR_ALTBACKCOLOR,                   /**< CtlColors::altBackColor. */
    TARNCLR_ALTTEXTCOLOR,                   /**< CtlColors::altTextColor. */
    TARNCLR_SELBACKCOLOR,                   /**< CtlColors::selBackColor. */
    TARNCLR_SELTEXTCOLOR,                   /**< CtlColors::selTextColor. */
    TARNCLR_CELLSHADOWCOLOR,                /**< CtlColors::cellShadowColor. */
    TARNCLR_CELLHIGHLIGHTCOLOR,             /**< CtlColors::cellHighlightColor. */
    TARNCLR_COLHEADERBACKCOLOR,             /**< CtlColors::colHeaderBackColor. */
    TARNCLR_COLHEADERTEXTCOLOR,             /**< CtlColors::colHeaderTextColor. */
    TARNCLR_COLHEADERDISABLEDTEXTCOLOR,     /**< CtlColors::colHeaderDisabledTextColor. */
    TARNCLR_COLHEADERSHADOWCOLOR,           /**< CtlColors::colHeaderShadowColor. */
    TARNCLR_COLHEADERHIGHLIGHTCOLOR,        /**< CtlColors::colHeaderHighlightColor. */
    TARNCLR_ROWHEADERBACKCOLOR,             /**< CtlColors::rowHeaderBackColor. */
    TARNCLR_ROWHEADERTEXTCOLOR,             /**< CtlColors::rowHeaderTextColor. */
    TARNCLR_ROWHEADERSELBACKCOLOR,          /**< CtlColors::rowHeaderSelBackColor. */
    TARNCLR_ROWHEADERSELTEXTCOLOR,          /**< CtlColors::rowHeaderSelTextColor. */
    TARNCLR_ROWHEADERDISABLEDTEXTCOLOR,     /**< CtlColors::rowHeaderDisabledTextColor. */
    TARNCLR_ROWHEADERSHADOWCOLOR,           /**< CtlColors::rowHeaderShadowColor. */
    TARNCLR_ROWHEADERHIGHLIGHTCOLOR,        /**< CtlColors::rowHeaderHighlightColor. */
    TARNCLR_ROWCOLHEADERBACKCOLOR,          /**< CtlColors::rowColHeaderBackColor. */
    TARNCLR_ROWCOLHEADERTEXTCOLOR,          /**< CtlColors::rowColHeaderTextColor. */
    TARNCLR_ROWCOLHEADERDISABLEDTEXTCOLOR,  /**< CtlColors::rowColHeaderDisabledTextColor. */
    TARNCLR_ROWCOLHEADERSHADOWCOLOR,        /**< CtlColors::rowColHeaderShadowColor. */
    TARNCLR_ROWCOLHEADERHIGHLIGHTCOLOR,     /**< CtlColors::rowColHeaderHighlightColor. */
    TARNCLR_DROPBUTTONFACECOLOR,            /**< CtlColors::dropButtonFaceColor. */
    TARNCLR_DROPBUTTONARROWCOLOR,           /**< CtlColors::dropButtonArrowColor. */
    TARNCLR_DROPBUTTONDISABLEDARROWCOLOR,   /**< CtlColors::dropButtonDisabledArrowColor. */
    TARNCLR_DROPBUTTONFRAMEFACECOLOR,       /**< CtlColors::dropButtonFrameFaceColor. */
    TARNCLR_DROPBUTTONFRAMESHADOWCOLOR,     /**< CtlColors::dropButtonFrameShadowColor. */
    TARNCLR_DROPBUTTONFRAMEDARKSHADOWCOLOR, /**< CtlColors::dropButtonFrameDarkShadowColor. */
    TARNCLR_DROPBUTTONFRAMEHIGHLIGHTCOLOR,  /**< CtlColors::dropButtonFrameHighlightColor. */
    TARNCLR_VERTGRIDCOLOR,                  /**< CtlColors::vertGridColor. */
    TARNCLR_HORZGRIDCOLOR,                  /**< CtlColors::horzGridColor. */
    TARNCLR_TREELINECOLOR,                  /**< CtlColors::treeLineColor. */
    TARNCLR_DISABLEDTREELINECOLOR,          /**< CtlColors::disabledTreeLineColor. */
    TARNCLR_COUNT                           /**< Number of entries: 37. */
};

/**
 * @brief What the draw-info callback (#TARNDRAWINFOPROC) may change before
 *        a row is painted.
 *
 * The control fills the record for each row it paints, in the list or in
 * the field of a type 2 or 3 control. The "in/out" fields are read back
 * after the callback and apply to this one painting; the others are for
 * reading. The colours come in as RGB values; the callback may store RGB
 * or #TARN_SYSCOLOR() values. Colours a cell or its column sets itself
 * still take precedence over the cell pair.
 */
typedef struct DrawInfo {
    int      ctlId;         /**< The control's id (GetDlgCtrlID). */
    HWND     hwnd;          /**< The control window. */
    int      row;           /**< The row being painted. */
    /** The row is shown selected (in the field: the current row while the
        control has the focus). */
    BOOL     selected;
    int      columnCount;   /**< The number of columns. */
    /** In/out: text colour of the row zone (with #TARN_SELECT_FIRSTTEXT,
        also of the cells, except the selected first text). */
    COLORREF rowTextColor;
    /** In/out: background of the indentation zone and of the area after the
        last column (with #TARN_SELECT_FIRSTTEXT, also of the cells, except
        behind the selected first text). */
    COLORREF rowBackColor;
    COLORREF cellTextColor; /**< In/out: text colour of the cells (in: selected, disabled or row colour). */
    COLORREF cellBackColor; /**< In/out: background of the cells (in: selection or row colour). */
    /** In/out: font of the whole row (in: the control's); NULL uses the
        control's. Not owned. */
    HFONT    hfont;
    HBITMAP  hbmLabel;      /**< In/out: label bitmap drawn for the row (in: the item's). */
    HBITMAP  hbmBitmap;     /**< In/out: item bitmap drawn for the row (in: the item's). */
    /** In/out: the row is drawn enabled (in: the item is enabled and so is
        the control). Forced to FALSE while the control is disabled. */
    BOOL     enabled;
} DrawInfo;
/** @} */

/* ------------------------------------------------------------------------ */
/* Callbacks (all get the control window first)                              */
/* ------------------------------------------------------------------------ */
/**
 * @defgroup callbacks Callbacks
 * @brief The application's callbacks and the records that install them.
 *
 * Every callback gets the control window first. Each runs on the control's
 * thread, inside the call or message that needs it.
 * @{
 */

/**
 * @brief Hears of each stored item that is freed.
 *
 * Installed with Tarn_SetDeleteCallback(). Called once for every row that
 * leaves the control: deleted (Tarn_DeleteString(), the dependents of a
 * row), emptied (Tarn_ResetContent(), or Tarn_FontSizes_A() for a scalable
 * face) or destroyed with the control; not for the original of a row that
 * Tarn_MoveItem() moved, since the row lives on. It runs
 * with the library lock held: do not wait on another thread from it. While
 * a reset reports its rows they stay readable, but rows can be neither
 * added nor removed (such calls fail); during the destruction the control
 * takes no calls at all.
 *
 * @param hwnd      The control window (still passed after the callback has
 *                  destroyed the control).
 * @param index     The row's index when it was reported.
 * @param itemData  The row's application value.
 * @param userData  The value given with the callback.
 */
typedef void (CALLBACK* TARNDELETEPROC)(HWND hwnd, int index, LPARAM itemData, LPARAM userData);

/**
 * @brief Compares two rows for Tarn_SortItems().
 *
 * Never called for a row without text in the sort column: such rows stay
 * where they are, and the rows between them are sorted separately. The
 * sort is stable. A callback that changes the rows or destroys the control
 * stops the sort, leaving the rows as they were (@ref page_sorting).
 *
 * @param hwnd       The control window.
 * @param text1      Text of the first row in the sort column; never NULL.
 * @param text2      Text of the second row in the sort column; never NULL.
 * @param itemData1  Application value of the first row.
 * @param itemData2  Application value of the second row.
 * @return Greater than 0 when the first row belongs after the second; 0 or
 *         less keeps their order.
 */
typedef int (CALLBACK* TARNCOMPAREPROC)(HWND hwnd, const char* text1, const char* text2,
                                        LPARAM itemData1, LPARAM itemData2);

/**
 * @brief Compares two rows for Tarn_SortItemsEx(), with their cell values.
 *
 * As #TARNCOMPAREPROC, but called for every pair, rows without text
 * included.
 *
 * @param hwnd        The control window.
 * @param text1       Text of the first row in the sort column; may be NULL.
 * @param text2       Text of the second row in the sort column; may be NULL.
 * @param itemData1   Application value of the first row.
 * @param itemData2   Application value of the second row.
 * @param cellValue1  CellFormat::data0 of the first row's cell in the sort
 *                    column; 0 when the row has no cell formatting.
 * @param cellValue2  The same for the second row.
 * @return Greater than 0 when the first row belongs after the second; 0 or
 *         less keeps their order.
 */
typedef int (CALLBACK* TARNCOMPAREEXPROC)(HWND hwnd, const char* text1, const char* text2,
                                          LPARAM itemData1, LPARAM itemData2,
                                          LPARAM cellValue1, LPARAM cellValue2);

/**
 * @brief Lends the record of one row in virtual mode.
 *
 * Installed with Tarn_VirtualInitialize(). At most one record is lent at a
 * time: before the next fetch the previous record is given back (to the
 * release callback, if any). The record must stay valid until the release
 * callback is called for it, or, without one, until the next fetch. Reads
 * of rows from inside the fetch get nothing. May run with the library lock
 * held, like the delete callback. See @ref page_virtual.
 *
 * @param hwnd      The control window.
 * @param userData  The value given to Tarn_VirtualInitialize().
 * @param index     The row wanted.
 * @param item      Receives the record describing the row, its texts sized
 *                  for the current column count; store NULL and the row
 *                  shows empty.
 */
typedef void (CALLBACK* TARNVIRTUALFETCHPROC)(HWND hwnd, LPARAM userData, int index, TarnItem** item);

/**
 * @brief Takes back a record lent by the fetch callback in virtual mode.
 *
 * Called before the next fetch, by Tarn_VirtualItemChanged(),
 * Tarn_VirtualCount() and when the control is destroyed; not for a fetch
 * that stored NULL. May run with the library lock held.
 *
 * @param hwnd      The control window.
 * @param userData  The value given to Tarn_VirtualInitialize().
 * @param index     The row the record was lent for.
 * @param item      The record lent.
 */
typedef void (CALLBACK* TARNVIRTUALRELEASEPROC)(HWND hwnd, LPARAM userData, int index, TarnItem* item);

/**
 * @brief Adjusts a row's colours, font, bitmaps and state before it is
 *        painted.
 *
 * Installed with Tarn_SetDrawInfoCallback(); called for every row painted,
 * in the list or in the field of a type 2 or 3 control. It may change the in/out fields of info.
 *
 * @param hwnd      The control window.
 * @param info      The row's draw information.
 * @param userData  The value given with the callback.
 */
typedef void (CALLBACK* TARNDRAWINFOPROC)(HWND hwnd, DrawInfo* info, LPARAM userData);

/** @} */

/**
 * @ingroup callbacks
 * @brief Delete callback and its user data, for Tarn_SetDeleteCallback().
 */
typedef struct TarnDeleteCallbackInfo {
    TARNDELETEPROC callback;    /**< The callback; NULL for none. */
    LPARAM         userData;    /**< Passed to every call of the callback. */
} TarnDeleteCallbackInfo;

/**
 * @ingroup callbacks
 * @brief Draw-info callback and its user data, for Tarn_SetDrawInfoCallback().
 */
typedef struct TarnDrawInfoCallbackInfo {
    TARNDRAWINFOPROC callback;  /**< The callback; NULL for none. */
    LPARAM           userData;  /**< Passed to every call of the callback. */
} TarnDrawInfoCallbackInfo;

/* ------------------------------------------------------------------------ */
/* Exported functions                                                        */
/* ------------------------------------------------------------------------ */

/* --- Items --------------------------------------------------------------- */
/**
 * @defgroup items Items
 * @brief Rows: adding, inserting, deleting, copying and moving them; their texts, data, bitmaps and state; searching them.
 *
 * A row holds one text per column, a row-header text, an application value
 * (item data), a label bitmap, an item bitmap, an enabled bit and a tree
 * level (see @ref hierarchy). A cell may have no text at all, which is not
 * the same as an empty text: searches never match a cell without text.
 *
 * The text getters take no buffer size: size the buffer from the matching
 * length function + 1 (Tarn_GetTextLength(), Tarn_GetRowTextLength()).
 *
 * Changing the rows. The functions that add, insert, delete, reset, copy or
 * move rows (Tarn_AddString_A(), Tarn_InsertString_A(), Tarn_DeleteString(),
 * Tarn_ResetContent(), Tarn_CopyItem(), Tarn_MoveItem() and
 * Tarn_DeleteDependents()) first close an open list with cancel:
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18); with or
 * without a list (type 0 has no list to close) the highlight goes back to
 * the current row. A parent that sends WM_CANCELMODE while told of the
 * closing keeps the list open, and the operation goes on. The parent may
 * change the rows while it is told: the function then works on the rows as
 * they are, and fails with -1 when its index is no longer valid.
 * - A row inserted at or before the highlighted row or the current row moves
 *   it down with its row; a deletion before it moves it up. Deleting the
 *   current row clears the selection and empties the edit field without
 *   #TARNN_SELCHANGE.
 * - The top row keeps its index, so rows inserted or deleted above it shift
 *   what the list shows. Only when the top row is the last row does a
 *   deletion move it up by one.
 * - With redraw on, a change of the rows invalidates only the rows it moves
 *   (a row added below the visible page invalidates none) and sets the list
 *   window's scroll bars at once without drawing them: GetScrollInfo on the
 *   list window (Tarn_GetHWNDDropDown()) always reads the current range and
 *   position, and the bars are drawn once, when the list next paints (at the
 *   next message loop turn, or at once with UpdateWindow). A loop of calls
 *   therefore costs one repaint, not one per call. When the row-header strip
 *   is sized to the row numbers and they gain or lose a digit, the whole
 *   control repaints.
 * - The layout that ends each change may send #TARNN_OVERHEADCHANGE (12)
 *   when the width before the first column changes.
 *
 * In virtual mode every function here that would add, delete, move or change
 * a row refuses with its failure value (Tarn_ResetContent() does nothing);
 * the getters and searches read the rows the fetch callback lends (see
 * @ref page_virtual).
 * @{
 */

/**
 * @brief Returns the number of rows.
 *
 * In virtual mode this is the count set with Tarn_VirtualCount().
 *
 * @param hwnd  The control window.
 * @return The number of rows, 0 or more; -1 (#TARN_ERR) for a bad handle.
 * @sa Tarn_AddString_A(), Tarn_VirtualCount()
 */
TARN32_API int     WINAPI Tarn_GetCount(HWND hwnd);

/**
 * @brief Returns the locale the built-in text comparison uses.
 *
 * The sort functions compare texts in this locale when no comparison
 * callback is given, and so does Tarn_DefaultCompareProc(). Searches do not
 * use it. A new control has LOCALE_USER_DEFAULT (0x0400).
 *
 * @param hwnd  The control window.
 * @return The locale identifier; 0 for a bad handle.
 * @sa Tarn_SetLocale(), Tarn_SortItems(), @ref page_sorting
 */
TARN32_API LCID    WINAPI Tarn_GetLocale(HWND hwnd);

/**
 * @brief Sets the locale the built-in text comparison uses.
 *
 * Any value is stored as given, unchecked. The rows are not sorted again and
 * nothing is repainted; the locale applies from the next sort.
 *
 * @param hwnd    The control window.
 * @param locale  The locale identifier, e.g. MAKELCID(MAKELANGID(LANG_GERMAN,
 *                SUBLANG_GERMAN), SORT_DEFAULT).
 * @return The previous locale; 0 for a bad handle.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetLocale(), Tarn_DefaultCompareProc()
 */
TARN32_API LCID    WINAPI Tarn_SetLocale(HWND hwnd, LCID locale);

/**
 * @brief Appends a row with a text in column 0.
 *
 * Works as Tarn_InsertString_A() with an index of -1: the new row is
 * enabled, at level 0, with item data 0, no bitmaps and no other texts.
 * Refused in virtual mode, when memory runs out, and from a delete callback
 * while Tarn_ResetContent() reports its rows.
 *
 * @param hwnd  The control window.
 * @param text  Text of column 0, copied; NULL leaves the cell without text.
 * @return The new row's index (the old count); -1 (#TARN_ERR) for a bad
 *         handle or a refusal.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open.
 * @par Repaints
 * None when the new row is below the visible page; otherwise the new row
 * (with tree lines, from its previous sibling) down to the bottom of the
 * list. The scroll bars are set at once and drawn with the next paint.
 * @sa Tarn_InsertString_A(), Tarn_SetText_A(), Tarn_DeleteString()
 */
TARN32_API int     WINAPI Tarn_AddString_A(HWND hwnd, const char* text);

/**
 * @brief Inserts a row with a text in column 0.
 *
 * The row goes in at index and the rows from there move down one place; an
 * index out of range (negative, or the count or more) appends. The new row
 * is enabled, at level 0, with item data 0, no bitmaps and no other texts.
 * The highlighted and current rows stay on their rows; the top row keeps its
 * index. Refused in virtual mode, when memory runs out (the control is then
 * unchanged), and from a delete callback while Tarn_ResetContent() reports
 * its rows.
 *
 * @param hwnd   The control window.
 * @param index  Where the row goes; out of range appends.
 * @param text   Text of column 0, copied; NULL leaves the cell without text.
 * @return The new row's index; -1 (#TARN_ERR) for a bad handle or a refusal.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open.
 * @par Repaints
 * The new row (with tree lines, from its previous sibling) down to the bottom
 * of the list, none when it is below the visible page, the whole list when it
 * is above the top row. The scroll bars are set at once and drawn with the
 * next paint.
 * @sa Tarn_AddString_A(), Tarn_CopyItem(), Tarn_SetItemLevel()
 */
TARN32_API int     WINAPI Tarn_InsertString_A(HWND hwnd, int index, const char* text);

/**
 * @brief Deletes one row.
 *
 * The delete callback (Tarn_SetDeleteCallback()) is told of the row first,
 * while it is still in place. Only this row goes: its dependents stay, keep
 * their levels and move up, now following the deleted row's previous
 * neighbour. The rows after it move up one place, and the highlighted and
 * current rows with them. Deleting the current row clears the selection and
 * empties the edit field, without #TARNN_SELCHANGE. The deepest level the
 * indentation is sized for stays. From a delete callback while
 * Tarn_ResetContent() reports its rows nothing is deleted and the unchanged
 * count is returned.
 *
 * @param hwnd   The control window.
 * @param index  The row to delete.
 * @return The new row count; -1 (#TARN_ERR) for a bad handle, a bad index,
 *         in virtual mode, or when the control was destroyed meanwhile.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open; the delete callback is called after them.
 * @par Repaints
 * From the deleted row's place (with tree lines, from its previous sibling,
 * or its parent when it had none) down to the bottom of the list; none when
 * it was below the visible page. The scroll bars are set at once and drawn
 * with the next paint.
 * @sa Tarn_DeleteDependents(), Tarn_ResetContent(), Tarn_SetDeleteCallback()
 */
TARN32_API int     WINAPI Tarn_DeleteString(HWND hwnd, int index);

/**
 * @brief Deletes every row.
 *
 * Ends any mouse press the control is tracking (a column being sized or
 * moved, auto-scrolling), releasing the capture, without notification; closes
 * an open list; then reports every row to the delete callback, in index
 * order, before any is freed: while they are reported the rows stay readable,
 * but rows can be neither added nor removed. Afterwards the selection is
 * cleared without #TARNN_SELCHANGE, the top row and the horizontal offset
 * return to 0 without #TARNN_TOPINDEXCHANGE or #TARNN_HOFFSETCHANGE, the
 * deepest level returns to 0, and the edit field is emptied, also of text the
 * user typed. In virtual mode only the press is ended; nothing else happens.
 *
 * @param hwnd  The control window.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open; then the delete callback for each row; then
 * #TARNN_OVERHEADCHANGE (12) when rows had levels and the indentation
 * narrows.
 * @par Repaints
 * The whole control: the control window, the list and the edit field, when
 * redraw is on.
 * @sa Tarn_DeleteString(), Tarn_SetDeleteCallback()
 */
TARN32_API void    WINAPI Tarn_ResetContent(HWND hwnd);

/**
 * @brief Inserts a copy of a row.
 *
 * The copy holds all of the source's texts, row-header text, row and cell
 * formats, label and item bitmaps (the same handles), item data, enabled bit
 * and level; it goes in at destination, an index out of range (negative, or
 * the count or more) appending it. The source's dependents are not copied.
 * Copying to a place before the source works. The highlighted and current
 * rows stay on their rows. A source out of range returns -1 without closing
 * the list.
 *
 * @param hwnd         The control window.
 * @param source       The row to copy.
 * @param destination  Where the copy goes; out of range appends.
 * @return The copy's index; -1 (#TARN_ERR) for a bad handle or source, in
 *         virtual mode, when memory runs out (nothing changes then), or from
 *         a delete callback while Tarn_ResetContent() reports its rows.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open.
 * @par Repaints
 * As for Tarn_InsertString_A(), and for a copy below level 0 also the rows
 * whose tree lines pass through it.
 * @sa Tarn_MoveItem(), Tarn_InsertString_A()
 */
TARN32_API int     WINAPI Tarn_CopyItem(HWND hwnd, int source, int destination);

/**
 * @brief Moves a row to another place.
 *
 * A copy (as Tarn_CopyItem()) is inserted at destination, then the source is
 * deleted without telling the delete callback. destination is counted in
 * the rows as they are before the move: the row goes in front of the row now
 * at destination, so its final index is destination when moving up and
 * destination - 1 when moving down (moving 0 to 3 in five rows gives 2;
 * moving 3 to 0 gives 0; moving a row to its own index or the next one
 * leaves it in place). An index out of range (negative, or the count or
 * more) moves it to the end. Only the one row moves; its dependents stay.
 * When the moved row was the current row, the selection is cleared and the
 * edit field emptied, without #TARNN_SELCHANGE; the highlighted and current
 * rows otherwise stay on their rows. An open list is closed even when the
 * source turns out to be out of range.
 *
 * @param hwnd         The control window.
 * @param source       The row to move.
 * @param destination  Index, counted before the move, of the row it goes in
 *                     front of; out of range moves it to the end.
 * @return The row's final index; -1 (#TARN_ERR) for a bad handle or source,
 *         in virtual mode, when memory runs out, or from a delete callback
 *         while Tarn_ResetContent() reports its rows.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open.
 * @par Repaints
 * What inserting the copy and deleting the source each repaint: together,
 * from the upper of the two places (the smaller index) down to the bottom of
 * the list.
 * @sa Tarn_CopyItem(), Tarn_DeleteString(), Tarn_SortItems()
 */
TARN32_API int     WINAPI Tarn_MoveItem(HWND hwnd, int source, int destination);

/**
 * @brief Copies the text of one cell into a buffer.
 *
 * A row of -1 reads the current row: the committed row the edit field shows,
 * which in an open list may differ from the highlighted row
 * Tarn_GetCurSel() returns. A cell without text reads as an empty string.
 * In virtual mode the text comes from the record the fetch callback lends.
 *
 * @param hwnd    The control window.
 * @param row     Row index; -1 means the current row.
 * @param column  Column index.
 * @param buffer  Receives the text and its terminating zero; size it from
 *                Tarn_GetTextLength() + 1. An empty string is stored first.
 * @return The length of the text copied; -1 (#TARN_ERR) for a bad handle,
 *         row or column, for row -1 without a current row, or for a NULL
 *         buffer.
 * @sa Tarn_GetTextLength(), Tarn_SetText_A(), Tarn_GetRowText_A()
 */
TARN32_API int     WINAPI Tarn_GetText_A(HWND hwnd, int row, int column, char* buffer);

/**
 * @brief Returns the length of the text of one cell.
 *
 * The rows as for Tarn_GetText_A(): row -1 means the current row.
 *
 * @param hwnd    The control window.
 * @param row     Row index; -1 means the current row.
 * @param column  Column index.
 * @return The length in characters, without the terminating zero; 0 for a
 *         cell without text; -1 (#TARN_ERR) for a bad handle, row or column,
 *         or for row -1 without a current row.
 * @sa Tarn_GetText_A()
 */
TARN32_API int     WINAPI Tarn_GetTextLength(HWND hwnd, int row, int column);

/**
 * @brief Sets or removes the text of one cell.
 *
 * The text is copied. NULL removes it, leaving the cell without text; an
 * empty string is a text. When memory runs out the old text stays. Unlike
 * Tarn_GetText_A(), row -1 is refused. When the row is the current row and
 * the column is its first visible one, the edit field follows (with redraw
 * on), unless it holds text the user typed. Refused in virtual mode.
 *
 * @param hwnd    The control window.
 * @param row     Row index.
 * @param column  Column index.
 * @param text    The new text; NULL removes the text.
 * @return TRUE when stored; FALSE for a bad handle, row or column, in virtual
 *         mode, or when memory runs out.
 * @par Notifications
 * None.
 * @par Repaints
 * The row's cells (not its row header), when it is visible and redraw is on;
 * for the current row also the field. With #TARNS_VARIABLEHEIGHT, when the
 * text changes the row's height (a word-wrapped column), the rows below it
 * too.
 * @sa Tarn_GetText_A(), Tarn_SetRowText_A()
 */
TARN32_API BOOL    WINAPI Tarn_SetText_A(HWND hwnd, int row, int column, const char* text);

/**
 * @brief Copies the row-header text of a row into a buffer.
 *
 * A row without its own row-header text reads as an empty string; its row
 * header then shows what Tarn_SetShowRowHeader() chose (for example the row
 * number).
 *
 * @param hwnd    The control window.
 * @param row     Row index (-1 is not accepted).
 * @param buffer  Receives the text and its terminating zero; size it from
 *                Tarn_GetRowTextLength() + 1. An empty string is stored first.
 * @return The length of the text copied; -1 (#TARN_ERR) for a bad handle or
 *         row, or a NULL buffer.
 * @sa Tarn_GetRowTextLength(), Tarn_SetRowText_A()
 */
TARN32_API int     WINAPI Tarn_GetRowText_A(HWND hwnd, int row, char* buffer);

/**
 * @brief Returns the length of the row-header text of a row.
 *
 * @param hwnd  The control window.
 * @param row   Row index.
 * @return The length in characters, without the terminating zero; 0 for a
 *         row without row-header text; -1 (#TARN_ERR) for a bad handle or
 *         row.
 * @sa Tarn_GetRowText_A()
 */
TARN32_API int     WINAPI Tarn_GetRowTextLength(HWND hwnd, int row);

/**
 * @brief Sets or removes the row-header text of a row.
 *
 * The text is copied and shown in the row's header in place of what
 * Tarn_SetShowRowHeader() chose; NULL removes it, bringing that back. When
 * memory runs out the old text stays. Refused in virtual mode.
 *
 * @param hwnd  The control window.
 * @param row   Row index.
 * @param text  The new text; NULL removes the text.
 * @return TRUE when stored; FALSE for a bad handle or row, in virtual mode,
 *         or when memory runs out.
 * @par Notifications
 * None.
 * @par Repaints
 * Only the row's header in the row-header strip, when it is visible and
 * redraw is on; for the current row also the field.
 * @sa Tarn_GetRowText_A(), Tarn_SetRowInfo(), Tarn_CalcOptimalRowHeaderWidth()
 */
TARN32_API BOOL    WINAPI Tarn_SetRowText_A(HWND hwnd, int row, const char* text);

/**
 * @brief Returns the item data of a row.
 *
 * A new row has 0. Since -1 is also a value a row can hold, check the index
 * when it matters. In virtual mode the value comes from the record the fetch
 * callback lends (-1 when it lends none).
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return The row's item data; -1 for a bad handle or index.
 * @sa Tarn_SetItemData(), Tarn_FindItem()
 */
TARN32_API LPARAM  WINAPI Tarn_GetItemData(HWND hwnd, int index);

/**
 * @brief Sets the item data of a row.
 *
 * The value is the application's: the control stores it, hands it to the
 * delete callback and the comparison callbacks, copies it with the row, and
 * never interprets it. Refused in virtual mode.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @param value  The value to store.
 * @return 0 when stored; -1 (#TARN_ERR) for a bad handle or index, or in
 *         virtual mode.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetItemData(), Tarn_FindItem()
 */
TARN32_API int     WINAPI Tarn_SetItemData(HWND hwnd, int index, LPARAM value);

/**
 * @brief Returns the label bitmap of a row.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return The bitmap handle; NULL when the row has none, or for a bad handle
 *         or index.
 * @sa Tarn_SetItemLabel(), Tarn_GetShowLabels()
 */
TARN32_API HBITMAP WINAPI Tarn_GetItemLabel(HWND hwnd, int index);

/**
 * @brief Sets the label bitmap of a row, or the size of the label zone.
 *
 * The label zone lies at the left of each row, before the indentation. For
 * index 0 or more the row's label becomes hbm (NULL: none); it is drawn only
 * while the zone is on, centred in it, with the colour of its top-left pixel
 * left transparent. With fixed row heights its top-left part of the zone's
 * size is drawn; with #TARNS_VARIABLEHEIGHT it is drawn at its own height,
 * no wider than the zone, and the row grows to that height. Refused for a
 * row in virtual mode.
 *
 * Index -1 sets the zone instead: its size becomes hbm's size, and the zone
 * is switched on for a bitmap and off for NULL (Tarn_GetShowLabels()). Only
 * the size is taken from hbm; the rows keep their own labels. This works in
 * virtual mode too.
 *
 * The control never deletes the bitmap: keep it alive while it is shown.
 *
 * @param hwnd   The control window.
 * @param index  Row index, or -1 for the size of the label zone.
 * @param hbm    A bitmap, or NULL; a handle that is not a bitmap is refused.
 * @return TRUE when stored; FALSE for a bad handle, an index below -1 or not
 *         below the count, a handle that is not a bitmap, or a row in
 *         virtual mode.
 * @par Notifications
 * For index -1, #TARNN_OVERHEADCHANGE (12) when the width before the first
 * column changes; none for a row.
 * @par Repaints
 * For a row, that row (and the field, for the current row); with
 * #TARNS_VARIABLEHEIGHT, when the bitmap changes the row's height, also every
 * row below it. For index -1, the layout and then the whole control.
 * @sa Tarn_GetItemLabel(), Tarn_SetItemBitmap(), Tarn_GetShowLabels()
 */
TARN32_API BOOL    WINAPI Tarn_SetItemLabel(HWND hwnd, int index, HBITMAP hbm);

/**
 * @brief Returns the item bitmap of a row.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return The bitmap handle; NULL when the row has none, or for a bad handle
 *         or index.
 * @sa Tarn_SetItemBitmap(), Tarn_GetShowBitmaps()
 */
TARN32_API HBITMAP WINAPI Tarn_GetItemBitmap(HWND hwnd, int index);

/**
 * @brief Sets the item bitmap of a row, or the size of the bitmap zone.
 *
 * The twin of Tarn_SetItemLabel() for the item bitmap, which is drawn after
 * the row's indentation, just before the first column. For index 0 or more
 * the row's bitmap becomes hbm (NULL: none); it is drawn only while the zone
 * is on, as the label is, and embossed for a disabled row. Refused for a row
 * in virtual mode.
 *
 * Index -1 sets the zone instead: its size becomes hbm's size, and the zone
 * is switched on for a bitmap and off for NULL (Tarn_GetShowBitmaps()). While
 * the zone is on, its width is also the indentation step of the levels (half
 * of it without tree lines). Only the size is taken from hbm; the rows keep
 * their own bitmaps. This works in virtual mode too.
 *
 * The control never deletes the bitmap: keep it alive while it is shown.
 *
 * @param hwnd   The control window.
 * @param index  Row index, or -1 for the size of the bitmap zone.
 * @param hbm    A bitmap, or NULL; a handle that is not a bitmap is refused.
 * @return TRUE when stored; FALSE for a bad handle, an index below -1 or not
 *         below the count, a handle that is not a bitmap, or a row in
 *         virtual mode.
 * @par Notifications
 * For index -1, #TARNN_OVERHEADCHANGE (12) when the width before the first
 * column changes; none for a row.
 * @par Repaints
 * For a row, that row (and the field, for the current row); with
 * #TARNS_VARIABLEHEIGHT, when the bitmap changes the row's height, also every
 * row below it. For index -1, the layout and then the whole control.
 * @sa Tarn_GetItemBitmap(), Tarn_SetItemLabel(), Tarn_GetShowBitmaps()
 */
TARN32_API BOOL    WINAPI Tarn_SetItemBitmap(HWND hwnd, int index, HBITMAP hbm);

/**
 * @brief Tells whether a row is enabled.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return 1 for an enabled row; 0 for a disabled row, or for a bad handle or
 *         index.
 * @sa Tarn_SetItemStatus()
 */
TARN32_API int     WINAPI Tarn_GetItemStatus(HWND hwnd, int index);

/**
 * @brief Enables or disables a row.
 *
 * A disabled row is drawn in the disabled text colour
 * (#TARNCLR_DISABLEDTEXTCOLOR), its item and cell bitmaps embossed; the
 * draw-info callback may change that. It can still be selected and found.
 * New rows are enabled. Refused in virtual mode.
 *
 * @param hwnd    The control window.
 * @param index   Row index.
 * @param status  Non-zero enables the row, 0 disables it.
 * @return TRUE when stored, also when the state did not change; FALSE for a
 *         bad handle or index, or in virtual mode.
 * @par Notifications
 * None.
 * @par Repaints
 * The row (and the field, for the current row), only when its state
 * changed.
 * @sa Tarn_GetItemStatus(), @ref page_colours
 */
TARN32_API BOOL    WINAPI Tarn_SetItemStatus(HWND hwnd, int index, int status);

/**
 * @brief Finds the next row whose text in a column begins with a text.
 *
 * Compares without regard to case (the C runtime's rule, not the control's
 * locale); a row without text in the column never matches, and a NULL or
 * empty text matches any row that has one. The search starts after
 * startAfter (-1: at row 0). Without wrap it runs to the last row; with wrap
 * it goes on from row 0 and ends with startAfter itself, so that every row
 * is tested once. A startAfter of the last row searches all rows from 0
 * either way. In virtual mode each row tested is fetched.
 *
 * @param hwnd        The control window.
 * @param startAfter  The row after which to start, -1 to start at row 0.
 * @param column      Column whose texts are compared.
 * @param text        The prefix to look for; NULL counts as "".
 * @param wrap        Non-zero to go on from row 0 up to startAfter.
 * @return The index of the first matching row; -1 (#TARN_ERR) when none
 *         matches, for an empty control, for a bad handle, column or
 *         startAfter (below -1, or the count or more).
 * @sa Tarn_FindStringExact_A(), Tarn_SelectString_A(), Tarn_FindItem()
 */
TARN32_API int     WINAPI Tarn_FindString_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);

/**
 * @brief Finds the next row whose whole text in a column equals a text.
 *
 * As Tarn_FindString_A(), but the whole text is compared, without regard to
 * case; a NULL or empty text matches only an empty text, never a cell
 * without text.
 *
 * @param hwnd        The control window.
 * @param startAfter  The row after which to start, -1 to start at row 0.
 * @param column      Column whose texts are compared.
 * @param text        The text to look for; NULL counts as "".
 * @param wrap        Non-zero to go on from row 0 up to startAfter.
 * @return The index of the first matching row; -1 (#TARN_ERR) when none
 *         matches, for an empty control, for a bad handle, column or
 *         startAfter (below -1, or the count or more).
 * @sa Tarn_FindString_A(), Tarn_SelectStringExact_A()
 */
TARN32_API int     WINAPI Tarn_FindStringExact_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);

/**
 * @brief Finds a row by the beginning of its text and makes it the current row.
 *
 * Searches as Tarn_FindString_A(), then commits the result as
 * Tarn_SetCurSel() does: the row found becomes the highlighted and the
 * current row, is scrolled into view (when the list exists), and the edit
 * field shows it, replacing text the user typed. When the search gives -1 (no
 * match, or a bad column or startAfter) the selection is cleared instead. An
 * open list stays open.
 *
 * @param hwnd        The control window.
 * @param startAfter  The row after which to start, -1 to start at row 0.
 * @param column      Column whose texts are compared.
 * @param text        The prefix to look for; NULL counts as "".
 * @param wrap        Non-zero to go on from row 0 up to startAfter.
 * @return The index of the row found and selected; -1 (#TARN_ERR) when
 *         nothing was found (the selection is then cleared), or for a bad
 *         handle.
 * @par Notifications
 * #TARNN_TOPINDEXCHANGE (6) when the list scrolls to show the row, then
 * #TARNN_SELCHANGE (5), sent even when the current row did not change and
 * when the selection is cleared.
 * @par Repaints
 * The rows losing and gaining the highlight, the field, and what scrolling
 * brings into view.
 * @sa Tarn_FindString_A(), Tarn_SelectStringExact_A(), Tarn_SetCurSel()
 */
TARN32_API int     WINAPI Tarn_SelectString_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);

/**
 * @brief Finds a row by its whole text and makes it the current row.
 *
 * Searches as Tarn_FindStringExact_A(), then commits the result as
 * Tarn_SelectString_A() does; a result of -1 clears the selection.
 *
 * @param hwnd        The control window.
 * @param startAfter  The row after which to start, -1 to start at row 0.
 * @param column      Column whose texts are compared.
 * @param text        The text to look for; NULL counts as "".
 * @param wrap        Non-zero to go on from row 0 up to startAfter.
 * @return The index of the row found and selected; -1 (#TARN_ERR) when
 *         nothing was found (the selection is then cleared), or for a bad
 *         handle.
 * @par Notifications
 * #TARNN_TOPINDEXCHANGE (6) when the list scrolls to show the row, then
 * #TARNN_SELCHANGE (5), sent even when the current row did not change and
 * when the selection is cleared.
 * @par Repaints
 * The rows losing and gaining the highlight, the field, and what scrolling
 * brings into view.
 * @sa Tarn_FindStringExact_A(), Tarn_SelectString_A(), Tarn_SetCurSel()
 */
TARN32_API int     WINAPI Tarn_SelectStringExact_A(HWND hwnd, int startAfter, int column, const char* text, BOOL wrap);

/**
 * @brief Finds the first row from a given one whose item data equals a value.
 *
 * Tests the rows from start, included, to the last; it does not wrap. In
 * virtual mode each row tested is fetched.
 *
 * @param hwnd      The control window.
 * @param start     The first row to test.
 * @param itemData  The value to look for.
 * @return The index of the first matching row; -1 (#TARN_ERR) when none
 *         matches, or for a bad handle or start.
 * @sa Tarn_SetItemData(), Tarn_FindString_A()
 */
TARN32_API int     WINAPI Tarn_FindItem(HWND hwnd, int start, LPARAM itemData);

/**
 * @brief Sets or clears the callback told of every row that is freed.
 *
 * The callback (#TARNDELETEPROC) gets the control, the row's index, its item
 * data and the user data given here, once for every row freed by
 * Tarn_DeleteString(), Tarn_DeleteDependents(), Tarn_ResetContent() (also
 * when a font filler empties the control first) or the control's
 * destruction; never for the source row of Tarn_MoveItem(). It is
 * called while the row is still in place, with the library lock held: do
 * not wait on another thread from it. It may call the control's functions,
 * and may destroy it. While a reset reports its rows they stay readable, but
 * rows can be neither added nor removed; during the destruction the control
 * takes no calls at all. The pair is copied: info need not outlive the call.
 * Refused in virtual mode, where the callback in place stays.
 *
 * @param hwnd  The control window.
 * @param info  The callback and its user data; NULL (or a NULL callback)
 *              clears the callback.
 * @return TRUE when stored; FALSE for a bad handle or in virtual mode.
 * @par Notifications
 * None.
 * @sa Tarn_DeleteString(), Tarn_ResetContent(), Tarn_DeleteDependents()
 */
TARN32_API BOOL    WINAPI Tarn_SetDeleteCallback(HWND hwnd, const TarnDeleteCallbackInfo* info);
/** @} */

/* --- Hierarchy ------------------------------------------------------------ */
/**
 * @defgroup hierarchy Hierarchy
 * @brief Tree levels, parents, dependents and siblings.
 *
 * The tree is not stored as links: it follows from the order of the rows and
 * their levels (0 to #TARN_MAX_ITEM_LEVEL). A row's dependents are the run of
 * rows after it with a higher level; its parent is the nearest earlier row
 * with a lower level; its siblings are the rows of its level reachable
 * without crossing a row of a lower level. Levels need not rise by one: a row
 * at level 2 right after one at level 0 is its dependent and has it as
 * parent, though Tarn_GetDependentCount() without allLevels counts only rows
 * exactly one level deeper. Deleting, copying or moving a row never takes its
 * dependents along (Tarn_DeleteDependents() removes them); sorting keeps them
 * with their row. In virtual mode the levels are read from the records the
 * fetch callback lends, and only the getters work.
 * @{
 */

/**
 * @brief Returns the tree level of a row.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return The level, 0 to #TARN_MAX_ITEM_LEVEL; -1 (#TARN_ERR) for a bad
 *         handle or index.
 * @sa Tarn_SetItemLevel()
 */
TARN32_API int     WINAPI Tarn_GetItemLevel(HWND hwnd, int index);

/**
 * @brief Sets the tree level of a row.
 *
 * Levels are 0 to 63 (#TARN_MAX_ITEM_LEVEL, six bits of the item flags): a
 * negative level is stored as 0 and one above 63 as 63, so the level read
 * back is the level stored. The indentation before the first column is sized
 * for the deepest level any row has reached: it widens when a row goes
 * deeper, but does not narrow when rows become shallower or are deleted
 * (Tarn_ResetContent() brings it back to 0; Tarn_CalcOptimalColumnWidth()
 * sets it to the deepest level among the rows it measures). Refused in
 * virtual mode.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @param level  The new level; clamped to 0..63.
 * @return TRUE when stored, also when the level did not change; FALSE for a
 *         bad handle or index, or in virtual mode.
 * @par Notifications
 * #TARNN_OVERHEADCHANGE (12) when the row is deeper than any before it and
 * the indentation widens; otherwise none.
 * @par Repaints
 * Nothing when the level did not change. Otherwise the row and the rows
 * whose tree lines pass through it: back to the nearest row at the lower of
 * the old and new levels (stopping short of a shallower row), and forward
 * over the following rows deeper than that level. When
 * the indentation widens, also the header band, and every row when there is
 * more than one column.
 * @sa Tarn_GetItemLevel(), Tarn_SetShowTreeLines(), Tarn_GetOverheadWidth()
 */
TARN32_API BOOL    WINAPI Tarn_SetItemLevel(HWND hwnd, int index, int level);

/**
 * @brief Returns the parent of a row.
 *
 * The parent is the nearest earlier row with a lower level; it need not be
 * exactly one level up.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return The parent's index; -1 for a row at level 0, a row with no earlier
 *         row of a lower level, or a bad handle or index.
 * @sa Tarn_GetTopParent(), Tarn_GetDependent()
 */
TARN32_API int     WINAPI Tarn_GetParent(HWND hwnd, int index);

/**
 * @brief Returns the level-0 row a row belongs under.
 *
 * This is the nearest earlier row at level 0, the top of the row's parent
 * chain. In a tree whose first rows are not at level 0 and that has no
 * earlier level-0 row, it is the first row with a lower level than the row.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @return The top parent's index; -1 for a row at level 0, row 0, or a bad
 *         handle or index.
 * @sa Tarn_GetParent()
 */
TARN32_API int     WINAPI Tarn_GetTopParent(HWND hwnd, int index);

/**
 * @brief Returns the first or the last dependent of a row.
 *
 * #TARN_DEPENDENT_FIRST gives the row right after it when that row is
 * deeper; #TARN_DEPENDENT_LAST the last row of the run of deeper rows after
 * it, at any level.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @param which  #TARN_DEPENDENT_FIRST or #TARN_DEPENDENT_LAST.
 * @return The dependent's index; -1 when the row has no dependents, or for a
 *         bad handle, index or which.
 * @sa Tarn_GetDependentCount(), Tarn_DeleteDependents()
 */
TARN32_API int     WINAPI Tarn_GetDependent(HWND hwnd, int index, int which);

/**
 * @brief Counts the dependents of a row.
 *
 * @param hwnd       The control window.
 * @param index      Row index.
 * @param allLevels  Non-zero counts the whole run of deeper rows after the
 *                   row; FALSE counts only the rows of that run exactly one
 *                   level deeper than the row.
 * @return The number of dependents, 0 or more; -1 (#TARN_ERR) for a bad
 *         handle or index.
 * @sa Tarn_GetDependent()
 */
TARN32_API int     WINAPI Tarn_GetDependentCount(HWND hwnd, int index, BOOL allLevels);

/**
 * @brief Returns a sibling of a row.
 *
 * Siblings are the rows of the row's level reachable without crossing a row
 * of a lower level; deeper rows between them are passed over.
 * #TARN_SIBLING_FIRST and #TARN_SIBLING_LAST give the first and the last of
 * them, the row itself when it is at that end; #TARN_SIBLING_PREVIOUS and
 * #TARN_SIBLING_NEXT the neighbouring sibling.
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @param which  #TARN_SIBLING_FIRST, #TARN_SIBLING_LAST,
 *               #TARN_SIBLING_PREVIOUS or #TARN_SIBLING_NEXT.
 * @return The sibling's index; -1 when there is no previous or next sibling,
 *         or for a bad handle, index or which.
 * @sa Tarn_GetParent(), Tarn_SortItems()
 */
TARN32_API int     WINAPI Tarn_GetSibling(HWND hwnd, int index, int which);

/**
 * @brief Deletes the dependents of a row.
 *
 * Deletes the run of deeper rows after the row, the first of them each time,
 * each reported to the delete callback (so every report gives index + 1);
 * the row itself stays. When the current row was among them, the selection
 * is cleared and the edit field emptied, without #TARNN_SELCHANGE. The
 * deepest level the indentation is sized for stays. A row without
 * dependents still closes an open list. From a delete callback while
 * Tarn_ResetContent() reports its rows nothing is deleted and the unchanged
 * count is returned.
 *
 * @param hwnd   The control window.
 * @param index  The row whose dependents go.
 * @return The new row count; -1 (#TARN_ERR) for a bad handle or index, in
 *         virtual mode, or when the control was destroyed meanwhile.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open; then the delete callback for each row.
 * @par Repaints
 * From the row down to the bottom of the list, when redraw is on. The scroll
 * bars are set at once and drawn with the next paint.
 * @sa Tarn_GetDependent(), Tarn_DeleteString(), Tarn_SetDeleteCallback()
 */
TARN32_API int     WINAPI Tarn_DeleteDependents(HWND hwnd, int index);
/** @} */

/* --- Sorting -------------------------------------------------------------- */
/**
 * @defgroup sorting Sorting
 * @brief Sorting one sibling group.
 *
 * The control never orders rows by itself: the application sorts one sibling
 * group at a time, the children of one item or the top-level group, by the
 * texts of one column. Each sibling moves together with all its dependents,
 * which keep their own order; no row outside the group moves. The sort is
 * stable: rows that compare equal keep their order.
 *
 * A row without text in the sort column (a NULL text, never set or removed;
 * an empty string is a text) acts as a separator for the built-in comparison
 * and for a Tarn_SortItems() callback: it is never compared, so it stays in
 * place and nothing passes it, and the siblings between two such rows are
 * sorted on their own. The extended callback of Tarn_SortItemsEx() is given
 * every row, NULL texts included. See @ref page_sorting.
 * @{
 */

/**
 * @brief Sorts the children of one item by the texts of a column.
 *
 * Orders the siblings that are the children of @p parent so that no row
 * belongs after the sibling below it, each sibling moving with its
 * dependents. With @p parent -1 the group is row 0 and its siblings (the
 * top-level rows when row 0 is at level 0). A parent with fewer than two
 * children has nothing to sort: the call returns 1 and changes and repaints
 * nothing. Refused, with nothing changed, in virtual mode, for a parent
 * outside -1 .. count - 1 and for a bad column.
 *
 * With a NULL @p compare, or with Tarn_DefaultCompareProc() itself, the
 * built-in comparison orders the texts by the control's locale
 * (Tarn_SetLocale()) exactly as Tarn_DefaultCompareProc() does. Either way a
 * row without text in the column is never compared (see @ref sorting).
 *
 * The highlighted row keeps its item: the selection is taken off while the
 * rows move and put back on the same item afterwards, which is committed
 * again as the current row and scrolled into view, without #TARNN_SELCHANGE.
 * Without a selection there is none afterwards.
 *
 * The callback may call any function. One that adds, deletes or moves rows,
 * changes a level or replaces the columns stops the sort with no row moved:
 * the selection goes back onto its item (none when that item is gone), the
 * group is repainted and the result is 0. One that destroys the control
 * stops the sort at once (result 0). When memory for the sort cannot be had,
 * no row moves, the selection stays where it was and the result is 0.
 *
 * @param hwnd    The control window.
 * @param parent  Row whose children are sorted; -1 for the group row 0
 *                begins.
 * @param column  Column whose texts are compared.
 * @param compare Called for two siblings, the one above first, with their
 *                texts in the column (never NULL) and their item data; a
 *                result above 0 puts the first after the second. NULL (or
 *                Tarn_DefaultCompareProc()) uses the built-in comparison.
 * @return 1 when the group was sorted or had nothing to sort; 0 for a bad
 *         handle, a refused call, a callback that changed the rows or the
 *         columns or destroyed the control, or a lack of memory.
 * @par Notifications
 * No #TARNN_SELCHANGE. Putting the selection back may scroll it into view
 * (#TARNN_TOPINDEXCHANGE (6)) and lays the control out, which sends
 * #TARNN_SIZE (14) when a drop-down type's height changes with the current
 * row.
 * @par Repaints
 * Every row from the group's first row down, with its row header, and the field when the current row is among them; nothing when
 * there was nothing to sort or the call was refused. The rows are not
 * scrolled, except to bring the selection into view.
 * @sa Tarn_SortItemsEx(), Tarn_DefaultCompareProc(), Tarn_SetLocale(),
 *     @ref page_sorting
 */
TARN32_API BOOL    WINAPI Tarn_SortItems(HWND hwnd, int parent, int column, TARNCOMPAREPROC compare);

/**
 * @brief Sorts the children of one item with a comparison that also sees cell values.
 *
 * Works as Tarn_SortItems() (the group, the refusals, the selection, the
 * callback's limits and the result are the same), but a callback is given
 * every sibling, also one without text in the column (its text is then
 * NULL), together with both rows' cell values: the data0 word of the sort
 * column's cell format (CellInfo.data0, set with Tarn_SetCellInfo()), 0 when
 * it was never set. With a NULL @p compare the built-in comparison is used,
 * and rows without text are not compared, as in Tarn_SortItems().
 *
 * @param hwnd    The control window.
 * @param parent  Row whose children are sorted; -1 for the group row 0
 *                begins.
 * @param column  Column whose texts and cell values are compared.
 * @param compare Called for two siblings, the one above first, with their
 *                texts in the column (either may be NULL), item data and
 *                cell values; a result above 0 puts the first after the
 *                second. NULL uses the built-in comparison.
 * @return 1 when the group was sorted or had nothing to sort; 0 for a bad
 *         handle, a refused call, a callback that changed the rows or the
 *         columns or destroyed the control, or a lack of memory.
 * @par Notifications
 * As Tarn_SortItems(): no #TARNN_SELCHANGE.
 * @par Repaints
 * As Tarn_SortItems(): the rows from the group's first row down.
 * @sa Tarn_SortItems(), Tarn_SetCellInfo(), @ref page_sorting
 */
TARN32_API BOOL    WINAPI Tarn_SortItemsEx(HWND hwnd, int parent, int column, TARNCOMPAREEXPROC compare);

/**
 * @brief Compares two texts by the control's locale, as the built-in sort does.
 *
 * Returns CompareStringA with the control's locale (Tarn_GetLocale()), no
 * flags and zero-terminated texts, minus 2. The item data are ignored. A
 * comparison callback may call it to fall back to the built-in order; named
 * as the callback of Tarn_SortItems() it selects the built-in comparison,
 * which orders texts the same way.
 *
 * @param hwnd      The control window; its locale is used.
 * @param text1     The first text.
 * @param text2     The second text.
 * @param itemData1 Ignored.
 * @param itemData2 Ignored.
 * @return -1 when @p text1 sorts before @p text2, 0 when they sort equal,
 *         1 when it sorts after; -2 for a bad handle or a failed comparison
 *         (a NULL text, for one).
 * @sa Tarn_SortItems(), Tarn_SetLocale()
 */
TARN32_API int     WINAPI Tarn_DefaultCompareProc(HWND hwnd, const char* text1, const char* text2,
                                                  LPARAM itemData1, LPARAM itemData2);
/** @} */

/* --- Virtual mode --------------------------------------------------------- */
/**
 * @defgroup virtual Virtual mode
 * @brief Rows kept by the application and lent to the control one at a time.
 *
 * In virtual mode the control stores no rows and knows only their number.
 * The application keeps them and lends the control one record at a time
 * through its fetch callback: every read of a row (painting, measuring, hit
 * testing, the getters) fetches it, and gives the record lent before back
 * through the release callback first, even when it is the same row. A record
 * stays lent until the next read, a change notice (Tarn_VirtualItemChanged()),
 * a new count or the control's destruction, which gives it back. The row
 * asked for is always below the count. While a fetch runs no other row is
 * asked for: rows read from inside it read empty. A fetch that stores no
 * record shows the row empty; a record fetched while the column count
 * changed is given back unread.
 *
 * The callbacks may call any function and may destroy the control; the
 * operation that asked for the row then stops.
 *
 * A control stays in virtual mode for the rest of its life. Every function
 * that would add, delete, move or change stored rows refuses with its
 * failure value; Tarn_ResetContent() does nothing; type-ahead and the
 * matching of the edit field's text against the rows are off. The column
 * count may change while there are rows (Tarn_SetColumns()). See
 * @ref page_virtual.
 * @{
 */

/**
 * @brief Switches the control to rows lent by the application.
 *
 * Refused, with nothing changed, while the control stores rows (call
 * Tarn_ResetContent() first) and for a NULL @p fetch. Otherwise closes an
 * open list with cancel, stores the callbacks and @p userData and sets the
 * row count to 0 as Tarn_VirtualCount() (0) does. Calling it again in
 * virtual mode replaces the callbacks and the user data; the record lent at
 * that moment is given back to neither release callback.
 *
 * @param hwnd     The control window.
 * @param fetch    Called as fetch(hwnd, userData, index, item) to lend row
 *                 index: through its last argument it stores the address of
 *                 a record describing the row (TarnItem, texts sized for the
 *                 current column count), or NULL for an empty row. The
 *                 record must stay valid until it is given back.
 * @param release  Called as release(hwnd, userData, index, item) to give
 *                 back the record lent for row index. NULL: nothing is given
 *                 back, and a record need only stay valid until the next
 *                 fetch.
 * @param userData Application value passed to both callbacks.
 * @return 1 when the callbacks are stored; 0 for a bad handle, a control
 *         that stores rows (also rows the parent adds while the list
 *         closes) or a NULL @p fetch.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open; then #TARNN_SELCHANGE (5) when a row was selected (only possible
 * when called again in virtual mode).
 * @par Repaints
 * As Tarn_VirtualCount().
 * @sa Tarn_VirtualCount(), Tarn_VirtualItemChanged(), @ref page_virtual
 */
TARN32_API BOOL    WINAPI Tarn_VirtualInitialize(HWND hwnd, TARNVIRTUALFETCHPROC fetch,
                                                  TARNVIRTUALRELEASEPROC release, LPARAM userData);

/**
 * @brief Sets the number of rows of a control in virtual mode.
 *
 * Treats every row as new: closes an open list with cancel, scrolls to the
 * top (without #TARNN_TOPINDEXCHANGE), clears the selection, gives the lent
 * record back, sets the count and lays the control out. Any count costs the
 * same, since nothing is kept per row. Refused outside virtual mode and for
 * a negative count. To show changed data and keep the selection and the
 * scroll position, use Tarn_VirtualItemChanged() instead.
 *
 * @param hwnd The control window.
 * @param rows The new row count, 0 or more.
 * @return 1 when the count is set; 0 for a bad handle, outside virtual mode,
 *         for a negative count, or when the parent destroyed the control
 *         during a notification.
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when a list
 * is open; then #TARNN_SELCHANGE (5) when a row was selected, sent while the
 * old rows can still be read.
 * @par Repaints
 * Every row with its row header, and the field when a selection is
 * cleared; the scroll bars are set at once.
 * @sa Tarn_VirtualInitialize(), Tarn_VirtualItemChanged(), Tarn_GetCount()
 */
TARN32_API BOOL    WINAPI Tarn_VirtualCount(HWND hwnd, int rows);

/**
 * @brief Tells the control that the application's data of a row changed.
 *
 * Gives the lent record back, so that the next read fetches the row afresh,
 * and repaints the row: a negative @p index (-1) repaints every row. When
 * tree lines are shown every row is repainted (a new level moves lines drawn
 * in other rows); with variable row heights (#TARNS_VARIABLEHEIGHT) the row
 * and every row below it. Nothing is laid out or scrolled. Refused outside
 * virtual mode; for an index at or beyond the count the lent record is given
 * back and the result is 0.
 *
 * @param hwnd  The control window.
 * @param index Row whose data changed; -1 for all rows.
 * @return 1; 0 for a bad handle, outside virtual mode, for an index at or
 *         beyond the count, or when the release callback destroyed the
 *         control.
 * @par Notifications
 * None.
 * @par Repaints
 * The row with its row header, and the field when it is the current row; as
 * described above for -1, tree lines and variable heights.
 * @sa Tarn_VirtualCount(), Tarn_VirtualInitialize()
 */
TARN32_API BOOL    WINAPI Tarn_VirtualItemChanged(HWND hwnd, int index);
/** @} */

/* --- Columns and headers -------------------------------------------------- */
/**
 * @defgroup columns Columns and headers
 * @brief The column set, the column headers and their switches.
 *
 * A column is named by its index in the ColumnDef array given to
 * Tarn_SetColumns(); its display position (ColumnDef.position) says where it
 * is shown. When the user moves a column only the positions change, never
 * the indexes. Every control starts with one default column.
 * @{
 */

/**
 * @brief Replaces the whole column set.
 *
 * Copies @p count column definitions. @p count 0 installs one default
 * column instead (width 500, colours #TARN_COLOR_NONE, format
 * #TARNCF_DEFAULT, no header text or bitmap) and ignores @p defs. Each
 * definition is taken as it is, except that the header text is copied
 * (ColumnDef.headerTextBuffer is ignored), columnAtPosition is computed, and
 * positions that are not a permutation of 0 .. count - 1 are all replaced by
 * the index order. Header bitmaps are used, not owned; all are drawn at the
 * size of the bitmap of the highest-indexed column that has one. The
 * definitions may be a copy from Tarn_GetColumns(), texts included.
 *
 * Refused, with the old set kept: a negative @p count, NULL @p defs with a
 * count above 0, a negative width, no column wider than 0, a lack of memory,
 * and a new column count while the control stores rows (stored rows hold
 * one text per column; call Tarn_ResetContent() first). In virtual mode the
 * count may change while there are rows.
 *
 * For any count of 0 or more, taken or refused, a mouse drag in progress
 * ends first without a notification (a column being resized or moved, a
 * pressed header, corner cell or drop button, a press in the rows), and a
 * new column count closes an open list with cancel. A pressed header button
 * (Tarn_SetHeaderButton()) or a caret column beyond the new count becomes
 * -1.
 *
 * Types 0 and 1 get a new edit field window (Tarn_GetHWNDEdit() changes),
 * multi-line when the first shown column in display order has
 * #TARNCF_WORDWRAP. It keeps the length limit and the focus, and is
 * disabled while the control is. Text the user typed stays, with its
 * selection; otherwise the field shows the current row's text from the new
 * columns.
 *
 * @param hwnd  The control window.
 * @param count Number of definitions in @p defs; 0 for one default column.
 * @param defs  Array of @p count definitions; copied, and ignored for
 *              @p count 0.
 * @return 1 when the set was taken; 0 for a bad handle, a refused set, or
 *         when the new edit field could not be created (the new columns are
 *         in place then).
 * @par Notifications
 * #TARNN_SELENDCANCEL (21), then #TARNN_DROPDOWNDESTROYED (18), when the
 * column count changes while a list is open (also when the set is then
 * refused); #TARNN_SIZE (14) when the new layout changes a drop-down type's
 * height. The rebuilt edit field sends no #TARNN_EDITCHANGE.
 * @par Repaints
 * The whole control, its list and its edit field, after the layout, unless
 * redrawing is off (WM_SETREDRAW); nothing more when the set is refused.
 * @sa Tarn_GetColumns(), Tarn_SetHeader_A(), ColumnDef
 */
TARN32_API BOOL    WINAPI Tarn_SetColumns(HWND hwnd, int count, const ColumnDef* defs);

/**
 * @brief Gives the column count and a copy of the column set.
 *
 * With @p defs not NULL, frees the copy the previous call handed out, makes
 * a new control-owned copy of the column array (with the current widths and
 * positions, as the user may have changed them) and stores its address in
 * the pointer @p defs points to. The copy stays valid until the next call
 * with @p defs not NULL or the control's destruction; do not free it. It may
 * be changed and handed back to Tarn_SetColumns(). Its header text pointers
 * are the control's own texts: each is valid only until that header text
 * changes (Tarn_SetHeader_A(), Tarn_SetColumns()). With @p defs NULL only
 * the count is returned, and the previous copy is kept.
 *
 * @param hwnd The control window.
 * @param defs Receives the address of the copy; NULL to ask only for the
 *             count. Not written when the call fails.
 * @return The column count (1 or more); 0 for a bad handle (not -1) or when
 *         the copy cannot be allocated (the previous copy is freed then).
 * @sa Tarn_SetColumns()
 */
TARN32_API int     WINAPI Tarn_GetColumns(HWND hwnd, ColumnDef** defs);

/**
 * @brief Replaces the header text of one column.
 *
 * Copies @p text; NULL removes the text. The header text pointer of a
 * Tarn_GetColumns() copy for this column is invalid afterwards. The layout
 * is not changed.
 *
 * @param hwnd   The control window.
 * @param column Column index.
 * @param text   The new text, copied; NULL for none.
 * @return 1; 0 for a bad handle or column, or when the copy cannot be
 *         allocated (the old text is kept).
 * @par Notifications
 * None.
 * @par Repaints
 * The header band, when a header is shown.
 * @sa Tarn_GetHeader_A(), Tarn_GetHeaderLength()
 */
TARN32_API BOOL    WINAPI Tarn_SetHeader_A(HWND hwnd, int column, const char* text);

/**
 * @brief Copies the header text of one column into a buffer.
 *
 * Stores an empty string in @p buffer first (when it is not NULL and
 * @p cch is 1 or more), then at most @p cch - 1 characters of the text and
 * a terminating zero.
 *
 * @param hwnd   The control window.
 * @param column Column index.
 * @param buffer Receives the text; size it from Tarn_GetHeaderLength() + 1
 *               to get the whole text.
 * @param cch    Size of @p buffer in characters, terminating zero included.
 * @return The length copied, shorter than the text when it was cut; 0 when
 *         the column has no text, @p buffer is NULL or @p cch is below 1;
 *         -1 for a bad handle or column.
 * @sa Tarn_GetHeaderLength(), Tarn_SetHeader_A()
 */
TARN32_API int     WINAPI Tarn_GetHeader_A(HWND hwnd, int column, char* buffer, int cch);

/**
 * @brief Gives the length of one column's header text.
 *
 * @param hwnd   The control window.
 * @param column Column index.
 * @return The length without the terminating zero; 0 when the column has no
 *         text; -1 for a bad handle or column.
 * @sa Tarn_GetHeader_A()
 */
TARN32_API int     WINAPI Tarn_GetHeaderLength(HWND hwnd, int column);

/**
 * @brief Gets the rectangle of one column's header cell, or of the whole header band.
 *
 * In client coordinates of the control window. Column -1 gives the band:
 * from the row-header width (right of the corner cell) to the drop button of
 * a drop-down type, or to the right edge. A column's cell lies where its
 * display position puts it, moved by the horizontal offset; it may lie
 * partly or wholly outside the band (it is not clipped). The rectangle is
 * emptied first and stays empty for a bad column or when no header is
 * shown; a hidden column (width 0) has an empty one.
 *
 * @param hwnd   The control window.
 * @param column Column index; -1 for the whole header band.
 * @param rect   Receives the rectangle; with NULL the call returns 0.
 * @return 1 for a rectangle that is not empty; 0 for an empty one, a bad
 *         column or a NULL @p rect; 0 also for a bad handle (not -1).
 * @sa Tarn_SetShowHeader(), Tarn_GetRowColHeaderRect()
 */
TARN32_API int     WINAPI Tarn_GetHeaderRect(HWND hwnd, int column, RECT* rect);

/**
 * @brief Shows one column's header button pressed, or none.
 *
 * The pressed header is drawn pushed in. It stays so until this function
 * changes it, the user clicks another header (headers shown as buttons), or
 * a new column set no longer has that column. Any column may be chosen,
 * also a disabled or hidden one.
 *
 * @param hwnd   The control window.
 * @param column Column index; -1 releases the pressed button.
 * @return 1; 0 for a bad handle or a column outside -1 .. count - 1 (nothing
 *         changes then).
 * @par Notifications
 * None.
 * @par Repaints
 * The header band, when the pressed button changes and a header is shown.
 * @sa Tarn_GetHeaderButton()
 */
TARN32_API BOOL    WINAPI Tarn_SetHeaderButton(HWND hwnd, int column);

/**
 * @brief Gives the column whose header button is shown pressed.
 *
 * @param hwnd The control window.
 * @return The column index; -1 when none is pressed and for a bad handle.
 * @sa Tarn_SetHeaderButton()
 */
TARN32_API int     WINAPI Tarn_GetHeaderButton(HWND hwnd);

/**
 * @brief Allows or forbids resizing columns by dragging the header dividers.
 *
 * On by default. While it is on and a header is shown, the user can drag
 * the divider at the right edge of a column, except a column with
 * #TARNCOL_FIXEDWIDTH and the last column while it is open-ended
 * (Tarn_SetOpenEnded()); a finished resize sends #TARNN_COLUMNRESIZED. The switch is read when a
 * press begins: a resize in progress goes on.
 *
 * @param hwnd The control window.
 * @param on   Nonzero allows resizing (stored as 1), 0 forbids it.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetResizeHeader(), Tarn_SetReorderColumns()
 */
TARN32_API void    WINAPI Tarn_SetResizeHeader(HWND hwnd, BOOL on);

/**
 * @brief Tells whether the user may resize columns in the header.
 *
 * @param hwnd The control window.
 * @return 1 when allowed (the default); 0 when forbidden and for a bad
 *         handle.
 * @sa Tarn_SetResizeHeader()
 */
TARN32_API BOOL    WINAPI Tarn_GetResizeHeader(HWND hwnd);

/**
 * @brief Allows or forbids moving columns by dragging their headers.
 *
 * On by default. While it is on and there are two columns or more, a header
 * pressed and dragged beyond the system's drag distance becomes a column
 * being moved; dropping it changes the display positions (not the indexes)
 * and sends #TARNN_COLUMNMOVED. A column with #TARNCOL_FIXEDPOSITION neither
 * moves nor lets a moved column pass it. The switch is read as the pointer
 * moves: a move already begun goes on.
 *
 * @param hwnd The control window.
 * @param on   Nonzero allows moving (stored as 1), 0 forbids it.
 * @par Notifications
 * None.
 * @par Repaints
 * Nothing.
 * @sa Tarn_GetReorderColumns(), Tarn_SetResizeHeader()
 */
TARN32_API void    WINAPI Tarn_SetReorderColumns(HWND hwnd, BOOL on);

/**
 * @brief Tells whether the user may move columns in the header.
 *
 * @param hwnd The control window.
 * @return 1 when allowed (the default); 0 when forbidden and for a bad
 *         handle.
 * @sa Tarn_SetReorderColumns()
 */
TARN32_API BOOL    WINAPI Tarn_GetReorderColumns(HWND hwnd);

/**
 * @brief Sets the font of the column headers.
 *
 * The font is used, never deleted: keep it alive while it is set. NULL
 * paints the headers in the control font. The header band's height follows
 * the font, and the control is laid out again. WM_SETFONT to the control replaces this font with the new
 * control font.
 *
 * @param hwnd   The control window.
 * @param hfont  The font; NULL for the control font.
 * @param redraw Nonzero marks the whole control for repainting; 0 repaints
 *               nothing (the layout is still brought up to date).
 * @par Notifications
 * #TARNN_SIZE (14) when the new header height changes a drop-down type's
 * height.
 * @par Repaints
 * With @p redraw, the whole control, its list and its edit field, unless
 * redrawing is off (WM_SETREDRAW); without it, nothing.
 * @sa Tarn_GetColHeaderFont(), Tarn_SetRowHeaderFont(), Tarn_SetEditCtlFont()
 */
TARN32_API void    WINAPI Tarn_SetColHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw);

/**
 * @brief Gives the font of the column headers.
 *
 * @param hwnd The control window.
 * @return The font last set by Tarn_SetColHeaderFont() or, when WM_SETFONT
 *         came later, the control font (a new control has the one it was
 *         created with); NULL when NULL was set and for a bad handle.
 * @sa Tarn_SetColHeaderFont()
 */
TARN32_API HFONT   WINAPI Tarn_GetColHeaderFont(HWND hwnd);
/** @} */

/* --- Cell, row and colour formatting -------------------------------------- */
/**
 * @defgroup formatting Cell, row and colour formatting
 * @brief Per-cell and per-row-header formats, the colour table, the edit field font.
 *
 * Colours inherit from the more general level while they are
 * #TARN_COLOR_NONE: a cell from its column (ColumnDef) and then from the
 * control's colour table, a row header from the table. Fonts and bitmaps
 * given here are used, never deleted. See @ref page_colours.
 * @{
 */

/**
 * @brief Sets the colours, font, bitmap and application values of one cell.
 *
 * CellInfo.version must be #TARN_CELLINFO_VERSION (1); CellInfo.row and
 * CellInfo.column name the cell. All other fields are stored for it: the
 * four colours (#TARN_COLOR_NONE inherits), data0 to data2 (kept and
 * returned; data0 is the cell value Tarn_SortItemsEx() compares), the font
 * (NULL: the row's font), the bitmap (NULL: none), reserved and bitmapStyle
 * (TARNBS_*). Font and bitmap are not owned. The first cell formatted in a
 * row gives every cell of the row a format, unset until formatted. Row
 * heights that follow the new font or bitmap are measured at the next
 * layout.
 *
 * Row -1 formats no cell: it sets the size at which every cell bitmap is
 * drawn, from CellInfo.hbm (NULL: no size); the other fields are ignored,
 * and it is allowed in virtual mode.
 *
 * Refused: a NULL @p info, another version, a bad row or column, a handle in
 * CellInfo.hbm that is not a bitmap, a row in virtual mode, a lack of memory.
 *
 * @param hwnd The control window.
 * @param info The cell and its format; read only.
 * @return 1; 0 for a bad handle or a refused call.
 * @par Notifications
 * None for a cell. Row -1 lays the control out, which sends #TARNN_SIZE (14)
 * when a drop-down type's height changes.
 * @par Repaints
 * A cell: its row with the row header, and the field when it is the current
 * row; with #TARNS_VARIABLEHEIGHT, when the new font or bitmap changes the
 * row's height, also every row below it. Row -1: the whole control, its list and its edit field when the
 * bitmap height changed, nothing otherwise.
 * @sa Tarn_GetCellInfo(), Tarn_SetRowInfo(), CellInfo
 */
TARN32_API BOOL    WINAPI Tarn_SetCellInfo(HWND hwnd, const CellInfo* info);

/**
 * @brief Reads the format of one cell.
 *
 * CellInfo.version must be #TARN_CELLINFO_VERSION (1); CellInfo.row and
 * CellInfo.column name the cell (row -1 is refused). Fills in the colours,
 * data0 to data2, the font, the bitmap, reserved and bitmapStyle; a cell
 * never formatted reads as #TARN_COLOR_NONE colours and zeros. The version,
 * row and column are left as they are. In virtual mode the row is fetched
 * and its record's cell formats are read.
 *
 * @param hwnd The control window.
 * @param info Names the cell and receives its format.
 * @return 1; 0 for a bad handle, a NULL @p info, another version, or a bad
 *         row or column.
 * @sa Tarn_SetCellInfo()
 */
TARN32_API BOOL    WINAPI Tarn_GetCellInfo(HWND hwnd, CellInfo* info);

/**
 * @brief Sets the colours and bitmap of one row's header.
 *
 * RowInfo.version must be #TARN_ROWINFO_VERSION (1); RowInfo.row names the
 * row. Stores the four colours (#TARN_COLOR_NONE inherits from the control's
 * row-header colours), the bitmap (NULL: none; not owned) and bitmapStyle
 * (TARNBS_*) of its row header.
 *
 * Row -1 formats no row: it sets the size at which every row-header bitmap
 * is drawn, from RowInfo.hbm (NULL: no size); the other fields are ignored,
 * and it is allowed in virtual mode.
 *
 * Refused: a NULL @p info, another version, a bad row, a handle in
 * RowInfo.hbm that is not a bitmap, a row in virtual mode, a lack of memory.
 *
 * @param hwnd The control window.
 * @param info The row and its header's format; read only.
 * @return 1; 0 for a bad handle or a refused call.
 * @par Notifications
 * None for a row. Row -1 lays the control out, which sends #TARNN_SIZE (14)
 * when a drop-down type's height changes.
 * @par Repaints
 * A row: the row with its header, and the field when it is the current
 * row; with #TARNS_VARIABLEHEIGHT, when the new bitmap changes the row's
 * height, also every row below it. Row -1: every row with its header, and the field, when the bitmap
 * height changed; nothing otherwise.
 * @sa Tarn_GetRowInfo(), Tarn_SetRowText_A(), RowInfo
 */
TARN32_API BOOL    WINAPI Tarn_SetRowInfo(HWND hwnd, const RowInfo* info);

/**
 * @brief Reads the format of one row's header.
 *
 * RowInfo.version must be #TARN_ROWINFO_VERSION (1); RowInfo.row names the
 * row (-1 is refused). Fills in the colours, the bitmap and bitmapStyle; a
 * row never formatted reads as #TARN_COLOR_NONE colours, no bitmap and
 * style 0. The version and row are left as they are. In virtual mode the
 * row is fetched and its record's row format is read.
 *
 * @param hwnd The control window.
 * @param info Names the row and receives its header's format.
 * @return 1; 0 for a bad handle, a NULL @p info, another version, or a bad
 *         row.
 * @sa Tarn_SetRowInfo()
 */
TARN32_API BOOL    WINAPI Tarn_GetRowInfo(HWND hwnd, RowInfo* info);

/**
 * @brief Replaces the control's table of 37 colours.
 *
 * Copies the whole table; the values are not checked. TarnColorIndex gives
 * the index of each entry. A value is an RGB colour or TARN_SYSCOLOR(n),
 * resolved when painted, so it follows changes of the system colours.
 * altBackColor and altTextColor colour the rows of odd index when they are
 * not #TARN_COLOR_NONE. Column and cell colours take precedence over the
 * table. A new control's table holds system colours, with altBackColor and
 * altTextColor #TARN_COLOR_NONE. To change one entry, read the table with
 * Tarn_GetCtlColors(), change it and set it back. A NULL @p colors does
 * nothing.
 *
 * @param hwnd   The control window.
 * @param colors The new table; copied.
 * @par Notifications
 * None.
 * @par Repaints
 * The whole control, its list and its edit field, unless redrawing is off
 * (WM_SETREDRAW).
 * @sa Tarn_GetCtlColors(), CtlColors, @ref page_colours
 */
TARN32_API void    WINAPI Tarn_SetCtlColors(HWND hwnd, const CtlColors* colors);

/**
 * @brief Copies the control's table of 37 colours.
 *
 * Copies the table as stored: system colours stay TARN_SYSCOLOR(n) values.
 * With a bad handle or a NULL @p colors nothing is written.
 *
 * @param hwnd   The control window.
 * @param colors Receives the whole table.
 * @sa Tarn_SetCtlColors(), CtlColors
 */
TARN32_API void    WINAPI Tarn_GetCtlColors(HWND hwnd, CtlColors* colors);

/**
 * @brief Sets the font of the edit field.
 *
 * The font is used, never deleted: keep it alive while it is set. NULL
 * means the control font. The edit field of types 0 and 1 gets it at once,
 * and a field rebuilt by Tarn_SetColumns() gets it too; the field's height
 * follows it, and the control is laid out again. Types 2 and 3 have no edit
 * field: the font is only kept. WM_SETFONT to the control replaces this
 * font with the new control font.
 *
 * @param hwnd   The control window.
 * @param hfont  The font; NULL for the control font.
 * @param redraw Nonzero marks the whole control for repainting; 0 repaints
 *               nothing (the layout is still brought up to date).
 * @par Notifications
 * #TARNN_SIZE (14) when the new field height changes a drop-down type's
 * height.
 * @par Repaints
 * With @p redraw, the whole control, its list and its edit field, unless
 * redrawing is off (WM_SETREDRAW); without it, nothing.
 * @sa Tarn_GetEditCtlFont(), Tarn_SetColHeaderFont(), Tarn_GetHWNDEdit()
 */
TARN32_API void    WINAPI Tarn_SetEditCtlFont(HWND hwnd, HFONT hfont, BOOL redraw);

/**
 * @brief Gives the font of the edit field.
 *
 * @param hwnd The control window.
 * @return The font last set by Tarn_SetEditCtlFont() or, when WM_SETFONT
 *         came later, the control font (a new control has the one it was
 *         created with); NULL when NULL was set and for a bad handle.
 * @sa Tarn_SetEditCtlFont()
 */
TARN32_API HFONT   WINAPI Tarn_GetEditCtlFont(HWND hwnd);
/** @} */

/* --- Row headers and corner cell ------------------------------------------ */
/**
 * @defgroup rowheaders Row headers and corner cell
 * @brief The row headers left of the rows and the corner cell above them.
 *
 * The row-header strip runs down the left edge: in the list window beside
 * every row, and in the control window beside the field, where the field's
 * row header shows the committed row. Where the strip meets the column-header
 * band sits the corner cell, which exists only while both are shown. A new
 * control has no strip (width 0); Tarn_SetShowRowHeader() or
 * Tarn_SetRowHeaderWidth() gives it one. The texts of the row headers
 * themselves are set per row (Tarn_SetRowText_A()), their colours and
 * bitmaps with Tarn_SetRowInfo().
 * @{
 */

/**
 * @brief Sets the width of the row-header strip.
 *
 * A width of 0 removes the row headers, and with them the corner cell; any
 * other width shows them. While the strip is shown, the row-header font and
 * row-header bitmaps count in the height of every row and of the field, and
 * the corner bitmap in the height of the header band. A negative width is
 * ignored. Any other width, even the current one, ends the automatic width
 * that Tarn_SetShowRowHeader() chose and kept fitting the row numbers.
 *
 * @param hwnd   The control window.
 * @param width  The strip width in pixels; 0 removes the row headers.
 * @par Notifications
 * #TARNN_SIZE (14) when the new layout changes the control's height;
 * otherwise none.
 * @par Repaints
 * The whole control (control window, list window and edit field) at the
 * next paint, when the width changes and redrawing is on.
 * @sa Tarn_GetRowHeaderWidth(), Tarn_SetShowRowHeader(),
 *     Tarn_CalcOptimalRowHeaderWidth()
 */
TARN32_API void    WINAPI Tarn_SetRowHeaderWidth(HWND hwnd, int width);

/**
 * @brief Returns the width of the row-header strip.
 *
 * @param hwnd  The control window.
 * @return The width in pixels, 0 when no row header is shown (as in a new
 *         control); -1 for a bad handle.
 * @sa Tarn_SetRowHeaderWidth()
 */
TARN32_API int     WINAPI Tarn_GetRowHeaderWidth(HWND hwnd);

/**
 * @brief Sets the format of every row header.
 *
 * The style combines one alignment (#TARNRHS_LEFT, #TARNRHS_CENTER,
 * #TARNRHS_RIGHT) with #TARNRHS_WORDWRAP (the text wraps within the
 * header), #TARNRHS_NOPRESS (the header of the highlighted row is not drawn
 * pressed) and #TARNRHS_DISABLED (grey text; a click on a row header only
 * beeps instead of highlighting its row). The value is stored as given; a
 * new control has 0. It applies to the field's row header too.
 *
 * @param hwnd   The control window.
 * @param style  Format bits, the TARNRHS_ flags.
 * @par Notifications
 * None.
 * @par Repaints
 * The row-header strip of the list and the field, with its row header, at
 * the next paint when redrawing is on; also when the style is unchanged.
 * @sa Tarn_GetRowHeaderStyle(), Tarn_SetRowColHeaderStyle()
 */
TARN32_API void    WINAPI Tarn_SetRowHeaderStyle(HWND hwnd, UINT style);

/**
 * @brief Returns the format of the row headers.
 *
 * @param hwnd  The control window.
 * @return The TARNRHS_ flags last set (0 in a new control); 0 also for a
 *         bad handle.
 * @sa Tarn_SetRowHeaderStyle()
 */
TARN32_API UINT    WINAPI Tarn_GetRowHeaderStyle(HWND hwnd);

/**
 * @brief Sets the font of the row headers.
 *
 * The font is used, not owned: keep it alive while it is set and delete it
 * yourself afterwards. NULL means the control font. Its height (plus 3
 * pixels) counts in the height of every row and of the field while a row
 * header is shown, and a strip width chosen by Tarn_SetShowRowHeader() is
 * refitted to it. The corner cell is drawn in the column-header font, not
 * in this one. A WM_SETFONT to the control replaces the row-header font
 * with the new control font.
 *
 * @param hwnd    The control window.
 * @param hfont   The font, or NULL for the control font.
 * @param redraw  Nonzero to repaint the control; zero lays it out without
 *                marking anything for painting.
 * @par Notifications
 * #TARNN_SIZE (14) when the new layout changes the control's height;
 * otherwise none.
 * @par Repaints
 * With @p redraw, the whole control at the next paint (nothing while
 * redrawing is off); without it, nothing.
 * @sa Tarn_GetRowHeaderFont(), Tarn_SetColHeaderFont()
 */
TARN32_API void    WINAPI Tarn_SetRowHeaderFont(HWND hwnd, HFONT hfont, BOOL redraw);

/**
 * @brief Returns the font of the row headers.
 *
 * @param hwnd  The control window.
 * @return The font last set by Tarn_SetRowHeaderFont() or WM_SETFONT; NULL
 *         when none is set (the control font is used) and for a bad handle.
 * @sa Tarn_SetRowHeaderFont()
 */
TARN32_API HFONT   WINAPI Tarn_GetRowHeaderFont(HWND hwnd);

/**
 * @brief Gets the rectangle of a row's header or of the field's.
 *
 * For index -1 the rectangle is the field's row header, in control client
 * coordinates. For a row it is that row's header in list-window coordinates
 * (left edge 0, as wide as the strip), which needs a list window (type 0,
 * or an open list); a row out of view gets the whole height of the list.
 * The rectangle is empty without a row header, for an index below -1 or
 * not below Tarn_GetCount(), and for a row while there is no list window.
 *
 * @param hwnd   The control window.
 * @param index  Row index; -1 means the field's row header.
 * @param rect   Receives the rectangle; NULL is ignored. Left untouched for
 *               a bad handle.
 * @sa Tarn_GetRowHeaderWidth(), Tarn_GetItemRect(), Tarn_GetRowColHeaderRect()
 */
TARN32_API void    WINAPI Tarn_GetRowHeaderRect(HWND hwnd, int index, RECT* rect);

/**
 * @brief Sets the text of the corner cell.
 *
 * The text is copied. NULL clears it, as "" does. It is drawn in the
 * column-header font with the format of Tarn_SetRowColHeaderStyle(), and
 * Tarn_CalcOptimalRowHeaderWidth() measures it; it is kept while the
 * corner is not shown.
 *
 * @param hwnd  The control window.
 * @param text  The new text, or NULL.
 * @return TRUE when stored; FALSE for a bad handle or when the copy cannot
 *         be made (the old text stays).
 * @par Notifications
 * None.
 * @par Repaints
 * The corner cell, when it is shown and redrawing is on, at the next paint.
 * @sa Tarn_GetRowColText_A(), Tarn_GetRowColTextLength()
 */
TARN32_API BOOL    WINAPI Tarn_SetRowColText_A(HWND hwnd, const char* text);

/**
 * @brief Copies the text of the corner cell into a buffer.
 *
 * At most @p cch - 1 characters are copied, followed by a terminating zero;
 * a longer text is cut.
 *
 * @param hwnd    The control window.
 * @param buffer  Receives the text and its terminating zero; an empty string
 *                is stored first. NULL copies nothing.
 * @param cch     Size of @p buffer in characters, terminator included; below
 *                1 nothing is copied; size it from
 *                Tarn_GetRowColTextLength() + 1.
 * @return The length of the text copied; 0 for an empty text, a NULL buffer,
 *         @p cch below 1, and also for a bad handle (the buffer is then left
 *         untouched).
 * @sa Tarn_SetRowColText_A(), Tarn_GetRowColTextLength()
 */
TARN32_API int     WINAPI Tarn_GetRowColText_A(HWND hwnd, char* buffer, int cch);

/**
 * @brief Returns the length of the corner cell's text.
 *
 * @param hwnd  The control window.
 * @return The length in characters without the terminator, 0 when there is
 *         no text; -1 for a bad handle.
 * @sa Tarn_GetRowColText_A()
 */
TARN32_API int     WINAPI Tarn_GetRowColTextLength(HWND hwnd);

/**
 * @brief Sets the bitmap of the corner cell.
 *
 * The bitmap is used, not owned: keep it alive while it is set and delete it
 * yourself afterwards. Its size is read when it is set; a handle GDI cannot
 * describe is stored as NULL. While a row header is shown, the bitmap's
 * height (plus 3 pixels) counts in the height of the header band. Where it
 * goes beside the text is set by Tarn_SetRowColBitmapStyle().
 *
 * @param hwnd  The control window.
 * @param hbm   The bitmap, or NULL for none.
 * @par Notifications
 * #TARNN_SIZE (14) when the new layout changes the control's height;
 * otherwise none.
 * @par Repaints
 * When the bitmap height differs from the previous one's, the control is
 * laid out again and repainted whole; otherwise only the corner cell. At
 * the next paint, and only while redrawing is on.
 * @sa Tarn_GetRowColBitmap(), Tarn_SetRowColBitmapStyle()
 */
TARN32_API void    WINAPI Tarn_SetRowColBitmap(HWND hwnd, HBITMAP hbm);

/**
 * @brief Returns the bitmap of the corner cell.
 *
 * @param hwnd  The control window.
 * @return The bitmap set, NULL when there is none (or the one set was not a
 *         bitmap GDI could describe); NULL for a bad handle.
 * @sa Tarn_SetRowColBitmap()
 */
TARN32_API HBITMAP WINAPI Tarn_GetRowColBitmap(HWND hwnd);

/**
 * @brief Sets where the corner bitmap goes beside the corner text.
 *
 * #TARNBS_LEFT (the default) puts it left of the text, #TARNBS_RIGHT right
 * of it, #TARNBS_ALONE centres it and leaves the text out. The value is
 * stored as given.
 *
 * @param hwnd   The control window.
 * @param style  A #TARNBS_LEFT, #TARNBS_ALONE or #TARNBS_RIGHT value.
 * @par Notifications
 * None.
 * @par Repaints
 * The corner cell, when it is shown and redrawing is on, at the next paint;
 * also when the style is unchanged.
 * @sa Tarn_GetRowColBitmapStyle(), Tarn_SetRowColBitmap()
 */
TARN32_API void    WINAPI Tarn_SetRowColBitmapStyle(HWND hwnd, int style);

/**
 * @brief Returns where the corner bitmap goes beside the corner text.
 *
 * @param hwnd  The control window.
 * @return The TARNBS_ value last set (#TARNBS_LEFT in a new control); -1
 *         for a bad handle.
 * @sa Tarn_SetRowColBitmapStyle()
 */
TARN32_API int     WINAPI Tarn_GetRowColBitmapStyle(HWND hwnd);

/**
 * @brief Sets the format of the corner cell.
 *
 * The style combines one alignment (#TARNRHS_LEFT, #TARNRHS_CENTER,
 * #TARNRHS_RIGHT) with #TARNRHS_WORDWRAP, #TARNRHS_NOPRESS (a click shows
 * the corner button pressed only for a moment, then it springs back up) and
 * #TARNRHS_DISABLED (grey text; a click only beeps and sends nothing). The
 * value is stored as given; a new control has 0.
 *
 * @param hwnd   The control window.
 * @param style  Format bits, the TARNRHS_ flags.
 * @par Notifications
 * None.
 * @par Repaints
 * The corner cell, when it is shown and redrawing is on, at the next paint;
 * also when the style is unchanged.
 * @sa Tarn_GetRowColHeaderStyle(), Tarn_SetRowHeaderStyle()
 */
TARN32_API void    WINAPI Tarn_SetRowColHeaderStyle(HWND hwnd, UINT style);

/**
 * @brief Returns the format of the corner cell.
 *
 * @param hwnd  The control window.
 * @return The TARNRHS_ flags last set (0 in a new control); 0 also for a
 *         bad handle.
 * @sa Tarn_SetRowColHeaderStyle()
 */
TARN32_API UINT    WINAPI Tarn_GetRowColHeaderStyle(HWND hwnd);

/**
 * @brief Sets whether the corner button is pressed.
 *
 * A pressed corner is drawn down, its content one pixel to the right. A
 * click on the corner button (see Tarn_SetShowRowColHeaderButton()) toggles
 * this state, or with #TARNRHS_NOPRESS leaves it up, and sends
 * #TARNN_LCLICKCORNER (37) or the matching code of another button. A new
 * control's corner is up.
 *
 * @param hwnd     The control window.
 * @param pressed  Nonzero for pressed (stored as 1), zero for up.
 * @par Notifications
 * None.
 * @par Repaints
 * The corner cell, when the state changes, the corner is shown and
 * redrawing is on, at the next paint.
 * @sa Tarn_GetRowColHeaderButton(), Tarn_SetRowColHeaderStyle()
 */
TARN32_API void    WINAPI Tarn_SetRowColHeaderButton(HWND hwnd, BOOL pressed);

/**
 * @brief Returns whether the corner button is pressed.
 *
 * @param hwnd  The control window.
 * @return 1 when pressed, 0 when up; 0 also for a bad handle.
 * @sa Tarn_SetRowColHeaderButton()
 */
TARN32_API BOOL    WINAPI Tarn_GetRowColHeaderButton(HWND hwnd);

/**
 * @brief Gets the rectangle of the corner cell.
 *
 * The rectangle is in control client coordinates: from the top left corner,
 * as wide as the row-header strip and as high as the header band. It is
 * empty unless both a column header (Tarn_SetShowHeader()) and a row header
 * are shown.
 *
 * @param hwnd  The control window.
 * @param rect  Receives the rectangle; NULL is ignored. Left untouched for a
 *              bad handle.
 * @sa Tarn_GetRowHeaderRect(), Tarn_GetHeaderRect()
 */
TARN32_API void    WINAPI Tarn_GetRowColHeaderRect(HWND hwnd, RECT* rect);

/**
 * @brief Sets whether the corner cell is a button.
 *
 * As a button (the default) the corner has a raised frame while up and
 * takes clicks (see Tarn_SetRowColHeaderButton()); otherwise it is flat and
 * a press on it is ignored.
 *
 * @param hwnd  The control window.
 * @param on    Nonzero for a button (stored as 1), zero for a flat cell.
 * @par Notifications
 * None.
 * @par Repaints
 * The corner cell, when the setting changes, the corner is shown and
 * redrawing is on, at the next paint.
 * @sa Tarn_GetShowRowColHeaderButton()
 */
TARN32_API void    WINAPI Tarn_SetShowRowColHeaderButton(HWND hwnd, BOOL on);

/**
 * @brief Returns whether the corner cell is a button.
 *
 * @param hwnd  The control window.
 * @return 1 for a button (the default), 0 for a flat cell; 0 also for a bad
 *         handle.
 * @sa Tarn_SetShowRowColHeaderButton()
 */
TARN32_API BOOL    WINAPI Tarn_GetShowRowColHeaderButton(HWND hwnd);
/** @} */

/* --- Optimal widths and horizontal extent --------------------------------- */
/**
 * @defgroup optimal Optimal widths and horizontal extent
 * @brief Measuring columns and row headers to fit their contents.
 *
 * Every measurement covers the first @p maxRows rows; a @p maxRows below 1
 * measures every row. Texts are measured on one line, word-wrapped columns
 * too. In virtual mode the measured rows are fetched from the application
 * (@ref page_virtual). Measuring a column also finds the deepest tree level
 * among the measured rows, and the control's deepest level (and with it the
 * indentation before the first column, Tarn_GetOverheadWidth()) follows
 * it, so a measurement bounded by @p maxRows may narrow the indentation;
 * the parent is then told with #TARNN_OVERHEADCHANGE (12).
 * @{
 */

/**
 * @brief Measures the width a column needs to show its contents.
 *
 * The width is the largest of: the average character width of the control
 * font; the column's header, when the header band is shown and the column
 * has a header text (the text in the column-header font, its bitmap, and
 * margins); and every measured cell (its text in its cell font or the
 * control font, plus its bitmap once cell bitmaps have a size, plus half an
 * average character at either side). The tree indentation is not part of
 * it. A hidden column (width 0) is measured like any other. Nothing is
 * applied to the column: Tarn_MakeColumnOptimal() does that.
 *
 * @param hwnd     The control window.
 * @param column   Column index.
 * @param maxRows  Rows to measure, from row 0; below 1 measures every row.
 * @return The width in pixels; -1 for a bad handle or column, when no
 *         device context can be had, or when the control was destroyed while
 *         a virtual row was fetched.
 * @par Notifications
 * #TARNN_OVERHEADCHANGE (12) when the deepest level of the measured rows
 * differs from the control's and the indentation width changes with it.
 * @par Repaints
 * When the deepest level changes: the header band and, with more than one
 * column, every row, at the next paint. Otherwise nothing.
 * @sa Tarn_MakeColumnOptimal(), Tarn_RecalcHorizontalExtent()
 */
TARN32_API int     WINAPI Tarn_CalcOptimalColumnWidth(HWND hwnd, int column, int maxRows);

/**
 * @brief Measures the width the row-header strip needs to show its contents.
 *
 * Each measured row's header is its row text, or without one the index or
 * number that Tarn_SetShowRowHeader() shows (nothing in the two modes
 * without numbers), in the row-header font, plus its row-header bitmap; the
 * widest of them plus an average character and 3 pixels is the result. When
 * the header band is shown and the corner has a text, the result is at
 * least the corner's width (its text in the column-header font, its bitmap
 * and margins). Nothing is applied: pass the result to
 * Tarn_SetRowHeaderWidth().
 *
 * @param hwnd     The control window.
 * @param maxRows  Rows to measure, from row 0; below 1 measures every row.
 * @return The width in pixels; 0 when no row header is shown (width 0);
 *         -1 for a bad handle, when no device context can be had, or when
 *         the control was destroyed while a virtual row was fetched.
 * @sa Tarn_SetRowHeaderWidth(), Tarn_SetRowColText_A()
 */
TARN32_API int     WINAPI Tarn_CalcOptimalRowHeaderWidth(HWND hwnd, int maxRows);

/**
 * @brief Sets a column's width, or every column's, to what its contents need.
 *
 * Each column gets the width Tarn_CalcOptimalColumnWidth() measures; a
 * hidden column (width 0) thereby becomes visible. With @p column -1 the
 * columns are done one after another in index order. Any other bad column
 * does nothing. The horizontal extent stays as it is: call
 * Tarn_RecalcHorizontalExtent() afterwards when the columns are to scroll
 * over their new widths. #TARNN_COLUMNRESIZED is not sent; it reports the
 * user's resizing only.
 *
 * @param hwnd     The control window.
 * @param column   Column index; -1 means every column.
 * @param maxRows  Rows to measure, from row 0; below 1 measures every row.
 * @par Notifications
 * #TARNN_OVERHEADCHANGE (12) when the deepest level of the measured rows
 * changes the indentation width (at most once, for the first column
 * measured).
 * @par Repaints
 * The header band and every row, with the row headers, at the next paint,
 * when a width changes (and, as for Tarn_CalcOptimalColumnWidth(), when the
 * deepest level changes).
 * @sa Tarn_CalcOptimalColumnWidth(), Tarn_SetColumns()
 */
TARN32_API void    WINAPI Tarn_MakeColumnOptimal(HWND hwnd, int column, int maxRows);

/**
 * @brief Sets the horizontal extent to the width of the columns.
 *
 * With an open-ended last column (Tarn_SetOpenEnded(), the default) the
 * extent ends where the last visible column would end at the width
 * Tarn_CalcOptimalColumnWidth() measures for it; otherwise it ends at the
 * right edge of the last visible column as it is. Either way the extent
 * covers the indentation and the columns, not the row-header strip, and
 * the control's deepest level first follows the measured rows. The extent
 * is then applied as by Tarn_SetHorizontalExtent(), and the horizontal
 * offset again as by Tarn_SetHorizontalOffset(), which pulls it back
 * within the new extent.
 *
 * @param hwnd     The control window.
 * @param maxRows  Rows to measure, from row 0; below 1 measures every row.
 * @return 1 when the extent was set; -1 for a bad handle, a control without
 *         columns, or when the last column's measurement failed (no device
 *         context, or the control destroyed while a virtual row was
 *         fetched).
 * @par Notifications
 * #TARNN_OVERHEADCHANGE (12) when the measured depth changes the
 * indentation width. No #TARNN_HOFFSETCHANGE, even when the offset is
 * pulled back.
 * @par Repaints
 * The horizontal scroll bar. When the offset is pulled back, the header
 * band and every row; when the deepest level changes, as for
 * Tarn_CalcOptimalColumnWidth(). At the next paint.
 * @sa Tarn_SetHorizontalExtent(), Tarn_GetHorizontalExtent(),
 *     Tarn_MakeColumnOptimal()
 */
TARN32_API int     WINAPI Tarn_RecalcHorizontalExtent(HWND hwnd, int maxRows);
/** @} */

/* --- Geometry and hit testing --------------------------------------------- */
/**
 * @defgroup geometry Geometry and hit testing
 * @brief Row heights, rectangles and the row under a point.
 *
 * Three coordinate systems are used. The field (the edit field or the
 * selection field at the top of the control, below the header band) and the
 * corner cell are in the control window's client coordinates. Rows and
 * cells are in the list window's client coordinates (Tarn_GetHWNDDropDown()),
 * and exist only while there is a list window: always for type 0, only
 * while the list is open for the drop-down types. Points given to
 * Tarn_CalcIndexFromPoint() are in control client coordinates, even where
 * they lie over the dropped list. Queries never notify.
 * @{
 */

/**
 * @brief Returns the height of a row or of the field.
 *
 * Rows of one height (without #TARNS_VARIABLEHEIGHT) are all as high as
 * Tarn_GetItemLines() lines of the control font, or as the tallest shared
 * bitmap, row-header font or row-header bitmap that applies, plus 2 pixels
 * for the 3D look and 1 for a horizontal grid line. Rows of variable height
 * are measured from their own contents: word-wrapped texts, cell fonts and
 * bitmaps; a virtual row is fetched for that. The field is 4 pixels higher
 * than its content: the edit field's font (and, while a row header is
 * shown, the row-header font and bitmap), or without an edit field (types 2
 * and 3) the committed row, the one the field shows (row 0 when there is
 * none).
 *
 * @param hwnd   The control window.
 * @param index  Row index; -1 means the field.
 * @return The height in pixels; -1 for a bad handle or index.
 * @sa Tarn_SetItemLines(), Tarn_GetItemRect()
 */
TARN32_API int     WINAPI Tarn_GetItemHeight(HWND hwnd, int index);

/**
 * @brief Returns how many lines of text a row holds.
 *
 * @param hwnd  The control window.
 * @return The line count, 1 in a new control; -1 for a bad handle.
 * @sa Tarn_SetItemLines()
 */
TARN32_API int     WINAPI Tarn_GetItemLines(HWND hwnd);

/**
 * @brief Sets how many lines of text a row holds.
 *
 * Rows of one height become that many lines of the control font high. A
 * text in a word-wrapped column (#TARNCF_WORDWRAP) shows up to that many
 * lines; with #TARNS_VARIABLEHEIGHT a row grows to hold its wrapped texts
 * up to that limit, while other columns stay on one line. Without an edit
 * field (types 2 and 3) the field is as high as a row, so the control's
 * height follows. A count below 1 is refused.
 *
 * @param hwnd   The control window.
 * @param lines  The line count, 1 or more.
 * @return TRUE when set (also when unchanged); FALSE for a count below 1 or
 *         a bad handle.
 * @par Notifications
 * #TARNN_SIZE (14) when the new layout changes the control's height;
 * otherwise none.
 * @par Repaints
 * Every row of the list, with the row headers, at the next paint, when the
 * count changes and redrawing is on.
 * @sa Tarn_GetItemLines(), Tarn_GetItemHeight()
 */
TARN32_API BOOL    WINAPI Tarn_SetItemLines(HWND hwnd, int lines);

/**
 * @brief Gets the rectangle of a visible row or of the field.
 *
 * For index -1 the rectangle is the field in control client coordinates:
 * right of the row-header strip, below the header band, and left of the
 * drop button of the drop-down types. For a row it is the row in list-window
 * coordinates, from the right of the row-header strip to the list's right
 * edge; the row must be in view: at or below the top row and starting above
 * the bottom of the list (a row cut off at the bottom counts), which needs a
 * list window.
 *
 * @param hwnd   The control window.
 * @param index  Row index; -1 means the field.
 * @param rect   Receives the rectangle; emptied when the row is not in view.
 *               Left untouched for a bad handle.
 * @return 0 when the rectangle was stored; -1 (#TARN_ERR) for a bad handle,
 *         a NULL @p rect, a bad index, or a row out of view or without a
 *         list window.
 * @sa Tarn_GetCellRect(), Tarn_GetRowHeaderRect(), Tarn_GetItemsShown()
 */
TARN32_API int     WINAPI Tarn_GetItemRect(HWND hwnd, int index, RECT* rect);

/**
 * @brief Returns the rectangle of one cell of a visible row.
 *
 * The rectangle is in list-window coordinates, shifted by the horizontal
 * offset, and may reach beyond the visible part of the list. The cell of
 * the first visible column starts after its row's indentation (tree level,
 * label, item bitmap) and ends where that column ends for every level; a
 * hidden column, and every column after the last visible one, has a width
 * of 0; an open-ended last column runs to the end of the list or of the
 * horizontal extent, whichever is further. The row must be in view as for
 * Tarn_GetItemRect().
 *
 * @param hwnd    The control window.
 * @param row     Row index; negative means the committed row, the one the
 *                field shows.
 * @param column  Column index; negative means the caret column
 *                (Tarn_GetCaretColumn()).
 * @return A pointer to a rectangle the control owns: do not free it. It
 *         stays valid while the control lives and is overwritten by the next
 *         Tarn_GetCellRect() or Tarn_MakeColumnVisible() on the same
 *         control; copy it to keep it. NULL for a bad handle, row or
 *         column (also when there is no committed row or caret column), or
 *         a row out of view; the last rectangle is then left as it was.
 * @sa Tarn_GetItemRect(), Tarn_MakeColumnVisible()
 */
TARN32_API RECT*   WINAPI Tarn_GetCellRect(HWND hwnd, int row, int column);

/**
 * @brief Returns how many rows the list shows.
 *
 * For type 0, and for an open list with rows of variable height, the count
 * comes from the list window: its client height divided by the row height,
 * or with variable heights the rows from the top row that fit whole. For
 * the drop-down types with rows of one height, and whenever there is no
 * list window, it comes from the dropped height (Tarn_SetDroppedHeight()):
 * its row count, or a height in pixels divided by the field's height.
 *
 * @param hwnd  The control window.
 * @return The row count, at least 1; -1 for a bad handle.
 * @sa Tarn_SetDroppedHeight(), Tarn_SetTopIndex()
 */
TARN32_API int     WINAPI Tarn_GetItemsShown(HWND hwnd);

/**
 * @brief Finds the row under a point.
 *
 * A point over the list window's item area, the row-header strip included,
 * gives the row under it, or -1 below the last row. A point in the field,
 * including its row header but not the drop button, gives the committed
 * row, the one the field shows, and sets @p inField. Anything else (the
 * header band, the drop button, outside the control and its list) gives -1.
 *
 * @param hwnd     The control window.
 * @param pt       The point in control client coordinates; it may lie
 *                 outside the control's client area, over the dropped list.
 * @param inField  Optional (may be NULL): receives 1 when the point lies in
 *                 the field, else 0. Left untouched for a bad handle.
 * @return The row index; the committed row (-1 when there is none) for a
 *         point in the field; -1 for no row, a NULL @p pt or a bad handle.
 * @sa Tarn_GetItemRect(), Tarn_SetCurSel()
 */
TARN32_API int     WINAPI Tarn_CalcIndexFromPoint(HWND hwnd, const POINT* pt, int* inField);
/** @} */

/* --- Scrolling and visibility --------------------------------------------- */
/**
 * @defgroup scrolling Scrolling and visibility
 * @brief Top row, horizontal extent and offset, scroll bars.
 *
 * The rows scroll vertically by whole rows: the top index is the first row
 * in view. The columns scroll horizontally by pixels: the offset is how far
 * they are scrolled left within the horizontal extent, the scrollable width
 * of the indentation and the columns. The scroll bars belong to the list
 * window and exist only when the control was created with WS_VSCROLL or
 * WS_HSCROLL. #TARNN_TOPINDEXCHANGE (6) and #TARNN_HOFFSETCHANGE (10)
 * report scrolling: by the user (the scroll bars, the mouse wheel, the
 * automatic scrolling while dragging), by a row brought into view when the
 * selection moves (by the keyboard, or Tarn_SetCurSel() for instance), and
 * by Tarn_MakeRowVisible() and Tarn_MakeColumnVisible(). Tarn_SetTopIndex(),
 * Tarn_SetHorizontalOffset() and Tarn_SetHorizontalExtent() send neither.
 * @{
 */

/**
 * @brief Returns the first row in view.
 *
 * @param hwnd  The control window.
 * @return The top row index, 0 in a new or empty control; -1 for a bad
 *         handle.
 * @sa Tarn_SetTopIndex(), Tarn_GetItemsShown()
 */
TARN32_API int     WINAPI Tarn_GetTopIndex(HWND hwnd);

/**
 * @brief Scrolls the list so that a row is at the top.
 *
 * What the list has pending is painted first (the draw-info callback may
 * run). The top is then kept so that the last page stays full: it is at
 * most Tarn_GetCount() - Tarn_GetItemsShown(), and at least 0. A closed
 * drop-down list keeps the top for when it opens; opening it then brings
 * the committed row into view. Nothing is sent, not even when the top
 * moves.
 *
 * @param hwnd   The control window.
 * @param index  Row index, 0 to Tarn_GetCount() - 1.
 * @return 0 when the row is valid (also when the top did not move); -1
 *         (#TARN_ERR) for a bad handle or row.
 * @par Notifications
 * None; #TARNN_TOPINDEXCHANGE is not sent.
 * @par Repaints
 * Nothing when the top stays. When it moves down to a row now in view and
 * the control is shown with redrawing on, the rows that stay are scrolled
 * and the rows that come in are painted at once; any other move marks every
 * row, with the row headers, for the next paint. The vertical scroll bar
 * follows. Nothing while redrawing is off.
 * @sa Tarn_GetTopIndex(), Tarn_MakeRowVisible()
 */
TARN32_API int     WINAPI Tarn_SetTopIndex(HWND hwnd, int index);

/**
 * @brief Scrolls the list as little as possible to bring a row into view.
 *
 * A row above the top becomes the top; a row below the rows in view becomes
 * the last one in view; a row in view leaves the top as it is. With rows of
 * variable height the number of rows in view changes as the top moves, so
 * the step is repeated until the row is in view. Nothing happens for a bad
 * row or while there is no list window (a closed drop-down list).
 *
 * @param hwnd   The control window.
 * @param index  Row index.
 * @par Notifications
 * #TARNN_TOPINDEXCHANGE (6) after each step that moved the top, when the
 * control has a parent; with variable heights more than one may come.
 * @par Repaints
 * As for Tarn_SetTopIndex().
 * @sa Tarn_SetTopIndex(), Tarn_MakeColumnVisible()
 */
TARN32_API void    WINAPI Tarn_MakeRowVisible(HWND hwnd, int index);

/**
 * @brief Returns the horizontal extent.
 *
 * @param hwnd  The control window.
 * @return The scrollable width in pixels, 0 in a new control; -1 for a bad
 *         handle.
 * @sa Tarn_SetHorizontalExtent(), Tarn_RecalcHorizontalExtent()
 */
TARN32_API int     WINAPI Tarn_GetHorizontalExtent(HWND hwnd);

/**
 * @brief Sets the horizontal extent, the width over which the columns scroll.
 *
 * The extent covers the indentation and the columns, not the row-header
 * strip. While it is wider than the item area (the list window's client
 * width less the row-header strip; for a closed list, the width it would
 * open with) the columns can scroll left by the difference, and a
 * horizontal scroll bar shows it; an open-ended last column runs to the end
 * of the extent. The control does not compute the extent by itself:
 * Tarn_RecalcHorizontalExtent() does. An offset beyond the new limit is
 * pulled back, without #TARNN_HOFFSETCHANGE.
 *
 * @param hwnd    The control window.
 * @param extent  The width in pixels, 0 or more.
 * @return TRUE when set (also when unchanged); FALSE for a negative extent
 *         or a bad handle.
 * @par Notifications
 * None, except #TARNN_SIZE (14) when a type 0 control with rows of one
 * height refits its height because its horizontal scroll bar appeared or
 * went.
 * @par Repaints
 * The horizontal scroll bar. The rows only when the offset is pulled back:
 * then the header band and every row, at the next paint.
 * @sa Tarn_GetHorizontalExtent(), Tarn_RecalcHorizontalExtent(),
 *     Tarn_SetHorizontalOffset()
 */
TARN32_API BOOL    WINAPI Tarn_SetHorizontalExtent(HWND hwnd, int extent);

/**
 * @brief Returns how far the columns are scrolled left.
 *
 * @param hwnd  The control window.
 * @return The offset in pixels, from 0 to the extent less the item area's
 *         width; -1 for a bad handle.
 * @sa Tarn_SetHorizontalOffset()
 */
TARN32_API int     WINAPI Tarn_GetHorizontalOffset(HWND hwnd);

/**
 * @brief Scrolls the columns horizontally to an offset.
 *
 * The largest offset is the horizontal extent less the item area's width
 * (see Tarn_SetHorizontalExtent()), at least 0. -1 means that largest
 * offset; other values are clamped to 0 .. largest. Values below -1 are
 * refused. Nothing is sent, not even when the offset moves.
 *
 * @param hwnd    The control window.
 * @param offset  Pixels to scroll left; -1 means as far right as possible.
 * @return TRUE when applied (also when clamped or unchanged); FALSE for an
 *         offset below -1 or a bad handle.
 * @par Notifications
 * None; #TARNN_HOFFSETCHANGE is not sent.
 * @par Repaints
 * When the offset changes: the header band and every row, with the row
 * headers, at the next paint when the control is shown with redrawing on;
 * the horizontal scroll bar follows.
 * @sa Tarn_GetHorizontalOffset(), Tarn_MakeColumnVisible()
 */
TARN32_API BOOL    WINAPI Tarn_SetHorizontalOffset(HWND hwnd, int offset);

/**
 * @brief Scrolls the columns horizontally to bring a column into view.
 *
 * In an empty control the offset becomes 0. Otherwise the column's cell in
 * row 0 decides, so row 0 must be in view (top index 0, with a list
 * window); when it is not, nothing happens. The column at the first visible
 * position brings the offset back to 0, the one at the last visible
 * position takes it to the largest offset (-1 of
 * Tarn_SetHorizontalOffset()); for any other the offset moves just enough
 * to show the cell's left edge when it is cut off at the left, or else its
 * right edge when it is cut off at the right. A bad column does nothing.
 * The control's rectangle of Tarn_GetCellRect() is overwritten.
 *
 * @param hwnd    The control window.
 * @param column  Column index.
 * @par Notifications
 * #TARNN_HOFFSETCHANGE (10) when the offset changed.
 * @par Repaints
 * As for Tarn_SetHorizontalOffset().
 * @sa Tarn_SetHorizontalOffset(), Tarn_MakeRowVisible()
 */
TARN32_API void    WINAPI Tarn_MakeColumnVisible(HWND hwnd, int column);

/**
 * @brief Returns whether unneeded scroll bars stay shown, disabled.
 *
 * @param hwnd  The control window.
 * @return 1 when the control window has the #TARNS_DISABLENOSCROLL style
 *         bit, else 0; 0 also for a bad handle.
 * @sa Tarn_SetDisableNoScroll()
 */
TARN32_API BOOL    WINAPI Tarn_GetDisableNoScroll(HWND hwnd);

/**
 * @brief Sets whether unneeded scroll bars stay shown, disabled.
 *
 * Sets or clears the #TARNS_DISABLENOSCROLL style bit of the control window.
 * With it, a scroll bar with nothing to scroll is shown disabled instead of
 * disappearing; a bar the system has hidden is shown again. Only the bars
 * the control was created with (WS_VSCROLL, WS_HSCROLL) are affected. An
 * open drop-down list is closed first, as a cancel, also when the setting
 * does not change; the highlight returns to the committed row.
 *
 * @param hwnd  The control window.
 * @param on    Nonzero to keep unneeded bars shown, disabled; zero to hide
 *              them.
 * @par Notifications
 * When a list is open: #TARNN_SELENDCANCEL (21), then
 * #TARNN_DROPDOWNDESTROYED (18). Otherwise none.
 * @par Repaints
 * The list window's scroll bars, when the setting changes.
 * @sa Tarn_GetDisableNoScroll()
 */
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
