// "SphereSurfMove": a ball moving on the surface z = f(x, y) under gravity,
// with damping and a rotation coefficient, in the 3-D scene. A click into
// the figure runs the motion from time 0 to the end time; the balls of each
// frame stay as a trail, with dots on the floor coloured by the time.
#include "view/view.h"

#include "calculus/ball_buttons.h"
#include "calculus/math/ball_surface.h"
#include "catalog/surface_pass.h"
#include "platform/frame_presenter.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kArgSphereSurfMove = 15;
// The surface the ball runs on is the upper envelope of the two surfaces.
constexpr int kEnvelopeMode = 2;
constexpr int kMeshLines = 20;
constexpr double kStartSlopeStep = 1e-6;
// Stepper steps per frame step h.
constexpr double kStepsPerFrame = 10;
// Bounds the buttons keep: the end time at least 4, the frame step between
// 1/400 and 1/100 (it must stay positive for time to advance), the ball
// grows to 40 pixels. The end time has no bound: a run ends at the end
// time, when the ball leaves the box, or after the stepper steps that keep
// a pass from hanging (an end time of 50 at the shortest frame step, 200
// at the longest).
constexpr double kShortestTime = 4.0;
constexpr double kShortestFrameStep = 0.0025;
constexpr double kLongestFrameStep = 0.01;
constexpr int kSmallestBall = 2;
constexpr int kLargestBall = 40;
constexpr long kMaxBallSteps = 200000;
constexpr int kTimeColours = 16;

// Sets the surface evaluation mode and gives the old one back on every way
// out of the routine.
class EvalModeScope {
public:
    EvalModeScope(CPemroView* v, int mode) : m_v(v), m_old(v->m_nSurfaceEvalMode) {
        v->m_nSurfaceEvalMode = mode;
    }
    ~EvalModeScope() { m_v->m_nSurfaceEvalMode = m_old; }
    EvalModeScope(const EvalModeScope&) = delete;
    EvalModeScope& operator=(const EvalModeScope&) = delete;

private:
    CPemroView* m_v;
    int m_old;
};

// A position share of the box (0..1) as a colour channel in steps of 16;
// heights beyond the box take the end levels rather than wrapping.
int TrailLevel(double share) {
    if (!(share > 0)) return 0;
    return std::min(240, 16 * (int(std::min(share, 1.0) * 256) / 16));
}

} // namespace

void CPemroView::CmdSphereSurfMove(CDC* pDC) {
    ReadPlotSetup3D(kArgSphereSurfMove);
    if (m_bLoadScriptSettings && m_bFigureVisible) {
        if (IsArgListOpen()) m_dX0 = ReadScriptNumber(m_nParsePos);
        if (IsArgListOpen()) m_dY0 = ReadScriptNumber(m_nParsePos);
        m_dGravity = 9.8;
        if (IsArgListOpen()) m_dParamA = ReadScriptNumber(m_nParsePos);
        if (IsArgListOpen()) m_dParamB = ReadScriptNumber(m_nParsePos);
        if (IsArgListOpen()) m_dSavedMu = ReadScriptNumber(m_nParsePos);
        if (IsArgListOpen()) m_dSavedLambda = ReadScriptNumber(m_nParsePos);
    }
    DrawSphereSurfMove(pDC);
}

double CPemroView::SurfaceDx(double x, double y, int k) {
    return calculus::SurfaceDx([&](double u, double v) { return EvalSurfaceF(u, v, k); }, x, y);
}

double CPemroView::SurfaceDy(double x, double y, int k) {
    return calculus::SurfaceDy([&](double u, double v) { return EvalSurfaceF(u, v, k); }, x, y);
}

double CPemroView::SurfaceDxx(double x, double y, int k) {
    return calculus::SurfaceDxx([&](double u, double v) { return EvalSurfaceF(u, v, k); }, x, y);
}

double CPemroView::SurfaceDxy(double x, double y, int k) {
    return calculus::SurfaceDxy([&](double u, double v) { return EvalSurfaceF(u, v, k); }, x, y);
}

double CPemroView::SurfaceDyy(double x, double y, int k) {
    return calculus::SurfaceDyy([&](double u, double v) { return EvalSurfaceF(u, v, k); }, x, y);
}

