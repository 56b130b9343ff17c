// What nearly every operation ends with: bringing metrics, layout and scroll
// bars up to date, marking what changed for repainting, and keeping the edit
// field's text in step with the committed row.
//
// Invalidation never reaches the application; the routines that can (through
// a notification or the nested WM_SIZE of a layout) return whether the
// control survived and must be checked.
#pragma once

#include "core/control_record.h"
#include "core/hierarchy.h"

// Whether the control paints at all: shown, redraw on, and a window.
bool Painting(const ControlRecord* rec);

// Overhead width, scroll bars and combo layout, in that order (scroll bars
// twice, since the layout may add or remove one). Nothing unless painting.
[[nodiscard]] bool UpdateControl(ControlRecord* rec);

// Recomputes overheadWidth from maxLevel and sends notification 12 when it
// changed.
[[nodiscard]] bool UpdateOverheadWidth(ControlRecord* rec);

// Invalidates row index of the list window (and, with andFollowing, every
// row after it). withRowHeader extends the area to the row-header strip;
// without wholeWidth that strip is all that is covered.
void InvalidateRows(ControlRecord* rec, int index, bool andFollowing = false, bool withRowHeader = true,
                    bool wholeWidth = true);
// Every row from 0 on with the row-header strip.
inline void InvalidateAllRows(ControlRecord* rec) { InvalidateRows(rec, 0, true); }

// With rows of their own heights (TARNS_VARIABLEHEIGHT) a change to one row
// (a text, a bitmap, a cell font) may change its height and so move every
// row below it. The caller measures the row before the change; then
// InvalidateChangedRow repaints the row, and the rows below it when its
// height changed. The measure is -1 when the rows share one height or the
// row does not exist.
int RowHeightBeforeChange(ControlRecord* rec, int row);
void InvalidateChangedRow(ControlRecord* rec, int row, int heightBefore, bool withRowHeader = true);

// The header band, the corner cell, the drop button, and the row-header
// strip of the list.
void InvalidateHeaderBand(const ControlRecord* rec);
void InvalidateCorner(const ControlRecord* rec);
void InvalidateDropButton(const ControlRecord* rec);
void InvalidateListStrip(const ControlRecord* rec);

// All three windows, then SyncEditText; nothing while redrawing is off.
void RedrawAll(ControlRecord* rec);

// A change that moves everything: the layout first (it may notify the
// parent, which may destroy the control), then, when redraw is asked for,
// all three windows. False when the control did not survive.
[[nodiscard]] bool RelayoutAndRedrawAll(ControlRecord* rec, bool redraw = true);

// Refreshes the edit field's text from currentItem and invalidates the
// field (not while redrawing is off). Text the user typed stays until a row
// is committed some other way: repaints, resizes and the data side leave it.
void SyncEditText(ControlRecord* rec);
// Whether the edit field holds just what SyncEditText writes for the
// committed row (and not something the user typed).
bool EditShowsCommittedRow(ControlRecord* rec);

// After rows were inserted at index: from its previous sibling (whose tree
// line now reaches further) or the row itself through the end, then the
// layout.
[[nodiscard]] bool RepaintAfterInsert(ControlRecord* rec, int index);

// After maxLevel changed: the indentation follows it (notification 12), and
// the header band and, when later columns move, every row are repainted.
[[nodiscard]] bool RepaintMaxLevelChange(ControlRecord* rec);

// The repaint a stored level asks for: a deeper maxLevel widens the
// indentation (notification 12, header band, every row when later columns
// move); the rows whose tree lines pass through the row are repainted.
[[nodiscard]] bool RepaintLevelChange(ControlRecord* rec, int index, const LevelChange& change);
