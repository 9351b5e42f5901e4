// The keyword tests of the command chain, for the chain itself and its tests.
#pragma once

#include <vector>

// Tests in the chain; the first five run on every command record, the rest
// only past the gate (all content shown, no closed answer block).
constexpr int kCommandTests = 130;
constexpr int kTestsBeforeGate = 5;

// A test fires when the first `bytes` bytes of the line equal those of the
// keyword (case-sensitive; nothing after them is looked at).
bool CommandLineMatches(const char* line, const char* keyword, int bytes);

// Test numbers (1 .. kCommandTests, chain order) that fire for the line, the
// keywords taken by slot from the table (a null slot never fires); the gate
// is not applied.
std::vector<int> FiringCommandTests(const char* const* keywordTable, int tableSize,
                                    const char* line);
