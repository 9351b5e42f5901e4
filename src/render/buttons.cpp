// On-screen text buttons and the click tests of the stored click.
//
// A button is lit whenever the stored click lies in it (as long as the click
// stays stored), but it reports a hit, which its caller acts on, only in the
// click pass: the first pass after the press. Later repaints (scrolls,
// resizes, menu commands) draw the page in its current state and change
// nothing.
#include "view/view.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr COLORREF kHitButtonColour = RGB(250, 125, 120);
// Buttons whose left edges lie this close stand in one column.
constexpr int kColumnSlack = 6;

// Nominal screen of the pixel-free rectangles of IsClickInRect.
constexpr int kNominalWidth = 800;
constexpr int kNominalHeight = 600;

} // namespace

void CPemroView::BeginPassClickState() {
    m_bClickActed = FALSE;
    m_bStackValid = FALSE;
    m_bRowValid = FALSE;
    m_nPlacedButtons = 0;
    // Printing and the print preview never answer a click.
    // A continuation answers the click its stopped pass answered, in the
    // figures that pass left.
    const bool newPress = m_nClickSerial != m_nClickSerialSeen;
    m_bClickPass = !m_bPrintMode && (newPress || (IsContinuationPass() && m_bResumeClickPass));
    if (!m_bClickPass) return;
    m_nClickSerialSeen = m_nClickSerial;
    if (newPress) m_bClickMet = FALSE, m_bPressedKnown = FALSE;
}

BOOL CPemroView::EndPassClickState() {
    // A click that no click test of the whole page found is spent here, so
    // no later pass finds it on what a scroll or a resize brings there.
    if (m_bClickPass && m_nStopFigure < 0 && !m_bClickMet) m_bClickSpent = TRUE;
    m_bClickPass = FALSE;
    return m_bClickActed;
}

void CPemroView::LogShownButton(int x, int y, long long w, long long h) {
    // The first run of a click pass draws buttons that the page's drawing
    // after it draws again where the new state puts them.
    if (m_bAnsweringClick || m_bPrintMode || w <= 0 || h <= 0) return;
    const CRect box(x, y, int(std::min<long long>(x + w, kPixelLimit)),
                    int(std::min<long long>(y + h, kPixelLimit)));
    for (int i = 0; i < m_nShownButtons; ++i)
        if (m_arcShownButtons[i] == box) return;
    if (m_nShownButtons < kMaxShownButtons)
        m_arcShownButtons[m_nShownButtons++] = box;
    else
        m_bShownButtonsFull = TRUE;
}

void CPemroView::ForgetShownButtonsIn(const CRect& pageBox) {
    if (m_bPrintMode || m_bAnsweringClick) return;
    int kept = 0;
    const int older = std::min(m_nShownButtonsOfPass, m_nShownButtons);
    for (int i = 0; i < m_nShownButtons; ++i) {
        const CRect& b = m_arcShownButtons[i];
        const bool meets = b.left < pageBox.right && pageBox.left < b.right &&
                           b.top < pageBox.bottom && pageBox.top < b.bottom;
        if (i >= older || !meets) m_arcShownButtons[kept++] = b;
        if (i + 1 == older) m_nShownButtonsOfPass = kept;
    }
    m_nShownButtons = kept;
    if (kept == 0) m_bShownButtonsFull = FALSE;
}

BOOL CPemroView::KeepUnlitButton(CDC* pDC, const CRect& box) {
    if (m_bPrintMode || m_bAnsweringClick || pDC->IsPrinting() || !IsFigureBandVisible())
        return FALSE;
    auto under = std::make_shared<CBitmap>();
    if (!under->CreateBitmap(box.Width(), box.Height())) return FALSE;
    CDC(under.get()).BitBlt(0, 0, box.Width(), box.Height(), pDC, box.left, box.top, SRCCOPY);
    m_rcLitButton = box;
    m_pLitButtonUnder = std::move(under);
    m_pLitButtonLit.reset();
    return TRUE;
}

void CPemroView::KeepLitButton(CDC* pDC) {
    const CRect& b = m_rcLitButton;
    auto lit = std::make_shared<CBitmap>();
    if (!lit->CreateBitmap(b.Width(), b.Height())) return m_pLitButtonUnder.reset();
    CDC(lit.get()).BitBlt(0, 0, b.Width(), b.Height(), pDC, b.left, b.top, SRCCOPY);
    m_pLitButtonLit = std::move(lit);
}

