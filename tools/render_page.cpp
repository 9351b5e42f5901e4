// render-page: draws a topic page without a display and writes it as PNG.
//
//   render-page [--root DIR] [--topic CODE] [--family N] [--level N]
//               [--variant N] [--size WxH] [--scroll Y] [--click X,Y]...
//               [--rclick X,Y]... [--command ID]... --out FILE.png
//
// --scroll brings the page line Y to the window's top first. Each --click presses and releases the
// left button at a client point and runs the passes that follow; each --command runs a menu command
// by its id and the passes that follow; each --rclick presses the right button (the zoom switch).
// Clicks and commands run in the order given. Exit status 0 when the page was drawn, 1 on a usage
// error (a click outside the surface is one), 2 when the picture could not be written.
#include "platform/system.h"
#include "view/view.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Qt's PNG quality: 90 is the fastest zlib level that still compresses; the
// default level spends most of a run on shaded pages compressing.
constexpr int kPngQuality = 80;
// Render calls after each step at most: a page that keeps invalidating
// itself still gets its picture.
constexpr int kMaxRenderCalls = 10000;

int Usage(const char* why) {
    std::fprintf(
        stderr,
        "render-page: %s\nusage: render-page [--root DIR] [--topic CODE] [--family N] "
        "[--level N] [--variant N] [--size WxH] [--scroll Y] [--click X,Y]... [--rclick X,Y]... "
        "[--command ID]... "
        "--out FILE.png\n",
        why);
    return 1;
}

bool ParseInt(const char* s, int* out) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(s, &end, 10);
    if (!s[0] || *end || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    *out = int(v);
    return true;
}

bool ParsePair(const char* s, char sep, int* a, int* b) {
    const char* p = std::strchr(s, sep);
    if (!p) return false;
    std::string first(s, p);
    return ParseInt(first.c_str(), a) && ParseInt(p + 1, b);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string root, topic, out;
    int family = -1, level = 0, variant = 0, width = 1280, height = 960, scroll = 0;
    bool haveFamily = false;
    // What happens after the first passes, in order: a click at a point or
    // a command by id.
    struct Action {
        bool isClick;
        CPoint point;
        int command;
        bool right = false; // a right press (the zoom switch)
    };
    std::vector<Action> actions;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (i + 1 >= argc) return Usage("missing value");
        const char* value = argv[++i];
        if (!std::strcmp(arg, "--root"))
            root = value;
        else if (!std::strcmp(arg, "--topic"))
            topic = value;
        else if (!std::strcmp(arg, "--out"))
            out = value;
        else if (!std::strcmp(arg, "--family")) {
            if (!ParseInt(value, &family)) return Usage("bad --family");
            haveFamily = true;
        } else if (!std::strcmp(arg, "--level")) {
            if (!ParseInt(value, &level)) return Usage("bad --level");
        } else if (!std::strcmp(arg, "--variant")) {
            if (!ParseInt(value, &variant)) return Usage("bad --variant");
        } else if (!std::strcmp(arg, "--size")) {
            if (!ParsePair(value, 'x', &width, &height) || width <= 0 || height <= 0 ||
                width > 8000 || height > 8000)
                return Usage("bad --size");
        } else if (!std::strcmp(arg, "--click")) {
            CPoint p;
            if (!ParsePair(value, ',', &p.x, &p.y)) return Usage("bad --click");
            actions.push_back({true, p, 0});
        } else if (!std::strcmp(arg, "--rclick")) {
            CPoint p;
            if (!ParsePair(value, ',', &p.x, &p.y)) return Usage("bad --rclick");
            actions.push_back({true, p, 0, true});
        } else if (!std::strcmp(arg, "--scroll")) {
            if (!ParseInt(value, &scroll) || scroll < 0) return Usage("bad --scroll");
        } else if (!std::strcmp(arg, "--command")) {
            int id = 0;
            if (!ParseInt(value, &id) || id <= 0) return Usage("bad --command");
            actions.push_back({false, CPoint(), id});
        } else {
            return Usage("unknown option");
        }
    }
    if (out.empty()) return Usage("--out is required");
    // A click is a point of the client area, as a mouse can only give one.
    for (const Action& a : actions)
        if (a.isClick &&
            (a.point.x < 0 || a.point.x >= width || a.point.y < 0 || a.point.y >= height))
            return Usage("--click outside the surface");
    if (!root.empty() && ::chdir(root.c_str()) != 0) return Usage("cannot enter --root");

    QGuiApplication app(argc, argv);
    SetMessageBoxSink(
        [](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });

    auto view = std::make_unique<CPemroView>();
    if (haveFamily || !topic.empty()) {
        view->ResetTopic(haveFamily ? family : view->m_nDataFamily);
        view->m_nDataLevel = level;
        view->m_nDataVariant = variant;
        if (!topic.empty()) view->m_strTopicCode = topic;
    }
    // A pass that stops at its time budget leaves the rest of the page to
    // continuation passes; the picture is taken when they are done, as a
    // window shows it a moment later. A page that asks for a pass in every
    // pass (an animation) gets its one call, as before.
    // RENDER_PAGE_PASS_TIMES=1 prints the processor time of each render call.
    const bool passTimes = std::getenv("RENDER_PAGE_PASS_TIMES") != nullptr;
    const auto render = [&] {
        for (int call = 0; call < kMaxRenderCalls && (call == 0 || view->HasContinuation());
             ++call) {
            const auto start = ThreadCpuTime();
            view->RenderPending();
            if (!passTimes) continue;
            const auto took =
                std::chrono::duration_cast<std::chrono::milliseconds>(ThreadCpuTime() - start);
            std::fprintf(stderr, "render-page: passes %d: %lld ms, 3-D figures %d\n", call,
                         static_cast<long long>(took.count()), view->m_nPassScenes);
        }
    };
    view->ResizeClient(width, height);
    render();
    if (scroll > 0) {
        view->ScrollToPosition(CPoint(0, scroll));
        render();
    }
    for (const Action& a : actions) {
        if (a.isClick && a.right) {
            view->OnRButtonDown(MK_RBUTTON, a.point);
        } else if (a.isClick) {
            view->OnLButtonDown(MK_LBUTTON, a.point);
            view->OnLButtonUp(0, a.point);
        } else if (!view->OnCommand(UINT(a.command))) {
            std::fprintf(stderr, "render-page: no command %d\n", a.command);
        }
        view->Invalidate();
        render();
    }
    // RENDER_PAGE_REPEAT=N repaints the final state N more times in full and
    // prints the processor time of one repaint, for profiling.
    if (const char* repeat = std::getenv("RENDER_PAGE_REPEAT")) {
        const int n = std::max(1, std::atoi(repeat));
        const auto start = ThreadCpuTime();
        for (int i = 0; i < n; ++i) {
            view->Invalidate();
            render();
        }
        const double ms =
            std::chrono::duration<double, std::milli>(ThreadCpuTime() - start).count() / n;
        std::fprintf(stderr, "render-page: one full repaint %.2f ms\n", ms);
    }
    if (!view->BackingImage().save(QString::fromLocal8Bit(out.c_str()), "PNG", kPngQuality)) {
        std::fprintf(stderr, "render-page: cannot write %s\n", out.c_str());
        return 2;
    }
    return 0;
}
