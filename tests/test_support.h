// Set-up pieces the tests share: the current directory switched for a test's
// lifetime, a scratch directory of a test's own, pixel reads and counts on an
// in-memory image, a recorder of the typeset text, and fixtures for a view on
// an in-memory surface and for whole pages drawn from scratch scripts.
#pragma once

#include "platform/dc.h"
#include "platform/system.h"
#include "platform/text_codec.h"
#include "test_paths.h"
#include "view/view.h"

#include <QImage>
#include <gtest/gtest.h>

#include <unistd.h>

#include <ctime>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace test_support {

namespace fs = std::filesystem;

// A window that counts the animation's present-and-wait calls.
struct CountingHost : CViewHost {
    int presents = 0;
    long totalMs = 0;
    void ScheduleRender() override {}
    void ScrollSizesChanged() override {}
    void PresentAndWait(int ms) override {
        ++presents;
        totalMs += ms;
    }
    void SetMouseCapture(bool) override {}
    void SetTitle(const std::string&) override {}
};

// Checked builds run instrumented, several times slower: the time limits of
// tests stretch by this factor there.
#ifdef PEMRO_SANITIZED
constexpr double kTimeScale = 15;
#else
constexpr double kTimeScale = 1;
#endif

// Checked builds look for memory faults and undefined behaviour: tests that
// compare the pixels or the layout of many cases, each compared in the
// normal build, draw a spread of every kCaseStride-th case there.
#ifdef PEMRO_SANITIZED
constexpr size_t kCaseStride = 6;
#else
constexpr size_t kCaseStride = 1;
#endif

// Whether case `i` runs in this build; `variant` (a window size of the case,
// say) moves the spread, so that each variant comes up too.
inline bool CaseRuns(size_t i, size_t variant = 0) {
    return (i + variant) % kCaseStride == 0;
}

// CPU time of the calling thread: time limits in tests compare this, not the
// wall clock, so a busy machine does not fail them.
inline double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The window whole pages are drawn in.
constexpr int kPageWidth = 1280;
constexpr int kPageHeight = 960;

// The view is far too large for the stack.
inline std::unique_ptr<CPemroView> MakeView() {
    return std::make_unique<CPemroView>();
}

// The box [-1, 1] x [-2, 2] x [0, 3] seen obliquely: x 100 pixels over its
// span receding at half that, y 400 pixels, z 300 pixels, the origin at
// (10, 500). Projection tests work their pixels out by hand from it.
inline void SetObliqueTestBox(CPemroView& v) {
    v.m_dXMin = -1, v.m_dXMax = 1, v.m_dXSpan = 2;
    v.m_dYMin = -2, v.m_dYMax = 2, v.m_dYSpan = 4;
    v.m_dZMin = 0, v.m_dZMax = 3, v.m_dZSpan = 3;
    v.m_nProjScaleX = 100, v.m_nProjScaleY = 400, v.m_nProjScaleZ = 300;
    v.m_dObliqueFactor = 0.5;
    v.m_nProjOriginX = 10, v.m_nProjOriginY = 500;
}

// --- Directories ---------------------------------------------------------------

// Makes `dir` the current directory while the object lives and goes back to
// the one before afterwards, so that no test leaves the next in its place.
class CurrentDir {
public:
    explicit CurrentDir(const fs::path& dir) {
        std::error_code ec;
        m_old = fs::current_path(ec);
        if (!ec) fs::current_path(dir, ec);
        m_entered = !ec;
        if (!m_entered) ADD_FAILURE() << "cannot enter " << dir << ": " << ec.message();
    }
    ~CurrentDir() {
        std::error_code ec;
        if (m_entered) fs::current_path(m_old, ec);
    }
    CurrentDir(const CurrentDir&) = delete;
    CurrentDir& operator=(const CurrentDir&) = delete;

    bool Entered() const { return m_entered; }

private:
    fs::path m_old;
    bool m_entered = false;
};

// The run directory the build prepares (the GBK sample course).
class InRunDir : public CurrentDir {
public:
    InRunDir() : CurrentDir(test_paths::kRunDir) {}
};

