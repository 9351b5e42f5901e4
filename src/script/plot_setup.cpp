// The two figure set-ups most commands begin with: frame and placement,
// function indexes, world range, interval and options.
#include "view/view.h"

#include "script/script_args.h"

#include <algorithm>
#include <climits>

namespace {

// The plot mode of a y-type region.
constexpr int kPlotModeYRegion = 4;

// The region at its default, a twentieth of the span inside the range.
void RegionInset(const CPemroView& v, double xSpan, double ySpan, double r[4]) {
    r[0] = v.m_dXMin + 0.05 * xSpan;
    r[1] = v.m_dXMax - 0.05 * xSpan;
    r[2] = v.m_dYMin + 0.05 * ySpan;
    r[3] = v.m_dYMax - 0.05 * ySpan;
}

// A region the figure left at its default inside the range follows the range
// its set-up commits (the saved range a button stepped, the script's after
// "恢复"), in the same pass.
class CRegionFollowsRange {
public:
    explicit CRegionFollowsRange(CPemroView* v) : m_pView(v) {
        double r[4];
        RegionInset(*v, v->m_dXSpan, v->m_dYSpan, r);
        m_bAtInset = std::equal(r, r + 4, v->m_adRegionRect);
    }
    void Committed() {
        CPemroView& v = *m_pView;
        if (m_bAtInset)
            RegionInset(v, v.m_dXMax - v.m_dXMin, v.m_dYMax - v.m_dYMin, v.m_adRegionRect);
    }

private:
    CPemroView* m_pView;
    bool m_bAtInset;
};

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
    CRegionFollowsRange region(this);

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
    region.Committed();
}

void CPemroView::ReadPlotSetup3D(int nPos) {
    if (m_nPassScenes < INT_MAX) ++m_nPassScenes;
    if (!ReadFigureFrameAndFunctions(nPos)) return;
    CRegionFollowsRange region(this);
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
    region.Committed();
}