void CPemroView::StepBallOnSurface(double x, double y, double u, double v, double k) {
    const int upper = m_nSurfaceUpper;
    const auto f = [&](double px, double py) { return EvalSurfaceF(px, py, upper); };
    const calculus::BallState s =
        calculus::StepBall(f, {m_dGravity, m_dSavedMu, m_dSavedLambda}, {x, y, u, v}, k);
    m_adStepResult[0] = s.x, m_adStepResult[1] = s.y;
    m_adStepResult[2] = s.u, m_adStepResult[3] = s.v;
}

// The centre R pixels from the contact point along the surface normal.
void CPemroView::BallSurfaceCentre(double x, double y, double z, double fx, double fy,
                                   double* c) const {
    const double R = m_nBallRadius, w = std::sqrt(1 + fx * fx + fy * fy);
    c[0] = x - R * fx * m_dXSpan / (w * m_nProjScaleX);
    c[1] = y - R * fy * m_dYSpan / (w * m_nProjScaleY);
    c[2] = z + R * m_dZSpan / (w * m_nProjScaleZ);
}

void CPemroView::DrawSphereSurfMove(CDC* pDC) {
    EvalModeScope mode(this, kEnvelopeMode);
    if (!IsFigureBandVisible()) return;
    DrawSurfaceScene(pDC, 0, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    if (!IsSceneUsable()) return;
    DrawSurfaceWireMesh(pDC, m_dXMin, m_dXMax, m_dYMin, m_dYMax, m_nSurfaceUpper, -1, kMeshLines,
                        kMeshLines, m_crFirstDerivative, m_crFirstDerivative);
    BallSurfaceButtons(pDC);
    if (!(m_dOdeStep <= kLongestFrameStep)) m_dOdeStep = kLongestFrameStep;
    if (!(m_dOdeStep >= kShortestFrameStep)) m_dOdeStep = kShortestFrameStep;
    m_nBallRadius = std::clamp(m_nBallRadius, kSmallestBall, kLargestBall);
    if (!(m_dTimeT >= kShortestTime)) m_dTimeT = kShortestTime;
    if (!(m_dSavedMu >= 0)) m_dSavedMu = 0;
    if (!(m_dSavedLambda >= 0)) m_dSavedLambda = 0;
    if (m_dSavedLambda > 1) m_dSavedLambda = 1;

    const int upper = m_nSurfaceUpper, R = m_nBallRadius;
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, upper); };
    const double x0 = m_dX0, y0 = m_dY0, z0 = f(x0, y0);
    m_dDiffStep = kStartSlopeStep;
    const double fx = (f(x0 + kStartSlopeStep, y0) - z0) / kStartSlopeStep;
    const double fy = (f(x0, y0 + kStartSlopeStep) - z0) / kStartSlopeStep;
    double c[3];
    BallSurfaceCentre(x0, y0, z0, fx, fy, c);
    DrawDotProjected(pDC, c[0], c[1], c[2], R, R, m_crDefaultPen, m_crDefaultFill);
    if (HitTestGraphRegion(0)) RunBallOnSurface(pDC);
    BallSurfaceLabels(pDC);
}

// Every input of the run: its start, parameters, time and box, and the two
// surfaces with their coefficients.
CPemroView::BallTrail* CPemroView::BallTrailFor(bool* fresh) {
    const SurfacePass* pass = m_pSurfacePass;
    if (!pass || !pass->active || !catalog::IsOwnSurfaceForm(m_nSurfaceUpper) ||
        !catalog::IsOwnSurfaceForm(m_nSurfaceLower))
        return nullptr;
    std::vector<double> key = {m_dX0, m_dY0, m_dParamA, m_dParamB, m_dGravity, m_dSavedMu};
    key.insert(key.end(), {m_dSavedLambda, m_dOdeStep, m_dTimeT, m_dXMin, m_dXMax, m_dYMin});
    key.insert(key.end(), {m_dYMax, double(m_nSurfaceUpper), double(m_nSurfaceLower)});
    key.push_back(m_nSurfaceEvalMode);
    const catalog::SurfaceCoefs& c = pass->coefs;
    key.insert(key.end(), std::begin(c.upper), std::end(c.upper));
    key.insert(key.end(), std::begin(c.lower), std::end(c.lower));
    key.insert(key.end(), {c.alphaUpper, c.alphaLower, c.x0, c.y0});
    const auto same = [&](const BallTrail& t) {
        return t.key.size() == key.size() &&
               std::memcmp(t.key.data(), key.data(), key.size() * sizeof(double)) == 0;
    };
    for (BallTrail& t : m_aBallTrails)
        if (same(t)) return *fresh = false, &t;
    BallTrail& t = m_aBallTrails[m_nNextBallTrail];
    m_nNextBallTrail = (m_nNextBallTrail + 1) % int(std::size(m_aBallTrails));
    t.key = std::move(key);
    t.x.clear(), t.y.clear();
    *fresh = true;
    return &t;
}

