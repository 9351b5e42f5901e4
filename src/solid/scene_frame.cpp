// The 3-D scene: the oblique projection of the world box into the figure,
// the stage (graded ground, back and left walls, floor, box, ticks), the
// scene's buttons (projection inset, cutting height, mesh density,
// restore) and values, then the surfaces of the part of the domain a call
// names.
#include "view/view.h"

#include "catalog/math/graph_axes.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "solid/math/scene_math.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kTicksPerAxis = 4;
constexpr int kTickCap = kTicksPerAxis + 2;

// Two decimals, or the few more a quarter point needs to be written as its
// value (0.025 on [0, 0.1]). Where one value of an axis needs more than that
// (a minimum the range arrows moved, 1.0317 beside 1.52), every value of the
// axis rounds to two, so none stands out of the column.
constexpr int kMostSceneTickDecimals = 4;
int ExactTickDecimals(double u) {
    const int decimals = catalog::ExactDecimals(u, 2);
    return decimals > kMostSceneTickDecimals ? -1 : decimals;
}

// Where an x tick's value starts, a little left of its tick.
double XTickValueX(double u, double span, int scaleX) {
    return u - 4 * span / scaleX;
}
// Columns of the left wall of the stage: more than any window is wide.
constexpr long kMaxWallColumns = 16384;
// The density buttons are smaller than the usual 40 x 20.
constexpr int kSmallButtonW = 36, kSmallButtonH = 20;
constexpr int kRestoreW = 34, kRestoreH = 16;
// The range boxes: the minimum box from X0 - 60, the maximum box from X0 + 60,
// each 108 x 19 pixels in a small font, so 12 pixels apart; the restore
// button keeps its frame this far from them.
constexpr int kRangeMinLeft = -60, kRangeMaxLeft = 60;
constexpr int kRangeW = 108, kRangeH = 19;
constexpr int kRangeGap = kRangeMaxLeft - kRangeMinLeft - kRangeW;
constexpr int kControlGap = 2;
// The cells of "Meshx:" over the mesh buttons.
constexpr int kMeshCaptionLength = 6;
// Zoomed, the frame stands this far inside the window.
constexpr int kZoomMargin = 4;
// Cells of the volume printed in the double-integral lessons.
constexpr int kVolumeCells = 500;

// Gives the rotation and the axis arrangement back on every way out.
class SceneTurnScope {
public:
    explicit SceneTurnScope(CPemroView* v)
        : m_v(v), m_angle(v->m_dRotationAngle), m_arrangement(v->m_nAxisArrangement) {}
    ~SceneTurnScope() {
        m_v->m_dRotationAngle = m_angle;
        m_v->m_nAxisArrangement = m_arrangement;
    }
    SceneTurnScope(const SceneTurnScope&) = delete;
    SceneTurnScope& operator=(const SceneTurnScope&) = delete;
    double Angle() const { return m_angle; }
    int Arrangement() const { return m_arrangement; }

private:
    CPemroView* m_v;
    double m_angle;
    int m_arrangement;
};

COLORREF Lightened(COLORREF c, int n) {
    return RGB(solid::LightenChannel(GetRValue(c), n), solid::LightenChannel(GetGValue(c), n),
               solid::LightenChannel(GetBValue(c), n));
}

} // namespace

BOOL CPemroView::IsSceneUsable() const {
    return solid::SpanUsable(m_dXSpan) && solid::SpanUsable(m_dYSpan) &&
           solid::SpanUsable(m_dZSpan) && m_nProjScaleX > 0 && m_nProjScaleY > 0 &&
           m_nProjScaleZ > 0;
}

