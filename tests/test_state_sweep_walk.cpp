// The walk of the state sweep: which states of a page it reaches and how
// (test_state_sweep.cpp runs it, test_state_sweep_checks.cpp checks each).
#include "platform/print.h"
#include "state_sweep.h"
#include "test_support.h"
#include "view/menu_tables.h"

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace sweep {

namespace {

constexpr UINT kFontStepUp = 33483; // 显示 > 字体大小 > 整体放大
constexpr int kManyPresses = 30;

CPoint Centre(const CRect& r) {
    return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// The step words of button labels and the word of the step back.
const std::pair<const char*, const char*> kStepWords[] = {
    {u8"增", u8"减"}, {u8"加", u8"减"}, {u8"大", u8"小"}, {u8"多", u8"少"},
    {u8"→", u8"←"},   {u8"↑", u8"↓"},   {u8"↗", u8"↙"}};

// The label of the button that steps back from `label`, or "" for none.
std::string StepBack(const std::string& label) {
    const std::string text = Utf8(label);
    for (const auto& [up, down] : kStepWords) {
        const size_t at = text.find(up);
        if (at == std::string::npos) continue;
        std::string back = text;
        back.replace(at, std::strlen(up), down);
        return Gbk(back.c_str());
    }
    return "";
}

// Captions drawn like buttons that do nothing ("增加:" over a row of steps).
bool IsCaption(const PassLog::Ctl& c) {
    return !c.label.empty() && c.label.back() == ':';
}

// The arrows of the range boxes: one kind of button twelve times over.
bool IsRangeGlyph(const PassLog::Ctl& c) {
    static const std::set<std::string> glyphs = {Gbk(u8"↗"), Gbk(u8"↙"), Gbk(u8"←"),
                                                 Gbk(u8"→"), Gbk(u8"↓"), Gbk(u8"↑")};
    return glyphs.count(c.label) > 0;
}

// Pixels that differ between two pictures outside `keep` (image pixels).
int ChangedOutside(const QImage& a, const QImage& b, const CRect& keep) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::equal(ra, ra + a.width(), rb)) continue;
        for (int x = 0; x < a.width(); ++x)
            n += ra[x] != rb[x] &&
                 !(x >= keep.left && x < keep.right && y >= keep.top && y < keep.bottom);
    }
    return n;
}

class Walker {
public:
    Walker(const Page& page, Window w, Options options, Result* result)
        : m_page(page), m_w(w), m_options(options), m_result(result) {}

    void Sweep() {
        Open(0);
        const PassLog first = Repaint(m_options.zoom ? "zoom" : "open");
        if (m_options.zoom) return;
        const QImage opened = m_v->BackingImage().copy();
        for (int top : ScrollTops(first)) SweepAt(top, top == 0 ? &first : nullptr);
        if (!m_options.extras) return;
        Zoom(first);
        FontStep();
        StrayClick(first);
        BackgroundClicks(first);
        if (m_options.sheets) PrintedSheets();
        // Opened from each menu item that opens it, with what the item sets:
        // walked where it looks other than opened by its topic.
        std::set<int> extras;
        for (size_t i = 0; i < kTopicRowCount; ++i) {
            const TopicRow& row = kTopicRows[i];
            if (!row.code || row.code != m_page.code || row.family != m_page.family) continue;
            if (!extras.insert(int(row.extra)).second) continue;
            m_row = &row;
            m_prefix = "m" + std::to_string(row.id) + ":";
            Open(0);
            const PassLog menu = Repaint(m_prefix + "open");
            if (m_v->BackingImage() != opened) SweepAt(0, &menu);
        }
        m_row = nullptr;
        m_prefix.clear();
    }

private:
    // A fresh view of the page scrolled to `top`, opened by its topic or
    // from the menu row.
    void Open(int top) {
        m_v = std::make_unique<CPemroView>();
        m_v->ResizeClient(m_w.width, m_w.height);
        if (m_row) {
            m_v->OnCommand(m_row->id);
        } else {
            m_v->ResetTopic(m_page.family);
            m_v->m_strTopicCode = m_page.code;
        }
        m_v->RenderPending();
        if (m_options.zoom) {
            m_v->OnRButtonDown(MK_RBUTTON, CPoint(m_w.width / 2, m_w.height / 2));
            m_v->Invalidate();
            m_v->RenderPending();
        }
        if (top > 0) {
            m_v->ScrollToPosition(CPoint(0, top));
            m_v->RenderPending();
        }
    }

