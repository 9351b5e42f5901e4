#include "numeric/math/elimination.h"

#include "numeric/math/rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace numeric {

namespace {

constexpr int kGaussMaxEquations = 10;
constexpr int kGaussJordanMaxUnknowns = 10;

using Array = double[kDemoRows][kDemoCols];

// Counts row operations; Next() is true for the one the step asks to show.
struct StepCounter {
    int target;
    int count = 0;
    bool Next() { return ++count == target; }
};

void SwapRows(Array a, int r1, int r2, int from, int to) {
    for (int j = from; j <= to; ++j) std::swap(a[r1][j], a[r2][j]);
}

int PivotRow(const Array a, int k, int col, int m) {
    int p = k;
    for (int i = k + 1; i < m; ++i)
        if (std::fabs(a[i][col]) > std::fabs(a[p][col])) p = i;
    return p;
}

// --- Gaussian elimination ------------------------------------------------------

class Gauss {
public:
    Gauss(const GaussInput& in, GaussResult* out) : m_in(in), m_out(*out) {}

    void Run() {
        SetUp();
        GaussResult& o = m_out;
        if (o.step <= 0) {
            if (m_in.variant != 2) FinishTriangle();
            return;
        }
        StepCounter steps{o.step};
        if (!Forward(steps)) return;
        if (m_in.variant == 2) {
            if (!Backward(steps)) return;
            Normalise();
            return;
        }
        FinishTriangle();
    }

private:
    double R(double v) const { return RoundSignificant(v, m_in.precision); }
    Array& A() { return m_out.a; }

    void SetUp() {
        GaussResult& o = m_out;
        o.overdetermined = m_in.m > m_in.n;
        int n = std::clamp(m_in.n, 0, kDemoRows);
        int m = std::clamp(m_in.m, 0, kGaussMaxEquations);
        if (m_in.variant == 2) n = std::min(n, kGaussJordanMaxUnknowns);
        int q = m_in.variant == 2 ? m : 0;
        const double(*src)[kDim] = m_in.a;
        for (int i = 0; i < m; ++i) {
            for (int j = 0; j < n; ++j) o.a[i][j] = R(src[i][j]);
            o.a[i][n] = R(src[i][kRhs]);
            for (int j = 0; j < q; ++j) o.a[i][n + 1 + j] = i == j ? 1 : 0;
        }
        o.step = m_in.step;
        if (!o.overdetermined) {
            o.step = std::max(o.step, 0);
        } else {
            o.step = std::max(o.step, -1);
            q = 0;
            if (o.step >= 0) {
                // The normal equations A^T A x = A^T b, term by term.
                Array normal = {};
                for (int i = 0; i < n; ++i) {
                    for (int j = 0; j < n; ++j)
                        for (int k = 0; k < m; ++k) normal[i][j] += R(src[k][i] * src[k][j]);
                    for (int k = 0; k < m; ++k) normal[i][n] += R(src[k][i] * src[k][kRhs]);
                }
                std::copy(&normal[0][0], &normal[0][0] + kDemoRows * kDemoCols, &o.a[0][0]);
                m = n;
            }
        }
        o.n = n, o.m = m, o.q = q;
        o.rank = std::min(m, n);
    }

    // a[i][j] -= a[i][k] a[k][j] / a[k][k] over the columns given; false when
    // the pivot is zero.
    bool Eliminate(int i, int k, int from, int to, bool descending) {
        Array& a = A();
        if (std::fabs(a[k][k]) <= kGaussPivotZero) return Fail();
        if (descending) {
            for (int j = to; j >= from; --j) a[i][j] = R(a[i][j] - a[i][k] * a[k][j] / a[k][k]);
        } else {
            for (int j = from; j <= to; ++j) a[i][j] = R(a[i][j] - a[i][k] * a[k][j] / a[k][k]);
        }
        return true;
    }

    bool Fail() {
        m_out.pivotFailed = true;
        return false;
    }

