// The device context: every page, printout and preview draws through it.
//
// It rasterises straight into a 32-bit image (the view's backing image, a
// printer page or a test surface) with the rules the pages were written for:
// - no antialiasing anywhere, text included;
// - drawing coordinates are logical; device pixel = logical + viewport origin;
// - everything is clipped to the clip rectangle (device pixels);
// - fills and rectangles include left/top and exclude right/bottom;
// - a pen of width 0 or 1 is one pixel wide and LineTo leaves out the end
//   pixel; a wider pen draws a round-capped stroke whose ends are included,
//   so a zero-length segment of width 2 draws a dot;
// - Rectangle/Ellipse/Polygon outline with the pen and fill with the brush,
//   the outline of a 1-pixel pen lying inside the right/bottom edge;
// - SetPixel, GetPixel, FloodFill, ExtFloodFill and the XOR/NOT raster
//   operations work on the pixels directly.
//
// The finer points, pinned by tests:
// - A one-pixel line steps along its longer axis; the pixel of step i lies
//   at the exact position rounded to the nearest pixel, a tie going towards
//   the start point (Bresenham). Lines are clipped before they are stepped,
//   with the same pixels as unclipped (exactly up to 2^28 pixels away).
// - A wide pen of width w covers the pixels whose centres lie within w/2 of
//   the segment; for even widths the centres are taken half a pixel down and
//   right, so a horizontal line at y covers rows y - w/2 .. y + w/2 - 1 and a
//   width-2 dot at (x, y) is the square x-1..x, y-1..y.
// - Dashed and dotted pens dash one-pixel lines (gaps take the background
//   colour in OPAQUE mode, as the scripts' dashed axes expect); wide pens and the outlines of
//   ellipses and arcs are always solid.
// - The raster operation (SetROP2) applies to everything the pen draws; brush
//   fills, FillSolidRect, SetPixel and text copy their colour.
// - With a null pen, Rectangle and Ellipse fill one pixel less at the right
//   and bottom, so shapes drawn edge to edge by the scripts do not overlap.
// - An ellipse covers the pixels whose centres lie inside the ellipse through
//   the centres of the bounding box's edge pixels, widened by half a pixel;
//   its 1-pixel outline is the region's border, so it is symmetric.
// - Polygons fill the pixels whose centres (x + 0.5, y + 0.5) lie inside
//   (alternate rule), so a polygon with the corners of a rectangle fills what
//   FillSolidRect of that rectangle fills.
// - Arc, Pie and Chord take the pixels of the ellipse between the two rays
//   from the centre, anticlockwise on screen from the start ray; equal rays
//   mean the whole ellipse.
// - TextOut places the top-left of the text cell at (x, y); the cell is as
//   high as the font's ascent + descent and as wide as the advance; a font
//   escapement turns the text anticlockwise about (x, y).
// - DrawImage takes for each destination pixel the source pixel its
//   top-left corner falls in (no smoothing).
// - BitBlt copies pixels one to one from another DC (SRCCOPY only); source
//   pixels outside the source image leave the destination as it was.
//   StretchBlt takes for each destination pixel the source pixel its
//   top-left corner falls in, as DrawImage does.
#pragma once

#include "platform/line_steps.h"
#include "platform/types.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

class QImage;
class QPainter;

// Pen styles (only solid and null are drawn differently; dashes draw solid
// segments with gaps).
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6; // drawn solid

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Raster operations: result = f(pen, destination), all sixteen of them.
constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

constexpr int FLOODFILLBORDER = 0;
constexpr int FLOODFILLSURFACE = 1;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr UINT SRCCOPY = 0x00CC0020u;

// Caches that only save time (text drawn before, a page's pattern
// background, a wide stroke repeated). Off, everything is drawn along the plain path; the pixels
// are the same either way. On unless turned off.
namespace dcdetail {
inline bool g_bDrawingCaches = true;
// Counts the DCs made and the drawing operations of all of them (each starts
// with Prepare): a DC can tell that nothing was drawn since a stroke of its.
inline std::uint64_t g_nDrawSerial = 0;
} // namespace dcdetail
inline void SetDrawingCachesEnabled(bool on) {
    dcdetail::g_bDrawingCaches = on;
}
inline bool DrawingCachesEnabled() {
    return dcdetail::g_bDrawingCaches;
}

// GetClipBox results.
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;

