// The double integral of the surface demonstrations over the active plane
// region: area, integral of the upper surface, volume between the two, and
// the areas of the two surfaces.
#include "view/view.h"

#include "catalog/surface_pass.h"
#include "solid/math/scene_math.h"

double CPemroView::ComputeRegionIntegral(int nx, int ny, double x1, double x2, double y1, double y2,
                                         int upperIndex, int lowerIndex, int kind) {
    SurfacePass pass(*this);
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, upperIndex); };
    const auto g = [&](double x, double y) { return EvalSurfaceG(x, y, lowerIndex); };
    const auto region = [&](double x, double y) { return EvalRegionFunction(x, y, m_nFuncF); };
    return solid::RegionIntegral(nx, ny, x1, x2, y1, y2, kind, f, g, region, m_bDrawInverted != 0);
}
