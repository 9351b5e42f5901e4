// The double integral of the surface demonstrations over the active plane
// region: area, integral of the upper surface, volume between the two, and
// the areas of the two surfaces.
#include "view/view.h"

#include "catalog/catalog_params.h"
#include "catalog/surface_pass.h"
#include "platform/key_hash.h"
#include "solid/math/scene_math.h"

#include <algorithm>

namespace {

// Probe points across the rectangle, off any grid a page would use: the
// surfaces and the region function there stand for the catalogue state.
constexpr int kProbesPerSide = 13;

} // namespace

double CPemroView::ComputeRegionIntegral(int nx, int ny, double x1, double x2, double y1, double y2,
                                         int upperIndex, int lowerIndex, int kind) {
    SurfacePass pass(*this);
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, upperIndex); };
    const auto g = [&](double x, double y) { return EvalSurfaceG(x, y, lowerIndex); };
    const auto region = [&](double x, double y) { return EvalRegionFunction(x, y, m_nFuncF); };
    // The region of a 3-D figure ends at its rectangle: integrate over that
    // part only, so its edges are the rectangle's, not points found on lines.
    if (m_bFigure3D == 1 && m_nFuncF != 0) {
        x1 = std::max(x1, std::min(m_adRegionRect[0], m_adRegionRect[1]));
        x2 = std::min(x2, std::max(m_adRegionRect[0], m_adRegionRect[1]));
        y1 = std::max(y1, std::min(m_adRegionRect[2], m_adRegionRect[3]));
        y2 = std::min(y2, std::max(m_adRegionRect[2], m_adRegionRect[3]));
    }
    KeyHash key;
    for (double v : {x1, x2, y1, y2}) key.Add(v);
    for (int v : {nx, ny, upperIndex, lowerIndex, kind, m_nFuncF, int(m_bDrawInverted)}) key.Add(v);
    // The surfaces' and region curves' own inputs, so that a change of a
    // coefficient is found even where no probe would show it; the probes
    // stand for what these do not name (expansions, profiles).
    key.Add(pass.coefs);
    key.Add(m_nSurfaceEvalMode), key.Add(m_dDirP);
    key.Add(m_adCoefF), key.Add(m_adCoefFExtra);
    for (double d : {m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1}) key.Add(d);
    key.Add(catalog::CoefsB(*this));
    const double px = (x2 - x1) / kProbesPerSide, py = (y2 - y1) / kProbesPerSide;
    for (int i = 0; i < kProbesPerSide; ++i)
        for (int j = 0; j < kProbesPerSide; ++j) {
            const double x = x1 + (i + 0.382) * px, y = y1 + (j + 0.618) * py;
            key.Add(f(x, y)), key.Add(g(x, y)), key.Add(region(x, y));
        }
    const bool memo = DrawingCachesEnabled();
    if (memo)
        for (const RegionIntegralMemo& m : m_aRegionIntegralMemo)
            if (m.known && m.key == key.Value()) return m.value;
    const double value =
        solid::RegionIntegral(nx, ny, x1, x2, y1, y2, kind, f, g, region, m_bDrawInverted != 0);
    if (memo) {
        RegionIntegralMemo& m = m_aRegionIntegralMemo[m_nRegionIntegralMemoNext];
        m_nRegionIntegralMemoNext = (m_nRegionIntegralMemoNext + 1) % kRegionIntegralMemos;
        m.key = key.Value(), m.known = true, m.value = value;
    }
    return value;
}
