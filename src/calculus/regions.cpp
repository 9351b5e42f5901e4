// Regions of double integrals: an x-type or y-type region between two
// curves ("Domainxy") and a polar region between two radius or two angle
// curves ("Domainr"), each with the limits of the inner integral or the
// element at the picked point.
#include "view/view.h"

#include "calculus/math/integrals.h"
#include "platform/text_codec.h"
#include "render/math/label_place.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Columns of the fill and the boundary of a Cartesian region.
constexpr int kRegionColumns = 500;
// Polar regions: steps per interval at zoom 0, and the most any zoom gets.
constexpr double kPolarStep = 0.0001;
constexpr long kMaxPolarSteps = 200000;
// Arcs of the polar element: radii between the inner and outer boundary.
constexpr int kElementArcs = 100;
constexpr double kElementAngle = 0.1;
constexpr COLORREF kPolarFill = RGB(0, 155, 155);
// Points of each piece of a polar region's outline for its fill.
constexpr int kOutlinePoints = 400;
constexpr int kDotRadius = 3;

bool IsBlankLabel(const CString& label) {
    return label == " ";
}

// A label of the picked point at its world point, kept inside the plot and
// moved from there only as far as the text and buttons the figure has
// already written make it (a curve's name at an arrow's tail, a tick number,
// the range arrows above the plot).
void DrawPointLabel(CPemroView& v, CDC* pDC, double x, double y, const CString& text,
                    COLORREF colour) {
    const double ox = (x - v.m_dXMin) / v.m_dXSpan * (v.m_nPlotRight - v.m_nPlotLeft);
    const double oy = (y - v.m_dYMin) / v.m_dYSpan * (v.m_nPlotBottom - v.m_nPlotTop);
    if (pDC && v.IsFigureBandVisible() && IsDrawable(ox) && IsDrawable(oy)) {
        CSize size;
        {
            const CFontSelect font(pDC, v.PlainStringFont(FALSE, v.m_nLabelZoom));
            size = pDC->GetTextExtent(text);
        }
        const CRect plot(v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight, v.m_nPlotBottom);
        const int px = std::max(
            plot.left, std::min(v.m_nPlotLeft + ToPixel(ox) + 2, plot.right - int(size.cx)));
        const int py =
            std::max(plot.top, std::min(v.m_nPlotBottom - ToPixel(oy), plot.bottom - int(size.cy)));
        const int h = std::max(1, int(size.cy));
        const CPoint d =
            labels::NearestFreeShift(CRect(px, py, px + size.cx, py + size.cy), v.m_aFigureBoxes,
                                     plot, std::max(2, h / 4), 5 * h);
        v.DrawString(pDC, px + d.x, py + d.y, text, colour);
    }
    // The working font at the text size afterwards, as the world strings
    // leave it.
    v.m_lfCurrent.lfHeight = v.m_nFontStep + v.m_nCharHeight;
    v.m_lfCurrent.lfWidth = v.m_nFontStep / 2 + v.m_nCharWidth;
}

// A label beside the world point (x, y), in the quadrant of the world
// direction (ux, uy), clear of the dot there and of a line that leaves the
// point the other way.
void DrawLabelToward(CPemroView& v, CDC* pDC, double x, double y, double ux, double uy,
                     const CString& text, COLORREF colour) {
    int px, py;
    if (pDC && v.IsFigureBandVisible() && v.MapWorldOffset(x, y, &px, &py)) {
        CSize size;
        {
            const CFontSelect font(pDC, v.PlainStringFont(FALSE, v.m_nLabelZoom));
            size = pDC->GetTextExtent(text);
        }
        const int gap = kDotRadius + 2;
        int left = ux >= 0 ? px + gap : px - gap - int(size.cx);
        int top = uy <= 0 ? py + gap : py - gap - int(size.cy);
        left = std::max(v.m_nPlotLeft, std::min(left, v.m_nPlotRight - int(size.cx)));
        top = std::max(v.m_nPlotTop, std::min(top, v.m_nPlotBottom - int(size.cy)));
        // Moved off the text the figure has written, as little as it takes.
        const CRect plot(v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight, v.m_nPlotBottom);
        const int h = std::max(1, int(size.cy));
        const CPoint d =
            labels::NearestFreeShift(CRect(left, top, left + size.cx, top + size.cy),
                                     v.m_aFigureBoxes, plot, std::max(2, h / 4), 5 * h);
        v.DrawString(pDC, left + d.x, top + d.y, text, colour);
    }
    v.m_lfCurrent.lfHeight = v.m_nFontStep + v.m_nCharHeight;
    v.m_lfCurrent.lfWidth = v.m_nFontStep / 2 + v.m_nCharWidth;
}

} // namespace

