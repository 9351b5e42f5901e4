// Random scripts, clicks, scrolls, menu commands and dialog answers: whatever
// a script holds and whatever the user does, every call returns, and soon.
// Nothing here checks what is drawn; the point is that no input crashes,
// hangs or writes outside an array (run it in a sanitizer build too).
//
// Every case is seeded, so a failure repeats. PEMRO_FUZZ_ITERATIONS asks for
// more cases than the quick default. A run that crashes leaves its scripts in
// the scratch directory (named by seed) for the post-mortem.
#include "dialogs/common_dialogs.h"
#include "dialogs/my_dialog_base.h"
#include "platform/system.h"
#include "view/catalog_menu_tables.h"
#include "view/external_programs.h"
#include "view/menu_tables.h"
#include "view/view.h"
#include "view/view_tables.h"

#include "test_support.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QList>
#include <QSlider>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDefaultIterations = 10;
// Any single step taking longer than this counts as a hang; sanitizer builds
// run unoptimised and instrumented, some twenty times slower.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || defined(PEMRO_SANITIZED)
constexpr long long kStepLimitMs = 2000 * 15;
#else
constexpr long long kStepLimitMs = 2000;
#endif
constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;

int Iterations() {
    const char* s = std::getenv("PEMRO_FUZZ_ITERATIONS");
    const int n = s ? std::atoi(s) : 0;
    return n > 0 ? n : kDefaultIterations;
}

// The seeds of the random scripts: PEMRO_FUZZ_SEED repeats one case.
std::vector<uint64_t> ScriptSeeds() {
    if (const char* s = std::getenv("PEMRO_FUZZ_SEED")) return {std::strtoull(s, nullptr, 10)};
    std::vector<uint64_t> seeds;
    for (int i = 0; i < Iterations(); ++i) seeds.push_back(1000 + uint64_t(i));
    return seeds;
}

// splitmix64: the same numbers on every platform and library.
class Rng {
public:
    explicit Rng(uint64_t seed) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return n > 0 ? int(Next() % uint64_t(n)) : 0; }
    int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T, size_t N> const T& Pick(const T (&a)[N]) { return a[Below(int(N))]; }
    template <class T> const T& Pick(const std::vector<T>& v) {
        return v[size_t(Below(int(v.size())))];
    }

private:
    uint64_t m_state;
};

// --- Script generation -------------------------------------------------------

// Fields that trip careless number readers: empty, signs only, divisions by
// zero, more digits than any type holds, exponents (not part of the script's
// number form), stray brackets.
// clang-format off
const char* const kOddFields[] = {
    "", "-", "--", "1/0", "-1/0", "0/0", "/", "/0", ".", "-.", "1.2.3", "1//2", "-0", "1e308",
    "1e-308", "2147483647", "2147483648", "-2147483649", "4294967296",
    "99999999999999999999999999999999999999", "-0.00000000000000000001", "1000", "-1000", "10000",
    "100000", "-100", "255", "256", "-1", "0", "abc", "(", "((", " ", "\t", "0x10", "nan", "inf",
    "-inf", "1-", "--5", "5/-0", "0.", ".5", "1/3/0",
};
// clang-format on

std::string Digits(Rng& r, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += char('0' + r.Below(10));
    return s;
}

std::string Number(Rng& r) {
    char buf[48];
    switch (r.Below(8)) {
    case 0:
        return std::to_string(r.Range(-3, 40)); // counts, catalogue numbers, modes
    case 1:
        std::snprintf(buf, sizeof buf, "%.2f", r.Range(-600, 600) / 100.0); // ranges
        return buf;
    case 2:
        return "0." + Digits(r, r.Range(1, 2)); // frame fractions
    case 3:
        return std::to_string(r.Range(0, 255)); // colours
    case 4:
    case 5:
        return r.Pick(kOddFields);
    case 6: {
        std::string s = r.Chance(50) ? "-" : "";
        s += Digits(r, r.Range(1, 60));
        if (r.Chance(30)) s += "." + Digits(r, r.Range(0, 30));
        if (r.Chance(20)) s += "/" + Digits(r, r.Range(0, 30));
        return s;
    }
    default:
        return std::to_string(int(r.Next())); // the whole int range
    }
}

char TextByte(Rng& r) {
    static const char kMarkup[] = "&@$#=^_{}\\|~'\"<>[]()*+-/.,;:!?%";
    switch (r.Below(10)) {
    case 0:
    case 1:
    case 2:
        return char(r.Range(0x20, 0x7E));
    case 3:
    case 4:
        return kMarkup[r.Below(int(sizeof kMarkup) - 1)];
    case 5:
        return char('0' + r.Below(10));
    case 6:
        return char(r.Range(0x80, 0xFF)); // a lead byte without its partner
    case 7:
        return r.Chance(5) ? '\0' : r.Chance(50) ? '\r' : '\t';
    default:
        return ' ';
    }
}

