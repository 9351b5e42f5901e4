// The linear system the matrix demonstrations share: the stored input, its
// refresh into the working matrix (from the typed data on request) and the
// two direct solvers.
#include "numeric/math/linear_solvers.h"
#include "view/view.h"

#include <algorithm>

void CPemroView::LoadLinearSystem(int rows, int cols) {
    rows = std::clamp(rows, 0, kMatrixDim);
    cols = std::clamp(cols, 0, kMatrixDim);
    constexpr int rhs = numeric::kRhs;
    if (m_nFuncUpper != 0 && m_bLoadScriptSettings) {
        // The typed numbers row by row: first all of X's, then Y's. Numbers
        // beyond both lists and rows beyond the point list read 0.
        const int countX = std::clamp(m_nDataCountX, 0, kDataSize);
        for (int i = 0; i < rows; ++i) {
            for (int j = 0; j < cols; ++j) {
                const int k = i * cols + j;
                double v = 0;
                if (k < countX)
                    v = m_adDataX[k];
                else if (k - countX < kDataSize)
                    v = m_adDataY[k - countX];
                m_adMatrixInput[i][j] = v;
            }
            m_adMatrixInput[i][rhs] = i < kPointListSize ? m_adPointX[i] : 0.0;
        }
    }
    for (int i = 0; i < rows; ++i) {
        std::copy_n(m_adMatrixInput[i], cols, m_adMatrixA[i]);
        m_adMatrixA[i][rhs] = m_adMatrixInput[i][rhs];
    }
}

void CPemroView::SolveSmallSystem(int n) {
    numeric::SolveSmallSystem(m_adMatrixA, n, m_adSolution);
}

void CPemroView::DecomposeAndSolve(int n, int method) {
    numeric::DecomposeAndSolve(m_adMatrixA, n, method, m_adMatrixL, m_adMatrixU, m_adSolution);
}
