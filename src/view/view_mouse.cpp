// The mouse: a left press stores the click the next pass's buttons answer,
// a drag inside the figure moves the cursor point, moving over a figure
// shows its world coordinates, the right button toggles the zoom.
#include "platform/text_codec.h"
#include "render/number_text.h"
#include "view/view.h"

#include <cstdio>

namespace {

// The figure area where a press starts a drag: the right strip of a 2-D
// figure holds its buttons, the top strip its title.
constexpr int kDragRightStrip = 30;
constexpr int kDragTopStrip = 20;
constexpr int kReadoutOffset = 20; // read-out text from the figure's corner
constexpr double kCursorStep = 0.05;
constexpr size_t kMaxPlotMaps = 64; // more plots than a page shows at once

bool Between(double lo, double v, double hi) {
    return lo < v && v < hi;
}

// Whether a press or move at the page point works on a 3-D figure. A plane
// plot the last pass laid out there makes it a plane one, whatever that
// figure's commands left in m_bFigure3D (the boundary arrows of a plane
// region set it for the region's rectangle).
bool SpacePoint(const CPemroView& v, int px, int py) {
    if (!v.m_bFigure3D) return false;
    for (const CPemroView::PlotMap& m : v.m_aPlotMaps)
        if (Between(m.figureLeft, px, m.figureRight) && Between(m.figureTop, py, m.figureBottom))
            return false;
    return true;
}

// A value outside [lo, hi] goes to the middle of the range.
void KeepInside(double* v, double lo, double hi) {
    if (!(lo <= *v && *v <= hi)) *v = (lo + hi) / 2;
}

} // namespace

CPemroView::PlotMap CPemroView::CurrentPlotMap() const {
    return {
        -1,           m_nPlotLeft,    m_nPlotTop,      m_nPlotRight, m_nPlotBottom, m_nFigureLeft,
        m_nFigureTop, m_nFigureRight, m_nFigureBottom, m_dXMin,      m_dXMax,       m_dYMin,
        m_dYMax,      -1};
}

void CPemroView::NotePlotMap() {
    if (m_bPrintMode) return;
    PlotMap map = CurrentPlotMap();
    map.record = m_nRecordIndex;
    map.figure = FigureStateKey();
    NotePlotMapIn(&m_aPlotMaps, map);
    // A resume point replays what the walk above it noted.
    if (m_bTakeWalkPoints) NotePlotMapIn(&m_aWalkPlotMaps, map);
}

void CPemroView::NotePlotMapIn(std::vector<PlotMap>* maps, const PlotMap& map) {
    // One entry a plot rectangle; the one laid out now goes last.
    for (size_t i = 0; i < maps->size(); ++i) {
        const PlotMap& m = (*maps)[i];
        if (m.left == map.left && m.top == map.top && m.right == map.right &&
            m.bottom == map.bottom) {
            maps->erase(maps->begin() + long(i));
            break;
        }
    }
    if (maps->size() >= kMaxPlotMaps) maps->erase(maps->begin());
    maps->push_back(map);
}

CPemroView::PlotMap CPemroView::PlotMapAt(int px, int py) const {
    for (size_t i = m_aPlotMaps.size(); i-- > 0;) {
        const PlotMap& m = m_aPlotMaps[i];
        if (Between(m.figureLeft, px, m.figureRight) && Between(m.figureTop, py, m.figureBottom))
            return m;
    }
    return CurrentPlotMap();
}

