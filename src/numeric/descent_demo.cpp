// Steepest descent and conjugate gradients: in the plane over a colour map
// of the objective with one arrow an iteration, or as a table of iterates.
#include "calculus/button_column.h"
#include "catalog/surface_pass.h"
#include "numeric/math/descent.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

using numeric::kDescentMaxOrder;

constexpr double kDescentEpsilonFactor = 2;
constexpr double kRowStep = 0.08;

// Colour of a level c in 0..255: red rises and green falls in steps of 16,
// blue peaks in the middle.
COLORREF LevelColour(int c) {
    const int red = (c / 16) * 16, green = ((255 - c) / 16) * 16, blue = 128 - std::abs(128 - c);
    return RGB(red % 256, green % 256, blue % 256);
}

// The samples of the map that fall on one pixel column (or row): the range
// first..last of their indices.
struct PixelRun {
    int pixel, first, last;
};

// Samples i = 0..count-1 by the pixel each maps to (map(i, &pixel) false:
// off the drawable range), the samples of one pixel together. The mapping
// is linear, so they come in runs.
template <class Map> std::vector<PixelRun> PixelRuns(int count, Map map) {
    std::vector<PixelRun> runs;
    for (int i = 0; i < count; ++i) {
        int pixel;
        if (!map(i, &pixel)) continue;
        if (!runs.empty() && runs.back().pixel == pixel && runs.back().last == i - 1)
            runs.back().last = i;
        else
            runs.push_back({pixel, i, i});
    }
    return runs;
}

} // namespace

namespace {

// The path of a descent run: its table, its arrows in the plane and the
// related-data panel.
void DrawDescentRun(CPemroView& v, CDC* pDC, const numeric::DescentResult& r, const double* x0,
                    int kind, const double (*B)[kDescentMaxOrder + 1]) {
    const int n = r.n;
    const bool table = n > 2 || v.m_nDemoOption == 1;
    const bool conjugate = v.m_nFuncLower == 2;
    const double colW = v.m_dXSpan / (n + 2);
    auto rowY = [&](int row) { return v.m_dYMax - (row + 1) * kRowStep * v.m_dYSpan; };
    auto tableRow = [&](int row, const double* x, const numeric::DescentStep* step) {
        v.DrawLabelValue(pDC, v.m_dXMin, rowY(row), "", 0, row, v.m_crCurveSetting);
        for (int i = 0; i < n; ++i)
            v.DrawLabelValue(pDC, v.m_dXMin + (i + 0.4) * colW, rowY(row), "", v.m_nDecimals, x[i],
                             v.m_crCurveSetting);
        if (!step) return;
        if (conjugate)
            v.DrawLabelValue(pDC, v.m_dXMin + (n + 0.4) * colW, rowY(row), "", v.m_nDecimals,
                             step->beta, v.m_crCurveSetting);
        v.DrawLabelValue(pDC, v.m_dXMin + (n + 1.2) * colW, rowY(row), "", v.m_nDecimals,
                         step->lambda, v.m_crCurveSetting);
    };
    if (table) {
        v.DrawStringWorld(pDC, v.m_dXMin, v.m_dYMax, " i", v.m_crCurveSetting);
        for (int i = 0; i < n; ++i)
            v.DrawLabelIntegerWorld(pDC, v.m_dXMin + (i + 0.6) * colW, v.m_dYMax, "x ", 8, 8, i,
                                    v.m_crCurveSetting);
        if (conjugate)
            v.DrawStringWorld(pDC, v.m_dXMin + (n + 0.4) * colW, v.m_dYMax, Gbk(u8"β"),
                              v.m_crCurveSetting);
        v.DrawStringWorld(pDC, v.m_dXMin + (n + 1.2) * colW, v.m_dYMax, Gbk(u8"λ"),
                          v.m_crCurveSetting);
        tableRow(0, x0, nullptr);
    }
    int row = 1;
    for (const numeric::DescentStep& step : r.steps) {
        if (table) tableRow(row, step.x, &step);
        if (n == 2)
            v.DrawArrowWorld(pDC, step.from[0], step.from[1], step.x[0], step.x[1], 0, "", "",
                             v.m_crFirstDerivative);
        ++row;
    }
    if (r.diverged) v.DrawMatrixMessage(pDC, u8"迭代出界");
    // The nonlinear kind has no system to show.
    if (kind == numeric::kNonlinearSystem || (v.m_nFuncLower != 1 && v.m_nFuncLower != 2)) return;
    const int k = int(r.steps.size());
    double c[kDescentMaxOrder] = {};
    for (int i = 0; i < n; ++i) c[i] = B[i][n];
    v.m_crCurve = v.m_crCurveSetting;
    v.DrawRelatedDataPanel(pDC, "r", k, r.r, "b", -1, c, "A", &B[0][0], n, n, "x", k - 1, r.xOld,
                           conjugate ? "d" : "", conjugate ? k - 1 : -1, r.pOld);
}

} // namespace

