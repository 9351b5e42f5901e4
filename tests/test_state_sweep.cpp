// Every sample page in every state a lecturer reaches with its buttons, at
// the lecturers' window sizes: the faults found must be exactly the ones
// still listed in state_sweep_known.tsv (a mended fault leaves the list too).
// PEMRO_SWEEP_OUT=dir writes each page's faults to dir/<page>.tsv and the
// processor time of each state to dir/<page>.times.
#include "state_sweep.h"
#include "test_support.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

using sweep::Fault;
using sweep::Page;

std::vector<Page> SamplePages() {
    std::vector<Page> pages;
    const std::pair<int, const char*> dirs[] = {{-1, "content/data"}, {0, "content/gsdata"}};
    for (const auto& [family, dir] : dirs) {
        const std::filesystem::path root = std::filesystem::path(test_paths::kSourceDir) / dir;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(root, ec)) {
            if (e.path().extension() != ".txt") continue;
            std::string code = e.path().stem().string();
            if (family == 0) code = code.substr(2); // "gs003" is topic 003 of the family
            pages.push_back({family, code});
        }
    }
    std::sort(pages.begin(), pages.end(),
              [](const Page& a, const Page& b) { return a.Name() < b.Name(); });
    return pages;
}

std::string Line(const Fault& f) {
    return f.page + "\t" + std::to_string(f.width) + "\t" + f.state + "\t" + f.kind;
}

// A listed fault with the state "*" stands for the fault in any state of
// its page and window size.
bool Listed(const std::set<std::string>& listed, const Fault& f) {
    Fault any = f;
    any.state = "*";
    return listed.count(Line(f)) || listed.count(Line(any));
}