    // False when the run stopped (at the step shown or at a zero pivot).
    bool Forward(StepCounter& steps) {
        GaussResult& o = m_out;
        Array& a = A();
        const int last = o.n + o.q;
        for (int k = 0; k + 1 < o.m; ++k) {
            if (m_in.variant != 0) {
                const int p = PivotRow(a, k, k, o.m);
                if (p > k) SwapRows(a, k, p, k, last);
            }
            for (int i = k + 1; i < o.m; ++i) {
                const bool shown = steps.Next();
                if (k + 1 <= last && !Eliminate(i, k, k + 1, last, false)) return false;
                a[i][k] = 0;
                if (shown) {
                    o.highlight = i;
                    return false;
                }
            }
        }
        return true;
    }

    bool Backward(StepCounter& steps) {
        GaussResult& o = m_out;
        const int last = o.n + o.q;
        for (int k = 1; k < std::min(o.m, o.n); ++k) {
            for (int i = 0; i < k; ++i) {
                const bool shown = steps.Next();
                if (!Eliminate(i, k, k, last, true)) return false;
                if (shown) {
                    o.highlight = i;
                    return false;
                }
            }
        }
        return true;
    }

    void Normalise() {
        GaussResult& o = m_out;
        Array& a = A();
        const int last = o.n + o.q;
        const int rows = std::min(o.m, o.n);
        for (int i = 0; i < rows; ++i) {
            if (std::fabs(a[i][i]) <= kGaussPivotZero) {
                Fail();
                return;
            }
            for (int j = last; j >= i; --j) a[i][j] = R(a[i][j] / a[i][i]);
        }
        for (int i = 0; i < rows; ++i) o.x[i] = a[i][o.n];
        o.finalShown = true;
        o.solved = true;
    }

    // Rank, particular solution, residual and homogeneous basis of a system
    // already in triangular form.
    void FinishTriangle() {
        GaussResult& o = m_out;
        Array& a = A();
        const int n = o.n, m = o.m;
        if (n < m) return;
        for (int i = 1; i < m; ++i)
            for (int j = 0; j < i; ++j)
                if (a[i][j] != 0) return;
        o.finalShown = true;
        int r = o.rank;
        while (r > 0 && std::fabs(a[r - 1][r - 1]) < kGaussRankZero) {
            // A row whose first unknown lies right of the diagonal is an
            // equation still: it neither drops out nor makes the system
            // inconsistent.
            if (Lead(r - 1) >= 0) {
                FinishEchelon();
                return;
            }
            if (std::fabs(a[r - 1][n]) >= kGaussRankZero) {
                o.noSolution = true;
                o.rank = r;
                return;
            }
            --r;
        }
        o.rank = r;
        double x[kDemoRows] = {};
        if (!BackSubstitute(r, n, x)) return;
        std::copy(x, x + n, o.x);
        o.solved = true;
        FinishSolution(r);
    }

    // The first column of row i's coefficients that is not zero; -1 for none.
    int Lead(int i) const {
        const Array& a = m_out.a;
        for (int j = 0; j < m_out.n; ++j)
            if (std::fabs(a[i][j]) >= kGaussRankZero) return j;
        return -1;
    }