void CPemroView::DrawLevelColourMap(CDC* pDC, int kind) {
    if (!m_bFullRepaint && !IsClickOnGraphControls()) return;
    if (m_nPlotWidth <= 0 || m_nPlotHeight <= 0 || !IsFigureBandVisible()) return;
    // The surfaces' coefficients once for the whole map, not per sample; the
    // quadratic form (form 1) straight from its coefficients, as EvalSurfaceF
    // gives it in the catalogue mode.
    SurfacePass pass(*this);
    const auto pointwise = [](auto objective) {
        return [objective](const double* xs, size_t n, double y, double* out) {
            for (size_t i = 0; i < n; ++i) out[i] = objective(xs[i], y);
        };
    };
    // Where the objective is a catalogue form of the pass's coefficients, the
    // map is those, the forms and the frame's; kept, a repaint paints it again.
    const auto keyed = [&] {
        const catalog::SurfaceCoefs& c = pass.coefs;
        std::vector<double> key = {double(kind),
                                   double(m_nSurfaceUpper),
                                   double(m_nSurfaceLower),
                                   m_dXMin,
                                   m_dXSpan,
                                   m_dYMin,
                                   m_dYSpan,
                                   double(m_nPlotLeft),
                                   double(m_nPlotBottom),
                                   double(m_nPlotWidth),
                                   double(m_nPlotHeight),
                                   c.alphaUpper,
                                   c.alphaLower,
                                   c.x0,
                                   c.y0};
        key.insert(key.end(), std::begin(c.upper), std::end(c.upper));
        key.insert(key.end(), std::begin(c.lower), std::end(c.lower));
        LevelMapMemo& memo = m_levelMapMemo;
        const bool same =
            memo.key.size() == key.size() &&
            std::memcmp(memo.key.data(), key.data(), key.size() * sizeof(double)) == 0;
        if (same) {
            const CDC::DirectBoxes direct = pDC->Direct();
            for (const LevelMapBox& b : memo.boxes) {
                const CRect box(b.left, b.top, b.right, b.top + 1);
                if (!direct.Box(box, b.colour)) pDC->FillSolidRect(box, b.colour);
            }
            return true;
        }
        memo.key = std::move(key);
        memo.boxes.clear();
        return false;
    };
    if (kind == 1 && pass.active && m_nSurfaceEvalMode == 0) {
        if (keyed()) return;
        const double* q = pass.coefs.upper;
        FillLevelColourMap(
            pDC, pointwise([q](double x, double y) { return catalog::EvalQuadric(q, x, y); }),
            true);
        return;
    }
    // The system's two equations a row at a time, each by its catalogue
    // form chosen once, where neither asks the view at each point.
    const SurfacePass::Sampler f(*this, 0, m_nSurfaceUpper), g(*this, 1, m_nSurfaceLower);
    if (kind == 0 && pass.active && m_nSurfaceEvalMode == 0 && f.Detached() && g.Detached()) {
        // Form 0 is an expansion about the view's point: not kept.
        const bool forms = m_nSurfaceUpper != 0 && m_nSurfaceLower != 0;
        if (forms && keyed()) return;
        std::vector<double> second;
        FillLevelColourMap(
            pDC,
            [&](const double* xs, size_t n, double y, double* out) {
                second.resize(n);
                f.Grid(xs, int(n), &y, 1, out, 1);
                g.Grid(xs, int(n), &y, 1, second.data(), 1);
                for (size_t i = 0; i < n; ++i)
                    out[i] = std::sqrt(out[i] * out[i] + second[i] * second[i]);
            },
            forms);
        return;
    }
    FillLevelColourMap(
        pDC, pointwise([&](double x, double y) { return EvalDescentObjective(x, y, kind); }),
        false);
}

