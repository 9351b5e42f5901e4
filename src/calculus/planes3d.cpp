// A plane patch through a point, the pencil of planes through the line where
// two planes meet, and the angle of its member with a third plane or a line.
#include "view/view.h"

#include "calculus/math/plane_angles.h"
#include "catalog/surface_pass.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "solid/step_strokes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kArgPlane3 = 7;
constexpr int kArgPlanePencil = 12;
constexpr double kMinSpan = 0.1;
constexpr double kMinWeight = 0.01;
constexpr double kStripFraction = 0.01;
// The cell grid of the member: 0.01 world units, coarser on a wide box so a
// pass stays bounded.
constexpr double kCell = 0.01;
constexpr int kMaxCellsPerSide = 200;
constexpr double kAxisStep = 0.0001;
constexpr double kAxisSegment = 0.001;
constexpr int kMaxAxisSteps = 10000;
constexpr int kQuadricForm = 1;

// Whether the axis, between the x it has at the cell's two heights, can pass
// through the strip; the margin keeps every point the walk would draw.
bool AxisMayCrossStrip(double xa1, double xa2, double x, double strip) {
    const double margin = 1e-6 * strip;
    return !(std::max(xa1, xa2) < x - margin || std::min(xa1, xa2) > x + strip + margin);
}

} // namespace

void CPemroView::CmdPlane3(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const int normal = ScriptInt(ReadScriptNumber(kArgPlane3));
    double v[9];
    for (double& x : v) x = ReadScriptNumber(m_nParsePos);
    std::copy(v + 3, v + 6, m_adCommandPoint3D);
    ReadScriptColors(TRUE, TRUE);
    if (m_bLoadScriptSettings) m_nProjectionDisplay = 0;
    if (m_bFullRepaint || HitTestGraphRegion(0))
        DrawPlane3(pDC, normal, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], m_crPen,
                   m_crFill);
}

void CPemroView::DrawPlane3(CDC* pDC, int bNormal, double px, double py, double pz, double ux,
                            double uy, double uz, double vx, double vy, double vz, COLORREF crEdge,
                            COLORREF crFill) {
    if (!IsFigureBandVisible()) return;
    const double n[3] = {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
    const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (!(len > kMinSpan)) return;
    const auto edge = [&](double s1, double t1, double s2, double t2) {
        DrawLine3D(pDC, px + s1 * ux + t1 * vx, py + s1 * uy + t1 * vy, pz + s1 * uz + t1 * vz,
                   px + s2 * ux + t2 * vx, py + s2 * uy + t2 * vy, pz + s2 * uz + t2 * vz, crEdge);
    };
    edge(1, 1, 1, -1);
    edge(1, 1, -1, 1);
    edge(-1, -1, 1, -1);
    edge(-1, -1, -1, 1);
    // A patch that runs out of the figure has an open outline there: the
    // fill stops at the figure's edge instead of flooding the page.
    const CRect saved = pDC->GetClipRect();
    const CPoint org = pDC->GetViewportOrg();
    const CRect figure(m_nFigureLeft + org.x, m_nFigureTop + org.y, m_nFigureRight + org.x,
                       m_nFigureBottom + org.y);
    pDC->SetClipRect(figure.Intersect(saved));
    FloodFillWorld3D(pDC, px, py, pz, crEdge, crFill);
    pDC->SetClipRect(saved);
    if (bNormal == 1)
        DrawArrow3D(pDC, px, py, pz, px + n[0] / len, py + n[1] / len, pz + n[2] / len, 0, "", "",
                    crEdge);
}

void CPemroView::CmdPlanePencil(CDC* pDC) {
    ReadPlotSetup3D(kArgPlanePencil);
    if (!m_bFigureVisible) return;
    const int mode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (mode >= 1)
        for (int i = 0; i < 3; ++i) m_adCoefSurfF[i] = ReadScriptNumber(m_nParsePos);
    if (mode >= 2) m_adCoefSurfG[0] = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) m_nProjectionDisplay = 0;
    DrawPlanePencil(pDC, mode);
}

