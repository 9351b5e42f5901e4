// The view's surfaces z = f(x, y) and z = g(x, y): the evaluation modes, the
// forms built on profiles, parametric curves and Taylor expansions, the
// descent objective and the colour ramps.
#include "catalog/surface_pass.h"

#include "catalog/math/surfaces.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

catalog::SurfaceCoefs SurfaceCoefsOf(const CPemroView& v) {
    catalog::SurfaceCoefs cf;
    for (int i = 0; i < 7; ++i) cf.upper[i] = v.m_adCoefSurfF[i];
    cf.upper[7] = v.m_adCoefSurfFExtra[0];
    cf.upper[8] = v.m_adCoefSurfFExtra[1];
    for (int i = 0; i < 9; ++i) cf.lower[i] = v.m_adCoefSurfG[i];
    cf.alphaUpper = v.m_dAlphaSurfF;
    cf.alphaLower = v.m_dAlphaSurfG;
    cf.x0 = v.m_dBreakF0;
    cf.y0 = v.m_dBreakF1;
    return cf;
}

bool SameBits(double a, double b) {
    std::uint64_t u, w;
    std::memcpy(&u, &a, sizeof u);
    std::memcpy(&w, &b, sizeof w);
    return u == w;
}

} // namespace

// A scene's catalogue grids in the order its pass asked for them: a fine
// mesh spends much of a repaint on its nodes' sines, and the next repaint of
// an unchanged scene asks for the very same grids in the same order. A
// record is the form, the sizes and the points, then the values; a form is
// a function of these and the coefficients alone, so a record that matches
// holds the bits the form would give. Read in order, a run streams through
// memory where a table looked up by key would miss the cache at each cell.
struct CPemroView::SurfacePass::GridTape {
    catalog::SurfaceCoefs coefs;
    std::vector<double> data;
    std::uint64_t stamp = 0;
    // Passes reading or recording it: a run in use is never dropped.
    int users = 0;
};

namespace {

// Runs of at most 24 MB (a 2560-pixel scene's mesh fits), and 48 MB in all.
constexpr size_t kMaxTapeValues = size_t(3) << 20;
constexpr size_t kMaxTapesValues = 2 * kMaxTapeValues;
constexpr size_t kMaxTapes = 4;
constexpr size_t kRecordHead = 3;

using Tape = CPemroView::SurfacePass::GridTape;

struct GridTapes {
    std::vector<std::unique_ptr<Tape>> tapes;
    std::uint64_t tick = 0;
};

GridTapes& Tapes() {
    thread_local GridTapes tapes;
    return tapes;
}

void RecordHead(catalog::SurfaceGridFn fn, int nx, int ny, double* head) {
    static_assert(sizeof fn == sizeof(double), "a form's address fills one value");
    std::memcpy(&head[0], &fn, sizeof fn);
    head[1] = nx, head[2] = ny;
}

// Whether the record at `at` is the grid of fn at these points; its values
// follow the points.
bool Holds(const std::vector<double>& data, size_t at, const double* head, const double* xs, int nx,
           const double* ys, int ny) {
    const size_t size = kRecordHead + size_t(nx) + size_t(ny) + size_t(nx) * size_t(ny);
    if (data.size() < at + size) return false;
    const double* r = data.data() + at;
    return std::memcmp(r, head, kRecordHead * sizeof(double)) == 0 &&
           std::memcmp(r + kRecordHead, xs, size_t(nx) * sizeof(double)) == 0 &&
           std::memcmp(r + kRecordHead + nx, ys, size_t(ny) * sizeof(double)) == 0;
}

} // namespace

