// The view keeps the integrals it printed last (catalog/integrate.cpp).
#pragma once

namespace catalog {

// How many times a rule has run in full on this thread, memo hits left out.
long IntegralRuleRuns();

} // namespace catalog
