// States of sample pages after clicks, and a click's full cost. A state is
// reached by pressing a page's buttons as a user would (found by label in
// the controls a repaint draws), then timed as full passes like the first
// screens. A click's cost runs from the press to the end of the last pass
// it causes; two buttons take turns so the state stays put.
#include "bench_support.h"

#include "platform/text_codec.h"

#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include <string>
#include <vector>

namespace {

// The control so labelled that a repaint draws, after `skip` others so
// labelled.
struct FindControl : CPemroView::ControlSink {
    CString label;
    int skip = 0;
    bool found = false;
    CRect box;
    void OnControl(const CRect& b, int, CPoint, const CString& l, const LOGFONT&) override {
        if (!found && l == label && skip-- == 0) found = true, box = b;
    }
};

bool ControlCentre(CPemroView& v, const char* utf8, CPoint* page, int skip = 0) {
    FindControl find;
    find.label = Gbk(utf8);
    find.skip = skip;
    v.m_pControlSink = &find;
    v.Invalidate();
    v.RenderPending();
    v.m_pControlSink = nullptr;
    if (!find.found) return false;
    *page = CPoint((find.box.left + find.box.right) / 2, (find.box.top + find.box.bottom) / 2);
    return true;
}

// A press at a page point and the passes that answer it; their count.
int Press(CPemroView& v, CPoint page) {
    v.m_ptClick = CPoint(page.x - v.m_nClipLeft, page.y - v.m_nClipTop);
    ++v.m_nClickSerial;
    v.Invalidate(TRUE);
    return v.RenderPending();
}

bool PressLabel(CPemroView& v, const char* utf8, int times, int skip = 0) {
    CPoint p;
    if (!ControlCentre(v, utf8, &p, skip)) return false;
    for (int i = 0; i < times; ++i) Press(v, p);
    return true;
}

struct AfterClicks {
    std::string name;
    const char* topic;
    int family;
    const char* label;
    int times;
    int top = 0; // the page scrolled this far first
    int width = 1280, height = 960;
    // The right button's zoom at the window's middle first.
    bool zoom = false;
    // The button is the one after this many others so labelled.
    int skip = 0;
    const char* back = nullptr; // pressed as often after `label`
    const char* then = nullptr; // pressed once after them
};

void TimeAfterClicks(benchmark::State& state, const AfterClicks& c) {
    auto view = OpenSamplePage(c.topic, c.family, c.width, c.height);
    if (!view) return state.SkipWithError("no run directory");
    if (c.zoom) {
        view->OnRButtonDown(MK_RBUTTON, CPoint(c.width / 2, c.height / 2));
        view->Invalidate();
        view->RenderPending();
    }
    if (c.top > 0) {
        view->ScrollToPosition(CPoint(0, c.top));
        view->RenderPending();
    }
    if ((c.times > 0 && !PressLabel(*view, c.label, c.times, c.skip)) ||
        (c.back && !PressLabel(*view, c.back, c.times)) ||
        (c.then && !PressLabel(*view, c.then, 1)))
        return state.SkipWithError("no such button");
    TimeFullPasses(state, *view);
    // The state's picture, to compare a change's pictures with the last ones.
    if (const char* dir = std::getenv("PEMRO_BENCH_SHOTS"))
        view->BackingImage().save(QString::fromStdString(std::string(dir) + "/" + c.name + ".png"));
}

// A click's full cost at 1586×927: `label` and `back` pressed in turn.
struct ClickCost {
    std::string name;
    const char* topic;
    int family;
    const char* label;
    const char* back;
};

// The page at 1586×927 and the centres of the two buttons, or null with the
// benchmark skipped.
std::unique_ptr<CPemroView> OpenClickPair(benchmark::State& state, const ClickCost& c,
                                          CPoint* there, CPoint* back) {
    auto view = OpenSamplePage(c.topic, c.family, 1586, 927);
    if (!view) {
        state.SkipWithError("no run directory");
        return nullptr;
    }
    if (!ControlCentre(*view, c.label, there) || !ControlCentre(*view, c.back, back)) {
        state.SkipWithError("no such button");
        return nullptr;
    }
    return view;
}

void TimeClick(benchmark::State& state, const ClickCost& c) {
    CPoint there, back;
    auto view = OpenClickPair(state, c, &there, &back);
    if (!view) return;
    long passes = 0, i = 0;
    for (auto _ : state) passes += Press(*view, i++ % 2 == 0 ? there : back);
    if (state.iterations() > 0) state.counters["passes"] = double(passes) / state.iterations();
}

// What a click is held against: a full repaint (background and every
// figure drawn again) of the states the clicks alternate between.
void TimeRepaint(benchmark::State& state, const ClickCost& c) {
    CPoint there, back;
    auto view = OpenClickPair(state, c, &there, &back);
    if (!view) return;
    long passes = 0, i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Press(*view, i++ % 2 == 0 ? there : back);
        view->m_nPrevClipBottom = 0;
        view->Invalidate();
        state.ResumeTiming();
        passes += view->RenderPending();
    }
    if (state.iterations() > 0) state.counters["passes"] = double(passes) / state.iterations();
}