void CPemroView::SurfacePass::FormGrid(catalog::SurfaceGridFn fn, const double* xs, int nx,
                                       const double* ys, int ny, double* out, int stride) const {
    if (nx <= 0 || ny <= 0 || stride < 1) {
        fn(xs, nx, ys, ny, coefs, out, stride);
        return;
    }
    const size_t count = size_t(nx) * size_t(ny);
    const size_t size = kRecordHead + size_t(nx) + size_t(ny) + count;
    double head[kRecordHead];
    RecordHead(fn, nx, ny, head);
    GridTapes& kept = Tapes();
    if (!m_tape) {
        // The pass's first grid: the run that starts with it, else a new one
        // in place of the runs asked for least lately.
        for (const auto& t : kept.tapes)
            if (t->users == 0 && std::memcmp(&t->coefs, &coefs, sizeof coefs) == 0 &&
                Holds(t->data, 0, head, xs, nx, ys, ny))
                m_tape = t.get();
        if (!m_tape) {
            const auto total = [&kept] {
                size_t n = 0;
                for (const auto& t : kept.tapes) n += t->data.size();
                return n;
            };
            while (kept.tapes.size() >= kMaxTapes || total() > kMaxTapesValues - kMaxTapeValues) {
                auto oldest = kept.tapes.end();
                for (auto t = kept.tapes.begin(); t != kept.tapes.end(); ++t)
                    if ((*t)->users == 0 &&
                        (oldest == kept.tapes.end() || (*t)->stamp < (*oldest)->stamp))
                        oldest = t;
                if (oldest == kept.tapes.end()) break;
                kept.tapes.erase(oldest);
            }
            kept.tapes.push_back(std::make_unique<GridTape>());
            m_tape = kept.tapes.back().get();
            m_tape->coefs = coefs;
            m_recording = true;
        }
        m_tape->stamp = ++kept.tick;
        ++m_tape->users;
        m_tapeAt = 0;
    }
    std::vector<double>& data = m_tape->data;
    if (!m_recording) {
        if (Holds(data, m_tapeAt, head, xs, nx, ys, ny)) {
            const double* values = data.data() + m_tapeAt + (size - count);
            for (size_t k = 0; k < count; ++k) out[std::ptrdiff_t(k) * stride] = values[k];
            m_tapeAt += size;
            return;
        }
        // The scene changed from here on: the rest of the run goes.
        data.resize(std::min(m_tapeAt, data.size()));
        m_recording = true;
    }
    // Computed as without the run, in the caller's layout, then recorded.
    fn(xs, nx, ys, ny, coefs, out, stride);
    if (data.size() + size > kMaxTapeValues) return;
    data.insert(data.end(), head, head + kRecordHead);
    data.insert(data.end(), xs, xs + nx);
    data.insert(data.end(), ys, ys + ny);
    for (size_t k = 0; k < count; ++k) data.push_back(out[std::ptrdiff_t(k) * stride]);
    m_tapeAt = data.size();
}

CPemroView::SurfacePass::SurfacePass(CPemroView& v)
    : view(v), active(DrawingCachesEnabled() && !v.m_pSurfacePass),
      coefs(active ? SurfaceCoefsOf(v) : catalog::SurfaceCoefs()) {
    if (!active) return;
    v.m_pSurfacePass = this;
}

CPemroView::SurfacePass::~SurfacePass() {
    if (m_tape) --m_tape->users;
    if (active) view.m_pSurfacePass = nullptr;
}

const catalog::TaylorCoefs& CPemroView::SurfacePass::Taylor(int k, int which, int n) {
    CPemroView& v = view;
    Expansion& e = m_expansion[which == 0 ? 0 : 1];
    const int depth = v.m_nSurfaceExpansionDepth;
    if (!(e.known && SameBits(e.x0, v.m_dX0) && SameBits(e.y0, v.m_dY0) && e.k == k && e.n == n &&
          e.depth == depth && e.mode == v.m_nSurfaceEvalMode && SameBits(e.level, v.m_dDirP))) {
        e.coefs = v.TaylorCoefsOf(k, which, n);
        e.known = true, e.x0 = v.m_dX0, e.y0 = v.m_dY0, e.k = k, e.n = n, e.depth = depth;
        e.mode = v.m_nSurfaceEvalMode, e.level = v.m_dDirP;
    }
    return e.coefs;
}

// The same choices as EvalSurfaceF/G, EvalSurfaceCatalogueF/G and
// EvalSurfaceTaylorPolynomial, in the evaluation mode that takes the
// surfaces as they are; any other case asks the view at each point.
CPemroView::SurfacePass::Sampler::Sampler(CPemroView& v, int which, int k)
    : m_view(v), m_which(which), m_k(k) {
    SurfacePass* pass = v.m_pSurfacePass;
    if (!pass || v.m_nSurfaceEvalMode != 0) return;
    if (k == 17 || k == 18 || k == 19 || k == 20) return;
    if (k != 0) {
        m_kind = kForm, m_pass = pass;
        m_form = catalog::SurfaceFormOf(k, which != 0);
        m_grid = catalog::SurfaceGridOf(k, which != 0);
        m_costly = catalog::SurfaceFormIsCostly(k);
        return;
    }
    const int expanded = which == 0 ? v.m_nSurfaceUpper : v.m_nSurfaceLower;
    if (v.m_nSurfaceExpansionDepth > 0 || expanded == 0) {
        m_kind = kZero;
        return;
    }
    m_kind = kPolynomial;
    m_taylor.emplace(pass->Taylor(expanded, which, v.m_nDemoStep));
    m_x0 = v.m_dX0, m_y0 = v.m_dY0;
}

double CPemroView::EvalSurfaceF(double x, double y, int k) {
    switch (m_nSurfaceEvalMode) {
    case 0:
        return EvalSurfaceCatalogueF(x, y, k);
    case 1: {
        const double v = EvalSurfaceCatalogueF(x, y, k);
        return m_dDirP < v ? m_dDirP : v;
    }
    }
    const double g = EvalSurfaceCatalogueG(x, y, m_nSurfaceLower);
    const double f = EvalSurfaceCatalogueF(x, y, m_nSurfaceUpper);
    return g <= f ? f : g;
}

