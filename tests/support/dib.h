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
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;  // top-down: row 0 is the top line
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~Dib()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool valid() const { return bits_ != nullptr; }

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
        if (!bits_)
            return;
        GdiFlush();
        const uint32_t p = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        for (int i = 0; i < width_ * height_; ++i)
            bits_[i] = p;
    }

    // Paints a window's client area into the bitmap with WM_PRINT.
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

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};
