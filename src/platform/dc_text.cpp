// Text of the device context: GBK bytes drawn with Qt on the same image,
// without antialiasing, so text drawn twice over itself stays the same.
//
// Pages draw the same pieces of text in every pass, and a Qt text draw
// (shaping, a painter, the glyph cache) costs far more than its pixels. So a
// piece of unrotated text is drawn by Qt once onto a scratch image, and the
// pixels Qt set are kept as a stamp: horizontal runs relative to the text's
// top-left. Later draws of the same bytes in the same font set the same
// pixels directly. Without antialiasing Qt writes the text colour over whole
// pixels, so stamping is exact; text whose scratch image shows anything else
// (partial pixels, ink beyond the margin) is always drawn by Qt.
#include "platform/dc.h"

#include "platform/dc_internal.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"
#include "platform/vector_state.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

using namespace dcdetail;

namespace {

// Stamps are kept up to these totals; then all are dropped and made anew.
constexpr std::size_t kMaxStamps = 8192;
constexpr std::size_t kMaxStampRuns = 2000000;
// Larger texts are not stamped (the scratch image would be large).
constexpr int kMaxStampAdvance = 4096;
constexpr int kMaxStampCell = 512;
// Free scratch border around the cell, in cells plus pixels: room for
// italic overhang and ink above or below the cell.
constexpr int kStampMarginExtra = 8;

constexpr std::uint32_t kScratchInk = 0xFFFFFFFFu;
constexpr std::uint32_t kScratchPaper = 0xFF000000u;

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Which font of the selected LOGFONT draws these bytes.
FontText KindOf(const char* gbk, int count) {
    for (int i = 0; i < count; ++i)
        if ((unsigned char)gbk[i] >= 0x80) return FontText::Any;
    return FontText::SingleByte;
}

QString FromGbk(const char* gbk, int count) {
    const std::string utf8 = GbkToUtf8(gbk, count);
    return QString::fromUtf8(utf8.data(), int(utf8.size()));
}

struct StampRun {
    int y, x0, x1; // x1 inclusive, relative to the text's top-left
};

struct TextStamp {
    int advance = 0;
    int ascent = 0;
    int cell = 0;
    bool stampable = false; // else Qt draws it every time
    std::vector<StampRun> runs;
};

struct StampCache {
    std::unordered_map<std::string, TextStamp> stamps;
    std::size_t runs = 0;
};

StampCache& Stamps() {
    static StampCache cache;
    return cache;
}

// The sizes of pieces measured but not drawn, by stamp key.
std::unordered_map<std::string, CSize>& Extents() {
    static std::unordered_map<std::string, CSize> sizes;
    return sizes;
}

// The font fields that change pixels, then the text bytes.
std::string StampKey(const LOGFONT& lf, const char* gbk, int count) {
    const int fields[] = {lf.lfHeight,    lf.lfWidth,     lf.lfWeight,     lf.lfItalic,
                          lf.lfUnderline, lf.lfStrikeOut, lf.lfHalfFullGap};
    const std::size_t face = strnlen(lf.lfFaceName, LF_FACESIZE);
    std::string key(reinterpret_cast<const char*>(fields), sizeof fields);
    key.append(lf.lfFaceName, face).push_back('\0');
    key.append(gbk, std::size_t(count));
    return key;
}

bool IsHalfWidth(QChar c) {
    return c.unicode() < 0x80;
}

bool IsLetterOrDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

// Where the text is cut: before each place where a half-width letter or
// digit and a full-width character meet (signs and brackets leave room of
// their own).
std::vector<int> HalfFullCuts(const QString& text) {
    std::vector<int> cuts;
    for (int i = 1; i < text.size(); ++i) {
        const QChar a = text[i - 1], b = text[i];
        if (IsHalfWidth(a) != IsHalfWidth(b) && IsLetterOrDigit(IsHalfWidth(a) ? a : b))
            cuts.push_back(i);
    }
    return cuts;
}

// The advance of the text with `gap` pixels at each cut.
int TextAdvance(const DcFont& font, const QString& text, int gap) {
    const int natural = font.metrics.horizontalAdvance(text);
    return gap <= 0 ? natural : natural + gap * int(HalfFullCuts(text).size());
}

void PaintRun(QPainter& painter, const DcFont& font, int x, const QString& text, COLORREF colour) {
    if (font.bOutlineBold) {
        // As the glyph cache emboldens: a twenty-fourth of the size wider.
        QPainterPath path;
        path.addText(QPointF(x, font.nAscent), font.font, text);
        const double strength = font.font.pixelSize() / 24.0;
        painter.setPen(
            QPen(ToQColor(colour), strength, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(ToQColor(colour));
        painter.drawPath(path);
        return;
    }
    painter.setFont(font.font);
    painter.setPen(ToQColor(colour));
    painter.drawText(QPoint(x, font.nAscent), text);
}

// Each piece between cuts stands where it stands in the whole text, moved
// right by the gaps before it.
void PaintText(QPainter& painter, const DcFont& font, const QString& text, COLORREF colour,
               int gap) {
    const std::vector<int> cuts = gap > 0 ? HalfFullCuts(text) : std::vector<int>();
    int start = 0;
    for (std::size_t k = 0; k <= cuts.size(); ++k) {
        const int end = k < cuts.size() ? cuts[k] : int(text.size());
        const int x = start == 0 ? 0 : font.metrics.horizontalAdvance(text.left(start));
        PaintRun(painter, font, x + gap * int(k), text.mid(start, end - start), colour);
        start = end;
    }
}

void SetTextHints(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

// Room a lone two-byte character leaves in its cells: it takes two
// half-width cells, as in the GB2312 faces the pages are written for, and a
// face that draws it narrower (the Ming face's ×, ±, ° and ·, the Hei face's
// Greek) has it centred in them.
int TwoByteCellRoom(const LOGFONT& lf, const char* gbk, int count, int advance) {
    if (count != 2 || (unsigned char)gbk[0] < 0x80 || lf.lfWidth == 0) return 0;
    const long long cells = 2 * std::llabs((long long)lf.lfWidth);
    return cells > advance && cells <= kMaxStampAdvance ? int(cells) - advance : 0;
}

// Draws the text once on a scratch image and keeps what Qt set; `inset`
// moves it right inside its advance.
TextStamp MakeStamp(const DcFont& font, const QString& text, int advance, int inset, int gap) {
    TextStamp stamp;
    stamp.advance = advance;
    stamp.ascent = font.nAscent;
    stamp.cell = font.nAscent + font.nDescent;
    if (advance < 0 || advance > kMaxStampAdvance || stamp.cell <= 0 || stamp.cell > kMaxStampCell)
        return stamp;
    const int margin = stamp.cell + kStampMarginExtra;
    QImage scratch(advance + 2 * margin, stamp.cell + 2 * margin, QImage::Format_RGB32);
    if (scratch.isNull()) return stamp;
    scratch.fill(kScratchPaper);
    {
        QPainter painter(&scratch);
        SetTextHints(painter);
        painter.translate(margin + inset, margin);
        PaintText(painter, font, text, RGB(255, 255, 255), gap);
    }
    const int w = scratch.width(), h = scratch.height();
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(scratch.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (row[x] == kScratchPaper) continue;
            const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (row[x] != kScratchInk || border) { // not a whole pixel, or ink may be cut off
                stamp.runs.clear();
                return stamp;
            }
            int end = x;
            while (end + 1 < w && row[end + 1] == kScratchInk) ++end;
            if (end == w - 1) {
                stamp.runs.clear();
                return stamp;
            }
            stamp.runs.push_back({y - margin, x - margin, end - margin});
            x = end;
        }
    }
    stamp.runs.shrink_to_fit();
    stamp.stampable = true;
    return stamp;
}

const TextStamp& FindOrMakeStamp(const std::string& key, const DcFont& font, const QString& text,
                                 int advance, int inset, int gap) {
    StampCache& cache = Stamps();
    if (cache.stamps.size() >= kMaxStamps || cache.runs >= kMaxStampRuns) {
        cache.stamps.clear();
        cache.runs = 0;
    }
    TextStamp& stamp = cache.stamps[key];
    stamp = MakeStamp(font, text, advance, inset, gap);
    cache.runs += stamp.runs.size();
    return stamp;
}

} // namespace

BOOL CDC::TextOut(int x, int y, const char* gbk, int count) {
    if (!gbk || count < 0) return FALSE;
    if (count == 0 || !Prepare() || m_rcClip.IsRectEmpty()) return TRUE;
    const int esc = m_font.lfEscapement % 3600;
    const long long dx = (long long)x + m_ptOrg.x, dy = (long long)y + m_ptOrg.y;

    const auto drawStamp = [&](const TextStamp& s) {
        if (m_nBkMode == OPAQUE)
            FillRectDevice(dx, dy, dx + s.advance, dy + s.cell, ToRgb32(m_crBk));
        const std::uint32_t ink = ToRgb32(m_crText);
        for (const StampRun& r : s.runs) FillSpanDevice(dy + r.y, dx + r.x0, dx + r.x1, ink);
        return TRUE;
    };

    // A stamp made before: no Qt at all.
    std::string key;
    if (esc == 0 && DrawingCachesEnabled()) {
        key = StampKey(m_font, gbk, count);
        const auto found = Stamps().stamps.find(key);
        if (found != Stamps().stamps.end() && found->second.stampable)
            return drawStamp(found->second);
    }

    const QString text = FromGbk(gbk, count);
    if (text.isEmpty()) return TRUE;
    const CUpperVectorStateScope cleanVectors; // after every Qt call below
    const DcFont& font = CachedFont(m_font, KindOf(gbk, count));
    const int gap = m_font.lfHalfFullGap;
    const int natural = TextAdvance(font, text, gap);
    const int room = TwoByteCellRoom(m_font, gbk, count, natural);
    const int advance = natural + room;
    const int cell = font.nAscent + font.nDescent;

    if (!key.empty()) {
        const TextStamp& s = FindOrMakeStamp(key, font, text, advance, room / 2, gap);
        if (s.stampable) return drawStamp(s);
    }

    // Text wholly outside the clip costs no painter (pages draw everything
    // and let the clip decide). A rotated text stays within its radius.
    const long long reach = esc == 0 ? 0 : (long long)std::ceil(std::hypot(advance, cell)) + 1;
    const long long right = esc == 0 ? dx + advance : dx + reach;
    const long long bottom = esc == 0 ? dy + cell : dy + reach;
    if (dx - reach >= m_rcClip.right || dy - reach >= m_rcClip.bottom || right <= m_rcClip.left ||
        bottom <= m_rcClip.top)
        return TRUE;

    QPainter painter(m_pImage);
    SetTextHints(painter);
    painter.setClipRect(QRect(m_rcClip.left, m_rcClip.top, m_rcClip.Width(), m_rcClip.Height()));
    painter.translate(double(dx), double(dy));
    if (esc != 0) painter.rotate(-esc / 10.0); // anticlockwise on screen
    if (m_nBkMode == OPAQUE) painter.fillRect(QRect(0, 0, advance, cell), ToQColor(m_crBk));
    painter.translate(room / 2, 0);
    PaintText(painter, font, text, m_crText, gap);
    return TRUE;
}

CSize CDC::GetTextExtent(const CString& gbk) const {
    const int count = int(gbk.size());
    // Pages measure the same pieces in every pass (a scene drawn as a
    // hundred strips measures its labels a hundred times): a stamp knows its
    // size, and a piece measured before is not shaped again.
    std::string key;
    if (m_font.lfEscapement % 3600 == 0 && DrawingCachesEnabled()) {
        key = StampKey(m_font, gbk.data(), count);
        const auto stamp = Stamps().stamps.find(key);
        if (stamp != Stamps().stamps.end()) return CSize(stamp->second.advance, stamp->second.cell);
        const auto known = Extents().find(key);
        if (known != Extents().end()) return known->second;
    }
    const CUpperVectorStateScope cleanVectors;
    const DcFont& font = CachedFont(m_font, KindOf(gbk.data(), count));
    const QString text = FromGbk(gbk.data(), count);
    const int natural = TextAdvance(font, text, m_font.lfHalfFullGap);
    const CSize size(natural + TwoByteCellRoom(m_font, gbk.data(), count, natural),
                     font.nAscent + font.nDescent);
    if (!key.empty()) {
        if (Extents().size() >= kMaxStamps) Extents().clear();
        Extents().emplace(std::move(key), size);
    }
    return size;
}

namespace {

CRect InkOf(const TextStamp& stamp) {
    CRect ink;
    for (const StampRun& r : stamp.runs) ink = ink.Union(CRect(r.x0, r.y, r.x1 + 1, r.y + 1));
    return ink;
}

} // namespace

CRect CDC::GetTextInk(const CString& gbk) const {
    const int count = int(gbk.size());
    // A stamp made before tells the ink without shaping the text again.
    if (m_font.lfEscapement % 3600 == 0 && DrawingCachesEnabled()) {
        const auto found = Stamps().stamps.find(StampKey(m_font, gbk.data(), count));
        if (found != Stamps().stamps.end() && found->second.stampable) return InkOf(found->second);
    }
    const CUpperVectorStateScope cleanVectors;
    const DcFont& font = CachedFont(m_font, KindOf(gbk.data(), count));
    const QString text = FromGbk(gbk.data(), count);
    const int gap = m_font.lfHalfFullGap;
    const int natural = TextAdvance(font, text, gap);
    const int room = TwoByteCellRoom(m_font, gbk.data(), count, natural);
    if (m_font.lfEscapement % 3600 != 0)
        return CRect(0, 0, natural + room, font.nAscent + font.nDescent);
    // The pixels TextOut sets, from the stamp it draws (made here when the
    // caches are off).
    TextStamp made;
    const TextStamp* stamp = &made;
    if (DrawingCachesEnabled()) {
        const std::string key = StampKey(m_font, gbk.data(), count);
        const auto found = Stamps().stamps.find(key);
        stamp = found != Stamps().stamps.end()
                    ? &found->second
                    : &FindOrMakeStamp(key, font, text, natural + room, room / 2, gap);
    } else {
        made = MakeStamp(font, text, natural + room, room / 2, gap);
    }
    if (stamp->stampable) return InkOf(*stamp);
    QRect ink = font.metrics.tightBoundingRect(text);
    if (ink.isEmpty()) return CRect();
    ink.setRight(ink.right() + natural - font.metrics.horizontalAdvance(text));
    // Outlined bold strokes reach a twenty-fourth of the size further.
    const int bold = font.bOutlineBold ? font.font.pixelSize() / 24 + 1 : 0;
    const int x = room / 2 + ink.left(), y = font.nAscent + ink.top();
    return CRect(x - 1 - bold, y - 1 - bold, x + ink.width() + 1 + bold,
                 y + ink.height() + 1 + bold);
}

bool CDC::IsShearedItalic() const {
    if (!m_font.lfItalic) return false;
    const CUpperVectorStateScope cleanVectors;
    return ::IsShearedItalic(m_font);
}