BOOL CPemroView::IsClickOnSceneControls() const {
    if (HitTestGraphRegion(0)) return TRUE;
    if (!IsFigureBandVisible()) return FALSE;
    const CPoint click = ClickPagePoint();
    const int cx = click.x, cy = click.y;
    const int c = m_nBaseCharHeight;
    // The surface panel above, the button column right, the density row below.
    const int left = m_nFigureLeft - 2 * c, right = m_nFigureRight + 2 * c + 60;
    const int top = m_nFigureTop - 6 * c - 4, bottom = m_nFigureBottom + c + 24;
    return NoteClickMet(left < cx && cx < right && top < cy && cy < bottom);
}

BOOL CPemroView::IsSceneRedrawn() const {
    return m_bFullRepaint || IsClickOnSceneControls();
}

void CPemroView::DrawSurfaceScene(CDC* pDC, int nOverlay, int nLabelMode, int nSurfaceMode,
                                  double dXFrom, double dXTo, double dYFrom, double dYTo,
                                  CString strXLabel, CString strYLabel, CString strZLabel) {
    // 1. Spans and the figure box.
    m_bFigure3D = 1;
    m_dXSpan = m_dXMax - m_dXMin;
    m_dYSpan = m_dYMax - m_dYMin;
    m_dZSpan = m_dZMax - m_dZMin;
    SceneTurnScope turn(this);
    m_dRotationAngle = 0;
    m_nFigureLeft = m_nGraphLeft, m_nFigureTop = m_nGraphTop;
    m_nFigureRight = m_nGraphRight, m_nFigureBottom = m_nGraphBottom;

    // 2. Zoom and the projection.
    const BOOL bVisible = HitTestGraphRegion(1);
    // Zoomed, the scene in view fills the window as a plane graph does; a
    // click in its window zooms it too while it is partly scrolled off.
    if (m_bZoom && (bVisible || HitTestGraphRegion(0))) {
        ZoomSceneBox();
        if (m_nSequenceMode == 1) m_dDiffStep *= 5;
    }
    const int L = m_nFigureLeft, T = m_nFigureTop, R = m_nFigureRight, B = m_nFigureBottom;
    const solid::SceneLayout s = solid::MakeSceneLayout(L, T, R, B);
    m_nProjOriginX = s.originX, m_nProjOriginY = s.originY;
    m_nProjScaleX = s.scaleX, m_nProjScaleY = s.scaleY, m_nProjScaleZ = s.scaleZ;
    m_anFigureBox3D[0] = L, m_anFigureBox3D[1] = R, m_anFigureBox3D[2] = T, m_anFigureBox3D[3] = B;
    m_nPlotLeft = m_nInsetLeft = s.insetLeft;
    m_nPlotRight = m_nInsetRight = s.insetRight;
    m_nPlotTop = m_nInsetTop = s.insetTop;
    m_nPlotBottom = m_nInsetBottom = s.insetBottom;
    m_nPlotWidth = m_nInsetWidth = s.insetRight - s.insetLeft;
    m_nPlotHeight = m_nInsetHeight = s.insetBottom - s.insetTop;
    if (m_nProjectionDisplay == 1) {
        m_adPlaneRange[0] = m_dXMin, m_adPlaneRange[1] = m_dXMax;
        m_adPlaneRange[2] = m_dYMin, m_adPlaneRange[3] = m_dYMax;
        m_adPlaneSpan[0] = m_dXSpan, m_adPlaneSpan[1] = m_dYSpan;
    }

    // 3. The gate; a box the projection would divide by zero in is refused.
    const bool drawn = IsFigureBandVisible() && IsSceneRedrawn() && IsSceneUsable();
    m_nFrameDrawn = drawn;
    KeepFigureAsDrawn(m_pFigureClipDC);
    if (drawn && bVisible) {
        m_dObliqueFactor = solid::ObliqueFactor(s);
        m_nAxisArrangement = 1;
        if (m_bZoom) m_bBeforeFigure = 0;
        // A frame with no surface in it switches the inset off before the
        // stage would draw it, while the script's settings rule; one the
        // lecturer opened stays, its stage drawn for the surfaces after it.
        if ((dXTo <= dXFrom || dYTo <= dYFrom) && m_bLoadScriptSettings) m_nProjectionDisplay = 0;

        // 4. and 5. Stage and ticks, unturned.
        const bool under = nOverlay == kSceneStripUnder;
        if (nOverlay == 0) DrawSceneStage(pDC);
        if (!under) DrawSceneTicks(pDC, nLabelMode == 0, !m_bPrintMode);

        // 6. From here on the scene is turned and its axes arranged.
        m_nAxisArrangement = turn.Arrangement();
        m_dRotationAngle = turn.Angle();
        double sx = 0.16 * m_dXSpan / s.scaleX, sy = 0.5 * m_dYSpan / s.scaleY;
        if (m_nAxisArrangement == 2) {
            const CString x = strXLabel;
            strXLabel = strZLabel, strZLabel = strYLabel, strYLabel = x;
            sx = m_dParamStep * m_dXSpan / s.scaleY, sy = 0.5 * m_dYSpan / s.scaleZ;
        } else if (m_nAxisArrangement == 3) {
            const CString x = strXLabel;
            strXLabel = strYLabel, strYLabel = strZLabel, strZLabel = x;
            sx = m_dParamStep * m_dXSpan / s.scaleZ, sy = 0.5 * m_dYSpan / s.scaleX;
        }

        // 7. The colours of the two sides.
        const int front[3] = {GetRValue(m_crFrontSide), GetGValue(m_crFrontSide),
                              GetBValue(m_crFrontSide)};
        const int back[3] = {GetRValue(m_crBackSide), GetGValue(m_crBackSide),
                             GetBValue(m_crBackSide)};
        SplitRGB(m_crFrontSide);

        // 8. to 12. Buttons; a density change waits for the next pass.
        if (under || !DrawSceneButtons(pDC, dXFrom, dXTo, dYFrom, dYTo)) {
            // 13. The axes through the origin.
            if (!under && (nSurfaceMode == 0 || nSurfaceMode == 2)) {
                DrawSceneAxes(pDC, strXLabel, strYLabel, strZLabel);
            }
            // 14. The volume of the solid.
            if (!under && (m_nSubDemo == 20 || m_nSubDemo == 21) && HitTestGraphRegion(0)) {
                const double volume =
                    ComputeRegionIntegral(kVolumeCells, kVolumeCells, dXFrom, dXTo, dYFrom, dYTo,
                                          m_nSurfaceUpper, m_nSurfaceLower, solid::kRegionVolume);
                DrawLabelValue3D(pDC, m_dXMin, m_dYMin + m_dYSpan / 50, m_dZMax - m_dZSpan / 50,
                                 Gbk(u8"体积:"), 3, volume, m_crCurveSetting);
            }
            // 15. The panel of the region's boundary curves.
            if (m_nPanelCurveSel < 0) m_nPanelCurveSel = 0;
            if (!under && m_nPlotOrientation > 0) {
                const int ch = m_nBaseCharHeight;
                DrawFunctionPanel(pDC, L - 2 * ch, R + 10 + 2 * ch, T - 6 * ch, T - ch);
            }
            // 16. The surfaces and the values of the double-integral sums.
            if (nSurfaceMode < 2)
                DrawSceneSurfaces(pDC, HitTestGraphRegion(1), dXFrom, dXTo, dYFrom, dYTo, sx, sy,
                                  front, back, strXLabel, strYLabel, strZLabel);
        }
    }
    // 17. The inset's axes over what the surfaces drew into it.
    m_dRotationAngle = turn.Angle();
    if (m_nProjectionDisplay == 1 && drawn && nOverlay != kSceneStripUnder)
        DrawInsetAxes(pDC, 1, "x", "y");
}

