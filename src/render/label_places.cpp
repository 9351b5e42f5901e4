// Axis names stand clear of the figure's own text: they are held while the
// figure draws and written last, each moved from its place only as far as
// the captions, read-outs and buttons already there make it.
#include "view/view.h"

#include "render/math/label_place.h"

#include <algorithm>
#include <cstdlib>

void CPemroView::BeginFigureBoxes(const CRect& frame) {
    m_aFigureBoxes.clear();
    m_aText3Cells.clear();
    m_aPlacedAxisNames.clear();
    m_aPlacedPointNames.clear();
    m_rcFigureFrame = frame;
    m_bNoteFigureBoxes = true;
    m_nDrawnFigureBand = m_bNoteScreenFigures ? m_nLastNotedBand : -1;
    ApplyFigureClip();
}

void CPemroView::EndFigureBoxes() {
    NoteDrawnFigureTop();
    m_aFigureBoxes.clear();
    m_aPlacedAxisNames.clear();
    m_aPlacedPointNames.clear();
    m_rcFigureFrame = CRect();
    m_bNoteFigureBoxes = false;
    ApplyFigureClip();
}

void CPemroView::NoteFigureBox(const CRect& box) {
    if (m_bNoteFigureBoxes && !box.IsRectEmpty()) m_aFigureBoxes.push_back(box);
}

void CPemroView::NoteFigureFrame(const CRect& frame) {
    if (m_bNoteFigureBoxes) m_rcFigureFrame = m_rcFigureFrame.Union(frame);
    ApplyFigureClip();
}

namespace {
// A button's frame may touch the figure's frame from inside.
constexpr int kFigureClipMargin = 2;
} // namespace

void CPemroView::BeginFigureClip(CDC* pDC) {
    m_pFigureClipDC = pDC;
    m_rcRecordClip = pDC->GetClipRect();
    ApplyFigureClip();
}

void CPemroView::EndFigureClip() {
    if (m_pFigureClipDC) m_pFigureClipDC->SetClipRect(m_rcRecordClip);
    m_pFigureClipDC = nullptr;
}

CRect CPemroView::FigureClip() const {
    const CDC* dc = m_pFigureClipDC;
    if (!dc || !m_bNoteFigureBoxes || m_rcFigureFrame.IsRectEmpty()) return m_rcRecordClip;
    const CPoint org = dc->GetViewportOrg();
    const CRect& f = m_rcFigureFrame;
    const CRect device(f.left + org.x - kFigureClipMargin, f.top + org.y - kFigureClipMargin,
                       f.right + org.x + kFigureClipMargin, f.bottom + org.y + kFigureClipMargin);
    return device.Intersect(m_rcRecordClip);
}

void CPemroView::ApplyFigureClip() {
    if (m_pFigureClipDC) m_pFigureClipDC->SetClipRect(FigureClip());
}

// An axis name is placed when the figure is done, inside the frame it has
// then, which may have grown since the name was held.
CRect CPemroView::HeldNameClip(CDC* pDC) const {
    const CRect clip = pDC->GetClipRect();
    return pDC == m_pFigureClipDC && clip == FigureClip() ? m_rcRecordClip : clip;
}

bool CPemroView::IsOutsideFigureFrame(CDC* pDC, const std::string& text, const CRect& cell) const {
    if (!m_bWritingFigureText || !m_bNoteFigureBoxes || m_rcFigureFrame.IsRectEmpty()) return false;
    const CRect& f = m_rcFigureFrame;
    if (cell.left >= f.left && cell.top >= f.top && cell.right <= f.right &&
        cell.bottom <= f.bottom)
        return false;
    // A piece standing across the frame's edge is cut there; one whose
    // middle has left the frame is not written at all.
    CRect ink = pDC->GetTextInk(text);
    if (ink.IsRectEmpty()) return false;
    ink.OffsetRect(cell.left, cell.top);
    const int mx = ink.left + ink.Width() / 2, my = ink.top + ink.Height() / 2;
    return mx < f.left || mx >= f.right || my < f.top || my >= f.bottom;
}

