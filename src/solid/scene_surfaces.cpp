// The surface part of the scene: the two surfaces cell by cell (mesh and
// dense strokes, the section by z = c), the axes through the origin in the
// painter's order, closing edges, and in the double-integral lesson the
// prisms of the Riemann sum with the approximate and Gauss volumes.
#include "view/view.h"

#include "catalog/surface_pass.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "solid/math/scene_math.h"
#include "solid/wall_cover.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Columns and rows a call may run, whatever range it names.
constexpr int kMaxCellsPerSide = 4 * solid::kMaxMeshDivisions;
// Strokes of one cell and hatch lines of one section.
constexpr int kMaxStrokesPerCell = 4000;
constexpr int kHatchParts = 5;

int MeshCount(int n) {
    return n < 1 ? 1 : n;
}

} // namespace

// The cells of the sum: on the region's rectangle where the region has one
// (inside the range), else the mesh's cells of the range.
CPemroView::PrismGrid CPemroView::PrismGridOn(double x1, double x2, double y1, double y2, double cx,
                                              double cy) const {
    if (m_bFigure3D == 1 && m_nFuncF != 0) {
        const double* r = m_adRegionRect;
        x1 = std::max(x1, std::min(r[0], r[1])), x2 = std::min(x2, std::max(r[0], r[1]));
        y1 = std::max(y1, std::min(r[2], r[3])), y2 = std::min(y2, std::max(r[2], r[3]));
    }
    const auto count = [](double from, double to, double cell) {
        const double n = std::round((to - from) / cell);
        return n >= 1 && n <= kMaxCellsPerSide ? long(n) : 1L;
    };
    if (!(x2 > x1) || !(y2 > y1) || !(cx > 0) || !(cy > 0)) return PrismGrid{x1, y1, cx, cy, 0, 0};
    const long nx = count(x1, x2, cx), ny = count(y1, y2, cy);
    return PrismGrid{x1, y1, (x2 - x1) / double(nx), (y2 - y1) / double(ny), nx, ny};
}

