// Where this build put what the tests read. The paths differ between
// checkouts, so only test_paths.cpp is compiled with them: every other test
// file compiles alike wherever the tree lies.
#pragma once

namespace test_paths {
extern const char* const kRunDir;     // the run directory (the GBK sample course)
extern const char* const kRenderPage; // the page renderer
extern const char* const kSourceDir;  // the source tree
extern const char* const kSweepKnown; // the state sweep's list of known faults
} // namespace test_paths
