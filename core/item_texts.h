// Cell texts and row-header texts of items.
#pragma once

#include "core/control_record.h"

// Text of a cell (row -1: the current item); false for a bad row or column.
// The text is copied whole into buffer when one is given (the caller sized
// it from the length); *length receives the length, 0 for a cell without text.
bool ReadCellText(ControlRecord* rec, int row, int column, char* buffer, int* length);
// Replaces a cell's text with a copy (NULL removes it). False in virtual
// mode, for a bad row or column, or when the copy cannot be made (the old
// text stays then).
bool StoreCellText(ControlRecord* rec, int row, int column, const char* text);

// The same for the row-header text of a row.
bool ReadRowText(ControlRecord* rec, int row, char* buffer, int* length);
bool StoreRowText(ControlRecord* rec, int row, const char* text);
