// Every sample page in every state a lecturer reaches with its buttons, at
// the three window sizes: the faults found must be exactly the ones still
// listed in state_sweep_known.tsv (a mended fault leaves the list too).
// PEMRO_SWEEP_OUT=dir writes each page's faults to dir/<page>.tsv.
#include "state_sweep.h"
#include "test_support.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

using sweep::Fault;
using sweep::Page;

std::vector<Page> SamplePages() {
    std::vector<Page> pages;
    const std::pair<int, const char*> dirs[] = {{-1, "content/data"}, {0, "content/gsdata"}};
    for (const auto& [family, dir] : dirs) {
        const std::filesystem::path root = std::filesystem::path(PEMRO_SOURCE_DIR) / dir;
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

class StateSweep : public ::testing::TestWithParam<Page> {};

// A listed fault with the state "*" stands for the fault in any state of
// its page and window size.
bool Listed(const std::set<std::string>& listed, const Fault& f) {
    Fault any = f;
    any.state = "*";
    return listed.count(Line(f)) || listed.count(Line(any));
}

TEST_P(StateSweep, FindsNoFaultButTheListedOnes) {
    test_support::InRunDir dir;
    const Page page = GetParam();
    std::vector<Fault> found;
    int states = 0;
    const auto start = std::chrono::steady_clock::now();
#ifdef PEMRO_SANITIZED
    // Instrumented runs are many times slower: the opening states at one
    // size, for what the instruments find in them.
    constexpr bool kWhole = false;
    sweep::SweepPage(page, sweep::kWindows[1], {false, false}, &found, &states);
#else
    constexpr bool kWhole = true;
    // The range boxes' arrows act alike at every size: clicked at one.
    for (const sweep::Window w : sweep::kWindows)
        sweep::SweepPage(page, w, {true, w.width == sweep::kWindows[1].width}, &found, &states);
#endif
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::map<std::string, std::string> seen; // key line -> first detail
    std::set<std::string> seenAny;           // the same with the state "*"
    for (const Fault& f : found) {
        seen.emplace(Line(f), f.detail);
        Fault any = f;
        any.state = "*";
        seenAny.insert(Line(any));
    }
    std::set<std::string> listed;
    for (const Fault& f : sweep::ReadKnownFaults(PEMRO_SWEEP_KNOWN))
        if (f.page == page.Name()) listed.insert(Line(f));
    std::map<std::string, Fault> unique;
    for (const Fault& f : found) unique.emplace(Line(f), f);
    for (const auto& [line, f] : unique)
        EXPECT_TRUE(Listed(listed, f)) << "new fault: " << line << "\t(" << f.detail << ")";
    if (kWhole) {
        for (const std::string& line : listed) {
            EXPECT_TRUE(seen.count(line) || seenAny.count(line))
                << "listed fault no longer found: " << line;
        }
    }
    std::printf("[sweep] %s: %d states, %zu faults, %.1f s\n", page.Name().c_str(), states,
                seen.size(), seconds);
    if (const char* out = std::getenv("PEMRO_SWEEP_OUT")) {
        std::ofstream file(std::string(out) + "/" + page.Name() + ".tsv");
        for (const auto& [line, detail] : seen) file << line << "\t" << detail << "\n";
        // Every fault with what met what, for mending.
        std::set<std::string> all;
        for (const Fault& f : found) all.insert(Line(f) + "\t" + f.detail);
        std::ofstream details(std::string(out) + "/" + page.Name() + ".all");
        for (const std::string& line : all) details << line << "\n";
        std::ofstream count(std::string(out) + "/" + page.Name() + ".count");
        count << states << " " << seconds << "\n";
    }
}

// The right button's zoom fills the window with the figure, its labels in
// the larger font and no buttons: the sweep's left clicks never reach it.
TEST(StateSweepZoom, TheZoomedWaveFigureShowsEveryLabelWhole) {
    test_support::InRunDir dir;
    for (const sweep::Window w : sweep::kWindows) {
        std::vector<Fault> found;
        int states = 0;
        sweep::SweepPage({0, "020"}, w, {false, false, true}, &found, &states);
        EXPECT_EQ(states, 1);
        for (const Fault& f : found) ADD_FAILURE() << Line(f) << "\t(" << f.detail << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(SamplePages, StateSweep, ::testing::ValuesIn(SamplePages()),
                         [](const ::testing::TestParamInfo<Page>& info) {
                             return "p" + info.param.Name();
                         });

} // namespace