void CPemroView::DrawSceneSurfaces(CDC* pDC, BOOL bCells, double dXFrom, double dXTo, double dYFrom,
                                   double dYTo, double sx, double sy, const int* front,
                                   const int* back, const CString& strXLabel,
                                   const CString& strYLabel, const CString& strZLabel) {
    // Drawing only, no buttons: the page's drawing after a click draws it.
    if (m_bAnsweringClick) return;
    // One set of coefficients and expansions for all the cells.
    SurfacePass pass(*this);
    const double Dx = m_dXSpan, Dy = m_dYSpan, Dz = m_dZSpan;
    const double cx = Dx / MeshCount(m_nMeshDivX), cy = Dy / MeshCount(m_nMeshDivY);
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
    const auto g = [&](double x, double y) { return EvalSurfaceG(x, y, m_nSurfaceLower); };
    const auto region = [&](double x, double y) { return EvalRegionFunction(x, y, m_nFuncF); };
    const double c = m_dDirP;
    const bool prismDemo = m_nSubDemo == 21 && HitTestGraphRegion(0);
    double sum = 0;
    bool axisLeft = false; // the x axis has been drawn where it leaves the solid

    // Dense strokes a pixel apart down the screen (each is two pixels wide),
    // and in the plane inset when it shows them.
    const bool plain = m_nAxisArrangement != 2 && m_nAxisArrangement != 3;
    const int inset = m_nProjectionDisplay == 1
                          ? std::max(m_nInsetRight - m_nInsetLeft, m_nInsetBottom - m_nInsetTop)
                          : 0;
    const int densePixels = std::max(m_nProjScaleX, inset);
    const double denseStep = plain && densePixels > 0 ? std::max(sx, Dx / densePixels) : sx;
    const auto rows = [&](auto fn) {
        steps::ForEach(dYFrom, dYTo - cy / 2, cy, kMaxCellsPerSide, true, fn);
    };
    const long columns =
        bCells ? steps::Count(dXFrom, dXTo - cx / 2, cx, kMaxCellsPerSide, false) : 0;
    // The prisms of the sum lie on the region's rectangle, about as wide as
    // the mesh's cells, so together they cover it exactly.
    const PrismGrid grid = prismDemo ? PrismGridOn(dXFrom, dXTo, dYFrom, dYTo, cx, cy)
                                     : PrismGrid{dXFrom, dYFrom, cx, cy, columns, 0};
    for (long column = 0; column < columns; ++column) {
        const double x = dXFrom + double(column) * cx;
        if (prismDemo) {
            // 1. The Riemann sum as prisms, or the plain mesh of the Gauss sum,
            // the prism columns that start in this column of the mesh.
            std::vector<double> ys;
            for (long j = 0; j < grid.rows; ++j) ys.push_back(grid.y0 + double(j) * grid.cy);
            for (long i = 0; i < grid.columns; ++i) {
                const double px = grid.x0 + double(i) * grid.cx;
                // Each prism column in exactly one column of the mesh.
                const double at = std::floor((px - dXFrom) / cx + 1e-9);
                const long owner = at < 0 ? 0 : at >= double(columns) ? columns - 1 : long(at);
                if (owner != column) continue;
                const double next =
                    i + 1 < grid.columns ? grid.x0 + double(i + 1) * grid.cx : std::nan("");
                if (m_nDemoOption2 == 1)
                    DrawGaussSumColumn(pDC, px, grid.cx, grid.cy, next, ys, front, back, sx, sy);
                else
                    DrawIntegralPrismColumn(pDC, px, grid.cx, grid.cy, next, ys, &sum);
            }
        } else {
            // 2. Dense strokes with the section by z = c, then the mesh.
            const bool dense = (m_nUpperSurfaceStyle != 0 || m_nLowerSurfaceStyle != 0) &&
                               HitTestGraphRegion(0) && m_nSubDemo != 20;
            // The cells of 分割 stand as walls, as the Gauss sum's do: each is
            // left out where the next column's walls paint over it.
            WallCover cover;
            if (m_nSubDemo == 20 && column + 1 < columns) {
                std::vector<double> ys;
                rows([&](double y) { ys.push_back(y); });
                cover = NextColumnWallCover(pDC, dXFrom + double(column + 1) * cx, cx, cy, ys);
            }
            rows([&](double y) {
                if (dense) {
                    const long nCount =
                        steps::Count(x, x + cx, denseStep, kMaxStrokesPerCell, false);
                    for (long n = 0; n < nCount; ++n) {
                        const double s = x + double(n) * denseStep;
                        DrawSurfaceMesh(pDC, s, y, 0, cy, front[0], front[1], front[2], back[0],
                                        back[1], back[2], m_nUpperSurfaceStyle,
                                        m_nLowerSurfaceStyle, sx, sy);
                        if (m_bCutZc == 1 && f(s, y) > c && g(s, y) < c && region(s, y) >= 0) {
                            HatchSectionZ(pDC, s, x, y, cx, cy);
                            break;
                        }
                    }
                }
                DrawCellBeforeWalls(pDC, cover, x, y, cx, cy, front, back, sx, sy);
                if (m_nProjectionDisplay == 1 && m_nDemoOption == 21 &&
                    region(x + cx / 2, y + cy / 2) >= 0)
                    DrawInsetCellEdges(pDC, x, y, cx, cy);
            });
        }
        // 3. The axes through the origin, after the cells left of them.
        if (-1.2 * cx < x && x <= 0) {
            const double g00 = g(0, 0);
            AxisNamesHeld names(this);
            if (m_dZMin <= g00 && g00 <= m_dZMax)
                DrawArrow3D(pDC, 0, 0, g00, 0, 0, m_dZMax, 1, "", strZLabel, m_crAxes);
            DrawSceneFloorAxes(pDC, strXLabel, strYLabel, 1);
        }
        // 4. Where the x axis comes out of the solid.
        if (m_dYMin * m_dYMax < 0 && m_dZMin * m_dZMax < 0 && x > 0 && !axisLeft) {
            const double gx = g(x, 0), fx = f(x, 0);
            if ((0 < gx && gx < m_dZMax) || (fx < 0 && fx > m_dZMin)) {
                DrawArrow3D(pDC, x, 0, 0, m_dXMax, 0, 0, 1, "", "", m_crAxes);
                axisLeft = true;
                // The name belongs to the axis's tip, as the arrow's through
                // the origin does: held names name one end once.
                double tx = m_dXMax, ty = 0, tz = 0;
                TurnPoint3D(&tx, &ty);
                ArrangeAxes3D(&tx, &ty, &tz);
                int px = 0, py = 0;
                if (ProjectPoint3D(tx, ty, tz, &px, &py))
                    BeginAxisName(CPoint(px, py));
                else
                    BeginAxisName();
                DrawText3D(pDC, m_dXMax, 0.05 * Dy, 0.1 * Dz, strXLabel, m_crAxes);
                EndAxisName();
            }
        }
    }

    // 5. to 7. Closing edges on the far sides, one pixel wide in the
    // demonstrations above 24.
    if (bCells) {
        const bool demo = m_nSubDemo > 24;
        const int pixelSize = m_nPixelSize;
        // The meshes' own triples come back as they were: derived again from
        // the slots, they would take a print's darkened slots into the passes
        // after the print.
        int upperMesh[3], lowerMesh[3];
        std::copy(m_anUpperMeshRgb, m_anUpperMeshRgb + 3, upperMesh);
        std::copy(m_anLowerMeshRgb, m_anLowerMeshRgb + 3, lowerMesh);
        if (demo) {
            SplitRGB(m_crCurveSetting);
            for (int i = 0; i < 3; ++i) m_anUpperMeshRgb[i] = m_anLowerMeshRgb[i] = m_anSplitRgb[i];
            m_nPixelSize = 1;
        }
        if (dXTo <= m_adRegionRect[1])
            rows([&](double y) {
                DrawSurfaceMesh(pDC, dXTo, y, 0, cy, front[0], front[1], front[2], back[0], back[1],
                                back[2], 1, 1, sx, sy);
            });
        if (dYTo <= m_adRegionRect[3]) {
            steps::ForEach(dXFrom, dXTo - cx / 2, 2 * cx, kMaxCellsPerSide, true, [&](double x) {
                DrawSurfaceMesh(pDC, x, dYTo, 2 * cx, 0, front[0], front[1], front[2], back[0],
                                back[1], back[2], 1, 1, sx, sy);
            });
        }
        if (demo) {
            std::copy(upperMesh, upperMesh + 3, m_anUpperMeshRgb);
            std::copy(lowerMesh, lowerMesh + 3, m_anLowerMeshRgb);
            m_nPixelSize = pixelSize;
        }
        // 8. The formulas of the two surfaces.
        if (m_bShowFuncName == 1) {
            const int L = m_nFigureLeft, T = m_nFigureTop, ch = m_nBaseCharHeight;
            SetSurfaceFormulaText();
            DrawString(pDC, L + 3 * ch, T, Gbk(u8"上曲面:"), m_crDefaultPen);
            DrawString(pDC, L + 6 * ch, T, m_pszFormulaSurfF, m_crDefaultPen);
            DrawString(pDC, L + 3 * ch, T + ch + m_nFontStep, Gbk(u8"下曲面:"), m_crDefaultPen);
            DrawString(pDC, L + 6 * ch, T + ch + m_nFontStep, m_pszFormulaSurfG, m_crDefaultPen);
        }
    }

    // 9. The sums of the double-integral lesson.
    if (m_nSubDemo == 21 && HitTestGraphRegion(0)) {
        const double x = m_dXMin, y = m_dYMin + Dy / 50, z = m_dZMax - Dz / 9;
        if (m_nDemoOption2 == 0)
            DrawLabelValue3D(pDC, x, y, z, Gbk(u8"体积近似值:"), 3, grid.cx * grid.cy * sum,
                             m_crCurveSetting);
        else
            DrawLabelValue3D(pDC, x, y, z, Gbk(u8"高斯积分:"), 3,
                             ComputeRegionIntegral(m_nMeshDivX, m_nMeshDivY, dXFrom, dXTo, dYFrom,
                                                   dYTo, m_nSurfaceUpper, m_nSurfaceLower,
                                                   solid::kRegionVolume),
                             m_crCurveSetting);
    }
}