void CPemroView::ZoomSceneBox() {
    const solid::SceneBox box = solid::ProportionedSceneBox(solid::ZoomedSceneBox(
        m_nClipLeft, m_nClipTop, m_nClipRight, m_nClipBottom, m_nBaseCharHeight, kZoomMargin));
    m_nFigureLeft = box.left, m_nFigureTop = box.top;
    m_nFigureRight = box.right, m_nFigureBottom = box.bottom;
}

namespace {

// The wall's columns (column i two pixels wide, x0 − i − 1..x0 − i, from
// row top + shear[i] − 1 to row bottom + shear[i]) in one colour. The shear
// grows along the columns, so where neighbours overlap each row of the wall
// is one span: painted row by row, each pixel once, rather than the many
// short rows of its columns.
void PaintWall(CPemroView& v, CDC* pDC, int x0, int top, int bottom, const std::vector<int>& shear,
               COLORREF colour) {
    const int n = int(shear.size());
    for (int i = 1; i < n; ++i)
        if (shear[size_t(i)] - shear[size_t(i - 1)] > bottom - top + 2) {
            // Steps down past the column before: column by column.
            for (int c = 0; c < n; ++c)
                v.FillRectPx(pDC, x0 - c - 1, top + shear[size_t(c)] - 1, x0 - c + 1,
                             bottom + shear[size_t(c)] + 1, colour);
            return;
        }
    // Pixel column x0 − j lies in columns j − 1 and j: from the first's top
    // row to the second's bottom one.
    const auto first = [&](int j) { return top + shear[size_t(std::max(j - 1, 0))] - 1; };
    const auto end = [&](int j) { return bottom + shear[size_t(std::min(j, n - 1))] + 1; };
    int lo = 0, hi = 0;
    for (int y = first(0); y < end(n); ++y) {
        while (lo <= n && end(lo) <= y) ++lo;
        while (hi < n && first(hi + 1) <= y) ++hi;
        if (lo <= hi) v.FillRectPx(pDC, x0 - hi, y, x0 - lo + 1, y + 1, colour);
    }
}

} // namespace

