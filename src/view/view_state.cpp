// Construction of the view: tables, matrices and start values, then the
// default fonts and a full refresh, so every window starts in the same state
// and shows topic "232" of the data\ family at its first paint.
#include "view/view_tables.h"

#include <algorithm>
#include <cmath>

namespace {

using V = CPemroView;

template <class T> struct FieldDefault {
    T V::*field;
    T value;
};

// Fields that neither the full refresh nor the topic reset sets, and the
// start values the first pass relies on before it measures the window.
constexpr FieldDefault<int> kConstructorInts[] = {
    {&V::m_bPlotInverse, 0},
    {&V::m_bDrawSurfaceIntersection, 1},
    {&V::m_bZoom, 0},
    {&V::m_nNonChineseColorMode, 2},
    {&V::m_nLsqPointCount, 10},
    {&V::m_nBallRadius, 8},
    {&V::m_nDeltaXSign, 10},
    {&V::m_nOdeOrder, 1},
    {&V::m_nProfileFunc, 1},
    {&V::m_bLettersItalic, 1},
    {&V::m_nRegressionM, 1},
    // 3-D box copy and its plane inset.
    {&V::m_nInsetLeft, 200},
    {&V::m_nInsetRight, 500},
    {&V::m_nInsetTop, 100},
    {&V::m_nInsetBottom, 300},
    {&V::m_nInsetWidth, 300},
    {&V::m_nInsetHeight, 200},
    // Graph window.
    {&V::m_nGraphLeft, 200},
    {&V::m_nGraphTop, 100},
    {&V::m_nGraphBottom, 300},
    {&V::m_nGraphRight, 500},
    // Plot rectangle and projection of the default boxes, so that nothing
    // reading them before the first figure divides by zero.
    {&V::m_nPlotLeft, 10},
    {&V::m_nPlotRight, 400},
    {&V::m_nPlotTop, 10},
    {&V::m_nPlotBottom, 200},
    {&V::m_nPlotWidth, 390},
    {&V::m_nPlotHeight, 190},
    {&V::m_nProjScaleX, 50},  // (bottom - top) / 4 of the 3-D box
    {&V::m_nProjScaleY, 200}, // 2 (right - left) / 3
    {&V::m_nProjScaleZ, 150}, // 3 (bottom - top) / 4
    {&V::m_nProjOriginX, 300},
    {&V::m_nProjOriginY, 250},
    // Record headers, answer blocks and text metrics before the first pass.
    {&V::m_nRecClass, 1},
    {&V::m_nRecSubtype, 0},
    {&V::m_nRecParam, 7},
    {&V::m_nNextRecClass, -1},
    {&V::m_nNextRecSubtype, 0},
    {&V::m_nNextRecParam, 3},
    {&V::m_nAnswerBlock, -1},
    {&V::m_nSequenceMode, -1},
    {&V::m_bBeforeFigure, 1},
    {&V::m_nNextLineY, 10},
    {&V::m_nBoxWidth, V::kDefaultBoxWidth},
    {&V::m_nBoxHeight, V::kDefaultBoxHeight},
    {&V::m_nBaseCharWidth, 9},
    {&V::m_nCharWidth, 9},
    {&V::m_nDataLevel, 0},
    {&V::m_nDataVariant, 0},
};

constexpr FieldDefault<double> kConstructorDoubles[] = {
    {&V::m_dSpecificGravity, 1.5},
    {&V::m_dTitleWidthScale, 1.0},
    {&V::m_dTitleHeightScale, 1.0},
    {&V::m_dDiffStep, 0.0001},
};

constexpr int kFigureBox3D[4] = {200, 500, 100, 300}; // left, right, top, bottom

} // namespace

CPemroView::CPemroView() {
    m_bConstructing = true;
    m_strBackgroundPicture.clear();

    // Glyph 0 is the partial-derivative sign; glyphs 1..4 stay blank.
    for (auto& glyph : m_anGlyph)
        for (auto& row : glyph) std::fill(std::begin(row), std::end(row), 0);
    for (int r = 0; r < kGlyphSize; ++r)
        for (int c = 0; c < kGlyphSize; ++c) m_anGlyph[0][r][c] = kGlyph0Rows[r][c] == '1';

    // Start vector of the iterative solver demonstration.
    std::fill_n(m_adShapeX1, 10, 1.0);

    for (int i = 0; i < kDataSize; ++i) m_adDataX[i] = m_adDataY[i] = m_adDataZ[i] = i;
    // A Hilbert-type matrix shifted by one: A[0][0] = 1/2.
    for (int i = 0; i < kMatrixDim; ++i)
        for (int j = 0; j < kMatrixDim; ++j)
            m_adMatrixA[i][j] = m_adMatrixInput[i][j] = m_adMatrixAux[i][j] = 1.0 / (i + j + 2);
    m_dDemoParam = 0.0;

    std::copy(std::begin(kScriptKeywords), std::end(kScriptKeywords), m_apszKeyword);
    m_nOdeOrder = 1;
    m_bPlotInverse = 0;
    // The constant is written with these seven digits on purpose: densities
    // and tables computed with it are what the pages show.
    m_dInvSqrt2Pi = 1.0 / std::sqrt(6.283192);

    for (const auto& d : kConstructorInts) this->*d.field = d.value;
    for (const auto& d : kConstructorDoubles) this->*d.field = d.value;
    std::copy(std::begin(kFigureBox3D), std::end(kFigureBox3D), m_anFigureBox3D);
    m_astrCommandLabel[0] = "x";
    m_astrCommandLabel[1] = "y";
    m_astrCommandLabel[2] = " ";
    m_astrCommandLabel[3] = " ";
    m_strTopicCode = "232";
    m_nDataFamily = -1;
    m_pszAsciiChars = kAsciiChars;
    m_pszWideLetters = kWideLetters;
    m_pszWideSymbols = kWideSymbols;
    m_pszWideDigitsGreek = kWideDigitsGreek;

    DefaultFonts(2);
    // Ends with the topic reset, which leaves the window alone while it
    // does not exist yet.
    OnRefreshAll();
    m_bConstructing = false;
}

CPemroView::~CPemroView() = default;
