#include "numeric/math/qr.h"

#include "numeric/math/rounding.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace numeric {

namespace {

using Mat = double[kQrMaxOrder][kQrMaxOrder];

class QrRun;

// Receives the run's state at the start of each iteration (and once the
// Hessenberg reduction is done), where a later run can take it up.
class QrKeeper {
public:
    virtual void Keep(const QrRun& run) = 0;

protected:
    ~QrKeeper() = default;
};

class QrRun {
public:
    QrRun(const QrInput& in, QrKeeper* keeper)
        : m_in(in), m_n(std::clamp(in.n, 2, kQrMaxOrder)), m_keeper(keeper) {
        m_o.n = m_n;
        m_o.variant =
            m_in.variant >= kSchmidt && m_in.variant <= kHessenbergGivens ? m_in.variant : kSchmidt;
        for (int i = 0; i < m_n; ++i)
            for (int j = 0; j < m_n; ++j)
                m_b[i][j] = R(i == j ? m_in.a[i][j] - m_in.shift : m_in.a[i][j]);
        m_in.a = nullptr; // read once
        Copy(m_b, m_v);
        for (int k = 0; k < m_n; ++k) Identity(m_p[k]);
    }

    // Runs on to `step` (from wherever this run stands, which must not be
    // past it) and writes what that step shows.
    void RunTo(int step, QrKeeper* keeper, QrResult* out) {
        m_keeper = keeper;
        // The Householder variants end with the iteration that reaches the
        // step limit; Gram-Schmidt at the limit itself.
        m_target = m_o.variant == kSchmidt ? std::min(step, kQrIterationStepLimit) : step;
        if (m_target >= 1 && m_o.steps < m_target) {
            switch (m_o.variant) {
            case kHouseholder:
                Householder();
                break;
            case kHessenbergGivens:
                HessenbergGivens();
                break;
            default:
                Schmidt();
            }
        }
        Publish();
        *out = m_o;
        out->capped = step > m_o.steps;
    }

    int Steps() const { return m_o.steps; }
    int Iterations() const { return m_o.iterations; }

private:
    double R(double v) const { return RoundSignificant(v, m_in.precision); }

    // One step done; true when the requested step is reached.
    bool Tick() { return ++m_o.steps >= m_target; }
    void KeepState() {
        if (m_keeper) m_keeper->Keep(*this);
    }

    void Copy(const Mat& from, Mat& to) const {
        for (int i = 0; i < m_n; ++i) std::copy_n(from[i], m_n, to[i]);
    }
    void Identity(Mat& m) const {
        for (int i = 0; i < m_n; ++i)
            for (int j = 0; j < m_n; ++j) m[i][j] = i == j ? 1.0 : 0.0;
    }
    bool Finite(const Mat& m) const {
        for (int i = 0; i < m_n; ++i)
            for (int j = 0; j < m_n; ++j)
                if (!std::isfinite(m[i][j])) return false;
        return true;
    }
    // out = x * y with every product term rounded (out may alias neither).
    // The transformations are mostly zeros: a zero of x adds a rounded zero,
    // which changes no sum while y is finite, and is passed over.
    void Multiply(const Mat& x, const Mat& y, Mat& out) const {
        const bool skip = Finite(y);
        for (int i = 0; i < m_n; ++i)
            for (int k = 0; k < m_n; ++k) {
                double s = 0;
                for (int q = 0; q < m_n; ++q)
                    if (!skip || x[i][q] != 0) s += R(x[i][q] * y[q][k]);
                out[i][k] = s;
            }
    }
    void MultiplyInto(const Mat& x, Mat& y) const { // y := x * y
        Mat t;
        Multiply(x, y, t);
        Copy(t, y);
    }
    void MultiplyTransposedInto(Mat& y, const Mat& x) const { // y := y * x^T
        const bool skip = Finite(y);
        Mat t;
        for (int i = 0; i < m_n; ++i)
            for (int k = 0; k < m_n; ++k) {
                double s = 0;
                for (int q = 0; q < m_n; ++q)
                    if (!skip || x[k][q] != 0) s += R(y[i][q] * x[k][q]);
                t[i][k] = s;
            }
        Copy(t, y);
    }