void CPemroView::DrawDomainxy(CDC* pDC, double a, double b, CString label1, CString label2,
                              CString label3, CString label4, COLORREF fill) {
    if (m_nPanelCurveSel < 0) m_nPanelCurveSel = 0;
    const int k = m_nOdeMethodFamily, up = m_nFuncUpper, low = m_nFuncLower;
    const auto f = [&](double x) { return EvalF(x, up); };
    const auto g = [&](double x) { return EvalCatalogueB(x, low); };
    const double h = (b - a) / kRegionColumns;
    if (h > 0 && std::isfinite(h)) {
        for (int i = 0; i < kRegionColumns; ++i) {
            const double x = a + i * h;
            DrawLineWorld(pDC, x, f(x), x, g(x), fill);
        }
        double fp = f(a), gp = g(a);
        for (int i = 0; i < kRegionColumns; ++i) {
            const double x = a + i * h, f1 = f(x + h), g1 = g(x + h);
            DrawLineWorld(pDC, x, fp, x + h, f1, m_crCurveSetting);
            DrawLineWorld(pDC, x, gp, x + h, g1, m_crCurveSetting);
            fp = f1, gp = g1;
        }
    }
    const COLORREF mark = m_crSecondDerivative, arrow = m_crFirstDerivative;
    const double x = m_dCursorX, y = m_dCursorY;
    // A column or row without a point of the region has no limits to show.
    const bool column = k >= 2 && m_nPlotOrientation == 1 && a <= x && x <= b;
    const bool xType = m_nRegionType == 1;
    const double lo = column ? FindRegionEdgeMax(x, xType ? m_dYMin : a, 1) : 0;
    if (column && EvalRegionFunction(x, lo, m_nFuncF) > 0) {
        const double hi = FindRegionEdgeMin(x, xType ? m_dYMax : b, 1);
        // The strip under its labels, cut at the plot's edge.
        if (k >= 3) {
            const double r = std::min(x + m_dXSpan * m_dStepH, m_dXMax);
            const double bottom = std::max(lo, m_dYMin), top = std::min(hi, m_dYMax);
            FillRectWorld(pDC, x, r, bottom, top, m_crDefaultPen);
            // Its outline tells the strip from a region filled in the same colour.
            DrawLineWorldMode(pDC, x, top, r, top, mark, 0);
            DrawLineWorldMode(pDC, r, bottom, r, top, mark, 0);
            DrawLineWorldMode(pDC, x, bottom, x, top, mark, 0);
        }
        // The labels at the arrows' tails stay inside the plot, where an
        // edge runs near its top or bottom.
        const double line = m_nBaseCharHeight * m_dYSpan / std::max(1, m_nPlotHeight);
        const double top = std::min(hi + m_dYSpan / 10, m_dYMax - 2 * line);
        const double bottom = std::max(lo - m_dYSpan / 12, m_dYMin + line);
        if (!IsBlankLabel(label1))
            DrawArrowWorld(pDC, x + m_dXSpan / 20, top, x, hi, 2, label1, "", arrow);
        if (!IsBlankLabel(label2))
            DrawArrowWorld(pDC, x + m_dXSpan / 20, bottom, x, lo, 1, label2, "", arrow);
        if (k == 2) {
            DrawPointLabel(*this, pDC, x, lo, Gbk(u8"y的下限"), mark);
            DrawPointLabel(*this, pDC, x, hi + 25 * m_dYSpan / m_nPlotHeight, Gbk(u8"y的上限"),
                           mark);
            for (double py : {lo, hi, 0.0})
                DrawDotWorld(pDC, x, py, kDotRadius, kDotRadius, mark, mark);
            DrawLineWorldMode(pDC, x, lo, x, hi, mark, 0);
            DrawStringWorld(pDC, x, 0, "x", mark);
        } else {
            const double w = m_dXSpan * m_dStepH;
            DrawLineWorldMode(pDC, x, lo, x, 0, mark, 0);
            DrawLineWorldMode(pDC, x + w, lo, x + w, 0, mark, 0);
            DrawStringWorld(pDC, x - m_dXSpan / 30, 0, "x", mark);
            // Its label stays inside the plot when the strip reaches its edge.
            const double room = 4.0 * m_nBaseCharWidth * m_dXSpan / std::max(1, m_nPlotWidth);
            DrawPointLabel(*this, pDC, std::min(x + w, m_dXMax - room), 0, "x+dx", mark);
        }
    }
    const bool row = k >= 2 && m_nPlotOrientation == 2 && a <= y && y <= b;
    const bool yType = m_nRegionType == 2;
    const double left = row ? FindRegionEdgeMax(yType ? m_dXMin : a, y, 2) : 0;
    if (row && EvalRegionFunction(left, y, m_nFuncF) > 0) {
        const double right = FindRegionEdgeMin(yType ? m_dXMax : b, y, 2);
        if (k >= 3) {
            const double l = std::max(left, m_dXMin), r = std::min(right, m_dXMax);
            const double top = std::min(y + m_dYSpan * m_dStepH, m_dYMax);
            FillRectWorld(pDC, l, r, y, top, m_crDefaultPen);
            DrawLineWorld(pDC, l, top, r, top, mark);
            DrawLineWorld(pDC, r, y, r, top, mark);
            DrawLineWorld(pDC, l, y, l, top, mark);
        }
        if (!IsBlankLabel(label4))
            DrawArrowWorld(pDC, std::min(left, right) - m_dXSpan / 5, y + m_dYSpan / 8, left, y, 2,
                           label4, "", arrow);
        if (!IsBlankLabel(label3))
            DrawArrowWorld(pDC, std::max(left, right) + m_dXSpan / 5, y - m_dYSpan / 8, right, y, 0,
                           label3, "", arrow);
        if (k == 2) {
            for (double px : {left, right, 0.0})
                DrawDotWorld(pDC, px, y, kDotRadius, kDotRadius, mark, mark);
            DrawStringWorld(pDC, left - 3.0 * m_nBaseCharHeight * m_dXSpan / m_nPlotWidth, y,
                            Gbk(u8"x的下限"), mark);
            DrawStringWorld(pDC, right, y, Gbk(u8"x的上限"), mark);
            DrawLineWorld(pDC, left, y, right, y, mark);
            // Where the upper limit lies on the y axis, its label stands
            // where "y" would: "y" goes left of the axis.
            const double perX = m_nPlotWidth / m_dXSpan;
            int wy = 0;
            if (pDC) {
                const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
                wy = int(pDC->GetTextExtent("y").cx);
            }
            const bool meets = std::abs(right * perX) < wy + 3;
            DrawStringWorld(pDC, meets ? -(wy + 4) / perX : 0.0, y, "y", mark);
        } else {
            const double w = m_dYSpan * m_dStepH;
            DrawLineWorld(pDC, left, y, 0, y, mark);
            DrawLineWorld(pDC, left, y + w, 0, y + w, mark);
            DrawStringWorld(pDC, 0, y, "y", mark);
            // Its label stays inside the plot when the strip reaches its edge.
            const double line = m_nBaseCharHeight * m_dYSpan / std::max(1, m_nPlotHeight);
            DrawStringWorld(pDC, 0, std::min(y + w + m_dYSpan / 8, m_dYMax - line), "y+dy", mark);
        }
    }
    // The hint over the element, which may reach the plot's top.
    if (k >= 2)
        DrawStringWorld(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMax, Gbk(u8"选区域中的点"),
                        m_crCurveSetting);
    if (HitTestGraphRegion(1)) DrawUserShapes(pDC, 0);
}

