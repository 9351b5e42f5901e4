// Where topic scripts lie: directory prefix and data directory by family,
// level and variant.
#include "view/view.h"

namespace {

// Families 0..3: [family][level][variant] -> file prefix, data directory.
struct DataDirs {
    const char* prefix;
    const char* dir;
};

const DataDirs kLevelledDirs[4][3][2] = {
    {{{"gsdata\\gs", "gsdata\\"}, {"wgsdata\\gs", "wgsdata\\"}},
     {{"gsdata1\\gs", "gsdata1\\"}, {"wgsdata1\\gs", "wgsdata1\\"}},
     {{"gsdata2\\gs", "gsdata2\\"}, {"wgsdata2\\gs", "wgsdata2\\"}}},
    {{{"xddata\\xd", "xddata\\"}, {"wxddata\\xd", "wxddata\\"}},
     {{"xddata1\\xd", "xddata1\\"}, {"wxddata1\\xd", "wxddata1\\"}},
     {{"xddata2\\xd", "xddata2\\"}, {"wxddata2\\xd", "wxddata2\\"}}},
    {{{"gldata\\gl", "gldata\\"}, {"wgldata\\gl", "wgldata\\"}},
     {{"gldata1\\gl", "gldata1\\"}, {"wgldata1\\gl", "wgldata1\\"}},
     {{"gldata2\\gl", "gldata2\\"}, {"wgldata2\\gl", "wgldata2\\"}}},
    {{{"szfxdata\\szfx", "szfxdata\\"}, {"gszfxdata\\szfx", "gszfxdata\\"}},
     {{"szfxdata1\\szfx", "szfxdata1\\"}, {"gszfxdata1\\szfx", "gszfxdata1\\"}},
     {{"szfxdata2\\szfx", "szfxdata2\\"}, {"gszfxdata2\\szfx", "gszfxdata2\\"}}},
};

// Family 4 (entrance-exam review): by variant only.
const char* const kReviewDirs[4] = {"fxtdata\\", "fxtdata1\\", "fxtdata2\\", "fxtdata3\\"};

} // namespace

void CPemroView::BuildDataFileName() {
    // Families 0..3 know variants 0 and 1 only.
    if (m_nDataFamily < 4 && m_nDataVariant > 1) m_nDataVariant = 0;

    const char* prefix = "data\\";
    const char* dir = "data\\";
    if (m_nDataFamily >= 0 && m_nDataFamily <= 3) {
        const int level = m_nDataLevel >= 0 && m_nDataLevel <= 2 ? m_nDataLevel : 0;
        const int variant = m_nDataVariant == 1 ? 1 : 0;
        prefix = kLevelledDirs[m_nDataFamily][level][variant].prefix;
        dir = kLevelledDirs[m_nDataFamily][level][variant].dir;
    } else if (m_nDataFamily == 4) {
        const int variant = m_nDataVariant >= 0 && m_nDataVariant <= 3 ? m_nDataVariant : 0;
        prefix = dir = kReviewDirs[variant];
    }
    m_strDataFile = prefix;
    m_strDataDir = dir;
    m_strDataFile += m_strTopicCode + ".txt";
}