void CPemroView::DrawStageFills(CDC* pDC) {
    const int L = m_nFigureLeft, T = m_nFigureTop, R = m_nFigureRight, B = m_nFigureBottom;
    const int X0 = m_nProjOriginX, Y0 = m_nProjOriginY, ch = m_nBaseCharHeight;
    const double k = m_dObliqueFactor;
    FillRectGradientPx(pDC, L - 7 * ch / 4, T - ch, R + 2 * ch, B + 2 * ch, m_crLeftFrame,
                       m_crRightFrame);
    FillRectPx(pDC, X0, T, R, Y0, Lightened(m_crGround, 5));
    // The left wall, one column a pixel, sheared down with the receding x.
    const COLORREF wall = Lightened(m_crGround, 10);
    // A one-pixel line drawn upward over 3 pixels or more is two pixels
    // wide with both ends: the columns xi-1..xi from the top row - 1 to the
    // bottom row. Filled as such, since the wall has hundreds of them.
    // Counted first, at most a wide window's columns: a huge shear
    // would otherwise hold the pass.
    const long wallColumns =
        k > 0 ? steps::CountDown(X0, X0 - m_nProjScaleX * k, 1, kMaxWallColumns, false) : 0;
    std::vector<int> shear(size_t(std::max(0L, wallColumns)));
    for (long i = 0; i < wallColumns; ++i) {
        const double u = X0 - double(i);
        const int d = int((X0 - u) / k), xi = int(u);
        shear[size_t(i)] = d;
        if (Y0 - T < 3) DrawLinePxB(pDC, 0, xi, Y0 + d, xi, T + d, wall);
    }
    if (Y0 - T >= 3 && wallColumns > 0) PaintWall(*this, pDC, X0, T, Y0, shear, wall);
    // The floor row by row; a one-pixel line drawn rightward leaves out its
    // end pixel.
    const long floorRows = steps::Count(Y0, B, 1, kMaxWallColumns, false);
    for (long i = 0; i < floorRows; ++i) {
        const double v = Y0 + double(i);
        const int d = int((v - Y0) * k), yi = int(v);
        FillRectPx(pDC, X0 - d, yi, R - d, yi + 1, m_crGround);
    }
    DrawCube(pDC, 0, m_dXMin - m_dXSpan / 200, m_dYMin - m_dYSpan / 300, m_dZMin - m_dZSpan / 200,
             m_dXMax, m_dYMax, m_dZMax, m_crCurveSetting);
    DrawCube(pDC, 1, m_dXMin, m_dYMin, m_dZMin, m_dXMax, m_dYMax, m_dZMax, m_crCurveSetting);
}

