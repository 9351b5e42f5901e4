// The two figure set-ups most commands begin with: frame and placement,
// function indexes, world range, interval and options.
#include "view/view.h"

#include "script/script_args.h"

namespace {

// The plot mode of a y-type region.
constexpr int kPlotModeYRegion = 4;

} // namespace

bool CPemroView::ReadFigureFrameAndFunctions(int nPos) {
    ReadAndLayoutFrame(nPos);
    // A figure that is not placed reads nothing more of its line.
    if (!m_bFigureVisible) return false;

    m_nFuncUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nFuncLower = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nFuncLeft = m_nFuncLower;
    m_nFuncRight = m_nFuncUpper;
    m_nFuncF = m_nFuncUpper;
    return true;
}

void CPemroView::ReadPlotSetup(int nPos) {
    if (!ReadFigureFrameAndFunctions(nPos)) return;

    m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nScriptPlotMode = m_nPlotMode;
    m_nPlotOrientation = m_nPlotMode;
    if (m_nPlotMode == kPlotModeYRegion) m_nRegionType = 2;

    m_dXMin = ReadScriptNumber(m_nParsePos);
    m_dXMax = ReadScriptNumber(m_nParsePos);
    m_dYMin = ReadScriptNumber(m_nParsePos);
    m_dYMax = ReadScriptNumber(m_nParsePos);
    m_dIntervalA = m_dZMin = ReadScriptNumber(m_nParsePos);
    m_dIntervalB = m_dZMax = ReadScriptNumber(m_nParsePos);

    m_dPlotOption1Value = m_nPlotOption1;
    if (IsArgListOpen()) {
        m_dPlotOption1Value = ReadScriptNumber(m_nParsePos);
        m_nPlotOption1 = ScriptInt(m_dPlotOption1Value);
    }
    if (IsArgListOpen()) m_nPlotOption2 = ScriptInt(ReadScriptNumber(m_nParsePos));

    // Copies read by the statistics and period demonstrations.
    m_bShowMean = m_nFuncUpper;
    m_bShowVariance = m_nFuncLower;
    m_dMu = m_dIntervalA;
    m_dSigma = m_dIntervalB;
    m_dFuncFPeriod = m_dIntervalA;
    m_nCountN = m_nPlotOption1;
    m_nCountM = m_nPlotOption2;

    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
}

void CPemroView::ReadPlotSetup3D(int nPos) {
    if (!ReadFigureFrameAndFunctions(nPos)) return;
    m_nRegionType = ScriptInt(ReadScriptNumber(m_nParsePos));

    m_dXMin = ReadScriptNumber(m_nParsePos);
    m_dXMax = ReadScriptNumber(m_nParsePos);
    m_dYMin = ReadScriptNumber(m_nParsePos);
    m_dYMax = ReadScriptNumber(m_nParsePos);
    m_dZMin = ReadScriptNumber(m_nParsePos);
    m_dZMax = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) {
        m_dIntervalA = m_dZMin;
        m_dIntervalB = m_dZMax;
    }
    m_nSurfaceUpper = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nSurfaceLower = ScriptInt(ReadScriptNumber(m_nParsePos));

    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
}