void CPemroView::DrawPlanePencil(CDC* pDC, int mode) {
    const double a = m_adCoefSurfF[0], b = m_adCoefSurfF[1], c = m_adCoefSurfF[2];
    const double g = m_adCoefSurfG[0];
    const int savedPixel = m_nPixelSize;
    m_bDrawInverted = 1;
    m_nSurfaceUpper = m_nSurfaceLower = m_nPendingSurfaceUpper = m_nPendingSurfaceLower =
        kQuadricForm;
    for (int i = 0; i < 3; ++i) m_adCoefSurfF[i] = m_adCoefSurfG[i] = 0;
    // The member left in the upper plane by the last pass is not a new P1:
    // the pencil keeps its own plane so it stays put across passes.
    double* up = m_adCoefSurfF + 3;
    if (!(m_bPencilHeld && std::equal(up, up + 3, m_adPencilMember)))
        std::copy(up, up + 3, m_adPencilP1);
    m_bPencilHeld = TRUE;
    const double* p1 = m_adPencilP1;
    const double p2[3] = {m_adCoefSurfG[3], m_adCoefSurfG[4], m_adCoefSurfG[5]};
    if (!IsFigureBandVisible()) return;
    // The page's own scene has no surface range and switches the projection
    // off; in 方式1 the strips show it, and their toggle holds it.
    const int projection = m_nProjectionDisplay;
    DrawSurfaceScene(pDC, 0, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    const int bx = m_nFigureRight, top = m_nFigureTop;
    if (TextButton(pDC, bx, top, Gbk(u8"λ增")))
        m_dSavedLambda += m_dParamStep, m_bLoadScriptSettings = 0;
    if (TextButton(pDC, bx, top + 24, Gbk(u8"λ减")))
        m_dSavedLambda -= m_dParamStep, m_bLoadScriptSettings = 0;
    if (TextButton(pDC, bx, top + 48, Gbk(u8"方式1"))) m_nDemoOption2 = 1;
    if (TextButton(pDC, bx, top + 72, Gbk(u8"方式2"))) m_nDemoOption2 = 0;
    if (m_nDemoOption2 != 0) m_nDemoOption2 = 1;
    m_nProjectionDisplay = m_nDemoOption2 == 1 ? projection : 0;
    const double w = m_dLambda + 1;
    double member[3];
    for (int i = 0; i < 3; ++i)
        member[i] = std::fabs(w) >= kMinWeight ? (m_dLambda * p1[i] + p2[i]) / w : p1[i];
    // The member goes with its box: a pass that drew the box afresh (the
    // page opened, scrolled or resized) draws the member too, not only one
    // whose stored click lies in the figure.
    if (std::fabs(w) >= kMinWeight && IsFigureRedrawn())
        DrawPencilStrips(pDC, mode, member, p1, p2, a, b, c, g);
    m_nPixelSize = savedPixel;
    std::copy(p1, p1 + 3, up);
    std::copy(p2, p2 + 3, m_adCoefSurfG + 3);
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin, m_dZMax, Gbk(u8"λ="), 3, m_dLambda, m_crCurveSetting);
    std::copy(member, member + 3, up);
    std::copy(member, member + 3, m_adPencilMember);
    if (mode != 1 && mode != 2) return;
    const calculus::PencilAngle angle = mode == 1
                                            ? calculus::PlaneAngle(member[0], member[1], a, b)
                                            : calculus::LinePlaneAngle(member[0], member[1], a, b);
    m_dDirM = angle.lengths;
    m_dDemoParam = angle.cosine;
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin, m_dZMax - 0.1 * m_dZSpan,
                     Gbk(mode == 1 ? u8"二平面夹角=" : u8"直线与平面夹角="), 3, angle.degrees,
                     m_crCurveSetting);
}

