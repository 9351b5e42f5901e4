// A full pass of the first screen (1280x960) of every topic script in the
// run directory: a page added to the sample course joins by itself. Each is
// named by its script's path, e.g. SamplePage/data/232.
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where a script lies in the program's own terms.
struct SampleTopic {
    std::string name; // path under the run directory, without ".txt"
    std::string code;
    int family = -1, level = 0, variant = 0;
};

constexpr int kFirstFamily = -1, kLastFamily = 4, kLevels = 3, kVariants = 4;

// The family, level and variant whose file prefix ("gsdata\gs", "data\")
// starts `path` (backslashed, relative); the longest prefix wins.
bool FindTopic(CPemroView& probe, const std::string& path, SampleTopic* topic) {
    size_t best = 0;
    for (int family = kFirstFamily; family <= kLastFamily; ++family)
        for (int level = 0; level < kLevels; ++level)
            for (int variant = 0; variant < kVariants; ++variant) {
                probe.m_nDataFamily = family, probe.m_nDataLevel = level;
                probe.m_nDataVariant = variant, probe.m_strTopicCode.clear();
                probe.BuildDataFileName();
                std::string prefix = probe.m_strDataFile;
                prefix.resize(prefix.size() - 4); // ".txt"
                if (prefix.size() <= best || path.compare(0, prefix.size(), prefix) != 0) continue;
                const std::string code =
                    path.substr(prefix.size(), path.size() - prefix.size() - 4);
                if (code.empty() || code.find('\\') != std::string::npos) continue;
                best = prefix.size();
                *topic = SampleTopic{topic->name, code, family, level, variant};
            }
    return best > 0;
}

std::vector<SampleTopic> SampleTopics() {
    std::vector<SampleTopic> topics;
    std::error_code ec;
    const fs::path root(PEMRO_RUN_DIR);
    auto probe = std::make_unique<CPemroView>();
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || it->path().extension() != ".txt") continue;
        const std::string rel = it->path().lexically_relative(root).generic_string();
        std::string backslashed = rel;
        std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
        SampleTopic topic;
        topic.name = rel.substr(0, rel.size() - 4);
        if (FindTopic(*probe, backslashed, &topic)) topics.push_back(topic);
    }
    std::sort(topics.begin(), topics.end(),
              [](const SampleTopic& a, const SampleTopic& b) { return a.name < b.name; });
    return topics;
}

void SamplePage(benchmark::State& state, const SampleTopic& topic) {
    auto view =
        OpenSamplePage(topic.code.c_str(), topic.family, 1280, 960, topic.level, topic.variant);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

} // namespace

void RegisterSamplePageBenchmarks() {
    for (const SampleTopic& topic : SampleTopics())
        benchmark::RegisterBenchmark(("SamplePage/" + topic.name).c_str(), SamplePage, topic)
            ->Unit(benchmark::kMillisecond);
}
