// Header texts and the pressed header button of a control record. Nothing is
// repainted here.
#pragma once

#include "core/control_record.h"

// Replaces the header text of column col with a copy of text (NULL removes
// it). False for a bad column or when the copy cannot be allocated; the old
// text is kept then.
bool SetHeaderText(ControlRecord* rec, int col, const char* text);
// Copies at most cch - 1 characters and a terminator into buf (which is
// emptied first); the length copied, or -1 for a bad column.
int GetHeaderText(const ControlRecord* rec, int col, char* buf, int cch);
// Length of the header text; 0 when there is none, -1 for a bad column.
int HeaderTextLength(const ControlRecord* rec, int col);

// col -1 releases every header button; false for a column out of range.
// *changed tells whether the pressed button moved.
bool SetHeaderButton(ControlRecord* rec, int col, bool* changed);
