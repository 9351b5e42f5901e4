// A surface element dS of the upper surface with its projection, normal and
// boundary orientation; the field of a point source and a point sink on a
// lattice or on a closed surface; the schematic of a series circuit.
#include "view/view.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "solid/math/coord_math.h"

#include <cmath>

namespace {

constexpr int kArgAreaElement = 12;
constexpr int kArgField = 6;
constexpr int kArgElectric = 9;
// Lattice points along each axis of the field, and grid points of the
// closed surface along each side.
constexpr int kLatticeSteps = 10;
constexpr int kGridSteps = 20;
constexpr int kFillCap = 1000;

} // namespace

void CPemroView::CmdAreaElement(CDC* pDC) {
    ReadPlotSetup3D(kArgAreaElement);
    if (!m_bFigureVisible) return;
    for (double& v : m_adCommandPoint3D) v = ReadScriptNumber(m_nParsePos);
    DrawAreaElement(pDC, m_adCommandPoint3D[0], m_adCommandPoint3D[1], m_adCommandPoint3D[2]);
}

void CPemroView::DrawAreaElement(CDC* pDC, double P, double Q, double R) {
    SplitRGB(m_crDefaultPen);
    m_nSurfaceLower = 1;
    for (int i = 0; i < 5; ++i) m_adCoefSurfG[i] = 0;
    m_adCoefSurfG[5] = m_dZMin;
    DrawSurfaceScene(pDC, 0, 0, 0, m_dXMin, m_dXMin, m_dYMin, m_dYMin, "x", "y", "z");
    if (!IsFigureBandVisible() || !IsFigureRedrawn()) return;
    const int bx = m_nFigureRight + 2, T = m_nFigureTop;
    if (TextButton(pDC, bx, T, Gbk(u8"矩形"))) m_nDemoOption2 = 1;
    if (TextButton(pDC, bx, T + 24, Gbk(u8"椭圆"))) m_nDemoOption2 = 2;
    if (TextButton(pDC, bx, T + 48, Gbk(u8"放大"))) m_dDirP += 0.05;
    if (TextButton(pDC, bx, T + 72, Gbk(u8"缩小"))) m_dDirP -= 0.05;
    if (TextButton(pDC, bx, T + 96, Gbk(u8"有向"))) m_nOdeMethodFamily = 2;
    if (TextButton(pDC, bx, T + 120, Gbk(u8"无向"))) m_nOdeMethodFamily = 1;
    if (m_nOdeMethodFamily >= 2) {
        if (TextButton(pDC, bx, T + 144, Gbk(u8"正向"))) m_nOdeMethodFamily = 3;
        if (TextButton(pDC, bx, T + 168, Gbk(u8"负向"))) m_nOdeMethodFamily = 4;
    }
    m_dDirP = solid::KeepWithin(m_dDirP, 0.05, 0.2);
    m_dX0 = m_dCursorX, m_dY0 = m_dCursorY;
    const double x0 = m_dX0, y0 = m_dY0, cut = x0 + (m_dDirP + 0.05) * m_dXSpan;
    DrawSurfaceScene(pDC, 1, 0, 0, m_dXMin, cut, m_dYMin, m_dYMax, "x", "y", "z");
    const int side = m_nOdeMethodFamily;
    double hx = m_dDirP * m_dXSpan;
    const double hy = m_dDirP * m_dYSpan;
    const int* S = m_anSplitRgb;
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
    const auto dot = [&](double x, double y, double z, COLORREF c) {
        DrawLine3D(pDC, x, y, z, x, y, z, c);
    };
    const auto fillDot = [&](double x, double y) {
        dot(x, y, m_dZMin, m_crDefaultFill);
        const double z = f(x, y), s = (z - m_dZMin) / m_dZSpan;
        dot(x, y, z,
            MakeRGB((1 - s) * S[0] + 255 * s, (1 - s) * S[1] + 155 * s, (1 - s) * S[2] + 100 * s));
    };
    const auto outlineDot = [&](double x, double y) {
        dot(x, y, m_dZMin, m_crDefaultPen);
        dot(x, y, f(x, y), m_crDefaultPen);
    };
    const auto arrowPair = [&](double xa, double ya, double xb, double yb) {
        DrawArrow3D(pDC, xa, ya, m_dZMin, xb, yb, m_dZMin, 0, "", "", m_crCurveSetting);
        DrawArrow3D(pDC, xa, ya, f(xa, ya), xb, yb, f(xb, yb), 0, "", "", m_crCurveSetting);
    };
    const auto centreArrows = [&](bool withVector) {
        const double z0 = f(x0, y0);
        const double p = (f(x0 + 0.0001, y0) - z0) * 10000, q = (f(x0, y0 + 0.0001) - z0) * 10000;
        const double n = std::sqrt(1 + p * p + q * q);
        if (withVector && P * P + Q * Q + R * R > 0)
            DrawArrow3D(pDC, x0, y0, z0, x0 + P, y0 + Q, z0 + R, 1, "", "(P,Q,R)", m_crDefaultFill);
        if (side == 2 || side == 3)
            DrawArrow3D(pDC, x0, y0, z0, x0 - p / n, y0 - q / n, z0 + 1 / n, 0, "", "",
                        m_crFirstDerivative);
        else if (side == 4)
            DrawArrow3D(pDC, x0, y0, z0, x0 + p / n, y0 + q / n, z0 - 1 / n, 0, "", "",
                        m_crFirstDerivative);
    };
    if (HitTestGraphRegion(1) && IsSceneUsable()) {
        if (m_nDemoOption2 == 1) {
            const double sx = 0.001 * m_dXSpan, sy = 0.001 * m_dYSpan;
            bool centreDone = false;
            const long nxCount = steps::Count(x0 - hx, x0 + hx, sx, kFillCap, false);
            for (long nx = 0; nx < nxCount; ++nx) {
                const double x = x0 - hx + double(nx) * sx;
                const long nyCount = steps::Count(y0 - hy, y0 + hy, sy, kFillCap, false);
                for (long ny = 0; ny < nyCount; ++ny) {
                    const double y = y0 - hy + double(ny) * sy;
                    fillDot(x, y);
                    if (!centreDone && side >= 2 && std::fabs(x - x0) < 0.002 * m_dXSpan &&
                        std::fabs(y - y0) < 0.002 * m_dYSpan) {
                        centreArrows(true);
                        centreDone = true;
                    }
                }
            }
            const double ox = 0.005 * m_dXSpan, oy = 0.005 * m_dYSpan;
            steps::ForEach(x0 - hx, x0 + hx, ox, kFillCap, false,
                           [&](double x) { outlineDot(x, y0 - hy), outlineDot(x, y0 + hy); });
            steps::ForEach(y0 - hy, y0 + hy, oy, kFillCap, false,
                           [&](double y) { outlineDot(x0 - hx, y), outlineDot(x0 + hx, y); });
            if (side == 3 || side == 4) {
                const double k = side == 3 ? 0.5 : -0.5;
                arrowPair(x0 - k * hx, y0 - hy, x0 + k * hx, y0 - hy);
                arrowPair(x0 + k * hx, y0 + hy, x0 - k * hx, y0 + hy);
            }
        } else if (m_nDemoOption2 == 2) {
            const double dRho = 0.01 / (0.01 + hx + hy);
            if (side == 4) hx = -hx;
            const long nrCount = steps::Count(0, 1, dRho, kFillCap, false);
            for (long nr = 0; nr < nrCount; ++nr) {
                const double rho = double(nr) * dRho;
                steps::ForEach(0, 6.4, 0.01 / (0.0001 + rho), kFillCap * 10, false, [&](double t) {
                    fillDot(x0 + rho * hx * std::cos(t), y0 - rho * hy * std::sin(t));
                });
            }
            if (side >= 2) centreArrows(false);
            for (int i = 0; i < 640; ++i) {
                const double t = 0.01 * i;
                outlineDot(x0 + hx * std::cos(t), y0 - hy * std::sin(t));
            }
            if (side == 3 || side == 4)
                for (double t = 1.02; t < 6.0; t += 2.07)
                    arrowPair(x0 + hx * std::cos(t), y0 + hy * std::sin(t),
                              x0 + hx * std::cos(t + 0.5), y0 + hy * std::sin(t + 0.5));
        }
    }
    DrawSurfaceScene(pDC, 1, 0, 0, cut, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
}

void CPemroView::CmdField(CDC* pDC) {
    ReadPlotSetup3D(kArgField);
    if (!m_bFigureVisible) return;
    if (m_dDemoParam != 0 && m_dDemoParam != 1 && m_dDemoParam != 2) m_dDemoParam = 0;
    DrawField(pDC);
}

void CPemroView::DrawFieldArrow(CDC* pDC, double x, double y, double z) {
    double r1, r2;
    const solid::Vec3 e = solid::HalfUnitDirection(solid::SourceSinkField(x, y, z, &r1, &r2));
    DrawArrow3D(pDC, x, y, z, x + e.x, y + e.y, z + e.z, 1, "", "",
                MakeRGB(255 - 60 * r1, 15 * (r1 + r2), 255 - 60 * r2));
}

void CPemroView::DrawField(CDC* pDC) {
    m_nUpperSurfaceStyle = m_nLowerSurfaceStyle = 0;
    m_bProjectXoy = m_bProjectBase = 0;
    if (!IsFigureBandVisible()) return;
    // The projection belongs to the closed surface's scene: the frame alone
    // (no region, which would turn it off) keeps the lecturer's choice.
    const int projection = m_dDemoVariant == 2.0 ? m_nProjectionDisplay : 0;
    m_nProjectionDisplay = projection;
    DrawSurfaceScene(pDC, 0, 0, 2, 0, 0, 0, 0, "x", "y", "z");
    m_nProjectionDisplay = projection;
    const int R = m_nFigureRight, T = m_nFigureTop;
    // The two long labels stand side by side left of the figure's right
    // edge, as wide as the font makes them.
    const CString all = Gbk(u8"含源和汇"), lattice = Gbk(u8"画矢量场");
    const int xAll = R - ButtonWidth(all) - 2, xLattice = xAll - ButtonWidth(lattice) - 2;
    if (TextButton(pDC, xLattice, T + 4, lattice)) m_dDemoVariant = 1.0;
    if (TextButton(pDC, xAll, T + 4, all)) m_dDemoVariant = 2.0, m_dDemoParam = 0;
    if (TextButton(pDC, R + 2, T + 4, Gbk(u8"含源"))) m_dDemoVariant = 2.0, m_dDemoParam = 1.0;
    if (TextButton(pDC, R + 2, T + 26, Gbk(u8"含汇"))) m_dDemoVariant = 2.0, m_dDemoParam = 2.0;
    // Counted steps: the lattice has kLatticeSteps points a side whatever
    // the spans are (the last one may fall on the upper end by rounding).
    if (m_dDemoVariant == 1.0)
        for (int i = 0; i < kLatticeSteps; ++i)
            for (int k = 0; k < kLatticeSteps; ++k)
                for (int j = 0; j < kLatticeSteps; ++j)
                    DrawFieldArrow(pDC, m_dXMin + i * m_dXSpan / kLatticeSteps,
                                   m_dYMin + j * m_dYSpan / kLatticeSteps,
                                   m_dZMin + k * m_dZSpan / kLatticeSteps);
    static const double kUpper[3][6] = {
        {-1.3, 0.5, -1.0, 0, 0, 2}, {-0.8, 0.5, -0.5, 0, 0, 2}, {-0.8, 0.5, -0.5, 0, 0, 0}};
    static const double kLower[3][6] = {
        {1.2, 0.5, 1.4, 0, 0, -2}, {0.6, 0.5, 0.8, 0, 0, 0}, {0.6, 0.5, 0.8, 0, 0, -2}};
    const int which = m_dDemoParam == 1.0 ? 1 : m_dDemoParam == 2.0 ? 2 : 0;
    SetSettingBlock(1, 1, kUpper[which], kLower[which]);
    if (m_dDemoVariant != 2.0) return;
    const auto half = [&](int from, int to, bool onLower) {
        for (int i = from; i < to; ++i)
            for (int j = 0; j < kGridSteps; ++j) {
                const double x = m_dXMin + i * m_dXSpan / kGridSteps;
                const double y = m_dYMin + j * m_dYSpan / kGridSteps;
                const double zf = EvalSurfaceF(x, y, m_nSurfaceUpper);
                const double zg = EvalSurfaceG(x, y, m_nSurfaceLower);
                if (zf > zg) DrawFieldArrow(pDC, x, y, onLower ? zg : zf);
            }
    };
    half(0, kGridSteps / 2, true);
    half(0, kGridSteps / 2, false);
    DrawSurfaceScene(pDC, 1, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
    half(kGridSteps / 2, kGridSteps, true);
    half(kGridSteps / 2, kGridSteps, false);
}

void CPemroView::CmdElectric(CDC* pDC) {
    ReadPlotSetup(kArgElectric);
    if (m_bFigureVisible)
        DrawElectric(pDC, m_nFuncUpper, m_nFuncLower, m_nPlotOption1, m_nPlotOption2);
}

void CPemroView::DrawElectric(CDC* pDC, int inductor, int resistor, int capacitor, int source) {
    DrawFunctionGraph(pDC, 0, -1, 0, 0, "", "");
    if (!IsFigureBandVisible()) return;
    if (!m_bFullRepaint && !HitTestGraphRegion(2)) return;
    const double X0 = m_dXMin, X1 = m_dXMax, Y0 = m_dYMin, Y1 = m_dYMax;
    const double Dx = m_dXSpan, Dy = m_dYSpan, p = m_dParamStep;
    const double xL = X0 + p * Dx, xR = X1 - p * Dx, yT = Y1 - p * Dy, yB = Y0 + p * Dy;
    const COLORREF c = m_crCurveSetting;
    const auto line = [&](double x1, double y1, double x2, double y2) {
        DrawLineWorld(pDC, x1, y1, x2, y2, c);
    };
    if (inductor) {
        const auto coil = [&](double t, double* x, double* y) {
            *x = xL + 0.05 * Dx * std::cos(t);
            *y = Y1 - (0.4 + 0.2 * t / 46 + 0.02 * std::sin(t)) * Dy;
        };
        for (int i = 0; i < 4710; ++i) {
            const double t = -1.6 + 0.01 * i;
            if (!(t < 45.5)) break;
            double xa, ya, xb, yb;
            coil(t, &xa, &ya);
            coil(t + 0.01, &xb, &yb);
            line(xa, ya, xb, yb);
        }
        line(xL, yT, xL, Y1 - 0.38 * Dy);
        line(xL, Y1 - 0.62 * Dy, xL, Y1 - 0.9 * Dy);
        DrawStringWorld(pDC, X0 + 0.15 * Dx, Y0 + 0.5 * Dy, "L", c);
    } else {
        line(xL, yT, xL, Y1 - 0.9 * Dy);
    }
    if (resistor) {
        FillRectWorld(pDC, X0 + 0.4 * Dx, X0 + 0.6 * Dx, Y1 - 0.15 * Dy, Y1 - 0.05 * Dy, c);
        DrawStringWorld(pDC, X0 + 0.5 * Dx, Y1 - 0.15 * Dy, "R", c);
    }
    line(xL, yT, X0 + 0.9 * Dx, yT);
    if (source) {
        DrawArcWorld(pDC, xR, Y0 + 0.5 * Dy, 0.05 * Dx, p * Dy, 0, 6.3, c);
        line(xR, yB, xR, Y0 + 0.4 * Dy);
        line(xR, Y0 + 0.6 * Dy, xR, Y0 + 0.9 * Dy);
        DrawStringWorld(pDC, X1 - 0.15 * Dx, Y0 + 0.55 * Dy, Gbk(u8"～E"), c);
    } else {
        line(xR, yB, xR, Y0 + 0.9 * Dy);
    }
    if (capacitor) {
        line(X1 - 0.3 * Dx, Y0 + 0.15 * Dy, X1 - 0.3 * Dx, Y0 + 0.05 * Dy);
        line(X1 - 0.32 * Dx, Y0 + 0.15 * Dy, X1 - 0.32 * Dx, Y0 + 0.05 * Dy);
        line(xR, yB, X1 - 0.3 * Dx, yB);
        line(X1 - 0.32 * Dx, yB, X0 + 0.4 * Dx, yB);
        DrawStringWorld(pDC, X0 + 0.7 * Dx, Y0 + 0.25 * Dy, "C", c);
    } else {
        line(xR, yB, X1 - 0.6 * Dx, yB);
    }
    DrawDotWorld(pDC, X0 + 0.4 * Dx, yB, 3, 3, c, c);
    DrawDotWorld(pDC, X0 + 0.3 * Dx, yB, 3, 3, c, c);
    line(X0 + 0.3 * Dx, yB, xL, yB);
    line(X0 + 0.4 * Dx, Y0 + 0.15 * Dy, X0 + 0.3 * Dx, yB);
}