std::string TextLine(Rng& r) {
    const int length = r.Chance(6) ? r.Range(240, 700) : r.Below(90);
    std::string s;
    while (int(s.size()) < length) {
        if (r.Chance(30)) { // a whole GBK character
            s += char(r.Range(0x81, 0xFE));
            s += char(r.Range(0x40, 0xFE));
        } else {
            s += TextByte(r);
        }
    }
    return s;
}

std::string Keyword(Rng& r) {
    const char* k = nullptr;
    while (!k) k = kScriptKeywords[r.Below(CPemroView::kKeywordCount)];
    std::string s = k;
    if (r.Chance(5)) s.resize(size_t(r.Below(int(s.size())))); // cut short
    if (r.Chance(5)) s += char(r.Range(0x21, 0x7E));           // a longer name
    return s;
}

std::string ArgumentList(Rng& r) {
    std::string s;
    const int count = r.Chance(8) ? r.Range(20, 140) : r.Below(18);
    for (int i = 0; i < count; ++i) {
        if (r.Chance(4))
            s += TextLine(r).substr(0, 12); // a name, where a number is expected too
        else
            s += Number(r);
        const int sep = r.Below(20);
        s += sep == 0 ? ";" : sep == 1 ? "" : ",";
    }
    const int end = r.Below(10);
    if (end < 7)
        s += ")";
    else if (end == 7)
        s += ",)";
    else if (end == 8)
        s += "))";
    // else: no closing bracket; the list ends with the line
    return s;
}

// A number near the field's value: the next catalogue entry, the next mode,
// a range turned round or scaled.
std::string Tweak(Rng& r, const std::string& field) {
    char* end = nullptr;
    const double v = std::strtod(field.c_str(), &end);
    if (field.empty() || *end) return Number(r);
    static const double kScales[] = {0, -1, 2, 0.5, 10, 1e-6};
    char buf[48];
    if (r.Chance(60))
        std::snprintf(buf, sizeof buf, "%g", v + r.Range(-3, 3));
    else
        std::snprintf(buf, sizeof buf, "%g", v * r.Pick(kScales));
    return buf;
}

// A command line of the sample course with some fields replaced, dropped or
// repeated, so the commands get past their first checks more often.
std::string Mutate(Rng& r, const std::string& line) {
    const size_t open = line.find('(');
    if (open == std::string::npos) return line;
    std::vector<std::string> fields;
    std::string field;
    for (size_t i = open + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ',' || c == ')') {
            fields.push_back(field);
            field.clear();
            if (c == ')') break;
        } else {
            field += c;
        }
    }
    std::string s = line.substr(0, open + 1);
    for (size_t i = 0; i < fields.size(); ++i) {
        if (r.Chance(5)) continue;
        if (r.Chance(12))
            s += Tweak(r, fields[i]);
        else
            s += r.Chance(20) ? Number(r) : fields[i];
        if (r.Chance(3)) s += "," + Number(r);
        s += ",";
    }
    if (!s.empty() && s.back() == ',' && r.Chance(70)) s.pop_back();
    if (r.Chance(85)) s += ")";
    return s;
}

char ParamByte(Rng& r) {
    static const char kParams[] = "0123456789abcdefghijz-";
    return r.Chance(70) ? char('0' + r.Below(4)) : kParams[r.Below(int(sizeof kParams) - 1)];
}

std::string Header(Rng& r, bool command) {
    std::string h;
    if (command) {
        h = "7";
        h += char('0' + r.Below(10));
        h += r.Chance(60) ? '0' : ParamByte(r);
        return h;
    }
    const int kind = r.Below(20);
    if (kind == 0) { // any bytes
        for (int i = 0; i < 3; ++i) {
            char c = char(r.Below(256));
            if (c == '\n') c = ' ';
            h += c;
        }
        return h;
    }
    if (kind == 1) return std::string(size_t(r.Below(3)), '1'); // short header
    int cls = r.Below(10);
    if (cls == 7) cls = 1;
    h += char('0' + cls);
    h += char('0' + r.Below(10));
    h += ParamByte(r);
    return h;
}

// The pages of the sample course as lines (GBK), in a fixed order, and all
// their command lines without the header.
struct SampleCourse {
    std::vector<std::vector<std::string>> pages;
    std::vector<std::vector<std::string>> figurePages; // those that draw a figure
    std::vector<std::string> commands;
};