// Sweeps the page at the sizes and compares with the list; `tag` names the
// files of PEMRO_SWEEP_OUT.
void SweepAndCompare(const Page& page, const std::vector<sweep::Window>& windows,
                     sweep::Options (*options)(const sweep::Window&), bool whole,
                     const std::string& tag) {
    test_support::InRunDir dir;
    sweep::Result result;
    const auto start = std::chrono::steady_clock::now();
    std::set<int> widths;
    for (const sweep::Window& w : windows) {
        sweep::SweepPage(page, w, options(w), &result);
        widths.insert(w.width);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::map<std::string, std::string> seen; // key line -> first detail
    std::set<std::string> seenAny;           // the same with the state "*"
    for (const Fault& f : result.faults) {
        seen.emplace(Line(f), f.detail);
        Fault any = f;
        any.state = "*";
        seenAny.insert(Line(any));
    }
    std::set<std::string> listed;
    for (const Fault& f : sweep::ReadKnownFaults(test_paths::kSweepKnown))
        if (f.page == page.Name() && widths.count(f.width)) listed.insert(Line(f));
    std::map<std::string, Fault> unique;
    for (const Fault& f : result.faults) unique.emplace(Line(f), f);
    for (const auto& [line, f] : unique)
        EXPECT_TRUE(Listed(listed, f)) << "new fault: " << line << "\t(" << f.detail << ")";
    if (whole) {
        for (const std::string& line : listed) {
            EXPECT_TRUE(seen.count(line) || seenAny.count(line))
                << "listed fault no longer found: " << line;
        }
    }
    std::printf("[sweep] %s: %d states, %zu faults, %.1f s\n", page.Name().c_str(), result.states,
                seen.size(), seconds);
    if (const char* out = std::getenv("PEMRO_SWEEP_OUT")) {
        const std::string base = std::string(out) + "/" + page.Name() + tag;
        std::ofstream file(base + ".tsv");
        for (const auto& [line, detail] : seen) file << line << "\t" << detail << "\n";
        // Every fault with what met what, for mending.
        std::set<std::string> all;
        for (const Fault& f : result.faults) all.insert(Line(f) + "\t" + f.detail);
        std::ofstream details(base + ".all");
        for (const std::string& line : all) details << line << "\n";
        std::ofstream buttons(base + ".buttons");
        for (const std::string& b : result.buttons) buttons << page.Name() << "\t" << b << "\n";
        std::ofstream count(base + ".count");
        count << result.states << " " << seconds << "\n";
        // The processor time of each state's repaint (tools/sweep_slowest.sh).
        std::ofstream times(base + ".times");
        for (const sweep::StateTime& t : result.times)
            times << page.Name() << "\t" << t.width << "\t" << t.state << "\t" << t.seconds << "\n";
    }
}

std::vector<sweep::Window> Sizes(const sweep::Window* begin, const sweep::Window* end) {
    return std::vector<sweep::Window>(begin, end);
}

class StateSweep : public ::testing::TestWithParam<Page> {};

TEST_P(StateSweep, FindsNoFaultButTheListedOnes) {
#ifdef PEMRO_SANITIZED
    // Instrumented runs are many times slower: the opening states at one
    // size, for what the instruments find in them.
    SweepAndCompare(
        GetParam(), {sweep::kWindows[1]},
        [](const sweep::Window&) {
            sweep::Options o;
            o.clicks = o.ten = o.glyphs = o.extras = false;
            return o;
        },
        false, "");
#else
    // The range boxes' arrows act alike at every size: clicked at one. Each
    // button is clicked at the narrowest size, at that one and at the
    // largest, where the faults after clicks have shown; a step button ten
    // times, whose read-outs grow, at every size.
    SweepAndCompare(
        GetParam(), Sizes(std::begin(sweep::kWindows), std::end(sweep::kWindows)),
        [](const sweep::Window& w) {
            sweep::Options o;
            o.glyphs = o.sheets = w.width == sweep::kWindows[1].width;
            o.clicks = o.glyphs || w.width == sweep::kWindows[0].width ||
                       w.width == sweep::kWindows[5].width;
            return o;
        },
        true, "");
#endif
}

// The long form (tools/checked_test.sh sets PEMRO_SWEEP_LONG): the smallest,
// the largest and a tall window, every step thirty times and back, and each
// pair of a figure's buttons.
class StateSweepLong : public ::testing::TestWithParam<Page> {};

TEST_P(StateSweepLong, FindsNoFaultButTheListedOnes) {
    const char* const on = std::getenv("PEMRO_SWEEP_LONG");
    if (!on || !*on) GTEST_SKIP() << "the long form runs when PEMRO_SWEEP_LONG is set";
#ifdef PEMRO_SANITIZED
    GTEST_SKIP() << "the long form runs on the normal build";
#endif
    SweepAndCompare(
        GetParam(), Sizes(std::begin(sweep::kLongWindows), std::end(sweep::kLongWindows)),
        [](const sweep::Window&) {
            // PEMRO_SWEEP_LONG=quick: the long form's sizes with the states
            // of the CI form, for a quick look at those sizes.
            static const bool quick = std::string(std::getenv("PEMRO_SWEEP_LONG")) == "quick";
            sweep::Options o;
            o.deep = o.pairs = !quick;
            return o;
        },
        true, ".long");
}

// The right button's zoom fills the window with the figure, its labels in
// the larger font and no buttons: the sweep's left clicks never reach it.
TEST(StateSweepZoom, TheZoomedWaveFigureShowsEveryLabelWhole) {
    test_support::InRunDir dir;
    for (const sweep::Window w : sweep::kWindows) {
        sweep::Result result;
        sweep::Options o;
        o.clicks = o.glyphs = o.extras = false;
        o.zoom = true;
        sweep::SweepPage({0, "020"}, w, o, &result);
        EXPECT_EQ(result.states, 1);
        for (const Fault& f : result.faults) ADD_FAILURE() << Line(f) << "\t(" << f.detail << ")";
    }
}

// Zoomed in a tall window: one figure fills it though two are in view (201),
// a scene keeps its value rows inside (309), the sequence's n label stays off
// the x numbers (336).
TEST(StateSweepZoom, ATallWindowShowsOneZoomedFigureWhole) {
    test_support::InRunDir dir;
    const struct {
        Page page;
        sweep::Window w;
    } rows[] = {
        {{-1, "201"}, {1280, 2160}}, {{-1, "309"}, {1280, 2160}}, {{-1, "336"}, {1586, 927}}};
    for (const auto& r : rows) {
        sweep::Result result;
        sweep::Options o;
        o.clicks = o.glyphs = o.extras = false;
        o.zoom = true;
        sweep::SweepPage(r.page, r.w, o, &result);
        EXPECT_EQ(result.states, 1) << r.page.Name();
        for (const Fault& f : result.faults) ADD_FAILURE() << Line(f) << "\t(" << f.detail << ")";
    }
}

std::string TestName(const ::testing::TestParamInfo<Page>& info) {
    return "p" + info.param.Name();
}
INSTANTIATE_TEST_SUITE_P(SamplePages, StateSweep, ::testing::ValuesIn(SamplePages()), TestName);
INSTANTIATE_TEST_SUITE_P(SamplePages, StateSweepLong, ::testing::ValuesIn(SamplePages()), TestName);

} // namespace
