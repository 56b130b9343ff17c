// Tree lines. The tree is not stored as links, so every line of a row comes
// from the levels of neighbouring rows: one walk back collects the row's
// ancestry (each ancestor with the level of its own parent), one walk forward
// decides for each of them whether its branch goes on below the row. Rows
// between an ancestor and the painted row all belong to that ancestor, so
// the forward walk can start after the painted row for all of them.
#include "layout/tree_lines.h"

#include "core/ctl_colors.h"
#include "layout/gdi_guards.h"

namespace {

// The dots of a tree line run on from row to row: the cosmetic alternate pen
// sets every other pixel whatever the line's length.
HPEN CreateTreeLinePen(COLORREF color)
{
    LOGBRUSH lb = {BS_SOLID, color, 0};
    return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
}

void VerticalLine(HDC dc, int x, int top, int bottom)
{
    MoveToEx(dc, x, top, nullptr);
    LineTo(dc, x, bottom);
}

} // namespace

void PlanTreeLines(ControlRecord* rec, int row, int level, TreeLinePlan* plan)
{
    // Item flags cannot hold more; the chain below relies on it.
    if (level > kMaxItemLevel)
        level = kMaxItemLevel;
    plan->level = level;
    plan->parentLevel = 0;
    plan->hasLaterSibling = false;
    plan->nextIsDeeper = false;
    plan->passingCount = 0;

    // The chain of levels from the row up through its ancestors:
    // chain[0] is the row, chain[j + 1] the parent of chain[j]. A node
    // without a parent has parent level 0.
    int chain[kMaxItemLevel + 2];
    int nodes = 0;
    if (level > 0) {
        chain[nodes++] = level;
        for (int i = row - 1; i >= 0 && chain[nodes - 1] > 0; --i) {
            const int l = LevelOf(rec, i);
            if (l < chain[nodes - 1])
                chain[nodes++] = l;
        }
    }
    // Only nodes of level 1 or more have a branch of their own.
    int branches = nodes;
    while (branches > 0 && chain[branches - 1] < 1)
        --branches;
    auto parentLevelOf = [&](int j) { return j + 1 < nodes ? chain[j + 1] : 0; };
    if (level > 0)
        plan->parentLevel = parentLevelOf(0);

    bool laterSibling[kMaxItemLevel + 2] = {};
    // The first later row no deeper than a node decides it: it continues the
    // node's branch when it lies below the node's parent.
    int undecided = 0;
    for (int i = row + 1; i < rec->count && (undecided < branches || i == row + 1); ++i) {
        const int l = LevelOf(rec, i);
        if (i == row + 1)
            plan->nextIsDeeper = l > level;
        while (undecided < branches && chain[undecided] >= l) {
            laterSibling[undecided] = l > parentLevelOf(undecided);
            ++undecided;
        }
    }

    plan->hasLaterSibling = branches > 0 && laterSibling[0];
    for (int j = 1; j < branches; ++j)
        if (laterSibling[j])
            plan->passingLevels[plan->passingCount++] = parentLevelOf(j);
}

void DrawTreeLines(ControlRecord* rec, HDC dc, const TreeLinePlan& plan, int x0, int step, const RECT& row,
                   bool controlEnabled)
{
    const COLORREF color =
        ResolveColor(rec->colors[controlEnabled ? TARNCLR_TREELINECOLOR : TARNCLR_DISABLEDTREELINECOLOR]);
    PenGuard pen(CreateTreeLinePen(color));
    if (!pen)
        return;
    SelectGuard selectPen(dc, pen.get());
    // The gaps between the dots keep what is under them.
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    POINT oldPosition;
    MoveToEx(dc, 0, 0, &oldPosition);

    const int top = row.top;
    const int bottom = row.bottom;
    const int mid = top + (bottom - top) / 2;
    const int L = plan.level;
    const int P = plan.parentLevel;

    if (L > 0) {
        const int x = x0 + P * step + step / 2;
        if (plan.hasLaterSibling) {
            VerticalLine(dc, x, top, bottom);
            MoveToEx(dc, x, mid, nullptr);
        } else {
            VerticalLine(dc, x, top, mid);
        }
        LineTo(dc, x0 + (P + 1) * step, mid);
        if (L > P + 1)
            LineTo(dc, x0 + L * step, mid);
        if (plan.hasLaterSibling && bottom - top > 1)
            SetPixel(dc, x, top, GetPixel(dc, x, top + 1));
    }

    if (rec->showBitmaps && plan.nextIsDeeper)
        VerticalLine(dc, x0 + L * step + step / 2, mid, bottom);

    for (int j = 0; j < plan.passingCount; ++j)
        VerticalLine(dc, x0 + plan.passingLevels[j] * step + step / 2, top, bottom);

    MoveToEx(dc, oldPosition.x, oldPosition.y, nullptr);
    if (oldMode)
        SetBkMode(dc, oldMode);
}