// Commands that place no figure.
bool IsFigureCommand(const std::string& command) {
    for (const char* k : {"Answer", "CloseAnswer", "Font", "Html", "LoadBmp"})
        if (command.compare(0, std::strlen(k), k) == 0) return false;
    return true;
}

const SampleCourse& Sample() {
    static const SampleCourse course = [] {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const char* dir : {"data", "gsdata"})
            for (const auto& e : fs::directory_iterator(fs::path(test_paths::kRunDir) / dir, ec))
                if (e.path().extension() == ".txt") files.push_back(e.path());
        std::sort(files.begin(), files.end());
        SampleCourse c;
        for (const auto& f : files) {
            std::ifstream in(f, std::ios::binary);
            std::vector<std::string> page;
            std::string line;
            bool figure = false;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                page.push_back(line);
                if (line.size() > 3 && line[0] == '7') {
                    c.commands.push_back(line.substr(3));
                    figure = figure || IsFigureCommand(line.substr(3));
                }
            }
            c.pages.push_back(page);
            if (figure) c.figurePages.push_back(page);
        }
        return c;
    }();
    return course;
}

std::string RandomCommandLine(Rng& r) {
    const SampleCourse& sample = Sample();
    std::string line;
    if (r.Chance(45) && !sample.commands.empty())
        line = Mutate(r, r.Pick(sample.commands));
    else
        line = Keyword(r) + (r.Chance(92) ? "(" + ArgumentList(r) : std::string());
    if (r.Chance(3)) line += std::string(size_t(r.Range(200, 600)), '9'); // very long
    return line;
}

// A page of the sample course with lines dropped, repeated or inserted and
// command fields changed: the commands keep the figures they draw into.
std::string MutatedSamplePage(Rng& r, bool figure) {
    const SampleCourse& sample = Sample();
    std::string s;
    for (const std::string& line : r.Pick(figure ? sample.figurePages : sample.pages)) {
        if (r.Chance(6)) continue;
        std::string out = line;
        if (line.size() > 3 && line[0] == '7') {
            if (r.Chance(40))
                out = (r.Chance(85) ? line.substr(0, 3) : Header(r, true)) +
                      Mutate(r, line.substr(3));
        } else if (r.Chance(5)) {
            out = Header(r, false) + TextLine(r);
        }
        s += out + "\n";
        if (r.Chance(4)) s += out + "\n";
        if (r.Chance(2)) s += Header(r, true) + RandomCommandLine(r) + "\n";
    }
    return s;
}

// A random script: a changed sample page, or records of random text and
// command lines.
std::string Script(Rng& r) {
    if (r.Chance(35) && !Sample().pages.empty()) return MutatedSamplePage(r, false);
    std::string s;
    if (r.Chance(70)) s += "016" + TextLine(r).substr(0, 30) + "\n";
    const int records = r.Range(1, 40);
    for (int i = 0; i < records; ++i) {
        if (r.Below(10) < 4) { // text record
            s += Header(r, false) + TextLine(r) + "\n";
            continue;
        }
        s += Header(r, true) + RandomCommandLine(r) + (r.Chance(97) ? "\n" : "");
        const int labels = r.Below(3);
        for (int j = 0; j < labels; ++j) s += TextLine(r).substr(0, 20) + "\n";
    }
    if (r.Chance(10)) s.resize(size_t(r.Below(int(s.size()) + 1))); // cut anywhere
    return s;
}

// A page for the menu commands to act on: mostly a changed figure page.
std::string FigureScript(Rng& r) {
    if (r.Chance(70) && !Sample().figurePages.empty()) return MutatedSamplePage(r, true);
    return Script(r);
}

// --- The driver --------------------------------------------------------------

