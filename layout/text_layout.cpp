// The control's own text layout routine.
//
// Lines are found by one scan that serves both counting and drawing, so the
// height a row is measured with and the lines painted into it always agree.
// Lines are broken only at spaces: a word wider than the box keeps a line of
// its own and is cut with "..." when drawn. A text of any length costs a few
// measurements per line shown: each line is found with one fit query, which
// reads only as many characters as the box can hold. Only the stack is used;
// painting a cell must never fail for want of memory.
#include "layout/text_layout.h"

#include <algorithm>

namespace {

const char kDots[] = "...";
const int kDotsLength = 3;

SIZE Extent(const TextOutput& out, HDC dc, const char* text, int length)
{
    SIZE size = {0, 0};
    if (length < 1 || !out.textExtent(dc, text, length, &size)) {
        size.cx = 0;
        size.cy = 0;
    }
    return size;
}

// The longest prefix of whole characters no wider than a limit, its width and
// the height of the text.
struct Fit {
    int count;
    int width;
    int height;
};

Fit FitPrefix(const TextOutput& out, HDC dc, const char* text, int length, int limit)
{
    Fit fit = {0, 0, 0};
    if (length < 1)
        return fit;
    const int room = std::max(limit, 0);
    // Characters are a pixel wide at least in any ordinary font, so the box
    // holds at most `room` of them and the query reads no further. Should all
    // of those fit after all, it is asked again about twice as many.
    int probe = room < length ? room + 1 : length;
    for (;;) {
        SIZE size = {0, 0};
        int count = 0;
        if (!out.fitExtent(dc, text, probe, room, &count, nullptr, &size))
            return fit;
        fit.height = size.cy;
        fit.count = std::clamp(count, 0, probe);
        fit.width = size.cx;
        if (fit.count < probe || probe == length)
            break;
        probe = length - probe > probe ? 2 * probe : length;
    }
    if (limit < 0)
        return {0, 0, fit.height};
    if (fit.count < probe)
        fit.width = Extent(out, dc, text, fit.count).cx;
    if (fit.width > room) {
        // The query and the extent of the prefix disagree (kerning, say):
        // the extent, which placing the text relies on, decides.
        int lo = 0;
        int hi = fit.count - 1;
        fit.width = 0;
        while (lo < hi) {
            const int mid = hi - (hi - lo) / 2;
            const int width = Extent(out, dc, text, mid).cx;
            if (width <= room)
                lo = mid, fit.width = width;
            else
                hi = mid - 1;
        }
        fit.count = lo;
    }
    return fit;
}

// Whether anything but spaces and line breaks is left: a trailing break
// hides nothing, so it earns no mark.
bool HasVisibleText(const char* text, int length)
{
    for (int i = 0; i < length; ++i) {
        if (text[i] != ' ' && text[i] != '\r' && text[i] != '\n')
            return true;
    }
    return false;
}

// One line found by the scan: its bytes, its width (-1 when it is wider than
// the box and was measured only as far as the box) and whether a CR, an LF or
// a wrap ended it (the last line, which runs to the end of the text, was not).
struct Line {
    int start;
    int length;
    int width;
    bool endedByBreak;
};

// Walks a text line by line. A line runs to the next CR or LF when that much
// fits; with DT_WORDBREAK it otherwise ends at the last space that lets it
// fit, or failing one at the first space (its first word is never split).
class LineScan {
public:
    LineScan(const TextOutput& out, HDC dc, const char* text, int length, bool wordBreak, int avail)
        : out_(out), dc_(dc), text_(text), length_(length), wordBreak_(wordBreak), avail_(avail) {}

