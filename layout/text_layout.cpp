// The control's own text layout routine.
//
// Lines are found by one scan that serves both counting and drawing, so the
// height a row is measured with and the lines painted into it always agree.
// Lines are broken only at spaces: the first word of a line is never measured
// on its own, so a word wider than the box keeps a line of its own and is cut
// with "..." when drawn. Only the stack is used; painting a cell must never
// fail for want of memory.
#include "layout/text_layout.h"

namespace {

const char kDots[] = "...";
const int kDotsLength = 3;

// Alignment is the only part of the format a line of a block keeps.
const UINT kAlignBits = DT_CENTER | DT_RIGHT;

SIZE Extent(const TextOutput& out, HDC dc, const char* text, int length)
{
    SIZE size = {0, 0};
    if (!out.textExtent(dc, text, length, &size)) {
        size.cx = 0;
        size.cy = 0;
    }
    return size;
}

// One line found by the scan: its bytes and whether a CR, an LF or a wrap
// ended it (the last line, which runs to the end of the text, was not).
struct Line {
    int start;
    int length;
    bool endedByBreak;
};

// Walks a text line by line. A wrap is decided by measuring the line from its
// start up to each space (and up to the end of the text) once a first break
// opportunity exists; the line then ends at the previous opportunity.
class LineScan {
public:
    LineScan(const TextOutput& out, HDC dc, const char* text, int length, bool wordBreak, int avail)
        : out_(out), dc_(dc), text_(text), length_(length), wordBreak_(wordBreak), avail_(avail) {}

    bool Next(Line* line)
    {
        if (pos_ >= length_)
            return false;
        const int start = pos_;
        int opportunity = -1;
        int i = start;
        for (;;) {
            if (i >= length_) {
                if (opportunity >= 0 && TooWide(start, i)) {
                    End(line, start, opportunity, opportunity, true);
                } else {
                    End(line, start, length_, length_, false);
                }
                break;
            }
            const char c = text_[i];
            if (c == '\r') {
                // CR LF is one break; LF CR is two (the CR ends an empty line).
                int next = i + 1;
                if (next < length_ && text_[next] == '\n')
                    ++next;
                End(line, start, i, next, true);
                break;
            }
            if (c == '\n') {
                End(line, start, i, i + 1, true);
                break;
            }
            if (c == ' ' && wordBreak_) {
                if (opportunity >= 0 && TooWide(start, i)) {
                    End(line, start, opportunity, opportunity, true);
                    break;
                }
                opportunity = i;
            }
            ++i;
        }
        if (wordBreak_) {
            // Spaces a line starts with after a break are dropped; the very
            // first line keeps its leading spaces.
            while (pos_ < length_ && text_[pos_] == ' ')
                ++pos_;
        }
        return true;
    }

private:
    bool TooWide(int start, int end) const
    {
        return Extent(out_, dc_, text_ + start, end - start).cx > avail_;
    }
    void End(Line* line, int start, int end, int next, bool byBreak)
    {
        line->start = start;
        line->length = end - start;
        line->endedByBreak = byBreak;
        pos_ = next;
    }

