// Topic selection: every topic command resets the view to its directory
// family and names the topic script that the next pass reads.
#include "view/menu_tables.h"
#include "view/view.h"

namespace {

constexpr int kMaxDataLevel = 2;
constexpr int kMaxDataVariant = 3;

} // namespace

void CPemroView::SelectTopic(const TopicRow& row) {
    m_nFontStep = 0;
    // The reset stores the family, restores the per-topic state and asks for
    // a repaint; the page is read after this handler has returned.
    ResetTopic(row.family);
    m_strTopicCode = row.code ? row.code : "";
    // The reset page length stands only until the page is laid out again:
    // the next pass takes even the page already shown as new, so opening it
    // again still lets it scroll to its end.
    m_strLastDataPath.clear();
    // A lecturer opening a topic starts reading at its top, not where the
    // last page was scrolled to.
    ScrollToPosition(CPoint(0, 0));

    // Fields the reset also sets must be stored after it.
    switch (row.extra) {
    case TopicExtra::None:
        break;
    case TopicExtra::OdeOrder1:
        m_nOdeOrder = 1;
        m_nOdeForm = 0;
        break;
    case TopicExtra::OdeOrder2:
        m_nOdeOrder = 2;
        m_nOdeForm = 0;
        break;
    case TopicExtra::OdeForm1:
        m_nOdeForm = 1;
        break;
    case TopicExtra::SpecificGravity:
        m_dSpecificGravity = 2.0;
        break;
    case TopicExtra::Iteration:
        // The complex iterations want a fine tolerance, a window symmetric
        // about the origin and many steps below a lower escape bound.
        m_dEpsilon = 1e-7;
        m_dXMin = -m_dXMax;
        m_dYMin = -m_dYMax;
        m_nDemoStep = 1000;
        m_dEscapeBound = 1e6;
        Invalidate(TRUE);
        break;
    case TopicExtra::SurfaceEdit:
        m_nSurfaceCoefEdit = 1;
        break;
    }
}

// The level and variant take effect with the next file name the pass builds.
void CPemroView::OnDataLevel(int level) {
    if (level >= 0 && level <= kMaxDataLevel) m_nDataLevel = level;
}

void CPemroView::OnDataVariant(int variant) {
    if (variant >= 0 && variant <= kMaxDataVariant) m_nDataVariant = variant;
}