// The section of the solid by z = c inside one cell, hatched at fifths of
// the cell from the stroke at s to the cell's far side.
void CPemroView::HatchSectionZ(CDC* pDC, double s, double x, double y, double cx, double cy) {
    const double c = m_dDirP;
    const double mark = m_nPlotHeight > 0 ? m_dYSpan / m_nPlotHeight : 0;
    // The strokes s + k·cx/kHatchParts, k = 1, 2, … until one reaches the far
    // side, counted first (at least one).
    const double s0 = s, ds = cx / kHatchParts;
    const long strokes = std::max(1L, steps::Count(s0, x + cx, ds, 2 * kHatchParts, false));
    for (long n = 1; n <= strokes; ++n) {
        s = s0 + double(n) * ds;
        const long kCount = steps::Count(y, y + cy, cy / kHatchParts, 2 * kHatchParts, false);
        for (long k = 0; k < kCount; ++k) {
            const double t = y + double(k) * (cy / kHatchParts);
            if (!(EvalRegionFunction(s, t + cy / 10, m_nFuncF) >= 0)) continue;
            const double t2 = t + cy / kHatchParts;
            DrawLine3D(pDC, s, t, c, s, t2, c, m_crSection);
            if (m_bProjectBase) DrawLine3D(pDC, s, t, m_dZMin, s, t2, m_dZMin, m_crFirstDerivative);
            if (m_bProjectXoy) DrawLine3D(pDC, s, t, 0, s, t2, 0, m_crSecondDerivative);
            if (m_nProjectionDisplay == 1)
                DrawLineWorldMode(pDC, s, t, s, t + mark, m_crCurveSetting, 0);
        }
    }
}

void CPemroView::DrawInsetCellEdges(CDC* pDC, double x, double y, double cx, double cy) {
    DrawLineWorldMode(pDC, x, y, x + cx, y, m_crDefaultPen, 0);
    DrawLineWorldMode(pDC, x + cx, y, x + cx, y + cy, m_crDefaultPen, 0);
    DrawLineWorldMode(pDC, x + cx, y + cy, x, y + cy, m_crDefaultPen, 0);
    DrawLineWorldMode(pDC, x, y + cy, x, y, m_crDefaultPen, 0);
}