double CPemroView::EvalSurfaceG(double x, double y, int k) {
    switch (m_nSurfaceEvalMode) {
    case 0:
        return EvalSurfaceCatalogueG(x, y, k);
    case 1: {
        const double v = EvalSurfaceCatalogueG(x, y, k);
        return m_dDirP < v ? m_dDirP : v;
    }
    }
    return m_dZMin - 100.0;
}

double CPemroView::EvalSurfaceCatalogueF(double x, double y, int k) {
    switch (k) {
    case 0:
        // An expansion of an expansion would never end (the selected form
        // may itself be 0): the inner one gives 0.
        if (m_nSurfaceExpansionDepth > 0) return 0.0;
        return EvalSurfaceTaylorPolynomial(x, y, m_nDemoStep, m_nSurfaceUpper, 0);
    case 17:
        return EvalProfileCatalogueF(x, m_nSurfaceUpperProfile);
    case 18:
        return EvalProfileCatalogueF(y, m_nSurfaceUpperProfile);
    case 19:
        return EvalProfileCatalogueF(std::sqrt(x * x + y * y), m_nSurfaceUpperProfile);
    case 20: {
        // Surface of revolution of the parametric curve.
        const double r = std::sqrt(x * x + y * y);
        return EvalParamY(SolveParamT(r, m_nFuncUpper), m_nFuncUpper);
    }
    }
    if (m_pSurfacePass) return catalog::EvalSurfaceForm(x, y, k, false, m_pSurfacePass->coefs);
    return catalog::EvalSurfaceForm(x, y, k, false, SurfaceCoefsOf(*this));
}

double CPemroView::EvalSurfaceCatalogueG(double x, double y, int k) {
    switch (k) {
    case 0:
        if (m_nSurfaceExpansionDepth > 0) return 0.0;
        return EvalSurfaceTaylorPolynomial(x, y, m_nDemoStep, m_nSurfaceLower, 1);
    case 17:
        return EvalProfileCatalogueG(x, m_nSurfaceLowerProfile);
    case 18:
        return EvalProfileCatalogueG(y, m_nSurfaceLowerProfile);
    case 19:
        return EvalProfileCatalogueG(std::sqrt(x * x + y * y), m_nSurfaceLowerProfile);
    case 20: {
        const double r = std::sqrt(x * x + y * y);
        return EvalParamY(SolveParamT(r, m_nFuncLower), m_nFuncLower);
    }
    }
    if (m_pSurfacePass) return catalog::EvalSurfaceForm(x, y, k, true, m_pSurfacePass->coefs);
    return catalog::EvalSurfaceForm(x, y, k, true, SurfaceCoefsOf(*this));
}

double CPemroView::EvalSurfaceOnRay(double x, double y, double t, int k, int which) {
    const double px = m_dX0 + t * (x - m_dX0), py = m_dY0 + t * (y - m_dY0);
    return which == 0 ? EvalSurfaceF(px, py, k) : EvalSurfaceG(px, py, k);
}

catalog::TaylorCoefs CPemroView::TaylorCoefsOf(int k, int which, int n) {
    ++m_nSurfaceExpansionDepth;
    struct Surface {
        CPemroView* v;
        int k, which;
    } surface{this, k, which};
    const auto at = [](void* ctx, double x, double y) {
        const Surface& s = *static_cast<Surface*>(ctx);
        return s.which == 0 ? s.v->EvalSurfaceF(x, y, s.k) : s.v->EvalSurfaceG(x, y, s.k);
    };
    const catalog::TaylorCoefs coefs = catalog::ComputeTaylorCoefs(at, &surface, m_dX0, m_dY0, n);
    --m_nSurfaceExpansionDepth;
    return coefs;
}

double CPemroView::EvalSurfaceTaylorPolynomial(double x, double y, int n, int k, int which) {
    // Expanding the expansion form itself: its inner value is 0 everywhere,
    // so every term is 0.
    if (k == 0 && m_nSurfaceEvalMode == 0) return 0.0;
    // The coefficients once per pass where a pass runs, else per point.
    if (m_pSurfacePass)
        return catalog::EvalTaylorCoefs(m_pSurfacePass->Taylor(k, which, n), x - m_dX0, y - m_dY0);
    return catalog::EvalTaylorCoefs(TaylorCoefsOf(k, which, n), x - m_dX0, y - m_dY0);
}

double CPemroView::EvalDescentObjective(double x, double y, int k) {
    if (k != 0) return EvalSurfaceF(x, y, k);
    const double f = EvalSurfaceCatalogueF(x, y, m_nSurfaceUpper);
    const double g = EvalSurfaceCatalogueG(x, y, m_nSurfaceLower);
    return std::sqrt(f * f + g * g);
}

double CPemroView::EvalRampFunction(double x, int mode) const {
    return catalog::EvalRampWeight(x, mode, m_nDemoStep);
}