// A name under the temporary directory for the running test alone: the
// process id keeps parallel runs apart, the test's full name the tests.
inline fs::path UniqueTempPath(const std::string& prefix, const std::string& suffix = "") {
    std::string name = "pemro_" + prefix + "_" + std::to_string(::getpid());
    if (const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info())
        name += std::string("_") + t->test_suite_name() + "_" + t->name();
    std::replace(name.begin(), name.end(), '/', '_'); // parameterised names
    return fs::temp_directory_path() / (name + suffix);
}

// An empty directory of the test's own that is the current directory while
// the object lives; removed afterwards with everything in it.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& prefix) : m_path(UniqueTempPath(prefix)) {
        std::error_code ec;
        fs::remove_all(m_path, ec);
        fs::create_directories(m_path, ec);
        m_cwd.emplace(m_path);
    }
    ~ScratchDir() {
        m_cwd.reset(); // leave before removing
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
    std::optional<CurrentDir> m_cwd;
};

// --- Pixels -------------------------------------------------------------------

// The colour of a pixel; black outside the image.
inline COLORREF ColourAt(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) return kBlack;
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Pixels of the colour in [l, r) x [t, b), within the image.
inline int CountColour(const QImage& image, COLORREF c, int l, int t, int r, int b) {
    l = std::max(l, 0), t = std::max(t, 0);
    r = std::min(r, image.width()), b = std::min(b, image.height());
    int n = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) n += ColourAt(image, x, y) == c;
    return n;
}

inline int CountColour(const QImage& image, COLORREF c) {
    return CountColour(image, c, 0, 0, image.width(), image.height());
}

// --- Typeset text ---------------------------------------------------------------

// Every piece of typeset text of the passes, in drawing order.
struct TextRecorder : CPemroView::TextSink {
    struct Piece {
        int x, y;
        std::string text; // GBK
        LOGFONT font;
        COLORREF colour;
    };
    std::vector<Piece> pieces;

