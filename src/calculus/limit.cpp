// The "Limit" demonstration: samples of the current curve closing in on the
// limit point from both sides (or far samples towards ±∞), optionally
// animated, the verdict with the limit's value, and then the ε-δ picture.
#include "view/view.h"

#include "calculus/math/limits.h"
#include "catalog/math/explicit_catalogue.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"

#include <algorithm>
#include <cmath>

using calculus::Infinity;
using calculus::LimitsDiffer;
using calculus::SampleApproach;

namespace {

// Pause before an animated sample: this many milliseconds at approach factor
// 1, shrinking with the factor (about half a second a side in all).
constexpr double kPauseMsPerFactor = 150;
constexpr int kDotRadius = 3;
// The parameter step of the search for the curve point nearest the cursor.
constexpr double kNearestParamStep = 0.0001;
// The implicit branch through the point is walked in x-span/10000 steps.
constexpr double kBranchStepsPerSpan = 10000;
// The definition mode and the "不存在" texts stand this many line units left
// of the plot's right edge.
constexpr int kNoLimitColumns = 6;
constexpr int kReselectColumns = 8;

// A value that rounds to zero at three decimals is written as 0, not -0.
double Shown(double v) {
    return std::fabs(v) < 0.0005 ? 0.0 : v;
}

bool Strictly(double lo, double v, double hi) {
    return lo < v && v < hi;
}

// Puts the page's cursor point back when it goes out of scope, if asked.
class CursorKeeper {
public:
    CursorKeeper(CPemroView* v, bool active)
        : m_v(active ? v : nullptr), m_x(v->m_dCursorX), m_y(v->m_dCursorY) {}
    ~CursorKeeper() {
        if (m_v) m_v->m_dCursorX = m_x, m_v->m_dCursorY = m_y;
    }
    CursorKeeper(const CursorKeeper&) = delete;
    CursorKeeper& operator=(const CursorKeeper&) = delete;

private:
    CPemroView* m_v;
    double m_x, m_y;
};

} // namespace

void CPemroView::DrawLimit(CDC* pDC, double a, double b) {
    LimitApproach ap;
    const double epsPx = m_nPlotHeight * m_dEpsilon;
    ap.epsPx = IsDrawable(epsPx) ? ToPixel(epsPx) : 0;
    ap.a = a;
    ap.b = b;
    // A chosen point inside this figure's range is its limit point for this
    // figure only: the cursor is the page's, and a figure drawn after (or a
    // repaint's earlier figure) must not take this one's point as its own.
    const bool ownPoint = Strictly(m_dXMin, m_dX0, m_dXMax) && Strictly(m_dYMin, m_dY0, m_dYMax);
    const CursorKeeper keep(this, ownPoint);
    if (ownPoint) m_dCursorX = m_dX0;
    ap.x0 = m_dCursorX;
    m_bAnimateApproach = m_nSequenceMode == 1 && ShouldAnimateApproach(ap.x0, a, b);

    const BOOL found =
        m_nLimitInfinity == 0 ? ApproachFinitePoint(pDC, &ap) : ApproachInfinity(pDC);
    if (!found) return;
    if (m_nSequenceMode == 0 && !LimitsDiffer(m_dLimitValueLeft, m_dLimitValueRight)) {
        if (m_nLimitInfinity == 0)
            DrawEpsilonDelta(pDC, ap);
        else
            DrawEpsilonX(pDC, ap);
        // The definition mode draws its own ε buttons at the same places: one
        // click must not scale ε twice.
        if (m_nLimitSide != 3) EpsilonDeltaButtons(pDC);
    }
    if (m_nLimitSide == 3) DrawLimitDefinition(pDC, ap.x0);
}

BOOL CPemroView::ApproachFinitePoint(CDC* pDC, LimitApproach* ap) {
    m_dLimitValueLeft = 0;
    switch (m_nPlotMode) {
    case 0:
        return ApproachExplicit(pDC, ap);
    case 1:
        return ApproachCurve(pDC, ap, FALSE);
    case 3:
        return ApproachCurve(pDC, ap, TRUE);
    case 2:
        return ApproachImplicit(pDC, ap);
    default:
        // Other kinds take no samples and so say nothing about a limit.
        return FALSE;
    }
}

