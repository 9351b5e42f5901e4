// The catalogue parameters as the view holds them, gathered for the pure
// evaluators of catalog/math.
#pragma once

#include "catalog/math/explicit_catalogue.h"

class CPemroView;

namespace catalog {

Extension ExtensionOf(const CPemroView& v);
Densities DensitiesOf(const CPemroView& v);
ExplicitCoefs CoefsOf(const double abcdef[6], double g, double h, double i, double alpha,
                      double beta, double x0, double x1);

} // namespace catalog
