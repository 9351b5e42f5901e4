// Gathering, joining and drawing the graph's curve strokes, and the memo of
// the last curves drawn.
#include "catalog/curve_strokes.h"

#include "catalog/catalog_params.h"
#include "render/pixel_line.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace catalog {

CurveLines::CurveLines(CPemroView& v, CDC* dc, CurveStrokes* gathered)
    : m_view(v), m_pDC(dc), m_gathered(gathered) {}

// DrawLineWorldMode with the view's region type, the band known visible.
void CurveLines::Line(double x1, double y1, double x2, double y2, COLORREF colour) {
    if (!m_gathered) {
        m_view.DrawLineWorld(m_pDC, x1, y1, x2, y2, colour);
        return;
    }
    const CPemroView& v = m_view;
    if (v.m_nRegionType == 2) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    const auto inRange = [&v](double x, double y) {
        return v.m_dXMin <= x && x <= v.m_dXMax && v.m_dYMin <= y && y <= v.m_dYMax;
    };
    if (!inRange(x1, y1) || !inRange(x2, y2)) return;
    CurveStroke s;
    s.colour = colour;
    if (v.MapWorldWhole(x1, y1, &s.a.x, &s.a.y) && v.MapWorldWhole(x2, y2, &s.b.x, &s.b.y))
        m_gathered->push_back(s);
}

CurveChain::CurveChain(CPemroView& v, CDC* dc, CurveStrokes* gathered, COLORREF colour)
    : m_view(v), m_gathered(gathered), m_colour(colour) {
    if (!gathered) m_plain.emplace(v, dc, colour);
}

CurveChain::Point CurveChain::Map(double x, double y) const {
    const CPemroView& v = m_view;
    if (v.m_nRegionType == 2) std::swap(x, y);
    Point p;
    p.drawn = v.m_dXMin <= x && x <= v.m_dXMax && v.m_dYMin <= y && y <= v.m_dYMax &&
              v.MapWorldWhole(x, y, &p.p.x, &p.p.y);
    return p;
}

void CurveChain::MoveTo(double x, double y) {
    if (m_plain) return m_plain->MoveTo(x, y);
    m_prev = Map(x, y);
}

void CurveChain::LineTo(double x, double y) {
    if (m_plain) return m_plain->LineTo(x, y);
    const Point a = m_prev;
    m_prev = Map(x, y);
    if (a.drawn && m_prev.drawn) m_gathered->push_back({a.p, m_prev.p, m_colour});
}

namespace {

bool Same(const CurveStroke& s, const CurveStroke& t) {
    return s.a == t.a && s.b == t.b && s.colour == t.colour;
}

std::uint64_t Hash(const CurveStroke& s) {
    std::uint64_t h = std::uint32_t(s.a.x) * 0x9E3779B97F4A7C15ull;
    h ^= std::uint32_t(s.a.y) * 0xC2B2AE3D27D4EB4Full;
    h ^= std::uint32_t(s.b.x) * 0x165667B19E3779F9ull;
    h ^= std::uint32_t(s.b.y) * 0xD6E8FEB86659FD93ull;
    h ^= std::uint64_t(s.colour) * 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 29);
}

} // namespace

