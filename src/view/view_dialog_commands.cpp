// The commands of the 对话框 and 函数 menus that open a parameter dialog: fill
// it from the saved copies, run it, and on 确定 write the results back (and
// function numbers into the pending selections). The next paint applies
// them, because every command clears m_bLoadScriptSettings.
//
// A parameter shown in an edit and on a slider comes back by the edit-wins
// rule (EditOrSlider): a changed edit wins, else a moved slider, else the
// value stays exactly as it was.
#include "view/view.h"

#include "catalog/formula_texts.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kPercent = 0.01;   // sliders hold value x 100
constexpr double kPerMille = 0.001; // the ODE step h: x 1000
constexpr int kRegionY = 2;

constexpr int kFirstDensityForm = 74; // the Γ function, then the densities
constexpr int kLastDensityForm = 81;

// Sizes the dialogs can show: the Xi count, the linear-system grid and
// its sizes, the related-parameters counts.
constexpr int kMaxDataCount = 20;
constexpr int kGridSize = 8;
constexpr int kMaxSystemSize = 80;
constexpr int kRhsColumn = CPemroView::kMatrixDim - 1; // b(i) is column 99 of A

// Value x factor as a slider position: truncated, and a value no slider
// could show (NaN, huge) kept inside int.
int SliderInt(double value, double factor) {
    const double v = std::trunc(value * factor);
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

std::string Utf8(const char* gbk) {
    return gbk ? GbkToUtf8(gbk) : std::string();
}

// The eight values of the coefficient dialog (a..f, alpha, beta): where
// they come from and what the dialog was opened with.
struct CoefExchange {
    double* fields[8];
    double shown[8];
    double shownPos[8];
};

double CMyDialog::*const kCoefEdits[8] = {
    &CMyDialog::m_dValA, &CMyDialog::m_dValB, &CMyDialog::m_dValC,     &CMyDialog::m_dValD,
    &CMyDialog::m_dValE, &CMyDialog::m_dValF, &CMyDialog::m_dValAlpha, &CMyDialog::m_dValBeta,
};

CoefExchange ShowCoefs(CMyDialog& dlg, double* coef6, double* alpha, double* beta) {
    CoefExchange x{};
    for (int i = 0; i < 6; ++i) x.fields[i] = &coef6[i];
    x.fields[6] = alpha;
    x.fields[7] = beta;
    for (int i = 0; i < 8; ++i) {
        x.shown[i] = *x.fields[i];
        x.shownPos[i] = x.shown[i] * 100;
        dlg.*kCoefEdits[i] = x.shown[i];
        dlg.m_adSliderPos[i] = x.shownPos[i];
    }
    return x;
}

void TakeCoefs(const CMyDialog& dlg, const CoefExchange& x) {
    for (int i = 0; i < 8; ++i)
        *x.fields[i] = EditOrSlider(x.shown[i], dlg.*kCoefEdits[i], x.shownPos[i],
                                    dlg.m_adSliderPos[i], kPercent);
}

void RepairOrder(double* min, double* max) {
    if (*max < *min) *max = *min + 1;
}

} // namespace

void CPemroView::BeginParamDialog() {
    m_bLoadScriptSettings = 0;
    SaveRestoreDisplaySettings(0);
}

// --- The coefficient dialog -------------------------------------------------------

void CPemroView::OnOneVariableFunctionDialog() {
    BeginParamDialog();
    const char* label = u8"显函数:";
    const char* range = "f(x):0-90";
    std::string formula;
    switch (m_nPlotMode) {
    case 1:
        label = u8"参数式:";
        range = "x=f(t),y=g(t):1-21";
        SetParamFormulaText(m_nFuncF);
        formula = Utf8(m_pszFormulaF);
        break;
    case 2:
        // The implicit text setter writes the surface formula field; the
        // dialog only needs the text.
        label = u8"隐函数:";
        range = "f(x,y)=0:1-22";
        formula = Utf8(catalog::FormulaText(catalog::FormulaTable::Implicit, m_nFuncF));
        break;
    default:
        SetFFormulaText(m_nFuncF);
        formula = Utf8(m_pszFormulaF);
        if (m_nPlotMode == 0 && m_nFuncF >= kFirstDensityForm && m_nFuncF <= kLastDensityForm) {
            OnRelatedParametersDialog();
            return;
        }
        break;
    }

    CMyDialog& dlg = m_dlgCoef;
    const CoefExchange x = ShowCoefs(dlg, m_adSavedCoefF, &m_dSavedAlphaF, &m_dSavedBetaF);
    dlg.m_nValFunction = m_nFuncF;
    dlg.m_strCurveLabel = label;
    dlg.m_strIndexRange = range;
    dlg.m_strFormula = formula;
    if (dlg.DoModal() != IDOK) return;

    TakeCoefs(dlg, x);
    if (dlg.m_nValFunction != m_nPendingFuncF) {
        m_nPendingFuncF = dlg.m_nValFunction;
        m_bSelectionPending = 1;
    }
}

