// Command sections of the numerical-analysis and linear-algebra commands:
// each reads its numbers into view fields, lays out its figure and hands the
// page to its demonstration.
#include "script/script_args.h"
#include "view/view.h"

#include "platform/real_steps.h"

#include <cmath>

namespace {

// First argument column: right after the keyword and its "(".
constexpr int kFirstArgGauss = 6;
constexpr int kFirstArgLU = 3;
constexpr int kFirstArgMatrixtransform = 16;
constexpr int kFirstArgDet = 4;
constexpr int kFirstArgRoot = 5;
constexpr int kFirstArgRomberg = 8;
constexpr int kFirstArgDiffEquation = 14;

// The world window of the number tables.
constexpr double kMatrixWindow = 1.2;

// Hatching under the Romberg integrand: vertical lines 1/100 of the span
// apart, at most this many.
constexpr double kHatchStep = 0.01;
constexpr int kMaxHatchLines = 1000;

// The method pair and solution mode each method number of "DiffEquation1"
// selects; a negative mode leaves the mode as it is.
struct OdeMethodChoice {
    int family;
    int method;
    double mode;
};
constexpr OdeMethodChoice kOdeMethods[] = {
    {0, 0, 2}, {0, 1, 2}, {1, 0, 2}, {1, 1, 2}, {2, 0, -1}, {2, 1, -1}, {1, 2, 2},
};

} // namespace

// --- Matrix commands -----------------------------------------------------------------

void CPemroView::CmdGauss(CDC* pDC) {
    ReadAndLayoutFrame(kFirstArgGauss);
    if (!m_bFigureVisible) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nCountM = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawGauss(pDC, m_nCountN, m_nCountM);
}

void CPemroView::CmdLU(CDC* pDC) {
    ReadAndLayoutFrame(kFirstArgLU);
    if (!m_bFigureVisible) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawLU(pDC, m_nCountN, m_nPlotMode);
}

void CPemroView::CmdMatrixtransform(CDC* pDC) {
    ReadAndLayoutFrame(kFirstArgMatrixtransform);
    if (!m_bFigureVisible) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nCountM = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    if (m_nPlotMode > 2) m_nPlotMode = 0;
    LoadLinearSystem(m_nCountM, m_nCountN);
    m_dXMin = m_dYMin = -kMatrixWindow;
    m_dXMax = m_dYMax = kMatrixWindow;
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
    if (m_bFullRepaint || IsClickOnGraphControls())
        DrawMatrixtransform(pDC, m_nPlotMode, m_nCountM, m_nCountN);
}

void CPemroView::CmdDet(CDC* pDC) {
    ReadAndLayoutFrame(kFirstArgDet);
    if (!m_bFigureVisible) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    m_nPlotMode = 3;
    LoadLinearSystem(m_nCountN, m_nCountN);
    m_dXMin = m_dYMin = -kMatrixWindow;
    m_dXMax = m_dYMax = kMatrixWindow;
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
    if (m_bFullRepaint || IsClickOnGraphControls())
        DrawMatrixtransform(pDC, 3, m_nCountN, m_nCountN);
}

// --- Roots and integrals ---------------------------------------------------------------

void CPemroView::CmdRoot(CDC* pDC) {
    ReadPlotSetup(kFirstArgRoot);
    if (!m_bFigureVisible) return;
    // ε is the third number after b; the user's ε stands once changed.
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dEpsilon = ReadScriptNumber(m_nParsePos);
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
    DrawRoot(pDC, m_nFuncLower);
}

void CPemroView::CmdRomberg(CDC* pDC) {
    ReadPlotSetup(kFirstArgRomberg);
    if (!m_bFigureVisible) return;
    m_bDecimalsRowOver = TRUE;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
    const double step = kHatchStep * m_dXSpan;
    if (step > 0 && std::isfinite(step)) {
        steps::ForEach(m_dIntervalA, m_dIntervalB, step, kMaxHatchLines, false, [&](double x) {
            DrawLineWorld(pDC, x, EvalF(x, m_nFuncF), x, 0, m_crCurveSetting);
        });
    }
    DrawRomberg(pDC);
    m_bDecimalsRowOver = FALSE;
}

// --- Initial-value problems --------------------------------------------------------------

void CPemroView::CmdDiffEquation1(CDC* pDC) {
    ReadPlotSetup3D(kFirstArgDiffEquation);
    if (!m_bFigureVisible) return;
    const double x0 = ReadScriptNumber(m_nParsePos);
    const double y0 = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) m_dX0 = x0, m_dY0 = y0;
    int exact = -1;
    if (IsArgListOpen()) {
        exact = ScriptInt(ReadScriptNumber(m_nParsePos));
        if (m_bLoadScriptSettings && IsArgListOpen()) m_dOdeStep = ReadScriptNumber(m_nParsePos);
    }
    if (m_nFuncUpper >= 0 && m_nFuncUpper < int(std::size(kOdeMethods))) {
        const OdeMethodChoice& c = kOdeMethods[m_nFuncUpper];
        m_nOdeMethodFamily = c.family;
        m_nOdeMethod = c.method;
        if (c.mode >= 0) m_dDemoParam = c.mode;
    }
    if (m_bLoadScriptSettings) m_dIntervalA = m_dZMin, m_dIntervalB = m_dZMax;
    DrawDiffEquation1(pDC, 0);
    if (exact >= 0)
        PlotCurveByKind(pDC, exact, 0, m_dIntervalA, m_dIntervalB, m_crSecondDerivative);
}

void CPemroView::CmdDiffEquations(CDC* pDC) {
    ReadPlotSetup3D(kFirstArgDiffEquation);
    if (!m_bFigureVisible) return;
    if (m_nRegionType >= 0) m_bPhasePlane = m_nRegionType;
    m_nOdeMethodFamily = 2;
    m_nOdeMethod = 0;
    if (m_bLoadScriptSettings) m_dIntervalA = m_dZMin, m_dIntervalB = m_dZMax;
    const double x0 = ReadScriptNumber(m_nParsePos);
    const double y0 = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) m_dX0 = x0, m_dY0 = y0;
    m_dZ0 = ReadScriptNumber(m_nParsePos);
    if (!m_bPhasePlane) {
        DrawFunctionGraph(pDC, 0, 0, 0, 0.001, m_astrCommandLabel[0], m_astrCommandLabel[1]);
    } else {
        m_dXMin = m_dYMin;
        m_dXMax = m_dYMax;
        DrawFunctionGraph(pDC, 0, 0, 0, 0.001, "x", "y");
    }
    DrawDiffEquation1(pDC, 1);
}