    // Rank, particular solution and homogeneous basis of a row echelon form
    // whose leading unknowns need not lie on the diagonal: the others are
    // free. Another triangular form is left as it stands.
    void FinishEchelon() {
        GaussResult& o = m_out;
        const Array& a = A();
        const int n = o.n, m = o.m;
        int lead[kDemoRows] = {};
        int r = 0;
        for (int i = 0; i < m; ++i) {
            const int j = Lead(i);
            if (j < 0) {
                if (std::fabs(a[i][n]) >= kGaussRankZero) {
                    o.noSolution = true;
                    o.rank = r;
                    return;
                }
            } else if (r == i && (r == 0 || j > lead[r - 1])) {
                lead[r++] = j;
            } else {
                return;
            }
        }
        o.rank = r;
        bool isFree[kDemoRows] = {};
        std::fill_n(isFree, n, true);
        for (int k = 0; k < r; ++k) isFree[lead[k]] = false;
        // Each leading unknown from its row, the later ones already known.
        const auto solve = [&](double x[], bool homogeneous) {
            for (int i = r - 1; i >= 0; --i) {
                double s = homogeneous ? 0.0 : a[i][n];
                for (int j = lead[i] + 1; j < n; ++j)
                    if (x[j] != 0) s = R(s - a[i][j] * x[j]);
                x[lead[i]] = R(s / a[i][lead[i]]);
            }
        };
        double x[kDemoRows] = {};
        solve(x, false);
        std::copy(x, x + n, o.x);
        o.solved = true;
        FinishResidual();
        for (int f = 0, t = 0; f < n; ++f) {
            if (!isFree[f]) continue;
            double v[kDemoRows] = {};
            v[f] = 1;
            solve(v, true);
            std::copy(v, v + n, o.basis[t]);
            o.basisCount = ++t;
        }
    }

    // The residual and the homogeneous basis, the leading unknowns on the
    // diagonal.
    void FinishSolution(int r) {
        GaussResult& o = m_out;
        const int n = o.n;
        FinishResidual();
        for (int t = 1; t <= n - r; ++t) {
            double v[kDemoRows] = {};
            if (!HomogeneousVector(r, t, v)) return;
            std::copy(v, v + n, o.basis[t - 1]);
            o.basisCount = t;
        }
    }

    // Q of the equations as entered, for a system solved through the normal
    // equations.
    void FinishResidual() {
        GaussResult& o = m_out;
        const int n = o.n;
        const double* x = o.x;
        if (o.overdetermined) {
            const double(*src)[kDim] = m_in.a;
            const int equations = std::clamp(m_in.m, 0, kGaussMaxEquations);
            double q = 0;
            for (int i = 0; i < equations; ++i) {
                double d = R(src[i][kRhs]);
                for (int j = 0; j < n; ++j) d -= R(src[i][j] * x[j]);
                q += d * d;
            }
            o.hasResidual = true;
            o.residual = q;
        }
    }

    bool BackSubstitute(int r, int n, double x[]) {
        const Array& a = A();
        if (r == 0) return true;
        x[r - 1] = R(a[r - 1][n] / a[r - 1][r - 1]);
        for (int i = r - 2; i >= 0; --i) {
            double s = a[i][n];
            for (int j = i + 1; j < n; ++j) s = R(s - a[i][j] * x[j]);
            if (std::fabs(a[i][i]) <= kGaussPivotZero) return Fail();
            x[i] = R(s / a[i][i]);
        }
        return true;
    }

    bool HomogeneousVector(int r, int t, double x[]) {
        const Array& a = A();
        x[r - 1 + t] = 1;
        if (r == 0) return true;
        x[r - 1] = R(-a[r - 1][r - 1 + t] / a[r - 1][r - 1]);
        for (int i = r - 2; i >= 0; --i) {
            double s = -a[i][r - 1 + t];
            for (int j = i + 1; j <= r - 1; ++j) s = R(s - a[i][j] * x[j]);
            if (std::fabs(a[i][i]) <= kGaussPivotZero) return Fail();
            x[i] = R(s / a[i][i]);
        }
        return true;
    }

    const GaussInput& m_in;
    GaussResult& m_out;
};

// --- Matrix reduction ------------------------------------------------------------

class Reduce {
public:
    Reduce(const ReduceInput& in, ReduceResult* out) : m_in(in), m_out(*out) {}

    void Run() {
        SetUp();
        ReduceResult& o = m_out;
        if (o.step > 0) {
            StepCounter steps{o.step};
            if (Forward(steps) && (m_in.mode == 1 || m_in.mode == 2) && Backward(steps))
                Normalise();
        }
        ReadDeterminant();
    }

private:
    double R(double v) const { return RoundSignificant(v, m_in.precision); }