// Polar points are placed by their own angle: the r-type region's number
// must not turn its lines across y = x as it turns a y-type region's.
void CPemroView::DrawPolarSegment(CDC* pDC, double r1, double t1, double r2, double t2,
                                  COLORREF colour) {
    DrawLineWorldMode(pDC, r1 * std::cos(t1), r1 * std::sin(t1), r2 * std::cos(t2),
                      r2 * std::sin(t2), colour, 0);
}

// The region inside a closed polar outline, filled as a polygon cut at the
// plot rectangle: nothing outside the outline is ever coloured.
void CPemroView::FillPolarRegion(CDC* pDC, const double* r, const double* theta, int n) {
    if (!pDC || n < 3 || !IsFigureBandVisible()) return;
    std::vector<CPoint> pts;
    pts.reserve(n);
    for (int i = 0; i < n; ++i) {
        int px, py;
        if (MapWorldOffset(r[i] * std::cos(theta[i]), r[i] * std::sin(theta[i]), &px, &py))
            pts.emplace_back(px, py);
    }
    if (pts.size() < 3) return;
    const CRect kept = pDC->GetClipRect();
    const CPoint org = pDC->GetViewportOrg();
    const CRect plot(m_nPlotLeft + org.x, m_nPlotTop + org.y, m_nPlotRight + org.x,
                     m_nPlotBottom + org.y);
    pDC->SetClipRect(kept.Intersect(plot));
    {
        CPenSelect pen(pDC, CPen(PS_NULL, 1, kPolarFill));
        CBrushSelect brush(pDC, CBrush(kPolarFill));
        pDC->Polygon(pts.data(), int(pts.size()));
    }
    pDC->SetClipRect(kept);
}

