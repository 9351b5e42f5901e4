// "SphereCurveMove": a ball rolling on the graph of y = F(x) under gravity,
// with damping and a rotation coefficient, animated within one pass from
// time 0 to the end time when the plot is clicked.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/ball_buttons.h"
#include "platform/frame_presenter.h"
#include "platform/text_codec.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFirstArgSphereCurveMove = 16;
constexpr int kSecondOrderBallForm = 16;
// Stepper steps per frame step h.
constexpr double kStepsPerFrame = 100;
// Bounds the buttons keep: the end time at least 4, the frame step halves
// down to 1/80 (it must stay positive for time to advance), the ball grows
// to 40 pixels. The end time and a longer frame step have no bound: a run
// ends at the end time, when the ball leaves the window, or after the
// stepper steps that keep a pass from hanging (about a second's work, an
// end time of 2,000 at h = 0.1).
constexpr double kShortestTime = 4.0;
constexpr double kShortestFrameStep = 0.0125;
constexpr long kMaxCurveSteps = 2000000;
constexpr int kSmallestBall = 2;
constexpr int kLargestBall = 40;

} // namespace

void CPemroView::CmdSphereCurveMove(CDC* pDC) {
    ReadPlotSetup(kFirstArgSphereCurveMove);
    if (m_bLoadScriptSettings && m_bFigureVisible) {
        if (IsArgListOpen()) m_dX0 = ReadScriptNumber(m_nParsePos);
        m_dY0 = 0;
        m_dGravity = 9.8;
        if (IsArgListOpen()) m_dSavedMu = ReadScriptNumber(m_nParsePos);
        if (IsArgListOpen()) m_dSavedLambda = ReadScriptNumber(m_nParsePos);
    }
    DrawSphereCurveMove(pDC);
}

// The ball's centre for the contact point x: R pixels along the normal.
void CPemroView::BallCentre(double x, double* cx, double* cy) const {
    const int f = m_nFuncF;
    const double d = EvalFDeriv(x, f), w = std::sqrt(1 + d * d), R = m_nBallRadius;
    *cx = x - R * d * m_dXSpan / (w * m_nPlotWidth);
    *cy = EvalF(x, f) + R * m_dYSpan / (w * m_nPlotHeight);
}

void CPemroView::DrawSphereCurveMove(CDC* pDC) {
    m_nSurfaceUpper = 0;
    m_nSurfaceLower = kSecondOrderBallForm;
    m_nCombineMode = 0;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, "x", "y");
    BallCurveButtons(pDC);
    m_nBallRadius = std::clamp(m_nBallRadius, kSmallestBall, kLargestBall);
    if (!(m_dTimeT >= kShortestTime)) m_dTimeT = kShortestTime;
    if (!(m_dSavedMu >= 0)) m_dSavedMu = 0;
    m_dSavedLambda = std::clamp(m_dSavedLambda, 0.0, 1.0);
    if (!(m_dOdeStep >= kShortestFrameStep)) m_dOdeStep = kShortestFrameStep;

    const int f = m_nFuncF, R = m_nBallRadius;
    const double x0 = m_dX0, h = m_dOdeStep, tEnd = m_dTimeT;
    double x = x0, prevX = x0, s = 0;
    double v = m_dY0 / std::sqrt(1 + EvalFDeriv(x0, f) * EvalFDeriv(x0, f));
    double startX, startY, oldX, oldY;
    BallCentre(x0, &startX, &startY);
    oldX = startX, oldY = startY;
    DrawDotWorld(pDC, startX, startY, R, R, m_crDefaultPen, m_crDefaultFill);

    if (HitTestGraphRegion(2) && IsFigureBandVisible()) {
        const double maxFrames = double(kMaxCurveSteps) / kStepsPerFrame;
        const long frames = long(std::min(tEnd / h, maxFrames)) + 1;
        CFramePresenter presenter(this, frames, IsClickPass() && !m_bPrintMode);
        const double k = h / kStepsPerFrame;
        double tau = 0, tauS = 0;
        long frame = 0, drawn = -1;
        const long maxSteps = std::min(kMaxCurveSteps, long((frames + 2) * kStepsPerFrame));
        const auto draw = [&]() {
            DrawDotWorld(pDC, oldX, oldY, R, R, m_crGround, m_crGround);
            double cx, cy;
            BallCentre(x, &cx, &cy);
            DrawBallWorld(pDC, cx, cy, R, R, s * m_dSavedLambda / R, m_crDefaultPen,
                          m_crDefaultFill);
            PlotCurveByKind(pDC, f, 0, m_dIntervalA, m_dIntervalB, m_crCurveSetting);
            oldX = cx, oldY = cy;
            DrawDotWorld(pDC, startX, startY, R, R, m_crDefaultPen, m_crDefaultPen);
            drawn = frame;
        };
        for (long i = 0; tau <= tEnd && i < maxSteps; ++i) {
            OdeRungeKuttaAdamsStep(1, 0.0, x, v, k, 0.0);
            tauS += k;
            x = m_adStepResult[0];
            v = m_adStepResult[1];
            if (!(x >= m_dXMin && x <= m_dXMax)) {
                // Off the window: the ball drawn last goes, the pass ends.
                if (drawn >= 0) DrawDotWorld(pDC, oldX, oldY, R, R, m_crGround, m_crGround);
                return;
            }
            if (tauS <= tau) continue;
            const double d = EvalFDeriv(x, f);
            s += (x - prevX) * std::sqrt(1 + d * d);
            prevX = x;
            tau += h;
            if (presenter.Draws(frame) || tau > tEnd) {
                draw();
                if (!presenter.Present()) break;
            }
            ++frame;
        }
        if (drawn < frame - 1) draw();
    }

    // Two columns of labels: three to a row run into each other on wide fonts.
    // The left column keeps to three rows: a fourth would cover a start ball
    // high up on the left, where a run usually begins.
    const COLORREF c = m_crCurveSetting;
    const double X = m_dXSpan, Y = m_dYSpan;
    const double c0 = m_dXMin + 0.05 * X, c1 = m_dXMin + 0.5 * X;
    const auto row = [&](int i) { return m_dYMax - (0.01 + 0.1 * i) * Y; };
    DrawLabelValue(pDC, c0, row(0), Gbk(u8"转动系数λ:"), 3, m_dSavedLambda, c);
    DrawLabelValue(pDC, c1, row(0), Gbk(u8"初始点x0:"), 3, m_dX0, c);
    DrawLabelValue(pDC, c0, row(1), Gbk(u8"重力加速度g:"), 3, m_dGravity, c);
    DrawLabelValue(pDC, c1, row(1), Gbk(u8"初始速:"), 3, m_dY0, c);
    DrawLabelValue(pDC, c0, row(2), Gbk(u8"阻尼系数μ:"), 3, m_dSavedMu, c);
    DrawLabelValue(pDC, c1, row(2), "t:", 3, m_dTimeT, c);
    DrawLabelValue(pDC, c1, row(3), Gbk(u8"迭代步长h:"), 3, m_dOdeStep, c);
}