    void SetUp() {
        ReduceResult& o = m_out;
        int m = std::clamp(m_in.m, 0, kDemoRows);
        int n = std::clamp(m_in.n, 0, kDemoRows);
        const double(*src)[kDim] = m_in.a;
        if (m_in.mode == 2) {
            m = std::min(m, kDemoRows / 2);
            n = 2 * m;
            for (int i = 0; i < m; ++i) {
                for (int j = 0; j < m; ++j) o.a[i][j] = R(src[i][j]);
                o.a[i][m + i] = 1;
            }
        } else {
            for (int i = 0; i < m; ++i)
                for (int j = 0; j < n; ++j) o.a[i][j] = R(src[i][j]);
        }
        for (int j = 0; j < kDemoRows; ++j) o.pivotCol[j] = j;
        o.m = m, o.n = n;
        o.step = std::max(m_in.step, 0);
    }

    bool Forward(StepCounter& steps) {
        ReduceResult& o = m_out;
        auto& a = o.a;
        for (int k = 0; k + 1 < o.m; ++k) {
            int p = k;
            for (;;) {
                const int c = o.pivotCol[k];
                if (c >= o.n) {
                    o.m = k; // no column left: the rows from k on drop out
                    return true;
                }
                p = PivotRow(a, k, c, o.m);
                if (std::fabs(a[p][c]) > kReducePivotZero) break;
                for (int j = k; j < kDemoRows; ++j) ++o.pivotCol[j];
            }
            const int c = o.pivotCol[k];
            if (p > k) {
                SwapRows(a, k, p, 0, o.n - 1);
                ++o.exchanges;
            }
            for (int i = k + 1; i < o.m; ++i) {
                const bool shown = steps.Next();
                for (int j = c + 1; j < o.n; ++j)
                    a[i][j] = R(a[i][j] - a[i][c] * a[k][j] / a[k][c]);
                a[i][c] = 0;
                if (shown) {
                    o.highlight = i;
                    return false;
                }
            }
        }
        return true;
    }

    bool Backward(StepCounter& steps) {
        ReduceResult& o = m_out;
        auto& a = o.a;
        for (int k = 1; k < o.m; ++k) {
            const int c = o.pivotCol[k];
            for (int i = 0; i < k; ++i) {
                const bool shown = steps.Next();
                if (c < o.n && a[k][c] != 0)
                    for (int j = o.n - 1; j >= c; --j)
                        a[i][j] = R(a[i][j] - a[i][c] * a[k][j] / a[k][c]);
                if (shown) {
                    o.highlight = i;
                    o.highlightFrom = i;
                    return false;
                }
            }
        }
        return true;
    }

    void Normalise() {
        ReduceResult& o = m_out;
        auto& a = o.a;
        for (int i = 0; i < o.m; ++i) {
            const int c = o.pivotCol[i];
            if (c >= o.n || a[i][c] == 0) continue;
            for (int j = o.n - 1; j >= c; --j) a[i][j] = R(a[i][j] / a[i][c]);
        }
    }

    void ReadDeterminant() {
        ReduceResult& o = m_out;
        if (m_in.mode != 3) return;
        const int n = o.n;
        for (int i = 1; i < n; ++i)
            for (int j = 0; j < i; ++j)
                if (o.a[i][j] != 0) return;
        double d = o.exchanges % 2 ? -1 : 1;
        for (int i = 0; i < n; ++i) d *= o.a[i][i];
        o.hasDeterminant = true;
        o.determinant = d;
    }

    const ReduceInput& m_in;
    ReduceResult& m_out;
};

} // namespace

void RunGauss(const GaussInput& in, GaussResult* out) {
    *out = GaussResult{};
    Gauss(in, out).Run();
}

void RunReduce(const ReduceInput& in, ReduceResult* out) {
    *out = ReduceResult{};
    Reduce(in, out).Run();
}

} // namespace numeric
