// The device context: state, coordinates, pixels, rectangle fills and
// pictures. Lines and shapes are in dc_shapes.cpp, flood fill in dc_fill.cpp,
// text in dc_text.cpp.
#include "platform/dc.h"

#include "platform/dc_internal.h"
#include "platform/vector_state.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace dcdetail;

CDC::CDC(QImage* image) : m_pImage(image) {
    ++g_nDrawSerial;
    if (!image || image->isNull()) return;
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
        f != QImage::Format_ARGB32_Premultiplied)
        *image = image->convertToFormat(QImage::Format_RGB32);
    m_pBits = reinterpret_cast<std::uint32_t*>(image->bits());
    m_nStride = int(image->bytesPerLine() / 4);
    m_nWidth = image->width();
    m_nHeight = image->height();
    m_rcClip = CRect(0, 0, m_nWidth, m_nHeight);
}

CDC::~CDC() = default;

// Fetches the pixels again before every primitive: a copy of the image taken
// meanwhile (the screen shown during an animation) shares its memory until a
// write detaches it, and the old pointer would then write into the copy.
bool CDC::Prepare() {
    ++g_nDrawSerial;
    if (m_bDiscard) return false;
    // Three cheap queries on the usual path: a null image is never detached,
    // and bits() does detach bookkeeping worth avoiding on every SetPixel.
    if (m_pBits && m_pImage && m_pImage->isDetached() &&
        m_pImage->constBits() == reinterpret_cast<const uchar*>(m_pBits) &&
        m_pImage->size() == QSize(m_nWidth, m_nHeight))
        return true;
    if (!m_pImage || m_pImage->isNull() || m_pImage->width() != m_nWidth ||
        m_pImage->height() != m_nHeight) {
        m_pBits = nullptr;
        return false;
    }
    m_pBits = reinterpret_cast<std::uint32_t*>(m_pImage->bits());
    m_nStride = int(m_pImage->bytesPerLine() / 4);
    return true;
}

// --- Coordinates and clipping ----------------------------------------------

CPoint CDC::SetViewportOrg(int x, int y) {
    const CPoint old = m_ptOrg;
    m_ptOrg = CPoint(x, y);
    m_last.serial = 0;
    return old;
}

void CDC::SetClipRect(const CRect& device) {
    CRect r = device;
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    m_rcClip = r.Intersect(CRect(0, 0, m_nWidth, m_nHeight));
    m_last.serial = 0;
}

