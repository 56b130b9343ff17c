// Row heights, the field height and the overhead in front of the first column.
//
// Variable row heights are measured from the wrapping columns once the text
// layout routine exists; until then every row is laid out at the fixed
// height, which is also what the fixed-height style asks for.
#include "layout/row_geometry.h"

#include <algorithm>

#include "window/notify.h"

namespace {
int PositiveOrZero(int v) { return v > 0 ? v : 0; }

int FixedItemHeight(const ControlRecord* rec)
{
    int h = PositiveOrZero(rec->itemLines * rec->tmFont.tmHeight);
    h = std::max<int>(h, rec->bmCellInfo.bmHeight);
    if (rec->show3D)
        h += 2;
    if (rec->showLabels)
        h = std::max<int>(h, rec->bmLabel.bmHeight);
    if (rec->showBitmaps)
        h = std::max<int>(h, rec->bmItemBitmap.bmHeight);
    if (rec->showGrid && !rec->show3D && (rec->gridStyle == 1 || rec->gridStyle == 2))
        h += 1;
    if (rec->rowHeaderWidth != 0)
        h = std::max<int>({h, rec->tmRowHeader.tmHeight + 3, rec->bmRowInfo.bmHeight + 3});
    return h;
}
}

int ItemHeight(ControlRecord* rec, int)
{
    return FixedItemHeight(rec);
}

int FieldHeight(ControlRecord* rec)
{
    if (!rec->hwndEdit)
        return ItemHeight(rec, rec->currentItem < 1 ? 0 : rec->currentItem) + 4;
    int h = rec->tmEditCtl.tmHeight + 4;
    if (rec->rowHeaderWidth != 0)
        h = std::max<int>({h, rec->tmRowHeader.tmHeight + 3, rec->bmRowInfo.bmHeight + 3});
    return h;
}

int LevelOverhead(const ControlRecord* rec, int level)
{
    int step;
    if (rec->showTreeLines)
        step = rec->showBitmaps ? rec->bmItemBitmap.bmWidth : rec->maxCharWidth;
    else
        step = rec->showBitmaps ? rec->bmItemBitmap.bmWidth / 2 : rec->maxCharWidth;
    int w = level * step;
    if (rec->showBitmaps)
        w += rec->bmItemBitmap.bmWidth;
    if (rec->showLabels)
        w += rec->bmLabel.bmWidth;
    if (rec->showLabels || rec->showTreeLines || rec->showBitmaps)
        w += 2;
    return w;
}

bool UpdateOverheadWidth(ControlRecord* rec)
{
    const int width = LevelOverhead(rec, rec->maxLevel);
    if (width == rec->overheadWidth)
        return true;
    rec->overheadWidth = width;
    return Notify(rec, TARNN_OVERHEADCHANGE);
}
