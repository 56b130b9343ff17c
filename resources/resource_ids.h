/* Identifiers of the resources carried by TARN32.dll.
 *
 * Shared by the resource script and the library code, so it holds nothing
 * but preprocessor definitions that both the C++ compiler and windres read.
 * The numbers are part of the module's published look: applications and
 * tools may load these resources from the module by id.
 */
#ifndef TARN32_RESOURCE_IDS_H
#define TARN32_RESOURCE_IDS_H

/* Cursors of column header tracking. */
#define IDC_TARN_NODROP             32620 /* column move: the pointer is not over a drop place */
#define IDC_TARN_COLUMNDRAG         32621 /* column move: the column may be dropped here */
#define IDC_TARN_COLUMNSIZE         32623 /* pointer over a header divider; column resize */

/* Item bitmaps of the font-name lists (16 x 12, top-left pixel transparent). */
#define IDB_TARN_FONT_TRUETYPE      32624
#define IDB_TARN_FONT_PRINTER       32625

/* Texts of the font-style lists. */
#define IDS_TARN_WEIGHT_NAMES       32620 /* style names for the weights 100 ... 900, comma-separated */
#define IDS_TARN_ITALIC_SUFFIX      32621 /* appended to the style name of an italic font */

/* Style dialog template; the library itself never shows it. */
#define IDD_TARN_STYLES             300
#define IDC_STYLES_TYPE_LISTBOX     301 /* type 0: edit field above a permanent list */
#define IDC_STYLES_TYPE_DROPDOWN    302 /* type 1: drop-down with edit field */
#define IDC_STYLES_TYPE_DROPLIST    303 /* type 2: drop-down list */
#define IDC_STYLES_TYPE_DROPLIST2   304 /* type 3: drop-down list, position not settable */
#define IDC_STYLES_KEEP_BOTTOM      310 /* 0x0010 */
#define IDC_STYLES_KEEP_CENTRE      311 /* 0x0020 */
#define IDC_STYLES_VARIABLE_HEIGHT  312 /* 0x0800 */
#define IDC_STYLES_AUTO_HSCROLL     313 /* 0x1000 */
#define IDC_STYLES_LEFT_BUTTON_ONLY 314 /* 0x2000 */
#define IDC_STYLES_DISABLE_NOSCROLL 315 /* 0x4000 */
#define IDC_STYLES_KEEP_IN_MENU     316 /* 0x8000 */
#define IDC_STYLES_VSCROLL          317 /* WS_VSCROLL */
#define IDC_STYLES_HSCROLL          318 /* WS_HSCROLL */

/* Version of the module, in the two forms the version record needs. */
#define TARN_VERSION_BINARY         3,5,1,19
#define TARN_VERSION_TEXT           "3.5.1.19"

#endif /* TARN32_RESOURCE_IDS_H */
