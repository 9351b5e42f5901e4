// The colour planes of the sequence demonstration: for every pixel a
// two-dimensional iteration runs from a start the pixel gives, and the pixel
// is coloured by whether it settles, runs away or stays undecided. Mode 2
// iterates Zn = A(Zn-1 + B)Zn-1 + C over the plane of z0, A, B or C with its
// control panel; mode 8 ("Sequence2") the plane map (x, y) → (f, g).
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/complex_iteration.h"
#include "calculus/math/escape_rows.h"
#include "catalog/math/surfaces.h"
#include "platform/key_hash.h"
#include "platform/system.h"
#include "platform/text_codec.h"
#include "render/boxed_label_spread.h"
#include "script/script_args.h"

#include <algorithm>
#include <vector>

using calculus::Complex;

namespace {

constexpr int kEscapeSlot = 15; // "趋向∞" colour: m_crBackSide
constexpr int kSettleSlot = 16; // "极限存在" colour: m_crFrontSide
// Forms of the surface catalogues the plane map reads straight from their
// coefficients: 1, the quadric a·x² + b·xy + c·y² + d·x + e·y + f.
constexpr int kQuadricForm = 1;

struct Preset {
    const char* label;
    int cw; // x offset from the plot left in columns
    double variant;
    bool setA, setB, setC;
    Complex A, B, C;
};
const Preset kPresets[] = {
    {u8"z0平面", -3, 1.0, true, true, true, {0.4, 0.3}, {-0.4, 0.4}, {1.0, 0.8}},
    {u8"A平面", 3, 2.0, false, true, true, {}, {0, 0}, {1.0, 0}},
    {u8"B平面", 8, 3.0, true, false, true, {-0.6, 0}, {}, {0.8, 0.9}},
    {u8"C平面", 13, 4.0, true, true, false, {0.8, 0.6}, {0.3, 0.7}, {}},
};

} // namespace

// Keeps n and M where a scan ends and M² is a number; the buttons multiply
// them.
void CPemroView::ClampIterationSteps() {
    if (m_nDemoStep > calculus::kMaxIterationSteps) m_nDemoStep = calculus::kMaxIterationSteps;
    if (!(m_dEscapeBound <= calculus::kMaxEscapeBound)) m_dEscapeBound = calculus::kMaxEscapeBound;
}

// Colours by step count: the escape and the settle blends toward the grey
// m_nBrightness by the ramp weight of k among `steps`.
void CPemroView::IterationColours(int steps, COLORREF* escape, COLORREF* settle) const {
    const double L = m_nBrightness;
    const COLORREF b = m_crBackSide, f = m_crFrontSide;
    for (int k = 0; k <= steps; ++k) {
        const double t = catalog::EvalRampWeight(k, m_nProfileFunc, steps);
        const auto blend = [&](COLORREF c) {
            return MakeRGB(t * GetRValue(c) + (1 - t) * L, t * GetGValue(c) + (1 - t) * L,
                           t * GetBValue(c) + (1 - t) * L);
        };
        escape[k] = blend(b);
        settle[k] = blend(f);
    }
}

namespace {

int EndCode(const calculus::IterationEnd& end) {
    return end.steps * 4 + (end.escaped ? 2 : 0) + (end.settled ? 1 : 0);
}

} // namespace