    void OnText(int x, int y, const char* gbk, int count, const LOGFONT& font,
                COLORREF colour) override {
        pieces.push_back({x, y, std::string(gbk, size_t(count)), font, colour});
    }
    // The figure frames (and panels) drawn, in drawing order.
    std::vector<CRect> frames;
    void OnFigureFrame(const CRect& frame) override { frames.push_back(frame); }
    // Whether a piece holds the text (UTF-8 here, GBK on the page).
    bool Saw(const std::string& utf8) const {
        const std::string gbk = Gbk(utf8);
        for (const Piece& p : pieces)
            if (p.text.find(gbk) != std::string::npos) return true;
        return false;
    }
    // Pieces whose bytes are exactly `text`.
    int Count(const std::string& text) const {
        int n = 0;
        for (const Piece& p : pieces) n += p.text == text;
        return n;
    }
    // The pieces written after each piece that is exactly the label.
    std::vector<std::string> ValuesAfter(const std::string& utf8Label) const {
        std::vector<std::string> values;
        const std::string gbk = Gbk(utf8Label);
        for (size_t i = 0; i + 1 < pieces.size(); ++i)
            if (pieces[i].text == gbk) values.push_back(pieces[i + 1].text);
        return values;
    }
    // The same, read from the top of the page down (a list may be written
    // from its bottom row up).
    std::vector<std::string> ValuesAfterTopDown(const std::string& utf8Label) const {
        std::vector<std::pair<int, std::string>> rows;
        const std::string gbk = Gbk(utf8Label);
        for (size_t i = 0; i + 1 < pieces.size(); ++i)
            if (pieces[i].text == gbk) rows.emplace_back(pieces[i].y, pieces[i + 1].text);
        std::stable_sort(rows.begin(), rows.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::string> values;
        for (auto& r : rows) values.push_back(r.second);
        return values;
    }
    // The piece written right after the first piece that holds `utf8Label`.
    std::string After(const std::string& utf8Label) const {
        const std::string gbk = Gbk(utf8Label);
        for (size_t i = 0; i + 1 < pieces.size(); ++i)
            if (pieces[i].text.find(gbk) != std::string::npos) return pieces[i + 1].text;
        return {};
    }
};

// --- Controls -------------------------------------------------------------------

struct Control {
    CRect box;
    int frame;
    CPoint labelAt;
    std::string label; // GBK
    LOGFONT font;
};

// Each control once, however many times the figure draws it in a pass.
struct ControlLog : CPemroView::ControlSink {
    std::vector<Control> controls;
    void OnControl(const CRect& box, int frame, CPoint labelAt, const CString& label,
                   const LOGFONT& font) override {
        for (const Control& c : controls)
            if (c.box == box && c.label == label) return;
        controls.push_back({box, frame, labelAt, label, font});
    }
    // The first control so labelled, or none.
    const Control* Find(const std::string& utf8) const {
        for (const Control& c : controls)
            if (c.label == Gbk(utf8)) return &c;
        return nullptr;
    }
};

// The text of one full repaint.
inline TextRecorder TextOfRepaint(CPemroView* v) {
    TextRecorder text;
    v->m_pTextSink = &text;
    v->m_nPrevClipBottom = 0;
    v->Invalidate();
    v->RenderPending();
    v->m_pTextSink = nullptr;
    return text;
}

// Sets the pass budget for one test.
class BudgetScope {
public:
    explicit BudgetScope(std::chrono::milliseconds budget) : m_old(CPemroView::PassBudget()) {
        CPemroView::SetPassBudget(budget);
    }
    ~BudgetScope() { CPemroView::SetPassBudget(m_old); }
    BudgetScope(const BudgetScope&) = delete;
    BudgetScope& operator=(const BudgetScope&) = delete;

private:
    std::chrono::milliseconds m_old;
};

// The controls of a repaint of the page, its continuations included.
inline ControlLog ControlsOfRepaint(CPemroView* v) {
    ControlLog log;
    v->m_pControlSink = &log;
    v->Invalidate();
    v->RenderPending();
    for (int i = 0; i < 100 && v->HasPendingPaint(); ++i) v->RenderPending();
    v->m_pControlSink = nullptr;
    return log;
}

// The page centre of the first control labelled `utf8` in a repaint of the
// page, where a user would click it; (-1, -1) when none is drawn.
inline CPoint ControlCentre(CPemroView* v, const std::string& utf8) {
    const ControlLog log = ControlsOfRepaint(v);
    const Control* c = log.Find(utf8);
    if (!c) return CPoint(-1, -1);
    return CPoint((c->box.left + c->box.right) / 2, (c->box.top + c->box.bottom) / 2);
}

// --- Pages ----------------------------------------------------------------------

// A file of the bytes, its folders made as needed.
inline void WriteFile(const fs::path& p, const std::string& bytes) {
    std::error_code ec;
    if (!p.parent_path().empty()) fs::create_directories(p.parent_path(), ec);
    std::ofstream(p, std::ios::binary) << bytes;
}

// The script of topic `code` in the data/ folder of the current directory,
// written in UTF-8 here and stored in GBK as the program reads it.
inline void WriteScript(const std::string& code, const std::string& utf8) {
    std::ofstream("data/" + code + ".txt", std::ios::binary) << Gbk(utf8);
}

// A view on topic `code` of family -1 in a window of the size, after its
// first passes; `text` (if any) records them.
// The first pass and the continuations the program runs before the page is
// seen: a tall page can outrun one pass's budget on a busy machine.
inline void RenderUntilDrawn(CPemroView& v) {
    v.RenderPending();
    for (int i = 0; i < 100 && v.HasPendingPaint(); ++i) v.RenderPending();
}

inline std::unique_ptr<CPemroView> OpenTopic(const std::string& code, TextRecorder* text = nullptr,
                                             int width = kPageWidth, int height = kPageHeight) {
    auto v = std::make_unique<CPemroView>();
    v->m_pTextSink = text;
    v->ResetTopic(-1);
    v->m_strTopicCode = code;
    v->ResizeClient(width, height);
    RenderUntilDrawn(*v);
    return v;
}

// A press at a client point, then the passes that answer it.
inline void ClickPoint(CPemroView& v, CPoint p) {
    v.m_ptClick = p;
    ++v.m_nClickSerial;
    v.Invalidate();
    v.RenderPending();
}

// The same at a page point of a page that may be scrolled.
inline void ClickPage(CPemroView& v, int x, int y) {
    ClickPoint(v, CPoint(x - v.m_nClipLeft, y - v.m_nClipTop));
}

// A click on the first control labelled `utf8`, as drawn.
inline void PressControl(CPemroView& v, const std::string& utf8) {
    const CPoint p = ControlCentre(&v, utf8);
    if (p.x < 0) ADD_FAILURE() << "no button " << utf8;
    ClickPage(v, p.x, p.y);
}

// Whether the page shows the string as the figure's plain strings write it
// at (x, y): nearly every pixel of a copy drawn alone within `area` is on the
// page.
inline bool ShowsString(CPemroView& v, int x, int y, const std::string& utf8, COLORREF colour,
                        const CRect& area) {
    const QImage& page = v.BackingImage();
    QImage copy(page.size(), QImage::Format_RGB32);
    copy.fill(Qt::black);
    CDC dc(&copy);
    v.DrawString(&dc, x, y, Gbk(utf8), colour);
    int total = 0, matched = 0;
    for (int py = std::max<int>(area.top, 0); py < std::min<int>(area.bottom, copy.height()); ++py)
        for (int px = std::max<int>(area.left, 0); px < std::min<int>(area.right, copy.width());
             ++px)
            if (ColourAt(copy, px, py) == colour) {
                ++total;
                matched += ColourAt(page, px, py) == colour;
            }
    return total > 0 && matched >= total * 9 / 10;
}

// The page pixel of a world point of the last plane figure, as
// DrawStringWorld places it.
inline CPoint WorldPixel(const CPemroView& v, double x, double y) {
    return CPoint(
        v.m_nPlotLeft + int((x - v.m_dXMin) / v.m_dXSpan * (v.m_nPlotRight - v.m_nPlotLeft)),
        v.m_nPlotBottom - int((y - v.m_dYMin) / v.m_dYSpan * (v.m_nPlotBottom - v.m_nPlotTop)));
}

// Inside the button of the column right of the last figure whose nominal row
// is `row` (24 pixels a row for a 20-pixel button, scaled to the real button
// height); `dx` from the plot's right edge, where a button acts too.
inline CPoint ButtonRow(const CPemroView& v, int row, int dx = 12) {
    const int height = 3 * (v.m_nFontStep + v.m_nBaseCharHeight) / 5 + 2;
    return CPoint(v.m_nPlotRight + dx, v.m_nPlotTop + 24 * row * height / 20 + 8);
}

// --- Fixtures ---------------------------------------------------------------------

// A view drawing through a CDC on a black in-memory image whose clip box is
// the whole image.
class ViewSurfaceTest : public ::testing::Test {
protected:
    void MakeSurface(int width, int height) {
        view = std::make_unique<CPemroView>();
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        dc = std::make_unique<CDC>(&image);
        CPemroView& v = *view;
        v.m_nClipLeft = 0, v.m_nClipTop = 0, v.m_nClipRight = width, v.m_nClipBottom = height;
    }