void CPemroView::DrawSceneStage(CDC* pDC) {
    const int T = m_nFigureTop, X0 = m_nProjOriginX, ch = m_nBaseCharHeight;
    // The run that answers a click draws the stage again right after it, over
    // the same box: the fills are left to that run, the range arrows (buttons)
    // stay.
    if (!m_bAnsweringClick) DrawStageFills(pDC);
    pDC->SetTextColor(m_crCurveSetting);
    if (!m_bPrintMode) {
        // A large font widens and deepens the boxes: the maximum box then
        // stands right of the minimum one, and both stay above the figure.
        const CSize size = RangeArrowsSize3D(kRangeW, kRangeH);
        const int top = std::min(T - ch / 2 - 10, T - size.cy - 1);
        const int minLeft = X0 + kRangeMinLeft;
        const int maxLeft = SceneRangeBoxesRight() - size.cx;
        DrawRangeArrows3D(pDC, TRUE, FALSE, minLeft, top, minLeft + kRangeW, top + kRangeH);
        DrawRangeArrows3D(pDC, FALSE, TRUE, maxLeft, top, maxLeft + kRangeW, top + kRangeH);
        if (m_dXMin < m_dXMax && m_dYMin < m_dYMax && HitTestGraphRegion(1))
            DrawUserShapes(pDC, TRUE);
    }
    if (m_nProjectionDisplay == 1) DrawInsetAxes(pDC, 0, "x", "y");
}

int CPemroView::SceneRestoreX() const {
    const int width = ButtonWidth(Gbk(u8"恢复"));
    const int x =
        std::min(m_nProjOriginX - 104, m_nProjOriginX + kRangeMinLeft - kControlGap - width - 2);
    // A narrow window brings the origin near the frame's left: the button
    // then stands right of the "Meshx:" caption rather than over it.
    const int captionRight = m_nFigureLeft - m_nBaseCharHeight / 2 - 10 +
                             kMeshCaptionLength * PlainStringFont(FALSE, m_nLabelZoom).lfWidth;
    return std::max(x, captionRight + kControlGap);
}

int CPemroView::SceneRangeBoxesRight() const {
    const int minLeft = m_nProjOriginX + kRangeMinLeft;
    const int width = RangeArrowsSize3D(kRangeW, kRangeH).cx;
    return std::max(m_nProjOriginX + kRangeMaxLeft, minLeft + width + kRangeGap) + width;
}