void CPemroView::DrawDomainr(CDC* pDC, double a, double b, CString label1, CString label2) {
    const int k = m_nOdeMethodFamily;
    if (k >= 2)
        DrawStringWorld(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMax, Gbk(u8"选区域中的点"),
                        m_crCurveSetting);
    const int zoom = std::max(m_nLabelZoom, 0);
    double h = (b - a) * kPolarStep / (zoom + 1);
    // An empty interval has no step; a huge zoom gets the finest bounded one.
    if (!(h > 0) || !std::isfinite(h)) return;
    h = std::max(h, (b - a) / kMaxPolarSteps);
    if (m_nRegionType == 1)
        DrawThetaRegion(pDC, a, b, h, label1, label2);
    else if (m_nRegionType == 2)
        DrawRadiusRegion(pDC, a, b, h, label1, label2);
    else
        return;
    if (m_dYMin <= 0 && 0 <= m_dYMax) DrawLineWorldMode(pDC, m_dXMin, 0, m_dXMax, 0, m_crAxes, 0);
    if (m_dXMin <= 0 && 0 <= m_dXMax) DrawLineWorldMode(pDC, 0, m_dYMin, 0, m_dYMax, m_crAxes, 0);
    if (HitTestGraphRegion(1)) DrawUserShapes(pDC, 0);
}