struct CPen {
    int nStyle = PS_SOLID;
    int nWidth = 0;
    COLORREF crColor = 0;
    CPen() = default;
    CPen(int style, int width, COLORREF c) : nStyle(style), nWidth(width), crColor(c) {}
};

struct CBrush {
    bool bNull = false;
    COLORREF crColor = RGB(255, 255, 255);
    CBrush() = default;
    explicit CBrush(COLORREF c) : crColor(c) {}
    static CBrush Null() {
        CBrush b;
        b.bNull = true;
        return b;
    }
};

// A picture in memory that a CDC of its own draws on, to be copied onto
// another DC with BitBlt. Black when created.
class CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    BOOL CreateBitmap(int width, int height); // FALSE for an empty size or no memory
    void DeleteObject();
    CSize GetSize() const;
    QImage* Surface() const { return m_pImage.get(); }

private:
    std::unique_ptr<QImage> m_pImage;
};

class CDC {
public:
    // Draws on `image`, which must stay alive and keep its size while the DC
    // exists. The clip rectangle starts as the whole image.
    explicit CDC(QImage* image);
    explicit CDC(CBitmap* bitmap) : CDC(bitmap->Surface()) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // --- Coordinates and clipping -----------------------------------------
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_ptOrg; }
    // Clip rectangle in device pixels (intersected with the image).
    void SetClipRect(const CRect& device);
    CRect GetClipRect() const { return m_rcClip; }
    // The clip rectangle in logical coordinates.
    int GetClipBox(CRect* rect) const;
    BOOL IsPrinting() const { return m_bPrinting; }
    void SetPrinting(BOOL printing) { m_bPrinting = printing; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    // --- Attributes ---------------------------------------------------------
    CPen SelectObject(const CPen& pen) { // inline: curves select a pen per segment
        const CPen old = m_pen;
        m_pen = pen;
        return old;
    }
    CBrush SelectObject(const CBrush& brush);
    LOGFONT SelectObject(const LOGFONT& font);
    const CPen& GetCurrentPen() const { return m_pen; }
    const CBrush& GetCurrentBrush() const { return m_brush; }
    const LOGFONT& GetCurrentFont() const { return m_font; }
    COLORREF SetTextColor(COLORREF c);
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF SetBkColor(COLORREF c);
    COLORREF GetBkColor() const { return m_crBk; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_nBkMode; }
    int SetROP2(int mode);
    int GetROP2() const { return m_nRop2; }

    // --- Lines and shapes ------------------------------------------------------
    CPoint MoveTo(int x, int y) {
        const CPoint old = m_ptCur;
        m_ptCur = CPoint(x, y);
        m_nDashPos = 0;
        return old;
    }
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    // Inline: a curve sampled finer than its pixels repeats one stroke many
    // times in a row (mostly a dot), and such a repeat only moves the pen.
    BOOL LineTo(int x, int y) {
        if (RepeatsLastStroke(x, y)) {
            m_ptCur = CPoint(x, y);
            return TRUE;
        }
        return StrokeTo(x, y);
    }
    BOOL LineTo(CPoint p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return m_ptCur; }
    BOOL Polyline(const CPoint* pts, int count);
    BOOL Rectangle(int l, int t, int r, int b);
    BOOL Rectangle(const CRect& rc) { return Rectangle(rc.left, rc.top, rc.right, rc.bottom); }
    BOOL Ellipse(int l, int t, int r, int b);
    BOOL Ellipse(const CRect& rc) { return Ellipse(rc.left, rc.top, rc.right, rc.bottom); }
    BOOL Polygon(const CPoint* pts, int count);
    // Polygon with a null pen and a solid brush of the colour, neither
    // selected: a scene fills many small pieces, each in its own colour.
    BOOL FillPolygon(const CPoint* pts, int count, COLORREF colour);
    // Elliptic arcs in the bounding box, anticlockwise from the ray towards
    // (xs, ys) to the ray towards (xe, ye).
    BOOL Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye);
    BOOL Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye);
    BOOL Chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye);

    // --- Fills and pixels -----------------------------------------------------
    void FillSolidRect(const CRect& rc, COLORREF c);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF c) {
        FillSolidRect(CRect(x, y, x + cx, y + cy), c);
    }
    void FillRect(const CRect& rc, const CBrush& brush);
    // A stroke two pixels wide as 2 × 2 dots along it: the one-pixel line
    // from a to b without its end, its copy one pixel up (left for a steep
    // line) and a 2 × 2 box (x − 1..x, y − 1..y) at each end. The pixels are
    // those of MoveTo/LineTo twice with a solid one-pixel pen of the colour
    // and two FillSolidRect, with the pixels fetched once; the pen stays.
    void DotStroke(CPoint a, CPoint b, COLORREF colour);
    // For a loop that fills very many small boxes (a surface mesh's strokes):
    // the image's pixels, fetched once. Box writes what FillSolidRect of the
    // logical rectangle writes when the rectangle lies inside the clip, and
    // returns false, drawing nothing, otherwise. Valid while the DC's image
    // is neither copied nor resized (within one figure's drawing call).
    class DirectBoxes {
    public:
        bool Box(const CRect& rc, COLORREF c) const {
            const long long l = (long long)rc.left + org.x, r = (long long)rc.right + org.x;
            const long long t = (long long)rc.top + org.y, b = (long long)rc.bottom + org.y;
            if (!bits || l < clip.left || r > clip.right || t < clip.top || b > clip.bottom ||
                l > r || t > b)
                return false;
            ++dcdetail::g_nDrawSerial;
            const std::uint32_t rgb = Rgb(c);
            for (long long y = t; y < b; ++y) {
                std::uint32_t* row = bits + std::size_t(y) * stride;
                for (long long x = l; x < r; ++x) row[x] = rgb;
            }
            return true;
        }

        // SetPixel's write, the image fetched once: nothing outside the clip.
        void Pixel(int x, int y, COLORREF c) const {
            const long long dx = (long long)x + org.x, dy = (long long)y + org.y;
            if (!bits || dx < clip.left || dx >= clip.right || dy < clip.top || dy >= clip.bottom)
                return;
            ++dcdetail::g_nDrawSerial;
            bits[std::size_t(dy) * stride + std::size_t(dx)] = Rgb(c);
        }

        // DotStroke's pixels when its lines and end boxes lie inside the
        // clip and the mix mode copies; false, drawing nothing, otherwise.
        // The DC's pen position and dash count stay as they were until
        // EndDotStroke(a, b) settles them.
        bool DotStroke(CPoint a, CPoint b, COLORREF c) const {
            if (!bits || !copyPen) return false;
            const long long x0 = (long long)a.x + org.x, y0 = (long long)a.y + org.y;
            const long long x1 = (long long)b.x + org.x, y1 = (long long)b.y + org.y;
            if (std::min(x0, x1) - 1 < clip.left || std::max(x0, x1) >= clip.right ||
                std::min(y0, y1) - 1 < clip.top || std::max(y0, y1) >= clip.bottom)
                return false;
            ++dcdetail::g_nDrawSerial;
            const std::uint32_t rgb = Rgb(c);
            // The copy one pixel up, or left for a steep line.
            const dcdetail::LineSteps line(x0, y0, x1, y1);
            const std::ptrdiff_t copy = line.xMajor ? -std::ptrdiff_t(stride) : std::ptrdiff_t(-1);
            std::uint32_t* const p = bits;
            line.Walk(std::ptrdiff_t(stride), 0, line.amaj - 1, [p, copy, rgb](std::ptrdiff_t at) {
                p[at] = rgb;
                p[at + copy] = rgb;
            });
            for (int e = 0; e < 2; ++e) {
                const long long ex = e == 0 ? x0 : x1, ey = e == 0 ? y0 : y1;
                std::uint32_t* box = bits + std::size_t(ey - 1) * stride + std::size_t(ex - 1);
                box[0] = box[1] = box[stride] = box[stride + 1] = rgb;
            }
            return true;
        }

        // The pixels of MoveTo(a), LineTo(b) with a solid one-pixel pen of
        // the colour when both ends lie inside the clip and the mix mode
        // copies; false, drawing nothing, otherwise. EndLine(a, b) settles
        // the pen position and dash count.
        bool Line(CPoint a, CPoint b, COLORREF c) const {
            if (!bits || !copyPen) return false;
            const long long x0 = (long long)a.x + org.x, y0 = (long long)a.y + org.y;
            const long long x1 = (long long)b.x + org.x, y1 = (long long)b.y + org.y;
            if (x0 < clip.left || x0 >= clip.right || x1 < clip.left || x1 >= clip.right ||
                y0 < clip.top || y0 >= clip.bottom || y1 < clip.top || y1 >= clip.bottom)
                return false;
            ++dcdetail::g_nDrawSerial;
            const std::uint32_t rgb = Rgb(c);
            const dcdetail::LineSteps line(x0, y0, x1, y1);
            std::uint32_t* const p = bits;
            line.Walk(std::ptrdiff_t(stride), 0, line.amaj - 1,
                      [p, rgb](std::ptrdiff_t at) { p[at] = rgb; });
            return true;
        }

    private:
        friend class CDC;
        static std::uint32_t Rgb(COLORREF c) {
            return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
        }
        std::uint32_t* bits = nullptr;
        std::size_t stride = 0;
        CRect clip;
        CPoint org;
        bool copyPen = false;
    };
    DirectBoxes Direct();
    // While on, every primitive draws nothing (as on a DC without an image)
    // and measuring works as ever: for a pass whose pixels a later pass
    // paints over.
    void SetDrawingDiscarded(bool on) {
        m_bDiscard = on;
        if (on) m_pBits = nullptr;
    }
    // The pen position and dash count DotStroke(a, b) leaves, for a stroke
    // DirectBoxes drew.
    void EndDotStroke(CPoint a, CPoint b);
    // The pen position and dash count MoveTo(a), LineTo(b) leave, for a line
    // DirectBoxes drew.
    void EndLine(CPoint a, CPoint b) {
        const long long dx = std::llabs((long long)b.x - a.x),
                        dy = std::llabs((long long)b.y - a.y);
        m_nDashPos = dx > dy ? dx : dy;
        m_last.serial = 0;
        m_ptCur = b;
    }
    COLORREF SetPixel(int x, int y, COLORREF c);
    COLORREF GetPixel(int x, int y) const;
    // Fills with the current brush, 4-connected, within the clip rectangle:
    // border mode up to pixels of `colour`, surface mode over pixels of it.
    BOOL ExtFloodFill(int x, int y, COLORREF colour, UINT fillType);
    BOOL FloodFill(int x, int y, COLORREF border) {
        return ExtFloodFill(x, y, border, FLOODFILLBORDER);
    }

    // --- Text -----------------------------------------------------------------
    // GBK bytes, top-left at (x, y), in the selected font and text colour; an
    // opaque background fills the text's cell box first.
    BOOL TextOut(int x, int y, const char* gbk, int count);
    BOOL TextOut(int x, int y, const CString& gbk) {
        return TextOut(x, y, gbk.data(), int(gbk.size()));
    }
    CSize GetTextExtent(const CString& gbk) const;
    // Where the text puts ink, relative to the top-left of its cell (the
    // cell for turned text).
    CRect GetTextInk(const CString& gbk) const;
    // Whether single-byte text in the selected italic font is upright letters
    // sheared into a slant, leaning right of its cells (else the letters of
    // an italic design stand inside their cells).
    bool IsShearedItalic() const;

    // --- Pictures -----------------------------------------------------------
    // Scales `picture` into the logical rectangle (clipped).
    void DrawImage(const CRect& dest, const QImage& picture);
    // Copies the block at logical (xSrc, ySrc) of `pSrcDC` to logical (x, y).
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                UINT dwRop);
    // BitBlt's copy, each row read from the source row `rows` names for it
    // (rows[i] for source device row i, `count` of them): a block of many
    // equal rows is read from one, which stays in the cache.
    BOOL BitBltRows(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                    const int* rows, int count);
    // Scales the source block into the destination block (positive sizes).
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, UINT dwRop);

    // The surface itself, for the platform's own use (window, printer).
    QImage* Surface() const { return m_pImage; }