int CPemroView::RunBallOnSurface(CDC* pDC) {
    const int upper = m_nSurfaceUpper, R = m_nBallRadius;
    const double h = m_dOdeStep, k = h / kStepsPerFrame, tEnd = m_dTimeT;
    const double maxFrames = double(kMaxBallSteps) / kStepsPerFrame;
    const long frames = long(std::min(tEnd / h, maxFrames)) + 1;
    // A click into the figure plays the motion; a button's click shows the
    // new run at once, so that stepping a parameter does not wait.
    CFramePresenter presenter(this, frames, IsClickPass() && !m_bClickActed && !m_bPrintMode);
    const long maxSteps = std::min(kMaxBallSteps, long((frames + 2) * kStepsPerFrame));
    // The surfaces stay as they are while the ball runs.
    const SurfacePass pass(*this);
    bool fresh = true;
    BallTrail* trail = BallTrailFor(&fresh);
    m_dDirP = 1.0;
    std::vector<double> xs, ys;
    if (fresh) {
        // The contact point of each frame: the first step at or past each
        // multiple of h, up to the end time or where the ball leaves the box.
        double x = m_dX0, y = m_dY0, u = m_dParamA, v = m_dParamB, tau = 0, tauS = 0;
        for (long i = 0; tau <= tEnd && i < maxSteps; ++i) {
            m_dDirP = 1.0;
            StepBallOnSurface(x, y, u, v, k);
            x = m_adStepResult[0], y = m_adStepResult[1];
            u = m_adStepResult[2], v = m_adStepResult[3];
            tauS += k * m_dDirP;
            if (!std::isfinite(u) || !std::isfinite(v)) break;
            if (!(m_dXMin <= x && x <= m_dXMax && m_dYMin <= y && y <= m_dYMax)) break;
            if (tauS < tau) continue;
            xs.push_back(x), ys.push_back(y);
            tau += h;
        }
        if (trail) trail->x = xs, trail->y = ys;
    }
    const std::vector<double>& tx = trail ? trail->x : xs;
    const std::vector<double>& ty = trail ? trail->y : ys;
    // Each frame's ball on screen. A ball that a later one draws again at
    // the same place is covered by it whole; where no frame is shown on the
    // way it is left out: a ball at rest repeats for thousands of frames.
    struct Ball {
        int x, y;
        bool on;
        COLORREF pen;
    };
    std::vector<Ball> balls(tx.size());
    for (size_t i = 0; i < tx.size(); ++i) {
        const double x = tx[i], y = ty[i];
        const double z = EvalSurfaceF(x, y, upper);
        double c[3];
        BallSurfaceCentre(x, y, z, SurfaceDx(x, y, upper), SurfaceDy(x, y, upper), c);
        Ball& b = balls[i];
        b.pen = RGB(TrailLevel((x - m_dXMin) / m_dXSpan), TrailLevel((y - m_dYMin) / m_dYSpan),
                    TrailLevel((z - m_dZMin) / m_dZSpan));
        TurnPoint3D(&c[0], &c[1]);
        b.on = ProjectPoint3D(c[0], c[1], c[2], &b.x, &b.y);
    }
    std::vector<bool> covered(balls.size(), false);
    if (!presenter.IsLive() && DrawingCachesEnabled() && pDC->GetROP2() == R2_COPYPEN) {
        std::unordered_set<std::uint64_t> later;
        later.reserve(balls.size());
        for (size_t i = balls.size(); i-- > 0;) {
            if (!balls[i].on) continue;
            const std::uint64_t at =
                std::uint64_t(std::uint32_t(balls[i].x)) << 32 | std::uint32_t(balls[i].y);
            covered[i] = !later.insert(at).second;
        }
    }
    double tau = 0;
    int frame = 0;
    for (size_t i = 0; i < tx.size(); ++i) {
        const double x = tx[i], y = ty[i];
        const int n = int(tau - kTimeColours * std::trunc(tau / kTimeColours));
        DrawLine3D(pDC, x, y, m_dZMin, x, y, m_dZMin,
                   m_acrPalette[std::clamp(n, 0, kTimeColours - 1)]);
        const Ball& b = balls[i];
        if (b.on && !covered[i]) DrawDotPx(pDC, b.x, b.y, R, R, b.pen, m_crFrontSide);
        tau += h;
        // Past the time budget the rest of the trail is drawn at once; the
        // end of the pass shows the last frame.
        if (presenter.Draws(frame) && frame + 1 < frames) presenter.Present();
        ++frame;
    }
    return frame;
}