    // A full repaint with its log; the state checked.
    const PassLog& Repaint(const std::string& state) {
        m_log = PassLog();
        m_log.view = m_v.get();
        m_v->m_pTextSink = &m_log;
        m_v->m_pControlSink = &m_log;
        m_v->m_nPrevClipBottom = 0;
        m_v->Invalidate();
        const double start = CpuSeconds();
        m_v->RenderPending();
        m_result->times.push_back({state, m_w.width, CpuSeconds() - start - m_log.ownSeconds});
        m_log.EndFigure();
        m_v->m_pTextSink = nullptr;
        m_v->m_pControlSink = nullptr;
        for (int i = 0; i < m_v->m_nShownButtons; ++i)
            m_log.hitAreas.push_back(m_v->m_arcShownButtons[i]);
        NoteButtons(m_log);
        ++m_result->states;
        const size_t before = m_result->faults.size();
        CheckState(*m_v, m_log, m_v->BackingImage(), m_page.Name(), m_w.width, state,
                   &m_result->faults);
        // PEMRO_SWEEP_PNG=dir keeps the pictures of the first faulty states
        // of each page, to judge the faults by.
        if (m_result->faults.size() > before) KeepPicture(m_v->BackingImage(), state);
        return m_log;
    }

    void KeepPicture(const QImage& image, const std::string& state) {
        static const char* const png = std::getenv("PEMRO_SWEEP_PNG");
        if (!png || m_pictures >= 40) return;
        ++m_pictures;
        std::string file = m_page.Name() + "_" + std::to_string(m_w.width) + "_" + state;
        for (char& ch : file)
            if (ch == '/' || ch == ':' || ch == ' ' || ch == '#') ch = '_';
        image.save(QString::fromStdString(std::string(png) + "/" + file + ".png"));
    }

    void AddFault(const std::string& state, const char* kind, const std::string& detail) {
        m_result->faults.push_back({m_page.Name(), m_w.width, state, kind, detail});
    }

    CPoint ToClient(CPoint page) const {
        return CPoint(page.x - m_v->m_nClipLeft, page.y - m_v->m_nClipTop);
    }

    void Press(CPoint client, int times = 1) {
        for (int i = 0; i < times; ++i) {
            m_v->OnLButtonDown(MK_LBUTTON, client);
            m_v->OnLButtonUp(0, client);
            m_v->RenderPending();
        }
    }

    // A click on a control as the user makes it, then the passes that
    // answer it: the picture they leave must be the one a full repaint
    // draws, and the button lit must be the one pressed.
    const PassLog& Click(const PassLog::Ctl& c, const std::string& state, int times = 1) {
        const CPoint page = Centre(c.box);
        Press(ToClient(page), times);
        const QImage afterClick = m_v->BackingImage().copy();
        const PassLog& log = Repaint(state);
        const int differ = ChangedOutside(afterClick, m_v->BackingImage(), CRect());
        if (differ) AddFault(state, "click-pass-differs", std::to_string(differ) + " pixels");
        for (const auto& d : log.controls)
            if (d.frame > 0 && d.label != c.label &&
                (d.box.left != c.box.left || d.box.top != c.box.top) && d.box.left < page.x &&
                page.x < d.box.right && d.box.top < page.y && page.y < d.box.bottom)
                AddFault(state, "wrong-button-lit",
                         Utf8(d.label) + " " + Where(d.box) + " for " + Utf8(c.label));
        return log;
    }