void CPemroView::UnlightKeptButton(CDC* pDC) {
    if (!m_bClickPass || !m_pLitButtonUnder || !m_pLitButtonLit || pDC->IsPrinting()) return;
    if (m_rcLitButton.PtInRect(ClickPagePoint())) return;
    // Only the pixels still as lit go back: the pass may have drawn over the
    // box after lighting it (the frame of the button below), and a full
    // repaint draws that too.
    const CRect& b = m_rcLitButton;
    const CDC under(m_pLitButtonUnder.get());
    const CDC lit(m_pLitButtonLit.get());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (pDC->GetPixel(b.left + x, b.top + y) == lit.GetPixel(x, y))
                pDC->SetPixel(b.left + x, b.top + y, under.GetPixel(x, y));
    m_pLitButtonUnder.reset();
    m_pLitButtonLit.reset();
}

BOOL CPemroView::IsClickOnShownButton() const {
    if (m_bShownButtonsFull) return TRUE;
    for (int i = 0; i < m_nShownButtons; ++i) {
        const CRect& b = m_arcShownButtons[i];
        if (IsStoredClickInside(b.left, b.top, b.Width(), b.Height())) return TRUE;
    }
    return FALSE;
}

BOOL CPemroView::ReportButtonHit(BOOL inside) {
    const BOOL labelled = m_bLabelTested;
    m_bLabelTested = FALSE;
    if (!inside || !IsClickPass()) return FALSE;
    m_bClickActed = TRUE;
    if (labelled) m_strPressedLabel = m_strTestedLabel, m_bPressedKnown = TRUE;
    return TRUE;
}

BOOL CPemroView::IsStoredClickInside(int x, int y, int w, int h) const {
    const CPoint click = ClickPagePoint();
    const std::int64_t cx = click.x, cy = click.y;
    return NoteClickMet(x < cx && cx < std::int64_t(x) + w && y < cy && cy < std::int64_t(y) + h);
}

// Auto size: strlen(label)·W/2 + 3 wide (bytes, so a Chinese character
// counts 2) and 3·H/5 + 2 high, in the page's column and line units.
int CPemroView::ButtonWidth(const CString& label) const {
    // The label is written in the current text size, which a script's Font
    // command may have set above the page's: the box follows it there.
    const std::int64_t W = std::max(m_nBaseCharWidth, m_nCharWidth) + m_nFontStep / 2;
    const std::int64_t len = std::int64_t(std::strlen(label.c_str()));
    return int((W > 0 ? len * W : 0) / 2 + 3);
}

int CPemroView::ButtonHeight() const {
    const int H = std::max(m_nBaseCharHeight, m_nCharHeight) + m_nFontStep;
    return 3 * H / 5 + 2;
}

// One row below the box above: the two frames overlap there, the labels and
// the click areas stay apart.
int CPemroView::ButtonRowBelow(int nominalY, int aboveY) const {
    const std::int64_t below = std::int64_t(aboveY) + ButtonHeight() + 1;
    return below > nominalY ? int(std::min<std::int64_t>(below, kPixelLimit)) : nominalY;
}

BOOL CPemroView::DrawButtonBox(CDC* pDC, int x, int y, int w, int h, const CString& label,
                               COLORREF textColour) {
    // Value labels held back stay under the buttons.
    FlushValueLabelsUnder(CRect(x - 2, y - 2, x + w + 2, y + h + 2));
    if (m_bShowSelectionBox && IsFigureBandVisible())
        NoteFigureBox(CRect(x - 2, y - 2, x + w + 2, y + h + 2));
    CPoint labelAt(x + 2, y + 1);
    LOGFONT font = PlainStringFont(TRUE, 0);
    if (m_bShowSelectionBox) {
        FillRectPx(pDC, x - 2, y - 2, x + w + 2, y + h + 2, m_crCurveSetting);
        FillRectPx(pDC, x, y, x + w, y + h, m_crGround);
        labelAt = DrawButtonCaption(pDC, x, y, w, label, textColour, &font);
    }
    if (m_pControlSink && m_bShowSelectionBox && IsFigureBandVisible())
        m_pControlSink->OnControl(CRect(x, y, x + w, y + h), 2, labelAt, label, font);
    LogShownButton(x, y, w, h);
    const BOOL lit = IsStoredClickInside(x, y, w, h);
    m_strTestedLabel = label, m_bLabelTested = TRUE;
    if (lit && m_bShowSelectionBox && (!m_bPressedKnown || label == m_strPressedLabel)) {
        const BOOL kept = KeepUnlitButton(pDC, CRect(x, y, x + w, y + h));
        FillRectPx(pDC, x, y, x + w, y + h, kHitButtonColour);
        DrawButtonCaption(pDC, x, y, w, label, textColour);
        if (kept) KeepLitButton(pDC);
    }
    return lit;
}

