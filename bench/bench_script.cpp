// A full paint pass over a long text-only script (2,000 lines) on a
// 1280x960 in-memory surface: the cost of reading and laying out a page
// whose text mostly lies below the visible area.
#include "platform/text_codec.h"
#include "view/view.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kScriptLines = 2000;

// Writes data/long.txt: a title, then paragraphs of Chinese text and
// formulas, one record per line.
fs::path WriteLongScript() {
    const fs::path dir = fs::temp_directory_path() / "pemro_bench_script";
    fs::create_directories(dir / "data");
    std::ofstream out(dir / "data" / "long.txt", std::ios::binary);
    out << Gbk(u8"016长脚本的排版\n");
    for (int i = 1; i < kScriptLines; ++i) {
        if (i % 5 == 0)
            out << "103  f(x)=a*x^2+b*x+c,  x=" << i << "\n";
        else
            out << Gbk(u8"104  函数在区间上的连续性与可导性：第") << i << Gbk(u8"行的正文。\n");
    }
    return dir;
}

void TextOnlyScriptPass(benchmark::State& state) {
    const fs::path dir = WriteLongScript();
    const fs::path old = fs::current_path();
    fs::current_path(dir);
    auto view = std::make_unique<CPemroView>();
    view->ResetTopic(-1);
    view->m_strTopicCode = "long";
    view->m_nBackgroundMode = int(state.range(0)); // -1 pattern (the default), 0 plain
    // The lecture room's 1280 wide window and the widest one.
    view->ResizeClient(int(state.range(1)), int(state.range(1)) * 3 / 4);
    view->RenderPending(); // the layout pass and the second, drawing pass
    for (auto _ : state) {
        view->Invalidate();
        benchmark::DoNotOptimize(view->RenderPending());
    }
    fs::current_path(old);
}

} // namespace

BENCHMARK(TextOnlyScriptPass)
    ->Args({-1, 1280})
    ->Args({0, 1280})
    ->Args({-1, 2560})
    ->Args({0, 2560})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