    // Scroll positions that bring each figure below the first screen into
    // the window, neighbouring figures drawn together once.
    std::vector<int> ScrollTops(const PassLog& first) const {
        std::vector<int> tops = {0};
        const int height = m_w.height;
        for (const CRect& f : first.allPlaced) {
            if (f.bottom < height - 1 || f.Height() >= height - 2) continue;
            const int top = std::max(0, f.top - 40);
            if (std::find(tops.begin(), tops.end(), top) == tops.end() && top > tops.back())
                tops.push_back(top);
        }
        std::vector<int> kept;
        for (int t : tops)
            if (kept.empty() || t >= kept.back() + height / 2 || t == 0) kept.push_back(t);
        return kept;
    }

    void NoteButtons(const PassLog& log) {
        std::map<std::pair<int, std::string>, int> seen;
        for (const auto& c : log.controls) {
            if (c.figure < 0 || IsCaption(c) || IsRangeGlyph(c)) continue;
            const int n = ++seen[{c.figure, c.label}];
            m_result->buttons.insert(std::to_string(log.placedOf[size_t(c.figure)]) + "\t" +
                                     Utf8(c.label) + "\t" + std::to_string(n));
        }
    }

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
    static std::set<std::string> Labels(const PassLog& log) {
        std::set<std::string> s;
        for (const auto& c : log.controls) s.insert(c.label);
        return s;
    }
    static bool Answers(const PassLog& log, const PassLog::Ctl& c) {
        for (const CRect& a : log.hitAreas)
            if (Meet(a, c.box)) return true;
        return false;
    }
    bool InWindow(const CRect& box) const {
        return Meet(
            box, CRect(m_v->m_nClipLeft, m_v->m_nClipTop, m_v->m_nClipRight, m_v->m_nClipBottom));
    }
    std::string Name(const std::string& at, const PassLog& log, size_t i) const {
        const int n = Ordinal(log, i);
        return m_prefix + at + Utf8(log.controls[i].label) + (n ? "#" + std::to_string(n + 1) : "");
    }

    // The opening state at `top` again, logged.
    void Reopen(int top, const std::string& at) {
        Open(top);
        Repaint(m_prefix + "open" + at);
    }

    // Presses button `label` (the n-th so labelled) from the state shown;
    // false when it is not drawn there.
    bool PressLabel(const std::string& label, int n, int times = 1) {
        const PassLog::Ctl* c = Find(m_log, label, n);
        if (!c) return false;
        Press(ToClient(Centre(c->box)), times);
        return true;
    }

    // A button that changed nothing but itself: a mode already chosen or a
    // value at its bound acts after another button of its figure.
    void CheckActs(const PassLog& base, size_t i, int top, const std::string& at,
                   const std::string& name, const QImage& before) {
        const PassLog::Ctl& b = base.controls[i];
        if (IsCaption(b) || !Answers(base, b)) return;
        const CRect own =
            Shifted(Inflated(b.box, b.frame + 1), -m_v->m_nClipLeft, -m_v->m_nClipTop);
        if (ChangedOutside(before, m_v->BackingImage(), own)) return;
        std::vector<size_t> others;
        const std::string back = StepBack(b.label);
        // The range arrows leave a figure's mode as it is: not among them.
        for (size_t j = 0; j < base.controls.size(); ++j)
            if (j != i && base.controls[j].figure == b.figure && !IsCaption(base.controls[j]) &&
                !IsRangeGlyph(base.controls[j]))
                others.push_back(j);
        std::stable_sort(others.begin(), others.end(), [&](size_t x, size_t y) {
            return (base.controls[x].label == back) > (base.controls[y].label == back);
        });
        if (others.size() > 4) others.resize(4);
        for (size_t j : others) {
            Reopen(top, at);
            if (!PressLabel(base.controls[j].label, Ordinal(base, j))) continue;
            const PassLog& log = Repaint(name + "+" + Utf8(base.controls[j].label));
            const PassLog::Ctl* c = Find(log, b.label, Ordinal(base, i));
            if (!c) return; // gone with the other button: it did something
            const CRect mine =
                Shifted(Inflated(c->box, c->frame + 1), -m_v->m_nClipLeft, -m_v->m_nClipTop);
            const QImage withOther = m_v->BackingImage().copy();
            Press(ToClient(Centre(c->box)));
            Repaint(name + "+" + Utf8(base.controls[j].label) + "/" + Utf8(b.label));
            if (ChangedOutside(withOther, m_v->BackingImage(), mine)) return;
        }
        AddFault(name, "button-does-nothing", Utf8(b.label) + " " + Where(b.box));
    }

