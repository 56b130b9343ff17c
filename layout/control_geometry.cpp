#include "layout/control_geometry.h"

#include "layout/row_geometry.h"

namespace {
int DropButtonWidth(const ControlRecord* rec)
{
    return rec->isListBox ? 0 : GetSystemMetrics(SM_CXVSCROLL);
}

RECT ClientRect(const ControlRecord* rec)
{
    RECT rc = {0, 0, rec->clientWidth, rec->clientHeight};
    if (rec->hwnd)
        GetClientRect(rec->hwnd, &rc);
    return rc;
}
} // namespace

int ControlType(const ControlRecord* rec)
{
    return rec->hwnd ? TARN_TYPE(GetWindowLongA(rec->hwnd, GWL_STYLE)) : TARNS_LISTBOX;
}

int ControlClientWidth(const ControlRecord* rec)
{
    const RECT rc = ClientRect(rec);
    return rc.right - rc.left;
}

void FieldRect(const ControlRecord* rec, RECT* rc)
{
    *rc = ClientRect(rec);
    rc->left += rec->rowHeaderWidth;
    rc->top += HeaderHeight(rec);
    rc->right -= DropButtonWidth(rec);
    rc->bottom = rc->top + FieldHeight(const_cast<ControlRecord*>(rec));
}

void DropButtonRect(const ControlRecord* rec, RECT* rc)
{
    SetRectEmpty(rc);
    if (rec->isListBox)
        return;
    const RECT client = ClientRect(rec);
    SetRect(rc, client.right - DropButtonWidth(rec), client.top, client.right,
            client.top + HeaderHeight(rec) + FieldHeight(const_cast<ControlRecord*>(rec)));
}
