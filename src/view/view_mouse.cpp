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

bool Between(double lo, double v, double hi) {
    return lo < v && v < hi;
}

// A value outside [lo, hi] goes to the middle of the range.
void KeepInside(double* v, double lo, double hi) {
    if (!(lo <= *v && *v <= hi)) *v = (lo + hi) / 2;
}

} // namespace

void CPemroView::OnLButtonDown(UINT, CPoint point) {
    // Presses quicker than a pass can come before the pass that answers the
    // one before: that pass runs first, so each press acts once and none is
    // lost under the next.
    if (m_nClickSerial != m_nClickSerialSeen && HasPendingPaint()) UpdateWindow();
    SetCapture();
    const int px = PagePos(std::int64_t(point.x) + m_nClipLeft);
    const int py = PagePos(std::int64_t(point.y) + m_nClipTop);
    const bool inFigure = m_bFigure3D
                              ? Between(m_nFigureLeft, px, m_nFigureRight) &&
                                    Between(m_nFigureBottom - m_nProjScaleX, py, m_nFigureBottom)
                              : Between(m_nFigureLeft, px, m_nFigureRight - kDragRightStrip) &&
                                    Between(m_nFigureTop + kDragTopStrip, py, m_nFigureBottom);
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

void CPemroView::OnLButtonUp(UINT, CPoint) {
    if (m_bDragging) {
        if (!m_bFigure3D) {
            // The top fifth of the plot is left out: its buttons live there.
            const double x = m_adMousePoint[0], y = m_adMousePoint[1];
            if (Between(m_dXMin, x, m_dXMax) && Between(m_dYMin, y, m_dYMax - m_dYSpan / 5)) {
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
    KeepInside(&m_dCursorX, m_dXMin, m_dXMax);
    KeepInside(&m_dCursorY, m_dYMin, m_dYMax);
}

void CPemroView::OnMouseMove(UINT, CPoint point) {
    const int px = PagePos(std::int64_t(point.x) + m_nClipLeft);
    const int py = PagePos(std::int64_t(point.y) + m_nClipTop);
    char text[96];

    if (!m_bFigure3D) {
        if (!Between(m_nPlotLeft, px, m_nPlotRight - kDragRightStrip) ||
            !Between(m_nPlotTop + kDragTopStrip, py, m_nPlotBottom))
            return;
        // Both spans are positive inside the test above.
        const double x =
            m_dXMin + (m_dXMax - m_dXMin) * (px - m_nPlotLeft) / double(m_nPlotRight - m_nPlotLeft);
        double y = m_dYMin +
                   (m_dYMax - m_dYMin) * (m_nPlotBottom - py) / double(m_nPlotBottom - m_nPlotTop);
        m_adMousePoint[0] = x;
        m_adMousePoint[1] = y;
        if (!m_bShowMouseCoords && !m_bQuantileMode) return;
        CClientDC dc(this);
        const int cx = m_nPlotLeft + kReadoutOffset - m_nClipLeft;
        const int cy = m_nPlotBottom - kReadoutOffset - m_nClipTop;
        // The trailing blanks cover the end of a longer earlier text.
        if (m_bShowMouseCoords) {
            std::snprintf(text, sizeof text, "[%.3lf,%.3lf]  ", x, y);
            DropSignOfZero(text);
            dc.TextOut(cx, cy, CString(text));
        }
        if (m_bQuantileMode) {
            // A distribution function lies in [0, 1].
            if (y > 1) y = 1;
            if (y < 0) y = 0;
            m_adMousePoint[1] = y;
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