    void SweepAt(int top, const PassLog* opened) {
        const std::string at = top ? "@" + std::to_string(top) : "";
        PassLog base;
        if (opened) {
            base = *opened;
        } else {
            Open(top);
            base = Repaint(m_prefix + "open" + at);
        }
        if (!m_options.clicks) {
            if (m_options.ten) TenTimes(base, top, at);
            return;
        }
        const std::set<std::string> baseLabels = Labels(base);
        std::set<std::set<std::string>> modes;
        bool fresh = true;
        for (size_t i = 0; i < base.controls.size(); ++i) {
            const auto& b = base.controls[i];
            if (!m_options.glyphs && IsRangeGlyph(b)) continue;
            if (!InWindow(b.box)) continue;
            const int n = Ordinal(base, i);
            const std::string name = Name(at, base, i);
            // State walked on from the last one; a button no longer drawn
            // there starts again from the opening.
            if (!fresh && (!Find(m_log, b.label, n) || Labels(m_log) != baseLabels))
                Reopen(top, at);
            const PassLog::Ctl* c = Find(m_log, b.label, n);
            if (!c) continue;
            const PassLog::Ctl pressed = *c;
            const QImage before = m_v->BackingImage().copy();
            const PassLog after = Click(pressed, name);
            fresh = false;
            CheckActs(base, i, top, at, name, before);
            const std::set<std::string> now = Labels(after);
            if (now == baseLabels) continue;
            // Buttons several buttons bring alike ("恢复" after every range
            // step) are walked once.
            std::set<std::string> brought;
            for (const std::string& label : now)
                if (!baseLabels.count(label)) brought.insert(label);
            if (!modes.insert(brought).second) continue;
            // A mode button: each button it brings, once, in the mode; then
            // the first that steps a value ten times.
            if (Labels(m_log) != now) {
                Reopen(top, at);
                if (!PressLabel(b.label, n)) continue;
                Repaint(name);
            }
            std::string ten;
            for (const std::string& label : now) {
                if (baseLabels.count(label)) continue;
                const PassLog::Ctl* d = Find(m_log, label, 0);
                if (!d) continue;
                if (ten.empty() && !StepBack(label).empty()) ten = label;
                const PassLog::Ctl next = *d;
                Click(next, name + "/" + Utf8(label));
            }
            if (ten.empty()) continue;
            Reopen(top, at);
            if (!PressLabel(b.label, n)) continue;
            Repaint(name);
            const PassLog::Ctl* d = Find(m_log, ten, 0);
            if (d) Click(PassLog::Ctl(*d), name + "/" + Utf8(ten) + "x10", 10);
        }
        TenTimes(base, top, at);
        if (m_options.glyphs) RestoreReturns(base, top, at);
        if (m_options.deep) ManyAndBack(base, top, at);
        if (m_options.pairs) Pairs(base, top, at);
    }