// Quarter steps of each range; the last tick falls on the maximum only
// when the running sum reaches it.
void CPemroView::DrawSceneTicks(CDC* pDC, BOOL bValues, BOOL bMeshButtons) {
    const double Dx = m_dXSpan, Dy = m_dYSpan, Dz = m_dZSpan;
    const int ch = m_nBaseCharHeight;
    const auto each = [](double min, double span, auto fn) {
        steps::ForEach(min, min + span, span / kTicksPerAxis, kTickCap, true, fn);
    };
    bool roundAxis = false;
    const auto decimals = [&](double u) {
        const int d = ExactTickDecimals(u);
        return roundAxis || d < 0 ? 2 : d;
    };
    const auto axis = [&](double min, double span) {
        roundAxis = false;
        each(min, span, [&](double u) { roundAxis = roundAxis || ExactTickDecimals(u) < 0; });
    };
    // The values are measured in their own font, which grows with the label
    // zoom: the x values keep inside the frame's right edge, the z values
    // end before the box's front edge.
    LOGFONT font = m_lfCurrent;
    font.lfHeight = (m_nLabelZoom + 3) * (m_nFontStep + ch) / 5;
    font.lfWidth = (m_nLabelZoom + 3) * (m_nFontStep / 2 + m_nBaseCharWidth) / 5;
    const auto width = [&](double u) {
        if (!bValues || !pDC) return 0;
        const CFontSelect select(pDC, font);
        return int(pDC->GetTextExtent(typeset::FormatDecimals(decimals(u), u)).cx);
    };
    // Long values on a short axis, and the values of two axes where they
    // meet, would stand over each other: a value that would meet one
    // written before is left out (each is written on its own opaque cell).
    std::vector<CRect> written;
    // The "Meshy:" caption and its buttons below the frame's right corner:
    // y values pushed there by a wide range give way to them.
    if (bMeshButtons) {
        const int left = m_nFigureRight - 2 * ch + 20, top = m_nFigureBottom - ch / 4;
        const int caption =
            left + 10 + kMeshCaptionLength * PlainStringFont(FALSE, m_nLabelZoom).lfWidth;
        const int buttons = left + 40 + 2 * ButtonWidth(Gbk(u8"增加")) + 8;
        written.emplace_back(left, top, std::max(caption, buttons),
                             m_nFigureBottom + ch / 2 + ButtonHeight());
    }
    // The column of six buttons that line pages stand from the frame's top
    // right corner (drawn after the values): a y value pushed up there by
    // a wide range gives way to it too.
    {
        const int left = m_nFigureRight - 12, top = m_nFigureTop;
        const int right = m_nFigureRight - 8 + ButtonWidth(Gbk(u8"m增"));
        written.emplace_back(left, top, right, top + 5 * 24 + ButtonHeight() + 4);
    }
    const auto value = [&](double x, double y, double z, double u) {
        if (!bValues) return;
        double ax = x, ay = y, az = z;
        ArrangeAxes3D(&ax, &ay, &az);
        int px = 0, py = 0;
        if (pDC && ProjectPoint3D(ax, ay, az, &px, &py)) {
            py = std::max(py, m_nFigureTop);
            const CRect box(px, py, px + width(u), py + std::abs(font.lfHeight));
            for (const CRect& r : written)
                if (!box.Intersect(r).IsRectEmpty()) return;
            written.push_back(box);
        }
        DrawLabelValue3D(pDC, x, y, z, "", decimals(u), u, m_crGround);
    };
    const int frameRight = m_nFigureRight + 2 * ch - 1, frameLeft = m_nFigureLeft - 2 * ch + 1;
    axis(m_dXMin, Dx);
    each(m_dXMin, Dx, [&](double u) {
        DrawLine3D(pDC, u, m_dYMax, m_dZMin, u, m_dYMax - 0.04 * Dy, m_dZMin, m_crAxes);
        const double x = XTickValueX(u, Dx, m_nProjScaleX);
        double y = m_dYMax + Dy / 100;
        int px = 0, py = 0;
        if (bValues && ProjectPoint3D(x, y, m_dZMin, &px, &py))
            y -= std::max(0, px + width(u) - frameRight) * Dy / m_nProjScaleY;
        value(x, y, m_dZMin, u);
    });
    axis(m_dYMin, Dy);
    each(m_dYMin, Dy, [&](double u) {
        DrawLine3D(pDC, m_dXMax, u, m_dZMin, m_dXMax - 0.04 * Dx, u, m_dZMin, m_crAxes);
        value(m_dXMax, u - Dy / 10, m_dZMin - Dz / 15, u);
    });
    axis(m_dZMin, Dz);
    each(m_dZMin, Dz, [&](double u) {
        DrawLine3D(pDC, m_dXMax, m_dYMin, u, m_dXMax - 0.04 * Dx, m_dYMin, u, m_crAxes);
        const int before = std::max(ch + 26, width(u) + 4);
        double shift = before * Dy / m_nProjScaleY;
        // A wide value (ranges far from 0) would run out past the frame's
        // left edge: it comes in over the box's edge as far as needed.
        const auto left = [&](double dy, int* px) {
            double ax = m_dXMax, ay = m_dYMin - dy, az = u + 0.5 * ch * Dz / m_nProjScaleZ;
            ArrangeAxes3D(&ax, &ay, &az);
            int py = 0;
            return bValues && pDC && ProjectPoint3D(ax, ay, az, px, &py);
        };
        int atShift = 0, atEdge = 0;
        if (left(shift, &atShift) && atShift < frameLeft + 8 && left(0, &atEdge) &&
            atEdge > atShift)
            shift *= std::max(0.0, double(atEdge - frameLeft - 8) / (atEdge - atShift));
        value(m_dXMax, m_dYMin - shift, u + 0.5 * ch * Dz / m_nProjScaleZ, u);
    });
}

