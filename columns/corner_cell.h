// The corner cell: where the column-header band meets the row-header strip.
#pragma once

#include "core/control_record.h"

// The corner in control client coordinates; empty unless both a column
// header and a row header are shown.
void CornerRect(const ControlRecord* rec, RECT* rc);

// The corner text (NULL clears it, like ""); false when the copy cannot be
// made, keeping the old text.
bool StoreCornerText(ControlRecord* rec, const char* text);
// Copies at most cch - 1 characters and a terminator (buffer emptied first);
// the length copied, 0 for a buffer of no characters.
int ReadCornerText(ControlRecord* rec, char* buffer, int cch);
int CornerTextLength(ControlRecord* rec);

// Stores the corner bitmap with its size; a handle GDI cannot describe is
// dropped rather than drawn at a guessed size. True when the bitmap height
// changed, which can change the header height.
bool StoreCornerBitmap(ControlRecord* rec, HBITMAP hbm);