    // Each figure's first range arrow, then "恢复": the page as it opened,
    // clicked where the arrow and where "恢复" stood (a click in a figure
    // may also move what the figure shows at a clicked point, which "恢复"
    // keeps).
    void RestoreReturns(const PassLog& base, int top, const std::string& at) {
        std::set<int> done;
        const std::string restore = Gbk(u8"恢复");
        for (size_t i = 0; i < base.controls.size(); ++i) {
            const auto& b = base.controls[i];
            if (!IsRangeGlyph(b) || !InWindow(b.box) || !done.insert(b.figure).second) continue;
            Reopen(top, at);
            const std::string name = Name(at, base, i);
            const PassLog::Ctl* g = Find(m_log, b.label, Ordinal(base, i));
            if (!g) continue;
            const CPoint glyph = ToClient(Centre(g->box));
            Press(glyph);
            Repaint(name);
            const PassLog::Ctl* r = nullptr;
            for (const auto& c : m_log.controls)
                if (c.label == restore && c.figure == b.figure) r = &c;
            if (!r) {
                AddFault(name, "no-restore", Utf8(b.label) + " " + Where(b.box));
                continue;
            }
            const CPoint where = ToClient(Centre(r->box));
            Click(PassLog::Ctl(*r), name + "/" + Utf8(restore));
            const QImage restored = m_v->BackingImage().copy();
            Reopen(top, at);
            Press(glyph);
            Press(where);
            Repaint(m_prefix + at + "click@" + std::to_string(where.x) + "," +
                    std::to_string(where.y));
            const int differ = ChangedOutside(restored, m_v->BackingImage(), CRect());
            if (differ && std::getenv("PEMRO_SWEEP_PNG")) {
                KeepPicture(m_v->BackingImage(), name + "_clicked");
                KeepPicture(restored, name + "_restored");
            }
            if (differ)
                AddFault(name + "/" + Utf8(restore), "restore-differs",
                         std::to_string(differ) + " pixels");
        }
    }

    // One button ten times: the first that steps a value up, else the first
    // drawn.
    void TenTimes(const PassLog& base, int top, const std::string& at) {
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
        Reopen(top, at);
        const PassLog::Ctl* c = Find(m_log, ten->label, 0);
        if (!c) return;
        const PassLog::Ctl pressed = *c;
        Click(pressed, m_prefix + at + Utf8(pressed.label) + "x10", 10);
    }

    // Each step button thirty times, then its step back as often.
    void ManyAndBack(const PassLog& base, int top, const std::string& at) {
        for (size_t i = 0; i < base.controls.size(); ++i) {
            const auto& b = base.controls[i];
            if (!InWindow(b.box) || (!m_options.glyphs && IsRangeGlyph(b))) continue;
            const std::string back = StepBack(b.label);
            if (back.empty()) continue;
            const int n = Ordinal(base, i);
            if (!Find(base, back, n)) continue;
            const std::string name = Name(at, base, i) + "x30";
            Reopen(top, at);
            const PassLog::Ctl* c = Find(m_log, b.label, n);
            if (!c) continue;
            Click(PassLog::Ctl(*c), name, kManyPresses);
            const PassLog::Ctl* d = Find(m_log, back, n);
            if (d) Click(PassLog::Ctl(*d), name + "/" + Utf8(back) + "x30", kManyPresses);
        }
    }

    // Two buttons of one figure one after the other.
    void Pairs(const PassLog& base, int top, const std::string& at) {
        constexpr size_t kMaxPerFigure = 10;
        std::map<int, std::vector<size_t>> byFigure;
        for (size_t i = 0; i < base.controls.size(); ++i) {
            const auto& b = base.controls[i];
            if (b.figure < 0 || IsCaption(b) || IsRangeGlyph(b) || !InWindow(b.box)) continue;
            if (byFigure[b.figure].size() < kMaxPerFigure) byFigure[b.figure].push_back(i);
        }
        for (const auto& [figure, buttons] : byFigure)
            for (size_t x = 0; x < buttons.size(); ++x)
                for (size_t y = x + 1; y < buttons.size(); ++y) {
                    const size_t i = buttons[x], j = buttons[y];
                    Reopen(top, at);
                    if (!PressLabel(base.controls[i].label, Ordinal(base, i))) continue;
                    Repaint(Name(at, base, i));
                    const PassLog::Ctl* c = Find(m_log, base.controls[j].label, Ordinal(base, j));
                    if (c)
                        Click(PassLog::Ctl(*c),
                              Name(at, base, i) + "+" + Utf8(base.controls[j].label));
                }
    }

