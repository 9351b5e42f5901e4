// Basic value types of the drawing layer: points, sizes, rectangles, colours
// and the font description, named as the program's drawing code expects them.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
typedef unsigned int UINT;
typedef std::uint8_t BYTE;
typedef std::uint32_t COLORREF; // 0x00BBGGRR

// Script and page texts are GBK bytes from the file to the screen.
using CString = std::string;

constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF(r & 255) | (COLORREF(g & 255) << 8) | (COLORREF(b & 255) << 16);
}
constexpr int GetRValue(COLORREF c) {
    return int(c & 255);
}
constexpr int GetGValue(COLORREF c) {
    return int((c >> 8) & 255);
}
constexpr int GetBValue(COLORREF c) {
    return int((c >> 16) & 255);
}

// The one way a computed coordinate becomes a pixel: truncation toward zero,
// saturated to a range that keeps later integer arithmetic safe (a sum or
// small multiple of up to 31 such values still fits an int). Drawing
// coordinates are page coordinates, so the range holds every page position
// with room to spare.
constexpr int kPixelLimit = 1 << 26;
inline int ToPixel(double v) {
    if (!(v == v)) return 0; // NaN: callers test IsDrawable first
    if (v >= kPixelLimit) return kPixelLimit;
    if (v <= -kPixelLimit) return -kPixelLimit;
    return int(v);
}
// A value that may become a pixel: finite and within the saturation range.
inline bool IsDrawable(double v) {
    return std::fabs(v) < kPixelLimit; // false for NaN and the infinities
}
// IsDrawable and ToPixel at once, for per-sample mappings: a drawable value
// needs no saturation (a NaN fails the comparison).
inline bool ToDrawablePixel(double v, int* px) {
    if (!(std::fabs(v) < kPixelLimit)) return false;
    *px = int(v);
    return true;
}

// Page positions: the y of text lines and figures down the page, and the
// click's point on the page. They stay within +-kPageLimit, half the pixel
// range, so a position plus a figure's reach below it is still a pixel; a
// page longer than the bound (some 28,000 screens) is cut there, with a line
// that says so just below it.
constexpr int kPageLimit = 1 << 25;
static_assert(2 * std::int64_t(kPageLimit) <= kPixelLimit, "a figure's reach must fit");
inline int PagePos(std::int64_t v) {
    if (v >= kPageLimit) return kPageLimit;
    if (v <= -kPageLimit) return -kPageLimit;
    return int(v);
}

struct CPoint {
    int x = 0, y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};

struct CSize {
    int cx = 0, cy = 0;
    CSize() = default;
    CSize(int w, int h) : cx(w), cy(h) {}
    bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const CSize& o) const { return !(*this == o); }
};

// Rectangles include left/top and exclude right/bottom, as fills do.
struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
    CRect Intersect(const CRect& o) const;
    CRect Union(const CRect& o) const; // an empty operand is ignored
};

inline CRect CRect::Intersect(const CRect& o) const {
    CRect r(left > o.left ? left : o.left, top > o.top ? top : o.top,
            right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom);
    return r.IsRectEmpty() ? CRect() : r;
}

inline CRect CRect::Union(const CRect& o) const {
    if (IsRectEmpty()) return o;
    if (o.IsRectEmpty()) return *this;
    return CRect(left < o.left ? left : o.left, top < o.top ? top : o.top,
                 right > o.right ? right : o.right, bottom > o.bottom ? bottom : o.bottom);
}

// Font weights as the program names them.
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr int LF_FACESIZE = 32;

// Font description. lfHeight < 0 is the character height, > 0 the cell
// height; lfWidth is the average (half-width) character width, 0 for the
// face's own proportions; lfEscapement is in tenths of a degree,
// anticlockwise; lfFaceName is GBK ("宋体", "黑体" ...). lfHalfFullGap
// pixels are left between a half-width letter or digit and a full-width
// character written next to each other (button captions: the Ming face's
// Latin letters fill their cells).
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    BYTE lfHalfFullGap = 0;
    char lfFaceName[LF_FACESIZE] = {0};

    void SetFaceName(const char* gbkName) {
        std::strncpy(lfFaceName, gbkName, LF_FACESIZE - 1);
        lfFaceName[LF_FACESIZE - 1] = 0;
    }
};

// Two fonts alike field by field: the padding after the face name is never
// written, so the bytes of two equal fonts may differ.
inline bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight &&
           a.lfItalic == b.lfItalic && a.lfUnderline == b.lfUnderline &&
           a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           a.lfHalfFullGap == b.lfHalfFullGap &&
           std::memcmp(a.lfFaceName, b.lfFaceName, sizeof a.lfFaceName) == 0;
}
