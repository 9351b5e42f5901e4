// The first screen a lecturer sees: the program's window takes the screen
// and its page the window; each sample page's first figure fits that first
// screen, and on the pages of the families with a heading word the heading
// leaves the page title free.
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "test_support.h"
#include "view/view_factory.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

using namespace test_support;

namespace {

TEST(FirstScreen, TheFrameTakesTheScreenAndThePageTheFrame) {
    static QTemporaryDir settings; // the profile of this test alone
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    InRunDir run;
    CMainFrame frame(CreatePageView);
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(frame.size(), QGuiApplication::primaryScreen()->availableGeometry().size());
    frame.show();
    CChildFrame* child = frame.OnFileNew();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->isMaximized());
}

struct SamplePage {
    std::string code;
    int family;
};

// Every page of the sample course: data\ of family -1, gsdata\ of family 0.
std::vector<SamplePage> SamplePages() {
    std::vector<SamplePage> pages;
    for (const QString& f : QDir(QString(test_paths::kRunDir) + "/data").entryList({"*.txt"}))
        pages.push_back({f.chopped(4).toStdString(), -1});
    for (const QString& f : QDir(QString(test_paths::kRunDir) + "/gsdata").entryList({"gs*.txt"}))
        pages.push_back({f.mid(2).chopped(4).toStdString(), 0});
    return pages;
}

constexpr int kNoFigure = -123456;

// A view of the page, not yet drawn.
std::unique_ptr<CPemroView> Open(const SamplePage& p) {
    auto v = MakeView();
    v->ResetTopic(p.family);
    v->m_strTopicCode = p.code;
    v->m_nBackgroundMode = 0; // a plain background: the layout is the same, the passes quick
    return v;
}

// The passes on a client of w x h until the page has drawn itself whole (a
// newly opened page lays out first), the text going to `sink`.
void Show(CPemroView* v, int w, int h, CPemroView::TextSink* sink = nullptr) {
    v->ResizeClient(w, h);
    v->m_nGraphTop = kNoFigure;
    v->m_pTextSink = sink;
    v->Invalidate();
    for (int i = 0; i < 4 && v->HasPendingPaint(); ++i) v->RenderPending();
    v->m_pTextSink = nullptr;
}

// Whether a figure was placed on the first screen: a figure is drawn only
// when it lies inside the client whole, and the later figures lie lower.
bool FigureOnFirstScreen(CPemroView* v, int w, int h) {
    Show(v, w, h);
    return v->m_nGraphTop != kNoFigure;
}

// The client of a maximised window on screens of 1600 x 1000, 1280 x 960
// and 1024 x 768: the frame takes 14 pixels across (the scroll bar) and 73
// down (menus, toolbar, status bar).
constexpr struct { int w, h; } kFirstScreens[] = {{1586, 927}, {1266, 887}, {1010, 695}};

TEST(SamplePageLayout, FirstFigureFitsTheFirstScreen) {
    InRunDir run;
    int withFigure = 0;
    const std::vector<SamplePage> pages = SamplePages();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!CaseRuns(i)) continue;
        const SamplePage& p = pages[i];
        const auto v = Open(p);
        if (!FigureOnFirstScreen(v.get(), 300, 3000)) continue; // no figure on the page
        ++withFigure;
        for (const auto& s : kFirstScreens)
            EXPECT_TRUE(FigureOnFirstScreen(v.get(), s.w, s.h))
                << p.code << " of family " << p.family << " at " << s.w << " x " << s.h;
    }
    EXPECT_GE(withFigure * int(kCaseStride), 20);
}

// What the first figure drawn whole puts on the page: its frames and its
// texts, down to their lowest pixel.
struct FirstFigureExtent : CPemroView::TextSink {
    int figures = 0, bottom = 0, top = 1 << 30;
    CRect first;
    bool inFirst = false, inCommand = false;
    std::vector<std::pair<int, int>> pageText; // top and bottom of each piece
    void OnRecordBegins(bool command) override {
        inCommand = command, inFirst = inFirst && command;
    }
    void OnFigurePlaced(const CRect& box, bool visible) override {
        if (visible && figures++ == 0) first = box;
        inFirst = visible && box == first;
        if (inFirst) bottom = std::max(bottom, int(box.bottom)), top = std::min(top, int(box.top));
    }
    void OnFigureFrame(const CRect& frame) override {
        if (!inFirst) return;
        bottom = std::max(bottom, int(std::max(frame.top, frame.bottom)));
        top = std::min(top, int(std::min(frame.top, frame.bottom)));
    }
    void OnText(int, int y, const char*, int, const LOGFONT& font, COLORREF) override {
        if (inFirst) bottom = std::max(bottom, y + std::abs(font.lfHeight));
        if (!inCommand) pageText.emplace_back(y, y + std::abs(font.lfHeight));
    }
    // The bottom of the page's text above the first figure's box.
    int TextAbove() const {
        int b = 0;
        for (const auto& t : pageText)
            if (t.first < first.top) b = std::max(b, t.second);
        return b;
    }
};