private:
    // The last wide stroke of this DC drawn with the copy operation. With
    // nothing drawn anywhere since (the serial), the same stroke in the same
    // pen, origin and clip sets the pixels it already has. Wide pens leave
    // the dash position alone, so a skipped repeat leaves nothing behind.
    struct LastStroke {
        std::uint64_t serial = 0;           // 0: none; origin and clip changes clear it
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // logical
        int width = 0;
        COLORREF colour = 0;
    };
    bool RepeatsLastStroke(int x, int y) const {
        return m_last.serial == dcdetail::g_nDrawSerial && m_last.x1 == x && m_last.y1 == y &&
               m_last.x0 == m_ptCur.x && m_last.y0 == m_ptCur.y && m_last.width == m_pen.nWidth &&
               m_last.colour == m_pen.crColor && m_pen.nStyle != PS_NULL && m_nRop2 == R2_COPYPEN &&
               DrawingCachesEnabled();
    }
    BOOL StrokeTo(int x, int y);

    // Device-space helpers; device coordinates of shapes are 64-bit so that
    // logical + origin cannot overflow.
    bool Prepare();
    inline bool InClip(int x, int y) const {
        return x >= m_rcClip.left && x < m_rcClip.right && y >= m_rcClip.top && y < m_rcClip.bottom;
    }
    std::uint32_t PenPixel(std::uint32_t dst, std::uint32_t pen) const;
    // Pen ROP, unclipped; inline: thin lines plot through it pixel by pixel.
    void PlotDevice(int x, int y, std::uint32_t rgb) {
        std::uint32_t* p = m_pBits + std::size_t(y) * std::size_t(m_nStride) + std::size_t(x);
        *p = m_nRop2 == R2_COPYPEN ? rgb : PenPixel(*p, rgb);
    }
    void PenSpan(long long y, long long x0, long long x1); // pen ROP, clipped, x1 inclusive
    // Copy, clipped, x1 inclusive; inline: text stamps and fills call it per
    // run of a few pixels.
    void FillSpanDevice(long long y, long long x0, long long x1, std::uint32_t rgb) {
        if (!m_pBits || y < m_rcClip.top || y >= m_rcClip.bottom) return;
        if (x0 < m_rcClip.left) x0 = m_rcClip.left;
        if (x1 > m_rcClip.right - 1) x1 = m_rcClip.right - 1;
        if (x0 > x1) return;
        std::uint32_t* row = m_pBits + std::size_t(y) * std::size_t(m_nStride);
        std::fill(row + x0, row + x1 + 1, rgb);
    }
    void FillRectDevice(long long l, long long t, long long r, long long b, std::uint32_t rgb);
    bool PenVisible() const { return m_pen.nStyle != PS_NULL; }
    // Wide pens are capped so that no width makes a stroke unbounded.
    int PenWidth() const {
        return m_pen.nWidth > 1 ? (m_pen.nWidth < 4096 ? m_pen.nWidth : 4096) : 1;
    }
    // Direct() of an image Prepare() has just fetched.
    DirectBoxes Prepared() const;
    void ThinLineDevice(long long x0, long long y0, long long x1, long long y1, bool includeEnd);
    bool ClipSteps(const dcdetail::LineSteps& line, long long* ia, long long* ib) const;
    void WideLineDevice(double x0, double y0, double x1, double y1);
    void StrokeDevice(long long x0, long long y0, long long x1, long long y1, bool includeEnd);
    void OutlinePolyDevice(const long long* xs, const long long* ys, int n, bool closed);
    void FillPolygonDevice(const long long* xs, const long long* ys, int n, std::uint32_t rgb);
    // Polygon's work: filled in `fill` when given, outlined in the pen.
    BOOL PolygonWith(const CPoint* pts, int count, const COLORREF* fill, bool outline);
    void EllipseShape(int l, int t, int r, int b, int kind, int xs, int ys, int xe, int ye);

    QImage* m_pImage;
    bool m_bDiscard = false;
    std::uint32_t* m_pBits = nullptr;
    int m_nStride = 0; // in pixels
    int m_nWidth = 0, m_nHeight = 0;
    CRect m_rcClip;
    CPoint m_ptOrg;
    CPoint m_ptCur;
    long long m_nDashPos = 0; // where a dashed pen is in its pattern; MoveTo restarts it
    LastStroke m_last;
    CPen m_pen;
    CBrush m_brush;
    LOGFONT m_font;
    COLORREF m_crText = 0;
    COLORREF m_crBk = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    int m_nRop2 = R2_COPYPEN;
    BOOL m_bPrinting = FALSE;
};

// Restores a selected pen, brush or font when it goes out of scope.
template <class T> class CDCSelect {
public:
    CDCSelect(CDC* dc, const T& obj) : m_pDC(dc), m_old(dc->SelectObject(obj)) {}
    ~CDCSelect() { m_pDC->SelectObject(m_old); }
    CDCSelect(const CDCSelect&) = delete;
    CDCSelect& operator=(const CDCSelect&) = delete;

private:
    CDC* m_pDC;
    T m_old;
};
using CPenSelect = CDCSelect<CPen>;
using CBrushSelect = CDCSelect<CBrush>;
using CFontSelect = CDCSelect<LOGFONT>;