    // The right button's zoom on the first figure drawn.
    void Zoom(const PassLog& first) {
        if (first.figures.empty()) return;
        Open(0);
        m_v->OnRButtonDown(MK_RBUTTON, ToClient(Centre(first.figures.front())));
        m_v->RenderPending();
        Repaint("zoom");
    }

    // Each sheet File > 打印 prints, checked as a screen is (its text); a
    // figure cut at a sheet's foot prints whole on the next.
    void PrintedSheets() {
        Open(0);
        const QSize a4(1170, 1654); // A4 at 150 dpi
        CPrintInfo info;
        if (!PreparePrintInfo(m_v.get(), &info, a4)) return;
        const auto attach = [&] {
            m_log = PassLog();
            m_log.view = m_v.get();
            m_v->m_pTextSink = &m_log;
            m_v->m_pControlSink = &m_log;
        };
        attach();
        UINT sheet = info.m_nMinPage;
        DrawPrintPages(
            m_v.get(), &info, info.m_nMinPage, info.m_nMaxPage, a4, [&](const QImage& image) {
                m_log.EndFigure();
                ++m_result->states;
                const size_t before = m_result->faults.size();
                const std::string state = "print#" + std::to_string(sheet++);
                CheckState(*m_v, m_log, image, m_page.Name(), m_w.width, state, &m_result->faults);
                if (m_result->faults.size() > before) KeepPicture(image, state);
                attach();
                return true;
            });
        m_v->m_pTextSink = nullptr;
        m_v->m_pControlSink = nullptr;
    }

    // One step of 整体放大.
    void FontStep() {
        Open(0);
        m_v->OnCommand(kFontStepUp);
        m_v->RenderPending();
        Repaint("font+");
    }

    // A click on the page's background, then a page step: the same picture
    // as the step alone (the click acts on nothing scrolled under it).
    void StrayClick(const PassLog& first) {
        const int page = m_w.height;
        Open(0);
        const int down = m_v->PageStepTop(0, 1);
        m_v->ScrollToPosition(CPoint(0, down));
        m_v->RenderPending();
        const PassLog below = Repaint("page-down");
        const QImage scrolled = m_v->BackingImage().copy();
        const int shift = m_v->m_nClipTop; // where the scroll stopped
        if (shift <= 0) return;
        // Under a button of the page below, where the first screen shows none.
        const CRect window(4, 4, m_w.width - 4, page - 4);
        CPoint at(-1, -1);
        for (const auto& c : below.controls) {
            const CPoint p = Centre(c.box);
            if (Clear(first, CPoint(p.x, p.y - shift), window)) {
                at = CPoint(p.x, p.y - shift);
                break;
            }
        }
        if (at.x < 0) return;
        Open(0);
        Press(at);
        m_v->ScrollToPosition(CPoint(0, down));
        m_v->RenderPending();
        const int differ = ChangedOutside(scrolled, m_v->BackingImage(), CRect());
        if (differ)
            AddFault("stray-click", "stray-click-acts",
                     std::to_string(differ) + " pixels after a click at " + std::to_string(at.x) +
                         "," + std::to_string(at.y));
    }