    bool Next(Line* line)
    {
        if (pos_ >= length_)
            return false;
        const int start = pos_;
        if (hardEnd_ < start) {
            // Kept for the lines a wrap makes of one paragraph, so a long one
            // is not searched for its end again for each of them.
            hardEnd_ = start;
            while (hardEnd_ < length_ && text_[hardEnd_] != '\r' && text_[hardEnd_] != '\n')
                ++hardEnd_;
        }
        const Fit fit = FitPrefix(out_, dc_, text_ + start, hardEnd_ - start, avail_);
        int end = hardEnd_;
        int width = fit.count == end - start ? fit.width : -1;
        if (width < 0 && wordBreak_) {
            int space = start + fit.count;   // the first byte that does not fit
            while (space >= start && text_[space] != ' ')
                --space;
            if (space >= start) {
                end = space;
                width = space == start + fit.count ? fit.width : Extent(out_, dc_, text_ + start, space - start).cx;
            } else {
                end = start + fit.count + 1;
                while (end < hardEnd_ && text_[end] != ' ')
                    ++end;
            }
        }
        line->start = start;
        line->length = end - start;
        line->width = width;
        line->endedByBreak = end < length_;
        if (end < hardEnd_ || end == length_) {
            pos_ = end;
        } else {
            // CR LF is one break; LF CR is two (the CR ends an empty line).
            pos_ = end + 1;
            if (text_[end] == '\r' && pos_ < length_ && text_[pos_] == '\n')
                ++pos_;
        }
        if (wordBreak_) {
            // Spaces a line starts with after a break are dropped; the very
            // first line keeps its leading spaces.
            while (pos_ < length_ && text_[pos_] == ' ')
                ++pos_;
        }
        return true;
    }

    // Where the text after the last line found starts.
    int Position() const { return pos_; }

private:
    const TextOutput& out_;
    HDC dc_;
    const char* text_;
    int length_;
    bool wordBreak_;
    int avail_;
    int pos_ = 0;
    int hardEnd_ = -1;
};

// Whether the text goes through the line scan. A single line shown without
// the mark is put out whole, line breaks included.
bool LaidOutInLines(const char* text, int length, UINT format)
{
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    if (!singleLine && (format & DT_WORDBREAK))
        return true;
    if (singleLine && !(format & DT_END_ELLIPSIS))
        return false;
    return TextHasChar(text, length, '\r') || TextHasChar(text, length, '\n');
}

// What every line of one block is drawn with.
struct Pen {
    const TextOutput& out;
    HDC dc;
    RECT box;
    UINT format;
    bool mark;
    int dots;   // the width of the mark, once measured
};

int AlignedX(const Pen& pen, int width)
{
    if (pen.format & DT_RIGHT)
        return pen.box.right - width;
    if (pen.format & DT_CENTER)
        return (pen.box.left + pen.box.right - width) / 2;
    return pen.box.left;
}

// Text is drawn with its top left corner at (x, y) and clipped to its band
// of the box, whatever alignment the DC holds (the caller's is put back).
void Put(const Pen& pen, int x, int y, int bottom, const char* text, int length)
{
    const RECT clip = {pen.box.left, std::max<LONG>(y, pen.box.top), pen.box.right, std::min<LONG>(bottom, pen.box.bottom)};
    if (length > 0 && clip.top < clip.bottom)
        pen.out.textOut(pen.dc, x, y, ETO_CLIPPED, &clip, text, static_cast<UINT>(length), nullptr);
}

// With the mark, a line wider than the box, or one that hides the text after
// it, keeps the whole characters that fit together with "...", which follows
// them directly; the two are aligned as one.
void DrawLine(Pen& pen, const char* text, int length, int width, int y, int bottom, bool hidesMore)
{
    const int avail = pen.box.right - pen.box.left;
    if (!pen.mark || (!hidesMore && width >= 0 && width <= avail)) {
        if (width < 0)
            width = Extent(pen.out, pen.dc, text, length).cx;
        Put(pen, AlignedX(pen, width), y, bottom, text, length);
        return;
    }
    if (pen.dots < 0)
        pen.dots = Extent(pen.out, pen.dc, kDots, kDotsLength).cx;
    const Fit kept = FitPrefix(pen.out, pen.dc, text, length, avail - pen.dots);
    const int x = AlignedX(pen, kept.width + pen.dots);
    Put(pen, x, y, bottom, text, kept.count);
    Put(pen, x + kept.width, y, bottom, kDots, kDotsLength);
}

// The last line with room in the block takes the mark when text follows it.
void DrawLines(Pen& pen, const char* text, int length, const RECT& block, int lineHeight, bool wordBreak)
{
    LineScan scan(pen.out, pen.dc, text, length, wordBreak, pen.box.right - pen.box.left);
    Line line;
    for (int top = block.top; top < block.bottom && scan.Next(&line); top += lineHeight) {
        const int bottom = std::min<int>(top + lineHeight, block.bottom);
        const bool hidesMore = pen.mark && bottom == block.bottom &&
                               HasVisibleText(text + scan.Position(), length - scan.Position());
        DrawLine(pen, text + line.start, line.length, line.width, top, bottom, hidesMore);
    }
}

}  // namespace

