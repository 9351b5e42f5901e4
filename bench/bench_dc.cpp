// Timing of the raster device context's hot paths: short segments, a large
// flood fill, single pixels and character-by-character text.
#include "platform/dc.h"
#include "platform/text_codec.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// A small deterministic generator, so every run draws the same picture.
struct Lcg {
    unsigned state = 12345u;
    int Next(int range) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % unsigned(range));
    }
};

void BM_DcShortSegments10000(benchmark::State& state) {
    QImage img(1280, 960, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    for (auto _ : state) {
        Lcg rng;
        for (int i = 0; i < 10000; ++i) {
            const int x = rng.Next(1280), y = rng.Next(960);
            dc.MoveTo(x, y);
            dc.LineTo(x + rng.Next(41) - 20, y + rng.Next(41) - 20);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_DcShortSegments10000)->Unit(benchmark::kMillisecond);

void BM_DcFloodFill1000x700(benchmark::State& state) {
    QImage img(1280, 960, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    dc.SelectObject(CBrush::Null());
    dc.Rectangle(99, 99, 1101, 801); // a 1000 x 700 inside
    bool red = false;
    for (auto _ : state) {
        red = !red;
        dc.SelectObject(CBrush(red ? RGB(255, 0, 0) : RGB(0, 0, 255)));
        benchmark::DoNotOptimize(dc.FloodFill(600, 400, RGB(0, 0, 0)));
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 700);
}
BENCHMARK(BM_DcFloodFill1000x700)->Unit(benchmark::kMillisecond);

void BM_DcSetPixel100000(benchmark::State& state) {
    QImage img(1280, 960, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    for (auto _ : state) {
        Lcg rng;
        for (int i = 0; i < 100000; ++i)
            dc.SetPixel(rng.Next(1280), rng.Next(960), RGB(i & 255, 0, 0));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_DcSetPixel100000)->Unit(benchmark::kMillisecond);

void BM_DcTextOut1000(benchmark::State& state) {
    QImage img(1280, 960, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    LOGFONT lf;
    lf.lfHeight = 18;
    lf.lfWidth = 9;
    lf.SetFaceName(Gbk(u8"宋体").c_str());
    dc.SelectObject(lf);
    dc.SetBkMode(TRANSPARENT);
    const CString text = Gbk(u8"函数的导数与微分定义");
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) dc.TextOut((i % 6) * 200, (i / 6) % 48 * 20, text);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_DcTextOut1000)->Unit(benchmark::kMillisecond);

} // namespace
