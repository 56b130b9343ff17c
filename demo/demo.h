// Shared pieces of the TARN32 demo: the font metrics every size is derived
// from, small helpers around the public API, and one Fill function per
// control shown in the main window.
#ifndef TARN32_DEMO_H
#define TARN32_DEMO_H

#include <windows.h>

#include "tarn32.h"

// ---------------------------------------------------------------- metrics

// The controls and labels use the system's GUI font. Every pixel size in the
// demo comes from its metrics, so the window looks right at any font size.
struct UiFont {
    HFONT font = nullptr;   // stock object, never deleted
    HFONT bold = nullptr;   // created here, deleted at exit
    int charWidth = 0;      // average character width
    int lineHeight = 0;     // tmHeight
    int iconSize = 0;       // side of the run-time item bitmaps
};
extern UiFont g_ui;

void InitUiFont();
void FreeUiFont();
inline int Chars(int n) { return n * g_ui.charWidth; }
inline int Lines(int n) { return n * g_ui.lineHeight; }
int TextWidth(const char* text);   // in the GUI font

// ---------------------------------------------------------------- API helpers

// A column definition with every colour left to the control (TARN_COLOR_NONE),
// the header aligned like the cells, and at least as wide as its header text.
ColumnDef MakeColumn(int position, int width, DWORD format, const char* header);

// A CellInfo for one cell that inherits everything; set what you need, then
// pass it to Tarn_SetCellInfo.
CellInfo MakeCellInfo(int row, int column);

// Creates a TARN32 control of the given type and style bits as a child of
// parent and gives it the GUI font.
HWND CreateTarn(HWND parent, DWORD typeAndStyle, int id, const RECT& r);

// Copies one cell text into out (size bytes), sizing the read from the
// control's own length function. Empty on failure.
void ReadCellText(HWND control, int row, int column, char* out, size_t size);

// ---------------------------------------------------------------- the controls

// Each Fill function sets up one control completely: columns, rows, options.
void FillInventory(HWND list);                         // inventory.cpp
void FillFileTree(HWND tree);                          // file_tree.cpp
void FillDepartures(HWND list);                        // departures.cpp
void FillMeetingRooms(HWND list);                      // meeting_rooms.cpp
void FillIssues(HWND list);                            // issues.cpp
void FillWarehouses(HWND dropDown);                    // drop_downs.cpp
void FillSuppliers(HWND dropDownList);                 // drop_downs.cpp
// The font chooser (font_chooser.cpp): the faces list filled, and on each
// commit in one of the three lists the others refilled and the sample redrawn.
void FillFontFaces(HWND faces, HWND sizes, HWND styles);
void FontChooserChanged(HWND faces, HWND sizes, HWND styles, HWND changed, HWND sample);
void FreeFontChooser();   // the sample's font, after the windows are gone

// ---------------------------------------------------------------- sizing

// Width of a control whose columns just fit: the columns, the indentation in
// front of the first one, the row headers, the client edge and, with
// scrollBar, a vertical scroll bar (for the drop-down types: the drop button,
// which is as wide).
int NaturalWidth(HWND control, bool scrollBar = true);
// Widens a column, when needed, so that its header and every text of it fit.
void FitColumnToText(HWND control, int column);
// Widens one column so that the columns fill a control of the given width.
void WidenColumnToFit(HWND control, int column, int controlWidth, bool scrollBar = true);
// Height of a type 0 control whose list shows exactly the given rows from the
// top (field, header band and frame included).
int HeightForRows(HWND control, int rows);

// ---------------------------------------------------------------- bitmaps

// Item and label bitmaps drawn at run time (icons.cpp). Their top-left pixel
// is the transparent colour, which the control reads from each bitmap.
enum Icon { kIconFolder, kIconFolderOpen, kIconPage, kIconPicture, kIconScript, kIconCount };
enum Badge { kBadgeClean, kBadgeChanged, kBadgeNew, kBadgeCount };
void CreateIcons();
void FreeIcons();
HBITMAP IconBitmap(Icon icon);
HBITMAP BadgeBitmap(Badge badge);

// ---------------------------------------------------------------- screenshots

// The controls of the main window, as the screenshot pass needs them.
struct DemoWindow {
    HWND main = nullptr;
    HWND inventory = nullptr, inventoryLabel = nullptr;
    HWND tree = nullptr, treeLabel = nullptr;
    HWND departures = nullptr, departuresLabel = nullptr;
    HWND rooms = nullptr, roomsLabel = nullptr;
    HWND issues = nullptr, issuesLabel = nullptr;
    HWND warehouse = nullptr, warehouseLabel = nullptr;
    HWND supplier = nullptr, supplierLabel = nullptr;
    HWND faces = nullptr, facesLabel = nullptr;
    HWND sizes = nullptr, sizesLabel = nullptr;
    HWND styles = nullptr, stylesLabel = nullptr;
    HWND sample = nullptr, sampleLabel = nullptr;
    HWND status = nullptr;
};
extern DemoWindow g_demo;

// Writes the screenshots into dir (a Windows path); returns the exit code.
int TakeScreenshots(const char* dir);

#endif  // TARN32_DEMO_H
