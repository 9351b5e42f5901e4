// fuzz-seed: writes the page fuzzer's seed corpus from the sample pages of a
// run directory: each page whole, and each of its commands as a page of its
// own. The small pages cost a pass of one figure, so the fuzzer spends its
// time mutating one command at a time rather than redrawing whole pages.
//   fuzz-seed RUN_DIR SEED_DIR
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A command record: class 7 and a subtype digit, whatever its parameter.
bool IsCommand(const std::string& line) {
    return line.size() > 3 && line[0] == '7' && line[1] >= '0' && line[1] <= '9';
}
bool IsData(const std::string& line) {
    return IsCommand(line) && line.compare(3, 4, "DATA") == 0;
}

// The label lines after a command record: its parameter digit asks for one
// row of labels, or two from 2 on; commands of curves, regions and domains
// (C, R, D) name both axes in a row.
size_t LabelLines(const std::string& line) {
    const int param = line[2] >= '0' && line[2] <= '9' ? line[2] - '0' : 7;
    if (param <= 0) return 0;
    const size_t row = line[3] == 'C' || line[3] == 'R' || line[3] == 'D' ? 2 : 1;
    return param >= 2 ? 2 * row : row;
}

// The lines of a command record: the command and its labels.
std::string Record(const std::vector<std::string>& lines, size_t i) {
    std::string r;
    const size_t end = std::min(lines.size(), i + 1 + LabelLines(lines[i]));
    for (size_t j = i; j < end; ++j) r += lines[j] + "\n";
    return r;
}

bool Write(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out);
}

// A command's page: the title, the data records before it (commands read
// their data from them), the command directly above it when there is one
// (a frame that the command draws into), and the command itself.
std::string CommandPage(const std::vector<std::string>& lines, size_t i, size_t previous) {
    std::string page = lines.front() + "\n";
    for (size_t j = 1; j < i; ++j)
        if (IsData(lines[j])) page += Record(lines, j);
    if (previous > 0 && previous + 1 + LabelLines(lines[previous]) == i && !IsData(lines[previous]))
        page += Record(lines, previous);
    return page + Record(lines, i);
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
        size_t previous = 0; // the command record before, when there is one
        for (size_t i = 1; i < lines.size(); ++i) {
            if (!IsCommand(lines[i])) continue;
            const std::string stem = name.substr(0, name.size() - 4);
            if (!IsData(lines[i]) && !Write(seed / (stem + "_" + std::to_string(i) + ".txt"),
                                            CommandPage(lines, i, previous)))
                return 1;
            previous = i;
            i += LabelLines(lines[i]); // labels are not records
        }
    }
    return 0;
}