void CPemroView::OnUpperCurveCoefDialog() {
    RunCurveCoefDialog(TRUE);
}

void CPemroView::OnLowerCurveCoefDialog() {
    RunCurveCoefDialog(FALSE);
}

void CPemroView::RunCurveCoefDialog(BOOL bUpper) {
    BeginParamDialog();
    const bool yType = m_nRegionType == kRegionY;
    const int func =
        bUpper ? (yType ? m_nFuncRight : m_nFuncUpper) : (yType ? m_nFuncLeft : m_nFuncLower);
    CMyDialog& dlg = m_dlgCoef;
    CoefExchange x{};
    if (bUpper) {
        SetFFormulaText(func);
        dlg.m_strFormula = Utf8(m_pszFormulaF);
        dlg.m_strCurveLabel = yType ? u8"右曲线" : u8"上曲线";
        dlg.m_strIndexRange = "f(x):0-90";
        x = ShowCoefs(dlg, m_adSavedCoefF, &m_dSavedAlphaF, &m_dSavedBetaF);
    } else {
        // The g(x) setter keeps its text in m_strFormulaG; show that one.
        SetGFormulaText(func);
        dlg.m_strFormula = Utf8(catalog::FormulaText(catalog::FormulaTable::ExplicitG, func));
        dlg.m_strCurveLabel = yType ? u8"左曲线" : u8"下曲线";
        dlg.m_strIndexRange = "g(x):0-90";
        x = ShowCoefs(dlg, m_adSavedCoefG, &m_dSavedAlphaG, &m_dSavedBetaG);
    }
    // The number of the curve in force, not what the shared dialog showed
    // last time.
    dlg.m_nValFunction = func;
    if (dlg.DoModal() != IDOK) return;

    TakeCoefs(dlg, x);
    // The number selects a curve only in a y-type region, and only when the
    // user changed it.
    const int n = dlg.m_nValFunction;
    if (!yType || n == func) return;
    int& side = bUpper ? m_nPendingFuncRight : m_nPendingFuncLeft;
    int& curve = bUpper ? m_nPendingFuncUpper : m_nPendingFuncLower;
    if (n != side) {
        side = n;
        m_bSelectionPending = 1;
    } else if (n != curve) {
        curve = n;
        m_bSelectionPending = 1;
    }
}

void CPemroView::OnUpperSurfaceCoefDialog() {
    RunSurfaceCoefDialog(TRUE);
}

void CPemroView::OnLowerSurfaceCoefDialog() {
    RunSurfaceCoefDialog(FALSE);
}

void CPemroView::RunSurfaceCoefDialog(BOOL bUpper) {
    BeginParamDialog();
    CMyDialog& dlg = m_dlgCoef;
    // Each surface dialog shows the other surface's alpha as its beta.
    const CoefExchange x =
        bUpper ? ShowCoefs(dlg, m_adSavedCoefSurfF, &m_dSavedAlphaSurfF, &m_dSavedAlphaSurfG)
               : ShowCoefs(dlg, m_adSavedCoefSurfG, &m_dSavedAlphaSurfG, &m_dSavedAlphaSurfF);
    dlg.m_strCurveLabel = bUpper ? u8"上曲面" : u8"下曲面";
    dlg.m_strIndexRange = bUpper ? "f(x,y):1-26" : "g(x,y):1-26";
    dlg.m_strFormula = Utf8(bUpper ? m_pszFormulaSurfF : m_pszFormulaSurfG);
    dlg.m_nValFunction = bUpper ? m_nSurfaceUpper : m_nSurfaceLower;
    if (dlg.DoModal() != IDOK) return;

    TakeCoefs(dlg, x);
    int& pending = bUpper ? m_nPendingSurfaceUpper : m_nPendingSurfaceLower;
    if (dlg.m_nValFunction != pending) {
        pending = dlg.m_nValFunction;
        m_bSelectionPending = 1;
    }
}

// --- Data sets --------------------------------------------------------------------

void CPemroView::OnDataXDialog() {
    CMyDialog1& dlg = m_dlgDataX;
    double shown[25];
    std::copy_n(m_adDataX, 25, shown);
    std::copy_n(shown, 25, dlg.m_adValX);
    // A count the dialog could not accept back would lock its OK button.
    const int shownCount = std::clamp(m_nSavedCountN, 0, kMaxDataCount);
    dlg.m_nValCount = shownCount;
    if (dlg.DoModal() != IDOK) return;

    for (int i = 0; i < 25; ++i)
        if (dlg.m_adValX[i] != shown[i]) m_adDataX[i] = dlg.m_adValX[i];
    if (dlg.m_nValCount != shownCount) m_nSavedCountN = dlg.m_nValCount;
    m_bLoadScriptSettings = 0;
}

