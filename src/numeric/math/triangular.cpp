#include "numeric/math/triangular.h"

#include "numeric/math/rounding.h"

#include <algorithm>
#include <cmath>

namespace numeric {

namespace {

class Triangular {
public:
    Triangular(const LuInput& in, LuResult* out) : m_in(in), m_o(*out) {}

    void Run() {
        SetUp();
        if (m_in.step < 1) return;
        Check();
        m_target = m_o.method == kRefinement ? -1 : m_in.step;
        switch (m_o.method) {
        case kSquareRoot:
            SquareRoot();
            break;
        case kImprovedSquareRoot:
            ImprovedSquareRoot();
            break;
        case kChasing:
            Chasing();
            break;
        default:
            Doolittle();
        }
        ShapeFactors();
        if (m_o.failed) return;
        if (m_o.method == kRefinement) {
            Refine();
        } else if (m_in.step >= m_o.elements) {
            m_o.solved = Solve(m_o.m, n(), m_o.y, m_o.x, true);
        }
    }

private:
    int n() const { return m_o.n; }
    double R(double v) const { return RoundSignificant(v, m_in.precision); }

    void SetUp() {
        m_o.n = std::clamp(m_in.n, 0, kLuMaxOrder);
        m_o.method = m_in.method >= kDoolittle && m_in.method <= kRefinement ? m_in.method : 0;
        const int k = n();
        for (int i = 0; i < k; ++i) {
            for (int j = 0; j < k; ++j) {
                m_o.m[i][j] = R(m_in.a[i][j]);
                m_o.l[i][j] = m_o.u[i][j] = m_in.a[i][j];
            }
            m_o.m[i][k] = R(m_in.a[i][kRhs]);
        }
        switch (m_o.method) {
        case kSquareRoot:
        case kImprovedSquareRoot:
            m_o.elements = k * (k + 1) / 2;
            break;
        case kChasing:
            m_o.elements = std::max(3 * k - 2, 0);
            break;
        default:
            m_o.elements = k * k;
        }
    }

    void Check() {
        const auto& m = m_o.m;
        for (int i = 0; i < n(); ++i) {
            for (int j = 0; j < n(); ++j) {
                if (m_o.method == kSquareRoot || m_o.method == kImprovedSquareRoot) {
                    if (j > i && m[i][j] != m[j][i]) m_o.notSymmetric = true;
                } else if (m_o.method == kChasing) {
                    if (std::abs(i - j) >= 2 && std::fabs(m[i][j]) > kTridiagonalTolerance)
                        m_o.notTridiagonal = true;
                }
            }
        }
    }

    // One element computed; true when it is the last one of this step.
    bool Take(int i, int j) {
        if (++m_count != m_target) return false;
        m_o.hiRow = i, m_o.hiCol = j;
        return true;
    }

    bool Fail() {
        m_o.failed = true;
        return true;
    }

    void Doolittle() {
        auto& m = m_o.m;
        auto& l = m_o.l;
        auto& u = m_o.u;
        for (int j = 0; j < n(); ++j) {
            u[0][j] = m[0][j];
            if (Take(0, j)) return;
        }
        for (int i = 1; i < n(); ++i) {
            if (u[0][0] == 0 && Fail()) return;
            l[i][0] = R(m[i][0] / u[0][0]);
            if (Take(i, 0)) return;
        }
        for (int k = 1; k < n(); ++k) {
            for (int j = k; j < n(); ++j) {
                double s = m[k][j];
                for (int q = 0; q < k; ++q) s -= R(l[k][q] * u[q][j]);
                u[k][j] = s;
                if (Take(k, j)) return;
            }
            for (int i = k + 1; i < n(); ++i) {
                if (u[k][k] == 0 && Fail()) return;
                double s = m[i][k];
                for (int q = 0; q < k; ++q) s -= R(l[i][q] * u[q][k]);
                l[i][k] = R(s / u[k][k]);
                if (Take(i, k)) return;
            }
        }
    }

    void SquareRoot() {
        auto& m = m_o.m;
        auto& l = m_o.l;
        for (int k = 0; k < n(); ++k) {
            double s = m[k][k];
            for (int q = 0; q < k; ++q) s -= R(l[k][q] * l[k][q]);
            if (!(s > 0) && Fail()) return;
            l[k][k] = R(std::sqrt(s));
            if (Take(k, k)) return;
            for (int i = k + 1; i < n(); ++i) {
                if (l[k][k] == 0 && Fail()) return;
                double r = m[i][k];
                for (int q = 0; q < k; ++q) r -= R(l[i][q] * l[k][q]);
                l[i][k] = R(r / l[k][k]);
                if (Take(i, k)) return;
            }
        }
    }

    void ImprovedSquareRoot() {
        auto& m = m_o.m;
        auto& l = m_o.l;
        for (int k = 0; k < n(); ++k) {
            double d = m[k][k];
            for (int q = 0; q < k; ++q) d -= R(l[k][q] * l[q][q] * l[k][q]);
            l[k][k] = d;
            if (Take(k, k)) return;
            for (int i = k + 1; i < n(); ++i) {
                if (d == 0 && Fail()) return;
                double r = m[i][k];
                for (int q = 0; q < k; ++q) r -= R(l[i][q] * l[q][q] * l[k][q]);
                l[i][k] = R(r / d);
                if (Take(i, k)) return;
            }
        }
    }

