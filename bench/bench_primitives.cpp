// Drawing primitives on a 1280x960 in-memory surface: world segments, a
// large flood fill and single pixels through the traced arcs.
#include "view/view.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

struct Surface {
    std::unique_ptr<CPemroView> view = std::make_unique<CPemroView>();
    QImage image{1280, 960, QImage::Format_RGB32};
    std::unique_ptr<CDC> dc;

    Surface() {
        image.fill(0);
        dc = std::make_unique<CDC>(&image);
        CPemroView& v = *view;
        v.m_nClipLeft = 0, v.m_nClipTop = 0, v.m_nClipRight = 1280, v.m_nClipBottom = 960;
        v.m_bFigureVisible = 1, v.m_bFullRepaint = 1;
        v.m_nGraphLeft = 100, v.m_nGraphTop = 100, v.m_nGraphRight = 1200, v.m_nGraphBottom = 900;
        v.m_nPlotLeft = 140, v.m_nPlotRight = 1140, v.m_nPlotTop = 130, v.m_nPlotBottom = 830;
        v.m_nPlotWidth = 1000, v.m_nPlotHeight = 700;
        v.m_dXMin = -4, v.m_dXMax = 4, v.m_dYMin = -2, v.m_dYMax = 2;
        v.m_dXSpan = 8, v.m_dYSpan = 4;
        v.m_nPixelSize = 0, v.m_nRegionType = 0;
    }
};

void BM_WorldSegments10000(benchmark::State& state) {
    Surface s;
    constexpr int kSegments = 10000;
    const double dx = 8.0 / kSegments;
    for (auto _ : state) {
        for (int i = 0; i < kSegments; ++i) {
            const double x0 = -4 + i * dx, x1 = x0 + dx;
            s.view->DrawLineWorld(s.dc.get(), x0, 1.5 * std::sin(3 * x0), x1,
                                  1.5 * std::sin(3 * x1), RGB(255, 255, 0));
        }
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
}

void BM_FloodFill1000x700(benchmark::State& state) {
    Surface s;
    const COLORREF border = RGB(255, 0, 0);
    {
        CBrushSelect brush(s.dc.get(), CBrush::Null());
        CPenSelect pen(s.dc.get(), CPen(PS_SOLID, 0, border));
        s.dc->Rectangle(139, 129, 1141, 831); // encloses the 1000 x 700 plot
    }
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        s.view->FloodFillWorld(s.dc.get(), 0, 0, border, odd ? RGB(0, 90, 0) : RGB(0, 0, 90));
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 700);
}

// 16 full turns of a traced arc: 100,528 pixel calls.
void BM_SetPixel100000(benchmark::State& state) {
    Surface s;
    for (auto _ : state)
        for (int i = 0; i < 16; ++i)
            s.view->DrawArcWorld(s.dc.get(), 0, 0, 0.5 + 0.2 * i, 0.25 + 0.1 * i, 0, 6.283,
                                 RGB(0, 255, 255));
    state.SetItemsProcessed(state.iterations() * 16 * 6283);
}

} // namespace

BENCHMARK(BM_WorldSegments10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill1000x700)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetPixel100000)->Unit(benchmark::kMillisecond);
