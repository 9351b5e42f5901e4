#include "test_paths.h"

namespace test_paths {
const char* const kRunDir = PEMRO_RUN_DIR;
const char* const kRenderPage = PEMRO_RENDER_PAGE;
const char* const kSourceDir = PEMRO_SOURCE_DIR;
const char* const kSweepKnown = PEMRO_SWEEP_KNOWN;
} // namespace test_paths
