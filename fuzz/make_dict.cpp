// fuzz-dict: writes the page fuzzer's dictionary: every script keyword with
// its opening bracket, the record headers of commands and text, and the
// argument punctuation. Built from the keyword table, so it follows it.
#include "view/view_tables.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz-dict FILE\n");
        return 1;
    }
    std::FILE* f = std::fopen(argv[1], "w");
    if (!f) return 1;
    int n = 0;
    for (const char* keyword : kScriptKeywords)
        if (keyword) std::fprintf(f, "kw%d=\"%s(\"\n", n++, keyword);
    // Headers: class, subtype, parameter; 7x is a command record.
    for (const char* header : {"700", "703", "100", "103", "200", "300", "400", "500", "093", "603",
                               "803", "903", "1a3"})
        std::fprintf(f, "\"%s\\x0a\"\n", header);
    for (const char* p : {",", ")", "\\x0a", "-", ".", "/"}) std::fprintf(f, "\"%s\"\n", p);
    return std::fclose(f) == 0 ? 0 : 1;
}
