// The dotted tree lines in a row's indentation zone: the branch to the row
// itself, the line down to its children, and the lines of its ancestors that
// pass through the row on their way to a later sibling.
#pragma once

#include "core/control_record.h"
#include "core/hierarchy.h"

// What the tree lines of one row depend on besides the row itself: found by
// looking at the rows around it, before anything is drawn, because in
// virtual mode looking at another row gives the painted row's record back.
struct TreeLinePlan {
    int level;               // the row's level
    int parentLevel;         // level of its parent, 0 when it has none
    bool hasLaterSibling;    // a later row continues the row's own branch
    bool nextIsDeeper;       // the next row is one of its dependents
    int passingCount;        // ancestors whose branch runs on past the row
    int passingLevels[kMaxItemLevel + 1];  // ... each as its parent's level
};

// Fills plan for row, whose level is level. Walks back to the top of the
// row's ancestry and forward until every ancestor's branch is decided.
void PlanTreeLines(ControlRecord* rec, int row, int level, TreeLinePlan* plan);

// Draws the planned lines into dc. x0 is the left edge of the tree
// indentation, step the indentation of one level, row the row's rectangle.
void DrawTreeLines(ControlRecord* rec, HDC dc, const TreeLinePlan& plan, int x0, int step, const RECT& row,
                   bool controlEnabled);
