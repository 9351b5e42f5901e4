// Command sections of the iterative matrix commands: QR, the iterative
// solvers, the descent methods, the power method and Jacobi's rotations.
// Each reads its numbers into view fields, lays out its figure and hands the
// page to its demonstration.
#include "script/script_args.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>

namespace {

// First argument column: right after the keyword and its "(".
constexpr int kFirstArgQR = 3;
constexpr int kFirstArgJacobiSeidel = 13;
constexpr int kFirstArgPowerMethod = 12;
constexpr int kFirstArgJacobiMethod = 13;
constexpr int kFirstArgGradient = 9;

} // namespace

void CPemroView::SetMatrixWindow(CDC* pDC) {
    m_dXMin = m_dYMin = -1.2;
    m_dXMax = m_dYMax = 1.2;
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
}

BOOL CPemroView::ReadMatrixFrame(int firstArg) {
    ReadAndLayoutFrame(firstArg);
    return m_bFigureVisible;
}

void CPemroView::CmdQR(CDC* pDC) {
    if (!ReadMatrixFrame(kFirstArgQR)) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dStepH = ReadScriptNumber(m_nParsePos);
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dEpsilon = ReadScriptNumber(m_nParsePos);
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    LoadLinearSystem(m_nCountN, m_nCountN);
    m_nRelatedDataRows = m_bShowRelatedData ? m_nCountN : 0;
    SetMatrixWindow(pDC);
    if (m_bFullRepaint || IsClickOnGraphControls()) DrawQR(pDC, m_nCountN, m_nPlotMode);
    m_nRelatedDataRows = 0;
}

void CPemroView::CmdJacobiSeidel(CDC* pDC) {
    if (!ReadMatrixFrame(kFirstArgJacobiSeidel)) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    int read = 0;
    while (IsArgListOpen() && m_bLoadScriptSettings && read < kUserShapePoints)
        m_adShapeX1[read++] = ReadScriptNumber(m_nParsePos);
    const int count = read > 0 ? read + 1 : 0;
    // A short list starts the missing components at 0, and without its
    // relaxation factor the factor is 1.
    const int n = std::clamp(m_nCountN, 0, kUserShapePoints - 1);
    if (read > 0) {
        for (int k = read; k < n; ++k) m_adShapeX1[k] = 0;
        if (read <= n) m_adShapeX1[n] = 1.0;
    }
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    LoadLinearSystem(m_nCountN, m_nCountN);
    m_dXMin = m_dYMin = 0;
    m_dXMax = m_nCountN;
    // In doubles: a script's count may be the largest int.
    const double yMax =
        m_nDemoStep < 5 && m_nCountN < 5 ? 6 : std::max<double>(m_nDemoStep, m_nCountN) + 2;
    // The side panel holds the precision column, not y numbers, but its width
    // follows the y range's digits: frame it with a range of the same width
    // at every step, so that the figure stays put as the steps go on.
    m_dYMax = yMax == 10 ? std::nextafter(10.0, 11.0) : std::min(yMax, 100.0);
    m_nRelatedDataRows = m_bShowRelatedData ? m_nCountN : 0;
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
    m_dYMax = yMax;
    m_dYSpan = m_dYMax - m_dYMin;
    if (m_bFullRepaint || IsClickOnGraphControls()) DrawJacobiSeidel(pDC, m_nCountN, count);
    m_nRelatedDataRows = 0;
}

void CPemroView::CmdPowerMethod(CDC* pDC) {
    if (!ReadMatrixFrame(kFirstArgPowerMethod)) return;
    m_nCountN = m_nCountM = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nScriptPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dStepH = ReadScriptNumber(m_nParsePos);
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dEpsilon = ReadScriptNumber(m_nParsePos);
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    LoadLinearSystem(m_nCountN, m_nCountN);
    // Its plot keeps the height its long button column needs.
    SetMatrixWindow(pDC);
    if (m_bFullRepaint || IsClickOnGraphControls()) DrawPowerMethod(pDC, m_nCountN, m_nPlotMode);
}

void CPemroView::CmdJacobiMethod(CDC* pDC) {
    if (!ReadMatrixFrame(kFirstArgJacobiMethod)) return;
    m_nCountN = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dEpsilon = ReadScriptNumber(m_nParsePos);
    m_nPlotMode = 0;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    LoadLinearSystem(m_nCountN, m_nCountN);
    m_nRelatedDataRows = m_bShowRelatedData ? m_nCountN : 0;
    SetMatrixWindow(pDC);
    if (m_bFullRepaint || IsClickOnGraphControls()) DrawJacobiMethod(pDC, m_nCountN);
    m_nRelatedDataRows = 0;
}

void CPemroView::CmdGradient(CDC* pDC) {
    ReadPlotSetup(kFirstArgGradient);
    if (!m_bFigureVisible) return;
    if (IsArgListOpen() && m_bLoadScriptSettings) m_dEpsilon = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) {
        m_nSurfaceUpper = ScriptInt(m_dIntervalA);
        m_nSurfaceLower = ScriptInt(m_dIntervalB);
        m_bProjectXoy = FALSE;
        m_nProjectionDisplay = 0;
    }
    m_nRelatedDataRows = m_bShowRelatedData ? m_nCountN : 0;
    DrawGradient(pDC, m_nCountN, m_nCountM);
    m_bDecimalsRowOver = FALSE;
    m_nRelatedDataRows = 0;
}
