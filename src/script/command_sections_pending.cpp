// Command sections whose routines are not built yet: each keyword of the
// chain has its section, and these do nothing until their subsystem fills
// them in (move the definition to the subsystem's file and delete it here).
// Calculus, solids, numerics and statistics.
#include "view/view.h"

// clang-format off
void CPemroView::CmdCircularCone(CDC*) {}
void CPemroView::CmdSphereSurfMove(CDC*) {}
// clang-format on