void CPemroView::OnLButtonDown(UINT, CPoint point) {
    // Presses quicker than a pass can come before the pass that answers the
    // one before: that pass runs first, so each press acts once and none is
    // lost under the next.
    if (m_nClickSerial != m_nClickSerialSeen && HasPendingPaint()) UpdateWindow();
    SetCapture();
    const int px = PagePos(std::int64_t(point.x) + m_nClipLeft);
    const int py = PagePos(std::int64_t(point.y) + m_nClipTop);
    // A plane figure: the one under the press, of any laid out on the page.
    const PlotMap f = PlotMapAt(px, py);
    m_nClickedFigureRecord = f.record;
    const bool inFigure = SpacePoint(*this, px, py)
                              ? Between(m_nFigureLeft, px, m_nFigureRight) &&
                                    Between(m_nFigureBottom - m_nProjScaleX, py, m_nFigureBottom)
                              : Between(f.figureLeft, px, f.figureRight - kDragRightStrip) &&
                                    Between(f.figureTop + kDragTopStrip, py, f.figureBottom);
    // Every press is a new click for the buttons of the next pass.
    m_ptClick = point;
    ++m_nClickSerial;
    AnchorClick(TRUE);
    // A press on a button drawn inside the figure is that button's alone:
    // as a drag its release would also move the cursor point.
    if (inFigure && !IsClickOnShownButton()) m_bDragging = TRUE;
    // Outside the drag area the press steps the line-by-line display; the
    // step acts on this press (stored just above), not on the one before.
    if (!inFigure) OnNextLine();
}

void CPemroView::OnLButtonUp(UINT, CPoint point) {
    // The range of the plane figure under the release, which on a page of
    // several need not be the last one laid out.
    const int px = PagePos(std::int64_t(point.x) + m_nClipLeft);
    const int py = PagePos(std::int64_t(point.y) + m_nClipTop);
    const PlotMap f = PlotMapAt(px, py);
    const bool space = SpacePoint(*this, px, py);
    const double x0 = space ? m_dXMin : f.xMin, x1 = space ? m_dXMax : f.xMax;
    const double y0 = space ? m_dYMin : f.yMin, y1 = space ? m_dYMax : f.yMax;
    // The point is the figure's own: the one under the release works on its
    // point, not on the one of the figure the view holds.
    if (!space) HoldFigurePoint(f.figure);
    if (m_bDragging) {
        if (!space) {
            // A click without a move is read at the release point, as a move
            // there reads it.
            MapPlanePoint(point);
            // The top fifth of the plot is left out: its buttons live there.
            const double x = m_adMousePoint[0], y = m_adMousePoint[1];
            if (Between(x0, x, x1) && Between(y0, y, y1 - (y1 - y0) / 5)) {
                m_dCursorX = x;
                m_dCursorY = y;
            }
        } else if (Between(m_dXMin, m_adMousePoint3D[0], m_dXMax) &&
                   Between(m_dYMin, m_adMousePoint3D[1], m_dYMax)) {
            m_adCursorPoint3D[0] = m_adMousePoint3D[0];
            m_adCursorPoint3D[1] = m_adMousePoint3D[1];
        }
    }
    ReleaseCapture();
    m_bDragging = FALSE;
    Invalidate(TRUE);
    KeepInside(&m_dCursorX, x0, x1);
    KeepInside(&m_dCursorY, y0, y1);
}

const CPemroView::PlotMap* CPemroView::MapPlanePoint(CPoint point) {
    const int px = PagePos(std::int64_t(point.x) + m_nClipLeft);
    const int py = PagePos(std::int64_t(point.y) + m_nClipTop);
    m_mapUnderMouse = PlotMapAt(px, py);
    const PlotMap& p = m_mapUnderMouse;
    if (!Between(p.left, px, p.right - kDragRightStrip) ||
        !Between(p.top + kDragTopStrip, py, p.bottom))
        return nullptr;
    // Both spans are positive inside the test above.
    m_adMousePoint[0] = p.xMin + (p.xMax - p.xMin) * (px - p.left) / double(p.right - p.left);
    double y = p.yMin + (p.yMax - p.yMin) * (p.bottom - py) / double(p.bottom - p.top);
    // A distribution function lies in [0, 1].
    if (m_bQuantileMode) y = y > 1 ? 1 : (y < 0 ? 0 : y);
    m_adMousePoint[1] = y;
    return &p;
}

