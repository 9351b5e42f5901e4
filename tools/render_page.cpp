// render-page: draws a topic page without a display and writes it as PNG.
//
//   render-page [--root DIR] [--topic CODE] [--family N] [--level N]
//               [--variant N] [--size WxH] [--click X,Y]... --out FILE.png
//
// Each --click presses and releases the left button at a client point and
// runs the passes that follow. Exit status 0 when the page was drawn, 1 on a
// usage error, 2 when the picture could not be written.
#include "platform/system.h"
#include "view/view.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

int Usage(const char* why) {
    std::fprintf(stderr,
                 "render-page: %s\nusage: render-page [--root DIR] [--topic CODE] [--family N] "
                 "[--level N] [--variant N] [--size WxH] [--click X,Y]... --out FILE.png\n",
                 why);
    return 1;
}

bool ParseInt(const char* s, int* out) {
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (!s[0] || *end) return false;
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
    int family = -1, level = 0, variant = 0, width = 1280, height = 960;
    bool haveFamily = false;
    std::vector<CPoint> clicks;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (i + 1 >= argc) return Usage("missing value");
        const char* value = argv[++i];
        if (!std::strcmp(arg, "--root")) root = value;
        else if (!std::strcmp(arg, "--topic")) topic = value;
        else if (!std::strcmp(arg, "--out")) out = value;
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
            clicks.push_back(p);
        } else {
            return Usage("unknown option");
        }
    }
    if (out.empty()) return Usage("--out is required");
    if (!root.empty() && ::chdir(root.c_str()) != 0) return Usage("cannot enter --root");

    QGuiApplication app(argc, argv);
    SetMessageBoxSink([](const std::string& text) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    });

    auto view = std::make_unique<CPemroView>();
    if (haveFamily || !topic.empty()) {
        view->ResetTopic(haveFamily ? family : view->m_nDataFamily);
        view->m_nDataLevel = level;
        view->m_nDataVariant = variant;
        if (!topic.empty()) view->m_strTopicCode = topic;
    }
    view->ResizeClient(width, height);
    view->RenderPending();
    for (const CPoint& p : clicks) {
        view->OnLButtonDown(MK_LBUTTON, p);
        view->OnLButtonUp(0, p);
        view->Invalidate();
        view->RenderPending();
    }
    if (!view->BackingImage().save(QString::fromLocal8Bit(out.c_str()), "PNG")) {
        std::fprintf(stderr, "render-page: cannot write %s\n", out.c_str());
        return 2;
    }
    return 0;
}