TextOutput GdiTextOutput()
{
    TextOutput out;
    out.textExtent = &GetTextExtentPointA;
    out.fitExtent = &GetTextExtentExPointA;
    out.textOut = &ExtTextOutA;
    out.getTextAlign = &GetTextAlign;
    out.setTextAlign = &SetTextAlign;
    return out;
}

bool TextHasChar(const char* text, int length, char character)
{
    if (!text)
        return false;
    for (int i = 0; i < length; ++i) {
        if (text[i] == character)
            return true;
    }
    return false;
}

TextBlock MeasureText(const TextOutput& out, HDC dc, const char* text, int length, int avail, UINT format,
                      int maxLines)
{
    if (length < 1 || !text)
        return {0, 0, 0};
    const bool mark = (format & DT_END_ELLIPSIS) != 0;
    if (!LaidOutInLines(text, length, format)) {
        if (!mark) {
            const SIZE size = Extent(out, dc, text, length);
            return {size.cx, size.cy, 0};
        }
        // A line to be cut needs measuring only as far as the box.
        const Fit fit = FitPrefix(out, dc, text, length, avail);
        return {fit.count == length ? fit.width : avail + 1, fit.height, 0};
    }
    if (maxLines < 1)
        maxLines = 1;
    TextBlock block = {0, 0, Extent(out, dc, "T", 1).cy};
    LineScan scan(out, dc, text, length, (format & DT_WORDBREAK) != 0, avail);
    Line line;
    int lines = 0;
    while (lines < maxLines && scan.Next(&line)) {
        int width = line.width < 0 ? avail + 1 : line.width;
        if (++lines == maxLines && mark && HasVisibleText(text + scan.Position(), length - scan.Position()))
            width = std::min<int>(width + Extent(out, dc, kDots, kDotsLength).cx, avail);
        block.width = std::max(block.width, width);
    }
    block.height = std::max(lines, 1) * block.lineHeight;
    return block;
}

void DrawTextBlock(const TextOutput& out, HDC dc, const char* text, int length, const RECT& rect, UINT format,
                   const TextBlock& block, const RECT* fill)
{
    if (length < 1 || !text)
        return;
    RECT work = rect;
    if (format & DT_VCENTER) {
        int offset = (rect.bottom - rect.top - block.height) / 2;
        // A block taller than the box shows its first lines; one line stays
        // centred even when it overflows at both edges.
        if (!(format & DT_SINGLELINE) && offset < 0)
            offset = 0;
        work.top += offset;
    }
    work.bottom = std::min<LONG>(work.bottom, work.top + block.height);

    Pen pen = {out, dc, rect, format, (format & DT_END_ELLIPSIS) != 0, -1};
    const UINT saved = out.getTextAlign(dc);
    const bool realign = saved != 0 && saved != GDI_ERROR;
    if (realign)
        out.setTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    if (fill && block.lineHeight == 0 && block.width <= rect.right - rect.left)
        out.textOut(dc, AlignedX(pen, block.width), work.top, ETO_OPAQUE | ETO_CLIPPED, fill, text,
                    static_cast<UINT>(length), nullptr);
    else if (block.lineHeight > 0)
        DrawLines(pen, text, length, work, block.lineHeight, (format & DT_WORDBREAK) != 0);
    else
        DrawLine(pen, text, length, block.width, work.top, work.bottom, false);
    if (realign)
        out.setTextAlign(dc, saved);
}

void DrawTextWrapped(HDC dc, const char* text, int length, RECT* rect, UINT format, int maxLines)
{
    DrawTextWrapped(GdiTextOutput(), dc, text, length, rect, format, maxLines);
}

void DrawTextWrapped(const TextOutput& out, HDC dc, const char* text, int length, RECT* rect,
                     UINT format, int maxLines)
{
    if (length < 1 || !rect || !text)
        return;
    const TextBlock block = MeasureText(out, dc, text, length, rect->right - rect->left, format, maxLines);
    if (format & DT_CALCRECT) {
        rect->bottom = rect->top + block.height;
        if (format & DT_SINGLELINE)
            rect->right = rect->left + block.width;
        return;
    }
    DrawTextBlock(out, dc, text, length, *rect, format, block);
}