    void Chasing() {
        auto& m = m_o.m;
        auto& l = m_o.l;
        auto& u = m_o.u;
        const int k = n();
        if (k < 1) return;
        for (int j = 1; j < k; ++j) {
            u[j - 1][j] = R(m[j - 1][j]);
            if (Take(j - 1, j)) return;
        }
        u[0][0] = m[0][0];
        if (Take(0, 0) || k < 2) return;
        if (m[0][0] == 0 && Fail()) return;
        l[1][0] = R(m[1][0] / m[0][0]);
        if (Take(1, 0)) return;
        for (int j = 2; j < k; ++j) {
            u[j - 1][j - 1] = R(m[j - 1][j - 1] - l[j - 1][j - 2] * m[j - 2][j - 1]);
            if (Take(j - 1, j - 1)) return;
            if (u[j - 1][j - 1] == 0) {
                // The rest of the band keeps A's entries; the last pivot follows.
                m_o.failed = true;
                m_chasingBroken = true;
                break;
            }
            l[j][j - 1] = R(m[j][j - 1] / u[j - 1][j - 1]);
            if (Take(j, j - 1)) return;
        }
        u[k - 1][k - 1] = R(m[k - 1][k - 1] - l[k - 1][k - 2] * m[k - 2][k - 1]);
        Take(k - 1, k - 1);
    }

    void ShapeFactors() {
        auto& l = m_o.l;
        auto& u = m_o.u;
        if (m_o.method == kSquareRoot || m_o.method == kImprovedSquareRoot) {
            for (int i = 0; i < n(); ++i)
                for (int j = i; j < n(); ++j) u[i][j] = l[j][i];
        }
        if (m_o.method == kImprovedSquareRoot) {
            for (int i = 0; i < n(); ++i)
                for (int j = i + 1; j < n(); ++j) u[i][j] = R(l[i][i] * u[i][j]);
        }
        if (m_o.method != kSquareRoot)
            for (int i = 0; i < n(); ++i) l[i][i] = 1;
        // The chasing method's broken band is shown, then solved as it stands
        // once every diagonal pivot is non-zero.
        if (m_chasingBroken) m_o.failed = false, m_o.brokenBand = true;
    }

    // L y = b, U x = y with b in column k of the matrix; false at a zero
    // diagonal entry. The plain solve leaves the quotients y_i (i >= 1)
    // unrounded; the refinement rounds every one.
    bool Solve(const double (*m)[kLuMaxOrder + 1], int k, double* y, double* x, bool plain) {
        const auto& l = m_o.l;
        const auto& u = m_o.u;
        if (k < 1) return false;
        for (int i = 0; i < k; ++i)
            if (l[i][i] == 0 || u[i][i] == 0) {
                m_o.failed = true;
                return false;
            }
        y[0] = R(m[0][k] / l[0][0]);
        for (int i = 1; i < k; ++i) {
            double s = m[i][k];
            for (int j = 0; j < i; ++j) s -= R(l[i][j] * y[j]);
            y[i] = plain ? s / l[i][i] : R(s / l[i][i]);
        }
        x[k - 1] = R(y[k - 1] / u[k - 1][k - 1]);
        for (int i = k - 2; i >= 0; --i) {
            double s = y[i];
            for (int j = i + 1; j < k; ++j) s -= R(u[i][j] * x[j]);
            x[i] = R(s / u[i][i]);
        }
        return true;
    }

    void Refine() {
        const int k = n();
        if (k < 1) return;
        const double tolerance = std::pow(0.1, m_in.precision);
        double x[kLuMaxOrder] = {}, r[kLuMaxOrder] = {}, d[kLuMaxOrder] = {};
        // The residual system: the matrix with r in its right-hand column.
        double sys[kLuMaxOrder][kLuMaxOrder + 1];
        int c = 0;
        for (;;) {
            for (int i = 0; i < k; ++i) {
                double s = R(m_in.a[i][kRhs]);
                for (int j = 0; j < k; ++j) s -= R(m_o.m[i][j] * x[j]);
                r[i] = R(s);
                for (int j = 0; j < k; ++j) sys[i][j] = m_o.m[i][j];
                sys[i][k] = r[i];
            }
            double y[kLuMaxOrder];
            if (!Solve(sys, k, y, d, false)) return;
            double nd = 0, nx = 0;
            for (int i = 0; i < k; ++i) {
                x[i] += d[i];
                nd = std::max(nd, std::fabs(d[i]));
                nx = std::max(nx, std::fabs(x[i]));
            }
            ++c;
            if (c == m_in.step || c >= kMaxRefinements || nx == 0 || nd / nx <= tolerance) break;
        }
        m_o.iterations = c;
        for (int i = 0; i < k; ++i) {
            m_o.refineX[i] = R(x[i] - d[i]);
            m_o.refineR[i] = R(r[i]);
            m_o.refineD[i] = R(d[i]);
        }
    }

    const LuInput& m_in;
    LuResult& m_o;
    int m_target = 0;
    int m_count = 0;
    bool m_chasingBroken = false;
};

} // namespace

void RunTriangular(const LuInput& in, LuResult* out) {
    *out = LuResult{};
    Triangular(in, out).Run();
}

} // namespace numeric