    // Gram-Schmidt: one column of Q and a row of R per step, an idle step,
    // then RQ.
    void Schmidt() {
        for (;;) {
            if (m_o.steps >= m_target) return;
            KeepState();
            for (int j = 0; j < m_n; ++j) {
                for (int q = 0; q < j; ++q) {
                    double t = 0;
                    for (int i = 0; i < m_n; ++i) t += R(m_b[i][j] * m_q[i][q]);
                    for (int i = 0; i < m_n; ++i) m_v[i][j] -= R(t * m_q[i][q]);
                }
                double norm = 0;
                for (int i = 0; i < m_n; ++i) norm += R(m_v[i][j] * m_v[i][j]);
                const double rjj = R(std::sqrt(norm));
                m_o.r[j][j] = rjj;
                for (int i = 0; i < m_n; ++i) m_q[i][j] = rjj > 0 ? R(m_v[i][j] / rjj) : m_v[i][j];
                for (int i = j + 1; i < m_n; ++i) {
                    double s = 0;
                    for (int k = 0; k < m_n; ++k) s += R(m_b[k][i] * m_q[k][j]);
                    m_o.r[j][i] = s;
                }
                m_o.finished = false;
                m_o.column = j;
                if (Tick()) return;
            }
            if (Tick()) return; // the finished factorisation once more
            for (int i = 0; i < m_n; ++i)
                for (int k = 0; k < m_n; ++k) {
                    double s = 0;
                    for (int q = 0; q < m_n; ++q) s += m_o.r[i][q] * m_q[q][k];
                    m_b[i][k] = s;
                }
            Copy(m_b, m_v);
            for (auto& row : m_o.r) std::fill_n(row, kQrMaxOrder, 0.0);
            m_o.finished = true;
            ++m_o.iterations;
            if (Tick()) return;
        }
    }

    // A reflection P_j = I - 2ww^T that clears column j below row `first`.
    void Reflection(int j, int first, bool negativeAtZero) {
        double sum = 0;
        for (int i = first; i < m_n; ++i) sum += R(m_b[i][j] * m_b[i][j]);
        const double pivot = m_b[first][j];
        const bool negative = negativeAtZero ? pivot <= 0 : pivot < 0;
        m_o.sigma = R(std::sqrt(sum)) * (negative ? -1.0 : 1.0);
        for (int i = 0; i < m_n; ++i)
            m_o.u[i] = i < first ? 0.0 : i == first ? R(m_o.sigma + pivot) : R(m_b[i][j]);
        m_o.beta = 0;
        for (int i = first; i < m_n; ++i) m_o.beta += R(m_o.u[i] * m_o.u[i]);
        if (m_o.beta > 0) {
            const double root = std::sqrt(m_o.beta);
            for (int i = 0; i < m_n; ++i) m_o.w[i] = R(m_o.u[i] / root);
            for (int i = first; i < m_n; ++i)
                for (int q = first; q < m_n; ++q) m_p[j][i][q] -= R(2 * m_o.w[i] * m_o.w[q]);
        }
        m_o.finished = false;
        m_o.column = j;
    }

    // T := P_{n-2} ... P_0, kept in P_{n-1} as it grows.
    void Accumulate() {
        for (int j = 0; j <= m_n - 2; ++j) {
            Multiply(m_p[j], m_p[m_n - 1], m_t);
            Copy(m_t, m_p[m_n - 1]);
        }
    }

    void Householder() {
        for (;;) {
            if (m_o.steps >= m_target) return;
            KeepState();
            for (int k = 0; k < m_n; ++k) Identity(m_p[k]);
            for (int j = 0; j <= m_n - 2; ++j) {
                Reflection(j, j, true);
                if (Tick()) return;
                MultiplyInto(m_p[j], m_b);
                m_o.finished = false;
                if (Tick()) return;
            }
            Accumulate();
            MultiplyTransposedInto(m_b, m_t);
            FinishIteration();
            if (Tick() || m_o.steps >= kQrIterationStepLimit) return;
        }
    }

    void HessenbergGivens() {
        if (!m_reduced) {
            for (int j = 0; j <= m_n - 3; ++j) {
                Reflection(j, j + 1, false);
                if (Tick()) return;
                Mat t;
                Multiply(m_p[j], m_b, t);
                Multiply(t, m_p[j], m_b);
                m_o.finished = false;
                if (Tick()) return;
            }
            m_o.finished = true;
            m_o.column = m_n - 2;
            m_reduced = true;
            if (Tick()) return;
        }
        for (;;) {
            if (m_o.steps >= m_target) return;
            KeepState();
            for (int k = 0; k < m_n; ++k) Identity(m_p[k]);
            for (int j = 0; j <= m_n - 2; ++j) {
                const double below = m_b[j + 1][j];
                if (below == 0) continue;
                const double rho = R(std::sqrt(m_b[j][j] * m_b[j][j] + below * below));
                const double c = R(m_b[j][j] / rho), s = R(below / rho);
                m_p[j][j][j] = m_p[j][j + 1][j + 1] = c;
                m_p[j][j][j + 1] = s;
                m_p[j][j + 1][j] = -s;
                MultiplyInto(m_p[j], m_b);
                m_o.finished = false;
                m_o.column = j;
                if (Tick()) return;
            }
            Accumulate();
            for (int j = 0; j <= m_n - 2; ++j) MultiplyTransposedInto(m_b, m_p[j]);
            FinishIteration();
            if (Tick() || m_o.steps >= kQrIterationStepLimit) return;
        }
    }