    const TextOutput& out_;
    HDC dc_;
    const char* text_;
    int length_;
    bool wordBreak_;
    int avail_;
    int pos_ = 0;
};

// Draws one line that needs no scan; a line wider than the box is shortened
// byte by byte until it fits together with "...", which follows it directly.
void DrawSingleLine(const TextOutput& out, HDC dc, const char* text, int length, RECT* work,
                    UINT format, int width, int avail)
{
    format &= ~(DT_WORDBREAK | DT_NOCLIP);
    if (width <= avail) {
        out.drawText(dc, text, length, work, format);
        return;
    }
    const int dotsWidth = Extent(out, dc, kDots, kDotsLength).cx;
    int kept = length;
    do {
        --kept;
        width = kept > 0 ? Extent(out, dc, text, kept).cx : 0;
    } while (kept > 0 && width + dotsWidth > avail);
    if (kept == 0) {
        out.drawText(dc, kDots, kDotsLength, work, format);
        return;
    }
    // The mark must follow the shortened text wherever alignment put it, so
    // the text is placed by the current position and advances it.
    int x;
    if (format & DT_RIGHT)
        x = work->right - width - dotsWidth;
    else if (format & DT_CENTER)
        x = work->left + (avail - width - dotsWidth) / 2;
    else
        x = work->left;
    const UINT savedAlign = out.getTextAlign(dc);
    out.setTextAlign(dc, TA_UPDATECP);
    out.moveTo(dc, x, work->top, nullptr);
    out.drawText(dc, text, kept, work, format);
    out.drawText(dc, kDots, kDotsLength, work, format);
    out.setTextAlign(dc, savedAlign);
}

void DrawLines(const TextOutput& out, HDC dc, const char* text, int length, RECT* work,
               UINT format, int maxLines, int lineHeight, int avail)
{
    const UINT lineFormat = (format & kAlignBits) | DT_SINGLELINE;
    LineScan scan(out, dc, text, length, (format & DT_WORDBREAK) != 0, avail);
    Line line;
    while (scan.Next(&line)) {
        if (line.length > 0)
            DrawTextWrapped(out, dc, text + line.start, line.length, work, lineFormat, maxLines);
        if (line.endedByBreak)
            work->top += lineHeight;
        if (work->top >= work->bottom) {
            // More text than room: mark the last line drawn at the right edge.
            work->top -= lineHeight;
            DrawTextWrapped(out, dc, kDots, kDotsLength, work, DT_SINGLELINE | DT_RIGHT, 1);
            return;
        }
    }
}

}  // namespace

TextOutput GdiTextOutput()
{
    TextOutput out;
    out.textExtent = &GetTextExtentPointA;
    out.drawText = &DrawTextA;
    out.getTextAlign = &GetTextAlign;
    out.setTextAlign = &SetTextAlign;
    out.moveTo = &MoveToEx;
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

void DrawTextWrapped(HDC dc, const char* text, int length, RECT* rect, UINT format, int maxLines)
{
    DrawTextWrapped(GdiTextOutput(), dc, text, length, rect, format, maxLines);
}

void DrawTextWrapped(const TextOutput& out, HDC dc, const char* text, int length, RECT* rect,
                     UINT format, int maxLines)
{
    if (length < 1 || !rect || !text)
        return;
    if (maxLines < 1)
        maxLines = 1;
    RECT work = *rect;
    const int avail = work.right - work.left;
    const bool hasBreaks = TextHasChar(text, length, '\r') || TextHasChar(text, length, '\n');
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const bool wordBreak = (format & DT_WORDBREAK) != 0;
    // Both the measurement and the drawing go through the line scan exactly
    // when the text can have more than one line.
    const bool scanned = hasBreaks || (!singleLine && wordBreak);

    int width;
    int height;
    int lineHeight = 0;
    if (!scanned) {
        const SIZE size = Extent(out, dc, text, length);
        width = size.cx;
        height = size.cy;
    } else {
        lineHeight = Extent(out, dc, "T", 1).cy;
        int lines = 0;
        LineScan scan(out, dc, text, length, wordBreak, avail);
        Line line;
        while (lines < maxLines && scan.Next(&line)) {
            if (line.endedByBreak || line.length > 0)
                ++lines;
        }
        width = avail;
        height = (lines > 1 ? lines : 1) * lineHeight;
    }

    if (format & DT_CALCRECT) {
        rect->bottom = rect->top + height;
        if (singleLine)
            rect->right = rect->left + width;
        return;
    }

    if (format & DT_VCENTER) {
        int offset = (work.bottom - work.top - height) / 2;
        // A block taller than the box shows its first lines; one line stays
        // centred even when it overflows at both edges.
        if (!singleLine && offset <= 0)
            offset = 0;
        work.top += offset;
        format &= ~DT_VCENTER;
    }
    if (work.top + height < work.bottom)
        work.bottom = work.top + height;

    if (scanned)
        DrawLines(out, dc, text, length, &work, format, maxLines, lineHeight, avail);
    else
        DrawSingleLine(out, dc, text, length, &work, format, width, avail);
}
