// The item operations behind the exported item functions, on the record.
//
// Each exported Tarn_ function of the item family reads the record and calls
// the routine here, and the routines call one another on the record as well,
// so a whole operation (a copy that inserts and then fills in the texts, say)
// never goes back through a window handle. They behave exactly as the
// exported functions with the same name.
#pragma once

#include "core/control_record.h"
#include "window/notify.h"

// Insertion, deletion and reset. Index below 0 or not below count appends.
int InsertString(ControlRecord* rec, int index, const char* text);
int DeleteString(ControlRecord* rec, int index);    // new count, or -1
void ResetContent(ControlRecord* rec);

// Repaint after index was inserted: from its previous sibling (whose tree
// line now reaches further) or the item itself through the end; then layout.
void RepaintAfterInsert(ControlRecord* rec, int index);

// Cell texts (row -1 in the getters: the current item) and row-header texts.
int GetCellText(ControlRecord* rec, int row, int column, char* buffer);
int GetCellTextLength(ControlRecord* rec, int row, int column);
BOOL SetCellText(ControlRecord* rec, int row, int column, const char* text);
int GetRowText(ControlRecord* rec, int row, char* buffer);
int GetRowTextLength(ControlRecord* rec, int row);
BOOL SetRowText(ControlRecord* rec, int row, const char* text);

// Plain item fields.
int SetItemData(ControlRecord* rec, int index, LPARAM value);     // 0, or -1
BOOL SetItemStatus(ControlRecord* rec, int index, int status);
BOOL SetItemLabel(ControlRecord* rec, int index, HBITMAP hbm);    // index -1: shared label size
BOOL SetItemBitmap(ControlRecord* rec, int index, HBITMAP hbm);   // index -1: shared bitmap size
BOOL SetDeleteCallback(ControlRecord* rec, const TarnDeleteCallbackInfo* info);