int CPemroView::ClearOfPlacedButtons(int x, int y, int h) const {
    // Each step moves below one box that starts at or above this one's top;
    // a box drawn before but standing lower is left to its own place.
    for (int moves = 0; moves <= m_nPlacedButtons; ++moves) {
        bool moved = false;
        // A figure drawn twice in a pass draws its buttons again where they
        // stand.
        for (int i = 0; i < m_nPlacedButtons; ++i)
            if (m_arcPlacedButtons[i].left == x && m_arcPlacedButtons[i].top == y) return y;
        for (int i = 0; i < m_nPlacedButtons && !moved; ++i) {
            const CRect& p = m_arcPlacedButtons[i];
            // Buttons of one column (a few pixels apart) only: the rows
            // and boxes elsewhere keep their own places.
            const bool column = std::abs(p.left - x) <= kColumnSlack;
            const bool meet = column && y < p.bottom && p.top < y + h;
            if (meet && p.top <= y) {
                y = ButtonRowBelow(y, p.top);
                moved = true;
            }
        }
        if (!moved) break;
    }
    return y;
}

// (x, y) is the top-left corner in page pixels; w and h are ignored.
BOOL CPemroView::TextButtonCore(CDC* pDC, int x, int y, int /*w*/, int /*h*/, const CString& label,
                                COLORREF textColour) {
    if (m_bZoom) return FALSE;
    // 3-D figures stack their buttons at fixed rows, which a large font
    // outgrows: a button just below the one drawn before it in the same
    // column moves down until the two stand apart. (2-D figures rescale
    // their rows instead.)
    if (m_bFigure3D) {
        const int nominalY = y;
        if (m_bStackValid && x == m_nStackX && y > m_nStackNominalY)
            y = ButtonRowBelow(y, m_nStackY);
        y = ClearOfPlacedButtons(x, y, ButtonHeight());
        m_nStackX = x, m_nStackNominalY = nominalY, m_nStackY = y;
        m_bStackValid = TRUE;
        if (m_nPlacedButtons < kMaxPlacedButtons)
            m_arcPlacedButtons[m_nPlacedButtons++] =
                CRect(x, y, x + ButtonWidth(label), y + ButtonHeight());
    } else {
        // 2-D figures lay rows out at fixed offsets, which the labels of a
        // larger font outgrow: a button right of the one drawn before it in
        // the same row moves right until the two stand apart.
        const int nominalX = x;
        if (m_bRowValid && y == m_nRowY && x > m_nRowNominalX && x < m_nRowRight + kButtonRowGap)
            x = m_nRowRight + kButtonRowGap;
        m_nRowY = y, m_nRowNominalX = nominalX, m_nRowRight = x + ButtonWidth(label);
        m_bRowValid = TRUE;
    }
    const BOOL lit =
        DrawButtonBox(pDC, x, y, ButtonWidth(label), ButtonHeight(), label, textColour);
    const CRect box(x, y, x + ButtonWidth(label), y + ButtonHeight());
    const bool again = m_nAnsweredSerial == m_nClickSerial && box == m_rcAnsweredButton;
    if (!ReportButtonHit(lit && !again)) return FALSE;
    m_rcAnsweredButton = box, m_nAnsweredSerial = m_nClickSerial;
    return TRUE;
}

namespace {

// In a 2-D figure, button rows are laid out for a nominal height h; the
// offset below the plot top is scaled to the real button height.
int RescaledButtonY(const CPemroView* v, int y, int h) {
    if (v->m_bFigure3D || h == 0) return y;
    const std::int64_t real = v->ButtonHeight();
    const std::int64_t scaled = v->m_nPlotTop + real * (std::int64_t(y) - v->m_nPlotTop) / h;
    if (scaled <= -kPixelLimit || scaled >= kPixelLimit) return y < 0 ? -kPixelLimit : kPixelLimit;
    return int(scaled);
}

} // namespace

BOOL CPemroView::TextButtonInPlot(CDC* pDC, int x, int y, int w, int h, const CString& label,
                                  COLORREF textColour) {
    if (m_bPrintMode) return FALSE;
    return TextButtonCore(pDC, x, RescaledButtonY(this, y, h), w, h, label, textColour);
}

BOOL CPemroView::TextButton(CDC* pDC, int x, int y, const CString& label) {
    if (m_bZoom) return FALSE;
    return TextButtonInPlot(pDC, x, y, 40, 20, label, m_crCurveSetting);
}

BOOL CPemroView::TextButtonSimple(CDC* pDC, int x, int y, const CString& label) {
    if (m_bZoom || m_bPrintMode) return FALSE;
    m_nBoxWidth = ButtonWidth(label);
    m_nBoxHeight = ButtonHeight();
    const BOOL hit = ReportButtonHit(
        DrawButtonBox(pDC, x, y, m_nBoxWidth, m_nBoxHeight, label, m_crCurveSetting));
    if (hit) m_bDragging = FALSE;
    return hit;
}