// Wide, short windows (16:9 screens) show the first figure whole too, its
// frame, tick labels and buttons above the window's bottom; its frame
// starts below the page's last line above it.
TEST(SamplePageLayout, FirstFigureEndsAboveTheBottomOfWideWindows) {
    InRunDir run;
    constexpr struct {
        int w, h;
    } kWide[] = {{1366, 768}, {1920, 1080}, {2560, 1440}, {2560, 1600}};
    const std::vector<SamplePage> pages = SamplePages();
    for (size_t i = 0; i < pages.size(); ++i)
        for (size_t j = 0; j < std::size(kWide); ++j) {
            if (!CaseRuns(i, j)) continue;
            const SamplePage& p = pages[i];
            const auto& s = kWide[j];
            FirstFigureExtent e;
            Show(Open(p).get(), s.w, s.h, &e);
            EXPECT_LE(e.bottom, s.h) << p.code << " of family " << p.family << " at " << s.w;
            if (e.figures > 0) {
                EXPECT_LE(e.TextAbove(), e.top)
                    << p.code << " of family " << p.family << " at " << s.w;
            }
        }
}

// 整体放大 adds its pixels to every line, also where the unstepped page
// just fits the window's height; 整体缩小 takes them off. Expected by hand:
// layout = min(width, rows · 214 / 125, 197 past row 927), line = layout /
// 30 + step. The enlarged first figure is never taller than the window.
TEST(SamplePageLayout, LineHeightAfterASizeStep) {
    InRunDir run;
    constexpr struct {
        int w, h, step, line;
    } kRows[] = {{1920, 1080, 2, 62}, {1920, 1080, 8, 68}, {1920, 1080, -2, 58}, {1366, 768, 2, 45},
                 {1024, 768, 2, 36},  {1024, 768, 10, 44}, {2560, 1440, 4, 83},  {800, 600, 6, 32}};
    for (const auto& r : kRows) {
        FirstFigureExtent e;
        const auto v = Open({"200", -1});
        v->m_nFontStep = r.step;
        Show(v.get(), r.w, r.h, &e);
        EXPECT_EQ(v->m_nBaseCharHeight + r.step, r.line) << r.w << " step " << r.step;
        EXPECT_LE(e.bottom - e.top, r.h) << r.w << " step " << r.step;
    }
}

// On the 1024 x 768 screen's client the width bounds the layout (695 rows
// would allow 695 · 214 / 125 = 1189 columns), so two steps of 整体放大 (4
// pixels a line) leave the first figure whole on the first screen, its x
// numbers included.
TEST(SamplePageLayout, TwoSizeStepsKeepTheFirstFigureOnTheSmallFirstScreen) {
    InRunDir run;
    const SamplePage kPages[] = {{"303", -1}, {"320", -1}};
    for (const SamplePage& p : kPages) {
        FirstFigureExtent e;
        const auto v = Open(p);
        v->m_nFontStep = 4;
        Show(v.get(), 1010, 695, &e);
        EXPECT_EQ(v->m_nBaseCharHeight, 1010 / 30) << p.code;
        ASSERT_GT(e.figures, 0) << p.code;
        EXPECT_LE(e.bottom, 695) << p.code;
    }
}

// The page's own text, without what figures write (the state sweep checks
// that inside each figure's frame).
struct PageTextRecorder : TextRecorder {
    bool inFigure = false;
    void OnRecordBegins(bool command) override { inFigure = command; }
    void OnTextPiece(int x, int y, const char* gbk, int count, const LOGFONT& font, COLORREF colour,
                     bool) override {
        if (!inFigure) OnText(x, y, gbk, count, font, colour);
    }
};

// The narrowest first screen shows every text line of every sample page to
// its end: the lines are written short enough to end inside the window
// (a character of n bytes takes n widths of its font).
TEST(SamplePageLayout, TextLinesEndInsideTheNarrowWindow) {
    InRunDir run;
    constexpr int kWidth = 1010, kTallPage = 4000;
    for (const SamplePage& p : SamplePages()) {
        PageTextRecorder text;
        Show(Open(p).get(), kWidth, kTallPage, &text);
        for (const TextRecorder::Piece& t : text.pieces)
            EXPECT_LE(t.x + int(t.text.size()) * std::abs(t.font.lfWidth), kWidth)
                << p.code << " of family " << p.family << " at y " << t.y << ": "
                << GbkToUtf8(t.text);
    }
}

// The heading word stands at (5, 5) in the family's body size; the title
// of the page starts right of it and ends on the screen.
TEST(SamplePageLayout, FamilyHeadingLeavesTheTitleFree) {
    InRunDir run;
    int pages = 0;
    for (const SamplePage& p : SamplePages()) {
        if (p.family < 0) continue;
        ++pages;
        for (const auto& s : kFirstScreens) {
            TextRecorder text;
            Show(Open(p).get(), s.w, s.h, &text);
            // The heading as the last pass writes it, a character at a time.
            const auto& q = text.pieces;
            const auto li = std::find_if(q.rbegin(), q.rend(),
                                         [](const auto& t) { return t.text == Gbk(u8"理"); });
            ASSERT_NE(li, q.rend()) << p.code;
            const size_t h = size_t(q.rend() - li) - 1;
            ASSERT_GE(q.size(), h + 4) << p.code;
            const auto right = [](const TextRecorder::Piece& t) {
                return t.x + 2 * t.font.lfWidth;
            };
            const TextRecorder::Piece& title = q[h + 3];
            EXPECT_GE(title.x, right(q[h + 2])) << p.code << " at " << s.w;
            const auto titleEnd =
                std::find_if(q.begin() + long(h) + 3, q.end(),
                             [&](const auto& t) { return t.font.lfHeight != title.font.lfHeight; });
            EXPECT_LE(right(*(titleEnd - 1)), s.w) << p.code << " at " << s.w;
        }
    }
    EXPECT_GE(pages, 2);
}

} // namespace
