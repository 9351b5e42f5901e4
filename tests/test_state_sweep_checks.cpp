// The checks and the walk of the state sweep (test_state_sweep.cpp runs it).
#include "state_sweep.h"
#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sweep {

namespace {

// Where a piece of text puts ink: measured once per text and font, drawn
// alone on black.
struct InkBox {
    CRect ink; // relative to the writing point; empty when nothing shows
    CSize cell;
    std::shared_ptr<const std::vector<bool>> mask; // the ink box's pixels, row by row
};

std::string FontKey(const std::string& gbk, const LOGFONT& f) {
    std::ostringstream s;
    s << f.lfHeight << ',' << f.lfWidth << ',' << f.lfEscapement << ',' << f.lfWeight << ','
      << int(f.lfItalic) << ',' << f.lfFaceName << '|' << gbk;
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
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= r; ++x) mask->push_back(qGray(image.pixel(x, y)) > 96);
        box.mask = mask;
    }
    cache.emplace(key, box);
    return box;
}

CRect Shifted(const CRect& r, int dx, int dy) {
    return CRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

CRect Inflated(const CRect& r, int d) {
    return CRect(r.left - d, r.top - d, r.right + d, r.bottom + d);
}

// Overlap of at least a pixel each way beyond `slack`.
bool Meet(const CRect& a, const CRect& b, int slack = 0) {
    const CRect i = a.Intersect(b);
    return i.Width() > slack && i.Height() > slack;
}

bool Inside(const CRect& inner, const CRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

std::string Utf8(const std::string& gbk) {
    return GbkToUtf8(gbk.data(), int(gbk.size()));
}

std::string Where(const CRect& r) {
    std::ostringstream s;
    s << "[" << r.left << "," << r.top << " " << r.right << "," << r.bottom << "]";
    return s.str();
}

bool Blank(const std::string& gbk) {
    return gbk.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

void PassLog::OnTextPiece(int x, int y, const char* gbk, int count, const LOGFONT& font,
                          COLORREF colour, bool opaque) {
    const std::string text(gbk, size_t(std::max(count, 0)));
    if (Blank(text)) return;
    const InkBox m = MeasureInk(text, font);
    pieces.push_back({CRect(x, y, x + m.cell.cx, y + m.cell.cy),
                      m.ink.IsRectEmpty() ? CRect() : Shifted(m.ink, x, y), text, opaque,
                      inCommand ? current : -1, inCommand, colour, m.mask});
}

void PassLog::OnFigurePlaced(const CRect& box, bool visible) {
    allPlaced.push_back(box);
    if (!visible) return;
    figures.push_back(box);
    current = int(figures.size()) - 1;
}

void PassLog::OnFigureFrame(const CRect& frame) {
    if (current >= 0 && inCommand) figures[size_t(current)] = figures[size_t(current)].Union(frame);
}

void PassLog::OnRecordBegins(bool command) {
    inCommand = command;
    if (!command) current = -1;
}

void PassLog::OnControl(const CRect& box, int frame, CPoint labelAt, const CString& label,
                        const LOGFONT&) {
    for (const Ctl& c : controls)
        if (c.box == box && c.label == label) return;
    controls.push_back({box, frame, labelAt, label, current});
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
    return a.text == b.text &&
           std::find(std::begin(signs), std::end(signs), a.text) != std::end(signs) &&
           a.cell.top == b.cell.top && a.cell.Height() == b.cell.Height() &&
           std::abs(a.cell.left - b.cell.left) < a.cell.Width();
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
        if (!p.command)
            for (const CRect& f : log.figures)
                if (InkUnder(p, f) > 2)
                    add("figure-over-text",
                        Utf8(p.text) + " " + Where(p.ink) + " / figure " + Where(f));
    }
    // The first screen shows each figure it draws whole: frame, labels and
    // buttons inside the window.
    if (state == "open")
        for (size_t i = 0; i < log.figures.size(); ++i) {
            CRect whole = log.figures[i];
            for (const auto& p : ps)
                if (p.figure == int(i) && !p.ink.IsRectEmpty()) whole = whole.Union(p.ink);
            for (const auto& c : cs)
                if (c.figure == int(i)) whole = whole.Union(Inflated(c.box, c.frame));
            if (Meet(whole, client) && !Inside(whole, client))
                add("figure-cut-by-window", Where(whole) + " / window " + Where(client));
        }
    // Value labels stand on their box whole: no line of the figure crosses
    // their digits.
    for (size_t i = 0; i < ps.size(); ++i) {
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
}

namespace {

CPoint Centre(const CRect& r) {
    return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class Walker {
public:
    Walker(const Page& page, Window w, Options options, std::vector<Fault>* faults, int* states)
        : m_page(page), m_w(w), m_options(options), m_faults(faults), m_states(states) {}

    // A fresh view of the page scrolled to `top`.
    void Open(int top) {
        m_v = std::make_unique<CPemroView>();
        m_v->ResetTopic(m_page.family);
        m_v->m_strTopicCode = m_page.code;
        m_v->ResizeClient(m_w.width, m_w.height);
        m_v->RenderPending();
        if (top > 0) {
            m_v->ScrollToPosition(CPoint(0, top));
            m_v->RenderPending();
        }
    }

    // A full repaint with its log; the state checked.
    const PassLog& Repaint(const std::string& state) {
        m_log = PassLog();
        m_v->m_pTextSink = &m_log;
        m_v->m_pControlSink = &m_log;
        m_v->m_nPrevClipBottom = 0;
        m_v->Invalidate();
        m_v->RenderPending();
        m_v->m_pTextSink = nullptr;
        m_v->m_pControlSink = nullptr;
        ++*m_states;
        CheckState(*m_v, m_log, m_v->BackingImage(), m_page.Name(), m_w.width, state, m_faults);
        return m_log;
    }

    // A click on a control as the user makes it, then the passes that
    // answer it; the picture they leave in the control's figure must be the
    // one a full repaint draws.
    const PassLog& Click(const PassLog::Ctl& c, const CRect& figure, const std::string& state,
                         int times = 1) {
        const CPoint page = Centre(c.box);
        const CPoint client(page.x - m_v->m_nClipLeft, page.y - m_v->m_nClipTop);
        for (int i = 0; i < times; ++i) {
            m_v->OnLButtonDown(MK_LBUTTON, client);
            m_v->OnLButtonUp(0, client);
            m_v->RenderPending();
        }
        const QImage afterClick = m_v->BackingImage().copy();
        const PassLog& log = Repaint(state);
        CompareInFigure(afterClick, figure, state);
        return log;
    }

    void CompareInFigure(const QImage& afterClick, const CRect& figure, const std::string& state) {
        const QImage& full = m_v->BackingImage();
        const CRect box = figure.IsRectEmpty()
                              ? CRect(0, 0, full.width(), full.height())
                              : Shifted(figure, -m_v->m_nClipLeft, -m_v->m_nClipTop);
        int differ = 0;
        CRect where;
        for (int y = std::max(0, box.top); y < std::min(full.height(), box.bottom); ++y)
            for (int x = std::max(0, box.left); x < std::min(full.width(), box.right); ++x)
                if (afterClick.pixel(x, y) != full.pixel(x, y)) {
                    if (!differ) where = CRect(x, y, x + 1, y + 1);
                    where = where.Union(CRect(x, y, x + 1, y + 1));
                    ++differ;
                }
        if (differ)
            m_faults->push_back({m_page.Name(), m_w.width, state, "click-pass-differs",
                                 std::to_string(differ) + " pixels in " + Where(where)});
    }

    void Sweep() {
        Open(0);
        const PassLog first = Repaint("open");
        // Scroll positions that bring each figure below the first screen
        // into the window.
        std::vector<int> tops = {0};
        const int height = m_w.height;
        for (const CRect& f : first.allPlaced) {
            if (f.bottom < height - 1 || f.Height() >= height - 2) continue;
            const int top = std::max(0, f.top - 40);
            if (std::find(tops.begin(), tops.end(), top) == tops.end() &&
                (tops.empty() || top > tops.back() + 0))
                tops.push_back(top);
        }
        // Neighbouring figures drawn together once.
        std::vector<int> kept;
        for (int t : tops)
            if (kept.empty() || t >= kept.back() + height / 2 || t == 0) kept.push_back(t);
        for (int top : kept) SweepAt(top, top == 0 ? &first : nullptr);
    }

private:
    static std::string Label(const PassLog::Ctl& c) { return Utf8(c.label); }

    // The control of `log` with the label, the n-th so labelled.
    static const PassLog::Ctl* Find(const PassLog& log, const std::string& label, int n) {
        for (const auto& c : log.controls)
            if (c.label == label && n-- == 0) return &c;
        return nullptr;
    }
    static int Ordinal(const PassLog& log, size_t index) {
        int n = 0;
        for (size_t i = 0; i < index; ++i) n += log.controls[i].label == log.controls[index].label;
        return n;
    }
    static CRect FigureOf(const PassLog& log, const PassLog::Ctl& c) {
        return c.figure >= 0 ? log.figures[size_t(c.figure)] : CRect();
    }
    static std::set<std::string> Labels(const PassLog& log) {
        std::set<std::string> s;
        for (const auto& c : log.controls) s.insert(c.label);
        return s;
    }

    // The arrows of the range boxes: one kind of button twelve times over.
    static bool IsRangeGlyph(const PassLog::Ctl& c) {
        static const std::set<std::string> glyphs = {Gbk(u8"↗"), Gbk(u8"↙"), Gbk(u8"←"),
                                                     Gbk(u8"→"), Gbk(u8"↓"), Gbk(u8"↑")};
        return glyphs.count(c.label) > 0;
    }

    void SweepAt(int top, const PassLog* opened) {
        const std::string at = top ? "@" + std::to_string(top) : "";
        PassLog base;
        if (opened) {
            base = *opened;
        } else {
            Open(top);
            base = Repaint("open" + at);
        }
        if (!m_options.clicks) return;
        const std::set<std::string> baseLabels = Labels(base);
        std::set<std::set<std::string>> modes;
        bool fresh = true;
        for (size_t i = 0; i < base.controls.size(); ++i) {
            const auto& b = base.controls[i];
            if (!m_options.glyphs && IsRangeGlyph(b)) continue;
            if (!Meet(b.box, CRect(m_v->m_nClipLeft, m_v->m_nClipTop, m_v->m_nClipRight,
                                   m_v->m_nClipBottom)))
                continue;
            const int n = Ordinal(base, i);
            const std::string name = at + Label(b) + (n ? "#" + std::to_string(n + 1) : "");
            if (!fresh) {
                // State walked on from the last one; a button no longer
                // drawn there starts again from the opening.
                if (!Find(m_log, b.label, n) || Labels(m_log) != baseLabels) {
                    Open(top);
                    Repaint("open" + at);
                }
            }
            const PassLog::Ctl* c = Find(m_log, b.label, n);
            if (!c) continue;
            const PassLog::Ctl pressed = *c;
            const PassLog after = Click(pressed, FigureOf(m_log, pressed), name);
            fresh = false;
            const std::set<std::string> now = Labels(after);
            if (now == baseLabels) continue;
            // Buttons several buttons bring alike ("恢复" after every range
            // step) are walked once.
            std::set<std::string> brought;
            for (const std::string& label : now)
                if (!baseLabels.count(label)) brought.insert(label);
            if (!modes.insert(brought).second) continue;
            // A mode button: each button it brings, once.
            for (const std::string& label : now) {
                if (baseLabels.count(label)) continue;
                const PassLog::Ctl* d = Find(m_log, label, 0);
                if (!d) continue;
                const PassLog::Ctl next = *d;
                Click(next, FigureOf(m_log, next), name + "/" + Utf8(label));
            }
        }
        // One button ten times: the first that steps a value up, else the
        // first drawn.
        const PassLog::Ctl* ten = nullptr;
        for (const char* word : {u8"增", u8"加", u8"大", u8"多", u8"下一", u8"移"}) {
            for (const auto& c : base.controls)
                if (Utf8(c.label).find(word) != std::string::npos) {
                    ten = &c;
                    break;
                }
            if (ten) break;
        }
        if (!ten && !base.controls.empty()) ten = &base.controls.front();
        if (!ten) return;
        Open(top);
        Repaint("open" + at);
        const PassLog::Ctl* c = Find(m_log, ten->label, 0);
        if (!c) return;
        const PassLog::Ctl pressed = *c;
        Click(pressed, FigureOf(m_log, pressed), at + Label(pressed) + "x10", 10);
    }

    Page m_page;
    Window m_w;
    Options m_options;
    std::vector<Fault>* m_faults;
    int* m_states;
    std::unique_ptr<CPemroView> m_v;
    PassLog m_log;
};

} // namespace

void SweepPage(const Page& page, Window w, Options options, std::vector<Fault>* faults,
               int* states) {
    Walker(page, w, options, faults, states).Sweep();
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
