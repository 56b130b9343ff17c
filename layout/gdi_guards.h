// Move-only owners for GDI objects, device contexts and SelectObject, so
// that every path through a paint or measurement releases what it took.
#pragma once

#include <windows.h>

#include <utility>

// Owns a GDI object (brush, pen, bitmap, region, font created here) and
// deletes it at the end of its scope.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : handle_(h) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle h = nullptr)
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = h;
    }
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using BrushGuard = GdiObject<HBRUSH>;
using PenGuard = GdiObject<HPEN>;
using BitmapGuard = GdiObject<HBITMAP>;
using RegionGuard = GdiObject<HRGN>;
using FontGuard = GdiObject<HFONT>;

// Selects an object into a DC and puts the previous one back at scope end.
class SelectGuard {
public:
    // Selecting what a DC already holds costs a font realisation or a
    // brush lookup in the driver; rows and cells ask for the same font again
    // and again, so an object already current is left alone (and not
    // restored).
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj && !IsCurrent(dc, obj) ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard()
    {
        if (dc_ && old_)
            SelectObject(dc_, old_);
    }
    SelectGuard(SelectGuard&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    SelectGuard& operator=(SelectGuard&&) = delete;

private:
    static bool IsCurrent(HDC dc, HGDIOBJ obj)
    {
        const DWORD type = GetObjectType(obj);
        return (type == OBJ_FONT || type == OBJ_PEN || type == OBJ_BRUSH || type == OBJ_BITMAP) &&
               GetCurrentObject(dc, type) == obj;
    }

    HDC dc_;
    HGDIOBJ old_;
};

// A window's DC from GetDC (with wholeWindow, GetWindowDC, which reaches the
// frame), released with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd, bool wholeWindow = false)
        : hwnd_(hwnd), dc_(wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A memory DC from CreateCompatibleDC, deleted with DeleteDC.
class MemoryDC {
public:
    // make false: an empty owner, for a DC needed only on some paths.
    explicit MemoryDC(HDC reference, bool make = true) : dc_(make ? CreateCompatibleDC(reference) : nullptr) {}
    ~MemoryDC()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// The two memory DCs that drawing a bitmap works with, made when first asked
// for: most paints draw no bitmap, and making a DC costs as much as drawing a
// few rows.
class WorkDCs {
public:
    explicit WorkDCs(HDC reference) : reference_(reference) {}
    ~WorkDCs()
    {
        for (HDC dc : dcs_)
            if (dc)
                DeleteDC(dc);
    }
    WorkDCs(const WorkDCs&) = delete;
    WorkDCs& operator=(const WorkDCs&) = delete;
    HDC first() { return Get(0); }
    HDC second() { return Get(1); }

private:
    HDC Get(int i)
    {
        if (!dcs_[i])
            dcs_[i] = CreateCompatibleDC(reference_);
        return dcs_[i];
    }
    HDC reference_;
    HDC dcs_[2] = {nullptr, nullptr};
};

// Measures a font's metrics through a window DC; false when no DC could be had.
inline bool MeasureFont(HWND hwnd, HFONT font, TEXTMETRICA* tm)
{
    WindowDC dc(hwnd);
    if (!dc)
        return false;
    SelectGuard select(dc.get(), font);
    return GetTextMetricsA(dc.get(), tm) != 0;
}

// Puts the DC's text colour, background colour and background mode back as
// they were at the end of its scope.
class DcColorsGuard {
public:
    explicit DcColorsGuard(HDC dc)
        : dc_(dc), text_(GetTextColor(dc)), back_(GetBkColor(dc)), mode_(GetBkMode(dc)) {}
    ~DcColorsGuard()
    {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, back_);
        if (mode_)
            SetBkMode(dc_, mode_);
    }
    DcColorsGuard(const DcColorsGuard&) = delete;
    DcColorsGuard& operator=(const DcColorsGuard&) = delete;

private:
    HDC dc_;
    COLORREF text_;
    COLORREF back_;
    int mode_;
};

// Puts the whole state of a DC (selections, colours, clipping, origin) back
// as it was at the end of its scope; a NULL DC is allowed and holds nothing.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~SavedDC()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Limits drawing on dc to rc until the end of its scope (the DC's earlier
// clipping and selections come back with it); a NULL DC is left alone.
class ClipGuard {
public:
    ClipGuard(HDC dc, const RECT& rc) : saved_(dc)
    {
        if (dc)
            IntersectClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
    }

private:
    SavedDC saved_;
};

// Fills rc with one colour without making a brush: an opaque text output of
// no characters paints just its rectangle in the background colour.
inline void FillSolid(HDC dc, const RECT& rc, COLORREF color)
{
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;
    const COLORREF old = SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

// Bits per pixel of what CreateCompatibleBitmap makes for a memory DC (the
// bitmap it holds decides), 0 for any other DC. Asking a screen DC for its
// depth goes to the window server twice on some systems, which cost more
// than the bitmap saves; a bitmap of another depth would only be converted
// by the copy.
inline int CompatibleDepth(HDC dc)
{
    BITMAP bm;
    if (GetObjectType(dc) == OBJ_MEMDC && GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm))
        return bm.bmBitsPixel * bm.bmPlanes;
    return 0;
}

// A bitmap to draw off-screen and copy to dc. For a true-colour target it is
// a 32-bit DIB section: GDI draws into its memory directly, where a
// device-compatible bitmap may be drawn through the display driver (twice as
// slow under Wine), and the copy to a 32-bit target is a plain one.
// Palette and high-colour targets get a compatible bitmap, so that colours
// are mapped as when drawing straight into dc.
inline HBITMAP BufferBitmap(HDC dc, int width, int height)
{
    const int depth = GetObjectType(dc) == OBJ_MEMDC ? CompatibleDepth(dc)
                                                     : GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    if (depth != 32)
        return CreateCompatibleBitmap(dc, width, height);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    return dib ? dib : CreateCompatibleBitmap(dc, width, height);
}

// An off-screen bitmap for painting into dc, at least width x height, kept
// in *slot between paints and made anew only when it is too small or of
// another colour depth: a new bitmap's pixels are fresh memory pages, which
// cost more to map and first touch than drawing a page of rows. The owner
// deletes *slot when it goes.
inline HBITMAP KeptBitmapLike(HBITMAP* slot, HDC dc, int width, int height)
{
    BITMAP bm;
    if (*slot && GetObjectA(*slot, sizeof bm, &bm) && bm.bmWidth >= width && bm.bmHeight >= height) {
        const int depth = CompatibleDepth(dc);
        if (depth == 0 || depth == bm.bmBitsPixel * bm.bmPlanes)
            return *slot;
    }
    if (*slot)
        DeleteObject(*slot);
    *slot = width >= 1 && height >= 1 ? BufferBitmap(dc, width, height) : nullptr;
    return *slot;
}

// WM_PAINT and WM_PRINT share one paint routine: with a DC in wParam it
// paints the whole client area into that DC (update NULL), without one it
// paints the invalid rectangle between BeginPaint and EndPaint.
template <typename PaintFn>
LRESULT PaintIntoDC(HWND hwnd, HDC given, PaintFn paint)
{
    if (given) {
        paint(given, static_cast<const RECT*>(nullptr));
        return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc)
        paint(dc, static_cast<const RECT*>(&ps.rcPaint));
    EndPaint(hwnd, &ps);
    return 0;
}
