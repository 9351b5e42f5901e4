// The checks of the state sweep on one state's logs and picture (the walk
// is in test_state_sweep_walk.cpp).
#include "state_sweep.h"
#include "test_support.h"

#include "platform/vector_state.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace sweep {

namespace {

// Adds the processor time of its scope to a log's own time. The log's own
// Qt calls (the fills of its ink probes) leave the vector registers' upper
// halves in use, which would slow the page's arithmetic after them: they are
// cleared, as the program clears them after its own Qt calls.
class OwnTime {
public:
    explicit OwnTime(double* total) : m_total(total), m_start(test_support::ThreadCpuMs()) {}
    ~OwnTime() {
        ClearUpperVectorState();
        *m_total += (test_support::ThreadCpuMs() - m_start) / 1000;
    }
    OwnTime(const OwnTime&) = delete;
    OwnTime& operator=(const OwnTime&) = delete;

private:
    double* m_total;
    double m_start;
};

// Where a piece of text puts ink: measured once per text and font, drawn
// alone on black.
struct InkBox {
    CRect ink; // relative to the writing point; empty when nothing shows
    CSize cell;
    std::shared_ptr<const std::vector<bool>> mask; // the ink box's pixels, row by row
    std::shared_ptr<const std::vector<bool>> core; // those fully inked
};

std::string FontKey(const std::string& gbk, const LOGFONT& f) {
    std::ostringstream s;
    s << f.lfHeight << ',' << f.lfWidth << ',' << f.lfEscapement << ',' << f.lfWeight << ','
      << int(f.lfItalic) << ',' << f.lfHalfFullGap << ',' << f.lfFaceName << '|' << gbk;
    return s.str();
}

InkBox MeasureInk(const std::string& gbk, const LOGFONT& font) {
    static std::map<std::string, InkBox> cache;
    const std::string key = FontKey(gbk, font);
    const auto found = cache.find(key);
    if (found != cache.end()) return found->second;
    InkBox box;
    {
        QImage probe(8, 8, QImage::Format_RGB32);
        CDC dc(&probe);
        CFontSelect select(&dc, font);
        box.cell = dc.GetTextExtent(gbk);
    }
    const int reach = std::max<int>(box.cell.cx, box.cell.cy) + 2 * std::abs(font.lfHeight) + 8;
    QImage image(2 * reach, 2 * reach, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        CDC dc(&image);
        CFontSelect select(&dc, font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        dc.TextOut(reach, reach, gbk);
    }
    int l = image.width(), t = image.height(), r = -1, b = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(row[x]) > 96) {
                l = std::min(l, x), r = std::max(r, x);
                t = std::min(t, y), b = std::max(b, y);
            }
    }
    if (r >= 0) {
        box.ink = CRect(l - reach, t - reach, r + 1 - reach, b + 1 - reach);
        auto mask = std::make_shared<std::vector<bool>>();
        auto core = std::make_shared<std::vector<bool>>();
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= r; ++x) {
                mask->push_back(qGray(image.pixel(x, y)) > 96);
                core->push_back(qGray(image.pixel(x, y)) > 224);
            }
        box.mask = mask;
        box.core = core;
    }
    cache.emplace(key, box);
    return box;
}

} // namespace

std::string Utf8(const std::string& gbk) {
    return GbkToUtf8(gbk.data(), int(gbk.size()));
}

std::string Where(const CRect& r) {
    std::ostringstream s;
    s << "[" << r.left << "," << r.top << " " << r.right << "," << r.bottom << "]";
    return s.str();
}