BOOL CPemroView::ShouldAnimateApproach(double x0, double a, double b) {
    if (m_bPrintMode) return FALSE;
    // A page just opened starts its record afresh; its first pass only lays
    // the page out, and the complete pass after it shows the approach.
    if (m_strLastDataPath != m_strDataPath) {
        for (AnimatedApproach& shown : m_aAnimatedApproach) shown.used = false;
        return FALSE;
    }
    AnimatedApproach now;
    now.figureTop = m_nFigureTop;
    now.func = m_nFuncF;
    now.plotMode = m_nPlotMode;
    now.infinity = m_nLimitInfinity;
    now.side = m_nLimitSide;
    now.x0 = x0;
    now.a = a;
    now.b = b;
    now.used = true;
    const auto same = [&now](const AnimatedApproach& o) {
        return o.used && o.figureTop == now.figureTop && o.func == now.func &&
               o.plotMode == now.plotMode && o.infinity == now.infinity && o.side == now.side &&
               o.x0 == now.x0 && o.a == now.a && o.b == now.b;
    };
    bool seen = false;
    for (const AnimatedApproach& shown : m_aAnimatedApproach) seen = seen || same(shown);
    if (!seen) {
        m_aAnimatedApproach[m_nNextAnimatedApproach] = now;
        m_nNextAnimatedApproach = (m_nNextAnimatedApproach + 1) % kAnimatedApproaches;
    }
    return !seen || (IsClickPass() && HitTestGraphRegion(2));
}

void CPemroView::PauseApproach(double f) {
    // The figure's waiting labels go down before the samples, as the first
    // frame shown writes them: a pass without pauses draws the same picture.
    // The axis names wait for the figure's end, to stand clear of the dots.
    WriteHeldValueLabels();
    if (!m_bAnimateApproach) return;
    const int ms = int(kPauseMsPerFactor * f);
    if (ms > 0) ShowAndWait(ms);
}

void CPemroView::DrawApproachDots(CDC* pDC, double x, double y, BOOL bLeft) {
    // Samples beyond the range (a range narrowed by its arrows) stay off
    // the picture.
    if (!(m_dXMin <= x && x <= m_dXMax)) return;
    const COLORREF c = bLeft ? m_crFirstDerivative : m_crSecondDerivative;
    // A dot at the plot's edge is cut there, off the axis numbers beside it.
    const CRect saved = pDC->GetClipRect();
    pDC->SetClipRect(FigureFillBox(pDC));
    if (m_dYMin <= y && y <= m_dYMax) DrawDotWorld(pDC, x, y, kDotRadius, kDotRadius, c, c);
    if (m_dYMin <= 0 && 0 <= m_dYMax) DrawDotWorld(pDC, x, 0, kDotRadius, kDotRadius, c, c);
    pDC->SetClipRect(saved);
    // The axis names, placed when the figure is done, keep off the dots.
    const auto note = [&](double wy) {
        const double fx = (x - m_dXMin) / (m_dXMax - m_dXMin) * (m_nPlotRight - m_nPlotLeft);
        const double fy = (wy - m_dYMin) / (m_dYMax - m_dYMin) * (m_nPlotBottom - m_nPlotTop);
        if (!IsDrawable(fx) || !IsDrawable(fy)) return;
        const int px = m_nPlotLeft + ToPixel(fx), py = m_nPlotBottom - ToPixel(fy);
        const int r = kDotRadius + 1;
        NoteFigureBox(CRect(px - r, py - r, px + r + 1, py + r + 1));
    };
    if (m_dYMin <= y && y <= m_dYMax) note(y);
    if (m_dYMin <= 0 && 0 <= m_dYMax) note(0);
}

BOOL CPemroView::ApproachExplicit(CDC* pDC, LimitApproach* ap) {
    const int k = m_nFuncF;
    const double x0 = ap->x0;
    const bool animate = m_nSequenceMode == 1;
    const bool showLeft = animate && (m_nLimitSide == 0 || m_nLimitSide == 1);
    const bool showRight = animate && (m_nLimitSide == 0 || m_nLimitSide == 2);
    const auto F = [this, k](double x) { return EvalF(x, k); };
    const auto left = SampleApproach(F, x0, ap->a, [&](double x, double y, double f) {
        if (!showLeft) return;
        PauseApproach(f);
        DrawApproachDots(pDC, x, y, TRUE);
    });
    const auto right = SampleApproach(F, x0, ap->b, [&](double x, double y, double f) {
        if (!showRight) return;
        PauseApproach(f);
        DrawApproachDots(pDC, x, y, FALSE);
    });
    return WriteFiniteLimitVerdict(pDC, x0, left.limit, left.exists, right.limit, right.exists);
}