CurveStrokes JoinKeepingLast(const std::vector<const CurveStrokes*>& pieces) {
    // The pieces from the last: one already met repeats later strokes only.
    std::vector<const CurveStrokes*> distinct;
    size_t total = 0;
    for (size_t i = pieces.size(); i-- > 0;) {
        if (std::find(distinct.begin(), distinct.end(), pieces[i]) != distinct.end()) continue;
        distinct.push_back(pieces[i]);
        total += pieces[i]->size();
    }
    CurveStrokes kept;
    kept.reserve(total);
    // Open addressing on the kept strokes' indices.
    size_t slots = 16;
    while (slots < 2 * total) slots *= 2;
    std::vector<std::int32_t> table(slots, -1);
    for (const CurveStrokes* piece : distinct)
        for (size_t j = piece->size(); j-- > 0;) {
            const CurveStroke& s = (*piece)[j];
            size_t at = Hash(s) & (slots - 1);
            for (; table[at] >= 0; at = (at + 1) & (slots - 1))
                if (Same(kept[size_t(table[at])], s)) break;
            if (table[at] >= 0) continue;
            table[at] = std::int32_t(kept.size());
            kept.push_back(s);
        }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

void AddCurveFrame(KeyHash* key, const CPemroView& v) {
    for (double d : {v.m_dXMin, v.m_dXMax, v.m_dYMin, v.m_dYMax, v.m_dXSpan, v.m_dYSpan,
                     v.m_dDiffStep, v.m_dParamStep})
        key->Add(d);
    for (int n :
         {v.m_nPlotLeft, v.m_nPlotBottom, v.m_nPlotWidth, v.m_nPlotHeight, v.m_nRegionType,
          v.m_nPlotMode, v.m_nFuncF, v.m_nDerivativeArg, v.m_nPlotOption1, v.m_nPlotOption2})
        key->Add(n);
    for (COLORREF c : {v.m_crCurveSetting, v.m_crFirstDerivative, v.m_crSecondDerivative})
        key->Add(c);
}

void AddCatalogueInputs(KeyHash* key, const CPemroView& v) {
    for (int n : {v.m_nCombineMode, v.m_nFuncUpper, v.m_nFuncLower, v.m_nFuncRight, v.m_nFuncLeft,
                  int(v.m_bFigure3D)})
        key->Add(n);
    for (const ExplicitCoefs& cf :
         {CoefsOf(v.m_adCoefF, v.m_adCoefFExtra[0], v.m_adCoefFExtra[1], v.m_adCoefFExtra[2],
                  v.m_dAlphaF, v.m_dBetaF, v.m_dBreakF0, v.m_dBreakF1),
          CoefsB(v)})
        for (double d : {cf.a, cf.b, cf.c, cf.d, cf.e, cf.f, cf.g, cf.h, cf.i, cf.alpha, cf.beta,
                         cf.x0, cf.x1})
            key->Add(d);
    const Extension ext = ExtensionOf(v);
    key->Add(ext.periodic), key->Add(ext.period), key->Add(ext.symmetry);
    const Densities dn = DensitiesOf(v);
    for (double d : {dn.lambda, dn.mu, dn.sigma, dn.invSqrt2Pi, dn.gammaAlpha, dn.gammaBeta})
        key->Add(d);
    key->Add(dn.n), key->Add(dn.m);
    key->Add(v.m_dImplicitC), key->Add(v.m_dX0), key->Add(v.m_adRegionRect);
}

} // namespace catalog

BOOL CPemroView::AreCurveStrokesGathered(CDC* pDC) const {
    // Repeats may be left out only where a stroke overwrites what it meets.
    return pDC && DrawingCachesEnabled() && !pDC->IsPrinting() && pDC->GetROP2() == R2_COPYPEN &&
           IsFigureBandVisible();
}

const CPemroView::CurveMemo* CPemroView::FindCurveMemo(unsigned long long key) const {
    for (const CurveMemo& m : m_aCurveMemo)
        if (m.known && m.key == key) return &m;
    return nullptr;
}

void CPemroView::KeepCurveMemo(unsigned long long key, const std::vector<CurveStroke>& strokes) {
    CurveMemo& m = m_aCurveMemo[m_nCurveMemoNext];
    m_nCurveMemoNext = (m_nCurveMemoNext + 1) % kCurveMemos;
    m.key = key, m.known = true, m.strokes = strokes;
}

void CPemroView::DrawCurveStrokes(CDC* pDC, const std::vector<CurveStroke>& strokes) {
    if (strokes.empty() || !IsFigureBandVisible()) return;
    // StrokePx's pixels: a two-pixel stroke along an axis is its box, a
    // one-pixel line inside the clip written straight into the image, any
    // other in a pen kept selected while its colour and width stay.
    const CDC::DirectBoxes direct = pDC->Direct();
    const bool copy = pDC->GetROP2() == R2_COPYPEN;
    bool held = false;
    COLORREF heldColour = 0;
    int heldWidth = 0;
    CPen old;
    for (const CurveStroke& s : strokes) {
        const int width = render::PixelLineWidth(m_nPixelSize, s.a.x, s.a.y, s.b.x, s.b.y);
        CRect box;
        if (copy && render::PixelStrokeBox(width, s.a, s.b, &box)) {
            if (!direct.Box(box, s.colour)) pDC->FillSolidRect(box, s.colour);
            continue;
        }
        if (width <= 1 && direct.Line(s.a, s.b, s.colour)) {
            pDC->EndLine(s.a, s.b);
            continue;
        }
        if (!held || s.colour != heldColour || width != heldWidth) {
            const CPen was = pDC->SelectObject(CPen(PS_SOLID, width, s.colour));
            if (!held) old = was;
            held = true, heldColour = s.colour, heldWidth = width;
        }
        pDC->MoveTo(s.a);
        pDC->LineTo(s.b);
    }
    if (held) pDC->SelectObject(old);
    // Where the last stroke left the pen.
    pDC->MoveTo(strokes.back().b);
}