    COLORREF At(int x, int y) const { return ColourAt(image, x, y); }
    int CountIn(COLORREF c, int l, int t, int r, int b) const {
        return CountColour(image, c, l, t, r, b);
    }
    int CountIn(COLORREF c, const CRect& r) const {
        return CountColour(image, c, r.left, r.top, r.right, r.bottom);
    }
    int Count(COLORREF c) const { return CountColour(image, c); }
    bool Blank() const { return Count(kBlack) == image.width() * image.height(); }
    void Clear() { image.fill(Qt::black); }

    // The world rectangle of a plane figure.
    void SetWorld(double x0, double x1, double y0, double y1) {
        CPemroView& v = *view;
        v.m_dXMin = x0, v.m_dXMax = x1, v.m_dYMin = y0, v.m_dYMax = y1;
        v.m_dXSpan = x1 - x0, v.m_dYSpan = y1 - y0;
    }
    // A press at a client point, then the start of the pass that answers it.
    void Press(int x, int y) {
        view->m_ptClick = CPoint(x, y);
        ++view->m_nClickSerial;
        view->BeginPassClickState();
    }

    std::unique_ptr<CPemroView> view;
    QImage image;
    std::unique_ptr<CDC> dc;
};

// A visible plane figure on a 400 x 300 surface: graph box 10..390 x
// 10..290, plot 300 x 200 pixels at (50, 50), z in [0, 1], an oblique
// projection of 40 pixels a unit along x, one-pixel pens, no zoom, on screen.
// Each fixture sets its world, colours, text metrics and the rest itself.
class FigureSurfaceTest : public ViewSurfaceTest {
protected:
    void SetUp() override {
        MakeSurface(400, 300);
        CPemroView& v = *view;
        v.m_bFigureVisible = 1, v.m_bFigure3D = 0;
        v.m_nGraphLeft = 10, v.m_nGraphTop = 10, v.m_nGraphRight = 390, v.m_nGraphBottom = 290;
        v.m_nPlotLeft = 50, v.m_nPlotRight = 350, v.m_nPlotTop = 50, v.m_nPlotBottom = 250;
        v.m_nPlotWidth = 300, v.m_nPlotHeight = 200;
        v.m_dZMin = 0, v.m_dZMax = 1, v.m_dZSpan = 1;
        v.m_nPixelSize = 0, v.m_nRegionType = 0, v.m_nLineStyle = 0;
        v.m_bFullRepaint = 1, v.m_bZoom = 0, v.m_bPrintMode = 0;
        v.m_ptClick = CPoint(0, 0);
        v.m_nBaseCharHeight = 18;
        v.m_dRotationAngle = 0, v.m_nAxisArrangement = 1, v.m_dObliqueFactor = 0.5;
        v.m_nProjScaleX = 40;
    }
};

// Whole pages: scripts in a scratch directory of the test's own (with its
// data/ folder) drawn by a view on a 1280 x 960 surface. Message boxes go to
// `messages`.
class ScratchPageTest : public ::testing::Test {
protected:
    static constexpr int kWidth = kPageWidth;
    static constexpr int kHeight = kPageHeight;

