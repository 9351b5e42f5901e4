// Command sections of the statistics commands: each reads its numbers into
// the view, draws the figure's frame and hands over to its demonstration.
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "stats/math/distributions.h"
#include "view/view.h"

namespace {

// First argument column: right after the keyword and its "(".
constexpr int kFirstArgDisDistribution = 16;
constexpr int kFirstArgConDistribution = 16;
constexpr int kFirstArgRegionEstimate = 15;
constexpr int kFirstArgAssumeVerify = 13;
// The axes-only figures plot over a range too short for a curve.
constexpr double kAxesOnlyRange = 0.0001;

} // namespace

void CPemroView::CmdDisDistribution(CDC* pDC) {
    ReadAndLayoutFrame(kFirstArgDisDistribution);
    if (!m_bFigureVisible) return;
    m_dProbP = m_dLambda = ReadScriptNumber(m_nParsePos);
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int kind = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_bShowMean = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_bShowVariance = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nCountM = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPopulationN = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nMarkedM = ScriptInt(ReadScriptNumber(m_nParsePos));
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, CString(), CString());
    DrawDisDistribution(pDC, kind);
}

void CPemroView::CmdConDistribution(CDC* pDC) {
    ReadPlotSetup(kFirstArgConDistribution);
    if (!m_bFigureVisible) return;
    m_bQuantileMode = IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 0;
    m_nFuncF = ScriptIntPlus(m_nPlotMode, stats::kUniform);
    // An explicit figure of the density itself, as the density items of the
    // function menu make it: no axis swap, no combination with g.
    m_nPlotMode = m_nPendingPlotMode = 0;
    m_nPlotOrientation = 0;
    m_nRegionType = m_nPendingRegionType = 0;
    m_nCombineMode = m_nPendingCombineMode = 0;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    const CString xLabel = m_astrCommandLabel[0].empty() ? CString("x") : m_astrCommandLabel[0];
    const CString yLabel = m_astrCommandLabel[1].empty() ? CString("y") : m_astrCommandLabel[1];
    DrawFunctionGraph(pDC, 0, 0, m_dXMin, m_dXMax, xLabel, yLabel);
    if (IsStatsFigurePass()) DrawConDistribution(pDC, m_bQuantileMode);
}

void CPemroView::CmdRegionEstimate(CDC* pDC) {
    ReadPlotSetup(kFirstArgRegionEstimate);
    if (!m_bFigureVisible) return;
    if (IsArgListOpen()) m_dSignificance = ReadScriptNumber(m_nParsePos);
    m_nFuncF = stats::kNormal;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawFunctionGraph(pDC, 0, 0, m_dXMin, m_dXMin + kAxesOnlyRange, CString("x[xi]"),
                      CString("p[n]"));
    if (IsStatsFigurePass()) DrawRegionEstimate(pDC, m_nPlotMode);
}

void CPemroView::CmdAssumeVerify(CDC* pDC) {
    ReadPlotSetup(kFirstArgAssumeVerify);
    if (!m_bFigureVisible) return;
    m_nFuncF = stats::kNormal;
    if (IsArgListOpen()) m_dSignificance = ReadScriptNumber(m_nParsePos);
    m_bQuantileMode = IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 0;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawFunctionGraph(pDC, 0, 0, m_dXMin, m_dXMin + kAxesOnlyRange, CString("x"), CString("p"));
    DrawAssumeVerify(pDC, m_nPlotMode);
}