void CPemroView::BallSurfaceLabels(CDC* pDC) {
    const COLORREF c = m_crUpperMesh;
    const double x = m_dXMin, Dy = m_dYSpan, Dz = m_dZSpan;
    const double ys[3] = {m_dYMin - 0.3 * Dy, m_dYMin + 0.15 * Dy, m_dYMin + 0.6 * Dy};
    struct Label {
        const char* text;
        double value;
    };
    const Label rows[3][3] = {
        {{u8"转动系数λ ", m_dSavedLambda}, {u8"初始点x0 ", m_dX0}, {"y0 ", m_dY0}},
        {{u8"重力加速度g: ", m_dGravity}, {u8"初始速a ", m_dParamA}, {u8"初始速b ", m_dParamB}},
        {{"t:", m_dTimeT}, {u8"阻尼系数μ ", m_dSavedMu}, {u8"迭代步长h ", m_dOdeStep}},
    };
    // A long value (g in cm/s²) would run into the next column: a column
    // moves right, all rows together, by what its widest neighbour needs,
    // but not into the buttons right of the box; the gaps give way first.
    const int wb = m_nFontStep / 2 + m_nBaseCharWidth, cell = (m_nLabelZoom + 3) * wb / 5;
    auto columnX = [&](double y) {
        double px = x, py = y, pz = m_dZMax;
        ArrangeAxes3D(&px, &py, &pz);
        int sx = 0, sy = 0;
        ProjectPoint3D(px, py, pz, &sx, &sy);
        return sx;
    };
    int at[3], width[3] = {0, 0, 0};
    for (int col = 0; col < 3; ++col) {
        at[col] = columnX(ys[col]);
        for (const auto& row : rows)
            width[col] = std::max(
                width[col], 3 * int(Gbk(row[col].text).size()) * wb / 5 +
                                cell * int(typeset::FormatDecimals(3, row[col].value).size()));
    }
    const int gap = cell / 2;
    for (int col = 1; col < 3; ++col)
        at[col] = std::max(at[col], at[col - 1] + width[col - 1] + gap);
    for (int col = 2, right = m_nFigureRight - 2; col > 0; right = at[col] - gap, --col)
        if (at[col] + width[col] > right)
            at[col] = std::max(at[col - 1] + width[col - 1] + 2, right - width[col]);
    const int x0 = columnX(ys[0]), x1 = columnX(ys[1]);
    const double worldPerPixel = x1 != x0 ? (ys[1] - ys[0]) / (x1 - x0) : 0.0;
    double shifted[3] = {ys[0], ys[1], ys[2]};
    for (int col = 1; col < 3; ++col) shifted[col] += (at[col] - columnX(ys[col])) * worldPerPixel;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            DrawLabelValue3D(pDC, x, shifted[col], m_dZMax - (0.01 + 0.1 * row) * Dz,
                             Gbk(rows[row][col].text), 3, rows[row][col].value, c);
}

