// What the painter tests share: a control record built in memory with an
// unsmoothed font (so text pixels carry their exact colour), a distinct
// colour in every slot and two work DCs; a check that a painter hands its DC
// back as it found it; and the box a colour covers in a DIB.
#pragma once

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "plain_record.h"
#include "support/dib.h"
#include "layout/gdi_guards.h"

class PaintRecordTest : public ::testing::Test {
protected:
    void Init(int columns)
    {
        InitPlainRecord(&rec_, columns);
        font_.reset(UnsmoothedGuiFont());
        SelectGuard select(measure_.get(), font_.get());
        ASSERT_TRUE(font_ && GetTextMetricsA(measure_.get(), &rec_.tmFont));
        rec_.hfont = font_.get();
        rec_.avgCharWidth = rec_.tmFont.tmAveCharWidth, rec_.maxCharWidth = rec_.tmFont.tmMaxCharWidth;
        for (int i = 0; i < TARNCLR_COUNT; ++i)   // distinct, and none of them a grey
            rec_.colors[i] = RGB(20 + 5 * i, 100 + 3 * i, 200 - 4 * i);
    }
    void TearDown() override
    {
        DestroyWindow(rec_.hwnd);   // none but for the tests that need one
        FreePlainRecord(&rec_);
    }
    COLORREF C(int slot) const { return rec_.colors[slot]; }
    WorkDCs& work() { return work_; }

    // Runs paint on dc, which must come back with the colours, background
    // mode, font, pen and brush it had.
    static void Restoring(HDC dc, const std::function<void()>& paint)
    {
        const HGDIOBJ objects[] = {GetStockObject(SYSTEM_FONT), GetStockObject(BLACK_PEN), GetStockObject(GRAY_BRUSH)};
        for (HGDIOBJ object : objects)
            SelectObject(dc, object);
        SetBkColor(dc, RGB(3, 4, 5)), SetTextColor(dc, RGB(6, 7, 8)), SetBkMode(dc, OPAQUE);
        paint();
        EXPECT_TRUE(GetBkMode(dc) == OPAQUE && GetBkColor(dc) == RGB(3, 4, 5) && GetTextColor(dc) == RGB(6, 7, 8));
        EXPECT_TRUE(GetCurrentObject(dc, OBJ_FONT) == objects[0] && GetCurrentObject(dc, OBJ_PEN) == objects[1] &&
                    GetCurrentObject(dc, OBJ_BRUSH) == objects[2]) << "an object was left selected";
    }

    ControlRecord rec_;
    FontGuard font_;
    MemoryDC measure_{nullptr};
    WorkDCs work_{nullptr};
};

// A 1-pixel frame on rc judged at the middle of each side: raised has the
// highlight on top and left, sunken the shadow.
inline void ExpectFrame(const Dib& d, const RECT& rc, bool raised, COLORREF hi, COLORREF sh)
{
    const int mx = (rc.left + rc.right) / 2, my = (rc.top + rc.bottom) / 2;
    const COLORREF sides[] = {d.At(mx, rc.top), d.At(rc.left, my), d.At(mx, rc.bottom - 1), d.At(rc.right - 1, my)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sides[i], (i < 2) == raised ? hi : sh) << "side " << i << " of the frame at " << rc.left;
}

// The bounding box of the pixels of colour c in area; all -1 when there are none.
inline RECT BoundsOf(const Dib& d, const RECT& area, COLORREF c)
{
    RECT box = {area.right, area.bottom, -1, -1};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (d.At(x, y) == c)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), y + 1};
    return box.right < 0 ? RECT{-1, -1, -1, -1} : box;
}
