// Command sections whose routines are not built yet: each keyword of the
// chain has its section, and these do nothing until their subsystem fills
// them in (move the definition to the subsystem's file and delete it here).
// Calculus, solids, numerics and statistics.
#include "view/view.h"

// clang-format off
void CPemroView::CmdDerivative2(CDC*) {}
void CPemroView::CmdTangentLine2(CDC*) {}
void CPemroView::CmdTangentLine3(CDC*) {}
void CPemroView::CmdTangentPlane(CDC*) {}
void CPemroView::CmdMeanCalculus2(CDC*) {}
void CPemroView::CmdContour(CDC*) {}
void CPemroView::CmdSeries2(CDC*) {}
void CPemroView::CmdCalculus1(CDC*) {}
void CPemroView::Cmdcalculus1(CDC*) {}
void CPemroView::CmdCalculus2(CDC*) {}
void CPemroView::Cmdcalculus2(CDC*) {}
void CPemroView::CmdRevolve(CDC*) {}
void CPemroView::CmdDomainxy(CDC*) {}
void CPemroView::CmdDomainr(CDC*) {}
void CPemroView::CmdSurf(CDC*) {}
void CPemroView::CmdSphSurf(CDC*) {}
void CPemroView::CmdCylSurf(CDC*) {}
void CPemroView::CmdSolid(CDC*) {}
void CPemroView::CmdSpaceCurve(CDC*) {}
void CPemroView::CmdCylinder(CDC*) {}
void CPemroView::CmdCylCoord(CDC*) {}
void CPemroView::CmdSpherCoord(CDC*) {}
void CPemroView::CmdAreaElement(CDC*) {}
void CPemroView::CmdElectric(CDC*) {}
void CPemroView::CmdField(CDC*) {}
void CPemroView::CmdPlane3(CDC*) {}
void CPemroView::CmdPlanePencil(CDC*) {}
void CPemroView::CmdDirectDerive(CDC*) {}
void CPemroView::CmdCoordinateSystem(CDC*) {}
void CPemroView::CmdCircularCone(CDC*) {}
void CPemroView::CmdDirectLimit(CDC*) {}
void CPemroView::CmdPRNCalculus(CDC*) {}
void CPemroView::CmdDisDistribution(CDC*) {}
void CPemroView::CmdConDistribution(CDC*) {}
void CPemroView::CmdRegionEstimate(CDC*) {}
void CPemroView::CmdAssumeVerify(CDC*) {}
void CPemroView::CmdRegression1(CDC*) {}
void CPemroView::CmdRegressionm(CDC*) {}
void CPemroView::CmdApproximation(CDC*) {}
void CPemroView::CmdCurvespecialfunc(CDC*) {}
void CPemroView::CmdLineInterpolate(CDC*) {}
void CPemroView::CmdLargange(CDC*) {}
void CPemroView::CmdNewton(CDC*) {}
void CPemroView::CmdSplines(CDC*) {}
void CPemroView::CmdJacobiSeidel(CDC*) {}
void CPemroView::CmdPowerMethod(CDC*) {}
void CPemroView::CmdQR(CDC*) {}
void CPemroView::CmdJacobiMethod(CDC*) {}
void CPemroView::CmdGradient(CDC*) {}
void CPemroView::CmdSphereSurfMove(CDC*) {}
// clang-format on