// Aborts the run when one step has not returned long after the step limit:
// a hang then ends with the step's name instead of stalling the test run.
class Watchdog {
public:
    Watchdog() : m_thread([this] { Watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    void Arm(const std::string& what) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_what = what;
        m_deadline = std::chrono::steady_clock::now() + kHangLimit;
        m_armed = true;
        m_wake.notify_one();
    }
    void Disarm() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_armed = false;
    }

private:
    static constexpr auto kHangLimit = std::chrono::seconds(60);
    void Watch() {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop) {
            if (!m_armed) {
                m_wake.wait(lock);
                continue;
            }
            if (m_wake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed &&
                std::chrono::steady_clock::now() >= m_deadline) {
                std::fprintf(stderr, "hang: %s did not return\n", m_what.c_str());
                std::abort();
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_what;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_armed = false;
    bool m_stop = false;
    std::thread m_thread;
};

class FuzzPageTest : public ::testing::Test {
protected:
    FuzzPageTest() : scratch("fuzz") {}
    void SetUp() override {
        fs::create_directories("data");
        SetMessageBoxSink([](const std::string&) {});
        SetProgramStarter([](const std::string&) {});
    }
    void TearDown() override {
        // Long runs say how close the slowest step came to the limit.
        if (std::getenv("PEMRO_FUZZ_ITERATIONS"))
            std::printf("slowest step: %lld ms, %s\n", slowestMs, slowest.c_str());
        SetParamDialogHook(nullptr);
        SetCommonDialogHooks({});
        SetProgramStarter(nullptr);
        SetMessageBoxSink(nullptr);
    }

    static void Write(const std::string& rel, const std::string& bytes) {
        test_support::WriteFile(rel, bytes);
    }

    // Runs one step and fails the test when it took too long. A step that
    // never returns is caught by the watchdog, which names it and aborts.
    void Step(const std::string& what, const std::function<void()>& step) {
        watchdog.Arm(what);
        const double start = test_support::ThreadCpuMs();
        step();
        const long long took = static_cast<long long>(test_support::ThreadCpuMs() - start);
        watchdog.Disarm();
        EXPECT_LT(took, kStepLimitMs) << what;
        if (took > slowestMs) {
            slowestMs = took;
            slowest = what;
        }
    }

    // The passes the command asked for, or one of the whole window.
    void Pass(CPemroView* v, const std::string& what) {
        Step(what + " pass", [v] {
            if (!v->HasPendingPaint()) v->Invalidate();
            v->RenderPending();
        });
    }

    // The box of the last figure placed, which stays after the pass.
    static bool HasFigure(const CPemroView* v) {
        return v->m_nFigureRight > v->m_nFigureLeft && v->m_nFigureBottom > v->m_nFigureTop;
    }

    // A click where the user would click: in the window, mostly on and
    // around the figure where its buttons are; some on the edges or outside.
    static CPoint ClickPoint(CPemroView* v, Rng& r) {
        const CPoint scroll = v->GetScrollPosition();
        const int kind = r.Below(20);
        if (kind == 0) return CPoint(r.Chance(50) ? -r.Below(5000) : 100000, r.Range(-10, 10000));
        if (kind < 12 && HasFigure(v)) {
            const int x = r.Range(v->m_nFigureLeft - 20, v->m_nFigureRight + 160);
            const int y = r.Chance(40) ? v->m_nFigureTop + r.Range(-40, 40)
                                       : r.Range(v->m_nFigureTop - 40, v->m_nFigureBottom + 20);
            return CPoint(x - scroll.x, y - scroll.y);
        }
        return CPoint(r.Below(kClientWidth), r.Below(kClientHeight));
    }

    // A press and release at a client point, and the passes it causes.
    // Sometimes the mouse moves first, or drags away before the release.
    void Press(CPemroView* v, Rng& r, CPoint p, const std::string& what) {
        Step(what + " click", [&] {
            if (r.Chance(20)) v->OnMouseMove(0, p);
            v->OnLButtonDown(MK_LBUTTON, p);
            CPoint up = p;
            if (r.Chance(15)) {
                up = ClickPoint(v, r);
                v->OnMouseMove(MK_LBUTTON, CPoint((p.x + up.x) / 2, (p.y + up.y) / 2));
                v->OnMouseMove(MK_LBUTTON, up);
            }
            v->OnLButtonUp(0, up);
            v->Invalidate();
            v->RenderPending();
        });
    }

    void Click(CPemroView* v, Rng& r, const std::string& what) {
        const CPoint p = ClickPoint(v, r);
        const int repeats = r.Chance(10) ? r.Range(5, 25) : 1; // a button held to its cap
        for (int i = 0; i < repeats; ++i) Press(v, r, p, what);
    }

    // Clicks along the top strip of the figure and down its right side,
    // where the parameter buttons stand, a button width apart.
    void ButtonScan(CPemroView* v, Rng& r, const std::string& what) {
        if (!HasFigure(v)) return;
        const CPoint scroll = v->GetScrollPosition();
        const int w = std::max(8, v->ButtonWidth("ab"));
        const int h = std::max(6, v->ButtonHeight());
        for (int i = 0; i < 16; ++i) {
            const int x = v->m_nFigureLeft + i * w + r.Below(w / 2);
            const int y = v->m_nFigureTop + h / 2 + r.Below(h);
            Press(v, r, CPoint(x - scroll.x, y - scroll.y), what + " button strip");
        }
        for (int i = 0; i < 8; ++i) {
            const int x = v->m_nFigureRight + r.Below(4 * w);
            const int y = v->m_nFigureTop + i * h + r.Below(h / 2);
            Press(v, r, CPoint(x - scroll.x, y - scroll.y), what + " button column");
        }
    }

    // Prints the first pages on a small page image, the way the print
    // driver runs the hooks.
    void Print(CPemroView* v, const std::string& what) {
        Step(what + " print", [v] {
            CPrintInfo info;
            if (!v->OnPreparePrinting(&info)) return;
            QImage page(595, 842, QImage::Format_RGB32);
            page.fill(Qt::white);
            v->SetInPass(true);
            {
                CDC dc(&page);
                dc.SetPrinting(TRUE);
                v->OnBeginPrinting(&dc, &info);
            }
            const UINT last = std::min<UINT>(info.GetMaxPage(), 3);
            for (UINT n = 1; n <= last; ++n) {
                CDC dc(&page);
                dc.SetPrinting(TRUE);
                info.m_nCurPage = n;
                info.m_rectDraw = CRect(0, 0, page.width(), page.height());
                v->OnPrepareDC(&dc, &info);
                v->OnPrint(&dc, &info);
            }
            {
                CDC dc(&page);
                dc.SetPrinting(TRUE);
                v->OnEndPrinting(&dc, &info);
            }
            v->SetInPass(false);
        });
    }

    // The page file the view reads now, with '/' for the layer's '\'.
    static std::string PageFile(CPemroView* v) {
        v->BuildDataFileName();
        std::string f = v->m_strDataFile;
        std::replace(f.begin(), f.end(), '\\', '/');
        return f;
    }

    // One script through the passes a user causes: first paint, clicks, a
    // scroll, a narrow window, and a topic reset.
    void Exercise(CPemroView* v, Rng& r, const std::string& what, int scanPercent = 20) {
        v->ResizeClient(kClientWidth, kClientHeight);
        Pass(v, what + " first");
        const int clicks = r.Range(2, 6);
        for (int i = 0; i < clicks; ++i) Click(v, r, what);
        if (r.Chance(scanPercent)) ButtonScan(v, r, what);
        Step(what + " scroll", [&] {
            const CSize total = v->GetTotalSize();
            v->ScrollToPosition(CPoint(r.Below(total.cx + 1), r.Below(total.cy + 1)));
            v->RenderPending();
        });
        Click(v, r, what + " scrolled");
        if (r.Chance(15)) Print(v, what);
        if (r.Chance(15)) {
            Step(what + " small window", [&] {
                v->ResizeClient(r.Range(0, 60), r.Range(0, 60));
                v->RenderPending();
            });
            Click(v, r, what + " small window");
            v->ResizeClient(kClientWidth, kClientHeight);
        }
        Step(what + " reset", [&] {
            const CString code = v->m_strTopicCode;
            v->ResetTopic(v->m_nDataFamily);
            v->m_strTopicCode = code;
            v->RenderPending();
        });
        Click(v, r, what + " after reset");
        if (r.Chance(10)) {
            // A directory family, level and variant that no menu sets: the
            // file is not found, the heading is not drawn out of its table.
            Step(what + " odd family", [&] {
                v->ResetTopic(r.Range(-3, 8));
                v->m_nDataLevel = r.Range(-2, 5);
                v->m_nDataVariant = r.Range(-2, 6);
                v->RenderPending();
            });
        }
    }

    test_support::ScratchDir scratch; // the current directory while the test runs
    Watchdog watchdog;
    long long slowestMs = -1;
    std::string slowest;
};

} // namespace

TEST_F(FuzzPageTest, RandomScriptsReturnFromEveryPass) {
    for (const uint64_t seed : ScriptSeeds()) {
        Rng r(seed);
        const std::string code = "f" + std::to_string(seed);
        Write("data/" + code + ".txt", Script(r));
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        Exercise(v.get(), r, "script " + code);
        // A second script on the same view: what the first left behind
        // must not trouble the next page.
        Write("data/" + code + "b.txt", Script(r));
        v->ResetTopic(-1);
        v->m_strTopicCode = code + "b";
        Exercise(v.get(), r, "script " + code + "b");
    }
}

// Inputs the page fuzzer found slow or broken, each through the passes a
// user causes.
TEST_F(FuzzPageTest, InputsTheFuzzerFoundStayQuick) {
    struct Found {
        const char* script;
        int scanPercent = 100; // of the click grid; heavy pages take a part
    };
    const Found kFound[] = {
        // A pencil of planes in a box with no height: the axis walk had no step.
        {"014x\n700DATA2(0,0,0,0,1,0,0,)\n700DATA2(1,0,0,0,0,1,0,)\n"
         "700PlanePencil(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.,0,0,1,0,1)\n"},
        // An iteration page whose order is the largest int: the height of its
        // plot overflowed.
        {"014x\n700JacobiSeidel(0.4,5,38,12,99999999999,0,0,1,2,3)\n"},
        // A draining vessel 14,070 units deep in a window 3.4 high: every
        // ring above the window walked its whole shaded arc.
        {"014x\n700DATA1(0,0,0.8,0.6,0,0,0,)\n"
         "700WaterFlow(0.3,3,34,9,39,-1,0,-1.5,2.5,-0.4,3,0,4,0,0,0.005,14070)\n"},
        // Both surfaces the Taylor expansion of the expansion form itself
        // (left by a garbled list): every sample of the intersection's fine
        // grid expanded a surface of zeros, two seconds a pass.
        {"700Series2(0.5,6,36,10,HHHH16,0,ProjDomain(0,-1.5,1.5,-1.5HHHH,0,-1,0,0,0,)\n"
         "700Limit(0.3,3,34,9,29,-1,0,-(x)x\n"
         "700Sequence(0.3,3,34,9,4,0,0,0,30,-1.2,,0,0,)30#0,1)x0.4,0.8,1,1,255,255,0x\n"},
        // A Taylor solid over the surface of revolution of a curve that never
        // reaches the radii: each fine-grid sample's solves failed after
        // their hundred rounds, seven seconds a pass.
        {"700Series2(0.5,6,36,10,16,0,0,-1.5,1.5,xATA,1,0,20,2(0,20,xATA,1,0,20,2(0,20,33,36)\n",
         5},
        // A plane pencil in a region set far wider than its box: after a
        // click, each of thousands of strips drew a scene of its own.
        {"014x\n700DATA2(0,0,0,0,1,0,0,)\n700DATA2(1,0,0,0,0,1,0,)\n700ProjDomain(10,190,5,95)\n"
         "700PlanePencil(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,1,0)\n"},
        // A scene 36,906 columns wide: its surfaces sampled every pixel of a
        // figure hundreds of windows wide, seconds a pass.
        {"014x\n700PLANE(0.5,6,36906,10,1,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,-1)\n"},
        // A revolution over [0, 10^23]: its count of pixel steps overflowed a
        // long (UBSan: outside the range of representable values).
        {"014x\n700Revolve(0.3,3,34,9,20,90,0,-0.2,1.2,-1.2,1.2,0,99999999999999999999999,1,0,0,0)"
         "\n"},
        // A region page whose plot mode is the largest int: its region type,
        // one more, overflowed.
        {"014x\n700Domainxy(0.2,3,44,13,1,1,99999999999,-0.5,6,-1,5,0,4)\n"},
        // A distribution page whose kind is near the largest int: the
        // catalogue index, the kind plus 75, overflowed.
        {"014x\n700ConDistribution(0.2,3,44,13,1,1,99999999999,-0.5,6,-0.05,1.2,0,1,10,5,1)\n"},
        // A revolution whose orientation, the plot mode, is the largest int:
        // its region type, one more, overflowed.
        {"014x\n700Revolve(0.3,3,34,9,20,90,99999999999,-0.2,1.2,-1.2,1.2,0,1,1,0,5,0)\n"},
        // Surfaces in spherical and cylindrical coordinates over parameter
        // ranges up to 1e20: from about 1e16 a step no longer moved the
        // parameter, and each of four nested loops ran to its own cap
        // (seconds a pass, minutes with both ranges huge).
        {"014x\n700SphSurf(0.5,6,36,10,0,0,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,0,6.28,0,"
         "99999999999999999999)\n",
         2},
        {"014x\n700SphSurf(0.5,6,36,10,1,1,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,-99999999999999999999,"
         "99999999999999999999,-99999999999999999999,99999999999999999999)\n",
         2},
        {"014x\n700SphSurf(0.5,6,36,10,0,0,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,5,0,"
         "99999999999999999999,0,3.14)\n",
         2},
        {"014x\n700CylSurf(0.5,6,36,10,1,1,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0,99999999999999999999,0,"
         "1.5,0,1)\n",
         2},
        {"014x\n700CylSurf(0.5,6,36,10,0,0,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,-99999999999999999999,"
         "99999999999999999999,-99999999999999999999,99999999999999999999,0,1)\n",
         2},
        {"014x\n700CylSurf(0.5,6,36,10,1,1,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0,6.28,0,"
         "99999999999999999999,1,1)\n",
         2},
    };
    int page = 0;
    for (const auto& [script, scanPercent] : kFound) {
        Rng r{uint64_t(page)};
        const std::string code = "found" + std::to_string(page++);
        Write("data/" + code + ".txt", script);
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        Exercise(v.get(), r, "found input " + code, scanPercent);
    }
}

// Every keyword on one page, all drawing into the same figure, with the
// argument lists that break number readers: a placed figure (or none) with
// sensible, zero, crossed or missing ranges, followed by fields that are
// missing, zero, infinite, huge or empty, closed or not. The answer
// commands come last: a closed answer block stops the commands after it.
TEST_F(FuzzPageTest, EveryKeywordWithDegenerateArguments) {
    const char* const kPrefixes[] = {
        "",
        "0.3,3,40,12,",
        "0.3,3,40,12,3,-1,0,-3,3,-2,2,-3,3,",
        "0.3,3,40,12,39,39,3,0,0,0,0,0,0,",
        "0.3,3,40,12,8,-1,2,3,-3,2,-2,3,-3,",
        "0.3,3,40,12,1000,-1000,100,-1/0,1/0,-1/0,1/0,-1/0,1/0,",
    };
    const char* const kTails[] = {
        ")",
        "",
        "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0)",
        "1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0,1/0)",
        "-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0,-1/0",
        ("99999999999,99999999999,99999999999,99999999999,99999999999,99999999999,"
         "99999999999,99999999999,99999999999,99999999999,99999999999,99999999999)"),
        "-99999,-99999,-99999,-99999,-99999,-99999,-99999,-99999,-99999,-99999,-99999",
        ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
        "1000,-1000,100,0.0001,-5,2147483648,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,13)",
    };
    const char* const kHeaders[] = {"700", "701", "702", "70a", "79i"};
    std::vector<std::string> lists = {"", "(", "()"};
    for (const char* prefix : kPrefixes)
        for (const char* tail : kTails) lists.push_back(std::string("(") + prefix + tail);
    Rng r(7);
    // The quick run takes a part of them; more iterations take all.
    for (size_t i = lists.size(); i > 1; --i)
        std::swap(lists[i - 1], lists[size_t(r.Below(int(i)))]);
    lists.resize(std::min(lists.size(), size_t(Iterations())));
    int page = 0;
    for (const std::string& list : lists) {
        std::string script = "016t\n", answers;
        for (int slot = 0; slot < CPemroView::kKeywordCount; ++slot) {
            const char* keyword = kScriptKeywords[slot];
            if (!keyword) continue;
            const std::string record = r.Pick(kHeaders) + std::string(keyword) + list + "\nx\ny\n";
            (std::strstr(keyword, "Answer") ? answers : script) += record;
        }
        const std::string code = "k" + std::to_string(page++);
        Write("data/" + code + ".txt", script + answers);
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        Exercise(v.get(), r, "keywords with " + list, 100);
    }
}

// Every menu command in random order between passes and clicks; topics get a
// random script in the directory they read. The common and parameter
// dialogs cancel (no display).
TEST_F(FuzzPageTest, MenuCommandsInRandomOrder) {
    std::vector<UINT> ids;
    auto add = [&ids](UINT id) {
        if (id != 0 && id != kLabelId) ids.push_back(id);
    };
    for (size_t i = 0; i < kTopicRowCount; ++i) add(kTopicRows[i].id);
    for (size_t i = 0; i < kCommandRowCount; ++i) add(kCommandRows[i].id);
    for (const CommandRow& row : CatalogCommandRows()) add(row.id);
    ASSERT_FALSE(ids.empty());
    for (UINT id : ids) EXPECT_TRUE(FindTopicRow(id) || FindCommandRow(id) || FindCatalogRow(id));

    const int rounds = std::max(1, Iterations() / 10);
    for (int round = 0; round < rounds; ++round) {
        Rng r(500 + uint64_t(round));
        for (size_t i = ids.size(); i > 1; --i) std::swap(ids[i - 1], ids[size_t(r.Below(int(i)))]);
        auto v = std::make_unique<CPemroView>();
        Write("data/232.txt", FigureScript(r));
        v->ResizeClient(kClientWidth, kClientHeight);
        Pass(v.get(), "menus start");
        for (UINT id : ids) {
            const std::string what = "command " + std::to_string(id);
            Step(what, [&] { v->OnCommand(id); });
            if (FindTopicRow(id) && r.Chance(50)) Write(PageFile(v.get()), FigureScript(r));
            if (r.Chance(8)) Pass(v.get(), what);
            if (r.Chance(2)) Click(v.get(), r, what);
        }
        Exercise(v.get(), r, "after the menu commands");
    }
}

// The same commands with every dialog answered: random numbers typed into
// the edits (in range, at the ends and beyond them), sliders anywhere, any
// colour, font or file name.
TEST_F(FuzzPageTest, DialogAnswersInRandomOrder) {
    Rng r(4242);
    const char* const kTyped[] = {"0",    "-0",  "1e308",  "-1e308", "1e-308", "nan",    "inf",
                                  "-inf", "",    "abc",    "500",    "-500",   "500000", "-500000",
                                  "20",   "100", "0.0001", "-1",     "3"};
    // OK refuses a value out of its range and keeps the dialog open, as a
    // user would see it; the user then types fewer changes, then none.
    int shown = 0, accepted = 0;
    SetParamDialogHook([&r, &kTyped, &shown, &accepted](QDialog& dlg) {
        ++shown;
        const QList<QLineEdit*> edits = dlg.findChildren<QLineEdit*>();
        QStringList opened;
        for (QLineEdit* e : edits) opened << e->text();
        for (QSlider* s : dlg.findChildren<QSlider*>())
            if (r.Chance(40)) s->setValue(r.Range(s->minimum() - 10, s->maximum() + 10));
        for (int changes : {3, 1, 0}) {
            for (int i = 0; i < edits.size(); ++i) edits[i]->setText(opened[i]);
            for (int i = 0; i < changes && !edits.isEmpty(); ++i)
                edits[r.Below(int(edits.size()))]->setText(r.Chance(60)
                                                               ? QString::fromUtf8(r.Pick(kTyped))
                                                               : QString::fromStdString(Number(r)));
            if (r.Chance(5)) break; // Cancel
            dlg.accept();
            if (dlg.result() == QDialog::Accepted) {
                ++accepted;
                return;
            }
        }
        dlg.reject();
    });
    CommonDialogHooks hooks;
    hooks.colour = [&r](COLORREF* c) {
        *c = RGB(r.Below(256), r.Below(256), r.Below(256));
        return r.Chance(80);
    };
    hooks.font = [&r](LOGFONT* lf, COLORREF* c) {
        lf->lfHeight = r.Chance(50) ? r.Range(-200, 200) : int(r.Next());
        lf->lfWidth = r.Chance(80) ? 0 : r.Range(-50, 500);
        lf->lfWeight = r.Range(-100, 2000);
        lf->lfEscapement = r.Chance(80) ? 0 : r.Range(-7200, 7200);
        lf->lfItalic = BYTE(r.Below(256));
        const std::string face = TextLine(r).substr(0, 40);
        lf->SetFaceName(face.c_str());
        *c = RGB(r.Below(256), r.Below(256), r.Below(256));
        return r.Chance(80);
    };
    hooks.file = [&r](std::string* path) {
        *path = r.Chance(50) ? "data\\232.txt" : TextLine(r).substr(0, 60);
        return r.Chance(80);
    };
    SetCommonDialogHooks(hooks);

    std::vector<UINT> ids;
    for (size_t i = 0; i < kCommandRowCount; ++i)
        if (kCommandRows[i].id != 0 && kCommandRows[i].id != kLabelId)
            ids.push_back(kCommandRows[i].id);
    for (const CommandRow& row : CatalogCommandRows())
        if (row.id != 0 && row.id != kLabelId) ids.push_back(row.id);
    // The parameter dialogs more often than the rest.
    for (int again = 0; again < 3; ++again)
        for (UINT id = ID_DIALOG_ONE_VARIABLE; id <= ID_DIALOG_LINEAR_SYSTEM; ++id)
            ids.push_back(id);

    const int rounds = std::max(1, Iterations() / 10);
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = ids.size(); i > 1; --i) std::swap(ids[i - 1], ids[size_t(r.Below(int(i)))]);
        auto v = std::make_unique<CPemroView>();
        Write("data/232.txt", FigureScript(r));
        v->ResizeClient(kClientWidth, kClientHeight);
        Pass(v.get(), "dialogs start");
        for (UINT id : ids) {
            const std::string what = "answered command " + std::to_string(id);
            Step(what, [&] { v->OnCommand(id); });
            if (r.Chance(5)) Pass(v.get(), what);
            if (r.Chance(1)) Click(v.get(), r, what);
        }
        Exercise(v.get(), r, "after the answered dialogs");
    }
    EXPECT_GT(shown, 0);
    EXPECT_GT(accepted, 0); // some values went in
}
