// Fitting columns and the scrollable width to the contents: the measurements
// of columns/optimal_widths applied to a live control, with the repaints and
// the notification a changed tree depth brings.
//
// Measuring the first rows of a column also tells how deep the tree is there,
// and maxLevel follows it, so a bounded measurement may narrow the
// indentation. The routines that can notify return whether the control
// survived.
#pragma once

#include "core/control_record.h"

// *result: the optimal width of column over the first maxRows rows (all below
// 1), -1 for a bad column.
[[nodiscard]] bool CalcOptimalColumnWidth(ControlRecord* rec, int column, int maxRows, int* result);
// 0 without a row header.
int CalcOptimalRowHeaderWidth(ControlRecord* rec, int maxRows);
// Column -1: every column in index order.
[[nodiscard]] bool MakeColumnOptimal(ControlRecord* rec, int column, int maxRows);
// *result: what re-applying the horizontal offset to the new extent returns,
// or the failed width calculation's negative result.
[[nodiscard]] bool RecalcHorizontalExtent(ControlRecord* rec, int maxRows, int* result);