// A measured hot loop: it evaluates the objective once for every pixel of
// the plot, a row at a time so that the objective's loop over a row runs
// several samples at once; the colour scale is read from the very samples
// the map shows.
template <class Rows> void CPemroView::FillLevelColourMap(CDC* pDC, Rows values, bool keep) {
    // A map not kept leaves no boxes behind that another map's key could find.
    if (!keep) m_levelMapMemo.key.clear();
    if (!(m_dXSpan / m_nPlotWidth > 0) || !(m_dYSpan / m_nPlotHeight > 0)) return;
    // Each sample is one pixel, drawn column by column upwards, a later
    // sample over an earlier one on the same pixel. So a pixel shows the
    // last of its samples: the last column's, and of that the last row's;
    // one whose value is not finite is not drawn and leaves the one before.
    // A sample's column depends on its x alone and its row on its y alone.
    const double fx = m_dXSpan / (m_nPlotWidth + 2), fy = m_dYSpan / (m_nPlotHeight + 2);
    const int columns = m_nPlotWidth + 3, rows = m_nPlotHeight + 3;
    int unused;
    const std::vector<PixelRun> across = PixelRuns(columns, [&](int i, int* px) {
        return MapWorldWhole(m_dXMin + i * fx, m_dYMin, px, &unused);
    });
    const std::vector<PixelRun> up = PixelRuns(rows, [&](int j, int* py) {
        return MapWorldWhole(m_dXMin, m_dYMin + j * fy, &unused, py);
    });
    std::vector<double> xs(across.size());
    for (size_t k = 0; k < across.size(); ++k) xs[k] = m_dXMin + across[k].last * fx;
    // The shown samples, row after row; their range is the scale's.
    std::vector<double> shown(across.size() * up.size());
    double largest = -10000, smallest = 10000;
    for (size_t r = 0; r < up.size(); ++r) {
        double* row = shown.data() + r * across.size();
        values(xs.data(), across.size(), m_dYMin + up[r].last * fy, row);
        for (size_t k = 0; k < across.size(); ++k) {
            const double v = row[k];
            if (v > largest) largest = v;
            if (v < smallest) smallest = v;
        }
    }
    // A constant objective has no scale: it takes the lowest colour.
    const double scale = largest > smallest ? 255 / (largest - smallest) : 0;
    const auto level = [&](double value, int* c) {
        const double v = (value - smallest) * scale;
        if (!std::isfinite(v)) return false;
        *c = std::clamp(int(v), 0, 255);
        return true;
    };
    // A pixel whose last sample is not finite: the one drawn before it.
    const auto earlier = [&](const PixelRun& column, const PixelRun& r, int* c) {
        for (int i = column.last; i >= column.first; --i)
            for (int j = r.last; j >= r.first; --j) {
                if (i == column.last && j == r.last) continue;
                const double x = m_dXMin + i * fx;
                double value;
                values(&x, 1, m_dYMin + j * fy, &value);
                if (level(value, c)) return true;
            }
        return false;
    };
    const CDC::DirectBoxes direct = pDC->Direct();
    // Pixels of one level side by side in a row go in one box.
    for (size_t ri = 0; ri < up.size(); ++ri) {
        const PixelRun& r = up[ri];
        const double* row = shown.data() + ri * across.size();
        int left = 0, right = -1, runLevel = -1;
        const auto flush = [&] {
            if (right < left) return;
            const CRect box(left, r.pixel, right + 1, r.pixel + 1);
            const COLORREF colour = LevelColour(runLevel);
            if (!direct.Box(box, colour)) pDC->FillSolidRect(box, colour);
            if (keep) m_levelMapMemo.boxes.push_back({left, r.pixel, right + 1, colour});
        };
        for (size_t k = 0; k < across.size(); ++k) {
            int c;
            if (!level(row[k], &c) && !earlier(across[k], r, &c)) continue;
            const int px = across[k].pixel;
            if (right >= left && c == runLevel && px == right + 1) {
                right = px;
                continue;
            }
            flush();
            left = right = px, runLevel = c;
        }
        flush();
    }
}