int CDC::GetClipBox(CRect* rect) const {
    if (rect) {
        *rect = m_rcClip;
        rect->OffsetRect(-m_ptOrg.x, -m_ptOrg.y);
    }
    return m_rcClip.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

// --- Attributes ---------------------------------------------------------------

CBrush CDC::SelectObject(const CBrush& brush) {
    const CBrush old = m_brush;
    m_brush = brush;
    return old;
}

LOGFONT CDC::SelectObject(const LOGFONT& font) {
    const LOGFONT old = m_font;
    m_font = font;
    return old;
}

COLORREF CDC::SetTextColor(COLORREF c) {
    const COLORREF old = m_crText;
    m_crText = c;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF c) {
    const COLORREF old = m_crBk;
    m_crBk = c;
    return old;
}

int CDC::SetBkMode(int mode) {
    const int old = m_nBkMode;
    if (mode == TRANSPARENT || mode == OPAQUE) m_nBkMode = mode;
    return old;
}

int CDC::SetROP2(int mode) {
    const int old = m_nRop2;
    if (mode >= R2_BLACK && mode <= R2_WHITE) m_nRop2 = mode;
    return old;
}

// --- Pixel writers ----------------------------------------------------------------

std::uint32_t CDC::PenPixel(std::uint32_t dst, std::uint32_t pen) const {
    if (m_nRop2 == R2_COPYPEN) return pen;
    // ROP2 code - 1 is the truth table of f(pen, dst): bit 2*pen + dst.
    const unsigned t = unsigned(m_nRop2 - 1);
    const std::uint32_t p = pen, d = dst;
    std::uint32_t r = 0;
    if (t & 1u) r |= ~p & ~d;
    if (t & 2u) r |= ~p & d;
    if (t & 4u) r |= p & ~d;
    if (t & 8u) r |= p & d;
    return (r & 0x00FFFFFFu) | kOpaque;
}

void CDC::PenSpan(long long y, long long x0, long long x1) {
    if (!m_pBits || y < m_rcClip.top || y >= m_rcClip.bottom) return;
    x0 = std::max<long long>(x0, m_rcClip.left);
    x1 = std::min<long long>(x1, m_rcClip.right - 1);
    if (x0 > x1) return;
    const std::uint32_t pen = ToRgb32(m_pen.crColor);
    std::uint32_t* row = m_pBits + std::size_t(y) * std::size_t(m_nStride);
    if (m_nRop2 == R2_COPYPEN) {
        std::fill(row + x0, row + x1 + 1, pen);
        return;
    }
    for (long long x = x0; x <= x1; ++x) row[x] = PenPixel(row[x], pen);
}

void CDC::FillRectDevice(long long l, long long t, long long r, long long b, std::uint32_t rgb) {
    t = std::max<long long>(t, m_rcClip.top);
    b = std::min<long long>(b, m_rcClip.bottom);
    l = std::max<long long>(l, m_rcClip.left);
    r = std::min<long long>(r, m_rcClip.right);
    if (!m_pBits || l >= r) return;
    // Clipped once for all rows: strokes are many short rows.
    for (long long y = t; y < b; ++y) {
        std::uint32_t* row = m_pBits + std::size_t(y) * std::size_t(m_nStride);
        std::fill(row + l, row + r, rgb);
    }
}

// --- Fills and pixels -----------------------------------------------------------

void CDC::FillSolidRect(const CRect& rc, COLORREF c) {
    if (!Prepare()) return;
    long long l = rc.left, r = rc.right, t = rc.top, b = rc.bottom;
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    FillRectDevice(l + m_ptOrg.x, t + m_ptOrg.y, r + m_ptOrg.x, b + m_ptOrg.y, ToRgb32(c));
}

void CDC::FillRect(const CRect& rc, const CBrush& brush) {
    if (brush.bNull) return;
    FillSolidRect(rc, brush.crColor);
}

CDC::DirectBoxes CDC::Direct() {
    return Prepare() ? Prepared() : DirectBoxes();
}

CDC::DirectBoxes CDC::Prepared() const {
    DirectBoxes d;
    d.bits = m_pBits, d.stride = std::size_t(m_nStride), d.clip = m_rcClip, d.org = m_ptOrg;
    d.copyPen = m_nRop2 == R2_COPYPEN;
    return d;
}

void CDC::EndDotStroke(CPoint a, CPoint b) {
    const long long dx = std::llabs((long long)b.x - a.x), dy = std::llabs((long long)b.y - a.y);
    const bool steep = dy > dx;
    m_nDashPos = std::max(dx, dy);
    m_last.serial = 0;
    m_ptCur = CPoint(b.x - (steep ? 1 : 0), b.y - (steep ? 0 : 1));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF c) {
    if (!Prepare()) return CLR_INVALID;
    const long long dx = (long long)x + m_ptOrg.x, dy = (long long)y + m_ptOrg.y;
    if (dx < m_rcClip.left || dx >= m_rcClip.right || dy < m_rcClip.top || dy >= m_rcClip.bottom)
        return CLR_INVALID;
    m_pBits[std::size_t(dy) * std::size_t(m_nStride) + std::size_t(dx)] = ToRgb32(c);
    return c & 0x00FFFFFFu;
}

COLORREF CDC::GetPixel(int x, int y) const {
    const long long dx = (long long)x + m_ptOrg.x, dy = (long long)y + m_ptOrg.y;
    if (dx < m_rcClip.left || dx >= m_rcClip.right || dy < m_rcClip.top || dy >= m_rcClip.bottom)
        return CLR_INVALID;
    if (!m_pImage || m_pImage->width() != m_nWidth || m_pImage->height() != m_nHeight)
        return CLR_INVALID;
    const auto* bits = reinterpret_cast<const std::uint32_t*>(m_pImage->constBits());
    return FromRgb32(
        bits[std::size_t(dy) * std::size_t(m_pImage->bytesPerLine() / 4) + std::size_t(dx)]);
}

// --- Pictures ------------------------------------------------------------------------

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateBitmap(int width, int height) {
    DeleteObject();
    if (width <= 0 || height <= 0) return FALSE;
    auto image = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
    if (image->isNull()) return FALSE;
    std::fill_n(reinterpret_cast<std::uint32_t*>(image->bits()),
                std::size_t(image->bytesPerLine() / 4) * std::size_t(height), kOpaque);
    m_pImage = std::move(image);
    return TRUE;
}

void CBitmap::DeleteObject() {
    m_pImage.reset();
}

CSize CBitmap::GetSize() const {
    return m_pImage ? CSize(m_pImage->width(), m_pImage->height()) : CSize(0, 0);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                 UINT dwRop) {
    if (dwRop != SRCCOPY) return FALSE;
    return BitBltRows(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nullptr, 0);
}

BOOL CDC::BitBltRows(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                     const int* rows, int count) {
    if (!pSrcDC || nWidth <= 0 || nHeight <= 0 || !Prepare()) return FALSE;
    const QImage* srcImage = pSrcDC->m_pImage;
    if (!srcImage || srcImage->isNull() || srcImage == m_pImage) return FALSE;
    // Device rectangles of both sides, cut to the clip here and to the
    // source image there.
    const long long dx = (long long)x + m_ptOrg.x, dy = (long long)y + m_ptOrg.y;
    const long long sx = (long long)xSrc + pSrcDC->m_ptOrg.x,
                    sy = (long long)ySrc + pSrcDC->m_ptOrg.y;
    long long l = std::max<long long>(dx, m_rcClip.left), t = std::max<long long>(dy, m_rcClip.top);
    long long r = std::min<long long>(dx + nWidth, m_rcClip.right);
    long long b = std::min<long long>(dy + nHeight, m_rcClip.bottom);
    l = std::max(l, dx - sx), t = std::max(t, dy - sy);
    r = std::min(r, dx - sx + srcImage->width()), b = std::min(b, dy - sy + srcImage->height());
    if (l >= r || t >= b) return TRUE;
    const auto* srcBits = reinterpret_cast<const std::uint32_t*>(srcImage->constBits());
    const std::size_t srcStride = std::size_t(srcImage->bytesPerLine() / 4);
    for (long long row = t; row < b; ++row) {
        long long source = row - dy + sy;
        if (rows && source < count && rows[source] >= 0 && rows[source] < srcImage->height())
            source = rows[source];
        const std::uint32_t* from =
            srcBits + std::size_t(source) * srcStride + std::size_t(l - dx + sx);
        std::copy(from, from + (r - l), m_pBits + std::size_t(row) * std::size_t(m_nStride) + l);
    }
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, UINT dwRop) {
    if (dwRop != SRCCOPY || !pSrcDC || nWidth <= 0 || nHeight <= 0 || nSrcWidth <= 0 ||
        nSrcHeight <= 0 || !Prepare())
        return FALSE;
    const QImage* srcImage = pSrcDC->m_pImage;
    if (!srcImage || srcImage->isNull() || srcImage == m_pImage) return FALSE;
    const long long dx = (long long)x + m_ptOrg.x, dy = (long long)y + m_ptOrg.y;
    const long long sx = (long long)xSrc + pSrcDC->m_ptOrg.x,
                    sy = (long long)ySrc + pSrcDC->m_ptOrg.y;
    const long long l = std::max<long long>(dx, m_rcClip.left);
    const long long t = std::max<long long>(dy, m_rcClip.top);
    const long long r = std::min<long long>(dx + nWidth, m_rcClip.right);
    const long long b = std::min<long long>(dy + nHeight, m_rcClip.bottom);
    if (l >= r || t >= b) return TRUE;
    // Each destination row is one source row resampled; equal neighbours
    // (a stretched row) are copied from the line made for the first.
    const long long srcW = srcImage->width(), srcH = srcImage->height();
    std::vector<long long> cols(std::size_t(r - l));
    for (long long col = l; col < r; ++col)
        cols[std::size_t(col - l)] = sx + (col - dx) * nSrcWidth / nWidth;
    const auto* srcBits = reinterpret_cast<const std::uint32_t*>(srcImage->constBits());
    const std::size_t srcStride = std::size_t(srcImage->bytesPerLine() / 4);
    std::vector<std::uint32_t> line(std::size_t(r - l));
    std::vector<char> inside(std::size_t(r - l));
    bool allInside = false;
    long long lineRow = -1;
    for (long long row = t; row < b; ++row) {
        const long long srow = sy + (row - dy) * nSrcHeight / nHeight;
        if (srow < 0 || srow >= srcH) continue;
        std::uint32_t* to = m_pBits + std::size_t(row) * std::size_t(m_nStride) + l;
        if (srow != lineRow) {
            const std::uint32_t* from = srcBits + std::size_t(srow) * srcStride;
            allInside = true;
            for (std::size_t i = 0; i < cols.size(); ++i) {
                inside[i] = cols[i] >= 0 && cols[i] < srcW;
                line[i] = inside[i] ? from[cols[i]] : 0;
                allInside = allInside && inside[i];
            }
            lineRow = srow;
        }
        if (allInside) {
            std::copy(line.begin(), line.end(), to);
            continue;
        }
        for (std::size_t i = 0; i < cols.size(); ++i)
            if (inside[i]) to[i] = line[i];
    }
    return TRUE;
}

// Nearest-neighbour scaling straight into the surface: the source pixel of a
// destination pixel is the one its left/top edge falls in.
void CDC::DrawImage(const CRect& dest, const QImage& picture) {
    if (picture.isNull() || dest.IsRectEmpty() || !Prepare()) return;
    const CUpperVectorStateScope cleanVectors; // the conversion is Qt's
    const QImage src = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const long long l = (long long)dest.left + m_ptOrg.x, t = (long long)dest.top + m_ptOrg.y;
    const long long w = (long long)dest.right - dest.left, h = (long long)dest.bottom - dest.top;
    const long long sw = src.width(), sh = src.height();
    const long long x0 = std::max<long long>(l, m_rcClip.left);
    const long long x1 = std::min<long long>(l + w, m_rcClip.right);
    const long long y0 = std::max<long long>(t, m_rcClip.top);
    const long long y1 = std::min<long long>(t + h, m_rcClip.bottom);
    for (long long y = y0; y < y1; ++y) {
        const long long sy = (y - t) * sh / h;
        const auto* srow = reinterpret_cast<const std::uint32_t*>(src.constScanLine(int(sy)));
        std::uint32_t* row = m_pBits + std::size_t(y) * std::size_t(m_nStride);
        for (long long x = x0; x < x1; ++x) row[x] = srow[(x - l) * sw / w] | kOpaque;
    }
}
