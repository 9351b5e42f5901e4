// Text of the device context: GBK bytes drawn with Qt on the same image,
// without antialiasing, so text drawn twice over itself stays the same.
#include "platform/dc.h"

#include "platform/dc_internal.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"
#include "platform/vector_state.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <cmath>

using namespace dcdetail;

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QString FromGbk(const char* gbk, int count) {
    const std::string utf8 = GbkToUtf8(gbk, count);
    return QString::fromUtf8(utf8.data(), int(utf8.size()));
}

} // namespace

BOOL CDC::TextOut(int x, int y, const char* gbk, int count) {
    if (!gbk || count < 0) return FALSE;
    if (count == 0 || !m_pBits || m_rcClip.IsRectEmpty()) return TRUE;
    const QString text = FromGbk(gbk, count);
    if (text.isEmpty()) return TRUE;
    const DcFont& font = CachedFont(m_font);
    const int advance = font.metrics.horizontalAdvance(text);
    const int cell = font.nAscent + font.nDescent;
    const long long dx = (long long)x + m_ptOrg.x, dy = (long long)y + m_ptOrg.y;

    // Text wholly outside the clip costs no painter (pages draw everything
    // and let the clip decide). A rotated text stays within its radius.
    const int esc = m_font.lfEscapement % 3600;
    const long long reach = esc == 0 ? 0 : (long long)std::ceil(std::hypot(advance, cell)) + 1;
    const long long right = esc == 0 ? dx + advance : dx + reach;
    const long long bottom = esc == 0 ? dy + cell : dy + reach;
    if (dx - reach >= m_rcClip.right || dy - reach >= m_rcClip.bottom || right <= m_rcClip.left ||
        bottom <= m_rcClip.top)
        return TRUE;

    const CUpperVectorStateScope cleanVectors; // after the painter has finished
    QPainter painter(m_pImage);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(QRect(m_rcClip.left, m_rcClip.top, m_rcClip.Width(), m_rcClip.Height()));
    painter.translate(double(dx), double(dy));
    if (esc != 0) painter.rotate(-esc / 10.0); // anticlockwise on screen
    if (m_nBkMode == OPAQUE) painter.fillRect(QRect(0, 0, advance, cell), ToQColor(m_crBk));
    painter.setFont(font.font);
    painter.setPen(ToQColor(m_crText));
    painter.drawText(QPoint(0, font.nAscent), text);
    return TRUE;
}

CSize CDC::GetTextExtent(const CString& gbk) const {
    const DcFont& font = CachedFont(m_font);
    const QString text = FromGbk(gbk.data(), int(gbk.size()));
    return CSize(font.metrics.horizontalAdvance(text), font.nAscent + font.nDescent);
}