void CPemroView::OnMouseMove(UINT, CPoint point) {
    const int px = PagePos(std::int64_t(point.x) + m_nClipLeft);
    const int py = PagePos(std::int64_t(point.y) + m_nClipTop);
    char text[96];

    if (!SpacePoint(*this, px, py)) {
        const PlotMap* p = MapPlanePoint(point);
        if (!p) return;
        const double x = m_adMousePoint[0], y = m_adMousePoint[1];
        if (!m_bShowMouseCoords && !m_bQuantileMode) return;
        CClientDC dc(this);
        const int cx = p->left + kReadoutOffset - m_nClipLeft;
        const int cy = p->bottom - kReadoutOffset - m_nClipTop;
        // The trailing blanks cover the end of a longer earlier text.
        if (m_bShowMouseCoords) {
            std::snprintf(text, sizeof text, "[%.3lf,%.3lf]  ", x, y);
            DropSignOfZero(text);
            dc.TextOut(cx, cy, CString(text));
        }
        if (m_bQuantileMode) {
            if (m_nDemoOption == 2)
                std::snprintf(text, sizeof text, "α=%.3lf", 1 - y);
            else
                std::snprintf(text, sizeof text, "uα=%.3lf", x);
            DropSignOfZero(text);
            dc.TextOut(cx, cy, Gbk(text));
        }
        return;
    }

    // The base of the oblique projection: the cursor point follows the mouse.
    if (!Between(m_nFigureLeft, px, m_nFigureRight) ||
        !Between(m_nFigureBottom - m_nProjScaleX, py, m_nFigureBottom) || m_nProjScaleY == 0 ||
        m_dXSpan == 0)
        return;
    const int d = m_nFigureBottom - py;
    const double x = m_dXMax - d * m_dXSpan / m_nProjScaleX;
    m_adMousePoint3D[0] = x;
    m_dCursorX = x;
    const int e = px - m_nProjOriginX;
    const double y = ((m_dCursorX - m_dXMin) * m_dObliqueFactor * m_nProjScaleX / m_dXSpan + e) *
                         m_dYSpan / m_nProjScaleY +
                     m_dYMin;
    m_adMousePoint3D[1] = y;
    m_dCursorY = y;
    if (m_bShowMouseCoords) {
        CClientDC dc(this);
        std::snprintf(text, sizeof text, "[%.2lf,%.2lf]  ", x, y);
        DropSignOfZero(text);
        dc.TextOut(m_nFigureLeft + kReadoutOffset - m_nClipLeft,
                   m_nFigureBottom - kReadoutOffset - m_nClipTop, CString(text));
    }
}

void CPemroView::OnRButtonDown(UINT, CPoint) {
    if (m_bZoom != 1) {
        m_bZoom = 1;
        m_nLabelZoom = 1;
    } else {
        m_bZoom = 0;
        m_nLabelZoom = 0;
    }
    // The toggle shows at once, as a menu command's change does: otherwise it
    // waited for the next left click, which also acted on the page. The full
    // repaint draws the figure again in its new size.
    m_nPrevClipBottom = 0;
    Invalidate(TRUE);
}

// --- Cursor steps: a twentieth of the span; from the middle when outside ----------

void CPemroView::OnCursorLeft() {
    KeepInside(&m_dCursorX, m_dXMin, m_dXMax);
    m_dCursorX -= kCursorStep * (m_dXMax - m_dXMin);
}

void CPemroView::OnCursorRight() {
    KeepInside(&m_dCursorX, m_dXMin, m_dXMax);
    m_dCursorX += kCursorStep * (m_dXMax - m_dXMin);
}

void CPemroView::OnCursorDown() {
    KeepInside(&m_dCursorY, m_dYMin, m_dYMax);
    m_dCursorY -= kCursorStep * (m_dYMax - m_dYMin);
}

void CPemroView::OnCursorUp() {
    KeepInside(&m_dCursorY, m_dYMin, m_dYMax);
    m_dCursorY += kCursorStep * (m_dYMax - m_dYMin);
}