namespace {

bool Blank(const std::string& gbk) {
    return gbk.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

void PassLog::OnTextPiece(int x, int y, const char* gbk, int count, const LOGFONT& font,
                          COLORREF colour, bool opaque) {
    const OwnTime own(&ownSeconds);
    const std::string text(gbk, size_t(std::max(count, 0)));
    if (Blank(text)) return;
    const InkBox m = MeasureInk(text, font);
    pieces.push_back({CRect(x, y, x + m.cell.cx, y + m.cell.cy),
                      m.ink.IsRectEmpty() ? CRect() : Shifted(m.ink, x, y), text, opaque,
                      inCommand ? current : -1, inCommand, colour, m.mask, m.core});
}

void PassLog::OnFigurePlaced(const CRect& box, bool visible) {
    const OwnTime own(&ownSeconds);
    EndFigure();
    allPlaced.push_back(box);
    if (!visible) {
        current = -1;
        return;
    }
    figures.push_back(box);
    current = int(figures.size()) - 1;
    WatchFigure(current);
}

void PassLog::OnFigureFrame(const CRect& frame) {
    if (current >= 0 && inCommand) figures[size_t(current)] = figures[size_t(current)].Union(frame);
}

void PassLog::OnRecordBegins(bool command) {
    const OwnTime own(&ownSeconds);
    // A command after the page's text and before the next figure draws into
    // the last figure (a coefficient panel under it, its held axis names).
    inCommand = command;
    if (!command)
        EndFigure();
    else if (m_watched < 0 && current >= 0)
        WatchFigure(current);
}

void PassLog::WatchFigure(int figure) {
    if (!view) return;
    m_watched = figure;
    m_before = view->BackingImage().copy();
    m_piecesAt = pieces.size();
    m_controlsAt = controls.size();
}

void PassLog::EndFigure() {
    const int figure = m_watched;
    m_watched = -1;
    if (figure < 0 || !view) return;
    const QImage& now = view->BackingImage();
    if (now.size() != m_before.size() || now.format() != m_before.format()) return;
    const int ox = view->m_nClipLeft, oy = view->m_nClipTop;
    // Its box with the frames of its buttons; its text and controls outside
    // the box are faults of their own.
    const CRect box = Shifted(Inflated(figures[size_t(figure)], 2), -ox, -oy);
    std::vector<CRect> own;
    for (size_t i = m_piecesAt; i < pieces.size(); ++i)
        own.push_back(Shifted(Inflated(pieces[i].cell, 1), -ox, -oy));
    for (size_t i = m_controlsAt; i < controls.size(); ++i)
        own.push_back(Shifted(Inflated(controls[i].box, controls[i].frame + 1), -ox, -oy));
    int n = 0;
    CRect where;
    const int w = now.width();
    for (int y = 0; y < now.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(now.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(m_before.constScanLine(y));
        if (std::equal(a, a + w, b)) continue;
        for (int x = 0; x < w; ++x) {
            if (a[x] == b[x]) continue;
            if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) continue;
            bool mine = false;
            for (const CRect& r : own)
                if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
                    mine = true;
                    break;
                }
            if (mine) continue;
            const CRect px(x + ox, y + oy, x + ox + 1, y + oy + 1);
            where = n ? where.Union(px) : px;
            ++n;
        }
    }
    if (n) spills.push_back({figure, n, where});
    m_before = QImage();
}

void PassLog::OnControl(const CRect& box, int frame, CPoint labelAt, const CString& label,
                        const LOGFONT& font) {
    const OwnTime own(&ownSeconds);
    for (const Ctl& c : controls)
        if (c.box == box && c.label == label) return;
    // A glyph has no box drawn round it: a click on it is one on its ink.
    CRect ink = box;
    if (frame == 0) {
        const InkBox m = MeasureInk(label, font);
        if (!m.ink.IsRectEmpty()) ink = Shifted(m.ink, labelAt.x, labelAt.y);
    }
    controls.push_back({box, ink, frame, labelAt, label, inCommand ? current : -1});
}

namespace {

bool InkAt(const PassLog::Piece& p, int x, int y) {
    if (!p.mask || x < p.ink.left || x >= p.ink.right || y < p.ink.top || y >= p.ink.bottom)
        return false;
    return (*p.mask)[size_t((y - p.ink.top) * p.ink.Width() + (x - p.ink.left))];
}

// Ink pixels of `a` under the rectangle, or (with `b`) under b's ink too.
int InkUnder(const PassLog::Piece& a, const CRect& r, const PassLog::Piece* b = nullptr) {
    const CRect i = a.ink.Intersect(r);
    int n = 0;
    for (int y = i.top; y < i.bottom; ++y)
        for (int x = i.left; x < i.right; ++x) n += InkAt(a, x, y) && (!b || InkAt(*b, x, y));
    return n;
}

// A button's own label, written inside its box.
bool IsOwnLabel(const PassLog::Piece& p, const PassLog::Ctl& c) {
    return p.text == c.label &&
           Inside(CRect(p.cell.left, p.cell.top, p.cell.left + 1, p.cell.top + 1),
                  Inflated(c.box, 1));
}

// A button's label with a blank for a sign written in it (the square of
// "χ 检验"): a smaller piece inside the box, clear of the label's letters.
bool InLabelBlank(const PassLog::Piece& p, const PassLog::Ctl& c,
                  const std::vector<PassLog::Piece>& pieces) {
    if (c.label.find(' ') == std::string::npos || !Inside(p.ink, c.box)) return false;
    for (const PassLog::Piece& q : pieces)
        if (IsOwnLabel(q, c) && p.cell.Height() < q.cell.Height() && InkUnder(p, q.ink, &q) <= 2)
            return true;
    return false;
}

// Sub- and superscripts of one label are written as pieces of their own,
// smaller, right after the piece they belong to.
bool SameLabel(const PassLog::Piece& a, const PassLog::Piece& b) {
    return a.cell.Height() != b.cell.Height() && std::abs(a.cell.right - b.cell.left) <= 3;
}

// Long signs are composed of one dash or equals sign drawn again beside
// itself on the same line ("——", "=="): the copies make one sign.
bool SameComposedSign(const PassLog::Piece& a, const PassLog::Piece& b) {
    static const std::string signs[] = {Gbk(u8"—"), "=", "-"};
    const bool sameLine = a.cell.top == b.cell.top && a.cell.Height() == b.cell.Height() &&
                          std::abs(a.cell.left - b.cell.left) < a.cell.Width();
    // "=>" and "<=" are set as double arrows, "-→" as a long arrow: the
    // equals signs and dashes run into the head.
    const auto arrow = [](const std::string& s, const std::string& t) {
        static const std::string dash = Gbk(u8"—"), right = Gbk(u8"→"), left = Gbk(u8"←");
        return (s == "=" && (t == ">" || t == "<")) || (s == dash && (t == right || t == left));
    };
    if (sameLine && (arrow(a.text, b.text) || arrow(b.text, a.text))) return true;
    return a.text == b.text &&
           std::find(std::begin(signs), std::end(signs), a.text) != std::end(signs) && sameLine;
}

// Pixels of a value label's box that are neither its ground nor its text
// (nor a blend of the two): something was drawn over it.
int ForeignPixels(const QImage& image, const CRect& box, COLORREF text, COLORREF ground) {
    int n = 0;
    const int tr = GetRValue(text), tg = GetGValue(text), tb = GetBValue(text);
    const int gr = GetRValue(ground), gg = GetGValue(ground), gb = GetBValue(ground);
    for (int y = std::max(0, box.top); y < std::min(image.height(), box.bottom); ++y)
        for (int x = std::max(0, box.left); x < std::min(image.width(), box.right); ++x) {
            const QRgb p = image.pixel(x, y);
            // Nearest blend of ground and text to the pixel.
            const double dr = tr - gr, dg = tg - gg, db = tb - gb;
            const double len = dr * dr + dg * dg + db * db;
            double t =
                len > 0 ? ((qRed(p) - gr) * dr + (qGreen(p) - gg) * dg + (qBlue(p) - gb) * db) / len
                        : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double er = qRed(p) - (gr + t * dr), eg = qGreen(p) - (gg + t * dg),
                         eb = qBlue(p) - (gb + t * db);
            n += er * er + eg * eg + eb * eb > 40 * 40;
        }
    return n;
}

} // namespace

void CheckState(const CPemroView& v, const PassLog& log, const QImage& repaint,
                const std::string& page, int width, const std::string& state,
                std::vector<Fault>* faults) {
    const auto add = [&](const char* kind, const std::string& detail) {
        faults->push_back({page, width, state, kind, detail});
    };
    const CRect client(v.m_nClipLeft, v.m_nClipTop, v.m_nClipLeft + repaint.width(),
                       v.m_nClipTop + repaint.height());
    const auto& cs = log.controls;
    const auto& ps = log.pieces;
    // The zoomed figure fills the window over the page's text, which is
    // written before it: only the figure's own text counts there.
    const bool zoomed = state == "zoom";
    // Click areas: one click acts on one control.
    for (size_t i = 0; i < cs.size(); ++i)
        for (size_t j = i + 1; j < cs.size(); ++j)
            if (Meet(cs[i].box, cs[j].box))
                add("click-areas-overlap", Utf8(cs[i].label) + " " + Where(cs[i].box) + " / " +
                                               Utf8(cs[j].label) + " " + Where(cs[j].box));
    // Text over text: a later opaque piece hides what lies under its cell,
    // a later transparent one overprints ink.
    for (size_t j = 0; j < ps.size(); ++j)
        for (size_t i = 0; i < j; ++i) {
            const auto &a = ps[i], &b = ps[j];
            if (a.ink.IsRectEmpty() || !Meet(a.ink, client)) continue;
            if (zoomed && (!a.command || !b.command)) continue;
            if (a.text == b.text && a.cell == b.cell) continue; // drawn again in place
            if (j == i + 1 && SameLabel(a, b)) continue;
            if (SameComposedSign(a, b)) continue;
            const bool hidden = b.opaque ? InkUnder(a, b.cell) > 2 : InkUnder(a, b.ink, &b) > 2;
            if (hidden)
                add("text-overlap", Utf8(a.text) + " " + Where(a.ink) + " under " + Utf8(b.text) +
                                        " " + Where(b.opaque ? b.cell : b.ink));
        }
    // Text over a button, or a button over text.
    for (const auto& p : ps)
        for (const auto& c : cs) {
            if (p.ink.IsRectEmpty() || IsOwnLabel(p, c) || InLabelBlank(p, c, ps)) continue;
            if (zoomed && !p.command) continue;
            if (InkUnder(p, Inflated(c.box, c.frame)) > 2)
                add("text-and-button",
                    Utf8(p.text) + " " + Where(p.ink) + " / " + Utf8(c.label) + " " + Where(c.box));
        }
    // A figure's controls and labels inside its box; the page's text
    // outside every figure.
    for (const auto& c : cs)
        if (c.figure >= 0 && !Inside(c.box, log.figures[size_t(c.figure)]))
            add("outside-frame", Utf8(c.label) + " " + Where(c.box) + " out of " +
                                     Where(log.figures[size_t(c.figure)]));
    for (const auto& p : ps) {
        if (p.ink.IsRectEmpty()) continue;
        if (p.figure >= 0 && !Inside(p.ink, log.figures[size_t(p.figure)]))
            add("outside-frame", Utf8(p.text) + " " + Where(p.ink) + " out of " +
                                     Where(log.figures[size_t(p.figure)]));
        if (!p.command && !zoomed)
            for (const CRect& f : log.figures)
                if (InkUnder(p, f) > 2)
                    add("figure-over-text",
                        Utf8(p.text) + " " + Where(p.ink) + " / figure " + Where(f));
    }
    // The window shows each figure it draws whole: frame, labels and
    // buttons inside it (at the top of the page; scrolled, the figures
    // above and below are cut by the scroll).
    const bool printed = state.rfind("print#", 0) == 0;
    const bool enlarged = state == "font+";
    if (state.find('@') == std::string::npos && !zoomed && !printed)
        for (size_t i = 0; i < log.figures.size(); ++i) {
            CRect whole = log.figures[i];
            for (const auto& p : ps)
                if (p.figure == int(i) && !p.ink.IsRectEmpty()) whole = whole.Union(p.ink);
            for (const auto& c : cs)
                if (c.figure == int(i)) whole = whole.Union(Inflated(c.box, c.frame));
            // An enlarged page (整体放大) grows past the first screen as asked:
            // there each figure is seen whole once scrolled to.
            const bool cut =
                enlarged ? whole.Height() > client.Height() || whole.Width() > client.Width()
                         : Meet(whole, client) && !Inside(whole, client);
            if (cut) add("figure-cut-by-window", Where(whole) + " / window " + Where(client));
        }
    // Each piece of text still shows its ink in its own colour: nothing
    // drawn later covers it (text over text and over buttons is a fault of
    // its own, and a piece written again in place, lit, counts as the later).
    // (On paper the colours are the printed ones: the sheets' text is
    // checked by its boxes only.)
    const int W = repaint.width(), H = repaint.height();
    for (size_t i = 0; i < ps.size() && !printed; ++i) {
        const auto& p = ps[i];
        if (!p.core || p.ink.IsRectEmpty() || !Meet(p.ink, client)) continue;
        if (zoomed && !p.command) continue;
        bool later = false;
        for (size_t j = i + 1; j < ps.size() && !later; ++j)
            later = Meet(ps[j].cell, p.ink) || Meet(ps[j].ink, p.ink);
        for (const auto& c : cs)
            later = later || (Meet(Inflated(c.box, c.frame), p.ink) && !IsOwnLabel(p, c));
        if (later) continue;
        int shown = 0, inked = 0;
        const int cr = GetRValue(p.colour), cg = GetGValue(p.colour), cb = GetBValue(p.colour);
        for (int y = p.ink.top; y < p.ink.bottom; ++y) {
            const int iy = y - v.m_nClipTop;
            if (iy < 0 || iy >= H) continue;
            const QRgb* row = reinterpret_cast<const QRgb*>(repaint.constScanLine(iy));
            for (int x = p.ink.left; x < p.ink.right; ++x) {
                const int ix = x - v.m_nClipLeft;
                if (ix < 0 || ix >= W) continue;
                if (!(*p.core)[size_t((y - p.ink.top) * p.ink.Width() + (x - p.ink.left))])
                    continue;
                ++inked;
                const int dr = qRed(row[ix]) - cr, dg = qGreen(row[ix]) - cg,
                          db = qBlue(row[ix]) - cb;
                shown += dr * dr + dg * dg + db * db <= 48 * 48;
            }
        }
        if (inked >= 6 && shown * 2 < inked)
            add("text-covered", Utf8(p.text) + " " + Where(p.ink) + " " + std::to_string(shown) +
                                    "/" + std::to_string(inked) + " shown");
    }
    // A figure fills, bands and floods inside its box.
    for (const auto& s : log.spills)
        if (s.pixels > 4)
            add("figure-draws-outside", std::to_string(s.pixels) + " pixels in " + Where(s.where) +
                                            " out of " + Where(log.figures[size_t(s.figure)]));
    // Each button answers a click at its centre and 2 px inside each corner,
    // where the view tests the click (which may not be where it is drawn).
    for (const auto& c : cs) {
        bool tested = false;
        for (const CRect& a : log.hitAreas) tested = tested || Meet(a, c.box);
        if (!tested || !Meet(c.box, client)) continue; // a label drawn like a button
        const CRect& b = c.ink;
        const CPoint points[] = {{(b.left + b.right) / 2, (b.top + b.bottom) / 2},
                                 {b.left + 2, b.top + 2},
                                 {b.right - 3, b.top + 2},
                                 {b.left + 2, b.bottom - 3},
                                 {b.right - 3, b.bottom - 3}};
        for (const CPoint& pt : points) {
            bool hit = false;
            for (const CRect& a : log.hitAreas)
                hit = hit || (a.left < pt.x && pt.x < a.right && a.top < pt.y && pt.y < a.bottom);
            if (!hit) {
                add("click-misses-control", Utf8(c.label) + " " + Where(b) + " at " +
                                                std::to_string(pt.x) + "," + std::to_string(pt.y));
                break;
            }
        }
    }
    // Value labels stand on their box whole: no line of the figure crosses
    // their digits.
    for (size_t i = 0; i < ps.size() && !printed; ++i) {
        const auto& p = ps[i];
        if (!p.opaque || !Inside(p.cell, client)) continue;
        // Pieces written later over this one are text faults of their own.
        bool covered = false;
        for (size_t j = i + 1; j < ps.size() && !covered; ++j) covered = Meet(ps[j].cell, p.cell);
        for (const auto& c : cs) covered = covered || Meet(Inflated(c.box, c.frame), p.cell);
        if (covered) continue;
        const CRect box = Shifted(p.cell, -v.m_nClipLeft, -v.m_nClipTop);
        if (ForeignPixels(repaint, box, p.colour, RGB(100, 100, 100)) > 2)
            add("line-over-value", Utf8(p.text) + " " + Where(p.cell));
    }
    // A figure's numbers fit their fields, and a parameter that is positive
    // by its meaning never reads 0 (it was rounded or stepped to nothing).
    static const std::regex number(R"([0-9]+(\.[0-9]+)?)");
    static const std::regex positive(
        R"((ε|δ|Δx|Δy|dx|dy|dz|步长h?|精度|σ)\s*=\s*[-−]?0(\.0*)?\s*$)");
    for (size_t i = 0; i < ps.size(); ++i) {
        const auto& p = ps[i];
        if (p.figure < 0 || p.ink.IsRectEmpty() || !Meet(p.ink, client)) continue;
        const std::string text = Utf8(p.text);
        for (std::sregex_iterator m(text.begin(), text.end(), number), end; m != end; ++m) {
            const std::string digits = m->str();
            const size_t point = digits.find('.');
            if (digits.size() - (point != std::string::npos) > 12 ||
                std::min(point, digits.size()) > 9) {
                add("number-overflows-field", text + " " + Where(p.ink));
                break;
            }
        }
        // The name and its value may be written as two pieces on one row.
        std::string named = text;
        if (i > 0 && ps[i - 1].figure == p.figure && ps[i - 1].cell.top == p.cell.top)
            named = Utf8(ps[i - 1].text) + text;
        if (std::regex_search(named, positive))
            add("positive-shows-zero", named + " " + Where(p.ink));
    }
}

std::vector<Fault> ReadKnownFaults(const std::string& path) {
    std::vector<Fault> known;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::stringstream s(line);
        std::string field;
        while (std::getline(s, field, '\t')) f.push_back(field);
        if (f.size() < 4) continue;
        known.push_back({f[0], std::atoi(f[1].c_str()), f[2], f[3], f.size() > 4 ? f[4] : ""});
    }
    return known;
}

} // namespace sweep
