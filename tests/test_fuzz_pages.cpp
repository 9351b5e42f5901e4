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

#include <QDialog>
#include <QLineEdit>
#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDefaultIterations = 10;
// Any single call taking longer than this counts as a hang.
constexpr auto kStepLimit = std::chrono::seconds(2);
constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;

int Iterations() {
    const char* s = std::getenv("PEMRO_FUZZ_ITERATIONS");
    const int n = s ? std::atoi(s) : 0;
    return n > 0 ? n : kDefaultIterations;
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

// Fields that have broken number readers elsewhere: empty, signs only,
// divisions by zero, more digits than any type holds, exponents (not part of
// the script's number form), stray brackets.
const char* const kOddFields[] = {
    "",
    "-",
    "--",
    "1/0",
    "-1/0",
    "0/0",
    "/",
    "/0",
    ".",
    "-.",
    "1.2.3",
    "1//2",
    "-0",
    "1e308",
    "1e-308",
    "2147483647",
    "2147483648",
    "-2147483649",
    "4294967296",
    "99999999999999999999999999999999999999",
    "-0.00000000000000000001",
    "1000",
    "-1000",
    "10000",
    "100000",
    "-100",
    "255",
    "256",
    "-1",
    "0",
    "abc",
    "(",
    "((",
    " ",
    "\t",
    "0x10",
    "nan",
    "inf",
    "-inf",
    "1-",
    "--5",
    "5/-0",
    "0.",
    ".5",
    "1/3/0",
};

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
        s += r.Chance(25) ? Number(r) : fields[i];
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

std::string Script(Rng& r, const std::vector<std::string>& realLines) {
    std::string s;
    if (r.Chance(70)) s += "016" + TextLine(r).substr(0, 30) + "\n";
    const int records = r.Range(1, 40);
    for (int i = 0; i < records; ++i) {
        const int kind = r.Below(10);
        if (kind < 4) { // text record
            s += Header(r, false) + TextLine(r) + "\n";
            continue;
        }
        std::string line;
        if (kind < 7 && !realLines.empty())
            line = Mutate(r, r.Pick(realLines));
        else
            line = Keyword(r) + (r.Chance(92) ? "(" + ArgumentList(r) : std::string());
        if (r.Chance(3)) line += std::string(size_t(r.Range(200, 600)), '9'); // very long
        s += Header(r, true) + line + (r.Chance(97) ? "\n" : "");
        const int labels = r.Below(3);
        for (int j = 0; j < labels; ++j) s += TextLine(r).substr(0, 20) + "\n";
    }
    if (r.Chance(10)) s.resize(size_t(r.Below(int(s.size()) + 1))); // cut anywhere
    return s;
}

// The command lines of the sample course, in a fixed order.
std::vector<std::string> SampleCommandLines() {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const char* dir : {"data", "gsdata"})
        for (const auto& e : fs::directory_iterator(fs::path(PEMRO_RUN_DIR) / dir, ec))
            if (e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::vector<std::string> lines;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::string line;
        while (std::getline(in, line))
            if (line.size() > 3 && line[0] == '7') {
                if (line.back() == '\r') line.pop_back();
                lines.push_back(line.substr(3));
            }
    }
    return lines;
}

// --- The driver --------------------------------------------------------------

class FuzzPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        old = fs::current_path();
        dir = fs::temp_directory_path() /
              ("pemro_fuzz_" + std::to_string(::getpid()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "data");
        fs::current_path(dir);
        SetMessageBoxSink([](const std::string&) {});
        SetProgramStarter([](const std::string&) {});
    }
    void TearDown() override {
        SetParamDialogHook(nullptr);
        SetCommonDialogHooks({});
        SetProgramStarter(nullptr);
        SetMessageBoxSink(nullptr);
        fs::current_path(old);
        if (!HasFailure()) fs::remove_all(dir);
    }

    static void Write(const std::string& rel, const std::string& bytes) {
        const fs::path p(rel);
        if (!p.parent_path().empty()) fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }

    // Runs one step and fails the test when it took too long.
    void Step(const std::string& what, const std::function<void()>& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const auto took = std::chrono::steady_clock::now() - start;
        if (took > std::chrono::milliseconds(15))
            std::fprintf(
                stderr, "SLOW %s %lld\n", what.c_str(),
                (long long)std::chrono::duration_cast<std::chrono::milliseconds>(took).count());
        EXPECT_LT(took, kStepLimit)
            << what << " took "
            << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms";
    }

    void Pass(CPemroView* v, const std::string& what) {
        Step(what + " pass", [v] { v->RenderPending(); });
    }

    // Most clicks land in the window, some on its edges or outside it.
    void Click(CPemroView* v, Rng& r, const std::string& what) {
        CPoint p(r.Below(kClientWidth), r.Below(kClientHeight));
        if (r.Chance(5)) p = CPoint(r.Chance(50) ? -r.Below(5000) : 100000, r.Range(-10, 10000));
        const int repeats = r.Chance(10) ? r.Range(5, 25) : 1; // a button held to its cap
        Step(what + " click", [&] {
            for (int i = 0; i < repeats; ++i) {
                if (r.Chance(20)) v->OnMouseMove(MK_LBUTTON, p);
                v->OnLButtonDown(MK_LBUTTON, p);
                if (r.Chance(20)) v->OnMouseMove(MK_LBUTTON, CPoint(p.x + 7, p.y - 5));
                v->OnLButtonUp(0, p);
                v->Invalidate();
                v->RenderPending();
            }
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
    void Exercise(CPemroView* v, Rng& r, const std::string& what) {
        v->ResizeClient(kClientWidth, kClientHeight);
        v->Invalidate();
        Pass(v, what + " first");
        const int clicks = r.Range(2, 6);
        for (int i = 0; i < clicks; ++i) Click(v, r, what);
        Step(what + " scroll", [&] {
            const CSize total = v->GetTotalSize();
            v->ScrollToPosition(CPoint(r.Below(total.cx + 1), r.Below(total.cy + 1)));
            v->RenderPending();
        });
        Click(v, r, what + " scrolled");
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
    }

    fs::path old, dir;
};

} // namespace

TEST_F(FuzzPageTest, RandomScriptsReturnFromEveryPass) {
    const std::vector<std::string> realLines = SampleCommandLines();
    const int n = Iterations();
    for (int i = 0; i < n; ++i) {
        const uint64_t seed = 1000 + uint64_t(i);
        Rng r(seed);
        const std::string code = "f" + std::to_string(seed);
        Write("data/" + code + ".txt", Script(r, realLines));
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        Exercise(v.get(), r, "script " + code);
        // A second script on the same view: what the first left behind
        // must not trouble the next page.
        Write("data/" + code + "b.txt", Script(r, realLines));
        v->ResetTopic(-1);
        v->m_strTopicCode = code + "b";
        Exercise(v.get(), r, "script " + code + "b");
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
        "99999999999,99999999999,99999999999,99999999999,99999999999,99999999999,"
        "99999999999,99999999999,99999999999,99999999999,99999999999,99999999999)",
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
    lists.resize(std::min(lists.size(), size_t(Iterations()) + 4));
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
        Exercise(v.get(), r, "keywords with " + list);
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
    std::fprintf(stderr, "IDS %zu\n", ids.size());
    for (UINT id : ids) EXPECT_TRUE(FindTopicRow(id) || FindCommandRow(id) || FindCatalogRow(id));

    const std::vector<std::string> realLines = SampleCommandLines();
    const int rounds = std::max(1, Iterations() / 10);
    for (int round = 0; round < rounds; ++round) {
        Rng r(500 + uint64_t(round));
        for (size_t i = ids.size(); i > 1; --i) std::swap(ids[i - 1], ids[size_t(r.Below(int(i)))]);
        auto v = std::make_unique<CPemroView>();
        Write("data/232.txt", Script(r, realLines));
        v->ResizeClient(kClientWidth, kClientHeight);
        Pass(v.get(), "menus start");
        for (UINT id : ids) {
            const std::string what = "command " + std::to_string(id);
            Step(what, [&] { v->OnCommand(id); });
            if (FindTopicRow(id) && r.Chance(50)) Write(PageFile(v.get()), Script(r, realLines));
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
    SetParamDialogHook([&r, &kTyped](QDialog& dlg) {
        for (QLineEdit* e : dlg.findChildren<QLineEdit*>())
            if (r.Chance(60))
                e->setText(r.Chance(50) ? QString::fromUtf8(r.Pick(kTyped))
                                        : QString::fromStdString(Number(r)));
        for (QSlider* s : dlg.findChildren<QSlider*>())
            if (r.Chance(40)) s->setValue(r.Range(s->minimum() - 10, s->maximum() + 10));
        if (r.Chance(90))
            dlg.accept();
        else
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

    const std::vector<std::string> realLines = SampleCommandLines();
    const int rounds = std::max(1, Iterations() / 10);
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = ids.size(); i > 1; --i) std::swap(ids[i - 1], ids[size_t(r.Below(int(i)))]);
        auto v = std::make_unique<CPemroView>();
        Write("data/232.txt", Script(r, realLines));
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
}
