// Item bitmaps (folder, page, picture, script) and label bitmaps (a coloured
// status dot) drawn at run time with plain GDI, so the demo needs no resource
// file. They are drawn on a 16 x 16 design grid scaled to g_ui.iconSize.
//
// The control takes a bitmap's top-left pixel as its transparent colour, so
// every bitmap starts as a magenta square and no shape touches that corner.

#include "demo.h"

namespace {

const COLORREF kTransparent = RGB(255, 0, 255);

HBITMAP g_icons[kIconCount];
HBITMAP g_badges[kBadgeCount];

// Drawing on one bitmap, in design units (1/16 of the icon size).
class Canvas {
public:
    Canvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        if (dc_ && bitmap_) {
            old_ = SelectObject(dc_, bitmap_);
            RECT all = {0, 0, width, height};
            Fill(all, kTransparent);
        }
    }
    ~Canvas() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return old_ != nullptr; }
    // Hands the finished bitmap to the caller, who deletes it.
    HBITMAP Take() {
        if (!ok()) return nullptr;
        SelectObject(dc_, old_);
        old_ = nullptr;
        HBITMAP b = bitmap_;
        bitmap_ = nullptr;
        return b;
    }

    int U(int units) const { return MulDiv(units, g_ui.iconSize, 16); }

    void Fill(const RECT& r, COLORREF c) {
        HBRUSH b = CreateSolidBrush(c);
        FillRect(dc_, &r, b);
        DeleteObject(b);
    }
    // A rectangle in design units, outlined or not.
    void Box(int l, int t, int r, int b, COLORREF fill, COLORREF line) {
        Shape(fill, line, [&](HDC dc) { Rectangle(dc, U(l), U(t), U(r), U(b)); });
    }
    void Polygon(const POINT* pts, int n, COLORREF fill, COLORREF line) {
        POINT scaled[8];
        for (int i = 0; i < n && i < 8; ++i) scaled[i] = {U(pts[i].x), U(pts[i].y)};
        Shape(fill, line, [&](HDC dc) { ::Polygon(dc, scaled, n < 8 ? n : 8); });
    }
    void Ellipse(int l, int t, int r, int b, COLORREF fill, COLORREF line) {
        Shape(fill, line, [&](HDC dc) { ::Ellipse(dc, U(l), U(t), U(r), U(b)); });
    }
    // A horizontal stroke one pixel high.
    void Stroke(int l, int r, int y, COLORREF c) {
        RECT s = {U(l), U(y), U(r), U(y) + 1};
        Fill(s, c);
    }

private:
    template <class Draw>
    void Shape(COLORREF fill, COLORREF line, Draw draw) {
        HBRUSH brush = CreateSolidBrush(fill);
        HPEN pen = CreatePen(PS_SOLID, 1, line);
        HGDIOBJ oldBrush = SelectObject(dc_, brush);
        HGDIOBJ oldPen = SelectObject(dc_, pen);
        draw(dc_);
        SelectObject(dc_, oldPen);
        SelectObject(dc_, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

const COLORREF kFolderBack = RGB(226, 178, 60);
const COLORREF kFolderFront = RGB(250, 214, 110);
const COLORREF kFolderLine = RGB(160, 112, 20);
const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kPaperLine = RGB(110, 118, 130);
const COLORREF kTextLine = RGB(165, 170, 180);

void DrawFolder(Canvas& c, bool open) {
    const POINT tab[] = {{1, 3}, {6, 3}, {7, 5}, {1, 5}};
    c.Polygon(tab, 4, kFolderBack, kFolderLine);
    if (!open) {
        c.Box(1, 4, 15, 14, kFolderFront, kFolderLine);
        return;
    }
    c.Box(1, 4, 14, 14, kFolderBack, kFolderLine);
    const POINT flap[] = {{1, 13}, {4, 7}, {16, 7}, {13, 13}};
    c.Polygon(flap, 4, kFolderFront, kFolderLine);
}

void DrawPage(Canvas& c) {
    const POINT page[] = {{3, 1}, {10, 1}, {14, 5}, {14, 15}, {3, 15}};
    c.Polygon(page, 5, kPaper, kPaperLine);
    const POINT fold[] = {{10, 1}, {10, 5}, {14, 5}};
    c.Polygon(fold, 3, RGB(225, 228, 235), kPaperLine);
}

HBITMAP MakeIcon(Icon icon) {
    const int s = g_ui.iconSize;
    Canvas c(s, s);
    if (!c.ok()) return nullptr;
    switch (icon) {
    case kIconFolder:
        DrawFolder(c, false);
        break;
    case kIconFolderOpen:
        DrawFolder(c, true);
        break;
    case kIconPage:
        DrawPage(c);
        for (int y = 7; y <= 13; y += 2) c.Stroke(5, 12, y, kTextLine);
        break;
    case kIconPicture:
        DrawPage(c);
        c.Box(5, 7, 13, 14, RGB(150, 200, 240), RGB(150, 200, 240));
        {
            const POINT hill[] = {{5, 13}, {8, 9}, {11, 13}};
            c.Polygon(hill, 3, RGB(60, 150, 70), RGB(60, 150, 70));
        }
        c.Ellipse(10, 8, 12, 10, RGB(250, 200, 40), RGB(250, 200, 40));
        break;
    case kIconScript:
        DrawPage(c);
        c.Stroke(5, 9, 7, RGB(40, 90, 200));
        c.Stroke(6, 12, 9, RGB(40, 150, 60));
        c.Stroke(6, 11, 11, RGB(220, 120, 20));
        c.Stroke(5, 8, 13, RGB(40, 90, 200));
        break;
    default:
        break;
    }
    return c.Take();
}

// A status dot, as wide as half an icon and as high as a whole one, so the
// label zone stays narrow and rows keep the icon's height.
HBITMAP MakeBadge(Badge badge) {
    static const COLORREF kFill[kBadgeCount] = {RGB(70, 170, 80), RGB(235, 150, 30),
                                                RGB(50, 120, 220)};
    const int s = g_ui.iconSize;
    Canvas c(s / 2 + 1, s);
    if (!c.ok()) return nullptr;
    c.Ellipse(1, 5, 8, 12, kFill[badge], RGB(80, 80, 80));
    return c.Take();
}

}  // namespace

void CreateIcons() {
    for (int i = 0; i < kIconCount; ++i) g_icons[i] = MakeIcon(static_cast<Icon>(i));
    for (int i = 0; i < kBadgeCount; ++i) g_badges[i] = MakeBadge(static_cast<Badge>(i));
}

void FreeIcons() {
    // Only after the controls are gone: they use the bitmaps but never own them.
    for (HBITMAP& b : g_icons) {
        if (b) DeleteObject(b);
        b = nullptr;
    }
    for (HBITMAP& b : g_badges) {
        if (b) DeleteObject(b);
        b = nullptr;
    }
}

HBITMAP IconBitmap(Icon icon) { return g_icons[icon]; }
HBITMAP BadgeBitmap(Badge badge) { return g_badges[badge]; }