// Each 3-D sample page with the mesh density buttons, at its densest mesh.
constexpr const char* kMeshPages[] = {"2101", "310", "311", "317", "318", "321", "327", "337",
                                      "342",  "345", "355", "357", "360", "364", "378", "379"};
// Enough presses of "增加" for any starting density to reach the cap.
constexpr int kPressesToDensest = 16;

} // namespace

void RegisterAfterClickBenchmarks() {
    std::vector<AfterClicks> states = {
        {"317_n6", "317", -1, u8"n增加", 5},
        {"318_n6", "318", -1, u8"n增加", 5},
        {"gs020_t", "020", 0, u8"t增", 1},
        {"321_gauss", "321", -1, u8"高斯和", 1},
        // The traces on the three coordinate planes.
        {"364_planes", "364", -1, u8"坐标面", 1},
        // The cylindrical surfaces r = f(θ, z).
        {"379_theta_z", "379", -1, u8"θ_z型", 1},
        // The spring run to its longest time, the ball's trail after a
        // press inside its plot.
        {"381_t10", "381", -1, u8"t增大", 10, 1100},
        {"382_R", "382", -1, u8"R减", 1},
        {"382_t30", "382", -1, u8"t增", 30},
        {"382_t30_2160", "382", -1, u8"t增", 30, 0, 1280, 2160},
        {"382_t30_2560", "382", -1, u8"t增", 30, 0, 2560, 1440},
        {"318_up30", "318", -1, u8"↗", 30},
        {"318_turn30", "318", -1, u8"↗", 30, 0, 1280, 960, false, 1},
        {"318_turn30_2560", "318", -1, u8"↗", 30, 0, 2560, 1440, false, 1},
        {"318_zoom_2560", "318", -1, "", 0, 0, 2560, 1440, true},
        {"311_turn30_2560", "311", -1, u8"↑", 30, 0, 2560, 1440, false, 1},
        {"327_up30_2560", "327", -1, u8"↗", 30, 0, 2560, 1440},
        {"327_right30_2560", "327", -1, u8"→", 30, 0, 2560, 1440, false, 1},
        {"358_m_2560", "358", -1, u8"m增", 1, 0, 2560, 1440},
        {"361_projection_2560", "361", -1, u8"打开投影", 1, 0, 2560, 1440},
        {"360_more_2560", "360", -1, u8"增加", 1, 0, 2560, 1440},
        // The surfaces zoomed by the right button to fill the window.
        {"311_zoom", "311", -1, "", 0, 0, 1280, 960, true},
        {"317_zoom", "317", -1, "", 0, 0, 1280, 960, true},
        {"318_zoom", "318", -1, "", 0, 0, 1280, 960, true},
        // The hemisphere cut into spherical volume elements.
        {"343_partition", "343", -1, u8"分割", 1},
        {"343_partition_1920", "343", -1, u8"分割", 1, 0, 1920, 1080},
        // The lemniscate at its widest c.
        {"507_c10", "507", -1, u8"c增", 10},
        // The colour map of the two equations' residual.
        {"200_system", "200", -1, u8"非线性方程组", 1},
        {"200_system_1920", "200", -1, u8"非线性方程组", 1, 0, 1920, 1080},
        // The pencil's member plane drawn strip by strip.
        {"359_way1", "359", -1, u8"方式1", 1},
        // The solids at a thousandth of the interval: dx up to its cap and
        // back down as often.
        {"326_washers_dx30_back", "326", -1, u8"dx增", 30, 0, 2560, 1440, false, 0, u8"dx减"},
        {"326_shells_dx30_back", "326", -1, u8"dx增", 30, 2150, 2560, 1440, false, 0, u8"dx减"},
        // The double integral's base cut into cells, at the widest window.
        {"321_partition_2560", "321", -1, u8"分割", 1, 0, 2560, 1440},
        // Its solid's walls after a mesh step, cut into cells or summed.
        {"321_more_partition_2560", "321", -1, u8"增加", 1, 0, 2560, 1440, false, 0, nullptr,
         u8"分割"},
        {"321_more2_partition_2560", "321", -1, u8"增加", 1, 0, 2560, 1440, false, 1, nullptr,
         u8"分割"},
        {"321_more_gauss_2560", "321", -1, u8"增加", 1, 0, 2560, 1440, false, 0, nullptr,
         u8"高斯和"},
        // The derivative pages of an implicit, a parametric and a polar
        // curve after a range arrow, whose click lies in the graph.
        {"371_left_2160", "371", -1, u8"←", 1, 0, 1280, 2160},
        {"372_left_2160", "372", -1, u8"←", 1, 0, 1280, 2160},
        {"380_left_2160", "380", -1, u8"←", 1, 0, 1280, 2160},
    };
    for (const char* page : kMeshPages)
        states.push_back({std::string(page) + "_densest", page, -1, u8"增加", kPressesToDensest});
    // The plane and tangent-plane meshes ten presses on, at the widest window.
    // The scenes zoomed at the widest long-sweep window.
    for (const char* page : {"310", "311", "317", "345", "382"})
        states.push_back({std::string(page) + "_zoom_2560", page, -1, "", 0, 0, 2560, 1440, true});
    for (const char* page : {"310", "311", "357", "360"})
        states.push_back({std::string(page) + "_x10_1920", page, -1, u8"增加", 10, 0, 1920, 1080});
    // The 3-D surface pages ten presses on at the widest long-sweep window.
    for (const char* page : {"310", "311", "317", "318", "327", "345", "360", "378", "379"})
        states.push_back({std::string(page) + "_x10_2560", page, -1, u8"增加", 10, 0, 2560, 1440});
    for (const AfterClicks& c : states)
        benchmark::RegisterBenchmark(("AfterClicks/" + c.name).c_str(), TimeAfterClicks, c)
            ->Unit(benchmark::kMillisecond);
    const ClickCost clicks[] = {
        {"317", "317", -1, u8"n增加", u8"n减少"},
        {"321", "321", -1, u8"高斯和", u8"近似和"},
        {"gs020", "020", 0, u8"t增", u8"t减"},
        {"382", "382", -1, u8"R减", u8"R增"},
    };
    for (const ClickCost& c : clicks) {
        benchmark::RegisterBenchmark(("ClickCost/" + c.name).c_str(), TimeClick, c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ClickCost/" + c.name + "_repaint").c_str(), TimeRepaint, c)
            ->Unit(benchmark::kMillisecond);
    }
}