CPoint CPemroView::ClearOfFigureText(CDC* pDC, int x, int y, const CString& text,
                                     const CRect& within) {
    const CPoint at(x, y);
    if (!pDC || text.empty() || !m_bNoteFigureBoxes || m_rcFigureFrame.IsRectEmpty()) return at;
    for (const PlacedPointName& p : m_aPlacedPointNames)
        if (p.text == text && p.from == at) return p.to;
    CRect ink;
    CSize size;
    {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        ink = pDC->GetTextInk(text);
        size = pDC->GetTextExtent(text);
    }
    if (ink.IsRectEmpty()) return at;
    ink.OffsetRect(x, y);
    // The name written here before (a frame drawn again) is not in its way.
    const CRect own(x, y, x + size.cx, y + size.cy);
    std::vector<CRect> taken;
    bool meets = false;
    const auto take = [&](const CRect& r) {
        if (r == own) return;
        taken.push_back(r);
        meets = meets || !r.Intersect(ink).IsRectEmpty();
    };
    for (const CRect& r : m_aFigureBoxes) take(r);
    // A waiting read-out that the name's cell meets would be written at
    // once, under the lines drawn after it: it keeps clear of the cell.
    const int left = ink.left - own.left, top = ink.top - own.top;
    const int right = own.right - ink.right, bottom = own.bottom - ink.bottom;
    for (const HeldValuePiece& p : m_aHeldValuePieces)
        if (p.dc == pDC)
            take(CRect(p.cell.left - right, p.cell.top - bottom, p.cell.right + left,
                       p.cell.bottom + top));
    CPoint to = at;
    if (meets) {
        // Steps of a quarter of the name's height, out to three heights:
        // still beside its point.
        const int h = std::max(1, ink.Height());
        const CPoint d = labels::NearestFreeShift(
            ink, taken, within.IsRectEmpty() ? m_rcFigureFrame : within, std::max(2, h / 4), 3 * h);
        to.x += d.x, to.y += d.y;
    }
    m_aPlacedPointNames.push_back({text, at, to});
    return to;
}

void CPemroView::BeginAxisName() {
    if (!m_bHoldValueLabels || !m_bNoteFigureBoxes) return;
    m_aHeldAxisNames.push_back({{}, false, CPoint()});
    m_bAxisNameOpen = true;
}

void CPemroView::BeginAxisName(CPoint anchor) {
    BeginAxisName();
    if (m_bAxisNameOpen) m_aHeldAxisNames.back().anchored = true;
    if (m_bAxisNameOpen) m_aHeldAxisNames.back().anchor = anchor;
}

void CPemroView::EndAxisName() {
    m_bAxisNameOpen = false;
    if (!m_aHeldAxisNames.empty() && m_aHeldAxisNames.back().pieces.empty())
        m_aHeldAxisNames.pop_back();
}

void CPemroView::PlaceHeldAxisNames() {
    std::vector<HeldAxisName> names;
    names.swap(m_aHeldAxisNames);
    if (names.empty()) return;
    // The names are the figure's text, though the page's text may have been
    // written since they were held.
    if (m_pTextSink) m_pTextSink->OnRecordBegins(true);
    const auto sameEnd = [](CPoint a, CPoint b) {
        return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
    };
    // An axis drawn again in the same pass names its end once, with the last
    // name given: a figure that draws a plain frame first and then its own
    // axes ("n", "Xn") renames the frame's "x" and "y".
    std::vector<bool> renamed(names.size(), false);
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = i + 1; j < names.size() && !renamed[i]; ++j)
            renamed[i] =
                names[i].anchored && names[j].anchored && sameEnd(names[i].anchor, names[j].anchor);
    for (size_t i = 0; i < names.size(); ++i) {
        if (renamed[i]) continue;
        HeldAxisName& name = names[i];
        CRect box;
        std::string text;
        for (const HeldValuePiece& p : name.pieces) box = box.Union(p.cell), text += p.text;
        const auto same = [&](const PlacedAxisName& p) {
            return name.anchored && p.text == text && sameEnd(p.anchor, name.anchor);
        };
        const auto placed =
            std::find_if(m_aPlacedAxisNames.begin(), m_aPlacedAxisNames.end(), same);
        CPoint d;
        if (placed != m_aPlacedAxisNames.end()) {
            d = CPoint(placed->at.x - box.left, placed->at.y - box.top);
        } else {
            // A step of a quarter of the name's height, out to five heights:
            // past a caption's line to either side, still beside its axis.
            const int h = std::max(1, box.Height());
            d = labels::NearestFreeShift(box, m_aFigureBoxes, m_rcFigureFrame, std::max(2, h / 4),
                                         5 * h);
            if (name.anchored)
                m_aPlacedAxisNames.push_back(
                    {text, name.anchor, CPoint(box.left + d.x, box.top + d.y)});
        }
        for (HeldValuePiece& p : name.pieces) p.x += d.x, p.y += d.y;
        // Written as value pieces are; each notes its cell, so the next
        // name keeps clear of it too.
        WriteHeldValuePieces(name.pieces);
    }
    if (m_pTextSink) m_pTextSink->OnRecordBegins(m_nRecClass == 7);
}
