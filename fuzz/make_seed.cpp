// fuzz-seed: writes the page fuzzer's seed corpus from the sample pages of a
// run directory: each page whole, and each of its commands as a page of its
// own. The small pages cost a pass of one figure, so the fuzzer spends its
// time mutating one command at a time rather than redrawing whole pages.
//   fuzz-seed RUN_DIR SEED_DIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

bool Write(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out);
}

// A command's page: the title, the data records before it (commands read
// their data from them), the command directly above it when there is one
// (a frame that the command draws into), and the command itself.
std::string CommandPage(const std::vector<std::string>& lines, size_t i) {
    std::string page = lines.front() + "\n";
    for (size_t j = 1; j < i; ++j)
        if (StartsWith(lines[j], "700DATA")) page += lines[j] + "\n";
    if (i > 1 && StartsWith(lines[i - 1], "700") && !StartsWith(lines[i - 1], "700DATA"))
        page += lines[i - 1] + "\n";
    return page + lines[i] + "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz-seed RUN_DIR SEED_DIR\n";
        return 1;
    }
    const fs::path run = argv[1], seed = argv[2];
    std::error_code ec;
    fs::remove_all(seed, ec);
    fs::create_directories(seed);
    for (const auto& entry : fs::recursive_directory_iterator(run)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".txt") continue;
        std::string name = fs::relative(entry.path(), run).string();
        for (char& c : name)
            if (c == '/') c = '_';
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!Write(seed / name, text.str())) return 1;

        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        for (size_t i = 1; i < lines.size(); ++i) {
            if (!StartsWith(lines[i], "700") || StartsWith(lines[i], "700DATA")) continue;
            const std::string stem = name.substr(0, name.size() - 4);
            if (!Write(seed / (stem + "_" + std::to_string(i) + ".txt"), CommandPage(lines, i)))
                return 1;
        }
    }
    return 0;
}