    void FinishIteration() {
        m_o.finished = true;
        ++m_o.iterations;
        m_o.column = m_n - 2;
    }

    // What the step shows: the matrix (shift added back when finished), the
    // lower table and the panel matrix.
    void Publish() {
        const int n = m_n;
        const bool schmidt = m_o.variant == kSchmidt;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                m_o.b[i][j] =
                    m_b[i][j] + (m_o.finished && i == j && m_o.steps > 0 ? m_in.shift : 0);
        const int j = std::clamp(m_o.column, 0, n - 1);
        const Mat& pj = m_p[std::min(j, n - 1)];
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c) {
                if (schmidt)
                    m_o.lower[r][c] = m_q[r][c];
                else
                    m_o.lower[r][c] = m_o.finished ? pj[c][r] : pj[r][c];
                if (schmidt)
                    m_o.panel[r][c] = m_o.r[r][c];
                else
                    m_o.panel[r][c] = m_o.finished ? m_t[r][c] : pj[r][c];
            }
        m_o.lowerColumns = schmidt ? (m_o.steps > 0 ? j + 1 : 0) : n;
    }

    QrInput m_in;
    QrResult m_o;
    int m_n;
    QrKeeper* m_keeper;
    int m_target = 0;
    bool m_reduced = false; // the Hessenberg reduction is done
    Mat m_b = {}, m_v = {}, m_q = {}, m_t = {};
    Mat m_p[kQrMaxOrder] = {};
};

} // namespace

void RunQr(const QrInput& in, QrResult* out) {
    auto run = std::make_unique<QrRun>(in, nullptr);
    run->RunTo(in.step, nullptr, out);
}

// The runs of one input: the states kept at iteration starts, in step order.
struct QrStepper::Kept final : QrKeeper {
    int n = 0, variant = 0, precision = 0;
    double shift = 0;
    double a[kQrMaxOrder][kQrMaxOrder] = {};
    std::vector<std::unique_ptr<QrRun>> states;
    std::unique_ptr<QrRun> latest; // the last iteration start passed

    bool Same(const QrInput& in) const {
        const int order = std::clamp(in.n, 2, kQrMaxOrder);
        if (states.empty() || order != n || in.variant != variant || in.precision != precision ||
            !(in.shift == shift))
            return false;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (!(in.a[i][j] == a[i][j]) && !(std::isnan(in.a[i][j]) && std::isnan(a[i][j])))
                    return false;
        return true;
    }
    void Reset(const QrInput& in) {
        n = std::clamp(in.n, 2, kQrMaxOrder);
        variant = in.variant, precision = in.precision, shift = in.shift;
        for (int i = 0; i < n; ++i) std::copy_n(in.a[i], n, a[i]);
        states.clear();
        latest.reset();
        states.push_back(std::make_unique<QrRun>(in, nullptr));
    }
    // An iteration start kKeepEvery iterations past the last kept state is
    // kept, at most kMaxKept of them (about 90 KB each).
    static constexpr int kKeepEvery = 8;
    static constexpr size_t kMaxKept = 48;
    void Keep(const QrRun& run) override {
        if (latest)
            *latest = run;
        else
            latest = std::make_unique<QrRun>(run);
        const QrRun& kept = *states.back();
        if (run.Steps() <= kept.Steps() || run.Iterations() < kept.Iterations() + kKeepEvery ||
            states.size() >= kMaxKept)
            return;
        states.push_back(std::make_unique<QrRun>(run));
    }
};

QrStepper::QrStepper() : m_kept(std::make_unique<Kept>()) {}
QrStepper::~QrStepper() = default;

void QrStepper::Run(const QrInput& in, QrResult* out) {
    Kept& k = *m_kept;
    if (!k.Same(in)) k.Reset(in);
    const int target = std::max(0, in.step);
    // The latest kept state at or before the step; the run goes on from a
    // copy of it, keeping new states as it passes them.
    size_t from = 0;
    while (from + 1 < k.states.size() && k.states[from + 1]->Steps() <= target) ++from;
    const QrRun* start = k.states[from].get();
    const bool last = from + 1 == k.states.size();
    // The last iteration start passed serves a step on from it.
    if (last && k.latest && k.latest->Steps() > start->Steps() && k.latest->Steps() <= target)
        start = k.latest.get();
    auto run = std::make_unique<QrRun>(*start);
    run->RunTo(in.step, last ? &k : nullptr, out);
}

} // namespace numeric