void CPemroView::OnDataYDialog() {
    CMyDialog2& dlg = m_dlgDataY;
    double shown[25];
    std::copy_n(m_adDataY, 25, shown);
    std::copy_n(shown, 25, dlg.m_adValY);
    if (dlg.DoModal() != IDOK) return;

    for (int i = 0; i < 25; ++i)
        if (dlg.m_adValY[i] != shown[i]) m_adDataY[i] = dlg.m_adValY[i];
    m_bLoadScriptSettings = 0;
}

// --- Ranges -----------------------------------------------------------------------

void CPemroView::OnRangeDialog() {
    BeginParamDialog();
    CMyDialog3& dlg = m_dlgRange;
    // In the order of the dialog's slider positions.
    double* const ends[8] = {
        &m_adSavedWorldRange[0], &m_adSavedWorldRange[1], &m_adSavedWorldRange[2],
        &m_adSavedWorldRange[3], &m_dSavedIntervalA,      &m_dSavedIntervalB,
        &m_adSavedWorldRange[4], &m_adSavedWorldRange[5],
    };
    static double CMyDialog3::*const kEdits[8] = {
        &CMyDialog3::m_dValXMin, &CMyDialog3::m_dValXMax,    &CMyDialog3::m_dValYMin,
        &CMyDialog3::m_dValYMax, &CMyDialog3::m_dValInitMin, &CMyDialog3::m_dValInitMax,
        &CMyDialog3::m_dValZMin, &CMyDialog3::m_dValZMax,
    };
    double shown[8];
    for (int i = 0; i < 8; ++i) {
        shown[i] = *ends[i];
        dlg.*kEdits[i] = shown[i];
        dlg.m_adSliderPos[i] = shown[i]; // the saved values themselves, unscaled
    }
    if (dlg.DoModal() != IDOK) return;

    for (int i = 0; i < 8; ++i)
        *ends[i] = EditOrSlider(shown[i], dlg.*kEdits[i], shown[i], dlg.m_adSliderPos[i], 1.0);
    RepairOrder(&m_adSavedWorldRange[0], &m_adSavedWorldRange[1]);
    RepairOrder(&m_dSavedIntervalA, &m_dSavedIntervalB);
    RepairOrder(&m_adSavedWorldRange[2], &m_adSavedWorldRange[3]);
    RepairOrder(&m_adSavedWorldRange[4], &m_adSavedWorldRange[5]);
}

// --- Related parameters ---------------------------------------------------------

void CPemroView::OnRelatedParametersDialog() {
    BeginParamDialog();
    if (m_nFuncF < kFirstDensityForm || m_nFuncF > kLastDensityForm) m_nFuncF = kFirstDensityForm;
    SetFFormulaText(m_nFuncF);

    using D = CMyDialog4;
    D& dlg = m_dlgParams;
    dlg.m_strCurveLabel = u8"显函数:";
    dlg.m_strFormula = Utf8(m_pszFormulaF);

    // Slider order: a, b, p, mu, sigma, alpha, beta, lambda.
    double* const reals[8] = {&m_adSavedCoefF[0], &m_adSavedCoefF[1], &m_dSavedProbP,
                              &m_dSavedMu,        &m_dSavedSigma,     &m_dSavedGammaAlpha,
                              &m_dSavedGammaBeta, &m_dSavedLambda};
    static double D::*const kRealEdits[8] = {&D::m_dValA,    &D::m_dValB,     &D::m_dValP,
                                             &D::m_dValMu,   &D::m_dValSigma, &D::m_dValAlpha,
                                             &D::m_dValBeta, &D::m_dValLambda};
    // n, m, N, M (slider entries 8..11) and the edits' ranges.
    int* const counts[4] = {&m_nSavedCountN, &m_nSavedCountM, &m_nSavedPopulationN,
                            &m_nSavedMarkedM};
    static int D::*const kCountEdits[4] = {&D::m_nValLowerN, &D::m_nValLowerM, &D::m_nValUpperN,
                                           &D::m_nValUpperM};
    static constexpr int kCountMax[4] = {500, 500, 1000, 1000};

    double shown[8];
    int shownPos[D::kSliderCount];
    for (int i = 0; i < 8; ++i) {
        shown[i] = *reals[i];
        dlg.*kRealEdits[i] = shown[i];
        shownPos[i] = SliderInt(shown[i], 100);
    }
    // The edits show the counts in force (an untouched OK keeps them), kept
    // inside the ranges the dialog accepts back.
    int shownCount[4];
    for (int i = 0; i < 4; ++i) {
        shownCount[i] = std::clamp(*counts[i], 0, kCountMax[i]);
        dlg.*kCountEdits[i] = shownCount[i];
        shownPos[8 + i] = *counts[i];
    }
    const double shownH = m_dOdeStep;
    dlg.m_dValH = shownH;
    shownPos[12] = SliderInt(shownH, 1000);
    std::copy_n(shownPos, D::kSliderCount, dlg.m_anSliderPos);
    if (dlg.DoModal() != IDOK) return;

    for (int i = 0; i < 8; ++i)
        *reals[i] =
            EditOrSlider(shown[i], dlg.*kRealEdits[i], shownPos[i], dlg.m_anSliderPos[i], kPercent);
    m_dOdeStep = EditOrSlider(shownH, dlg.m_dValH, shownPos[12], dlg.m_anSliderPos[12], kPerMille);
    for (int i = 0; i < 4; ++i) {
        if (dlg.*kCountEdits[i] != shownCount[i])
            *counts[i] = dlg.*kCountEdits[i];
        else if (dlg.m_anSliderPos[8 + i] != shownPos[8 + i])
            *counts[i] = dlg.m_anSliderPos[8 + i];
    }
    // The significance level stays a probability: the alpha of this dialog
    // is the Γ distribution's shape, not a level.
    m_dParamStep = m_dOdeStep;
    m_nDemoStep = m_nSavedCountN;
}