BOOL CPemroView::DrawSceneButtons(CDC* pDC, double dXFrom, double dXTo, double dYFrom,
                                  double dYTo) {
    const int L = m_nFigureLeft, T = m_nFigureTop, R = m_nFigureRight, B = m_nFigureBottom;
    const int ch = m_nBaseCharHeight;
    // 8. The projection inset; its toggle keeps inside the figure's right
    // edge, where some pages stand a column of their own: the two frames a
    // gap apart.
    if (dXTo <= dXFrom || dYTo <= dYFrom) {
        if (m_bLoadScriptSettings) m_nProjectionDisplay = 0;
    } else {
        const CString label = Gbk(m_nProjectionDisplay == 0 ? u8"打开投影" : u8"关闭投影");
        const BOOL clickPass = m_bClickPass;
        if (m_bProjectionToggleAnswers) m_bClickPass = TRUE;
        const BOOL toggled =
            TextButton(pDC,
                       std::max(std::min(R - 3 * ch / 2, R - ButtonWidth(label) - 3 * kControlGap),
                                SceneRangeBoxesRight() + kControlGap + 2),
                       T - ch / 2 - 9, label);
        m_bClickPass = clickPass;
        if (toggled) {
            m_nProjectionDisplay = m_nProjectionDisplay == 0 ? 1 : 0;
            m_bLoadScriptSettings = 0;
            m_bSelectionPending = 1;
        }
    }
    // 9. The cutting plane z = c and its moves.
    if (m_bCutZc > 0) {
        if (m_nSurfaceUpper != 22)
            DrawLabelValue3D(pDC, m_dXMin, m_dYMax - 0.3 * m_dYSpan, m_dZMax - 0.1 * m_dZSpan,
                             "z= ", 3, m_dDirP, m_crFirstDerivative);
        if (TextButtonInPlot(pDC, R + 4, T, kSmallButtonW, kSmallButtonH, Gbk(u8"上移"),
                             m_crCurveSetting))
            m_dDirP += m_dZSpan / 20;
        if (TextButtonInPlot(pDC, R + 4, ButtonRowBelow(T + 24, T), kSmallButtonW, kSmallButtonH,
                             Gbk(u8"下移"), m_crCurveSetting))
            m_dDirP -= m_dZSpan / 20;
    }
    // 10. The quadratic-form surface and its discriminant.
    if (m_nSurfaceUpper == 22) {
        DrawToolbarData(pDC, 6);
        m_nSurfaceLower = 1;
        const double* c = m_adCoefSurfF;
        DrawLabelValue3D(pDC, m_dXMin, m_dYMin + 0.1 * m_dYSpan, m_dZMax - 0.2 * m_dZSpan,
                         "b^2-ac=", 3, c[1] * c[1] / 4 - c[0] * c[2], m_crFirstDerivative);
    }
    // 11. Mesh density.
    BOOL bDensity = FALSE;
    const CString more = Gbk(u8"增加"), fewer = Gbk(u8"减少");
    const auto density = [&](int* n, int x1, int x2, int y) {
        if (TextButtonInPlot(pDC, x1, y, kSmallButtonW, kSmallButtonH, more, m_crCurveSetting))
            *n = solid::MoreMeshDivisions(*n), bDensity = TRUE;
        // Large fonts push the second button right of the first instead of over it.
        x2 = std::max(x2, x1 + ButtonWidth(more) + 4);
        if (TextButtonInPlot(pDC, x2, y, kSmallButtonW, kSmallButtonH, fewer, m_crCurveSetting))
            *n = solid::FewerMeshDivisions(*n), bDensity = TRUE;
        if (*n < solid::kMinMeshDivisions) *n = solid::kMinMeshDivisions;
        if (*n > solid::kMaxMeshDivisions) *n = solid::kMaxMeshDivisions;
    };
    // A printed page has no buttons, so neither do their captions.
    // The caption starts over its first button, leaving room for "恢复"
    // before the range boxes in a narrow window.
    if (!m_bPrintMode) DrawString(pDC, L - ch / 2 - 10, T - 5 * ch / 6, "Meshx:", RGB(0, 0, 255));
    density(&m_nMeshDivX, L - ch / 2 - 10, L - ch / 2 + 30, T);
    if (!m_bPrintMode) DrawString(pDC, R - 2 * ch + 30, B - ch / 4, "Meshy:", RGB(0, 0, 255));
    density(&m_nMeshDivY, R - 2 * ch + 20, R - 2 * ch + 60, B + ch / 2);
    if (bDensity) return TRUE;
    // 12. Back to the script's own values.
    const CString restore = Gbk(u8"恢复");
    if ((m_bLoadScriptSettings == 0 || m_bSelectionPending == 1) &&
        TextButtonInPlot(pDC, SceneRestoreX(), T - ch / 2 - 10, kRestoreW, kRestoreH, restore,
                         m_crCurveSetting)) {
        m_bLoadScriptSettings = 1;
        m_bSelectionPending = 0;
        m_bScriptValuesAsked = 1;
    }
    return FALSE;
}

