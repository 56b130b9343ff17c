// A 32-bit top-down DIB section with its own memory DC: what the pixel tests
// paint into (directly, or through WM_PRINT) and read exact colours from.
#pragma once

#include <windows.h>

#include <cstdint>

class Dib {
public:
    Dib(int width, int height, COLORREF fill = RGB(1, 2, 3)) : width_(width), height_(height)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof bi.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};   // row 0 on top
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~Dib() { SelectObject(dc_, old_), DeleteObject(bitmap_), DeleteDC(dc_); }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    HDC dc() const { return dc_; }
    // The colour at (x, y) as a COLORREF; CLR_INVALID outside the bitmap.
    COLORREF At(int x, int y) const
    {
        if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
            return CLR_INVALID;
        GdiFlush();
        const uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Fill(COLORREF c)
    {
        GdiFlush();
        for (int i = 0; bits_ && i < width_ * height_; ++i)
            bits_[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    // Paints a window's client area into the bitmap with WM_PRINT, over a
    // colour no control paints, so that what it leaves out shows.
    void Print(HWND hwnd, COLORREF fill = RGB(1, 2, 3))
    {
        Fill(fill);
        SendMessageA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    // How many pixels of the rectangle have colour c.
    int Count(const RECT& rc, COLORREF c) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += At(x, y) == c;
        return n;
    }
    int Differences(const Dib& other) const
    {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += At(x, y) != other.At(x, y);
        return n;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// The GUI font unsmoothed (its height times scale), so text pixels carry the
// exact text colour.
inline HFONT UnsmoothedGuiFont(int scale = 1)
{
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lf.lfHeight = lf.lfHeight ? lf.lfHeight * scale : -11 * scale;
    return CreateFontIndirectA(&lf);
}