// --- Curve parameters -----------------------------------------------------------

void CPemroView::OnChangeCurveParams() {
    BeginParamDialog();
    using D = CMyDialog6;
    D& dlg = m_dlgCurveParams;
    double* const fields[6] = {&m_dX0,     &m_dY0,     &m_dParamA,
                               &m_dParamB, &m_dParamC, &m_dSavedFuncFPeriod};
    static double D::*const kEdits[6] = {&D::m_dValX0, &D::m_dValY0, &D::m_dValA,
                                         &D::m_dValB,  &D::m_dValC,  &D::m_dValPeriod};
    double shown[6];
    int shownPos[6];
    for (int i = 0; i < 6; ++i) {
        shown[i] = *fields[i];
        shownPos[i] = SliderInt(shown[i], 100);
        dlg.*kEdits[i] = shown[i];
        dlg.m_anSliderPos[i] = shownPos[i];
    }
    if (dlg.DoModal() != IDOK) return;

    for (int i = 0; i < 6; ++i)
        *fields[i] =
            EditOrSlider(shown[i], dlg.*kEdits[i], shownPos[i], dlg.m_anSliderPos[i], kPercent);
}

// --- Linear system ----------------------------------------------------------------

void CPemroView::RangeDialogVariant() {
    BeginParamDialog();
    using D = CMyDialog5;
    D& dlg = m_dlgLinearSystem;
    m_nGridRows = std::clamp(m_nGridRows, 0, kGridSize);
    m_nGridCols = std::clamp(m_nGridCols, 0, kGridSize);
    for (int i = 0; i < m_nGridRows; ++i) {
        for (int j = 0; j < m_nGridCols; ++j) dlg.m_adValSystem[i][j] = m_adMatrixA[i][j];
        dlg.m_adValSystem[i][D::kCols - 1] = m_adMatrixA[i][kRhsColumn];
    }
    double shown[D::kRows][D::kCols];
    std::copy_n(&dlg.m_adValSystem[0][0], D::kRows * D::kCols, &shown[0][0]);

    const int shownRows = std::clamp(m_nSavedCountM, 0, kMaxSystemSize);
    const int shownCols = std::clamp(m_nSavedCountN, 0, kMaxSystemSize);
    dlg.m_nValRows = shownRows;
    dlg.m_nValCols = shownCols;
    const double shownEps = m_dEpsilon, shownP = m_dStepH, shownOmega = m_adSavedCoefF[0];
    dlg.m_dValEpsilon = shownEps;
    dlg.m_dValP = shownP;
    dlg.m_dValOmega = shownOmega;
    if (dlg.DoModal() != IDOK) return;

    for (int i = 0; i < D::kRows; ++i) {
        for (int j = 0; j < D::kCols; ++j) {
            const int col = j == D::kCols - 1 ? kRhsColumn : j;
            const double v = dlg.m_adValSystem[i][j];
            if (v != shown[i][j]) m_adMatrixA[i][col] = v;
            m_adMatrixInput[i][col] = v;
        }
    }
    if (dlg.m_nValRows != shownRows) m_nSavedCountM = dlg.m_nValRows;
    if (dlg.m_nValCols != shownCols) m_nSavedCountN = dlg.m_nValCols;
    if (dlg.m_dValEpsilon != shownEps) m_dEpsilon = dlg.m_dValEpsilon;
    if (dlg.m_dValP != shownP) m_dStepH = dlg.m_dValP;
    if (dlg.m_dValOmega != shownOmega) m_adSavedCoefF[0] = dlg.m_dValOmega;
    m_nDemoStep = m_nSavedCountN;
}