void CPemroView::DrawThetaRegion(CDC* pDC, double a, double b, double h, const CString& label1,
                                 const CString& label2) {
    const int up = m_nFuncUpper, low = m_nFuncLower, k = m_nOdeMethodFamily;
    const auto f = [&](double t) { return EvalF(t, up); };
    const auto g = [&](double t) { return EvalCatalogueB(t, low); };
    const COLORREF edge = m_crCurveSetting, ray = m_crFirstDerivative;
    {
        // The outline: out along r = f(θ), back along r = g(θ).
        double rs[2 * kOutlinePoints], ts[2 * kOutlinePoints];
        for (int i = 0; i < kOutlinePoints; ++i) {
            const double t = a + (b - a) * i / (kOutlinePoints - 1);
            rs[i] = f(t), ts[i] = t;
            rs[2 * kOutlinePoints - 1 - i] = g(t), ts[2 * kOutlinePoints - 1 - i] = t;
        }
        FillPolarRegion(pDC, rs, ts, 2 * kOutlinePoints);
    }
    double fp = f(a), gp = g(a);
    DrawPolarSegment(pDC, fp, a, 0, a, ray);
    DrawPolarSegment(pDC, fp, a, gp, a, edge);
    for (long i = 0; i < kMaxPolarSteps; ++i) {
        const double t = a + i * h;
        if (!(t < b)) break;
        const double f1 = f(t + h), g1 = g(t + h);
        DrawPolarSegment(pDC, fp, t, f1, t + h, edge);
        DrawPolarSegment(pDC, gp, t, g1, t + h, edge);
        fp = f1, gp = g1;
    }
    DrawPolarSegment(pDC, fp, b, 0, b, ray);
    DrawPolarSegment(pDC, fp, b, gp, b, edge);
    const double tm = (a + b) / 2, fm = f(tm), gm = g(tm);
    if (k >= 2) {
        const double fx = fm * std::cos(tm), fy = fm * std::sin(tm);
        const double gx = gm * std::cos(tm), gy = gm * std::sin(tm);
        // The names stand below their tails: a range step that took a tail
        // near the plot's floor keeps the name above it.
        const double row =
            m_nPlotHeight > 0 ? (m_nFontStep + m_nCharHeight + 2) * m_dYSpan / m_nPlotHeight : 0;
        const auto tailY = [&](double y) { return std::max(y, m_dYMin + row); };
        DrawArrowWorld(pDC, fx + m_dXSpan / 20, tailY(fy + m_dYSpan / 10), fx, fy, 1, label2, "",
                       ray);
        DrawArrowWorld(pDC, gx - m_dXSpan / 5, tailY(gy - m_dYSpan / 10), gx, gy, 1, label1, "",
                       ray);
    }
    const double phi = calculus::PolarPickAngle(m_dCursorX, m_dCursorY, a);
    if (k < 2 || !(a < phi && phi < b)) return;
    const double F = f(phi), G = g(phi);
    const COLORREF mark = m_crSecondDerivative;
    if (k == 2) {
        const auto at = [phi](double r, double* x, double* y) {
            *x = r * std::cos(phi), *y = r * std::sin(phi);
        };
        double x, y;
        at(G, &x, &y);
        DrawStringWorld(pDC, x, y, Gbk(u8"r的下限"), mark);
        DrawDotWorld(pDC, x, y, kDotRadius, kDotRadius, mark, mark);
        at(F, &x, &y);
        DrawStringWorld(pDC, x, y, Gbk(u8"r的上限"), mark);
        DrawDotWorld(pDC, x, y, kDotRadius, kDotRadius, mark, mark);
        DrawPolarSegment(pDC, 0, phi, F, phi, mark);
        DrawPolarSegment(pDC, 0, phi, G, phi, ray);
        at(G / 2, &x, &y);
        DrawStringWorld(pDC, x, y, Gbk(u8"θ"), mark);
        return;
    }
    const double rmin = std::min(F, G), rmax = std::max(F, G);
    const double s = (rmax - rmin) / kElementArcs;
    // Equal radii leave no band to shade.
    if (!(s > 0) || !std::isfinite(s)) return;
    const auto arcs = [&](double from, double to, COLORREF colour) {
        for (long i = 0; i < 10 * kElementArcs; ++i) {
            const double r = from + i * s;
            if (!(r < to)) break;
            DrawArcWorld(pDC, 0, 0, r, r, phi, phi + kElementAngle, colour);
        }
    };
    arcs(0, rmin, m_crDefaultFill);
    arcs(rmin, rmax, m_crDefaultPen);
}