void CPemroView::DrawGradient(CDC* pDC, int n, int m) {
    const int kind = m_nFuncUpper;
    n = std::clamp(n, 2, kDescentMaxOrder);
    m = std::clamp(m, 1, kDescentMaxOrder);
    if (kind == numeric::kNonlinearSystem) {
        n = 2;
        m_nSurfaceUpper = std::max(m_nSurfaceUpper, 1);
        m_nSurfaceLower = std::max(m_nSurfaceLower, 1);
    }
    m_nSideSurfaces = m_nPlotMode = m_nPendingPlotMode = 0;
    m_bCutZc = FALSE;
    m_nDemoStep = std::max(m_nDemoStep, 0);
    // The quadratic form reads n rows whatever m is.
    const int rows = kind == numeric::kQuadraticForm ? std::max(m, n) : m;
    LoadLinearSystem(rows, n);

    double x0[kDescentMaxOrder] = {};
    for (int i = 0; i < n; ++i) x0[i] = m_adDataZ[i];
    double B[kDescentMaxOrder][kDescentMaxOrder + 1] = {};
    constexpr int rhs = kMatrixDim - 1;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (kind == numeric::kLinearSystem) {
                for (int k = 0; k < m; ++k) B[i][j] += m_adMatrixA[k][i] * m_adMatrixA[k][j];
            } else if (kind == numeric::kQuadraticForm) {
                B[i][j] = m_adMatrixA[i][j];
            }
        }
        if (kind == numeric::kLinearSystem)
            for (int k = 0; k < m; ++k) B[i][n] += m_adMatrixA[k][rhs] * m_adMatrixA[k][i];
        else if (kind == numeric::kQuadraticForm)
            B[i][n] = m_adMatrixA[i][rhs];
    }
    if (n == 2) m_bDecimalsRowOver = TRUE;
    // The plot gives way to the related-data panel only while it keeps the
    // height of its button column; else the panel comes over its top.
    if (m_nRelatedDataRows > 0) {
        const int lastRow = kind == numeric::kNonlinearSystem ? 7 : 9;
        const int column = (24 * lastRow + 20) * ButtonHeight() / 20 + 2;
        if (m_nGraphBottom - (m_nGraphTop + 18 + PlotTopPush()) < column) m_nRelatedDataRows = 0;
    }
    if (n == 2) {
        x0[0] = m_dCursorX;
        x0[1] = m_dCursorY;
        DrawFunctionGraph(pDC, 0, 0, 1.0, 1.0, "", "");
        if (kind != numeric::kNonlinearSystem) {
            const double coef[6] = {0.5 * B[0][0], B[0][1], 0.5 * B[1][1], -B[0][2], -B[1][2], 0};
            std::copy_n(coef, 6, m_adCoefSurfF);
        }
        DrawLevelColourMap(pDC, kind == numeric::kNonlinearSystem ? 0 : 1);
    } else {
        m_dXMin = m_dYMin = 0;
        m_dXMax = m_dYMax = n + 2;
        DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
        DrawKeepDecimalsSelector(pDC, m, n, 1);
    }
    if (!m_bFullRepaint && !IsClickOnGraphControls()) return;
    DrawDecimalsSelector(pDC, m_nPlotLeft, DecimalsRowY(), 6);

    const int s = m_nDemoStep;
    if (s <= 1) {
        DrawDescentData(pDC, kind, n, m, B);
    } else {
        numeric::DescentInput in;
        in.kind = kind;
        in.method = m_nFuncLower;
        in.n = n;
        in.b = B;
        in.x0 = x0;
        in.epsilon = m_dEpsilon;
        in.iterations = s - 1;
        in.objective = [this](double x, double y) { return EvalDescentObjective(x, y, 0); };
        numeric::DescentResult r;
        numeric::RunDescent(in, &r);
        DrawDescentRun(*this, pDC, r, x0, kind, B);
    }
    DrawDescentButtons(pDC, kind, n);
}

