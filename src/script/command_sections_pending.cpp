// Command sections whose routines are not built yet: each keyword of the
// chain has its section, and these do nothing until their subsystem fills
// them in (move the definition to the subsystem's file and delete it here).
// Calculus, solids, numerics and statistics.
#include "view/view.h"

// clang-format off
void CPemroView::CmdSequence(CDC*) {}
void CPemroView::CmdSequence2(CDC*) {}
void CPemroView::Cmdtangentline2(CDC*) {}
void CPemroView::CmdLeastSquareMethod(CDC*) {}
void CPemroView::CmdSphSurf(CDC*) {}
void CPemroView::CmdCylSurf(CDC*) {}
void CPemroView::CmdSpaceCurve(CDC*) {}
void CPemroView::CmdCylinder(CDC*) {}
void CPemroView::CmdCylCoord(CDC*) {}
void CPemroView::CmdSpherCoord(CDC*) {}
void CPemroView::CmdAreaElement(CDC*) {}
void CPemroView::CmdElectric(CDC*) {}
void CPemroView::CmdPloygon(CDC*) {}
void CPemroView::CmdField(CDC*) {}
void CPemroView::CmdVibration(CDC*) {}
void CPemroView::CmdDirectDerive(CDC*) {}
void CPemroView::CmdCoordinateSystem(CDC*) {}
void CPemroView::CmdWaterFlow(CDC*) {}
void CPemroView::CmdIntegralApp(CDC*) {}
void CPemroView::CmdCircularCone(CDC*) {}
void CPemroView::CmdDirectLimit(CDC*) {}
void CPemroView::CmdSphereCurveMove(CDC*) {}
void CPemroView::CmdSphereSurfMove(CDC*) {}
// clang-format on