BOOL CPemroView::ApproachCurve(CDC* pDC, LimitApproach* ap, BOOL bPolar) {
    const int k = m_nFuncF;
    const auto X = [this, k, bPolar](double t) {
        return bPolar ? EvalPolarFX(t, k) : EvalParamX(t, k);
    };
    const auto Y = [this, k, bPolar](double t) {
        return bPolar ? EvalPolarFY(t, k) : EvalParamY(t, k);
    };
    if (Strictly(m_dXMin, m_dX0, m_dXMax) && Strictly(m_dYMin, m_dY0, m_dYMax)) {
        m_dCursorX = m_dX0;
        m_dCursorY = m_dY0;
    }

    // The parameter of the curve point nearest the cursor; a long interval
    // is searched in coarser steps so the search stays bounded.
    const double a = ap->a, b = ap->b;
    double step = kNearestParamStep;
    if ((b - a) / step > calculus::kMaxWalkSteps) step = (b - a) / calculus::kMaxWalkSteps;
    double best = m_dXSpan * m_dXSpan + m_dYSpan * m_dYSpan, tStar = a;
    long i = 0;
    for (double t = a; t < b && i <= calculus::kMaxWalkSteps; t = a + step * double(++i)) {
        const double dx = X(t) - m_dCursorX, dy = Y(t) - m_dCursorY;
        const double d = dx * dx + dy * dy;
        if (d < best) {
            best = d;
            tStar = t;
        }
    }
    m_dCursorX = X(tStar);
    m_dCursorY = Y(tStar);
    ap->x0 = m_dCursorX;
    ap->tStar = tStar;

    const bool animate = m_nSequenceMode == 1;
    const bool showLeft = animate && (m_nLimitSide == 0 || m_nLimitSide == 1);
    const bool showRight = animate && (m_nLimitSide == 0 || m_nLimitSide == 2);
    const auto left = SampleApproach(Y, tStar, a, [&](double t, double y, double f) {
        if (!showLeft) return;
        PauseApproach(f);
        DrawApproachDots(pDC, X(t), y, TRUE);
    });
    const auto right = SampleApproach(Y, tStar, b, [&](double t, double y, double f) {
        if (!showRight) return;
        PauseApproach(f);
        DrawApproachDots(pDC, X(t), y, FALSE);
    });
    return WriteFiniteLimitVerdict(pDC, ap->x0, left.limit, left.exists, right.limit, right.exists);
}

BOOL CPemroView::ApproachImplicit(CDC* pDC, LimitApproach* ap) {
    const int k = m_nFuncF;
    const double x0 = ap->x0;
    m_nRegionType = 3;
    const double yStar = SolveImplicitY(x0, m_dCursorY, k);
    if (yStar == catalog::kNoValue) {
        const int x = m_nPlotRight - kReselectColumns * (m_nFontStep + m_nBaseCharHeight);
        DrawString(pDC, x, m_nPlotTop, Gbk(u8"重选点"), m_crCurveSetting);
        m_nRegionType = 0;
        return FALSE;
    }

    // The branch through the point: walked each way while the solves
    // succeed, inside the window. Its ends bound the approach.
    const double step = m_dXSpan / kBranchStepsPerSpan;
    const auto walkBranch = [&](double dir, double limit, double* end, double* yEnd) {
        double x = x0, y = yStar;
        for (long i = 0; i < calculus::kMaxWalkSteps && step > 0; ++i) {
            const double xn = x + dir * step;
            if (dir < 0 ? !(xn > limit) : !(xn < limit)) break;
            const double yn = SolveImplicitY(xn, y, k);
            if (yn == catalog::kNoValue) break;
            x = xn;
            y = m_dBreakF1 = yn;
        }
        *end = x;
        *yEnd = y;
    };
    double yLeft = yStar, yRight = yStar;
    walkBranch(-1, m_dXMin, &ap->a, &yLeft);
    walkBranch(1, m_dXMax, &ap->b, &yRight);

    // Each approach solve starts from the last good y; a failed solve reads
    // as the failure value, which no limit matches.
    const auto approach = [&](double end, double yStart, bool show, BOOL bLeft) {
        double prev = yStart;
        const auto G = [&](double x) {
            const double y = SolveImplicitY(x, prev, k);
            if (y != catalog::kNoValue) prev = m_dBreakF1 = y;
            return y;
        };
        return SampleApproach(G, x0, end, [&](double x, double y, double f) {
            if (!show) return;
            PauseApproach(f);
            DrawApproachDots(pDC, x, y, bLeft);
        });
    };
    const bool animate = m_nSequenceMode == 1;
    const auto left =
        approach(ap->a, yLeft, animate && (m_nLimitSide == 0 || m_nLimitSide == 1), TRUE);
    const auto right =
        approach(ap->b, yRight, animate && (m_nLimitSide == 0 || m_nLimitSide == 2), FALSE);
    m_nRegionType = 0;
    return WriteFiniteLimitVerdict(pDC, x0, left.limit, left.exists, right.limit, right.exists);
}

