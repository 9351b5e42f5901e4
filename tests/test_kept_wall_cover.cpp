// A cover kept from an earlier pass is the one the column has now: after
// each change of the surfaces, the z range, the projection or the cells it
// equals the cover found afresh.
#include "test_support.h"

#include "catalog/surface_pass.h"
#include "solid/wall_cover.h"

#include <functional>
#include <vector>

using namespace test_support;

namespace {

bool SameCover(const CPemroView::WallCover& a, const CPemroView::WallCover& b) {
    return a.left == b.left && a.top == b.top && a.bottom == b.bottom;
}

} // namespace

TEST(KeptWallCover, FollowsEveryInputOfTheColumn) {
    InRunDir runDir;
    auto v = OpenTopic("321", nullptr, 1586, 927);
    PressControl(*v, u8"高斯和");
    struct Change {
        const char* name;
        std::function<void(CPemroView&)> apply;
    };
    const Change changes[] = {
        {"upper surface coefficient", [](CPemroView& w) { w.m_adCoefSurfF[5] += 0.5; }},
        {"upper surface cut by a plane",
         [](CPemroView& w) { w.m_nSurfaceEvalMode = 1, w.m_dDirP = w.m_dDirP > 3 ? 2.5 : 3.5; }},
        {"z range", [](CPemroView& w) { w.m_dZMax += 1, w.m_dZSpan += 1; }},
        {"vertical scale", [](CPemroView& w) { w.m_nProjScaleZ += 40; }},
        {"depth scale", [](CPemroView& w) { w.m_nProjScaleY -= 30; }},
        {"cells", [](CPemroView& w) { w.m_nMeshDivX += 7, w.m_nMeshDivY += 3; }},
    };
    for (const Change& c : changes)
        for (bool prisms : {false, true}) {
            const auto cover = [&](bool kept) {
                const double cx = v->m_dXSpan / v->m_nMeshDivX, cy = v->m_dYSpan / v->m_nMeshDivY;
                const double x = v->m_dXMin + 20 * cx;
                std::vector<double> rows;
                for (int i = 0; i < v->m_nMeshDivY; ++i) rows.push_back(v->m_dYMin + i * cy);
                // As in a pass: the surfaces' coefficients are gathered.
                CPemroView::SurfacePass pass(*v);
                if (kept) return KeptWallCover(*v, prisms, x, cx, cy, rows);
                return prisms ? v->FindPrismCover(x, cx, cy, rows) : v->FindWallCover(x, cy, rows);
            };
            const auto before = cover(false);
            EXPECT_FALSE(before.top.empty()) << c.name;
            EXPECT_TRUE(SameCover(cover(true), before)) << c.name;
            c.apply(*v);
            const auto after = cover(false);
            EXPECT_FALSE(SameCover(after, before)) << c.name << " changes nothing";
            EXPECT_TRUE(SameCover(cover(true), after)) << c.name << (prisms ? " prisms" : " walls");
        }
}