    // A point inside `bounds` whose neighbourhood meets no figure, control
    // or click area of the opening window.
    static bool Clear(const PassLog& first, CPoint p, const CRect& bounds) {
        if (p.x < bounds.left || p.y < bounds.top || p.x >= bounds.right || p.y >= bounds.bottom)
            return false;
        const CRect r = Near(p);
        for (const CRect& f : first.allPlaced)
            if (Meet(f, r)) return false;
        for (const CRect& a : first.hitAreas)
            if (Meet(a, r)) return false;
        for (const auto& c : first.controls)
            if (Meet(Inflated(c.box, c.frame), r)) return false;
        return true;
    }
    static CRect Near(CPoint p) { return CRect(p.x - 3, p.y - 3, p.x + 3, p.y + 3); }

    // A point of the opening window in no figure, control, click area or
    // text, out of the left margin (whose click repaints the whole box).
    bool IsBackground(const PassLog& first, CPoint p) const {
        const CRect bounds(m_w.width / 20 + 4, 4, m_w.width - 4, m_w.height - 4);
        if (!Clear(first, p, bounds)) return false;
        for (const auto& t : first.pieces)
            if (Meet(t.ink, Near(p))) return false;
        return true;
    }

    // Beside the first figure in the window: the middle of the wider margin
    // next to it, level with its middle.
    CPoint BesideFigure(const PassLog& first) const {
        for (const CRect& f : first.figures) {
            const int y = (std::max(f.top, 0) + std::min(f.bottom, m_w.height)) / 2;
            const int leftGap = f.left - m_w.width / 20, rightGap = m_w.width - f.right;
            const CPoint p(leftGap > rightGap ? f.left - leftGap / 2 : f.right + rightGap / 2, y);
            if (IsBackground(first, p)) return p;
        }
        return CPoint(-1, -1);
    }

    // Between two lines of the page's own text, under the middle of both.
    CPoint BetweenLines(const PassLog& first) const {
        for (const auto& a : first.pieces) {
            if (a.figure >= 0) continue;
            const PassLog::Piece* next = nullptr;
            for (const auto& b : first.pieces)
                if (b.figure < 0 && b.ink.top > a.ink.bottom + 1 && b.ink.left < a.ink.right &&
                    a.ink.left < b.ink.right && (!next || b.ink.top < next->ink.top))
                    next = &b;
            if (!next) continue;
            const CPoint p(
                (std::max(a.ink.left, next->ink.left) + std::min(a.ink.right, next->ink.right)) / 2,
                (a.ink.bottom + next->ink.top) / 2);
            if (IsBackground(first, p)) return p;
        }
        return CPoint(-1, -1);
    }

    // A click on the window's background, beside a figure and between two
    // lines of text: the pass that answers it keeps the page's picture and
    // must leave what a full repaint of the same state draws.
    void BackgroundClicks(const PassLog& first) {
        const std::pair<const char*, CPoint> clicks[] = {
            {"click-beside-figure", BesideFigure(first)},
            {"click-between-lines", BetweenLines(first)}};
        for (const auto& [state, at] : clicks) {
            if (at.x < 0) continue;
            Open(0);
            Press(at);
            const QImage afterClick = m_v->BackingImage().copy();
            Repaint(state);
            const int differ = ChangedOutside(afterClick, m_v->BackingImage(), CRect());
            if (differ) {
                KeepPicture(afterClick, std::string(state) + "_pass");
                AddFault(state, "click-pass-differs",
                         std::to_string(differ) + " pixels after a click at " +
                             std::to_string(at.x) + "," + std::to_string(at.y));
            }
        }
    }

    Page m_page;
    Window m_w;
    Options m_options;
    Result* m_result;
    std::unique_ptr<CPemroView> m_v;
    PassLog m_log;
    const TopicRow* m_row = nullptr;
    std::string m_prefix;
    int m_pictures = 0;
};

} // namespace

void SweepPage(const Page& page, Window w, Options options, Result* result) {
    Walker(page, w, options, result).Sweep();
}

} // namespace sweep