// Runs `iterate(xs, count, ys, rows, n, ends)` once over the rows of the plot
// inside the clip box and paints each pixel by its end. With `inputs` the
// ends are kept, and a pass over the same plot with the same inputs paints
// those.
template <class Iterate>
void CPemroView::ScanPlot(CDC* pDC, const unsigned long long* inputs, Iterate iterate) {
    ClampIterationSteps();
    const int W = m_nPlotWidth, H = m_nPlotHeight;
    if (W < 1 || H < 1 || !(m_dXSpan > 0) || !(m_dYSpan > 0)) return;
    const int n = std::max(m_nDemoStep, 1);
    std::vector<COLORREF> escape(size_t(n) + 1), settle(size_t(n) + 1);
    IterationColours(n, escape.data(), settle.data());
    const int left = std::max(m_nPlotLeft, m_nClipLeft),
              right = std::min(m_nPlotRight, m_nClipRight);
    const int top = std::max(m_nPlotTop, m_nClipTop),
              bottom = std::min(m_nPlotBottom, m_nClipBottom);
    if (right < left || bottom < top) return;
    const int count = right - left + 1;

    KeyHash key;
    const bool memo = inputs && DrawingCachesEnabled();
    if (memo) {
        key.Add(*inputs);
        for (double v : {m_dXMin, m_dXSpan, m_dYMin, m_dYSpan}) key.Add(v);
        for (int v : {n, W, H, m_nPlotLeft, m_nPlotBottom}) key.Add(v);
    }
    const ScanMemo* kept = nullptr;
    if (memo)
        for (const ScanMemo& m : m_aScanMemo)
            if (m.known && m.key == key.Value() && m.left <= left && right <= m.right &&
                m.top <= top && bottom <= m.bottom)
                kept = &m;
    std::vector<int> fresh;
    int done = bottom - top + 1; // rows with their ends known
    if (!kept) {
        if (m_bAnsweringClick) return; // that run's pixels are painted over
        const int rows = bottom - top + 1;
        // A scan that takes longer than a pass goes on in the continuation
        // passes row by row: only one started by the same figure over the same
        // rows and inputs is taken up, and a scan with no inputs to key it by
        // only while the passes go on uninterrupted.
        KeyHash part;
        part.Add(inputs ? *inputs : 0ULL), part.Add(m_nPassFigure);
        for (double v : {m_dXMin, m_dXSpan, m_dYMin, m_dYSpan}) part.Add(v);
        for (int v : {n, W, H, m_nPlotLeft, m_nPlotBottom, left, right, top, bottom}) part.Add(v);
        PartialScan& p = m_scanPart;
        const bool resume = p.rowsDone > 0 && p.key == part.Value() &&
                            (inputs || IsContinuationPass()) &&
                            p.ends.size() == size_t(count) * size_t(rows);
        if (resume)
            fresh.swap(p.ends);
        else
            fresh.assign(size_t(count) * size_t(rows), 0);
        std::vector<double> xs(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            xs[size_t(i)] = m_dXMin + double(left + i - m_nPlotLeft) * m_dXSpan / W;
        std::vector<calculus::IterationEnd> ends(static_cast<size_t>(count));
        done = resume ? p.rowsDone : 0;
        // A row is begun only when the time it took last fits in what is left
        // of the pass, less a tenth kept for the rest of the figure; the first figure a pass draws
        // does one row at least, so the scan always moves on.
        const bool mustMove = m_nPassFigure - 1 <= m_nResumeFigure;
        std::chrono::nanoseconds rowCost = resume ? p.rowCost : std::chrono::nanoseconds(0);
        while (done < rows) {
            const std::chrono::nanoseconds left = PassBudgetLeft() - PassBudget() / 10;
            if (!(mustMove && done == (resume ? p.rowsDone : 0)) &&
                (left <= std::chrono::nanoseconds(0) || rowCost > left))
                break;
            const auto rowStart = ThreadCpuTime();
            const double y = m_dYMin + double(m_nPlotBottom - (top + done)) * m_dYSpan / H;
            iterate(xs.data(), count, &y, 1, n, ends.data());
            int* out = fresh.data() + size_t(done) * size_t(count);
            for (int i = 0; i < count; ++i) out[i] = EndCode(ends[size_t(i)]);
            ++done;
            ++m_nScanRowsComputed;
            rowCost = ThreadCpuTime() - rowStart;
        }
        p.rowsDone = 0;
        p.ends.clear();
        if (done < rows) {
            p.key = part.Value();
            p.rowsDone = done;
            p.rowCost = rowCost;
            StopPassInFigure();
        }
    }
    const int* codes = kept ? kept->ends.data() : fresh.data();
    const int stride = kept ? kept->right - kept->left + 1 : count;
    const int x0 = kept ? kept->left : left, y0 = kept ? kept->top : top;
    const auto colourOf = [&](int code) {
        if (code & 2) return escape[size_t(code >> 2)];
        if (code & 1) return settle[size_t(code >> 2)];
        return m_crCurveSetting;
    };
    // Pixels of a colour side by side in a row go in one fill: the planes
    // are mostly wide bands of one step count.
    for (int py = top; py < top + done; ++py) {
        const int* row = codes + size_t(py - y0) * size_t(stride) + size_t(left - x0);
        for (int i = 0; i < count;) {
            const COLORREF colour = colourOf(row[i]);
            int end = i + 1;
            while (end < count && (row[end] == row[i] || colourOf(row[end]) == colour)) ++end;
            if (end == i + 1)
                pDC->SetPixel(left + i, py, colour);
            else
                pDC->FillSolidRect(CRect(left + i, py, left + end, py + 1), colour);
            i = end;
        }
    }
    if (done <= bottom - top) {
        m_scanPart.ends = std::move(fresh); // the rest in the next pass
        return;
    }
    if (memo && !kept) {
        ScanMemo& m = m_aScanMemo[m_nScanMemoNext];
        m_nScanMemoNext = (m_nScanMemoNext + 1) % kScanMemos;
        m.key = key.Value(), m.known = true;
        m.left = left, m.right = right, m.top = top, m.bottom = bottom;
        m.ends = std::move(fresh);
    }
}

// The scan of the complex quadratic over the plane `plane` (1 z0, 2 A, 3 B,
// 4 C; any other: Zn = Zn-1² + C over C when `bOwnPlane`). The scanned
// coefficient keeps the value of the last pixel.
void CPemroView::ScanComplexPlane(CDC* pDC, int plane, BOOL bOwnPlane) {
    if (!IsFigureBandVisible()) return;
    if (plane < 1 || plane > 4) {
        if (!bOwnPlane) return;
        m_adCoefF[0] = 1, m_adCoefG[0] = 0;
        m_adCoefF[1] = 0, m_adCoefG[1] = 0;
        plane = 4;
    }
    calculus::QuadraticRow row;
    row.plane = plane;
    row.A = {m_adCoefF[0], m_adCoefG[0]};
    row.B = {m_adCoefF[1], m_adCoefG[1]};
    row.C = {m_adCoefF[2], m_adCoefG[2]};
    row.eps = m_dEpsilon;
    row.M = m_dEscapeBound;
    // The scanned coefficient varies over the plot: what it held before
    // does not count.
    KeyHash inputs;
    inputs.Add(plane), inputs.Add(row.eps), inputs.Add(row.M);
    const Complex* const coefs[3] = {&row.A, &row.B, &row.C};
    for (int k = 0; k < 3; ++k)
        if (k != plane - 2) inputs.Add(coefs[k]->re), inputs.Add(coefs[k]->im);
    const unsigned long long key = inputs.Value();
    ScanPlot(pDC, &key,
             [&](const double* xs, int count, const double* ys, int rows, int n,
                 calculus::IterationEnd* out) {
                 row.limit = n;
                 calculus::IterateQuadraticRows(row, xs, count, ys, rows, out);
             });
    // The scanned coefficient keeps the value of the scan's last point (the
    // scan runs up the columns from the left), whatever part of the plot a
    // pass repainted.
    if (plane >= 2) m_adCoefF[plane - 2] = m_dXMax, m_adCoefG[plane - 2] = m_dYMax;
}

void CPemroView::ScanPlaneMap(CDC* pDC) {
    if (!IsFigureBandVisible()) return;
    const double eps = m_dEpsilon, M = m_dEscapeBound;
    const int up = m_nSurfaceUpper, low = m_nSurfaceLower;
    if (m_nSurfaceEvalMode == 0 && up == kQuadricForm && low == kQuadricForm) {
        calculus::QuadricMapRow row;
        std::copy_n(m_adCoefSurfF, 6, row.f);
        std::copy_n(m_adCoefSurfG, 6, row.g);
        row.eps = eps;
        row.M = M;
        KeyHash inputs;
        for (double v : row.f) inputs.Add(v);
        for (double v : row.g) inputs.Add(v);
        inputs.Add(eps), inputs.Add(M);
        const unsigned long long key = inputs.Value();
        ScanPlot(pDC, &key,
                 [&](const double* xs, int count, const double* ys, int rows, int n,
                     calculus::IterationEnd* out) {
                     row.limit = n;
                     calculus::IterateQuadricMapRows(row, xs, count, ys, rows, out);
                 });
        return;
    }
    const double eps2 = eps * eps, M2 = M * M;
    const auto step = [&](double u, double v, double* nu, double* nv) {
        *nu = EvalSurfaceF(u, v, up);
        *nv = EvalSurfaceG(u, v, low);
    };
    ScanPlot(pDC, nullptr,
             [&](const double* xs, int count, const double* ys, int rows, int n,
                 calculus::IterationEnd* out) {
                 for (int r = 0; r < rows; ++r)
                     for (int i = 0; i < count; ++i)
                         *out++ = calculus::IteratePlaneMap(xs[i], ys[r], n, eps2, M2, step);
             });
}

// --- Mode 2: the complex iteration with its panel ----------------------------------------

void CPemroView::DrawComplexIteration(CDC* pDC) {
    SequenceHeader(pDC);
    if (HitTestGraphRegion(0)) ScanComplexPlane(pDC, ScriptInt(m_dDemoVariant), TRUE);
    const int cw = m_nFontStep / 2 + m_nBaseCharWidth, L = m_nPlotLeft, T = m_nPlotTop;
    const int side = m_nSidePanelWidth;
    // Four rows above the plot, as far apart as the buttons are high: the
    // presets, the values, the steps up and the steps down. The panel ends
    // above the range boxes, which grow with the window.
    const int gap = ButtonHeight() + 3;
    const int bottom = std::min(T - 24, T - (m_nBaseCharHeight * 10) / 11 - 1);
    // The values' numbers stand an eighth of a line low, which the rows'
    // few pixels of slack hold only up to a middle-sized font.
    const int valueGap = gap + std::max(0, (m_nBaseCharHeight + m_nFontStep) / 8 - 5);
    const int rowDown = bottom - 2 - gap, rowUp = rowDown - gap, rowValues = rowUp - valueGap,
              rowPresets = rowValues - gap;
    // The values stand a quarter wider apart than their columns, so a
    // label and a negative number fit between two; the row reaches past
    // the plot, and the panel widens to hold it ("n=" and five digits).
    const auto valueAt = [&](int columns) { return L + columns * cw * 5 / 4; };
    const int left = std::min(L - side - 15, valueAt(-3) - 4);
    // The ramp buttons end the presets' row; the panel holds the last one
    // with its frame.
    const int rampX[6] = {27 * cw, 57 * cw / 2, 30 * cw, 63 * cw / 2, 33 * cw, 69 * cw / 2};
    const int right = std::max(
        {m_nPlotRight + 20, valueAt(27) + 7 * cw + 4, L + rampX[5] + ButtonWidth("6") + 4});
    FillRectGradientPx(pDC, left, rowPresets - 4, right, bottom, m_crLeftFrame, m_crRightFrame);
    FillRectPx(pDC, left + 2, rowPresets - 2, right - 2, bottom - 2, m_crGround);

    // Coefficient steps act on the saved copies, restored below.
    double* const saved[6] = {&m_adSavedCoefF[0], &m_adSavedCoefG[0], &m_adSavedCoefF[1],
                              &m_adSavedCoefG[1], &m_adSavedCoefF[2], &m_adSavedCoefG[2]};
    static const char* const kCoefLabels[6] = {"ReA", "ImA", "ReB", "ImB", "ReC", "ImC"};
    for (int row = 0; row < 2; ++row) {
        const int y = row == 0 ? rowUp : rowDown;
        const double sign = row == 0 ? 1 : -1;
        TextButtonSimple(pDC, L - 3 * cw, y, Gbk(row == 0 ? u8"增加" : u8"减少"));
        for (int i = 0; i < 6; ++i)
            if (TextButtonSimple(pDC, L + (1 + 3 * i) * cw, y, kCoefLabels[i])) {
                *saved[i] += sign * m_dParamStep;
                m_bLoadScriptSettings = 0;
            }
        if (TextButtonSimple(pDC, L + 19 * cw, y, "n"))
            m_nDemoStep = row == 0 ? (m_nDemoStep < calculus::kMaxIterationSteps / 2
                                          ? 2 * m_nDemoStep
                                          : calculus::kMaxIterationSteps)
                                   : m_nDemoStep / 2;
        if (TextButtonSimple(pDC, L + 21 * cw, y, Gbk(u8"ε"))) m_dEpsilon *= row == 0 ? 10 : 0.1;
        if (TextButtonSimple(pDC, L + 23 * cw, y, "M")) m_dEscapeBound *= row == 0 ? 2 : 0.5;
    }
    ClampIterationSteps();
    if (TextButtonSimple(pDC, L + 26 * cw, rowUp, Gbk(u8"趋向∞的颜色")))
        m_nPendingColourSlot = kEscapeSlot;
    if (TextButtonSimple(pDC, L + 26 * cw, rowDown, Gbk(u8"极限存在的颜色")))
        m_nPendingColourSlot = kSettleSlot;
    for (const Preset& p : kPresets)
        if (TextButtonSimple(pDC, L + p.cw * cw, rowPresets, Gbk(p.label))) {
            m_dDemoVariant = p.variant;
            const auto set = [&](int i, const Complex& z) {
                m_adCoefF[i] = z.re;
                m_adCoefG[i] = z.im;
            };
            if (p.setA) set(0, p.A);
            if (p.setB) set(1, p.B);
            if (p.setC) set(2, p.C);
            m_bLoadScriptSettings = 1;
        }
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    if (!m_bPrintMode) // the caption of buttons a printed page does not have
        DrawString(pDC, L + 19 * cw, rowPresets, Gbk(u8"颜色变换:"), m_crCurveSetting);
    static const char* const kRamps[6] = {"1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 6; ++i)
        if (TextButtonSimple(pDC, L + rampX[i], rowPresets, kRamps[i])) m_nProfileFunc = i + 1;
    const double values[6] = {m_adCoefF[0], m_adCoefG[0], m_adCoefF[1],
                              m_adCoefG[1], m_adCoefF[2], m_adCoefG[2]};
    static const char* const kValueLabels[6] = {"A=", "+i", "B=", "+i", "C=", "+i"};
    const int valueX[6] = {-3, 2, 7, 12, 17, 22};
    // The writer would spread the row by the font once more.
    for (int i = 0; i < 6; ++i)
        DrawLabelNumberBoxed(pDC, render::UnspreadLabelX(*this, valueAt(valueX[i])), rowValues,
                             kValueLabels[i], 1, values[i], m_crCurveSetting);
    DrawLabelNumberBoxed(pDC, render::UnspreadLabelX(*this, valueAt(27)), rowValues, "n=", 0,
                         m_nDemoStep, m_crCurveSetting);
}

// --- Mode 8: the plane map ---------------------------------------------------------------

void CPemroView::DrawPlaneIteration(CDC* pDC) {
    SplitRGB(m_crFrontSide);
    SplitRGB(m_crBackSide);
    if (double(m_nDemoStep) < m_dIntervalB) m_nDemoStep = ScriptInt(m_dIntervalB);
    ClampIterationSteps();
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.0001, "x", "y");
    const int h = m_nBaseCharHeight, L = m_nPlotLeft, T = m_nPlotTop;
    DrawSurfaceFunctionPanel(pDC, L - 16 - m_nSidePanelWidth, m_nPlotRight + 20, T - 9 * h / 2,
                             T - h, "f(x,y)", "g(x,y)");
    if (!(m_dEpsilon <= 1.0)) m_dEpsilon = 1.0;
    const double x = m_dXMin + 0.3 * m_dXSpan;
    DrawLabelNumber(pDC, 0, x, m_dYMin + 0.4 * m_dYSpan, "n=", 0, m_nDemoStep, m_crCurveSetting);
    if (m_dEpsilon <= 1e-6)
        DrawLabelNumber(pDC, 0, x, m_dYMin + 0.25 * m_dYSpan, Gbk(u8"10^6ε="), 6,
                        m_dEpsilon * 1000000, m_crCurveSetting);
    else
        DrawLabelNumber(pDC, 0, x, m_dYMin + 0.25 * m_dYSpan, Gbk(u8"ε="), 6, m_dEpsilon,
                        m_crCurveSetting);
    DrawLabelNumber(pDC, 0, x, m_dYMin + 0.1 * m_dYSpan, "M=", 0, m_dEscapeBound, m_crCurveSetting);
    if (HitTestGraphRegion(0)) ScanPlaneMap(pDC);

    const int R = m_nPlotRight;
    calculus::FrameMarginForColumn(*this, pDC, R,
                                   {u8"n增", u8"n减", u8"ε增", u8"ε减", u8"M增", u8"M减"});
    if (TextButton(pDC, R, T, Gbk(u8"n增"))) m_nDemoStep = int(10LL * m_nDemoStep / 8);
    if (TextButton(pDC, R, T + 24, Gbk(u8"n减"))) m_nDemoStep = int(8LL * m_nDemoStep / 10);
    if (TextButton(pDC, R, T + 48, Gbk(u8"ε增"))) m_dEpsilon *= 10;
    if (TextButton(pDC, R, T + 72, Gbk(u8"ε减"))) m_dEpsilon *= 0.1;
    if (TextButton(pDC, R, T + 96, Gbk(u8"M增"))) m_dEscapeBound *= 2;
    if (TextButton(pDC, R, T + 120, Gbk(u8"M减"))) m_dEscapeBound *= 0.5;
    ClampIterationSteps();

    // The row below the plot stands below the x axis's values, which a
    // large font makes taller than its 20 pixels, and the frame reaches down
    // to hold it.
    const int cw = m_nFontStep / 2 + m_nBaseCharWidth;
    const int frameBottom = m_nPlotBottom + h + m_nFontStep;
    const int y = std::max(m_nPlotBottom + 20, frameBottom + 3);
    const int frameLeft = L - 16 - m_nSidePanelWidth, rowLeft = std::min(frameLeft, L - 3 * cw - 4);
    const int frameRight = std::max(
        calculus::FrameRight(*this),
        R + calculus::WidestButton(*this, {u8"n增", u8"n减", u8"ε增", u8"ε减", u8"M增", u8"M减"}) +
            5);
    if (m_bFigureVisible) {
        if (rowLeft < frameLeft)
            FillRectGradientPx(pDC, rowLeft, m_nPlotTop - h - 1, frameLeft, frameBottom,
                               m_crLeftFrame, m_crLeftFrame);
        FillRectGradientPx(pDC, rowLeft, frameBottom, frameRight, y + ButtonHeight() + 4,
                           m_crLeftFrame, m_crRightFrame);
    }
    TextButtonSimple(pDC, L - 3 * cw, y, Gbk(u8"颜色:"));
    if (TextButtonSimple(pDC, L + cw, y, Gbk(u8"趋向∞"))) m_nPendingColourSlot = kEscapeSlot;
    if (TextButtonSimple(pDC, L + 6 * cw, y, Gbk(u8"极限存在"))) m_nPendingColourSlot = kSettleSlot;
    TextButtonSimple(pDC, L + 14 * cw, y, Gbk(u8"颜色变换:"));
    const int rampX[6] = {23 * cw, 49 * cw / 2, 26 * cw, 55 * cw / 2, 29 * cw, 61 * cw / 2};
    static const char* const kRamps[6] = {"1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 6; ++i)
        if (TextButtonSimple(pDC, L + rampX[i], y, kRamps[i])) m_nProfileFunc = i + 1;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
}

// The colour dialog a colour button asked for, once its pass has ended.
void CPemroView::OnPassEnded() {
    const int slot = m_nPendingColourSlot;
    m_nPendingColourSlot = -1;
    if (slot < 0) return;
    const COLORREF before = slot == kEscapeSlot ? m_crBackSide : m_crFrontSide;
    ChooseColour(slot);
    const COLORREF after = slot == kEscapeSlot ? m_crBackSide : m_crFrontSide;
    if (after != before) Invalidate();
}