void CPemroView::BallCurveButtons(CDC* pDC) {
    const int T = m_nPlotTop;
    static const calculus::BallParamButton kColumn[] = {
        {u8"λ增", &CPemroView::m_dSavedLambda, 1, 0},
        {u8"λ减", &CPemroView::m_dSavedLambda, -1, 0},
        {u8"cm制", &CPemroView::m_dGravity, 0, 980.0},
        {u8"m制", &CPemroView::m_dGravity, 0, 9.8},
        {u8"x0左移", &CPemroView::m_dX0, -1, 0},
        {u8"x0右移", &CPemroView::m_dX0, 1, 0},
        {u8"初速增", &CPemroView::m_dY0, 1, 0},
        {u8"初速减", &CPemroView::m_dY0, -1, 0},
        {u8"μ增", &CPemroView::m_dSavedMu, 0.1, 0},
        {u8"μ减", &CPemroView::m_dSavedMu, -0.1, 0},
    };
    // The row above the plot: h增 h减 R增 R减 t增 t减. Where it would reach
    // the range boxes it stands as a second column right of the first, h增
    // on top.
    const int P = m_nPlotRight;
    int rowX[6] = {P - 230, P - 190, P - 150, P - 110, P - 70, P - 30};
    // A large font pushes each button right of the one before: the row moves
    // left so that t减 still ends inside the frame.
    const int shift = calculus::RowShiftIntoFigure(*this, {{rowX[0], u8"h增"},
                                                           {rowX[1], u8"h减"},
                                                           {rowX[2], u8"R增"},
                                                           {rowX[3], u8"R减"},
                                                           {rowX[4], u8"t增"},
                                                           {rowX[5], u8"t减"}});
    for (int& x : rowX) x -= shift;
    int box[4][2];
    RangeBoxes2D(box);
    const bool rowMoves = rowX[0] < box[3][1] + 4;
    int columnW = 0;
    for (const calculus::BallParamButton& b : kColumn)
        columnW = std::max(columnW, ButtonWidth(Gbk(b.label)));
    const int rowW =
        calculus::WidestButton(*this, {u8"h增", u8"h减", u8"R增", u8"R减", u8"t增", u8"t减"});
    // The columns' margin right of the plot.
    const int R = P;
    calculus::FrameMarginForColumn(*this, pDC, R, rowMoves ? columnW + 8 + rowW : columnW);
    calculus::BallParamColumn(*this, pDC, R, T, 24, kColumn);
    int xs[6], ys[6];
    if (rowMoves) {
        for (int j = 0; j < 6; ++j) xs[j] = R + columnW + 8, ys[j] = T + 24 * j;
    } else {
        for (int j = 0; j < 6; ++j) xs[j] = rowX[j], ys[j] = T - 24;
    }
    if (TextButton(pDC, xs[0], ys[0], Gbk(u8"h增"))) m_dOdeStep *= 2;
    if (TextButton(pDC, xs[1], ys[1], Gbk(u8"h减"))) m_dOdeStep *= 0.5;
    if (TextButtonInPlot(pDC, xs[2], ys[2], 48, 20, Gbk(u8"R增"), m_crCurveSetting)) {
        ++m_nBallRadius;
        m_bSelectionPending = 1;
    }
    if (TextButtonInPlot(pDC, xs[3], ys[3], 48, 20, Gbk(u8"R减"), m_crCurveSetting)) {
        --m_nBallRadius;
        m_bSelectionPending = 1;
    }
    // The run stops after its longest number of frames: past that, a longer
    // time would show nothing new.
    const bool longer = m_dTimeT < kMaxCurveSteps / kStepsPerFrame * m_dOdeStep;
    if (TextButton(pDC, xs[4], ys[4], Gbk(u8"t增")) && longer) m_dTimeT *= 2;
    if (TextButton(pDC, xs[5], ys[5], Gbk(u8"t减"))) m_dTimeT *= 0.5;
}
