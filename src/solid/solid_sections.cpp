// The script commands of the surfaces and solids: "Surf", "Solid",
// "Calculus2" and "calculus2" (double integrals), "Derivative2" and
// "MeanCalculus2". Each reads its figure set-up and its own numbers and
// hands the drawing to the scene's routines.
#include "view/view.h"

#include "platform/text_codec.h"
#include "script/script_args.h"
#include "solid/math/scene_math.h"

namespace {

// First argument columns: one past the keyword and its "(".
constexpr int kArgSurf = 5;
constexpr int kArgSolid = 6;
constexpr int kArgCalculus2 = 10;
constexpr int kArgDerivative2 = 12;
constexpr int kArgMeanCalculus2 = 14;

constexpr int kSurfSubDemo = 26;
constexpr int kMeanSubDemo = 33;
constexpr int kIntegralCells = 200;
constexpr int kButtonW = 50, kButtonH = 20;

// The sub-demonstrations of the double-integral lesson.
constexpr int kPartition = 20;
constexpr int kSums = 21;
constexpr int kIntegration = 24;

} // namespace

void CPemroView::CmdSurf(CDC* pDC) {
    ReadPlotSetup3D(kArgSurf);
    if (!m_bFigureVisible) return;
    if (m_bLoadScriptSettings) {
        int* const targets[5] = {&m_nUpperSurfaceStyle, &m_nLowerSurfaceStyle, &m_nSideSurfaces,
                                 &m_nSurfSceneMode, &m_nAxisArrangement};
        for (int* t : targets)
            if (IsArgListOpen()) *t = ScriptInt(ReadScriptNumber(m_nParsePos));
    }
    const int mode = m_nSurfSceneMode;
    if (mode == 0 || mode == 2) {
        DrawSurfaceScene(pDC, mode / 2, mode / 2, mode / 2, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x",
                         "y", "z");
    } else {
        const int subDemo = m_nSubDemo;
        m_nSubDemo = kSurfSubDemo;
        DrawSurf(pDC);
        m_nSubDemo = subDemo;
    }
    m_nAxisArrangement = 1;
    if (IsFigureBandVisible()) {
        const int h = m_nBaseCharHeight, T = m_nFigureTop;
        DrawSurfaceFunctionPanel(pDC, m_nFigureLeft - 2 * h, m_nFigureRight + 2 * h + 10,
                                 T - 6 * h - 4, T - h, Gbk(u8"上曲面"), Gbk(u8"下曲面"));
    }
}

void CPemroView::CmdSolid(CDC* pDC) {
    ReadPlotSetup3D(kArgSolid);
    if (!m_bFigureVisible) return;
    if (m_bLoadScriptSettings) {
        int* const targets[4] = {&m_nUpperSurfaceStyle, &m_nLowerSurfaceStyle, &m_nSideSurfaces,
                                 &m_nAxisArrangement};
        for (int* t : targets)
            if (IsArgListOpen()) *t = ScriptInt(ReadScriptNumber(m_nParsePos));
        m_nProjectionDisplay = IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 0;
    }
    m_dIntervalA = m_dZMin;
    m_dIntervalB = m_dZMax;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawSolid(pDC, m_dXMin, m_dXMax, m_dYMin, m_dYMax);
}

void CPemroView::CmdCalculus2(CDC* pDC) {
    ReadPlotSetup3D(kArgCalculus2);
    if (!m_bFigureVisible) return;
    m_nSideSurfaces = 1;
    const int k = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nUpperSurfaceStyle = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nLowerSurfaceStyle = ScriptInt(ReadScriptNumber(m_nParsePos));
    switch (k) {
    case 0:
        m_nDemoOption = kPartition;
        break;
    case 1:
    case 2:
        m_nDemoOption = kSums;
        m_nDemoOption2 = k - 1;
        break;
    case 3:
    case 4:
        m_nDemoOption = kIntegration;
        m_nSectionPlane = k - 2;
        break;
    case 5:
        m_nDemoOption = kIntegration;
        m_bCutZc = 1;
        m_nSectionPlane = 0;
        break;
    default:
        break;
    }
    m_nSubDemo = m_nDemoOption;
    if (m_nSubDemo == kIntegration)
        DrawSolid(pDC, m_dXMin, m_dXMax, m_dYMin, m_dYMax);
    else
        DrawSurfaceScene(pDC, 0, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
    if (k >= 0) return;

    const int R = m_nFigureRight, T = m_nFigureTop;
    const auto button = [&](int y, const char* utf8) {
        return TextButtonInPlot(pDC, R, y, kButtonW, kButtonH, Gbk(utf8), m_crCurveSetting);
    };
    if (m_nSubDemo == kIntegration) {
        if (button(T - 24, u8"取消")) m_nDemoOption = -1;
        return;
    }
    if (button(T - 24, u8"分割")) m_nDemoOption = kPartition;
    if (button(T, u8"近似和")) m_nDemoOption = kSums, m_nDemoOption2 = 0;
    if (button(T + 24, u8"高斯和")) m_nDemoOption = kSums, m_nDemoOption2 = 1;
    if (button(T + 48, u8"积分法")) m_nDemoOption = kIntegration;
    if (button(T + 72, u8"取消")) m_nDemoOption = -1;
}

void CPemroView::Cmdcalculus2(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const int kind = ScriptInt(ReadScriptNumber(kArgCalculus2));
    m_nRegionType = ScriptInt(ReadScriptNumber(m_nParsePos));
    const double x = ReadScriptNumber(m_nParsePos);
    const double y = ReadScriptNumber(m_nParsePos);
    const double z = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    static const char* const kLabels[5] = {u8"投影区域面积: ", u8"二重积分: ", u8"立体的体积: ",
                                           u8"上曲面的面积: ", u8"下曲面的面积: "};
    if (!m_bFigureVisible || kind < 0 || kind > 4) return;
    const int upper = kind == 0 ? 1 : m_nSurfaceUpper, lower = kind == 0 ? 1 : m_nSurfaceLower;
    const double value = ComputeRegionIntegral(kIntegralCells, kIntegralCells, m_dXMin, m_dXMax,
                                               m_dYMin, m_dYMax, upper, lower, kind);
    DrawLabelValue3D(pDC, x, y, z, Gbk(kLabels[kind]), 4, value, m_crPen);
}

void CPemroView::CmdDerivative2(CDC* pDC) {
    ReadPlotSetup3D(kArgDerivative2);
    if (!m_bFigureVisible) return;
    m_nUpperSurfaceStyle = 0;
    m_nLowerSurfaceStyle = 0;
    DrawDerivative2(pDC);
}

void CPemroView::CmdMeanCalculus2(CDC* pDC) {
    ReadPlotSetup3D(kArgMeanCalculus2);
    if (!m_bFigureVisible) return;
    m_nSubDemo = kMeanSubDemo;
    DrawMeanCalculus2(pDC);
    m_nSubDemo = 0;
}
