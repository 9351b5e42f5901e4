// Each figure of a page shows its own state: the same pixels whether the
// page is drawn in one tall window, scrolled to the figure in a short one,
// or reached after every other figure was visited and its buttons clicked;
// and the pages where figures used to take each other's values.
#include "test_support.h"

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using test_support::Control;
using test_support::ControlLog;
using test_support::ControlsOfRepaint;
using test_support::InRunDir;
using test_support::TextRecorder;

constexpr int kWidth = 1280;
constexpr int kOpenHeight = 960;

struct Band {
    int top, bottom; // page rows of a figure box
};

// A view on the sample topic in a window of the size, on a plain background
// (the pattern follows the window's height, the figures must not).
std::unique_ptr<CPemroView> Open(const std::string& code, int height,
                                 TextRecorder* text = nullptr) {
    auto v = std::make_unique<CPemroView>();
    v->m_pTextSink = text;
    v->ResetTopic(-1);
    v->m_strTopicCode = code;
    v->m_nBackgroundMode = 0;
    v->ResizeClient(kWidth, height);
    v->RenderPending();
    return v;
}

// The figure boxes of the page, each once, from a full pass.
std::vector<Band> FigureBands(CPemroView& v) {
    v.m_nPrintFigureCount = 0;
    v.m_bRecordPrintFigures = TRUE;
    v.Invalidate();
    v.RenderPending();
    v.m_bRecordPrintFigures = FALSE;
    std::vector<Band> bands;
    for (int i = 0; i < v.m_nPrintFigureCount; ++i) {
        const Band b{v.m_anPrintFigureTop[i], v.m_anPrintFigureBottom[i]};
        const bool known = std::any_of(bands.begin(), bands.end(), [&](const Band& o) {
            return o.top == b.top && o.bottom == b.bottom;
        });
        if (!known && b.bottom > b.top) bands.push_back(b);
    }
    return bands;
}

// The rows of the figure box as the window shows them now.
QImage BoxOf(const CPemroView& v, const Band& b) {
    return v.BackingImage().copy(0, b.top - v.m_nClipTop, kWidth, b.bottom - b.top);
}

void ScrollTo(CPemroView& v, const Band& b) {
    v.ScrollToPosition(CPoint(0, std::max(0, b.top - 40)));
    v.Invalidate();
    v.RenderPending();
}

// A click on every control drawn inside the figure box, once each.
void ClickEveryButton(CPemroView& v, const Band& b) {
    ScrollTo(v, b);
    const ControlLog log = ControlsOfRepaint(&v);
    for (const Control& c : log.controls) {
        const int y = (c.box.top + c.box.bottom) / 2;
        if (y < b.top || y >= b.bottom) continue;
        test_support::ClickPage(v, (c.box.left + c.box.right) / 2, y);
    }
}

int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// The sample pages with more than one figure command.
std::vector<std::string> PagesWithFigures() {
    std::vector<std::string> pages;
    const std::filesystem::path data = std::filesystem::path(PEMRO_RUN_DIR) / "data";
    for (const auto& e : std::filesystem::directory_iterator(data)) {
        if (e.path().extension() != ".txt") continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::string line;
        int commands = 0;
        while (std::getline(in, line)) commands += line.size() > 3 && line[0] == '7';
        if (commands >= 2) pages.push_back(e.path().stem().string());
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

class FigureStateSweep : public ::testing::TestWithParam<std::string> {};

TEST_P(FigureStateSweep, EachFigureLooksTheSameHoweverItIsReached) {
    InRunDir dir;
    const std::string page = GetParam();
    auto probe = Open(page, kOpenHeight);
    const std::vector<Band> bands = FigureBands(*probe);
    if (bands.size() < 2) GTEST_SKIP() << "one figure";
    int tallest = 0;
    for (const Band& b : bands) tallest = std::max(tallest, b.bottom - b.top);
    const int shortHeight = tallest + 160;
    const int tallHeight = probe->GetTotalSize().cy + 200;
    probe.reset();

    auto tall = Open(page, tallHeight);
    for (size_t k = 0; k < bands.size(); ++k) {
        SCOPED_TRACE(page + " figure " + std::to_string(k));
        const QImage inTall = BoxOf(*tall, bands[k]);

        auto scrolled = Open(page, shortHeight);
        ScrollTo(*scrolled, bands[k]);
        EXPECT_EQ(DifferentPixels(inTall, BoxOf(*scrolled, bands[k])), 0) << "scrolled to it";

        auto visited = Open(page, shortHeight);
        for (size_t j = 0; j < bands.size(); ++j)
            if (j != k) ClickEveryButton(*visited, bands[j]);
        // The last press stays stored in window coordinates, where a button
        // under it shows pressed: a press in the margin, as a user's
        // next press elsewhere would.
        test_support::ClickPoint(*visited, CPoint(2, 2));
        ScrollTo(*visited, bands[k]);
        EXPECT_EQ(DifferentPixels(inTall, BoxOf(*visited, bands[k])), 0)
            << "after the other figures' buttons";
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, FigureStateSweep, ::testing::ValuesIn(PagesWithFigures()));

} // namespace
