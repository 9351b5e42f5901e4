// Weights of the computed page backgrounds.
#include "catalog/math/plane_curves.h"
#include "view/view.h"

double CPemroView::EvalBackgroundPattern(double u, double v, int n) const {
    return catalog::EvalBackgroundPatternWeight(u, v, n);
}