void CPemroView::DrawRadiusRegion(CDC* pDC, double a, double b, double h, const CString& label1,
                                  const CString& label2) {
    const int right = m_nFuncRight, left = m_nFuncLeft, k = m_nOdeMethodFamily;
    const auto t2 = [&](double r) { return EvalF(r, right); };
    const auto t1 = [&](double r) { return EvalCatalogueB(r, left); };
    const COLORREF edge = m_crCurveSetting;
    {
        // The outline: out along θ2(r), back along the arc of radius b,
        // in along θ1(r) and back along the arc of radius a.
        constexpr int q = kOutlinePoints;
        double rs[4 * q], ts[4 * q];
        for (int i = 0; i < q; ++i) {
            const double s = double(i) / (q - 1), r = a + (b - a) * s, R = b - (b - a) * s;
            rs[i] = r, ts[i] = t2(r);
            rs[q + i] = b, ts[q + i] = t2(b) + (t1(b) - t2(b)) * s;
            rs[2 * q + i] = R, ts[2 * q + i] = t1(R);
            rs[3 * q + i] = a, ts[3 * q + i] = t1(a) + (t2(a) - t1(a)) * s;
        }
        FillPolarRegion(pDC, rs, ts, 4 * q);
    }
    for (long i = 0; i < kMaxPolarSteps; ++i) {
        const double r = a + i * h;
        if (!(r <= b)) break;
        DrawPolarSegment(pDC, r, t2(r), r, t2(r + h), edge);
        DrawPolarSegment(pDC, r, t1(r), r, t1(r + h), edge);
    }
    // Arcs of radius r from θ1(r) to θ2(r) in steps of h.
    const auto arc = [&](double r, COLORREF colour) {
        const double from = t1(r), to = t2(r);
        for (long i = 0; i < kMaxPolarSteps; ++i) {
            const double t = from + i * h;
            if (!(t < to)) break;
            DrawPolarSegment(pDC, r, t, r, t + h, colour);
        }
    };
    arc(a, edge);
    arc(b, edge);
    const double rm = (a + b) / 2;
    if (k >= 1) {
        const double x1 = rm * std::cos(t1(rm)), y1 = rm * std::sin(t1(rm));
        const double x2 = rm * std::cos(t2(rm)), y2 = rm * std::sin(t2(rm));
        const COLORREF ray = m_crFirstDerivative;
        DrawArrowWorld(pDC, x1 + m_dXSpan / 5, y1 - m_dYSpan / 20, x1, y1, 2, label1, "", ray);
        DrawArrowWorld(pDC, x2 - m_dXSpan / 10, y2 - m_dYSpan / 20, x2, y2, 0, label2, "", ray);
    }
    const double cx = m_dCursorX, cy = m_dCursorY;
    if (!(m_dXMin < cx && cx < m_dXMax && m_dYMin < cy && cy < m_dYMax)) return;
    const double rho = std::sqrt(cx * cx + cy * cy);
    if (k != 2 || !(a < rho && rho < b)) return;
    const COLORREF mark = m_crSecondDerivative;
    const double lo = t1(rho), hi = t2(rho);
    const double xl = rho * std::cos(lo), yl = rho * std::sin(lo);
    const double xh = rho * std::cos(hi), yh = rho * std::sin(hi);
    // Each limit beyond its end of the arc, "r" outside the arc's middle.
    DrawLabelToward(*this, pDC, xl, yl, std::sin(lo), -std::cos(lo), Gbk(u8"θ的下限"), mark);
    DrawLabelToward(*this, pDC, xh, yh, -std::sin(hi), std::cos(hi), Gbk(u8"θ的上限"), mark);
    DrawDotWorld(pDC, xl, yl, kDotRadius, kDotRadius, mark, mark);
    DrawDotWorld(pDC, xh, yh, kDotRadius, kDotRadius, mark, mark);
    arc(rho, mark);
    const double tm = (lo + hi) / 2;
    DrawLabelToward(*this, pDC, rho * std::cos(tm), rho * std::sin(tm), std::cos(tm), std::sin(tm),
                    "r", mark);
}
