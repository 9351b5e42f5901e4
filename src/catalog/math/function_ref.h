// A non-owning reference to a callable double(double): lets the numerical
// routines take a lambda over view state without templates in every header
// and without allocating.
#pragma once

#include <type_traits>
#include <utility>

namespace catalog {

class FunctionRef {
public:
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef>>>
    FunctionRef(F&& f) // NOLINT: implicit on purpose, callers pass lambdas
        : m_obj(const_cast<void*>(static_cast<const void*>(&f))),
          m_call([](void* obj, double x) -> double {
              return (*static_cast<std::remove_reference_t<F>*>(obj))(x);
          }) {}

    double operator()(double x) const { return m_call(m_obj, x); }

private:
    void* m_obj;
    double (*m_call)(void*, double);
};

} // namespace catalog