void CPemroView::DrawFramedLabel(CDC* pDC, int x, int y, int /*w*/, int h, const CString& label,
                                 COLORREF textColour, COLORREF frame, COLORREF ground) {
    if (m_bZoom || m_bPrintMode) return;
    y = RescaledButtonY(this, y, h);
    if (!IsFigureBandVisible() || !m_bShowSelectionBox) return;
    const int bw = ButtonWidth(label), bh = ButtonHeight();
    FlushValueLabelsUnder(CRect(x - 2, y - 2, x + bw + 2, y + bh + 2));
    NoteFigureBox(CRect(x - 2, y - 2, x + bw + 2, y + bh + 2));
    FillRectPx(pDC, x - 2, y - 2, x + bw + 2, y + bh + 2, frame);
    FillRectPx(pDC, x, y, x + bw, y + bh, ground);
    LOGFONT font;
    const CPoint labelAt = DrawButtonCaption(pDC, x, y, bw, label, textColour, &font);
    if (m_pControlSink)
        m_pControlSink->OnControl(CRect(x, y, x + bw, y + bh), 2, labelAt, label, font);
}

namespace {

// Answer-area caption: the working font sized to the box, the text at
// (x, y + 2), the working font back at the text size afterwards.
void DrawFilledCaption(CPemroView* v, CDC* pDC, int x, int y, int w, int h, const CString& text,
                       COLORREF textColour) {
    pDC->SetTextColor(textColour);
    const std::size_t len = std::strlen(text.c_str());
    v->m_lfCurrent.lfHeight = h * 4 / 5;
    // An empty caption keeps the face's own width instead of dividing by 0.
    v->m_lfCurrent.lfWidth = len ? int(w / std::int64_t(len)) : 0;
    {
        CFontSelect font(pDC, v->m_lfCurrent);
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        v->PutTypesetText(pDC, x, y + 2, text.c_str(), int(len));
        pDC->SetBkMode(oldMode);
    }
    v->m_lfCurrent.lfHeight = v->m_nCharHeight + v->m_nFontStep;
    v->m_lfCurrent.lfWidth = v->m_nCharWidth + v->m_nFontStep / 2;
}

} // namespace

// The answer-area buttons: sized as passed, drawn whatever the figure band,
// zoom or print mode.
BOOL CPemroView::FilledTextButton(CDC* pDC, int x, int y, int w, int h, const CString& text,
                                  COLORREF textColour, COLORREF frame) {
    FillRectPxAlways(pDC, x - 1, y - 1, x + w + 2, y + h + 2, frame);
    DrawFilledCaption(this, pDC, x, y, w, h, text, textColour);
    LogShownButton(x, y, w, h);
    m_strTestedLabel = text, m_bLabelTested = TRUE;
    return ReportButtonHit(IsStoredClickInside(x, y, w, h));
}

BOOL CPemroView::FilledTextButtonInBand(CDC* pDC, int x, int y, int w, int h, const CString& text,
                                        COLORREF textColour, COLORREF frame) {
    if (m_bZoom) return FALSE;
    FillRectPx(pDC, x, y, x + w, y + h, frame);
    DrawFilledCaption(this, pDC, x, y, w, h, text, textColour);
    LogShownButton(x, y, w, h);
    m_strTestedLabel = text, m_bLabelTested = TRUE;
    return ReportButtonHit(IsStoredClickInside(x, y, w, h));
}

BOOL CPemroView::IsClickInBox(int x, int y, int w, int h) {
    if (m_bZoom || !IsFigureBandVisible()) return FALSE;
    LogShownButton(x, y, w, h);
    m_bLabelTested = FALSE;
    return ReportButtonHit(IsStoredClickInside(x, y, w, h));
}

// A rectangle given in a nominal 800 x 600 screen: its size scales with the
// clip box, its corner is in page pixels.
BOOL CPemroView::IsClickInRect(CDC* /*pDC*/, int x, int y, int w, int h) {
    if (m_bZoom || !IsFigureBandVisible()) return FALSE;
    const std::int64_t sw = std::int64_t(w) * (m_nClipRight - m_nClipLeft) / kNominalWidth;
    const std::int64_t sh = std::int64_t(h) * (m_nClipBottom - m_nClipTop) / kNominalHeight;
    const CPoint click = ClickPagePoint();
    const std::int64_t cx = click.x, cy = click.y;
    LogShownButton(x, y, sw, sh);
    m_bLabelTested = FALSE;
    return ReportButtonHit(NoteClickMet(x < cx && cx < x + sw && y < cy && cy < y + sh));
}
