// fuzz-page: libFuzzer target. The input is a topic script, any bytes at all;
// it goes through the passes a newly opened page gets, then through the pass
// after a left click inside the page, on an in-memory surface the size of a
// real window. A crash, any undefined behaviour, or a pass over its limit is
// a failure.
//
// The click point comes from the input's checksum, so every input has one
// and the same input always clicks the same place.
#include "platform/system.h"
#include "view/view.h"

#include <QGuiApplication>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The window a lecturer uses: figures sample by the pixel, so a smaller
// surface would hide passes that are slow at the real size.
constexpr int kWidth = 1280;
constexpr int kHeight = 960;
// A pass over a second of the release build is a failure. This build runs
// instrumented, and how much slower depends on what a page draws: the 100
// sample pages of data/, drawn whole in both builds at the window's size,
// took up to 5.5 times their release processor time with plane figures only
// (median 2.8) and up to 6.0 times with 3-D figures (median 3.6); single
// heavy 3-D passes measure about 9. The limits keep some room above that.
constexpr std::chrono::milliseconds kReleasePassLimit(1000);
constexpr int kSlowdownPlane = 7;
constexpr int kSlowdownSolid = 9;
// The program's pass budget stretched alike, so that passes stop in time.
constexpr std::chrono::milliseconds kReleasePassBudget(400);
// Render calls after each step: a page past its budget continues in these.
constexpr int kMaxRenderCalls = 16;
// The default topic of family -1, as the program builds its file name.
constexpr const char* kScriptPath = "data/232.txt";

bool g_timed = false; // off while the fonts are first loaded

// A view whose every pass is timed (processor time of this thread: other
// work on the machine does not count against a pass).
class TimedView : public CPemroView {
public:
    void OnDraw(CDC* pDC) override {
        const auto start = ThreadCpuTime();
        CPemroView::OnDraw(pDC);
        const auto took = ThreadCpuTime() - start;
        const int slowdown = m_nPassScenes > 0 ? kSlowdownSolid : kSlowdownPlane;
        if (g_timed && took > kReleasePassLimit * slowdown) {
            std::fprintf(stderr, "fuzz-page: a pass took %lld ms (%d 3-D figures)\n",
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::milliseconds>(took).count()),
                         m_nPassScenes);
            std::abort();
        }
    }
};

// FNV-1a: a fixed, cheap spread of the input over the surface.
std::uint64_t Checksum(const std::uint8_t* data, size_t size) {
    std::uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
    return h;
}

bool WriteScript(const std::uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(kScriptPath, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

char g_scratch[64]; // the scratch directory, removed on the way out

void RemoveScratchDirectory() {
    std::error_code ec;
    if (g_scratch[0]) std::filesystem::remove_all(g_scratch, ec);
    g_scratch[0] = 0;
}

// libFuzzer ends an interrupted run with _Exit, past the exit handlers: the
// directory goes first, then libFuzzer's own handler runs.
struct sigaction g_previous[2];
void OnStopSignal(int sig) {
    RemoveScratchDirectory();
    struct sigaction& before = g_previous[sig == SIGINT ? 0 : 1];
    sigaction(sig, &before, nullptr);
    raise(sig);
}

// A directory of this process's own (workers run side by side) holding
// data/, entered for the rest of the run and removed when the process ends.
void EnterScratchDirectory() {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string dir = std::string(base) + "/pemro-fuzz-XXXXXX";
    if (!mkdtemp(dir.data()) || dir.size() >= sizeof g_scratch) {
        std::perror("fuzz-page: scratch directory");
        std::exit(1);
    }
    std::snprintf(g_scratch, sizeof g_scratch, "%s", dir.c_str());
    std::atexit(RemoveScratchDirectory);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigaction(SIGINT, &action, &g_previous[0]);
    sigaction(SIGTERM, &action, &g_previous[1]);
    if (chdir(dir.c_str()) != 0 || mkdir("data", 0700) != 0) {
        std::perror("fuzz-page: scratch directory");
        std::exit(1);
    }
}

// The program reads its scripts relative to the current directory, which
// the first input changes; libFuzzer takes its paths relative to where it
// started. So every path it is given becomes absolute before it reads them,
// and crash files go to the starting directory unless told otherwise.
void MakePathsAbsolute(int* argc, char*** argv) {
    static std::vector<std::string> args;
    static std::vector<char*> pointers;
    std::vector<char> cwd(4096);
    if (!getcwd(cwd.data(), cwd.size())) return;
    const std::string start = std::string(cwd.data()) + "/";
    const auto absolute = [&](const std::string& p) {
        return p.empty() || p[0] == '/' ? p : start + p;
    };
    bool prefixGiven = false;
    for (int i = 0; i < *argc; ++i) {
        std::string a = (*argv)[i];
        if (i > 0 && !a.empty() && a[0] != '-') a = absolute(a);
        for (const std::string flag : {"-dict=", "-artifact_prefix=", "-exact_artifact_path="}) {
            if (a.compare(0, flag.size(), flag) != 0) continue;
            a = flag + absolute(a.substr(flag.size()));
            prefixGiven = prefixGiven || flag == "-artifact_prefix=";
        }
        args.push_back(a);
    }
    if (!prefixGiven) args.push_back("-artifact_prefix=" + start);
    for (std::string& a : args) pointers.push_back(a.data());
    pointers.push_back(nullptr);
    *argc = int(args.size());
    *argv = pointers.data();
}

// A render call, then those that finish a page past its budget, as the
// event loop would run them.
void Render(CPemroView* view) {
    view->RenderPending();
    for (int i = 1; i < kMaxRenderCalls && view->HasContinuation(); ++i) view->RenderPending();
}

// Both passes, then the click and its pass.
void RunPage(const std::uint8_t* data, size_t size) {
    if (!WriteScript(data, size)) std::abort();
    auto view = std::make_unique<TimedView>();
    view->ResizeClient(kWidth, kHeight);
    Render(view.get());

    const std::uint64_t h = Checksum(data, size);
    const CPoint click(int(h % kWidth), int((h >> 32) % kHeight));
    view->OnLButtonDown(MK_LBUTTON, click);
    view->OnLButtonUp(0, click);
    view->Invalidate();
    Render(view.get());
}

// Text in each of the page's fonts: the first use of a face loads it, which
// takes longer than any pass should.
void LoadFonts() {
    static const char kPage[] = "016ab\n104ab\n203ab\nab\nab\n305ab\n406ab\n507ab\n";
    RunPage(reinterpret_cast<const std::uint8_t*>(kPage), sizeof kPage - 1);
}

} // namespace

// Fontconfig keeps what it loads for a face on first use, which the leak
// check would blame on the input that first drew in that face.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    MakePathsAbsolute(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Lives for the whole run; a widgetless application, so no dialog is
    // ever built and message boxes go to the sink.
    new QGuiApplication(*argc, *argv);
    SetMessageBoxSink([](const std::string&) {});
    CPemroView::SetPassBudget(kReleasePassBudget * kSlowdownPlane);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    // Not in LLVMFuzzerInitialize: with -jobs the first process only starts
    // the others, and their logs belong where it was started.
    if (!g_timed) {
        EnterScratchDirectory();
        LoadFonts();
        g_timed = true;
    }
    RunPage(data, size);
    return 0;
}