// An axis never runs outside the box: with a z range from 1 to 3 the x and y
// axes lie on its floor, not under the tick values below it. "O" names the
// origin only; an axis the ranges leave no length is not drawn.
void CPemroView::SceneAxesFoot(double* ox, double* oy, double* oz) const {
    const auto nearest = [](double lo, double hi) { return std::min(std::max(0.0, lo), hi); };
    *ox = nearest(m_dXMin, m_dXMax), *oy = nearest(m_dYMin, m_dYMax),
    *oz = nearest(m_dZMin, m_dZMax);
}

void CPemroView::DrawSceneFloorAxes(CDC* pDC, const CString& xl, const CString& yl,
                                    int yPlacement) {
    double ox, oy, oz;
    SceneAxesFoot(&ox, &oy, &oz);
    AxisNamesHeld names(this);
    if (oy < m_dYMax) DrawArrow3D(pDC, ox, oy, oz, ox, m_dYMax, oz, yPlacement, "", yl, m_crAxes);
    if (ox < m_dXMax) DrawArrow3D(pDC, ox, oy, oz, m_dXMax, oy, oz, 1, "", xl, m_crAxes);
}

void CPemroView::DrawSceneAxes(CDC* pDC, const CString& xl, const CString& yl, const CString& zl) {
    double ox, oy, oz;
    SceneAxesFoot(&ox, &oy, &oz);
    const bool origin = ox == 0 && oy == 0 && oz == 0;
    AxisNamesHeld names(this);
    if (oz < m_dZMax)
        DrawArrow3D(pDC, ox, oy, oz, ox, oy, m_dZMax, 1, origin ? "O" : "", zl, m_crAxes);
    DrawSceneFloorAxes(pDC, xl, yl, 2);
}