// The verdict's column, a twentieth of the plot in from its left; where the
// y axis stands there, right of the axis's name (else left of the axis), so
// a range step that moved the axis leaves the name and the verdict apart.
double CPemroView::VerdictColumn(size_t cells) const {
    const double x = m_dXMin + 0.05 * m_dXSpan;
    if (m_nPlotWidth <= 0 || !(m_dXSpan > 0)) return x;
    const int cell = (m_nLabelZoom + 2) * (m_nFontStep / 2 + m_nBaseCharWidth) / 3;
    const int width = cell * int(cells), axis = LimitPx(0), name = 5 * cell / 2;
    const int px = LimitPx(x);
    if (axis < m_nPlotLeft || axis > m_nPlotRight || px > axis + name || px + width < axis)
        return x;
    const auto world = [&](int at) {
        return m_dXMin + (at - m_nPlotLeft + 0.5) * m_dXSpan / m_nPlotWidth;
    };
    if (axis + name + width <= m_nPlotRight) return world(axis + name);
    if (axis - cell / 2 - width >= m_nPlotLeft) return world(axis - cell / 2 - width);
    return x;
}

BOOL CPemroView::WriteFiniteLimitVerdict(CDC* pDC, double x0, double L, BOOL bLeft, double R,
                                         BOOL bRight) {
    // The pictures after the verdict stand on the limits found, not on the
    // last samples, which lie a step short of them.
    m_dLimitValueLeft = L;
    m_dLimitValueRight = R;
    const COLORREF c = m_crCurveSetting;
    const double x = VerdictColumn(10 + typeset::FormatDecimals(3, Shown(x0)).size());
    DrawLabelValue(pDC, x, m_dYMax, Gbk(u8"极限点: "), 3, Shown(x0), c);
    const double y = m_dYMax - 0.1 * m_dYSpan;
    switch (m_nLimitSide) {
    case 0:
        if (!bLeft || !bRight || LimitsDiffer(R, L)) {
            WriteNoLimit(pDC, u8"极限不存在");
            return FALSE;
        }
        DrawLabelValue(pDC, x, y, Gbk(u8"极限: "), 3, Shown(R), c);
        break;
    case 1:
        if (!bLeft) {
            WriteNoLimit(pDC, u8"左极限不存在");
            return FALSE;
        }
        DrawLabelValue(pDC, x, y, Gbk(u8"左极限: "), 3, Shown(L), c);
        break;
    case 2:
        if (!bRight) {
            WriteNoLimit(pDC, u8"右极限不存在");
            return FALSE;
        }
        DrawLabelValue(pDC, x, y, Gbk(u8"右极限: "), 3, Shown(R), c);
        break;
    default:
        break;
    }
    return TRUE;
}

void CPemroView::WriteNoLimit(CDC* pDC, const char* utf8Text) {
    const int x = m_nPlotRight - kNoLimitColumns * (m_nFontStep + m_nBaseCharHeight);
    DrawString(pDC, x, m_nPlotTop, Gbk(utf8Text), m_crCurveSetting);
}

BOOL CPemroView::ApproachInfinity(CDC* pDC) {
    const int k = m_nFuncF;
    const Infinity kind = m_nLimitInfinity == 2   ? Infinity::Plus
                          : m_nLimitInfinity == 3 ? Infinity::Minus
                                                  : Infinity::Both;
    const auto far = calculus::SampleAtInfinity([this, k](double x) { return EvalF(x, k); }, kind);
    m_dLimitValueRight = far.right;
    m_dLimitValueLeft = far.left;
    if (LimitsDiffer(far.right, far.left)) {
        WriteNoLimit(pDC, u8"极限不存在");
        return FALSE;
    }
    const char* label = kind == Infinity::Plus    ? u8"(x→+∞)极限: "
                        : kind == Infinity::Minus ? u8"(x→-∞)极限: "
                                                  : u8"(x→∞)极限: ";
    const size_t cells = Gbk(label).size() + 1 + typeset::FormatDecimals(3, far.right).size();
    DrawLabelValue(pDC, VerdictColumn(cells), m_dYMax, Gbk(label), 3, Shown(far.right),
                   m_crCurveSetting);
    return TRUE;
}