void CPemroView::DrawPencilStrips(CDC* pDC, int mode, const double* member, const double* p1,
                                  const double* p2, double a, double b, double c, double g) {
    // The strips keep inside the box: each is a scene of its own, and a
    // region set far wider would draw thousands of them outside the figure.
    const double x0 = std::max(m_adRegionRect[0], m_dXMin);
    const double x1 = std::min(m_adRegionRect[1], m_dXMax);
    const double y0 = std::max(m_adRegionRect[2], m_dYMin);
    const double y1 = std::min(m_adRegionRect[3], m_dYMax);
    const double strip = kStripFraction * m_dXSpan;
    if (!(strip > 0) || !(x1 > x0) || !(y1 >= y0)) return;
    const double cell =
        std::max({kCell, (x1 - x0) / kMaxCellsPerSide, (y1 - y0) / kMaxCellsPerSide});
    const double A = p1[0] * p2[1] - p2[0] * p1[1];
    const double B = p2[1] * p1[2] - p1[1] * p2[2];
    const double C = p2[0] * p1[2] - p1[0] * p2[2];
    const auto axisX = [&](double z) { return ((p2[1] - p1[1]) * z - B) / A; };
    const auto axisY = [&](double z) { return ((p1[0] - p2[0]) * z + C) / A; };
    const double lower[3] = {mode == 0 ? member[0] : a, mode == 0 ? member[1] : b,
                             mode == 0 ? member[2] : c};
    // Strips, columns of a strip and rows, counted before drawing and bounded
    // together: far from the origin a step can be too small to move x.
    long counts[3] = {steps::Count(x0, x1 - strip, strip, kMaxCellsPerSide, true),
                      steps::Count(0, strip, cell, kMaxCellsPerSide, false),
                      steps::Count(y0, y1, cell, kMaxCellsPerSide + 1, true)};
    steps::FitProduct(counts, 3, 2.0 * kMaxCellsPerSide * kMaxCellsPerSide);
    for (long is = 0; is < counts[0]; ++is) {
        const double x = x0 + double(is) * strip;
        if (m_nDemoOption2 == 1) {
            // Each strip is a scene over the strips before it. Its ticks,
            // buttons and axes are the same in every strip, and the last
            // strip's cover the earlier ones exactly: only the last draws
            // them. The page's own scene has answered the click; the
            // buttons drawn again over the strips do not answer it again,
            // but for the projection toggle, which only the last strip shows.
            const BOOL clickPass = m_bClickPass;
            const bool last = is + 1 == counts[0];
            m_bClickPass = FALSE;
            m_bProjectionToggleAnswers = last && clickPass;
            DrawSurfaceScene(pDC, last ? 1 : kSceneStripUnder, 0, 0, x, x + strip, y0, y1, "x", "y",
                             "z");
            m_bProjectionToggleAnswers = FALSE;
            m_bClickPass = clickPass;
        }
        std::copy(member, member + 3, m_adCoefSurfF + 3);
        std::copy(lower, lower + 3, m_adCoefSurfG + 3);
        // The strip's planes with their coefficients read once for all its
        // cells, which leave them alone.
        std::optional<SurfacePass> pass(std::in_place, *this);
        const SurfacePass::Sampler upperAt(*this, 0, kQuadricForm), lowerAt(*this, 1, kQuadricForm);
        // Tens of thousands of lines a pass, each a pixel or two long: they
        // run down the columns, so a line starts where the row before ended
        // and that end's heights and pixel serve again.
        solid::StepStrokes strokes(*this, pDC);
        for (long ic = 0; ic < counts[1]; ++ic) {
            const double xc = x + double(ic) * cell;
            double yEnd = std::nan(""), zuEnd = 0, zlEnd = 0;
            for (long iy = 0; iy < counts[2]; ++iy) {
                const double y = y0 + double(iy) * cell;
                const bool joined = y == yEnd;
                const double zu = joined ? zuEnd : upperAt(xc, y);
                const double zu2 = upperAt(xc, y + cell);
                const double t = (1 - (zu - m_dZMin) / m_dZSpan) * m_nBrightness3D;
                strokes.Add(0, {xc, y, zu}, {xc, y + cell, zu2}, MakeRGB(255, t, t));
                // The lower plane counts in the two modes that draw it or the
                // line over it.
                const double zl = mode != 1 && mode != 2 ? 0
                                  : joined && mode == 1  ? zlEnd
                                                         : lowerAt(xc, y);
                // The line and the axis are drawn between the two planes.
                bool between = false;
                const auto drawBetween = [&] {
                    if (!between) strokes.EndStep();
                    between = true;
                };
                if (mode == 2) {
                    const double ly = a * xc + c, lz = b * xc + g;
                    if (y <= ly && ly <= y + cell && lz >= zl) {
                        drawBetween();
                        DrawLine3D(pDC, xc, ly, lz, xc + cell, a * (xc + cell) + c,
                                   b * (xc + cell) + g, m_crFirstDerivative);
                    }
                }
                // A flat z range gives no step: the axis walk would spin to its cap in every cell.
                if (A != 0 && kAxisStep * m_dZSpan > 0 &&
                    AxisMayCrossStrip(axisX(zu), axisX(zu2), x, strip)) {
                    drawBetween();
                    const int keep = m_nPixelSize;
                    m_nPixelSize = 2;
                    const double zHi = std::max(zu, zu2), dz = kAxisStep * m_dZSpan;
                    const long nCount =
                        steps::Count(std::min(zu, zu2), zHi, dz, kMaxAxisSteps, false);
                    // The segments overlap ten times over, and most project
                    // onto the pixels of the one before: an opaque stroke
                    // drawn again right after itself changes nothing.
                    const bool repeats = DrawingCachesEnabled() && pDC->GetROP2() == R2_COPYPEN;
                    bool drawn = false;
                    CPoint lastA, lastB;
                    for (long n = 0; n < nCount; ++n) {
                        const double z = std::min(zu, zu2) + double(n) * dz;
                        const double xa = axisX(z);
                        if (!(x <= xa && xa < x + strip)) continue;
                        const double z2 = z + kAxisSegment * m_dZSpan;
                        CPoint pa, pb;
                        if (!IsFigureBandVisible() ||
                            !ProjectSegment3D(xa, axisY(z), z, axisX(z2), axisY(z2), z2, &pa, &pb))
                            continue;
                        if (repeats && drawn && pa == lastA && pb == lastB) continue;
                        DrawLinePxB(pDC, m_nPixelSize, pa.x, pa.y, pb.x, pb.y, m_crCurveSetting);
                        drawn = true, lastA = pa, lastB = pb;
                    }
                    m_nPixelSize = keep;
                }
                if (between) strokes.Touched();
                if (mode == 1) {
                    const double zl2 = lowerAt(xc, y + cell);
                    const double s = (zl - m_dZMin) / m_dZSpan * m_nBrightness3D;
                    strokes.Add(1, {xc, y, zl}, {xc, y + cell, zl2}, MakeRGB(s, s, 255));
                    zlEnd = zl2;
                }
                strokes.EndStep();
                yEnd = y + cell, zuEnd = zu2;
            }
        }
        pass.reset();
        std::copy(p1, p1 + 3, m_adCoefSurfF + 3);
        std::copy(p2, p2 + 3, m_adCoefSurfG + 3);
    }
}