void CPemroView::DrawDescentData(CDC* pDC, int kind, int n, int m,
                                 const double (*B)[kDescentMaxOrder + 1]) {
    if (kind == numeric::kNonlinearSystem) {
        DrawStringWorld(pDC, m_dXMin, m_dYMax, "f(x,y)=0,g(x,y)=0", m_crCurveSetting);
        return;
    }
    const bool data = m_nDemoStep == 0;
    DrawStringWorld(pDC, m_dXMin, m_dYMax, Gbk(data ? u8"方程Ax=b:A,b" : u8"正定二次型x′Ax-b"),
                    m_crCurveSetting);
    const int rows = data ? m : n;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j <= n; ++j) {
            const double v = data ? m_adMatrixA[i][j < n ? j : kMatrixDim - 1] : B[i][j];
            DrawLabelValue(pDC, m_dXMin + j * m_dXSpan / (n + 2),
                           m_dYMax - (i + 1) * m_dYSpan / (n + 3), "", m_nDecimals, v,
                           m_crCurveSetting);
        }
}

void CPemroView::DrawDescentButtons(CDC* pDC, int kind, int n) {
    if (m_bZoom) return;
    // The column stands right of the plot; the frame widens to hold it.
    calculus::FrameMarginForColumn(*this, pDC, m_nPlotRight,
                                   {u8"非线性方程组", u8"线性方程组", u8"正定二次型", u8"ε增加",
                                    u8"ε减少", u8"下一步", u8"上一步", u8"开始", u8"不显示数据",
                                    u8"速降", u8"梯度"});
    auto button = [&](int row, const char* label) {
        return TextButton(pDC, m_nPlotRight, m_nPlotTop + 24 * row, Gbk(label));
    };
    auto pending = [&](int* field, int value) {
        *field = value;
        m_bSelectionPending = TRUE;
    };
    if (button(0, u8"非线性方程组")) pending(&m_nPendingFuncUpper, numeric::kNonlinearSystem);
    if (button(1, u8"线性方程组")) pending(&m_nPendingFuncUpper, numeric::kLinearSystem);
    if (button(2, u8"正定二次型")) pending(&m_nPendingFuncUpper, numeric::kQuadraticForm);
    // The user's ε stands over the script's from here on.
    if (button(3, u8"ε增加")) m_dEpsilon *= kDescentEpsilonFactor, m_bLoadScriptSettings = FALSE;
    if (button(4, u8"ε减少")) m_dEpsilon /= kDescentEpsilonFactor, m_bLoadScriptSettings = FALSE;
    if (button(5, u8"下一步")) ++m_nDemoStep;
    if (button(6, u8"上一步")) --m_nDemoStep;
    if (button(7, u8"开始")) m_nDemoStep = 0;
    if (n == 2 && button(-1, m_nDemoOption == 1 ? u8"不显示数据" : u8"显示数据"))
        m_nDemoOption = m_nDemoOption == 1 ? 0 : 1;
    if (kind != numeric::kNonlinearSystem) {
        if (button(8, u8"速降")) pending(&m_nPendingFuncLower, 1);
        if (button(9, u8"梯度")) pending(&m_nPendingFuncLower, 2);
    }
    const bool steepest = m_nFuncLower == 1 || kind == numeric::kNonlinearSystem;
    DrawStringWorld(pDC, m_dXMin, m_dYMin + 0.1 * m_dYSpan,
                    Gbk(steepest ? u8"最速下降法" : u8"共轭梯度法"), m_crCurveSetting);
    DrawLabelValue(pDC, m_dXMin + 0.4 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"ε="), 6,
                   m_dEpsilon, m_crCurveSetting);
}