void CPemroView::BallSurfaceButtons(CDC* pDC) {
    const int R = m_nFigureRight, T = m_nFigureTop;
    static const calculus::BallParamButton kColumn[] = {
        {u8"λ增", &CPemroView::m_dSavedLambda, 1, 0},
        {u8"λ减", &CPemroView::m_dSavedLambda, -1, 0},
        {u8"cm制", &CPemroView::m_dGravity, 0, 980.0},
        {u8"m制", &CPemroView::m_dGravity, 0, 9.8},
        {u8"x0前移", &CPemroView::m_dX0, 1, 0},
        {u8"x0后移", &CPemroView::m_dX0, -1, 0},
        {u8"y0左移", &CPemroView::m_dY0, -1, 0},
        {u8"y0右移", &CPemroView::m_dY0, 1, 0},
        {u8"μ增", &CPemroView::m_dSavedMu, 0.1, 0},
        {u8"μ减", &CPemroView::m_dSavedMu, -0.1, 0},
        {u8"vx增", &CPemroView::m_dParamA, 1, 0},
        {u8"vx减", &CPemroView::m_dParamA, -1, 0},
        {u8"vy增", &CPemroView::m_dParamB, 1, 0},
        {u8"vy减", &CPemroView::m_dParamB, -1, 0},
    };
    // The nominal places, moved apart only as far as larger fonts need.
    const int pitch = ButtonRowBelow(24, 0);
    int columnW = 0;
    for (const calculus::BallParamButton& b : kColumn)
        columnW = std::max(columnW, ButtonWidth(Gbk(b.label)));
    const int step = columnW + 4;
    const int y = T - std::max(20, ButtonHeight() + 2);
    // Right to left: t减 t增 R减 R增 h减 h增, 40 pixels apart or a label apart.
    int x = R - 30, nominal = R - 30;
    const auto place = [&](const char* label) {
        if (nominal != R - 30) x = std::min(nominal, x - ButtonWidth(Gbk(label)) - 4);
        nominal -= 40;
        return x;
    };
    const char* const kRow[] = {u8"t减", u8"t增", u8"R减", u8"R增", u8"h减", u8"h增"};
    int xs[6], ys[6];
    for (int j = 0; j < 6; ++j) xs[j] = place(kRow[j]), ys[j] = y;
    // Where the row would reach the scene's range boxes, it leaves the line
    // above the figure for the space right of it.
    const bool rowMoves = xs[5] - 2 < SceneRangeBoxesRight() + 2;
    // A column that would run down over the y axis's tick labels, which
    // start at the floor's far edge, stands as pairs, increase beside
    // decrease, with the moved row's pairs under them where they fit, else
    // in a column of their own; but only as long as all of it stays in the
    // window.
    const int count = int(std::size(kColumn)), labelsTop = m_nProjOriginY - 4;
    const bool overflows = T + pitch * count > labelsTop;
    const bool rowBelow = rowMoves && T + pitch * (count / 2 + 3) <= labelsTop;
    const int columns = 2 + (rowMoves && !rowBelow ? 1 : 0);
    const bool pairs = overflows && R + columns * step <= m_nClipRight;
    for (int j = 0; rowMoves && j < 6; ++j) {
        const int k = 5 - j; // h增 first
        if (pairs && rowBelow)
            xs[j] = R + step * (k % 2), ys[j] = T + pitch * (count / 2 + k / 2);
        else
            xs[j] = R + step * (pairs ? 2 : 1), ys[j] = T + pitch * k;
    }
    // The scene's frame reaches 2 characters past the figure; the columns
    // beside it get the margin they need.
    int right = R + (pairs ? step : 0) + columnW;
    for (int j = 0; rowMoves && j < 6; ++j)
        right = std::max(right, xs[j] + ButtonWidth(Gbk(kRow[j])));
    const int ch = m_nBaseCharHeight;
    if (right + 5 > R + 2 * ch && m_bFigureVisible)
        FillRectGradientPx(pDC, R + 2 * ch, T - ch, right + 5, m_nFigureBottom + 2 * ch,
                           m_crRightFrame, m_crRightFrame);
    calculus::BallParamColumn(*this, pDC, R, T, pitch, kColumn, pairs ? step : 0);
    if (TextButton(pDC, xs[0], ys[0], Gbk(kRow[0]))) m_dTimeT *= 0.5;
    // Past the run's longest number of frames a longer time shows nothing new.
    const bool longer = m_dTimeT < kMaxBallSteps / kStepsPerFrame * m_dOdeStep;
    if (TextButton(pDC, xs[1], ys[1], Gbk(kRow[1])) && longer) m_dTimeT *= 2;
    if (TextButtonInPlot(pDC, xs[2], ys[2], 48, 20, Gbk(kRow[2]), m_crCurveSetting)) {
        --m_nBallRadius;
        m_bSelectionPending = 1;
    }
    if (TextButtonInPlot(pDC, xs[3], ys[3], 48, 20, Gbk(kRow[3]), m_crCurveSetting)) {
        ++m_nBallRadius;
        m_bSelectionPending = 1;
    }
    if (TextButton(pDC, xs[4], ys[4], Gbk(kRow[4]))) m_dOdeStep *= 0.5;
    if (TextButton(pDC, xs[5], ys[5], Gbk(kRow[5]))) m_dOdeStep *= 2;
}
