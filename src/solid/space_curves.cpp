// Space curves in the scene (y = f(x), z = g(x); a parametric triple; the
// meeting of a vertical cylinder with the two surfaces) with projections on
// the coordinate planes, and cylinders over a plane curve along a direction
// the reader turns.
#include "view/view.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "solid/math/coord_math.h"

#include <cmath>

namespace {

constexpr int kArgSpaceCurve = 11;
constexpr int kArgCylinder = 9;
// Fine samples of a whole range, and a little more for rounding.
constexpr int kFineSamples = 10000;
constexpr int kFineCap = kFineSamples + 16;
constexpr int kCoarseCap = 2000;

} // namespace

void CPemroView::CmdSpaceCurve(CDC* pDC) {
    ReadPlotSetup3D(kArgSpaceCurve);
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    DrawSurfaceScene(pDC, 0, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    const int projection = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_dIntervalA = ReadScriptNumber(m_nParsePos);
    m_dIntervalB = ReadScriptNumber(m_nParsePos);
    DrawSpaceCurve(pDC, m_nRegionType, projection, m_dIntervalA, m_dIntervalB);
}

void CPemroView::DrawSpaceCurve(CDC* pDC, int form, int projection, double t1, double t2) {
    if (!IsFigureBandVisible()) return;
    if (!IsFigureRedrawn()) return;
    SplitRGB(m_crSection);
    const int r = m_anSplitRgb[0], g = m_anSplitRgb[1], b = m_anSplitRgb[2];
    const double B = m_nBrightness3D;
    const auto shade = [&](double d) {
        return MakeRGB(B * d + (1 - d) * r, B * d + (1 - d) * g, B * d + (1 - d) * b);
    };
    const double h = (t2 - t1) / kFineSamples;
    m_nSideSurfaces = projection;
    if (form < 0) {
        if (TextButton(pDC, m_nFigureRight, m_nFigureTop, Gbk(u8"参数x"))) m_dDemoParam = 0.0;
        if (TextButton(pDC, m_nFigureRight, m_nFigureTop + 24, Gbk(u8"参数t"))) m_dDemoParam = 1.0;
        form = ScriptInt(m_dDemoParam);
    }
    if (form < 0 || form > 3 || !IsSceneUsable()) return;
    const int N = m_nMeshDivX + m_nMeshDivY;
    const double coarse = N > 0 ? (t2 - t1) / N : 0;

    if (form == 0 || form == 1) {
        const double xc = m_dXMin, yc = m_dYMin + m_dParamStep * m_dYSpan;
        const auto caption = [&](double z, const char* text) {
            DrawText3D(pDC, xc, yc, z, Gbk(text), m_crCurveSetting);
        };
        if (form == 0) {
            caption(m_dZMax - 0.05 * m_dZSpan, u8"空间曲线{             ");
            caption(m_dZMax, u8"         y=f(x)");
            caption(m_dZMax - 0.12 * m_dZSpan, u8"         z=g(x)");
        } else {
            caption(m_dZMax - 0.1 * m_dZSpan, u8"空间曲线{y=y(t)  ");
            caption(m_dZMax, u8"         x=x(t) ");
            caption(m_dZMax - 0.2 * m_dZSpan, u8"         z=z(t) ");
        }
        const auto at = [&](double t) {
            if (form == 0)
                return solid::Vec3{t, EvalF(t, m_nFuncF), EvalCatalogueB(t, m_nFuncLower)};
            return solid::Vec3{EvalParamX(t, m_nFuncF), EvalParamY(t, m_nFuncF),
                               EvalCatalogueB(t, m_nFuncLower)};
        };
        if (!solid::StepUsable(coarse)) return;
        solid::Vec3 q = at(t1);
        const long nCount = steps::Count(t1, t2, coarse, kCoarseCap, true);
        for (long n = 0; n < nCount; ++n) {
            const double t = t1 + double(n) * coarse;
            const solid::Vec3 p = at(t);
            const bool inside = m_dYMin < p.y && p.y < m_dYMax && m_dZMin < p.z && p.z < m_dZMax &&
                                (form == 0 || (m_dXMin < p.x && p.x < m_dXMax));
            if (inside) {
                if (projection == 1 || projection >= 4) {
                    DrawLine3D(pDC, p.x, p.y, p.z, p.x, p.y, 0, shade((p.z - m_dZMin) / m_dZSpan));
                    DrawLine3D(pDC, p.x, p.y, 0, q.x, q.y, 0, m_crDefaultPen);
                }
                if (projection == 2 || projection >= 4) {
                    DrawLine3D(pDC, p.x, p.y, p.z, p.x, 0, p.z, shade((p.y - m_dYMin) / m_dYSpan));
                    DrawLine3D(pDC, p.x, 0, p.z, q.x, 0, q.z, m_crDefaultPen);
                }
                if (projection == 3 || projection >= 4) {
                    DrawLine3D(pDC, p.x, p.y, p.z, 0, p.y, p.z, shade((p.x - m_dXMin) / m_dXSpan));
                    DrawLine3D(pDC, 0, p.y, p.z, 0, q.y, q.z, m_crDefaultPen);
                }
                DrawLine3D(pDC, p.x, p.y, p.z, q.x, q.y, q.z, m_crCurveSetting);
            }
            q = p;
        }
        return;
    }

    // Forms 2 and 3: the vertical cylinder over a plane curve between the
    // two surfaces.
    if (!solid::StepUsable(coarse) || !solid::StepUsable(h)) return;
    const auto foot = [&](double s, double* x, double* y) {
        if (form == 2) {
            *x = s, *y = EvalF(s, m_nFuncF);
        } else {
            *x = EvalParamX(s, m_nFuncF), *y = EvalParamY(s, m_nFuncF);
        }
    };
    const auto inside = [&](double x, double y) {
        return m_dYMin <= y && y <= m_dYMax && (form == 2 || (m_dXMin <= x && x <= m_dXMax));
    };
    const auto dot = [&](double x, double y, double z, COLORREF c) {
        DrawLine3D(pDC, x, y, z, x, y, z, c);
    };
    const long nCount = steps::Count(t1, t2, coarse, kCoarseCap, true);
    for (long n = 0; n < nCount; ++n) {
        const double t = t1 + double(n) * coarse;
        double x, y;
        foot(t, &x, &y);
        const double zU = EvalSurfaceF(x, y, m_nSurfaceUpper),
                     zL = EvalSurfaceG(x, y, m_nSurfaceLower);
        const double d = 0.5 * (y - m_dYMin) / m_dYSpan + 0.5 * (x - m_dXMin) / m_dXSpan;
        if (inside(x, y)) DrawLine3D(pDC, x, y, zU, x, y, zL, shade(d));
        const long nfCount = steps::Count(t, t + coarse, h, kFineCap, true);
        for (long nf = 0; nf < nfCount; ++nf) {
            const double s = t + double(nf) * h;
            foot(s, &x, &y);
            if (inside(x, y)) {
                dot(x, y, EvalSurfaceF(x, y, m_nSurfaceUpper), m_crCurveSetting);
                const double z = EvalSurfaceG(x, y, m_nSurfaceLower);
                if (form == 3 || (m_dZMin < z && z < m_dZMax)) dot(x, y, z, m_crCurveSetting);
            }
            if (m_bProjectBase) dot(x, y, m_dZMin, m_crFirstDerivative);
            if (m_bProjectXoy) dot(x, y, 0, m_crFirstDerivative);
        }
    }
}

void CPemroView::CmdCylinder(CDC* pDC) {
    ReadPlotSetup3D(kArgCylinder);
    if (!m_bFigureVisible || !m_bPlaneCmdsEnabled) return;
    const int normalise = ScriptInt(ReadScriptNumber(m_nParsePos));
    DrawSurfaceScene(pDC, m_nSurfaceLower == 1 ? 0 : 1, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    m_dIntervalA = ReadScriptNumber(m_nParsePos);
    m_dIntervalB = ReadScriptNumber(m_nParsePos);
    for (double& v : m_adCommandPoint3D) v = ReadScriptNumber(m_nParsePos);
    if (m_dDemoParam != 0.0 && m_dDemoParam != 1.0) {
        for (int i = 0; i < 3; ++i) m_adPQR[i] = m_adCommandPoint3D[i];
        m_dDemoParam = 0.0;
    }
    DrawCylinder(pDC, m_nSurfaceUpper, normalise);
}

void CPemroView::DrawCylinder(CDC* pDC, int plane, int normalise) {
    if (!IsFigureBandVisible()) return;
    if (!IsFigureRedrawn()) return;
    if (HitTestGraphRegion(1) && plane >= 0 && plane <= 2 && IsSceneUsable()) {
        const double span = plane == 0 ? m_dZSpan : plane == 1 ? m_dYSpan : m_dXSpan;
        solid::Vec3 gen{0, 0, 0};
        const bool haveGen = solid::CylinderGeneratrix(m_adPQR[0], m_adPQR[1], m_adPQR[2], plane,
                                                       normalise == 1, span, &gen);
        const int N = m_nMeshDivX + m_nMeshDivY;
        const double a = m_dIntervalA, b = m_dIntervalB;
        const double coarse = N > 0 ? (b - a) / N : 0, fine = coarse / 10;
        SplitRGB(m_crDefaultPen);
        const int pr = m_anSplitRgb[0], pg = m_anSplitRgb[1], pb = m_anSplitRgb[2];
        const auto blend = [&](int tr, int tg, int tb, double d) {
            return MakeRGB((1 - d) * pr + d * tr, (1 - d) * pg + d * tg, (1 - d) * pb + d * tb);
        };
        const auto Q = [&](double u, double w) {
            if (plane == 0) return solid::Vec3{u, w, m_dZMin};
            if (plane == 1) return solid::Vec3{u, m_dYMin, w};
            return solid::Vec3{m_dXMin, u, w};
        };
        const auto both = [&](solid::Vec3 p, solid::Vec3 q, COLORREF c) {
            DrawLine3D(pDC, p.x, p.y, p.z, q.x, q.y, q.z, c);
            DrawLine3D(pDC, p.x + gen.x, p.y + gen.y, p.z + gen.z, q.x + gen.x, q.y + gen.y,
                       q.z + gen.z, c);
        };
        const auto generatrix = [&](solid::Vec3 p, COLORREF c) {
            DrawLine3D(pDC, p.x, p.y, p.z, p.x + gen.x, p.y + gen.y, p.z + gen.z, c);
        };
        if (haveGen && solid::StepUsable(coarse) && solid::StepUsable(fine)) {
            const long n = steps::Count(a, b, coarse, kCoarseCap, true);
            if (m_nRegionType == 0) {
                for (long i = 0; i < n; ++i) {
                    const double u = a + double(i) * coarse;
                    const double d = (u - m_dXMin) / m_dXSpan;
                    const double wg = EvalCatalogueB(u, m_nFuncLower), wf = EvalF(u, m_nFuncUpper);
                    generatrix(Q(u, wg), blend(200, 100, 250, d));
                    generatrix(Q(u, wf), blend(100, 250, 150, d));
                    const long nfCount = steps::Count(u, u + coarse, fine, 16, true);
                    for (long nf = 0; nf < nfCount; ++nf) {
                        const double s = u + double(nf) * fine;
                        both(Q(s, wg), Q(s, EvalCatalogueB(s, m_nFuncLower)), m_crCurveSetting);
                        both(Q(s, wf), Q(s, EvalF(s, m_nFuncUpper)), m_crCurveSetting);
                    }
                }
            } else if (m_nRegionType == 1) {
                for (long i = 0; i < n; ++i) {
                    const double t = a + double(i) * coarse;
                    const double X = EvalParamX(t, m_nFuncUpper), Y = EvalParamY(t, m_nFuncUpper);
                    generatrix(Q(X, Y), blend(100, 250, 150, (t - a) / (b - a)));
                    steps::ForEach(t, t + coarse, fine, 16, true, [&](double v) {
                        both(Q(X, Y), Q(EvalParamX(v, m_nFuncUpper), EvalParamY(v, m_nFuncUpper)),
                             m_crCurveSetting);
                    });
                }
            }
        }
        const double p = m_dParamStep;
        solid::Vec3 A;
        if (plane == 0)
            A = {m_dXMax - p * m_dXSpan, m_dYMax - 0.5 * m_dYSpan, m_dZMin};
        else if (plane == 1)
            A = {m_dXMax - p * m_dXSpan, m_dYMin, m_dZMax - 0.5 * m_dZSpan};
        else
            A = {m_dXMin, m_dYMax - p * m_dYSpan, m_dZMax - 0.5 * m_dZSpan};
        DrawArrow3D(pDC, A.x, A.y, A.z, A.x + gen.x, A.y + gen.y, A.z + gen.z, 1, "", "(P,Q,R)",
                    m_crDefaultFill);
    }
    struct Button {
        int offset;
        const char* label;
        int index;
        double sign;
    } const buttons[] = {{0, u8"P增", 0, 1},   {20, u8"P减", 0, -1}, {40, u8"Q增", 1, 1},
                         {60, u8"Q减", 1, -1}, {80, u8"R增", 2, 1},  {100, u8"R减", 2, -1}};
    for (const Button& bt : buttons)
        if (TextButton(pDC, m_nFigureRight, m_nPlotTop + bt.offset, Gbk(bt.label))) {
            m_adPQR[bt.index] += bt.sign * m_dParamStep;
            m_dDemoParam = 1.0;
        }
    // "取消" goes back to the direction the script gives.
    if (TextButton(pDC, m_nFigureRight, m_nPlotTop + 120, Gbk(u8"取消"))) {
        for (int i = 0; i < 3; ++i) m_adPQR[i] = m_adCommandPoint3D[i];
        m_dDemoParam = 0.0;
    }
}
