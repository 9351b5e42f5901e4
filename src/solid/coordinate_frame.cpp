// The empty coordinate frame of the space lessons: the room of three walls,
// the box, ticks with their values, the range arrows and, on request, the
// three axes. The volume-element pages draw their elements into it.
#include "view/view.h"

#include "platform/text_codec.h"
#include "script/script_args.h"
#include "solid/math/scene_math.h"

namespace {

constexpr int kArgCoordinateSystem = 17;

// Gives the rotation and the axis arrangement back on every way out.
class FrameTurnScope {
public:
    explicit FrameTurnScope(CPemroView* v)
        : m_v(v), m_angle(v->m_dRotationAngle), m_arrangement(v->m_nAxisArrangement) {}
    ~FrameTurnScope() { Restore(); }
    FrameTurnScope(const FrameTurnScope&) = delete;
    FrameTurnScope& operator=(const FrameTurnScope&) = delete;
    void Restore() {
        m_v->m_dRotationAngle = m_angle;
        m_v->m_nAxisArrangement = m_arrangement;
    }

private:
    CPemroView* m_v;
    double m_angle;
    int m_arrangement;
};

} // namespace

void CPemroView::CmdCoordinateSystem(CDC* pDC) {
    ReadPlotSetup3D(kArgCoordinateSystem);
    if (m_bFigureVisible) DrawCoordinateSystem(pDC);
}

void CPemroView::DrawCoordinateSystem(CDC* pDC) {
    m_dXSpan = m_dXMax - m_dXMin;
    m_dYSpan = m_dYMax - m_dYMin;
    m_dZSpan = m_dZMax - m_dZMin;
    m_bFigure3D = 1;
    m_nFigureLeft = m_nGraphLeft, m_nFigureTop = m_nGraphTop;
    m_nFigureRight = m_nGraphRight, m_nFigureBottom = m_nGraphBottom;
    FrameTurnScope turn(this);
    m_dRotationAngle = 0;
    m_nProjectionDisplay = 0;
    if (HitTestGraphRegion(1) && m_bZoom) {
        ZoomSceneBox();
        if (m_nSequenceMode == 1) m_dDiffStep *= 5;
    }
    const int L = m_nFigureLeft, T = m_nFigureTop, R = m_nFigureRight, B = m_nFigureBottom;
    const solid::SceneLayout s = solid::MakeSceneLayout(L, T, R, B);
    m_nProjOriginX = s.originX, m_nProjOriginY = s.originY;
    m_nProjScaleX = s.scaleX, m_nProjScaleY = s.scaleY, m_nProjScaleZ = s.scaleZ;
    m_anFigureBox3D[0] = L, m_anFigureBox3D[1] = R, m_anFigureBox3D[2] = T, m_anFigureBox3D[3] = B;

    // A flat box or an empty range has no projection to draw in.
    m_nFrameDrawn =
        IsFigureBandVisible() && (m_bFullRepaint || HitTestGraphRegion(0)) && IsSceneUsable();
    KeepFigureAsDrawn(m_pFigureClipDC);
    if (!m_nFrameDrawn) return;
    m_dObliqueFactor = solid::ObliqueFactor(s);
    if (m_bZoom) m_bBeforeFigure = 0;
    m_nAxisArrangement = 1;
    DrawSceneStage(pDC);
    DrawSceneTicks(pDC, m_nFuncLower != 0);
    turn.Restore();
    m_dRotationAngle = 0;

    CString xl = "x", yl = "y", zl = "z";
    if (m_nAxisArrangement == 2)
        xl = "z", yl = "x", zl = "y";
    else if (m_nAxisArrangement == 3)
        xl = "y", yl = "z", zl = "x";
    if ((m_bLoadScriptSettings == 0 || m_bSelectionPending == 1) &&
        TextButton(pDC, SceneRestoreX(), T - m_nBaseCharHeight / 2 - 10, Gbk(u8"恢复"))) {
        m_bLoadScriptSettings = 1;
        m_bSelectionPending = 0;
    }
    if (m_nFuncUpper != 0) {
        DrawSceneAxes(pDC, xl, yl, zl);
    }
}