    explicit ScratchPageTest(const std::string& prefix) : scratch(prefix) {
        std::error_code ec;
        fs::create_directories("data", ec);
    }
    void SetUp() override {
        SetMessageBoxSink([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override { SetMessageBoxSink(nullptr); }

    // A view on topic `code` of the family, not yet drawn.
    static std::unique_ptr<CPemroView> View(const std::string& code, int family = -1) {
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(family);
        v->m_strTopicCode = code;
        return v;
    }
    static void Draw(CPemroView* v) {
        if (v->BackingImage().width() != kWidth) v->ResizeClient(kWidth, kHeight);
        v->Invalidate();
        v->RenderPending();
    }
    static std::unique_ptr<CPemroView> Page(const std::string& code, int family = -1) {
        auto v = View(code, family);
        Draw(v.get());
        return v;
    }
    static COLORREF Pixel(const CPemroView* v, int x, int y) {
        return ColourAt(v->BackingImage(), x, y);
    }
    // The page of a script written here, drawn once.
    static std::unique_ptr<CPemroView> ScriptPage(const std::string& code,
                                                  const std::string& utf8) {
        WriteScript(code, utf8);
        return Page(code);
    }
    // A press at a client point, then its passes.
    static void Click(CPemroView* v, int x, int y) { ClickPoint(*v, CPoint(x, y)); }
    // The page drawn at demonstration steps far outside their ranges.
    static void DrawAtOddSteps(CPemroView* v) {
        for (int step : {-3, 0, 1, 50, 100000}) {
            v->m_nDemoStep = step;
            v->m_nPrecisionDigits = step > 50 ? 1 : 6;
            Draw(v);
        }
    }

    ScratchDir scratch;
    std::vector<std::string> messages;
};

// A whole page drawn by a view with a text log: open a topic of family -1,
// repaint, click a point or a button, read what was written after a label.
// Message boxes go to `messages`. Fixtures add where the scripts come from
// (the sample course or a scratch directory).
class PageViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxSink([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override { SetMessageBoxSink(nullptr); }

    // The topic in a window of the size, after its first passes and one repaint.
    void Open(const char* topic, int height = kPageHeight, int width = kPageWidth,
              CViewHost* host = nullptr) {
        view = std::make_unique<CPemroView>();
        view->SetHost(host);
        view->ResetTopic(-1);
        view->m_strTopicCode = topic;
        view->m_pTextSink = &log;
        view->ResizeClient(width, height);
        RenderUntilDrawn(*view);
        Repaint();
    }
    void Repaint() {
        log.pieces.clear();
        log.frames.clear();
        view->Invalidate();
        RenderUntilDrawn(*view);
    }
    // A press at the page point, then the passes that answer it.
    void Click(int x, int y) {
        view->m_ptClick = CPoint(x, y);
        ++view->m_nClickSerial;
        Repaint();
    }
    // The first button so labelled, where the page drew it.
    void ClickControl(const std::string& utf8) {
        const CPoint c = ControlCentre(view.get(), utf8);
        ASSERT_NE(c, CPoint(-1, -1)) << utf8;
        Click(c.x, c.y);
    }
    // The button laid out at (x, y) for the nominal height 20 in the last
    // 2-D figure of the page.
    void ClickButton(int x, int y) {
        const int by = int(view->m_nPlotTop +
                           std::int64_t(view->ButtonHeight()) * (y - view->m_nPlotTop) / 20);
        Click(x + 3, by + 3);
    }
    // The pieces written after each piece with the label.
    std::vector<std::string> After(const std::string& utf8Label) const {
        return log.ValuesAfter(utf8Label);
    }
    // Page pixel of a world point of the last figure.
    int Px(double x) const {
        const CPemroView& v = *view;
        return int(v.m_nPlotLeft + (x - v.m_dXMin) * v.m_nPlotWidth / (v.m_dXMax - v.m_dXMin));
    }
    int Py(double y) const {
        const CPemroView& v = *view;
        return int(v.m_nPlotBottom - (y - v.m_dYMin) * v.m_nPlotHeight / (v.m_dYMax - v.m_dYMin));
    }

    std::unique_ptr<CPemroView> view;
    TextRecorder log;
    std::vector<std::string> messages;
};

// Page fixtures on the sample course: the run directory is current.
template <class Base = PageViewTest> class OnSampleCourse : public Base {
protected:
    void SetUp() override {
        ASSERT_TRUE(runDir.Entered());
        Base::SetUp();
    }
    InRunDir runDir;
};

// Page fixtures on scripts of the test's own: a scratch directory with its
// data/ folder is current.
template <class Base = PageViewTest> class OnScratchScripts : public Base {
protected:
    OnScratchScripts() {
        std::error_code ec;
        fs::create_directories("data", ec);
    }
    ScratchDir scratch{"pages"};
};

// Clicks and redraws whose record holds the text of their own passes alone.
class RecordedPasses {
protected:
    void Click(CPemroView& v, CPoint p) {
        text.pieces.clear();
        ClickPoint(v, p);
    }
    void Click(CPemroView& v, int x, int y) { Click(v, CPoint(x, y)); }
    void Redraw(CPemroView& v) {
        text.pieces.clear();
        v.Invalidate();
        v.RenderPending();
    }

    TextRecorder text;
};

// Sample pages of the course, each test holding its views, their text
// recorded from their first passes on.
class SampleTopicTest : public ::testing::Test, protected RecordedPasses {
protected:
    std::unique_ptr<CPemroView> Open(const char* topic, int height = kPageHeight) {
        return OpenTopic(topic, &text, kPageWidth, height);
    }

    InRunDir runDir;
};

// A 3-D figure in the box (100, 100)-(700, 500) on an 800 x 600 view, on
// screen and unrotated: X0 = 300, Y0 = 400, Sx = 100, Sy = 400, Sz = 300,
// k = 1.6. Surfaces, the region and the mesh are the fixture's own.
inline void SetUpSceneFigure(CPemroView& v) {
    v.m_bFigureVisible = 1, v.m_bPlaneCmdsEnabled = 1;
    v.m_nGraphLeft = 100, v.m_nGraphTop = 100, v.m_nGraphRight = 700, v.m_nGraphBottom = 500;
    v.m_bFullRepaint = 1, v.m_bZoom = 0, v.m_bPrintMode = 0;
    v.m_ptClick = CPoint(-1000, -1000);
    v.m_nBaseCharHeight = 18, v.m_nBaseCharWidth = 9, v.m_nFontStep = 0;
    v.m_nCharHeight = 18, v.m_nCharWidth = 9, v.m_nLabelZoom = 0;
    v.m_dRotationAngle = 0, v.m_nAxisArrangement = 1, v.m_dParamStep = 0.1;
    v.m_bShowSelectionBox = 0, v.m_nSubDemo = -1, v.m_nSurfaceEvalMode = 0;
    v.m_bDrawSurfaceIntersection = 0, v.m_bCutZc = 0;
    v.m_nProjectionDisplay = 0, v.m_bProjectXoy = 0, v.m_bProjectBase = 0;
    v.m_nRegionType = 0, v.m_nFuncF = 1, v.m_bDrawInverted = 0;
    v.m_nUpperSurfaceStyle = v.m_nLowerSurfaceStyle = 0, v.m_nSideSurfaces = 0;
}

} // namespace test_support
