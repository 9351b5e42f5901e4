#include "numeric/math/descent.h"

#include <algorithm>
#include <cmath>

namespace numeric {

namespace {

class Descent {
public:
    Descent(const DescentInput& in, DescentResult* out)
        : m_in(in), m_o(*out),
          m_n(in.kind == kNonlinearSystem ? 2 : std::clamp(in.n, 2, kDescentMaxOrder)) {}

    void Run() {
        m_o.n = m_n;
        std::copy_n(m_in.x0, m_n, m_x);
        const int last = std::min(m_in.iterations, kMaxDescentIterations);
        m_o.capped = m_in.iterations > last;
        for (int k = 1; k <= last; ++k) {
            std::copy_n(m_x, m_n, m_o.xOld);
            std::copy_n(m_p, m_n, m_o.pOld);
            DescentStep step;
            const bool moved = m_in.kind == kNonlinearSystem ? Nonlinear(&step) : Linear(k, &step);
            if (!moved) return;
            double delta = 0;
            bool bounded = true;
            for (int i = 0; i < m_n; ++i) {
                step.from[i] = m_o.xOld[i];
                step.x[i] = m_x[i];
                delta = std::max(delta, std::fabs(m_x[i] - m_o.xOld[i]));
                if (!(std::fabs(m_x[i]) <= kDescentBound)) bounded = false;
            }
            m_o.steps.push_back(step);
            if (!bounded) {
                m_o.diverged = true;
                return;
            }
            if (delta <= m_in.epsilon) {
                m_o.converged = true;
                return;
            }
        }
    }

private:
    const double* Row(int i) const { return m_in.b[i]; }
    double BTimes(const double* v, int i) const {
        double s = 0;
        for (int j = 0; j < m_n; ++j) s += Row(i)[j] * v[j];
        return s;
    }
    double Form(const double* u, const double* v) const { // u' B v
        double s = 0;
        for (int i = 0; i < m_n; ++i) s += u[i] * BTimes(v, i);
        return s;
    }
    double Dot(const double* u, const double* v) const {
        double s = 0;
        for (int i = 0; i < m_n; ++i) s += u[i] * v[i];
        return s;
    }

    // Steepest descent or conjugate gradients; false when a denominator
    // is zero (the iteration ends there).
    bool Linear(int k, DescentStep* step) {
        double* r = m_o.r;
        for (int i = 0; i < m_n; ++i) r[i] = Row(i)[m_n] - BTimes(m_x, i);
        if (k == 1 || m_in.method == 1) {
            std::copy_n(r, m_n, m_p);
            step->beta = 0;
        } else {
            const double den = Form(m_o.pOld, m_o.pOld);
            if (den == 0) return false;
            step->beta = -Form(r, m_o.pOld) / den;
            for (int i = 0; i < m_n; ++i) m_p[i] = r[i] + step->beta * m_o.pOld[i];
        }
        const double den = Form(m_p, m_p);
        if (den == 0) return false;
        step->lambda = Dot(r, m_p) / den;
        for (int i = 0; i < m_n; ++i) m_x[i] = m_o.xOld[i] + step->lambda * m_p[i];
        return true;
    }

    double F(double x, double y) {
        ++m_evaluations;
        return m_in.objective ? m_in.objective(x, y) : 0.0;
    }

    // Minus the forward-difference gradient, then steps of the line search
    // while the objective falls.
    bool Nonlinear(DescentStep* step) {
        if (m_evaluations >= kMaxObjectiveEvaluations) {
            m_o.capped = true;
            return false;
        }
        const double x = m_x[0], y = m_x[1];
        const double f0 = F(x, y);
        m_p[0] = (f0 - F(x + kGradientStep, y)) / kGradientStep;
        m_p[1] = (f0 - F(x, y + kGradientStep)) / kGradientStep;
        double t = kLineSearchStep, current = f0, previous;
        do {
            previous = current;
            current = F(x + t * m_p[0], y + t * m_p[1]);
            t += kLineSearchStep;
        } while (current < previous && t < kLineSearchEnd &&
                 m_evaluations < kMaxObjectiveEvaluations);
        step->lambda = t;
        m_x[0] = x + t * m_p[0];
        m_x[1] = y + t * m_p[1];
        return true;
    }

    const DescentInput& m_in;
    DescentResult& m_o;
    int m_n;
    double m_x[kDescentMaxOrder] = {}, m_p[kDescentMaxOrder] = {};
    long m_evaluations = 0;
};

} // namespace

void RunDescent(const DescentInput& in, DescentResult* out) {
    *out = DescentResult();
    Descent(in, out).Run();
}

} // namespace numeric
